// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cmd_diff.h"

#include "tools/cmd_show.h"

#include "config/Configuration.h"
#include "config/Formatting.h"
#include "config/TerminalText.h"
#include "tools/ToolText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

using namespace fbe;

namespace {

// One setting of a configuration as the diff compares it: its place in show --json, its
// name (German in the JSON, whatever the language), its name and value as a reader wants to
// see them, and its value there.
struct Setting {
    QString key;
    QString name;
    QString shownName;
    QJsonValue value;
    QString text;
};

// A setting's name: the German source with its values for the JSON, and its translation.
struct Name {
    Name(const char* source, int value = -1)
        : german(QString::fromUtf8(source)), shown(FbeTool::tr(source))
    {
        if (value >= 0) {
            german = german.arg(value);
            shown = shown.arg(value);
        }
    }
    QString german;
    QString shown;
};

QString version(int v)
{
    return QString::number(v / 256) + QLatin1Char('.') + PadLeft(2, QLatin1Char('0'), v % 256);
}

QString yesNo(bool b)
{
    return b ? FbeTool::tr("ja") : FbeTool::tr("nein");
}

quint64 number(const QJsonValue& v)
{
    return quint64(v.toDouble());
}

QString binary(const QJsonValue& v)
{
    return FormatNumber(2, 40, number(v));
}

QString quoted(const QString& s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// An interlock byte as the outputs it locks against (OUT 3 is 0x10, OUT 4 is 0x08 there).
QString partners(int byte)
{
    static const struct {
        int bit;
        const char* name;
    } outputs[] = {{0x01, "OUT1"}, {0x02, "OUT2"}, {0x10, "OUT3"}, {0x08, "OUT4"}};
    QStringList names;
    int rest = byte;
    for (const auto& o : outputs) {
        if (byte & o.bit)
            names << QLatin1String(o.name);
        rest &= ~o.bit;
    }
    if (rest)
        names << QStringLiteral("Bits 0x") + FormatNumber(1, 2, quint64(rest));
    //: no output is locked against this one
    return names.isEmpty() ? FbeTool::tr("keine") : names.join(QLatin1Char(' '));
}

QString timeRasterText(bool coarse)
{
    return coarse ? QStringLiteral("2 s") : QStringLiteral("10 ms");
}

QString timebaseText(int base)
{
    static const char* const units[] = {"ms", "s", "min", "h"};
    return base >= 0 && base <= 3 ? QLatin1String(units[base]) : QString::number(base);
}

// Every setting in the order show prints them; then, in *tail, the image bytes that no
// setting holds (kept as they are by loading and saving). The comment lines, which come
// between the two, are compared on their own: a comment may have a million lines.
std::vector<Setting> settingsOf(const QJsonObject& o, std::vector<Setting>* tail)
{
    std::vector<Setting> list;
    auto add = [&](const QString& key, const Name& name, const QJsonValue& v,
                   const QString& text) {
        list.push_back({key, name.german, name.shown, v, text});
    };
    auto plain = [&](const QString& key, const Name& name, const QJsonValue& v) {
        add(key, name, v, v.isBool() ? yesNo(v.toBool()) : QString::number(number(v)));
    };
    auto ms = [&](const QString& key, const Name& name, const QJsonValue& v) {
        add(key, name, v, QString::number(number(v) * 10) + QStringLiteral(" ms"));
    };

    add(QStringLiteral("projectName"), QT_TRANSLATE_NOOP("FbeTool", "Projektname"),
        o["projectName"], quoted(o["projectName"].toString()));
    add(QStringLiteral("softwareVersion"), QT_TRANSLATE_NOOP("FbeTool", "Softwareversion"),
        o["softwareVersion"], version(o["softwareVersion"].toInt()));
    add(QStringLiteral("firmware"), QT_TRANSLATE_NOOP("FbeTool", "Firmware"), o["firmware"],
        version(o["firmware"].toInt()));
    add(QStringLiteral("checksumOk"), QT_TRANSLATE_NOOP("FbeTool", "Checksumme"),
        o["checksumOk"],
        o["checksumOk"].toBool() ? FbeTool::tr("in Ordnung") : FbeTool::tr("FEHLER"));
    plain(QStringLiteral("activeType"), QT_TRANSLATE_NOOP("FbeTool", "Sendertyp"),
          o["activeType"]);

    const QJsonObject r = o["record"].toObject();
    add(QStringLiteral("record.bits"), QT_TRANSLATE_NOOP("FbeTool", "Codierlänge"), r["bits"],
        FbeTool::tr("%1 Bit").arg(r["bits"].toInt()));
    add(QStringLiteral("record.mask"), QT_TRANSLATE_NOOP("FbeTool", "Prüfmaske"), r["mask"],
        binary(r["mask"]));
    static const struct {
        const char* key;
        const char* name;
    } decoder[] = {
        {"corrmain", QT_TRANSLATE_NOOP("FbeTool", "Decoder ref-correction")},
        {"refmin", QT_TRANSLATE_NOOP("FbeTool", "Decoder ref-min")},
        {"refmax", QT_TRANSLATE_NOOP("FbeTool", "Decoder ref-max")},
        {"datmin", QT_TRANSLATE_NOOP("FbeTool", "Decoder dat-min")},
        {"datmax", QT_TRANSLATE_NOOP("FbeTool", "Decoder dat-max")},
        {"wait1", QT_TRANSLATE_NOOP("FbeTool", "Decoder wait1")},
        {"wait2", QT_TRANSLATE_NOOP("FbeTool", "Decoder wait2")},
        {"wait3", QT_TRANSLATE_NOOP("FbeTool", "Decoder wait3")},
        {"typ", QT_TRANSLATE_NOOP("FbeTool", "Decoder typ")}};
    for (const auto& d : decoder)
        plain(QStringLiteral("record.") + QLatin1String(d.key), d.name, r[QLatin1String(d.key)]);

    add(QStringLiteral("parallelCodes"), QT_TRANSLATE_NOOP("FbeTool", "Codes"),
        o["parallelCodes"],
        o["parallelCodes"].toBool() ? FbeTool::tr("\"Parallel\"-Codes")
                                    : FbeTool::tr("Fix-Codes (standard)"));

    const QJsonArray slotArray = o["slots"].toArray();
    for (int i = 0; i < slotArray.size(); ++i) {
        const QJsonObject s = slotArray.at(i).toObject();
        const QString key = QStringLiteral("slots[%1].").arg(i);
        const int n = i + 1;
        plain(key + QStringLiteral("address"), {QT_TRANSLATE_NOOP("FbeTool", "Code %1 Adresse"), n},
              s["address"]);
        add(key + QStringLiteral("function"), {QT_TRANSLATE_NOOP("FbeTool", "Code %1 Funktion"), n},
            s["function"], functionText(s["function"].toInt()));
        plain(key + QStringLiteral("timeCount"),
              {QT_TRANSLATE_NOOP("FbeTool", "Code %1 Zeitschritte"), n}, s["timeCount"]);
        add(key + QStringLiteral("timeRaster"),
            {QT_TRANSLATE_NOOP("FbeTool", "Code %1 Zeitraster"), n}, s["timeRaster"],
            timeRasterText(s["timeRaster"].toBool()));
        add(key + QStringLiteral("timebase"),
            {QT_TRANSLATE_NOOP("FbeTool", "Code %1 Zeiteinheit"), n}, s["timebase"],
            timebaseText(s["timebase"].toInt()));
        for (int k = 1; k <= 4; ++k) {
            Name name(QT_TRANSLATE_NOOP("FbeTool", "Code %1 OUT%2"), n);
            name.german = name.german.arg(k);
            name.shown = name.shown.arg(k);
            plain(key + QStringLiteral("out%1").arg(k), name, s[QStringLiteral("out%1").arg(k)]);
        }
    }

    const int flags = o["optionFlags"].toInt();
    plain(QStringLiteral("pruefanzahl"), QT_TRANSLATE_NOOP("FbeTool", "Prüfschärfe"),
          o["pruefanzahl"]);
    add(QStringLiteral("korrektur"), QT_TRANSLATE_NOOP("FbeTool", "Korrektur"), o["korrektur"],
        QString::number(o["korrektur"].toInt()));
    ms(QStringLiteral("sperrzeit"), QT_TRANSLATE_NOOP("FbeTool", "Sperrzeit"), o["sperrzeit"]);
    ms(QStringLiteral("umschaltzeit"), QT_TRANSLATE_NOOP("FbeTool", "Umschaltzeit"),
       o["umschaltzeit"]);
    plain(QStringLiteral("optionFlags"), QT_TRANSLATE_NOOP("FbeTool", "Not-Aus"),
          (flags & opt::NotAus) != 0);
    ms(QStringLiteral("TimeOut"), QT_TRANSLATE_NOOP("FbeTool", "Not-Aus-Zeit"), o["TimeOut"]);
    plain(QStringLiteral("optionFlags"), QT_TRANSLATE_NOOP("FbeTool", "mit Checksumme"),
          (flags & opt::Checksum) != 0);
    plain(QStringLiteral("store"), QT_TRANSLATE_NOOP("FbeTool", "Speicherfunktion"), o["store"]);
    for (int k = 1; k <= 4; ++k)
        plain(QStringLiteral("initout%1").arg(k),
              {QT_TRANSLATE_NOOP("FbeTool", "Anfangswert OUT%1"), k},
              o[QStringLiteral("initout%1").arg(k)]);
    const QJsonArray interlock = o["interlock"].toArray();
    for (int k = 0; k < interlock.size(); ++k)
        add(QStringLiteral("interlock[%1]").arg(k),
            {QT_TRANSLATE_NOOP("FbeTool", "Verriegelung OUT%1"), k + 1}, interlock.at(k),
            partners(interlock.at(k).toInt()));
    add(QStringLiteral("GeneralCode"), QT_TRANSLATE_NOOP("FbeTool", "Generalcode"),
        o["GeneralCode"], binary(o["GeneralCode"]));
    add(QStringLiteral("direktmaske"), QT_TRANSLATE_NOOP("FbeTool", "Direktmaske"),
        o["direktmaske"], binary(o["direktmaske"]));
    plain(QStringLiteral("dirshift"), QT_TRANSLATE_NOOP("FbeTool", "Bitposition"), o["dirshift"]);
    plain(QStringLiteral("CheckBits"), QT_TRANSLATE_NOOP("FbeTool", "Checkbits"), o["CheckBits"]);
    add(QStringLiteral("optionFlags"), QT_TRANSLATE_NOOP("FbeTool", "Ausgabe"),
        (flags & opt::Direkt) != 0,
        (flags & opt::Direkt) ? FbeTool::tr("Direktausgabe") : FbeTool::tr("Codeinhalt"));
    const int otherFlags = flags & ~(opt::NotAus | opt::Checksum | opt::Direkt);
    add(QStringLiteral("optionFlags"), QT_TRANSLATE_NOOP("FbeTool", "weitere Optionsbits"),
        otherFlags, QStringLiteral("0x") + FormatNumber(1, 2, quint64(otherFlags)));

    const QJsonArray image = o["image"].toArray();
    for (int k = 0; k < image.size(); ++k) {
        const bool free = k == 0 || k == 47 || (k > img::OptionFlags && k < img::SoftwareMajor);
        if (free) {
            const Name name(QT_TRANSLATE_NOOP("FbeTool", "Byte %1"), k);
            tail->push_back({QStringLiteral("image[%1]").arg(k), name.german, name.shown,
                             image.at(k), QString::number(number(image.at(k)))});
        }
    }
    return list;
}

// A comment line of A or B; nothing past the end of a comment.
const QString* commentLine(const QStringList& comment, qsizetype n)
{
    return n < comment.size() ? &comment.at(n) : nullptr;
}

//: the name of a comment line in the list of differences; %1 is its number
const char CommentLineText[] = QT_TRANSLATE_NOOP("FbeTool", "Kommentar Zeile %1");

// The name of comment line n (from 0) as the text lists it.
QString commentName(qsizetype n)
{
    return FbeTool::tr(CommentLineText).arg(n + 1);
}

// One element of the --json list as QJsonDocument writes it, indented as an element of the
// top-level array.
QByteArray jsonElement(const QJsonObject& o)
{
    QByteArray text = QJsonDocument(o).toJson(QJsonDocument::Indented);
    text.chop(1);
    text.replace('\n', "\n    ");
    return "    " + terminalSafeJson(text);
}

// The number of decimal digits of n > 0.
qsizetype digits(qsizetype n)
{
    qsizetype count = 1;
    for (; n >= 10; n /= 10)
        ++count;
    return count;
}

void appendNumber(std::string& out, qsizetype n)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, qint64(n)).ptr;
    out.append(digits, size_t(end - digits));
}

// The same for a comment line, written by hand (a million of them would take seconds).
void appendJsonComment(std::string& out, const QString* a, const QString* b, qsizetype n)
{
    auto value = [&out](const QString* line) {
        if (!line)
            out += "null";
        else if (line->isEmpty())
            out += "\"\"";
        else
            out += jsonString(*line).toStdString();
    };
    out += "    {\n        \"a\": ";
    value(a);
    out += ",\n        \"b\": ";
    value(b);
    out += ",\n        \"key\": \"comment[";
    appendNumber(out, n);
    out += "]\",\n        \"name\": \"Kommentar Zeile ";
    appendNumber(out, n + 1);
    out += "\"\n    }";
}

// A comment line as the text lists it.
void appendCommentText(std::string& out, const QString* line)
{
    if (!line) {
        //: a comment line that the other file does not have
        out += FbeTool::tr("(keine)").toStdString();
    } else if (line->isEmpty()) {
        out += "\"\"";
    } else {
        out += '"';
        out += terminalSafe(*line, Tabs::Kept).toStdString();
        out += '"';
    }
}

int usage(QTextStream& err)
{
    err << FbeTool::tr("Aufruf: fbe-tool diff A.fbe B.fbe [--json]") << "\n";
    return 2;
}

}  // namespace

int runDiffCommand(const QStringList& args)
{
    QTextStream err(stderr);
    QStringList files;
    bool json = false;
    for (const QString& a : args) {
        if (a == QLatin1String("--json"))
            json = true;
        else if (a.startsWith(QLatin1String("--")) || files.size() == 2)
            return usage(err);
        else
            files << a;
    }
    if (files.size() != 2)
        return usage(err);

    QJsonObject loaded[2];
    QStringList comments[2];
    for (int i = 0; i < 2; ++i) {
        Configuration cfg;
        const LoadOutcome load = loadConfiguration(cfg, files[i]);
        if (!load.ok) {
            err << files[i] << ":" << FbeTool::tr(" Fehler bei \"Datei laden!\"") << "\n"
                << load.error << "\n";
            return 2;
        }
        printLoadWarnings(err, load, files[i] + QStringLiteral(": "));
        comments[i] = cfg.comment;
        cfg.comment.clear();
        loaded[i] = configurationJson(cfg, load);
    }
    err.flush();

    std::vector<Setting> tails[2];
    const std::vector<Setting> a = settingsOf(loaded[0], &tails[0]);
    const std::vector<Setting> b = settingsOf(loaded[1], &tails[1]);
    std::vector<size_t> differing, differingTail;
    int width = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i].value != b[i].value) {
            differing.push_back(i);
            width = qMax(width, int(a[i].shownName.size()));
        }
    }
    for (size_t i = 0; i < tails[0].size() && i < tails[1].size(); ++i) {
        if (tails[0][i].value != tails[1][i].value) {
            differingTail.push_back(i);
            width = qMax(width, int(tails[0][i].shownName.size()));
        }
    }
    const qsizetype commentLines = qMax(comments[0].size(), comments[1].size());
    auto commentDiffers = [&](qsizetype n) {
        const QString* x = commentLine(comments[0], n);
        const QString* y = commentLine(comments[1], n);
        return !x || !y || *x != *y;
    };
    bool anyComment = false;
    for (qsizetype n = commentLines - 1; n >= 0 && !anyComment; --n) {
        if (commentDiffers(n)) {
            anyComment = true;
            width = qMax(width, int(commentName(n).size()));   // the last is the longest
        }
    }

    // Written as it is found: the list of a million comment lines is never held.
    std::string out;
    out.reserve(1 << 17);
    auto flush = [&out](bool always) {
        if (always || out.size() >= (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    };
    bool first = true;
    auto separate = [&] {
        if (json && !first)
            out += ",\n";
        first = false;
    };
    auto name = [&](const QString& text) {
        out += (text + QLatin1Char(':')).leftJustified(width + 2).toStdString();
    };
    auto setting = [&](const Setting& x, const Setting& y) {
        separate();
        if (json) {
            out += jsonElement(QJsonObject{{"key", x.key}, {"name", x.name}, {"a", x.value},
                                           {"b", y.value}})
                       .toStdString();
        } else {
            name(x.shownName);
            out += (terminalSafe(x.text) + QStringLiteral(" --> ") + terminalSafe(y.text)
                    + QLatin1Char('\n'))
                       .toStdString();
        }
    };
    // The comment line's name around its number, as bytes, and its characters without it.
    const QString commentText = FbeTool::tr(CommentLineText) + QLatin1Char(':');
    const qsizetype marker = commentText.indexOf(QStringLiteral("%1"));
    const std::string commentBefore = commentText.left(marker).toStdString();
    const std::string commentAfter = commentText.mid(marker + 2).toStdString();
    const qsizetype commentChars = commentText.size() - 2;
    if (json)
        out += "[\n";
    for (size_t i : differing)
        setting(a[i], b[i]);
    for (qsizetype n = 0; anyComment && n < commentLines; ++n) {
        if (!commentDiffers(n))
            continue;
        const QString* x = commentLine(comments[0], n);
        const QString* y = commentLine(comments[1], n);
        separate();
        if (json) {
            appendJsonComment(out, x, y, n);
        } else {
            // "Kommentar Zeile <n>:", padded as name() pads.
            out += commentBefore;
            appendNumber(out, n + 1);
            out += commentAfter;
            for (qsizetype shown = commentChars + digits(n + 1); shown < width + 2; ++shown)
                out += ' ';
            appendCommentText(out, x);
            out += " --> ";
            appendCommentText(out, y);
            out += '\n';
        }
        flush(false);
    }
    for (size_t i : differingTail)
        setting(tails[0][i], tails[1][i]);
    if (json)
        out += first ? "]\n" : "\n]\n";
    flush(true);
    return differing.empty() && differingTail.empty() && !anyComment ? 0 : 1;
}
