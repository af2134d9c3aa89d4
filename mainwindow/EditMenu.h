// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The menu "&Bearbeiten" between "&Datei" and "&Kommunikation": "&Rückgängig" (Ctrl+Z) and
// "&Wiederholen" (Ctrl+Y, Ctrl+Shift+Z), each naming the step it takes back or redoes
// ("Rückgängig: Codierlänge") and greyed when there is none or while hands-free
// programming runs. Creates the window's history (UndoHistory) as well.
#pragma once

namespace fbe {

class TFFBmain;

void addEditMenu(TFFBmain& window);

}  // namespace fbe
