// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// What "Modul programmieren" adds to a programming run when the production log is kept
// ("&Produktionsprotokoll führen"): the record of the run and its line in fbe-protokoll.csv
// beside the configuration file, and the warning against programming one address set twice.
// With a production database in use, the run's number is taken from the shared series
// first and the record goes to the database as well (its number in the counter column).
//
//   ProductionRun run(window);      // the run starts: time, unsaved changes
//   if (!run.takeSeriesNumber()) return;   // refused by the production database
//   PrepareModuleWrite(cfg);
//   if (!run.sending())             // the image as sent; the room for the line reserved,
//       return false;               // else nothing is sent; warns when the log has it already
//   ... the transfer, its result taken by the window's refresh ...
//   bool ok = run.finish();         // the line appended and flushed; true: the run succeeded
//
// Without the log, only finish()'s result remains.
#pragma once

#include "config/ProductionLog.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QString>

namespace fbe {

class TFFBmain;

class ProductionRun {
public:
    explicit ProductionRun(TFFBmain& window);
    ~ProductionRun();
    ProductionRun(const ProductionRun&) = delete;
    ProductionRun& operator=(const ProductionRun&) = delete;

    // With a production database in use: takes the run's number and sets the addresses
    // (TFFBmain::takeSeriesNumber); false when the run must not go ahead. True without one.
    bool takeSeriesNumber();
    // Whether this run's number and addresses came from the production database.
    bool numbered() const { return numbered_; }
    // The configuration is ready for sending: takes what is sent and reserves the room for
    // the run's line in the log. When the line could not be written (a full disk, a
    // protected file, ...), the run is refused before anything is sent: false, with
    // " Protokoll konnte nicht geschrieben werden" and the reason below in the error colour
    // and a beep. Otherwise shows, in the warning colour, " <n> Zeilen des Protokolls nicht
    // lesbar" for lines of the log that do not parse, and " Achtung: diese Adressen wurden
    // bereits programmiert (<time>)" when the log holds a successful run of the same file
    // with the same addresses of all used codes; the run goes ahead.
    bool sending();
    // After the transfer: whether it succeeded. Shows the warnings again below the result,
    // appends the run's line to the log and, when that fails, adds
    // " Protokoll konnte nicht geschrieben werden" and the reason below (with a beep), which
    // leaves a successful run successful.
    bool finish();

    const ProductionRecord& record() const { return record_; }

private:
    // Refuses the run before anything is sent: the log cannot take its line.
    void refuse(const QString& reason);

    TFFBmain& w_;
    bool logging_ = false;
    bool numbered_ = false;              // the number came from the production database
    ProductionRecord record_;
    QElapsedTimer clock_;
    QString warning_;                    // the repeat warning, also in the log's line (German)
    QStringList notes_;                  // every warning of sending(), German as made
    int taken_ = 0;                      // transfer results taken before the run
    QMetaObject::Connection firmware_;
};

}  // namespace fbe
