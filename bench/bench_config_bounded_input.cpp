// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Time and memory of fbe-tool and of a load on the largest legal input: files of 1 MiB made
// of line ends (a comment of a million empty lines), of one comment line of 1 MiB, and a JSON
// input of 1 MiB for build.
//
//   bench_config_bounded_input [FBE_TOOL]     (default: fbe-tool beside this program)
//
// Each command runs as its own process; the table gives its wall time, its processor time
// (user and system) and its peak resident size. Goal: every command and the load itself
// below 200 ms and 100 MB for a file of 1 MiB.
#include "bench/ProcessMemory.h"
#include "config/FbeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace fbe;

namespace {

bool write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct Run {
    double wallMs = 0;
    double cpuMs = 0;
    double peakMiB = 0;
    int exitCode = -1;
};

// Runs the program with its output thrown away and takes its resource use from the system.
Run run(const QString& program, const QStringList& args)
{
    QList<QByteArray> bytes{QFile::encodeName(program)};
    for (const QString& a : args)
        bytes << QFile::encodeName(a);
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage use {};
    ::wait4(pid, &status, 0, &use);
    Run r;
    r.wallMs = double(clock.nsecsElapsed()) / 1e6;
    r.cpuMs = (use.ru_utime.tv_sec + use.ru_stime.tv_sec) * 1e3
        + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e3;
    r.peakMiB = double(use.ru_maxrss) / 1024.0;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString tool = argc > 1
        ? QString::fromLocal8Bit(argv[1])
        : QCoreApplication::applicationDirPath() + QStringLiteral("/fbe-tool");
    QTemporaryDir dir;
    Configuration cfg;
    NeueDatei(cfg);
    const QByteArray file = BuildFile(cfg).bytes();
    const QByteArray tail = file.mid(file.lastIndexOf("software by"));   // the signature line
    const QByteArray head = file.left(file.size() - tail.size());
    const qint64 room = MaxFileSize - file.size();
    const QString plain = dir.filePath(QStringLiteral("neu.fbe"));
    write(plain, file);
    const struct {
        const char* name;
        QByteArray bytes;
    } inputs[] = {
        {"LF", head + QByteArray(room, '\n') + tail},
        {"CR LF", head + QByteArray("\r\n").repeated(room / 2) + tail},
        {"lone CR", head + QByteArray(room, '\r') + tail},
        {"one line", head + QByteArray(room - 2, 'x') + "\r\n" + tail},
    };

    std::printf("%-10s %-22s %10s %10s %10s\n", "input", "command", "wall (ms)", "cpu (ms)",
                "peak (MiB)");
    for (const auto& input : inputs) {
        const QString path = dir.filePath(QStringLiteral("gross.fbe"));
        const QString other = dir.filePath(QStringLiteral("gross2.fbe"));
        write(path, input.bytes);
        QByteArray changed = input.bytes;
        changed[file.size() / 2] = changed[file.size() / 2] == '0' ? '1' : changed[file.size() / 2];
        changed.insert(head.size(), "anders\r\n");
        changed.chop(8);
        write(other, changed);

        // The load in this process.
        {
            QFile reset(QStringLiteral("/proc/self/clear_refs"));
            if (reset.open(QIODevice::WriteOnly))
                reset.write("5");
        }
        const qint64 before = bench::statusKiB("VmRSS:");
        QElapsedTimer clock;
        clock.start();
        Configuration loaded;
        NeueDatei(loaded);
        const bool ok = LoadFile(loaded, path).ok;
        const double loadMs = double(clock.nsecsElapsed()) / 1e6;
        const double loadMiB = double(bench::statusKiB("VmHWM:") - before) / 1024.0;
        std::printf("%-10s %-22s %10.1f %10s %10.1f%s\n", input.name, "LoadFile", loadMs, "",
                    loadMiB, ok ? "" : "  (not loaded)");

        const struct {
            const char* name;
            QStringList args;
        } commands[] = {
            {"show", {QStringLiteral("show"), path}},
            {"show --json", {QStringLiteral("show"), path, QStringLiteral("--json")}},
            {"diff new file", {QStringLiteral("diff"), plain, path}},
            {"diff changed", {QStringLiteral("diff"), path, other}},
            {"diff changed --json",
             {QStringLiteral("diff"), path, other, QStringLiteral("--json")}},
            {"diff itself", {QStringLiteral("diff"), path, path}},
        };
        for (const auto& c : commands) {
            const Run r = run(tool, c.args);
            std::printf("%-10s %-22s %10.1f %10.1f %10.1f%s\n", input.name, c.name, r.wallMs,
                        r.cpuMs, r.peakMiB, r.exitCode > 1 ? "  (failed)" : "");
        }
    }

    // build of a JSON input of 1 MiB: a comment of 349 000 empty lines.
    const QString json = dir.filePath(QStringLiteral("gross.json"));
    write(json, "{\"comment\": [\"\"" + QByteArray(",\"\"").repeated(349000) + "]}");
    const Run r = run(tool, {QStringLiteral("build"), json, dir.filePath(QStringLiteral("b.fbe"))});
    std::printf("%-10s %-22s %10.1f %10.1f %10.1f%s\n", "JSON", "build", r.wallMs, r.cpuMs,
                r.peakMiB, r.exitCode != 0 ? "  (failed)" : "");
    return 0;
}
