#include "mainwindow/ProductionRun.h"

#include "comm/TFrs232.h"
#include "config/FbeFile.h"
#include "dialogs/Seam.h"
#include "mainwindow/TFFBmain.h"

namespace fbe {

ProductionRun::ProductionRun(TFFBmain& window)
    : w_(window), logging_(window.productionLog), taken_(window.transfersTaken())
{
    record_.time = QDateTime::currentDateTime();
    clock_.start();
    if (!logging_)
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

bool ProductionRun::sending()
{
    takeSentConfiguration(record_, w_.cfg);
    if (!logging_)
        return true;
    const QString log = productionLogPath(record_.configFile);
    QString reason;
    if (!reserveProductionLog(log, record_, &reason)) {
        w_.seam.beep();
        w_.setInfoColour(TFFBmain::InfoColour::Error);
        w_.clearInfo();
        w_.addInfo(msgLogNotWritten());
        if (!reason.isEmpty())
            w_.addInfo(QLatin1Char(' ') + reason);
        return false;
    }
    const LogSearch search = searchProductionLog(log, record_);
    if (search.unreadableLines > 0)
        notes_ << msgUnreadableLines(search.unreadableLines);
    if (search.programmedBefore) {
        warning_ = msgProgrammedBefore(*search.programmedBefore);
        notes_ << warning_;
    }
    if (notes_.isEmpty())
        return true;
    w_.setInfoColour(TFFBmain::InfoColour::Warning);
    for (const QString& note : notes_)
        w_.addInfo(note);
    return true;
}

bool ProductionRun::finish()
{
    // The transfer's end hands its result to the window's refresh before the modal call
    // returns; a transfer that never started leaves nothing taken.
    const bool ran = w_.transfersTaken() != taken_;
    const bool ok = ran && !w_.cfg.transfer.transferFailed;
    if (!logging_ || !ran)
        return ok;

    QStringList message = w_.cfg.transfer.transferMessage.split(QLatin1Char('\n'));
    if (!notes_.isEmpty()) {
        // The result replaced the message area; the warnings stay below it.
        if (w_.infoColour() == TFFBmain::InfoColour::Normal)
            w_.setInfoColour(TFFBmain::InfoColour::Warning);
        for (const QString& note : notes_)
            w_.addInfo(note);
    }
    if (!warning_.isEmpty())
        message << warning_;
    record_.ok = ok;
    record_.message = message;
    record_.counter = w_.cfg.progcounter;
    record_.durationMs = clock_.elapsed();

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
