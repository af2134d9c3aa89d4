// Start-up time of the program against a bare Qt window.
//
//   bench_startup [--runs N] [--lang de|en]
//
// Starts build/bin/fbe and this program's bare window (--bare W H) alternately, N times each
// (default 9), the same way: a new process with FBE_STARTUP_PROBE set, in a folder of its
// own holding a settings file that asks nothing at start (and names the language). Each
// process reports when its window has painted itself for the first time (app/StartupProbe.h)
// and ends. The program's time is taken less its 100 ms start-up timer; the bare window has
// the size of the program's main window. Prints the medians and their ratio; the goal is at
// most 1.3.
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
    const QStringList words = QString::fromLatin1(p.readAllStandardOutput()).split(QLatin1Char(' '));
    if (words.size() < 3 || words[0] != QLatin1String("shown"))
        return run;
    run.ms = double(words[1].toLongLong() - start) / 1e6;
    run.size = words[2].trimmed();
    return run;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

int bareWindow(int argc, char** argv, int width, int height)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QMainWindow window;
    window.setFixedSize(width, height);
    fbe::StartupProbe::installIfWanted(window);
    window.show();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--bare")
        return bareWindow(argc, argv, atoi(argv[2]), atoi(argv[3]));

    int runs = 9;
    QString lang = QStringLiteral("de");
    for (int i = 1; i + 1 < argc; ++i) {
        if (QByteArray(argv[i]) == "--runs")
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
    }
    const double mp = median(program);
    const double mb = median(bare);
    std::printf("start-up (%s, %d alternating starts each, window %s, platform %s)\n",
                qPrintable(lang), runs, qPrintable(first.size),
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"))));
    std::printf("  fbe, less the 100 ms start-up timer: median %.1f ms\n", mp);
    std::printf("  bare Qt window of the same size:     median %.1f ms\n", mb);
    std::printf("  ratio: %.2f (goal: at most 1.3)\n", mp / mb);
    return mp / mb <= 1.3 ? 0 : 1;
}
