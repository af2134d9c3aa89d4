// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cmd_show.h"

#include "config/FbeFile.h"
#include "config/Formatting.h"
#include "config/TerminalText.h"
#include "tools/ToolText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

using namespace fbe;

namespace {

// "2.05" for 0x0205.
QString versionText(int version)
{
    return QString::number(version / 256) + QLatin1Char('.')
           + PadLeft(2, QLatin1Char('0'), version % 256);
}

QJsonObject recordJson(const TypeRecord& r)
{
    return QJsonObject{
        {"bits", r.bits},       {"corrmain", r.corrmain}, {"refmin", r.refmin},
        {"refmax", r.refmax},   {"datmin", r.datmin},     {"datmax", r.datmax},
        {"wait1", r.wait1},     {"wait2", r.wait2},       {"wait3", r.wait3},
        {"mask", double(r.mask)}, {"typ", r.typ},
    };
}

}  // namespace

QJsonObject configurationJson(const Configuration& cfg, const LoadOutcome& load)
{
    QJsonArray slotArray;
    for (int i = 1; i <= 8; ++i) {
        const CodeSlot& s = cfg.codes[i];
        slotArray.append(QJsonObject{
            {"address", double(s.address)}, {"out1", s.out1}, {"out2", s.out2},
            {"out3", s.out3}, {"out4", s.out4}, {"function", s.function},
            {"timeCount", s.timeCount}, {"timeRaster", s.timeRaster}, {"timebase", s.timebase},
        });
    }
    QJsonArray interlock;
    for (int k = img::Interlock; k < img::Interlock + 4; ++k)
        interlock.append(cfg.sendImage[k]);
    QJsonArray image;
    for (quint8 b : cfg.readImage)
        image.append(b);

    QJsonObject o;
    o["projectName"] = cfg.projectName;
    o["comment"] = QJsonArray::fromStringList(cfg.comment);
    o["softwareVersion"] = load.softwareVersion;
    o["oldFile"] = load.oldFile;
    o["checksumOk"] = load.checksumOk;
    o["firmware"] = cfg.firmware;
    o["activeType"] = cfg.activeType;
    o["record"] = recordJson(cfg.current());
    o["slots"] = slotArray;
    o["pruefanzahl"] = cfg.pruefanzahl;
    o["korrektur"] = cfg.korrektur;
    o["sperrzeit"] = cfg.sperrzeit;
    o["store"] = cfg.store;
    o["initout1"] = cfg.initout1;
    o["initout2"] = cfg.initout2;
    o["initout3"] = cfg.initout3;
    o["initout4"] = cfg.initout4;
    o["GeneralCode"] = double(cfg.GeneralCode);
    o["direktmaske"] = double(cfg.direktmaske);
    o["parallelCodes"] = cfg.parallelCodes;
    o["dirshift"] = cfg.sendImage[img::Dirshift];
    o["CheckBits"] = cfg.sendImage[img::CheckBits];
    o["TimeOut"] = cfg.timeOut();
    o["umschaltzeit"] = cfg.sendImage[img::Umschaltzeit];
    o["interlock"] = interlock;
    o["optionFlags"] = cfg.sendImage[img::OptionFlags];
    o["image"] = image;
    return o;
}

LoadOutcome loadConfiguration(Configuration& cfg, const QString& path)
{
    NeueDatei(cfg);
    return LoadFile(cfg, path);
}

void printLoadWarnings(QTextStream& err, const LoadOutcome& load, const QString& prefix)
{
    if (load.oldFile)
        err << prefix
            << FbeTool::tr("Warnung: die Datei wurde mit einer alten Software erstellt (Version "
                           "%1). Die File-Daten sind dazu nicht kompatibel!")
                   .arg(versionText(load.softwareVersion))
            << "\n";
    if (!load.checksumOk)
        err << prefix
            << FbeTool::tr("Warnung: EEPROM-Fehler (checksum) - die Checksumme der Datei stimmt "
                           "nicht")
            << "\n";
    for (const QString& warning : load.warnings)
        err << prefix << warning << "\n";
}

QByteArray jsonString(const QString& text)
{
    // Most lines need no escape at all; the others as QJsonDocument escapes them.
    const bool plain = std::none_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || u == u'"' || u == u'\\' || (u >= 0x7F && u <= 0x9F);
    });
    if (plain)
        return '"' + text.toUtf8() + '"';
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return terminalSafeJson(array.mid(1, array.size() - 2));
}

namespace {

void printJson(const Configuration& cfg, const LoadOutcome& load)
{
    // The comment may have a million lines: written line by line into the object's text
    // rather than held a second time as JSON.
    Configuration withoutComment = cfg;
    withoutComment.comment.clear();
    const QByteArray json = terminalSafeJson(
        QJsonDocument(configurationJson(withoutComment, load)).toJson(QJsonDocument::Indented));
    const QByteArray empty("\n    \"comment\": [\n");
    const qsizetype at = json.indexOf(empty);
    if (at < 0) {
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        return;
    }
    const qsizetype split = at + empty.size();
    std::fwrite(json.constData(), 1, size_t(split), stdout);
    const qsizetype n = cfg.comment.size();
    QByteArray lines;
    lines.reserve(1 << 16);
    for (qsizetype i = 0; i < n; ++i) {
        const QString& text = cfg.comment.at(i);
        lines += "        ";
        lines += text.isEmpty() ? QByteArray("\"\"") : jsonString(text);
        lines += i + 1 < n ? ",\n" : "\n";
        if (lines.size() >= (1 << 16) - 64) {
            std::fwrite(lines.constData(), 1, size_t(lines.size()), stdout);
            lines.resize(0);
        }
    }
    std::fwrite(lines.constData(), 1, size_t(lines.size()), stdout);
    std::fwrite(json.constData() + split, 1, size_t(json.size() - split), stdout);
}

}  // namespace

namespace {

QString yesNo(bool b)
{
    return b ? FbeTool::tr("ja") : FbeTool::tr("nein");
}

// A label of the summary, padded so that the values stand in one column.
QString label(const QString& text, int width = 20)
{
    return text.leftJustified(width);
}

void printSummary(QTextStream& out, const Configuration& cfg, const LoadOutcome& load)
{
    const TypeRecord& r = cfg.current();
    out << label(FbeTool::tr("Projektname:")) << terminalSafe(cfg.projectName) << "\n";
    out << label(FbeTool::tr("Softwareversion:")) << versionText(load.softwareVersion) << "\n";
    out << label(FbeTool::tr("Firmware:")) << versionText(cfg.firmware) << "\n";
    out << label(FbeTool::tr("Checksumme:"))
        << (load.checksumOk ? FbeTool::tr("in Ordnung") : FbeTool::tr("FEHLER")) << "\n";
    out << label(FbeTool::tr("Sendertyp:"))
        << FbeTool::tr("%1  (Codierlänge %2 Bit, Prüfmaske %3)")
               .arg(cfg.activeType)
               .arg(r.bits)
               .arg(FormatNumber(2, 40, r.mask))
        << "\n";
    out << label(FbeTool::tr("Decoder:")) << "ref-correction " << r.corrmain << ", ref "
        << r.refmin << ".." << r.refmax << ", dat " << r.datmin << ".." << r.datmax << ", wait "
        << r.wait1 << "/" << r.wait2 << "/" << r.wait3 << "\n";
    out << label(FbeTool::tr("Codes:"))
        << (cfg.parallelCodes ? FbeTool::tr("\"Parallel\"-Codes")
                              : FbeTool::tr("Fix-Codes (standard)"))
        << "\n";
    for (int i = 1; i <= 8; ++i) {
        const CodeSlot& s = cfg.codes[i];
        QString outs;
        const bool o[4] = {s.out1, s.out2, s.out3, s.out4};
        for (int k = 0; k < 4; ++k) {
            if (o[k])
                outs += QStringLiteral(" OUT%1").arg(k + 1);
        }
        out << FbeTool::tr("  Code %1: Adresse %2").arg(i).arg(FormatNumber(0, 13, s.address))
            << "  " << functionText(s.function).leftJustified(16);
        if (i <= 4 && (s.function == FnTastend || s.function == FnImpuls))
            out << FbeTool::tr(" Zeit %1").arg(getTimevalue(s));
        out << (outs.isEmpty() ? FbeTool::tr(" (kein Ausgang)") : outs) << "\n";
    }
    out << label(FbeTool::tr("Prüfschärfe:")) << cfg.pruefanzahl << "\n";
    out << label(FbeTool::tr("Korrektur:")) << cfg.korrektur << "\n";
    out << label(FbeTool::tr("Sperrzeit:")) << cfg.sperrzeit * 10 << " ms\n";
    out << label(FbeTool::tr("Umschaltzeit:")) << cfg.sendImage[img::Umschaltzeit] * 10
        << " ms\n";
    out << label(FbeTool::tr("Not-Aus:")) << yesNo(cfg.option(opt::NotAus)) << ", "
        << int(cfg.timeOut()) * 10 << " ms\n";
    out << label(FbeTool::tr("mit Checksumme:")) << yesNo(cfg.option(opt::Checksum)) << "\n";
    out << label(FbeTool::tr("Speicherfunktion:")) << yesNo(cfg.store) << "\n";
    out << label(FbeTool::tr("Anfangswerte:")) << "OUT1 " << yesNo(cfg.initout1) << ", OUT2 "
        << yesNo(cfg.initout2) << ", OUT3 " << yesNo(cfg.initout3) << ", OUT4 "
        << yesNo(cfg.initout4) << "\n";
    // Each output comes with a blank in front.
    out << label(FbeTool::tr("Verriegelung:"), 19);
    for (int k = 0; k < 4; ++k)
        out << " OUT" << k + 1 << "=" << FormatNumber(1, 2, cfg.sendImage[img::Interlock + k]);
    out << "\n";
    out << label(FbeTool::tr("Generalcode:")) << FormatNumber(2, 40, cfg.GeneralCode) << "\n";
    out << label(FbeTool::tr("Direktmaske:")) << FormatNumber(2, 40, cfg.direktmaske) << "\n";
    out << label(FbeTool::tr("Bitposition:"))
        << FbeTool::tr("%1, Checkbits %2, %3")
               .arg(cfg.sendImage[img::Dirshift])
               .arg(cfg.sendImage[img::CheckBits])
               .arg(cfg.option(opt::Direkt) ? FbeTool::tr("Direktausgabe")
                                            : FbeTool::tr("Codeinhalt"))
        << "\n";
    out << FbeTool::tr("Kommentar:") << "\n";
    for (const QString& line : cfg.comment)
        out << "  " << terminalSafe(line, Tabs::Kept) << "\n";
}

}  // namespace

int runNewCommand(const QStringList& args)
{
    QTextStream err(stderr);
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        err << FbeTool::tr("Aufruf: fbe-tool new DATEI") << "\n";
        return 2;
    }
    Configuration cfg;
    NeueDatei(cfg);
    QString error;
    if (!SaveFile(args.first(), BuildFile(cfg), &error)) {
        err << FbeTool::tr(" Fehler bei \"Datei speichern!\"") << "\n" << error << "\n";
        return 2;
    }
    return 0;
}

int runShowCommand(const QStringList& args)
{
    QTextStream err(stderr);
    QString path;
    bool json = false;
    for (const QString& a : args) {
        if (a == QLatin1String("--json")) {
            json = true;
        } else if (path.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            path = a;
        } else {
            err << FbeTool::tr("Aufruf: fbe-tool show DATEI [--json]") << "\n";
            return 2;
        }
    }
    if (path.isEmpty()) {
        err << FbeTool::tr("Aufruf: fbe-tool show DATEI [--json]") << "\n";
        return 2;
    }

    Configuration cfg;
    const LoadOutcome load = loadConfiguration(cfg, path);
    if (!load.ok) {
        err << FbeTool::tr(" Fehler bei \"Datei laden!\"") << "\n" << load.error << "\n";
        return 2;
    }
    printLoadWarnings(err, load, QString());
    err.flush();

    if (json) {
        printJson(cfg, load);
    } else {
        QTextStream out(stdout);
        printSummary(out, cfg, load);
    }
    return 0;
}
