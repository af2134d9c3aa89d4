// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/PortMenu.h"

#include "comm/ComProbe.h"
#include "comm/PortNames.h"
#include "comm/SerialPortService.h"
#include "comm/TFrs232.h"
#include "dialogs/Seam.h"
#include "mainwindow/TFFBmain.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace fbe {

namespace {

// A menu text shows "&" only when doubled; a single one would mark the next letter.
QString menuText(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return t;
}

QString tooltip(const PortEntry& port, const OpenFailure& state)
{
    QStringList lines = port.details();
    if (state.failed())
        lines.prepend(state.line().trimmed());
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

PortMenu::PortMenu(TFFBmain& window) : QObject(&window), w_(window)
{
    w_.Mport->setToolTipsVisible(true);
}

void PortMenu::refresh()
{
    const PortSource& source = w_.seam.portSource();
    QList<PortEntry> ports = listPorts(source);
    if (!w_.systemPort.isEmpty()) {
        const bool listed = std::any_of(ports.begin(), ports.end(), [this](const PortEntry& e) {
            return samePort(e, w_.systemPort);
        });
        if (!listed)
            ports << w_.systemPort;
    }

    // While hands-free programming holds the port in use, the probe leaves it alone (its item
    // stays enabled) and tries the others on a port object of its own.
    const int inUse = w_.seriesOn() ? indexInUse(ports) : -1;
    QList<PortEntry> probed = ports;
    if (inUse >= 0)
        probed.removeAt(inUse);
    std::vector<OpenFailure> states;
    if (w_.forms.Frs232 && !w_.seriesOn()) {
        states = probePorts(w_.forms.Frs232->RS232(), probed);
    } else {
        SerialPortService port;
        states = probePorts(port, probed);
    }
    if (inUse >= 0)
        states.insert(states.begin() + inUse, OpenFailure{});

    const std::array<QAction*, 4> coms{w_.MCom1, w_.MCom2, w_.MCom3, w_.MCom4};
    clearItems();
    for (int i = 0; i < ports.size(); ++i) {
        const PortEntry& port = ports.at(i);
        const OpenFailure& state = states.at(size_t(i));
        QAction* item = port.isCom() ? coms.at(size_t(port.comNumber - 1)) : addItem(port);
        if (!item)
            continue;
        item->setEnabled(!state.failed());
        item->setToolTip(tooltip(port, state));
    }
    if (!w_.systemPort.isEmpty())
        itemFor(w_.systemPort)->setChecked(true);
}

int PortMenu::indexInUse(const QList<PortEntry>& ports) const
{
    for (int i = 0; i < ports.size(); ++i) {
        const PortEntry& e = ports.at(i);
        if (w_.systemPort.isEmpty() ? e.isCom() && e.comNumber == portNumberFromName(w_.comPortName)
                                    : samePort(e, w_.systemPort))
            return i;
    }
    return -1;
}

QAction* PortMenu::itemFor(const PortEntry& port)
{
    // Every refresh asks: the plain comparison first, the one that looks at the devices
    // behind the links only when that finds nothing.
    for (int i = 0; i < ports_.size(); ++i) {
        if (ports_.at(i).path() == port.path())
            return items_.at(i);
    }
    for (int i = 0; i < ports_.size(); ++i) {
        if (samePort(ports_.at(i), port))
            return items_.at(i);
    }
    QAction* item = addItem(port);
    item->setToolTip(port.details().join(QLatin1Char('\n')));
    return item;
}

QAction* PortMenu::addItem(const PortEntry& port)
{
    if (!separator_)
        separator_ = w_.Mport->addSeparator();
    auto* item = new QAction(menuText(port.label()), w_.Mport);
    item->setCheckable(true);
    w_.Mport->addAction(item);
    w_.MComGroup->addAction(item);
    connect(item, &QAction::triggered, this, [this, port] { w_.MPortClick(port); });
    items_ << item;
    ports_ << port;
    return item;
}

void PortMenu::clearItems()
{
    for (QAction* item : std::as_const(items_)) {
        w_.MComGroup->removeAction(item);
        w_.Mport->removeAction(item);
        item->deleteLater();
    }
    items_.clear();
    ports_.clear();
    if (separator_) {
        w_.Mport->removeAction(separator_);
        separator_->deleteLater();
        separator_ = nullptr;
    }
}

void PortMenu::restore(const QString& stored)
{
    w_.systemPort = PortEntry{};
    if (stored.isEmpty())
        return;
    const PortSource& source = w_.seam.portSource();
    if (!portPresent(stored, source)) {
        fallBack(stored);
        return;
    }
    PortEntry port = describePort(stored, source);
    w_.systemPort = port;
}

void PortMenu::fallBack(const QString& path)
{
    w_.systemPort = PortEntry{};
    w_.seam.beep();
    if (w_.infoColour() == TFFBmain::InfoColour::Normal)
        w_.setInfoColour(TFFBmain::InfoColour::Warning);
    //: a remembered adapter is not there at start; %2 is the COM port used instead
    w_.addInfo(QCoreApplication::translate("fbe::PortMenu", " Schnittstelle %1 nicht gefunden --> %2")
                   .arg(printablePath(path), w_.comPortName));
    w_.ShowBasicsWin();
}

}  // namespace fbe
