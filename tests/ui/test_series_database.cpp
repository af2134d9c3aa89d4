// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// A shared series in the window: the production database chosen in its dialog, runs of
// "Modul programmieren" that take their number from it, and the programming view with and
// without a database (pictures with FBE_SHOT_DIR).
#include "LayoutCheck.h"
#include "TransferTest.h"
#include "support/PgServer.h"

#include "comm/SeriesProgrammer.h"
#include "config/ProductionLog.h"
#include "dialogs/ProductionDatabaseDialog.h"
#include "mainwindow/SeriesDatabase.h"
#include "mainwindow/UndoHistory.h"
#include "sheet/SheetData.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace fbe;
using fbe::test::PgServer;

namespace {

struct SeriesDatabaseWindow : fbe::test::TransferTest {
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(TransferTest::SetUp());
        useScriptedPort();
        cfg.codes[1] = {100, true, false, false, false, FnEin, 1, false, 0};
        cfg.codes[2] = {2000, false, true, false, false, FnWechsel, 1, false, 0};
        cfg.offset[1] = 1;
        cfg.offset[2] = 10;
        cfg.projectName = QStringLiteral("Tor Nord");
        w->MProgClick();
        w->productionLog = true;
        w->show();
        w->FormPaint();
    }
    QLabel* label(const char* name) const { return w->Pprogram->findChild<QLabel*>(QLatin1String(name)); }
    void shot(const char* name)
    {
        QApplication::processEvents();
        fbe::test::checkLayout(w, QLatin1String(name), fbe::test::layout::mainWindowCovers());
    }
};

}  // namespace

TEST_F(SeriesDatabaseWindow, ConnectProgramFromTheDatabaseAndRefuseAnotherStart)
{
    EXPECT_EQ(w->LDatenbank->text(), QStringLiteral("keine Produktionsdatenbank"));
    EXPECT_EQ(w->LNaechste->text(), QStringLiteral("nächste:"));
    EXPECT_EQ(w->Aadress[1]->text().trimmed(), QStringLiteral("100"));
    shot("programming-view-without-database");

    PgServer& pg = PgServer::shared();
    ASSERT_TRUE(pg.running()) << pg.error().toStdString();

    // The dialog: a server that is not there first (the dialog stays and says why), then
    // the test server.
    seam.answerNext([&](QDialog& d) {
        auto& dialog = static_cast<ProductionDatabaseDialog&>(d);
        dialog.EHost->setText(QStringLiteral("/nirgendwo"));
        dialog.EPort->setText(QString::number(PgServer::Port));
        dialog.EDatabase->setText(QStringLiteral("produktion"));
        dialog.EUser->setText(QStringLiteral("fbe"));
        dialog.EStation->setText(QStringLiteral("Werkbank 1"));
        dialog.BVerbinden->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.LFehler->text().startsWith(
            QStringLiteral("Produktionsdatenbank nicht erreichbar\n")))
            << dialog.LFehler->text().toStdString();
        fbe::test::checkLayout(&dialog, QStringLiteral("production-database-dialog-failed"));
        dialog.EHost->setText(pg.socketDir());
        dialog.BVerbinden->click();
    });
    w->MDatenbank->trigger();
    EXPECT_EQ(seam.beeps, 1);
    const QString uri = w->databaseUri();
    EXPECT_TRUE(uri.contains(QStringLiteral("application_name=Werkbank%201"))) << uri.toStdString();
    EXPECT_TRUE(uri.contains(QStringLiteral("sslmode=prefer"))) << uri.toStdString();
    EXPECT_EQ(w->LDatenbank->text(),
              QStringLiteral("Produktionsdatenbank: %1/produktion").arg(pg.socketDir()));
    EXPECT_EQ(w->LNaechste->text(), QStringLiteral("nächste: aus der Datenbank"));
    EXPECT_TRUE(w->Aadress[1]->text().isEmpty());

    // Two modules: numbers 0 and 1; the codes keep the addresses programmed, the counter
    // is this station's, the local log gets the number.
    struct Run {
        quint64 code1, code2;
        const char* figures;
    } runs[] = {{100, 2000, "letztes Modul: 0   gesamt: 1"}, {101, 2010, "letztes Modul: 1   gesamt: 2"}};
    for (const Run& r : runs) {
        ASSERT_TRUE(w->programModule()) << w->infoLines().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(cfg.codes[1].address, r.code1);
        EXPECT_EQ(cfg.codes[2].address, r.code2);
        EXPECT_EQ(port.eeprom[2] | port.eeprom[3] << 8, int(r.code1));
        EXPECT_EQ(w->LSerie->text(), QStringLiteral("Serie: Tor Nord"));
        EXPECT_EQ(w->LSerieZahlen->text(), QLatin1String(r.figures));
    }
    EXPECT_EQ(cfg.progcounter, 2);
    EXPECT_EQ(w->progcounter->text(), QStringLiteral("0002"));
    EXPECT_FALSE(w->history->canUndo());   // addresses from the series are not taken back
    // The sheet shows the addresses programmed last, not those less the increment.
    SheetSource source;
    source.addressesProgrammed = w->seriesDatabase().holdsProgrammedAddresses();
    EXPECT_EQ(makeSheet(cfg, source).codes.at(0).address, QStringLiteral("101"));
    QFile log(path(ProductionLogName));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QList<QStringList> lines = parseCsv(QString::fromUtf8(log.readAll().mid(3)));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.at(1).at(7), QStringLiteral("0"));
    EXPECT_EQ(lines.at(2).at(7), QStringLiteral("1"));
    shot("programming-view-with-database");

    // Hands-free programming as before: the module in the adapter gets number 2.
    w->CBauto->click();
    ASSERT_TRUE(commtest::runUntil(
        [&] { return w->series->state() == SeriesProgrammer::State::WaitingForRemoval; }, 20000));
    w->stopSeries();
    EXPECT_EQ(cfg.codes[1].address, 102u);
    EXPECT_EQ(w->LSerieZahlen->text(), QStringLiteral("letztes Modul: 2   gesamt: 3"));

    // Another address for CODE 1 (its start: 500 less number 2 x 1): refused before anything
    // is sent.
    const size_t sent = port.commands.size();
    w->Cadd[1]->setText(QStringLiteral("500"));
    cfg.codes[1].address = 500;
    EXPECT_FALSE(w->programModule());
    EXPECT_EQ(port.commands.size(), sent);
    EXPECT_EQ(w->infoColour(), TFFBmain::InfoColour::Error);
    EXPECT_EQ(w->infoLines().value(0),
              QStringLiteral(" Serie Tor Nord: andere Startadressen, Inkremente oder Codierlänge als in der Datenbank"));
    EXPECT_EQ(w->infoLines().value(1), QStringLiteral(" CODE 1: Startadresse 498, in der Datenbank 100"));
    EXPECT_EQ(w->infoLines().size(), 2);   // CODE 2 is where the series has it
    shot("programming-view-database-refusal");
}
