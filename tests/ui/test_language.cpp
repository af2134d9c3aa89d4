// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The menu "&Sprache": a choice changes every window's texts at once, is written to settings
// line 9 at the end and comes back at the next start.
#include "ProgramWindows.h"

#include "comm/OpenFailure.h"
#include "comm/TransferProtocol.h"
#include "config/ImageCodec.h"
#include "config/Refresh.h"
#include "config/SettingsFile.h"
#include "mainwindow/LanguageMenu.h"

#include <QAction>
#include <QLabel>

#include <gtest/gtest.h>

using namespace fbe;

namespace {

struct LanguageTest : fbe::test::ProgramTest {
    void start()
    {
        create();
        main->inittimerTimer();
    }
    // The language the tests run in comes back whatever a row chose.
    void TearDown() override
    {
        fbe::test::ProgramTest::TearDown();
        language::use(QStringLiteral("de"));
        QCoreApplication::processEvents();
    }
};

}  // namespace

TEST_F(LanguageTest, AChoiceChangesTheOpenWindowsAtOnceAndIsKeptInLineNine)
{
    // What the windows show in one language.
    struct Shown {
        const char* selectTitle;   // a window already made
        const char* menuTitle;
        const char* fileMenu;
        const char* statusLine;    // computed by the refresh
        const char* caption;       // %1: the project name, the configuration's as it was made
        const char* noFunction;    // the code table
        const char* saveCaption;
        const char* newFile;       // the name the save dialog offers
        const char* yes;           // the question
        const char* printItem;     // set in code by a part of the main window
        const char* databaseLine;
    };
    const Shown german{"Auswahl Sender", "&Sprache", "&Datei", "Datei:  neue datei.fbe",
                       "Funkempfänger Konfiguration  [Ver.: 3.05]     - %1 -",
                       "  - keine -", "Datei speichern als...", "neue datei.fbe", "JA",
                       "&Drucken ...", "keine Produktionsdatenbank"};
    const Shown english{"Transmitter selection", "&Language", "&File", "File:  new file.fbe",
                        "Radio Receiver Configuration  [Ver.: 3.05]     - %1 -",
                        "  - none -", "Save file as...", "new file.fbe", "YES",
                        "&Print ...", "no production database"};
    struct Row {
        const char* item;
        const char* line9;
        const Shown& shown;
        // The new configuration's project name: made at the start, in the language the row
        // before left, and kept through the switch.
        const char* projectName;
    };
    // The suite runs with LANGUAGE=de, so the desktop's language is German.
    const Row rows[] = {
        {"MEnglish", "en", english, "-Projektname-"},
        {"MGerman", "de", german, "-Project name-"},
        {"MEnglish", "en", english, "-Projektname-"},
        {"MSystemLanguage", "", german, "-Project name-"},
    };
    auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.item);
        start();
        forms.FBselect->show();
        // A message in the area: the lines shown stay as they are.
        seam.openFileNames.push_back(path(QStringLiteral("fehlt.fbe")));
        main->MopenClick();
        const QStringList message = main->infoLines();
        QCoreApplication::processEvents();
        main->languageMenu->findChild<QAction*>(QLatin1String(r.item))->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(forms.FBselect->windowTitle(), text(r.shown.selectTitle));
        EXPECT_EQ(main->languageMenu->title(), text(r.shown.menuTitle));
        EXPECT_EQ(main->MDatei->title(), text(r.shown.fileMenu));
        EXPECT_EQ(main->ShowFile->text(), text(r.shown.statusLine));
        EXPECT_EQ(main->windowTitle(), text(r.shown.caption).arg(text(r.projectName)));
        EXPECT_EQ(main->Cfun[1]->text(), text(r.shown.noFunction));
        EXPECT_EQ(forms.Fask->JA->text(), text(r.shown.yes));
        EXPECT_EQ(main->infoLines(), message);
        main->MsaveClick();   // the dialog cancelled
        EXPECT_EQ(seam.fileDialogCaptions.last(), text(r.shown.saveCaption));
        EXPECT_EQ(seam.fileDialogDirs.last(), text(r.shown.newFile));
        EXPECT_EQ(main->Mdrucken->text(), text(r.shown.printItem));
        EXPECT_EQ(main->LDatenbank->text(), text(r.shown.databaseLine));
        forms.FBselect->hide();
        // Switching changes nothing of the configuration: closing asks no question. The
        // settings file is the same in every language.
        const int asked = questions();
        ASSERT_TRUE(main->close());
        EXPECT_EQ(questions(), asked);
        const SettingsRead read = readSettingsFile(path(settingsFileName()));
        ASSERT_TRUE(read.complete);
        EXPECT_EQ(read.values.language, QString::fromLatin1(r.line9));
        EXPECT_EQ(read.values.lastFile, QStringLiteral("neue datei.fbe"));
        stop();

        // The next start shows the choice checked and works in its language.
        start();
        EXPECT_EQ(main->languageMenu->choice(), QString::fromLatin1(r.line9));
        QCoreApplication::processEvents();
        EXPECT_EQ(forms.FBselect->windowTitle(), text(r.shown.selectTitle));
        stop();
    }
}

// A transfer's message is kept German; shown in English, every line is translated with its
// values kept as they are, and a line of other origin stays.
TEST_F(LanguageTest, AKeptMessageIsShownInEnglishLineByLine)
{
    struct Row {
        QString kept;
        QString shown;
    };
    const Row rows[] = {
        {TransferProtocol::msgOpenError(QStringLiteral("ttyUSB0")) + QStringLiteral("\n")
             + OpenFailure{OpenFailure::Missing, QStringLiteral("/dev/ttyUSB0"), {}}.line(),
         QStringLiteral("Error opening COM port: ttyUSB0\n /dev/ttyUSB0: device not present")},
        // A value that looks like a placeholder is kept as it is.
        {OpenFailure{OpenFailure::Other, QStringLiteral("/tmp/a%2b"), QStringLiteral("%1")}
             .line(),
         QStringLiteral(" /tmp/a%2b: error on opening (%1)")},
        {TransferProtocol::msgWriteMismatch(101),
         QStringLiteral("Transfer error at send address: [101] !")},
        {TransferProtocol::msgInterrupted() + QStringLiteral("\n")
             + TransferProtocol::msgConnectionLost(),
         QStringLiteral("transfer interrupted --> aborted\n connection to the port lost")},
        // The lines the taking of the result adds.
        {TransferProtocol::msgInterrupted() + QStringLiteral("\n") + msgConfigurationUnchanged(),
         QStringLiteral("transfer interrupted --> aborted\n Configuration unchanged")},
        {QString::fromUtf8(ChecksumErrorText) + QStringLiteral("\n") + msgModuleIncomplete(),
         QStringLiteral("EEPROM error (checksum)\n Module programmed incompletely - please "
                        "program again")},
        // Not a text of the transfer: as it is.
        {QStringLiteral("Übertragung erfolgreich!"), QStringLiteral("Übertragung erfolgreich!")},
    };
    const fbe::test::InLanguage english(QStringLiteral("en"));
    for (const Row& r : rows)
        EXPECT_EQ(TransferProtocol::shown(r.kept).toStdString(), r.shown.toStdString());
}
