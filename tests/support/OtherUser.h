// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// A part of a test run as a user without privileges. The super-user (CI runs the tests as
// root) may open and write anything, so a missing permission can only be met by another user:
// a forked child gives up the super-user's groups, group and user for those of "nobody" and
// runs the part there. Anything it touches must be prepared by the test where nobody can
// reach it; the child needs nothing else (the checkout may lie in a folder nobody cannot
// enter). For any other user the part simply runs in this process.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fbe::test {

inline bool isRoot() { return ::geteuid() == 0; }

// What the part returned; as the super-user, what it returned as nobody, or a text in "<>"
// saying why it could not run there (which no test expects, so the test fails, never skips).
inline QString asNobody(const std::function<QString()>& part)
{
    if (!isRoot())
        return part();
    const struct passwd* nobody = ::getpwnam("nobody");
    if (!nobody)
        return QStringLiteral("<no user nobody>");
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return QStringLiteral("<no fork>");
    }
    if (pid == 0) {
        ::close(fds[0]);
        // The groups first: without the super-user's rights they can no longer be dropped.
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0
            || ::setuid(0) == 0)
            ::_exit(3);
        const QByteArray out = part().toUtf8();
        const bool written = ::write(fds[1], out.constData(), size_t(out.size())) == out.size();
        ::_exit(written ? 0 : 4);
    }
    ::close(fds[1]);
    QByteArray out;
    char buffer[256];
    ssize_t n = 0;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3)
        return QStringLiteral("<could not become nobody>");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("<child ended with status %1>").arg(status);
    return QString::fromUtf8(out);
}

}  // namespace fbe::test
