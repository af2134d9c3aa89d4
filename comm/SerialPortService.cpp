#include "comm/SerialPortService.h"

#include "comm/PortNames.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace fbe {

SerialPortService::SerialPortService(QObject* parent) : QObject(parent)
{
    connect(&port_, &QSerialPort::readyRead, this, &SerialPortService::readAvailable);
}

SerialPortService::~SerialPortService()
{
    close();
}

QString SerialPortService::devicePath() const
{
    return deviceOverride_.isEmpty() ? comDevicePath(comNumber_) : deviceOverride_;
}

bool SerialPortService::setComNumber(int number)
{
    if (number == comNumber_)
        return true;
    if (!isOpen()) {
        comNumber_ = number;
        return true;
    }
    close();
    comNumber_ = number;
    return open();
}

bool SerialPortService::fail(const QString& why)
{
    lastError_ = devicePath() + QStringLiteral(": ") + why;
    if (port_.isOpen())
        port_.close();
    port_.clearError();
    return false;
}

bool SerialPortService::open()
{
    if (isOpen())
        return true;
    lastError_.clear();
    pending_.clear();
    next_ = 0;
    port_.setPortName(devicePath());
    if (!port_.open(QIODevice::ReadWrite))
        return fail(port_.errorString());
    if (!port_.setBaudRate(BaudRate))
        return fail(QStringLiteral("14400 Baud abgelehnt: ") + port_.errorString());
    if (!port_.setDataBits(QSerialPort::Data8) || !port_.setParity(QSerialPort::NoParity)
        || !port_.setStopBits(QSerialPort::OneStop)
        || !port_.setFlowControl(QSerialPort::NoFlowControl))
        return fail(port_.errorString());
    // A pseudo-terminal or an adapter without modem lines refuses these; that is no error.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
    return true;
}

void SerialPortService::close()
{
    outgoing_.clear();
    pending_.clear();
    next_ = 0;
    // A handler that closes the port may open it again from a nested event loop; its bytes
    // must not wait for the handler to return.
    delivering_ = false;
    if (!port_.isOpen())
        return;
    port_.clear(QSerialPort::AllDirections);
    port_.close();
    port_.clearError();
}

void SerialPortService::discardInput()
{
    if (!isOpen())
        return;
    pending_.clear();
    next_ = 0;
    port_.clear(QSerialPort::Input);
}

void SerialPortService::discardOutput()
{
    if (!isOpen())
        return;
    outgoing_.clear();
    port_.clear(QSerialPort::Output);
}

void SerialPortService::sendByte(quint8 byte)
{
    if (!isOpen())
        return;
    outgoing_.append(static_cast<char>(byte));
}

void SerialPortService::flush()
{
    if (!isOpen() || outgoing_.isEmpty())
        return;
    qsizetype written = 0;
#ifdef Q_OS_UNIX
    // Straight to the device (opened non-blocking): QSerialPort's own write path switches a
    // write notifier on and off for every write, which costs two extra passes of the event
    // loop per command. Whatever the device does not take goes the queued way below.
    if (port_.bytesToWrite() == 0) {
        const ssize_t n = ::write(int(port_.handle()), outgoing_.constData(), size_t(outgoing_.size()));
        if (n > 0)
            written = n;
    }
#endif
    if (written < outgoing_.size()) {
        port_.write(outgoing_.constData() + written, outgoing_.size() - written);
        port_.flush();
    }
    outgoing_.clear();
}

void SerialPortService::readAvailable()
{
    const qint64 available = port_.bytesAvailable();
    if (available > 0) {
        const qsizetype old = pending_.size();
        pending_.resize(old + available);
        const qint64 got = port_.read(pending_.data() + old, available);
        pending_.resize(old + qMax<qint64>(got, 0));
    }
    deliver();
}

void SerialPortService::deliver()
{
    // A handler that spins an event loop must not receive a later byte before it returns.
    if (delivering_)
        return;
    delivering_ = true;
    while (next_ < pending_.size() && isOpen()) {
        const auto byte = static_cast<quint8>(pending_.at(next_++));
        if (onByte)
            onByte(byte);
    }
    if (next_ >= pending_.size()) {
        pending_.clear();
        next_ = 0;
    }
    delivering_ = false;
}

}  // namespace fbe
