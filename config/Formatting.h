// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Number and time formatting shared by the codec, the file and the windows. Numbers are
// shown with the German decimal comma whatever the system locale is.
#pragma once

#include "config/Configuration.h"

#include <QString>
#include <array>
#include <optional>

namespace fbe {

// A slot's time as a number in its display unit (timebase), with a decimal comma, eight
// characters at most unless the whole number is longer; no padding, no unit.
QString timeNumberText(const CodeSlot& slot);
// "ms", "s", "min", "h"; "???" outside 0..3.
QString timeUnitText(quint8 timebase);

// Text of a slot's time with its unit, e.g. "  1,5s" for 1500 ms shown in seconds.
QString getTimevalue(const CodeSlot& slot);
inline QString getTimevalue(const Configuration& cfg, int slot) { return getTimevalue(cfg.codes[slot]); }

// Decimal text of number, preceded by fill characters up to at least width characters.
QString PadLeft(int width, QChar fill, qint64 number);

// kind 0: decimal, blank-padded to width; kind 1: upper-case hex, zero-padded to width digits;
// kind 2: exactly width binary digits, bit width-1 first.
QString FormatNumber(int kind, int width, quint64 value);

// Bytes 0..7 of value, least significant first.
std::array<quint8, 8> SplitBytes(quint64 value);

// Up to 40 digits 0/1 to a value, the first character being bit 39 (so "1" is bit 39).
// Other digits count as 0; the first character that is not a digit ends the reading.
quint64 ParseBinary(const QString& text);

// Shortest general form with 15 significant digits and a decimal comma.
QString formatGeneral(double value);

// Reads a decimal number that may use a comma or a point as decimal separator.
std::optional<double> parseDecimal(const QString& text);

// Rounds an exact half to the even neighbour.
qint64 roundHalfEven(double value);

}  // namespace fbe
