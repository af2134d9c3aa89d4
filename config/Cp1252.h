// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252, the code page of the configuration files.
#pragma once

#include <QByteArray>
#include <QString>

namespace fbe::cp1252 {

QString decode(const QByteArray& bytes);
// Characters that cannot be stored are appended to unencodable (each once) and written as '?'.
QByteArray encode(const QString& text, QString* unencodable = nullptr);
bool canEncode(QChar c);
// The text without the characters that cannot be stored (a character beyond the basic plane
// goes whole, with both halves of its surrogate pair); *removed tells whether any went.
QString storable(const QString& text, bool* removed = nullptr);

}  // namespace fbe::cp1252
