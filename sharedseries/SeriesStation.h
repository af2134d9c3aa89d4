// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// One station's part in a shared series, the same for the window and fbe-tool: before a
// run, take the module's number; after it, record the result.
//
//   SeriesStation station(store, queue, databaseIdentity(target), target.station);
//   const auto start = station.begin(definitionOf(cfg, counter, increments), given);
//   if (!start.ok) ... show start.message, send nothing
//   ... set the addresses start.taken.addresses, program ...
//   const auto end = station.finish(run);   // recorded, or kept in the queue
#pragma once

#include "sharedseries/ResultQueue.h"
#include "sharedseries/SeriesStore.h"

#include <QString>
#include <QStringList>

namespace fbe::series {

class SeriesStation {
public:
    SeriesStation(SeriesStore& store, ResultQueue& queue, QString database, QString station);

    struct Start {
        bool ok = false;
        // Why the run is refused: the message and the reason or differences below it.
        QStringList message;
        SeriesDefinition series;     // as stored
        TakenNumber taken;
        bool created = false;        // this station started the series
        int written = 0;             // queued results written to the database now
    };
    // Before a run: writes queued results, finds the series (creates it from the first of
    // the candidates when there is none and it has an increment), checks that one of the
    // candidates agrees with it (increments only when given; the differences named are
    // those of the first) and takes the next number. The candidates are the places where
    // the station's configuration may lie on the series (the window: after local runs, or
    // as the database left it).
    Start begin(const QList<SeriesDefinition>& candidates, bool incrementsGiven);

    struct Finish {
        bool recorded = false;       // in the database
        bool queued = false;         // in the queue file, to be written later
        QString reason;              // why it is queued (the server's text), or lost
    };
    // After the run: records it, or keeps it in the queue when the database is away.
    Finish finish(const SeriesRun& run);

    std::optional<SeriesTotals> totals(const QString& series);

    const QString& station() const { return station_; }
    SeriesStore& store() { return store_; }

private:
    Start refuse(const QStringList& lines);

    SeriesStore& store_;
    ResultQueue& queue_;
    QString database_;
    QString station_;
};

}  // namespace fbe::series
