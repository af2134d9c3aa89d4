// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cmd_ports.h"

#include "comm/ComProbe.h"
#include "comm/PortCatalogue.h"
#include "comm/SerialPortService.h"
#include "tools/ToolText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QTextStream>

using namespace fbe;

namespace {

QJsonValue idJson(const std::optional<quint16>& id)
{
    return id ? QJsonValue(int(*id)) : QJsonValue(QJsonValue::Null);
}

QJsonArray toJson(const QList<PortEntry>& ports, const std::vector<OpenFailure>& states)
{
    QJsonArray out;
    for (int i = 0; i < ports.size(); ++i) {
        const PortEntry& p = ports.at(i);
        const OpenFailure& s = states.at(size_t(i));
        out.append(QJsonObject{
            {"name", p.name},
            {"device", p.device},
            {"description", p.description},
            {"manufacturer", p.manufacturer},
            {"serialNumber", p.serialNumber},
            {"vendorId", idJson(p.vendorId)},
            {"productId", idJson(p.productId)},
            {"byId", p.byId.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(p.byId)},
            {"usable", !s.failed()},
            {"reason", s.failed() ? QJsonValue(s.reason()) : QJsonValue(QJsonValue::Null)},
        });
    }
    return out;
}

// One line per port (name, device, description, state), the details indented below.
void printTable(QTextStream& out, const QList<PortEntry>& ports,
                const std::vector<OpenFailure>& states)
{
    int nameWidth = int(FbeTool::tr("Name").size());
    int deviceWidth = int(FbeTool::tr("Gerät").size());
    int descriptionWidth = int(FbeTool::tr("Beschreibung").size());
    for (const PortEntry& p : ports) {
        nameWidth = qMax(nameWidth, int(p.name.size()));
        deviceWidth = qMax(deviceWidth, int(p.device.size()));
        descriptionWidth = qMax(descriptionWidth, int(p.description.size()));
    }
    auto row = [&](const QString& name, const QString& device, const QString& description,
                   const QString& state) {
        out << name.leftJustified(nameWidth) << "  " << device.leftJustified(deviceWidth) << "  "
            << description.leftJustified(descriptionWidth) << "  " << state << "\n";
    };
    row(FbeTool::tr("Name"), FbeTool::tr("Gerät"), FbeTool::tr("Beschreibung"),
        FbeTool::tr("Zustand"));
    for (int i = 0; i < ports.size(); ++i) {
        const PortEntry& p = ports.at(i);
        const OpenFailure& s = states.at(size_t(i));
        row(p.name, p.device, p.description,
            s.failed() ? FbeTool::tr("nicht nutzbar: %1").arg(OpenFailure::shown(s.reason()))
                       : FbeTool::tr("nutzbar"));
        const QStringList details = p.details().mid(1);   // the device is in the row
        for (const QString& d : details)
            out << QString(nameWidth + 2, QLatin1Char(' ')) << d << "\n";
    }
}

}  // namespace

int runPortsCommand(const QStringList& args)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    bool json = false;
    for (const QString& a : args) {
        if (a == QLatin1String("--json")) {
            json = true;
        } else {
            err << FbeTool::tr("Aufruf: fbe-tool ports [--json]") << "\n";
            return 2;
        }
    }
    const SystemPortSource source;
    const QList<PortEntry> ports = listPorts(source);
    SerialPortService port;
    const std::vector<OpenFailure> states = probePorts(port, ports);
    if (json)
        out << QJsonDocument(toJson(ports, states)).toJson(QJsonDocument::Indented);
    else
        printTable(out, ports, states);
    return 0;
}
