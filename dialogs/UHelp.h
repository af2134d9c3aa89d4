// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the help text and the maker's contact block.
#pragma once

#include "dialogs/FormDialog.h"

class QLabel;
class QPushButton;
class QTextBrowser;

namespace fbe {

class TFHelp : public FormDialog {
    Q_OBJECT
public:
    TFHelp(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    void execute();

    // The help text as HTML.
    static QString helpText();

    QTextBrowser* MemoHTH = nullptr;
    QLabel* Lfirma = nullptr;
    QLabel* Lstrasse = nullptr;
    QLabel* Lort = nullptr;
    QLabel* Ltel = nullptr;
    QLabel* Lfax = nullptr;
    QLabel* Lurl = nullptr;
    QLabel* Lemail = nullptr;
    QPushButton* BClose = nullptr;

protected:
    void FormActivate() override;
    void retranslateUi() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LurlDblClick();
    void showContact();
};

}  // namespace fbe
