// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "comm/ComProbe.h"

#include "comm/BytePort.h"

namespace fbe {

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
