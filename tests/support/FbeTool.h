// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// fbe-tool run as a process, as a script would run it: its exit code, stdout and stderr.
// QtCore only, for the configuration tests and the communication tests alike.
//
//   const ToolRun r = tool({QStringLiteral("show"), path, QStringLiteral("--json")});
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace fbe::test {

// Directory of the built programs: FBE_BIN_DIR (ctest sets it), otherwise the directory of
// the test program itself.
inline QString binDir()
{
    const QString dir = qEnvironmentVariable("FBE_BIN_DIR");
    if (!dir.isEmpty())
        return dir;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                        : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

// In the build with the sanitizers, a report of a program that a test started ends the test
// program with that report: the tests do not always look at the program's exit code.
inline void abortOnSanitizerReport(const QByteArray& err, const char* program)
{
    if (err.contains("runtime error:") || err.contains("Sanitizer")) {
        std::fprintf(stderr, "%s reported:\n%s\n", program, err.constData());
        std::abort();
    }
}

struct ToolRun {
    int exitCode = -1;   // -1: crashed, or still running when the time was up
    QString out;
    QByteArray outBytes;   // stdout as written, for data that goes on to a file
    QString err;
};

inline ToolRun tool(const QStringList& args,
                    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                    int timeoutMs = 20000)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(binDir() + QStringLiteral("/fbe-tool"), args);
    ToolRun r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.outBytes = p.readAllStandardOutput();
    r.out = QString::fromUtf8(r.outBytes);
    const QByteArray err = p.readAllStandardError();
    r.err = QString::fromUtf8(err);
    abortOnSanitizerReport(err, "fbe-tool");
    return r;
}

}  // namespace fbe::test
