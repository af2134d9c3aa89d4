// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Common ground of the program's dialogs: the references every window receives, the
// activation step on each showing, and one close path.
//
// Every way of ending one of these dialogs -- a button, the title bar, the Escape key or a
// call of close() -- ends in QDialog::done(); FormDialog::done() runs the dialog's
// FormClose() there, once per showing, and then the onClosed hook.
#pragma once

#include <QDialog>
#include <functional>

namespace fbe {

struct Configuration;
class Seam;
struct Forms;

class FormDialog : public QDialog {
    Q_OBJECT
public:
    FormDialog(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    // Called after every close, whatever ended the dialog. The main window sets it to
    // its display refresh where a dialog changes what it shows.
    std::function<void()> onClosed;

    void done(int result) override;

    Configuration& cfg;
    Seam& seam;
    Forms& forms;

protected:
    // Runs when the dialog appears (each showing).
    virtual void FormActivate() {}
    // Runs once for every close, before the window is hidden.
    virtual void FormClose() {}
    // Sets every text the dialog shows, in the language in use: called by the dialog's
    // constructor and again on every change of the language.
    virtual void retranslateUi() {}

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
};

}  // namespace fbe
