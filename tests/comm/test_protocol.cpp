// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer protocol against a scripted module: wire sequence, timing of the commands,
// progress, every failure and the version bounds.
#include "CommTestSupport.h"

#include "comm/TransferProtocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace fbe;
using commtest::ScriptedPort;

namespace {

struct Transfer {
    Configuration cfg;
    ScriptedPort port;
    TransferProtocol protocol;
    int finishedCount = 0;
    std::vector<QString> actions;
    QString firmware;

    explicit Transfer(TransferClock& clock = TransferClock::system())
        : protocol(cfg, port, nullptr, clock)
    {
        commtest::app();
        for (int i = 0; i < 256; ++i)
            cfg.txBuffer[i] = quint8(255 - i);
        QObject::connect(&protocol, &TransferProtocol::finished, [this] { ++finishedCount; });
        QObject::connect(&protocol, &TransferProtocol::actionChanged,
                         [this](const QString& a) { actions.push_back(a); });
        QObject::connect(&protocol, &TransferProtocol::firmwareAccepted,
                         [this](const QString& f) { firmware = f; });
    }

    // Runs one transfer to its end.
    bool go(bool write, int portNumber = 1, int timeoutMs = 5000)
    {
        const int before = finishedCount;
        protocol.setRequest(portNumber, write);
        protocol.start();
        return commtest::runUntil([&] { return finishedCount > before; }, timeoutMs);
    }

    // The same on a virtual clock (the one given to the constructor).
    bool goVirtual(commtest::VirtualClock& clock, bool write)
    {
        const int before = finishedCount;
        protocol.setRequest(1, write);
        protocol.start();
        return commtest::runVirtual(clock, port, [&] { return finishedCount > before; });
    }

    void expectFailure(const QString& message)
    {
        EXPECT_TRUE(cfg.transfer.transferFailed);
        EXPECT_EQ(cfg.transfer.transferMessage, message);
        EXPECT_FALSE(cfg.transfer.programmed);
        EXPECT_TRUE(cfg.transfer.resultPending);
        EXPECT_FALSE(port.isOpen());
    }
};

}  // namespace

TEST(Protocol, WriteSendsTheWholeSequenceAndReadsBack)
{
    Transfer r;
    ASSERT_TRUE(r.go(true));
    EXPECT_FALSE(r.cfg.transfer.transferFailed);
    EXPECT_EQ(r.cfg.transfer.transferMessage, QStringLiteral("Übertragung erfolgreich"));
    EXPECT_TRUE(r.cfg.transfer.programmed);
    EXPECT_TRUE(r.cfg.transfer.resultPending);
    EXPECT_FALSE(r.port.isOpen());

    ASSERT_EQ(r.port.commands.size(), 513u);
    EXPECT_EQ(r.port.commands[0], (ScriptedPort::Command{0x00, 0xFF, 0x14}));
    for (int k = 0; k < 256; ++k) {
        EXPECT_EQ(r.port.commands[1 + k], (ScriptedPort::Command{0x32, quint8(k), r.cfg.txBuffer[k]}));
        EXPECT_EQ(r.port.commands[257 + k], (ScriptedPort::Command{0x28, quint8(k), 0x00}));
    }
    EXPECT_EQ(r.port.sent.size(), 1539u);
    EXPECT_EQ(r.port.received, 515);
    EXPECT_EQ(r.cfg.rxBuffer, r.cfg.txBuffer);
    EXPECT_EQ(r.port.overlapping, 0);
    EXPECT_EQ(r.protocol.part(), 100);
    EXPECT_EQ(r.protocol.total(), 100);
    EXPECT_EQ(r.firmware, QStringLiteral("2.05"));
    const std::vector<QString> expected{QStringLiteral("check System"),
                                        QStringLiteral("write configuration"),
                                        QStringLiteral("verify configuration")};
    EXPECT_EQ(r.actions, expected);
}

// After its 256 reads a read reads the bytes outside the checksum (0, 1, 224..254) again,
// under the same action text, the gauges counting on to 289 replies together.
TEST(Protocol, ReadFillsTheReceiveBufferThenReadsTheUncheckedBytesAgain)
{
    Transfer r;
    const Image tx = r.cfg.txBuffer;
    std::vector<std::pair<int, int>> gauges;   // after each reply: part, total
    r.port.afterByte = [&] {
        if (r.protocol.transferMode() == TransferProtocol::Read && r.protocol.rxCount() > 0)
            gauges.emplace_back(r.protocol.part(), r.protocol.total());
    };
    ASSERT_TRUE(r.go(false));
    EXPECT_FALSE(r.cfg.transfer.transferFailed);
    EXPECT_FALSE(r.cfg.transfer.programmed);
    EXPECT_EQ(r.cfg.txBuffer, tx);
    EXPECT_EQ(r.cfg.rxBuffer, r.port.eeprom);
    ASSERT_EQ(r.port.commands.size(), 1u + 256 + 33);
    EXPECT_TRUE(r.port.indicesOf(0x32).empty());
    std::vector<int> addresses;
    for (size_t i = 1; i < r.port.commands.size(); ++i) {
        EXPECT_EQ(r.port.commands[i][0], 0x28);
        EXPECT_EQ(r.port.commands[i][2], 0x00);
        addresses.push_back(r.port.commands[i][1]);
    }
    std::vector<int> expected(256);
    std::iota(expected.begin(), expected.end(), 0);
    expected.insert(expected.end(), {0, 1});
    for (int a = 224; a <= 254; ++a)
        expected.push_back(a);
    EXPECT_EQ(addresses, expected);
    EXPECT_EQ(r.port.sent.size(), 870u);
    EXPECT_EQ(r.port.received, 3 + 289);
    // The second reads follow from the replies like every read after the fifth.
    for (size_t i = 6; i < r.port.commands.size(); ++i)
        EXPECT_TRUE(r.port.sentFromHandler[i]) << "command " << i;
    const std::vector<QString> actions{QStringLiteral("check System"),
                                       QStringLiteral("read configuration")};
    EXPECT_EQ(r.actions, actions);
    ASSERT_EQ(gauges.size(), 289u);
    EXPECT_EQ(gauges[255], std::make_pair(89, 89));   // 256 of 289
    EXPECT_EQ(gauges.back(), std::make_pair(100, 100));
    for (size_t i = 1; i < gauges.size(); ++i)
        EXPECT_GE(gauges[i].first, gauges[i - 1].first);
}

// A byte whose second read differs fails the read with the first such address; bytes under
// the checksum are read once (the checksum test judges them).
TEST(Protocol, ReadAgainDifferingFailsWithTheFirstAddress)
{
    struct Case {
        std::vector<int> flaky;   // addresses whose first read gives another byte
        int named;                // -1: the read succeeds
    };
    const Case cases[] = {{{0}, 0},     {{1}, 1},        {{224}, 224},      {{250}, 250},
                          {{254}, 254}, {{252, 1}, 1},   {{2}, -1},         {{223}, -1},
                          {{255}, -1},  {{100, 251}, 251}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.flaky));
        Transfer r;
        std::vector<int> readsOf(256, 0);
        r.port.responder = [&](const ScriptedPort::Command& cmd, int) {
            std::vector<quint8> reply = r.port.answer(cmd);
            if (cmd[0] == 0x28 && readsOf[cmd[1]]++ == 0
                && std::find(c.flaky.begin(), c.flaky.end(), cmd[1]) != c.flaky.end())
                reply[0] ^= 0x40;
            return reply;
        };
        ASSERT_TRUE(r.go(false));
        if (c.named < 0) {
            EXPECT_FALSE(r.cfg.transfer.transferFailed) << r.cfg.transfer.transferMessage.toStdString();
            EXPECT_EQ(r.port.commands.size(), 290u);
        } else {
            r.expectFailure(QStringLiteral("Lesefehler bei Leseadresse: [%1] !").arg(c.named));
            EXPECT_EQ(r.port.indicesOf(0x28).size(),
                      size_t(256 + 1 + (c.named < 2 ? c.named : c.named - 222)));
        }
    }
}

TEST(Protocol, FirstFiveCommandsOfAPhaseWaitForTheTimerTheSixthLeavesAtOnce)
{
    Transfer r;
    ASSERT_TRUE(r.go(true));
    ASSERT_EQ(r.port.sentFromHandler.size(), 513u);
    EXPECT_FALSE(r.port.sentFromHandler[0]);   // identify
    for (int phase = 0; phase < 2; ++phase) {
        const int first = 1 + 256 * phase;
        for (int k = 0; k < 5; ++k)
            EXPECT_FALSE(r.port.sentFromHandler[first + k]) << "phase " << phase << " address " << k;
        for (int k = 5; k < 256; ++k)
            EXPECT_TRUE(r.port.sentFromHandler[first + k]) << "phase " << phase << " address " << k;
    }
}

TEST(Protocol, GaugesAfter128VerifyRepliesShow50And75)
{
    Transfer r;
    int verifyReplies = 0;
    int part = -1, total = -1;
    r.port.afterByte = [&] {
        if (r.protocol.transferMode() == TransferProtocol::Verify && r.protocol.rxCount() == 128
            && verifyReplies++ == 0) {
            part = r.protocol.part();
            total = r.protocol.total();
        }
    };
    ASSERT_TRUE(r.go(true));
    EXPECT_EQ(part, 50);
    EXPECT_EQ(total, 75);
}

TEST(Protocol, GaugesOfAReadAlwaysAgree)
{
    Transfer r;
    int disagreements = 0;
    QObject::connect(&r.protocol, &TransferProtocol::progressChanged,
                     [&](int part, int total) { disagreements += part != total; });
    ASSERT_TRUE(r.go(false));
    EXPECT_EQ(disagreements, 0);
    EXPECT_EQ(r.protocol.part(), 100);
}

TEST(Protocol, PercentRoundsHalvesToEven)
{
    EXPECT_EQ(TransferProtocol::percent(0, 256), 0);
    EXPECT_EQ(TransferProtocol::percent(1, 256), 0);     // 0.39
    EXPECT_EQ(TransferProtocol::percent(2, 256), 1);     // 0.78
    EXPECT_EQ(TransferProtocol::percent(128, 256), 50);
    EXPECT_EQ(TransferProtocol::percent(384, 512), 75);
    EXPECT_EQ(TransferProtocol::percent(1, 8), 12);      // 12.5
    EXPECT_EQ(TransferProtocol::percent(3, 8), 38);      // 37.5
    EXPECT_EQ(TransferProtocol::percent(256, 256), 100);
}

TEST(Protocol, OpenFailureNamesThePort)
{
    Transfer r;
    r.port.openSucceeds = false;
    ASSERT_TRUE(r.go(true, 3));
    r.expectFailure(QStringLiteral("Fehler bei Öffnen von Com-Port: COM3"));
    EXPECT_TRUE(r.port.commands.empty());
    EXPECT_EQ(r.port.numbersSet.back(), 3);
}

// The reply time-out runs 500 ms from each byte received (and from the start), whatever the
// pauses before it add up to. A module that pauses before some bytes of its replies, on a
// virtual clock; the first commands of a phase leave 1 ms after the byte before them, so
// 498 ms after such a command is just under the time-out.
TEST(Protocol, ReplyTimeOutRunsFromEachByte)
{
    using Command = ScriptedPort::Command;
    const auto isIdentify = [](const Command& c) { return c[0] == 0x00; };
    const auto isWriteOf = [](int a) {
        return [a](const Command& c) { return c[0] == 0x32 && c[1] == a; };
    };
    const auto firstWrite = [](const Command& c) { return c[0] == 0x32 && c[1] == 0; };
    const auto firstRead = [](const Command& c) { return c[0] == 0x28 && c[1] == 0; };
    const auto any = [](const Command&) { return true; };
    const QString ok = QStringLiteral("Übertragung erfolgreich");
    const struct {
        const char* what;
        bool write;
        std::function<bool(const Command&)> paused;
        int firstByte;   // pause before the reply's first byte, ms; -1: the reply never comes
        int laterBytes;  // pause before each further byte of the same reply, ms
        QString message;
    } rows[] = {
        {"no reply at all", true, any, -1, 0, commtest::text::NoReply},
        {"identification, 498 ms before each byte", false, isIdentify, 498, 498, ok},
        {"identification, 501 ms before its first byte", false, isIdentify, 501, 0,
         commtest::text::NoReply},
        {"identification, 501 ms before its second byte", false, isIdentify, 0, 501,
         commtest::text::Interrupted},
        {"no reply to the first write", true, firstWrite, -1, 0, commtest::text::NoReply},
        {"write of byte 100, 499 ms", true, isWriteOf(100), 499, 0, ok},
        {"write of byte 100, 501 ms", true, isWriteOf(100), 501, 0, commtest::text::Interrupted},
        {"first read-back, 501 ms", true, firstRead, 501, 0, commtest::text::NoReply},
        {"every reply of a read, 498 ms", false, any, 498, 498, ok},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        commtest::VirtualClock clock;
        Transfer r(clock);
        r.port.responder = [&](const Command& c, int) {
            std::vector<quint8> reply = r.port.answer(c);
            if (!row.paused(c))
                return reply;
            if (row.firstByte < 0)
                return std::vector<quint8>{};
            std::vector<quint8> now;
            int at = 0;
            for (size_t k = 0; k < reply.size(); ++k) {
                at += k == 0 ? row.firstByte : row.laterBytes;
                if (at == 0)
                    now.push_back(reply[k]);
                else
                    clock.after(at, [&r, b = reply[k]] { r.port.push({b}); });
            }
            return now;
        };
        ASSERT_TRUE(r.goVirtual(clock, row.write));
        if (row.message == ok)
            EXPECT_FALSE(r.cfg.transfer.transferFailed) << r.cfg.transfer.transferMessage.toStdString();
        else
            r.expectFailure(row.message);
    }
}

// The identification reply must be complete 2 s after its command, even when no pause
// reaches the reply time-out: a line in break sends zeros without end.
TEST(Protocol, IdentificationCompleteWithinTwoSeconds)
{
    const auto reply = [](int lastMs) {
        return std::vector<std::pair<int, quint8>>{
            {400, 0x00}, {800, 0x00}, {1200, 0x00}, {1600, 0x14}, {1800, 0x02}, {lastMs, 0x05}};
    };
    std::vector<std::pair<int, quint8>> zeros;
    for (int k = 1; k <= 20; ++k)
        zeros.emplace_back(498 * k, 0x00);   // fewer than 64
    const struct {
        std::vector<std::pair<int, quint8>> bytes;   // ms after the command, byte
        bool accepted;
    } rows[] = {{reply(1999), true}, {reply(2001), false}, {zeros, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.back().first);
        commtest::VirtualClock clock;
        Transfer r(clock);
        qint64 sentNs = -1;
        r.port.responder = [&](const ScriptedPort::Command& c, int index) {
            if (index > 0)
                return r.port.answer(c);
            sentNs = clock.nowNs();
            for (const auto& [ms, b] : row.bytes)
                clock.after(ms, [&r, b = b] { r.port.push({b}); });
            return std::vector<quint8>{};
        };
        ASSERT_TRUE(r.goVirtual(clock, false));
        if (row.accepted) {
            EXPECT_FALSE(r.cfg.transfer.transferFailed) << r.cfg.transfer.transferMessage.toStdString();
            EXPECT_EQ(r.firmware, QStringLiteral("2.05"));
        } else {
            r.expectFailure(commtest::text::Identify);
            EXPECT_EQ(clock.nowNs() - sentNs, qint64(2000) * 1000000);
        }
    }
}

TEST(Protocol, WrongIdentificationByte)
{
    Transfer r;
    r.port.responder = [](const ScriptedPort::Command&, int) {
        return std::vector<quint8>{0x15, 0x02, 0x05};
    };
    ASSERT_TRUE(r.go(true));
    r.expectFailure(QStringLiteral("Fehler bei Geräte-Identifizierung! "));
}

// Up to 64 zero bytes before the identification reply are dropped; the 65th fails it (a
// line held in break sends nothing else). The count starts again at every identification:
// the transfer window runs a whole series on one protocol.
TEST(Protocol, UpTo64LeadingZerosAreSkipped)
{
    for (int zeros : {1, 3, 64, 65, 400}) {
        SCOPED_TRACE(zeros);
        Transfer r;
        r.port.responder = [&](const ScriptedPort::Command& c, int) {
            if (c[0] != 0x00)
                return r.port.answer(c);
            std::vector<quint8> reply(size_t(zeros), 0x00);
            reply.insert(reply.end(), {0x14, 0x02, 0x05});
            return reply;
        };
        for (int run = 1; run <= 2; ++run) {
            r.firmware.clear();
            r.port.commands.clear();
            ASSERT_TRUE(r.go(false));
            if (zeros <= 64) {
                EXPECT_FALSE(r.cfg.transfer.transferFailed) << run;
                EXPECT_EQ(r.firmware, QStringLiteral("2.05"));
            } else {
                r.expectFailure(QStringLiteral("Fehler bei Geräte-Identifizierung! "));
                EXPECT_EQ(r.port.commands.size(), 1u);
            }
        }
    }
}

// Bytes that keep coming restart the reply time-out each time, but an identification reply
// not complete 2 s after the command fails; a slow reply within the 2 s is taken.
TEST(Protocol, ZeroAsVersionByteIsValid)
{
    Transfer r;
    r.port.versionHigh = 0x02;
    r.port.versionLow = 0x00;
    ASSERT_TRUE(r.go(false));
    EXPECT_FALSE(r.cfg.transfer.transferFailed);
    EXPECT_EQ(r.firmware, QStringLiteral("2.00"));
}

TEST(Protocol, VersionBounds)
{
    struct Case {
        quint8 high, low;
        bool accepted;
        const char* shown;
    };
    // A refused version is named on a second line, in the form the label shows.
    const Case cases[] = {{0x01, 0x5C, false, "1.92"},   // 348
                          {0x01, 0x5D, true, "1.93"},    // 349
                          {0x02, 0x09, true, "2.09"},    // 521
                          {0x02, 0x0A, false, "2.10"},   // 522
                          {0x00, 0x07, false, "0.07"}};
    for (const Case& c : cases) {
        Transfer r;
        r.port.versionHigh = c.high;
        r.port.versionLow = c.low;
        ASSERT_TRUE(r.go(true));
        if (c.accepted) {
            EXPECT_FALSE(r.cfg.transfer.transferFailed) << c.shown;
            EXPECT_EQ(r.firmware, QString::fromLatin1(c.shown));
        } else {
            r.expectFailure(QStringLiteral("Die Firmware ist nicht mit dieser Software kompatibel !\n"
                                           " gefundene Firmware: ")
                            + QString::fromLatin1(c.shown));
            EXPECT_TRUE(r.firmware.isEmpty());
            EXPECT_EQ(r.port.commands.size(), 1u);
        }
    }
}

TEST(Protocol, WriteMismatchNamesTheAddress)
{
    for (int bad : {0, 77, 255}) {
        Transfer r;
        r.port.responder = [&](const ScriptedPort::Command& c, int) {
            std::vector<quint8> reply = r.port.answer(c);
            if (c[0] == 0x32 && c[1] == bad)
                reply[0] ^= 0x10;
            return reply;
        };
        ASSERT_TRUE(r.go(true));
        r.expectFailure(QStringLiteral("Übertragungsfehler bei Sendeadresse: [%1] !").arg(bad));
        EXPECT_TRUE(r.port.indicesOf(0x28).empty());
    }
}

// A module that stores one byte wrongly but echoes it right: the read-back after the write
// compares the configuration (0..101) and the version, type and time-base bytes (248..252);
// the free bytes and the firmware may differ.
TEST(Protocol, ReadBackComparesTheConfigurationAndTypeBytes)
{
    const struct {
        int address;
        bool compared;
    } rows[] = {{0, true},    {1, true},    {101, true},  {102, false}, {150, false},
                {247, false}, {248, true},  {251, true},  {252, true},  {253, false},
                {254, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.address);
        Transfer r;
        r.port.responder = [&](const ScriptedPort::Command& c, int) {
            std::vector<quint8> reply = r.port.answer(c);
            if (c[0] == 0x32 && c[1] == row.address)
                r.port.eeprom[row.address] ^= 0x80;
            return reply;
        };
        ASSERT_TRUE(r.go(true));
        if (row.compared) {
            r.expectFailure(
                QStringLiteral("Vergleichsfehler bei Leseadresse: [%1] !").arg(row.address));
        } else {
            EXPECT_FALSE(r.cfg.transfer.transferFailed) << "byte " << row.address;
            EXPECT_TRUE(r.cfg.transfer.programmed) << "byte " << row.address;
        }
    }
}

TEST(Protocol, OneCommandOutstandingEvenWithStrayBytes)
{
    Transfer r;
    // A stray byte after a reply is dropped by the discard before the next command's last byte.
    r.port.responder = [&](const ScriptedPort::Command& c, int index) {
        std::vector<quint8> reply = r.port.answer(c);
        if (index > 0 && index % 50 == 0)
            reply.push_back(0xEE);
        return reply;
    };
    ASSERT_TRUE(r.go(false));
    EXPECT_FALSE(r.cfg.transfer.transferFailed) << r.cfg.transfer.transferMessage.toStdString();
    EXPECT_EQ(r.cfg.rxBuffer, r.port.eeprom);
}

TEST(Protocol, PortClosedAfterEveryRunAndReopenedByTheNext)
{
    Transfer r;
    ASSERT_TRUE(r.go(false, 2));
    EXPECT_FALSE(r.port.isOpen());
    EXPECT_EQ(r.port.opens, 1);
    EXPECT_EQ(r.port.closes, 1);
    ASSERT_TRUE(r.go(true, 4));
    EXPECT_FALSE(r.port.isOpen());
    EXPECT_EQ(r.port.opens, 2);
    EXPECT_EQ(r.port.closes, 2);
    EXPECT_EQ(r.port.numbersSet.back(), 4);
    EXPECT_FALSE(r.cfg.transfer.transferFailed);
}

TEST(Protocol, AbortFailsWithItsOwnMessage)
{
    Transfer r;
    r.port.afterByte = [&] {
        if (r.protocol.transferMode() == TransferProtocol::Write && r.protocol.rxCount() == 20)
            r.protocol.abort(TransferProtocol::msgAborted());
    };
    ASSERT_TRUE(r.go(true));
    r.expectFailure(QStringLiteral("Übertragung abgebrochen"));
    EXPECT_EQ(r.finishedCount, 1);
}

TEST(Protocol, StartWhileRunningStartsNothing)
{
    Transfer r;
    r.protocol.setRequest(1, false);
    r.protocol.start();
    r.protocol.start();
    ASSERT_TRUE(commtest::runUntil([&] { return r.finishedCount > 0; }));
    commtest::runFor(20);
    EXPECT_EQ(r.finishedCount, 1);
    EXPECT_EQ(r.port.opens, 1);
    EXPECT_EQ(r.port.commands.size(), 290u);
}
