// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Why a serial port could not be opened, in the words the program shows: the message area's
// second line below "Fehler bei Öffnen von Com-Port: ...", the tooltip of a greyed port item
// and the "reason" of "fbe-tool ports".
#pragma once

#include <QString>

namespace fbe {

struct OpenFailure {
    enum Kind {
        None,         // the port opened
        Missing,      // no such device (unplugged, wrong path, a link that points nowhere)
        Permission,   // the user may not open it
        Busy,         // another program holds it
        Other         // anything else; systemText says what
    };

    Kind kind = None;
    QString path;         // the device (a link that points to one is resolved)
    QString systemText;   // the system's own text, for Other

    bool failed() const { return kind != None; }

    // The reason without the path, e.g. "Gerät nicht vorhanden"; empty for None. German, as
    // it is kept in files and JSON; shown() gives it in the language in use.
    QString reason() const;
    // The message area's second line: " <path>: <reason>"; empty for None. German.
    QString line() const;

    // A reason or a line of these, as the screen shows it in the language in use; any other
    // text as it is.
    static QString shown(const QString& text);
};

}  // namespace fbe
