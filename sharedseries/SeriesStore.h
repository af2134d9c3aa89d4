// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Where a shared series is kept, in the program's own words: find or start a series, take
// its next number, record a run, count and list its runs. The rest of the program never
// sees a query; PgSeriesStore keeps the series in PostgreSQL, the tests also use a double.
//
// Each verb returns false (or nothing) when the store could not do it, with the reason in
// error(): the server's own text where there is one.
#pragma once

#include "config/ProductionLog.h"
#include "sharedseries/SeriesDefinition.h"

#include <QList>
#include <QString>
#include <optional>

namespace fbe::series {

// One run of a series: a line of fbe-protokoll.csv (its counter the run's number) and the
// station and port that made it.
struct SeriesRun {
    QString series;
    qint64 number = 0;
    QString station;
    QString port;
    bool pending = false;        // the number was taken; no result recorded yet
    ProductionRecord record;
};

// A number taken for a station. exhausted: the number's address set was programmed
// before in the series (or is being programmed), so no number was taken.
struct TakenNumber {
    qint64 number = 0;
    Addresses addresses{};
    bool exhausted = false;
};

struct SeriesTotals {
    qint64 stationModules = 0;   // this station's successful runs
    qint64 stationLast = -1;     // the number of its last successful run; -1: none
    qint64 seriesModules = 0;    // successful runs of all stations
};

class SeriesStore {
public:
    virtual ~SeriesStore() = default;

    // Ready for the verbs: connected, the program's tables in place and up to date.
    virtual bool open() = 0;
    // The series of this name as it is stored. Nothing, with an empty error(), when there is
    // none.
    virtual std::optional<SeriesDefinition> findSeries(const QString& name) = 0;
    // Stores the series unless one of its name exists, and returns the stored one (*created:
    // whether it was this call that stored it). Two stations creating one series at once
    // get the same.
    virtual std::optional<SeriesDefinition> createSeries(const SeriesDefinition& wanted,
                                                         bool* created) = 0;
    // Takes the series' next number for the station in one short transaction: no two takes
    // ever get the same number. A number whose address set a run of the series programmed
    // successfully, or is programming, is not taken (exhausted).
    virtual std::optional<TakenNumber> takeNumber(const SeriesDefinition& series,
                                                  const QString& station) = 0;
    // Records the result of a taken number. Recording a number a second time keeps the
    // first result (a queued result written again).
    virtual bool recordRun(const SeriesRun& run) = 0;
    virtual std::optional<SeriesTotals> totals(const QString& series, const QString& station) = 0;
    // The series' runs in the order of their numbers; nothing when the store fails, an
    // empty list for a series that does not exist.
    virtual std::optional<QList<SeriesRun>> runs(const QString& series) = 0;

    QString error() const { return error_; }

protected:
    bool fail(const QString& reason)
    {
        error_ = reason;
        return false;
    }
    void clearError() { error_.clear(); }
    QString error_;
};

}  // namespace fbe::series
