// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// One exchange with the receiver module over a byte port: identify the module and check its
// firmware version, then write the transmit buffer and read it back (operation 1), or read
// the module into the receive buffer (operation 3), the bytes that the image's checksum does
// not cover read twice. Driven by the received bytes and three timers of its clock on the
// GUI thread; nothing blocks. Works on the configuration's transmit and
// receive buffers and transfer result; knows no window.
#pragma once

#include "comm/OpenFailure.h"
#include "comm/TransferClock.h"
#include "config/Configuration.h"

#include <QObject>
#include <QString>
#include <array>
#include <memory>

namespace fbe {

class BytePort;

class TransferProtocol : public QObject {
    Q_OBJECT

public:
    enum Mode : quint8 { Identify = 0, Write = 1, Verify = 2, Read = 3 };

    static constexpr int ReplyTimeoutMs = 500;
    static constexpr int TxTickMs = 1;
    static constexpr int PhaseLength = 256;
    static constexpr int FirmwareMin = 349;
    static constexpr int FirmwareMax = 521;
    // Commands of a phase before this many replies wait for a send-timer tick.
    static constexpr int ImmediateFrom = 5;
    // The identification fails after more zero bytes than this before its reply, or when
    // its reply is not complete this long after the command: a line held in break sends
    // zero bytes without end.
    static constexpr int MaxLeadingZeros = 64;
    static constexpr int IdentifyDeadlineMs = 2000;
    // A read reads the bytes that the checksum does not cover a second time, after its 256
    // reads: 0, 1 and 224..254, in this order.
    static constexpr int RereadCount = 33;
    // The address of second read n (0 .. RereadCount - 1).
    static int rereadAddress(int n);

    // Wire commands.
    static constexpr quint8 CmdIdentify[3] = {0x00, 0xFF, 0x14};
    static constexpr quint8 CmdWrite = 0x32;
    static constexpr quint8 CmdRead = 0x28;
    static constexpr quint8 IdentifyReply = 0x14;

    TransferProtocol(Configuration& cfg, BytePort& port, QObject* parent = nullptr,
                     TransferClock& clock = TransferClock::system());
    ~TransferProtocol() override;

    void setPort(BytePort& port);
    BytePort& port() const { return *port_; }

    // The transfer request: portNumber 1..4; write selects operation 1 with a total of 512
    // bytes, otherwise operation 3 with 256. device: a system port's path, used in place of
    // the port number; empty for COM1..COM4.
    void setRequest(int portNumber, bool write, const QString& device = QString());

    // Starts the transfer (a no-op while one runs). The end is announced by finished(),
    // after the port has been closed and cfg.transfer.resultPending set.
    void start();
    // Ends a running transfer as failed with the given message (user abort).
    void abort(const QString& message);
    bool isRunning() const { return running_; }
    // An open port stays open at the start and at the end of a transfer (hands-free series
    // programming holds it between transfers). Off by default.
    void setKeepPortOpen(bool keep) { keepPortOpen_ = keep; }

    int portNumber() const { return portNumber_; }
    QString device() const { return device_; }
    int operation() const { return operation_; }
    int transferMode() const { return transferMode_; }
    int rxCount() const { return rxCount_; }
    int eepromAddress() const { return eepromAddress_; }
    int phaseLength() const { return phaseLength_; }
    int totalLength() const { return totalLength_; }
    int part() const { return part_; }
    int total() const { return total_; }
    QString action() const { return action_; }
    QString firmwareText() const { return firmwareText_; }

    // A version as the label "firmware" shows it: high byte, ".", low byte with two digits.
    static QString firmwareLabel(quint8 high, quint8 low);

    // value * 100 / denominator, the nearest integer, an exact half to the even neighbour.
    static int percent(int value, int denominator);

    // Bytes that a write compares after reading them back: the configuration
    // (0..101) and the version, type and time-base bytes (248..252).
    static bool comparedAfterWrite(int address);

    // Texts. They are German, as the result's message is kept (the production log holds it);
    // shown() gives a message or action in the language in use.
    static QString actionCheck() { return german(QT_TR_NOOP("check System")); }
    static QString actionWrite() { return german(QT_TR_NOOP("write configuration")); }
    static QString actionVerify() { return german(QT_TR_NOOP("verify configuration")); }
    static QString actionRead() { return german(QT_TR_NOOP("read configuration")); }
    static QString msgSuccess() { return german(QT_TR_NOOP("Übertragung erfolgreich")); }
    static QString msgOpenError(int portNumber);
    // The same for a system port, named by its short name ("ttyUSB0").
    static QString msgOpenError(const QString& portName);
    // The whole message of a port that cannot be opened: msgOpenError for COMn (device empty)
    // or the system port, and below it why, when the port knows.
    static QString msgOpenFailure(int portNumber, const QString& device, const OpenFailure& why);
    static QString msgConnectionLost()
    {
        return german(QT_TR_NOOP(" Verbindung zur Schnittstelle verloren"));
    }
    static QString msgNoReply() { return german(QT_TR_NOOP("keine Antwort --> Abbruch")); }
    static QString msgInterrupted()
    {
        return german(QT_TR_NOOP("Übertragung unterbrochen --> Abbruch"));
    }
    static QString msgIdentify() { return german(QT_TR_NOOP("Fehler bei Geräte-Identifizierung! ")); }
    static QString msgFirmware()
    {
        return german(QT_TR_NOOP("Die Firmware ist nicht mit dieser Software kompatibel !"));
    }
    // Second line below msgFirmware(): the version the module reported, as the label shows.
    static QString msgFirmwareFound(quint8 high, quint8 low);
    static QString msgWriteMismatch(int address);
    static QString msgVerifyMismatch(int address);
    // A byte read a second time differs from its first read.
    static QString msgRereadMismatch(int address);
    static QString msgAborted() { return german(QT_TR_NOOP("Übertragung abgebrochen")); }

    // A message or action of the transfer (every line of it, the reasons of an open failure
    // included) in the language in use; lines of other origin stay as they are.
    static QString shown(const QString& text);

signals:
    void actionChanged(const QString& text);
    void progressChanged(int part, int total);
    // An identification accepted this version; text as the label "firmware" shows it.
    void firmwareAccepted(const QString& text);
    // The transfer has ended; cfg.transfer holds its result.
    void finished();

private:
    static QString german(const char* text) { return QString::fromUtf8(text); }
    void startRS232();
    void sendstring(quint8 b1, quint8 b2, quint8 b3);
    void sendesofort();
    void TxTimerTimer();
    void RS232RxChar(quint8 b);
    void timeoutTimer();
    void identifyDeadlineTimer();
    void connectionLost();
    void fail(const QString& message);
    void FormClose();

    void setAction(const QString& text);
    void setGauges(int part, int total);
    void updateGauges();
    void restartTimeout();
    void beginPhase(Mode mode);

    Configuration& cfg_;
    BytePort* port_;
    TransferClock& clock_;
    std::unique_ptr<TransferClock::Timer> timeout_;
    qint64 restartedNs_ = 0;   // the clock when the reply time-out last started again
    std::unique_ptr<TransferClock::Timer> TxTimer_;
    std::unique_ptr<TransferClock::Timer> identifyDeadline_;

    int portNumber_ = 1;
    QString device_;
    quint8 operation_ = Write;
    int phaseLength_ = PhaseLength;
    int totalLength_ = 2 * PhaseLength;

    bool running_ = false;
    bool keepPortOpen_ = false;
    quint8 transferMode_ = Identify;
    int rxCount_ = 0;
    int eepromAddress_ = 0;
    std::array<quint8, 3> pendingCommand_{};
    std::array<quint8, 4> reply_{};   // identification reply bytes 1..3
    int leadingZeros_ = 0;            // zero bytes dropped before the identification reply

    int part_ = 0;
    int total_ = 0;
    QString action_;
    QString firmwareText_;
};

}  // namespace fbe
