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

std::vector<OpenFailure> probePorts(BytePort& port, const QList<PortEntry>& ports)
{
    std::vector<OpenFailure> states;
    states.reserve(size_t(ports.size()));
    for (const PortEntry& e : ports) {
        port.close();
        port.setDevicePath(e.isCom() ? QString() : e.path());
        const bool numbered = !e.isCom() || port.setComNumber(e.comNumber);
        OpenFailure state;
        if (!numbered || !port.open()) {
            state = port.openFailure();
            if (!state.failed())
                state = OpenFailure{OpenFailure::Other, e.path(), QString()};
        }
        port.close();
        states.push_back(state);
    }
    port.setDevicePath(QString());
    return states;
}

}  // namespace fbe
