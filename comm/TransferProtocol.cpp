// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "comm/TransferProtocol.h"

#include "comm/BytePort.h"
#include "comm/PortCatalogue.h"
#include "config/Formatting.h"
#include "config/Language.h"
#include "config/Refresh.h"

namespace fbe {

TransferProtocol::TransferProtocol(Configuration& cfg, BytePort& port, QObject* parent,
                                   TransferClock& clock)
    : QObject(parent),
      cfg_(cfg),
      port_(nullptr),
      clock_(clock),
      timeout_(clock.timer([this] { timeoutTimer(); })),
      TxTimer_(clock.timer([this] { TxTimerTimer(); })),
      identifyDeadline_(clock.timer([this] { identifyDeadlineTimer(); }))
{
    setPort(port);
}

TransferProtocol::~TransferProtocol()
{
    if (port_) {
        if (running_)
            port_->close();
        port_->onByte = nullptr;
        port_->onLost = nullptr;
    }
}

void TransferProtocol::setPort(BytePort& port)
{
    if (port_ == &port)
        return;
    if (port_) {
        port_->onByte = nullptr;
        port_->onLost = nullptr;
    }
    port_ = &port;
    port_->onByte = [this](quint8 b) { RS232RxChar(b); };
    port_->onLost = [this] { connectionLost(); };
}

void TransferProtocol::setRequest(int portNumber, bool write, const QString& device)
{
    portNumber_ = portNumber;
    device_ = device;
    operation_ = write ? Write : Read;
    phaseLength_ = PhaseLength;
    totalLength_ = write ? 2 * PhaseLength : PhaseLength + RereadCount;
    cfg_.transfer.writeRun = write;
    cfg_.transfer.moduleWritten = false;
}

namespace {

// The texts with values, German.
const char* const OpenErrorText = QT_TRANSLATE_NOOP("fbe::TransferProtocol",
                                                    "Fehler bei Öffnen von Com-Port: %1");
const char* const WriteMismatchText = QT_TRANSLATE_NOOP(
    "fbe::TransferProtocol", "Übertragungsfehler bei Sendeadresse: [%1] !");
const char* const VerifyMismatchText = QT_TRANSLATE_NOOP(
    "fbe::TransferProtocol", "Vergleichsfehler bei Leseadresse: [%1] !");
const char* const RereadMismatchText = QT_TRANSLATE_NOOP(
    "fbe::TransferProtocol", "Lesefehler bei Leseadresse: [%1] !");
const char* const FirmwareFoundText = QT_TRANSLATE_NOOP("fbe::TransferProtocol",
                                                        " gefundene Firmware: %1");

}  // namespace

QString TransferProtocol::shown(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const QString translated = language::translateLine(
            "fbe::TransferProtocol", line,
            {OpenErrorText, WriteMismatchText, VerifyMismatchText, RereadMismatchText,
             FirmwareFoundText, QT_TR_NOOP("check System"), QT_TR_NOOP("write configuration"),
             QT_TR_NOOP("verify configuration"), QT_TR_NOOP("read configuration"),
             QT_TR_NOOP("Übertragung erfolgreich"),
             QT_TR_NOOP(" Verbindung zur Schnittstelle verloren"),
             QT_TR_NOOP("keine Antwort --> Abbruch"),
             QT_TR_NOOP("Übertragung unterbrochen --> Abbruch"),
             QT_TR_NOOP("Fehler bei Geräte-Identifizierung! "),
             QT_TR_NOOP("Die Firmware ist nicht mit dieser Software kompatibel !"),
             QT_TR_NOOP("Übertragung abgebrochen")});
        if (translated != line) {
            line = translated;
            continue;
        }
        // The lines the taking of the result adds, and the port's reasons.
        const QString result = shownResultLine(line);
        line = result != line ? result : OpenFailure::shown(line);
    }
    return lines.join(QLatin1Char('\n'));
}

QString TransferProtocol::msgOpenError(int portNumber)
{
    return msgOpenError(QStringLiteral("COM%1").arg(portNumber));
}

QString TransferProtocol::msgOpenError(const QString& portName)
{
    return german(OpenErrorText).arg(portName);
}

QString TransferProtocol::msgOpenFailure(int portNumber, const QString& device,
                                         const OpenFailure& why)
{
    QString message = device.isEmpty() ? msgOpenError(portNumber)
                                       : msgOpenError(shortPortName(device));
    if (why.failed())
        message += QLatin1Char('\n') + why.line();
    return message;
}

QString TransferProtocol::msgWriteMismatch(int address)
{
    return german(WriteMismatchText).arg(address);
}

QString TransferProtocol::msgVerifyMismatch(int address)
{
    return german(VerifyMismatchText).arg(address);
}

QString TransferProtocol::msgRereadMismatch(int address)
{
    return german(RereadMismatchText).arg(address);
}

int TransferProtocol::rereadAddress(int n)
{
    return n < 2 ? n : img::Checksum - RereadCount + n;
}

QString TransferProtocol::firmwareLabel(quint8 high, quint8 low)
{
    return QString::number(high) + QLatin1Char('.') + PadLeft(2, QLatin1Char('0'), low);
}

QString TransferProtocol::msgFirmwareFound(quint8 high, quint8 low)
{
    return german(FirmwareFoundText).arg(firmwareLabel(high, low));
}

int TransferProtocol::percent(int value, int denominator)
{
    if (denominator <= 0)
        return 0;
    const qint64 scaled = qint64(value) * 100;
    qint64 q = scaled / denominator;
    const qint64 twiceRest = 2 * (scaled % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && (q % 2) != 0))
        ++q;
    return int(q);
}

bool TransferProtocol::comparedAfterWrite(int address)
{
    return (address >= 0 && address <= img::OptionFlags)
           || (address >= img::SoftwareMajor && address <= img::Timebase);
}

void TransferProtocol::setAction(const QString& text)
{
    action_ = text;
    emit actionChanged(text);
}

void TransferProtocol::setGauges(int part, int total)
{
    if (part == part_ && total == total_)
        return;
    part_ = part;
    total_ = total;
    emit progressChanged(part_, total_);
}

void TransferProtocol::updateGauges()
{
    const int done = transferMode_ == Verify ? rxCount_ + PhaseLength : rxCount_;
    setGauges(percent(rxCount_, phaseLength_), percent(done, totalLength_));
}

void TransferProtocol::restartTimeout()
{
    // Restarted on every byte: only the moment is noted here, and a tick that comes early
    // for it waits the rest (timeoutTimer), which spares the timer list a change per byte.
    restartedNs_ = clock_.nowNs();
    if (!timeout_->isActive())
        timeout_->start(ReplyTimeoutMs);
}

void TransferProtocol::start()
{
    if (running_)
        return;
    running_ = true;
    // An open port is reopened under the new number; closing it below makes that moot.
    port_->setDevicePath(device_);
    if (port_->setComNumber(portNumber_) && !keepPortOpen_)
        port_->close();
    cfg_.transfer.transferMessage = msgSuccess();
    cfg_.transfer.transferFailed = false;
    cfg_.transfer.writeRun = operation_ == Write;
    cfg_.transfer.moduleWritten = false;
    setGauges(part_, 0);
    transferMode_ = Identify;
    startRS232();
}

void TransferProtocol::startRS232()
{
    setGauges(0, total_);
    restartTimeout();
    rxCount_ = 0;
    leadingZeros_ = 0;
    setAction(actionCheck());
    if (!port_->isOpen() && !port_->open()) {
        fail(msgOpenFailure(portNumber_, device_, port_->openFailure()));
        return;
    }
    port_->discardInput();
    port_->discardOutput();
    sendstring(CmdIdentify[0], CmdIdentify[1], CmdIdentify[2]);
}

void TransferProtocol::sendstring(quint8 b1, quint8 b2, quint8 b3)
{
    pendingCommand_ = {b1, b2, b3};
    if (rxCount_ >= ImmediateFrom)
        sendesofort();
    else
        TxTimer_->start(TxTickMs);
}

void TransferProtocol::sendesofort()
{
    if (pendingCommand_[0] == CmdWrite)
        cfg_.transfer.moduleWritten = true;   // from now on the module may differ
    if (transferMode_ == Identify)
        identifyDeadline_->start(IdentifyDeadlineMs);
    port_->sendByte(pendingCommand_[0]);
    port_->sendByte(pendingCommand_[1]);
    port_->discardInput();
    port_->sendByte(pendingCommand_[2]);
    port_->flush();   // the whole command in one write, without waiting for the event loop
}

void TransferProtocol::TxTimerTimer()
{
    TxTimer_->stop();
    if (running_)
        sendesofort();
}

void TransferProtocol::RS232RxChar(quint8 b)
{
    if (!running_)
        return;
    restartTimeout();
    ++rxCount_;
    ++eepromAddress_;

    switch (transferMode_) {
    case Identify: {
        if (rxCount_ <= 3)
            reply_[rxCount_] = b;
        if (rxCount_ == 1 && b == 0x00) {
            // Leading zero bytes before the reply; a line held in break sends no end of them.
            if (++leadingZeros_ > MaxLeadingZeros) {
                fail(msgIdentify());
                return;
            }
            rxCount_ = 0;
            return;
        }
        if (rxCount_ < 3)
            return;
        if (reply_[1] != IdentifyReply) {
            fail(msgIdentify());
            return;
        }
        const int version = reply_[2] * 256 + reply_[3];
        if (version > FirmwareMax || version < FirmwareMin) {
            fail(msgFirmware() + QLatin1Char('\n') + msgFirmwareFound(reply_[2], reply_[3]));
            return;
        }
        identifyDeadline_->stop();
        firmwareText_ = firmwareLabel(reply_[2], reply_[3]);
        emit firmwareAccepted(firmwareText_);
        transferMode_ = operation_;
        // A read's phase goes on with the second reads, without a new start.
        phaseLength_ = operation_ == Read ? PhaseLength + RereadCount : PhaseLength;
        eepromAddress_ = 0;
        rxCount_ = 0;
        port_->discardInput();
        if (operation_ == Write) {
            setAction(actionWrite());
            sendstring(CmdWrite, 0, cfg_.txBuffer[0]);
            cfg_.transfer.programmed = true;
        } else {
            setAction(actionRead());
            sendstring(CmdRead, 0, 0);
        }
        return;
    }
    case Write: {
        const int address = eepromAddress_ - 1;
        if (b != cfg_.txBuffer[address]) {
            fail(msgWriteMismatch(address));
            return;
        }
        updateGauges();
        if (rxCount_ < phaseLength_) {
            sendstring(CmdWrite, quint8(eepromAddress_), cfg_.txBuffer[eepromAddress_]);
            return;
        }
        setAction(actionVerify());
        transferMode_ = Verify;
        phaseLength_ = PhaseLength;
        eepromAddress_ = 0;
        rxCount_ = 0;
        port_->discardInput();
        port_->discardOutput();
        sendstring(CmdRead, 0, 0);
        return;
    }
    case Verify:
    case Read:
    default: {
        updateGauges();
        // Reply n of the phase (from 1) is for address n - 1 up to 256, then for the
        // addresses read a second time.
        const auto addressOf = [](int n) {
            return n <= PhaseLength ? n - 1 : rereadAddress(n - 1 - PhaseLength);
        };
        const int address = addressOf(rxCount_);
        if (rxCount_ <= PhaseLength) {
            cfg_.rxBuffer[address] = b;
        } else if (b != cfg_.rxBuffer[address]) {
            fail(msgRereadMismatch(address));
            return;
        }
        if (rxCount_ < phaseLength_) {
            eepromAddress_ = addressOf(rxCount_ + 1);
            sendstring(CmdRead, quint8(eepromAddress_), 0);
            return;
        }
        if (transferMode_ == Verify) {
            // The checksum covers only part of the image: compare what the module must hold.
            for (int a = 0; a < PhaseLength; ++a) {
                if (comparedAfterWrite(a) && cfg_.rxBuffer[a] != cfg_.txBuffer[a]) {
                    fail(msgVerifyMismatch(a));
                    return;
                }
            }
        }
        FormClose();
        return;
    }
    }
}

void TransferProtocol::timeoutTimer()
{
    if (!running_)
        return;
    const qint64 leftNs = qint64(ReplyTimeoutMs) * 1000000 - (clock_.nowNs() - restartedNs_);
    if (leftNs > 0) {
        timeout_->start(int((leftNs + 999999) / 1000000));
        return;
    }
    fail(rxCount_ == 0 ? msgNoReply() : msgInterrupted());
}

void TransferProtocol::identifyDeadlineTimer()
{
    // Bytes came (each restarts the reply time-out), but no complete reply.
    if (running_ && transferMode_ == Identify)
        fail(msgIdentify());
}

void TransferProtocol::connectionLost()
{
    // At once, not after the reply time-out: the port is closed and nothing more can come.
    if (running_)
        fail(msgInterrupted() + QLatin1Char('\n') + msgConnectionLost());
}

void TransferProtocol::fail(const QString& message)
{
    cfg_.transfer.transferFailed = true;
    cfg_.transfer.transferMessage = message;
    FormClose();
}

void TransferProtocol::abort(const QString& message)
{
    if (running_)
        fail(message);
}

void TransferProtocol::FormClose()
{
    timeout_->stop();
    TxTimer_->stop();
    identifyDeadline_->stop();
    running_ = false;
    cfg_.transfer.resultPending = true;
    if (!keepPortOpen_ || cfg_.transfer.transferFailed)
        port_->close();
    if (cfg_.transfer.transferFailed)
        cfg_.transfer.programmed = false;
    emit finished();
}

}  // namespace fbe
