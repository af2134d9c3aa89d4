// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cmd_series.h"

#include "config/ProductionLog.h"
#include "tools/ToolText.h"
#ifdef FBE_WITH_COMM
#include "comm/TransferProtocol.h"
#endif

#include <QTextStream>

#include <cstdio>

using namespace fbe;
using namespace fbe::series;

namespace {

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString stationOf(const DatabaseTarget& target)
{
    return target.station.isEmpty() ? defaultStation() : target.station;
}

DatabaseTarget withStation(DatabaseTarget target)
{
    target.station = stationOf(target);
    return target;
}

// A text as the log writes its text fields: the station's name gets the apostrophe in front
// of a formula character that a project name gets.
QString textField(const QString& text)
{
    constexpr int ProjectColumn = 5;
    ProductionRecord r;
    r.projectName = text;
    return productionLogFields(r).at(ProjectColumn);
}

QString usage()
{
    return FbeTool::tr("Aufruf: fbe-tool series URI PROJEKT [--csv]");
}

// A run's message as the database keeps it (German), in the language in use.
QString shownMessage(const QString& line)
{
#ifdef FBE_WITH_COMM
    return shownLogLine(TransferProtocol::shown(line));
#else
    return shownLogLine(line);
#endif
}

// The plain listing: one line per run, the used codes' addresses, then a summary.
void printTable(const QString& name, const QList<SeriesRun>& runs)
{
    QTextStream out(stdout);
    out << FbeTool::tr("Nummer").rightJustified(6) << "  " << FbeTool::tr("Station").leftJustified(16)
        << " " << FbeTool::tr("Zeit").leftJustified(26) << " "
        << FbeTool::tr("Ergebnis").leftJustified(8) << "  " << FbeTool::tr("Adressen") << "\n";
    qint64 ok = 0;
    for (const SeriesRun& run : runs) {
        const ProductionRecord& r = run.record;
        QStringList addresses;
        for (size_t n = 1; n <= 8; ++n)
            if (r.address[n] != 0 || (!run.pending && r.function[n] != FnKeine))
                addresses << QStringLiteral("%1:%2").arg(n).arg(r.address[n]);
        //: the result of a run whose number is taken and whose result is not recorded yet
        const QString result = run.pending ? FbeTool::tr("offen")
                                           : r.ok ? FbeTool::tr("OK") : FbeTool::tr("Fehler");
        ok += (!run.pending && r.ok) ? 1 : 0;
        out << QString::number(run.number).rightJustified(6) << "  "
            << run.station.leftJustified(16) << " " << isoTimeWithOffset(r.time).leftJustified(26)
            << " " << result.leftJustified(8) << "  " << addresses.join(QLatin1Char(' '));
        if (!r.ok && !run.pending && !r.message.isEmpty())
            out << "  (" << shownMessage(r.message.first()).trimmed() << ")";
        out << "\n";
    }
    out << FbeTool::tr("Serie %1: %2 Läufe, %3 erfolgreich").arg(name).arg(runs.size()).arg(ok)
        << "\n";
}

}  // namespace

ToolStation::ToolStation(const DatabaseTarget& target)
    : store(withStation(target)),
      station(store, queue, databaseIdentity(target), stationOf(target))
{
}

QByteArray seriesCsv(const QList<SeriesRun>& runs)
{
    QByteArray bytes("\xEF\xBB\xBF");
    const QStringList front{QStringLiteral("Station"), QStringLiteral("Nummer")};
    bytes += csvLine(front + productionLogHeader()).toUtf8() + "\r\n";
    for (const SeriesRun& run : runs) {
        QStringList fields = productionLogFields(run.record);
        if (run.pending)
            fields[1] = QStringLiteral("offen");
        bytes += csvLine(QStringList{textField(run.station), QString::number(run.number)} + fields)
                     .toUtf8()
                 + "\r\n";
    }
    return bytes;
}

namespace {

int listSeries(const QStringList& args)
{
    QStringList words;
    bool csv = false;
    for (const QString& word : args) {
        if (word == QLatin1String("--csv")) {
            csv = true;
        } else if (word.startsWith(QLatin1String("--")) && word.size() > 2) {
            err() << "fbe-tool: " << FbeTool::tr("unbekannte Option %1").arg(word) << "\n"
                  << usage() << "\n";
            return 2;
        } else {
            words << word;
        }
    }
    if (words.size() != 2) {
        err() << "fbe-tool: " << usage() << "\n";
        return 2;
    }
    const DatabaseTarget target = parseDatabaseUri(words.at(0));
    if (!target.error.isEmpty()) {
        err() << "fbe-tool: " << words.at(0) << ": " << target.error << "\n";
        return 2;
    }
    const QString& name = words.at(1);
    PgSeriesStore store(withStation(target));
    const std::optional<QList<SeriesRun>> runs = store.runs(name);
    if (!runs) {
        err() << msgUnreachable().trimmed() << "\n" << store.error() << "\n";
        return 2;
    }
    if (runs->isEmpty() && !store.findSeries(name)) {
        err() << FbeTool::tr("Serie %1 nicht in der Datenbank").arg(name) << "\n";
        return 1;
    }
    if (csv) {
        QTextStream(stdout).flush();
        const QByteArray bytes = seriesCsv(*runs);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        std::fflush(stdout);
    } else {
        printTable(name, *runs);
    }
    return 0;
}

}  // namespace

int runSeriesCommand(const QStringList& args)
{
    const int code = listSeries(args);
    err().flush();
    return code;
}
