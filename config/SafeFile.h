// Replacing a file on disk as a whole, and the reasons a file cannot be written or read.
//
// A file is replaced atomically: the new bytes go to a temporary file beside the target,
// which is renamed over it only when every byte was written, so a failure leaves the old
// file as it was. The replacement keeps what the old file had: its permission bits, and its
// owner and group when the program runs as the super-user (serial tools are often started
// with sudo; the file would otherwise pass to root). A name that is a symbolic link keeps
// the link; the file it points to is replaced. A file whose permission bits forbid writing
// is not replaced, not even by the super-user, who could.
//
// The reasons are the second line of a failure message, without the leading blank.
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace fbe {

namespace reason {
inline const QString NoPermission = QStringLiteral("keine Schreibberechtigung");
inline const QString DiskFull = QStringLiteral("Datenträger voll");
inline const QString NoFolder = QStringLiteral("Ordner nicht vorhanden");
inline const QString NotFound = QStringLiteral("Datei nicht gefunden");
inline const QString ReadOnly = QStringLiteral("schreibgeschützt");
inline const QString NotPlainFile = QStringLiteral("keine gewöhnliche Datei (Pipe oder Gerät)");
}  // namespace reason

enum class FileAccess { Read, Write };

// The reason for a system error number met while reading or writing path: a missing file
// or folder, no permission, a full disk, otherwise "Fehler (<the system's text>)".
QString reasonForError(int errorNumber, const QString& path, FileAccess access);
// The reason after a failed call of file: by the error number the call left (0 when the
// failure came from the file object and not from the system), else a full disk for a
// resource error, else "Fehler (<the file's text>)".
QString reasonForFailure(const QFileDevice& file, int errorNumber, const QString& path,
                         FileAccess access);

// Writes bytes to path as described above. On failure returns false and the reason in
// *reason (may be null).
bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* reason);

}  // namespace fbe
