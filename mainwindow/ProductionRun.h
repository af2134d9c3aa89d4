// What "Modul programmieren" adds to a programming run when the production log is kept
// ("&Produktionsprotokoll führen"): the record of the run and its line in fbe-protokoll.csv
// beside the configuration file, and the warning against programming one address set twice.
//
//   ProductionRun run(window);      // the run starts: time, unsaved changes
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
    TFFBmain& w_;
    bool logging_ = false;
    ProductionRecord record_;
    QElapsedTimer clock_;
    QString warning_;                    // the repeat warning, also in the log's line
    QStringList notes_;                  // every warning of sending()
    int taken_ = 0;                      // transfer results taken before the run
    QMetaObject::Connection firmware_;
};

}  // namespace fbe
