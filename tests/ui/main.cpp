// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the window tests: one QApplication for all tests, offscreen unless the caller
// chose a platform. Offscreen, the tests run on one screen of 1280 x 1024 at 100 %, on which
// every window of the program fits wholly where the tests put it (the platform's own screen
// of 800 x 800 is narrower than the main window with its frame). The language follows the
// environment as the program's does (ctest sets LANGUAGE=de; the English sweep LANGUAGE=en).
#include "config/Language.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    QTemporaryFile screens(QDir::tempPath() + QStringLiteral("/fbe-test-screen-XXXXXX.json"));
    if (platform.isEmpty() || platform == "offscreen") {
        QByteArray chosen = "offscreen";
        if (screens.open()) {
            screens.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, )"
                          R"("width": 1280, "height": 1024, "logicalDpi": 96}]})");
            screens.flush();
            chosen += ":configfile=" + QFile::encodeName(screens.fileName());
        }
        qputenv("QT_QPA_PLATFORM", chosen);
    }
    QApplication app(argc, argv);
    fbe::language::use(fbe::language::choose(QString(), fbe::language::desktopLanguages()));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
