// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The yes/no question: a centred text on yellow and the buttons "JA" and "NEIN !"; the
// question before unsaved changes are lost has a third button "Abbrechen" to their right.
#pragma once

#include "dialogs/FormDialog.h"

#include <QStringList>

class QPushButton;
class QSpacerItem;
class QTextEdit;

namespace fbe {

class TFask : public FormDialog {
    Q_OBJECT
public:
    TFask(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    // The question text, one entry per line. Callers clear it and add their lines.
    void clearLines();
    void addLine(const QString& line);
    QStringList lines() const;

    // Shows the question modally with "JA" and "NEIN !" and returns the answer: true only
    // after "JA"; Escape and the title bar count as "NEIN !".
    bool ask();
    // Replaces the text by these lines, then asks.
    bool ask(const QStringList& lines);

    enum class Answer { Yes, No, Cancel };
    // The question with the third button "Abbrechen": the dialog is wider by that button,
    // "JA" and "NEIN !" keep their size and place. Escape and the title bar count as
    // "Abbrechen".
    Answer askOrCancel(const QStringList& lines);

    // The answer of the last showing; false unless "JA" was pressed.
    bool askResult = false;
    // The full answer of the last showing.
    Answer answer = Answer::No;

    QTextEdit* M = nullptr;
    QPushButton* JA = nullptr;
    QPushButton* NEIN = nullptr;
    QPushButton* Abbrechen = nullptr;   // shown only by askOrCancel()

    // The dialog's size with two buttons and with three.
    static constexpr int Width = 420;
    static constexpr int WidthWithCancel = 564;
    static constexpr int Height = 170;
    static constexpr int ButtonWidth = 110;
    static constexpr int ButtonGap = 34;

protected:
    void FormActivate() override;
    void retranslateUi() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void JAClick();
    void NEINClick();
    void AbbrechenClick();
    // Shows or hides "Abbrechen" and sizes the dialog for the buttons shown.
    void offerCancel(bool offered);
    void MEnter();
    void centreVertically();

    QSpacerItem* cancelGap_ = nullptr;   // between "NEIN !" and "Abbrechen"
};

}  // namespace fbe
