// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: reading with every way it can be short or damaged, and the exact text
// that is written.
#include "config/Cp1252.h"
#include "config/SettingsFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>
#include <sys/stat.h>

using namespace fbe;

namespace {

// A complete file as the program writes it, with a distinct position in every group.
QStringList fullLines()
{
    QStringList lines{QStringLiteral("C:\\Projekte\\Halle 3.fbe"),
                      QStringLiteral("VDno"),
                      QStringLiteral("COM3"),
                      QStringLiteral("infono"),
                      QStringLiteral("progwindow"),
                      QStringLiteral("C:\\Projekte"),
                      QString(), QString(), QString(), QString(),
                      QStringLiteral("#waitstates#"),
                      QStringLiteral("17")};
    for (int i = 0; i < WindowPositions::Count; ++i)
        lines << WindowPositions::marker(i) << QString::number(10 + i)
              << QString::number(100 + i);
    return lines;
}

QByteArray bytesOf(const QStringList& lines, const char* eol = "\r\n")
{
    QByteArray out;
    for (const QString& l : lines)
        out += l.toUtf8() + eol;
    return out;
}

QStringList without(QStringList lines, int firstLine, int count)
{
    lines.remove(firstLine - 1, count);
    return lines;
}

}  // namespace

TEST(SettingsFile, CompleteFileIsReadInFull)
{
    const SettingsRead read = parseSettings(bytesOf(fullLines()));
    ASSERT_TRUE(read.complete) << read.error.toStdString();
    const Settings& s = read.values;
    EXPECT_EQ(s.lastFile, QStringLiteral("C:\\Projekte\\Halle 3.fbe"));
    EXPECT_FALSE(s.askLastFile);
    EXPECT_EQ(s.comPortName, QStringLiteral("COM3"));
    EXPECT_FALSE(s.showNotices);
    EXPECT_TRUE(s.progView);
    EXPECT_EQ(s.workingFolder, QStringLiteral("C:\\Projekte"));
    EXPECT_EQ(s.waitstates, 17);
    for (int i = 0; i < WindowPositions::Count; ++i) {
        EXPECT_TRUE(s.positions.present[size_t(i)]) << i;
        EXPECT_EQ(s.positions.at(i), QPoint(10 + i, 100 + i)) << i;
    }
    EXPECT_EQ(s.positions.main, QPoint(10, 100));
    EXPECT_EQ(s.positions.hinweis, QPoint(26, 116));

    // A port name that is none of the four is the port the transfer would use: COM1.
    for (const char* name : {"COM7", "com3", "COM3 ", "", "\xff"}) {
        QStringList lines = fullLines();
        lines[2] = QString::fromUtf8(name);
        EXPECT_EQ(parseSettings(bytesOf(lines)).values.comPortName, QStringLiteral("COM1"))
            << name;
    }
}

TEST(SettingsFile, WriteGivesTheExactLinesAndReadsBackUnchanged)
{
    const QStringList lines = fullLines();
    const Settings s = parseSettings(bytesOf(lines)).values;
    EXPECT_EQ(settingsLines(s), lines);
    EXPECT_EQ(settingsBytes(s), bytesOf(lines));

    // The defaults: options on, comment view, the carried positions of the two windows that
    // cannot be opened.
    const QStringList d = settingsLines(Settings{});
    ASSERT_EQ(d.size(), 63);
    EXPECT_EQ(d.mid(0, 6), (QStringList{QStringLiteral("neue datei.fbe"), QStringLiteral("VDyes"),
                                        QStringLiteral("COM1"), QStringLiteral("infoyes"),
                                        QStringLiteral("commentwindow"), QString()}));
    EXPECT_EQ(d.mid(6, 6), (QStringList{QString(), QString(), QString(), QString(),
                                        QStringLiteral("#waitstates#"), QStringLiteral("22")}));
    EXPECT_EQ(d.mid(12, 3), (QStringList{QStringLiteral("#posmain#"), QStringLiteral("0"),
                                         QStringLiteral("0")}));
    EXPECT_EQ(d.mid(45, 3), (QStringList{QStringLiteral("#posprint#"), QStringLiteral("295"),
                                         QStringLiteral("55")}));
    EXPECT_EQ(d.mid(51, 3), (QStringList{QStringLiteral("#poswaitstate#"),
                                         QStringLiteral("92"), QStringLiteral("104")}));
    EXPECT_EQ(d.last(), QStringLiteral("0"));
}

TEST(SettingsFile, PathsKeepEveryCharacterThroughUtf8)
{
    Settings s;
    s.lastFile = QStringLiteral("/home/technik/Aufträge/Tor Ω 2.fbe");
    s.workingFolder = QStringLiteral("/home/technik/Aufträge");
    const QByteArray bytes = settingsBytes(s);
    EXPECT_TRUE(bytes.contains("Auftr\xc3\xa4ge"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const SettingsRead back = parseSettings(bytes);
    ASSERT_TRUE(back.complete);
    EXPECT_EQ(back.values.lastFile, s.lastFile);
    EXPECT_EQ(back.values.workingFolder, s.workingFolder);
}

TEST(SettingsFile, OlderFilesInWindows1252AndLineFeedsAreRead)
{
    QStringList lines = fullLines();
    lines[0] = QStringLiteral("C:\\Kunden\\Müller Gärten.fbe");
    QByteArray cp;
    for (const QString& l : lines)
        cp += cp1252::encode(l) + "\r\n";
    ASSERT_TRUE(cp.contains('\xfc'));
    SettingsRead read = parseSettings(cp);
    ASSERT_TRUE(read.complete);
    EXPECT_EQ(read.values.lastFile, lines[0]);

    read = parseSettings(bytesOf(lines, "\n"));
    ASSERT_TRUE(read.complete);
    EXPECT_EQ(read.values.lastFile, lines[0]);
    EXPECT_EQ(read.values.positions.hinweis, QPoint(26, 116));
}

TEST(SettingsFile, WaitstatesMarkerAndValue)
{
    QStringList lines = fullLines();
    lines[10] = QStringLiteral("#anders#");
    SettingsRead read = parseSettings(bytesOf(lines));
    EXPECT_TRUE(read.complete);
    EXPECT_EQ(read.values.waitstates, 22);

    lines = fullLines();
    lines[11] = QStringLiteral("0");
    EXPECT_EQ(parseSettings(bytesOf(lines)).values.waitstates, 1);
    lines[11] = QStringLiteral("-4");
    EXPECT_EQ(parseSettings(bytesOf(lines)).values.waitstates, 1);
    lines[11] = QStringLiteral(" 40 ");
    EXPECT_EQ(parseSettings(bytesOf(lines)).values.waitstates, 40);

    // Not a number where one belongs: what came before stays read, the rest does not.
    lines[11] = QStringLiteral("viele");
    read = parseSettings(bytesOf(lines));
    EXPECT_FALSE(read.complete);
    EXPECT_TRUE(read.hasWorkingFolder);
    EXPECT_FALSE(read.hasWaitstates);
    EXPECT_FALSE(read.values.askLastFile);
    EXPECT_FALSE(read.values.positions.present[WindowPositions::Main]);
}

TEST(SettingsFile, AbsentGroupIsSkippedAndLaterGroupsFound)
{
    // Without "#posselect#" (lines 19..21).
    const SettingsRead read = parseSettings(bytesOf(without(fullLines(), 19, 3)));
    ASSERT_TRUE(read.complete) << read.error.toStdString();
    const WindowPositions& p = read.values.positions;
    EXPECT_FALSE(p.present[WindowPositions::Select]);
    EXPECT_EQ(p.select, QPoint());
    EXPECT_EQ(p.prog, QPoint(11, 101));
    for (int i = WindowPositions::T1; i < WindowPositions::Count; ++i) {
        EXPECT_TRUE(p.present[size_t(i)]) << i;
        EXPECT_EQ(p.at(i), QPoint(10 + i, 100 + i)) << i;
    }

    // Without the carried groups the defaults stay.
    QStringList lines = without(fullLines(), 52, 3);   // "#poswaitstate#"
    lines = without(lines, 46, 3);                     // "#posprint#"
    const SettingsRead r2 = parseSettings(bytesOf(lines));
    ASSERT_TRUE(r2.complete);
    EXPECT_EQ(r2.values.positions.print, QPoint(295, 55));
    EXPECT_EQ(r2.values.positions.waitstate, QPoint(92, 104));
    EXPECT_EQ(r2.values.positions.hinweis, QPoint(26, 116));
}

TEST(SettingsFile, LastPosmainWithinLine51StartsTheGroups)
{
    // "#posmain#" on line 11 and again on line 20: the groups are read from line 20.
    const QStringList full = fullLines();
    QStringList lines = full.mid(0, 10);
    lines << QStringLiteral("#posmain#") << QStringLiteral("500") << QStringLiteral("400");
    while (lines.size() < 19)
        lines << QStringLiteral("#posprog#");
    lines << full.mid(12);
    ASSERT_EQ(lines.at(19), QStringLiteral("#posmain#"));
    const SettingsRead read = parseSettings(bytesOf(lines));
    ASSERT_TRUE(read.complete) << read.error.toStdString();
    EXPECT_EQ(read.values.waitstates, 22);
    EXPECT_EQ(read.values.positions.main, QPoint(10, 100));
    EXPECT_EQ(read.values.positions.prog, QPoint(11, 101));
    EXPECT_EQ(read.values.positions.ask, QPoint(25, 115));
}

TEST(SettingsFile, ShortFileAppliesLinesTwoToTwelveAndNoPosition)
{
    const QStringList all = fullLines();
    const SettingsRead read = parseSettings(bytesOf(all.mid(0, 50)));
    EXPECT_FALSE(read.complete);
    EXPECT_TRUE(read.hasWaitstates);
    EXPECT_EQ(read.values.waitstates, 17);
    EXPECT_FALSE(read.values.askLastFile);
    EXPECT_TRUE(read.values.progView);
    for (bool present : read.values.positions.present)
        EXPECT_FALSE(present);

    const SettingsRead upTo5 = parseSettings(bytesOf(all.mid(0, 5)));
    EXPECT_TRUE(upTo5.hasView);
    EXPECT_FALSE(upTo5.hasWorkingFolder);
    EXPECT_FALSE(upTo5.complete);
}

TEST(SettingsFile, TruncatedAtAnyLineIsIncompleteUntilTheLastLine)
{
    const QStringList all = fullLines();
    for (int n = 0; n < all.size(); ++n) {
        const SettingsRead read = parseSettings(bytesOf(all.mid(0, n)));
        EXPECT_FALSE(read.complete) << n;
        EXPECT_EQ(read.hasAskLastFile, n >= 2) << n;
        EXPECT_EQ(read.hasWaitstates, n >= 12) << n;
    }
    // Cut inside a line: the number "116" becomes "11".
    QByteArray cut = bytesOf(all);
    cut.chop(3);
    const SettingsRead read = parseSettings(cut);
    EXPECT_TRUE(read.complete);
    EXPECT_EQ(read.values.positions.hinweis, QPoint(26, 11));
}

TEST(SettingsFile, MissingEmptyBinaryAndDamagedFilesDoNotCrash)
{
    QTemporaryDir dir;
    SettingsRead read = readSettingsFile(dir.filePath(QStringLiteral("fbe_ini.ini")));
    EXPECT_FALSE(read.fileRead);
    EXPECT_FALSE(read.complete);
    EXPECT_FALSE(read.hasAskLastFile);

    read = parseSettings(QByteArray());
    EXPECT_TRUE(read.fileRead);
    EXPECT_FALSE(read.complete);
    EXPECT_FALSE(read.hasAskLastFile);

    std::mt19937 random(4711);
    for (int round = 0; round < 50; ++round) {
        QByteArray junk(int(random() % 4000), '\0');
        for (char& c : junk)
            c = char(random() % 256);
        // Sprinkle line breaks so that the reading gets past the first lines.
        for (int i = 0; i < junk.size(); i += 1 + int(random() % 30))
            junk[i] = '\n';
        read = parseSettings(junk);
        EXPECT_TRUE(read.fileRead);
    }

    // A position that is not a number ends the reading there; earlier groups stay.
    QStringList lines = fullLines();
    lines[23] = QStringLiteral("links");   // left edge of "#pos1T#"
    read = parseSettings(bytesOf(lines));
    EXPECT_FALSE(read.complete);
    EXPECT_TRUE(read.values.positions.present[WindowPositions::Select]);
    EXPECT_FALSE(read.values.positions.present[WindowPositions::T1]);

    // A number beyond 32 bits is no number.
    lines = fullLines();
    lines[13] = QStringLiteral("99999999999");
    EXPECT_FALSE(parseSettings(bytesOf(lines)).complete);

    // Larger than 1 MiB: not read.
    read = parseSettings(QByteArray(1024 * 1024 + 1, '\n'));
    EXPECT_FALSE(read.fileRead);

    // A folder or a pipe by that name: not read, and the start does not wait on it.
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {dir.path(), pipe}) {
        read = readSettingsFile(path);
        EXPECT_FALSE(read.fileRead);
        EXPECT_FALSE(read.error.isEmpty());
    }
}

TEST(SettingsFile, WriteIsAtomicAndReadable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fbe_ini.ini"));
    Settings s;
    s.comPortName = QStringLiteral("COM2");
    QString error;
    ASSERT_TRUE(writeSettingsFile(path, s, &error)) << error.toStdString();
    s.comPortName = QStringLiteral("COM4");
    ASSERT_TRUE(writeSettingsFile(path, s, &error));
    const SettingsRead read = readSettingsFile(path);
    ASSERT_TRUE(read.complete);
    EXPECT_EQ(read.values.comPortName, QStringLiteral("COM4"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("fbe_ini.ini")});

    // A folder that does not exist: refused, with a reason.
    error.clear();
    EXPECT_FALSE(writeSettingsFile(dir.filePath(QStringLiteral("fehlt/fbe_ini.ini")), s, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SettingsFile, SystemPortGoesIntoLineSevenAndTheComNameStaysInLineThree)
{
    // line 7 as written, and as read back.
    struct Case {
        QString systemPort;
        QString line7;
        QString readBack;
    };
    const QString byId = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A12345-if00-port0");
    const Case cases[] = {
        {QString(), QString(), QString()},                     // a COM item in use
        {byId, byId, byId},                                    // a system port by its link
        {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB0")},
        {QStringLiteral("/tmp/a\nb"), QString(), QString()},   // would break the file: not stored
    };
    for (const Case& c : cases) {
        Settings s;
        s.comPortName = QStringLiteral("COM3");
        s.systemPort = c.systemPort;
        const QStringList lines = settingsLines(s);
        ASSERT_EQ(lines.size(), 63);
        EXPECT_EQ(lines.at(2), QStringLiteral("COM3"));
        EXPECT_EQ(lines.at(6), c.line7);
        for (int line = 8; line <= 10; ++line)
            EXPECT_TRUE(lines.at(line - 1).isEmpty());
        const SettingsRead read = parseSettings(settingsBytes(s));
        ASSERT_TRUE(read.complete) << read.error.toStdString();
        EXPECT_EQ(read.values.comPortName, QStringLiteral("COM3"));
        EXPECT_EQ(read.values.systemPort, c.readBack);
    }
    // A file of an older version has line 7 empty: no system port.
    EXPECT_TRUE(parseSettings(bytesOf(fullLines())).values.systemPort.isEmpty());
}

TEST(SettingsFile, ProductionLogOptionIsLineEight)
{
    for (const bool on : {false, true}) {
        Settings s;
        s.productionLog = on;
        const QStringList lines = settingsLines(s);
        ASSERT_EQ(lines.size(), 63);
        EXPECT_EQ(lines.at(7), on ? QStringLiteral("protokollyes") : QString());
        EXPECT_TRUE(lines.at(8).isEmpty() && lines.at(9).isEmpty());
        EXPECT_EQ(lines.at(10), QStringLiteral("#waitstates#"));
        const SettingsRead read = parseSettings(settingsBytes(s));
        ASSERT_TRUE(read.complete);
        EXPECT_EQ(read.values.productionLog, on);
    }
    // Files of older versions leave the line empty: no log; any other text is no "yes".
    EXPECT_FALSE(parseSettings(bytesOf(fullLines())).values.productionLog);
    QStringList other = fullLines();
    other[7] = QStringLiteral("protokollno");
    EXPECT_FALSE(parseSettings(bytesOf(other)).values.productionLog);
}

TEST(SettingsFile, LanguageChoiceIsLineNine)
{
    // written as chosen, read back; a text this version does not know reads as the desktop's
    struct Row {
        const char* line9;
        const char* readBack;
    };
    const Row rows[] = {{"", ""}, {"de", "de"}, {"en", "en"}, {"fr", ""}, {"EN", ""}};
    for (const Row& r : rows) {
        QStringList lines = fullLines();
        lines[8] = QString::fromLatin1(r.line9);
        const SettingsRead read = parseSettings(bytesOf(lines));
        ASSERT_TRUE(read.complete) << r.line9;
        EXPECT_EQ(read.values.language, QString::fromLatin1(r.readBack)) << r.line9;
        const QStringList written = settingsLines(read.values);
        EXPECT_EQ(written.at(8), QString::fromLatin1(r.readBack)) << r.line9;
        EXPECT_TRUE(written.at(9).isEmpty());
    }
}

TEST(SettingsFile, TheProductionDatabaseIsLineTen)
{
    const QString uri = QStringLiteral(
        "postgresql://fbe@server:5432/produktion?application_name=Station%201&sslmode=prefer");
    struct Case {
        QString uri;
        QString line10;   // as written and read back
    } cases[] = {{QString(), QString()}, {uri, uri}, {uri + QStringLiteral("\nx"), QString()}};
    for (const Case& c : cases) {
        Settings s;
        s.databaseUri = c.uri;
        const QStringList lines = settingsLines(s);
        ASSERT_EQ(lines.size(), 63);
        EXPECT_EQ(lines.at(9), c.line10);
        EXPECT_EQ(lines.at(10), QStringLiteral("#waitstates#"));
        EXPECT_EQ(parseSettings(settingsBytes(s)).values.databaseUri, c.line10);
    }
    // A file of an older version, or one that lost the line: no database.
    EXPECT_TRUE(parseSettings(bytesOf(fullLines())).values.databaseUri.isEmpty());
}
