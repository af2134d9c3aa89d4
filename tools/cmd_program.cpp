#include "tools/cmd_program.h"

#include "comm/ModuleWrite.h"
#include "comm/SerialPortService.h"
#include "comm/TransferProtocol.h"
#include "config/AddressLimit.h"
#include "config/Configuration.h"
#include "config/FbeFile.h"
#include "config/Refresh.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

using namespace fbe;

namespace {

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

struct Arguments {
    QString file;
    QString port;
    QString error;
};

Arguments parseArguments(const QStringList& args, const char* command)
{
    Arguments a;
    for (int i = 0; i < args.size(); ++i) {
        const QString& word = args.at(i);
        if (word == QLatin1String("--port")) {
            if (i + 1 >= args.size()) {
                a.error = QStringLiteral("--port braucht einen Wert (COM1..COM4 oder Gerätepfad)");
                return a;
            }
            a.port = args.at(++i);
        } else if (word.startsWith(QLatin1String("--port="))) {
            a.port = word.mid(7);
        } else if (word.startsWith(QLatin1String("--")) && word.size() > 2) {
            a.error = QStringLiteral("unbekannte Option ") + word;
            return a;
        } else if (a.file.isEmpty()) {
            a.file = word;
        } else {
            a.error = QStringLiteral("zu viele Argumente: ") + word;
            return a;
        }
    }
    if (a.error.isEmpty() && (a.file.isEmpty() || a.port.isEmpty()))
        a.error = QStringLiteral("Aufruf: fbe-tool %1")
                      .arg(QLatin1String(command) == QLatin1String("program")
                               ? QStringLiteral("program DATEI --port PORT")
                               : QStringLiteral("read --port PORT DATEI"));
    return a;
}

int usageError(const QString& message)
{
    err() << "fbe-tool: " << message << "\n";
    err().flush();
    return 2;
}

// PORT is "COM1".."COM4" (in any case, as the ports are named on Windows) or a device path;
// the port number is what the transfer reports. Another COM name is no port of the program:
// 0, a usage error, rather than a device of that name that the message would call COM1.
int choosePort(SerialPortService& port, const QString& name)
{
    static const QRegularExpression comName(QStringLiteral("^COM([0-9]+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comName.match(name);
    if (match.hasMatch()) {
        const int number = match.captured(1).toInt();
        return number >= 1 && number <= 4 ? number : 0;
    }
    port.setDeviceOverride(name);
    return 1;
}

int unknownPort(const QString& name)
{
    return usageError(QStringLiteral("unbekannter Port ") + name
                      + QStringLiteral(" (COM1..COM4 oder Gerätepfad)"));
}

// Progress on a terminal: one line redrawn in place.
class ProgressLine {
public:
    ProgressLine() : enabled_(isatty(STDERR_FILENO) == 1) {}

    void action(const QString& text)
    {
        action_ = text;
        draw();
    }
    void progress(int total)
    {
        if (total == total_)
            return;
        total_ = total;
        draw();
    }
    void finish()
    {
        if (enabled_ && drawn_) {
            err() << "\n";
            err().flush();
        }
    }

private:
    void draw()
    {
        if (!enabled_ || action_.isEmpty())
            return;
        constexpr int Width = 30;
        const int filled = total_ * Width / 100;
        err() << "\r" << action_.leftJustified(22, QLatin1Char(' ')) << " ["
              << QString(filled, QLatin1Char('#')) << QString(Width - filled, QLatin1Char('-'))
              << "] " << QString::number(total_).rightJustified(3) << "%";
        err().flush();
        drawn_ = true;
    }

    bool enabled_;
    bool drawn_ = false;
    QString action_;
    int total_ = 0;
};

// One transfer to its end on the event loop.
void runTransfer(Configuration& cfg, SerialPortService& port, int portNumber, bool write)
{
    TransferProtocol protocol(cfg, port);
    ProgressLine line;
    QEventLoop loop;
    QObject::connect(&protocol, &TransferProtocol::actionChanged,
                     [&](const QString& a) { line.action(a); });
    QObject::connect(&protocol, &TransferProtocol::progressChanged,
                     [&](int, int total) { line.progress(total); });
    QObject::connect(&protocol, &TransferProtocol::finished, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    cfg.transfer.resultPending = false;
    protocol.setRequest(portNumber, write);
    protocol.start();
    loop.exec();   // the end is queued, so it is seen here even when the start failed
    line.finish();
    if (!protocol.firmwareText().isEmpty())
        err() << "Firmware: " << protocol.firmwareText() << "\n";
    if (cfg.transfer.transferFailed && !port.lastError().isEmpty())
        err() << "(" << port.lastError() << ")\n";
    err().flush();
}

// One transfer; then the result is taken as the window would.
TransferOutcome transfer(Configuration& cfg, SerialPortService& port, int portNumber, bool write)
{
    runTransfer(cfg, port, portNumber, write);
    return TakeTransferResult(cfg);
}

int report(const TransferOutcome& outcome)
{
    for (const QString& l : firmwareWarningLines(outcome.firmwareWarning))
        err() << l << "\n";
    err().flush();
    out() << outcome.message << "\n";
    out().flush();
    return outcome.failed ? 1 : 0;
}

}  // namespace

bool prepareProgramming(Configuration& cfg, const QString& file)
{
    // As the window: a new configuration at start, the file loaded, the display refreshed.
    NeueDatei(cfg);
    const LoadOutcome loaded = LoadFile(cfg, file);
    if (!loaded.ok) {
        usageError(file + QStringLiteral(": ") + loaded.error);
        return false;
    }
    // Loaded all the same, as the window does; the same notes as its message area.
    if (!loaded.checksumOk)
        err() << "Achtung: Prüfsumme der Datei falsch!\n";
    if (loaded.oldFile)
        err() << "Datei mit Fehlern geladen. Veraltetes inkompatibles File!\n";
    NormaliseForRefresh(cfg);

    // As "Modul programmieren": an address the transmitter cannot send is refused.
    const QStringList beyond = AddressesBeyondCodeLength(cfg);
    if (!beyond.isEmpty()) {
        for (const QString& line : beyond)
            err() << "fbe-tool: " << file << ":" << line << "\n";
        err().flush();
        return false;
    }

    PrepareModuleWrite(cfg);
    err().flush();
    return true;
}

ModuleRead readModule(const QString& portName)
{
    ModuleRead result;
    Configuration cfg;
    NeueDatei(cfg);
    SerialPortService port;
    const int number = choosePort(port, portName);
    if (number == 0) {
        unknownPort(portName);
        result.status = 2;
        return result;
    }
    // The transfer's own result; the checksum of what was read is the caller's to judge.
    runTransfer(cfg, port, number, false);
    if (cfg.transfer.transferFailed) {
        result.status = 3;
        result.message = cfg.transfer.transferMessage;
        return result;
    }
    result.image = cfg.rxBuffer;
    return result;
}

int runProgramCommand(const QStringList& args)
{
    const Arguments a = parseArguments(args, "program");
    if (!a.error.isEmpty())
        return usageError(a.error);

    Configuration cfg;
    if (!prepareProgramming(cfg, a.file))
        return 2;
    const QStringList warning = OutputCheckWarning(cfg);
    for (const QString& l : warning)
        err() << l << "\n";
    err().flush();

    SerialPortService port;
    const int number = choosePort(port, a.port);
    if (number == 0)
        return unknownPort(a.port);
    return report(transfer(cfg, port, number, true));
}

int runReadCommand(const QStringList& args)
{
    const Arguments a = parseArguments(args, "read");
    if (!a.error.isEmpty())
        return usageError(a.error);

    // A place the file cannot go is found before the module is read, not after.
    const QFileInfo target(a.file);
    if (target.isDir())
        return usageError(a.file + QStringLiteral(": ein Ordner, keine Datei"));
    if (!target.absoluteDir().exists())
        return usageError(a.file + QStringLiteral(": den Ordner gibt es nicht"));

    Configuration cfg;
    NeueDatei(cfg);
    SerialPortService port;
    const int number = choosePort(port, a.port);
    if (number == 0)
        return unknownPort(a.port);
    const TransferOutcome outcome = transfer(cfg, port, number, false);
    const int code = report(outcome);
    if (code != 0)
        return code;   // nothing is written, a checksum error included

    // As the window: the refresh after the transfer, then "Datei speichern".
    NormaliseForRefresh(cfg);
    QString error;
    if (!SaveFile(a.file, BuildFile(cfg), &error)) {
        err() << "fbe-tool: " << a.file << ": " << error << "\n";
        err().flush();
        return 2;
    }
    return 0;
}
