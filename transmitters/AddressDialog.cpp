#include "transmitters/AddressDialog.h"

#include "config/Configuration.h"
#include "editors/TFCode.h"
#include "mainwindow/Forms.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

namespace fbe {

AddressDialog::AddressDialog(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : QDialog(parent), cfg(cfg), seam(seam), forms(forms)
{
    setModal(true);
}

void AddressDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        open_ = true;
        FormActivate();
    }
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

void AddressDialog::done(int result)
{
    if (open_) {
        open_ = false;
        FormClose();
    }
    QDialog::done(result);
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
