// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time of the program against a bare Qt window.
//
//   bench_startup [--runs N] [--lang de|en] [--phases]
//
// Starts build/bin/fbe and this program's bare window (--bare W H) alternately, N times each
// (default 9), the same way: a new process with FBE_STARTUP_PROBE set, in a folder of its
// own holding a settings file that asks nothing at start (and names the language). Each
// process reports when its window has painted itself for the first time (app/StartupProbe.h)
// and ends. The program's time is taken less its 100 ms start-up timer; the bare window has
// the size of the program's main window. Prints the medians and their ratio; the goal is at
// most 1.3. With --phases it also prints, for each phase a process marked on its way (main()
// entered, the application made, the main window built, ...), the median time from launch
// to it.
#include "app/StartupProbe.h"
#include "config/SettingsFile.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMainWindow>
#include <QProcess>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr double StartupTimerMs = 100.0;

long long nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

struct Run {
    double ms = -1;   // launch to first paint; negative: failed
    QString size;
    std::vector<std::pair<QString, double>> phases;   // name, ms from launch
};

Run launch(const QString& program, const QStringList& args, const QString& folder,
           const QString& lang)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FBE_STARTUP_PROBE"), QStringLiteral("1"));
    env.insert(QStringLiteral("LANGUAGE"), lang);
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    const long long start = nowNs();
    p.start(program, args);
    Run run;
    if (!p.waitForFinished(30000))
        return run;
    const QStringList lines = QString::fromLatin1(p.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList words = line.trimmed().split(QLatin1Char(' '));
        if (words.size() != 3)
            continue;
        const double ms = double(words[1].toLongLong() - start) / 1e6;
        if (words[0] == QLatin1String("shown")) {
            run.ms = ms;
            run.size = words[2];
        } else if (words[0] == QLatin1String("phase")) {
            run.phases.emplace_back(words[1], double(words[2].toLongLong() - start) / 1e6);
        }
    }
    return run;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

int bareWindow(int argc, char** argv, int width, int height)
{
    fbe::StartupProbe::mark("main");
    QApplication app(argc, argv);
    fbe::StartupProbe::mark("qapplication");
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QMainWindow window;
    window.setFixedSize(width, height);
    fbe::StartupProbe::installIfWanted(window);
    window.show();
    return app.exec();
}

// The median time from launch to each phase, in the order of the first run; the phases a
// run missed are left out of that phase's median.
void printPhases(const char* title, const std::vector<Run>& runs)
{
    std::printf("  phases of %s (ms from launch, median):\n", title);
    if (runs.empty())
        return;
    for (const auto& phase : runs.front().phases) {
        std::vector<double> at;
        for (const Run& run : runs) {
            for (const auto& p : run.phases) {
                if (p.first == phase.first) {
                    at.push_back(p.second);
                    break;
                }
            }
        }
        std::printf("    %-14s %7.1f\n", qPrintable(phase.first), median(at));
    }
    std::printf("    %-14s %7.1f\n", "shown", median([&] {
                    std::vector<double> v;
                    for (const Run& run : runs)
                        v.push_back(run.ms);
                    return v;
                }()));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--bare")
        return bareWindow(argc, argv, atoi(argv[2]), atoi(argv[3]));

    int runs = 9;
    QString lang = QStringLiteral("de");
    bool phases = false;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--phases")
            phases = true;
        else if (i + 1 == argc)
            break;
        else if (QByteArray(argv[i]) == "--runs")
            runs = std::max(1, atoi(argv[++i]));
        else if (QByteArray(argv[i]) == "--lang")
            lang = QString::fromLatin1(argv[++i]);
    }
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const QString fbe = QCoreApplication::applicationDirPath() + QStringLiteral("/fbe");

    QTemporaryDir folder;
    fbe::Settings settings;
    settings.askLastFile = false;
    settings.language = lang;
    settings.workingFolder = folder.path();
    QString error;
    if (!folder.isValid()
        || !fbe::writeSettingsFile(folder.filePath(fbe::settingsFileName()), settings, &error)) {
        std::fprintf(stderr, "no settings file: %s\n", qPrintable(error));
        return 2;
    }

    // The program first, once, for the size of its window.
    Run first = launch(fbe, {}, folder.path(), lang);
    if (first.ms < 0) {
        std::fprintf(stderr, "%s did not report its window\n", qPrintable(fbe));
        return 2;
    }
    const QStringList size = first.size.split(QLatin1Char('x'));
    std::vector<double> program, bare;
    std::vector<Run> programRuns, bareRuns;
    for (int i = 0; i < runs; ++i) {
        const Run p = launch(fbe, {}, folder.path(), lang);
        const Run b = launch(self, {QStringLiteral("--bare"), size.value(0), size.value(1)},
                             folder.path(), lang);
        if (p.ms < 0 || b.ms < 0) {
            std::fprintf(stderr, "a start did not report its window\n");
            return 2;
        }
        program.push_back(p.ms - StartupTimerMs);
        bare.push_back(b.ms);
        programRuns.push_back(p);
        bareRuns.push_back(b);
    }
    const double mp = median(program);
    const double mb = median(bare);
    std::printf("start-up (%s, %d alternating starts each, window %s, platform %s)\n",
                qPrintable(lang), runs, qPrintable(first.size),
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"))));
    std::printf("  fbe, less the 100 ms start-up timer: median %.1f ms\n", mp);
    std::printf("  bare Qt window of the same size:     median %.1f ms\n", mb);
    std::printf("  ratio: %.2f (goal: at most 1.3)\n", mp / mb);
    if (phases) {
        printPhases("fbe", programRuns);
        printPhases("bare window", bareRuns);
    }
    return mp / mb <= 1.3 ? 0 : 1;
}
