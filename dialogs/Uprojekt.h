// The project name: Enter stores the edit as the project name, Escape leaves it unchanged.
#pragma once

#include "dialogs/FormDialog.h"

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
    void retranslateUi() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EditProjektKeyPress(int key);
};

}  // namespace fbe
