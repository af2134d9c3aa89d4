// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Names of the serial ports. The program calls its ports "COM1".."COM4" in the menu, the
// status line and the settings file; the device behind each name is, on Windows, the port
// of that name, elsewhere the path in the environment variable FBE_COM1..FBE_COM4 when set,
// otherwise /dev/ttyS0../dev/ttyS3.
#pragma once

#include <QString>

namespace fbe {

// Port number of a transfer: 2, 3 or 4 when the name is exactly "COM2", "COM3" or "COM4",
// otherwise 1.
int portNumberFromName(const QString& name);

// Device behind COM<number> (number 1..4), e.g. "/dev/ttyS0" or "COM1".
QString comDevicePath(int number);

// Hint of the status panel that shows the chosen port: "derzeit benützte serielle
// Schnittstelle" and the device in use in brackets.
QString comPortHint(const QString& name);

}  // namespace fbe
