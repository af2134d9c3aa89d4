// Which of COM1..COM4 can be opened: asked each time the menu "&Kommunikation" opens.
#pragma once

#include <array>

namespace fbe {

class BytePort;

// Entry n-1 is true when COMn could be opened. For n = 1..4: close, choose n, open, close;
// a port that is missing or held by another program gives false. Leaves the port closed
// with number 4. Use the transfer window's port: probeComPorts(forms.Frs232->RS232()).
std::array<bool, 4> probeComPorts(BytePort& port);

}  // namespace fbe
