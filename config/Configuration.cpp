// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/Configuration.h"

#include "config/Version.h"

#include <QCoreApplication>

namespace fbe {

namespace {
constexpr quint64 All40 = (quint64(1) << 40) - 1;

TypeRecord record(quint8 bits, quint8 corrmain, quint8 refmin, quint8 refmax, quint8 datmin,
                  quint8 datmax, quint8 wait1, quint8 wait2, quint8 wait3, quint64 mask,
                  quint16 code)
{
    TypeRecord r;
    r.bits = bits;
    r.corrmain = corrmain;
    r.refmin = refmin;
    r.refmax = refmax;
    r.datmin = datmin;
    r.datmax = datmax;
    r.wait1 = wait1;
    r.wait2 = wait2;
    r.wait3 = wait3;
    r.mask = mask;
    r.typ = code;
    return r;
}
}  // namespace

bool isKnownType(int code)
{
    switch (code) {
    case typ::Aurel4:
    case typ::Aurel2:
    case typ::Aurel1:
    case typ::Svs3:
    case typ::Uni16:
    case typ::Uni17:
        return true;
    default:
        return false;
    }
}

TypeRecord defaultTypeRecord(int code)
{
    switch (code) {
    case typ::Aurel4:
        return record(12, 0, 7, 70, 7, 100, 22, 22, 140, 0xFFF, typ::Aurel4);
    case typ::Aurel2:
        return record(12, 2, 7, 50, 7, 80, 18, 18, 120, 0xFFF, typ::Aurel2);
    case typ::Aurel1:
        return record(12, 2, 7, 50, 7, 80, 18, 18, 120, 0xFFF, typ::Aurel1);
    case typ::Svs3:
        // bits 35..26, 23..18, 8, 6 and 4
        return record(40, 0, 10, 80, 10, 120, 34, 34, 180, 0xFFCFC0150ULL, typ::Svs3);
    case typ::Uni16:
        return record(40, 0, 7, 70, 7, 100, 22, 22, 200, All40, typ::Uni16);
    case typ::Uni17:
        return record(40, 0, 7, 30, 7, 50, 10, 0, 20, All40, typ::Uni17);
    default:
        return TypeRecord{};
    }
}

void Configuration::setOption(quint8 bit, bool on)
{
    if (on)
        sendImage[img::OptionFlags] |= bit;
    else
        sendImage[img::OptionFlags] &= quint8(~bit);
}

quint16 Configuration::timeOut() const
{
    return quint16(sendImage[img::TimeOut] << 8 | sendImage[img::TimeOut + 1]);
}

void Configuration::setTimeOut(quint16 units)
{
    sendImage[img::TimeOut] = quint8(units >> 8);
    sendImage[img::TimeOut + 1] = quint8(units & 0xFF);
}

quint16 Configuration::softwareVersionOf(const Image& image) const
{
    return quint16(256 * image[img::SoftwareMajor] + image[img::SoftwareMinor]);
}

QString programVersion()
{
    return QStringLiteral(FBE_VERSION);
}

const char* functionName(int function)
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("Configuration", "keine"),
        QT_TRANSLATE_NOOP("Configuration", "Ein"),
        QT_TRANSLATE_NOOP("Configuration", "Aus"),
        QT_TRANSLATE_NOOP("Configuration", "Wechsel (Toggle)"),
        QT_TRANSLATE_NOOP("Configuration", "1:1 (Tastend)"),
        QT_TRANSLATE_NOOP("Configuration", "Impuls")};
    return function >= FnKeine && function <= FnImpuls ? names[function] : "?";
}

QString functionText(int function)
{
    return QCoreApplication::translate("Configuration", functionName(function));
}

QString defaultProjectName()
{
    return QCoreApplication::translate("Configuration", "-Projektname-");
}

QStringList defaultComment()
{
    //: the first of two comment lines of a new configuration, saved in its file
    return {QCoreApplication::translate("Configuration",
                                        "hier kann ein Text eingegeben werden, welcher"),
            //: the second comment line of a new configuration
            QCoreApplication::translate("Configuration",
                                        "mit dem Konfigurationsfile abgespeichert wird")};
}

void NeueDatei(Configuration& cfg)
{
    cfg.sendImage.fill(0);
    for (int code : {1, 2, 7, 10, 16, 17})
        cfg.types[code] = defaultTypeRecord(code);
    for (CodeSlot& slot : cfg.codes)
        slot = CodeSlot{};
    cfg.korrektur = 0;
    cfg.pruefanzahl = 3;
    cfg.sperrzeit = 0;
    cfg.store = false;
    cfg.initout1 = cfg.initout2 = cfg.initout3 = cfg.initout4 = false;
    cfg.firmware = 0;
    cfg.activeType = typ::Aurel4;
    // Selecting "Fix-Codes (standard)" writes byte 82.
    cfg.parallelCodes = false;
    cfg.sendImage[img::ParallelCodes] = 0;
    cfg.direktmaske = 0;
    cfg.GeneralCode = 0;
    cfg.comment = defaultComment();
    ApplySendertyp(cfg);
    cfg.projectName = defaultProjectName();
}

void ApplySendertyp(Configuration& cfg)
{
    if (isKnownType(cfg.activeType))
        cfg.types[0] = cfg.types[cfg.activeType];
}

quint64 maxAddressForBits(unsigned bits)
{
    if (bits >= 64)
        return ~quint64(0);
    return (quint64(1) << bits) - 1;
}

quint8 imageChecksum(const Image& image)
{
    unsigned sum = 0;
    for (int k = 2; k <= 223; ++k)
        sum += image[k];
    return quint8(sum & 0xFF);
}

}  // namespace fbe
