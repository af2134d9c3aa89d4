// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/Refresh.h"

#include "config/ImageCodec.h"
#include "config/Language.h"

#include <QCoreApplication>

#include <algorithm>

namespace fbe {

namespace {

// The texts of the refresh, in the language in use.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Refresh)
};

}  // namespace

void NormaliseCodeArea(Configuration& cfg)
{
    const quint64 mask = cfg.current().mask;
    for (int n = 1; n <= 8; ++n)
        cfg.codes[n].address &= mask;

    // A code length chosen for a programmable transmitter stays with its type.
    if (cfg.activeType == typ::Uni16 || cfg.activeType == typ::Uni17)
        cfg.types[cfg.activeType].bits = cfg.current().bits;

    Image& s = cfg.sendImage;
    s[img::InterlockUnion] = quint8(s[img::Interlock] | s[img::Interlock + 1]
                                    | s[img::Interlock + 2] | s[img::Interlock + 3]);

    // A checksum in the received string exists only with the programmable transmitters.
    const quint16 t = cfg.current().typ;
    if (t != cfg.types[typ::Uni16].typ && t != cfg.types[typ::Uni17].typ)
        cfg.setOption(opt::Checksum, false);

    // Direct output exists only in parallel mode; there the four bits drive the outputs,
    // which the module reads as code 1 "Aus" and code 2 "Ein".
    if (!cfg.parallelCodes)
        cfg.setOption(opt::Direkt, false);
    if (cfg.option(opt::Direkt)) {
        cfg.codes[1].function = FnAus;
        cfg.codes[2].function = FnEin;
    }

    cfg.maxAddress = maxAddressForBits(cfg.current().bits);
}

void NormaliseBasics(Configuration& cfg)
{
    // The store function keeps the last output states; start states make no sense with it.
    if (cfg.store) {
        cfg.initout1 = false;
        cfg.initout2 = false;
        cfg.initout3 = false;
        cfg.initout4 = false;
    }
    cfg.korrektur = std::clamp(cfg.korrektur, KorrekturMin, KorrekturMax);
    cfg.sperrzeit = std::clamp(cfg.sperrzeit, 0, SperrzeitMax);
    cfg.pruefanzahl = std::clamp(cfg.pruefanzahl, PruefanzahlMin, PruefanzahlMax);
}

void NormaliseForRefresh(Configuration& cfg)
{
    NormaliseCodeArea(cfg);
    NormaliseBasics(cfg);
    // When the active type's parameter set replaces the current record (a decoded image of
    // a known type), the code area follows the record now in force, as the window shows it.
    const TypeRecord before = cfg.current();
    ApplySendertyp(cfg);
    if (cfg.current() != before)
        NormaliseCodeArea(cfg);
}

FirmwareWarning checkFirmware(quint16 firmware)
{
    const int v = firmware == 0 ? FirmwareNewest : firmware;
    if (v < FirmwareOldest)
        return FirmwareWarning::Older;
    if (v > FirmwareNewest)
        return FirmwareWarning::Newer;
    return FirmwareWarning::None;
}

QStringList firmwareWarningLines(FirmwareWarning warning)
{
    switch (warning) {
    case FirmwareWarning::Older:
        return {Text::tr("ACHTUNG!!!"),
                Text::tr("Es wurde eine ältere Firmware des Moduls erkannt! Diese "
                         "Software ist hierzu nicht kompatibel."),
                Text::tr("Bitte benutzen Sie eine frühere Version (max. V1.50) um "
                         "dieses Modul zu konfigurieren. Sie erhalten diese Version "
                         "auch kostenfrei auf Anfrage!")};
    case FirmwareWarning::Newer:
        return {Text::tr("ACHTUNG!!!"),
                Text::tr("Die Firmware des Moduls ist neuer, als dieser Software "
                         "bekannt ist."),
                Text::tr("Eventuell wird die Konfiguration nicht korrekt übertragen!"),
                Text::tr("Bitte laden Sie sich die aktuellste Software im Internet "
                         "herunter oder kontaktieren sie uns!")};
    case FirmwareWarning::None:
        break;
    }
    return {};
}

namespace {

const char ConfigurationUnchanged[] = QT_TRANSLATE_NOOP("Refresh", " Konfiguration unverändert");
const char ModuleIncomplete[] =
    QT_TRANSLATE_NOOP("Refresh", " Modul unvollständig programmiert - bitte erneut programmieren");

}  // namespace

QString msgConfigurationUnchanged()
{
    return QString::fromUtf8(ConfigurationUnchanged);
}

QString msgModuleIncomplete()
{
    return QString::fromUtf8(ModuleIncomplete);
}

QString shownResultLine(const QString& line)
{
    return language::translateLine("Refresh", line,
                                   {ConfigurationUnchanged, ModuleIncomplete, ChecksumErrorText});
}

TransferOutcome TakeTransferResult(Configuration& cfg)
{
    TransferOutcome out;
    TransferResult& tr = cfg.transfer;
    if (!tr.resultPending)
        return out;
    tr.resultPending = false;
    out.taken = true;

    if (!tr.transferFailed) {
        // Decode into a copy: an image that fails its checksum replaces nothing.
        Configuration decoded = cfg;
        if (DecodeImage(decoded)) {
            cfg = decoded;
        } else {
            tr.transferFailed = true;
            tr.transferMessage = decoded.transfer.transferMessage;
        }
    }
    if (tr.transferFailed) {
        if (!tr.writeRun)
            tr.transferMessage += QLatin1Char('\n') + msgConfigurationUnchanged();
        else if (tr.moduleWritten)
            tr.transferMessage += QLatin1Char('\n') + msgModuleIncomplete();
    }

    out.failed = tr.transferFailed;
    out.message = tr.transferMessage;
    out.firmwareWarning = checkFirmware(cfg.firmware);

    if (tr.programmed) {
        tr.programmed = false;
        if (!tr.transferFailed) {
            ++cfg.progcounter;
            // The next address wraps within the mask and within the code length: a
            // programmable transmitter's mask covers all 40 bits whatever its length.
            const quint64 mask = cfg.current().mask & maxAddressForBits(cfg.current().bits);
            for (int n = 1; n <= 8; ++n)
                cfg.codes[n].address = (cfg.codes[n].address + quint64(cfg.offset[n])) & mask;
            out.counted = true;
        }
    }
    return out;
}

}  // namespace fbe
