// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Line splitting shared by the configuration file and the settings file.
#pragma once

#include <QString>
#include <QStringList>

namespace fbe {

// Splits on CR LF, LF or a lone CR; a line break at the very end opens no further line.
QStringList splitLines(const QString& text);

}  // namespace fbe
