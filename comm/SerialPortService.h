// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's serial port: COM1..COM4 or a system port given by its device path, at 14400
// baud, 8 data bits, no parity, one stop bit, no flow control, DTR and RTS asserted where the
// device allows it. Runs on the GUI thread; every received byte is handed to onByte once, in
// arrival order. A failed open says why (openFailure); a port lost while open (adapter
// unplugged, line hung up) is closed at once and reported through onLost.
#pragma once

#include "comm/BytePort.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

namespace fbe {

class SerialPortService : public QObject, public BytePort {
    Q_OBJECT

public:
    static constexpr qint32 BaudRate = 14400;

    explicit SerialPortService(QObject* parent = nullptr);
    ~SerialPortService() override;

    bool setComNumber(int number) override;
    int comNumber() const override { return comNumber_; }

    // A device path that replaces the COM mapping (a system port); empty: use the mapping.
    void setDevicePath(const QString& path) override { deviceOverride_ = path; }
    // The device that open() uses now, as chosen (a link stays a link; a bare name such as
    // "ttyUSB0" is the device of that name in /dev).
    QString devicePath() const;

    bool open() override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    OpenFailure openFailure() const override { return failure_; }
    void discardInput() override;
    void discardOutput() override;
    void sendByte(quint8 byte) override;
    void flush() override;

    // Why the last open() failed, in the system's own words (for diagnosis).
    QString lastError() const
    {
        return failure_.failed() ? failure_.path + QStringLiteral(": ") + failure_.systemText
                                 : QString();
    }

private:
    void readAvailable();
    void deliver();
    bool fail(OpenFailure::Kind kind, const QString& why);
    void portError(QSerialPort::SerialPortError error);
    void loseConnection();

    QSerialPort port_;
    int comNumber_ = 1;
    QString deviceOverride_;
    OpenFailure failure_;
    bool opening_ = false;    // inside open(): errors there are open failures
    bool closing_ = false;    // inside close(): errors there are of no interest
    bool lost_ = false;       // a read or write error seen; the close is queued
    QByteArray outgoing_;     // queued by sendByte, not yet flushed
    QByteArray pending_;      // received, not yet handed over
    qsizetype next_ = 0;      // index of the next byte of pending_ to hand over
    bool delivering_ = false;
};

}  // namespace fbe
