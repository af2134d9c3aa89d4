// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitters/AddressDialog.h"

#include "config/Configuration.h"
#include "editors/TFCode.h"
#include "mainwindow/Forms.h"

#include <QKeyEvent>
#include <QPushButton>

namespace fbe {

AddressDialog::AddressDialog(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : FormDialog(cfg, seam, forms, parent)
{
    setModal(true);
}

void AddressDialog::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void AddressDialog::takeAddress(quint64 address)
{
    const int slot = cfg.slotBeingEdited;
    cfg.codes[0].address = address;
    if (slot >= 1 && slot <= 8)
        cfg.codes[slot].address = address;
    if (forms.FCode)
        forms.FCode->CodeShow(slot);
    accept();
}

}  // namespace fbe
