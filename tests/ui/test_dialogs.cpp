// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The small dialogs: question, notice, warning, project name, information and help.
#include "FakeSeam.h"
#include "LayoutCheck.h"

#include "config/Configuration.h"
#include "config/Refresh.h"
#include "dialogs/Artwork.h"
#include "dialogs/ProductionDatabaseDialog.h"
#include "dialogs/UHelp.h"
#include "dialogs/Uask.h"
#include "dialogs/Uhinweis.h"
#include "dialogs/Uinfo.h"
#include "dialogs/Uprojekt.h"
#include "dialogs/Uwarnung.h"
#include "mainwindow/Forms.h"
#include "sharedseries/SeriesDefinition.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QTimerEvent>
#include <QSvgRenderer>
#include <gtest/gtest.h>

using namespace fbe;
using fbe::test::FakeSeam;

namespace {

struct DialogTest : ::testing::Test {
    Configuration cfg;
    FakeSeam seam;
    Forms forms;
};

void pressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

void mouse(QWidget* target, QEvent::Type type)
{
    const QPointF at(2, 2);
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// Delivers the timer's tick now, as the event loop would after its interval.
void fire(QTimer* timer)
{
    ASSERT_TRUE(timer->isActive());
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
}

}  // namespace

// --- Question ---------------------------------------------------------------------------

TEST_F(DialogTest, QuestionAnswersTrueOnlyForJA)
{
    TFask ask(cfg, seam, forms);
    int closes = 0;
    ask.onClosed = [&] { ++closes; };
    const QStringList text{QStringLiteral("!!!  Die Datei wurde geändert  !!!"),
                           QStringLiteral("zuerst sichern ?")};

    seam.answerNext([&](QDialog&) { ask.JA->click(); });
    EXPECT_TRUE(ask.ask(text));
    EXPECT_TRUE(ask.askResult);
    EXPECT_EQ(ask.lines(), text);
    EXPECT_FALSE(ask.isVisible());

    seam.answerNext([&](QDialog&) { ask.NEIN->click(); });
    EXPECT_FALSE(ask.ask());
    EXPECT_FALSE(ask.askResult);

    // After a "JA", closing by the title bar must not leave the old answer standing.
    seam.answerNext([&](QDialog&) { ask.JA->click(); });
    ASSERT_TRUE(ask.ask());
    seam.answerNext([](QDialog& d) { d.close(); });
    EXPECT_FALSE(ask.ask());

    seam.answerNext([&](QDialog&) { ask.JA->click(); });
    ASSERT_TRUE(ask.ask());
    seam.answerNext([&](QDialog& d) { pressKey(&d, Qt::Key_Escape); });
    EXPECT_FALSE(ask.ask());

    EXPECT_EQ(closes, 6);
    ASSERT_EQ(seam.modalShows.size(), 6u);
    EXPECT_EQ(seam.modalShows[0].title, QStringLiteral(" "));
    EXPECT_EQ(ask.JA->text(), QStringLiteral("JA"));
    EXPECT_EQ(ask.NEIN->text(), QStringLiteral("NEIN !"));
}

TEST_F(DialogTest, QuestionTextIsCentredAndReadOnly)
{
    TFask ask(cfg, seam, forms);
    ask.addLine(QStringLiteral("old"));
    ask.clearLines();
    EXPECT_TRUE(ask.lines().isEmpty());
    const QString path = QStringLiteral(" \"C:\\Daten\\Tor Nord.fbe\" ");
    ask.addLine(QStringLiteral("soll die zuletzt geöffnete Datei:"));
    ask.addLine(path);
    ask.addLine(QStringLiteral("geladen werden?"));
    EXPECT_EQ(ask.lines(), (QStringList{QStringLiteral("soll die zuletzt geöffnete Datei:"), path,
                                        QStringLiteral("geladen werden?")}));
    EXPECT_TRUE(ask.M->isReadOnly());
    for (QTextBlock b = ask.M->document()->begin(); b.isValid(); b = b.next())
        EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

// The text is not for typing into: focus that lands on it goes on to the safe answer.
TEST_F(DialogTest, QuestionFocusStartsOnJAAndLeavesTheText)
{
    TFask ask(cfg, seam, forms);
    QWidget* first = nullptr;
    QWidget* afterText = nullptr;
    seam.answerNext([&](QDialog& d) {
        d.activateWindow();
        QApplication::processEvents();
        first = d.focusWidget();
        ask.M->setFocus(Qt::MouseFocusReason);
        afterText = d.focusWidget();
        ask.NEIN->click();
    });
    EXPECT_FALSE(ask.ask({QStringLiteral("zuerst sichern ?")}));
    EXPECT_EQ(first, ask.JA);
    EXPECT_EQ(afterText, ask.NEIN);

    // Enter answers with the focused button: "JA" at first.
    seam.answerNext([&](QDialog& d) {
        d.activateWindow();
        QApplication::processEvents();
        pressKey(&d, Qt::Key_Return);
    });
    EXPECT_TRUE(ask.ask());
}

// --- Notice -----------------------------------------------------------------------------

TEST_F(DialogTest, NoticeClosesItselfFiveSecondsAfterItAppeared)
{
    TFhinweis notice(cfg, seam, forms);
    notice.clearLines();
    notice.addLine(QStringLiteral("die geladene Datei wurde mit einer alten Software erstellt. "
                                  "Die File-Daten sind dazu nicht kompatibel!"));
    EXPECT_FALSE(notice.Timer1->isActive());

    notice.showNotice();
    ASSERT_TRUE(notice.isVisible());
    EXPECT_FALSE(notice.isModal());
    EXPECT_TRUE(seam.modalShows.empty());
    EXPECT_EQ(notice.Timer1->interval(), 5000);
    EXPECT_TRUE(notice.Timer1->isSingleShot());
    ASSERT_TRUE(notice.Timer1->isActive());

    // Shown again while open: the first 5 seconds keep running.
    QThread::msleep(60);
    notice.showNotice();
    EXPECT_TRUE(notice.isVisible());
    EXPECT_LE(notice.Timer1->remainingTime(), 4960);

    fire(notice.Timer1);
    EXPECT_FALSE(notice.isVisible());
    EXPECT_FALSE(notice.Timer1->isActive());

    // The next showing counts its own 5 seconds.
    notice.showNotice();
    EXPECT_TRUE(notice.isVisible());
    EXPECT_GT(notice.Timer1->remainingTime(), 4900);
    fire(notice.Timer1);
    EXPECT_FALSE(notice.isVisible());
}

TEST_F(DialogTest, NoticeClosedByHandStopsItsTimer)
{
    TFhinweis notice(cfg, seam, forms);
    notice.showNotice();
    QThread::msleep(60);
    notice.close();
    EXPECT_FALSE(notice.isVisible());
    EXPECT_FALSE(notice.Timer1->isActive());
    notice.showNotice();
    EXPECT_GT(notice.Timer1->remainingTime(), 4900);
    EXPECT_EQ(notice.windowTitle(), QStringLiteral("Hinweis"));
    EXPECT_EQ(notice.Label1->text(),
              QStringLiteral("die Hinweis-Funktion kann im Hauptmenuepunkt unter 'Einstellungen' "
                             "ausgeschalten werden"));
    EXPECT_EQ(notice.Label2->text(),
              QStringLiteral("(das Hinweis-Fenster schließt automatisch nach 5 Sekunden)"));
}

// --- Warning ----------------------------------------------------------------------------

TEST_F(DialogTest, WarningShowsModalOrModelessAsAsked)
{
    TFwarnung warning(cfg, seam, forms);
    int closes = 0;
    warning.onClosed = [&] { ++closes; };
    EXPECT_TRUE(warning.lines().isEmpty());

    warning.clearLines();
    warning.addLine(QStringLiteral("ACHTUNG!!!"));
    warning.addLine(QStringLiteral("Die Firmware des Moduls ist neuer, als dieser Software bekannt ist."));
    warning.showWarning();
    EXPECT_TRUE(warning.isVisible());
    EXPECT_FALSE(warning.isModal());
    EXPECT_TRUE(seam.modalShows.empty());
    ASSERT_EQ(seam.modelessShows.size(), 1u);
    EXPECT_EQ(seam.modelessShows[0].title, QStringLiteral("Warnung"));
    warning.OK->click();
    EXPECT_FALSE(warning.isVisible());
    EXPECT_EQ(closes, 1);

    // A modal warning that finds a modeless one still open takes its place.
    warning.showWarning();
    warning.clearLines();
    warning.addLine(QStringLiteral("ACHTUNG!!!"));
    bool wasModal = false;
    seam.answerNext([&](QDialog& d) {
        wasModal = d.isModal();
        warning.OK->click();
    });
    warning.showModalWarning();
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(seam.modalShows.size(), 1u);
    EXPECT_FALSE(warning.isVisible());
    EXPECT_EQ(warning.lines(), QStringList{QStringLiteral("ACHTUNG!!!")});
    EXPECT_EQ(warning.palette().color(QPalette::Window), QColor(255, 0, 0));
}

// --- Project name -----------------------------------------------------------------------

TEST_F(DialogTest, ProjectNameEnterStoresEscapeKeeps)
{
    TFProjekt dialog(cfg, seam, forms);
    int closes = 0;
    dialog.onClosed = [&] { ++closes; };
    cfg.projectName = QStringLiteral("Halle 3");

    QString shown;
    seam.answerNext([&](QDialog&) {
        shown = dialog.EditProjekt->text();
        dialog.EditProjekt->setText(QStringLiteral("Tor Nord"));
        pressKey(dialog.EditProjekt, Qt::Key_Return);
    });
    dialog.execute();
    EXPECT_EQ(shown, QStringLiteral("Halle 3"));
    EXPECT_EQ(cfg.projectName, QStringLiteral("Tor Nord"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(closes, 1);

    // Escape, in the edit or on the window, and the title bar all keep the name.
    for (int way = 0; way < 3; ++way) {
        seam.answerNext([&, way](QDialog& d) {
            EXPECT_EQ(dialog.EditProjekt->text(), QStringLiteral("Tor Nord"));
            dialog.EditProjekt->setText(QStringLiteral("verworfen"));
            if (way == 0)
                pressKey(dialog.EditProjekt, Qt::Key_Escape);
            else if (way == 1)
                pressKey(&d, Qt::Key_Escape);
            else
                d.close();
        });
        dialog.execute();
        EXPECT_EQ(cfg.projectName, QStringLiteral("Tor Nord")) << "way " << way;
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(closes, 4);

    // The keypad's Enter works as well; an empty edit stores an empty name.
    seam.answerNext([&](QDialog&) {
        dialog.EditProjekt->clear();
        pressKey(dialog.EditProjekt, Qt::Key_Enter);
    });
    dialog.execute();
    EXPECT_EQ(cfg.projectName, QString());
    EXPECT_EQ(closes, 5);
    EXPECT_EQ(seam.modalShows.back().title, QStringLiteral("Projektname"));
}

// The name is one line of the configuration file: a pasted line break must not split it.
TEST_F(DialogTest, ProjectNameKeepsToOneLine)
{
    TFProjekt dialog(cfg, seam, forms);
    seam.answerNext([&](QDialog&) {
        dialog.EditProjekt->setText(QStringLiteral("Halle 3\r\nTor Nord\nWest"));
        pressKey(dialog.EditProjekt, Qt::Key_Return);
    });
    dialog.execute();
    EXPECT_FALSE(cfg.projectName.contains(QLatin1Char('\n')));
    EXPECT_FALSE(cfg.projectName.contains(QLatin1Char('\r')));
    EXPECT_TRUE(cfg.projectName.startsWith(QStringLiteral("Halle 3")));
    EXPECT_TRUE(cfg.projectName.endsWith(QStringLiteral("West")));
}

// --- Information and help ---------------------------------------------------------------

TEST_F(DialogTest, InfoShowsVersionAndOpensHomepage)
{
    TFinfo info(cfg, seam, forms);
    seam.answerNext([&](QDialog&) {
        EXPECT_EQ(info.Versionslabel->text(),
                  QStringLiteral("Software Version 3.05  -  Juni / 2009"));
        EXPECT_EQ(info.Lizenzlabel->text(), QStringLiteral("Lizenz: GNU GPL Version 3 oder neuer"));
        EXPECT_EQ(info.weblabel->text(), QStringLiteral("https://www.varnel-funk.de"));
        mouse(info.weblabel, QEvent::MouseButtonPress);
        mouse(info.weblabel, QEvent::MouseButtonRelease);
        info.Button1->click();
    });
    info.execute();
    EXPECT_FALSE(info.isVisible());
    ASSERT_EQ(seam.openedUrls.size(), 1u);
    EXPECT_EQ(seam.openedUrls[0], QUrl(QStringLiteral("https://www.varnel-funk.de")));
    EXPECT_EQ(seam.modalShows[0].title,
              QStringLiteral("Info zu Konfigurationssoftware für Empfängermodul"));
    EXPECT_EQ(info.Button1->text(), QStringLiteral("O.K."));
}

TEST_F(DialogTest, HelpFillsContactBlockAndOpensHomepageOnDoubleClick)
{
    TFHelp help(cfg, seam, forms);
    seam.answerNext([&](QDialog&) {
        EXPECT_EQ(help.Lurl->text(), QStringLiteral("www.varnel-funk.de"));
        EXPECT_EQ(help.Lemail->text(), QStringLiteral("info@varnel-funk.de"));
        EXPECT_FALSE(help.Lfirma->text().isEmpty());
        EXPECT_EQ(help.Lurl->toolTip(), QStringLiteral("per Doppelklick zur homepage!"));
        mouse(help.Lurl, QEvent::MouseButtonPress);
        mouse(help.Lurl, QEvent::MouseButtonRelease);
        EXPECT_TRUE(seam.openedUrls.empty());   // a single click does nothing
        mouse(help.Lurl, QEvent::MouseButtonDblClick);
        help.BClose->click();
    });
    help.execute();
    ASSERT_EQ(seam.openedUrls.size(), 1u);
    EXPECT_EQ(seam.openedUrls[0], QUrl(QStringLiteral("https://www.varnel-funk.de")));
    EXPECT_EQ(seam.modalShows[0].title, QStringLiteral("Hilfe zur Funkmodul-Konfiguration"));

    // Read to the end and closed: the next opening starts at the heading again.
    QScrollBar* bar = help.MemoHTH->verticalScrollBar();
    seam.answerNext([&](QDialog&) {
        QApplication::processEvents();
        ASSERT_GT(bar->maximum(), 0);
        bar->setValue(bar->maximum());
    });
    help.execute();
    int shownAt = -1;
    seam.answerNext([&](QDialog&) { shownAt = bar->value(); });
    help.execute();
    EXPECT_EQ(shownAt, bar->minimum());
}

TEST_F(DialogTest, HelpTextHasEverySectionInOrder)
{
    TFHelp help(cfg, seam, forms);
    const QString text = help.MemoHTH->toPlainText();
    const QStringList headings{
        QStringLiteral("- Hilfe -"),
        QStringLiteral("1.  ALLGEMEINE EINSTELLUNGEN"),
        QStringLiteral("1.1"), QStringLiteral("\"Senderauswahl\""),
        QStringLiteral("1.2"), QStringLiteral("\"Codierlänge\""),
        QStringLiteral("1.3"), QStringLiteral("\"Prüfschärfe\""), QStringLiteral("\"Sperrzeit\""),
        QStringLiteral("1.4"), QStringLiteral("\"Speicherfunktion\""), QStringLiteral("\"Anfangswert\""),
        QStringLiteral("1.5"), QStringLiteral("\"gegenseitige Verriegelung der Ausgänge\""),
        QStringLiteral("\"Umschaltzeit\""),
        QStringLiteral("1.6"), QStringLiteral("\"Not-Aus\""),
        QStringLiteral("1.7"), QStringLiteral("\"mit Checksumme\""),
        QStringLiteral("2.  CODEFUNKTIONEN 1..8"),
        QStringLiteral("2.1"), QStringLiteral("\"Fix-Codes\""), QStringLiteral("\"Parallel-Codes\""),
        QStringLiteral("2.2"), QStringLiteral("\"Code1\" - \"Code 8\""),
        QStringLiteral("2.3"), QStringLiteral("PopUp-Einstelldialog"),
        QStringLiteral("2.3.1"), QStringLiteral("\"Adresse\""), QStringLiteral("\"Einstellhilfe\""),
        QStringLiteral("2.3.2"), QStringLiteral("\"Funktion\""),
        QStringLiteral("-keine-"), QStringLiteral("-Ein-"), QStringLiteral("-Aus-"),
        QStringLiteral("-Wechsel-"), QStringLiteral("-1:1-"), QStringLiteral("-Impuls-"),
        QStringLiteral("2.3.3."), QStringLiteral("\"Ausgang\""),
        QStringLiteral("3. ALLGEMEINE INFORMATIONEN"),
        QStringLiteral("4. BENUTZERKOMMENTARE und ERWEITERTE PROGRAMMIEREINSTELLUNGEN"),
    };
    int from = 0;
    for (const QString& h : headings) {
        const int at = text.indexOf(h, from);
        EXPECT_GE(at, 0) << "missing or out of order: " << h.toStdString();
        if (at >= 0)
            from = at + h.size();
    }
}

// --- Pictures ---------------------------------------------------------------------------

TEST(Artwork, EveryPictureIsCompiledInAndDrawable)
{
    art::ensureLoaded();
    for (const char* path : {art::Fb1aurel, art::Fb2aurel, art::Fb4aurel, art::Fb3svs,
                             art::Fb16uni, art::Fb17uni, art::Icon, art::Codepos}) {
        QSvgRenderer svg{QString::fromLatin1(path)};
        EXPECT_TRUE(svg.isValid()) << path;
    }
    // One glyph per known transmitter type, none for the others.
    QStringList seen;
    for (int typ : {1, 2, 7, 10, 16, 17}) {
        const QString path = art::glyphPath(typ);
        EXPECT_FALSE(path.isEmpty()) << typ;
        EXPECT_FALSE(seen.contains(path)) << typ;
        seen << path;
    }
    EXPECT_TRUE(art::glyphPath(0).isEmpty());
    EXPECT_TRUE(art::glyphPath(99).isEmpty());
    // The marker stands under one digit of a 40-digit row: 7 pixels wide.
    EXPECT_EQ(QSvgRenderer(QString::fromLatin1(art::Codepos)).defaultSize().width(), 7);
}

// With the longest texts they carry in use, every dialog shows its texts in full and no
// control lies on another. Pictures are saved when FBE_SHOT_DIR names a folder.
TEST_F(DialogTest, LongestTextsFitAndNothingOverlaps)
{
    auto shot = [&](QDialog& d, const char* name) {
        seam.answerNext([&, name](QDialog&) {
            QApplication::processEvents();
            fbe::test::checkLayout(&d, QLatin1String(name));
        });
        seam.showModal(d);
    };
    TFask ask(cfg, seam, forms);
    ask.clearLines();
    ask.addLine(QStringLiteral("soll die zuletzt geöffnete Datei:"));
    ask.addLine(QStringLiteral(" \"C:\\Dokumente und Einstellungen\\Techniker\\Eigene Dateien\\"
                               "Kunden\\Müller GmbH\\Halle 3\\Tor Süd Schranke Einfahrt West.fbe\" "));
    ask.addLine(QStringLiteral("geladen werden?"));
    shot(ask, "ask-lastfile");
    // With "Abbrechen" the question is wider by that button; "JA" and "NEIN !" keep their place.
    const QRect ja = ask.JA->geometry(), nein = ask.NEIN->geometry();
    seam.answerNext([&](QDialog& d) { fbe::test::checkLayout(&d, QStringLiteral("ask-changed")); });
    ask.askOrCancel({QStringLiteral("!!!  Die Datei wurde geändert  !!!"),
                     QStringLiteral("zuerst sichern ?")});
    EXPECT_EQ(ask.JA->geometry(), ja);
    EXPECT_EQ(ask.NEIN->geometry(), nein);
    EXPECT_EQ(ask.Abbrechen->geometry(), nein.translated(nein.left() - ja.left(), 0));
    EXPECT_EQ(ask.width(), TFask::Width + nein.left() - ja.left());

    TFhinweis notice(cfg, seam, forms);
    notice.clearLines();
    notice.addLine(QStringLiteral(
        "wenn die Speicherfunktion gewählt ist, macht eine Definition der Anfangswerte (rechtes "
        "Fenster) keinen Sinn, da als Initialwert nun immer der letzte Zustand vor "
        "Spannungsausfall verwendet wird!"));
    shot(notice, "notice-store");

    TFwarnung warning(cfg, seam, forms);
    warning.clearLines();
    for (const QString& line : firmwareWarningLines(FirmwareWarning::Newer))
        warning.addLine(line);
    shot(warning, "warning-firmware");

    TFProjekt project(cfg, seam, forms);
    cfg.projectName = QStringLiteral("Halle 3 – Tor Süd, Schranke Einfahrt West (Reserve)");
    shot(project, "project");
    TFinfo info(cfg, seam, forms);
    shot(info, "info");
    TFHelp help(cfg, seam, forms);
    shot(help, "help");

    // The production database, as it opens and after a connection failed with the server's
    // reason.
    const QStringList failure{
        series::msgUnreachable(),
        QStringLiteral(" connection to server on socket \"/var/run/postgresql/.s.PGSQL.5432\" "
                       "failed: No such file or directory\n\tIs the server running locally and "
                       "accepting connections on that socket?")};
    ProductionDatabaseDialog database(seam, [&](const QString&) { return failure; });
    seam.answerNext([&](QDialog&) {
        QApplication::processEvents();
        fbe::test::checkLayout(&database, QStringLiteral("production-database"));
        database.EHost->setText(QStringLiteral("/var/run/postgresql"));
        database.BVerbinden->click();
        QApplication::processEvents();
        EXPECT_TRUE(database.LFehler->isVisible());
        fbe::test::checkLayout(&database, QStringLiteral("production-database-failed"));
        database.reject();
    });
    EXPECT_FALSE(database.execute(QStringLiteral("postgresql://fbe@werk-db/produktion")));
    EXPECT_EQ(seam.modalShows.size(), 8u);
}
