// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// What a shared series adds to a programming run: taking the module's number before it and
// recording the run after it, against a PostgreSQL server on this computer (a throw-away
// server started like the tests' one, on a Unix socket; or the server of URI).
//
//   bench_series_db [URI]
//
// Measured, 200 runs each: one station on a kept connection (the window), one station with
// a new connection for every run (fbe-tool, a process per module), and two stations at once
// on kept connections. Goal: at most 20 ms per run added on a local server, and two stations
// together no slower per module than one.
#include "../tests/support/PgServer.h"

#include "sharedseries/PgSeriesStore.h"
#include "sharedseries/SeriesStation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <thread>
#include <vector>

using namespace fbe;
using namespace fbe::series;

namespace {

constexpr int Runs = 200;

SeriesDefinition seriesNamed(const QString& name)
{
    Configuration cfg;
    NeueDatei(cfg);
    cfg.projectName = name;
    cfg.activeType = typ::Uni16;
    cfg.types[0] = defaultTypeRecord(typ::Uni16);
    for (int n = 1; n <= 8; ++n) {
        cfg.codes[n].address = quint64(1000000 * n);
        cfg.codes[n].function = FnEin;
    }
    Increments inc{};
    for (size_t n = 1; n <= 8; ++n)
        inc[n] = 1;
    return definitionOf(cfg, 0, inc);
}

// One run's part of the database: the number before, the record after. Milliseconds.
// The window also asks for the series' figures after a run; fbe-tool does not.
double oneRun(SeriesStation& station, const SeriesDefinition& series, bool figures, bool* ok)
{
    QElapsedTimer t;
    t.start();
    const SeriesStation::Start start = station.begin({series}, true);
    SeriesRun run;
    run.series = series.name;
    run.number = start.taken.number;
    run.station = station.station();
    run.port = QStringLiteral("COM1");
    run.record.time = QDateTime::currentDateTime();
    run.record.ok = true;
    run.record.message = {QStringLiteral("Übertragung erfolgreich")};
    run.record.address = start.taken.addresses;
    run.record.durationMs = 1500;
    *ok = start.ok && station.finish(run).recorded
        && (!figures || station.totals(series.name).has_value());
    return double(t.nsecsElapsed()) / 1e6;
}

struct Figures {
    double median = 0;
    double worst = 0;
    double total = 0;
    bool ok = true;
};

Figures figuresOf(std::vector<double> ms, double total, bool ok)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back(), total, ok};
}

// A station doing runs one after the other; a new connection for each when fresh.
Figures station(const DatabaseTarget& target, const QString& name, const QString& series,
                bool fresh, const QString& queuePath)
{
    DatabaseTarget t = target;
    t.station = name;
    ResultQueue queue(queuePath);
    const SeriesDefinition def = seriesNamed(series);
    std::vector<double> ms;
    bool ok = true;
    QElapsedTimer total;
    total.start();
    // Connected before: the first connection to a new database also creates its tables.
    auto kept = std::make_unique<PgSeriesStore>(t);
    auto keptStation = std::make_unique<SeriesStation>(*kept, queue, QStringLiteral("bench"), name);
    kept->open();
    for (int i = 0; i < Runs; ++i) {
        bool runOk = false;
        if (fresh) {
            QElapsedTimer t0;
            t0.start();
            PgSeriesStore store(t);
            SeriesStation s(store, queue, QStringLiteral("bench"), name);
            oneRun(s, def, false, &runOk);
            ms.push_back(double(t0.nsecsElapsed()) / 1e6);
        } else {
            ms.push_back(oneRun(*keptStation, def, true, &runOk));
        }
        ok = ok && runOk;
    }
    return figuresOf(ms, double(total.nsecsElapsed()) / 1e6, ok);
}

void print(const char* what, const Figures& f, int modules)
{
    std::printf("%-44s %8.2f %8.2f %10.2f%s\n", what, f.median, f.worst, f.total / modules,
                f.ok ? "" : "   (runs failed)");
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::unique_ptr<test::PgServer> server;
    QString uri = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (uri.isEmpty()) {
        server = std::make_unique<test::PgServer>();
        if (!server->running()) {
            std::fprintf(stderr, "no PostgreSQL server: %s\n",
                         qPrintable(server->error()));
            return 2;
        }
        uri = server->uri(QString());
    }
    const DatabaseTarget target = parseDatabaseUri(uri);
    QTemporaryDir dir;
    const QString queue = dir.filePath(QStringLiteral("nachtrag.jsonl"));
    const QString tag = QString::number(QDateTime::currentMSecsSinceEpoch());

    std::printf("%d runs each; milliseconds added to a run\n", Runs);
    std::printf("%-44s %8s %8s %10s\n", "", "median", "worst", "per module");
    print("one station, kept connection (window)",
          station(target, QStringLiteral("A"), QStringLiteral("eins ") + tag, false, queue), Runs);
    print("one station, new connection per run (fbe-tool)",
          station(target, QStringLiteral("A"), QStringLiteral("neu ") + tag, true, queue), Runs);

    // Two stations at once on one series, each on a thread of its own.
    Figures both[2];
    QElapsedTimer wall;
    wall.start();
    std::thread a([&] {
        both[0] = station(target, QStringLiteral("A"), QStringLiteral("zwei ") + tag, false, queue);
    });
    std::thread b([&] {
        both[1] = station(target, QStringLiteral("B"), QStringLiteral("zwei ") + tag, false, queue);
    });
    a.join();
    b.join();
    const double total = double(wall.nsecsElapsed()) / 1e6;
    for (int k = 0; k < 2; ++k) {
        both[k].total = total;
        print(k == 0 ? "two stations at once, station A" : "two stations at once, station B",
              both[k], 2 * Runs);
    }
    return 0;
}
