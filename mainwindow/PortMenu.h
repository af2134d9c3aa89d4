// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The system's serial ports in the main window's menu "&COM port auswählen": below the four
// items COM1 .. COM4 and a separator, one radio item per port that the system reports or
// FBE_EXTRA_PORTS names ("ttyUSB0 - FT232R USB UART", "sim-com1 - simuliertes Modul"), read
// again and probed each time "&Kommunikation" opens. All items form one radio group; an item
// that cannot be opened is greyed and says why in its tooltip.
//
// The main window keeps the choice (comPortName, systemPort); this class builds the items,
// finds the one to check and brings a remembered port back at start-up.
#pragma once

#include "comm/PortCatalogue.h"

#include <QList>
#include <QObject>

class QAction;

namespace fbe {

class TFFBmain;

class PortMenu : public QObject {
public:
    explicit PortMenu(TFFBmain& window);

    // On opening of "&Kommunikation": lists and probes every port, enables or greys the COM
    // items and rebuilds the system port items. The port in use is listed even when the
    // system no longer reports it.
    void refresh();

    // The item of a system port (added when the menu has not listed it yet).
    QAction* itemFor(const PortEntry& port);
    // The system port items as the menu shows them, and their ports.
    QList<QAction*> items() const { return items_; }
    QList<PortEntry> ports() const { return ports_; }

    // Start-up: the port of settings line 7 becomes the port in use when it exists; else
    // the COM name of line 3 stays in use and the message area says so.
    void restore(const QString& stored);
    // A system port that is not there: " Schnittstelle <path> nicht gefunden --> <COMn>" in
    // the message area, and the COM port named by comPortName is in use again.
    void fallBack(const QString& path);

private:
    // The entry of the port in use; -1 when the list does not hold it.
    int indexInUse(const QList<PortEntry>& ports) const;
    QAction* addItem(const PortEntry& port);
    void clearItems();

    TFFBmain& w_;
    QAction* separator_ = nullptr;
    QList<QAction*> items_;
    QList<PortEntry> ports_;   // parallel to items_
};

}  // namespace fbe
