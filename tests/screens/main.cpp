// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the screen tests: one QApplication on four offscreen screens side by side, as
// technicians' machines have them. Each screen's scaling follows from its logical dpi, as a
// desktop reports it (96 dpi is 100 %); the sizes are in device pixels:
//
//   "1-gross"   1920 x 1200 at 100 %   the primary screen           free area 1920 x 1200
//   "2-klein"   1280 x 1024 at 200 %                                free area  640 x  512
//   "3-laptop"  1366 x  768 at 125 %                                free area 1093 x  614
//   "4-winzig"   800 x  600 at 200 %                                free area  400 x  300
#include <QApplication>
#include <QDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QTemporaryFile screens(QDir::tempPath() + QStringLiteral("/fbe-screens-XXXXXX.json"));
    if (!screens.open())
        return 2;
    screens.write(R"({"screens": [
        {"name": "1-gross", "x": 0, "y": 0, "width": 1920, "height": 1200, "logicalDpi": 96},
        {"name": "2-klein", "x": 2000, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 192},
        {"name": "3-laptop", "x": 4000, "y": 0, "width": 1366, "height": 768, "logicalDpi": 120},
        {"name": "4-winzig", "x": 6000, "y": 0, "width": 800, "height": 600, "logicalDpi": 192}
    ]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    // The scalings are the screens' own, none imposed from outside.
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_SCALE_FACTOR_ROUNDING_POLICY"})
        qunsetenv(name);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
