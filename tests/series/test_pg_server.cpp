// SPDX-FileCopyrightText: 2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The database tests find the server of whatever PostgreSQL release the machine has: the
// newest one whose programs are there, so that a later Debian release (16, 17, ...) runs
// them as 15 does, and a machine without one fails them with the reason.
#include "support/PgServer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using fbe::test::PgServer;

namespace {

// Makes ROOT/<release>/bin with the named programs, executable or not.
void release(const QString& root, const QString& name, const QStringList& programs,
             bool executable = true)
{
    const QString bin = root + QLatin1Char('/') + name + QStringLiteral("/bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    for (const QString& program : programs) {
        QFile f(bin + QLatin1Char('/') + program);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.setPermissions(executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                    : QFile::ReadOwner | QFile::WriteOwner);
    }
}

}  // namespace

TEST(PgServerRelease, TheNewestInstalledReleaseByNumber)
{
    const QStringList both{QStringLiteral("postgres"), QStringLiteral("initdb")};
    struct Row {
        const char* what;
        QStringList releases;  // each with both programs, executable
        const char* expected;  // release folder, "" for none
    };
    const Row rows[] = {
        {"one release", {"15"}, "15"},
        {"a later release wins", {"15", "16"}, "16"},
        {"by number, not by letters", {"9.6", "15", "10"}, "15"},
        {"two digits beat one", {"9", "17"}, "17"},
        {"a minor release counts", {"9.5", "9.6"}, "9.6"},
        {"only folders named by numbers", {"15", "99beta", "common", "20.x"}, "15"},
        {"nothing installed", {}, ""},
    };
    for (const Row& r : rows) {
        QTemporaryDir root;
        for (const QString& name : r.releases)
            release(root.path(), name, both);
        const QString expected = QString::fromLatin1(r.expected).isEmpty()
            ? QString()
            : root.path() + QLatin1Char('/') + QLatin1String(r.expected) + QStringLiteral("/bin");
        EXPECT_EQ(PgServer::newestBinDir(root.path()), expected) << r.what;
    }

    // A newer release whose server is not (or not wholly) there is passed over: the client
    // package alone installs a bin folder too.
    QTemporaryDir root;
    release(root.path(), QStringLiteral("15"), both);
    release(root.path(), QStringLiteral("16"), {QStringLiteral("psql"), QStringLiteral("initdb")});
    release(root.path(), QStringLiteral("17"), both, false);
    EXPECT_EQ(PgServer::newestBinDir(root.path()), root.path() + QStringLiteral("/15/bin"));
    EXPECT_EQ(PgServer::newestBinDir(root.path() + QStringLiteral("/none")), QString());
}
