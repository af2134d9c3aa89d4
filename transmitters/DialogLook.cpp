// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitters/DialogLook.h"

#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace fbe::look {

QFont arial(int pointSize, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

QFont labelFont()
{
    return arial(9, true);
}

QFont hintFont()
{
    return arial(8);
}

QFont monoBold(int pointSize)
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::Monospace);
    f.setPointSize(pointSize);
    f.setBold(true);
    return f;
}

void applyDialogLook(QDialog* dialog)
{
    dialog->setFont(arial(9));
}

void styleAddressDisplay(QLineEdit* edit)
{
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFont(monoBold(16));
    edit->setStyleSheet(QStringLiteral(
        "QLineEdit { color: #0a2a6b; background: #fbfcfe; border: 1px solid #8a95a5;"
        " border-radius: 3px; padding: 0 4px; }"));
}

void styleOkButton(QPushButton* button)
{
    QFont f = arial(10, true);
    button->setFont(f);
}

}  // namespace fbe::look

namespace fbe::look {

void styleHowto(QLabel* label)
{
    label->setFont(hintFont());
    label->setStyleSheet(QStringLiteral("color: #50575f;"));
}

}  // namespace fbe::look
