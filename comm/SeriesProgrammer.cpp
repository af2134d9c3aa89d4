// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "comm/SeriesProgrammer.h"

#include "comm/BytePort.h"
#include "comm/TransferProtocol.h"

namespace fbe {

SeriesProgrammer::SeriesProgrammer(QObject* parent) : QObject(parent)
{
    timer_.setInterval(PollIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &SeriesProgrammer::tick);
}

SeriesProgrammer::~SeriesProgrammer()
{
    if (state_ != State::Programming)
        stop();
}

bool SeriesProgrammer::start(BytePort& port, int comNumber, const QString& device)
{
    if (isOn())
        return true;
    port_ = &port;
    port.setDevicePath(device);
    if (!port.setComNumber(comNumber) || (!port.isOpen() && !port.open())) {
        port.close();
        return false;
    }
    port.discardInput();
    port.discardOutput();
    attach();
    misses_ = 0;
    polls_ = 0;
    awaiting_ = false;
    answered_ = false;
    paused_ = false;
    setState(State::WaitingForModule);
    timer_.start();
    tick();
    return true;
}

void SeriesProgrammer::stop()
{
    if (state_ == State::Off)
        return;
    timer_.stop();
    paused_ = false;
    if (state_ == State::Programming) {
        // The running transfer has the port; runOne() closes it when the run is over.
        setState(State::Off);
        return;
    }
    release();
    setState(State::Off);
}

void SeriesProgrammer::release()
{
    detach();
    if (port_)
        port_->close();
}

void SeriesProgrammer::setState(State state)
{
    if (state_ == state)
        return;
    state_ = state;
    emit stateChanged(state);
}

void SeriesProgrammer::attach()
{
    if (attached_ || !port_)
        return;
    savedOnByte_ = port_->onByte;
    savedOnLost_ = port_->onLost;
    port_->onByte = [this](quint8 b) { received(b); };
    port_->onLost = [this] { lost(); };
    attached_ = true;
}

void SeriesProgrammer::detach()
{
    if (!attached_)
        return;
    port_->onByte = savedOnByte_;
    port_->onLost = savedOnLost_;
    savedOnByte_ = nullptr;
    savedOnLost_ = nullptr;
    attached_ = false;
}

void SeriesProgrammer::tick()
{
    if (state_ != State::WaitingForModule && state_ != State::WaitingForRemoval)
        return;
    const bool pause = paused && paused();
    if (pause != paused_) {
        paused_ = pause;
        emit pauseChanged(pause);
    }
    if (pause) {
        awaiting_ = false;
        answered_ = true;   // a poll not sent is not missed
        return;
    }
    if (polls_ > 0 && !answered_ && state_ == State::WaitingForRemoval
        && ++misses_ >= MissedPollsForRemoval) {
        misses_ = 0;
        setState(State::WaitingForModule);
    }
    sendPoll();
}

void SeriesProgrammer::sendPoll()
{
    awaiting_ = true;
    answered_ = false;
    rxCount_ = 0;
    ++polls_;
    port_->discardInput();
    for (quint8 b : TransferProtocol::CmdIdentify)
        port_->sendByte(b);
    port_->flush();
}

void SeriesProgrammer::received(quint8 byte)
{
    if (!awaiting_)
        return;   // a byte after the reply, or of a poll that is no longer awaited
    if (rxCount_ == 0 && byte == 0x00)
        return;   // leading zero bytes before the reply
    reply_[size_t(rxCount_++)] = byte;
    if (rxCount_ < 3)
        return;
    awaiting_ = false;
    answered_ = reply_[0] == TransferProtocol::IdentifyReply;
    if (!answered_)
        return;
    misses_ = 0;
    if (state_ == State::WaitingForModule && !(paused && paused())) {
        // Not from inside the port's byte delivery: the run takes the port's bytes itself.
        setState(State::Programming);
        timer_.stop();
        QMetaObject::invokeMethod(this, &SeriesProgrammer::runOne, Qt::QueuedConnection);
    }
}

void SeriesProgrammer::lost()
{
    if (state_ == State::WaitingForModule || state_ == State::WaitingForRemoval) {
        stop();
        emit portLost();
    }
}

void SeriesProgrammer::runOne()
{
    if (state_ != State::Programming)
        return;
    detach();
    const bool ok = programModule && programModule();
    if (state_ != State::Programming) {
        // Ended while the run went on.
        release();
        return;
    }
    if (!ok) {
        release();
        setState(State::Off);
        emit runFailed();
        return;
    }
    attach();
    if (!port_->isOpen() && !port_->open()) {
        release();
        setState(State::Off);
        emit portLost();
        return;
    }
    misses_ = 0;
    setState(State::WaitingForRemoval);
    timer_.start();
    sendPoll();
}

}  // namespace fbe
