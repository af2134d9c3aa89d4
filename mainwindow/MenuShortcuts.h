// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard shortcuts of the main menu, as desktop users expect them: Ctrl+N "Datei &neu",
// Ctrl+O "Datei &laden", Ctrl+S "Datei &speichern" (with its save dialog, as always),
// Ctrl+Q "&Ende" and F1 "&Help". The menus show them beside the items; the items' texts and
// their Alt letters stay as they are.
#pragma once

namespace fbe {

class TFFBmain;

void addMenuShortcuts(TFFBmain& window);

}  // namespace fbe
