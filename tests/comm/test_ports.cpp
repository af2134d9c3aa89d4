// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The serial ports the program offers: the merge and naming of the list, the reasons of a
// failed open, and a line lost in the middle of a transfer.
#include "CommTestSupport.h"
#include "FakePortSource.h"

#include "comm/ComProbe.h"
#include "comm/ModuleWrite.h"
#include "comm/OpenFailure.h"
#include "comm/PortCatalogue.h"
#include "comm/PortNames.h"
#include "comm/SerialPortService.h"
#include "comm/TransferProtocol.h"
#include "config/Refresh.h"
#include "support/OtherUser.h"

#include <QDir>
#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace fbe;
using commtest::ComMapping;
using commtest::FakePortSource;
using commtest::SimProcess;
using commtest::Terminal;

namespace {

bool touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}

bool link(const QString& target, const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    return QFile::link(target, path);
}

QStringList names(const QList<PortEntry>& ports)
{
    QStringList out;
    for (const PortEntry& p : ports)
        out << p.name;
    return out;
}

}  // namespace

TEST(PortCatalogue, EachDeviceListedOnceByItsNameWithItsStableLink)
{
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "the stable links exist on Linux";
#endif
    QTemporaryDir dir;
    Terminal com1Device, simDevice;
    ASSERT_FALSE(com1Device.device().isEmpty() || simDevice.device().isEmpty());
    const QString usb = dir.filePath(QStringLiteral("dev/ttyUSB7"));
    const QString acm = dir.filePath(QStringLiteral("dev/ttyACM0"));
    const QString byId = dir.filePath(QStringLiteral("serial/by-id/usb-FTDI_FT232R_USB_UART_A12345-if00-port0"));
    const QString usbByPath = dir.filePath(QStringLiteral("serial/by-path/pci-0000:00:14.0-usb-0:1:1.0-port0"));
    const QString acmById = dir.filePath(QStringLiteral("serial/by-id/usb-Arduino_Uno-if00"));
    const QString acmByPath = dir.filePath(QStringLiteral("serial/by-path/pci-0000:00:14.0-usb-0:2:1.0"));
    const QString sim = dir.filePath(QStringLiteral("sim-com1"));
    ASSERT_TRUE(touch(usb) && touch(acm));
    ASSERT_TRUE(link(usb, byId) && link(usb, usbByPath) && link(acm, acmById) && link(acm, acmByPath));
    ASSERT_TRUE(link(simDevice.device(), sim));
    ASSERT_TRUE(link(dir.filePath(QStringLiteral("dev/ttyUSB9")),
                     dir.filePath(QStringLiteral("serial/by-id/usb-unplugged"))));
    ComMapping com1(1, com1Device.device());
    ComMapping com2(2, dir.filePath(QStringLiteral("no-com2")));

    FakePortSource source;
    source.ports = {
        {QStringLiteral("ttyUSB7"), usb, QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI"),
         QStringLiteral("A12345"), 0x0403, 0x6001},
        {QStringLiteral("ttyACM0"), acm, QStringLiteral("Arduino Uno"), QStringLiteral("Arduino"),
         QString(), 0x2341, 0x0043},
        // The device COM1 maps to, as the system reports it: not listed twice.
        {QStringLiteral("pts"), com1Device.device(), QString(), QString(), QString(), {}, {}},
    };
    // The links as the system's own reader finds them (a link that points nowhere is none).
    source.links = SystemPortSource(dir.filePath(QStringLiteral("serial"))).serialLinks();
    EXPECT_EQ(source.links.size(), 4);
    source.extras = {sim, usb, dir.filePath(QStringLiteral("gone")), QStringLiteral("/dev/tty\nX")};

    const QList<PortEntry> ports = listPorts(source);
    ASSERT_EQ(names(ports), (QStringList{"COM1", "COM2", "COM3", "COM4", "ttyACM0", "ttyUSB7",
                                         "sim-com1", "gone"}));
    EXPECT_EQ(ports[0].device, com1Device.device());
    EXPECT_EQ(ports[0].description, QStringLiteral("simuliertes Modul"));
    EXPECT_EQ(ports[0].comNumber, 1);
    EXPECT_EQ(ports[1].device, dir.filePath(QStringLiteral("no-com2")));

    // An adapter with a serial number is known by its by-id link, also where it has a by-path
    // link as well.
    const PortEntry& ftdi = ports[5];
    EXPECT_EQ(ftdi.label(), QStringLiteral("ttyUSB7 - FT232R USB UART"));
    EXPECT_EQ(ftdi.device, usb);
    EXPECT_EQ(ftdi.byId, byId);
    EXPECT_EQ(ftdi.path(), byId);
    EXPECT_EQ(ftdi.details(), (QStringList{QStringLiteral("Gerät: ") + usb,
                                           QStringLiteral("Hersteller: FTDI"),
                                           QStringLiteral("Seriennummer: A12345"),
                                           QStringLiteral("USB-Kennung (VID:PID): 0403:6001"),
                                           QStringLiteral("fester Name: ") + byId}));
    // One without: by the socket it is plugged into.
    EXPECT_EQ(ports[4].byId, acmById);
    EXPECT_EQ(ports[4].path(), acmByPath);
    // The simulator's terminal by the name of its link.
    EXPECT_EQ(ports[6].label(), QStringLiteral("sim-com1 - simuliertes Modul"));
    EXPECT_EQ(ports[6].path(), sim);
    EXPECT_EQ(ports[7].label(), QStringLiteral("gone"));

    // Found by name or by any of its paths; a stored link is described as the list does.
    EXPECT_EQ(findPort(ports, QStringLiteral("sim-com1")), &ports[6]);
    EXPECT_EQ(findPort(ports, byId), &ports[5]);
    EXPECT_EQ(findPort(ports, QStringLiteral("ttyUSB8")), nullptr);
    const PortEntry stored = describePort(byId, source);
    EXPECT_EQ(stored.name, QStringLiteral("ttyUSB7"));
    EXPECT_EQ(stored.description, QStringLiteral("FT232R USB UART"));
    EXPECT_TRUE(samePort(stored, ftdi));
    EXPECT_EQ(shortPortName(byId), QStringLiteral("ttyUSB7"));
    EXPECT_EQ(systemPortHint(stored),
              QStringLiteral("derzeit benützte serielle Schnittstelle (") + usb
                  + QStringLiteral(" - FT232R USB UART)"));

    // Only a serial device that is there counts as present.
    EXPECT_TRUE(portPresent(sim, source));
    EXPECT_FALSE(portPresent(dir.filePath(QStringLiteral("serial/by-id/usb-unplugged")), source));
    EXPECT_FALSE(portPresent(usb, source));   // a plain file
    EXPECT_FALSE(portPresent(dir.filePath(QStringLiteral("gone")), source));
}

TEST(SerialPort, EachOpenFailureSaysWhy)
{
    QTemporaryDir dir;
    Terminal free, held, guarded;
    QSerialPort holder(held.device());
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    const QString heldLink = dir.filePath(QStringLiteral("held-link"));
    ASSERT_TRUE(QFile::link(held.device(), heldLink));
    const QString dangling = dir.filePath(QStringLiteral("usb-unplugged"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("ttyUSB9")), dangling));
    // A device its user may not open. The super-user may open anything: for him the user
    // nobody tries a node of the terminal's device, in a folder nobody can reach.
    QString denied = guarded.device();
    if (fbe::test::isRoot()) {
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(denied).constData(), &st), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        denied = dir.filePath(QStringLiteral("ttyUSB5"));
        ASSERT_EQ(::mknod(QFile::encodeName(denied).constData(), S_IFCHR | 0660, st.st_rdev), 0)
            << std::strerror(errno);
    } else {
        ASSERT_EQ(::chmod(QFile::encodeName(denied).constData(), 0), 0);
    }

    const QString busy = QStringLiteral("von einem anderen Programm belegt");
    struct Case {
        QString path;
        OpenFailure::Kind kind;
        QString reason;
        QString named;   // the device the reason names
    };
    const Case cases[] = {
        {free.device(), OpenFailure::None, QString(), free.device()},
        {dir.filePath(QStringLiteral("ttyUSB9")), OpenFailure::Missing,
         QStringLiteral("Gerät nicht vorhanden"), dir.filePath(QStringLiteral("ttyUSB9"))},
        {dangling, OpenFailure::Missing, QStringLiteral("Gerät nicht vorhanden"), dangling},
        {held.device(), OpenFailure::Busy, busy, held.device()},
        // Another name of the held device: held all the same, and named by its device.
        {heldLink, OpenFailure::Busy, busy, held.device()},
        {dir.path(), OpenFailure::Other, QStringLiteral("Fehler beim Öffnen (Is a directory)"),
         dir.path()},
        {denied, OpenFailure::Permission,
         QStringLiteral("keine Berechtigung (Benutzer in die Gruppe dialout "
                        "aufnehmen und neu anmelden)"),
         denied},
    };

    SerialPortService port;
    // The second line a user sees when opening the port, and that the menu's probe finds.
    const auto seen = [&port](const QString& path) {
        port.setDevicePath(path);
        const bool opened = port.open();
        port.close();
        const OpenFailure f = port.openFailure();
        PortEntry e;
        e.name = shortPortName(path);
        e.device = path;
        const OpenFailure probed = probePorts(port, {e}).at(0);
        if (opened == f.failed() || probed.kind != f.kind || probed.line() != f.line())
            return QStringLiteral("<open() %1, failure %2, probe %3>")
                .arg(opened).arg(f.line(), probed.line());
        return f.line();
    };
    for (const Case& c : cases) {
        const QString line = c.kind == OpenFailure::Permission
            ? fbe::test::asNobody([&] { return seen(c.path); })
            : seen(c.path);
        EXPECT_EQ(line, c.reason.isEmpty() ? QString()
                                           : QLatin1Char(' ') + c.named + QStringLiteral(": ") + c.reason)
            << c.path.toStdString();
    }
    // The probe leaves the port on its COM number.
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.devicePath(), comDevicePath(port.comNumber()));

#ifdef Q_OS_LINUX
    // A CDC ACM adapter is often held by the modem manager, also when chosen by a link.
    const QString acm = dir.filePath(QStringLiteral("ttyACM0"));
    const QString acmLink = dir.filePath(QStringLiteral("usb-Arduino_Uno-if00"));
    ASSERT_TRUE(touch(acm) && link(acm, acmLink));
    for (const QString& path : {QStringLiteral("/dev/ttyACM3"), acmLink})
        EXPECT_EQ((OpenFailure{OpenFailure::Busy, path, {}}.reason()),
                  busy + QStringLiteral(" (evtl. ModemManager)")) << path.toStdString();
#endif
}

namespace {

TransferOutcome runTransfer(Configuration& cfg, BytePort& port, bool write, int number,
                            const QString& device)
{
    TransferProtocol protocol(cfg, port);
    bool ended = false;
    QObject::connect(&protocol, &TransferProtocol::finished, [&] { ended = true; });
    cfg.transfer.resultPending = false;
    protocol.setRequest(number, write, device);
    protocol.start();
    EXPECT_TRUE(commtest::runUntil([&] { return ended; }, 30000));
    return TakeTransferResult(cfg);
}

}  // namespace

TEST(Transfer, OpenErrorOfASystemPortNamesItAndSaysWhy)
{
    QTemporaryDir dir;
    const QString usb = dir.filePath(QStringLiteral("ttyUSB9"));
    SerialPortService port;
    Configuration cfg;
    NeueDatei(cfg);
    const TransferOutcome r = runTransfer(cfg, port, false, 1, usb);
    EXPECT_EQ(r.message, QStringLiteral("Fehler bei Öffnen von Com-Port: ttyUSB9\n ") + usb
                             + QStringLiteral(": Gerät nicht vorhanden\n Konfiguration unverändert"));
    EXPECT_TRUE(r.failed);
}

TEST(Transfer, LineHungUpMidRunEndsItAtOnceWithItsOwnSecondLine)
{
    // The simulator hangs up after the identification and 97 write replies; a module that
    // merely falls silent ends with the first line alone, after the reply time-out.
    SimProcess sim({QStringLiteral("--hangup-after"), QStringLiteral("100")});
    ASSERT_TRUE(sim.ok());
    SerialPortService port;
    Configuration cfg;
    NeueDatei(cfg);
    PrepareModuleWrite(cfg);
    const TransferOutcome r = runTransfer(cfg, port, true, 1, sim.device());
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.message, QStringLiteral("Übertragung unterbrochen --> Abbruch\n"
                                        " Verbindung zur Schnittstelle verloren\n"
                                        " Modul unvollständig programmiert - bitte erneut programmieren"));
    EXPECT_FALSE(r.counted);
    EXPECT_FALSE(port.isOpen());
}
