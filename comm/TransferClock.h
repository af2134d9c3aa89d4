// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The time a transfer runs on: a monotonic clock and one-shot timers, both on the thread of
// the event loop. The program runs on the system's; a test can give a transfer a clock of its
// own, so that a module's pauses of any length are played out without waiting for them.
#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

namespace fbe {

class TransferClock {
public:
    class Timer {
    public:
        virtual ~Timer() = default;
        // Starts the timer, or starts it again: fire() is called once, ms from now.
        virtual void start(int ms) = 0;
        virtual void stop() = 0;
        virtual bool isActive() const = 0;
    };

    virtual ~TransferClock() = default;
    // Nanoseconds since an arbitrary moment; never goes back.
    virtual qint64 nowNs() const = 0;
    // A stopped timer that calls fire when it runs out.
    virtual std::unique_ptr<Timer> timer(std::function<void()> fire) = 0;

    // The system's: the steady clock and precise single-shot timers of the event loop.
    static TransferClock& system();
};

}  // namespace fbe
