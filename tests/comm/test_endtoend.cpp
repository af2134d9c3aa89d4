// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Whole transfers through a real pseudo-terminal against fbe-module-sim, the serial port
// service and the COM port probe.
#include "CommTestSupport.h"

#include "comm/ComProbe.h"
#include "comm/ModuleWrite.h"
#include "comm/PortNames.h"
#include "comm/SerialPortService.h"
#include "comm/TransferProtocol.h"
#include "config/ImageCodec.h"
#include "config/Refresh.h"

#include <QSerialPort>
#include <QTemporaryDir>
#include <QThread>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace fbe;
using commtest::ComMapping;
using commtest::SimProcess;

namespace {

// A configuration as a user would build it: a few codes with functions and outputs.
Configuration userConfiguration()
{
    Configuration cfg;
    NeueDatei(cfg);
    commtest::setUserCodes(cfg);
    cfg.initout2 = true;
    cfg.pruefanzahl = 5;
    cfg.sperrzeit = 40;
    return cfg;
}

struct Session {
    Configuration cfg;
    SerialPortService port;
    TransferProtocol protocol{cfg, port};
    bool ended = false;

    Session()
    {
        QObject::connect(&protocol, &TransferProtocol::finished, [this] { ended = true; });
    }

    TransferOutcome run(bool write, int portNumber = 1)
    {
        ended = false;
        cfg.transfer.resultPending = false;
        protocol.setRequest(portNumber, write);
        protocol.start();
        // Generous: on a loaded machine every reply waits for the simulator to be scheduled.
        EXPECT_TRUE(commtest::runUntil([this] { return ended; }, 30000));
        EXPECT_FALSE(port.isOpen());
        return TakeTransferResult(cfg);
    }
};

}  // namespace

TEST(EndToEnd, ProgramThenReadBackGivesTheSameConfiguration)
{
    SimProcess sim;
    ASSERT_TRUE(sim.ok());
    ComMapping com(2, sim.device());

    Session writer;
    writer.cfg = userConfiguration();
    PrepareModuleWrite(writer.cfg);
    const Image sent = writer.cfg.txBuffer;
    const TransferOutcome w = writer.run(true, 2);
    EXPECT_FALSE(w.failed) << w.message.toStdString();
    EXPECT_EQ(w.message, QStringLiteral("Übertragung erfolgreich"));
    EXPECT_TRUE(w.counted);
    EXPECT_EQ(writer.cfg.progcounter, 1);
    EXPECT_EQ(writer.protocol.firmwareText(), QStringLiteral("2.05"));
    EXPECT_EQ(writer.cfg.firmware, 0x0205);

    Session reader;
    NeueDatei(reader.cfg);
    const TransferOutcome r = reader.run(false, 2);
    EXPECT_FALSE(r.failed) << r.message.toStdString();
    EXPECT_FALSE(r.counted);
    for (int a = 0; a < 256; ++a) {
        if (a == img::Firmware || a == img::Firmware + 1)
            continue;
        EXPECT_EQ(reader.cfg.rxBuffer[a], sent[a]) << "address " << a;
    }
    EXPECT_EQ(reader.cfg.rxBuffer[img::Firmware], 0x02);
    EXPECT_EQ(reader.cfg.rxBuffer[img::Firmware + 1], 0x05);
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(reader.cfg.codes[n], writer.cfg.codes[n]) << "code " << n;
    EXPECT_EQ(reader.cfg.codes[3].address, 0u);
    EXPECT_TRUE(reader.cfg.initout2);
    EXPECT_EQ(reader.cfg.pruefanzahl, 5);
    EXPECT_EQ(reader.cfg.sperrzeit, 40);
}

TEST(EndToEnd, PortIsClosedAfterEveryRunAndReopenedByTheNext)
{
    SimProcess sim;
    ASSERT_TRUE(sim.ok());
    ComMapping com(1, sim.device());
    Session s;
    for (int i = 0; i < 2; ++i) {
        const TransferOutcome r = s.run(false);
        EXPECT_FALSE(r.failed) << r.message.toStdString();
        EXPECT_FALSE(s.port.isOpen());
        // Nobody holds the device now: another program can open it.
        QSerialPort other(sim.device());
        EXPECT_TRUE(other.open(QIODevice::ReadWrite)) << other.errorString().toStdString();
    }
}

TEST(EndToEnd, MissingDeviceIsAnOpenError)
{
    ComMapping com(3, QStringLiteral("/nonexistent/fbe-tty"));
    Session s;
    const TransferOutcome r = s.run(true, 3);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.message, QStringLiteral("Fehler bei Öffnen von Com-Port: COM3\n"
                                        " /nonexistent/fbe-tty: Gerät nicht vorhanden"));
    EXPECT_FALSE(r.counted);
}

// Every fault of the module, in a programming run and in a read: the message with its second
// line, nothing counted, and the configuration exactly as it was before the run.
TEST(EndToEnd, EachFaultOfTheModuleGivesItsMessageAndKeepsTheConfiguration)
{
    struct Case {
        QStringList args;
        bool write;
        QString message;
    };
    using namespace commtest::text;
    const QString firmware = QStringLiteral("Die Firmware ist nicht mit dieser Software kompatibel !"
                                            "\n gefundene Firmware: ");
    // A programming run that failed after a write command had gone out, and every read.
    const QString incomplete = QLatin1Char('\n') + Incomplete;
    const QString unchanged = QLatin1Char('\n') + Unchanged;
    const std::vector<Case> cases{
        {{"--no-reply"}, true, NoReply},
        {{"--bad-id"}, true, Identify},
        {{"--firmware", "348"}, true, firmware + "1.92"},
        {{"--firmware", "522"}, true, firmware + "2.10"},
        {{"--bad-echo", "17"}, true,
         QStringLiteral("Übertragungsfehler bei Sendeadresse: [17] !") + incomplete},
        {{"--silence-after", "40"}, true, Interrupted + incomplete},
        {{"--silence-after", "257"}, true, NoReply + incomplete},
        {{"--corrupt", "1"}, true,
         QStringLiteral("Vergleichsfehler bei Leseadresse: [1] !") + incomplete},
        {{"--corrupt", "150"}, true, Checksum + incomplete},
        {{"--corrupt", "150"}, false, Checksum + unchanged},
        {{"--no-reply"}, false, NoReply + unchanged},
        {{"--bad-id"}, false, Identify + unchanged},
        {{"--firmware", "0x020A"}, false, firmware + "2.10" + unchanged},
        {{"--silence-after", "40"}, false, Interrupted + unchanged},
        {{"--endless-zeros"}, true, Identify},
        {{"--endless-zeros"}, false, Identify + unchanged},
        {{"--flaky-read", "250"}, false,
         QStringLiteral("Lesefehler bei Leseadresse: [250] !") + unchanged},
        {{"--flaky-read", "1"}, true,
         QStringLiteral("Vergleichsfehler bei Leseadresse: [1] !") + incomplete},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString() + (c.write ? " write" : " read"));
        SimProcess sim(c.args);
        ASSERT_TRUE(sim.ok());
        ComMapping com(1, sim.device());
        Session s;
        s.cfg = userConfiguration();
        s.cfg.firmware = 0x0201;
        PrepareModuleWrite(s.cfg);
        const Configuration before = s.cfg;
        const TransferOutcome r = s.run(c.write);
        EXPECT_TRUE(r.failed);
        EXPECT_EQ(r.message, c.message);
        EXPECT_FALSE(r.counted);
        EXPECT_EQ(s.cfg.progcounter, 0);
        EXPECT_FALSE(s.cfg.transfer.programmed);
        for (int n = 1; n <= 8; ++n)
            EXPECT_EQ(s.cfg.codes[n], before.codes[n]) << "code " << n;
        EXPECT_EQ(s.cfg.pruefanzahl, before.pruefanzahl);
        EXPECT_EQ(s.cfg.initout2, before.initout2);
        EXPECT_EQ(s.cfg.sendImage, before.sendImage);
        EXPECT_EQ(s.cfg.readImage, before.readImage);
        EXPECT_EQ(s.cfg.txBuffer, before.txBuffer);
        EXPECT_EQ(s.cfg.firmware, 0x0201);
    }
}

TEST(EndToEnd, LeadingZerosBeforeTheIdentificationAreSkipped)
{
    SimProcess sim({"--leading-zeros", "4", "--firmware", "0x015D"});
    ASSERT_TRUE(sim.ok());
    ComMapping com(1, sim.device());
    Session s;
    const TransferOutcome r = s.run(false);
    EXPECT_FALSE(r.failed) << r.message.toStdString();
    EXPECT_EQ(s.protocol.firmwareText(), QStringLiteral("1.93"));
}

TEST(EndToEnd, EepromFileKeepsTheModuleAcrossRestartsAndTheFirmwareStays)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("module.eeprom"));
    Image sent{};
    {
        SimProcess sim({"--eeprom", file});
        ASSERT_TRUE(sim.ok());
        ComMapping com(1, sim.device());
        Session s;
        s.cfg = userConfiguration();
        PrepareModuleWrite(s.cfg);
        s.cfg.txBuffer[img::Firmware] = 0x12;   // the module keeps its own version here
        sent = s.cfg.txBuffer;
        const TransferOutcome r = s.run(true);
        EXPECT_FALSE(r.failed) << r.message.toStdString();
        EXPECT_TRUE(sim.stop());
    }
    QFile stored(file);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.size(), 256);
    SimProcess sim({"--eeprom", file, "--firmware", "0x0209"});
    ASSERT_TRUE(sim.ok());
    ComMapping com(1, sim.device());
    Session s;
    const TransferOutcome r = s.run(false);
    EXPECT_FALSE(r.failed) << r.message.toStdString();
    for (int a = 0; a < img::Firmware; ++a)
        EXPECT_EQ(s.cfg.rxBuffer[a], sent[a]) << "address " << a;
    EXPECT_EQ(s.cfg.rxBuffer[img::Firmware], 0x02);
    EXPECT_EQ(s.cfg.rxBuffer[img::Firmware + 1], 0x09);
}

TEST(EndToEnd, FreshModuleReadsAsANewConfiguration)
{
    SimProcess sim;
    ASSERT_TRUE(sim.ok());
    ComMapping com(1, sim.device());
    Session s;
    const TransferOutcome r = s.run(false);
    EXPECT_FALSE(r.failed) << r.message.toStdString();
    Configuration fresh;
    NeueDatei(fresh);
    EncodeImage(fresh);
    for (int a = 0; a < img::Firmware; ++a)
        EXPECT_EQ(s.cfg.rxBuffer[a], fresh.sendImage[a]) << "address " << a;
}

TEST(EndToEnd, LinkNamesTheTerminalUntilTheSimulatorEnds)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyFBE"));
    SimProcess sim({QStringLiteral("--link"), link});
    ASSERT_TRUE(sim.ok());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.device());
    ComMapping com(1, link);
    Session s;
    const TransferOutcome r = s.run(false);
    EXPECT_FALSE(r.failed) << r.message.toStdString();
    EXPECT_TRUE(sim.stop());
    EXPECT_FALSE(QFileInfo::exists(link));

    // A later simulator takes the link over; the earlier one, ending, leaves it alone.
    SimProcess first({QStringLiteral("--link"), link});
    SimProcess second({QStringLiteral("--link"), link});
    ASSERT_TRUE(first.ok() && second.ok());
    EXPECT_TRUE(first.stop());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), second.device());
    EXPECT_TRUE(second.stop());

    // A file at the link's path is never replaced.
    QFile file(link);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("wichtig");
    file.close();
    SimProcess refused({QStringLiteral("--link"), link});
    EXPECT_FALSE(refused.ok());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("wichtig"));
}

TEST(EndToEnd, PacedLineTakesTheWireTime)
{
    // identify, 256 reads and 33 second reads: 290 commands of 3 bytes and 292 reply bytes,
    // 10 bits each; a write run has 513 commands and 515 reply bytes, and with 1 ms of write
    // time per byte at least 256 ms more.
    SimProcess sim({QStringLiteral("--line-speed"), QStringLiteral("14400"),
                    QStringLiteral("--write-ms"), QStringLiteral("1")});
    ASSERT_TRUE(sim.ok());
    ComMapping com(1, sim.device());
    Session s;
    QElapsedTimer t;
    t.start();
    TransferOutcome r = s.run(false);
    const qint64 read = t.elapsed();
    EXPECT_FALSE(r.failed) << r.message.toStdString();
    EXPECT_GE(read, 1162 * 10 * 1000 / 14400);   // no upper bound: a loaded machine is slower

    PrepareModuleWrite(s.cfg);
    t.restart();
    r = s.run(true);
    EXPECT_FALSE(r.failed) << r.message.toStdString();
    EXPECT_GE(t.elapsed(), 2054 * 10 * 1000 / 14400 + 256);
}

TEST(SerialPort, SettingTheSameNumberWhileOpenChangesNothing)
{
    SimProcess sim;
    ASSERT_TRUE(sim.ok());
    ComMapping com(2, sim.device());
    SerialPortService port;
    EXPECT_TRUE(port.setComNumber(2));
    ASSERT_TRUE(port.open()) << port.lastError().toStdString();
    EXPECT_TRUE(port.setComNumber(2));
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.devicePath(), sim.device());
    port.close();
    port.close();   // harmless
    EXPECT_FALSE(port.isOpen());
}

TEST(SerialPort, RenumberingAnOpenPortReopensIt)
{
    SimProcess a;
    SimProcess b;
    ASSERT_TRUE(a.ok() && b.ok());
    ComMapping com1(1, a.device());
    ComMapping com2(2, b.device());
    SerialPortService port;
    port.setComNumber(1);
    ASSERT_TRUE(port.open());
    EXPECT_TRUE(port.setComNumber(2));
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.devicePath(), b.device());
    // COM1 is free again.
    QSerialPort other(a.device());
    EXPECT_TRUE(other.open(QIODevice::ReadWrite));
}

TEST(SerialPort, BytesArrivingWhileBusyAreDeliveredInOrderOnePerCall)
{
    SimProcess sim;
    ASSERT_TRUE(sim.ok());
    ComMapping com(1, sim.device());
    SerialPortService port;
    std::vector<quint8> got;
    port.onByte = [&](quint8 b) { got.push_back(b); };
    ASSERT_TRUE(port.open());
    // Ten read commands at once; the GUI thread is busy until all replies are queued.
    for (int a = 40; a < 50; ++a) {
        port.sendByte(0x28);
        port.sendByte(quint8(a));
        port.sendByte(0x00);
    }
    port.flush();
    QThread::msleep(100);
    EXPECT_TRUE(got.empty());
    ASSERT_TRUE(commtest::runUntil([&] { return got.size() >= 10; }, 15000));
    Configuration fresh;
    NeueDatei(fresh);
    EncodeImage(fresh);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(got[i], fresh.sendImage[40 + i]) << i;
}

TEST(SerialPort, DiscardInputDropsBytesNotYetHandedOver)
{
    SimProcess sim;
    ASSERT_TRUE(sim.ok());
    ComMapping com(1, sim.device());
    SerialPortService port;
    int got = 0;
    port.onByte = [&](quint8) {
        ++got;
        port.discardInput();   // the rest of the burst is dropped
    };
    ASSERT_TRUE(port.open());
    for (int a = 0; a < 5; ++a) {
        port.sendByte(0x28);
        port.sendByte(quint8(a));
        port.sendByte(0x00);
    }
    port.flush();
    QThread::msleep(100);
    // The five replies come in one burst; the first handed over drops the other four.
    ASSERT_TRUE(commtest::runUntil([&] { return got > 0; }, 15000));
    commtest::runFor(100);
    EXPECT_EQ(got, 1);
}

TEST(ComProbe, MissingAndHeldPortsAreDisabled)
{
    SimProcess one;
    SimProcess held;
    SimProcess four;
    ASSERT_TRUE(one.ok() && held.ok() && four.ok());
    ComMapping com1(1, one.device());
    ComMapping com2(2, QStringLiteral("/nonexistent/fbe-com2"));
    ComMapping com3(3, held.device());
    ComMapping com4(4, four.device());

    QSerialPort holder(held.device());
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));

    // COM1 .. COM4 as the menu lists them first.
    QList<PortEntry> coms;
    for (int n = 1; n <= 4; ++n) {
        PortEntry e;
        e.name = QStringLiteral("COM%1").arg(n);
        e.device = comDevicePath(n);
        e.comNumber = n;
        coms << e;
    }
    SerialPortService port;
    const std::vector<OpenFailure> states = probePorts(port, coms);
    ASSERT_EQ(states.size(), 4u);
    EXPECT_FALSE(states[0].failed());
    EXPECT_TRUE(states[1].failed());
    EXPECT_TRUE(states[2].failed());
    EXPECT_FALSE(states[3].failed());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.comNumber(), 4);

    // Released, the port is usable at the next probe.
    holder.close();
    EXPECT_FALSE(probePorts(port, coms)[2].failed());
}

TEST(PortNames, NumbersAndDevices)
{
    EXPECT_EQ(portNumberFromName(QStringLiteral("COM1")), 1);
    EXPECT_EQ(portNumberFromName(QStringLiteral("COM2")), 2);
    EXPECT_EQ(portNumberFromName(QStringLiteral("COM3")), 3);
    EXPECT_EQ(portNumberFromName(QStringLiteral("COM4")), 4);
    EXPECT_EQ(portNumberFromName(QStringLiteral("com3")), 1);
    EXPECT_EQ(portNumberFromName(QStringLiteral("COM5")), 1);
    EXPECT_EQ(portNumberFromName(QString()), 1);
#ifndef Q_OS_WIN
    qunsetenv("FBE_COM3");
    EXPECT_EQ(comDevicePath(3), QStringLiteral("/dev/ttyS2"));
    ComMapping com(3, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(comDevicePath(3), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(comPortHint(QStringLiteral("COM3")),
              QStringLiteral("derzeit benützte serielle Schnittstelle (/dev/ttyUSB0)"));
    qunsetenv("FBE_COM1");
    EXPECT_EQ(comPortHint(QStringLiteral("com3")),   // not a port name: COM1
              QStringLiteral("derzeit benützte serielle Schnittstelle (/dev/ttyS0)"));
#endif
}
