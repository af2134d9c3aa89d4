// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The system base settings: the decoder parameters of the current record, edited by hand.
#include "FakeSeam.h"
#include "FieldInput.h"
#include "LayoutCheck.h"

#include "config/Configuration.h"
#include "config/Language.h"
#include "editors/TFsystem.h"
#include "mainwindow/Forms.h"
#include "transmitters/TFFB16.h"
#include "transmitters/TFFBselect.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace fbe;
using fbe::test::FakeSeam;
using namespace fbe::test;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

struct SystemTest : ::testing::Test {
    Configuration cfg;
    FakeSeam seam;
    Forms forms;
    TFsystem dlg{cfg, seam, forms};

    void SetUp() override { NeueDatei(cfg); }

    // Opens the dialog, runs the answer while it is open and closes it with "o.k.".
    void open(const std::function<void()>& answer)
    {
        seam.answerNext([&](QDialog&) {
            answer();
            dlg.Button1->click();
        });
        seam.showModal(dlg);
        EXPECT_FALSE(dlg.isVisible());
    }
};

}  // namespace

TEST_F(SystemTest, ShowsTheCurrentRecordAndKeepsTheTypeWithoutAnEdit)
{
    open([&] {
        EXPECT_EQ(dlg.bits->text(), S(" 12"));
        EXPECT_EQ(dlg.refmax->text(), S(" 70"));
        EXPECT_EQ(dlg.wait3->text(), S("140"));
        EXPECT_EQ(dlg.corrmain->text(), S("  0"));
        EXPECT_EQ(dlg.typ->text(), S("  1"));
        EXPECT_EQ(dlg.mask->text(), S("0000000000000000000000000000111111111111"));
        EXPECT_FALSE(dlg.warnung->isVisibleTo(&dlg));
        EXPECT_FALSE(dlg.warnmemo->isVisibleTo(&dlg));
        EXPECT_EQ(dlg.focusWidget(), dlg.Button1);
        // The fields are entered by a click only, never with the Tab key.
        for (QLineEdit* e : {dlg.bits, dlg.refmin, dlg.wait1, dlg.mask})
            EXPECT_EQ(e->focusPolicy(), Qt::ClickFocus);
        EXPECT_TRUE(dlg.typ->isReadOnly());
        EXPECT_EQ(dlg.typ->toolTip(), S("wird von Software bestimmt!"));
        EXPECT_EQ(dlg.mask->toolTip(), S("in diesem Feld dürfen nur Nullen und Einsen vorkommen"));
    });
    EXPECT_EQ(cfg.activeType, typ::Aurel4);
    EXPECT_EQ(cfg.current(), cfg.types[typ::Aurel4]);
    EXPECT_EQ(seam.beeps, 0);
}

TEST_F(SystemTest, ByteFieldsAreBoundedAndMarkTheTypeHandChanged)
{
    struct Case {
        const char* typed;
        const char* shown;
        quint8 stored;
        int beeps;
    };
    const Case cases[] = {{"300", "255", 255, 0}, {"-5", "  0", 0, 0}, {"x", "  0", 0, 1},
                          {" 42", " 42", 42, 0}};
    for (const Case& c : cases) {
        NeueDatei(cfg);
        const int beepsBefore = seam.beeps;
        open([&] {
            clickInto(dlg.refmin, S(c.typed));
            leave(dlg.refmin);
            EXPECT_EQ(dlg.refmin->text(), S(c.shown)) << c.typed;
            EXPECT_TRUE(dlg.warnung->isVisibleTo(&dlg));
            EXPECT_TRUE(dlg.warnmemo->isVisibleTo(&dlg));
            EXPECT_EQ(dlg.typ->text(), S("  0"));
        });
        EXPECT_EQ(cfg.current().refmin, c.stored) << c.typed;
        EXPECT_EQ(cfg.activeType, typ::Hand);
        EXPECT_EQ(cfg.current().typ, typ::Hand);
        EXPECT_EQ(seam.beeps - beepsBefore, c.beeps) << c.typed;
    }
    // Each field writes its own record field; bits accepts 0..255 here.
    open([&] {
        const std::pair<QLineEdit*, quint8 TypeRecord::*> fields[] = {
            {dlg.bits, &TypeRecord::bits},     {dlg.corrmain, &TypeRecord::corrmain},
            {dlg.refmin, &TypeRecord::refmin}, {dlg.refmax, &TypeRecord::refmax},
            {dlg.datmin, &TypeRecord::datmin}, {dlg.datmax, &TypeRecord::datmax},
            {dlg.wait1, &TypeRecord::wait1},   {dlg.wait2, &TypeRecord::wait2},
            {dlg.wait3, &TypeRecord::wait3}};
        int v = 200;
        for (const auto& [edit, field] : fields) {
            clickInto(edit, QString::number(v));
            leave(edit);
            EXPECT_EQ(cfg.current().*field, v) << edit->objectName().toStdString();
            ++v;
        }
    });
    EXPECT_EQ(cfg.current().bits, 200);
}

TEST_F(SystemTest, LeavingAFieldUnchangedStillMarksTheType)
{
    open([&] {
        clickInto(dlg.wait1, dlg.wait1->text());
        leave(dlg.wait1);
        EXPECT_TRUE(dlg.warnung->isVisibleTo(&dlg));
    });
    EXPECT_EQ(cfg.activeType, typ::Hand);
    EXPECT_EQ(cfg.current().wait1, 22);
    // Leaving the window (another window activated) is not leaving the field.
    NeueDatei(cfg);
    open([&] {
        clickInto(dlg.wait2, S("99"));
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(dlg.wait2, &out);
        EXPECT_EQ(cfg.activeType, typ::Aurel4);
    });
    // ... but closing the dialog takes the entry.
    EXPECT_EQ(cfg.current().wait2, 99);
    EXPECT_EQ(cfg.activeType, typ::Hand);
}

TEST_F(SystemTest, EscapeTakesAFieldStillBeingEdited)
{
    seam.answerNext([&](QDialog&) {
        clickInto(dlg.datmax, S("77"));
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&dlg, &esc);
    });
    seam.showModal(dlg);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(cfg.current().datmax, 77);
    EXPECT_EQ(cfg.activeType, typ::Hand);
}

TEST_F(SystemTest, MaskReadsDigitsUpToTheFirstOther)
{
    open([&] {
        clickInto(dlg.mask, S("1111"));
        leave(dlg.mask);
        EXPECT_EQ(cfg.current().mask, quint64(0xF) << 36);
        EXPECT_EQ(dlg.mask->text(), S("1111000000000000000000000000000000000000"));
        clickInto(dlg.mask, S("1111 111111111111111111111111111111111111"));
        leave(dlg.mask);
        EXPECT_EQ(cfg.current().mask, quint64(0xF) << 36);
        clickInto(dlg.mask, S("0000000000000000000000000000000000000001"));
        leave(dlg.mask);
        EXPECT_EQ(cfg.current().mask, 1u);
    });
    EXPECT_EQ(cfg.activeType, typ::Hand);
    EXPECT_EQ(seam.beeps, 0);
}

TEST_F(SystemTest, SelectingATypeRestoresItsValues)
{
    open([&] {
        clickInto(dlg.bits, S("200"));
        leave(dlg.bits);
    });
    ASSERT_EQ(cfg.activeType, typ::Hand);
    TFFBselect select(cfg, seam, forms);
    seam.answerNext([&](QDialog&) { select.FB3svsClick(); });
    seam.showModal(select);
    EXPECT_EQ(cfg.current(), cfg.types[typ::Svs3]);
    open([&] {
        EXPECT_EQ(dlg.bits->text(), S(" 40"));
        EXPECT_EQ(dlg.typ->text(), S(" 10"));
        EXPECT_FALSE(dlg.warnung->isVisibleTo(&dlg));
        EXPECT_EQ(dlg.mask->text(), S("0000111111111100111111000000000101010000"));
    });
    EXPECT_EQ(cfg.activeType, typ::Svs3);
}

TEST_F(SystemTest, Screen)
{
    cfg.activeType = typ::Hand;
    cfg.current().typ = typ::Hand;
    open([&] {
        fbe::test::checkLayout(&dlg, S("system"));
        if (language::current() != QLatin1String("de"))
            return;   // the layout sweep in English
        EXPECT_EQ(dlg.windowTitle(), S("System Grundeinstellungen"));
        EXPECT_EQ(dlg.Button1->text(), S("o.k."));
        EXPECT_EQ(dlg.warnung->text(), S("Warnung: Werte wurden manuell geändert !"));
        EXPECT_TRUE(dlg.Memo1->toPlainText().startsWith(S("ACHTUNG !!!              ACHTUNG !!!")));
        EXPECT_TRUE(dlg.warnmemo->toPlainText().startsWith(
            S("In Sonderfällen, welche eine Modifizierung dieser Werte erforderlich machen, \n")));
    });
}

// At shutdown the dialogs are destroyed with the main window. A field that still holds the
// focus then loses it while it is being destroyed: that is no leaving of the field, and its
// exit handler must not run on a dialog half destroyed (it would change the configuration,
// beep, and touch fields already gone).
TEST(DialogShutdown, AFieldHoldingTheFocusRunsNoExitHandlerWhenItsDialogIsDestroyed)
{
    Configuration cfg;
    NeueDatei(cfg);
    cfg.types[typ::Uni16].bits = 12;
    const Configuration before = cfg;
    FakeSeam seam;
    Forms forms;
    auto focusAndDestroy = [](QDialog* dlg, QLineEdit* field, const QString& text) {
        dlg->show();
        dlg->activateWindow();
        QApplication::processEvents();
        field->setFocus(Qt::MouseFocusReason);
        field->setText(text);
        EXPECT_EQ(QApplication::focusWidget(), field) << field->objectName().toStdString();
        delete dlg;
    };
    auto* system = new TFsystem(cfg, seam, forms);
    focusAndDestroy(system, system->bits, S("x"));
    auto* fb16 = new TFFB16(cfg, seam, forms);
    focusAndDestroy(fb16, fb16->bitanzahl, S("abc"));
    EXPECT_EQ(seam.beeps, 0);
    EXPECT_EQ(cfg.activeType, before.activeType);
    EXPECT_EQ(cfg.current(), before.current());
    EXPECT_EQ(cfg.types[typ::Uni16], before.types[typ::Uni16]);
}
