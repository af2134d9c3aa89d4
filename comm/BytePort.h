// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The byte-wise serial line that the module transfer talks over. The program uses
// SerialPortService; tests use a scripted port that answers like a module.
#pragma once

#include "comm/OpenFailure.h"

#include <QString>
#include <QtGlobal>
#include <functional>

namespace fbe {

class BytePort {
public:
    virtual ~BytePort() = default;

    // Chooses COM1..COM4. An open port is closed, renumbered and opened again; setting the
    // number it already has changes nothing. Returns false when the reopen failed.
    virtual bool setComNumber(int number) = 0;
    virtual int comNumber() const = 0;
    // Chooses a system port by its device path in place of the COM number (a by-id link is
    // resolved when the port opens); empty goes back to COM1..COM4. Takes effect at the
    // next open().
    virtual void setDevicePath(const QString& path) { Q_UNUSED(path); }

    // Opens the chosen port; false when the device is missing, busy or refuses the line
    // settings. The caller turns that into its own message.
    virtual bool open() = 0;
    // Closes the port and drops both queues; harmless when already closed.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Why the last open() failed (kind None after a successful one).
    virtual OpenFailure openFailure() const { return {}; }

    // Drops every received byte not yet handed over. No effect when closed.
    virtual void discardInput() = 0;
    // Drops every byte queued but not yet transmitted. No effect when closed.
    virtual void discardOutput() = 0;
    // Queues one byte; returns at once. Bytes leave in the order queued, on the next flush().
    virtual void sendByte(quint8 byte) = 0;
    // Hands the queued bytes to the device. Never blocks.
    virtual void flush() {}

    // Called on the GUI thread once per received byte, in arrival order.
    std::function<void(quint8)> onByte;
    // Called on the GUI thread when the open port is lost (adapter unplugged, line hung up);
    // the port is closed by then and stays closed.
    std::function<void()> onLost;
};

}  // namespace fbe
