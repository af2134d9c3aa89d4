// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Work for the main window's first showing, done while the start-up timer runs.
//
// The main window is built first and shown by its start-up step a fixed time later; the
// other windows are built in between and take only part of that time. The rest is used to
// do once what the first showing would otherwise do while the user waits: the main window
// is drawn once into an image no one sees (its layout, its fonts and the pictures of their
// letters, its icons), and the windows are asked for their outer size (their layouts),
// which the start-up step needs to keep them on the screen. Nothing the user sees changes;
// the showing then finds all this done.
#pragma once

class QWidget;

namespace fbe {

// mainWindow: not shown yet; the other windows are its children.
void prepareFirstShow(QWidget& mainWindow);

}  // namespace fbe
