// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The serial ports the program offers, in the order of the menu "&COM port auswählen" and of
// "fbe-tool ports": COM1 .. COM4 with the devices PortNames maps them to, then the ports the
// system reports (QSerialPortInfo), then the paths in the environment variable
// FBE_EXTRA_PORTS (separated by ":"). A device is listed once, under the first of these that
// names it. On Linux a port is also known by its stable links in /dev/serial/by-id (adapters
// with a serial number) and /dev/serial/by-path (the USB socket), which survive re-plugging;
// the program remembers a port by such a link.
//
// The system reaches the catalogue through PortSource: SystemPortSource asks the system, tests
// offer adapters of their own.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace fbe {

// One port as the system reports it (QSerialPortInfo).
struct SystemPortInfo {
    QString portName;         // "ttyUSB0", "COM5"
    QString systemLocation;   // "/dev/ttyUSB0", "\\.\COM5"
    QString description;      // "FT232R USB UART"
    QString manufacturer;
    QString serialNumber;
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
};

// A stable name of a device: a link in /dev/serial/by-id or /dev/serial/by-path.
struct SerialLink {
    QString path;             // the link
    QString target;           // the device it points to, resolved
    bool byId = true;         // by-id; false: by-path
};

class PortSource {
public:
    virtual ~PortSource() = default;
    // The serial ports the system has now.
    virtual QList<SystemPortInfo> availablePorts() const = 0;
    // The stable links to them.
    virtual QList<SerialLink> serialLinks() const = 0;
    // Further device paths to offer (FBE_EXTRA_PORTS).
    virtual QStringList extraPorts() const = 0;
};

// The system itself: QSerialPortInfo::availablePorts(), the links below serialDir (Linux) and
// the environment variable FBE_EXTRA_PORTS.
class SystemPortSource : public PortSource {
public:
    explicit SystemPortSource(QString serialDir = QStringLiteral("/dev/serial"));
    QList<SystemPortInfo> availablePorts() const override;
    QList<SerialLink> serialLinks() const override;
    QStringList extraPorts() const override;

private:
    QString serialDir_;
};

// One port of the list.
struct PortEntry {
    QString name;             // "COM1" .. "COM4", else the short name ("ttyUSB0", "sim-com1")
    QString device;           // the device path ("/dev/ttyUSB0"; a path of FBE_EXTRA_PORTS as given)
    QString description;      // "FT232R USB UART"; "simuliertes Modul" for a pseudo-terminal
    QString manufacturer;
    QString serialNumber;
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
    QString byId;             // its /dev/serial/by-id link, empty when none
    QString byPath;           // its /dev/serial/by-path link, empty when none
    int comNumber = 0;        // 1..4 for the items COM1 .. COM4; 0 for a system port

    bool isEmpty() const { return device.isEmpty(); }
    bool isCom() const { return comNumber != 0; }
    // The stable link that names the port: by-id for an adapter with a serial number,
    // by-path for one without (its by-id name may be shared by two alike adapters).
    QString link() const;
    // What the port is opened and remembered by: link(), else the device path.
    QString path() const;
    // The menu text: "<name> - <description>", or the name alone.
    QString label() const;
    // The tooltip lines: device, maker, serial number, USB ids, stable link.
    QStringList details() const;
};

// Every port in menu order (see the top of this file).
QList<PortEntry> listPorts(const PortSource& source);
// A port given by any of its paths (device, link, path of FBE_EXTRA_PORTS), described as the
// list would describe it, also when the list does not hold it.
PortEntry describePort(const QString& path, const PortSource& source);
// The port of the list that has this name or is this device (by any of its paths); nullptr.
const PortEntry* findPort(const QList<PortEntry>& ports, const QString& nameOrPath);
// Whether two entries are the same device.
bool samePort(const PortEntry& a, const PortEntry& b);

// Whether a serial device exists at path now (a link that points nowhere does not).
bool portPresent(const QString& path, const PortSource& source);
// The short name of a port given by its path: the name of the device ("ttyUSB0" also for its
// by-id link), for a pseudo-terminal the name of the path as given ("sim-com1").
QString shortPortName(const QString& path);
// Whether the device is a pseudo-terminal (the simulated module's line).
bool isPseudoTerminal(const QString& path);

// The status panel's hint for a system port in use: "derzeit benützte serielle
// Schnittstelle (<device> - <description>)".
QString systemPortHint(const PortEntry& port);
// A path as a message shows it: characters that cannot be shown become "?".
QString printablePath(const QString& path);

}  // namespace fbe
