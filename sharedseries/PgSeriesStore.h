// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The shared series in PostgreSQL, through Qt's QPSQL driver.
//
// Everything lives in the schema "fbe" (a database user needs rights on that schema only;
// it is created when missing and the user may). The tables are created and changed by the
// numbered steps in PgSeriesStore.cpp: each runs once, in a transaction of its own, and is
// recorded in fbe.schema_version; a station started against a database of a later version
// refuses it rather than writing what it does not know. Every value reaches the server as a
// bound value.
//
// The connection is opened on the first verb and kept; a verb that fails on a kept
// connection (the server was restarted, the network was away) is tried once more on a new
// one.
#pragma once

#include "sharedseries/DatabaseUri.h"
#include "sharedseries/SeriesStore.h"

#include <QString>

class QSqlDatabase;
class QSqlQuery;

namespace fbe::series {

class PgSeriesStore : public SeriesStore {
public:
    explicit PgSeriesStore(DatabaseTarget target);
    ~PgSeriesStore() override;
    PgSeriesStore(const PgSeriesStore&) = delete;
    PgSeriesStore& operator=(const PgSeriesStore&) = delete;

    bool open() override;
    std::optional<SeriesDefinition> findSeries(const QString& name) override;
    std::optional<SeriesDefinition> createSeries(const SeriesDefinition& wanted,
                                                 bool* created) override;
    std::optional<TakenNumber> takeNumber(const SeriesDefinition& series,
                                          const QString& station) override;
    bool recordRun(const SeriesRun& run) override;
    std::optional<SeriesTotals> totals(const QString& series, const QString& station) override;
    std::optional<QList<SeriesRun>> runs(const QString& series) override;

    // The schema version this program writes.
    static int schemaVersion();
    const DatabaseTarget& target() const { return target_; }

private:
    bool connect();
    bool migrate(QSqlDatabase& db);
    void disconnect();
    // Runs verb on the connection; once more on a new connection when it failed on a kept
    // one.
    template <class Verb>
    auto attempt(Verb verb) -> decltype(verb(std::declval<QSqlDatabase&>()));
    bool exec(QSqlQuery& query);
    std::optional<SeriesDefinition> find(QSqlDatabase& db, const QString& name);

    DatabaseTarget target_;
    QString connection_;
    bool connected_ = false;
};

}  // namespace fbe::series
