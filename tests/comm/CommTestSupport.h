// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the communication tests: the event loop, a scripted byte port that answers
// like a module, and a simulated module process on a pseudo-terminal.
#pragma once

#include "comm/BytePort.h"
#include "comm/TransferClock.h"
#include "config/Configuration.h"
#include "../support/FbeTool.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <array>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>
#include <functional>
#include <memory>
#include <vector>

namespace commtest {

// Texts of failed transfers that the tests expect. The second lines (" Konfiguration
// unverändert", " Modul unvollständig ...") follow the first line after a line break.
namespace text {
inline const QString Identify = QStringLiteral("Fehler bei Geräte-Identifizierung! ");
inline const QString NoReply = QStringLiteral("keine Antwort --> Abbruch");
inline const QString Interrupted = QStringLiteral("Übertragung unterbrochen --> Abbruch");
inline const QString Checksum = QStringLiteral("EEPROM-Fehler (checksum)");
inline const QString Unchanged = QStringLiteral(" Konfiguration unverändert");
inline const QString Incomplete =
    QStringLiteral(" Modul unvollständig programmiert - bitte erneut programmieren");
}  // namespace text

// Codes as a user sets them up: 1 and 2 with a function and an output, 3 with an address
// but the function "keine" (sent as address 0).
inline void setUserCodes(fbe::Configuration& cfg)
{
    cfg.codes[1].address = 0x123;
    cfg.codes[1].function = fbe::FnEin;
    cfg.codes[1].out1 = true;
    cfg.codes[2].address = 0x456;
    cfg.codes[2].function = fbe::FnImpuls;
    cfg.codes[2].out3 = true;
    cfg.codes[2].timeCount = 150;
    cfg.codes[3].address = 0x777;
}

inline QCoreApplication& app()
{
    static int argc = 1;
    static char name[] = "test_comm";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* instance =
        QCoreApplication::instance() ? QCoreApplication::instance() : new QCoreApplication(argc, argv);
    return *instance;
}

// Runs the event loop until done() holds or the time is up; returns done(). The loop sleeps
// between events (processEvents with a time limit would drop WaitForMoreEvents and spin,
// taking a core from the simulator on a loaded machine); a ticking timer wakes it to look
// at done() and the deadline.
inline bool runUntil(const std::function<bool()>& done, int timeoutMs = 10000)
{
    app();
    QDeadlineTimer deadline(timeoutMs);
    QTimer tick;
    tick.start(5);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

inline void runFor(int ms)
{
    runUntil([] { return false; }, ms);
}

// A module behind a byte port, with the port's own bookkeeping. Replies are delivered from
// the event loop, one byte per onByte call, like the serial port service does.
class ScriptedPort : public fbe::BytePort {
public:
    using Command = std::array<quint8, 3>;

    fbe::Image eeprom{};
    quint8 versionHigh = 0x02;
    quint8 versionLow = 0x05;
    // Optional replacement of the module's answer to a command (index counts commands).
    std::function<std::vector<quint8>(const Command&, int index)> responder;

    bool openSucceeds = true;
    int opens = 0;
    int closes = 0;
    std::vector<int> numbersSet;
    std::vector<Command> commands;
    std::vector<bool> sentFromHandler;   // per command: sent while a byte was being handed over
    std::vector<quint8> sent;
    int received = 0;
    int overlapping = 0;                 // commands sent while a reply was still outstanding

    ScriptedPort()
    {
        for (int i = 0; i < 256; ++i)
            eeprom[i] = quint8(i * 7 + 3);
    }

    bool setComNumber(int number) override
    {
        numbersSet.push_back(number);
        number_ = number;
        return true;
    }
    int comNumber() const override { return number_; }
    bool open() override
    {
        if (!openSucceeds)
            return false;
        ++opens;
        open_ = true;
        return true;
    }
    void close() override
    {
        if (open_)
            ++closes;
        open_ = false;
        queue_.clear();
        partial_.clear();
    }
    bool isOpen() const override { return open_; }
    void discardInput() override
    {
        if (open_)
            queue_.clear();
    }
    void discardOutput() override {}
    void sendByte(quint8 byte) override
    {
        if (!open_)
            return;
        sent.push_back(byte);
        partial_.push_back(byte);
        if (partial_.size() < 3)
            return;
        const Command cmd{partial_[0], partial_[1], partial_[2]};
        partial_.clear();
        if (replyOutstanding_ > 0)
            ++overlapping;
        commands.push_back(cmd);
        sentFromHandler.push_back(inHandler_);
        const std::vector<quint8> reply =
            responder ? responder(cmd, int(commands.size()) - 1) : answer(cmd);
        replyOutstanding_ = int(reply.size());
        push(reply);
    }

    // Bytes from the module, handed over by the event loop (a reply the responder held back
    // and sends later).
    void push(const std::vector<quint8>& bytes)
    {
        for (quint8 b : bytes)
            queue_.push_back(b);
        // One delivery pass at a time, bound to this port: a pass still queued when the
        // port is gone is dropped with it.
        if (!bytes.empty() && !deliveryQueued_) {
            deliveryQueued_ = true;
            QTimer::singleShot(0, &context_, [this] {
                deliveryQueued_ = false;
                deliver();
            });
        }
    }
    bool deliveryPending() const { return deliveryQueued_; }

    // The module's ordinary answer.
    std::vector<quint8> answer(const Command& cmd)
    {
        if (cmd == Command{0x00, 0xFF, 0x14})
            return {0x14, versionHigh, versionLow};
        if (cmd[0] == 0x32) {
            eeprom[cmd[1]] = cmd[2];
            return {cmd[2]};
        }
        if (cmd[0] == 0x28)
            return {eeprom[cmd[1]]};
        return {};
    }

    // Commands of one kind (0x32 write, 0x28 read) in order of sending.
    std::vector<int> indicesOf(quint8 op) const
    {
        std::vector<int> out;
        for (size_t i = 0; i < commands.size(); ++i)
            if (commands[i][0] == op)
                out.push_back(int(i));
        return out;
    }

    // Hook called after each byte has been handed over (for mid-run observations).
    std::function<void()> afterByte;

private:
    void deliver()
    {
        while (open_ && !queue_.empty()) {
            const quint8 b = queue_.front();
            queue_.pop_front();
            ++received;
            --replyOutstanding_;
            inHandler_ = true;
            if (onByte)
                onByte(b);
            inHandler_ = false;
            if (afterByte)
                afterByte();
        }
    }

    QObject context_;
    bool deliveryQueued_ = false;
    int number_ = 1;
    bool open_ = false;
    bool inHandler_ = false;
    int replyOutstanding_ = 0;
    std::deque<quint8> queue_;
    std::vector<quint8> partial_;
};

// A transfer clock that moves only when told: the next timer due fires at once, however far
// ahead it lies, so that a module's pauses of any length cost no time.
class VirtualClock : public fbe::TransferClock {
public:
    qint64 nowNs() const override { return nowNs_; }
    std::unique_ptr<Timer> timer(std::function<void()> fire) override
    {
        return std::make_unique<VirtualTimer>(*this, std::move(fire));
    }
    // Calls f ms from now.
    void after(int ms, std::function<void()> f)
    {
        owned_.push_back(timer(std::move(f)));
        owned_.back()->start(ms);
    }
    // Moves the clock to the earliest running timer and fires it; false when none runs.
    bool fireNext()
    {
        VirtualTimer* next = nullptr;
        for (VirtualTimer* t : timers_)
            if (t->isActive() && (!next || t->due < next->due
                                  || (t->due == next->due && t->order < next->order)))
                next = t;
        if (!next)
            return false;
        nowNs_ = next->due;
        next->due = -1;
        next->fire();
        return true;
    }

private:
    struct VirtualTimer : Timer {
        VirtualClock& clock;
        std::function<void()> fire;
        qint64 due = -1;
        quint64 order = 0;   // timers due at the same moment fire in the order they were started
        VirtualTimer(VirtualClock& c, std::function<void()> f) : clock(c), fire(std::move(f))
        {
            clock.timers_.push_back(this);
        }
        ~VirtualTimer() override
        {
            clock.timers_.erase(std::find(clock.timers_.begin(), clock.timers_.end(), this));
        }
        void start(int ms) override
        {
            due = clock.nowNs_ + qint64(ms) * 1000000;
            order = clock.started_++;
        }
        void stop() override { due = -1; }
        bool isActive() const override { return due >= 0; }
    };

    qint64 nowNs_ = 0;
    quint64 started_ = 0;
    std::vector<VirtualTimer*> timers_;
    std::vector<std::unique_ptr<Timer>> owned_;   // destroyed first, while timers_ lives
};

// Runs until done() on the virtual clock: bytes handed over now are delivered by the event
// loop first, then the clock jumps to the next timer. False when nothing is left to happen.
inline bool runVirtual(VirtualClock& clock, const ScriptedPort& port,
                       const std::function<bool()>& done)
{
    app();
    for (int step = 0; step < 1000000; ++step) {
        QCoreApplication::processEvents();
        if (done())
            return true;
        if (!port.deliveryPending() && !clock.fireNext())
            return done();
    }
    return false;
}

using fbe::test::abortOnSanitizerReport;   // the simulator's exit code is never looked at
using fbe::test::binDir;

// fbe-module-sim running on a pseudo-terminal for the lifetime of this object.
class SimProcess {
public:
    explicit SimProcess(const QStringList& args = {})
    {
        app();
        process_.setProgram(binDir() + QStringLiteral("/fbe-module-sim"));
        process_.setArguments(args);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start();
        if (!process_.waitForStarted(5000))
            return;
        QElapsedTimer t;
        t.start();
        while (!process_.canReadLine() && process_.state() != QProcess::NotRunning
               && t.elapsed() < 5000)
            process_.waitForReadyRead(100);
        device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~SimProcess()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(3000)) {
                process_.kill();
                process_.waitForFinished(3000);
            }
        }
        abortOnSanitizerReport(process_.readAllStandardError(), "fbe-module-sim");
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    QString device() const { return device_; }
    bool ok() const { return !device_.isEmpty(); }
    qint64 pid() const { return process_.processId(); }
    // Ends the simulator (SIGTERM) and waits for it.
    bool stop()
    {
        process_.terminate();
        return process_.waitForFinished(3000);
    }

private:
    QProcess process_;
    QString device_;
};

// A pseudo-terminal with nothing behind it, for the lifetime of the object: a serial device
// that can be opened (and whose other side can be hung up).
class Terminal {
public:
    Terminal()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            device_ = QString::fromLocal8Bit(ptsname(master_));
    }
    ~Terminal() { hangUp(); }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    QString device() const { return device_; }
    void hangUp()
    {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }
    // Whether the other side wrote something (a program's first command) before the time is
    // up; what it wrote is taken.
    bool received(int timeoutMs)
    {
        pollfd p{master_, POLLIN, 0};
        if (master_ < 0 || ::poll(&p, 1, timeoutMs) != 1 || !(p.revents & POLLIN))
            return false;
        char buffer[256];
        return ::read(master_, buffer, sizeof buffer) > 0;
    }

private:
    int master_ = -1;
    QString device_;
};

// Points COMn at a device for the lifetime of the object.
class ComMapping {
public:
    ComMapping(int n, const QString& device) : name_("FBE_COM" + QByteArray::number(n))
    {
        qputenv(name_.constData(), device.toLocal8Bit());
    }
    ~ComMapping() { qunsetenv(name_.constData()); }

private:
    QByteArray name_;
};

}  // namespace commtest
