// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The notice: a text shown without waiting that closes by itself 5 seconds after it
// appeared.
#pragma once

#include "dialogs/FormDialog.h"

#include <QStringList>

class QLabel;
class QTextEdit;
class QTimer;

namespace fbe {

class TFhinweis : public FormDialog {
    Q_OBJECT
public:
    TFhinweis(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    void clearLines();
    void addLine(const QString& line);
    QStringList lines() const;

    // Shows the notice without waiting. While it is open, showing it again neither
    // restarts its timer nor moves it.
    void showNotice();

    QTextEdit* Hinweis = nullptr;
    QLabel* Label1 = nullptr;   // "die Hinweis-Funktion kann ..."
    QLabel* Label2 = nullptr;   // "(das Hinweis-Fenster schließt automatisch ...)"
    QTimer* Timer1 = nullptr;   // 5000 ms, single tick

protected:
    void FormActivate() override;
    void retranslateUi() override;
    void FormClose() override;

private:
    void Timer1Timer();
};

}  // namespace fbe
