// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Addresses and the code length: an address above 2^bits - 1 is one the transmitter can
// never send. Lowering the code length limits the addresses to it; a configuration that
// still holds such an address in a used code (from a file or a module) is not programmed.
// Every change the program makes to a used code's address is named.
#pragma once

#include "config/Configuration.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace fbe {

using CodeSlots = std::array<CodeSlot, 9>;   // slot 0 (the scratch slot) and codes 1..8

// The messages of this unit are in the language in use (the message area, fbe-tool's output).
// " Adresse wurde begrenzt !!!"
QString msgAddressLimited();
// " CODE n: Adresse größer als max. Adresse"
QString msgAddressBeyondMax(int code);

// Limits the address of every code 1..8 to the largest address of the current code length.
// Returns whether an address changed.
bool LimitAddressesToCodeLength(Configuration& cfg);

// The refusal of a programming run: one line msgAddressBeyondMax(n) for every code n whose
// function is not "keine" and whose address lies above the largest address of the code
// length; empty when the configuration may be programmed. In "Parallel"-Codes mode the
// codes are bits of the general address, their own addresses are neither shown nor sent to
// any use, and nothing is refused.
QStringList AddressesBeyondCodeLength(const Configuration& cfg);

struct AddressChange {
    int code = 0;
    quint64 before = 0;
    quint64 after = 0;
};

// The used codes 1..8 (function not "keine" after the change) whose address differs
// between before and after, in code order.
QList<AddressChange> ChangedAddresses(const CodeSlots& before, const CodeSlots& after);

// The lines that name those changes; empty when there is none:
//   " Adressen begrenzt: CODE 1 3000 --> 1023, CODE 2 3500 --> 1023"
// and, when used codes came to share an address through them, one more line with every
// such group ("; " between groups):
//   " gleiche Adresse: CODE 1 und CODE 2"
//   " gleiche Adresse: CODE 1, CODE 2 und CODE 3; CODE 5 und CODE 6"
QStringList AddressChangeLines(const CodeSlots& before, const CodeSlots& after);

// The line that names addresses a step taken back brought back, each from its value before
// to the one restored; empty when there is none:
//   " Adressen zurückgenommen: CODE 1 1023 --> 3000, CODE 2 1023 --> 3500"
QString AddressRestoredLine(const QList<AddressChange>& restored);

}  // namespace fbe
