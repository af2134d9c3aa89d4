// Common ground of the address dialogs (1-, 2-, 4-key, SVS 3-key and programmable
// transmitters). The code editor copies the address of the slot it edits into the scratch
// slot 0 and shows one of them modally; the dialog works on its own copy of the address
// from every showing on, and only "OK" writes it back, into the scratch slot and the slot
// being edited. Every way of closing -- OK, the title bar, Escape -- ends in done(), which
// runs FormClose once.
#pragma once

#include <QDialog>

namespace fbe {

struct Configuration;
class Seam;
struct Forms;

class AddressDialog : public QDialog {
    Q_OBJECT
public:
    AddressDialog(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    void done(int result) override;

    Configuration& cfg;
    Seam& seam;
    Forms& forms;

protected:
    // Runs each time the dialog is shown.
    virtual void FormActivate() = 0;
    // Runs once for every close, before the window is hidden.
    virtual void FormClose() {}

    // The OK step: address into the scratch slot and the slot being edited, the code editor
    // shows that slot, the dialog closes.
    void takeAddress(quint64 address);

    void showEvent(QShowEvent* event) override;
    // Enter on a focused push button presses it, as Space does; elsewhere Enter is the
    // dialog's (its default button, or the entry of a field).
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool open_ = false;
};

}  // namespace fbe
