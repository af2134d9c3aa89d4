// Which of COM1..COM4 can be opened: asked each time the menu "&Kommunikation" opens.
#pragma once

#include "comm/OpenFailure.h"
#include "comm/PortCatalogue.h"

#include <array>
#include <vector>

namespace fbe {

class BytePort;

// Entry n-1 is true when COMn could be opened. For n = 1..4: close, choose n, open, close;
// a port that is missing or held by another program gives false. Leaves the port closed
// with number 4. Use the transfer window's port: probeComPorts(forms.Frs232->RS232()).
std::array<bool, 4> probeComPorts(BytePort& port);

// The same for every port of a list (listPorts): each is opened and closed in turn, the items
// COM1 .. COM4 by their number, the others by their path. Entry i says why port i cannot be
// opened (kind None: it can). Leaves the port closed and back on its COM number.
std::vector<OpenFailure> probePorts(BytePort& port, const QList<PortEntry>& ports);

}  // namespace fbe
