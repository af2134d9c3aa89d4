// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// A system for the port list: the adapters, links and extra paths a test offers.
#pragma once

#include "comm/PortCatalogue.h"

namespace commtest {

class FakePortSource : public fbe::PortSource {
public:
    QList<fbe::SystemPortInfo> ports;
    QList<fbe::SerialLink> links;
    QStringList extras;

    QList<fbe::SystemPortInfo> availablePorts() const override { return ports; }
    QList<fbe::SerialLink> serialLinks() const override { return links; }
    QStringList extraPorts() const override { return extras; }
};

}  // namespace commtest
