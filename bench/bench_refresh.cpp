// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's refresh cost and its idle load.
//
//   bench_refresh [--idle-seconds N] [--grab FILE.png] [--parallel]
//
// 1. Refresh time: FormPaint with nothing changed, and FormPaint after a change that
//    rewrites the whole code table (every address and function differs), averaged over many
//    runs. Goal: below 2 ms.
// 2. Idle load: the shown window left alone in the event loop for N seconds (default 10);
//    the process's CPU time over that wall time. Goal: below 1 %.
// --grab saves a picture of the window (after the measurements) for a visual check;
// --parallel shows the window in parallel-codes mode (--direct: with direct output), --prog the extended
// programming settings instead of the comment.
#include "config/Configuration.h"
#include "dialogs/Seam.h"
#include "mainwindow/Forms.h"
#include "mainwindow/TFFBmain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    double idleSeconds = 10;
    QString grabFile;
    bool parallel = false;
    bool prog = false;
    bool direct = false;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--idle-seconds") && i + 1 < args.size())
            idleSeconds = args[++i].toDouble();
        else if (args[i] == QLatin1String("--grab") && i + 1 < args.size())
            grabFile = args[++i];
        else if (args[i] == QLatin1String("--parallel"))
            parallel = true;
        else if (args[i] == QLatin1String("--direct"))
            direct = true;
        else if (args[i] == QLatin1String("--prog"))
            prog = true;
    }

    fbe::Configuration cfg;
    fbe::Seam seam;
    fbe::Forms forms;
    fbe::TFFBmain w(cfg, seam, forms);
    w.inittimer->stop();   // no settings file, no start-up question
    w.show();
    QApplication::processEvents();

    // Steady state: nothing to change.
    const int runs = 2000;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < runs; ++i)
        w.FormPaint();
    const double unchangedMs = double(t.nsecsElapsed()) / 1e6 / runs;

    // Every run changes every code row and the basic settings.
    const int changeRuns = 500;
    qint64 changedNs = 0;
    for (int i = 0; i < changeRuns; ++i) {
        for (int n = 1; n <= 8; ++n) {
            cfg.codes[n].address = quint64(i * 8 + n) & 0xFFF;
            cfg.codes[n].function = quint8((i + n) % 6);
            cfg.codes[n].out1 = (i + n) & 1;
            cfg.codes[n].timeCount = quint16(1 + i);
        }
        cfg.pruefanzahl = 1 + i % 99;
        cfg.sendImage[fbe::img::Interlock] = quint8(i & 0x1B);
        t.restart();
        w.FormPaint();
        changedNs += t.nsecsElapsed();
    }
    const double changedMs = double(changedNs) / 1e6 / changeRuns;

    if (parallel) {
        cfg.parallelCodes = true;
        cfg.sendImage[fbe::img::Dirshift] = 12;
        cfg.setOption(fbe::opt::Direkt, direct);
        cfg.GeneralCode = 0x123456789AULL;
        cfg.direktmaske = 0xFFFF000FFFULL;
    }
    if (prog)
        w.MProgClick();
    if (args.contains(QLatin1String("--type16"))) {
        cfg.activeType = fbe::typ::Uni16;
        cfg.current() = cfg.types[fbe::typ::Uni16];
        cfg.codes[1].address = 1099511627775ULL;
    }
    w.FormPaint();
    QApplication::processEvents();

    // Idle: the window shown, the event loop running, nobody touching it.
    const int paintsBefore = w.formPaintCount();
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(int(idleSeconds * 1000), &app, &QApplication::quit);
    app.exec();
    const double cpu = cpuSeconds() - cpu0;
    const double wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    const int idlePaints = w.formPaintCount() - paintsBefore;

    std::printf("refresh (FormPaint), nothing changed:   %.3f ms\n", unchangedMs);
    std::printf("refresh (FormPaint), whole table changed: %.3f ms\n", changedMs);
    std::printf("idle: %.1f s wall, %.4f s CPU = %.3f %% CPU, %d refreshes while idle\n",
                wallSeconds, cpu, 100.0 * cpu / wallSeconds, idlePaints);

    if (!grabFile.isEmpty()) {
        const QPixmap pm = w.grab();
        if (!pm.save(grabFile))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(grabFile));
    }
    const bool ok = unchangedMs < 2.0 && changedMs < 2.0 && cpu / wallSeconds < 0.01;
    return ok ? 0 : 1;
}
