// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Program information: software version and date, the licence, the maker and its web
// address.
#pragma once

#include "dialogs/FormDialog.h"

class QLabel;
class QPushButton;

namespace fbe {

class TFinfo : public FormDialog {
    Q_OBJECT
public:
    TFinfo(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    void execute();

    // "Software Version 3.05  -  Juni / 2009"
    static QString versionText();

    QLabel* Versionslabel = nullptr;
    QLabel* Lizenzlabel = nullptr;   // the licence, below the version
    QLabel* Label1 = nullptr;   // "by"
    QLabel* weblabel = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void FormActivate() override;
    void retranslateUi() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void weblabelClick();
};

}  // namespace fbe
