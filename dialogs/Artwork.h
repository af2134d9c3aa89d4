// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures, compiled in from resources/fbe.qrc: the six transmitter glyphs,
// the window icon and the code position marker.
#pragma once

#include <QIcon>
#include <QString>

class QSvgRenderer;

namespace fbe::art {

inline constexpr char Fb1aurel[] = ":/fbe/fb1aurel.svg";   // 1-key hand transmitter, type 7
inline constexpr char Fb2aurel[] = ":/fbe/fb2aurel.svg";   // 2-key hand transmitter, type 2
inline constexpr char Fb4aurel[] = ":/fbe/fb4aurel.svg";   // 4-key hand transmitter, type 1
inline constexpr char Fb3svs[] = ":/fbe/fb3svs.svg";       // SVS 3-key transmitter, type 10
inline constexpr char Fb16uni[] = ":/fbe/fb16uni.svg";     // programmable 1..16 keys, type 16
inline constexpr char Fb17uni[] = ":/fbe/fb17uni.svg";     // high power version, type 17
inline constexpr char Icon[] = ":/fbe/icon.svg";           // window icon
inline constexpr char Codepos[] = ":/fbe/codepos.svg";     // marker under a 40-digit row, 7 x 12 px

// Makes sure the pictures are registered. The window library is linked statically, where
// compiled-in resources are registered only when something asks for them; every small
// dialog calls this, and other windows may too. Cheap after the first call.
void ensureLoaded();

// The picture as an icon. The drawing is read when the icon is first shown, once for the whole
// run (every window shows the window icon).
QIcon icon(const QString& picture);

// The drawing, read once for the whole run and shared by all that paint it.
QSvgRenderer& drawing(const QString& picture);

// The picture of a transmitter type code (1, 2, 7, 10, 16, 17); empty for any other code.
QString glyphPath(int typ);

}  // namespace fbe::art
