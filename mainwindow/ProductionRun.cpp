// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
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
    // A log that cannot take the line refuses the run before a number is taken, so it costs
    // the series no number.
    QString reason;
    if (logging_ && !productionLogWritable(productionLogPath(record_.configFile), &reason)) {
        refuse(reason);
        return false;
    }
    numbered_ = w_.takeSeriesNumber();
    return numbered_;
}

void ProductionRun::refuse(const QString& reason)
{
    w_.seam.beep();
    w_.setInfoColour(TFFBmain::InfoColour::Error);
    w_.clearInfo();
    w_.addInfo(shownLogLine(msgLogNotWritten()));
    if (!reason.isEmpty())
        w_.addInfo(QLatin1Char(' ') + reason);
}

bool ProductionRun::sending()
{
    takeSentConfiguration(record_, w_.cfg);
    if (!logging_)
        return true;
    const QString log = productionLogPath(record_.configFile);
    QString reason;
    if (!reserveProductionLog(log, record_, &reason)) {
        if (numbered_) {
            // The number is taken: it stays a gap, recorded as a run that failed.
            record_.ok = false;
            record_.message =
                QStringList{msgLogNotWritten().trimmed(), keptReason(reason.trimmed())};
            record_.durationMs = clock_.elapsed();
            const QString port =
                w_.systemPort.isEmpty() ? w_.comPortName : w_.systemPort.path();
            w_.seriesDatabase().recordRun(w_.cfg, record_, port);
        }
        refuse(reason);
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
        w_.addInfo(shownLogLine(note));
    return true;
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
    if (!notes_.isEmpty()) {
        // The result replaced the message area; the warnings stay below it.
        if (w_.infoColour() == TFFBmain::InfoColour::Normal)
            w_.setInfoColour(TFFBmain::InfoColour::Warning);
        for (const QString& note : notes_)
            w_.addInfo(shownLogLine(note));
    }
    if (!warning_.isEmpty())
        message << warning_;
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
        w_.addInfo(shownLogLine(msgLogNotWritten()));
        if (!reason.isEmpty())
            w_.addInfo(QLatin1Char(' ') + reason);
    }
    return ok;
}

}  // namespace fbe
