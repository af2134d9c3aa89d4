// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The code and function editor: address, function, time and outputs of one code slot.
//
// The editor works on the slot being edited (cfg.slotBeingEdited) and writes every change
// into it at once; there is no cancel. After each change it shows the slot again and lets the
// main window refresh its code table (CodeShow ends with TFFBmain::ShowAll). The user steps
// through the codes with the arrows beside the code number or with "nächster Code".
//
// Every way of closing the editor ("Ende", Escape, the title bar) ends in done(), which first
// takes an address or time still being typed, so no entry is lost.
//
// Each committed change is one step of the configuration's history ("CODE n"; an address
// dialog's visit is one step). Ctrl+Z and Ctrl+Y here take back and redo the steps made
// since the editor opened, and the editor shows the result.
#pragma once

#include <QDialog>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

namespace fbe {

struct Configuration;
class Seam;
struct Forms;

class TFCode : public QDialog {
    Q_OBJECT
public:
    TFCode(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    // Runs on every showing, and again when an address dialog opened from here closes.
    void FormShow();
    // Shows slot n and refreshes the main window's code table.
    void CodeShow(int n);
    // Shows the slot being edited as the state holds it now (after a step taken back),
    // leaving the focus where it is.
    void showState();

    void BEndeClick();
    void BnextClick();
    void UpDownPruefClick(bool up);     // the arrows beside the code number
    void adresshilfeClick();
    void codeadresseExit();
    void codeadresseKeyUp();
    void dauerExit();
    void dauerKeyUp();
    void timebaseChange();
    void RBnoClick();
    void RBonClick();
    void RBoffClick();
    void RBtoggleClick();
    void RB1to1Click();
    void RBimpulsClick();
    void CBoutClick(int n);
    void CBout1Click() { CBoutClick(1); }
    void CBout2Click() { CBoutClick(2); }
    void CBout3Click() { CBoutClick(3); }
    void CBout4Click() { CBoutClick(4); }

    void done(int result) override;

    // ---- Controls ----
    QFrame* Panel1 = nullptr;
    QLabel* LCodeIndex = nullptr;         // "CODE n"
    QToolButton* UpDownPruefUp = nullptr;
    QToolButton* UpDownPruefDown = nullptr;
    QFrame* PAdresse = nullptr;
    QLineEdit* codeadresse = nullptr;
    QLabel* LwarnAdresse = nullptr;       // "Adresse wurde begrenzt !!!"
    QToolButton* adresshilfe = nullptr;
    QFrame* Pparallel = nullptr;          // lies behind PAdresse, seen in parallel mode
    QLabel* Label7 = nullptr;             // "Parallelbetrieb !"
    QLabel* Labelll = nullptr;            // "Code ausgelöst durch Bit an Pos:"
    QLabel* LBitPos = nullptr;
    QLabel* Label9 = nullptr;             // "(Pos 1 entspricht dem LSB)"
    QFrame* PFunktion = nullptr;
    QRadioButton* RBno = nullptr;
    QRadioButton* RBon = nullptr;
    QRadioButton* RBoff = nullptr;
    QRadioButton* RBtoggle = nullptr;
    QRadioButton* RB1to1 = nullptr;
    QRadioButton* RBimpuls = nullptr;
    QFrame* zeitpanel = nullptr;
    QLabel* LZeit = nullptr;              // "Impulsdauer:" / "Nachlaufzeit:"
    QLineEdit* dauer = nullptr;
    QComboBox* timebase = nullptr;
    QFrame* PanelOut = nullptr;
    std::array<QCheckBox*, 5> CBout{};    // OUT 1..4 (index 0 unused)
    QPushButton* Bnext = nullptr;         // "nächster Code"
    QPushButton* BEnde = nullptr;         // "Ende"
    QAction* undoAction = nullptr;        // Ctrl+Z: the editor's own steps taken back
    QAction* redoAction = nullptr;        // Ctrl+Y, Ctrl+Shift+Z

    // Takes an address or time still being typed as leaving its field would (also before a
    // command of the main window acts on the configuration).
    void takePendingEntry();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;   // Page Up / Page Down step the codes
    // Tab and Shift+Tab go through the controls in a fixed order and enter the function
    // group at the selected function.
    bool focusNextPrevChild(bool next) override;

private:
    // Sets every text in the language in use (at creation and on a change of language).
    void retranslateUi();
    void setupUi();
    void functionClick(QRadioButton* button, int function);
    bool parallelMode() const;
    int slot() const;
    QDialog* addressDialog() const;     // the active type's, or none
    void updateUndoActions();

    // While the editor itself rewrites or hides its fields, or closes, a field losing the
    // focus is not an entry of the user.
    bool quiet_ = false;
    // The history as the editor opened: only steps made since are its own.
    quint64 historyMark_ = 0;

    Configuration& cfg;
    Seam& seam;
    Forms& forms;
};

}  // namespace fbe
