// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// A fixture for the program's transfers as the user starts them in the main window: the
// windows as after start-up, a scripted module behind the transfer window on request, and
// every show of the transfer window runs until the window closes itself.
//
//   struct ReadTest : fbe::test::TransferTest {
//       void SetUp() override { ASSERT_NO_FATAL_FAILURE(TransferTest::SetUp()); useScriptedPort(); }
//   };
#pragma once

#include "ProgramWindows.h"
#include "comm/CommTestSupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace fbe::test {

struct TransferTest : ProgramTest {
    commtest::ScriptedPort port;   // the windows that use it go first, in TearDown
    TFFBmain* w = nullptr;         // the main window
    TFrs232* rs = nullptr;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ProgramTest::SetUp());
        create();
        w = main.get();
        rs = forms.Frs232;
        w->inittimer->stop();
        w->FormPaint();
        // Other windows are closed by their title bar (the question before unsaved changes
        // are lost so answered stops the command).
        seam.defaultAnswer = [this](QDialog& d) {
            if (&d == rs)
                runToTheEnd();
        };
    }

    // The module behind the transfer window is the scripted one, not the serial port.
    void useScriptedPort() { rs->setBytePort(&port); }

    // Waits until the transfer window, shown modally, closes itself at the end of its run.
    void runToTheEnd()
    {
        EXPECT_TRUE(commtest::runUntil([this] { return !rs->isVisible(); }, 20000));
    }

    int transferShows() const { return shows(rs); }

    // The program as after start-up once more, with the scripted module (its EEPROM erased)
    // and the window shown and active: one row of a table each.
    void restart()
    {
        stop();
        create();
        w = main.get();
        rs = forms.Frs232;
        w->inittimer->stop();
        w->settingsPath = path(QStringLiteral("fbe_ini.ini"));
        useScriptedPort();
        port.eeprom = {};
        port.commands.clear();
        port.sentFromHandler.clear();
        port.sent.clear();
        port.responder = nullptr;
        port.afterByte = nullptr;
        port.openSucceeds = true;
        port.versionHigh = 0x02;
        port.versionLow = 0x05;
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
};

}  // namespace fbe::test
