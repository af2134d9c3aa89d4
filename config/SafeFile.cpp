#include "config/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fbe {

namespace {

QString systemError(const QString& text)
{
    return QStringLiteral("Fehler (%1)").arg(text);
}

// The file a name stands for: a symbolic link is followed to the file it points to (which
// need not exist yet), so that the file is replaced and the link stays.
QString resolvedTarget(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();   // a loop of links: left to the system
}

#ifdef Q_OS_UNIX
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
#endif

}  // namespace

QString reasonForError(int errorNumber, const QString& path, FileAccess access)
{
    const bool write = access == FileAccess::Write;
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
            return reason::NoFolder;
        if (!write)
            return reason::NotFound;
        break;
    case EACCES:
    case EPERM:
        if (write)
            return reason::NoPermission;
        break;
    case EROFS:
        // A file system mounted read-only, a memory card with its lock switch set.
        return reason::ReadOnly;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return reason::DiskFull;
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
    if (file.error() == QFileDevice::ResourceError)
        return reason::DiskFull;
    return systemError(file.errorString());
}

bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* reason)
{
    auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    const QString target = resolvedTarget(path);

#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(target);
    struct stat old {};
    const bool exists = ::stat(native.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return fail(reasonForError(errno, target, FileAccess::Write));
    if (!exists && !QFileInfo(QFileInfo(target).absolutePath()).isDir())
        return fail(reason::NoFolder);
    if (exists) {
        if (S_ISDIR(old.st_mode))
            return fail(reasonForError(EISDIR, target, FileAccess::Write));
        // Renaming over a device or a pipe would put a plain file in its place.
        if (!S_ISREG(old.st_mode))
            return fail(reason::NotPlainFile);
        if (writeProtected(native, old))
            return fail(reason::ReadOnly);
    }
#endif

    QSaveFile file(target);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return fail(reasonForFailure(file, errno, target, FileAccess::Write));
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
        return fail(why);
    }
    errno = 0;
    if (!file.commit())
        return fail(reasonForFailure(file, errno, target, FileAccess::Write));
    return true;
}

}  // namespace fbe
