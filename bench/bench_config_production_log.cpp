// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// What the production log adds to every programming run: the search of the whole log for an
// earlier run of the same address set, and the room for the line reserved, before the run;
// the line appended and flushed to disk after it; for logs of growing length.
//
//   bench_config_production_log [FOLDER]      (default: the system's temporary folder)
//
// Two logs of each length: one whose lines all have other addresses (the search finds
// nothing and every line is looked at) and one whose lines all have the addresses searched
// for (every line is taken apart and compared). The memory column is the peak resident size
// of the process during the search less its size before it.
//
// A run on the paced line takes about 1.5 s (bench_transfer); goals for a log of 100 000
// runs (some years of series production): search, reservation and append together below 2 %
// of it (30 ms) when nothing matches, the search below 50 ms and 50 MB when every line does.
#include "bench/ProcessMemory.h"
#include "config/ProductionLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

using namespace fbe;

namespace {

ProductionRecord sample(int n, bool sameAddresses)
{
    ProductionRecord r;
    r.time = QDateTime::currentDateTime();
    r.ok = true;
    r.message = {QStringLiteral("Übertragung erfolgreich")};
    r.configFile = QStringLiteral("/home/werkstatt/Projekte/Tor Nord; Halle 2.fbe");
    r.projectName = QStringLiteral("Tor \"Nord\"");
    r.firmware = QStringLiteral("2.05");
    r.counter = n;
    r.transmitterType = 16;
    r.codeLength = 40;
    for (int c = 1; c <= 8; ++c) {
        r.address[size_t(c)] = quint64(1000000 * c + (sameAddresses ? 0 : n + 1));
        r.function[size_t(c)] = FnEin;
    }
    r.durationMs = 548;
    return r;
}

void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

struct Measured {
    double ms = 0;
    double cpuMs = 0;   // processor time: what the search costs on a machine shared with others
    double peakMiB = 0;
    bool found = false;
};

Measured search(const QString& path, const ProductionRecord& now)
{
    constexpr int Rounds = 5;
    Measured m;
    resetPeak();
    const qint64 before = bench::statusKiB("VmRSS:");
    QElapsedTimer t;
    t.start();
    const std::clock_t cpu = std::clock();
    for (int i = 0; i < Rounds; ++i)
        m.found = searchProductionLog(path, now).programmedBefore.has_value();
    m.ms = double(t.nsecsElapsed()) / 1e6 / Rounds;
    m.cpuMs = double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC / Rounds;
    m.peakMiB = double(bench::statusKiB("VmHWM:") - before) / 1024.0;
    return m;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/bench-log-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "no folder for the log in %s\n", qPrintable(base));
        return 2;
    }
    const QString other = dir.filePath(QStringLiteral("andere.csv"));
    const QString same = dir.filePath(ProductionLogName);
    std::printf("%8s %10s | %9s %8s %10s | %9s %8s %10s | %12s %11s\n", "lines", "size (KiB)",
                "none (ms)", "cpu (ms)", "peak (MiB)", "all (ms)", "cpu (ms)", "peak (MiB)",
                "reserve (ms)", "append (ms)");
    int lines = 0;
    for (const int target : {1000, 10000, 100000}) {
        // Filled in one write each, as appending line by line would flush every line.
        QByteArray others, sames;
        for (; lines < target; ++lines) {
            others += productionLogBytes(sample(lines, false), lines == 0);
            sames += productionLogBytes(sample(lines, true), lines == 0);
        }
        for (const auto& [path, bytes] : {std::pair{other, others}, std::pair{same, sames}}) {
            QFile f(path);
            f.open(QIODevice::Append);
            f.write(bytes);
        }
        others.clear();
        sames.clear();

        const ProductionRecord now = sample(-1, true);
        const Measured none = search(other, now);
        const Measured all = search(same, now);
        if (none.found || !all.found)
            return 1;

        constexpr int Rounds = 5;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < Rounds; ++i) {
            if (!reserveProductionLog(other, now, nullptr))
                return 1;
        }
        const double reserve = double(t.nsecsElapsed()) / 1e6 / Rounds;
        t.restart();
        for (int i = 0; i < Rounds; ++i) {
            if (!appendProductionLog(other, sample(lines++, false), nullptr))
                return 1;
        }
        const double append = double(t.nsecsElapsed()) / 1e6 / Rounds;
        std::printf("%8d %10lld | %9.2f %8.2f %10.1f | %9.2f %8.2f %10.1f | %12.2f %11.2f\n",
                    lines, QFileInfo(other).size() / 1024, none.ms, none.cpuMs, none.peakMiB,
                    all.ms, all.cpuMs, all.peakMiB, reserve, append);
    }
    return 0;
}
