// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The code and function editor: opened from a code row, editing one slot at a time, with
// the address limit, the time entry, stepping through the codes and parallel mode.
#include "FakeSeam.h"
#include "FieldInput.h"
#include "LayoutCheck.h"

#include "config/Configuration.h"
#include "editors/TFCode.h"
#include "mainwindow/Forms.h"
#include "mainwindow/TFFBmain.h"
#include "transmitters/TFFBkeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QStyle>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace fbe;
using fbe::test::FakeSeam;
using namespace fbe::test;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

void key(QWidget* target, int code, QEvent::Type type)
{
    const QString text = code == Qt::Key_Return ? S("\r") : QString();
    QKeyEvent e(type, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &e);
}

void pressKey(QWidget* target, int code)
{
    key(target, code, QEvent::KeyPress);
    key(target, code, QEvent::KeyRelease);
}

struct CodeTest : ::testing::Test {
    Configuration cfg;
    FakeSeam seam;
    Forms forms;
    std::unique_ptr<TFFBmain> win;
    TFCode* code = nullptr;

    void SetUp() override
    {
        win = std::make_unique<TFFBmain>(cfg, seam, forms);
        win->inittimer->stop();
        code = new TFCode(cfg, seam, forms, win.get());
        forms.FCode = code;
        win->FormPaint();
    }
    void TearDown() override
    {
        forms.FCode = nullptr;
        win.reset();
    }

    // Opens the editor for slot n as the main window does, and lets the user act in it.
    void open(int n, std::function<void()> act)
    {
        seam.answerNext([act](QDialog&) { act(); });
        win->PanCClick(n);
    }
    // As the transmitter selection does: the type's parameter set becomes current.
    void selectType(quint16 t)
    {
        cfg.activeType = t;
        cfg.current() = cfg.types[t];
        win->FormPaint();
    }
    // The editor stays open for the rest of the test.
    void show(int n)
    {
        cfg.slotBeingEdited = n;
        code->show();
    }
    QRadioButton* selectedFunction() const
    {
        for (QRadioButton* b : {code->RBno, code->RBon, code->RBoff, code->RBtoggle,
                                code->RB1to1, code->RBimpuls})
            if (b->isChecked())
                return b;
        return nullptr;
    }
};

}  // namespace

TEST_F(CodeTest, RowsOpenTheEditorForTheirCodeByMouseAndKeyboard)
{
    open(3, [&] {
        EXPECT_TRUE(code->isVisible());
        EXPECT_EQ(code->LCodeIndex->text(), S("CODE 3"));
        EXPECT_EQ(code->focusWidget(), code->BEnde);
        code->RBon->click();
        code->CBout[2]->click();
    });
    ASSERT_EQ(seam.modalShows.size(), 1u);
    EXPECT_EQ(seam.modalShows[0].window, code);
    EXPECT_EQ(seam.modalShows[0].title, S("Code/Funktions-Einstellungen"));
    EXPECT_EQ(cfg.codes[3].function, FnEin);
    EXPECT_TRUE(cfg.codes[3].out2);
    // The main window's table shows the change at once.
    EXPECT_EQ(win->Cfun[3]->text(), S("     Ein"));
    EXPECT_EQ(win->Cout[3]->text(), S("  2    "));

    // A code row takes the focus with Tab and opens the editor with Enter or Space.
    EXPECT_TRUE(win->PanC[6]->focusPolicy() & Qt::TabFocus);
    seam.answerNext([&](QDialog&) { EXPECT_EQ(code->LCodeIndex->text(), S("CODE 6")); });
    key(win->PanC[6], Qt::Key_Return, QEvent::KeyPress);
    seam.answerNext([&](QDialog&) { EXPECT_EQ(code->LCodeIndex->text(), S("CODE 7")); });
    key(win->PanC[7], Qt::Key_Space, QEvent::KeyPress);
    EXPECT_EQ(seam.modalShows.size(), 3u);
    EXPECT_EQ(cfg.slotBeingEdited, 7);

    // Rows covered by the parallel-code panels are not reached by Tab.
    auto tabbable = [&](int n) { return bool(win->PanC[n]->focusPolicy() & Qt::TabFocus); };
    win->RBdirekt->click();
    EXPECT_TRUE(tabbable(4));
    EXPECT_FALSE(tabbable(5));
    win->RBdirektausgabe->click();
    EXPECT_FALSE(tabbable(1));
    win->RBstandard->click();
    for (int n = 1; n <= 8; ++n)
        EXPECT_TRUE(tabbable(n)) << n;
}

TEST_F(CodeTest, AddressIsLimitedToTheCodeLength)
{
    ASSERT_EQ(cfg.current().bits, 12);   // type 1 after a new configuration
    show(1);
    leave(code->codeadresse, S("5000"));
    EXPECT_EQ(cfg.codes[1].address, 4095u);
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_TRUE(code->LwarnAdresse->isVisibleTo(code));
    EXPECT_EQ(code->LwarnAdresse->text(), S("Adresse wurde begrenzt !!!"));
    EXPECT_EQ(code->codeadresse->text(), S("        4095"));
    EXPECT_EQ(win->Cadd[1]->text(), S("        4095"));

    pressEnter(code->codeadresse, S("4095"));
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_FALSE(code->LwarnAdresse->isVisibleTo(code));
    EXPECT_EQ(code->codeadresse->selectedText(), code->codeadresse->text());
    EXPECT_TRUE(code->isVisible());   // Enter takes the entry and leaves the editor open

    leave(code->codeadresse, S("abc"));
    EXPECT_EQ(cfg.codes[1].address, 0u);
    EXPECT_EQ(seam.beeps, 2);
    EXPECT_FALSE(code->LwarnAdresse->isVisibleTo(code));
    leave(code->codeadresse, S("-7"));
    EXPECT_EQ(cfg.codes[1].address, 0u);
    EXPECT_EQ(seam.beeps, 3);

    // The warning stays while the editor is open, and is gone when it opens again.
    leave(code->codeadresse, S("5000"));
    code->CBout[1]->click();
    EXPECT_TRUE(code->LwarnAdresse->isVisibleTo(code));
    code->close();
    open(2, [&] { EXPECT_FALSE(code->LwarnAdresse->isVisibleTo(code)); });
}

TEST_F(CodeTest, AddressFieldTakesTwelveTypedDigitsButShowsLongerAddresses)
{
    selectType(typ::Uni16);
    cfg.codes[2].address = (quint64(1) << 40) - 1;
    show(2);
    EXPECT_EQ(code->codeadresse->text(), S("1099511627775"));
    leave(code->codeadresse, code->codeadresse->text());
    EXPECT_EQ(cfg.codes[2].address, (quint64(1) << 40) - 1);
    EXPECT_EQ(seam.beeps, 0);

    code->codeadresse->clear();
    for (char c : std::string("9876543210987")) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_0 + (c - '0'), Qt::NoModifier, QString(QChar(c)));
        QCoreApplication::sendEvent(code->codeadresse, &e);
    }
    EXPECT_EQ(code->codeadresse->text(), S("987654321098"));
}

TEST_F(CodeTest, TimeEntryInEveryUnit)
{
    show(1);
    code->RBimpuls->click();
    EXPECT_EQ(cfg.codes[1].function, FnImpuls);
    ASSERT_TRUE(code->zeitpanel->isVisibleTo(code));
    EXPECT_EQ(code->LZeit->text(), S("Impulsdauer:"));
    code->RB1to1->click();
    EXPECT_EQ(code->LZeit->text(), S("Nachlaufzeit:"));

    const struct {
        const char* typed;
        quint16 count;
        bool coarse;
        const char* shown;
    } ms[] = {{"0", 1, false, "      10"},
              {"25", 2, false, "      20"},
              {"655340", 65534, false, "  655340"},
              {"655350", 328, true, "  656000"}};
    for (const auto& c : ms) {
        leave(code->dauer, S(c.typed));
        EXPECT_EQ(cfg.codes[1].timeCount, c.count) << c.typed;
        EXPECT_EQ(cfg.codes[1].timeRaster, c.coarse) << c.typed;
        EXPECT_EQ(code->dauer->text(), S(c.shown)) << c.typed;
    }

    // The unit changes only the display: 1500 ms shown in seconds.
    leave(code->dauer, S("1500"));
    code->timebase->setCurrentIndex(1);
    emit code->timebase->activated(1);
    EXPECT_EQ(cfg.codes[1].timebase, 1);
    EXPECT_EQ(cfg.codes[1].timeCount, 150);
    EXPECT_EQ(code->dauer->text(), S("     1,5"));
    EXPECT_TRUE(win->Cfun[1]->text().contains(S("1,5s")));

    pressEnter(code->dauer, S("2,5"));
    EXPECT_EQ(cfg.codes[1].timeCount, 250);
    EXPECT_EQ(code->dauer->selectedText(), code->dauer->text());
    leave(code->dauer, S("2.5"));
    EXPECT_EQ(cfg.codes[1].timeCount, 250);
    EXPECT_EQ(seam.beeps, 0);

    cfg.codes[1].timebase = 3;
    leave(code->dauer, S("1"));
    EXPECT_EQ(cfg.codes[1].timeCount, 1800);
    EXPECT_TRUE(cfg.codes[1].timeRaster);
    leave(code->dauer, S("100"));
    EXPECT_EQ(cfg.codes[1].timeCount, 65520);
    EXPECT_EQ(code->dauer->text(), S("    36,4"));

    leave(code->dauer, S("lang"));
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_EQ(cfg.codes[1].timeCount, 1800);   // 1 h
}

TEST_F(CodeTest, NewTimeGoesToUnusedCodesOneToFour)
{
    cfg.codes[3].function = FnEin;
    cfg.codes[3].timeCount = 77;
    cfg.codes[1].function = FnImpuls;
    cfg.codes[1].timebase = 1;
    cfg.codes[6].function = FnKeine;
    show(1);
    leave(code->dauer, S("3"));
    for (int k : {2, 4}) {
        EXPECT_EQ(cfg.codes[k].timeCount, 300) << k;
        EXPECT_EQ(cfg.codes[k].timebase, 1) << k;
        EXPECT_FALSE(cfg.codes[k].timeRaster) << k;
    }
    EXPECT_EQ(cfg.codes[3].timeCount, 77);
    EXPECT_EQ(cfg.codes[6].timeCount, 1);
}

TEST_F(CodeTest, ArrowsAndNextCodeWrap)
{
    show(8);
    code->UpDownPruefUp->click();
    EXPECT_EQ(cfg.slotBeingEdited, 1);
    code->UpDownPruefDown->click();
    EXPECT_EQ(cfg.slotBeingEdited, 8);
    EXPECT_EQ(code->LCodeIndex->text(), S("CODE 8"));
    code->Bnext->click();
    EXPECT_EQ(cfg.slotBeingEdited, 1);
    // Page Up and Page Down step as the arrows do.
    pressKey(code, Qt::Key_PageDown);
    EXPECT_EQ(cfg.slotBeingEdited, 8);
    pressKey(code, Qt::Key_PageUp);
    EXPECT_EQ(cfg.slotBeingEdited, 1);

    // The arrows take an address still being typed first.
    code->codeadresse->setText(S("123"));
    code->UpDownPruefUp->click();
    EXPECT_EQ(cfg.codes[1].address, 123u);
    EXPECT_EQ(cfg.slotBeingEdited, 2);

    // "nächster Code" gives an empty new code the address of the one before.
    cfg.codes[2].address = 222;
    cfg.codes[3].address = 0;
    code->CodeShow(2);
    code->Bnext->click();
    EXPECT_EQ(cfg.codes[3].address, 222u);
    cfg.codes[4].address = 44;
    code->Bnext->click();
    EXPECT_EQ(cfg.codes[4].address, 44u);
    cfg.codes[5].function = FnAus;
    code->Bnext->click();
    EXPECT_EQ(cfg.codes[5].address, 0u);

    // In parallel mode only codes 1..4 exist.
    win->RBdirekt->click();
    cfg.slotBeingEdited = 4;
    code->FormShow();
    code->UpDownPruefUp->click();
    EXPECT_EQ(cfg.slotBeingEdited, 1);
    code->UpDownPruefDown->click();
    EXPECT_EQ(cfg.slotBeingEdited, 4);
    code->Bnext->click();
    EXPECT_EQ(cfg.slotBeingEdited, 1);
    EXPECT_EQ(cfg.codes[1].address, 123u);   // a wrap copies nothing
}

TEST_F(CodeTest, TimedFunctionsOnlyForCodesOneToFour)
{
    cfg.codes[4].function = FnTastend;
    show(4);
    EXPECT_TRUE(code->RB1to1->isChecked());
    EXPECT_TRUE(code->zeitpanel->isVisibleTo(code));
    code->UpDownPruefUp->click();
    EXPECT_EQ(code->LCodeIndex->text(), S("CODE 5"));
    EXPECT_FALSE(code->RB1to1->isEnabled());
    EXPECT_FALSE(code->RBimpuls->isEnabled());
    EXPECT_EQ(selectedFunction(), code->RBno);
    EXPECT_FALSE(code->zeitpanel->isVisibleTo(code));

    // A timed function read from a file on code 5 shows as none, as the table shows it.
    cfg.codes[5].function = FnImpuls;
    code->CodeShow(5);
    EXPECT_EQ(selectedFunction(), nullptr);
    EXPECT_FALSE(code->zeitpanel->isVisibleTo(code));
    EXPECT_EQ(cfg.codes[5].function, FnImpuls);
}

TEST_F(CodeTest, TabEntersTheFunctionsAtTheSelectedOne)
{
    cfg.codes[4].function = FnTastend;
    cfg.codes[5].function = FnEin;
    show(4);
    code->activateWindow();
    QApplication::processEvents();
    auto tab = [&](QWidget* from, bool back = false) {
        from->setFocus();
        pressKey(from, back ? Qt::Key_Backtab : Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    EXPECT_EQ(tab(code->adresshilfe), code->RB1to1);
    EXPECT_EQ(tab(code->RB1to1), code->dauer);
    // The last focused function, disabled on code 5, neither takes the focus nor makes Tab
    // skip the group.
    code->UpDownPruefUp->click();
    EXPECT_EQ(tab(code->adresshilfe), code->RBon);
    EXPECT_EQ(tab(code->CBout[1], true), code->RBon);
    EXPECT_EQ(tab(code->RBon), code->CBout[1]);
    EXPECT_EQ(tab(code->BEnde), code->codeadresse);
}

TEST_F(CodeTest, ParallelModeHidesTheAddressAndToggle)
{
    cfg.codes[2].function = FnWechsel;
    win->RBdirekt->click();
    leave(win->dirshift, S("12"));
    open(2, [&] {
        EXPECT_FALSE(code->PAdresse->isVisible());
        EXPECT_TRUE(code->Label7->isVisible());
        EXPECT_EQ(code->LBitPos->text(), S("14"));
        EXPECT_FALSE(code->RBtoggle->isEnabled());
        EXPECT_EQ(selectedFunction(), nullptr);
        code->CBout[1]->click();   // any other change keeps the toggle unselected
        EXPECT_EQ(selectedFunction(), nullptr);
    });
    EXPECT_EQ(cfg.codes[2].function, FnWechsel);
    EXPECT_TRUE(cfg.codes[2].out1);

    win->RBstandard->click();
    open(2, [&] {
        EXPECT_TRUE(code->PAdresse->isVisible());
        EXPECT_TRUE(code->RBtoggle->isEnabled());
        EXPECT_EQ(selectedFunction(), code->RBtoggle);
    });
}

TEST_F(CodeTest, ClosingKeepsAnEntryStillBeingTyped)
{
    open(1, [&] {
        code->codeadresse->setFocus();
        code->codeadresse->setText(S("321"));
        pressKey(code, Qt::Key_Escape);
    });
    EXPECT_EQ(cfg.codes[1].address, 321u);
    EXPECT_FALSE(code->isVisible());
    EXPECT_EQ(seam.beeps, 0);

    cfg.codes[2].function = FnImpuls;
    open(2, [&] {
        code->dauer->setFocus();
        code->dauer->setText(S("750"));
        code->BEnde->click();
    });
    EXPECT_EQ(cfg.codes[2].timeCount, 75);
    // Enter on the focused "Ende" closes as a click does.
    open(2, [&] { key(code->BEnde, Qt::Key_Return, QEvent::KeyPress); });
    EXPECT_EQ(seam.modalShows.back().result, int(QDialog::Rejected));
    EXPECT_FALSE(code->isVisible());
}

TEST_F(CodeTest, AddressButtonOpensTheDialogOfTheActiveType)
{
    TFFB4 fb4(cfg, seam, forms);
    forms.FB4 = &fb4;
    cfg.codes[3].address = 0x123;
    show(3);
    seam.answerNext([&](QDialog& d) {
        EXPECT_EQ(&d, static_cast<QDialog*>(&fb4));
        EXPECT_EQ(cfg.codes[0].address, 0x123u);   // handed over in the scratch slot
        cfg.codes[0].address = 0x456;
        cfg.codes[3].address = 0x456;
        d.accept();
    });
    code->adresshilfe->click();
    ASSERT_EQ(seam.modalShows.size(), 1u);
    EXPECT_EQ(code->codeadresse->text().trimmed(), QString::number(0x456));
    EXPECT_EQ(code->focusWidget(), code->BEnde);

    for (quint16 t : {typ::Uni17, typ::Hand}) {
        cfg.activeType = t;
        cfg.current().typ = t;
        code->CodeShow(3);
        EXPECT_FALSE(code->adresshilfe->isEnabled());
        code->adresshilfeClick();
    }
    EXPECT_EQ(seam.modalShows.size(), 1u);
    forms.FB4 = nullptr;
}

// The longest address and time show in full, every text fits and no control lies on another.
// Pictures of the editor in these states are saved when FBE_SHOT_DIR names a folder.
TEST_F(CodeTest, LongestTextsFitAndNothingOverlaps)
{
    auto shot = [&](const char* name) {
        QApplication::processEvents();
        checkLayout(code, S(name));
    };
    cfg.codes[1].function = FnImpuls;
    cfg.codes[1].timebase = 1;
    cfg.codes[1].timeCount = 250;
    cfg.codes[1].out1 = cfg.codes[1].out3 = true;
    show(1);
    leave(code->codeadresse, S("999999"));
    shot("code-limit");

    selectType(typ::Uni16);
    cfg.codes[2].address = (quint64(1) << 40) - 1;
    cfg.codes[2].function = FnTastend;
    cfg.codes[2].timeRaster = true;
    cfg.codes[2].timeCount = 65520;
    cfg.codes[2].timebase = 0;
    cfg.slotBeingEdited = 2;
    code->FormShow();
    shot("code-longest");
    EXPECT_EQ(code->dauer->text(), S("131040000"));
    EXPECT_TRUE(fits(code->dauer));
    EXPECT_TRUE(fits(code->codeadresse));
    EXPECT_LE(code->LwarnAdresse->sizeHint().width(), code->LwarnAdresse->width());
    cfg.codes[2].timebase = 2;
    code->CodeShow(2);
    EXPECT_EQ(code->dauer->text(), S("    2184"));

    win->RBdirekt->click();
    leave(win->dirshift, S("40"));
    cfg.slotBeingEdited = 4;
    code->FormShow();
    shot("code-parallel");
    EXPECT_EQ(code->LBitPos->text(), S("44"));
    EXPECT_LE(code->LBitPos->sizeHint().width(), code->LBitPos->width());
}
