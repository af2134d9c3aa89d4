// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The production log file: its fields as a spreadsheet reads them, appending, and the search
// for an earlier run of the same address set.
#include "config/ProductionLog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace fbe;

namespace {

ProductionRecord record(const QString& configFile, quint64 address1, quint64 address2)
{
    ProductionRecord r;
    r.time = QDateTime(QDate(2025, 3, 14), QTime(9, 26, 53), Qt::OffsetFromUTC, 3600);
    r.ok = true;
    r.message = {QStringLiteral("Übertragung erfolgreich")};
    r.configFile = configFile;
    r.projectName = QStringLiteral("Tor");
    r.firmware = QStringLiteral("2.05");
    r.counter = 1;
    r.transmitterType = 1;
    r.codeLength = 12;
    r.address[1] = address1;
    r.function[1] = FnEin;
    r.address[2] = address2;
    r.function[2] = FnAus;
    r.durationMs = 412;
    return r;
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

}  // namespace

TEST(ProductionLog, FieldsAreQuotedAsCsvRequiresAndReadBackWhole)
{
    struct Case {
        QString text;
        QString field;
        QString back;   // as read back: a line break became a blank, so the record is one line
    };
    const Case cases[] = {
        {QStringLiteral("Tor Nord"), QStringLiteral("Tor Nord"), QStringLiteral("Tor Nord")},
        {QStringLiteral("Tor; Nord"), QStringLiteral("\"Tor; Nord\""), QStringLiteral("Tor; Nord")},
        {QStringLiteral("Tor \"Nord\""), QStringLiteral("\"Tor \"\"Nord\"\"\""),
         QStringLiteral("Tor \"Nord\"")},
        {QStringLiteral("zwei\r\nZeilen"), QStringLiteral("zwei Zeilen"),
         QStringLiteral("zwei Zeilen")},
        {QStringLiteral("a\rb;\n"), QStringLiteral("\"a b; \""), QStringLiteral("a b; ")},
        {QStringLiteral("\""), QStringLiteral("\"\"\"\""), QStringLiteral("\"")},
        {QString(), QString(), QString()},
    };
    QStringList texts, back;
    for (const Case& c : cases) {
        EXPECT_EQ(csvField(c.text), c.field) << c.text.toStdString();
        texts << c.text;
        back << c.back;
    }
    // One line of all of them, read back: the same fields, line breaks as blanks.
    const QList<QStringList> read = parseCsv(csvLine(texts) + QStringLiteral("\r\nx;y\r\n"));
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read.at(0), back);
    EXPECT_EQ(read.at(1), (QStringList{"x", "y"}));

    // What a spreadsheet would run as a formula is written as text.
    struct Name {
        const char* name;
        const char* field;
    };
    const Name names[] = {{"-Projektname-", "'-Projektname-"}, {"=1+1", "'=1+1"},
                          {"+49 711", "'+49 711"},         {"@SUMME(A1)", "'@SUMME(A1)"},
                          {"Tor-1", "Tor-1"},               {"'=x", "'=x"}};
    for (const Name& n : names) {
        ProductionRecord r = record(QStringLiteral("/k/a.fbe"), 1, 2);
        r.projectName = QString::fromUtf8(n.name);
        EXPECT_EQ(productionLogFields(r).at(5), QString::fromUtf8(n.field)) << n.name;
    }
    const QStringList fields = productionLogFields(record(QStringLiteral("/k/a.fbe"), 100, 7));
    EXPECT_EQ(fields.mid(0, 12),
              (QStringList{"2025-03-14T09:26:53+01:00", "OK", "Übertragung erfolgreich",
                           "/k/a.fbe", "nein", "Tor", "2.05", "1", "1", "12", "100", "Ein"}));
    EXPECT_EQ(fields.mid(12, 4), (QStringList{"7", "Aus", "0", "keine"}));
    EXPECT_EQ(fields.last(), QStringLiteral("412"));
    EXPECT_EQ(fields.size(), productionLogHeader().size());
}

TEST(ProductionLog, TimeIsIso8601WithTheLocalOffset)
{
    const struct {
        int offset;
        const char* text;
    } cases[] = {{3600, "2025-03-14T09:26:53+01:00"}, {0, "2025-03-14T09:26:53+00:00"},
                 {-12600, "2025-03-14T09:26:53-03:30"}, {20700, "2025-03-14T09:26:53+05:45"}};
    for (const auto& c : cases) {
        const QDateTime t(QDate(2025, 3, 14), QTime(9, 26, 53), Qt::OffsetFromUTC, c.offset);
        EXPECT_EQ(isoTimeWithOffset(t), QLatin1String(c.text));
        EXPECT_EQ(QDateTime::fromString(QLatin1String(c.text), Qt::ISODate), t) << c.text;
    }
    // The local time says its own offset.
    const QDateTime now = QDateTime::currentDateTime();
    EXPECT_EQ(QDateTime::fromString(isoTimeWithOffset(now), Qt::ISODate).toSecsSinceEpoch(),
              now.toSecsSinceEpoch());
}

TEST(ProductionLog, AppendWritesTheHeaderOnceAndKeepsEveryLineWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(ProductionLogName);
    const ProductionRecord r = record(QStringLiteral("/k/a.fbe"), 100, 7);
    const QByteArray line = csvLine(productionLogFields(r)).toUtf8() + "\r\n";
    const QByteArray header =
        QByteArray("\xEF\xBB\xBF") + csvLine(productionLogHeader()).toUtf8() + "\r\n";

    QString reason;
    ASSERT_TRUE(appendProductionLog(path, r, &reason)) << reason.toStdString();
    ASSERT_TRUE(appendProductionLog(path, r, &reason)) << reason.toStdString();
    EXPECT_EQ(contents(path), header + line + line);

    // A last line cut short keeps what it has; the next line starts on a line of its own.
    {
        QFile f(path);
        ASSERT_TRUE(f.resize(f.size() - 2));
    }
    ASSERT_TRUE(appendProductionLog(path, r, &reason));
    EXPECT_EQ(contents(path), header + line + line + line);
    // An empty file gets the header.
    QFile::remove(path);
    QFile(path).open(QIODevice::WriteOnly);
    ASSERT_TRUE(appendProductionLog(path, r, &reason));
    EXPECT_EQ(contents(path), header + line);

    // Places a line cannot go: nothing is written, and the reason is said.
    const QString locked = dir.filePath(QStringLiteral("gesperrt.csv"));
    {
        QFile f(locked);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alt\r\n");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0444), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ordner.csv")));
    const struct {
        QString path;
        const char* reason;
    } refused[] = {
        {locked, "schreibgeschützt"},
        {dir.filePath(QStringLiteral("ordner.csv")), "ein Ordner, keine Datei"},
        {dir.filePath(QStringLiteral("fehlt/fbe-protokoll.csv")), "Ordner nicht vorhanden"},
    };
    for (const auto& c : refused) {
        reason.clear();
        EXPECT_FALSE(appendProductionLog(c.path, r, &reason)) << c.reason;
        EXPECT_EQ(reason, QString::fromUtf8(c.reason));
        reason.clear();
        EXPECT_FALSE(productionLogWritable(c.path, &reason)) << c.reason;
        EXPECT_EQ(reason, QString::fromUtf8(c.reason));
    }
    EXPECT_EQ(contents(locked), QByteArray("alt\r\n"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("fehlt"))));
}

TEST(ProductionLog, AnEarlierRunIsFoundForTheSameFileAndAddressesOfAllUsedCodes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(ProductionLogName);
    const QString file = QStringLiteral("/k/halle; \"2\".fbe");   // quoted in the log
    auto add = [&](ProductionRecord r) { ASSERT_TRUE(appendProductionLog(path, r, nullptr)); };
    ProductionRecord early = record(file, 100, 7);
    add(early);
    ProductionRecord failed = record(file, 101, 7);
    failed.ok = false;
    add(failed);
    ProductionRecord late = record(file, 100, 7);
    late.time = late.time.addSecs(3600);
    late.address[5] = 55;   // an unused code's address does not count
    add(late);
    add(record(QStringLiteral("/k/andere.fbe"), 102, 7));
    // Names the log writes with an apostrophe in front (see the formula guard).
    const QStringList guarded{"-a.fbe", "=a.fbe", "+a.fbe", "@a.fbe"};
    for (const QString& name : guarded)
        add(record(name, 103, 7));

    struct Case {
        const char* what;
        ProductionRecord now;
        std::optional<QDateTime> found;
    };
    ProductionRecord moreCodes = record(file, 100, 7);
    moreCodes.function[3] = FnWechsel;   // a code used now that was not used then
    ProductionRecord noCode = record(file, 100, 7);
    noCode.function[1] = noCode.function[2] = FnKeine;
    const Case cases[] = {
        {"the same set twice: the later run", record(file, 100, 7), late.time},
        {"only a failed run", record(file, 101, 7), std::nullopt},
        {"one address differs", record(file, 100, 8), std::nullopt},
        {"another file", record(QStringLiteral("/k/a.fbe"), 100, 7), std::nullopt},
        {"the other file's own set", record(QStringLiteral("/k/andere.fbe"), 102, 7),
         record(file, 0, 0).time},
        {"a code used now only", moreCodes, std::nullopt},
        {"no code used", noCode, std::nullopt},
        {"a file named -a.fbe", record(guarded[0], 103, 7), early.time},
        {"a file named =a.fbe", record(guarded[1], 103, 7), early.time},
        {"a file named +a.fbe", record(guarded[2], 103, 7), early.time},
        {"a file named @a.fbe", record(guarded[3], 103, 7), early.time},
    };
    for (const Case& c : cases) {
        const auto found = programmedBefore(path, c.now);
        EXPECT_EQ(found.has_value(), c.found.has_value()) << c.what;
        if (found && c.found) {
            EXPECT_EQ(*found, *c.found) << c.what;
        }
    }
    EXPECT_FALSE(programmedBefore(dir.filePath(QStringLiteral("keins.csv")), record(file, 100, 7)));
    EXPECT_EQ(msgProgrammedBefore(late.time.toLocalTime()),
              QStringLiteral(" Achtung: diese Adressen wurden bereits programmiert (")
                  + late.time.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))
                  + QLatin1Char(')'));
}

// A line that does not parse spoils only itself: it is counted, and the search goes on at
// the next line.
TEST(ProductionLog, ALineThatDoesNotParseIsCountedAndTheSearchGoesOnAtTheNext)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(ProductionLogName);
    const ProductionRecord match = record(QStringLiteral("/k/a.fbe"), 100, 7);
    const QByteArray good = csvLine(productionLogFields(match)).toUtf8();
    const QByteArray header =
        QByteArray("\xEF\xBB\xBF") + csvLine(productionLogHeader()).toUtf8() + "\r\n";
    const struct {
        const char* what;
        QByteArray before;   // the lines before the matching one
        int unreadable;
    } cases[] = {
        {"nothing", QByteArray(), 0},
        {"an empty line", "\r\n", 0},
        {"a quote left open", "2025-03-14T08:00:00+01:00;OK;\"kaputt;x\r\n", 1},
        {"the same run with a quote left open", good + "\"\r\n", 1},
        {"a field too few", good.left(good.lastIndexOf(';')) + "\r\n", 1},
        {"a field too many", good + ";x\r\n", 1},
        {"two broken lines", "\"\r\n;\r\n", 2},
        {"a line ended by LF alone", "x\n", 1},
        {"a line longer than a read block", QByteArray(3 << 20, 'x') + "\r\n", 1},
    };
    for (const auto& c : cases) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(header + c.before + good + "\r\n");
        f.close();
        const LogSearch found = searchProductionLog(path, match);
        EXPECT_EQ(found.programmedBefore, std::optional<QDateTime>(match.time)) << c.what;
        EXPECT_EQ(found.unreadableLines, c.unreadable) << c.what;
    }
    EXPECT_EQ(msgUnreadableLines(2), QStringLiteral(" 2 Zeilen des Protokolls nicht lesbar"));
}
