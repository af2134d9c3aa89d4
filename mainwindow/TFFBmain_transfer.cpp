// Module transfer commands and the choice of the serial port.
#include "mainwindow/TFFBmain.h"

#include "comm/ComProbe.h"
#include "comm/ModuleWrite.h"
#include "comm/PortNames.h"
#include "comm/SerialPortService.h"
#include "comm/TFrs232.h"
#include "dialogs/Seam.h"
#include "dialogs/Uwarnung.h"
#include "mainwindow/PortMenu.h"

#include <QAction>

namespace fbe {

void TFFBmain::SendButtonClick()
{
    // Unused codes lose their address; the image is built and copied for sending.
    PrepareModuleWrite(cfg);
    const QStringList warning = OutputCheckWarning(cfg);
    if (!warning.isEmpty() && forms.Fwarnung) {
        forms.Fwarnung->clearLines();
        for (const QString& line : warning)
            forms.Fwarnung->addLine(line);
        forms.Fwarnung->showModalWarning();   // the programming goes on after OK
    }
    if (forms.Frs232)
        forms.Frs232->startTransfer(portNumberFromName(comPortName), true, systemPort.path());
}

void TFFBmain::ReadButtonClick()
{
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
    comPortName = QStringLiteral("COM%1").arg(n);
    systemPort = PortEntry{};
    ShowBasicsWin();
}

void TFFBmain::MPortClick(const PortEntry& port)
{
    // The adapter may have been unplugged since the menu listed it.
    if (!portPresent(port.path(), seam.portSource())) {
        if (portMenu)
            portMenu->fallBack(port.path());
        return;
    }
    systemPort = port;
    ShowBasicsWin();
}

}  // namespace fbe
