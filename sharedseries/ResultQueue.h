// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Results that could not be recorded yet: a module was programmed, then the production
// database went away. Each waits in one line of a queue file until the next connection to
// its database writes it; none is lost.
//
// The file is fbe-nachtrag.jsonl in $XDG_DATA_HOME/fbe (~/.local/share/fbe), the same for
// the window and fbe-tool whatever folder they were started in: one JSON object per line,
// appended and flushed to the disk before the run is reported. Stations on one computer
// share it; a lock file beside it keeps their changes apart.
#pragma once

#include "sharedseries/SeriesStore.h"

#include <QList>
#include <QString>

namespace fbe::series {

class ResultQueue {
public:
    // The queue at path; by default the file in $XDG_DATA_HOME/fbe.
    explicit ResultQueue(QString path = defaultPath());

    static QString defaultPath();
    QString path() const { return path_; }

    // Adds a run for the database of that identity (databaseIdentity). False with the
    // reason when the line could not be written.
    bool add(const QString& database, const SeriesRun& run, QString* reason);

    // Writes the waiting results of that database to the store, oldest first, and keeps
    // those it could not write. Returns how many were written; -1 when the store failed
    // (its error() says why) and results remain.
    int flush(const QString& database, SeriesStore& store);

    // The runs waiting for that database.
    QList<SeriesRun> waiting(const QString& database) const;

private:
    QString path_;
};

}  // namespace fbe::series
