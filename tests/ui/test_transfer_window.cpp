// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer window as the user reaches it: "Modul programmieren" and "Modul auslesen" in
// the main window, the steps and gauges it shows, every way of ending it early, the
// hand-over of the result to the main window, and the COM port menu's probe.
#include "LayoutCheck.h"
#include "TransferTest.h"

#include "comm/SerialPortService.h"
#include "comm/TransferProtocol.h"
#include "config/FbeFile.h"
#include "config/ImageCodec.h"
#include "dialogs/Uwarnung.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QFileInfo>
#include <QSerialPort>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <map>

using namespace fbe;
using commtest::ComMapping;
using commtest::ScriptedPort;
using commtest::text::Incomplete;

namespace {

const QColor ErrorColour(254, 80, 75);

struct TransferWindowTest : fbe::test::TransferTest {
    QStringList actions;   // the steps the window showed, each once
    QList<QStringList> warnings;   // lines of every modal warning

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(TransferTest::SetUp());
        useScriptedPort();
        port.afterByte = [this] { noteAction(); };
        // Each step the transfer window shows is noted; the lines of every warning are kept
        // and the warning confirmed.
        seam.defaultAnswer = [this](QDialog& d) {
            if (&d == rs) {
                noteAction();
                runToTheEnd();
            } else if (&d == forms.Fwarnung) {
                warnings << forms.Fwarnung->warnung->toPlainText().split(QLatin1Char('\n'));
            }
        };
    }

    void noteAction()
    {
        const QString a = rs->Laction->text();
        if (!a.isEmpty() && (actions.isEmpty() || actions.back() != a))
            actions << a;
    }

    QString info() const { return w->Info->toPlainText(); }
    QColor infoColour() const { return w->Info->palette().color(QPalette::Base); }

    // Codes 1 and 2 used, code 3 with an address but no function.
    void userConfiguration()
    {
        commtest::setUserCodes(cfg);
        cfg.offset[1] = 2;
        cfg.offset[2] = 1;
        w->FormPaint();
    }
};

}  // namespace

TEST_F(TransferWindowTest, ProgrammingRunWithTheOutputWarningWritesVerifiesAndCounts)
{
    userConfiguration();
    cfg.codes[4].address = 0x10;
    cfg.codes[4].function = FnWechsel;   // a function, but no output
    cfg.codes[2].out3 = false;
    w->FormPaint();

    w->SendButton->click();

    ASSERT_EQ(seam.modalShows.size(), 2u);
    EXPECT_EQ(seam.modalShows[0].window, forms.Fwarnung);
    EXPECT_EQ(seam.modalShows[1].window, rs);
    EXPECT_EQ(seam.modalShows[1].title, QStringLiteral("Datenübertragung läuft ..."));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0],
              (QStringList{QStringLiteral("ACHTUNG!"),
                           QStringLiteral("bei Code2, Code4 wurde zwar eine Funktion aktiviert, "
                                          "aber kein Ausgang (out1..out4) selektiert."),
                           QStringLiteral("Überprüfen Sie die Einstellungen und wiederholen Sie "
                                          "gegebenenfalls die Programmierung!")}));

    // The module got the image with code 3's address cleared, and read it back.
    EXPECT_EQ(port.commands.size(), 513u);
    EXPECT_EQ(port.numbersSet.back(), 1);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(actions, (QStringList{QStringLiteral("check System"),
                                    QStringLiteral("write configuration"),
                                    QStringLiteral("verify configuration")}));
    EXPECT_EQ(rs->G1->value(), 100);
    EXPECT_EQ(rs->Ggesamt->value(), 100);

    EXPECT_EQ(info(), QStringLiteral("Übertragung erfolgreich"));
    EXPECT_EQ(infoColour(), QColor(Qt::white));
    EXPECT_EQ(w->firmware->text(), QStringLiteral("2.05"));
    EXPECT_FALSE(cfg.transfer.resultPending);
    EXPECT_FALSE(cfg.transfer.programmed);
    // Counted once; addresses advanced by their increments from what was read back.
    EXPECT_EQ(cfg.progcounter, 1);
    EXPECT_EQ(w->progcounter->text(), QStringLiteral("0001"));
    EXPECT_EQ(cfg.codes[1].address, 0x125u);
    EXPECT_EQ(cfg.codes[2].address, 0x457u);
    EXPECT_EQ(cfg.codes[3].address, 0u);
    EXPECT_EQ(cfg.codes[4].address, 0x10u);
}

TEST_F(TransferWindowTest, ReadShowsWhatTheModuleHoldsAndSendsNothing)
{
    Configuration module;
    NeueDatei(module);
    module.codes[2].address = 0xABC;
    module.codes[2].function = FnAus;   // no output: a read checks nothing
    module.pruefanzahl = 7;
    EncodeImage(module);
    port.eeprom = module.txBuffer;
    port.eeprom[img::Firmware] = 0x01;
    port.eeprom[img::Firmware + 1] = 0x5D;
    port.versionHigh = 0x01;
    port.versionLow = 0x5D;
    userConfiguration();
    w->saveMemo = BuildFile(cfg).lines;   // saved: the read asks nothing before it starts
    const Image tx = cfg.txBuffer;

    w->ReadButton->click();

    ASSERT_EQ(seam.modalShows.size(), 1u);
    EXPECT_TRUE(warnings.isEmpty());
    EXPECT_TRUE(port.indicesOf(0x32).empty());
    EXPECT_EQ(port.commands.size(), 290u);
    EXPECT_EQ(actions, (QStringList{QStringLiteral("check System"),
                                    QStringLiteral("read configuration")}));
    EXPECT_EQ(info(), QStringLiteral("Übertragung erfolgreich"));
    EXPECT_EQ(w->firmware->text(), QStringLiteral("1.93"));
    EXPECT_EQ(cfg.txBuffer, tx);
    EXPECT_EQ(cfg.codes[2].address, 0xABCu);
    EXPECT_EQ(cfg.codes[1].address, 0u);
    EXPECT_EQ(cfg.pruefanzahl, 7);
    EXPECT_EQ(cfg.progcounter, 0);
    EXPECT_EQ(w->pruefanzahl->text(), QStringLiteral(" 7"));
}

TEST_F(TransferWindowTest, EveryWayOfEndingTheWindowEarlyIsAnAbortThatKeepsTheConfiguration)
{
    struct Way {
        const char* name;
        std::function<void(TFrs232&)> end;
    };
    const std::vector<Way> ways{
        {"title bar", [](TFrs232& d) { d.close(); }},
        {"Escape",
         [](TFrs232& d) {
             QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QCoreApplication::sendEvent(&d, &esc);
         }},
        {"reject", [](TFrs232& d) { d.reject(); }},
        {"hidden", [](TFrs232& d) { d.hide(); }},
        {"Abbrechen", [](TFrs232& d) { d.Abbrechen->click(); }},
    };
    userConfiguration();
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        const Configuration before = cfg;
        port.commands.clear();
        int ended = 0;
        port.afterByte = [&] {
            // In the middle of the write phase.
            if (ended == 0 && port.commands.size() == 21) {
                ++ended;
                way.end(*rs);
            }
        };
        w->SendButton->click();
        EXPECT_EQ(ended, 1);
        EXPECT_FALSE(rs->isVisible());
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(port.commands.size(), 21u);
        EXPECT_EQ(info(), QStringLiteral("Übertragung abgebrochen\n") + Incomplete);
        EXPECT_EQ(infoColour(), ErrorColour);
        EXPECT_FALSE(cfg.transfer.programmed);
        EXPECT_FALSE(cfg.transfer.resultPending);
        EXPECT_EQ(cfg.progcounter, 0);
        for (int n = 1; n <= 8; ++n)
            EXPECT_EQ(cfg.codes[n].address, n == 3 ? 0u : before.codes[n].address) << n;
        EXPECT_EQ(cfg.pruefanzahl, before.pruefanzahl);
        // The next run starts afresh and succeeds.
        port.afterByte = nullptr;
        port.commands.clear();
        port.eeprom = cfg.txBuffer;
        answerNEIN();   // the configuration is not saved: read on
        w->ReadButton->click();
        EXPECT_EQ(port.commands.size(), 290u);
        EXPECT_EQ(info(), QStringLiteral("Übertragung erfolgreich"));
        NeueDatei(cfg);
        userConfiguration();
    }
}

TEST_F(TransferWindowTest, ClosedBeforeTheExchangeBeganIsAnAbortToo)
{
    seam.defaultAnswer = nullptr;   // FakeSeam closes the window by its title bar at once
    w->SendButton->click();
    EXPECT_TRUE(port.commands.empty());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(info(), QStringLiteral("Übertragung abgebrochen"));
    EXPECT_EQ(infoColour(), ErrorColour);
    EXPECT_EQ(cfg.progcounter, 0);
    // The start queued by the showing finds no request left.
    commtest::runFor(30);
    EXPECT_EQ(port.opens, 0);
}

TEST_F(TransferWindowTest, ActivatingTheWindowAgainDoesNotRestartTheTransfer)
{
    int pokes = 0;
    port.afterByte = [&] {
        if (port.commands.size() == 100 && pokes == 0) {
            ++pokes;
            // Another window had the focus; the transfer window gets it back.
            QEvent deactivate(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(rs, &deactivate);
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(rs, &activate);
            rs->show();
            rs->activateWindow();
        }
        if (port.commands.size() == 200 && pokes == 1) {
            ++pokes;
            rs->startTransfer(1, false);   // a second request while one runs is ignored
        }
    };
    w->SendButton->click();
    EXPECT_EQ(pokes, 2);
    EXPECT_EQ(port.opens, 1);
    EXPECT_EQ(port.indicesOf(0x00).size(), 1u);
    EXPECT_EQ(seam.modalShows.size(), 1u);
}

TEST_F(TransferWindowTest, MinimisingTheProgramDoesNotEndTheTransfer)
{
    int steps = 0;
    port.afterByte = [&] {
        if (port.commands.size() == 50 && steps == 0) {
            ++steps;
            rs->setWindowState(Qt::WindowMinimized);   // hidden by the window system
        }
        if (port.commands.size() == 300 && steps == 1) {
            ++steps;
            rs->setWindowState(Qt::WindowNoState);     // and shown again
        }
    };
    w->SendButton->click();
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(port.opens, 1);
    EXPECT_EQ(port.commands.size(), 513u);
    EXPECT_EQ(info(), QStringLiteral("Übertragung erfolgreich"));
}

TEST_F(TransferWindowTest, FailuresShowTheirMessageAndTheFirmwareLabelKeepsTheLastAcceptedVersion)
{
    w->ReadButton->click();
    EXPECT_EQ(w->firmware->text(), QStringLiteral("2.05"));

    struct Case {
        const char* name;
        std::function<void()> arrange;
        QString message;
    };
    const std::vector<Case> cases{
        {"open", [&] { port.openSucceeds = false; },
         QStringLiteral("Fehler bei Öffnen von Com-Port: COM3")},
        {"identify",
         [&] {
             port.responder = [](const ScriptedPort::Command&, int) {
                 return std::vector<quint8>{0x41, 0x02, 0x05};
             };
         },
         QStringLiteral("Fehler bei Geräte-Identifizierung! ")},
        {"version 522",
         [&] {
             port.versionHigh = 0x02;
             port.versionLow = 0x0A;
         },
         QStringLiteral("Die Firmware ist nicht mit dieser Software kompatibel !\n"
                        " gefundene Firmware: 2.10")},
        {"echo",
         [&] {
             port.responder = [&](const ScriptedPort::Command& c, int) {
                 std::vector<quint8> r = port.answer(c);
                 if (c[0] == 0x32 && c[1] == 0)
                     r[0] ^= 1;
                 return r;
             };
         },
         QStringLiteral("Übertragungsfehler bei Sendeadresse: [0] !\n") + Incomplete},
    };
    userConfiguration();
    const Configuration before = cfg;
    w->comPortName = QStringLiteral("COM3");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.openSucceeds = true;
        port.responder = nullptr;
        port.versionHigh = 0x02;
        port.versionLow = 0x05;
        c.arrange();
        w->SendButton->click();
        EXPECT_EQ(info(), c.message);
        EXPECT_EQ(infoColour(), ErrorColour);
        EXPECT_EQ(w->firmware->text(), QStringLiteral("2.05"));
        EXPECT_FALSE(rs->isVisible());
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(cfg.progcounter, 0);
        EXPECT_EQ(cfg.codes[1].address, before.codes[1].address);
        EXPECT_EQ(cfg.codes[2].address, before.codes[2].address);
    }
}

// In English the window and the message area show a failure in English; the result's
// message, which the production log keeps, stays German.
TEST_F(TransferWindowTest, FailuresShowInEnglishWhileTheKeptMessageStaysGerman)
{
    struct Case {
        const char* name;
        std::function<void()> arrange;
        QString shown;
        QString kept;
    };
    const std::vector<Case> cases{
        {"open", [&] { port.openSucceeds = false; },
         QStringLiteral("Error opening COM port: COM3"),
         QStringLiteral("Fehler bei Öffnen von Com-Port: COM3")},
        {"version 522",
         [&] {
             port.versionHigh = 0x02;
             port.versionLow = 0x0A;
         },
         QStringLiteral("The firmware is not compatible with this software !\n"
                        " firmware found: 2.10"),
         QStringLiteral("Die Firmware ist nicht mit dieser Software kompatibel !\n"
                        " gefundene Firmware: 2.10")},
    };
    const fbe::test::InLanguage english(QStringLiteral("en"));
    userConfiguration();
    w->comPortName = QStringLiteral("COM3");
    QString kept;
    rs->onTransferEnded = [&] { kept = cfg.transfer.transferMessage; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.openSucceeds = true;
        port.versionHigh = 0x02;
        port.versionLow = 0x05;
        c.arrange();
        w->SendButton->click();
        EXPECT_EQ(info(), c.shown);
        EXPECT_EQ(kept, c.kept);
        EXPECT_EQ(rs->windowTitle(), QStringLiteral("Data transfer running ..."));
    }
}

TEST_F(TransferWindowTest, ChecksumErrorAfterAWriteKeepsTheConfigurationThatWasSent)
{
    userConfiguration();
    port.responder = [&](const ScriptedPort::Command& c, int) {
        std::vector<quint8> r = port.answer(c);
        if (c[0] == 0x32 && c[1] == 150)
            port.eeprom[150] ^= 0x40;   // a free byte under the checksum, stored wrong
        return r;
    };
    w->SendButton->click();
    EXPECT_EQ(info(), QStringLiteral("EEPROM-Fehler (checksum)\n") + Incomplete);
    EXPECT_EQ(infoColour(), ErrorColour);
    EXPECT_EQ(cfg.progcounter, 0);
    EXPECT_EQ(cfg.codes[1].address, 0x123u);
    EXPECT_EQ(cfg.codes[2].address, 0x456u);
    EXPECT_EQ(cfg.codes[2].timeCount, 150);
}

TEST_F(TransferWindowTest, GaugesFollowTheRepliesRoundedHalfToEven)
{
    // Sampled after given replies of the write and verify phases.
    std::map<int, std::pair<int, int>> seen;
    port.afterByte = [&] {
        const int n = int(port.received) - 3;   // replies after the identification
        if (n == 1 || n == 2 || n == 128 || n == 256 + 128 || n == 256 + 255)
            seen[n] = {rs->G1->value(), rs->Ggesamt->value()};
    };
    w->SendButton->click();
    EXPECT_EQ(seen[1], std::make_pair(0, 0));       // 0.39 and 0.20
    EXPECT_EQ(seen[2], std::make_pair(1, 0));       // 0.78 and 0.39
    EXPECT_EQ(seen[128], std::make_pair(50, 25));
    EXPECT_EQ(seen[256 + 128], std::make_pair(50, 75));
    EXPECT_EQ(seen[256 + 255], std::make_pair(100, 100));   // 99.6 and 99.8
}

TEST_F(TransferWindowTest, ComMenuProbeGreysOutPortsThatCannotBeOpened)
{
    commtest::Terminal one, held, four;
    ASSERT_FALSE(one.device().isEmpty());
    ComMapping com1(1, one.device());
    ComMapping com2(2, QStringLiteral("/nonexistent/fbe-com2"));
    ComMapping com3(3, held.device());
    ComMapping com4(4, four.device());
    QSerialPort holder(held.device());
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));

    emit w->MKomm->aboutToShow();
    EXPECT_TRUE(w->MCom1->isEnabled());
    EXPECT_FALSE(w->MCom2->isEnabled());
    EXPECT_FALSE(w->MCom3->isEnabled());
    EXPECT_TRUE(w->MCom4->isEnabled());
    EXPECT_FALSE(rs->RS232().isOpen());
    EXPECT_EQ(rs->RS232().comNumber(), 4);
    EXPECT_EQ(w->comPortName, QStringLiteral("COM1"));   // the choice stays

    holder.close();
    emit w->MKomm->aboutToShow();
    EXPECT_TRUE(w->MCom3->isEnabled());

    // Choosing a port checks its item alone, shows it and is used by the next transfer.
    w->MCom3->trigger();
    EXPECT_EQ(w->comPortName, QStringLiteral("COM3"));
    EXPECT_EQ(w->ShowCom->text(), QStringLiteral("COM3"));
    for (QAction* a : {w->MCom1, w->MCom2, w->MCom3, w->MCom4})
        EXPECT_EQ(a->isChecked(), a == w->MCom3) << a->objectName().toStdString();
    EncodeImage(cfg);
    port.eeprom = cfg.txBuffer;
    w->ReadButton->click();
    EXPECT_EQ(port.numbersSet.back(), 3);
    EXPECT_EQ(info(), QStringLiteral("Übertragung erfolgreich"));
}

// The whole road through a real pseudo-terminal: the window's own serial port against the
// simulated module.
TEST_F(TransferWindowTest, ProgramAndReadBackASimulatedModule)
{
    if (!QFileInfo::exists(commtest::binDir() + QStringLiteral("/fbe-module-sim")))
        GTEST_SKIP() << "fbe-module-sim not built";
    commtest::SimProcess sim({QStringLiteral("--firmware"), QStringLiteral("0x0209")});
    ASSERT_TRUE(sim.ok());
    ComMapping com2(2, sim.device());
    rs->setBytePort(nullptr);
    w->comPortName = QStringLiteral("COM2");
    userConfiguration();
    cfg.initout2 = true;
    w->FormPaint();

    w->SendButton->click();
    EXPECT_EQ(info(), QStringLiteral("Übertragung erfolgreich"));
    EXPECT_EQ(w->firmware->text(), QStringLiteral("2.09"));
    EXPECT_EQ(cfg.progcounter, 1);
    EXPECT_FALSE(rs->RS232().isOpen());
    EXPECT_EQ(rs->Laction->text(), QStringLiteral("verify configuration"));

    NeueDatei(cfg);
    w->FormPaint();
    w->ReadButton->click();
    EXPECT_EQ(info(), QStringLiteral("Übertragung erfolgreich"));
    EXPECT_FALSE(rs->RS232().isOpen());
    EXPECT_EQ(cfg.codes[1].address, 0x123u);
    EXPECT_EQ(cfg.codes[2].address, 0x456u);
    EXPECT_EQ(cfg.codes[2].timeCount, 150);
    EXPECT_TRUE(cfg.initout2);
    EXPECT_EQ(cfg.firmware, 0x0209);
}

// Every step's text fits the window; pictures of the window when FBE_SHOT_DIR names a folder.
TEST_F(TransferWindowTest, PicturesOfTheStepsAndNoTextClipped)
{
    const QString dir = qEnvironmentVariable("FBE_SHOT_DIR");
    // The steps as the window shows them, in the language in use.
    const QString checkStep = TransferProtocol::shown(TransferProtocol::actionCheck());
    std::map<QString, QString> shots = {
        {checkStep, "transfer-check"},
        {TransferProtocol::shown(TransferProtocol::actionWrite()), "transfer-write"},
        {TransferProtocol::shown(TransferProtocol::actionVerify()), "transfer-verify"},
        {TransferProtocol::shown(TransferProtocol::actionRead()), "transfer-read"}};
    auto check = [&] {
        const QString a = rs->Laction->text();
        const int need = QFontMetrics(rs->Laction->font()).horizontalAdvance(a);
        EXPECT_LE(need, rs->Laction->contentsRect().width()) << a.toStdString();
        const int part = rs->G1->value();
        auto it = shots.find(a);
        if (it != shots.end() && (a == checkStep || (part > 30 && part < 70))) {
            EXPECT_TRUE(fbe::test::laidOutWell(rs)) << a.toStdString();
            if (!dir.isEmpty())
                rs->grab().save(dir + QLatin1Char('/') + it->second + QStringLiteral(".png"));
            shots.erase(it);
        }
    };
    port.afterByte = [&] {
        noteAction();
        check();
    };
    w->SendButton->click();
    w->ReadButton->click();
    EXPECT_TRUE(shots.empty());
    EXPECT_LE(rs->G1->height(), rs->Ggesamt->height());
    if (!dir.isEmpty()) {
        w->show();
        QApplication::processEvents();
        w->grab().save(dir + QStringLiteral("/transfer-main-after.png"));
    }
}
