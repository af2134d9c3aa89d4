// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Module transfer commands and the choice of the serial port.
//
// A read that replaced the configuration and the advance after a programming run are steps
// of the configuration's history; taking them back changes only what the window holds.
#include "mainwindow/TFFBmain.h"

#include "comm/ComProbe.h"
#include "comm/ModuleWrite.h"
#include "comm/PortNames.h"
#include "comm/SerialPortService.h"
#include "comm/TFrs232.h"
#include "config/AddressLimit.h"
#include "dialogs/Seam.h"
#include "dialogs/Uwarnung.h"
#include "mainwindow/PortMenu.h"
#include "mainwindow/ProductionRun.h"
#include "mainwindow/UndoHistory.h"

#include <QAction>

namespace fbe {

void TFFBmain::SendButtonClick()
{
    programModule();
}

bool TFFBmain::programModule()
{
    // A used code with an address its transmitter cannot send is not programmed.
    const QStringList beyond = AddressesBeyondCodeLength(cfg);
    if (!beyond.isEmpty()) {
        seam.beep();
        setInfoColour(InfoColour::Error);
        clearInfo();
        for (const QString& line : beyond)
            addInfo(line);
        return false;
    }
    // The step ends after the run's result is taken: the addresses advanced, the counter.
    const UndoStep step(history, StepName(Step::ModulProgrammieren));
    ProductionRun run(*this);
    // A shared series: this module's number and addresses from the production database.
    if (!run.takeSeriesNumber())
        return false;
    // Unused codes lose their address; the image is built and copied for sending.
    PrepareModuleWrite(cfg);
    if (!run.sending())
        return false;   // the log could not take the run's line: nothing is sent
    const QStringList warning = OutputCheckWarning(cfg);
    if (!warning.isEmpty() && forms.Fwarnung) {
        forms.Fwarnung->clearLines();
        for (const QString& line : warning)
            forms.Fwarnung->addLine(line);
        forms.Fwarnung->showModalWarning();   // the programming goes on after OK
    }
    if (forms.Frs232)
        forms.Frs232->startTransfer(portNumberFromName(comPortName), true, systemPort.path());
    const bool ok = run.finish();
    // Addresses a shared series gave cannot be taken back: the history starts anew.
    if (run.numbered() && history)
        history->clear();
    return ok;
}

void TFFBmain::ReadButtonClick()
{
    // What the module holds replaces the configuration: unsaved changes are offered first.
    // The check encodes the configuration for its file text; a read leaves the transmit
    // buffer as the last programming run sent it.
    const Image sent = cfg.txBuffer;
    const bool goOn = changedCheck();
    cfg.txBuffer = sent;
    if (!goOn)
        return;
    const UndoStep step(history, StepName(Step::ModulAuslesen));
    if (forms.Frs232)
        forms.Frs232->startTransfer(portNumberFromName(comPortName), false, systemPort.path());
}

void TFFBmain::MKommClick()
{
    // Lists the system's ports below COM1 .. COM4 and greys those that cannot be opened.
    if (portMenu)
        portMenu->refresh();
}

void TFFBmain::MComClick(int n)
{
    const QString name = QStringLiteral("COM%1").arg(n);
    if (name != comPortName || !systemPort.isEmpty())
        stopSeries();
    comPortName = name;
    systemPort = PortEntry{};
    rememberedPort.clear();
    ShowBasicsWin();
}

void TFFBmain::MPortClick(const PortEntry& port)
{
    if (port.path() != systemPort.path())
        stopSeries();
    // The adapter may have been unplugged since the menu listed it.
    if (!portPresent(port.path(), seam.portSource())) {
        if (portMenu)
            portMenu->fallBack(port.path());
        return;
    }
    systemPort = port;
    rememberedPort = port.path();
    ShowBasicsWin();
}

}  // namespace fbe
