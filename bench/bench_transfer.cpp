// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of a programming run through a pseudo-terminal against fbe-module-sim.
//
// 1. On a line paced like the real one (--line-speed 14400): the whole run (identify, 256
//    writes, 256 reads) of the program's serial port service and protocol, against a minimal
//    client that does the same exchange as fast as it can. The ratio must stay at or below 1.03.
//    Then a read run (identify, 256 reads and the 33 second reads) against its wire time.
// 2. Against the unpaced simulator: the program's reaction time from a reply byte handed to the
//    protocol to the next command written to the device (median must be below 0.1 ms), and the
//    time per command of both clients.
// 3. The line lost in the middle of a run (the simulator killed, which hangs its terminal up as
//    an unplugged adapter would): from the kill to the end of the run (median must be below
//    100 ms) and the CPU time the program used meanwhile (below 50 ms), and the CPU time of
//    the 200 ms after the end (a port left open on the dead line would spin).
//
// Usage: bench_transfer [runs]   (default 5 runs of each kind)

#include "comm/BytePort.h"
#include "comm/ModuleWrite.h"
#include "comm/SerialPortService.h"
#include "comm/TransferProtocol.h"
#include "config/Configuration.h"
#include "tests/comm/CommTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#ifdef __linux__
#include <sched.h>
#endif
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>
#include <functional>
#include <vector>

using namespace fbe;

namespace {

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

Image testImage()
{
    Configuration cfg;
    NeueDatei(cfg);
    cfg.codes[1].function = FnEin;
    cfg.codes[1].out1 = true;
    cfg.codes[1].address = 0x5A5;
    PrepareModuleWrite(cfg);
    return cfg.txBuffer;
}

// The minimal client: blocking reads, each command written as soon as the reply is in.
// Returns the seconds of the whole run (open to close), or a negative value on failure.
double minimalClient(const QString& device, const Image& image, double* perCommandUs = nullptr)
{
    const qint64 t0 = nowNs();
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return -1;
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tcsetattr(fd, TCSANOW, &tio);
    tcflush(fd, TCIOFLUSH);
    auto exchange = [&](quint8 a, quint8 b, quint8 c, quint8* reply, int n) {
        const quint8 cmd[3] = {a, b, c};
        if (::write(fd, cmd, 3) != 3)
            return false;
        int got = 0;
        while (got < n) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 1000) <= 0)
                return false;
            const ssize_t r = ::read(fd, reply + got, size_t(n - got));
            if (r <= 0)
                return false;
            got += int(r);
        }
        return true;
    };
    quint8 reply[3];
    bool ok = exchange(0x00, 0xFF, 0x14, reply, 3) && reply[0] == 0x14;
    const qint64 tCommands = nowNs();
    for (int a = 0; ok && a < 256; ++a)
        ok = exchange(0x32, quint8(a), image[a], reply, 1) && reply[0] == image[a];
    for (int a = 0; ok && a < 256; ++a)
        ok = exchange(0x28, quint8(a), 0x00, reply, 1);
    const qint64 tEnd = nowNs();
    ::close(fd);
    const qint64 t1 = nowNs();
    if (perCommandUs)
        *perCommandUs = double(tEnd - tCommands) / 512 / 1000.0;
    return ok ? double(t1 - t0) / 1e9 : -1;
}

// Forwards to the serial port service and times each command that the protocol sends from
// inside its receive handler: from the reply byte handed over to the command's last byte
// written to the device.
class TimedPort : public BytePort {
public:
    explicit TimedPort(BytePort& inner) : inner_(inner)
    {
        inner_.onByte = [this](quint8 b) {
            inHandler_ = true;
            byteIn_ = nowNs();
            ++bytesIn;
            if (onByte)
                onByte(b);
            inHandler_ = false;
            if (afterByte)
                afterByte();
        };
        inner_.onLost = [this] {
            if (onLost)
                onLost();
        };
    }
    bool setComNumber(int n) override { return inner_.setComNumber(n); }
    int comNumber() const override { return inner_.comNumber(); }
    void setDevicePath(const QString& path) override { inner_.setDevicePath(path); }
    bool open() override { return inner_.open(); }
    void close() override { inner_.close(); }
    bool isOpen() const override { return inner_.isOpen(); }
    OpenFailure openFailure() const override { return inner_.openFailure(); }
    void discardInput() override { inner_.discardInput(); }
    void discardOutput() override { inner_.discardOutput(); }
    void sendByte(quint8 b) override
    {
        inner_.sendByte(b);
        ++sent_;
    }
    void flush() override
    {
        inner_.flush();
        if (sent_ % 3 == 0 && inHandler_)
            reactionsUs.push_back(double(nowNs() - byteIn_) / 1000.0);
    }

    std::vector<double> reactionsUs;
    long bytesIn = 0;
    std::function<void()> afterByte;

private:
    BytePort& inner_;
    bool inHandler_ = false;
    qint64 byteIn_ = 0;
    long sent_ = 0;
};

// The program's own code for one run: a configuration holding the image, the serial port
// service behind the timing port, and the protocol.
struct TimedRun {
    Configuration cfg;
    SerialPortService serial;
    TimedPort timed{serial};
    TransferProtocol protocol{cfg, timed};
    qint64 tStart = 0;
    qint64 tEnd = 0;

    explicit TimedRun(const Image& image)
    {
        NeueDatei(cfg);
        cfg.txBuffer = image;
    }

    // Runs on the device to the end; atEnd is called at the end, right after tEnd is taken.
    void exec(const QString& device, bool write, const std::function<void()>& atEnd = nullptr)
    {
        QEventLoop loop;
        const auto end = QObject::connect(&protocol, &TransferProtocol::finished, [&] {
            tEnd = nowNs();
            if (atEnd)
                atEnd();
            loop.quit();
        });
        protocol.setRequest(1, write, device);
        tStart = nowNs();
        protocol.start();
        if (protocol.isRunning())
            loop.exec();
        QObject::disconnect(end);
    }
};

// One programming run (or read run) of the program's own code. Returns seconds from start
// to end.
double programRun(const QString& device, const Image& image, std::vector<double>* reactionsUs,
                  double* perCommandUs = nullptr, bool write = true)
{
    TimedRun run(image);
    run.exec(device, write);
    if (run.cfg.transfer.transferFailed) {
        std::fprintf(stderr, "bench_transfer: %s\n", qPrintable(run.cfg.transfer.transferMessage));
        return -1;
    }
    if (reactionsUs)
        reactionsUs->insert(reactionsUs->end(), run.timed.reactionsUs.begin(),
                            run.timed.reactionsUs.end());
    if (perCommandUs)
        *perCommandUs = double(run.tEnd - run.tStart) / 513 / 1000.0;
    return double(run.tEnd - run.tStart) / 1e9;
}

qint64 cpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

struct HangUp {
    double reactionMs = -1;   // kill of the simulator -> end of the run
    double cpuMs = 0;         // CPU time of this process meanwhile
    double idleCpuMs = 0;     // CPU time of the 200 ms after the end
};

// One programming run whose line goes dead after the given number of reply bytes.
HangUp hangUpRun(const Image& image, long afterBytes)
{
    HangUp h;
    commtest::SimProcess sim;
    if (!sim.ok())
        return h;
    TimedRun run(image);
    qint64 tKill = 0, cpuKill = 0, cpuEnd = 0;
    run.timed.afterByte = [&] {
        if (run.timed.bytesIn != afterBytes)
            return;
        cpuKill = cpuNs();
        tKill = nowNs();
        ::kill(pid_t(sim.pid()), SIGKILL);
    };
    run.exec(sim.device(), true, [&] { cpuEnd = cpuNs(); });
    const QString& message = run.cfg.transfer.transferMessage;
    if (tKill == 0 || message != TransferProtocol::msgInterrupted() + QLatin1Char('\n')
                                     + TransferProtocol::msgConnectionLost()) {
        std::fprintf(stderr, "bench_transfer: %s\n", qPrintable(message));
        return h;
    }
    h.reactionMs = double(run.tEnd - tKill) / 1e6;
    h.cpuMs = double(cpuEnd - cpuKill) / 1e6;
    const qint64 idle0 = cpuNs();
    commtest::runFor(200);
    h.idleCpuMs = double(cpuNs() - idle0) / 1e6;
    return h;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const Image image = testImage();

    // 1. Paced line: as the machine schedules it, then with every process on one CPU, which
    // takes out the cost of waking the other CPU for each reply (large on virtual machines).
    double ratio = 0;
    for (const bool oneCpu : {false, true}) {
#ifdef __linux__
        cpu_set_t all;
        sched_getaffinity(0, sizeof all, &all);
        if (oneCpu) {
            if (CPU_COUNT(&all) < 2)
                break;
            cpu_set_t first;
            CPU_ZERO(&first);
            for (int c = 0; c < CPU_SETSIZE; ++c)
                if (CPU_ISSET(c, &all)) {
                    CPU_SET(c, &first);
                    break;
                }
            sched_setaffinity(0, sizeof first, &first);   // the simulator inherits it
        }
#else
        if (oneCpu)
            break;
#endif
        std::vector<double> tool, minimal;
        {
            commtest::SimProcess sim({QStringLiteral("--line-speed"), QStringLiteral("14400")});
            if (!sim.ok()) {
                std::fprintf(stderr, "bench_transfer: fbe-module-sim did not start\n");
                return 1;
            }
            for (int i = 0; i < runs; ++i) {
                minimal.push_back(minimalClient(sim.device(), image));
                tool.push_back(programRun(sim.device(), image, nullptr));
            }
        }
#ifdef __linux__
        sched_setaffinity(0, sizeof all, &all);
#endif
        const double m = median(minimal), t = median(tool);
        std::printf("paced line 14400 baud, wire time %.3f s%s\n", 2054 * 10.0 / 14400,
                    oneCpu ? ", all processes on one CPU" : "");
        std::printf("  minimal client   median %.4f s  (runs:", m);
        for (double v : minimal)
            std::printf(" %.4f", v);
        std::printf(")\n  program          median %.4f s  (runs:", t);
        for (double v : tool)
            std::printf(" %.4f", v);
        std::printf(")\n  ratio program / minimal client: median %.4f  (limit 1.03)\n", t / m);
        if (!oneCpu)
            ratio = t / m;
    }
    {
        // identify, 256 reads, 33 second reads: 290 commands of 3 bytes, 292 reply bytes.
        commtest::SimProcess sim({QStringLiteral("--line-speed"), QStringLiteral("14400")});
        std::vector<double> reads;
        for (int i = 0; i < runs; ++i)
            reads.push_back(programRun(sim.device(), image, nullptr, nullptr, false));
        const double wire = 1162 * 10.0 / 14400;
        std::printf("paced read run, wire time %.3f s\n  program          median %.4f s  "
                    "(ratio to wire time %.4f)\n",
                    wire, median(reads), median(reads) / wire);
    }

    // 2. Unpaced simulator.
    std::vector<double> reactions, toolPerCmd, minPerCmd;
    {
        commtest::SimProcess sim;
        for (int i = 0; i < runs; ++i) {
            double pc = 0;
            minimalClient(sim.device(), image, &pc);
            minPerCmd.push_back(pc);
            programRun(sim.device(), image, &reactions, &pc);
            toolPerCmd.push_back(pc);
        }
    }
    std::vector<double> sorted = reactions;
    std::sort(sorted.begin(), sorted.end());
    const double p90 = sorted.empty() ? 0 : sorted[sorted.size() * 9 / 10];
    std::printf("unpaced simulator\n");
    std::printf("  reaction reply byte -> next command written: median %.1f us, 90%% %.1f us, "
                "%zu samples (limit 100 us)\n",
                median(reactions), p90, reactions.size());
    std::printf("  time per command incl. timer ticks: program %.1f us, minimal client %.1f us\n",
                median(toolPerCmd), median(minPerCmd));

    // 3. The line lost mid-run.
    std::vector<double> lostMs, lostCpuMs, idleCpuMs;
    for (int i = 0; i < runs; ++i) {
        const HangUp h = hangUpRun(image, 100 + 37 * i);
        if (h.reactionMs < 0)
            return 1;
        lostMs.push_back(h.reactionMs);
        lostCpuMs.push_back(h.cpuMs);
        idleCpuMs.push_back(h.idleCpuMs);
    }
    std::printf("line lost mid-run (simulator killed)\n");
    std::printf("  end of the run after the kill: median %.2f ms, max %.2f ms (limit 100 ms)\n",
                median(lostMs), *std::max_element(lostMs.begin(), lostMs.end()));
    std::printf("  CPU time meanwhile: median %.2f ms, max %.2f ms (limit 50 ms); "
                "in the 200 ms after: median %.2f ms\n",
                median(lostCpuMs), *std::max_element(lostCpuMs.begin(), lostCpuMs.end()),
                median(idleCpuMs));

    const bool pass = ratio <= 1.03 && median(reactions) < 100.0 && median(lostMs) < 100.0
                      && median(lostCpuMs) < 50.0;
    std::printf("%s\n", pass ? "within limits" : "OUT OF LIMITS");
    return pass ? 0 : 1;
}
