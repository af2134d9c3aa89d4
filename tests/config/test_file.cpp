// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The ".fbe" file text: writing, reading, and every way a file can be bad.
#include "config/Cp1252.h"
#include "config/FbeFile.h"
#include "config/ImageCodec.h"
#include "support/FbeTool.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace fbe;
using fbe::test::ToolRun;
using fbe::test::tool;

namespace {

Configuration newConfig()
{
    Configuration cfg;
    NeueDatei(cfg);
    return cfg;
}

QByteArray join(const QStringList& lines, const char* eol = "\r\n")
{
    QByteArray out;
    for (const QString& l : lines)
        out += cp1252::encode(l) + eol;
    return out;
}

QStringList newFileLines()
{
    Configuration cfg = newConfig();
    return BuildFile(cfg).lines;
}

// A configuration with something in every part of the file.
Configuration busyConfig()
{
    Configuration cfg = newConfig();
    cfg.projectName = QStringLiteral("Büro Süd – Tor 2");
    cfg.comment = {QStringLiteral("Einfahrt Halle 3"), QString(), QStringLiteral("Größe: 5 €")};
    cfg.firmware = 0x0205;
    cfg.codes[1].address = 0xABC;
    cfg.codes[1].function = FnImpuls;
    cfg.codes[1].out2 = true;
    cfg.codes[1].timeCount = 250;
    cfg.codes[1].timebase = 1;
    cfg.codes[5].function = FnWechsel;
    cfg.codes[5].out4 = true;
    cfg.korrektur = -7;
    cfg.sendImage[img::Interlock] = 0x02;
    cfg.sendImage[img::Interlock + 1] = 0x01;
    cfg.sendImage[img::InterlockUnion] = 0x03;
    cfg.setTimeOut(1234);
    return cfg;
}

}  // namespace

TEST(FileText, NewConfigurationGivesTheKnownFile)
{
    const QStringList lines = newFileLines();
    ASSERT_EQ(lines.size(), 1003);
    for (int line = 1; line <= 995; ++line) {
        QString want = QStringLiteral("0");
        switch (line) {
        case 143: want = QStringLiteral("255"); break;
        case 144: want = QStringLiteral("15"); break;
        case 158: case 160: case 162: case 164: want = QStringLiteral("1"); break;
        case 165: case 166: case 167: case 168: want = QStringLiteral("64"); break;
        case 169: want = QStringLiteral("12"); break;
        case 170: want = QStringLiteral("7"); break;
        case 171: want = QStringLiteral("70"); break;
        case 172: want = QStringLiteral("7"); break;
        case 173: want = QStringLiteral("100"); break;
        case 174: case 175: want = QStringLiteral("22"); break;
        case 176: want = QStringLiteral("140"); break;
        case 195: want = QStringLiteral("3"); break;
        case 349: want = QStringLiteral("3"); break;
        case 350: want = QStringLiteral("5"); break;
        case 352: want = QStringLiteral("1"); break;
        case 356: want = QStringLiteral("145"); break;
        default: break;
        }
        EXPECT_EQ(lines.at(line - 1), want) << "line " << line;
    }
    EXPECT_EQ(lines.mid(995),
              (QStringList{"0", "3", "5", "-Projektname-", "--*--",
                           "hier kann ein Text eingegeben werden, welcher",
                           "mit dem Konfigurationsfile abgespeichert wird",
                           signatureLine()}));
    EXPECT_TRUE(signatureLine().startsWith(QStringLiteral("software by Varnel ; ")));

    Configuration cfg = newConfig();
    const QByteArray bytes = BuildFile(cfg).bytes();
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 1003);
    EXPECT_EQ(bytes.count('\n'), 1003);
}

TEST(FileText, SavedFileLoadsBackToTheSameText)
{
    Configuration a = busyConfig();
    const BuiltFile saved = BuildFile(a);
    EXPECT_TRUE(saved.unencodable.isEmpty());
    const QByteArray bytes = saved.bytes();
    // Umlauts, the dash and the euro sign are single Windows-1252 bytes.
    EXPECT_TRUE(bytes.contains("B\xFCro S\xFC" "d \x96 Tor 2\r\n"));
    EXPECT_TRUE(bytes.contains("Gr\xF6\xDF" "e: 5 \x80\r\n"));

    // The firmware line is not read back: loading keeps the firmware the session knows.
    Configuration b = newConfig();
    b.firmware = a.firmware;
    const LoadOutcome load = LoadFileBytes(b, bytes);
    ASSERT_TRUE(load.ok) << load.error.toStdString();
    EXPECT_TRUE(load.checksumOk);
    EXPECT_FALSE(load.oldFile);
    EXPECT_EQ(load.softwareVersion, 773);
    EXPECT_EQ(b.projectName, a.projectName);
    EXPECT_EQ(b.comment, a.comment);
    EXPECT_EQ(BuildFile(b).lines, saved.lines);
    EXPECT_EQ(BuildFile(b).bytes(), bytes);
}

TEST(FileText, LineEndsAndCommentCounts)
{
    QStringList lines = newFileLines();
    // LF-only and lone CR files read the same.
    for (const char* eol : {"\n", "\r"}) {
        Configuration cfg = newConfig();
        const LoadOutcome load = LoadFileBytes(cfg, join(lines, eol));
        ASSERT_TRUE(load.ok) << load.error.toStdString();
        EXPECT_EQ(cfg.comment.size(), 2);
    }

    QStringList exact1001 = lines.mid(0, 1000);
    exact1001.append(signatureLine());
    Configuration c1 = newConfig();
    ASSERT_TRUE(LoadFileBytes(c1, join(exact1001)).ok);
    EXPECT_TRUE(c1.comment.isEmpty());

    QStringList exact1002 = lines.mid(0, 1001);
    exact1002.append(signatureLine());
    Configuration c2 = newConfig();
    ASSERT_TRUE(LoadFileBytes(c2, join(exact1002)).ok);
    EXPECT_EQ(c2.comment, QStringList{lines.at(1000)});

    // An empty project name and exactly 999 lines.
    QStringList short999 = lines.mid(0, 999);
    short999[998] = QString();
    Configuration c3 = newConfig();
    ASSERT_TRUE(LoadFileBytes(c3, join(short999)).ok);
    EXPECT_EQ(c3.projectName, QString());
    EXPECT_TRUE(c3.comment.isEmpty());
}

TEST(FileText, ImageLinesTakeTheirLowEightBits)
{
    QStringList lines = newFileLines();
    lines[100 + 2] = QStringLiteral("256");     // byte 2
    lines[100 + 3] = QStringLiteral("-1");      // byte 3
    lines[100 + 4] = QStringLiteral("+513");    // byte 4
    lines[100 + 5] = QStringLiteral(" 7 ");     // blanks around a number are harmless
    lines[50] = QStringLiteral("-9223372036854775808");   // unused line, still an integer
    Configuration cfg = newConfig();
    const LoadOutcome load = LoadFileBytes(cfg, join(lines));
    ASSERT_TRUE(load.ok) << load.error.toStdString();
    EXPECT_EQ(cfg.readImage[2], 0);
    EXPECT_EQ(cfg.readImage[3], 255);
    EXPECT_EQ(cfg.readImage[4], 1);
    EXPECT_EQ(cfg.readImage[5], 7);
    EXPECT_FALSE(load.checksumOk);   // the bytes changed, the checksum did not
    EXPECT_TRUE(cfg.transfer.transferFailed);
}

// A file whose structure is off still loads as the format says it is read, and says what is
// wrong: line 1000 that is not "--*--" (a line lost or added before it shifts the image and
// the names), an image value beyond a byte.
TEST(FileText, AShiftedFileOrAValueBeyondAByteLoadsWithItsWarning)
{
    const QString shifted = QStringLiteral(" Datei beschädigt: Zeile 1000 ist nicht --*--");
    auto beyond = [](int line) {
        return QStringLiteral(" Zeile %1: Wert außerhalb 0..255").arg(line);
    };
    const QStringList good = newFileLines();
    auto without = [&](int line) {
        QStringList l = good;
        l.removeAt(line - 1);
        return l;
    };
    auto with = [&](int line, const QString& text) {
        QStringList l = good;
        l[line - 1] = text;
        return l;
    };
    QStringList added = good;
    added.insert(300, QStringLiteral("0"));
    const struct {
        const char* what;
        QStringList lines;
        QStringList warnings;
        int byte0;   // image byte 0 as loaded
    } cases[] = {
        {"intact", good, {}, 0},
        {"a line lost after the image", without(500), {shifted}, 0},
        {"a line lost inside the image", without(200), {shifted}, 0},
        {"a line added inside the image", added, {shifted}, 0},
        {"999 lines, no line 1000", good.mid(0, 999), {shifted}, 0},
        {"line 1000 with a blank after it", with(1000, QStringLiteral("--*-- ")), {shifted}, 0},
        {"255 on the first image line", with(101, QStringLiteral("255")), {}, 255},
        {"256 on the first image line", with(101, QStringLiteral("256")), {beyond(101)}, 0},
        {"-1 on the first image line", with(101, QStringLiteral("-1")), {beyond(101)}, 255},
        {"300 on the last image line", with(356, QStringLiteral("300")), {beyond(356)}, 0},
        {"300 on the line after the image", with(357, QStringLiteral("300")), {}, 0},
    };
    for (const auto& c : cases) {
        Configuration cfg = newConfig();
        const LoadOutcome load = LoadFileBytes(cfg, join(c.lines));
        ASSERT_TRUE(load.ok) << c.what << ": " << load.error.toStdString();
        EXPECT_EQ(load.warnings, c.warnings) << c.what;
        EXPECT_EQ(cfg.rxBuffer[0], c.byte0) << c.what;
    }

    // fbe-tool says so on stderr and loads all the same.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kurz.fbe"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(join(without(500)));
    f.close();
    const ToolRun shown = tool({QStringLiteral("show"), path});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_EQ(shown.err, shifted + QLatin1Char('\n'));
}

TEST(FileText, SoftwareVersionLimit)
{
    QStringList lines = newFileLines();
    lines[348] = QStringLiteral("2");
    lines[349] = QStringLiteral("89");
    Configuration cfg = newConfig();
    LoadOutcome load = LoadFileBytes(cfg, join(lines));
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.softwareVersion, 601);
    EXPECT_TRUE(load.oldFile);

    lines[349] = QStringLiteral("90");
    load = LoadFileBytes(cfg, join(lines));
    EXPECT_EQ(load.softwareVersion, 602);
    EXPECT_FALSE(load.oldFile);
}

TEST(FileText, BadFilesFailAndLeaveTheConfigurationAlone)
{
    const QStringList good = newFileLines();
    auto withLine = [&](int line, const QString& text) {
        QStringList l = good;
        l[line - 1] = text;
        return join(l);
    };
    const struct {
        const char* what;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"empty", QByteArray(), "Zeilen"},
        {"binary", QByteArray("\x00\x01\xFF\xFE\x89PNG\r\n\x1A\n", 12).repeated(600), "Zeile 1"},
        {"truncated", join(good.mid(0, 998)), "998 Zeilen"},
        {"not a number", withLine(17, QStringLiteral("1x")), "Zeile 17"},
        {"decimal", withLine(200, QStringLiteral("1,5")), "Zeile 200"},
        {"blank line", withLine(801, QString()), "Zeile 801"},
        {"too large", withLine(5, QStringLiteral("9223372036854775808")), "64 Bit"},
        {"over 1 MiB", join(good) + QByteArray(MaxFileSize, 'x'), "1 MiB"},
    };
    for (const auto& c : cases) {
        Configuration cfg = busyConfig();
        const QString before = BuildFile(cfg).text();
        const LoadOutcome load = LoadFileBytes(cfg, c.bytes);
        EXPECT_FALSE(load.ok) << c.what;
        EXPECT_TRUE(load.error.contains(QString::fromUtf8(c.reason))) << c.what << ": "
                                                                      << load.error.toStdString();
        EXPECT_EQ(BuildFile(cfg).text(), before) << c.what;
    }
    // Lines after 801 are not checked.
    Configuration cfg = newConfig();
    EXPECT_TRUE(LoadFileBytes(cfg, withLine(900, QStringLiteral("kein Wert"))).ok);
}

TEST(FileText, MutatedFilesNeverCrashAndFailCleanly)
{
    Configuration base = busyConfig();
    const QByteArray good = BuildFile(base).bytes();
    std::mt19937 rng(4711);
    int loaded = 0;
    for (int run = 0; run < 3000; ++run) {
        QByteArray bytes = good;
        switch (run % 3) {
        case 0:
            bytes.truncate(int(rng() % bytes.size()));
            break;
        case 1:
            for (int k = 0, n = 1 + int(rng() % 8); k < n; ++k)
                bytes[int(rng() % bytes.size())] = char(rng());
            break;
        default: {
            QList<QByteArray> lines = bytes.split('\n');
            for (int k = 0, n = 1 + int(rng() % 4); k < n && !lines.isEmpty(); ++k)
                lines.removeAt(int(rng() % lines.size()));
            bytes = lines.join('\n');
            break;
        }
        }
        Configuration cfg = busyConfig();
        const QString before = BuildFile(cfg).text();
        const ParsedFile parsed = ParseFile(bytes);
        const LoadOutcome load = LoadFileBytes(cfg, bytes);
        ASSERT_EQ(load.ok, parsed.ok);
        if (load.ok) {
            ++loaded;
            EXPECT_EQ(cfg.readImage, parsed.image);
        } else {
            EXPECT_FALSE(load.error.isEmpty());
            ASSERT_EQ(BuildFile(cfg).text(), before) << "run " << run;
        }
    }
    EXPECT_GT(loaded, 0);
}

TEST(FileText, CharactersWindows1252CannotHoldAreReportedAndNotSaved)
{
    Configuration cfg = newConfig();
    cfg.projectName = QStringLiteral("Tor Ω");
    cfg.comment = {QStringLiteral("ok"), QStringLiteral("Pfeil → und 🙂")};
    const BuiltFile file = BuildFile(cfg);
    EXPECT_EQ(file.unencodable, QStringLiteral("Ω→🙂"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.fbe"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("alt");
    old.close();
    QString error;
    EXPECT_FALSE(SaveFile(path, file, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("\"Ω\", \"→\", \"🙂\""))) << error.toStdString();
    // A line break pasted into the project name would move every later line.
    cfg.projectName = QStringLiteral("Tor\r\nSüd");
    cfg.comment = {QStringLiteral("ok")};
    EXPECT_EQ(BuildFile(cfg).unencodable, QStringLiteral("\r\n"));
    EXPECT_FALSE(SaveFile(path, BuildFile(cfg), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("U+000D, U+000A"))) << error.toStdString();
    // Characters that cannot be seen are named by their code.
    EXPECT_EQ(describeCharacters(QStringLiteral("Ω\u200B\u2028\u2009")),
              QStringLiteral("\"Ω\", U+200B, U+2028, U+2009"));
    QFile check(path);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("alt"));

    // Every byte survives decoding and encoding again.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QString bad;
    EXPECT_EQ(cp1252::encode(cp1252::decode(all), &bad), all);
    EXPECT_TRUE(bad.isEmpty());
}

TEST(FileText, SaveReplacesAtomically)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.fbe"));
    Configuration cfg = busyConfig();
    QString error;
    ASSERT_TRUE(SaveFile(path, BuildFile(cfg), &error)) << error.toStdString();
    cfg.projectName = QStringLiteral("zweiter Stand");
    ASSERT_TRUE(SaveFile(path, BuildFile(cfg), &error));
    Configuration back = newConfig();
    ASSERT_TRUE(LoadFile(back, path).ok);
    EXPECT_EQ(back.projectName, QStringLiteral("zweiter Stand"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.fbe"});

    EXPECT_FALSE(LoadFile(back, dir.filePath(QStringLiteral("fehlt.fbe"))).ok);
    // A folder or a pipe is refused before it is opened, so the load cannot wait on it.
    const QString pipe = dir.filePath(QStringLiteral("pipe.fbe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& other : {dir.path(), pipe}) {
        const LoadOutcome load = LoadFile(back, other);
        EXPECT_FALSE(load.ok);
        EXPECT_FALSE(load.error.isEmpty());
    }
    EXPECT_EQ(back.projectName, QStringLiteral("zweiter Stand"));
    EXPECT_FALSE(SaveFile(dir.filePath(QStringLiteral("kein/ordner/x.fbe")), BuildFile(cfg), &error));
}

// A disk that fills up during the write (here a file size limit of 1000 bytes, which fails
// the write just as a full disk does): the save fails and the old file keeps every byte.
TEST(FileText, SaveOnAFullDiskKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.fbe"));
    Configuration cfg = busyConfig();
    QString error;
    ASSERT_TRUE(SaveFile(path, BuildFile(cfg), &error));
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    before.close();

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    cfg.projectName = QStringLiteral("zweiter Stand");
    const bool saved2 = SaveFile(path, BuildFile(cfg), &error);
    const bool settings = WriteFileAtomically(dir.filePath(QStringLiteral("fbe_ini.ini")),
                                              QByteArray(2000, 'x'), nullptr);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved2);
    EXPECT_FALSE(settings);
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.fbe"});
}

TEST(FbeTool, NewAndShowJson)
{
    if (!QFile::exists(fbe::test::binDir() + QStringLiteral("/fbe-tool")))
        GTEST_SKIP() << "fbe-tool not built";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu.fbe"));
    EXPECT_EQ(tool({QStringLiteral("new"), path}).exitCode, 0);
    Configuration cfg = newConfig();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), BuildFile(cfg).bytes());

    const ToolRun shown = tool({QStringLiteral("show"), path, QStringLiteral("--json")});
    EXPECT_EQ(shown.exitCode, 0);
    for (const char* key : {"\"projectName\"", "\"softwareVersion\": 773", "\"checksumOk\": true",
                            "\"activeType\": 1", "\"record\"", "\"slots\"", "\"timebase\"",
                            "\"TimeOut\"", "\"interlock\"", "\"optionFlags\"", "\"image\"",
                            "\"umschaltzeit\"", "\"oldFile\": false"})
        EXPECT_TRUE(shown.outBytes.contains(key)) << key;

    // A bad file: exit 2, nothing on stdout, the load message and the reason on stderr.
    const QString bad = dir.filePath(QStringLiteral("kaputt.fbe"));
    QFile b(bad);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    b.write("0\r\nx\r\n");
    b.close();
    const ToolRun failed = tool({QStringLiteral("show"), bad});
    EXPECT_EQ(failed.exitCode, 2);
    EXPECT_TRUE(failed.outBytes.isEmpty());
    EXPECT_TRUE(failed.err.contains(QStringLiteral(" Fehler bei \"Datei laden!\""))) << failed.err.toStdString();
}
