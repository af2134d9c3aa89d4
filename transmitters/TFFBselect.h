// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of the transmitter type ("Auswahl Sender"): six rows, one per known type, in
// the order 1-key, 2-key, SVS 3-key, 4-key, programmable, programmable high power. A click on
// any part of a row makes that type active and its parameter set current, and closes the
// dialog; "Abbrechen" closes it without a change. Every close lets the main window apply the
// active type and refresh its code area. A visit that changed something is one step of the
// history.
#pragma once

#include "dialogs/FormDialog.h"
#include "mainwindow/UndoHistory.h"

#include <QColor>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

namespace fbe {

class TFFBselect : public FormDialog {
    Q_OBJECT
public:
    TFFBselect(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    // ---- Handlers ----
    void FormCreate();
    void FormActivate() override;
    void FormClose() override;
    void retranslateUi() override;
    void FB1aurelClick();   // type 7
    void FB2aurelClick();   // type 2
    void FB3svsClick();     // type 10
    void FB4aurelClick();   // type 1
    void FB16uniClick();    // type 16
    void FB17uniClick();    // type 17
    void abbrechenClick();
    // Selection of the row of type code (one of the six known codes).
    void selectType(int code);

    // One row of the list.
    struct Row {
        int code = 0;
        QFrame* panel = nullptr;        // Panel0, Panel2, Panel10, Panel1, Panel16, Panel17
        QToolButton* button = nullptr;  // FB1aurel, ...
        QFrame* inner = nullptr;
        QLabel* name = nullptr;         // Typ7name, ...
        QLabel* line1 = nullptr;
        QLabel* line2 = nullptr;
    };
    static constexpr int RowCount = 6;
    std::array<Row, RowCount> rows{};
    const Row* rowOf(int code) const;

    // ---- Controls ----
    QLabel* Lnote = nullptr;            // "Die Liste wird bei Bedarf erweitert ..."
    QLabel* weblabel = nullptr;
    QPushButton* abbrechen = nullptr;

    // Colours of the rows: the active type's and the others'.
    static QColor activeColour();
    static QColor otherColour();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter on a focused picture button selects its type, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setupUi();

    VisitStep visit_;
};

}  // namespace fbe
