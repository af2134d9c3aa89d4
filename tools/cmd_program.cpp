// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cmd_program.h"

#include "comm/ModuleWrite.h"
#include "comm/PortCatalogue.h"
#include "comm/SerialPortService.h"
#include "comm/TransferProtocol.h"
#include "config/AddressLimit.h"
#include "config/Configuration.h"
#include "config/FbeFile.h"
#include "config/ProductionLog.h"
#include "config/Refresh.h"
#include "config/SafeFile.h"
#include "tools/ToolText.h"
#include "tools/cmd_series.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>
#include <memory>
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

}  // namespace

namespace {

// The options only program takes: --log, --db, --increments, each as "--x VALUE" or
// "--x=VALUE". True when args[i] is one of them (i then at its value).
bool programOption(const QStringList& args, int& i, TransferArguments* a)
{
    struct Option {
        const char* name;
        QString TransferArguments::*field;
        const char* value;
    };
    static const Option Options[] = {
        {"--log", &TransferArguments::log, QT_TRANSLATE_NOOP("FbeTool", "die Protokolldatei")},
        {"--db", &TransferArguments::db,
         QT_TRANSLATE_NOOP("FbeTool", "die URI der Produktionsdatenbank")},
        {"--increments", &TransferArguments::increments, "a,b,c,d,e,f,g,h"},
    };
    const QString& word = args.at(i);
    for (const Option& o : Options) {
        const QLatin1String name(o.name);
        if (word == name) {
            if (i + 1 >= args.size())
                a->error = FbeTool::tr("%1 braucht einen Wert (%2)")
                               .arg(name, FbeTool::tr(o.value));
            else
                a->*o.field = args.at(++i);
            return true;
        }
        if (word.startsWith(name + QLatin1Char('='))) {
            a->*o.field = word.mid(name.size() + 1);
            return true;
        }
    }
    return false;
}

}  // namespace

TransferArguments parseTransferArguments(const QStringList& args, const char* command)
{
    TransferArguments a;
    for (int i = 0; i < args.size(); ++i) {
        const QString& word = args.at(i);
        if (word == QLatin1String("--port")) {
            if (i + 1 >= args.size()) {
                a.error = FbeTool::tr("--port braucht einen Wert (COM1..COM4 oder Gerätepfad)");
                return a;
            }
            a.port = args.at(++i);
        } else if (word.startsWith(QLatin1String("--port="))) {
            a.port = word.mid(7);
        } else if (QLatin1String(command) == QLatin1String("program")
                   && programOption(args, i, &a)) {
            if (!a.error.isEmpty())
                return a;
        } else if (word.startsWith(QLatin1String("--")) && word.size() > 2) {
            a.error = FbeTool::tr("unbekannte Option %1").arg(word);
            return a;
        } else if (a.file.isEmpty()) {
            a.file = word;
        } else {
            a.error = FbeTool::tr("zu viele Argumente: %1").arg(word);
            return a;
        }
    }
    if (a.error.isEmpty() && !a.increments.isEmpty() && a.db.isEmpty())
        a.error = FbeTool::tr("--increments gilt nur mit --db");
    if (a.error.isEmpty() && (a.file.isEmpty() || a.port.isEmpty())) {
        const QLatin1String name(command);
        a.error = name == QLatin1String("program")
            ? FbeTool::tr("Aufruf: fbe-tool program DATEI --port PORT [--log PROTOKOLL]"
                          " [--db URI [--increments a,b,c,d,e,f,g,h]]")
            : name == QLatin1String("verify") ? FbeTool::tr("Aufruf: fbe-tool verify DATEI --port PORT")
                                              : FbeTool::tr("Aufruf: fbe-tool read --port PORT DATEI");
    }
    return a;
}

namespace {

int usageError(const QString& message)
{
    err() << "fbe-tool: " << message << "\n";
    err().flush();
    return 2;
}

// The port of a transfer: COM1..COM4 by number (device empty), a system port by its path.
// number 0: no port of the program.
struct PortChoice {
    int number = 0;
    QString device;
};

// PORT is "COM1".."COM4" (in any case, as the ports are named on Windows), a name that
// "fbe-tool ports" lists ("ttyUSB0", a link of FBE_EXTRA_PORTS by its name) or a device path
// (a by-id link too). Another COM name is no port of the program but a usage error, rather
// than a device of that name that the message would call COM1; on Windows it is that port.
PortChoice choosePort(const QString& name)
{
    static const QRegularExpression comName(QStringLiteral("^COM([0-9]+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comName.match(name);
    if (match.hasMatch()) {
        const int number = match.captured(1).toInt();
        if (number >= 1 && number <= 4)
            return {number, QString()};
#ifdef Q_OS_WIN
        if (number > 4)
            return {1, QStringLiteral("COM%1").arg(number)};
#endif
        return {};
    }
    if (!name.contains(QLatin1Char('/'))) {
        const QList<PortEntry> ports = listPorts(SystemPortSource());
        if (const PortEntry* e = findPort(ports, name))
            return e->isCom() ? PortChoice{e->comNumber, QString()} : PortChoice{1, e->path()};
    }
    return {1, name};
}

int unknownPort(const QString& name)
{
    return usageError(
        FbeTool::tr("unbekannter Port %1 (COM1..COM4, ein Name aus \"fbe-tool ports\" oder Gerätepfad)")
            .arg(name));
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

// One transfer to its end on the event loop. Returns the firmware version the module
// identified itself with ("2.05"), empty when it did not.
QString runTransfer(Configuration& cfg, const PortChoice& choice, bool write)
{
    SerialPortService port;
    TransferProtocol protocol(cfg, port);
    ProgressLine line;
    QEventLoop loop;
    QObject::connect(&protocol, &TransferProtocol::actionChanged,
                     [&](const QString& a) { line.action(TransferProtocol::shown(a)); });
    QObject::connect(&protocol, &TransferProtocol::progressChanged,
                     [&](int, int total) { line.progress(total); });
    QObject::connect(&protocol, &TransferProtocol::finished, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    cfg.transfer.resultPending = false;
    protocol.setRequest(choice.number, write, choice.device);
    protocol.start();
    loop.exec();   // the end is queued, so it is seen here even when the start failed
    line.finish();
    if (!protocol.firmwareText().isEmpty())
        err() << FbeTool::tr("Firmware: %1").arg(protocol.firmwareText()) << "\n";
    err().flush();
    return protocol.firmwareText();
}

// One transfer; then the result is taken as the window would.
TransferOutcome transfer(Configuration& cfg, const PortChoice& choice, bool write,
                         QString* firmware = nullptr)
{
    const QString accepted = runTransfer(cfg, choice, write);
    if (firmware)
        *firmware = accepted;
    return TakeTransferResult(cfg);
}

int report(const TransferOutcome& outcome)
{
    for (const QString& l : firmwareWarningLines(outcome.firmwareWarning))
        err() << l << "\n";
    err().flush();
    printTransferMessage(outcome.message);
    return outcome.failed ? 1 : 0;
}

}  // namespace

void printTransferMessage(const QString& message)
{
    // The message is kept in German; it is shown in the language in use.
    const QStringList lines = TransferProtocol::shown(message).split(QLatin1Char('\n'));
    if (lines.size() > 1) {
        for (const QString& l : lines)
            err() << l << "\n";
        err().flush();
    }
    out() << lines.first() << "\n";
    out().flush();
}

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
        err() << FbeTool::tr("Achtung: Prüfsumme der Datei falsch!") << "\n";
    if (loaded.oldFile)
        err() << FbeTool::tr("Datei mit Fehlern geladen. Veraltetes inkompatibles File!") << "\n";
    for (const QString& warning : loaded.warnings)
        err() << warning << "\n";
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
    const PortChoice port = choosePort(portName);
    if (port.number == 0) {
        unknownPort(portName);
        result.status = 2;
        return result;
    }
    // The transfer's own result; the checksum of what was read is the caller's to judge.
    runTransfer(cfg, port, false);
    if (cfg.transfer.transferFailed) {
        result.status = 3;
        result.message = cfg.transfer.transferMessage;
        return result;
    }
    result.image = cfg.rxBuffer;
    return result;
}

namespace {

// --increments a,b,...,h: up to eight integers as the programming view's fields take them
// (-999 .. 9999); codes without one get 0.
bool parseIncrements(const QString& text, series::Increments* increments, QString* error)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() > 8) {
        *error = FbeTool::tr("--increments: höchstens 8 Werte");
        return false;
    }
    for (int n = 0; n < parts.size(); ++n) {
        bool ok = false;
        const qint64 v = parts.at(n).trimmed().toLongLong(&ok);
        if (!ok || v < -999 || v > 9999) {
            *error = FbeTool::tr("--increments: \"%1\" ist kein increment (-999 .. 9999)")
                         .arg(parts.at(n));
            return false;
        }
        (*increments)[size_t(n + 1)] = v;
    }
    return true;
}

void printLines(const QStringList& lines)
{
    for (const QString& l : lines)
        err() << l.trimmed() << "\n";
    err().flush();
}

}  // namespace

int runProgramCommand(const QStringList& args)
{
    const TransferArguments a = parseTransferArguments(args, "program");
    if (!a.error.isEmpty())
        return usageError(a.error);
    series::DatabaseTarget target;
    series::Increments increments{};
    if (!a.db.isEmpty()) {
        target = series::parseDatabaseUri(a.db);
        if (!target.error.isEmpty())
            return usageError(QStringLiteral("--db: ") + target.error);
        QString why;
        if (!a.increments.isEmpty() && !parseIncrements(a.increments, &increments, &why))
            return usageError(why);
    }

    Configuration cfg;
    if (!prepareProgramming(cfg, a.file))
        return 2;
    const QStringList warning = OutputCheckWarning(cfg);
    for (const QString& l : warning)
        err() << l << "\n";
    err().flush();

    const PortChoice port = choosePort(a.port);
    if (port.number == 0)
        return unknownPort(a.port);
    if (a.log.isEmpty() && a.db.isEmpty())
        return report(transfer(cfg, port, true));

    // A run that is to be logged is not made where its line cannot go (checked before a
    // series number is taken, so a refused log costs no number).
    QString why;
    if (!a.log.isEmpty() && !a.db.isEmpty() && !productionLogWritable(a.log, &why)) {
        err() << shownLogLine(msgLogNotWritten()) << "\n" << a.log << ": " << why << "\n";
        err().flush();
        return 2;
    }
    ProductionRecord record;
    record.time = QDateTime::currentDateTime();
    QElapsedTimer clock;
    clock.start();
    record.configFile = QDir::toNativeSeparators(QFileInfo(a.file).absoluteFilePath());

    // The shared series: the module's number and its addresses come from the database, or
    // nothing is sent.
    std::unique_ptr<ToolStation> db;
    series::SeriesStation::Start start;
    if (!a.db.isEmpty()) {
        db = std::make_unique<ToolStation>(target);
        start = db->station.begin({series::definitionOf(cfg, 0, increments)},
                                  series::incrementsGiven(increments));
        if (!start.ok) {
            printLines(start.message);
            return 2;
        }
        if (start.written > 0)
            err() << FbeTool::tr("%1 nachgetragene Ergebnisse in die Datenbank geschrieben")
                         .arg(start.written)
                  << "\n";
        QStringList shown;
        for (int n = 1; n <= 8; ++n) {
            if (start.series.used[size_t(n)]) {
                cfg.codes[n].address = start.taken.addresses[size_t(n)];
                shown << QStringLiteral("CODE %1: %2").arg(n).arg(cfg.codes[n].address);
            }
        }
        PrepareModuleWrite(cfg);
        err() << FbeTool::tr("Serie %1, Nummer %2 (%3)")
                     .arg(start.series.name)
                     .arg(start.taken.number)
                     .arg(shown.join(QStringLiteral(", ")))
              << "\n";
        err().flush();
    }
    takeSentConfiguration(record, cfg);
    // The series' record of this run's number, whatever became of the run.
    const auto finishInSeries = [&](const ProductionRecord& kept) {
        series::SeriesRun run;
        run.series = start.series.name;
        run.number = start.taken.number;
        run.station = db->station.station();
        run.port = a.port;
        run.record = kept;
        return db->station.finish(run);
    };
    QString repeated;
    if (!a.log.isEmpty()) {
        // The room for the run's line is reserved before anything is sent.
        if (!reserveProductionLog(a.log, record, &why)) {
            err() << shownLogLine(msgLogNotWritten()) << "\n" << a.log << ": " << why << "\n";
            err().flush();
            if (db) {
                // The number is taken: it stays a gap, recorded as a run that failed.
                ProductionRecord failed = record;
                failed.ok = false;
                failed.message =
                    QStringList{msgLogNotWritten().trimmed(), keptReason(why.trimmed())};
                failed.counter = start.taken.number;
                failed.durationMs = clock.elapsed();
                finishInSeries(failed);
            }
            return 2;
        }
        const LogSearch search = searchProductionLog(a.log, record);
        if (search.unreadableLines > 0)
            err() << shownLogLine(msgUnreadableLines(search.unreadableLines)).trimmed() << "\n";
        if (search.programmedBefore) {
            repeated = msgProgrammedBefore(*search.programmedBefore);
            err() << shownLogLine(repeated).trimmed() << "\n";
        }
    }
    err().flush();
    const TransferOutcome outcome = transfer(cfg, port, true, &record.firmware);
    const int code = report(outcome);
    record.ok = !outcome.failed;
    record.message = outcome.message.split(QLatin1Char('\n'));
    if (!repeated.isEmpty())
        record.message << repeated;
    // The tool counts its one run; in a series the counter column holds the module's number.
    record.counter = db ? start.taken.number : cfg.progcounter;
    record.durationMs = clock.elapsed();
    if (db) {
        const series::SeriesStation::Finish end = finishInSeries(record);
        if (end.queued)
            printLines({series::msgQueued(), end.reason});
        else if (!end.recorded)
            printLines({FbeTool::tr("Ergebnis konnte nicht gespeichert werden"), end.reason});
    }
    if (!a.log.isEmpty() && !appendProductionLog(a.log, record, &why)) {
        // The module is programmed all the same: the exit code stays the transfer's.
        err() << shownLogLine(msgLogNotWritten()) << "\n" << a.log << ": " << why << "\n";
        err().flush();
    }
    return code;
}

int runReadCommand(const QStringList& args)
{
    const TransferArguments a = parseTransferArguments(args, "read");
    if (!a.error.isEmpty())
        return usageError(a.error);

    // A place the file cannot go is found before the module is read, not after.
    const QFileInfo target(a.file);
    if (target.isDir())
        return usageError(a.file + QStringLiteral(": ") + reason::isFolder());
    Configuration cfg;
    NeueDatei(cfg);
    // The file as a new configuration would be saved, the size of what the read gives: its
    // place, rights and room are proved before the module is read.
    QString why;
    Configuration sized = cfg;
    if (!CanReplaceFile(a.file, BuildFile(sized).bytes().size(), &why))
        return usageError(a.file + QStringLiteral(": ")
                          + (why == reason::noFolder() ? FbeTool::tr("den Ordner gibt es nicht")
                                                       : why));
    const PortChoice port = choosePort(a.port);
    if (port.number == 0)
        return unknownPort(a.port);
    const TransferOutcome outcome = transfer(cfg, port, false);
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
