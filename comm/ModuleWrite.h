// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// What "Modul programmieren" does before the transfer starts; shared by the main window and
// the command line so that both program the same image.
#pragma once

#include "config/Configuration.h"

#include <QStringList>

namespace fbe {

// Every code whose function is "keine" gets address 0; then EncodeImage builds the send
// image and copies it into the transmit buffer.
void PrepareModuleWrite(Configuration& cfg);

// The lines of the warning window when one of the codes 1..4 has a function but no output
// and direct output (option flag bit 2 of the send image) is off; empty otherwise.
QStringList OutputCheckWarning(const Configuration& cfg);

}  // namespace fbe
