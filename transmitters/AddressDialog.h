// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Common ground of the address dialogs (1-, 2-, 4-key, SVS 3-key and programmable
// transmitters). The code editor copies the address of the slot it edits into the scratch
// slot 0 and shows one of them modally; the dialog works on its own copy of the address
// from every showing on, and only "OK" writes it back, into the scratch slot and the slot
// being edited. Every way of closing -- OK, the title bar, Escape -- ends in done(), which
// runs FormClose once.
#pragma once

#include "dialogs/FormDialog.h"

namespace fbe {

class AddressDialog : public FormDialog {
    Q_OBJECT
public:
    AddressDialog(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

protected:
    // The OK step: address into the scratch slot and the slot being edited, the code editor
    // shows that slot, the dialog closes.
    void takeAddress(quint64 address);

    // Enter on a focused push button presses it, as Space does; elsewhere Enter is the
    // dialog's (its default button, or the entry of a field).
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace fbe
