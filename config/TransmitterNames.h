// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The transmitter types of the selection window by name: the model and its first line
// ("Mini-Handsender MHS 4", "4-Kanal; 12 Bit Codierung"), in the language in use. The
// selection window and the configuration sheet name a type alike.
#pragma once

#include <QString>

namespace fbe {

// Whether the selection window offers the type (the six known types, not type 0).
bool isListedTransmitter(int code);
// The model's name; empty for a type the selection window does not offer.
QString transmitterName(int code);
// Its channels and code, the first line below the name; empty as above.
QString transmitterDetail(int code);

}  // namespace fbe
