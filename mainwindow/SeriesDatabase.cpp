// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/SeriesDatabase.h"

#include <QCoreApplication>

namespace fbe {

using namespace series;

SeriesDatabase::SeriesDatabase() = default;
SeriesDatabase::~SeriesDatabase() = default;

void SeriesDatabase::setUri(const QString& uri)
{
    if (uri == uri_)
        return;
    uri_ = uri;
    target_ = parseDatabaseUri(uri);
    if (target_.station.isEmpty())
        target_.station = defaultStation();
    station_.reset();
    store_.reset();
    joined_.reset();
    figuresOf_.clear();
    figures_ = {};
}

QString SeriesDatabase::uri() const
{
    return target_.password.isEmpty() || !target_.error.isEmpty() ? uri_ : databaseUri(target_);
}

QString SeriesDatabase::label() const
{
    return databaseLabel(target_);
}

QStringList SeriesDatabase::tryConnect(const QString& uri)
{
    DatabaseTarget target = parseDatabaseUri(uri);
    if (target.station.isEmpty())
        target.station = defaultStation();
    PgSeriesStore store(target);
    if (store.open())
        return {};
    return {msgUnreachable(), QLatin1Char(' ') + store.error()};
}

SeriesStation& SeriesDatabase::station()
{
    if (!station_) {
        store_ = std::make_unique<PgSeriesStore>(target_);
        station_ = std::make_unique<SeriesStation>(*store_, queue_, databaseIdentity(target_),
                                                   target_.station);
    }
    return *station_;
}

std::optional<qint64> SeriesDatabase::takeNumber(Configuration& cfg, QStringList* message)
{
    Increments increments{};
    for (size_t n = 1; n <= 8; ++n)
        increments[n] = cfg.offset[n];
    const bool given = incrementsGiven(increments);

    // Where the configuration may lie on the series. Before this station's first run from
    // the database the counter counts local runs: the addresses less counter x increment,
    // or the addresses as they are (entered new, the counter left over). After one, the
    // counter is the database's: the addresses as those of the number taken last (a change
    // is named against them), or as they are. A new series is created from the first.
    QList<SeriesDefinition> candidates;
    if (!joined_) {
        candidates << definitionOf(cfg, cfg.progcounter, increments);
        if (cfg.progcounter != 0)
            candidates << definitionOf(cfg, 0, increments);
    } else {
        if (joined_->name == cfg.projectName)
            candidates << definitionOf(cfg, number_, increments);
        candidates << definitionOf(cfg, 0, increments);
    }
    const SeriesStation::Start start = station().begin(candidates, given);
    if (!start.ok) {
        *message = start.message;
        return std::nullopt;
    }
    // The series' increments are shown, the addresses of this number programmed.
    for (size_t n = 1; n <= 8; ++n) {
        cfg.offset[n] = start.series.increment[n];
        if (start.series.used[n])
            cfg.codes[n].address = start.taken.addresses[n];
    }
    joined_ = start.series;
    lastAddresses_ = start.taken.addresses;
    number_ = start.taken.number;
    return number_;
}

QStringList SeriesDatabase::recordRun(Configuration& cfg, ProductionRecord record,
                                      const QString& port)
{
    SeriesRun run;
    run.series = joined_ ? joined_->name : record.projectName;
    run.number = number_;
    run.station = target_.station;
    run.port = port;
    record.counter = number_;
    run.record = record;
    const SeriesStation::Finish end = station().finish(run);

    // No local advance: the codes keep the addresses just programmed.
    for (size_t n = 1; n <= 8; ++n)
        if (joined_ && joined_->used[n])
            cfg.codes[n].address = lastAddresses_[n];
    // The counter: this station's successful modules as the database counts them; while it
    // cannot say, the run's own count (the refresh after the transfer counted it).
    if (end.recorded && updateFigures(run.series)) {
        cfg.progcounter = stationModules_;
        return {};
    }
    if (record.ok && figuresOf_ == run.series) {
        figures_.stationLast = number_;
        figures_.seriesModules = qMax<qint64>(0, figures_.seriesModules) + 1;
    }
    if (end.recorded)
        return {};
    QStringList lines{end.queued ? msgQueued()
                                 : QCoreApplication::translate(
                                       "SharedSeries", " Ergebnis konnte nicht gespeichert werden")};
    if (!end.reason.isEmpty())
        lines << QLatin1Char(' ') + end.reason;
    return lines;
}

SeriesDatabase::Figures SeriesDatabase::figures(const QString& series) const
{
    return series == figuresOf_ ? figures_ : Figures{};
}

bool SeriesDatabase::updateFigures(const QString& series)
{
    if (!inUse())
        return false;
    const std::optional<SeriesTotals> totals = station().totals(series);
    if (!totals)
        return false;
    figuresOf_ = series;
    figures_.stationLast = totals->stationLast;
    figures_.seriesModules = totals->seriesModules;
    stationModules_ = totals->stationModules;
    return true;
}

}  // namespace fbe
