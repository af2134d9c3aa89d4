// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The series store as a double: the series and runs in memory, with the rules of the real
// store (one number per take, no address set taken twice unless its runs failed, the first
// result of a number kept). The same tests run against it and against PostgreSQL.
#pragma once

#include "sharedseries/SeriesStore.h"

#include <QMap>

namespace fbe::test {

class MemorySeriesStore : public series::SeriesStore {
public:
    bool reachable = true;

    bool open() override { return reachable || fail(QStringLiteral("Verbindung abgelehnt")); }
    std::optional<series::SeriesDefinition> findSeries(const QString& name) override
    {
        clearError();
        if (!open() || !series_.contains(name))
            return std::nullopt;
        return series_.value(name).definition;
    }
    std::optional<series::SeriesDefinition> createSeries(const series::SeriesDefinition& wanted,
                                                         bool* created) override
    {
        if (!open())
            return std::nullopt;
        *created = !series_.contains(wanted.name);
        if (*created)
            series_.insert(wanted.name, {wanted, wanted.firstNumber, {}});
        return series_.value(wanted.name).definition;
    }
    std::optional<series::TakenNumber> takeNumber(const series::SeriesDefinition& s,
                                                  const QString& station) override
    {
        if (!open())
            return std::nullopt;
        Series& stored = series_[s.name];
        series::TakenNumber taken;
        taken.number = stored.next;
        taken.addresses = series::addressesAt(stored.definition, taken.number);
        for (const series::SeriesRun& run : stored.runs)
            if ((run.pending || run.record.ok) && run.record.address == taken.addresses)
                return taken.exhausted = true, taken;
        ++stored.next;
        series::SeriesRun run;
        run.number = taken.number;
        run.station = station;
        run.pending = true;
        run.record.address = taken.addresses;
        stored.runs.insert(taken.number, run);
        return taken;
    }
    bool recordRun(const series::SeriesRun& run) override
    {
        if (!open())
            return false;
        series::SeriesRun& stored = series_[run.series].runs[run.number];
        if (stored.pending)
            stored = run;
        return true;
    }
    std::optional<series::SeriesTotals> totals(const QString& name, const QString& station) override
    {
        if (!open())
            return std::nullopt;
        series::SeriesTotals t;
        for (const series::SeriesRun& run : series_.value(name).runs) {
            if (!run.record.ok || run.pending)
                continue;
            ++t.seriesModules;
            if (run.station == station) {
                ++t.stationModules;
                t.stationLast = run.number;
            }
        }
        return t;
    }
    std::optional<QList<series::SeriesRun>> runs(const QString& name) override
    {
        if (!open())
            return std::nullopt;
        return series_.value(name).runs.values();
    }

private:
    struct Series {
        series::SeriesDefinition definition;
        qint64 next = 0;
        QMap<qint64, series::SeriesRun> runs;
    };
    QMap<QString, Series> series_;
};

}  // namespace fbe::test
