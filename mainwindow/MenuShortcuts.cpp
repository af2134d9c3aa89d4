// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/MenuShortcuts.h"

#include "mainwindow/TFFBmain.h"

#include <QAction>
#include <QKeySequence>

namespace fbe {

void addMenuShortcuts(TFFBmain& w)
{
    // Written out rather than taken from the desktop's standard keys, which lack Ctrl+Q on
    // some systems and differ for help.
    w.MNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    w.Mopen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    w.Msave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    w.Mexit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    w.Mhilfe->setShortcut(QKeySequence(Qt::Key_F1));
}

}  // namespace fbe
