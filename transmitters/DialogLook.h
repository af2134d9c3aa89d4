// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and styles shared by the transmitter dialogs and the system dialog.
#pragma once

#include "dialogs/Colours.h"

#include <QColor>
#include <QFont>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fbe::look {

using colour::Maroon;
using colour::Red;
using colour::Lime;
// Stand-in for the desktop background colour behind the rows of the transmitter selection.
inline const QColor Desktop(58, 110, 165);

// Plain Arial-like face in the given point size.
QFont arial(int pointSize, bool bold = false);
QFont labelFont();   // captions beside fields
QFont hintFont();    // small explanatory text
QFont monoBold(int pointSize);

void applyDialogLook(QDialog* dialog);
// Read-only address display: large bold monospaced digits, centred.
void styleAddressDisplay(QLineEdit* edit);
void styleOkButton(QPushButton* button);
// Small grey instruction line.
void styleHowto(QLabel* label);

}  // namespace fbe::look
