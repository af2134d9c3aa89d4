// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file on disk as a whole, reading one within a bound, and the reasons a file
// cannot be written or read.
//
// A file is replaced atomically: the new bytes go to a temporary file beside the target,
// which is renamed over it only when every byte was written, so a failure leaves the old
// file as it was. The replacement keeps what the old file had: its permission bits, and its
// owner and group when the program runs as the super-user (serial tools are often started
// with sudo; the file would otherwise pass to root). A name that is a symbolic link keeps
// the link; the file it points to is replaced. A file whose permission bits forbid writing
// is not replaced, not even by the super-user, who could.
//
// Names are followed by their bytes: the working folder and the target of a link are read
// as the system holds them. A name whose bytes are not UTF-8 cannot be given back as the
// same text, so a write through it would go to another file; it is refused with
// "Dateiname ist kein gültiges UTF-8".
//
// The reasons are the second line of a failure message, without the leading blank, in the
// language in use.
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace fbe {

// The reasons, in the language in use.
namespace reason {
QString noPermission();   // "keine Schreibberechtigung"
QString diskFull();       // "Datenträger voll"
QString noFolder();       // "Ordner nicht vorhanden"
QString notFound();       // "Datei nicht gefunden"
QString readOnly();       // "schreibgeschützt"
QString notPlainFile();   // "keine gewöhnliche Datei (Pipe oder Gerät)"
QString isFolder();       // "ein Ordner, keine Datei"
QString notUtf8();        // "Dateiname ist kein gültiges UTF-8"
// A reason of this file as made in the language in use, back in German, for a record that
// keeps it as data; any other text as it is.
QString inGerman(const QString& reason);
}  // namespace reason

enum class FileAccess { Read, Write };

// The reason for a system error number met while reading or writing path: a missing file
// or folder, no permission, a full disk, a folder, ..., otherwise "Fehler (<the system's
// text>)".
QString reasonForError(int errorNumber, const QString& path, FileAccess access);
// The reason after a failed call of file: by the error number the call left (0 when the
// failure came from the file object and not from the system), else by the kind of the
// file's error (a full disk for a resource error, a read or write error, ...).
QString reasonForFailure(const QFileDevice& file, int errorNumber, const QString& path,
                         FileAccess access);

// The file that a write to path reaches, as an absolute name: a symbolic link followed by
// the bytes of its target, a relative name taken in the working folder. False, with the
// reason, when the working folder's name or a link's target is not UTF-8 (or path holds a
// replacement character for a name that was not, and names no folder).
bool writeTarget(const QString& path, QString* target, QString* reason);

// Writes bytes to path as described above. On failure returns false and the reason in
// *reason (may be null).
bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* reason);

// Whether ReplaceFile could put a file of size bytes at path: the same checks, and room for
// it on the disk, proved by a temporary file of that size beside the target which is removed
// again. Nothing else is written.
bool CanReplaceFile(const QString& path, qint64 size, QString* reason);

// Reads at most limit + 1 bytes of the plain file at path into *bytes (so that a file
// larger than limit shows as such). A folder, a pipe or a device is refused without being
// opened for reading (a pipe would wait for a writer for ever).
bool ReadPlainFile(const QString& path, qint64 limit, QByteArray* bytes, QString* reason);

}  // namespace fbe
