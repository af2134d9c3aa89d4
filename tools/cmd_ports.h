// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// fbe-tool ports [--json]: the serial ports the program's menu "&COM port auswählen" offers,
// COM1 .. COM4 first, each probed as the menu probes it. args are the words after the command.
// Exit 0, or 2 on a usage error.
#pragma once

#include <QStringList>

int runPortsCommand(const QStringList& args);
