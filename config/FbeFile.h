// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The ".fbe" configuration file: text lines of decimal numbers with the image on lines
// 101..356, the project name on line 999, "--*--" on line 1000, the comment lines and a
// signature line. Stored in Windows-1252 with CR LF line ends.
#pragma once

#include "config/Configuration.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace fbe {

constexpr qint64 MaxFileSize = 1024 * 1024;

struct BuiltFile {
    QStringList lines;            // the file text, line by line
    QString unencodable;          // characters of name or comment the file cannot hold:
                                  // beyond Windows-1252, or a line break
    QByteArray bytes() const;     // Windows-1252, every line ended by CR LF
    QString text() const;         // the lines joined by CR LF (for the changed check)
};

// The characters for a message: each visible one in double quotes, one that cannot be
// seen (a zero-width or other format character, a line separator, a blank) by its code,
// separated by commas: "Ω", "→", U+200B.
QString describeCharacters(const QString& characters);

// Encodes the configuration and builds the file text. Writes nothing to disk.
BuiltFile BuildFile(Configuration& cfg);

// The signature line that closes every file.
QString signatureLine();

struct ParsedFile {
    bool ok = false;
    QString error;                // the reason, in the language in use: which line, what was wrong
    QStringList lines;            // the file text as read
    Image image{};                // low 8 bits of lines 101..356
    QString projectName;
    QStringList comment;
    QStringList warnings;         // what loads but is not as the format says (see LoadOutcome)
};

// Splits and checks a file's bytes (steps 1..4 of loading). Never touches a configuration.
ParsedFile ParseFile(const QByteArray& bytes);

struct LoadOutcome {
    bool ok = false;
    QString error;                // set when !ok
    bool checksumOk = true;
    bool oldFile = false;         // software version below 602
    int softwareVersion = 0;
    QStringList lines;
    // A file that loads but is damaged, each a line of the message area with its leading
    // blank: " Datei beschädigt: Zeile 1000 ist nicht --*--" (a line lost or added before it:
    // image and names are shifted), " Zeile <n>: Wert außerhalb 0..255" (an image line, taken
    // as its low 8 bits). After one, the configuration no longer matches its file.
    QStringList warnings;
};

// Loads a parsed file into the configuration: project name, comment, receive buffer and
// DecodeImage. On a parse failure the configuration is left exactly as it was.
LoadOutcome LoadFileBytes(Configuration& cfg, const QByteArray& bytes);

// Reads the plain file at path (at most 1 MiB; a folder, pipe or device is refused) and
// loads it.
LoadOutcome LoadFile(Configuration& cfg, const QString& path);

// Writes the file text to path atomically (a temporary file in the same folder, renamed over
// the old file), so a failed write leaves any previous file intact; the old file's rights
// are kept (config/SafeFile.h). Refuses a text whose project name or comment holds
// characters Windows-1252 cannot store. On failure returns false and the reason in
// *error: the characters, or why the system refused ("schreibgeschützt", "Datenträger
// voll", ...).
bool SaveFile(const QString& path, const BuiltFile& file, QString* error);

// Writes bytes to path atomically, as ReplaceFile (config/SafeFile.h).
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

}  // namespace fbe
