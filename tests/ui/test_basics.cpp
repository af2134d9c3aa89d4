// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The basic settings edited in place in the main window: what each field accepts, how it
// bounds and writes back its entry, and what the check boxes and radio pairs store.
#include "FakeSeam.h"
#include "FieldInput.h"
#include "LayoutCheck.h"

#include "config/Configuration.h"
#include "dialogs/Uhinweis.h"
#include "mainwindow/Forms.h"
#include "mainwindow/TFFBmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
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

void clickLabel(QWidget* w)
{
    const QPointF at(3, 3);
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(t, at, w->mapToGlobal(at), Qt::LeftButton,
                      t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
}

struct BasicsTest : ::testing::Test {
    Configuration cfg;
    FakeSeam seam;
    Forms forms;
    std::unique_ptr<TFFBmain> win;
    std::unique_ptr<TFhinweis> notice;

    void SetUp() override
    {
        win = std::make_unique<TFFBmain>(cfg, seam, forms);
        win->inittimer->stop();   // no settings file, no start-up question
        notice = std::make_unique<TFhinweis>(cfg, seam, forms);
        forms.Fhinweis = notice.get();
        win->FormPaint();
        seam.beeps = 0;
    }
    void TearDown() override
    {
        forms.Fhinweis = nullptr;
        notice.reset();
        win.reset();
    }
    // As the transmitter selection does: the type's parameter set becomes current.
    void selectType(quint16 t)
    {
        cfg.activeType = t;
        cfg.current() = cfg.types[t];
        win->FormPaint();
    }
    const Image& image() const { return cfg.sendImage; }
};

}  // namespace

TEST_F(BasicsTest, LockTimeRoundsHalfToEvenAndBounds)
{
    leave(win->sperrzeit, S("25"));
    EXPECT_EQ(cfg.sperrzeit, 2);
    EXPECT_EQ(win->sperrzeit->text(), S("  20"));
    leave(win->sperrzeit, S("35"));
    EXPECT_EQ(win->sperrzeit->text(), S("  40"));
    leave(win->sperrzeit, S("2555"));
    EXPECT_EQ(win->sperrzeit->text(), S("2550"));
    leave(win->sperrzeit, S("9999"));
    EXPECT_EQ(cfg.sperrzeit, 255);
    EXPECT_EQ(win->sperrzeit->text(), S("2550"));
    EXPECT_EQ(seam.beeps, 0);
    pressEnter(win->sperrzeit, S("abc"));
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_EQ(cfg.sperrzeit, 0);
    EXPECT_EQ(win->sperrzeit->text(), S("   0"));
    EXPECT_EQ(win->sperrzeit->selectedText(), S("   0"));
}

TEST_F(BasicsTest, SwitchOverAndEmergencyOffTimesLiveInTheImage)
{
    leave(win->umschaltzeit, S("3000"));
    EXPECT_EQ(image()[81], 255);
    EXPECT_EQ(win->umschaltzeit->text(), S("2550"));
    // An entry that rounds to the stored value still shows the stored value.
    leave(win->umschaltzeit, S("20"));
    leave(win->umschaltzeit, S("25"));
    EXPECT_EQ(image()[81], 2);
    EXPECT_EQ(win->umschaltzeit->text(), S("  20"));

    win->CBNotAus->click();
    EXPECT_TRUE(cfg.option(opt::NotAus));
    EXPECT_TRUE(win->TimeOut->isEnabled());
    leave(win->TimeOut, S("999999"));
    EXPECT_EQ(image()[99], 255);
    EXPECT_EQ(image()[100], 255);
    EXPECT_EQ(win->TimeOut->text(), S("655350"));
    pressEnter(win->TimeOut, S("1000"));
    EXPECT_EQ(image()[99], 0);
    EXPECT_EQ(image()[100], 100);
    EXPECT_EQ(win->TimeOut->text(), S("001000"));
    EXPECT_EQ(seam.beeps, 0);
    leave(win->TimeOut, S("-"));
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_EQ(win->TimeOut->text(), S("000000"));
    win->CBNotAus->click();
    EXPECT_FALSE(cfg.option(opt::NotAus));
    EXPECT_FALSE(win->TimeOut->isEnabled());
}

TEST_F(BasicsTest, CheckCountFieldAndArrows)
{
    leave(win->pruefanzahl, S("0"));
    EXPECT_EQ(win->pruefanzahl->text(), S(" 1"));
    leave(win->pruefanzahl, S("150"));
    EXPECT_EQ(cfg.pruefanzahl, 99);
    EXPECT_EQ(win->pruefanzahl->text(), S("99"));
    win->UpDownPruefUp->click();
    EXPECT_EQ(win->pruefanzahl->text(), S("99"));
    leave(win->pruefanzahl, S("1"));
    win->UpDownPruefDown->click();
    EXPECT_EQ(win->pruefanzahl->text(), S(" 1"));
    win->UpDownPruefUp->click();
    EXPECT_EQ(cfg.pruefanzahl, 2);
    EXPECT_EQ(win->pruefanzahl->text(), S(" 2"));
    EXPECT_EQ(seam.beeps, 0);
    leave(win->pruefanzahl, S("x"));
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_EQ(cfg.pruefanzahl, 1);
}

TEST_F(BasicsTest, HiddenCorrectionIsKeptInRange)
{
    leave(win->korrektur, S("-80"));
    EXPECT_EQ(cfg.korrektur, -50);
    EXPECT_EQ(win->korrektur->text(), S("-50"));
    win->UpDownKorrUp->click();
    EXPECT_EQ(cfg.korrektur, -49);
    // The hidden checksum edit shares the correction's exit.
    win->korrektur->setText(S("q"));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(win->checksumEEPROM, &out);
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_EQ(cfg.korrektur, 1);
    EXPECT_EQ(win->korrektur->text(), S("  1"));
}

TEST_F(BasicsTest, CodeLengthOfProgrammableTypes)
{
    selectType(typ::Uni16);

    const struct {
        const char* typed;
        int bits;
    } cases[] = {{"0", 1}, {"55", 40}, {"-1", 40}, {"", 40}, {"12", 12}};
    for (const auto& c : cases) {
        leave(win->bitanzahl, S(c.typed));
        EXPECT_EQ(cfg.types[typ::Uni16].bits, c.bits) << c.typed;
        EXPECT_EQ(cfg.current().bits, c.bits) << c.typed;
        EXPECT_EQ(win->bitanzahl->text(), QStringLiteral("%1").arg(c.bits, 2)) << c.typed;
    }
    EXPECT_EQ(seam.beeps, 0);
    EXPECT_EQ(cfg.maxAddress, 4095u);
    EXPECT_EQ(win->Lmaxadresse->text(), S("max. Adresse: 4095"));
    // The code length stays with its type through a full refresh.
    win->FormPaint();
    EXPECT_EQ(cfg.current().bits, 12);
}

TEST_F(BasicsTest, ParallelCodeFields)
{
    win->RBdirekt->click();
    EXPECT_TRUE(cfg.parallelCodes);
    EXPECT_EQ(image()[82], 1);
    EXPECT_TRUE(win->Ppar->isVisibleTo(win.get()));

    leave(win->dirshift, S("45"));
    EXPECT_EQ(image()[83], 40);
    EXPECT_EQ(win->dirshift->text(), S("40"));
    pressEnter(win->dirshift, S("12"));
    EXPECT_EQ(win->Cadd[1]->text(), S(" Bitpos:12"));
    EXPECT_EQ(win->Cadd[4]->text(), S(" Bitpos:15"));

    selectType(typ::Uni16);
    win->CBcheckbits->click();
    EXPECT_TRUE(cfg.option(opt::Checksum));
    leave(win->CheckBits, S("9"));
    EXPECT_EQ(image()[98], 8);
    EXPECT_EQ(win->CheckBits->text(), S("8"));
    leave(win->CheckBits, S("x"));
    EXPECT_EQ(image()[98], 0);
    EXPECT_EQ(seam.beeps, 0);

    leave(win->GeneralCode, S("101"));
    const quint64 expected = (quint64(1) << 39) | (quint64(1) << 37);
    EXPECT_EQ(cfg.GeneralCode, expected);
    EXPECT_EQ(win->GeneralCode->text(), S("1010") + QString(36, QLatin1Char('0')));
    EXPECT_EQ(win->GeneralDez->text().trimmed(), QString::number(expected));
    pressEnter(win->direktmaske, S("1") + QString(39, QLatin1Char('0')));
    EXPECT_EQ(cfg.direktmaske, quint64(1) << 39);

    leave(win->GeneralDez, S("abc"));
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_EQ(cfg.GeneralCode, expected);
    EXPECT_EQ(win->GeneralDez->text().trimmed(), QString::number(expected));
    pressEnter(win->GeneralDez, S("4711"));
    EXPECT_EQ(cfg.GeneralCode, 4711u);
    EXPECT_EQ(win->GeneralCode->text().right(13), S("1001001100111"));
    EXPECT_EQ(win->GeneralDez->selectedText(), win->GeneralDez->text());

    // Typed and taken with Enter, the binary fields show all 40 digits at once.
    win->show();
    win->activateWindow();
    QApplication::processEvents();
    for (QLineEdit* e : {win->GeneralCode, win->direktmaske}) {
        e->setFocus();
        e->setText(S("11"));
        e->setModified(true);   // as typed
        for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(t, Qt::Key_Return, Qt::NoModifier, S("\r"));
            QCoreApplication::sendEvent(e, &key);
        }
        EXPECT_EQ(e->text(), S("11") + QString(38, QLatin1Char('0'))) << e->objectName().toStdString();
    }
    EXPECT_EQ(cfg.direktmaske, quint64(3) << 38);
}

TEST_F(BasicsTest, DirectOutputOnlyInParallelMode)
{
    win->RBdirekt->click();
    win->RBdirektausgabe->click();
    EXPECT_TRUE(cfg.option(opt::Direkt));
    EXPECT_EQ(cfg.codes[1].function, FnAus);
    EXPECT_EQ(cfg.codes[2].function, FnEin);
    EXPECT_TRUE(win->Pdirektausgabe->isVisibleTo(win.get()));
    win->RBcodeinhalt->click();
    EXPECT_FALSE(cfg.option(opt::Direkt));
    win->RBdirektausgabe->click();
    win->RBstandard->click();
    EXPECT_FALSE(cfg.parallelCodes);
    EXPECT_EQ(image()[82], 0);
    EXPECT_FALSE(cfg.option(opt::Direkt));
    EXPECT_FALSE(win->Ppar->isVisibleTo(win.get()));
    EXPECT_FALSE(win->Pdirektausgabe->isVisibleTo(win.get()));
}

TEST_F(BasicsTest, InterlocksSetBothBytesAndTheirUnion)
{
    win->CBvr13->click();
    EXPECT_EQ(image()[76], 0x10);
    EXPECT_EQ(image()[78], 0x01);
    EXPECT_EQ(image()[80], 0x11);
    EXPECT_TRUE(win->CBvr31->isChecked());
    EXPECT_FALSE(win->CBvr31->isEnabled());
    win->CBvr34->click();
    EXPECT_EQ(image()[78], 0x09);
    EXPECT_EQ(image()[79], 0x10);
    EXPECT_EQ(image()[80], 0x19);
    win->CBvr13->click();
    EXPECT_EQ(image()[76], 0x00);
    EXPECT_EQ(image()[78], 0x08);
    EXPECT_EQ(image()[80], 0x18);
    EXPECT_FALSE(win->CBvr31->isChecked());

    const struct {
        QCheckBox* box;
        int a, b;
        quint8 bitA, bitB;
    } pairs[] = {{win->CBvr12, 76, 77, 0x02, 0x01}, {win->CBvr14, 76, 79, 0x08, 0x01},
                 {win->CBvr23, 77, 78, 0x10, 0x02}, {win->CBvr24, 77, 79, 0x08, 0x02}};
    for (const auto& p : pairs) {
        p.box->click();
        EXPECT_TRUE(image()[p.a] & p.bitA) << p.box->objectName().toStdString();
        EXPECT_TRUE(image()[p.b] & p.bitB) << p.box->objectName().toStdString();
        p.box->click();
        EXPECT_FALSE(image()[p.a] & p.bitA) << p.box->objectName().toStdString();
        EXPECT_FALSE(image()[p.b] & p.bitB) << p.box->objectName().toStdString();
    }
}

TEST_F(BasicsTest, StorageFunctionNoticeAndStartStates)
{
    win->CBinitout3->click();
    EXPECT_TRUE(cfg.initout3);

    win->CBstore->click();
    EXPECT_TRUE(cfg.store);
    ASSERT_EQ(seam.modelessShows.size(), 1u);
    EXPECT_EQ(seam.modelessShows[0].window, notice.get());
    ASSERT_EQ(notice->lines().size(), 1);
    EXPECT_TRUE(notice->lines()[0].startsWith(S("wenn die Speicherfunktion gewählt ist")));
    // The start states give way to the storage function at the next refresh.
    win->FormPaint();
    EXPECT_FALSE(cfg.initout3);
    EXPECT_FALSE(win->CBinitout3->isChecked());

    win->CBstore->click();
    EXPECT_FALSE(cfg.store);
    win->CBstore->click();
    EXPECT_EQ(seam.modelessShows.size(), 2u);

    // The labels beside the box toggle it as well.
    clickLabel(win->Lspeicher1);
    EXPECT_FALSE(cfg.store);
    EXPECT_FALSE(win->CBstore->isChecked());

    win->showNotices = false;
    clickLabel(win->Lspeicher2);
    EXPECT_TRUE(cfg.store);
    EXPECT_EQ(seam.modelessShows.size(), 2u);
}

TEST_F(BasicsTest, CounterAndIncrements)
{
    pressEnter(win->progcounter, S("7"));
    EXPECT_EQ(cfg.progcounter, 7);
    EXPECT_EQ(win->progcounter->text(), S("0007"));
    win->Button1->click();
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_EQ(cfg.progcounter, 0);
    EXPECT_EQ(win->progcounter->text(), S("0000"));

    leave(win->offset[3], S("-12"));
    EXPECT_EQ(cfg.offset[3], -12);
    EXPECT_EQ(win->offset[3]->text(), S(" -12"));
    leave(win->offset[8], S("zz"));
    EXPECT_EQ(seam.beeps, 2);
    EXPECT_EQ(cfg.offset[8], 0);
    EXPECT_EQ(win->offset[8]->text(), S("   0"));
}

// The largest values of every field show in full, and nothing else is cut off or covered.
// Pictures of the window in these states are saved when FBE_SHOT_DIR names a folder.
TEST_F(BasicsTest, LargestValuesShowInFull)
{
    auto shot = [&](const char* name) {
        win->FormPaint();
        fbe::test::checkLayout(win.get(), S(name), fbe::test::layout::mainWindowCovers());
    };
    win->show();
    leave(win->pruefanzahl, S("99"));
    leave(win->sperrzeit, S("2550"));
    leave(win->umschaltzeit, S("2550"));
    win->CBNotAus->click();
    leave(win->TimeOut, S("999999"));
    for (QCheckBox* b : {win->CBvr12, win->CBvr13, win->CBvr14, win->CBvr23, win->CBvr24,
                         win->CBvr34})
        b->click();
    win->CBstore->click();
    selectType(typ::Uni16);
    win->CBcheckbits->click();
    leave(win->CheckBits, S("8"));
    win->MProg->trigger();
    for (int n = 1; n <= 8; ++n)
        leave(win->offset[n], S("-999"));
    leave(win->progcounter, S("9999"));
    shot("main-full");
    for (QLineEdit* e : {win->pruefanzahl, win->sperrzeit, win->umschaltzeit, win->TimeOut,
                         win->CheckBits, win->bitanzahl, win->offset[1], win->progcounter})
        EXPECT_TRUE(fits(e)) << e->objectName().toStdString();

    win->RBdirekt->click();
    leave(win->dirshift, S("40"));
    leave(win->GeneralCode, QString(40, QLatin1Char('1')));
    shot("main-parallel");
    for (QLineEdit* e : {win->dirshift, win->GeneralCode, win->GeneralDez})
        EXPECT_TRUE(fits(e)) << e->objectName().toStdString();
    win->RBdirektausgabe->click();
    shot("main-direct");
}
