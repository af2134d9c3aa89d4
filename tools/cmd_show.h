// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/FbeFile.h"

#include <QJsonObject>
#include <QStringList>

class QTextStream;

// fbe-tool new FILE
int runNewCommand(const QStringList& args);
// fbe-tool show FILE [--json]
int runShowCommand(const QStringList& args);

// What show and the commands built on it share.

// A new configuration with the file at path loaded into it, as the window loads it.
fbe::LoadOutcome loadConfiguration(fbe::Configuration& cfg, const QString& path);
// The notes of a loaded file (old file, checksum, damaged lines) as show prints them, each
// line after prefix.
void printLoadWarnings(QTextStream& err, const fbe::LoadOutcome& load, const QString& prefix);
// A text as a JSON string, quotes included, with control characters escaped (terminal-safe).
QByteArray jsonString(const QString& text);
// The configuration as show --json prints it (the comment, which may have a million lines,
// is written line by line into its place).
QJsonObject configurationJson(const fbe::Configuration& cfg, const fbe::LoadOutcome& load);
