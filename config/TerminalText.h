// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Text from a file on a terminal. A control character in a project name or a comment (ESC,
// BEL, a C1 control such as CSI) would be taken by the terminal as a command: it could set
// the window title, clear the screen or move the cursor over what was printed. Such
// characters are shown as \xNN instead.
#pragma once

#include <QByteArray>
#include <QString>

namespace fbe {

enum class Tabs { Escaped, Kept };

// The text with every control character (U+0000..U+001F, U+007F, U+0080..U+009F) written as
// \xNN, two upper-case hexadecimal digits of its code; a tab stays a tab with Tabs::Kept (a
// comment line may hold tabs). A backslash stays as it is.
QString terminalSafe(const QString& text, Tabs tabs = Tabs::Escaped);

// JSON as QJsonDocument writes it escapes U+0000..U+001F but leaves DEL and the C1
// controls as they are; those are written as \u007F, \u0080 ... here. Still the same JSON.
QByteArray terminalSafeJson(const QByteArray& json);

}  // namespace fbe
