// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The raw bytes of the command line. Qt decodes the arguments as UTF-8 and opens and writes
// files under names encoded as UTF-8 again; a name that is not valid UTF-8 would come back
// with a replacement character in it, naming another file. Such names are refused before
// anything is done with them.
#pragma once

#include <QByteArray>

namespace fbe {

// Whether bytes are well-formed UTF-8: no stray or missing continuation byte, no overlong
// form, no surrogate, nothing above U+10FFFF.
bool isValidUtf8(const QByteArray& bytes);

// Checks argv[1..argc-1]. When one of them is not valid UTF-8, prints
// " Dateiname ist kein gültiges UTF-8" (in the language in use) and the argument (bytes that
// are not UTF-8 as \xNN) on stderr and returns 2; otherwise returns 0 and prints nothing.
int refuseNonUtf8Arguments(int argc, char** argv);

}  // namespace fbe
