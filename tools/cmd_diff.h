// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// fbe-tool diff A.fbe B.fbe [--json]: the settings that differ, one per line in the order of
// show: the German name, the value in A and the value in B. Exit 0: equal, 1: different,
// 2: a load or usage error.
int runDiffCommand(const QStringList& args);
