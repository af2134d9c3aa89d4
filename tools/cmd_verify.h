// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// fbe-tool verify FILE --port PORT: reads the module (no write command is sent) and compares
// it, on the bytes a programming run compares after writing (0..101 and 248..252), with the
// image programming FILE would write. Exit 0: they match, 1: they differ (each address with
// both values), 2: a file or usage error, 3: the read itself failed (with its message).
int runVerifyCommand(const QStringList& args);
