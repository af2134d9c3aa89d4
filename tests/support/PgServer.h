// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// A throw-away PostgreSQL server for the tests: initdb and postgres of the newest release
// installed (/usr/lib/postgresql/<version>/bin) into a temporary folder, listening only on a
// Unix socket in that folder (no TCP port), run as "nobody" when the tests run as root (the
// server refuses root), stopped and removed at the end. Never the system's own cluster. A
// machine without the server fails the tests that need it, with the reason: they never pass
// unseen.
//
// Set up as an administrator would for the program: a database "produktion" in which the
// role "fbe" may create nothing but owns the schema "fbe".
//
//   PgServer& pg = PgServer::shared();
//   ASSERT_TRUE(pg.running()) << pg.error();
//   pg.uri("Station A")   // postgresql://fbe@/produktion?host=<folder>&application_name=...
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QVersionNumber>

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

namespace fbe::test {

class PgServer {
public:
    static constexpr const char* InstallRoot = "/usr/lib/postgresql";
    static constexpr int Port = 54329;   // names the socket file only

    // One server for the whole test program, started on first use.
    static PgServer& shared()
    {
        static PgServer server;
        return server;
    }

    PgServer() : binDir_(newestBinDir(QLatin1String(InstallRoot)))
    {
        if (binDir_.isEmpty()) {
            fault(QStringLiteral("PostgreSQL not installed: no %1/<version>/bin with postgres and "
                                 "initdb (Debian package postgresql; scripts/setup installs it)")
                      .arg(QLatin1String(InstallRoot))
                      .toUtf8());
            return;
        }
        if (!dir_.isValid() || !runAsNobodyWhenRoot()) {
            fault("no folder for the server, or no user nobody to run it");
            return;
        }
        QProcess init;
        prepare(init);
        init.start(bin("initdb"), {QStringLiteral("-D"), dataDir(), QStringLiteral("-U"),
                                   QStringLiteral("postgres"), QStringLiteral("--auth=trust"),
                                   QStringLiteral("-E"), QStringLiteral("UTF8"),
                                   QStringLiteral("--locale=C"), QStringLiteral("--no-sync")});
        if (!init.waitForFinished(120000) || init.exitCode() != 0) {
            fault("initdb: " + init.readAllStandardError());
            return;
        }
        ready_ = start() && psql("postgres", QStringLiteral("CREATE DATABASE produktion"))
            && psql("postgres", QStringLiteral("CREATE ROLE fbe LOGIN"))
            && psql("produktion", QStringLiteral("CREATE SCHEMA fbe AUTHORIZATION fbe"));
    }
    ~PgServer() { stop(); }
    PgServer(const PgServer&) = delete;
    PgServer& operator=(const PgServer&) = delete;

    // The folder of the server's programs, empty when none is installed.
    QString binDir() const { return binDir_; }

    // The bin folder of the newest release below ROOT whose server programs are there:
    // release folders are numbers ("15", "16"; "9.6" before 10), compared as numbers.
    static QString newestBinDir(const QString& root)
    {
        QString best;
        QVersionNumber bestVersion;
        const QStringList releases = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& release : releases) {
            qsizetype suffix = 0;
            const QVersionNumber version = QVersionNumber::fromString(release, &suffix);
            if (version.isNull() || suffix != release.size())
                continue;
            const QString bin = root + QLatin1Char('/') + release + QStringLiteral("/bin");
            if (!QFileInfo(bin + QStringLiteral("/postgres")).isExecutable()
                || !QFileInfo(bin + QStringLiteral("/initdb")).isExecutable())
                continue;
            if (best.isEmpty() || version > bestVersion) {
                best = bin;
                bestVersion = version;
            }
        }
        return best;
    }
    bool running() const { return server_.state() == QProcess::Running && ready_; }
    QString error() const { return QString::fromUtf8(error_); }
    QString socketDir() const { return dir_.path(); }

    // The URI a station uses.
    QString uri(const QString& station) const
    {
        return QStringLiteral("postgresql://fbe@:%1/produktion?host=%2&application_name=%3")
            .arg(Port)
            .arg(QString::fromLatin1(QUrl::toPercentEncoding(socketDir())),
                 QString::fromLatin1(QUrl::toPercentEncoding(station)));
    }

    // Starts the server and waits until it accepts connections.
    bool start()
    {
        if (server_.state() != QProcess::NotRunning)
            return true;
        ready_ = false;
        prepare(server_);
        server_.start(bin("postgres"),
                      {QStringLiteral("-D"), dataDir(), QStringLiteral("-k"), socketDir(),
                       QStringLiteral("-p"), QString::number(Port), QStringLiteral("-c"),
                       QStringLiteral("listen_addresses="), QStringLiteral("-c"),
                       QStringLiteral("fsync=off")});
        if (!server_.waitForStarted(10000))
            return fault("postgres did not start");
        const QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired()) {
            QProcess ready;
            ready.start(bin("pg_isready"), {QStringLiteral("-h"), socketDir(), QStringLiteral("-p"),
                                            QString::number(Port), QStringLiteral("-q")});
            ready.waitForFinished(10000);
            if (ready.exitCode() == 0)
                return ready_ = true;
            if (server_.state() == QProcess::NotRunning)
                return fault("postgres ended: " + server_.readAllStandardError());
            QThread::msleep(50);
        }
        return fault("postgres not ready after 60 s");
    }

    // Stops the server at once, as a shutdown of its computer would (open connections are
    // cut).
    void stop()
    {
        if (server_.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(server_.processId()), SIGINT);   // fast shutdown
        if (!server_.waitForFinished(30000)) {
            server_.kill();
            server_.waitForFinished(5000);
        }
    }

    // Runs SQL as the administrator; false (and error()) when it fails.
    bool psql(const char* database, const QString& sql, QString* out = nullptr)
    {
        QProcess p;
        p.start(bin("psql"), {QStringLiteral("-h"), socketDir(), QStringLiteral("-p"),
                              QString::number(Port), QStringLiteral("-U"),
                              QStringLiteral("postgres"), QStringLiteral("-d"),
                              QLatin1String(database), QStringLiteral("-X"), QStringLiteral("-A"),
                              QStringLiteral("-t"), QStringLiteral("-v"),
                              QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-c"), sql});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            return fault("psql: " + p.readAllStandardError());
        if (out)
            *out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        return true;
    }
    QString query(const QString& sql)
    {
        QString out;
        psql("produktion", sql, &out);
        return out;
    }

private:
    QString bin(const char* name) const { return binDir_ + QLatin1Char('/') + QLatin1String(name); }
    QString dataDir() const { return dir_.filePath(QStringLiteral("data")); }

    bool fault(const QByteArray& why)
    {
        error_ = why;
        return false;
    }

    bool runAsNobodyWhenRoot()
    {
        if (::geteuid() != 0)
            return true;
        const passwd* pw = ::getpwnam("nobody");
        if (!pw)
            return false;
        uid_ = pw->pw_uid;
        gid_ = pw->pw_gid;
        return ::chown(QFile::encodeName(dir_.path()).constData(), uid_, gid_) == 0;
    }

    // The server's processes run as the unprivileged user when the tests run as root.
    void prepare(QProcess& p)
    {
        p.setWorkingDirectory(dir_.path());
        if (uid_ == 0)
            return;
        const uid_t uid = uid_;
        const gid_t gid = gid_;
        p.setChildProcessModifier([uid, gid] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(126);
        });
    }

    QString binDir_;
    QTemporaryDir dir_{QDir::tempPath() + QStringLiteral("/fbe-pg-XXXXXX")};
    QProcess server_;
    QByteArray error_;
    bool ready_ = false;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
};

}  // namespace fbe::test
