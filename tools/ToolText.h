// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of fbe-tool, in the language of its environment (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG): the help, every message and the labels of show, diff, ports and series.
//
//   err << FbeTool::tr("Aufruf: fbe-tool show DATEI [--json]") << "\n";
//
// Exit codes, the JSON of every command and the CSV of series are the same in every
// language: scripts read them.
#pragma once

#include <QCoreApplication>

struct FbeTool {
    Q_DECLARE_TR_FUNCTIONS(FbeTool)
};
