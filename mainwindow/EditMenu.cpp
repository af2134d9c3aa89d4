// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/EditMenu.h"

#include "comm/SeriesProgrammer.h"
#include "mainwindow/TFFBmain.h"
#include "mainwindow/UndoHistory.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace fbe {

namespace {

// Keeps the two items up to date: their texts name the steps, their state follows the
// history; the texts are set again when the language changes.
class EditMenu : public QObject {
public:
    explicit EditMenu(TFFBmain& w) : QObject(w.MBearbeiten), w_(w)
    {
        connect(w.history, &UndoHistory::changed, this, &EditMenu::update);
        w.MBearbeiten->installEventFilter(this);
        update();
    }

    void update()
    {
        UndoHistory& h = *w_.history;
        w_.MBearbeiten->setTitle(QCoreApplication::translate("TFFBmain", "&Bearbeiten"));
        const QString undoName = h.undoName();
        const QString redoName = h.redoName();
        //: %1 names the step taken back, as "Codierlänge" or "CODE 3"
        const QString undoStep = QCoreApplication::translate("TFFBmain", "&Rückgängig: %1");
        //: %1 names the step redone, as "Modul auslesen"
        const QString redoStep = QCoreApplication::translate("TFFBmain", "&Wiederholen: %1");
        w_.MUndo->setText(undoName.isEmpty()
                              ? QCoreApplication::translate("TFFBmain", "&Rückgängig")
                              : undoStep.arg(undoName));
        w_.MUndo->setEnabled(h.canUndo());
        w_.MRedo->setText(redoName.isEmpty()
                              ? QCoreApplication::translate("TFFBmain", "&Wiederholen")
                              : redoStep.arg(redoName));
        w_.MRedo->setEnabled(h.canRedo());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            update();
        return QObject::eventFilter(watched, event);
    }

private:
    TFFBmain& w_;
};

}  // namespace

void addEditMenu(TFFBmain& w)
{
    w.history = new UndoHistory(w);

    w.MBearbeiten = new QMenu(w.menuBar());
    w.MBearbeiten->setObjectName(QStringLiteral("MBearbeiten"));
    w.menuBar()->insertMenu(w.MKomm->menuAction(), w.MBearbeiten);
    // Chosen with the mouse, they first commit what was typed into the field with the focus:
    // the typing becomes a step, which "Rückgängig" then takes back.
    w.MUndo = w.MBearbeiten->addAction(QString(), w.history,
                                       w.command([&w] { w.history->undo(); }));
    w.MUndo->setObjectName(QStringLiteral("MUndo"));
    w.MUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    w.MRedo = w.MBearbeiten->addAction(QString(), w.history,
                                       w.command([&w] { w.history->redo(); }));
    w.MRedo->setObjectName(QStringLiteral("MRedo"));
    w.MRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    new EditMenu(w);

    // Hands-free programming locks the history as it locks the transfer commands.
    if (w.series)
        QObject::connect(w.series, &SeriesProgrammer::stateChanged, w.history,
                         [&w] { w.history->setLocked(w.seriesOn()); });
}

}  // namespace fbe
