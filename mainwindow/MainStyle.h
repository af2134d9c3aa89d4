// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts, colours and small change-only setters of the main window.
#pragma once

#include "dialogs/Colours.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QAction;
class QLineEdit;
class QWidget;

namespace fbe::mainstyle {

using colour::Silver;
using colour::Purple;
using colour::Blue;
using colour::Navy;
using colour::Maroon;
using colour::Red;
using colour::Yellow;
using colour::ErrorRed;
using colour::Lime;
inline const QColor WindowGrey(82, 82, 82);
inline const QColor GroupGrey(216, 216, 216);
inline const QColor InnerGrey(211, 211, 211);

// The window's default font (a small sans serif) and the named faces, in pixel sizes so that
// the fixed layout holds at every screen resolution.
QFont sans(int pixelSize, bool bold = false);
QFont arial(int pixelSize, bool bold = false);
QFont courier(int pixelSize, bool bold = false);
// The first of the families that is installed (compared as the toolkit does, ignoring case);
// empty when none is, and the toolkit then finds a stand-in. The faces above are made in it,
// found once per list.
QString installedFamily(const QStringList& families);
// A narrow face for labels that must fit a fixed width.
QFont narrow(int pixelSize, bool bold = false);
// The font made smaller, down to minPixelSize, until text fits into width pixels.
QFont fitted(QFont font, const QString& text, int width, int minPixelSize = 8);
// A monospaced face whose digits are exactly advance pixels wide.
QFont digits(int pixelSize, int advance, bool bold = false);

void setColours(QWidget* w, const QColor& text, const QColor& background);

// A one-line label for texts of any length (a project name, a file path): a text wider than
// the label is drawn in a smaller type, down to minPixelSize, and beyond that shortened with
// "…" at the given place. text() always holds the whole text.
class FitLabel : public QLabel {
public:
    FitLabel(const QString& text, QWidget* parent, Qt::TextElideMode elide, int minPixelSize);
    // The text as it is drawn now (shortened or whole) and the font it is drawn in.
    QString shownText() const;
    QFont shownFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const;
    Qt::TextElideMode elide_;
    int minPixelSize_;
};

// Setters that touch the control only when the value really changes, so that a refresh
// causes no repaint (and no further refresh) when nothing changed.
bool setTextIfChanged(QLabel* label, const QString& text);
// A field the user is typing into (focused and modified) is left alone; its exit handler
// takes the entry when the field is left.
bool setTextIfChanged(QLineEdit* edit, const QString& text);
bool setCheckedIfChanged(QAbstractButton* button, bool checked);
bool setCheckedIfChanged(QAction* action, bool checked);
bool setVisibleIfChanged(QWidget* w, bool visible);
bool setEnabledIfChanged(QWidget* w, bool enabled);

}  // namespace fbe::mainstyle
