// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Address arithmetic of the transmitter address dialogs and the rules by which the system and
// programmable-transmitter dialogs read their entries. Kept apart from the windows so that
// every bit rule can be checked without widgets.
#pragma once

#include <QString>
#include <QtGlobal>

namespace fbe::addr {

// ---- 1-, 2- and 4-key hand transmitters: 12 code bits in a signed 32-bit working address ----

// Flips one code bit: subtracts its value when it is set, adds it otherwise.
qint32 toggleBit(qint32 address, int bit);
bool bitSet(qint32 address, int bit);
// A key selector: the address ANDed with andMask (which also clears every bit above bit 11),
// then the key's value added.
qint32 chooseKey(qint32 address, quint32 andMask, qint32 keyValue);
// The key bits of an address: those of bits 0..11 that andMask clears.
qint32 keyBits(qint32 address, quint32 andMask);
// The working address of a slot address (its low 32 bits) and back (sign-extended).
qint32 workingFromSlot(quint64 address);
quint64 slotFromWorking(qint32 working);

// ---- SVS 3-key transmitter: eight three-position switches and three keys, 40 bits ----

constexpr int SvsSwitches = 8;
constexpr int SvsKeyUpper = 8;    // bit of the upper key (0 = pressed)
constexpr int SvsKeyMiddle = 6;
constexpr int SvsKeyLower = 4;
constexpr quint64 Low40 = (quint64(1) << 40) - 1;

enum class SvsPosition { Left, Middle, Right, Blocked };

// Low bit of switch n (1..8); the switch's high bit is the next one up.
int svsLowBit(int n);
SvsPosition svsPosition(quint64 address, int n);
// One click on switch n: from left or right to the middle; from the middle to the left when
// the left half of the switch was clicked, else to the right. A switch reading "1, 0" stays.
// Every change also clears the bits from 40 up.
quint64 svsAdvance(quint64 address, int n, bool leftHalf);
// A key box: pressed clears the key's bit, released sets it; bits from 40 up are cleared.
quint64 svsSetKey(quint64 address, int bit, bool pressed);

// ---- Programmable transmitter ----

// Code length typed for the programmable transmitter: above 40 gives 40, 0 gives 1, a negative
// number or text that is no number gives 40.
quint8 codeLengthFromText(const QString& text);

struct Entry {
    quint64 value = 0;
    bool beep = false;   // the text could not be taken as it was
};
// A typed address: blanks around it allowed; text that is no number, and a negative number,
// give 0 with a beep.
Entry addressFromText(const QString& text);
// The address bounded to the largest that the code length allows (unsigned comparison).
quint64 limitAddress(quint64 address, unsigned bits);

// ---- System base settings ----

// A decoder parameter: a decimal integer bounded to 0..255; unreadable text gives 0 with a beep.
Entry byteFromText(const QString& text);
// The 40-digit check mask: the first character is bit 39; reading stops at the first
// character that is not a decimal digit.
quint64 maskFromText(const QString& text);

// Decimal text of value, fill characters in front up to at least width characters.
QString padded(quint64 value, int width, QChar fill);

}  // namespace fbe::addr
