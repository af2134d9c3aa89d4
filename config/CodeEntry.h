// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Entries of the code and function editor: the slot's address and the time of the timed
// functions ("1:1 (Tastend)" with its run-on time, "Impuls" with its duration).
//
// A slot's time is timeCount steps of 10 ms (fine raster) or of 2 s (coarse raster); its
// timebase is only the unit in which the time is shown and typed (0 ms, 1 s, 2 min, 3 h).
// Typed times are converted exactly from their decimal text, so a half step always goes to
// the even step whatever the unit.
#pragma once

#include "config/Configuration.h"

#include <QString>

namespace fbe {

// Text of the editor's time field: the slot's time in its unit, in the shortest general
// form with a decimal comma (below 0.0001 in fixed form with 7 decimals), cut after the
// 8th character and blank-padded in front to 8 characters. The whole-number part is never
// cut, so a time of more than 8 digits in ms still reads back as itself.
QString durationText(const CodeSlot& slot);

// The slot's time in milliseconds.
qint64 durationMs(const CodeSlot& slot);

struct TimeSetting {
    quint16 count = 1;
    bool coarse = false;   // 2 s steps
    bool beep = false;     // the text could not be read; 1 in the unit was taken
};

// Reads a typed time in the given unit. A comma or a point separates the decimals. An
// unreadable text counts as 1 (with a beep); a negative one as 0. In ms, an entry below
// 10 counts as 10. From 65535 steps of 10 ms on, the coarse raster of 2 s is taken, up to
// 65520 steps (36 h 24 min). Every time ends up at least one step long.
TimeSetting readDuration(const QString& text, quint8 timebase);

struct AddressEntry {
    quint64 address = 0;
    bool limited = false;  // bounded to maxAddress: show "Adresse wurde begrenzt !!!"
    bool beep = false;
};

// Reads the typed decimal address. Above maxAddress it is bounded to it (with a beep and
// the warning); an unreadable text gives 0 with a beep, and so does a negative number.
AddressEntry readCodeAddress(const QString& text, quint64 maxAddress);

// The editor's address text: decimal, blanks in front to 12 characters.
QString codeAddressText(quint64 address);

// Next slot number for the code arrows and "nächster Code": 1..8, or 1..4 in parallel
// mode, wrapping at both ends. From a code outside that range (a code 5..8 in parallel
// mode) the upper arrow gives the first code and the lower one the last.
int stepSlot(int slot, bool up, bool parallel);

}  // namespace fbe
