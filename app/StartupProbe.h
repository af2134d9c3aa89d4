// For measuring the start-up (bench/bench_startup): with FBE_STARTUP_PROBE set in the
// environment, the process prints "shown <ns> <width>x<height>" once the window has painted
// itself for the first time (<ns>: CLOCK_MONOTONIC, the clock the benchmark started it by) and
// ends at once, writing nothing.
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
    }

    static void installIfWanted(QWidget& window)
    {
        if (qEnvironmentVariableIsSet("FBE_STARTUP_PROBE"))
            new StartupProbe(window);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Right after this paint has gone out.
            QTimer::singleShot(0, [w = &window_] {
                timespec ts{};
                clock_gettime(CLOCK_MONOTONIC, &ts);
                std::printf("shown %lld %dx%d\n",
                            static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec,
                            w->width(), w->height());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    QWidget& window_;
    bool painted_ = false;
};

}  // namespace fbe
