// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <memory>

// The application object of fbe-tool: for "sheet", which draws text, a QGuiApplication on
// the offscreen platform (no display needed); for every other command QtCore only.
std::unique_ptr<QCoreApplication> createToolApplication(int& argc, char** argv);

// fbe-tool sheet FILE.fbe OUT.pdf
int runSheetCommand(const QStringList& args);
