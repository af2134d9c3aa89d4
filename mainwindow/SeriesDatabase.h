// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of a shared series ("&Einstellungen" -> "Produktions&datenbank ..."):
// the connection of settings line 10, the number of each run, and what the programming view
// shows of the series.
//
// With a database in use, a run of "Modul programmieren" (also each run of hands-free
// programming) first takes the series' next number and sets every used code's address to
// the series' start + number x increment; afterwards the run is recorded, or queued when
// the database went away meanwhile. The local advance after a successful run is replaced:
// the codes keep the addresses just programmed, the counter shows this station's
// successful modules of the series, and the next run takes the next number.
//
// A station joins the series it finds: its addresses must lie where the series starts
// (before its first run from the database: the addresses less counter x increment, or as
// they are; afterwards, when the counter is the database's: as those of the number taken
// last, or as they are); the series' increments are taken over when the programming
// view gives none.
#pragma once

#include "config/ProductionLog.h"
#include "sharedseries/PgSeriesStore.h"
#include "sharedseries/ResultQueue.h"
#include "sharedseries/SeriesStation.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace fbe {

class SeriesDatabase {
public:
    SeriesDatabase();
    ~SeriesDatabase();

    // The connection (settings line 10); empty: no database, the series is this station's.
    // uri() is the URI to keep: a password someone wrote into it is used, never written back.
    void setUri(const QString& uri);
    QString uri() const;
    bool inUse() const { return !uri_.isEmpty(); }
    // "host/db"
    QString label() const;

    // Connects at once (and builds the tables on first use). Empty when it works, else
    // " Produktionsdatenbank nicht erreichbar" and the server's reason below it.
    static QStringList tryConnect(const QString& uri);

    // Before a run: the series' next number, the addresses and increments set in cfg.
    // Nothing, with the message and its reason, when the run must not go ahead.
    std::optional<qint64> takeNumber(Configuration& cfg, QStringList* message);

    // After the run whose number was taken: records it (counter column: the number), or
    // queues it. cfg gets back the addresses sent and the station's count of successful
    // modules; the lines for the message area are returned (" Ergebnis wird nachgetragen"
    // and the reason), empty when the run was recorded.
    QStringList recordRun(Configuration& cfg, ProductionRecord record, const QString& port);

    // The number taken last; -1 before the first.
    qint64 lastNumber() const { return number_; }
    // Whether the codes hold the addresses of the module last programmed (no local advance
    // after a run from the database) rather than the next module's.
    bool holdsProgrammedAddresses() const { return inUse() && number_ >= 0; }

    // What the programming view shows of the series of that project: the number of this
    // station's last module and the series' successful modules over all stations, as the
    // database said at the last run or connection; -1 where nothing is known.
    struct Figures {
        qint64 stationLast = -1;
        qint64 seriesModules = -1;
    };
    Figures figures(const QString& series) const;
    // Asks the database for the figures of that series (after connecting); false when it
    // cannot be asked.
    bool updateFigures(const QString& series);
    // This station's successful modules of the series the figures are of.
    qint64 stationModules() const { return stationModules_; }

private:
    series::SeriesStation& station();

    QString uri_;
    series::DatabaseTarget target_;
    std::unique_ptr<series::PgSeriesStore> store_;
    series::ResultQueue queue_;
    std::unique_ptr<series::SeriesStation> station_;
    // The series this station programmed last, and the addresses the database gave it.
    std::optional<series::SeriesDefinition> joined_;
    series::Addresses lastAddresses_{};
    qint64 number_ = -1;
    QString figuresOf_;
    Figures figures_;
    qint64 stationModules_ = 0;
};

}  // namespace fbe
