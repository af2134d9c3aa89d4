// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// For measuring the start-up (bench/bench_startup): with FBE_STARTUP_PROBE set in the
// environment, the process prints "shown <ns> <width>x<height>" once the window has painted
// itself for the first time (<ns>: CLOCK_MONOTONIC, the clock the benchmark started it by) and
// ends at once, writing nothing. Below that line come the phases marked on the way, one
// "phase <name> <ns>" line each, in the order they were reached.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace fbe {

class StartupProbe : public QObject {
public:
    explicit StartupProbe(QWidget& window) : QObject(&window), window_(window)
    {
        window.installEventFilter(this);
        // The window's start-up timer: its expiry is a phase of its own.
        if (auto* timer = window.findChild<QTimer*>(QStringLiteral("inittimer"),
                                                    Qt::FindDirectChildrenOnly))
            timer->installEventFilter(this);
    }

    static bool wanted() { return qEnvironmentVariableIsSet("FBE_STARTUP_PROBE"); }

    static void installIfWanted(QWidget& window)
    {
        if (wanted())
            new StartupProbe(window);
    }

    // Notes the moment a phase of the start-up is reached (only while probing).
    static void mark(const char* phase)
    {
        Marks& m = marks();
        if (m.count < MaxMarks && wanted())
            m.at[m.count++] = {phase, now()};
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &window_) {
            if (event->type() == QEvent::Timer)
                mark("timer");
            return false;
        }
        if (event->type() == QEvent::Show)
            mark("show");
        // A paint of the hidden window (drawn into an image beforehand) is not its showing.
        if (event->type() == QEvent::Paint && !painted_ && window_.isVisible()) {
            painted_ = true;
            mark("paint");
            // Right after this paint has gone out.
            QTimer::singleShot(0, [w = &window_] {
                std::printf("shown %lld %dx%d\n", now(), w->width(), w->height());
                const Marks& m = marks();
                for (int i = 0; i < m.count; ++i)
                    std::printf("phase %s %lld\n", m.at[i].phase, m.at[i].ns);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    static constexpr int MaxMarks = 32;
    struct Marks {
        struct {
            const char* phase;
            long long ns;
        } at[MaxMarks];
        int count = 0;
    };
    static Marks& marks()
    {
        static Marks m;
        return m;
    }
    static long long now()
    {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
    }

    QWidget& window_;
    bool painted_ = false;
};

}  // namespace fbe
