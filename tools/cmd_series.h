// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The shared series on the command line.
//
//   fbe-tool series URI PROJECT [--csv]
//     lists the runs of the series PROJECT in the production database at URI: a German
//     table, or with --csv the lines of fbe-protokoll.csv (byte order mark, ";", CR LF) with
//     the columns "Station" and "Nummer" in front. Exit 0; 1 when the database has no such
//     series; 2 on a usage error or when the database cannot be reached.
//
// And what "fbe-tool program --db URI" needs of the database: the station, its store and
// the queue of results to be recorded later.
#pragma once

#include "sharedseries/PgSeriesStore.h"
#include "sharedseries/ResultQueue.h"
#include "sharedseries/SeriesStation.h"

#include <QByteArray>
#include <QStringList>
#include <memory>

int runSeriesCommand(const QStringList& args);

// A station of the series at a URI; its name is the URI's application_name, else the
// computer's name.
struct ToolStation {
    explicit ToolStation(const fbe::series::DatabaseTarget& target);
    fbe::series::PgSeriesStore store;
    fbe::series::ResultQueue queue;
    fbe::series::SeriesStation station;
};

// The runs as fbe-tool series --csv writes them: byte order mark, the header line with
// "Station" and "Nummer" in front, one line per run, each ended by CR LF. A run whose number
// was taken without a result shows "offen".
QByteArray seriesCsv(const QList<fbe::series::SeriesRun>& runs);
