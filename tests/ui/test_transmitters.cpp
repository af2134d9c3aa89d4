// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The transmitter selection and the address dialogs of the hand transmitters (1-, 2-, 4-key,
// SVS 3-key) and of the programmable transmitter.
#include "FakeSeam.h"
#include "LayoutCheck.h"
#include "FieldInput.h"

#include "config/Configuration.h"
#include "editors/TFsystem.h"
#include "editors/TFCode.h"
#include "mainwindow/Forms.h"
#include "mainwindow/TFFBmain.h"
#include "transmitters/BoardWidgets.h"
#include "transmitters/TFFB16.h"
#include "transmitters/TFFB3SVS.h"
#include "transmitters/TFFBkeys.h"
#include "transmitters/TFFBselect.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace fbe;
using fbe::test::FakeSeam;
using namespace fbe::test;

namespace {

// A left click at a point of the widget, as the pointer would give it.
void clickAt(QWidget* target, QPoint at)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }
}

void click(QWidget* target)
{
    clickAt(target, target->rect().center());
}

// Clicks the dialog at a point of its client area: the event goes to the element that lies
// there, as it would for the pointer.
void clickDialogAt(QWidget& dialog, QPoint at)
{
    QWidget* target = dialog.childAt(at);
    ASSERT_NE(target, nullptr);
    clickAt(target, target->mapFrom(&dialog, at));
}

void pressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

// Every text of the shown window fits and no control lies on another; a picture of the
// window is saved when FBE_SHOT_DIR names a folder (for looking at the art).
void saveShot(QWidget& w, const char* name)
{
    // The switches and keys sit on the drawing of the transmitter's board.
    const fbe::test::layout::Covers board{{QStringLiteral("Image1"), QString()},
                                          {QStringLiteral("Image2"), QString()}};
    fbe::test::checkLayout(&w, QString::fromLatin1(name), board);
}

struct TxTest : ::testing::Test {
    Configuration cfg;
    FakeSeam seam;
    Forms forms;

    // Shows the dialog for slot 3 holding address, runs the answer while it is open.
    void open(QDialog& dialog, quint64 address, const std::function<void()>& answer)
    {
        cfg.slotBeingEdited = 3;
        cfg.codes[3].address = address;
        cfg.codes[0].address = address;
        seam.answerNext([&](QDialog&) { answer(); });
        seam.showModal(dialog);
        EXPECT_FALSE(dialog.isVisible());
    }
};

}  // namespace

// ---- 4-key transmitter -------------------------------------------------------------------------

namespace {

// The address each switch SB1..SB10 of the 4-key board stands for.
constexpr int Fb4Values[11] = {0, 2048, 1024, 512, 256, 128, 64, 32, 16, 8, 1};

}  // namespace

TEST_F(TxTest, FourKeyActivationShowsTheSlotAddress)
{
    TFFB4 d(cfg, seam, forms);
    open(d, 0, [&] {
        for (int n = 1; n <= 10; ++n)
            EXPECT_EQ(d.SB[n]->picture(), d.refdown->picture()) << n;
        EXPECT_TRUE(d.RBro->isChecked());
        EXPECT_EQ(d.showaddress->text(), QStringLiteral("0000"));
    });
    open(d, 4095, [&] {
        for (int n = 1; n <= 10; ++n)
            EXPECT_EQ(d.SB[n]->picture(), d.refup->picture()) << n;
        EXPECT_TRUE(d.RBlu->isChecked());
        EXPECT_FALSE(d.RBro->isChecked());
        EXPECT_EQ(d.showaddress->text(), QStringLiteral("4095"));
    });
    // Key bits 2..1: 1 is the left upper key, 2 the right lower one.
    open(d, 0x002, [&] { EXPECT_TRUE(d.RBlo->isChecked()); });
    open(d, 0x804, [&] {
        EXPECT_TRUE(d.RBru->isChecked());
        EXPECT_EQ(d.SB[1]->picture(), d.refup->picture());
        EXPECT_EQ(d.SB[2]->picture(), d.refdown->picture());
        EXPECT_EQ(d.showaddress->text(), QStringLiteral("2052"));
    });
    EXPECT_EQ(seam.beeps, 0);
}

TEST_F(TxTest, FourKeySwitchesAndKeysUnderThePointer)
{
    TFFB4 d(cfg, seam, forms);
    open(d, 0, [&] {
        for (int n = 1; n <= 10; ++n) {
            const QPoint at = d.SB[n]->geometry().center();
            clickDialogAt(d, at);
            EXPECT_EQ(d.address(), Fb4Values[n]) << n;
            EXPECT_EQ(d.SB[n]->picture(), d.refup->picture()) << n;
            EXPECT_EQ(d.showaddress->text().toInt(), Fb4Values[n]);
            clickDialogAt(d, at);
            EXPECT_EQ(d.address(), 0) << n;
            EXPECT_EQ(d.SB[n]->picture(), d.refdown->picture()) << n;
        }
        // Keys: AND 0xFF9, then 0, 2, 4 or 6.
        for (int n = 1; n <= 10; ++n)
            click(d.SB[n]);
        ASSERT_EQ(d.address(), 4089);
        const std::pair<KeyRadio*, int> keys[] = {
            {d.RBlo, 4091}, {d.RBru, 4093}, {d.RBlu, 4095}, {d.RBro, 4089}};
        for (const auto& [key, value] : keys) {
            clickDialogAt(d, key->geometry().center());
            EXPECT_EQ(d.address(), value);
            EXPECT_TRUE(key->isChecked());
        }
    });
    // A key also clears every bit above bit 11.
    open(d, 0x1FFF, [&] {
        click(d.RBlo);
        EXPECT_EQ(d.address(), 0xFFB);
    });
    EXPECT_EQ(seam.beeps, 0);
}

TEST_F(TxTest, FourKeyFixedSwitchesOnlyBeep)
{
    TFFB4 d(cfg, seam, forms);
    open(d, 0x5A5, [&] {
        for (int n = 1; n <= 4; ++n) {
            const QString before = d.SBx[n]->picture();
            clickDialogAt(d, d.SBx[n]->geometry().center());
            EXPECT_EQ(d.SBx[n]->picture(), before);
            EXPECT_EQ(d.SBx[n]->toolTip(),
                      QStringLiteral("Schalter muß auf dieser Stellung bleiben!!!"));
        }
        EXPECT_EQ(d.address(), 0x5A5);
    });
    EXPECT_EQ(seam.beeps, 4);
}

// Every element lies on the board where the drawing marks it, and no two overlap, so the
// element under the pointer is the one drawn there.
TEST_F(TxTest, ElementsSitOnTheBoardInTheirOrder)
{
    TFFB4 fb4(cfg, seam, forms);
    TFFB2 fb2(cfg, seam, forms);
    TFFB1 fb1(cfg, seam, forms);
    for (TFFBkeys* d : {static_cast<TFFBkeys*>(&fb4), static_cast<TFFBkeys*>(&fb2),
                        static_cast<TFFBkeys*>(&fb1)}) {
        const QString name = d->objectName();
        std::vector<QWidget*> elements;
        for (int n = 1; n <= 12; ++n)
            if (d->SB[n])
                elements.push_back(d->SB[n]);
        for (int n = 1; n <= 4; ++n)
            if (d->SBx[n])
                elements.push_back(d->SBx[n]);
        for (QWidget* k : {static_cast<QWidget*>(d->RBlo), static_cast<QWidget*>(d->RBro),
                           static_cast<QWidget*>(d->RBlu), static_cast<QWidget*>(d->RBru)})
            if (k)
                elements.push_back(k);
        for (QWidget* e : elements) {
            EXPECT_FALSE(e->geometry().isEmpty()) << name.toStdString() << e->objectName().toStdString();
            EXPECT_TRUE(d->Image1->geometry().contains(e->geometry()))
                << name.toStdString() << e->objectName().toStdString();
            for (QWidget* other : elements) {
                if (other != e) {
                    EXPECT_FALSE(e->geometry().intersects(other->geometry()))
                        << e->objectName().toStdString() << other->objectName().toStdString();
                }
            }
        }
        // SB1 leftmost on the 4-key board, rightmost on the 1- and 2-key boards.
        const bool leftToRight = d == &fb4;
        for (int n = 1; n < 10; ++n) {
            const int a = d->SB[n]->x();
            const int b = d->SB[n + 1]->x();
            EXPECT_TRUE(leftToRight ? a < b : a > b) << name.toStdString() << n;
        }
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Adress-Konfiguration"));
    }
    EXPECT_EQ(fb4.SB[12], nullptr);
    EXPECT_EQ(fb4.SB[11], nullptr);
    EXPECT_EQ(fb1.RBlo, nullptr);
    EXPECT_EQ(fb1.RBro, nullptr);
    EXPECT_EQ(fb2.RBlu, nullptr);
    EXPECT_EQ(fb2.SBx[1], nullptr);
}

TEST_F(TxTest, OkWritesBothSlotsAndNothingElseDoes)
{
    TFFB4 d(cfg, seam, forms);
    cfg.codes[0].address = 0x111;
    open(d, 0x100, [&] {
        click(d.SB[10]);
        click(d.OK);
    });
    EXPECT_EQ(cfg.codes[3].address, 0x101u);
    EXPECT_EQ(cfg.codes[0].address, 0x101u);
    EXPECT_EQ(seam.modalShows.back().result, int(QDialog::Accepted));

    // Title bar and Escape: the clicks are forgotten.
    open(d, 0x100, [&] {
        click(d.SB[10]);
        d.close();
    });
    EXPECT_EQ(cfg.codes[3].address, 0x100u);
    EXPECT_EQ(cfg.codes[0].address, 0x100u);
    open(d, 0x100, [&] {
        click(d.SB[1]);
        pressKey(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(cfg.codes[3].address, 0x100u);

    // Enter confirms as OK does.
    open(d, 0x100, [&] {
        click(d.SB[9]);
        pressKey(&d, Qt::Key_Return);
    });
    EXPECT_EQ(cfg.codes[3].address, 0x108u);

    // OK without a click: the low 32 bits, sign-extended.
    open(d, 0x180000000ull, [&] { click(d.OK); });
    EXPECT_EQ(cfg.codes[3].address, 0xFFFFFFFF80000000ull);
    open(d, 0x1000000FFFull, [&] { click(d.OK); });
    EXPECT_EQ(cfg.codes[3].address, 0xFFFull);
}

TEST_F(TxTest, CodeEditorShowsTheAddressSetOnTheBoard)
{
    auto* main = new TFFBmain(cfg, seam, forms);
    std::unique_ptr<TFFBmain> owner(main);
    main->inittimer->stop();
    auto* code = new TFCode(cfg, seam, forms, main);
    forms.FCode = code;
    auto* fb4 = new TFFB4(cfg, seam, forms, main);
    forms.FB4 = fb4;
    main->FormPaint();
    cfg.codes[5].address = 7;
    cfg.slotBeingEdited = 5;
    seam.answerNext([&](QDialog&) {
        seam.answerNext([&](QDialog&) {
            EXPECT_EQ(fb4->address(), 7);
            click(fb4->SB[1]);
            click(fb4->OK);
        });
        code->adresshilfe->click();
        EXPECT_EQ(code->codeadresse->text().trimmed(), QStringLiteral("2055"));
        code->BEnde->click();
    });
    seam.showModal(*code);
    EXPECT_EQ(cfg.codes[5].address, 2055u);
    EXPECT_EQ(main->Cadd[5]->text().trimmed(), QStringLiteral("2055"));
    forms.FCode = nullptr;
    forms.FB4 = nullptr;
}

// ---- 2-key and 1-key transmitters ----------------------------------------------------------------

TEST_F(TxTest, TwoKeySwitchesBridgeAndKeys)
{
    TFFB2 d(cfg, seam, forms);
    open(d, 0, [&] {
        for (int n = 1; n <= 10; ++n)
            EXPECT_EQ(d.SB[n]->picture(), d.refdown->picture());
        EXPECT_EQ(d.SB[12]->picture(), d.refopen->picture());
        EXPECT_EQ(d.SB[11]->picture(), d.refopen->picture());
        EXPECT_TRUE(d.RBlo->isChecked());
        EXPECT_EQ(d.RBlo->toolTip(), QStringLiteral("linke Taste"));
        EXPECT_EQ(d.RBro->toolTip(), QStringLiteral("rechte Taste"));
        clickDialogAt(d, d.SB[10]->geometry().center());
        EXPECT_EQ(d.address(), 4);
        clickDialogAt(d, d.SB[12]->geometry().center());
        EXPECT_EQ(d.address(), 5);
        EXPECT_EQ(d.SB[12]->picture(), d.refclose->picture());
        clickDialogAt(d, d.SB[1]->geometry().center());
        EXPECT_EQ(d.address(), 2053);
        clickDialogAt(d, d.RBro->geometry().center());
        EXPECT_EQ(d.address(), 2055);
        click(d.RBlo);
        EXPECT_EQ(d.address(), 2053);
        EXPECT_EQ(d.showaddress->text(), QStringLiteral("2053"));
    });
    EXPECT_EQ(seam.beeps, 0);
    // Bit 1 set: the right key; the fixed bridge keeps its open picture and only beeps.
    open(d, 0x003, [&] {
        EXPECT_TRUE(d.RBro->isChecked());
        EXPECT_EQ(d.SB[11]->picture(), d.refopen->picture());
        EXPECT_EQ(d.SB[11]->toolTip(), QStringLiteral("Lötbrücke darf nicht gesetzt sein!!!"));
        clickDialogAt(d, d.SB[11]->geometry().center());
        EXPECT_EQ(d.address(), 3);
        EXPECT_EQ(d.SB[11]->picture(), d.refopen->picture());
        click(d.RBlo);
        EXPECT_EQ(d.address(), 1);
    });
    EXPECT_EQ(seam.beeps, 1);
}

TEST_F(TxTest, OneKeyBridgesAddTheirBits)
{
    TFFB1 d(cfg, seam, forms);
    open(d, 0, [&] {
        EXPECT_EQ(d.SB[11]->picture(), d.refopen->picture());
        EXPECT_EQ(d.SB[12]->picture(), d.refopen->picture());
        EXPECT_EQ(d.showaddress->text(), QStringLiteral("0000"));
        clickDialogAt(d, d.SB[11]->geometry().center());
        EXPECT_EQ(d.address(), 2);
        EXPECT_EQ(d.SB[11]->picture(), d.refclose->picture());
        clickDialogAt(d, d.SB[12]->geometry().center());
        EXPECT_EQ(d.address(), 3);
        clickDialogAt(d, d.SB[10]->geometry().center());
        EXPECT_EQ(d.address(), 7);
        clickDialogAt(d, d.SB[11]->geometry().center());
        EXPECT_EQ(d.address(), 5);
        EXPECT_EQ(d.SB[11]->picture(), d.refopen->picture());
        clickDialogAt(d, d.SB[12]->geometry().center());
        EXPECT_EQ(d.address(), 4);
        EXPECT_TRUE(d.findChildren<QRadioButton*>().isEmpty());
    });
    open(d, 3, [&] {
        EXPECT_EQ(d.SB[11]->picture(), d.refclose->picture());
        EXPECT_EQ(d.SB[12]->picture(), d.refclose->picture());
    });
    EXPECT_EQ(seam.beeps, 0);
}

// Every switch and active bridge of the 1- and 2-key boards, clicked where it is drawn, flips
// the value it stands for, from an all-clear and from an all-set address; 4095 shows every
// switch up and every bridge closed (the fixed bridge of the 2-key board excepted).
TEST_F(TxTest, OneAndTwoKeyEveryElementFlipsItsValue)
{
    // SB1..SB10 stand for 2048..4; SB11 for 2, SB12 for 1 (0: fixed bridge, no value).
    const int values[13] = {0, 2048, 1024, 512, 256, 128, 64, 32, 16, 8, 4, 2, 1};
    TFFB2 fb2(cfg, seam, forms);
    TFFB1 fb1(cfg, seam, forms);
    for (TFFBkeys* d : {static_cast<TFFBkeys*>(&fb2), static_cast<TFFBkeys*>(&fb1)}) {
        const std::string name = d->objectName().toStdString();
        const bool twoKey = d == &fb2;
        for (qint32 start : {0, 4095}) {
            open(*d, quint64(start), [&] {
                if (start == 4095) {
                    for (int n = 1; n <= 10; ++n)
                        EXPECT_EQ(d->SB[n]->picture(), d->refup->picture()) << name << n;
                    EXPECT_EQ(d->SB[11]->picture(), twoKey ? d->refopen->picture()
                                                           : d->refclose->picture());
                    EXPECT_EQ(d->SB[12]->picture(), d->refclose->picture()) << name;
                    EXPECT_EQ(d->showaddress->text(), QStringLiteral("4095"));
                    if (twoKey) {
                        EXPECT_TRUE(d->RBro->isChecked());
                    }
                }
                for (int n = 1; n <= 12; ++n) {
                    if (twoKey && n == 11)
                        continue;
                    const QPoint at = d->SB[n]->geometry().center();
                    clickDialogAt(*d, at);
                    EXPECT_EQ(d->address(), start ? start - values[n] : values[n]) << name << n;
                    clickDialogAt(*d, at);
                    EXPECT_EQ(d->address(), start) << name << n;
                }
            });
        }
    }
    EXPECT_EQ(seam.beeps, 0);
}

// ---- SVS 3-key transmitter ---------------------------------------------------------------------

namespace {
const quint64 SvsMask = defaultTypeRecord(typ::Svs3).mask;
}

TEST_F(TxTest, SvsActivation)
{
    TFFB3SVS d(cfg, seam, forms);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Adress-Konfiguration mit SVS FB3"));
    open(d, 0, [&] {
        for (int n = 1; n <= 8; ++n)
            EXPECT_EQ(d.SB[n]->picture(), d.refright->picture()) << n;
        EXPECT_TRUE(d.CBO->isChecked());
        EXPECT_TRUE(d.CBM->isChecked());
        EXPECT_TRUE(d.CBU->isChecked());
        EXPECT_EQ(d.showaddress->text(), QStringLiteral("00000000000000"));
    });
    open(d, SvsMask, [&] {
        for (int n = 1; n <= 8; ++n)
            EXPECT_EQ(d.SB[n]->picture(), d.refleft->picture()) << n;
        EXPECT_FALSE(d.CBO->isChecked());
        EXPECT_FALSE(d.CBM->isChecked());
        EXPECT_FALSE(d.CBU->isChecked());
        EXPECT_EQ(d.showaddress->text(), QString::number(SvsMask).rightJustified(14, QLatin1Char('0')));
    });
    // A pair reading 1, 0 has no position: the switch keeps the picture it had.
    open(d, quint64(1) << 35, [&] {
        EXPECT_EQ(d.SB[1]->picture(), d.refleft->picture());
        clickDialogAt(d, d.SB[1]->geometry().center());
        EXPECT_EQ(d.address(), quint64(1) << 35);
    });
    EXPECT_EQ(seam.beeps, 0);
}

TEST_F(TxTest, SvsSwitchFollowsTheHalfClicked)
{
    TFFB3SVS d(cfg, seam, forms);
    open(d, 0, [&] {
        PictureButton* sw = d.SB[6];
        const QRect g = sw->geometry();
        const QPoint leftHalf(g.left() + 4, g.center().y());
        const QPoint rightHalf(g.right() - 4, g.center().y());
        const quint64 low = quint64(1) << 22;
        clickDialogAt(d, rightHalf);   // right -> middle, whichever half
        EXPECT_EQ(d.address(), low);
        EXPECT_EQ(sw->picture(), d.refmiddle->picture());
        clickDialogAt(d, leftHalf);    // middle -> left
        EXPECT_EQ(d.address(), low * 3);
        EXPECT_EQ(sw->picture(), d.refleft->picture());
        clickDialogAt(d, rightHalf);   // left -> middle
        EXPECT_EQ(d.address(), low);
        clickDialogAt(d, rightHalf);   // middle -> right
        EXPECT_EQ(d.address(), 0u);
        EXPECT_EQ(sw->picture(), d.refright->picture());
        clickDialogAt(d, leftHalf);
        EXPECT_EQ(d.address(), low);
    });
    // Any click clears bits 40 and up; the other bits stay.
    open(d, (quint64(1) << 45) | 0x3, [&] {
        click(d.SB[8]);
        EXPECT_EQ(d.address(), (quint64(1) << 18) | 0x3);
    });
}

TEST_F(TxTest, SvsKeysClearTheirBitsWhenTicked)
{
    TFFB3SVS d(cfg, seam, forms);
    open(d, SvsMask, [&] {
        clickDialogAt(d, d.CBO->geometry().center());
        EXPECT_TRUE(d.CBO->isChecked());
        EXPECT_EQ(d.address(), SvsMask & ~quint64(1 << 8));
        click(d.CBM);
        click(d.CBU);
        EXPECT_EQ(d.address(), SvsMask & ~quint64(0x150));
        click(d.CBO);
        click(d.CBM);
        click(d.CBU);
        EXPECT_EQ(d.address(), SvsMask);
        EXPECT_FALSE(d.CBU->isChecked());
        click(d.CBM);
        click(d.OK);
    });
    EXPECT_EQ(cfg.codes[3].address, SvsMask & ~quint64(1 << 6));
    EXPECT_EQ(cfg.codes[0].address, SvsMask & ~quint64(1 << 6));
    open(d, 0, [&] {
        click(d.SB[1]);
        d.close();
    });
    EXPECT_EQ(cfg.codes[3].address, 0u);
    EXPECT_EQ(cfg.codes[0].address, 0u);
}

// ---- Programmable transmitter ------------------------------------------------------------------

TEST_F(TxTest, ProgrammableLimitsTheAddressToTheCodeLength)
{
    TFFB16 d(cfg, seam, forms);
    cfg.types[16].bits = 12;
    open(d, 5000, [&] {
        EXPECT_EQ(d.nowAddr->text(), QStringLiteral("        4095"));
        EXPECT_EQ(d.maxaddr->text(), QStringLiteral("4095"));
        EXPECT_EQ(d.bitanzahl->text(), QStringLiteral("12"));
        EXPECT_EQ(d.nowAddr->selectedText(), d.nowAddr->text());
        click(d.OK);
    });
    EXPECT_EQ(cfg.codes[3].address, 4095u);
    EXPECT_EQ(cfg.codes[0].address, 4095u);

    cfg.types[16].bits = 40;
    open(d, 1000, [&] {
        clickInto(d.bitanzahl, QStringLiteral("8"));
        leave(d.bitanzahl);
        EXPECT_EQ(d.address(), 255u);
        EXPECT_EQ(d.maxaddr->text(), QStringLiteral("255"));
        EXPECT_EQ(cfg.types[16].bits, 8);
        EXPECT_EQ(cfg.types[0].bits, 8);
        EXPECT_EQ(cfg.codes[3].address, 1000u);   // only OK writes the slot
    });
    EXPECT_EQ(cfg.codes[3].address, 1000u);
    EXPECT_EQ(cfg.types[16].bits, 8);            // the code length stays

    const std::pair<const char*, int> lengths[] = {{"0", 1}, {"41", 40}, {"99", 40}, {"300", 40},
                                                   {"-3", 40}, {"x", 40}, {"24", 24}};
    open(d, 0, [&] {
        for (const auto& [typed, bits] : lengths) {
            clickInto(d.bitanzahl, QString::fromLatin1(typed));
            leave(d.bitanzahl);
            EXPECT_EQ(cfg.types[16].bits, bits) << typed;
        }
        clickInto(d.bitanzahl, QStringLiteral("0"));
        leave(d.bitanzahl);
        EXPECT_EQ(d.maxaddr->text(), QStringLiteral(" 1"));
        EXPECT_EQ(d.bitanzahl->text(), QStringLiteral(" 1"));
    });
    EXPECT_EQ(seam.beeps, 0);
}

TEST_F(TxTest, ProgrammableAddressEntry)
{
    TFFB16 d(cfg, seam, forms);
    cfg.types[16].bits = 40;
    // The largest 40-bit address has 13 digits: it is kept and shown in full.
    open(d, 1099511627775ull, [&] {
        EXPECT_EQ(d.maxaddr->text(), QStringLiteral("1099511627775"));
        EXPECT_EQ(d.nowAddr->text(), QStringLiteral("1099511627775"));
        // Typing is limited to 12 characters.
        d.nowAddr->setFocus();
        d.nowAddr->selectAll();
        for (QChar c : QStringLiteral("1234567890123")) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_0 + c.digitValue(), Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(d.nowAddr, &key);
        }
        EXPECT_EQ(d.nowAddr->text(), QStringLiteral("123456789012"));
        // Enter applies the entry at once, selects it and leaves the dialog open.
        pressKey(d.nowAddr, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.address(), 123456789012u);
        EXPECT_EQ(d.nowAddr->text(), QStringLiteral("123456789012"));
        EXPECT_EQ(d.nowAddr->selectedText(), d.nowAddr->text());
        // Reached by Tab, OK is pressed with Enter as with Space.
        d.OK->setFocus();
        pressKey(d.OK, Qt::Key_Return);
    });
    EXPECT_EQ(cfg.codes[3].address, 123456789012u);
    EXPECT_EQ(seam.beeps, 0);

    // Text that is no number, and a negative number, give 0 with a beep.
    for (const char* typed : {"abc", "-5"}) {
        const int before = seam.beeps;
        open(d, 77, [&] {
            clickInto(d.nowAddr, QString::fromLatin1(typed));
            leave(d.nowAddr);
            EXPECT_EQ(d.address(), 0u) << typed;
            EXPECT_EQ(d.nowAddr->text(), QStringLiteral("           0"));
        });
        EXPECT_EQ(seam.beeps - before, 1) << typed;
        EXPECT_EQ(cfg.codes[3].address, 77u);   // closed without OK
    }
}

TEST_F(TxTest, ProgrammableMaximumAddressBeyond63Bits)
{
    TFFB16 d(cfg, seam, forms);
    const quint64 all = ~quint64(0);
    // With 64 bits and more every address fits: nothing is lowered.
    for (quint8 bits : {quint8(64), quint8(200)}) {
        cfg.types[16].bits = bits;
        open(d, all, [&] {
            EXPECT_EQ(d.maxaddr->text(), QStringLiteral("18446744073709551615"));
            EXPECT_EQ(d.address(), all);
            clickInto(d.nowAddr, QStringLiteral("5"));
            leave(d.nowAddr);
            EXPECT_EQ(d.address(), 5u);
            click(d.OK);
        });
        EXPECT_EQ(cfg.codes[3].address, 5u);
    }
    cfg.types[16].bits = 63;
    open(d, all, [&] {
        EXPECT_EQ(d.address(), 0x7FFFFFFFFFFFFFFFull);
        click(d.OK);
    });
    EXPECT_EQ(cfg.codes[3].address, 0x7FFFFFFFFFFFFFFFull);
    EXPECT_EQ(seam.beeps, 0);
}

// ---- Selection -----------------------------------------------------------------------------------

namespace {

struct SelectTest : TxTest {
    std::unique_ptr<TFFBmain> main;
    TFFBselect* select = nullptr;

    void SetUp() override
    {
        main = std::make_unique<TFFBmain>(cfg, seam, forms);
        main->inittimer->stop();
        select = new TFFBselect(cfg, seam, forms, main.get());
        forms.FBselect = select;
        main->FormPaint();
    }
    void TearDown() override
    {
        forms.FBselect = nullptr;
        main.reset();
    }
    // Opens the selection from the main window's button and runs the answer.
    void choose(const std::function<void()>& answer)
    {
        seam.answerNext([&](QDialog&) { answer(); });
        main->FBselect->click();
        EXPECT_FALSE(select->isVisible());
    }
    bool isLime(int code) const
    {
        return select->rowOf(code)->panel->palette().color(QPalette::Window)
               == TFFBselect::activeColour();
    }
};

}  // namespace

TEST_F(SelectTest, RowsInTheirOrderWithTheirTexts)
{
    choose([&] {
        const int order[] = {7, 2, 10, 1, 16, 17};
        for (int i = 0; i < TFFBselect::RowCount; ++i) {
            const TFFBselect::Row& r = select->rows[size_t(i)];
            EXPECT_EQ(r.code, order[i]);
            if (i > 0) {
                EXPECT_GT(r.panel->y(), select->rows[size_t(i - 1)].panel->y());
                EXPECT_EQ(r.panel->size(), select->rows[0].panel->size());
            }
            EXPECT_FALSE(r.name->text().isEmpty());
            // Hints for the rows of types 7, 2 and 1 only.
            const bool hints = r.code == 7 || r.code == 2 || r.code == 1;
            EXPECT_EQ(!r.panel->toolTip().isEmpty(), hints) << r.code;
            EXPECT_EQ(r.button->toolTip(),
                      hints ? QStringLiteral("direkte Adress-Berechnung für 2-Kanal-Fernbedienung")
                            : QString());
        }
        EXPECT_EQ(select->rowOf(7)->line2->text(), QStringLiteral("über 10xDIP, 2xLötbrücke"));
        EXPECT_EQ(select->rowOf(17)->line2->text(),
                  QStringLiteral("(high power version! programmierbar))"));
        EXPECT_EQ(select->rowOf(2)->panel->toolTip(),
                  QStringLiteral("Empfangsmodul für 2-Kanal Sender konfigurieren"));
        EXPECT_TRUE(select->weblabel->text().startsWith(QStringLiteral("Updates: ")));
        EXPECT_EQ(select->focusWidget(), select->abbrechen);
        EXPECT_TRUE(isLime(1));
        EXPECT_FALSE(isLime(7));
    });
    EXPECT_EQ(select->windowTitle(), QStringLiteral("Auswahl Sender"));
}

TEST_F(SelectTest, AnyPartOfARowSelectsItsType)
{
    const std::pair<int, std::function<QWidget*(const TFFBselect::Row&)>> parts[] = {
        {7, [](const TFFBselect::Row& r) { return r.button; }},
        {2, [](const TFFBselect::Row& r) { return r.line1; }},
        {10, [](const TFFBselect::Row& r) { return r.name; }},
        {16, [](const TFFBselect::Row& r) { return r.inner; }},
        {17, [](const TFFBselect::Row& r) { return r.line2; }},
        {1, [](const TFFBselect::Row& r) { return r.panel; }},
    };
    for (const auto& [code, part] : parts) {
        choose([&, code = code, part = part] {
            QWidget* w = part(*select->rowOf(code));
            clickAt(w, QPoint(2, 2));
        });
        EXPECT_EQ(cfg.activeType, code);
        EXPECT_EQ(cfg.current(), cfg.types[size_t(code)]);
        EXPECT_EQ(cfg.current().typ, code);
        EXPECT_EQ(main->warnung1->isVisible(), false);
        EXPECT_EQ(main->FBselect->icon().cacheKey(),
                  (code == 7    ? main->FB1aurel
                   : code == 2  ? main->FB2aurel
                   : code == 10 ? main->FB3svs
                   : code == 16 ? main->FB16uni
                   : code == 17 ? main->FB17uni
                                : main->FB4aurel)
                      ->icon()
                      .cacheKey());
        choose([&, code = code] {
            EXPECT_TRUE(isLime(code));
            click(select->abbrechen);
        });
    }

    // By keyboard: Enter on the focused picture button, as Space.
    choose([&] {
        QToolButton* b = select->rowOf(10)->button;
        b->setFocus();
        pressKey(b, Qt::Key_Return);
    });
    EXPECT_EQ(cfg.activeType, typ::Svs3);
}

TEST_F(SelectTest, CancelAppliesTheActiveTypeAndKeepsHandValues)
{
    // A known type: its set is re-imposed on close.
    cfg.current().refmin = 99;
    choose([&] { click(select->abbrechen); });
    EXPECT_EQ(cfg.activeType, typ::Aurel4);
    EXPECT_EQ(cfg.current(), cfg.types[typ::Aurel4]);

    // Hand-changed values (type 0): cancel keeps them, no row is lime.
    cfg.activeType = typ::Hand;
    cfg.current().typ = typ::Hand;
    cfg.current().refmin = 99;
    choose([&] {
        for (const TFFBselect::Row& r : select->rows)
            EXPECT_FALSE(isLime(r.code)) << r.code;
        pressKey(select, Qt::Key_Escape);
    });
    EXPECT_EQ(cfg.activeType, typ::Hand);
    EXPECT_EQ(cfg.current().refmin, 99);
    EXPECT_TRUE(main->warnung1->isVisibleTo(main.get()));

    // Selecting any type, also the one last applied, drops them.
    choose([&] { select->FB4aurelClick(); });
    EXPECT_EQ(cfg.current(), cfg.types[typ::Aurel4]);
    EXPECT_FALSE(main->warnung1->isVisibleTo(main.get()));
}

TEST_F(SelectTest, AddressesAreCutByTheNewMaskAndCodeLengthStaysWithItsType)
{
    choose([&] { select->FB16uniClick(); });
    cfg.codes[2].address = (quint64(1) << 40) - 1;
    main->FormPaint();
    // Code length 24 for the programmable transmitter, entered in the main window.
    main->bitanzahl->setText(QStringLiteral("24"));
    main->bitanzahlExit();
    EXPECT_EQ(main->Bits->text(), QStringLiteral("24 Bit"));

    choose([&] { select->FB2aurelClick(); });
    EXPECT_EQ(cfg.codes[2].address, 4095u);
    EXPECT_FALSE(main->Bits->isVisibleTo(main.get()));
    EXPECT_FALSE(main->Pcodierlaenge->isEnabled());

    choose([&] { select->FB16uniClick(); });
    EXPECT_EQ(cfg.codes[2].address, 4095u);
    EXPECT_EQ(cfg.current().bits, 24);
    EXPECT_EQ(main->Bits->text(), QStringLiteral("24 Bit"));
    EXPECT_TRUE(main->Pcodierlaenge->isEnabled());
    EXPECT_EQ(main->Lmaxadresse->text(), QStringLiteral("max. Adresse: 16777215"));

    choose([&] { select->FB3svsClick(); });
    cfg.codes[2].address = ~quint64(0);
    main->FormPaint();
    EXPECT_EQ(cfg.codes[2].address, defaultTypeRecord(typ::Svs3).mask);
}

TEST_F(SelectTest, MainWindowOpensSelectionAndSystemDialogs)
{
    TFsystem system(cfg, seam, forms, main.get());
    forms.Fsystem = &system;
    // The selection opens from the picture button, the panel beside it and its label.
    for (QWidget* w : {static_cast<QWidget*>(main->Label23), static_cast<QWidget*>(main->Panel9)})
        clickAt(w, QPoint(2, 2));
    main->MSystem->trigger();
    ASSERT_EQ(seam.modalShows.size(), 3u);
    EXPECT_EQ(seam.modalShows[0].window, select);
    EXPECT_EQ(seam.modalShows[1].window, select);
    EXPECT_EQ(seam.modalShows[2].window, &system);
    EXPECT_EQ(seam.modalShows[2].title, QStringLiteral("System Grundeinstellungen"));

    // A value changed there shows as soon as the dialog is closed, without waiting for the
    // main window to be activated again.
    seam.answerNext([&](QDialog&) {
        system.bits->setText(QStringLiteral("20"));
        system.bitsExit();
    });
    main->MSystemClick();
    EXPECT_TRUE(main->warnung1->isVisibleTo(main.get()));
    EXPECT_EQ(main->bitanzahl->text(), QStringLiteral("20"));
    forms.Fsystem = nullptr;
}

// ---- Screens ---------------------------------------------------------------------------------

// The drawings are compiled in and drawn: a switch looks different up and down, a key
// pressed and released. Every dialog shows its texts in full and no control lies on another.
// (With FBE_SHOT_DIR set, pictures of every dialog are saved.)
TEST_F(TxTest, DrawingsAreRenderedAndTextsFit)
{
    const auto region = [](QWidget& w, QWidget* part) {
        return w.grab(part->geometry()).toImage();
    };
    TFFB4 fb4(cfg, seam, forms);
    open(fb4, 0x5A5, [&] {
        saveShot(fb4, "fb4");
        const QImage down = region(fb4, fb4.SB[1]);
        const QImage released = region(fb4, fb4.RBlo);
        click(fb4.SB[1]);
        click(fb4.RBlo);
        EXPECT_NE(region(fb4, fb4.SB[1]), down);
        EXPECT_NE(region(fb4, fb4.RBlo), released);
        // The board itself is drawn, not left empty.
        const QImage board = region(fb4, fb4.Image1);
        EXPECT_NE(board.pixel(board.width() / 2, 8), board.pixel(2, 2));
    });
    TFFB2 fb2(cfg, seam, forms);
    open(fb2, 0x5A7, [&] {
        saveShot(fb2, "fb2");
        const QImage closed = region(fb2, fb2.SB[12]);
        click(fb2.SB[12]);
        EXPECT_NE(region(fb2, fb2.SB[12]), closed);
    });
    TFFB1 fb1(cfg, seam, forms);
    open(fb1, 0x5A6, [&] { saveShot(fb1, "fb1"); });
    TFFB3SVS svs(cfg, seam, forms);
    open(svs, 0x0F4C5000140ull, [&] {
        saveShot(svs, "svs");
        const QImage middle = region(svs, svs.SB[1]);
        click(svs.SB[1]);
        EXPECT_NE(region(svs, svs.SB[1]), middle);
    });
    TFFB16 fb16(cfg, seam, forms);
    cfg.types[16].bits = 24;
    open(fb16, 123456, [&] { saveShot(fb16, "fb16"); });
    TFFBselect sel(cfg, seam, forms);
    seam.answerNext([&](QDialog&) {
        saveShot(sel, "select");
        const QImage glyph = sel.rowOf(10)->button->grab().toImage();
        EXPECT_NE(glyph.pixel(glyph.width() / 2, glyph.height() / 2), glyph.pixel(1, 1));
    });
    seam.showModal(sel);
}
