// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, bounding and writing back the numeric entry fields of the basic settings.
//
// Every field reads its text as a whole decimal number; an entry that cannot be read gives
// the field's fallback value (with a beep where the field asks for one), and a value out of
// range is bounded, never refused. Millisecond entries are kept in units of 10 ms, rounded
// to the nearest unit with an exact half going to the even unit (25 ms -> 20 ms).
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace fbe {

// A whole decimal number with an optional sign; blanks around it are allowed. Numbers
// beyond the 64-bit range saturate. Anything else (empty text, letters, a decimal
// separator) cannot be read.
std::optional<qint64> readInteger(const QString& text);

// Milliseconds to units of 10 ms, an exact half going to the even unit. Negative entries
// give 0.
qint64 msToUnits(qint64 ms);

// The value a field takes from its text, and whether the entry asks for a beep.
struct FieldValue {
    qint64 value = 0;
    bool beep = false;
};

// "Prüfschärfe": 1..99; unreadable: beep, 1.
FieldValue entryPruefanzahl(const QString& text);
// The arrows beside it: the field's text plus or minus 1, bounded; unreadable: beep, 1.
FieldValue stepPruefanzahl(const QString& text, bool up);
// "Korrektur": -50..50; unreadable: beep, 1.
FieldValue entryKorrektur(const QString& text);
// Its arrows: unreadable text counts as 0 (with a beep).
FieldValue stepKorrektur(const QString& text, bool up);
// "Sperrzeit" and "Umschaltzeit:" in ms: units of 10 ms, 0..255; unreadable: beep, 0.
FieldValue entryTenMsByte(const QString& text);
// "Not-Aus:" time in ms: units of 10 ms, 0..65535; unreadable: beep, 0.
FieldValue entryTimeOut(const QString& text);
// "Bits:" of the checksum: 0..8; unreadable: 0 without a beep.
FieldValue entryCheckBits(const QString& text);
// "Code-Pos": 0..40; unreadable: 0 without a beep.
FieldValue entryDirshift(const QString& text);
// "Codierlänge (Bits)": read as one byte (a negative entry wraps to 256 plus the entry),
// then 0 -> 1 and above 40 -> 40; unreadable: 40 without a beep.
FieldValue entryBitanzahl(const QString& text);
// The programming counter: not below 0; unreadable: beep, 0.
FieldValue entryProgcounter(const QString& text);
// An address increment: any value the field holds; unreadable: beep, 0.
FieldValue entryOffset(const QString& text);
// "dezimal:" of the general address: a decimal number of the 40 address bits; a negative
// entry gives 0 and one above 2^40 - 1 gives 2^40 - 1, both with a beep. Unreadable text
// gives no value (the general address stays as it is).
std::optional<FieldValue> entryGeneralDez(const QString& text);

// The normal forms written back into the fields.
QString pruefanzahlText(qint64 value);        // blanks in front to 2 characters
QString korrekturText(qint64 value);          // blanks in front to 3 characters
QString tenMsText(qint64 units);              // units x 10 ms, blanks in front to 4
QString timeOutText(qint64 units);            // units x 10 ms, zeros in front to 6 digits
QString progcounterText(qint64 value);        // zeros in front to 4 digits
QString offsetText(qint64 value);             // blanks in front to 4 characters
QString dirshiftText(qint64 value);           // blanks in front to 2 characters

}  // namespace fbe
