// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/FormDialog.h"

#include "dialogs/Artwork.h"
#include "dialogs/ScreenFit.h"

#include <QIcon>
#include <QShowEvent>

namespace fbe {

FormDialog::FormDialog(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : QDialog(parent), cfg(cfg), seam(seam), forms(forms)
{
    art::ensureLoaded();
    setWindowIcon(art::icon(QString::fromLatin1(art::Icon)));
    // Only the system menu and the close box, as all small windows of the program.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    ScreenFit::install(this);
}

void FormDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void FormDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

void FormDialog::done(int result)
{
    const bool wasVisible = isVisible();
    if (wasVisible)
        FormClose();
    QDialog::done(result);
    if (wasVisible && onClosed)
        onClosed();
}

}  // namespace fbe
