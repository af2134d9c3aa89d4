#pragma once

#include <QStringList>

// fbe-tool new FILE
int runNewCommand(const QStringList& args);
// fbe-tool show FILE [--json]
int runShowCommand(const QStringList& args);
