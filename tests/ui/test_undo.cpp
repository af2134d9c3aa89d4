// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// "Rückgängig" and "Wiederholen": every kind of change the user makes in the window taken back
// with Ctrl+Z and redone with Ctrl+Y, whole; the keys inside fields; the history's depth;
// new files and the unchanged state.
#include "FieldInput.h"
#include "TransferTest.h"

#include "config/FbeFile.h"
#include "config/ImageCodec.h"
#include "mainwindow/UndoHistory.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <functional>

using namespace fbe;
using namespace fbe::test;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

struct UndoTest : TransferTest {
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(TransferTest::SetUp());
        useScriptedPort();
        w->show();
        activate(w);
    }

    static void activate(QWidget* window)
    {
        window->activateWindow();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), window);
    }

    // What a step has to bring back: the file text as "Datei speichern" builds it, and the
    // programming view's increments and counter.
    QStringList state() const
    {
        Configuration copy = cfg;
        QStringList s = BuildFile(copy).lines;
        s << QString::number(cfg.progcounter);
        for (int n = 1; n <= 8; ++n)
            s << QString::number(cfg.offset[size_t(n)]);
        return s;
    }

    // The keys as the user presses them, where the focus is.
    static void keys(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QWidget* target = QApplication::focusWidget();
        if (!target)
            target = QApplication::activeWindow();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    static void ctrlZ() { keys(Qt::Key_Z); }
    static void ctrlY() { keys(Qt::Key_Y); }

    // The user types into a field that has the focus.
    static void typeInto(QWidget* field, const QString& text)
    {
        field->setFocus(Qt::MouseFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->selectAll();
        QTest::keyClicks(field, text);
    }

    // The programmable transmitter, as the transmitter selection makes it current.
    void programmable()
    {
        cfg.activeType = typ::Uni16;
        cfg.current() = cfg.types[typ::Uni16];
        w->FormPaint();
    }

    // A click on row n of the code table: the row takes the focus, the code editor opens.
    void openCode(int n)
    {
        w->PanC[n]->setFocus(Qt::MouseFocusReason);
        w->PanCClick(n);
    }
};

}  // namespace

// Each kind of step: the change made as the user makes it, taken back and redone.
TEST_F(UndoTest, EveryKindOfChangeIsTakenBackAndRedoneWhole)
{
    struct Row {
        const char* what;
        std::function<void()> before;   // the situation, not a step itself
        std::function<void()> change;
        QString name;
        std::function<void()> shown;    // after Ctrl+Z: what the window shows
    };
    const std::vector<Row> rows{
        {"a field left with Tab", nullptr, [this] { leave(w->sperrzeit, S("500")); },
         S("Sperrzeit"), [this] { EXPECT_EQ(w->sperrzeit->text(), S("   0")); }},
        // Lowering the code length cut both addresses; one Ctrl+Z brings both back, also
        // with the focus still in the field where Enter committed it.
        {"the code length with Enter",
         [this] {
             programmable();
             cfg.codes[1].address = 3000;
             cfg.codes[2].address = 3500;
             w->FormPaint();
         },
         [this] {
             typeInto(w->bitanzahl, S("10"));
             QTest::keyClick(w->bitanzahl, Qt::Key_Return);
             EXPECT_EQ(cfg.codes[2].address, 1023u);
         },
         S("Codierlänge"),
         [this] {
             EXPECT_EQ(QApplication::focusWidget(), w->bitanzahl);
             EXPECT_EQ(w->bitanzahl->text(), S("40"));
             EXPECT_EQ(w->Cadd[1]->text().trimmed(), S("3000"));
             EXPECT_EQ(w->Cadd[2]->text().trimmed(), S("3500"));
         }},
        {"a check box", nullptr, [this] { w->CBvr13->click(); }, S("Verriegelung OUT 1 - OUT 3"),
         [this] { EXPECT_FALSE(w->CBvr31->isChecked()); }},
        {"an arrow button", nullptr, [this] { w->UpDownPruefUp->click(); }, S("Prüfschärfe"),
         [this] { EXPECT_EQ(w->pruefanzahl->text(), S(" 3")); }},
        {"the code editor", nullptr,
         [this] {
             seam.answerNext([this](QDialog&) { forms.FCode->RBon->click(); });
             openCode(3);
         },
         S("CODE 3"), [this] { EXPECT_EQ(w->Cfun[3]->text().trimmed(), S("- keine -")); }},
        // The programmable transmitter's dialog applies the code length at once, whatever
        // closes it; its visit is one step of the code it was opened for.
        {"an address dialog", [this] { programmable(); },
         [this] {
             seam.answerNext([this](QDialog&) { forms.FCode->adresshilfe->click(); });
             seam.answerNext([this](QDialog&) {
                 clickInto(forms.FB16->bitanzahl, S("20"));
                 leave(forms.FB16->bitanzahl);
             });
             openCode(4);
         },
         S("CODE 4"), [this] { EXPECT_EQ(w->bitanzahl->text(), S("10")); }},
        {"the system settings", nullptr,
         [this] {
             seam.answerNext([this](QDialog&) {
                 clickInto(forms.Fsystem->refmin, S("99"));
                 leave(forms.Fsystem->refmin);
             });
             w->MSystemClick();
         },
         S("System-Grundeinstellungen"), [this] { EXPECT_FALSE(w->warnung1->isVisibleTo(w)); }},
        // A type chosen by mistake cuts every address with its mask.
        {"the transmitter selection",
         [this] {
             cfg.codes[6].address = 300000;
             w->FormPaint();
         },
         [this] {
             seam.answerNext([this](QDialog&) { forms.FBselect->FB1aurelClick(); });
             w->FBselectClick();
             EXPECT_EQ(cfg.codes[6].address, 300000u & 0xFFF);
         },
         S("Senderauswahl"), [this] { EXPECT_EQ(w->Cadd[6]->text().trimmed(), S("300000")); }},
        {"the project name", nullptr,
         [this] {
             seam.answerNext([this](QDialog&) {
                 typeInto(forms.FProjekt->EditProjekt, S("Tor Nord"));
                 QTest::keyClick(forms.FProjekt->EditProjekt, Qt::Key_Return);
             });
             w->Projektname1Click();
         },
         S("Projektname"), [this] { EXPECT_EQ(w->projectname->text(), S("-Projektname-")); }},
        {"the comment, one visit", [this] { w->McommentClick(); },
         [this] {
             typeInto(w->comment, S("Halle 3"));
             QTest::keyClick(w->comment, Qt::Key_Return);
             QTest::keyClicks(w->comment, S("Tor 2"));
             w->pruefanzahl->setFocus();
         },
         S("Kommentar"), [this] { EXPECT_FALSE(w->comment->toPlainText().contains(S("Tor"))); }},
        {"text dropped into the comment", [this] { w->pruefanzahl->setFocus(); },
         [this] {
             QMimeData text;
             text.setText(S("Halle 9 "));
             QWidget* area = w->comment->viewport();
             const QPoint at(5, 5);
             QDragEnterEvent enter(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(area, &enter);
             QDropEvent drop(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(area, &drop);
             QCoreApplication::processEvents();
             ASSERT_TRUE(cfg.comment.join(QString()).contains(S("Halle 9")));
         },
         S("Kommentar"), nullptr},
        {"a read that replaced the configuration",
         [this] {
             Configuration module;
             NeueDatei(module);
             module.codes[5] = {777, false, false, true, false, FnAus, 1, false, 0};
             EncodeImage(module);
             port.eeprom = module.txBuffer;
         },
         [this] {
             answerNEIN();   // the changes of the rows before are not saved: read on
             w->ReadButton->click();
         },
         S("Modul auslesen"),
         [this] { EXPECT_NE(w->Cadd[5]->text().trimmed(), S("777")); }},
        {"the advance after programming",
         [this] {
             cfg.codes[1] = {100, true, false, false, false, FnEin, 1, false, 0};
             cfg.offset[1] = 5;
             w->FormPaint();
         },
         [this] { w->SendButton->click(); }, S("Modul programmieren"),
         [this] { EXPECT_EQ(w->Cadd[1]->text().trimmed(), S("100")); }},
        {"a radio button", nullptr, [this] { w->RBdirekt->click(); }, S("\"Parallel\"-Codes"),
         [this] { EXPECT_FALSE(w->Pdirekt->isVisibleTo(w)); }},
    };

    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.before)
            row.before();
        w->FormPaint();
        activate(w);
        const QStringList before = state();

        row.change();
        activate(w);
        const QStringList after = state();
        ASSERT_NE(after, before);
        EXPECT_EQ(w->MUndo->text(), S("&Rückgängig: ") + row.name);

        ctrlZ();
        EXPECT_EQ(state(), before);
        EXPECT_EQ(w->MRedo->text(), S("&Wiederholen: ") + row.name);
        if (row.shown)
            row.shown();

        ctrlY();
        EXPECT_EQ(state(), after);
        EXPECT_EQ(w->MUndo->text(), S("&Rückgängig: ") + row.name);
    }
}

// Typing not yet committed is the field's own to take back; the configuration's history
// stays as it was.
TEST_F(UndoTest, AFieldTakesTheKeysOnlyForItsOwnTyping)
{
    w->McommentClick();
    leave(w->umschaltzeit, S("500"));   // an earlier step the keys must not reach
    struct Row {
        const char* what;
        QWidget* field;
        std::function<QString()> text;
    };
    const std::vector<Row> rows{
        {"a field", w->sperrzeit, [this] { return w->sperrzeit->text(); }},
        {"the comment", w->comment, [this] { return w->comment->toPlainText(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QStringList before = state();
        const QString shown = row.text();
        typeInto(row.field, S("70"));
        const QString typed = row.text();
        ASSERT_NE(typed, shown);

        ctrlZ();
        EXPECT_EQ(row.text(), shown);
        ctrlY();
        EXPECT_EQ(row.text(), typed);
        ctrlZ();
        EXPECT_EQ(state(), before);
        EXPECT_EQ(w->MUndo->text(), S("&Rückgängig: Umschaltzeit"));
        w->pruefanzahl->setFocus();
    }
}

// The code editor's own keys take back the steps made since it opened, and it shows them.
TEST_F(UndoTest, TheCodeEditorTakesBackOnlyItsOwnSteps)
{
    leave(w->sperrzeit, S("500"));
    cfg.codes[2].address = 40;
    w->FormPaint();
    TFCode* code = forms.FCode;
    seam.answerNext([&](QDialog&) {
        activate(code);
        typeInto(code->codeadresse, S("1234"));
        QTest::keyClick(code->codeadresse, Qt::Key_Return);
        code->RBoff->click();
        ASSERT_EQ(cfg.codes[2].address, 1234u);
        code->codeadresse->setFocus();

        ctrlZ();   // the function
        EXPECT_FALSE(code->RBoff->isChecked());
        ctrlZ();   // the address
        EXPECT_EQ(code->codeadresse->text().trimmed(), S("40"));
        ctrlZ();   // nothing more: the step before the editor opened stays
        EXPECT_EQ(cfg.sperrzeit, 50);
        ctrlY();
        EXPECT_EQ(code->codeadresse->text().trimmed(), S("1234"));
    });
    openCode(2);
    EXPECT_EQ(cfg.codes[2].address, 1234u);
    EXPECT_EQ(cfg.codes[2].function, FnKeine);
    EXPECT_EQ(w->MUndo->text(), S("&Rückgängig: CODE 2"));
    EXPECT_EQ(w->MRedo->text(), S("&Wiederholen: CODE 2"));
}

// 200 steps are kept; beyond that the oldest go.
TEST_F(UndoTest, TheHistoryKeepsTheLast200Steps)
{
    w->MProgClick();
    for (int i = 1; i <= 205; ++i)
        leave(w->offset[1], QString::number(i));
    for (int i = 0; i < 210 && w->MUndo->isEnabled(); ++i)
        ctrlZ();
    EXPECT_EQ(cfg.offset[1], 5);
    EXPECT_EQ(w->offset[1]->text(), S("   5"));
    EXPECT_EQ(w->MUndo->text(), S("&Rückgängig"));
    EXPECT_EQ(w->MRedo->text(), S("&Wiederholen: increment CODE 1"));
}

// "Datei neu" and loading a file start a new history; taking back to the saved state leaves
// nothing to save.
TEST_F(UndoTest, NewAndLoadStartANewHistoryAndTheSavedStateIsUnchangedAgain)
{
    const QString file = dir.filePath(S("tor.fbe"));
    leave(w->sperrzeit, S("500"));
    seam.saveFileNames.push_back(file);
    w->MsaveClick();
    w->CBvr24->click();
    leave(w->pruefanzahl, S("7"));

    struct Row {
        const char* what;
        std::function<void()> start;
    };
    const std::vector<Row> rows{
        {"Datei neu", [this] { w->MNewClick(); }},
        {"Datei laden",
         [&] {
             seam.openFileNames.push_back(file);
             w->MopenClick();
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        leave(w->sperrzeit, S("100"));
        answerNEIN();   // the changes are not saved
        row.start();
        EXPECT_FALSE(w->MUndo->isEnabled());
        EXPECT_EQ(w->MUndo->text(), S("&Rückgängig"));
        EXPECT_FALSE(w->MRedo->isEnabled());
    }
    EXPECT_EQ(cfg.sperrzeit, 50);

    // Changed and taken back: closing asks nothing.
    const int asked = questions();
    w->CBvr24->click();
    leave(w->sperrzeit, S("900"));
    ctrlZ();
    ctrlZ();
    w->close();
    EXPECT_EQ(questions(), asked);
    EXPECT_FALSE(w->isVisible());
}

// The menu between "&Datei" and "&Kommunikation", greyed without a step.
TEST_F(UndoTest, TheEditMenuSitsAfterTheFileMenu)
{
    QStringList titles;
    for (QAction* a : w->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{S("&Datei"), S("&Bearbeiten"), S("&Kommunikation"),
                                   S("&Einstellungen"), S("S&ystem"), S("&Hilfe")}));
    EXPECT_FALSE(w->MUndo->isEnabled());
    EXPECT_FALSE(w->MRedo->isEnabled());

    // Commits that change nothing make no step: a field left as it was, a start state ticked
    // while the store function is on (the refresh clears it again).
    cfg.store = true;
    w->FormPaint();
    leave(w->sperrzeit, S("0"));
    w->CBinitout1->click();
    w->FormPaint();
    EXPECT_FALSE(w->CBinitout1->isChecked());
    EXPECT_FALSE(w->MUndo->isEnabled());

    // Ctrl+Shift+Z redoes as Ctrl+Y does.
    leave(w->sperrzeit, S("20"));
    ctrlZ();
    keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cfg.sperrzeit, 2);
    EXPECT_FALSE(w->MRedo->isEnabled());
}

// With the focus in the comment, Ctrl+Z and Ctrl+Y are the comment's only while it holds
// typing of its own; otherwise they take back and redo the last step, as in every field.
TEST_F(UndoTest, TheCommentKeepsTheKeysOnlyForItsOwnTyping)
{
    w->McommentClick();
    struct Row {
        const char* what;
        std::function<void()> inTheComment;   // the focus comes into the comment, and ...
        std::function<void()> afterCtrlZ;
        std::function<void()> afterCtrlY;
    };
    const QString shown = w->comment->toPlainText();
    const std::vector<Row> rows{
        {"clicked into, nothing typed", [this] { w->comment->setFocus(Qt::MouseFocusReason); },
         [this] {
             EXPECT_EQ(cfg.sperrzeit, 0);
             EXPECT_EQ(w->infoLines(), QStringList{S(" rückgängig: Sperrzeit")});
         },
         [this] { EXPECT_EQ(cfg.sperrzeit, 50); }},
        {"typed into", [this] { typeInto(w->comment, S("Tor 2 ")); },
         [&] {
             EXPECT_EQ(w->comment->toPlainText(), shown);
             EXPECT_EQ(cfg.sperrzeit, 50);
             EXPECT_EQ(w->MUndo->text(), S("&Rückgängig: Sperrzeit"));
         },
         [&] { EXPECT_EQ(w->comment->toPlainText(), S("Tor 2 ") + shown); }},
        // Left with Tab and entered again: the typing is a step, no longer the comment's.
        {"typed into, left and entered again",
         [this] {
             typeInto(w->comment, S("Tor 2 "));
             QTest::keyClick(w->comment, Qt::Key_Tab);
             ASSERT_NE(QApplication::focusWidget(), w->comment);
             w->comment->setFocus(Qt::MouseFocusReason);
         },
         [&] {
             EXPECT_EQ(w->comment->toPlainText(), shown);
             EXPECT_EQ(w->MRedo->text(), S("&Wiederholen: Kommentar"));
             EXPECT_EQ(w->infoLines(), QStringList{S(" rückgängig: Kommentar")});
         },
         [&] {
             EXPECT_EQ(w->comment->toPlainText(), S("Tor 2 ") + shown);
             EXPECT_EQ(w->infoLines(), QStringList{S(" wiederholt: Kommentar")});
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        NeueDatei(cfg);
        w->history->clear();
        w->FormPaint();
        w->pruefanzahl->setFocus();
        leave(w->sperrzeit, S("500"));
        row.inTheComment();
        ASSERT_EQ(QApplication::focusWidget(), w->comment);
        ctrlZ();
        row.afterCtrlZ();
        ctrlY();
        row.afterCtrlY();
    }
}
