// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// fbe-tool build and diff: configurations as data. build is the inverse of show --json and
// gives exactly the file the window saves; diff names the settings two files differ in.
#include "config/FbeFile.h"
#include "config/Refresh.h"
#include "support/FbeTool.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <random>
#include <sys/stat.h>

using namespace fbe;
using fbe::test::ToolRun;
using fbe::test::tool;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A configuration the window can hold: every value within what its controls take, then the
// window's refresh. Saving it gives the file the window would write.
Configuration randomConfiguration(std::mt19937_64& rng)
{
    auto below = [&](quint64 n) { return quint64(rng() % n); };
    auto coin = [&] { return below(2) == 1; };
    constexpr quint64 All40 = quint64(1) << 40;

    Configuration cfg;
    NeueDatei(cfg);
    const int types[] = {0, 1, 2, 7, 10, 16, 17};
    const int t = types[below(7)];
    cfg.activeType = quint16(t);
    if (t == 0) {
        TypeRecord& r = cfg.current();
        for (quint8* f : {&r.bits, &r.corrmain, &r.refmin, &r.refmax, &r.datmin, &r.datmax,
                          &r.wait1, &r.wait2, &r.wait3})
            *f = quint8(below(256));
        r.mask = below(All40);
        r.typ = 0;
    } else {
        cfg.current() = cfg.types[size_t(t)];
        if (t == 16 || t == 17) {
            cfg.current().bits = quint8(1 + below(40));
            cfg.types[size_t(t)].bits = cfg.current().bits;
        }
    }
    for (int i = 1; i <= 8; ++i) {
        CodeSlot& s = cfg.codes[size_t(i)];
        s.address = below(All40);
        s.function = quint8(below(i <= 4 ? 6 : 4));
        s.out1 = coin();
        s.out2 = coin();
        s.out3 = coin();
        s.out4 = coin();
        if (i <= 4) {
            s.timeCount = quint16(below(65536));
            s.timeRaster = coin();
            s.timebase = quint8(below(4));
        }
    }
    cfg.parallelCodes = coin();
    cfg.pruefanzahl = int(1 + below(99));
    cfg.korrektur = int(below(101)) - 50;
    cfg.sperrzeit = int(below(256));
    cfg.store = below(4) == 0;
    cfg.initout1 = coin();
    cfg.initout2 = coin();
    cfg.initout3 = coin();
    cfg.initout4 = coin();
    cfg.GeneralCode = below(All40);
    cfg.direktmaske = below(All40);
    cfg.sendImage[img::Dirshift] = quint8(below(41));
    cfg.sendImage[img::CheckBits] = quint8(below(9));
    cfg.setTimeOut(quint16(below(65536)));
    cfg.sendImage[img::Umschaltzeit] = quint8(below(256));
    // The six interlock boxes, each setting both outputs' bits.
    const int bit[4] = {0x01, 0x02, 0x10, 0x08};
    for (int x = 0; x < 4; ++x)
        for (int y = x + 1; y < 4; ++y)
            if (coin()) {
                cfg.sendImage[size_t(img::Interlock + x)] |= quint8(bit[y]);
                cfg.sendImage[size_t(img::Interlock + y)] |= quint8(bit[x]);
            }
    cfg.sendImage[img::OptionFlags] = quint8(below(8));
    const QString names[] = {QString(), QStringLiteral("Tor Süd"), QStringLiteral("Halle 3 – 5 €"),
                             QStringLiteral("  Blanks  ")};
    cfg.projectName = names[below(4)];
    cfg.comment.clear();
    for (quint64 n = below(4); n > 0; --n)
        cfg.comment << QStringLiteral("Zeile %1 äöü").arg(n);
    NormaliseForRefresh(cfg);
    return cfg;
}

}  // namespace

// show --json of a file the window saved, built again, gives the same file byte for byte,
// and show --json of that gives the same values; diff finds nothing between the two.
TEST(ToolData, BuildIsTheInverseOfShowJson)
{
    QTemporaryDir dir;
    std::mt19937_64 rng(15);
    for (int n = 0; n < 40; ++n) {
        SCOPED_TRACE(n);
        Configuration cfg = randomConfiguration(rng);
        const QString a = dir.filePath(QStringLiteral("a%1.fbe").arg(n));
        const QString json = dir.filePath(QStringLiteral("a%1.json").arg(n));
        const QString b = dir.filePath(QStringLiteral("b%1.fbe").arg(n));
        QString error;
        ASSERT_TRUE(SaveFile(a, BuildFile(cfg), &error)) << error.toStdString();

        const ToolRun shownA = tool({QStringLiteral("show"), a, QStringLiteral("--json")});
        ASSERT_EQ(shownA.exitCode, 0) << shownA.err.toStdString();
        ASSERT_TRUE(writeAll(json, shownA.outBytes));
        const ToolRun built = tool({QStringLiteral("build"), json, b});
        ASSERT_EQ(built.exitCode, 0) << built.err.toStdString() << shownA.out.toStdString();
        EXPECT_EQ(readAll(b), readAll(a));
        const ToolRun shownB = tool({QStringLiteral("show"), b, QStringLiteral("--json")});
        EXPECT_EQ(shownB.outBytes, shownA.outBytes);
        const ToolRun diff = tool({QStringLiteral("diff"), a, b});
        EXPECT_EQ(diff.exitCode, 0);
        EXPECT_TRUE(diff.out.isEmpty()) << diff.out.toStdString();
    }

    // Every key left out keeps the value of a new configuration: an empty object gives the
    // file of a new configuration saved at once; the type alone brings its parameter set.
    const QString empty = dir.filePath(QStringLiteral("leer.json"));
    ASSERT_TRUE(writeAll(empty, "{}"));
    const QString out = dir.filePath(QStringLiteral("leer.fbe"));
    ASSERT_EQ(tool({QStringLiteral("build"), empty, out}).exitCode, 0);
    Configuration fresh;
    NeueDatei(fresh);
    EXPECT_EQ(readAll(out), BuildFile(fresh).bytes());

    ASSERT_TRUE(writeAll(empty, R"({"activeType": 10, "slots": [{"address": 16, "function": 1}]})"));
    ASSERT_EQ(tool({QStringLiteral("build"), empty, out}).exitCode, 0);
    Configuration svs;
    NeueDatei(svs);
    svs.activeType = 10;
    svs.codes[1].address = 16;
    svs.codes[1].function = FnEin;
    NormaliseForRefresh(svs);
    EXPECT_EQ(svs.current().mask, 0xFFCFC0150ULL);
    EXPECT_EQ(readAll(out), BuildFile(svs).bytes());
}

// Each error names the key and what is allowed; nothing is written.
TEST(ToolData, BuildRefusesWhatTheWindowWouldNotSave)
{
    QTemporaryDir dir;
    struct Case {
        const char* json;
        const char* key;        // the key the message starts with
        const char* allowed;    // what the message says is allowed
    } cases[] = {
        {R"({"farbe": 1})", "farbe: unbekannter Schlüssel", "projectName, comment"},
        {R"({"record": {"bitz": 3}})", "record.bitz: unbekannter Schlüssel", "bits, corrmain"},
        {R"({"slots": [{}, {"adresse": 1}]})", "slots[1].adresse: unbekannter Schlüssel", "address, out1"},
        {R"({"pruefanzahl": "3"})", "pruefanzahl: eine ganze Zahl erwartet", "erlaubt: 1..99"},
        {R"({"sperrzeit": 2.5})", "sperrzeit: eine ganze Zahl erwartet", "erlaubt: 0..255"},
        {R"({"sperrzeit": 256})", "sperrzeit: 256 außerhalb", "erlaubt: 0..255"},
        {R"({"korrektur": -51})", "korrektur: -51 außerhalb", "erlaubt: -50..50"},
        {R"({"dirshift": 41})", "dirshift: 41 außerhalb", "erlaubt: 0..40"},
        {R"({"store": 1})", "store: true oder false erwartet", "true oder false"},
        {R"({"activeType": 99})", "activeType: unbekannter Sendertyp 99", "1, 2, 7, 10, 16, 17 oder 0"},
        {R"({"activeType": 16, "record": {"bits": 41}})", "record.bits: 41 außerhalb", "erlaubt: 1..40"},
        {R"({"slots": [{"address": 4096}]})", "slots[0].address: 4096 hat Bits außerhalb", "erlaubt: 0..4095"},
        {R"({"activeType": 10, "slots": [{}, {"address": 1}]})", "slots[1].address: 1 hat Bits",
         "Prüfmaske 0000111111111100111111000000000101010000"},
        {R"({"activeType": 2, "record": {"wait3": 140}})", "record.wait3: Sendertyp 2 hat 120 fest", "erlaubt: 120"},
        {R"({"slots": [{}, {}, {}, {}, {"function": 5}]})", "slots[4].function: 5 außerhalb", "erlaubt: 0..3"},
        {R"({"slots": [{}, {}, {}, {}, {"timeCount": 9}]})", "slots[4].timeCount: die Codes 5..8", "erlaubt: 1"},
        {R"({"optionFlags": 1})", "optionFlags: \"mit Checksumme\" (Bit 0) nur mit Sendertyp 16 oder 17", "16 oder 17"},
        {R"({"optionFlags": 8})", "optionFlags: 8 außerhalb", "erlaubt: 0..7"},
        {R"({"optionFlags": 4})", "optionFlags: Direktausgabe (Bit 2) nur bei", "\"Parallel\"-Codes"},
        {R"({"parallelCodes": true, "pruefanzahl": 3})", "pruefanzahl: bei \"Parallel\"-Codes immer 1", "erlaubt: 1"},
        {R"({"parallelCodes": true, "optionFlags": 4, "slots": [{"function": 3}]})",
         "slots[0].function: bei Direktausgabe ist Code 1 immer \"Aus\"", "erlaubt: 2"},
        {R"({"store": true, "initout3": true})", "initout3: mit der Speicherfunktion", "erlaubt: false"},
        {R"({"interlock": [2, 0, 0, 0]})", "interlock: OUT1 und OUT2 sind nur einseitig verriegelt", "beide"},
        {R"({"interlock": [4, 0, 0, 0]})", "interlock[0]: Bits 0x04", "0x1A"},
        {R"({"projectName": "Tor Ω"})", "projectName: nicht speicherbare Zeichen: \"Ω\"", "Ω"},
        {R"({"comment": ["a\nb"]})", "comment: nicht speicherbare Zeichen", "U+000A"},
        {R"({"slots": {}})", "slots: eine Liste von höchstens 8 Codes", "8"},
    };
    const QString json = dir.filePath(QStringLiteral("k.json"));
    const QString out = dir.filePath(QStringLiteral("k.fbe"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json);
        ASSERT_TRUE(writeAll(json, c.json));
        const ToolRun r = tool({QStringLiteral("build"), json, out});
        EXPECT_EQ(r.exitCode, 2);
        const QString expected = QStringLiteral("fbe-tool: ") + QString::fromUtf8(c.key);
        EXPECT_TRUE(r.err.contains(expected)) << r.err.toStdString();
        const int line = int(r.err.indexOf(expected));
        const QString message = r.err.mid(line, r.err.indexOf(QLatin1Char('\n'), line) - line);
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.allowed))) << message.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }

    // Not JSON, not an object, a file that is not there, a wrong call.
    ASSERT_TRUE(writeAll(json, "{\"a\": "));
    EXPECT_EQ(tool({QStringLiteral("build"), json, out}).exitCode, 2);
    ASSERT_TRUE(writeAll(json, "[]"));
    EXPECT_EQ(tool({QStringLiteral("build"), json, out}).exitCode, 2);
    EXPECT_EQ(tool({QStringLiteral("build"), dir.filePath(QStringLiteral("fehlt.json")), out}).exitCode, 2);
    EXPECT_EQ(tool({QStringLiteral("build"), json}).exitCode, 2);
    EXPECT_FALSE(QFile::exists(out));
}

TEST(ToolData, DiffListsTheDifferingSettingsInTheOrderOfShow)
{
    QTemporaryDir dir;
    Configuration a;
    NeueDatei(a);
    a.codes[1].function = FnWechsel;
    a.codes[1].address = 963;
    a.comment = QStringList{QStringLiteral("eins")};
    Configuration b = a;
    b.projectName = QStringLiteral("Tor Süd");
    b.codes[1].address = 4095;
    b.codes[3].out4 = true;
    b.sperrzeit = 20;
    b.sendImage[img::Interlock] = 0x10;
    b.sendImage[img::Interlock + 2] = 0x01;
    b.comment << QStringLiteral("zwei");
    QString error;
    const QString fa = dir.filePath(QStringLiteral("a.fbe"));
    const QString fb = dir.filePath(QStringLiteral("b.fbe"));
    ASSERT_TRUE(SaveFile(fa, BuildFile(a), &error));
    // Byte 47, which no setting holds, as a file from elsewhere may have it (line 101 + 47;
    // the checksum on line 101 + 255 stays right).
    BuiltFile built = BuildFile(b);
    built.lines[147] = QStringLiteral("42");
    built.lines[355] = QString::number((built.lines[355].toInt() + 42) % 256);
    ASSERT_TRUE(SaveFile(fb, built, &error));

    const ToolRun same = tool({QStringLiteral("diff"), fa, fa});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_TRUE(same.out.isEmpty());

    const ToolRun d = tool({QStringLiteral("diff"), fa, fb});
    EXPECT_EQ(d.exitCode, 1) << d.err.toStdString();
    const QStringList expected = {
        QStringLiteral("Projektname:       \"-Projektname-\" --> \"Tor Süd\""),
        QStringLiteral("Code 1 Adresse:    963 --> 4095"),
        QStringLiteral("Code 3 OUT4:       nein --> ja"),
        QStringLiteral("Sperrzeit:         0 ms --> 200 ms"),
        QStringLiteral("Verriegelung OUT1: keine --> OUT3"),
        QStringLiteral("Verriegelung OUT3: keine --> OUT1"),
        QStringLiteral("Kommentar Zeile 2: (keine) --> \"zwei\""),
        QStringLiteral("Byte 47:           0 --> 42"),
    };
    EXPECT_EQ(d.outBytes.toStdString(), (expected.join(QLatin1Char(10)) + QLatin1Char(10)).toStdString());

    const ToolRun j = tool({QStringLiteral("diff"), fa, fb, QStringLiteral("--json")});
    EXPECT_EQ(j.exitCode, 1);
    const QJsonArray list = QJsonDocument::fromJson(j.outBytes).array();
    ASSERT_EQ(list.size(), expected.size());
    EXPECT_EQ(list.at(1).toObject(), (QJsonObject{{"key", "slots[0].address"}, {"name", "Code 1 Adresse"},
                                                  {"a", 963}, {"b", 4095}}));
    EXPECT_EQ(list.at(6).toObject().value("key").toString(), QStringLiteral("comment[1]"));
    EXPECT_TRUE(list.at(6).toObject().value("a").isNull());

    // A file that cannot be loaded, a wrong call.
    const ToolRun bad = tool({QStringLiteral("diff"), fa, dir.filePath(QStringLiteral("fehlt.fbe"))});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_TRUE(bad.err.contains(QStringLiteral("fehlt.fbe"))) << bad.err.toStdString();
    EXPECT_EQ(tool({QStringLiteral("diff"), fa}).exitCode, 2);
}

// Control characters from a file reach the terminal as \xNN: a project name that would set
// the terminal's title and clear its screen is shown, not obeyed. A tab in a comment stays.
TEST(ToolData, ShowAndDiffPrintControlCharactersFromAFileAsEscapes)
{
    QTemporaryDir dir;
    Configuration cfg;
    NeueDatei(cfg);
    const QString plain = dir.filePath(QStringLiteral("plain.fbe"));
    ASSERT_TRUE(SaveFile(plain, BuildFile(cfg), nullptr));
    QStringList lines = BuildFile(cfg).lines;
    // Written by hand: the program refuses to save such names.
    const struct {
        const char* what;
        QByteArray name;      // line 999 as bytes (Windows-1252)
        QByteArray comment;   // line 1001
        QByteArray shownName;
        QByteArray shownComment;
    } cases[] = {
        {"title and clear screen", "T\x1B]0;x\x07\x1B[2J", "ok",
         "T\\x1B]0;x\\x07\\x1B[2J", "ok"},
        {"a C1 control (0x81 has no character in Windows-1252)", "a\x81" "b", "c\x7F",
         "a\\x81b", "c\\x7F"},
        {"a tab: in a name escaped, in a comment kept", "a\tb", "c\td", "a\\x09b", "c\td"},
        {"nothing to escape", "Tor \"Nord\" \\ 5 \x80", "x", "Tor \"Nord\" \\ 5 \xE2\x82\xAC",
         "x"},
    };
    for (const auto& c : cases) {
        QByteArray bytes;
        for (int i = 0; i < lines.size(); ++i)
            bytes += (i == 998 ? c.name : i == 1000 ? c.comment : lines.at(i).toLatin1()) + "\r\n";
        const QString path = dir.filePath(QStringLiteral("steuer.fbe"));
        ASSERT_TRUE(writeAll(path, bytes));
        const ToolRun shown = tool({QStringLiteral("show"), path});
        const ToolRun json = tool({QStringLiteral("show"), path, QStringLiteral("--json")});
        const ToolRun diff = tool({QStringLiteral("diff"), path, plain});
        const ToolRun diffJson =
            tool({QStringLiteral("diff"), path, plain, QStringLiteral("--json")});
        EXPECT_TRUE(shown.outBytes.contains("Projektname:        " + c.shownName + "\n")) << c.what;
        EXPECT_TRUE(shown.outBytes.contains("\n  " + c.shownComment + "\n")) << c.what;
        EXPECT_TRUE(diff.outBytes.contains("\"" + c.shownName + "\" --> ")) << c.what;
        EXPECT_TRUE(diff.outBytes.contains("\"" + c.shownComment + "\" --> ")) << c.what;
        // Nothing but line ends and tabs below a blank, no DEL, no C1 control (C2 80..C2 9F).
        for (const ToolRun* r : {&shown, &json, &diff, &diffJson}) {
            const QByteArray& out = r->outBytes;
            for (qsizetype i = 0; i < out.size(); ++i) {
                const uchar b = uchar(out.at(i));
                const bool c1 = b == 0xC2 && i + 1 < out.size() && uchar(out.at(i + 1)) <= 0x9F;
                ASSERT_FALSE((b < 0x20 && b != '\n' && b != '\t') || b == 0x7F || c1)
                    << c.what << ": byte " << int(b) << " at " << i;
            }
        }
        // The JSON is still the file's text.
        const QJsonObject o = QJsonDocument::fromJson(json.outBytes).object();
        EXPECT_EQ(o.value(QStringLiteral("projectName")).toString().toLatin1(),
                  c.name == "Tor \"Nord\" \\ 5 \x80" ? QByteArray("Tor \"Nord\" \\ 5 ?")
                                                     : c.name)
            << c.what;
    }
}

// build says why its input cannot be taken, in its own words, before anything is written:
// a folder, a missing file, a pipe (which would wait for a writer for ever), and a file that
// would be too large, named by the key that makes it so.
TEST(ToolData, BuildSaysWhyItsInputCannotBeTakenAndNamesTheRightKey)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.json"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString bigComment = dir.filePath(QStringLiteral("kommentar.json"));
    ASSERT_TRUE(writeAll(bigComment, "{\"comment\": [\"" + QByteArray(1046000, 'x') + "\"]}"));
    const QString bigName = dir.filePath(QStringLiteral("name.json"));
    ASSERT_TRUE(writeAll(bigName, "{\"projectName\": \"" + QByteArray(1046000, 'x') + "\"}"));
    const QString badKey = dir.filePath(QStringLiteral("schluessel.json"));
    ASSERT_TRUE(writeAll(badKey, "{\"\\u001b[2J\": 1}"));
    const struct {
        const char* what;
        QString input;
        QString err;   // the first line on stderr
    } cases[] = {
        {"a folder", dir.path(), dir.path() + QStringLiteral(": ein Ordner, keine Datei")},
        {"a missing file", dir.filePath(QStringLiteral("fehlt.json")),
         dir.filePath(QStringLiteral("fehlt.json")) + QStringLiteral(": Datei nicht gefunden")},
        {"a pipe", fifo, fifo + QStringLiteral(": keine gewöhnliche Datei (Pipe oder Gerät)")},
        {"a comment too large for a file", bigComment,
         QStringLiteral("comment: die Datei würde 1049076 Bytes groß werden; erlaubt: höchstens "
                        "1048576 Bytes (1 MiB)")},
        {"a project name too large for a file", bigName,
         QStringLiteral("projectName: die Datei würde 1049155 Bytes groß werden; erlaubt: "
                        "höchstens 1048576 Bytes (1 MiB)")},
        {"a key with control characters", badKey,
         QStringLiteral("\\x1B[2J: unbekannter Schlüssel; erlaubt: ")},
    };
    const QString out = dir.filePath(QStringLiteral("neu.fbe"));
    for (const auto& c : cases) {
        // A pipe would hold build for ever: a run still going after 10 s counts as failed.
        const ToolRun r = tool({QStringLiteral("build"), c.input, out},
                               QProcessEnvironment::systemEnvironment(), 10000);
        EXPECT_EQ(r.exitCode, 2) << c.what;
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("fbe-tool: ") + c.err))
            << c.what << ": " << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << c.what;
    }
}
