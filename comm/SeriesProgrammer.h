// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Hands-free series programming: module after module is programmed as it is put into the
// programming adapter, without a key being pressed.
//
// While the mode is on, the port stays open and the module is asked for its identification
// (the Identify command alone) every 300 ms. A module counts as present after one complete
// valid reply (0x14 and the two version bytes, leading zero bytes skipped), and as removed
// after three polls in a row without one. A module that becomes present gets one programming
// run (programModule, the same run as "Modul programmieren"); after it nothing happens until
// that module has been removed. A failed run, or a port that is lost, ends the mode.
//
// No poll goes out while paused() holds (a dialog is open); a poll not sent is no missed
// poll. Whether polling waits is told (pauseChanged) when a poll is due and finds it
// changed. During a run the port's handlers are the transfer's, which keeps the port open.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>

namespace fbe {

class BytePort;

class SeriesProgrammer : public QObject {
    Q_OBJECT

public:
    enum class State { Off, WaitingForModule, Programming, WaitingForRemoval };

    static constexpr int PollIntervalMs = 300;
    static constexpr int MissedPollsForRemoval = 3;

    explicit SeriesProgrammer(QObject* parent = nullptr);
    ~SeriesProgrammer() override;

    // Whether polling waits (a dialog is open). Asked before every poll.
    std::function<bool()> paused;
    // One programming run of the module now present; true when it succeeded.
    std::function<bool()> programModule;

    // Takes the port over: chooses COMn or the device, opens the port unless it is open, and
    // starts polling at once. False, with the port closed, when it cannot be opened (the
    // port's openFailure() says why).
    bool start(BytePort& port, int comNumber, const QString& device);
    // Ends the polling at once and closes the port. During a run the port stays with the
    // transfer until the run has ended; then it is closed.
    void stop();

    State state() const { return state_; }
    bool isOn() const { return state_ != State::Off; }
    // Whether the last poll due was held back by paused().
    bool isPaused() const { return paused_; }
    // Polls sent since the start (for tests).
    int pollsSent() const { return polls_; }

signals:
    void stateChanged(fbe::SeriesProgrammer::State state);
    void pauseChanged(bool paused);
    // The mode has ended by itself: a run failed, or the port was lost while polling.
    void runFailed();
    void portLost();

private:
    void tick();
    void sendPoll();
    void received(quint8 byte);
    void lost();
    void runOne();
    void setState(State state);
    void attach();
    void detach();
    void release();

    BytePort* port_ = nullptr;
    QTimer timer_;
    State state_ = State::Off;
    bool paused_ = false;
    bool attached_ = false;
    std::function<void(quint8)> savedOnByte_;
    std::function<void()> savedOnLost_;

    bool awaiting_ = false;   // reply bytes of the last poll still awaited
    bool answered_ = false;   // the last poll got a complete valid reply
    int rxCount_ = 0;
    std::array<quint8, 3> reply_{};
    int misses_ = 0;          // polls in a row without a valid reply
    int polls_ = 0;
};

}  // namespace fbe
