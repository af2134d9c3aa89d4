#include "mainwindow/ProductionRun.h"

#include "comm/TFrs232.h"
#include "config/FbeFile.h"
#include "dialogs/Seam.h"
#include "mainwindow/SeriesDatabase.h"
#include "mainwindow/TFFBmain.h"

namespace fbe {

ProductionRun::ProductionRun(TFFBmain& window)
    : w_(window), logging_(window.productionLog), taken_(window.transfersTaken())
{
    record_.time = QDateTime::currentDateTime();
    clock_.start();
    if (!logging_ && !window.seriesDatabase().inUse())
        return;
    record_.configFile = w_.OpenDialog1.FileName;
    // As the question before unsaved changes are lost would find it.
    record_.changed = BuildFile(w_.cfg).lines != w_.saveMemo;
    // The firmware of this run's module only: a module that does not identify itself
    // leaves the field empty, whatever the label still shows.
    if (w_.forms.Frs232)
        firmware_ = QObject::connect(w_.forms.Frs232, &TFrs232::firmwareChanged,
                                     [this](const QString& text) { record_.firmware = text; });
}

ProductionRun::~ProductionRun()
{
    QObject::disconnect(firmware_);
}

bool ProductionRun::takeSeriesNumber()
{
    if (!w_.seriesDatabase().inUse())
        return true;
    numbered_ = w_.takeSeriesNumber();
    return numbered_;
}

void ProductionRun::sending()
{
    takeSentConfiguration(record_, w_.cfg);
    if (!logging_)
        return;
    const auto before = programmedBefore(productionLogPath(record_.configFile), record_);
    if (!before)
        return;
    warning_ = msgProgrammedBefore(*before);
    w_.setInfoColour(TFFBmain::InfoColour::Warning);
    w_.addInfo(warning_);
}

bool ProductionRun::finish()
{
    // The transfer's end hands its result to the window's refresh before the modal call
    // returns; a transfer that never started leaves nothing taken.
    const bool ran = w_.transfersTaken() != taken_;
    const bool ok = ran && !w_.cfg.transfer.transferFailed;
    if (!numbered_ && (!logging_ || !ran))
        return ok;

    QStringList message = w_.cfg.transfer.transferMessage.split(QLatin1Char('\n'));
    if (!warning_.isEmpty()) {
        // The result replaced the message area; the warning stays below it.
        if (w_.infoColour() == TFFBmain::InfoColour::Normal)
            w_.setInfoColour(TFFBmain::InfoColour::Warning);
        w_.addInfo(warning_);
        message << warning_;
    }
    record_.ok = ok;
    record_.message = ran ? message : QStringList();
    record_.counter = w_.cfg.progcounter;
    record_.durationMs = clock_.elapsed();
    if (numbered_) {
        // A number taken is recorded whatever became of the run: a failed run leaves a gap,
        // never a number used twice. The local advance gives way to the series'.
        const QString port = w_.systemPort.isEmpty() ? w_.comPortName : w_.systemPort.path();
        const QStringList kept = w_.seriesDatabase().recordRun(w_.cfg, record_, port);
        record_.counter = w_.seriesDatabase().lastNumber();
        w_.ShowAll();
        w_.ShowBasicsWin();
        if (!kept.isEmpty()) {
            w_.seam.beep();
            if (w_.infoColour() == TFFBmain::InfoColour::Normal)
                w_.setInfoColour(TFFBmain::InfoColour::Warning);
            for (const QString& line : kept)
                w_.addInfo(line);
        }
    }
    if (!logging_ || !ran)
        return ok;

    QString reason;
    if (!appendProductionLog(productionLogPath(record_.configFile), record_, &reason)) {
        w_.seam.beep();
        if (w_.infoColour() == TFFBmain::InfoColour::Normal)
            w_.setInfoColour(TFFBmain::InfoColour::Warning);
        w_.addInfo(msgLogNotWritten());
        if (!reason.isEmpty())
            w_.addInfo(QLatin1Char(' ') + reason);
    }
    return ok;
}

}  // namespace fbe
