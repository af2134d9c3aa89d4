// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The named colours every window of the program uses.
#pragma once

#include <QColor>

namespace fbe::colour {

inline const QColor Purple(128, 0, 128);
inline const QColor Blue(0, 0, 255);
inline const QColor Navy(0, 0, 128);
inline const QColor Maroon(128, 0, 0);
inline const QColor Red(255, 0, 0);
inline const QColor Lime(0, 255, 0);
inline const QColor Yellow(255, 255, 0);
inline const QColor Silver(192, 192, 192);
// Background of the message area after an error.
inline const QColor ErrorRed(254, 80, 75);

}  // namespace fbe::colour
