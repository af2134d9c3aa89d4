// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// fbe-module-sim: a simulated receiver module on a pseudo-terminal. Prints the terminal's
// device path on the first line of stdout and answers the module's commands until it gets
// SIGINT, SIGTERM or SIGHUP, or until it hangs the line up (--hangup-after).

#include "SimModule.h"

#include "config/Configuration.h"
#include "config/ImageCodec.h"
#include "config/Language.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <string>
#include <sys/stat.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t stopRequested = 0;

// Writes a text of the program (in the language in use) as UTF-8.
void say(FILE* out, const QString& text)
{
    std::fputs(text.toUtf8().constData(), out);
}

// The context of the program's texts in the catalogue.
struct ModuleSim {
    Q_DECLARE_TR_FUNCTIONS(ModuleSim)
};

QString local(const std::string& text)
{
    return QString::fromLocal8Bit(text.c_str());
}

void onSignal(int)
{
    stopRequested = 1;
}

using Nanos = long long;

Nanos now()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return Nanos(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// A command whose bytes stop coming for this long is dropped.
constexpr Nanos PartialTimeout = 100LL * 1000000;

struct Options {
    std::string link;
    std::string eepromFile;
    unsigned firmware = 0x0205;
    long lineSpeed = 0;        // baud; 0: no pacing
    long writeMs = 0;
    long hangupAfter = -1;     // reply bytes before the line is hung up; -1: never
    bool verbose = false;
    sim::Faults faults;
    std::string absentWhile;   // no module is plugged in while this file exists
    bool freshOnInsert = false;
};

void usage(FILE* out)
{
    say(out, ModuleSim::tr(
        "Aufruf: fbe-module-sim [Optionen]\n"
        "Simuliertes Empfängermodul an einem Pseudo-Terminal; die erste Zeile der Ausgabe ist\n"
        "der Gerätepfad.\n"
        "  --link PFAD           symbolischer Link PFAD auf das Terminal (ersetzt einen Link,\n"
        "                        nie eine Datei; wird am Ende entfernt)\n"
        "  --eeprom DATEI        EEPROM-Inhalt (256 Bytes) laden und nach jedem Schreiben sichern\n"
        "  --firmware V          Firmware-Version (Standard 0x0205), dezimal oder 0x...\n"
        "  --line-speed BAUD     jedes Byte wie auf der Leitung takten (10 Bit je Byte)\n"
        "  --write-ms N          Schreibzeit des EEPROMs je Byte in ms\n"
        "  --verbose             jeden Befehl auf stderr melden\n"
        "Fehler für Tests:\n"
        "  --no-reply            nie antworten\n"
        "  --id-byte B           erstes Byte der Identifizierung (Standard 0x14)\n"
        "  --bad-id              falsches Identifizierungsbyte (0x41)\n"
        "  --leading-zeros N     N Nullbytes vor der Identifizierung\n"
        "  --bad-echo ADR        falsches Echo beim Schreiben der Adresse ADR\n"
        "  --silence-after N     nach N beantworteten Befehlen schweigen\n"
        "  --corrupt ADR         gespeichertes Byte an ADR verfälscht (Bit 0 gekippt)\n"
        "  --hangup-after N      nach N gesendeten Antwortbytes die Leitung auflegen: das\n"
        "                        Terminal wird geschlossen (wie ein abgezogener Adapter)\n"
        "  --endless-zeros       ab dem ersten Befehl statt jeder Antwort Nullbytes ohne Ende\n"
        "                        (wie eine Leitung im Break-Zustand), im Takt der Leitung\n"
        "                        (ohne --line-speed: 14400 Baud)\n"
        "  --flaky-read ADR      das erste Lesen von ADR liefert ein verfälschtes Byte (Bit 0\n"
        "                        gekippt), jedes weitere das gespeicherte\n"
        "Befehle gezählt ab 0 (der erste empfangene, meist die Identifizierung):\n"
        "  --garbage-from N      ab Befehl N ist jedes Antwortbyte ein anderes (Störungen)\n"
        "  --reply-twice N       die Antwort auf Befehl N kommt vor der nächsten Antwort noch\n"
        "                        einmal\n"
        "  --late-replies N      ab Befehl N bekommt jeder Befehl die Antwort auf den vorigen\n"
        "                        (die Antworten kommen einen Befehl zu spät)\n"
        "Module ein- und ausstecken (Serienprogrammierung):\n"
        "  --absent-while PFAD   solange die Datei PFAD besteht, steckt kein Modul im Adapter:\n"
        "                        Befehle bleiben ohne Antwort, Schreibbefehle ohne Wirkung\n"
        "  --fresh-on-insert     (nur mit --absent-while) jedes Einstecken, also jedes\n"
        "                        Verschwinden von PFAD, bringt ein neues Modul mit gelöschtem\n"
        "                        EEPROM (alle Bytes 0xFF außer der Firmware-Version)\n"
        "  Beide lassen sich mit jeder Fehleroption kombinieren; die Fehler gelten für jedes\n"
        "  Modul. Mit --fresh-on-insert zählt --silence-after für jedes neue Modul von vorn,\n"
        "  --hangup-after zählt über alle Module (es legt die Leitung auf, nicht das Modul);\n"
        "  --eeprom sichert das Modul, das gerade steckt.\n"));
}

bool parseNumber(const char* text, long& value)
{
    if (!text || !*text)
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text, &end, 0);
    return errno == 0 && end && *end == '\0';
}

// 0: go on, 1: usage error, 2: --help printed.
int parseOptions(int argc, char** argv, Options& opt)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto number = [&](long& value, long lo, long hi) {
            if (i + 1 >= argc || !parseNumber(argv[i + 1], value) || value < lo || value > hi) {
                say(stderr, ModuleSim::tr("fbe-module-sim: %1 braucht eine Zahl %2..%3\n")
                                .arg(local(arg)).arg(lo).arg(hi));
                return false;
            }
            ++i;
            return true;
        };
        auto text = [&](std::string& value) {
            if (i + 1 >= argc) {
                say(stderr,
                    ModuleSim::tr("fbe-module-sim: %1 braucht einen Wert\n").arg(local(arg)));
                return false;
            }
            value = argv[++i];
            return true;
        };
        long v = 0;
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return 2;
        } else if (arg == "--link") {
            if (!text(opt.link))
                return 1;
        } else if (arg == "--eeprom") {
            if (!text(opt.eepromFile))
                return 1;
        } else if (arg == "--firmware") {
            if (!number(v, 0, 0xFFFF))
                return 1;
            opt.firmware = unsigned(v);
        } else if (arg == "--line-speed") {
            if (!number(v, 0, 10000000))
                return 1;
            opt.lineSpeed = v;
        } else if (arg == "--write-ms") {
            if (!number(v, 0, 10000))
                return 1;
            opt.writeMs = v;
        } else if (arg == "--verbose") {
            opt.verbose = true;
        } else if (arg == "--no-reply") {
            opt.faults.noReply = true;
        } else if (arg == "--id-byte") {
            if (!number(v, 0, 255))
                return 1;
            opt.faults.idByte = int(v);
        } else if (arg == "--bad-id") {
            opt.faults.idByte = 0x41;
        } else if (arg == "--leading-zeros") {
            if (!number(v, 0, 4096))
                return 1;
            opt.faults.leadingZeros = int(v);
        } else if (arg == "--bad-echo") {
            if (!number(v, 0, 255))
                return 1;
            opt.faults.badEchoAddress = int(v);
        } else if (arg == "--silence-after") {
            if (!number(v, 0, 1000000000))
                return 1;
            opt.faults.silenceAfter = v;
        } else if (arg == "--hangup-after") {
            if (!number(v, 0, 1000000000))
                return 1;
            opt.hangupAfter = v;
        } else if (arg == "--endless-zeros") {
            opt.faults.endlessZeros = true;
        } else if (arg == "--flaky-read") {
            if (!number(v, 0, 255))
                return 1;
            opt.faults.flakyReadAddress = int(v);
        } else if (arg == "--garbage-from") {
            if (!number(v, 0, 1000000000))
                return 1;
            opt.faults.garbageFrom = v;
        } else if (arg == "--reply-twice") {
            if (!number(v, 0, 1000000000))
                return 1;
            opt.faults.replyTwice = v;
        } else if (arg == "--late-replies") {
            if (!number(v, 0, 1000000000))
                return 1;
            opt.faults.lateFrom = v;
        } else if (arg == "--absent-while") {
            if (!text(opt.absentWhile))
                return 1;
        } else if (arg == "--fresh-on-insert") {
            opt.freshOnInsert = true;
        } else if (arg == "--corrupt") {
            if (!number(v, 0, 255))
                return 1;
            opt.faults.corruptAddress = int(v);
        } else {
            say(stderr, ModuleSim::tr("fbe-module-sim: unbekannte Option %1\n").arg(local(arg)));
            usage(stderr);
            return 1;
        }
    }
    if (opt.freshOnInsert && opt.absentWhile.empty()) {
        say(stderr, ModuleSim::tr("fbe-module-sim: --fresh-on-insert braucht --absent-while\n"));
        return 1;
    }
    return 0;
}

// Whether the module is out of the adapter: the file of --absent-while exists.
bool moduleAbsent(const Options& opt)
{
    struct stat st {};
    return !opt.absentWhile.empty() && ::stat(opt.absentWhile.c_str(), &st) == 0;
}

// The EEPROM of a module that has never been programmed.
sim::Eeprom erasedContent()
{
    sim::Eeprom content{};
    content.fill(0xFF);
    return content;
}

// The EEPROM of a module fresh from the maker: the image of a new configuration.
sim::Eeprom defaultContent()
{
    fbe::Configuration cfg;
    fbe::NeueDatei(cfg);
    fbe::EncodeImage(cfg);
    sim::Eeprom content{};
    for (size_t i = 0; i < content.size(); ++i)
        content[i] = cfg.sendImage[i];
    return content;
}

bool loadEeprom(const std::string& path, sim::Eeprom& content)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return errno == ENOENT;   // a missing file starts from the default content
    unsigned char buf[257];
    const size_t n = std::fread(buf, 1, sizeof buf, f);
    std::fclose(f);
    if (n != content.size())
        return false;
    std::memcpy(content.data(), buf, content.size());
    return true;
}

// Written beside the file and renamed over it, so a kill never leaves half a file.
bool saveEeprom(const std::string& path, const sim::Eeprom& content)
{
    const std::string tmp = path + ".tmp." + std::to_string(getpid());
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const ssize_t n = ::write(fd, content.data(), content.size());
    const bool ok = n == ssize_t(content.size()) && ::close(fd) == 0;
    if (!ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
        if (n != ssize_t(content.size()))
            ::close(fd);
        ::unlink(tmp.c_str());
        return false;
    }
    return true;
}

void makeRaw(int fd)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return;
    cfmakeraw(&tio);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &tio);
}

// The link replaces an earlier link (of a simulator that ended without removing it, or of
// one still running) in one step, but never a file or folder: a path given by mistake must
// not cost the user a file.
bool placeLink(const std::string& link, const std::string& device)
{
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        say(stderr, ModuleSim::tr("fbe-module-sim: Link %1: dort ist schon eine Datei, kein Link\n")
                        .arg(local(link)));
        return false;
    }
    const std::string tmp = link + ".tmp." + std::to_string(getpid());
    ::unlink(tmp.c_str());
    if (::symlink(device.c_str(), tmp.c_str()) != 0 || std::rename(tmp.c_str(), link.c_str()) != 0) {
        std::fprintf(stderr, "fbe-module-sim: Link %s: %s\n", link.c_str(), std::strerror(errno));
        ::unlink(tmp.c_str());
        return false;
    }
    return true;
}

// Removes the link only while it still names this simulator's terminal: a simulator started
// later may have taken the path over.
void removeLink(const std::string& link, const std::string& device)
{
    char target[4096];
    const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
    if (n >= 0 && std::string(target, size_t(n)) == device)
        ::unlink(link.c_str());
}

struct Pending {
    uint8_t byte;
    Nanos due;
};

const char* commandName(sim::Command c)
{
    switch (c) {
    case sim::Command::Identify: return "identify";
    case sim::Command::Write: return "write";
    case sim::Command::Read: return "read";
    default: return "?";
    }
}

}  // namespace

int main(int argc, char** argv)
{
    // Texts follow the environment's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    QCoreApplication app(argc, argv);
    fbe::language::use(fbe::language::choose(QString(), fbe::language::desktopLanguages()));
    Options opt;
    const int parsed = parseOptions(argc, argv, opt);
    if (parsed == 2)
        return 0;
    if (parsed != 0)
        return 2;

    sim::Eeprom content = defaultContent();
    if (!opt.eepromFile.empty() && !loadEeprom(opt.eepromFile, content)) {
        say(stderr, ModuleSim::tr("fbe-module-sim: %1 ist keine EEPROM-Datei (256 Bytes)\n")
                        .arg(local(opt.eepromFile)));
        return 1;
    }

    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("fbe-module-sim: posix_openpt");
        return 1;
    }
    const char* name = ptsname(master);
    if (!name) {
        std::perror("fbe-module-sim: ptsname");
        return 1;
    }
    const std::string device = name;
    // Holding the terminal side open keeps the line up while no program has it open.
    const int slave = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        std::perror("fbe-module-sim: open pts");
        return 1;
    }
    makeRaw(slave);
    makeRaw(master);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    if (!opt.link.empty() && !placeLink(opt.link, device))
        return 1;

    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::printf("%s\n", device.c_str());
    std::fflush(stdout);

#ifdef __linux__
    // Reply bytes leave at their deadlines, not up to 50 us later.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
    sim::Module module(content, uint16_t(opt.firmware), opt.faults);
    const Nanos byteTime = opt.lineSpeed > 0 ? 10LL * 1000000000LL / opt.lineSpeed : 0;
    const Nanos writeTime = opt.writeMs * 1000000LL;
    Nanos rxLine = 0;          // when the last byte from the tool has fully arrived
    Nanos txLine = 0;          // when the last byte to the tool has fully left
    Nanos lastByte = 0;
    std::deque<Pending> out;
    bool dirty = false;
    long repliesSent = 0;      // reply bytes written to the line
    bool hungUp = false;
    // --endless-zeros: the line carries zero bytes from the first command on.
    const Nanos zeroTime = byteTime > 0 ? byteTime : 10LL * 1000000000LL / 14400;
    bool zeroStream = false;
    Nanos nextZero = 0;
    bool absent = moduleAbsent(opt);

    while (!stopRequested) {
        // Wait for input, the next reply byte's deadline or a stale partial command.
        Nanos wake = -1;
        if (!out.empty())
            wake = out.front().due;
        if (module.hasPartial() && (wake < 0 || lastByte + PartialTimeout < wake))
            wake = lastByte + PartialTimeout;
        if (zeroStream && (wake < 0 || nextZero < wake))
            wake = nextZero;
        timespec ts{};
        timespec* timeout = nullptr;
        if (wake >= 0) {
            const Nanos wait = std::max<Nanos>(0, wake - now());
            ts.tv_sec = time_t(wait / 1000000000LL);
            ts.tv_nsec = long(wait % 1000000000LL);
            timeout = &ts;
        }
        pollfd pfd{master, POLLIN, 0};
        const int ready = ppoll(&pfd, 1, timeout, nullptr);
        if (ready < 0 && errno != EINTR) {
            std::perror("fbe-module-sim: poll");
            break;
        }
        const Nanos t = now();

        if (ready > 0 && (pfd.revents & POLLIN)) {
            uint8_t buf[512];
            const ssize_t n = ::read(master, buf, sizeof buf);
            // Plugged in or out since the last bytes: a module put in answers from its first
            // complete command on, one taken out forgets what it had half received.
            const bool nowAbsent = moduleAbsent(opt);
            if (nowAbsent != absent) {
                absent = nowAbsent;
                module.dropPartial();
                if (!absent && opt.freshOnInsert) {
                    module = sim::Module(erasedContent(), uint16_t(opt.firmware), opt.faults);
                    dirty = true;
                }
                if (opt.verbose)
                    std::fprintf(stderr, "%s\n", absent ? "module out" : "module in");
            }
            for (ssize_t i = 0; i < n && !absent; ++i) {
                // The byte has fully arrived one byte time after the line was free for it.
                if (byteTime > 0)
                    rxLine = std::max(rxLine, t) + byteTime;
                else
                    rxLine = t;
                lastByte = t;
                const sim::Reply reply = module.feed(buf[i]);
                if (reply.command == sim::Command::None || reply.command == sim::Command::Unknown)
                    continue;
                if (opt.faults.endlessZeros && !zeroStream) {
                    zeroStream = true;
                    nextZero = rxLine + zeroTime;
                }
                if (opt.verbose)
                    std::fprintf(stderr, "%s %d -> %zu Byte\n", commandName(reply.command),
                                 reply.address, reply.bytes.size());
                dirty = dirty || reply.stored;
                Nanos start = rxLine + (reply.command == sim::Command::Write ? writeTime : 0);
                for (uint8_t b : reply.bytes) {
                    Nanos due = start;
                    if (byteTime > 0) {
                        due = std::max(start, txLine) + byteTime;
                        txLine = due;
                    }
                    out.push_back({b, due});
                    start = due;
                }
            }
        } else if (ready > 0 && (pfd.revents & (POLLHUP | POLLERR))) {
            // Cannot happen while the terminal side is held open; do not spin if it does.
            struct timespec pause {0, 10 * 1000000};
            nanosleep(&pause, nullptr);
        }

        // A module taken out sends nothing more.
        if (!out.empty() && !absent && moduleAbsent(opt)) {
            absent = true;
            module.dropPartial();
            out.clear();
        }

        // Send every reply byte whose time has come, in one write.
        const Nanos sendTime = now();
        uint8_t burst[512];
        size_t count = 0;
        while (!out.empty() && out.front().due <= sendTime && count < sizeof burst
               && (opt.hangupAfter < 0 || repliesSent + long(count) < opt.hangupAfter)) {
            burst[count++] = out.front().byte;
            out.pop_front();
        }
        while (zeroStream && nextZero <= sendTime && count < sizeof burst
               && (opt.hangupAfter < 0 || repliesSent + long(count) < opt.hangupAfter)) {
            burst[count++] = 0x00;
            nextZero += zeroTime;
        }
        if (count > 0) {
            const ssize_t w = ::write(master, burst, count);
            (void)w;   // a full terminal queue (nobody reading) drops the reply like a line would
            repliesSent += long(count);
        }
        if (opt.hangupAfter >= 0 && repliesSent >= opt.hangupAfter) {
            // Both ends of the terminal go: the program's side reads an error from now on.
            if (opt.verbose)
                std::fprintf(stderr, "hang-up after %ld reply bytes\n", repliesSent);
            hungUp = true;
            break;
        }

        if (module.hasPartial() && sendTime - lastByte >= PartialTimeout)
            module.dropPartial();

        if (dirty && !opt.eepromFile.empty() && out.empty()) {
            if (!saveEeprom(opt.eepromFile, module.eeprom()))
                say(stderr, ModuleSim::tr("fbe-module-sim: %1 kann nicht geschrieben werden\n")
                                .arg(local(opt.eepromFile)));
            dirty = false;
        }
    }

    if (hungUp) {
        ::close(master);
        ::close(slave);
    }
    if (dirty && !opt.eepromFile.empty())
        saveEeprom(opt.eepromFile, module.eeprom());
    if (!opt.link.empty())
        removeLink(opt.link, device);
    if (!hungUp) {
        ::close(slave);
        ::close(master);
    }
    return 0;
}
