// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sharedseries/SeriesStation.h"

#include <algorithm>

namespace fbe::series {

namespace {

QString reasonLine(const QString& reason)
{
    return QLatin1Char(' ') + reason;
}

}  // namespace

SeriesStation::SeriesStation(SeriesStore& store, ResultQueue& queue, QString database,
                             QString station)
    : store_(store), queue_(queue), database_(std::move(database)), station_(std::move(station))
{
}

SeriesStation::Start SeriesStation::refuse(const QStringList& lines)
{
    Start s;
    s.message = lines;
    return s;
}

SeriesStation::Start SeriesStation::begin(const QList<SeriesDefinition>& candidates,
                                          bool incrementsGiven)
{
    const SeriesDefinition& wanted = candidates.first();
    if (!store_.open())
        return refuse({msgUnreachable(), reasonLine(store_.error())});
    // Results of earlier runs first; one that cannot be written yet stays queued.
    const int written = qMax(0, queue_.flush(database_, store_));

    std::optional<SeriesDefinition> stored = store_.findSeries(wanted.name);
    bool created = false;
    if (!stored && !store_.error().isEmpty())
        return refuse({msgUnreachable(), reasonLine(store_.error())});
    if (!stored) {
        if (!hasIncrement(wanted))
            return refuse({msgNoIncrement()});
        stored = store_.createSeries(wanted, &created);
        if (!stored)
            return refuse({msgUnreachable(), reasonLine(store_.error())});
    }
    const QStringList differ = differences(*stored, wanted, incrementsGiven);
    const bool agrees = std::any_of(candidates.begin(), candidates.end(), [&](const auto& c) {
        return differences(*stored, c, incrementsGiven).isEmpty();
    });
    if (!agrees)
        return refuse(QStringList{msgMismatch(wanted.name)} + differ);

    const std::optional<TakenNumber> taken = store_.takeNumber(*stored, station_);
    if (!taken)
        return refuse({msgUnreachable(), reasonLine(store_.error())});
    if (taken->exhausted)
        return refuse({msgExhausted(wanted.name)});
    Start s;
    s.ok = true;
    s.series = *stored;
    s.taken = *taken;
    s.created = created;
    s.written = written;
    return s;
}

SeriesStation::Finish SeriesStation::finish(const SeriesRun& run)
{
    Finish f;
    if (store_.recordRun(run)) {
        f.recorded = true;
        return f;
    }
    f.reason = store_.error();
    QString why;
    f.queued = queue_.add(database_, run, &why);
    if (!f.queued)
        f.reason = why;
    return f;
}

std::optional<SeriesTotals> SeriesStation::totals(const QString& series)
{
    return store_.totals(series, station_);
}

}  // namespace fbe::series
