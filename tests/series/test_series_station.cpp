// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// A station's part in a shared series, through the same table for the store double and for
// a real PostgreSQL server: which number a run gets, which addresses, and when it is
// refused before anything is sent.
#include "MemorySeriesStore.h"
#include "support/PgServer.h"

#include "sharedseries/PgSeriesStore.h"
#include "sharedseries/SeriesStation.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

using namespace fbe;
using namespace fbe::series;

namespace {

struct Setup {
    quint64 address = 100;    // CODE 1, the one used code
    qint64 increment = 1;     // 0: none given
    qint64 counter = 0;
    int bits = 12;
};

struct Row {
    const char* name;
    Setup first;                   // the station that starts the series ...
    std::vector<bool> results;     // ... and the results of its runs
    Setup second;                  // the station that programs next
    qint64 number;                 // the number it gets; -1: refused
    quint64 address;               // CODE 1's address then
    QString message;               // refusal: the message (%1 the series) and a part of the
    QString detail;                // line below it
    QString series = QStringLiteral("Tor Nord");
};

const QString Mismatch =
    QStringLiteral(" Serie %1: andere Startadressen, Inkremente oder Codierlänge als in der Datenbank");
const QString Exhausted = QStringLiteral(" Serie %1 erschöpft: die Adressen wiederholen sich");
const QString NoIncrement =
    QStringLiteral(" Serie ohne increment: jede Station würde dieselben Adressen programmieren");

const Row Rows[] = {
    {"joins and takes the increments", {}, {true}, {100, 0}, 1, 101, {}, {}},
    {"a failed run leaves a gap", {}, {true, false}, {100, 0}, 2, 102, {}, {}},
    {"numbers start at the first station's counter", {105, 1, 5}, {true}, {100, 0}, 6, 106, {}, {}},
    {"the same start from another counter", {}, {true}, {103, 1, 3}, 1, 101, {}, {}},
    {"other start address", {}, {true}, {200, 0}, -1, 0, Mismatch,
     QStringLiteral(" CODE 1: Startadresse 200, in der Datenbank 100")},
    {"other increment given", {}, {true}, {100, 2}, -1, 0, Mismatch,
     QStringLiteral(" CODE 1: Inkrement 2, in der Datenbank 1")},
    {"other code length", {}, {true}, {100, 0, 0, 16}, -1, 0, Mismatch,
     QStringLiteral(" Codierlänge 16 Bit, in der Datenbank 12 Bit")},
    {"no increment", {100, 0}, {}, {100, 0}, -1, 0, NoIncrement, {}},
    {"an increment the code length swallows", {100, 4096}, {}, {100, 0}, -1, 0, NoIncrement, {}},
    {"wrap onto a programmed set", {0, 2048}, {true, true}, {0, 0}, -1, 0, Exhausted, {}},
    {"wrap onto a failed set", {0, 2048}, {false, true}, {0, 0}, 2, 0, {}, {}},
    {"wrap below zero", {1, -1}, {true}, {1, 0}, 1, 0, {}, {}},
    {"names with quotes and SQL", {}, {true}, {100, 0}, 1, 101, {}, {},
     QStringLiteral("Tor'; DROP TABLE fbe.runs; --\"x\"")},
};

Configuration configuration(const Setup& s, const QString& name)
{
    Configuration cfg;
    NeueDatei(cfg);
    if (s.bits != 12) {
        cfg.activeType = typ::Uni16;
        cfg.types[0] = defaultTypeRecord(typ::Uni16);
        cfg.types[0].bits = quint8(s.bits);
    }
    cfg.projectName = name;
    cfg.codes[1].address = s.address;
    cfg.codes[1].function = FnEin;
    return cfg;
}

SeriesStation::Start begin(SeriesStation& station, const Setup& s, const QString& name)
{
    Increments inc{};
    inc[1] = s.increment;
    return station.begin({definitionOf(configuration(s, name), s.counter, inc)},
                         incrementsGiven(inc));
}

// The store double, or the real one on the test server.
class StationTable : public testing::TestWithParam<bool> {
protected:
    std::unique_ptr<SeriesStore> makeStore(const QString& uri = {})
    {
        if (!GetParam())
            return std::make_unique<test::MemorySeriesStore>();
        return std::make_unique<PgSeriesStore>(parseDatabaseUri(uri));
    }
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "test_series";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
        if (!GetParam())
            return;
        test::PgServer& pg = test::PgServer::shared();
        ASSERT_TRUE(pg.running()) << pg.error().toStdString();
    }
    QString uri(const QString& station) const
    {
        return GetParam() ? test::PgServer::shared().uri(station) : QString();
    }
    QTemporaryDir dir_;
};

}  // namespace

TEST_P(StationTable, NumberAddressesAndRefusals)
{
    int row = 0;
    for (const Row& r : Rows) {
        SCOPED_TRACE(r.name);
        // A series of its own for every row, also on the shared server.
        const QString name = r.series + QStringLiteral(" %1").arg(++row);
        const QString stationA = QStringLiteral("A \"'; DELETE FROM fbe.series; --");
        auto storeA = makeStore(uri(stationA));
        auto storeB = makeStore(uri(QStringLiteral("B")));
        SeriesStore& second = GetParam() ? *storeB : *storeA;   // the double is one database
        ResultQueue queue(dir_.filePath(QStringLiteral("nachtrag.jsonl")));
        SeriesStation a(*storeA, queue, QStringLiteral("db"), stationA);
        SeriesStation b(second, queue, QStringLiteral("db"), QStringLiteral("B"));

        const SeriesStation::Start created = begin(a, r.first, name);
        if (r.message != NoIncrement) {
            ASSERT_TRUE(created.ok) << created.message.join(QLatin1Char('|')).toStdString();
            EXPECT_TRUE(created.created);
        }
        for (size_t k = 0; k < r.results.size(); ++k) {
            const SeriesStation::Start s = k == 0 ? created : begin(a, r.first, name);
            ASSERT_TRUE(s.ok) << k;
            SeriesRun run;
            run.series = name;
            run.number = s.taken.number;
            run.station = stationA;
            run.record.ok = r.results[k];
            run.record.time = QDateTime::currentDateTime();
            run.record.address = s.taken.addresses;
            ASSERT_TRUE(a.finish(run).recorded);
        }

        const SeriesStation::Start s = begin(b, r.second, name);
        if (r.number < 0) {
            ASSERT_FALSE(s.ok);
            const QString message = r.message.contains(QLatin1String("%1")) ? r.message.arg(name) : r.message;
            EXPECT_EQ(s.message.value(0).toStdString(), message.toStdString());
            EXPECT_TRUE(s.message.mid(1).contains(r.detail) || r.detail.isEmpty())
                << s.message.join(QLatin1Char('|')).toStdString();
            continue;
        }
        ASSERT_TRUE(s.ok) << s.message.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(s.taken.number, r.number);
        EXPECT_EQ(s.taken.addresses[1], r.address);
        const auto listed = second.runs(name);
        ASSERT_TRUE(listed.has_value());
        ASSERT_FALSE(listed->isEmpty());
        EXPECT_EQ(listed->first().station.toStdString(), stationA.toStdString());
        const auto totals = b.totals(name);
        ASSERT_TRUE(totals.has_value());
        EXPECT_EQ(totals->seriesModules, qint64(std::count(r.results.begin(), r.results.end(), true)));
    }
}

TEST_P(StationTable, AnUnreachableDatabaseRefusesWithItsReason)
{
    auto store = makeStore(QStringLiteral("postgresql://fbe@/produktion?host=%2Fnirgendwo"));
    if (!GetParam())
        static_cast<test::MemorySeriesStore&>(*store).reachable = false;
    ResultQueue queue(dir_.filePath(QStringLiteral("nachtrag.jsonl")));
    SeriesStation station(*store, queue, QStringLiteral("db"), QStringLiteral("A"));
    const SeriesStation::Start s = begin(station, {}, QStringLiteral("Tor"));
    ASSERT_FALSE(s.ok);
    EXPECT_EQ(s.message.value(0), QStringLiteral(" Produktionsdatenbank nicht erreichbar"));
    EXPECT_GT(s.message.value(1).trimmed().size(), 5) << s.message.value(1).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Stores, StationTable, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "PostgreSQL" : "Double");
                         });
