// SPDX-FileCopyrightText: 2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Every command of the main window takes what was typed into the field with the focus and
// not yet committed (Enter not pressed, the field not left): quitting, closing, "Datei neu",
// "Datei laden", "Modul auslesen" and "Modul programmieren", "Datei speichern", "Als PDF
// speichern", "Rückgängig" chosen from the menu.
#include "FieldInput.h"
#include "TransferTest.h"

#include "config/FbeFile.h"
#include "config/ImageCodec.h"
#include "mainwindow/UndoHistory.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <functional>

using namespace fbe;
using namespace fbe::test;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

struct CommandTest : TransferTest {
    // The user clicks into a field and types, without Enter and without leaving it.
    static void typeInto(QWidget* field, const QString& text)
    {
        field->setFocus(Qt::MouseFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->selectAll();
        QTest::keyClicks(field, text);
    }
    // "&Bearbeiten" opened with the mouse and "&Rückgängig" chosen.
    void undoFromTheMenu()
    {
        w->MBearbeiten->popup(w->mapToGlobal(QPoint(60, 0)));
        QApplication::processEvents();
        ASSERT_TRUE(w->MUndo->isEnabled());
        w->MUndo->trigger();
        w->MBearbeiten->hide();
        QApplication::processEvents();
    }
    // The window active again after a dialog.
    void backInTheWindow()
    {
        w->activateWindow();
        QApplication::processEvents();
    }
    static void ctrl(int key)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);
    }

    // What a PDF says, as pdftotext reads it.
    static QString pdfText(const QString& pdf)
    {
        QProcess p;
        p.start(S("pdftotext"), {S("-layout"), pdf, S("-")});
        EXPECT_TRUE(p.waitForFinished(20000)) << "pdftotext (poppler-utils) did not run";
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    }
};

}  // namespace

// The lock time typed as "770" (77 units) over the new configuration's "   0", left as it is.
TEST_F(CommandTest, EveryCommandTakesWhatWasTypedIntoTheLockTime)
{
    struct Row {
        const char* command;
        std::function<void()> run;
        std::function<void()> check;   // after the command
        bool typingStays = true;       // the configuration holds the typed value after it
    };
    const QString file = path(S("tor.fbe"));
    const QString pdf = path(S("tor.pdf"));
    const std::vector<Row> rows{
        // The question comes, as the typing changed the configuration; "Abbrechen" keeps it.
        {"quit (Ctrl+Q)",
         [&] {
             answerAbbrechen();
             ctrl(Qt::Key_Q);
         },
         [&] {
             EXPECT_EQ(questions(), 1);
             EXPECT_TRUE(w->isVisible());
         }},
        {"close (title bar)",
         [&] {
             answerAbbrechen();
             w->close();
         },
         [&] {
             EXPECT_EQ(questions(), 1);
             EXPECT_TRUE(w->isVisible());
         }},
        // Asked, not saved: the new configuration's value, not the typing, is shown.
        {"new (Ctrl+N)",
         [&] {
             answerNEIN();
             ctrl(Qt::Key_N);
         },
         [&] {
             EXPECT_EQ(questions(), 1);
             EXPECT_EQ(cfg.sperrzeit, 0);
             EXPECT_EQ(w->sperrzeit->text(), S("   0"));
         },
         false},
        {"open (Ctrl+O)",
         [&] {
             answerAbbrechen();
             ctrl(Qt::Key_O);
         },
         [&] { EXPECT_EQ(questions(), 1); }},
        {"read",
         [&] {
             answerAbbrechen();
             w->Mread->trigger();
         },
         [&] {
             EXPECT_EQ(questions(), 1);
             EXPECT_EQ(transferShows(), 0);
         }},
        {"program", [&] { w->Mprogram->trigger(); },
         [&] { EXPECT_EQ(port.eeprom[img::Sperrzeit], 77); }},
        {"save (Ctrl+S)",
         [&] {
             seam.saveFileNames.push_back(file);
             ctrl(Qt::Key_S);
         },
         [&] {
             Configuration saved;
             ASSERT_TRUE(LoadFile(saved, file).ok);
             EXPECT_EQ(saved.sperrzeit, 77);
         }},
        {"PDF",
         [&] {
             seam.saveFileNames.push_back(pdf);
             w->Mpdf->trigger();
         },
         [&] { EXPECT_TRUE(pdfText(pdf).contains(S("Sperrzeit: 770 ms"))) << pdfText(pdf).toStdString(); }},
        // The typing becomes a step, which the undo takes back.
        // Opening the menu commits the typing, so that "Rückgängig" is offered at all.
        {"undo from the menu", [&] { undoFromTheMenu(); },
         [&] {
             EXPECT_EQ(cfg.sperrzeit, 0);
             EXPECT_EQ(w->sperrzeit->text(), S("   0"));
             EXPECT_EQ(w->MRedo->text(), S("&Wiederholen: Sperrzeit"));
         },
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        ASSERT_NO_FATAL_FAILURE(restart());
        typeInto(w->sperrzeit, S("770"));
        ASSERT_EQ(cfg.sperrzeit, 0);
        row.run();
        if (row.typingStays) {
            EXPECT_EQ(cfg.sperrzeit, 77);
            EXPECT_EQ(w->sperrzeit->text(), S(" 770"));
        }
        row.check();
    }
}

// The other kinds of field: the code length, the comment, the code editor's address.
TEST_F(CommandTest, EveryKindOfFieldIsCommittedByTheCommand)
{
    struct Row {
        const char* what;
        std::function<void()> run;
    };
    const std::vector<Row> rows{
        // The code length typed before "Modul programmieren": the module gets it, and the
        // address it limits, not what the window showed before.
        {"the code length, then program",
         [&] {
             cfg.activeType = typ::Uni16;
             cfg.current() = cfg.types[typ::Uni16];
             cfg.codes[1] = {3000, true, false, false, false, FnEin, 1, false, 0};
             w->FormPaint();
             typeInto(w->bitanzahl, S("10"));
             w->Mprogram->trigger();
             EXPECT_EQ(port.eeprom[img::Bits], 10);
             EXPECT_EQ(port.eeprom[img::Addresses] | port.eeprom[img::Addresses + 1] << 8, 1023);
             EXPECT_EQ(w->infoLines().value(0), S("Übertragung erfolgreich"));
         }},
        // The comment's typing is a step: after the cancelled quit Ctrl+Z takes the step
        // back through the history, as after leaving the comment.
        {"the comment, then quit and Ctrl+Z",
         [&] {
             w->McommentClick();
             const QStringList before = cfg.comment;
             typeInto(w->comment, S("Halle 3"));
             answerAbbrechen();
             ctrl(Qt::Key_Q);
             EXPECT_EQ(questions(), 1);
             EXPECT_EQ(w->MUndo->text(), S("&Rückgängig: Kommentar"));
             backInTheWindow();
             ASSERT_EQ(QApplication::focusWidget(), w->comment);
             ctrl(Qt::Key_Z);
             EXPECT_EQ(cfg.comment, before);
             EXPECT_EQ(w->MRedo->text(), S("&Wiederholen: Kommentar"));
         }},
        {"the comment, then undo from the menu",
         [&] {
             w->McommentClick();
             const QString before = w->comment->toPlainText();
             typeInto(w->comment, S("Halle 3"));
             undoFromTheMenu();
             EXPECT_EQ(w->comment->toPlainText(), before);
             EXPECT_EQ(w->MRedo->text(), S("&Wiederholen: Kommentar"));
         }},
        // The program closed while the code editor is open (the desktop's session ends).
        {"the code editor's address, then close",
         [&] {
             seam.answerNext([&](QDialog&) {
                 forms.FCode->activateWindow();
                 QApplication::processEvents();
                 typeInto(forms.FCode->codeadresse, S("1234"));
                 answerAbbrechen();
                 w->close();
                 EXPECT_EQ(questions(), 1);
                 EXPECT_EQ(cfg.codes[2].address, 1234u);
             });
             w->PanCClick(2);
             EXPECT_EQ(cfg.codes[2].address, 1234u);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_NO_FATAL_FAILURE(restart());
        row.run();
    }
}
