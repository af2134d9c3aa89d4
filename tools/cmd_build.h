// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// fbe-tool build CONFIG.json OUT.fbe: the inverse of show --json. The values of CONFIG.json
// (each key optional; a missing one keeps the value of a new configuration) are entered as
// the window would take them, and OUT.fbe becomes the file the window would then save.
// A key that is unknown, a value of the wrong type, out of its range or one that the window's
// refresh would change is an error naming the key and what is allowed: exit 2, nothing
// written.
int runBuildCommand(const QStringList& args);
