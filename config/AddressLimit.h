// Addresses and the code length: an address above 2^bits - 1 is one the transmitter can
// never send. Lowering the code length limits the addresses to it; a configuration that
// still holds such an address in a used code (from a file or a module) is not programmed.
#pragma once

#include "config/Configuration.h"

#include <QString>
#include <QStringList>

namespace fbe {

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

}  // namespace fbe
