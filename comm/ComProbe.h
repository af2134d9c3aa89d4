// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Which of the listed ports can be opened: asked each time the menu "&Kommunikation" opens.
#pragma once

#include "comm/OpenFailure.h"
#include "comm/PortCatalogue.h"

#include <vector>

namespace fbe {

class BytePort;

// Every port of a list (listPorts) is opened and closed in turn, the items COM1 .. COM4 by
// their number, the others by their path; a port that is missing or held by another program
// cannot be opened. Entry i says why port i cannot be opened (kind None: it can). Leaves the
// port closed and on the COM number it was given last. Use the transfer window's port:
// probePorts(forms.Frs232->RS232(), ports).
std::vector<OpenFailure> probePorts(BytePort& port, const QList<PortEntry>& ports);

}  // namespace fbe
