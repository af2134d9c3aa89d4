// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "comm/TransferClock.h"

#include <QTimer>

#include <chrono>

namespace fbe {

namespace {

class SystemTimer : public TransferClock::Timer {
public:
    explicit SystemTimer(std::function<void()> fire)
    {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);   // never before the time is up
        QObject::connect(&timer_, &QTimer::timeout, std::move(fire));
    }
    void start(int ms) override { timer_.start(ms); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

class SystemClock : public TransferClock {
public:
    qint64 nowNs() const override
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    std::unique_ptr<Timer> timer(std::function<void()> fire) override
    {
        return std::make_unique<SystemTimer>(std::move(fire));
    }
};

}  // namespace

TransferClock& TransferClock::system()
{
    static SystemClock clock;   // holds no state
    return clock;
}

}  // namespace fbe
