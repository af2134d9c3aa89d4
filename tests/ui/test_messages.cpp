// SPDX-FileCopyrightText: 2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The message area tells the truth and a failure is heard: one beep for every failed run and
// none for a success or the user's own "Abbrechen"; hands-free programming says when it is
// off; undo and redo say what they did and what became of the addresses; a long list of
// addresses wraps only between its items.
#include "FieldInput.h"
#include "MessageCheck.h"
#include "TransferTest.h"

#include "comm/SeriesProgrammer.h"
#include "config/FbeFile.h"
#include "config/ImageCodec.h"
#include "config/ProductionLog.h"
#include "editors/TFsystem.h"
#include "mainwindow/UndoHistory.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

using namespace fbe;
using namespace fbe::test;
using commtest::ScriptedPort;
using commtest::runUntil;
using Colour = TFFBmain::InfoColour;
using State = SeriesProgrammer::State;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

const QString Success = S("Übertragung erfolgreich");
const QString SeriesOff = S(" automatisches Programmieren ausgeschaltet");

struct MessagesTest : TransferTest {
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(TransferTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(restart());
    }

    // The programmable transmitter, as the transmitter selection makes it, with its code
    // length.
    void programmable(int bits = 40)
    {
        cfg.activeType = typ::Uni16;
        cfg.types[typ::Uni16].bits = quint8(bits);
        cfg.current() = cfg.types[typ::Uni16];
        w->FormPaint();
    }
    void useCode(int n, quint64 address)
    {
        cfg.codes[size_t(n)] = {address, true, false, false, false, FnEin, 1, false, 0};
    }
    // The module answers with a wrong echo for the write of byte 5.
    void wrongEcho()
    {
        port.responder = [this](const ScriptedPort::Command& c, int) {
            std::vector<quint8> r = port.answer(c);
            if (c[0] == 0x32 && c[1] == 5)
                r[0] ^= 0xFF;
            return r;
        };
    }
    // "Abbrechen" in the transfer window in the middle of the write phase.
    void abbrechenDuringTheRun()
    {
        port.afterByte = [this] {
            if (port.commands.size() == 21 && rs->isVisible())
                rs->Abbrechen->click();
        };
    }
    // An image that reads back whole.
    static Image goodImage()
    {
        Configuration module;
        NeueDatei(module);
        EncodeImage(module);
        return module.txBuffer;
    }
};

}  // namespace

// Each row on the program as after start-up; the beeps of the row alone are counted.
TEST_F(MessagesTest, OneBeepForEveryFailedRunNoneForASuccessOrTheUsersAbbrechen)
{
    struct Row {
        const char* what;
        std::function<void()> arrange;
        bool read;       // "Modul auslesen", else "Modul programmieren"
        int beeps;
    };
    const std::vector<Row> rows{
        {"programming run that succeeds", nullptr, false, 0},
        {"read that succeeds", [&] { port.eeprom = goodImage(); }, true, 0},
        // The failures of the transfer.
        {"no reply",
         [&] { port.responder = [](const ScriptedPort::Command&, int) { return std::vector<quint8>{}; }; },
         false, 1},
        {"firmware not compatible", [&] { port.versionLow = 0x0A; }, false, 1},
        {"wrong echo of a write", [&] { wrongEcho(); }, false, 1},
        {"checksum of a read",
         [&] {
             port.eeprom = goodImage();
             port.eeprom[10] ^= 0x01;
         },
         true, 1},
        {"port that cannot be opened", [&] { port.openSucceeds = false; }, false, 1},
        {"port gone during the run",
         [&] {
             port.afterByte = [this] {
                 if (port.commands.size() == 30 && port.onLost)
                     port.onLost();
             };
         },
         false, 1},
        // The user ended it and knows.
        {"Abbrechen during the run", [&] { abbrechenDuringTheRun(); }, false, 0},
        {"closed before the exchange began",
         [&] { seam.answerNext([](QDialog&) {}); },   // closed by its title bar at once
         false, 0},
        // Refused before anything is sent.
        {"log that cannot take the line",
         [&] {
             w->productionLog = true;
             ASSERT_TRUE(QDir(dir.path()).mkpath(ProductionLogName));
         },
         false, 1},
        {"production database not reachable",
         [&] { w->setDatabaseUri(S("postgresql:///produktion?host=/nirgendwo&user=fbe")); },
         false, 1},
        {"address above the max. address",
         [&] {
             programmable(10);
             useCode(1, 3000);
             w->FormPaint();
         },
         false, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_NO_FATAL_FAILURE(restart());
        QDir(dir.filePath(ProductionLogName)).removeRecursively();
        if (row.arrange)
            row.arrange();
        const int beeps = seam.beeps;
        (row.read ? w->Mread : w->Mprogram)->trigger();
        EXPECT_EQ(seam.beeps - beeps, row.beeps) << w->infoLines().join(QLatin1Char('|')).toStdString();
        // Every row but the two successes ends in the error colour.
        const bool succeeded = QLatin1String(row.what).endsWith(QLatin1String("succeeds"));
        EXPECT_EQ(w->infoColour(), succeeded ? Colour::Normal : Colour::Error);
    }

    // A warning beeps too: the code length lowered below used addresses.
    ASSERT_NO_FATAL_FAILURE(restart());
    programmable();
    useCode(1, 3000);
    w->FormPaint();
    const int beeps = seam.beeps;
    leave(w->bitanzahl, S("10"));
    EXPECT_EQ(seam.beeps - beeps, 1);
    EXPECT_EQ(w->infoColour(), Colour::Warning);
}

// However hands-free programming ends, the line of what it waited for gives way to
// " automatisches Programmieren ausgeschaltet"; a failed or refused run is heard once in all
// (its own beep, none for the mode's end), the user's "Abbrechen" not at all.
TEST_F(MessagesTest, HandsFreeProgrammingSaysWhenItIsOffAndAFailureIsHeardOnce)
{
    bool moduleIn = true;
    struct Row {
        const char* what;
        std::function<void()> arrange;   // before it is switched on
        std::function<void()> end;       // once it runs: ends it, or waits for its end
        QStringList lines;
        Colour colour;
        int beeps;
    };
    auto waitFor = [&](State s) { ASSERT_TRUE(runUntil([&] { return w->series->state() == s; }, 20000)); };
    const std::vector<Row> rows{
        {"off by hand before any module", [&] { moduleIn = false; },
         [&] {
             ASSERT_TRUE(runUntil([&] { return w->series->pollsSent() >= 2; }));
             ASSERT_EQ(w->infoLines(), QStringList{S(" warte auf nächstes Modul ...")});
             w->CBauto->click();
         },
         {SeriesOff}, Colour::Normal, 0},
        {"off by hand after a module", nullptr,
         [&] {
             waitFor(State::WaitingForRemoval);
             w->CBauto->click();
         },
         {Success, SeriesOff}, Colour::Normal, 0},
        {"a failed run", [&] { wrongEcho(); }, [&] { waitFor(State::Off); },
         {S("Übertragungsfehler bei Sendeadresse: [5] !"),
          S(" Modul unvollständig programmiert - bitte erneut programmieren"), SeriesOff},
         Colour::Error, 1},
        {"a run refused before sending",
         [&] {
             programmable(10);
             useCode(1, 3000);
             w->FormPaint();
         },
         [&] { waitFor(State::Off); },
         {S(" CODE 1: Adresse größer als max. Adresse"), SeriesOff}, Colour::Error, 1},
        {"Abbrechen of a run", [&] { abbrechenDuringTheRun(); }, [&] { waitFor(State::Off); },
         {S("Übertragung abgebrochen"),
          S(" Modul unvollständig programmiert - bitte erneut programmieren"), SeriesOff},
         Colour::Error, 0},
        {"the port gone while it waits", [&] { moduleIn = false; },
         [&] {
             ASSERT_TRUE(runUntil([&] { return w->series->pollsSent() >= 2; }));
             port.onLost();
         },
         {S(" Verbindung zur Schnittstelle verloren"), SeriesOff}, Colour::Error, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_NO_FATAL_FAILURE(restart());
        moduleIn = true;
        w->MProgClick();
        useCode(2, 200);
        w->FormPaint();
        if (row.arrange)
            row.arrange();
        auto answer = port.responder;
        port.responder = [&, answer](const ScriptedPort::Command& c, int i) {
            if (!moduleIn)
                return std::vector<quint8>{};
            return answer ? answer(c, i) : port.answer(c);
        };
        const int beeps = seam.beeps;
        w->CBauto->click();
        ASSERT_TRUE(w->seriesOn());
        row.end();
        EXPECT_FALSE(w->seriesOn());
        EXPECT_EQ(w->infoLines(), row.lines);
        EXPECT_EQ(w->infoColour(), row.colour);
        EXPECT_EQ(seam.beeps - beeps, row.beeps);
        port.responder = nullptr;
    }
}

// After Ctrl+Z and Ctrl+Y the area says what happened, in white; where the step changed
// used addresses, which came back, or (redone) the step's own lines, yellow with a beep.
TEST_F(MessagesTest, UndoAndRedoSayWhatTheyDidAndWhatBecameOfTheAddresses)
{
    struct Row {
        const char* what;
        std::function<void()> change;
        QStringList undone;
        QStringList redone;   // yellow with a beep when longer than one line, else white
    };
    const std::vector<Row> rows{
        {"a field", [&] { leave(w->sperrzeit, S("500")); }, {S(" rückgängig: Sperrzeit")},
         {S(" wiederholt: Sperrzeit")}},
        {"the code length limiting two addresses",
         [&] {
             programmable();
             useCode(1, 3000);
             useCode(2, 3500);
             useCode(3, 7);
             w->FormPaint();
             leave(w->bitanzahl, S("10"));
         },
         {S(" rückgängig: Codierlänge"),
          S(" Adressen zurückgenommen: CODE 1 1023 --> 3000, CODE 2 1023 --> 3500")},
         {S(" wiederholt: Codierlänge"), S(" Adresse wurde begrenzt !!!"),
          S(" Adressen begrenzt: CODE 1 3000 --> 1023, CODE 2 3500 --> 1023"),
          S(" gleiche Adresse: CODE 1 und CODE 2")}},
        // The dialog's step, named by the refresh as it closes.
        {"another transmitter type",
         [&] {
             programmable();
             useCode(6, 300000);
             w->FormPaint();
             seam.answerNext([this](QDialog&) { forms.FBselect->FB1aurelClick(); });
             w->FBselectClick();
         },
         {S(" rückgängig: Senderauswahl"), S(" Adressen zurückgenommen: CODE 6 992 --> 300000")},
         {S(" wiederholt: Senderauswahl"), S(" Adressen begrenzt: CODE 6 300000 --> 992")}},
        // Named by the refresh after the dialog's step has ended.
        {"the system settings' mask",
         [&] {
             useCode(1, 3000);
             w->FormPaint();
             seam.answerNext([this](QDialog&) {
                 clickInto(forms.Fsystem->mask, QString(32, QLatin1Char('0')) + QString(8, QLatin1Char('1')));
                 leave(forms.Fsystem->mask);
             });
             w->MSystem->trigger();
         },
         {S(" rückgängig: System-Grundeinstellungen"),
          S(" Adressen zurückgenommen: CODE 1 184 --> 3000")},
         {S(" wiederholt: System-Grundeinstellungen"), S(" Adressen begrenzt: CODE 1 3000 --> 184")}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_NO_FATAL_FAILURE(restart());
        row.change();
        w->activateWindow();
        QApplication::processEvents();

        int beeps = seam.beeps;
        w->MUndo->trigger();
        EXPECT_EQ(w->infoLines(), row.undone) << w->infoLines().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(w->infoColour(), Colour::Normal);
        EXPECT_EQ(seam.beeps, beeps);

        beeps = seam.beeps;
        w->MRedo->trigger();
        const bool addresses = row.redone.size() > 1;
        EXPECT_EQ(w->infoLines(), row.redone) << w->infoLines().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(w->infoColour(), addresses ? Colour::Warning : Colour::Normal);
        EXPECT_EQ(seam.beeps - beeps, addresses ? 1 : 0);
    }
}

// Eight used codes of a 40-bit file, the code length set to 10: every line of the change, of
// its undo and of its redo wraps between items only, in German and in English. Pictures of
// the area with FBE_SHOT_DIR.
TEST_F(MessagesTest, EightLimitedAddressesWrapOnlyBetweenTheirItems)
{
    const quint64 addresses[] = {1099511627775ULL, 1099508627766ULL, 5000, 1099500000000ULL,
                                 2047, 1099511620000ULL, 4096, 1099000000000ULL};
    struct Row {
        const char* language;
        QStringList headings;
        QString first;   // the start of the change's line, byte for byte
    };
    const Row rows[] = {
        {"de",
         {S(" Adressen begrenzt: "), S(" gleiche Adresse: "), S(" Adressen zurückgenommen: ")},
         S(" Adressen begrenzt: CODE 1 1099511627775 --> 1023, CODE 2 1099508627766 --> 1023, "
           "CODE 3 5000 --> 1023, CODE 4 1099500000000 --> 1023, ")},
        {"en",
         {S(" Addresses limited: "), S(" same address: "), S(" addresses restored: ")},
         S(" Addresses limited: CODE 1 1099511627775 --> 1023, CODE 2 1099508627766 --> 1023, "
           "CODE 3 5000 --> 1023, CODE 4 1099500000000 --> 1023, ")},
    };
    const QString shots = qEnvironmentVariable("FBE_SHOT_DIR");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.language);
        const InLanguage language(QLatin1String(row.language));
        ASSERT_NO_FATAL_FAILURE(restart());
        programmable();
        for (int n = 1; n <= 8; ++n)
            useCode(n, addresses[n - 1]);
        w->FormPaint();
        leave(w->bitanzahl, S("10"));
        QApplication::processEvents();
        ASSERT_EQ(w->infoLines().size(), 3);
        EXPECT_TRUE(w->infoLines().at(1).startsWith(row.first)) << w->infoLines().at(1).toStdString();
        EXPECT_TRUE(w->infoLines().at(1).endsWith(S("CODE 8 1099000000000 --> 1023")));
        EXPECT_GE(expectListsWrapBetweenItems(w->Info, row.headings), 2);
        const auto picture = [&](const char* what) {
            if (shots.isEmpty())
                return;
            const QString name = shots + QStringLiteral("/info-addresses-%1-%2")
                                             .arg(QLatin1String(row.language), QLatin1String(what));
            w->centralWidget()->grab(QRect(416, 296, 375, 362)).save(name + QStringLiteral(".png"));
            // The whole list, as scrolling the area shows it.
            const QSize whole(w->Info->width(), w->Info->height() + 140);
            const QSize kept = w->Info->size();
            w->Info->resize(whole);
            w->Info->grab().save(name + QStringLiteral("-whole.png"));
            w->Info->resize(kept);
        };
        picture("limited");

        w->MUndo->trigger();
        QApplication::processEvents();
        EXPECT_EQ(expectListsWrapBetweenItems(w->Info, row.headings), 1);
        picture("undone");
        w->MRedo->trigger();
        QApplication::processEvents();
        EXPECT_GE(expectListsWrapBetweenItems(w->Info, row.headings), 2);
        picture("redone");
        // The area's text and its hint are the messages as they are.
        EXPECT_EQ(w->Info->toolTip(), w->infoLines().join(QLatin1Char('\n')));
    }
}
