// Fonts and colours shared by the small dialogs.
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace fbe::style {

inline const QColor Navy(0, 0, 128);
inline const QColor Yellow(255, 255, 0);
inline const QColor Red(255, 0, 0);
inline const QColor Blue(0, 0, 255);
inline const QColor Maroon(128, 0, 0);

// Bold Arial in the given point size.
QFont arialBold(int pointSize);
// Foreground and background of a widget through its palette; base is set as well so that
// text boxes take the colour.
void setColours(QWidget* widget, const QColor& text, const QColor& background);

}  // namespace fbe::style
