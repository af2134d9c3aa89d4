// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "comm/SerialPortService.h"

#include "comm/PortNames.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace fbe {

namespace {

// The name handed to QSerialPort: on Unix the device a link points to, so that the lock file
// and the exclusive use belong to the device, whichever of its names was chosen.
QString systemName(const QString& path)
{
#ifdef Q_OS_UNIX
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
#endif
    return path;
}

// What a failed QSerialPort::open() means for the user. Qt reports a missing permission and
// a port held by another program (its lock file or EBUSY) both as PermissionError; whether
// the user may open the device at all tells them apart.
OpenFailure::Kind classify(QSerialPort::SerialPortError error, const QString& path)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return OpenFailure::Missing;
    case QSerialPort::PermissionError:
#ifdef Q_OS_UNIX
        if (::access(QFile::encodeName(path).constData(), R_OK | W_OK) != 0 && errno == EACCES)
            return OpenFailure::Permission;
#endif
        // Windows denies the access to a port that another program has open.
        return OpenFailure::Busy;
    case QSerialPort::OpenError:
        return OpenFailure::Busy;
    default:
        break;
    }
#ifdef Q_OS_UNIX
    if (!QFileInfo::exists(path))
        return OpenFailure::Missing;
#endif
    return OpenFailure::Other;
}

}  // namespace

SerialPortService::SerialPortService(QObject* parent) : QObject(parent)
{
    connect(&port_, &QSerialPort::readyRead, this, &SerialPortService::readAvailable);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPortService::portError);
}

SerialPortService::~SerialPortService()
{
    close();
}

QString SerialPortService::devicePath() const
{
    const QString path = deviceOverride_.isEmpty() ? comDevicePath(comNumber_) : deviceOverride_;
#ifdef Q_OS_UNIX
    if (!path.isEmpty() && !path.contains(QLatin1Char('/')))
        return QStringLiteral("/dev/") + path;
#endif
    return path;
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

bool SerialPortService::fail(OpenFailure::Kind kind, const QString& why)
{
    failure_.kind = kind;
    failure_.systemText = why;
    if (port_.isOpen())
        port_.close();
    port_.clearError();
    opening_ = false;
    return false;
}

bool SerialPortService::open()
{
    if (isOpen())
        return true;
    pending_.clear();
    next_ = 0;
    lost_ = false;
    // A failure names the device itself when the chosen name is a link to it: that is the
    // file whose owner and group tell about a missing permission.
    const QString device = systemName(devicePath());
    failure_ = OpenFailure{};
    failure_.path = device;
    opening_ = true;
    port_.setPortName(device);
    if (!port_.open(QIODevice::ReadWrite))
        return fail(classify(port_.error(), device), port_.errorString());
    if (!port_.setBaudRate(BaudRate))
        return fail(OpenFailure::Other, QStringLiteral("14400 Baud abgelehnt: ") + port_.errorString());
    if (!port_.setDataBits(QSerialPort::Data8) || !port_.setParity(QSerialPort::NoParity)
        || !port_.setStopBits(QSerialPort::OneStop)
        || !port_.setFlowControl(QSerialPort::NoFlowControl))
        return fail(OpenFailure::Other, port_.errorString());
    // A pseudo-terminal or an adapter without modem lines refuses these; that is no error.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
    opening_ = false;
    return true;
}

void SerialPortService::close()
{
    outgoing_.clear();
    pending_.clear();
    next_ = 0;
    lost_ = false;
    // A handler that closes the port may open it again from a nested event loop; its bytes
    // must not wait for the handler to return.
    delivering_ = false;
    if (!port_.isOpen())
        return;
    closing_ = true;
    port_.clear(QSerialPort::AllDirections);
    port_.close();
    port_.clearError();
    closing_ = false;
}

void SerialPortService::portError(QSerialPort::SerialPortError error)
{
    if (opening_ || closing_ || lost_ || !port_.isOpen())
        return;
    if (error != QSerialPort::ReadError && error != QSerialPort::WriteError
        && error != QSerialPort::ResourceError)
        return;
    // The device is gone or hung up. Its descriptor stays readable, so every pass of the event
    // loop would report the error again: the port is closed as soon as QSerialPort has left
    // the notification that reported it.
    lost_ = true;
    QMetaObject::invokeMethod(this, &SerialPortService::loseConnection, Qt::QueuedConnection);
}

void SerialPortService::loseConnection()
{
    if (!lost_)
        return;   // closed (and perhaps opened again) in the meantime
    close();
    if (onLost)
        onLost();
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
