// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// fbe-tool program --db on two stations against one throw-away PostgreSQL server and two
// simulated modules: one series programmed at once without a repeated address, a result
// kept while the server is down, and the runs that are refused before anything is sent.
#include "comm/CommTestSupport.h"
#include "support/PgServer.h"

#include "config/FbeFile.h"
#include "config/ProductionLog.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fbe;
using commtest::SimProcess;
using fbe::test::PgServer;
using fbe::test::ToolRun;

namespace {

class SeriesTool : public testing::Test {
protected:
    void SetUp() override
    {
        commtest::app();
        ASSERT_TRUE(pg().running()) << pg().error().toStdString();
        // The queue of results lives in $XDG_DATA_HOME/fbe.
        env_.insert(QStringLiteral("XDG_DATA_HOME"), dir_.path());
        file_ = dir_.filePath(QStringLiteral("serie.fbe"));
    }
    static PgServer& pg() { return PgServer::shared(); }

    // A file of the series: CODE 1 at 100 and CODE 2 at 2000 (12 bits).
    void writeFile(const QString& project, quint64 code1 = 100)
    {
        Configuration cfg;
        NeueDatei(cfg);
        cfg.projectName = project;
        cfg.codes[1] = {code1, true, false, false, false, FnEin};
        cfg.codes[2] = {2000, false, true, false, false, FnWechsel};
        ASSERT_TRUE(SaveFile(file_, BuildFile(cfg), nullptr));
    }
    QStringList programArgs(const QString& station, const QString& port) const
    {
        return {QStringLiteral("program"), file_, QStringLiteral("--port"), port,
                QStringLiteral("--db"), pg().uri(station), QStringLiteral("--increments"),
                QStringLiteral("1,10")};
    }
    ToolRun tool(const QStringList& args) const { return fbe::test::tool(args, env_, 60000); }
    QString queueFile() const { return dir_.filePath(QStringLiteral("fbe/fbe-nachtrag.jsonl")); }

    QTemporaryDir dir_;
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
    QString file_;
};

// Runs `count` programming runs one after the other for a station, started from the event
// loop so that several stations run at once.
struct StationLoop {
    QProcess process;
    QStringList args;
    int left = 0;
    int failed = 0;
    QString lastError;

    void next()
    {
        if (left-- <= 0)
            return;
        process.start(fbe::test::binDir() + QStringLiteral("/fbe-tool"), args);
    }
    void finished(int code)
    {
        if (code != 0) {
            ++failed;
            lastError = QString::fromUtf8(process.readAllStandardError());
        }
        process.readAll();
        next();
    }
    bool done() const { return left < 0 && process.state() == QProcess::NotRunning; }
};

}  // namespace

TEST_F(SeriesTool, TwoStationsAtOnceProgramOneSeriesWithoutARepeat)
{
    writeFile(QStringLiteral("Halle \"2\"; Tor"));
    SimProcess simA;
    SimProcess simB;
    ASSERT_TRUE(simA.ok() && simB.ok());
    constexpr int PerStation = 50;
    StationLoop loops[2];
    const SimProcess* sims[2] = {&simA, &simB};
    for (int k = 0; k < 2; ++k) {
        StationLoop& l = loops[k];
        l.args = programArgs(QStringLiteral("Station %1").arg(QLatin1Char('A' + k)), sims[k]->device());
        l.left = PerStation;
        l.process.setProcessEnvironment(env_);
        QObject::connect(&l.process, &QProcess::finished, [&l](int code) { l.finished(code); });
        l.next();
    }
    ASSERT_TRUE(commtest::runUntil([&] { return loops[0].done() && loops[1].done(); }, 600000));
    EXPECT_EQ(loops[0].failed + loops[1].failed, 0) << loops[0].lastError.toStdString()
                                                    << loops[1].lastError.toStdString();

    // 100 numbers, 100 address sets, 100 lines of the batch.
    const QStringList listArgs{QStringLiteral("series"), pg().uri(QStringLiteral("Büro")),
                               QStringLiteral("Halle \"2\"; Tor"), QStringLiteral("--csv")};
    const ToolRun list = tool(listArgs);
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    // The lines of the log are data: the same bytes in English.
    QProcessEnvironment english = env_;
    english.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    EXPECT_EQ(fbe::test::tool(listArgs, english, 60000).outBytes, list.outBytes);
    ASSERT_TRUE(list.outBytes.startsWith("\xEF\xBB\xBFStation;Nummer;Zeit;Ergebnis;"));
    EXPECT_EQ(list.outBytes.count("\r\n"), 2 * PerStation + 1);
    const QList<QStringList> lines = parseCsv(QString::fromUtf8(list.outBytes.mid(3)));
    ASSERT_EQ(lines.size(), 2 * PerStation + 1);
    QSet<QString> numbers;
    QSet<QString> addressSets;
    QMap<QString, int> perStation;
    for (const QStringList& l : lines.mid(1)) {
        ASSERT_EQ(l.size(), 29);
        EXPECT_EQ(l.at(3), QStringLiteral("OK"));
        EXPECT_EQ(l.at(7), QStringLiteral("Halle \"2\"; Tor"));
        EXPECT_EQ(l.at(9), l.at(1));   // the counter column holds the number
        numbers << l.at(1);
        addressSets << l.at(12) + QLatin1Char('/') + l.at(14);
        ++perStation[l.at(0)];
    }
    EXPECT_EQ(numbers.size(), 2 * PerStation);
    EXPECT_EQ(addressSets.size(), 2 * PerStation);
    EXPECT_EQ(perStation.value(QStringLiteral("Station A")), PerStation);
    EXPECT_EQ(perStation.value(QStringLiteral("Station B")), PerStation);
    EXPECT_EQ(lines.last().at(12), QStringLiteral("199"));   // 100 + 99 x 1
    EXPECT_EQ(lines.last().at(14), QStringLiteral("2990"));  // 2000 + 99 x 10
}

TEST_F(SeriesTool, AResultWhoseServerWentDownIsWrittenAtTheNextRun)
{
    writeFile(QStringLiteral("Nachtrag"));
    SimProcess sim;
    ASSERT_TRUE(sim.ok());
    ASSERT_EQ(tool(programArgs(QStringLiteral("A"), sim.device())).exitCode, 0);
    // The result of the next run waits at the server until the test lets it go; the test
    // shuts the server down meanwhile.
    ASSERT_TRUE(pg().psql("produktion", QStringLiteral(
        "CREATE FUNCTION public.hold() RETURNS trigger LANGUAGE plpgsql AS"
        " $$ BEGIN PERFORM pg_advisory_lock(4711); RETURN NEW; END $$;"
        " CREATE TRIGGER hold BEFORE UPDATE ON fbe.runs FOR EACH ROW EXECUTE FUNCTION public.hold()")))
        << pg().error().toStdString();
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
        admin.setHostName(pg().socketDir());
        admin.setPort(PgServer::Port);
        admin.setUserName(QStringLiteral("postgres"));
        admin.setDatabaseName(QStringLiteral("produktion"));
        ASSERT_TRUE(admin.open());
        QSqlQuery(admin).exec(QStringLiteral("SELECT pg_advisory_lock(4711)"));

        QProcess run;
        run.setProcessEnvironment(env_);
        run.start(fbe::test::binDir() + QStringLiteral("/fbe-tool"),
                  programArgs(QStringLiteral("A"), sim.device()));
        QSqlQuery waiting(admin);
        const bool held = commtest::runUntil([&] {
            waiting.exec(QStringLiteral("SELECT 1 FROM pg_stat_activity WHERE application_name = 'A'"
                                        " AND wait_event_type = 'Lock'"));
            return waiting.next();
        }, 120000);
        ASSERT_TRUE(held);
        pg().stop();
        ASSERT_TRUE(run.waitForFinished(60000));
        const QString err = QString::fromUtf8(run.readAllStandardError());
        EXPECT_EQ(run.exitCode(), 0) << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("Ergebnis wird nachgetragen"))) << err.toStdString();
        EXPECT_TRUE(QFile::exists(queueFile()));
        admin.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("admin"));

    ASSERT_TRUE(pg().start()) << pg().error().toStdString();
    ASSERT_TRUE(pg().psql("produktion", QStringLiteral("DROP TRIGGER hold ON fbe.runs")));
    const ToolRun next = tool(programArgs(QStringLiteral("A"), sim.device()));
    EXPECT_EQ(next.exitCode, 0) << next.err.toStdString();
    EXPECT_TRUE(next.err.contains(QStringLiteral("1 nachgetragene Ergebnisse"))) << next.err.toStdString();
    EXPECT_FALSE(QFile::exists(queueFile()));
    EXPECT_EQ(pg().query(QStringLiteral(
                  "SELECT string_agg(number || ':' || result || ':' || addresses[1], ' ' ORDER BY number)"
                  " FROM fbe.runs r JOIN fbe.series s ON s.id = r.series_id WHERE s.name = 'Nachtrag'")),
              QStringLiteral("0:OK:100 1:OK:101 2:OK:102"));
}

TEST_F(SeriesTool, RefusedRunsSendNothing)
{
    writeFile(QStringLiteral("Abgelehnt"));
    // Exit 2 before the port is opened: a port that is not there would give exit 1.
    const QString noPort = dir_.filePath(QStringLiteral("kein-port"));
    ASSERT_EQ(tool(programArgs(QStringLiteral("A"), SimProcess().device())).exitCode, 0);
    struct Case {
        const char* name;
        quint64 code1;
        QString uri;
        QString increments;
        QString message;
    } cases[] = {
        {"other start", 300, pg().uri(QStringLiteral("B")), QStringLiteral("1,10"),
         QStringLiteral("Serie Abgelehnt: andere Startadressen, Inkremente oder Codierlänge als in der Datenbank\n"
                        "CODE 1: Startadresse 300, in der Datenbank 100")},
        {"other increments", 100, pg().uri(QStringLiteral("B")), QStringLiteral("1,20"),
         QStringLiteral("CODE 2: Inkrement 20, in der Datenbank 10")},
        {"no server", 100, QStringLiteral("postgresql://fbe@/produktion?host=%2Fnirgendwo"),
         QStringLiteral("1,10"), QStringLiteral("Produktionsdatenbank nicht erreichbar\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(QStringLiteral("Abgelehnt"), c.code1);
        const ToolRun r = tool({QStringLiteral("program"), file_, QStringLiteral("--port"), noPort,
                                QStringLiteral("--db"), c.uri, QStringLiteral("--increments"),
                                c.increments});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    }
}
