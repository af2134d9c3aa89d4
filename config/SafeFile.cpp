// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/SafeFile.h"

#include "config/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fbe {

namespace {

namespace text {
const char NoPermission[] = QT_TRANSLATE_NOOP("SafeFile", "keine Schreibberechtigung");
const char NoReadPermission[] = QT_TRANSLATE_NOOP("SafeFile", "keine Leseberechtigung");
const char DiskFull[] = QT_TRANSLATE_NOOP("SafeFile", "Datenträger voll");
const char NoFolder[] = QT_TRANSLATE_NOOP("SafeFile", "Ordner nicht vorhanden");
const char NotFound[] = QT_TRANSLATE_NOOP("SafeFile", "Datei nicht gefunden");
//: a file system mounted read-only, or a file without any write permission
const char ReadOnly[] = QT_TRANSLATE_NOOP("SafeFile", "schreibgeschützt");
const char NotPlainFile[] = QT_TRANSLATE_NOOP("SafeFile", "keine gewöhnliche Datei (Pipe oder Gerät)");
const char IsFolder[] = QT_TRANSLATE_NOOP("SafeFile", "ein Ordner, keine Datei");
const char NotUtf8[] = QT_TRANSLATE_NOOP("SafeFile", "Dateiname ist kein gültiges UTF-8");
const char TooLong[] = QT_TRANSLATE_NOOP("SafeFile", "Dateiname zu lang");
const char Loop[] = QT_TRANSLATE_NOOP("SafeFile", "zu viele symbolische Verknüpfungen");
const char InOut[] = QT_TRANSLATE_NOOP("SafeFile", "Ein-/Ausgabefehler des Datenträgers");
const char ReadError[] = QT_TRANSLATE_NOOP("SafeFile", "Lesefehler");
const char WriteError[] = QT_TRANSLATE_NOOP("SafeFile", "Schreibfehler");
const char NotWritable[] = QT_TRANSLATE_NOOP("SafeFile", "Datei kann nicht geschrieben werden");
const char NotReadable[] = QT_TRANSLATE_NOOP("SafeFile", "Datei kann nicht gelesen werden");
//: %1 is the operating system's own text for the error
const char SystemError[] = QT_TRANSLATE_NOOP("SafeFile", "Fehler (%1)");
}  // namespace text

QString tr(const char* text)
{
    return QCoreApplication::translate("SafeFile", text);
}

bool fail(QString* reason, const QString& why)
{
    if (reason)
        *reason = why;
    return false;
}

QString systemError(const QString& text)
{
    return tr(text::SystemError).arg(text);
}

// Why the folder of path is not there: a name decoded from bytes that were not UTF-8 holds
// the replacement character and names a folder that does not exist.
QString missingFolder(const QString& path)
{
    return path.contains(QChar(QChar::ReplacementCharacter)) ? reason::notUtf8()
                                                             : reason::noFolder();
}

// Whether the folder that path names its file in is there; a relative name is looked up
// from the working folder by the system, whatever the working folder's name.
bool folderExists(const QString& path)
{
    const QString folder = QFileInfo(path).path();
#ifdef Q_OS_UNIX
    struct stat st {};
    return ::stat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode);
#else
    return QFileInfo(folder).isDir();
#endif
}

#ifdef Q_OS_UNIX
// Whether a name's bytes come back unchanged from their text (they are UTF-8).
bool roundTrips(const QByteArray& native)
{
    return QFile::encodeName(QFile::decodeName(native)) == native;
}

// Whether the permission bits forbid writing. The super-user may write any file, so for
// him, as editors do, only a file without any write bit counts as protected.
bool writeProtected(const QByteArray& native, const struct stat& st)
{
    if (::geteuid() == 0)
        return (st.st_mode & 0222) == 0;
    return ::access(native.constData(), W_OK) != 0 && errno == EACCES;
}

// Gives the new file the old one's owner, group and permission bits. The owner can only be
// given by the super-user; a user keeps the group where he is a member of it. Failing that
// (a file system without owners), the file is written all the same.
void keepRights(int fd, const struct stat& old)
{
    if (fd < 0)
        return;
    if (::geteuid() == 0)
        (void)::fchown(fd, old.st_uid, old.st_gid);
    else if (old.st_gid != ::getegid())
        (void)::fchown(fd, uid_t(-1), old.st_gid);
    // After the owner: a change of owner clears the set-user-ID and set-group-ID bits.
    (void)::fchmod(fd, old.st_mode & 07777);
}

// The checks before a file at target (already followed to its end) is replaced. *exists
// and *old tell what is there.
bool replaceable(const QString& target, bool* exists, struct stat* old, QString* reason)
{
    const QByteArray native = QFile::encodeName(target);
    *exists = ::stat(native.constData(), old) == 0;
    if (!*exists && errno != ENOENT)
        return fail(reason, reasonForError(errno, target, FileAccess::Write));
    if (!*exists && !folderExists(target))
        return fail(reason, missingFolder(target));
    if (*exists) {
        if (S_ISDIR(old->st_mode))
            return fail(reason, reason::isFolder());
        // Renaming over a device or a pipe would put a plain file in its place.
        if (!S_ISREG(old->st_mode))
            return fail(reason, reason::notPlainFile());
        if (writeProtected(native, *old))
            return fail(reason, reason::readOnly());
    }
    return true;
}
#endif

}  // namespace

namespace reason {
QString noPermission() { return tr(text::NoPermission); }
QString diskFull() { return tr(text::DiskFull); }
QString noFolder() { return tr(text::NoFolder); }
QString notFound() { return tr(text::NotFound); }
QString readOnly() { return tr(text::ReadOnly); }
QString notPlainFile() { return tr(text::NotPlainFile); }
QString isFolder() { return tr(text::IsFolder); }
QString notUtf8() { return tr(text::NotUtf8); }

QString inGerman(const QString& reason)
{
    return language::sourceLine(
        "SafeFile", reason,
        {text::NoPermission, text::NoReadPermission, text::DiskFull, text::NoFolder,
         text::NotFound, text::ReadOnly, text::NotPlainFile, text::IsFolder, text::NotUtf8,
         text::TooLong, text::Loop, text::InOut, text::ReadError, text::WriteError,
         text::NotWritable, text::NotReadable, text::SystemError});
}
}  // namespace reason

QString reasonForError(int errorNumber, const QString& path, FileAccess access)
{
    const bool write = access == FileAccess::Write;
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        if (!folderExists(path))
            return missingFolder(path);
        if (!write)
            return reason::notFound();
        break;
    case EACCES:
    case EPERM:
        return write ? reason::noPermission()
                     : tr(text::NoReadPermission);
    case EISDIR:
        return reason::isFolder();
    case EROFS:
        // A file system mounted read-only, a memory card with its lock switch set.
        return reason::readOnly();
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return reason::diskFull();
    case ENAMETOOLONG:
        return tr(text::TooLong);
#ifdef ELOOP
    case ELOOP:
        return tr(text::Loop);
#endif
    case EIO:
        return tr(text::InOut);
    default:
        break;
    }
    return systemError(qt_error_string(errorNumber));
}

QString reasonForFailure(const QFileDevice& file, int errorNumber, const QString& path,
                         FileAccess access)
{
    if (errorNumber != 0)
        return reasonForError(errorNumber, path, access);
    // The file object's own failure, without its English sentence.
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return reason::diskFull();
    case QFileDevice::ReadError:
        return tr(text::ReadError);
    case QFileDevice::WriteError:
        return tr(text::WriteError);
    case QFileDevice::PermissionsError:
        return access == FileAccess::Write
            ? reason::noPermission()
            : tr(text::NoReadPermission);
    default:
        return access == FileAccess::Write
            ? tr(text::NotWritable)
            : tr(text::NotReadable);
    }
}

bool writeTarget(const QString& path, QString* target, QString* reason)
{
#ifdef Q_OS_UNIX
    QByteArray name = QFile::encodeName(path);
    if (!name.startsWith('/')) {
        char cwd[PATH_MAX + 1];
        if (!::getcwd(cwd, sizeof cwd))
            return fail(reason, errno == ENOENT ? reason::noFolder()
                                                : reasonForError(errno, path, FileAccess::Write));
        const QByteArray folder(cwd);
        if (!roundTrips(folder))
            return fail(reason, reason::notUtf8());
        name = folder + (folder.endsWith('/') ? "" : "/") + name;
    }
    // A loop of links is left to the system, which says so when the file is opened.
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        QByteArray link(qsizetype(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, Qt::Uninitialized);
        const ssize_t n = ::readlink(name.constData(), link.data(), size_t(link.size()));
        if (n < 0 || n >= link.size())
            break;
        link.truncate(n);
        if (!link.startsWith('/'))
            link = name.left(name.lastIndexOf('/') + 1) + link;
        if (!roundTrips(link))
            return fail(reason, reason::notUtf8());
        name = link;
    }
    *target = QFile::decodeName(name);
    return true;
#else
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    *target = info.isSymLink() ? path : info.absoluteFilePath();
    (void)reason;
    return true;
#endif
}

bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* reason)
{
    QString target;
    if (!writeTarget(path, &target, reason))
        return false;

#ifdef Q_OS_UNIX
    struct stat old {};
    bool exists = false;
    if (!replaceable(target, &exists, &old, reason))
        return false;
#endif

    QSaveFile file(target);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return fail(reason, reasonForFailure(file, errno, target, FileAccess::Write));
#ifdef Q_OS_UNIX
    if (exists)
        keepRights(file.handle(), old);
#endif
    // The bytes go through a buffer that commit() flushes without looking at the result: a
    // full disk would then replace the old file with an empty one. Flushed here, the failure
    // is seen and the old file stays.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int error = errno;
        const QString why = reasonForFailure(file, error, target, FileAccess::Write);
        file.cancelWriting();
        return fail(reason, why);
    }
    errno = 0;
    if (!file.commit())
        return fail(reason, reasonForFailure(file, errno, target, FileAccess::Write));
    return true;
}

bool CanReplaceFile(const QString& path, qint64 size, QString* reason)
{
    QString target;
    if (!writeTarget(path, &target, reason))
        return false;
#ifdef Q_OS_UNIX
    struct stat old {};
    bool exists = false;
    if (!replaceable(target, &exists, &old, reason))
        return false;
    // A file of that size beside the target, where the replacement will be written.
    const QByteArray folder = QFile::encodeName(QFileInfo(target).path());
    QByteArray name = folder + "/.fbe-probe-XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return fail(reason, reasonForError(errno, target, FileAccess::Write));
    const int error = size > 0 ? ::posix_fallocate(fd, 0, off_t(size)) : 0;
    ::close(fd);
    ::unlink(name.constData());
    // A file system that cannot reserve room says so; the file is then written on trust.
    if (error != 0 && error != EOPNOTSUPP && error != EINVAL && error != ENOSYS)
        return fail(reason, reasonForError(error, target, FileAccess::Write));
    return true;
#else
    const QFileInfo info(target);
    if (info.isDir())
        return fail(reason, reason::isFolder());
    if (!info.exists() && !folderExists(target))
        return fail(reason, reason::noFolder());
    if (info.exists() && !info.isWritable())
        return fail(reason, reason::readOnly());
    (void)size;
    return true;
#endif
}

bool ReadPlainFile(const QString& path, qint64 limit, QByteArray* bytes, QString* reason)
{
    QFile file;
#ifdef Q_OS_UNIX
    // A device is not even opened (a serial port would change its lines). The file is opened
    // without waiting (a pipe swapped in would wait for a writer) and looked at again through
    // the handle, so that what is read is what was checked.
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return fail(reason, reasonForError(errno, path, FileAccess::Read));
    if (!S_ISREG(st.st_mode))
        return fail(reason, S_ISDIR(st.st_mode) ? reason::isFolder() : reason::notPlainFile());
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(reason, reasonForError(errno, path, FileAccess::Read));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool folder = S_ISDIR(st.st_mode);
        ::close(fd);
        return fail(reason, folder ? reason::isFolder() : reason::notPlainFile());
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(reason, reasonForFailure(file, 0, path, FileAccess::Read));
    }
#else
    const QFileInfo info(path);
    if (!info.exists())
        return fail(reason, reasonForError(ENOENT, path, FileAccess::Read));
    if (!info.isFile())
        return fail(reason, info.isDir() ? reason::isFolder() : reason::notPlainFile());
    file.setFileName(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return fail(reason, reasonForFailure(file, errno, path, FileAccess::Read));
#endif
    // One byte more than allowed, so a file that grows while it is read is caught too.
    errno = 0;
    *bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(reason, reasonForFailure(file, errno, path, FileAccess::Read));
    return true;
}

}  // namespace fbe
