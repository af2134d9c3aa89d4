#include "comm/ComProbe.h"

#include "comm/BytePort.h"

namespace fbe {

std::array<bool, 4> probeComPorts(BytePort& port)
{
    std::array<bool, 4> usable{};
    for (int n = 1; n <= 4; ++n) {
        port.close();
        const bool numbered = port.setComNumber(n);
        const bool opened = numbered && port.open();
        port.close();
        usable[n - 1] = opened;
    }
    return usable;
}

}  // namespace fbe
