// The yes/no question: a centred text on yellow and the buttons "JA" and "NEIN !".
#pragma once

#include "dialogs/FormDialog.h"

#include <QStringList>

class QPushButton;
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

    // Shows the question modally and returns the answer: true only after "JA".
    bool ask();
    // Replaces the text by these lines, then asks.
    bool ask(const QStringList& lines);

    // The answer of the last showing; false unless "JA" was pressed.
    bool askResult = false;

    QTextEdit* M = nullptr;
    QPushButton* JA = nullptr;
    QPushButton* NEIN = nullptr;

protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void JAClick();
    void NEINClick();
    void MEnter();
    void centreVertically();
};

}  // namespace fbe
