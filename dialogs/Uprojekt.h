// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The project name: Enter stores the edit as the project name, Escape leaves it unchanged.
// A visit that changed the name is one step of the history.
#pragma once

#include "dialogs/FormDialog.h"
#include "mainwindow/UndoHistory.h"

class QLabel;
class QLineEdit;

namespace fbe {

class TFProjekt : public FormDialog {
    Q_OBJECT
public:
    TFProjekt(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    // Shows the dialog modally; returns when it is closed.
    void execute();

    QLabel* Label1 = nullptr;   // "Projektname:"
    QLineEdit* EditProjekt = nullptr;

protected:
    void FormActivate() override;
    void FormClose() override;
    void retranslateUi() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EditProjektKeyPress(int key);

    VisitStep visit_;
};

}  // namespace fbe
