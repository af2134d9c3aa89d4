// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The system base settings ("System Grundeinstellungen"): the decoder parameters of the
// current transmitter type record -- code length, reference and data pulse limits, waits,
// reference correction and the 40-bit check mask. Every edit applies at once and marks the
// configuration as a hand-changed special type: the active type and the record's typ become
// 0. The fields are entered only by a click; leaving one counts as an edit even when the
// value stays the same. Each visit that changed something is one step of the history.
#pragma once

#include "dialogs/FormDialog.h"
#include "mainwindow/UndoHistory.h"
#include "transmitters/FieldWatcher.h"

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace fbe {

class TFsystem : public FormDialog {
    Q_OBJECT
public:
    TFsystem(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    // ---- Handlers ----
    void FormActivate() override;
    // A field still entered when the dialog closes counts as left: its value is taken.
    void FormClose() override;
    void retranslateUi() override;
    void ShowSystemValues();
    void Button1Click();
    void bitsExit();
    void corrmainExit();
    void refminExit();
    void refmaxExit();
    void datminExit();
    void datmaxExit();
    void wait1Exit();
    void wait2Exit();
    void wait3Exit();
    void maskExit();

    // ---- Controls ----
    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* bits = nullptr;
    QLineEdit* corrmain = nullptr;
    QLineEdit* refmin = nullptr;
    QLineEdit* refmax = nullptr;
    QLineEdit* datmin = nullptr;
    QLineEdit* datmax = nullptr;
    QLineEdit* wait1 = nullptr;
    QLineEdit* wait2 = nullptr;
    QLineEdit* wait3 = nullptr;
    QLineEdit* mask = nullptr;
    QLineEdit* typ = nullptr;
    QLabel* warnung = nullptr;
    QPlainTextEdit* warnmemo = nullptr;
    QPushButton* Button1 = nullptr;

private:
    void setupUi();
    // The common exit step of the nine byte fields.
    void byteExit(QLineEdit* edit, quint8& field);
    void markHandChanged();

    FieldWatcher fields_;   // a member, so that it goes before the fields (see there)
    VisitStep visit_;
};

}  // namespace fbe
