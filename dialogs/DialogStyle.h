// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and colours shared by the small dialogs.
#pragma once

#include "dialogs/Colours.h"

#include <QColor>
#include <QFont>

class QWidget;

namespace fbe::style {

using colour::Navy;
using colour::Yellow;
using colour::Red;
using colour::Blue;
using colour::Maroon;

// Bold Arial in the given point size.
QFont arialBold(int pointSize);
// Foreground and background of a widget through its palette; base is set as well so that
// text boxes take the colour.
void setColours(QWidget* widget, const QColor& text, const QColor& background);

}  // namespace fbe::style
