// What the production log adds to every programming run: the search of the whole log for an
// earlier run of the same address set before the run, and the line appended and flushed to
// disk after it, for logs of growing length.
//
//   bench_config_production_log [FOLDER]      (default: the system's temporary folder)
//
// A run on the paced line takes about 1.5 s (bench_transfer); goal: both together below 2 %
// of it (30 ms) for a log of 100 000 runs (some years of series production).
#include "config/ProductionLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace fbe;

namespace {

ProductionRecord sample(int n)
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
        r.address[size_t(c)] = quint64(1000000 * c + n);
        r.function[size_t(c)] = FnEin;
    }
    r.durationMs = 548;
    return r;
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
    const QString path = dir.filePath(ProductionLogName);
    std::printf("%10s %12s %14s %14s\n", "lines", "size (KiB)", "search (ms)", "append (ms)");
    int lines = 0;
    for (const int target : {1000, 10000, 100000}) {
        // Filled in one write, as appending line by line would flush every line.
        QByteArray bytes;
        for (; lines < target; ++lines)
            bytes += productionLogBytes(sample(lines), lines == 0);
        QFile f(path);
        f.open(QIODevice::Append);
        f.write(bytes);
        f.close();

        // The search finds nothing (the worst case: every line is looked at).
        const ProductionRecord now = sample(-1);
        constexpr int Rounds = 5;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < Rounds; ++i) {
            if (programmedBefore(path, now))
                return 1;
        }
        const double search = double(t.nsecsElapsed()) / 1e6 / Rounds;
        t.restart();
        for (int i = 0; i < Rounds; ++i) {
            if (!appendProductionLog(path, sample(lines++), nullptr))
                return 1;
        }
        const double append = double(t.nsecsElapsed()) / 1e6 / Rounds;
        std::printf("%10d %12lld %14.2f %14.2f\n", lines, QFileInfo(path).size() / 1024, search,
                    append);
    }
    return 0;
}
