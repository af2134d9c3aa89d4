// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// How long the configuration sheet takes to be written as a PDF file.
//
//   bench_sheet [--runs N] [--pdf FOLDER]
//
// For each of a few configurations (a new one; the fullest one: 40 bits, every code used
// with a time, every interlock, series after a run, a comment of 5000 lines; "Parallel"-Codes):
// what the sheet shows taken from the configuration, painted into a PDF and written to a
// file, N times (default 50); the first run (fonts and pictures loaded) apart, then the
// median and the slowest of the rest. Then a whole `fbe-tool sheet` run as a script starts it.
// Goal: below 200 ms per sheet. --pdf keeps the sheets in FOLDER for a look.
#include "config/Configuration.h"
#include "config/FbeFile.h"
#include "config/Refresh.h"
#include "sheet/SheetPainter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace fbe;

namespace {

Configuration fullest()
{
    Configuration c;
    NeueDatei(c);
    c.activeType = typ::Uni16;
    c.types[0] = defaultTypeRecord(typ::Uni16);
    c.projectName = QStringLiteral("Parkhaus Nord, Schranke Ein- und Ausfahrt, Tiefgarage Ebene -2");
    for (int n = 1; n <= 8; ++n) {
        CodeSlot& s = c.codes[n];
        s.address = 1099511627775ULL - quint64(n) * 123456789;
        s.function = n <= 4 ? quint8(FnTastend + n % 2) : quint8(FnWechsel);
        s.timeCount = quint16(1000 + n);
        s.timebase = quint8(n % 4);
        s.out1 = s.out2 = s.out3 = s.out4 = true;
        c.offset[n] = n;
    }
    c.progcounter = 1234;
    for (int k = 0; k < 4; ++k)
        c.sendImage[img::Interlock + k] = 0x1B;
    c.setOption(opt::NotAus, true);
    c.setTimeOut(65535);
    c.comment.clear();
    for (int i = 0; i < 5000; ++i)
        c.comment << QStringLiteral("Zeile %1: Übergabeprotokoll Müller & Söhne, Tor Ä/Ö/Ü, "
                                    "Funkstrecke geprüft und für gut befunden – weiter so.")
                         .arg(i);
    return c;
}

Configuration parallel()
{
    Configuration c;
    NeueDatei(c);
    c.parallelCodes = true;
    c.GeneralCode = 0xFFFFFFFFFFULL;
    c.direktmaske = 0xFF00FF00FFULL;
    for (int n = 1; n <= 4; ++n)
        c.codes[n].function = FnEin;
    return c;
}

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int runs = 50;
    QString keep;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--runs") && i + 1 < args.size())
            runs = std::max(2, args[++i].toInt());
        else if (args[i] == QLatin1String("--pdf") && i + 1 < args.size())
            keep = args[++i];
    }
    QTemporaryDir dir;
    const QString folder = keep.isEmpty() ? dir.path() : keep;

    const struct {
        const char* name;
        std::function<Configuration()> make;
    } cases[] = {
        {"new", [] { Configuration c; NeueDatei(c); return c; }},
        {"fullest", fullest},
        {"parallel", parallel},
    };
    std::printf("Sheet written as PDF (what it shows, painting, file), %d runs each:\n", runs);
    bool within = true;
    for (const auto& c : cases) {
        Configuration cfg = c.make();
        NormaliseForRefresh(cfg);
        const SheetSource source{QStringLiteral("/werk/%1.fbe").arg(QLatin1String(c.name)),
                                 QDateTime::currentDateTime(), false};
        const QString path = folder + QStringLiteral("/%1.pdf").arg(QLatin1String(c.name));
        std::vector<qint64> times;
        for (int r = 0; r < runs; ++r) {
            QElapsedTimer t;
            t.start();
            QString reason;
            if (!writeSheetPdf(makeSheet(cfg, source), path, &reason)) {
                std::printf("  %s: not written: %s\n", c.name, qPrintable(reason));
                return 1;
            }
            times.push_back(t.nsecsElapsed());
        }
        const qint64 first = times.front();
        std::vector<qint64> rest(times.begin() + 1, times.end());
        std::sort(rest.begin(), rest.end());
        const qint64 slowest = std::max(first, rest.back());
        within = within && ms(slowest) < 200;
        std::printf("  %-9s first %6.1f ms, median %6.1f ms, slowest of the rest %6.1f ms, %lld bytes\n",
                    c.name, ms(first), ms(rest[rest.size() / 2]), ms(rest.back()),
                    static_cast<long long>(QFileInfo(path).size()));
    }

    // A whole run of the command, process start included, on the fullest configuration.
    Configuration cfg = fullest();
    const QString fbe = folder + QStringLiteral("/fullest.fbe");
    QString error;
    if (SaveFile(fbe, BuildFile(cfg), &error)) {
        const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/fbe-tool");
        std::vector<qint64> times;
        for (int r = 0; r < 5; ++r) {
            QElapsedTimer t;
            t.start();
            QProcess p;
            p.start(tool, {QStringLiteral("sheet"), fbe, folder + QStringLiteral("/tool.pdf")});
            if (!p.waitForFinished(30000) || p.exitCode() != 0) {
                std::printf("  fbe-tool sheet did not run (%s)\n", qPrintable(tool));
                times.clear();
                break;
            }
            times.push_back(t.nsecsElapsed());
        }
        if (!times.empty()) {
            std::sort(times.begin(), times.end());
            std::printf("  fbe-tool sheet, whole process: median %.1f ms of 5 runs\n",
                        ms(times[times.size() / 2]));
        }
    }
    std::printf("Goal below 200 ms per sheet: %s\n", within ? "met" : "MISSED");
    return within ? 0 : 1;
}
