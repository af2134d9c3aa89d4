// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Series production on the line: the simulated module put in and taken out, and the
// production log of "fbe-tool program --log".
#include "CommTestSupport.h"

#include "comm/ModuleWrite.h"
#include "comm/SerialPortService.h"
#include "comm/TransferProtocol.h"
#include "config/FbeFile.h"
#include "config/ProductionLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace fbe;
using commtest::ComMapping;
using commtest::SimProcess;
using fbe::test::ToolRun;

namespace {

Configuration withCode1(quint64 address)
{
    Configuration cfg;
    NeueDatei(cfg);
    cfg.codes[1].address = address;
    cfg.codes[1].function = FnEin;
    cfg.codes[1].out1 = true;
    cfg.projectName = QStringLiteral("Serie");
    return cfg;
}

// One transfer over COM1 to its end; the port's own result (not yet decoded).
bool transfer(Configuration& cfg, bool write)
{
    SerialPortService port;
    TransferProtocol protocol(cfg, port);
    bool ended = false;
    QObject::connect(&protocol, &TransferProtocol::finished, [&] { ended = true; });
    cfg.transfer.resultPending = false;
    protocol.setRequest(1, write);
    protocol.start();
    EXPECT_TRUE(commtest::runUntil([&] { return ended; }, 30000));
    return !cfg.transfer.transferFailed;
}

ToolRun fbeTool(const QStringList& args, const QString& com1)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FBE_COM1"), com1);
    return fbe::test::tool(args, env, 30000);
}

}  // namespace

TEST(SeriesLine, TheSimulatedModuleAnswersOnlyWhileItIsIn)
{
    for (const bool fresh : {false, true}) {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("draussen"));
        QFile(out).open(QIODevice::WriteOnly);
        QStringList args{QStringLiteral("--absent-while"), out};
        if (fresh)
            args << QStringLiteral("--fresh-on-insert");
        SimProcess sim(args);
        ASSERT_TRUE(sim.ok());
        const ComMapping com1(1, sim.device());

        Configuration cfg = withCode1(300);
        PrepareModuleWrite(cfg);
        EXPECT_FALSE(transfer(cfg, true)) << fresh;
        EXPECT_EQ(cfg.transfer.transferMessage, TransferProtocol::msgNoReply());

        ASSERT_TRUE(QFile::remove(out));   // put in
        EXPECT_TRUE(transfer(cfg, true)) << fresh;
        EXPECT_TRUE(transfer(cfg, false)) << fresh;
        EXPECT_EQ(cfg.rxBuffer[2], cfg.txBuffer[2]);
        EXPECT_EQ(cfg.rxBuffer[3], cfg.txBuffer[3]);

        // Out and in again: the same module, or a new one that was never programmed.
        QFile(out).open(QIODevice::WriteOnly);
        EXPECT_FALSE(transfer(cfg, false)) << fresh;
        ASSERT_TRUE(QFile::remove(out));
        EXPECT_TRUE(transfer(cfg, false)) << fresh;
        for (int a = 0; a < 253; ++a) {
            ASSERT_EQ(cfg.rxBuffer[size_t(a)], fresh ? 0xFF : cfg.txBuffer[size_t(a)])
                << "fresh " << fresh << " address " << a;
        }
        EXPECT_EQ(cfg.rxBuffer[253], 0x02);   // the firmware version stays
        EXPECT_EQ(cfg.rxBuffer[254], 0x05);
    }
}

TEST(SeriesLine, ProgramWithLogAppendsTheLineWarnsOfARepeatAndSendsNothingUnlogged)
{
    QTemporaryDir dir;
    const QString eeprom = dir.filePath(QStringLiteral("eeprom.bin"));
    SimProcess sim({QStringLiteral("--eeprom"), eeprom});
    ASSERT_TRUE(sim.ok());
    const QString file = dir.filePath(QStringLiteral("serie.fbe"));
    Configuration series = withCode1(300);
    ASSERT_TRUE(SaveFile(file, BuildFile(series), nullptr));
    const QString log = dir.filePath(QStringLiteral("protokoll.csv"));
    const QStringList args{QStringLiteral("program"), file, QStringLiteral("--port"),
                           QStringLiteral("COM1"), QStringLiteral("--log"), log};
    const QString repeat = QStringLiteral("Achtung: diese Adressen wurden bereits programmiert (");

    const ToolRun first = fbeTool(args, sim.device());
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_FALSE(first.err.contains(repeat));
    const ToolRun second = fbeTool(args, sim.device());
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_TRUE(second.err.contains(repeat)) << second.err.toStdString();

    QFile f(log);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBFZeit;Ergebnis;"));
    const QList<QStringList> lines = parseCsv(QString::fromUtf8(bytes.mid(3)));
    ASSERT_EQ(lines.size(), 3);
    for (int i = 1; i <= 2; ++i) {
        const QStringList& l = lines.at(i);
        ASSERT_EQ(l.size(), 27);
        EXPECT_EQ(l.at(1), QStringLiteral("OK"));
        EXPECT_EQ(l.at(3), QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()));
        EXPECT_EQ(l.at(4), QStringLiteral("nein"));
        EXPECT_EQ(l.at(5), QStringLiteral("Serie"));
        EXPECT_EQ(l.at(6), QStringLiteral("2.05"));
        EXPECT_EQ(l.at(7), QStringLiteral("1"));   // the tool counts its one run
        EXPECT_EQ(l.at(10), QStringLiteral("300"));
    }
    EXPECT_TRUE(lines.at(2).at(2).contains(repeat)) << lines.at(2).at(2).toStdString();

    // A log that cannot be written: refused before anything is sent.
    const QString other = dir.filePath(QStringLiteral("andere.fbe"));
    Configuration changed = withCode1(999);
    ASSERT_TRUE(SaveFile(other, BuildFile(changed), nullptr));
    const ToolRun refused = fbeTool({QStringLiteral("program"), other, QStringLiteral("--port"),
                                 QStringLiteral("COM1"), QStringLiteral("--log"),
                                 dir.filePath(QStringLiteral("fehlt/protokoll.csv"))},
                                sim.device());
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Ordner nicht vorhanden")))
        << refused.err.toStdString();
    ASSERT_TRUE(sim.stop());
    QFile e(eeprom);
    ASSERT_TRUE(e.open(QIODevice::ReadOnly));
    const QByteArray image = e.readAll();
    ASSERT_EQ(image.size(), 256);
    EXPECT_EQ(quint8(image.at(2)) | quint8(image.at(3)) << 8, 300);
}

// A full disk refuses a logged run and a read before anything is sent: a small file system of
// its own in a mount namespace of its own, nothing outside the test sees it. The port is a
// device that is not there: a transfer that started would say so on stdout.
TEST(SeriesLine, AFullDiskRefusesALoggedRunAndAReadBeforeAnythingIsSent)
{
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty())
        GTEST_SKIP() << "unshare missing";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("serie.fbe"));
    Configuration series = withCode1(300);
    ASSERT_TRUE(SaveFile(file, BuildFile(series), nullptr));
    const QString refused = QStringLiteral(" Protokoll konnte nicht geschrieben werden\n");
    const struct {
        const char* what;
        const char* before;    // shell lines run in the empty file system before it is filled
        const char* command;   // the arguments after fbe-tool; $F is the file, $D the folder
        int fillKiB;           // then this much of the 16 KiB is filled (as far as it goes)
        int exitCode;
        QString err;           // stderr, $D for the folder
    } cases[] = {
        {"a new log", "", "program \"$F\" --port /nonexistent/tty --log \"$D/log.csv\"", 64, 2,
         refused + QStringLiteral("$D/log.csv: Datenträger voll\n")},
        {"a log of exactly 4096 bytes", "head -c 4096 /dev/zero | tr '\\0' x > log.csv",
         "program \"$F\" --port /nonexistent/tty --log \"$D/log.csv\"", 64, 2,
         refused + QStringLiteral("$D/log.csv: Datenträger voll\n")},
        {"a read", "", "read --port /nonexistent/tty \"$D/aus.fbe\"", 64, 2,
         QStringLiteral("fbe-tool: $D/aus.fbe: Datenträger voll\n")},
        {"a log with room for its line", "",
         "program \"$F\" --port /nonexistent/tty --log \"$D/log.csv\"", 8, 1, QString()},
    };
    for (const auto& c : cases) {
        const QString script = QStringLiteral(
            "mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 77\n"
            "cd \"$1\" && D=\"$1\" && F=\"$3\" && %1\n"
            "dd if=/dev/zero of=fill bs=1024 count=%2 2>/dev/null\n"
            "eval \"\\\"\\$2\\\" %3\"; echo \"exit=$?\" >&2\n")
                                   .arg(QLatin1String(c.before))
                                   .arg(c.fillKiB)
                                   .arg(QLatin1String(c.command));
        QProcess p;
        p.start(unshare, {QStringLiteral("--mount"), QStringLiteral("sh"), QStringLiteral("-c"),
                          script, QStringLiteral("sh"), dir.filePath(QStringLiteral("mnt")),
                          commtest::binDir() + QStringLiteral("/fbe-tool"), file});
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("mnt")));
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QString err = QString::fromUtf8(p.readAllStandardError());
        if (p.exitCode() == 77)
            GTEST_SKIP() << "no mount namespace here: " << err.toStdString();
        const QString code = QStringLiteral("exit=%1\n").arg(c.exitCode);
        EXPECT_TRUE(err.endsWith(code)) << c.what << ": " << err.toStdString();
        err.chop(code.size());
        if (c.exitCode == 2) {
            EXPECT_EQ(out, QString()) << c.what;   // nothing sent
            QString expected = c.err;
            expected.replace(QStringLiteral("$D"), dir.filePath(QStringLiteral("mnt")));
            EXPECT_EQ(err, expected) << c.what;
        } else {
            EXPECT_TRUE(out.startsWith(QStringLiteral("Fehler bei Öffnen von Com-Port"))) << c.what;
        }
    }
}

// Twenty programs append to one log at once, ten times: every line arrives whole, none is
// lost or mixed with another. Each program waits for its module on a terminal of its own;
// when all of them wait, all terminals are hung up together, so all twenty runs end and
// write their lines ("Fehler") at the same moment.
TEST(SeriesLine, TwentyProgramsAppendingAtOnceLoseNoLine)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("serie.fbe"));
    Configuration series = withCode1(300);
    ASSERT_TRUE(SaveFile(file, BuildFile(series), nullptr));
    const QString log = dir.filePath(QStringLiteral("rennen.csv"));
    constexpr int Writers = 20;
    constexpr int Rounds = 10;
    for (int round = 0; round < Rounds; ++round) {
        std::vector<std::unique_ptr<commtest::Terminal>> modules;
        std::vector<std::unique_ptr<QProcess>> runs;
        for (int i = 0; i < Writers; ++i) {
            modules.push_back(std::make_unique<commtest::Terminal>());
            runs.push_back(std::make_unique<QProcess>());
            runs.back()->start(commtest::binDir() + QStringLiteral("/fbe-tool"),
                               {QStringLiteral("program"), file, QStringLiteral("--port"),
                                modules.back()->device(), QStringLiteral("--log"), log});
        }
        for (auto& module : modules)
            ASSERT_TRUE(module->received(20000));
        for (auto& module : modules)
            module->hangUp();
        for (auto& run : runs) {
            ASSERT_TRUE(run->waitForFinished(30000));
            EXPECT_EQ(run->exitCode(), 1) << run->readAllStandardError().toStdString();
        }
    }
    QFile f(log);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBFZeit;"));
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.mid(3).chopped(2).split('\n');
    EXPECT_EQ(lines.size(), 1 + Writers * Rounds);
    for (const QByteArray& line : lines.mid(1)) {
        const QList<QStringList> fields = parseCsv(QString::fromUtf8(line));
        ASSERT_EQ(fields.size(), 1) << line.toStdString();
        EXPECT_EQ(fields.at(0).size(), 27) << line.toStdString();
        EXPECT_EQ(fields.at(0).value(1), QStringLiteral("Fehler")) << line.toStdString();
    }
    EXPECT_EQ(searchProductionLog(log, ProductionRecord()).unreadableLines, 0);
}
