// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cmd_build.h"

#include "tools/cmd_show.h"

#include "config/Configuration.h"
#include "config/FbeFile.h"
#include "config/Formatting.h"
#include "config/Refresh.h"
#include "config/SafeFile.h"
#include "config/TerminalText.h"
#include "tools/ToolText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextStream>
#include <cmath>

using namespace fbe;

namespace {

constexpr qint64 Max40 = (qint64(1) << 40) - 1;

// Keys of show --json that show derives from the file; build takes no value from them.
const QSet<QString> Derived = {QStringLiteral("image"), QStringLiteral("softwareVersion"),
                               QStringLiteral("oldFile"), QStringLiteral("checksumOk"),
                               QStringLiteral("firmware")};

const QStringList TopKeys = {
    QStringLiteral("projectName"), QStringLiteral("comment"),     QStringLiteral("activeType"),
    QStringLiteral("record"),      QStringLiteral("slots"),       QStringLiteral("pruefanzahl"),
    QStringLiteral("korrektur"),   QStringLiteral("sperrzeit"),   QStringLiteral("store"),
    QStringLiteral("initout1"),    QStringLiteral("initout2"),    QStringLiteral("initout3"),
    QStringLiteral("initout4"),    QStringLiteral("GeneralCode"), QStringLiteral("direktmaske"),
    QStringLiteral("parallelCodes"), QStringLiteral("dirshift"),  QStringLiteral("CheckBits"),
    QStringLiteral("TimeOut"),     QStringLiteral("umschaltzeit"), QStringLiteral("interlock"),
    QStringLiteral("optionFlags")};
const QStringList RecordBytes = {QStringLiteral("bits"),   QStringLiteral("corrmain"),
                                 QStringLiteral("refmin"), QStringLiteral("refmax"),
                                 QStringLiteral("datmin"), QStringLiteral("datmax"),
                                 QStringLiteral("wait1"),  QStringLiteral("wait2"),
                                 QStringLiteral("wait3")};
const QStringList SlotKeys = {QStringLiteral("address"),   QStringLiteral("out1"),
                              QStringLiteral("out2"),      QStringLiteral("out3"),
                              QStringLiteral("out4"),      QStringLiteral("function"),
                              QStringLiteral("timeCount"), QStringLiteral("timeRaster"),
                              QStringLiteral("timebase")};

// The partner bits an output's interlock byte may hold (OUT 3 is 0x10, OUT 4 is 0x08 there),
// per output, and the bit of each output.
constexpr int OutputBit[4] = {0x01, 0x02, 0x10, 0x08};

QString range(qint64 lo, qint64 hi)
{
    return FbeTool::tr("erlaubt: %1..%2").arg(lo).arg(hi);
}

QString valueText(const QJsonValue& v)
{
    if (v.isDouble()) {
        const double d = v.toDouble();
        return d == std::floor(d) && std::fabs(d) < 1e18 ? QString::number(qint64(d))
                                                          : QString::number(d);
    }
    // Any other value as JSON writes it: inside an array, without the brackets.
    const QByteArray json = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

// Reads values and collects every error, each naming its key.
struct Reader {
    QStringList errors;

    void error(const QString& key, const QString& message)
    {
        errors << key + QStringLiteral(": ") + message;
    }

    bool integer(const QJsonValue& v, const QString& key, qint64 lo, qint64 hi, qint64& out)
    {
        if (!v.isDouble() || v.toDouble() != std::floor(v.toDouble())) {
            error(key, FbeTool::tr("eine ganze Zahl erwartet, %1").arg(range(lo, hi)));
            return false;
        }
        const double d = v.toDouble();
        if (d < double(lo) || d > double(hi)) {
            error(key, FbeTool::tr("%1 außerhalb des Bereichs, %2").arg(valueText(v), range(lo, hi)));
            return false;
        }
        out = qint64(d);
        return true;
    }

    // o[name] when o holds it and it is valid; the key is prefix + name.
    bool integerIn(const QJsonObject& o, const QString& prefix, const QString& name, qint64 lo,
                   qint64 hi, qint64& out)
    {
        return o.contains(name) && integer(o.value(name), prefix + name, lo, hi, out);
    }
    void booleanIn(const QJsonObject& o, const QString& prefix, const QString& name, bool& out)
    {
        if (o.contains(name))
            boolean(o.value(name), prefix + name, out);
    }

    bool boolean(const QJsonValue& v, const QString& key, bool& out)
    {
        if (!v.isBool()) {
            error(key, FbeTool::tr("true oder false erwartet"));
            return false;
        }
        out = v.toBool();
        return true;
    }

    bool text(const QJsonValue& v, const QString& key, QString& out)
    {
        if (!v.isString()) {
            error(key, FbeTool::tr("ein Text erwartet"));
            return false;
        }
        out = v.toString();
        return true;
    }

    // Keys of an object that are neither known nor derived.
    void unknownKeys(const QJsonObject& o, const QString& prefix, const QStringList& known,
                     const QSet<QString>& ignored = {})
    {
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (!known.contains(it.key()) && !ignored.contains(it.key()))
                error(prefix + it.key(), FbeTool::tr("unbekannter Schlüssel; erlaubt: %1")
                                             .arg(known.join(QStringLiteral(", "))));
        }
    }
};

QString maskAllows(quint64 mask)
{
    if ((mask & (mask + 1)) == 0)
        return FbeTool::tr("erlaubt: 0..%1").arg(mask);
    return FbeTool::tr("erlaubt sind nur die Bits der Prüfmaske %1").arg(FormatNumber(2, 40, mask));
}

// The transmitter type first, as the selection makes its parameter set current; then the
// decoder values, which for a known type must be that type's set.
void readType(Configuration& cfg, const QJsonObject& o, Reader& r)
{
    const QJsonObject rec = o.value(QStringLiteral("record")).toObject();
    qint64 type = cfg.activeType;
    bool given = false;
    const QString allowedTypes =
        FbeTool::tr("erlaubt: 1, 2, 7, 10, 16, 17 oder 0 (Decoder-Werte von Hand)");
    if (o.contains(QStringLiteral("activeType"))) {
        if (!r.integerIn(o, QString(), QStringLiteral("activeType"), 0, 65535, type))
            return;
        given = true;
    }
    if (rec.contains(QStringLiteral("typ"))) {
        qint64 t = 0;
        if (!r.integer(rec.value(QStringLiteral("typ")), QStringLiteral("record.typ"), 0, 65535, t))
            return;
        if (given && t != type) {
            r.error(QStringLiteral("record.typ"),
                    FbeTool::tr("%1 weicht von activeType %2 ab; erlaubt: %2").arg(t).arg(type));
            return;
        }
        type = t;
        given = true;
    }
    if (type != typ::Hand && !isKnownType(int(type))) {
        r.error(o.contains(QStringLiteral("activeType")) ? QStringLiteral("activeType")
                                                         : QStringLiteral("record.typ"),
                FbeTool::tr("unbekannter Sendertyp %1; %2").arg(type).arg(allowedTypes));
        return;
    }
    if (given) {
        cfg.activeType = quint16(type);
        if (isKnownType(int(type)))
            cfg.types[0] = cfg.types[size_t(type)];
        else
            cfg.types[0].typ = typ::Hand;
    }

    const bool programmable = type == typ::Uni16 || type == typ::Uni17;
    const TypeRecord set = cfg.types[0];
    quint8 TypeRecord::*const fields[] = {&TypeRecord::bits,   &TypeRecord::corrmain,
                                          &TypeRecord::refmin, &TypeRecord::refmax,
                                          &TypeRecord::datmin, &TypeRecord::datmax,
                                          &TypeRecord::wait1,  &TypeRecord::wait2,
                                          &TypeRecord::wait3};
    for (int k = 0; k < RecordBytes.size(); ++k) {
        const QString& name = RecordBytes[k];
        if (!rec.contains(name))
            continue;
        const QString key = QStringLiteral("record.") + name;
        qint64 v = 0;
        if (name == QLatin1String("bits") && programmable) {
            // The code length of a programmable transmitter, as the main window takes it.
            if (r.integer(rec.value(name), key, 1, 40, v)) {
                cfg.types[0].bits = quint8(v);
                cfg.types[size_t(type)].bits = quint8(v);
            }
        } else if (type == typ::Hand) {
            if (r.integer(rec.value(name), key, 0, 255, v))
                cfg.types[0].*fields[k] = quint8(v);
        } else if (r.integer(rec.value(name), key, 0, 255, v) && v != set.*fields[k]) {
            r.error(key, FbeTool::tr("Sendertyp %1 hat %2 fest; erlaubt: %2 (eigene Werte mit "
                                     "activeType 0)")
                             .arg(type)
                             .arg(set.*fields[k]));
        }
    }
    if (rec.contains(QStringLiteral("mask"))) {
        qint64 v = 0;
        const QString key = QStringLiteral("record.mask");
        if (!r.integer(rec.value(QStringLiteral("mask")), key, 0, Max40, v))
            return;
        if (type == typ::Hand)
            cfg.types[0].mask = quint64(v);
        else if (quint64(v) != set.mask)
            r.error(key, FbeTool::tr("Sendertyp %1 hat %2 fest; erlaubt: %2 (eigene Werte mit "
                                     "activeType 0)")
                             .arg(type)
                             .arg(set.mask));
    }
}

void readSlots(Configuration& cfg, const QJsonValue& value, Reader& r)
{
    const QJsonArray list = value.toArray();
    if (!value.isArray() || list.size() > 8) {
        r.error(QStringLiteral("slots"),
                FbeTool::tr("eine Liste von höchstens 8 Codes erwartet"));
        return;
    }
    for (int i = 0; i < list.size(); ++i) {
        const QString prefix = QStringLiteral("slots[%1].").arg(i);
        if (!list.at(i).isObject()) {
            r.error(QStringLiteral("slots[%1]").arg(i), FbeTool::tr("ein Objekt erwartet"));
            continue;
        }
        const QJsonObject s = list.at(i).toObject();
        r.unknownKeys(s, prefix, SlotKeys);
        CodeSlot& slot = cfg.codes[size_t(i + 1)];
        const bool timed = i < 4;   // codes 5..8 have no time and only the functions 0..3
        qint64 v = 0;
        if (r.integerIn(s, prefix, QStringLiteral("address"), 0, Max40, v))
            slot.address = quint64(v);
        if (r.integerIn(s, prefix, QStringLiteral("function"), 0, timed ? 5 : 3, v))
            slot.function = quint8(v);
        bool* outs[4] = {&slot.out1, &slot.out2, &slot.out3, &slot.out4};
        for (int k = 0; k < 4; ++k)
            r.booleanIn(s, prefix, QStringLiteral("out%1").arg(k + 1), *outs[k]);
        if (r.integerIn(s, prefix, QStringLiteral("timeCount"), 0, 65535, v)) {
            if (timed)
                slot.timeCount = quint16(v);
            else if (v != 1)
                r.error(prefix + QStringLiteral("timeCount"),
                        FbeTool::tr("die Codes 5..8 haben keine Zeit; erlaubt: 1"));
        }
        if (s.contains(QStringLiteral("timeRaster"))) {
            const QString key = prefix + QStringLiteral("timeRaster");
            bool b = false;
            if (r.boolean(s.value(QStringLiteral("timeRaster")), key, b)) {
                if (timed)
                    slot.timeRaster = b;
                else if (b)
                    r.error(key, FbeTool::tr("die Codes 5..8 haben keine Zeit; erlaubt: false"));
            }
        }
        if (s.contains(QStringLiteral("timebase"))) {
            const QString key = prefix + QStringLiteral("timebase");
            if (r.integer(s.value(QStringLiteral("timebase")), key, 0, timed ? 3 : 0, v) && timed)
                slot.timebase = quint8(v);
        }
    }
}

void readInterlock(Configuration& cfg, const QJsonValue& value, Reader& r)
{
    const QJsonArray list = value.toArray();
    if (!value.isArray() || list.size() != 4) {
        r.error(QStringLiteral("interlock"),
                FbeTool::tr("eine Liste von 4 Bytes (OUT1..OUT4) erwartet"));
        return;
    }
    int bytes[4] = {};
    for (int k = 0; k < 4; ++k) {
        qint64 v = 0;
        const QString key = QStringLiteral("interlock[%1]").arg(k);
        if (!r.integer(list.at(k), key, 0, 255, v))
            return;
        const int partners = (0x01 | 0x02 | 0x10 | 0x08) & ~OutputBit[k];
        if (v & ~partners) {
            r.error(key, FbeTool::tr("Bits 0x%1 sind keine Partnerausgänge von OUT%2; erlaubt "
                                     "sind nur Bits aus 0x%3")
                             .arg(FormatNumber(1, 2, quint64(v & ~partners)))
                             .arg(k + 1)
                             .arg(FormatNumber(1, 2, quint64(partners))));
            return;
        }
        bytes[k] = int(v);
    }
    // A check box locks a pair: each output holds the other's bit.
    for (int x = 0; x < 4; ++x) {
        for (int y = x + 1; y < 4; ++y) {
            if (bool(bytes[x] & OutputBit[y]) != bool(bytes[y] & OutputBit[x])) {
                r.error(QStringLiteral("interlock"),
                        FbeTool::tr("OUT%1 und OUT%2 sind nur einseitig verriegelt; eine "
                                    "Verriegelung gilt immer für beide Ausgänge")
                            .arg(x + 1)
                            .arg(y + 1));
                return;
            }
        }
    }
    for (int k = 0; k < 4; ++k)
        cfg.sendImage[size_t(img::Interlock + k)] = quint8(bytes[k]);
}

void readAll(Configuration& cfg, const QJsonObject& o, Reader& r)
{
    r.unknownKeys(o, QString(), TopKeys, Derived);
    if (o.contains(QStringLiteral("record"))) {
        if (o.value(QStringLiteral("record")).isObject())
            r.unknownKeys(o.value(QStringLiteral("record")).toObject(), QStringLiteral("record."),
                          RecordBytes + QStringList{QStringLiteral("mask"), QStringLiteral("typ")});
        else
            r.error(QStringLiteral("record"), FbeTool::tr("ein Objekt erwartet"));
    }
    readType(cfg, o, r);

    auto has = [&](const char* key) { return o.contains(QLatin1String(key)); };
    auto at = [&](const char* key) { return o.value(QLatin1String(key)); };
    qint64 v = 0;
    if (has("projectName"))
        r.text(at("projectName"), QStringLiteral("projectName"), cfg.projectName);
    if (has("comment")) {
        const QJsonArray lines = at("comment").toArray();
        QStringList comment;
        bool ok = at("comment").isArray();
        for (int n = 0; ok && n < lines.size(); ++n) {
            QString line;
            ok = r.text(lines.at(n), QStringLiteral("comment[%1]").arg(n), line);
            comment << line;
        }
        if (!at("comment").isArray())
            r.error(QStringLiteral("comment"),
                    FbeTool::tr("eine Liste von Textzeilen erwartet"));
        else if (ok)
            cfg.comment = comment;
    }
    if (has("slots"))
        readSlots(cfg, at("slots"), r);
    const QString top;
    r.booleanIn(o, top, QStringLiteral("parallelCodes"), cfg.parallelCodes);
    if (r.integerIn(o, top, QStringLiteral("pruefanzahl"), PruefanzahlMin, PruefanzahlMax, v))
        cfg.pruefanzahl = qint32(v);
    if (r.integerIn(o, top, QStringLiteral("korrektur"), KorrekturMin, KorrekturMax, v))
        cfg.korrektur = qint32(v);
    if (r.integerIn(o, top, QStringLiteral("sperrzeit"), 0, SperrzeitMax, v))
        cfg.sperrzeit = qint32(v);
    r.booleanIn(o, top, QStringLiteral("store"), cfg.store);
    bool* starts[4] = {&cfg.initout1, &cfg.initout2, &cfg.initout3, &cfg.initout4};
    for (int k = 0; k < 4; ++k)
        r.booleanIn(o, top, QStringLiteral("initout%1").arg(k + 1), *starts[k]);
    if (r.integerIn(o, top, QStringLiteral("GeneralCode"), 0, Max40, v))
        cfg.GeneralCode = quint64(v);
    if (r.integerIn(o, top, QStringLiteral("direktmaske"), 0, Max40, v))
        cfg.direktmaske = quint64(v);
    if (r.integerIn(o, top, QStringLiteral("dirshift"), 0, 40, v))
        cfg.sendImage[img::Dirshift] = quint8(v);
    if (r.integerIn(o, top, QStringLiteral("CheckBits"), 0, 8, v))
        cfg.sendImage[img::CheckBits] = quint8(v);
    if (r.integerIn(o, top, QStringLiteral("TimeOut"), 0, 65535, v))
        cfg.setTimeOut(quint16(v));
    if (r.integerIn(o, top, QStringLiteral("umschaltzeit"), 0, 255, v))
        cfg.sendImage[img::Umschaltzeit] = quint8(v);
    if (has("interlock"))
        readInterlock(cfg, at("interlock"), r);
    if (r.integerIn(o, top, QStringLiteral("optionFlags"), 0, 7, v))
        cfg.sendImage[img::OptionFlags] = quint8(v);
}

// What the window's refresh and encoding would change, named by the key that was given.
void checkRefresh(const Configuration& cfg, const QJsonObject& o, Reader& r)
{
    const quint64 mask = cfg.current().mask;
    const QJsonArray list = o.value(QStringLiteral("slots")).toArray();
    for (int i = 0; i < list.size() && i < 8; ++i) {
        if (list.at(i).toObject().contains(QStringLiteral("address"))
            && (cfg.codes[size_t(i + 1)].address & ~mask))
            r.error(QStringLiteral("slots[%1].address").arg(i),
                    FbeTool::tr("%1 hat Bits außerhalb der Prüfmaske von Sendertyp %2; %3")
                        .arg(cfg.codes[size_t(i + 1)].address)
                        .arg(cfg.activeType)
                        .arg(maskAllows(mask)));
    }

    const quint16 t = cfg.current().typ;
    const bool parallel = cfg.parallelCodes;
    if (o.contains(QStringLiteral("optionFlags"))) {
        const QString key = QStringLiteral("optionFlags");
        if (cfg.option(opt::Checksum) && t != typ::Uni16 && t != typ::Uni17)
            r.error(key, FbeTool::tr("\"mit Checksumme\" (Bit 0) nur mit Sendertyp 16 oder 17"));
        else if (cfg.option(opt::Checksum) && parallel && t != typ::Uni16)
            r.error(key, FbeTool::tr("\"mit Checksumme\" (Bit 0) bei \"Parallel\"-Codes nur mit "
                                     "Sendertyp 16"));
        if (cfg.option(opt::Direkt) && !parallel)
            r.error(key, FbeTool::tr("Direktausgabe (Bit 2) nur bei \"Parallel\"-Codes"));
    }
    if (cfg.option(opt::Direkt) && parallel) {
        const int forced[2] = {FnAus, FnEin};
        for (int i = 0; i < 2 && i < list.size(); ++i) {
            if (list.at(i).toObject().contains(QStringLiteral("function"))
                && cfg.codes[size_t(i + 1)].function != forced[i])
                r.error(QStringLiteral("slots[%1].function").arg(i),
                        FbeTool::tr("bei Direktausgabe ist Code %1 immer \"%2\"; erlaubt: %3")
                            .arg(i + 1)
                            .arg(functionText(forced[i]))
                            .arg(forced[i]));
        }
    }
    if (parallel && o.contains(QStringLiteral("pruefanzahl")) && cfg.pruefanzahl > 1)
        r.error(QStringLiteral("pruefanzahl"),
                FbeTool::tr("bei \"Parallel\"-Codes immer 1; erlaubt: 1"));
    const bool starts[4] = {cfg.initout1, cfg.initout2, cfg.initout3, cfg.initout4};
    for (int k = 0; k < 4; ++k) {
        const QString key = QStringLiteral("initout%1").arg(k + 1);
        if (cfg.store && starts[k] && o.contains(key))
            r.error(key, FbeTool::tr("mit der Speicherfunktion (store) gibt es keine "
                                     "Anfangswerte; erlaubt: false"));
    }

    // Characters the file cannot hold.
    Configuration nameOnly = cfg;
    nameOnly.comment.clear();
    const QString inName = BuildFile(nameOnly).unencodable;
    if (!inName.isEmpty())
        r.error(QStringLiteral("projectName"),
                FbeTool::tr("nicht speicherbare Zeichen: %1").arg(describeCharacters(inName)));
    Configuration commentOnly = cfg;
    commentOnly.projectName.clear();
    const QString inComment = BuildFile(commentOnly).unencodable;
    if (!inComment.isEmpty())
        r.error(QStringLiteral("comment"),
                FbeTool::tr("nicht speicherbare Zeichen: %1").arg(describeCharacters(inComment)));
}

// A file larger than a load takes, named by the text that makes it so: the comment or the
// project name, whichever holds more of it.
void checkSize(const Configuration& cfg, const BuiltFile& file, Reader& r)
{
    const qint64 size = file.bytes().size();
    if (size <= MaxFileSize)
        return;
    qint64 comment = 0;
    for (const QString& line : cfg.comment)
        comment += line.size() + 2;
    const QString key = comment >= cfg.projectName.size() ? QStringLiteral("comment")
                                                          : QStringLiteral("projectName");
    r.error(key, FbeTool::tr("die Datei würde %1 Bytes groß werden; "
                             "erlaubt: höchstens %2 Bytes (1 MiB)")
                     .arg(size)
                     .arg(MaxFileSize));
}

bool sameValue(const QJsonValue& a, const QJsonValue& b)
{
    if (a.isDouble() && b.isDouble())
        return a.toDouble() == b.toDouble();
    return a == b;
}

// Every value given comes back from the file as it was given; a value the window would
// have changed in a way the checks above do not name is reported here.
void compareGiven(const QJsonValue& given, const QJsonValue& back, const QString& key, Reader& r)
{
    if (given.isObject()) {
        const QJsonObject g = given.toObject();
        const QJsonObject b = back.toObject();
        for (auto it = g.begin(); it != g.end(); ++it) {
            if (key.isEmpty() && Derived.contains(it.key()))
                continue;
            compareGiven(it.value(), b.value(it.key()),
                         key.isEmpty() ? it.key() : key + QLatin1Char('.') + it.key(), r);
        }
    } else if (given.isArray()) {
        const QJsonArray g = given.toArray();
        const QJsonArray b = back.toArray();
        for (int i = 0; i < g.size(); ++i)
            compareGiven(g.at(i), i < b.size() ? b.at(i) : QJsonValue(QJsonValue::Undefined),
                         key + QStringLiteral("[%1]").arg(i), r);
        if (key == QLatin1String("comment") && b.size() != g.size())
            r.error(key, FbeTool::tr("die Datei gibt %1 statt %2 Zeilen zurück")
                             .arg(b.size())
                             .arg(g.size()));
    } else if (!sameValue(given, back)) {
        r.error(key,
                FbeTool::tr("das Programm macht daraus %1; erlaubt: %1").arg(valueText(back)));
    }
}

// What is wrong with the JSON, in the program's words rather than the library's.
QString jsonError(QJsonParseError::ParseError error)
{
    using E = QJsonParseError;
    static const struct {
        QJsonParseError::ParseError error;
        const char* text;
    } texts[] = {
        {E::UnterminatedObject, QT_TRANSLATE_NOOP("FbeTool", "Objekt nicht abgeschlossen")},
        {E::MissingNameSeparator, QT_TRANSLATE_NOOP("FbeTool", "\":\" fehlt")},
        {E::UnterminatedArray, QT_TRANSLATE_NOOP("FbeTool", "Liste nicht abgeschlossen")},
        {E::MissingValueSeparator, QT_TRANSLATE_NOOP("FbeTool", "\",\" fehlt")},
        {E::IllegalValue, QT_TRANSLATE_NOOP("FbeTool", "unzulässiger Wert")},
        {E::TerminationByNumber, QT_TRANSLATE_NOOP("FbeTool", "Ende mitten in einer Zahl")},
        {E::IllegalNumber, QT_TRANSLATE_NOOP("FbeTool", "unzulässige Zahl")},
        {E::IllegalEscapeSequence, QT_TRANSLATE_NOOP("FbeTool", "unzulässige Escape-Folge")},
        {E::IllegalUTF8String, QT_TRANSLATE_NOOP("FbeTool", "kein gültiges UTF-8")},
        {E::UnterminatedString, QT_TRANSLATE_NOOP("FbeTool", "Text nicht abgeschlossen")},
        {E::MissingObject, QT_TRANSLATE_NOOP("FbeTool", "Objekt erwartet")},
        {E::DeepNesting, QT_TRANSLATE_NOOP("FbeTool", "zu tief verschachtelt")},
        {E::DocumentTooLarge, QT_TRANSLATE_NOOP("FbeTool", "zu groß")},
        {E::GarbageAtEnd, QT_TRANSLATE_NOOP("FbeTool", "Zeichen nach dem Ende")},
    };
    for (const auto& t : texts) {
        if (t.error == error)
            return FbeTool::tr(t.text);
    }
    return FbeTool::tr("unbekannter Fehler");
}

int usage(QTextStream& err)
{
    err << FbeTool::tr("Aufruf: fbe-tool build KONFIG.json AUSGABE.fbe") << "\n";
    return 2;
}

}  // namespace

int runBuildCommand(const QStringList& args)
{
    QTextStream err(stderr);
    QStringList files;
    for (const QString& a : args) {
        if (a.startsWith(QLatin1String("--")) || files.size() == 2)
            return usage(err);
        files << a;
    }
    if (files.size() != 2)
        return usage(err);

    // A plain file only, as show takes: a pipe would wait for a writer for ever.
    QByteArray bytes;
    QString why;
    if (!ReadPlainFile(files[0], MaxFileSize, &bytes, &why)) {
        err << "fbe-tool: " << files[0] << ": " << why << "\n";
        return 2;
    }
    if (bytes.size() > MaxFileSize) {
        err << "fbe-tool: " << files[0] << ": " << FbeTool::tr("zu groß (höchstens 1 MiB)") << "\n";
        return 2;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        err << "fbe-tool: " << files[0] << ": "
            << (parseError.error != QJsonParseError::NoError
                    ? FbeTool::tr("kein gültiges JSON (bei Zeichen %1: %2)")
                          .arg(parseError.offset)
                          .arg(jsonError(parseError.error))
                    : FbeTool::tr("ein JSON-Objekt wie von \"fbe-tool show --json\" erwartet"))
            << "\n";
        return 2;
    }
    const QJsonObject given = doc.object();

    // A new configuration, the values entered, then what the window does before it saves:
    // its refresh, and the encoding of the file text.
    Configuration cfg;
    NeueDatei(cfg);
    Reader r;
    readAll(cfg, given, r);
    checkRefresh(cfg, given, r);
    Configuration saved = cfg;
    NormaliseForRefresh(saved);
    const BuiltFile file = BuildFile(saved);
    if (r.errors.isEmpty())
        checkSize(saved, file, r);
    if (r.errors.isEmpty()) {
        Configuration back;
        NeueDatei(back);
        const LoadOutcome load = LoadFileBytes(back, file.bytes());
        if (!load.ok)
            r.error(QStringLiteral("projectName"), load.error);
        else
            compareGiven(given, configurationJson(back, load), QString(), r);
    }
    if (!r.errors.isEmpty()) {
        // A key or a text from the input may hold control characters.
        for (const QString& e : r.errors)
            err << "fbe-tool: " << terminalSafe(e) << "\n";
        err << "fbe-tool: " << FbeTool::tr("%1 wurde nicht geschrieben").arg(files[1]) << "\n";
        return 2;
    }

    QString error;
    if (!SaveFile(files[1], file, &error)) {
        err << FbeTool::tr(" Fehler bei \"Datei speichern!\"") << "\n" << error << "\n";
        return 2;
    }
    return 0;
}
