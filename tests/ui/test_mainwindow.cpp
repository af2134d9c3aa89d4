// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: what each refresh shows, the taking over of a transfer result, the
// window's own commands and the code table's clicks and keys.
#include "FakeSeam.h"
#include "LayoutCheck.h"
#include "comm/CommTestSupport.h"

#include "comm/TFrs232.h"
#include "comm/TransferProtocol.h"
#include "config/Configuration.h"
#include "config/Formatting.h"
#include "config/ImageCodec.h"
#include "config/Language.h"
#include "dialogs/Uhinweis.h"
#include "dialogs/Uprojekt.h"
#include "dialogs/Uwarnung.h"
#include "editors/TFCode.h"
#include "mainwindow/LanguageMenu.h"
#include "mainwindow/Forms.h"
#include "mainwindow/MainStyle.h"
#include "mainwindow/TFFBmain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QHelpEvent>
#include <gtest/gtest.h>
#include <memory>

using namespace fbe;
using fbe::test::FakeSeam;

namespace {

void click(QWidget* target)
{
    const QPointF at(3, 3);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }
}

void doubleClick(QWidget* target)
{
    const QPointF at(3, 3);
    QMouseEvent event(QEvent::MouseButtonDblClick, at, target->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void pressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

struct MainWindowTest : ::testing::Test {
    Configuration cfg;
    FakeSeam seam;
    Forms forms;
    std::unique_ptr<TFFBmain> w;

    void SetUp() override
    {
        w = std::make_unique<TFFBmain>(cfg, seam, forms);
        forms.Fwarnung = new TFwarnung(cfg, seam, forms, w.get());
        forms.FProjekt = new TFProjekt(cfg, seam, forms, w.get());
        forms.FCode = new TFCode(cfg, seam, forms, w.get());
        forms.Fhinweis = new TFhinweis(cfg, seam, forms, w.get());
        w->connectForms();
        w->inittimer->stop();
        w->FormPaint();
    }
    void TearDown() override
    {
        w.reset();
    }

    // A transfer that ended: the module answered with the image of src.
    void finishTransfer(const Configuration& sent, bool programmed, bool failed,
                        const QString& message, quint16 firmware = 0x0205)
    {
        Configuration src = sent;
        EncodeImage(src);
        cfg.rxBuffer = src.txBuffer;
        cfg.rxBuffer[img::Firmware] = quint8(firmware >> 8);
        cfg.rxBuffer[img::Firmware + 1] = quint8(firmware & 0xFF);
        cfg.transfer.resultPending = true;
        cfg.transfer.programmed = programmed;
        cfg.transfer.writeRun = programmed;
        cfg.transfer.moduleWritten = programmed;
        cfg.transfer.transferFailed = failed;
        cfg.transfer.transferMessage = message;
    }

    QColor infoBase() const { return w->Info->palette().color(QPalette::Base); }
};

}  // namespace


// A face of the window is made in the first installed family of its list, as the toolkit
// would pick it; with none installed the toolkit's own stand-in is left to find.
TEST(MainStyleTest, FacesAreMadeInTheFirstInstalledFamily)
{
    auto list = [](const char* families) {
        return QString::fromLatin1(families).split(QLatin1Char(','), Qt::SkipEmptyParts);
    };
    const struct {
        const char* families;
        const char* made;
    } rows[] = {
        {"No Such Face,DejaVu Sans", "DejaVu Sans"},
        {"DejaVu Sans Mono,DejaVu Sans", "DejaVu Sans Mono"},
        {"dejavu sans", "dejavu sans"},
        {"No Such Face,Nor This One", ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(mainstyle::installedFamily(list(r.families)), QLatin1String(r.made))
            << r.families;
    // The window's faces are drawn as before: in what the toolkit picks from the whole list.
    QFont whole;
    whole.setFamilies(list("Microsoft Sans Serif,Liberation Sans,Arial,DejaVu Sans"));
    EXPECT_EQ(QFontInfo(mainstyle::sans(11)).family(), QFontInfo(whole).family());
}

TEST_F(MainWindowTest, NewConfigurationAsShown)
{
    EXPECT_EQ(w->windowTitle(),
              QStringLiteral("Funkempfänger Konfiguration  [Ver.: 3.05]     - -Projektname- -"));
    EXPECT_EQ(w->projectname->text(), QStringLiteral("-Projektname-"));
    EXPECT_EQ(w->centralWidget()->size(), QSize(795, 662));
    EXPECT_EQ(w->pruefanzahl->text(), QStringLiteral(" 3"));
    EXPECT_EQ(w->sperrzeit->text(), QStringLiteral("   0"));
    EXPECT_EQ(w->korrektur->text(), QStringLiteral("  0"));
    EXPECT_EQ(w->umschaltzeit->text(), QStringLiteral("   0"));
    EXPECT_EQ(w->TimeOut->text(), QStringLiteral("000000"));
    EXPECT_EQ(w->bitanzahl->text(), QStringLiteral("12"));
    EXPECT_EQ(w->Lmaxadresse->text(), QStringLiteral("max. Adresse: 4095"));
    EXPECT_EQ(w->Cadd[1]->text(), QStringLiteral("           0"));
    EXPECT_EQ(w->Cfun[1]->text(), QStringLiteral("  - keine -"));
    EXPECT_EQ(w->Cout[1]->text(), QStringLiteral("       "));
    EXPECT_EQ(w->Pcomment->text(), QStringLiteral("Benutzer-Kommentare"));
    EXPECT_EQ(w->ShowCom->text(), QStringLiteral("COM1"));
    EXPECT_EQ(w->ShowFile->text(), QStringLiteral("Datei:  neue datei.fbe"));
    EXPECT_TRUE(w->RBstandard->isChecked());
    EXPECT_TRUE(w->Ppar->isHidden());
    EXPECT_TRUE(w->Pdirektausgabe->isHidden());
    EXPECT_TRUE(w->Pprogram->isHidden());
    EXPECT_TRUE(w->warnung1->isHidden());
    EXPECT_TRUE(w->Bits->isHidden());
    EXPECT_FALSE(w->Pcodierlaenge->isEnabled());
    EXPECT_FALSE(w->CBcheckbits->isEnabled());
    EXPECT_FALSE(w->TimeOut->isEnabled());
    EXPECT_TRUE(w->MCom1->isChecked());
    EXPECT_TRUE(w->Minfos->isChecked());
    EXPECT_TRUE(w->MDL->isChecked());
    EXPECT_TRUE(w->Mcomment->isChecked());
    EXPECT_EQ(w->FBselect->icon().cacheKey(), w->FB4aurel->icon().cacheKey());
}

TEST_F(MainWindowTest, CaptionAndLabelFollowTheProjectName)
{
    cfg.projectName = QStringLiteral("Halle 3 – Tor Süd");
    w->FormPaint();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Funkempfänger Konfiguration  [Ver.: 3.05]     "
                                               "- Halle 3 – Tor Süd -"));
    EXPECT_EQ(w->projectname->text(), QStringLiteral("Halle 3 – Tor Süd"));
}

TEST_F(MainWindowTest, CodeTableShowsEveryFunctionWithItsTime)
{
    // Slot 1: Ein on OUT 1 and 3; slot 2: Aus; slot 3: Wechsel; slot 4: 1:1 with 1,5 s;
    // slot 5 with a timed function from a file shows none; slot 6 Impuls is not possible.
    cfg.codes[1] = {4095, true, false, true, false, FnEin, 1, false, 0};
    cfg.codes[2] = {12, false, true, false, false, FnAus, 1, false, 0};
    cfg.codes[3] = {1, false, false, false, true, FnWechsel, 1, false, 0};
    cfg.codes[4] = {2, true, true, true, true, FnTastend, 150, false, 1};
    cfg.codes[5] = {3, false, false, false, false, FnTastend, 150, false, 1};
    cfg.codes[6] = {4, false, false, false, false, FnImpuls, 7, false, 0};
    cfg.codes[7] = {5, false, false, false, false, 9, 7, false, 0};
    w->FormPaint();

    EXPECT_EQ(w->Cfun[1]->text(), QStringLiteral("     Ein"));
    EXPECT_EQ(w->Cfun[2]->text(), QStringLiteral("     Aus"));
    EXPECT_EQ(w->Cfun[3]->text(), QStringLiteral("     Wechsel"));
    EXPECT_EQ(w->Cfun[4]->text(),
              QStringLiteral("1:1 (Nachlauf:") + getTimevalue(cfg.codes[4]) + QStringLiteral(")"));
    EXPECT_TRUE(w->Cfun[4]->text().contains(QStringLiteral("1,5")));
    EXPECT_EQ(w->Cfun[5]->text(), QStringLiteral("  - keine -"));
    EXPECT_EQ(w->Cfun[6]->text(), QStringLiteral("  - keine -"));
    EXPECT_EQ(w->Cfun[7]->text(), QStringLiteral("  - keine -"));

    cfg.codes[2] = {12, false, true, false, false, FnImpuls, 65535, true, 3};
    w->FormPaint();
    EXPECT_EQ(w->Cfun[2]->text(),
              QStringLiteral("Impuls (") + getTimevalue(cfg.codes[2]) + QStringLiteral(")"));

    EXPECT_EQ(w->Cadd[1]->text(), QStringLiteral("        4095"));
    EXPECT_EQ(w->Cout[1]->text(), QStringLiteral("1   3  "));
    EXPECT_EQ(w->Cout[2]->text(), QStringLiteral("  2    "));
    EXPECT_EQ(w->Cout[3]->text(), QStringLiteral("      4"));
    EXPECT_EQ(w->Cout[4]->text(), QStringLiteral("1 2 3 4"));
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(w->Aadress[n]->text(), w->Cadd[n]->text()) << n;
}

TEST_F(MainWindowTest, ChoosingATwelveBitTypeCutsAddressesAtTheNextRefresh)
{
    cfg.activeType = typ::Uni16;
    cfg.current() = cfg.types[typ::Uni16];
    cfg.codes[1].address = (quint64(1) << 40) - 1;
    w->FormPaint();
    EXPECT_EQ(w->Cadd[1]->text(), QStringLiteral("1099511627775"));
    // The thirteen digits are all visible, in the table and in the programming panel.
    EXPECT_LE(QFontMetrics(w->Cadd[1]->font()).horizontalAdvance(w->Cadd[1]->text()),
              w->Cadd[1]->width() - 4);
    EXPECT_EQ(w->Aadress[1]->text(), QStringLiteral("1099511627775"));
    EXPECT_LE(QFontMetrics(w->Aadress[1]->font()).horizontalAdvance(w->Aadress[1]->text()),
              w->Aadress[1]->width());
    EXPECT_EQ(w->Lmaxadresse->text(), QStringLiteral("max. Adresse: 1099511627775"));
    EXPECT_FALSE(w->Bits->isHidden());
    EXPECT_EQ(w->Bits->text(), QStringLiteral("40 Bit"));
    EXPECT_TRUE(w->Pcodierlaenge->isEnabled());
    EXPECT_EQ(w->FBselect->icon().cacheKey(), w->FB16uni->icon().cacheKey());

    cfg.activeType = typ::Aurel2;
    cfg.current() = cfg.types[typ::Aurel2];
    w->FormPaint();
    EXPECT_EQ(cfg.codes[1].address, 4095u);
    EXPECT_EQ(w->Cadd[1]->text(), QStringLiteral("        4095"));
    EXPECT_TRUE(w->Bits->isHidden());
    EXPECT_FALSE(w->Pcodierlaenge->isEnabled());
    EXPECT_EQ(w->FBselect->icon().cacheKey(), w->FB2aurel->icon().cacheKey());
}

TEST_F(MainWindowTest, HandEditedAndUnknownTypes)
{
    const qint64 glyph = w->FBselect->icon().cacheKey();
    cfg.activeType = typ::Hand;
    cfg.current().typ = typ::Hand;
    cfg.current().bits = 200;
    w->FormPaint();
    EXPECT_FALSE(w->warnung1->isHidden());
    EXPECT_EQ(w->FBselect->icon().cacheKey(), glyph);
    EXPECT_EQ(w->bitanzahl->text(), QStringLiteral("200"));
    EXPECT_FALSE(w->Pcodierlaenge->isEnabled());

    cfg.activeType = 99;
    cfg.current().typ = 99;
    w->FormPaint();
    EXPECT_TRUE(w->warnung1->isHidden());
    EXPECT_EQ(cfg.current().bits, 200);
}

TEST_F(MainWindowTest, ParallelModeShowsBitPositionsAndCoversRowsFiveToEight)
{
    cfg.codes[5].address = 55;
    w->FormPaint();
    const QString row5 = w->Cadd[5]->text();

    cfg.parallelCodes = true;
    cfg.sendImage[img::Dirshift] = 12;
    w->FormPaint();
    EXPECT_TRUE(w->RBdirekt->isChecked());
    EXPECT_FALSE(w->Ppar->isHidden());
    EXPECT_FALSE(w->Pdirekt->isHidden());
    EXPECT_EQ(w->Ppar->geometry(), QRect(3, 165, 393, 120));
    EXPECT_EQ(w->Ppar->geometry().top(), w->PanC[5]->mapTo(w->Panel18, QPoint(0, 0)).y());
    EXPECT_EQ(w->Cadd[1]->text(), QStringLiteral(" Bitpos:12"));
    EXPECT_EQ(w->Cadd[2]->text(), QStringLiteral(" Bitpos:13"));
    EXPECT_EQ(w->Cadd[3]->text(), QStringLiteral(" Bitpos:14"));
    EXPECT_EQ(w->Cadd[4]->text(), QStringLiteral(" Bitpos:15"));
    EXPECT_EQ(w->Cadd[5]->text(), row5);
    EXPECT_EQ(w->Aadress[1]->text(), QStringLiteral(" Bitpos:12"));
    EXPECT_EQ(w->dirshift->text(), QStringLiteral("12"));
    EXPECT_EQ(w->Icodepos->x(), 318 - 7 * 12);

    cfg.GeneralCode = (quint64(1) << 39) | 5;
    w->ShowCodeWin();
    EXPECT_EQ(w->GeneralCode->text(), QStringLiteral("1") + QString(36, QLatin1Char('0'))
                                          + QStringLiteral("101"));
    EXPECT_EQ(w->GeneralCode->text().size(), 40);
    EXPECT_EQ(w->GeneralDez->text(), QStringLiteral("549755813893"));

    cfg.parallelCodes = false;
    w->FormPaint();
    EXPECT_TRUE(w->RBstandard->isChecked());
    EXPECT_TRUE(w->Ppar->isHidden());
    EXPECT_EQ(w->Cadd[1]->text(), QStringLiteral("           0"));
}

TEST_F(MainWindowTest, DirectOutputForcesCodesOneAndTwo)
{
    cfg.parallelCodes = true;
    cfg.setOption(opt::Direkt, true);
    w->FormPaint();
    EXPECT_TRUE(w->RBdirektausgabe->isChecked());
    EXPECT_FALSE(w->Pdirektausgabe->isHidden());
    EXPECT_EQ(w->Pdirektausgabe->geometry().top(), 46);
    EXPECT_EQ(w->Cfun[1]->text(), QStringLiteral("     Aus"));
    EXPECT_EQ(w->Cfun[2]->text(), QStringLiteral("     Ein"));

    // Leaving parallel mode clears direct output at the next refresh.
    cfg.parallelCodes = false;
    w->FormPaint();
    EXPECT_FALSE(cfg.option(opt::Direkt));
    EXPECT_TRUE(w->RBcodeinhalt->isChecked());
    EXPECT_TRUE(w->Pdirektausgabe->isHidden());
}

TEST_F(MainWindowTest, InterlockMirrorsAndUnionByte)
{
    cfg.sendImage[76] = 0x10;   // CBvr13
    cfg.sendImage[78] = 0x01 | 0x08;
    cfg.sendImage[79] = 0x10;   // CBvr34
    w->FormPaint();
    EXPECT_TRUE(w->CBvr13->isChecked());
    EXPECT_TRUE(w->CBvr31->isChecked());
    EXPECT_TRUE(w->CBvr34->isChecked());
    EXPECT_TRUE(w->CBvr43->isChecked());
    EXPECT_FALSE(w->CBvr12->isChecked());
    EXPECT_FALSE(w->CBvr21->isChecked());
    EXPECT_FALSE(w->CBvr31->isEnabled());
    for (QCheckBox* d : w->CBvrDiag) {
        EXPECT_FALSE(d->isEnabled());
        EXPECT_FALSE(d->isChecked());
    }
    EXPECT_EQ(cfg.sendImage[80], 0x19);
}

TEST_F(MainWindowTest, TimesAndFlagsOfTheBasicSettings)
{
    cfg.sendImage[99] = 0;
    cfg.sendImage[100] = 100;
    cfg.sendImage[img::Umschaltzeit] = 255;
    cfg.sperrzeit = 2;
    cfg.setOption(opt::NotAus, true);
    cfg.setOption(opt::Checksum, true);   // type 1: cleared
    w->FormPaint();
    EXPECT_EQ(w->TimeOut->text(), QStringLiteral("001000"));
    EXPECT_EQ(w->umschaltzeit->text(), QStringLiteral("2550"));
    EXPECT_EQ(w->sperrzeit->text(), QStringLiteral("  20"));
    EXPECT_TRUE(w->CBNotAus->isChecked());
    EXPECT_TRUE(w->TimeOut->isEnabled());
    EXPECT_FALSE(cfg.option(opt::Checksum));
    EXPECT_FALSE(w->CBcheckbits->isChecked());
    EXPECT_FALSE(w->CheckBits->isEnabled());

    cfg.activeType = typ::Uni17;
    cfg.current() = cfg.types[typ::Uni17];
    cfg.setOption(opt::Checksum, true);
    cfg.sendImage[img::CheckBits] = 6;
    w->FormPaint();
    EXPECT_TRUE(w->CBcheckbits->isEnabled());
    EXPECT_TRUE(w->CBcheckbits->isChecked());
    EXPECT_TRUE(w->CheckBits->isEnabled());
    EXPECT_EQ(w->CheckBits->text(), QStringLiteral("6"));
}

TEST_F(MainWindowTest, StoreFunctionClearsTheStartStates)
{
    cfg.initout1 = cfg.initout3 = true;
    w->FormPaint();
    EXPECT_TRUE(w->CBinitout1->isChecked());
    EXPECT_TRUE(w->CBinitout3->isChecked());

    cfg.store = true;
    w->FormPaint();
    EXPECT_TRUE(w->CBstore->isChecked());
    EXPECT_FALSE(w->CBinitout1->isChecked());
    EXPECT_FALSE(w->CBinitout3->isChecked());
    EXPECT_FALSE(cfg.initout1 || cfg.initout3);
    // The store function switched on by a refresh brings its notice once.
    ASSERT_EQ(seam.modelessShows.size(), 1u);
    EXPECT_EQ(seam.modelessShows[0].window, forms.Fhinweis);
    w->FormPaint();
    EXPECT_EQ(seam.modelessShows.size(), 1u);

    // With the notices off, no notice.
    forms.Fhinweis->hide();
    cfg.store = false;
    w->FormPaint();
    w->showNotices = false;
    cfg.store = true;
    w->FormPaint();
    EXPECT_EQ(seam.modelessShows.size(), 1u);
}

TEST_F(MainWindowTest, OutOfRangeBasicsAreRepairedAndShownPadded)
{
    cfg.pruefanzahl = 0;
    cfg.korrektur = -77;
    cfg.sperrzeit = 300;
    w->FormPaint();
    EXPECT_EQ(cfg.pruefanzahl, 1);
    EXPECT_EQ(w->pruefanzahl->text(), QStringLiteral(" 1"));
    EXPECT_EQ(w->korrektur->text(), QStringLiteral("-50"));
    EXPECT_EQ(w->sperrzeit->text(), QStringLiteral("2550"));
}

TEST_F(MainWindowTest, SuccessfulProgrammingRunCountsAndAdvances)
{
    cfg.codes[1].address = 4095;
    cfg.codes[1].function = FnEin;
    cfg.codes[2].function = FnAus;
    cfg.offset[1] = 1;
    cfg.offset[2] = -1;
    cfg.progcounter = 9;
    w->FormPaint();
    finishTransfer(cfg, true, false, QStringLiteral("Übertragung erfolgreich"));
    w->FormPaint();

    EXPECT_EQ(w->progcounter->text(), QStringLiteral("0010"));
    EXPECT_EQ(w->Cadd[1]->text(), QStringLiteral("           0"));
    EXPECT_EQ(w->Cadd[2]->text(), QStringLiteral("        4095"));
    EXPECT_EQ(w->Aadress[2]->text(), QStringLiteral("        4095"));
    EXPECT_EQ(w->infoLines(), QStringList{QStringLiteral("Übertragung erfolgreich")});
    EXPECT_EQ(w->infoColour(), TFFBmain::InfoColour::Normal);
    EXPECT_EQ(infoBase(), QColor(Qt::white));
    EXPECT_TRUE(seam.modelessShows.empty());

    // A second refresh does not count again.
    w->FormPaint();
    EXPECT_EQ(w->progcounter->text(), QStringLiteral("0010"));
}

TEST_F(MainWindowTest, FailedRunAdvancesNothingAndTurnsTheMessageAreaRed)
{
    cfg.codes[1].address = 10;
    cfg.codes[1].function = FnEin;
    cfg.offset[1] = 1;
    cfg.progcounter = 9;
    w->FormPaint();
    finishTransfer(cfg, true, true, QStringLiteral("keine Antwort --> Abbruch"));
    w->FormPaint();

    EXPECT_EQ(w->progcounter->text(), QStringLiteral("0009"));
    EXPECT_EQ(w->Cadd[1]->text(), QStringLiteral("          10"));
    // The module holds part of the image: said on a line of its own.
    EXPECT_EQ(w->infoLines(),
              (QStringList{QStringLiteral("keine Antwort --> Abbruch"),
                           QStringLiteral(" Modul unvollständig programmiert - bitte erneut "
                                          "programmieren")}));
    EXPECT_EQ(w->infoColour(), TFFBmain::InfoColour::Error);
    EXPECT_EQ(infoBase(), QColor(254, 80, 75));
    EXPECT_FALSE(cfg.transfer.programmed);

    // A double click empties the area and turns it white.
    doubleClick(w->Info->viewport());
    EXPECT_TRUE(w->infoLines().isEmpty());
    EXPECT_EQ(infoBase(), QColor(Qt::white));
}

TEST_F(MainWindowTest, ReadRunShowsTheModulesConfiguration)
{
    Configuration module;
    NeueDatei(module);
    module.codes[3].address = 321;
    module.codes[3].function = FnWechsel;
    module.codes[3].out2 = true;
    module.projectName = cfg.projectName;
    finishTransfer(module, false, false, QStringLiteral("Übertragung erfolgreich"));
    w->FormPaint();
    EXPECT_EQ(w->Cadd[3]->text(), QStringLiteral("         321"));
    EXPECT_EQ(w->Cfun[3]->text(), QStringLiteral("     Wechsel"));
    EXPECT_EQ(w->Cout[3]->text(), QStringLiteral("  2    "));
    EXPECT_EQ(w->progcounter->text(), QStringLiteral("0000"));
}

TEST_F(MainWindowTest, FirmwareWarningsOutsideTheKnownRange)
{
    struct Case {
        quint16 firmware;
        int lines;   // 0: no warning
        QString second;
    };
    const Case cases[] = {
        {0, 0, {}},
        {348, 3, QStringLiteral("Es wurde eine ältere Firmware des Moduls erkannt! Diese "
                                "Software ist hierzu nicht kompatibel.")},
        {349, 0, {}},
        {521, 0, {}},
        {522, 4, QStringLiteral("Die Firmware des Moduls ist neuer, als dieser Software bekannt "
                                "ist.")},
    };
    for (const Case& c : cases) {
        seam.modelessShows.clear();
        forms.Fwarnung->hide();
        finishTransfer(cfg, false, false, QStringLiteral("Übertragung erfolgreich"), c.firmware);
        cfg.firmware = 0;
        w->FormPaint();
        if (c.lines == 0) {
            EXPECT_TRUE(seam.modelessShows.empty()) << c.firmware;
            continue;
        }
        ASSERT_EQ(seam.modelessShows.size(), 1u) << c.firmware;
        EXPECT_EQ(seam.modelessShows[0].window, forms.Fwarnung);
        const QStringList lines = forms.Fwarnung->lines();
        ASSERT_EQ(lines.size(), c.lines) << c.firmware;
        EXPECT_EQ(lines[0], QStringLiteral("ACHTUNG!!!"));
        EXPECT_EQ(lines[1], c.second);
    }
}

TEST_F(MainWindowTest, ViewAndOptionCommands)
{
    w->MProgClick();
    EXPECT_TRUE(w->MProg->isChecked());
    EXPECT_FALSE(w->Mcomment->isChecked());
    EXPECT_FALSE(w->Pprogram->isHidden());
    EXPECT_TRUE(w->comment->isHidden());
    EXPECT_EQ(w->Pcomment->text(), QStringLiteral("Erweiterte Programmiereinstellungen"));
    w->MProgClick();
    EXPECT_FALSE(w->Pprogram->isHidden());

    w->McommentClick();
    EXPECT_TRUE(w->Pprogram->isHidden());
    EXPECT_FALSE(w->comment->isHidden());
    EXPECT_EQ(w->Pcomment->text(), QStringLiteral("Benutzer-Kommentare"));

    // Through the menu as the user chooses it.
    w->MProg->trigger();
    EXPECT_FALSE(w->Pprogram->isHidden());
    w->Mcomment->trigger();
    EXPECT_TRUE(w->Pprogram->isHidden());

    w->Minfos->trigger();
    EXPECT_FALSE(w->showNotices);
    EXPECT_FALSE(w->Minfos->isChecked());
    w->Minfos->trigger();
    EXPECT_TRUE(w->showNotices);
    EXPECT_TRUE(w->Minfos->isChecked());

    w->MDL->trigger();
    EXPECT_FALSE(w->askLastFile);
    EXPECT_FALSE(w->MDL->isChecked());
    w->MDLClick();
    EXPECT_TRUE(w->askLastFile);
    EXPECT_TRUE(w->MDL->isChecked());

    w->comPortName = QStringLiteral("COM3");
    w->ShowBasicsWin();
    EXPECT_TRUE(w->MCom3->isChecked());
    EXPECT_FALSE(w->MCom1->isChecked());
    EXPECT_EQ(w->ShowCom->text(), QStringLiteral("COM3"));
}

TEST_F(MainWindowTest, StatusLineNamesThePortAndItsDevice)
{
    qputenv("FBE_COM3", "/dev/ttyUSB7");
    w->comPortName = QStringLiteral("COM3");
    w->FormPaint();
    EXPECT_EQ(w->ShowCom->text(), QStringLiteral("COM3"));
    EXPECT_EQ(w->ShowCom->toolTip(),
              QStringLiteral("derzeit benützte serielle Schnittstelle (/dev/ttyUSB7)"));
    qunsetenv("FBE_COM3");
}

TEST_F(MainWindowTest, HeldEnterCommitsAFieldOnce)
{
    w->show();
    w->pruefanzahl->setFocus();
    w->pruefanzahl->setText(QStringLiteral("x"));
    const int before = seam.beeps;
    // A held key repeats as release and press pairs before the real release.
    for (int i = 0; i < 3; ++i) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(w->pruefanzahl, &release);
    }
    EXPECT_EQ(seam.beeps, before);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(w->pruefanzahl, &release);
    EXPECT_EQ(seam.beeps, before + 1);
}

TEST_F(MainWindowTest, EnterPressesAFocusedButton)
{
    w->MProgClick();
    w->show();
    w->activateWindow();
    QApplication::processEvents();
    cfg.progcounter = 5;
    w->FormPaint();
    w->Button1->setFocus();
    pressKey(w->Button1, Qt::Key_Return);
    EXPECT_EQ(cfg.progcounter, 0);
    EXPECT_EQ(seam.beeps, 1);
}

TEST_F(MainWindowTest, MenuTreeWithSeparators)
{
    auto texts = [](QMenu* m) {
        QStringList t;
        for (QAction* a : m->actions())
            t << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return t;
    };
    EXPECT_EQ(texts(w->MDatei),
              (QStringList{"Datei &neu", "Datei &laden", "Datei &speichern", "&Drucken ...",
                           "Als PD&F speichern ...", "-", "-", "&Projektname", "-", "&Ende"}));
    EXPECT_EQ(texts(w->MKomm), (QStringList{"&COM port auswählen", "-", "Modul &Programmieren",
                                            "Modul &Auslesen"}));
    EXPECT_EQ(texts(w->Mport), (QStringList{"COM&1", "COM&2", "COM&3", "COM&4"}));
    EXPECT_EQ(texts(w->MEinstellungen),
              (QStringList{"&Infos anzeigen", "&Abfrage: Datei der letzten Sitzung laden?",
                           "&Produktionsprotokoll führen", "Produktions&datenbank ...", "-",
                           "&Kommentarfenster anzeigen",
                           "erweiterte &Programmiereinstellung anzeigen", "-", "&Sprache"}));
    EXPECT_EQ(texts(w->languageMenu), (QStringList{"wie System", "Deutsch", "English"}));
    EXPECT_EQ(texts(w->MHelp), (QStringList{"&Help", "&Info"}));
    EXPECT_EQ(w->MSystem->text(), QStringLiteral("S&ystem"));
}

TEST_F(MainWindowTest, EveryControlOfACodeRowOpensTheEditorForThatRow)
{
    int shows = 0;
    for (int n = 1; n <= 8; ++n) {
        for (QWidget* target : {static_cast<QWidget*>(w->PanC[n]),
                                static_cast<QWidget*>(w->CodeLabel[n]),
                                static_cast<QWidget*>(w->Cadd[n]), static_cast<QWidget*>(w->Cfun[n]),
                                static_cast<QWidget*>(w->Cout[n])}) {
            cfg.slotBeingEdited = 0;
            click(target);
            EXPECT_EQ(cfg.slotBeingEdited, n) << target->objectName().toStdString();
            ++shows;
        }
    }
    ASSERT_EQ(int(seam.modalShows.size()), shows);
    EXPECT_EQ(seam.modalShows.back().window, forms.FCode);

    // By keyboard: a row takes the focus and opens the editor with Enter or Space.
    EXPECT_EQ(w->PanC[4]->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(w->Cadd[4]->focusPolicy(), Qt::NoFocus);
    pressKey(w->PanC[4], Qt::Key_Return);
    EXPECT_EQ(cfg.slotBeingEdited, 4);
    pressKey(w->PanC[7], Qt::Key_Space);
    EXPECT_EQ(cfg.slotBeingEdited, 7);
    EXPECT_EQ(int(seam.modalShows.size()), shows + 2);
}

TEST_F(MainWindowTest, HomepageProjectNameAndHelpCommands)
{
    doubleClick(w->mainweb);
    EXPECT_EQ(seam.beeps, 1);
    ASSERT_EQ(seam.openedUrls.size(), 1u);
    EXPECT_EQ(seam.openedUrls[0], QUrl(QStringLiteral("https://www.varnel-funk.de")));
    doubleClick(w->Panel2);
    EXPECT_EQ(seam.openedUrls.size(), 2u);

    // The project name dialog: Enter stores, and its close refreshes the caption.
    seam.answerNext([](QDialog& d) {
        auto* edit = d.findChild<QLineEdit*>(QStringLiteral("EditProjekt"));
        ASSERT_NE(edit, nullptr);
        edit->setText(QStringLiteral("Werk 2"));
        pressKey(edit, Qt::Key_Return);
    });
    doubleClick(w->projectname);
    EXPECT_EQ(cfg.projectName, QStringLiteral("Werk 2"));
    EXPECT_EQ(w->projectname->text(), QStringLiteral("Werk 2"));
    EXPECT_TRUE(w->windowTitle().endsWith(QStringLiteral("- Werk 2 -")));
}

TEST_F(MainWindowTest, CommentMemoAndStateStayTogether)
{
    w->comment->setPlainText(QStringLiteral("Zeile 1\nZeile 2"));
    EXPECT_EQ(cfg.comment, (QStringList{"Zeile 1", "Zeile 2"}));
    w->comment->clear();
    EXPECT_TRUE(cfg.comment.isEmpty());

    // A loaded comment of one empty line stays one empty line.
    cfg.comment = QStringList{QString()};
    w->FormPaint();
    EXPECT_EQ(cfg.comment, QStringList{QString()});
    cfg.comment = QStringList{"a", "b"};
    w->FormPaint();
    EXPECT_EQ(w->comment->toPlainText(), QStringLiteral("a\nb"));

    // Tab leaves the memo without writing into it, and passes over the message area.
    w->show();
    w->activateWindow();
    QApplication::processEvents();
    w->comment->setFocus();
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QCoreApplication::sendEvent(w->comment, &tab);
    EXPECT_EQ(cfg.comment, (QStringList{"a", "b"}));
    EXPECT_NE(QApplication::focusWidget(), w->comment);
    EXPECT_NE(QApplication::focusWidget(), w->Info);
}

TEST_F(MainWindowTest, RefreshIsQuietAndAPaintCatchesUpWithTheState)
{
    w->show();
    QApplication::processEvents();
    QApplication::processEvents();
    const int before = w->formPaintCount();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    EXPECT_EQ(w->formPaintCount(), before);

    // A refresh with nothing changed rewrites no control.
    int changes = 0;
    QObject::connect(w->Cadd[1], &QLineEdit::textChanged, [&] { ++changes; });
    QObject::connect(w->pruefanzahl, &QLineEdit::textChanged, [&] { ++changes; });
    w->FormPaint();
    w->FormPaint();
    EXPECT_EQ(changes, 0);

    // State changed behind the window's back: the next paint brings one refresh.
    cfg.codes[1].address = 42;
    w->Panel18->repaint();
    QApplication::processEvents();
    EXPECT_EQ(w->Cadd[1]->text(), QStringLiteral("          42"));
    EXPECT_EQ(w->formPaintCount(), before + 3);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    EXPECT_EQ(w->formPaintCount(), before + 3);
}

// Texts of any length stay readable: a long project name and a long path are drawn smaller
// and shortened where it hurts least, three message lines fit without scrolling.
TEST_F(MainWindowTest, LongTextsStayReadable)
{
    auto* name = dynamic_cast<mainstyle::FitLabel*>(w->projectname);
    auto* file = dynamic_cast<mainstyle::FitLabel*>(w->ShowFile);
    ASSERT_NE(name, nullptr);
    ASSERT_NE(file, nullptr);
    w->FormPaint();
    EXPECT_EQ(name->shownText(), cfg.projectName);
    EXPECT_EQ(name->shownFont().pixelSize(), name->font().pixelSize());

    cfg.projectName = QStringLiteral("Halle 3 – Tor Süd, Schranke Einfahrt West (Reserve) 2009");
    w->OpenDialog1.FileName = QStringLiteral(
        "C:\\Dokumente und Einstellungen\\Techniker\\Eigene Dateien\\Kunden\\Müller GmbH\\"
        "Halle 3\\Tor Süd Schranke Einfahrt West Reserve 2009-06.fbe");
    w->FormPaint();
    EXPECT_EQ(w->projectname->text(), cfg.projectName);
    EXPECT_LT(name->shownFont().pixelSize(), name->font().pixelSize());
    EXPECT_TRUE(name->shownText().startsWith(QStringLiteral("Halle 3")));
    EXPECT_LE(QFontMetrics(name->shownFont()).horizontalAdvance(name->shownText()),
              name->contentsRect().width());
    EXPECT_EQ(w->ShowFile->text(), QStringLiteral("Datei:  ") + w->OpenDialog1.FileName);
    EXPECT_TRUE(file->shownText().startsWith(QStringLiteral("Datei:  C:")));
    EXPECT_TRUE(file->shownText().endsWith(QStringLiteral("2009-06.fbe")));
    EXPECT_LE(QFontMetrics(file->shownFont()).horizontalAdvance(file->shownText()),
              file->contentsRect().width());

    w->clearInfo();
    w->addInfo(QStringLiteral("keine Antwort --> Abbruch"));
    w->addInfo(QStringLiteral("EEPROM-Fehler (checksum)"));
    w->addInfo(QStringLiteral(" Fehler bei \"Datei laden!\""));
    w->show();
    QApplication::processEvents();
    EXPECT_EQ(w->Info->verticalScrollBar()->maximum(), 0);

    // The maker's labels show the panel's hint, which the start-up sets.
    EXPECT_EQ(w->Panel2->toolTip(), QStringLiteral("per Doppelklick zur homepage!"));
    for (QLabel* l : {w->Label9, w->mainweb}) {
        QHelpEvent hover(QEvent::ToolTip, QPoint(3, 3), l->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(l, &hover);
        EXPECT_EQ(QToolTip::text(), QStringLiteral("per Doppelklick zur homepage!"))
            << l->objectName().toStdString();
        QToolTip::hideText();
    }
}

// In typical and extreme states every text shows in full and no control lies on another.
// Pictures of the states are saved when FBE_SHOT_DIR names a folder.
TEST_F(MainWindowTest, LongestTextsFitAndNothingOverlaps)
{
    auto shot = [&](QWidget* widget, const char* name) {
        QApplication::processEvents();
        fbe::test::checkLayout(widget, QLatin1String(name), fbe::test::layout::mainWindowCovers());
    };
    w->show();
    shot(w.get(), "main-new");

    // Everything long: a 40-bit type, 13-digit addresses, the longest times, all outputs,
    // a long project name, an error in the message area, the programming panel.
    cfg.activeType = typ::Uni16;
    cfg.current() = cfg.types[typ::Uni16];
    cfg.projectName = QStringLiteral("Halle 3 – Tor Süd, Schranke Einfahrt West (Reserve)");
    for (int n = 1; n <= 8; ++n)
        cfg.codes[n] = {(quint64(1) << 40) - n, true, true, true, true, FnEin, 1, false, 0};
    cfg.codes[1].function = FnTastend;
    cfg.codes[1].timeCount = 65520;
    cfg.codes[1].timeRaster = true;
    cfg.codes[1].timebase = 3;
    cfg.codes[2].function = FnImpuls;
    cfg.codes[2].timeCount = 65534;
    cfg.codes[2].timebase = 1;
    cfg.codes[3].function = FnWechsel;
    cfg.codes[4].function = FnImpuls;
    cfg.codes[4].timeCount = 65535;
    cfg.codes[4].timebase = 0;
    for (int n = 1; n <= 8; ++n)
        cfg.offset[n] = n % 2 ? -999 : 9999;
    cfg.progcounter = 9999;
    cfg.sendImage[img::Interlock] = 0x1A;
    cfg.sendImage[img::Interlock + 1] = 0x19;
    cfg.sendImage[img::Umschaltzeit] = 255;
    cfg.setOption(opt::NotAus, true);
    cfg.setOption(opt::Checksum, true);
    cfg.sendImage[img::CheckBits] = 8;
    cfg.sendImage[img::TimeOut] = 255;
    cfg.sendImage[img::TimeOut + 1] = 255;
    cfg.store = true;
    cfg.sperrzeit = 255;
    cfg.pruefanzahl = 99;
    w->OpenDialog1.FileName = QStringLiteral(
        "C:\\Dokumente und Einstellungen\\Techniker\\Eigene Dateien\\Kunden\\Müller GmbH\\"
        "Halle 3\\Tor Süd Schranke Einfahrt West Reserve 2009-06.fbe");
    w->comPortName = QStringLiteral("COM4");
    w->MProgClick();
    w->FormPaint();
    w->clearInfo();
    // A transfer's message as the refresh shows it.
    w->addInfo(TransferProtocol::shown(TransferProtocol::msgOpenError(4) + QLatin1Char('\n')
                                       + TransferProtocol::msgNoReply() + QLatin1Char('\n')
                                       + QString::fromUtf8(ChecksumErrorText)));
    w->setInfoColour(TFFBmain::InfoColour::Error);
    shot(w.get(), "main-long");

    // Parallel codes with direct output, the marker at the highest position, type 0.
    cfg.activeType = typ::Hand;
    cfg.current().typ = typ::Hand;
    cfg.parallelCodes = true;
    cfg.sendImage[img::Dirshift] = 36;
    cfg.GeneralCode = (quint64(1) << 40) - 1;
    cfg.direktmaske = 0xAAAAAAAAAAull;
    cfg.setOption(opt::Direkt, true);
    w->McommentClick();
    cfg.comment = QStringList{QStringLiteral("Kunde: Müller GmbH, Halle 3"),
                              QStringLiteral("Einbau: Schranke Einfahrt West"),
                              QStringLiteral("Datum: 12.06.2009")};
    w->FormPaint();
    w->setInfoColour(TFFBmain::InfoColour::Warning);
    shot(w.get(), "main-parallel");

    cfg.setOption(opt::Direkt, false);
    cfg.sendImage[img::Dirshift] = 0;
    w->FormPaint();
    shot(w.get(), "main-parallel-codes");

    // Automatic programming waits for a module that does not answer.
    commtest::ScriptedPort port;
    port.responder = [](const commtest::ScriptedPort::Command&, int) {
        return std::vector<quint8>{};
    };
    forms.Frs232 = new TFrs232(cfg, seam, forms, w.get());
    forms.Frs232->setBytePort(&port);
    w->MProgClick();
    w->CBauto->click();
    ASSERT_TRUE(w->seriesOn());
    shot(w.get(), "main-automatic");
    // A change of language leaves it running and the buttons locked.
    language::use(language::current() == QLatin1String("en") ? QStringLiteral("de")
                                                              : QStringLiteral("en"));
    QApplication::processEvents();
    EXPECT_TRUE(w->seriesOn());
    EXPECT_FALSE(w->SendButton->isEnabled());
    EXPECT_FALSE(w->SendButton->toolTip().isEmpty());
    language::use(language::current() == QLatin1String("en") ? QStringLiteral("de")
                                                              : QStringLiteral("en"));
    QApplication::processEvents();
    w->CBauto->click();
    forms.Frs232->setBytePort(nullptr);

    for (QMenu* m : {w->MDatei, w->MKomm, w->Mport, w->MEinstellungen, w->MHelp}) {
        m->adjustSize();
        shot(m, qPrintable(QStringLiteral("menu-") + m->objectName()));
    }
}
