// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DialogStyle.h"

#include <QPalette>
#include <QWidget>

namespace fbe::style {

QFont arialBold(int pointSize)
{
    QFont font(QStringLiteral("Arial"), pointSize, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void setColours(QWidget* widget, const QColor& text, const QColor& background)
{
    QPalette pal = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::WindowText, text);
        pal.setColor(group, QPalette::Text, text);
        pal.setColor(group, QPalette::Window, background);
        pal.setColor(group, QPalette::Base, background);
    }
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

}  // namespace fbe::style
