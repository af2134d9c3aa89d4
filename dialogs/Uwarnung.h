// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The warning: navy text on yellow in a red window, with "OK".
#pragma once

#include "dialogs/FormDialog.h"

#include <QStringList>

class QPushButton;
class QTextEdit;

namespace fbe {

class TFwarnung : public FormDialog {
    Q_OBJECT
public:
    TFwarnung(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    void clearLines();
    void addLine(const QString& line);
    QStringList lines() const;

    // Shows the warning and waits until it is closed.
    void showModalWarning();
    // Shows the warning without waiting.
    void showWarning();

    QTextEdit* warnung = nullptr;
    QPushButton* OK = nullptr;

protected:
    void retranslateUi() override;

private:
    void OKClick();
};

}  // namespace fbe
