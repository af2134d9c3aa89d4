// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing files: the old file's rights and links are kept, a protected file is left alone,
// and every failure says why.
#include "config/FbeFile.h"
#include "config/ProductionLog.h"
#include "config/SafeFile.h"
#include "support/OtherUser.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>

using namespace fbe;
using fbe::test::isRoot;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<nicht lesbar>");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct stat statOf(const QString& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st;
}

}  // namespace

TEST(SafeFile, ReplacingKeepsPermissionBitsOwnerAndTheLink)
{
    QTemporaryDir dir;
    // Plain files, with the set-user-ID, set-group-ID and sticky bits, and with write bits
    // for the group or the others only: the super-user replaces those (his own rights let
    // him); any other user who owns them may not write them.
    const struct {
        const char* name;
        mode_t mode;
    } plains[] = {{"a.fbe", 0640}, {"s.fbe", 07755}, {"g.fbe", 0460}, {"o.fbe", 0406}};
    for (const auto& p : plains) {
        const QString path = dir.filePath(QLatin1String(p.name));
        ASSERT_TRUE(writeBytes(path, "alt"));
        if (isRoot()) {
            ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 1234, 5678), 0);
        }
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), p.mode), 0);
    }

    // A link into another folder, and a link whose file does not exist yet.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ziel")));
    const QString target = dir.filePath(QStringLiteral("ziel/b.fbe"));
    ASSERT_TRUE(writeBytes(target, "alt"));
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0604), 0);
    const QString link = dir.filePath(QStringLiteral("link.fbe"));
    ASSERT_TRUE(QFile::link(QStringLiteral("ziel/b.fbe"), link));
    const QString dangling = dir.filePath(QStringLiteral("neu.fbe"));
    ASSERT_TRUE(QFile::link(QStringLiteral("ziel/neu-ziel.fbe"), dangling));

    for (const auto& p : plains) {
        SCOPED_TRACE(p.name);
        const QString path = dir.filePath(QLatin1String(p.name));
        const bool replaced = isRoot() || (p.mode & 0200) != 0;
        QString reason;
        EXPECT_EQ(ReplaceFile(path, "neu", &reason), replaced) << reason.toStdString();
        EXPECT_EQ(readAll(path), QByteArray(replaced ? "neu" : "alt"));
        const struct stat a = statOf(path);
        EXPECT_EQ(a.st_mode & 07777, p.mode);
        if (isRoot()) {
            EXPECT_EQ(a.st_uid, 1234u);
            EXPECT_EQ(a.st_gid, 5678u);
        }
    }
    for (const QString& path : {link, dangling}) {
        QString reason;
        EXPECT_TRUE(ReplaceFile(path, "neu", &reason)) << path.toStdString() << ": "
                                                       << reason.toStdString();
    }
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    EXPECT_EQ(readAll(target), QByteArray("neu"));
    EXPECT_EQ(statOf(target).st_mode & 07777, 0604u);
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("ziel/neu-ziel.fbe"))), QByteArray("neu"));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
              (QStringList{"a.fbe", "g.fbe", "link.fbe", "neu.fbe", "o.fbe", "s.fbe"}));
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("ziel"))).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"b.fbe", "neu-ziel.fbe"}));
}

// Not even the super-user, who could, replaces a file whose permission bits forbid writing;
// directly or through a link. A pipe stays a pipe.
TEST(SafeFile, ProtectedFilesAndOtherKindsAreLeftAlone)
{
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("a.fbe"));
    ASSERT_TRUE(writeBytes(locked, "alt"));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0444), 0);
    const QString link = dir.filePath(QStringLiteral("link.fbe"));
    ASSERT_TRUE(QFile::link(locked, link));
    const QString pipe = dir.filePath(QStringLiteral("pipe.fbe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    struct Case {
        QString path;
        QString reason;
    };
    const Case cases[] = {
        {locked, QStringLiteral("schreibgeschützt")},
        {link, QStringLiteral("schreibgeschützt")},
        {pipe, QStringLiteral("keine gewöhnliche Datei (Pipe oder Gerät)")},
        {dir.filePath(QStringLiteral("kein/ordner.fbe")), QStringLiteral("Ordner nicht vorhanden")},
    };
    for (const Case& c : cases) {
        QString reason;
        EXPECT_FALSE(ReplaceFile(c.path, "neu", &reason)) << c.path.toStdString();
        EXPECT_EQ(reason, c.reason) << c.path.toStdString();
    }
    EXPECT_EQ(readAll(locked), QByteArray("alt"));
    EXPECT_EQ(statOf(locked).st_mode & 07777, 0444u);
    EXPECT_TRUE(QFileInfo(pipe).isFile() == false && QFileInfo(pipe).exists());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
              (QStringList{"a.fbe", "link.fbe", "pipe.fbe"}));

    // A save of the configuration file says the same.
    Configuration cfg;
    NeueDatei(cfg);
    QString error;
    EXPECT_FALSE(SaveFile(locked, BuildFile(cfg), &error));
    EXPECT_EQ(error, QStringLiteral("schreibgeschützt"));
}

// What a user who is not the super-user meets: a folder he may not write in, a file of
// someone else's. (As the super-user, the user nobody is borrowed for it.)
TEST(SafeFile, WithoutPermissionTheReasonSaysSo)
{
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString closed = dir.filePath(QStringLiteral("zu"));
    const QString open = dir.filePath(QStringLiteral("offen"));
    ASSERT_TRUE(QDir().mkdir(closed));
    ASSERT_TRUE(QDir().mkdir(open));
    ASSERT_EQ(::chmod(QFile::encodeName(closed).constData(), 0555), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(open).constData(), 0777), 0);
    const QString foreign = open + QStringLiteral("/fremd.fbe");
    ASSERT_TRUE(writeBytes(foreign, "alt"));
    ASSERT_EQ(::chmod(QFile::encodeName(foreign).constData(), isRoot() ? 0644 : 0444), 0);

    const QString reasons = fbe::test::asNobody([&] {
        QStringList out;
        for (const QString& path : {closed + QStringLiteral("/neu.fbe"), foreign}) {
            QString reason;
            out << (ReplaceFile(path, "neu", &reason) ? QStringLiteral("geschrieben") : reason);
        }
        return out.join(QLatin1Char('|'));
    });
    EXPECT_EQ(reasons, QStringLiteral("keine Schreibberechtigung|schreibgeschützt"));
    EXPECT_EQ(readAll(foreign), QByteArray("alt"));
    EXPECT_TRUE(QDir(closed).isEmpty());
    ::chmod(QFile::encodeName(closed).constData(), 0755);
}

TEST(SafeFile, LoadFailuresSayWhy)
{
    QTemporaryDir dir;
    Configuration cfg;
    NeueDatei(cfg);
    EXPECT_EQ(LoadFile(cfg, dir.filePath(QStringLiteral("fehlt.fbe"))).error,
              QStringLiteral("Datei nicht gefunden"));
    EXPECT_EQ(LoadFile(cfg, dir.filePath(QStringLiteral("kein/a.fbe"))).error,
              QStringLiteral("Ordner nicht vorhanden"));
    // A file in the way of a folder.
    const QString file = dir.filePath(QStringLiteral("datei"));
    ASSERT_TRUE(writeBytes(file, "x"));
    EXPECT_EQ(LoadFile(cfg, file + QStringLiteral("/a.fbe")).error,
              QStringLiteral("Ordner nicht vorhanden"));
    QString reason;
    EXPECT_FALSE(ReplaceFile(file + QStringLiteral("/a.fbe"), "neu", &reason));
    EXPECT_EQ(reason, QStringLiteral("Ordner nicht vorhanden"));
    // A folder in the file's place is named as such.
    EXPECT_FALSE(ReplaceFile(dir.path(), "neu", &reason));
    EXPECT_EQ(reason, QStringLiteral("ein Ordner, keine Datei"));
}

// A disk that is full: a small file system of its own, in a mount namespace of its own so
// that nothing outside the test sees it. The save fails with its reason and the old file
// keeps every byte.
TEST(SafeFile, FullDiskSaysSoAndKeepsTheOldFile)
{
    const QString tool = qEnvironmentVariable("FBE_BIN_DIR") + QStringLiteral("/fbe-tool");
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (!QFile::exists(tool) || unshare.isEmpty())
        GTEST_SKIP() << "fbe-tool or unshare missing";
    QTemporaryDir dir;
    const QString script = QStringLiteral(
        "mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 77\n"
        "cd \"$1\" && printf 'alter Inhalt' > a.fbe\n"
        "dd if=/dev/zero of=fill bs=1024 count=64 2>/dev/null\n"
        "\"$2\" new a.fbe; echo \"exit=$?\"; cat a.fbe\n");
    QProcess p;
    p.start(unshare, {QStringLiteral("--mount"), QStringLiteral("sh"), QStringLiteral("-c"),
                      script, QStringLiteral("sh"), dir.path(), tool});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QString err = QString::fromUtf8(p.readAllStandardError());
    if (p.exitCode() == 77 || (p.exitCode() != 0 && out.isEmpty()))
        GTEST_SKIP() << "no mount namespace here: " << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("exit=2\nalter Inhalt"));
    EXPECT_EQ(err, QStringLiteral(" Fehler bei \"Datei speichern!\"\nDatenträger voll\n"));
}

// A name is followed by its bytes: a link to a name that is not UTF-8, or a working folder
// whose name is not, is refused with its reason instead of writing a new file under the
// decoded name (with U+FFFD in it); a link to a name that is UTF-8 is written through.
TEST(SafeFile, NamesAreFollowedByTheirBytes)
{
    QTemporaryDir dir;
    const QByteArray base = QFile::encodeName(dir.path());
    ASSERT_EQ(::mkdir((base + "/ord\xFE").constData(), 0755), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    auto link = [&](const char* name, const QByteArray& target) {
        EXPECT_EQ(::symlink(target.constData(), (base + '/' + name).constData()), 0) << name;
        return dir.filePath(QString::fromUtf8(name));
    };
    const QString notUtf8 = QStringLiteral("Dateiname ist kein gültiges UTF-8");
    const QString toBadName = link("a.fbe", "ziel\xFF.fbe");
    const QString toBadFolder = link("b.fbe", "ord\xFE/ziel.fbe");
    const QString toGoodName = link("c.fbe", "sub/ziel.fbe");
    const QString log = link("protokoll.csv", "p\xFF.csv");
    {
        const int fd = ::open((base + "/ziel\xFF.fbe").constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "alt", 3), 3);
        ::close(fd);
    }

    enum Write { Replace, Probe, Append };
    const struct {
        const char* what;
        QString path;
        Write write;
        QString reason;   // empty: written
    } cases[] = {
        {"a link to a name that is not UTF-8", toBadName, Replace, notUtf8},
        {"the same, proved before a read", toBadName, Probe, notUtf8},
        {"a link into a folder whose name is not UTF-8", toBadFolder, Replace, notUtf8},
        {"a production log linked to such a name", log, Append, notUtf8},
        {"the decoded name of a folder that is not UTF-8",
         dir.filePath(QStringLiteral("ord\uFFFD/a.fbe")), Replace, notUtf8},
        {"a relative name in a working folder that is not UTF-8", QStringLiteral("x.fbe"),
         Replace, notUtf8},
        {"a link to a name in UTF-8", toGoodName, Replace, QString()},
    };
    const QString before = QDir::currentPath();
    for (const auto& c : cases) {
        const bool relative = QFileInfo(c.path).isRelative();
        if (relative) {
            ASSERT_EQ(::chdir((base + "/ord\xFE").constData()), 0);
        }
        QString reason;
        bool written = false;
        switch (c.write) {
        case Replace: written = ReplaceFile(c.path, "neu", &reason); break;
        case Probe: written = CanReplaceFile(c.path, 100, &reason); break;
        case Append: written = appendProductionLog(c.path, {}, &reason); break;
        }
        if (relative) {
            ASSERT_TRUE(QDir::setCurrent(before));
        }
        EXPECT_EQ(written, c.reason.isEmpty()) << c.what;
        EXPECT_EQ(reason, c.reason) << c.what;
    }
    // Nothing was written under a decoded name (U+FFFD is EF BF BD); the link to a UTF-8
    // name was followed.
    for (const char* decoded : {"/ziel\xEF\xBF\xBD.fbe", "/p\xEF\xBF\xBD.csv", "/ord\xEF\xBF\xBD",
                                "/ord\xFE/x.fbe"})
        EXPECT_NE(::access((base + decoded).constData(), F_OK), 0) << decoded;
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("sub/ziel.fbe"))), QByteArray("neu"));
    EXPECT_TRUE(QFileInfo(toGoodName).isSymLink());
    QFile old(QFile::decodeName(base + "/ziel\xFF.fbe"));
    EXPECT_FALSE(old.exists());   // a name the program cannot even open: checked by its bytes
    char bytes[8] = {};
    const int fd = ::open((base + "/ziel\xFF.fbe").constData(), O_RDONLY);
    EXPECT_EQ(fd >= 0 ? ::read(fd, bytes, sizeof bytes) : -1, 3);
    EXPECT_STREQ(bytes, "alt");
    if (fd >= 0)
        ::close(fd);
    // QTemporaryDir cannot remove what it cannot name.
    ::unlink((base + "/ziel\xFF.fbe").constData());
    ::rmdir((base + "/ord\xFE").constData());
}
