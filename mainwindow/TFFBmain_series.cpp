// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The production log option ("&Produktionsprotokoll führen") and hands-free series
// programming ("automatisch programmieren" in the programming panel).
//
// While hands-free programming is on, the port stays open and SeriesProgrammer asks for the
// module every 300 ms; each module put in gets one run of programModule(), as if
// "Modul programmieren" had been pressed. The message area shows the present state only:
// the last run's message and below it what the program waits for, each state's line in
// place of the one before; a module found starts its run with an empty area. While a menu
// or dialog is open no poll goes out, and the area says so. "Modul programmieren" and
// "Modul auslesen" are locked. A failed run ends the mode with its message and its beep (the
// run's own: no second one), a port that goes away ends it with a beep; "Datei neu", loading
// a file, another port and closing the program end it (stopSeries), after the question about
// unsaved changes. However it ends, " automatisches Programmieren ausgeschaltet" takes the
// place of the line of what it waited for.
#include "mainwindow/TFFBmain.h"

#include "comm/BytePort.h"
#include "comm/PortCatalogue.h"
#include "comm/PortNames.h"
#include "comm/SeriesProgrammer.h"
#include "comm/TFrs232.h"
#include "comm/TransferProtocol.h"
#include "dialogs/Seam.h"
#include "mainwindow/MainStyle.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace fbe {

using namespace mainstyle;

namespace {

const char* const MsgWaiting = QT_TRANSLATE_NOOP("fbe::TFFBmain", " warte auf nächstes Modul ...");
const char* const MsgRemove = QT_TRANSLATE_NOOP("fbe::TFFBmain", " Modul entfernen ...");
const char* const MsgSeriesOff =
    QT_TRANSLATE_NOOP("fbe::TFFBmain", " automatisches Programmieren ausgeschaltet");
const char* const MsgPaused =
    QT_TRANSLATE_NOOP("fbe::TFFBmain", " angehalten, solange ein Menü oder Fenster offen ist");

// The caption of a check box, beside it in two lines: a click on it clicks the box.
class Caption : public QLabel {
public:
    Caption(const QString& text, QAbstractButton* box, QWidget* parent)
        : QLabel(text, parent), box_(box)
    {
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())
            && box_->isEnabled())
            box_->click();
    }

private:
    QAbstractButton* box_;
};

}  // namespace

void TFFBmain::setupSeries()
{
    // "&Einstellungen": the option below the question about the last file.
    const QList<QAction*> items = MEinstellungen->actions();
    MProtokoll = new QAction(MEinstellungen);
    MProtokoll->setObjectName(QStringLiteral("MProtokoll"));
    MProtokoll->setCheckable(true);
    MEinstellungen->insertAction(items.value(items.indexOf(MDL) + 1), MProtokoll);
    MEinstellungen->setToolTipsVisible(true);
    connect(MProtokoll, &QAction::triggered, this, command(&TFFBmain::MProtokollClick));

    // Below the counter, in a panel of the counter's kind: its title in two lines, the box
    // below it. The counter stands beside the first address lines, and the two panels end
    // with the address lines.
    QFrame* counter = Pprogram->findChild<QFrame*>(QStringLiteral("GZaehler"));
    Pauto = new QFrame(Pprogram);
    Pauto->setObjectName(QStringLiteral("Pauto"));
    Pauto->setGeometry(270, 95, 82, 45);
    if (counter) {
        Pauto->setPalette(counter->palette());
        Pauto->setFrameStyle(counter->frameStyle());
    }
    Pauto->setAutoFillBackground(true);
    CBauto = new QCheckBox(Pauto);
    CBauto->setObjectName(QStringLiteral("CBauto"));
    CBauto->setGeometry(33, 28, 16, 16);
    // The title's type is fitted to its lines (retranslateSeries).
    for (int y : {1, 14}) {
        auto* caption = new Caption(QString(), CBauto, Pauto);
        caption->setObjectName(QStringLiteral("Lauto%1").arg(y == 1 ? 1 : 2));
        caption->setGeometry(1, y, 80, 14);
        caption->setAlignment(Qt::AlignCenter);
        QPalette p = caption->palette();
        p.setColor(QPalette::Active, QPalette::WindowText, Maroon);
        p.setColor(QPalette::Inactive, QPalette::WindowText, Maroon);
        caption->setPalette(p);
    }
    connect(CBauto, &QCheckBox::clicked, this, &TFFBmain::CBautoClick);

    series = new SeriesProgrammer(this);
    series->paused = [this] { return dialogOpen(); };
    series->programModule = [this] {
        // The port stays open for the polls that follow a successful run.
        if (forms.Frs232)
            forms.Frs232->setKeepPortOpen(true);
        const bool ok = programModule();
        if (forms.Frs232)
            forms.Frs232->setKeepPortOpen(false);
        // The run's message stays while the program waits for the next module.
        seriesResult_ = infoLines();
        seriesResultBreaks_ = infoBreaks();
        seriesResultColour_ = infoColour();
        // Switched off while the run went on: said below its message.
        if (!seriesOn())
            showSeriesOff(QString());
        return ok;
    };
    connect(series, &SeriesProgrammer::stateChanged, this, &TFFBmain::seriesStateChanged);
    connect(series, &SeriesProgrammer::pauseChanged, this, &TFFBmain::seriesPauseChanged);
    connect(series, &SeriesProgrammer::runFailed, this, [this] { seriesEnded(QString()); });
    connect(series, &SeriesProgrammer::portLost, this,
            [this] { seriesEnded(TransferProtocol::msgConnectionLost()); });
}

void TFFBmain::retranslateSeries()
{
    MProtokoll->setText(tr("&Produktionsprotokoll führen"));
    MProtokoll->setToolTip(tr("jeder Programmiervorgang wird in fbe-protokoll.csv im Ordner der "
                              "Konfigurationsdatei festgehalten"));
    MProtokoll->setStatusTip(MProtokoll->toolTip());

    //: the title of the box in two lines: "automatisch" / "programmieren"
    const QString line1 = tr("automatisch");
    //: the second line of the title "automatisch" / "programmieren"
    const QString line2 = tr("programmieren");
    QFont title = fitted(sans(12, true), line1, 76, 9);
    const QFont second = fitted(sans(12, true), line2, 76, 9);
    if (second.pixelSize() < title.pixelSize())
        title = second;
    const QString hint = tr("programmiert jedes eingesetzte Modul ohne Tastendruck (nächste "
                            "Adressen, Zähler); danach zuerst das Modul entfernen");
    int n = 1;
    for (const QString& line : {line1, line2}) {
        auto* caption = Pauto->findChild<QLabel*>(QStringLiteral("Lauto%1").arg(n++));
        caption->setFont(title);
        caption->setText(line);
        caption->setToolTip(hint);
    }
    Pauto->setToolTip(hint);
    CBauto->setToolTip(hint);
    CBauto->setAccessibleName(tr("automatisch programmieren"));
    showSeriesLock();
}

// While hands-free programming is on, "Modul programmieren" and "Modul auslesen" are locked.
void TFFBmain::showSeriesLock()
{
    const bool on = seriesOn();
    const QString hint =
        on ? tr("gesperrt, solange \"automatisch programmieren\" eingeschaltet ist") : QString();
    for (QWidget* button : {static_cast<QWidget*>(SendButton), static_cast<QWidget*>(ReadButton)}) {
        button->setEnabled(!on);
        button->setToolTip(hint);
    }
    Mprogram->setEnabled(!on);
    Mread->setEnabled(!on);
}

void TFFBmain::MProtokollClick()
{
    productionLog = !productionLog;
    MProtokoll->setChecked(productionLog);
}

bool TFFBmain::seriesOn() const
{
    return series && series->isOn();
}

bool TFFBmain::dialogOpen() const
{
    // A dialog the toolkit shows modally, an open menu, or one the Seam waits for (a native
    // file dialog is none of the toolkit's modal widgets).
    return QApplication::activeModalWidget() != nullptr
        || QApplication::activePopupWidget() != nullptr || seam.modalDepth() > 0;
}

void TFFBmain::stopSeries()
{
    if (series)
        series->stop();
}

void TFFBmain::CBautoClick()
{
    if (!CBauto->isChecked()) {
        stopSeries();
        return;
    }
    if (seriesOn() || !forms.Frs232)
        return;
    clearInfo();
    setInfoColour(InfoColour::Normal);
    seriesResult_.clear();
    seriesResultBreaks_.clear();
    seriesResultColour_ = InfoColour::Normal;
    BytePort& port = forms.Frs232->bytePort();
    const int number = portNumberFromName(comPortName);
    if (series->start(port, number, systemPort.path()))
        return;
    // As a transfer reports a port it cannot open.
    CBauto->setChecked(false);
    seam.beep();
    setInfoColour(InfoColour::Error);
    addInfo(TransferProtocol::msgOpenFailure(number, systemPort.path(), port.openFailure()));
}

void TFFBmain::seriesStateChanged()
{
    const SeriesProgrammer::State state = series->state();
    const bool on = state != SeriesProgrammer::State::Off;
    setCheckedIfChanged(CBauto, on);
    showSeriesLock();
    if (state == SeriesProgrammer::State::Programming) {
        // The module found starts its run with an empty area.
        seriesResult_.clear();
        seriesResultBreaks_.clear();
        seriesResultColour_ = InfoColour::Normal;
        clearInfo();
        setInfoColour(InfoColour::Normal);
    } else if (state != SeriesProgrammer::State::Off) {
        showSeriesState();
    } else {
        // What the mode waited for is over. A failed run and a lost port say more below
        // (seriesEnded).
        showSeriesOff(QString());
    }
}

void TFFBmain::seriesPauseChanged()
{
    showSeriesState();
}

// The last run's message, and below it the line of the state the program is in.
void TFFBmain::showSeriesState()
{
    const SeriesProgrammer::State state = series->state();
    QString line;
    if (series->isPaused())
        line = tr(MsgPaused);
    else if (state == SeriesProgrammer::State::WaitingForModule)
        line = tr(MsgWaiting);
    else if (state == SeriesProgrammer::State::WaitingForRemoval)
        line = tr(MsgRemove);
    else
        return;
    clearInfo();
    setInfoColour(seriesResultColour_);
    for (int i = 0; i < seriesResult_.size(); ++i)
        addInfo(seriesResult_.at(i), seriesResultBreaks_.value(i, InfoBreak::AtBlanks));
    addInfo(line);
}

void TFFBmain::showSeriesOff(const QString& why)
{
    clearInfo();
    setInfoColour(why.isEmpty() ? seriesResultColour_ : InfoColour::Error);
    for (int i = 0; i < seriesResult_.size(); ++i)
        addInfo(seriesResult_.at(i), seriesResultBreaks_.value(i, InfoBreak::AtBlanks));
    if (!why.isEmpty())
        addInfo(why);
    addInfo(tr(MsgSeriesOff));
}

void TFFBmain::seriesEnded(const QString& why)
{
    // A failed run was heard with its own message (one beep for it, none more); a port lost
    // while the mode waited is heard here.
    if (why.isEmpty())
        return;
    seam.beep();
    showSeriesOff(why);
}

}  // namespace fbe
