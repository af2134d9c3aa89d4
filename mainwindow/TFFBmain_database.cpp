// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The production database of a series that several stations program together
// ("&Einstellungen" -> "Produktions&datenbank ..."), and its lines in the programming view.
//
// The view always says whether a database is in use ("Produktionsdatenbank: <host>/<db>" or
// "keine Produktionsdatenbank"), so a settings file that lost line 10 is seen at once; with
// one, it names the series and shows the number of this station's last module and the
// series' successful modules over all stations. The column of the next addresses says
// "nächste: aus der Datenbank" instead: they are taken before each run.
#include "mainwindow/TFFBmain.h"

#include "dialogs/ProductionDatabaseDialog.h"
#include "dialogs/Seam.h"
#include "mainwindow/MainStyle.h"
#include "mainwindow/SeriesDatabase.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace fbe {

using namespace mainstyle;

namespace {

const char DatabaseHint[] = QT_TRANSLATE_NOOP(
    "fbe::TFFBmain",
    "mehrere Stationen programmieren eine Serie: Nummer und Adressen jedes Moduls aus einer "
    "gemeinsamen PostgreSQL-Datenbank");

}  // namespace

void TFFBmain::setupDatabase()
{
    seriesDatabase_ = std::make_unique<SeriesDatabase>();

    // "&Einstellungen": below the production log.
    const QList<QAction*> items = MEinstellungen->actions();
    MDatenbank = new QAction(MEinstellungen);
    MDatenbank->setObjectName(QStringLiteral("MDatenbank"));
    MEinstellungen->insertAction(items.value(items.indexOf(MProtokoll) + 1), MDatenbank);
    connect(MDatenbank, &QAction::triggered, this, &TFFBmain::MDatenbankClick);

    // Two lines below the address rows, across the panel.
    const QFont font = sans(11);
    // A long server or folder name is drawn smaller, then shortened in its middle.
    LDatenbank = new FitLabel(QString(), Pprogram, Qt::ElideMiddle, 9);
    LDatenbank->setObjectName(QStringLiteral("LDatenbank"));
    LDatenbank->setGeometry(6, 140, 348, 12);
    LDatenbank->setFont(sans(11, true));
    auto* serie = new FitLabel(QString(), Pprogram, Qt::ElideMiddle, 9);
    LSerie = serie;
    LSerie->setObjectName(QStringLiteral("LSerie"));
    LSerie->setGeometry(6, 152, 176, 12);
    LSerie->setFont(font);
    LSerieZahlen = new QLabel(Pprogram);
    LSerieZahlen->setObjectName(QStringLiteral("LSerieZahlen"));
    LSerieZahlen->setGeometry(182, 152, 172, 12);
    LSerieZahlen->setFont(font);
    LSerieZahlen->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* l : {LDatenbank, LSerie, LSerieZahlen}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Navy);
        l->setPalette(p);
    }
}

void TFFBmain::retranslateDatabase()
{
    MDatenbank->setText(tr("Produktions&datenbank ..."));
    MDatenbank->setToolTip(tr(DatabaseHint));
    MDatenbank->setStatusTip(MDatenbank->toolTip());
    LSerieZahlen->setToolTip(tr("Nummer des letzten Moduls dieser Station, erfolgreich "
                                "programmierte Module der Serie auf allen Stationen"));
    showDatabaseLines();
}

void TFFBmain::setDatabaseUri(const QString& uri)
{
    seriesDatabase_->setUri(uri);
    showDatabaseLines();
}

QString TFFBmain::databaseUri() const
{
    return seriesDatabase_->uri();
}

void TFFBmain::MDatenbankClick()
{
    ProductionDatabaseDialog dialog(seam, &SeriesDatabase::tryConnect, this);
    if (!dialog.execute(seriesDatabase_->uri()))
        return;
    seriesDatabase_->setUri(dialog.uri());
    // The series of the configuration as the database knows it now. The counter stays until
    // the first run: it tells where the configuration's addresses lie on the series.
    seriesDatabase_->updateFigures(cfg.projectName);
    ShowAll();
    ShowBasicsWin();
}

bool TFFBmain::takeSeriesNumber()
{
    QStringList refusal;
    if (seriesDatabase_->takeNumber(cfg, &refusal)) {
        // The addresses of this number and the series' increments, before the run.
        ShowAll();
        ShowBasicsWin();
        return true;
    }
    seam.beep();
    setInfoColour(InfoColour::Error);
    clearInfo();
    for (const QString& line : refusal)
        addInfo(line);
    return false;
}

void TFFBmain::showDatabaseLines()
{
    if (!LDatenbank)
        return;
    const bool on = seriesDatabase_->inUse();
    setTextIfChanged(LDatenbank, on ? tr("Produktionsdatenbank: %1").arg(seriesDatabase_->label())
                                    : tr("keine Produktionsdatenbank"));
    LDatenbank->setToolTip(on ? seriesDatabase_->uri() : tr(DatabaseHint));
    setVisibleIfChanged(LSerie, on);
    setVisibleIfChanged(LSerieZahlen, on);
    if (on) {
        const QString name = cfg.projectName;
        if (setTextIfChanged(LSerie, tr("Serie: %1").arg(name)))
            LSerie->setToolTip(name);
        const SeriesDatabase::Figures f = seriesDatabase_->figures(name);
        auto shown = [](qint64 v) { return v < 0 ? QStringLiteral("-") : QString::number(v); };
        const QString last = shown(f.stationLast);
        const QString total = shown(f.seriesModules);
        setTextIfChanged(LSerieZahlen, tr("letztes Modul: %1   gesamt: %2").arg(last, total));
    }
    // The heading of the next addresses, over the whole address column when it is longer.
    const QString next = on ? tr("nächste: aus der Datenbank") : tr("nächste:");
    if (setTextIfChanged(LNaechste, next)) {
        // Ends over the address column, clear of "increment" beside it.
        const QRect wide(8, LNaechste->y(), 184, LNaechste->height());
        LNaechste->setGeometry(on ? wide : QRect(104, LNaechste->y(), 100, LNaechste->height()));
        LNaechste->setAlignment(on ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
        LNaechste->setFont(on ? fitted(sans(11, true), next, wide.width(), 9) : sans(11, true));
    }
    const QString counterHint =
        on ? tr("zeigt die Anzahl der von dieser Station erfolgreich programmierten Module der "
                "Serie an")
           : tr("zeigt die Anzahl der erfolgreich programmierten Bausteine an");
    if (progcounter && progcounter->toolTip() != counterHint)
        progcounter->setToolTip(counterHint);
}

}  // namespace fbe
