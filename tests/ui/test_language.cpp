// The menu "&Sprache": a choice changes every window's texts at once, is written to settings
// line 9 at the end and comes back at the next start.
#include "ProgramWindows.h"

#include "comm/OpenFailure.h"
#include "comm/TransferProtocol.h"
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
        const char* caption;       // the project name is the configuration's, as it was made
        const char* noFunction;    // the code table
        const char* saveCaption;
        const char* newFile;       // the name the save dialog offers
        const char* yes;           // the question
    };
    const Shown german{"Auswahl Sender", "&Sprache", "&Datei", "Datei:  neue datei.fbe",
                       "Funkempfänger Konfiguration  [Ver.: 3.05]     - -Projektname- -",
                       "  - keine -", "Datei speichern als...", "neue datei.fbe", "JA"};
    const Shown english{"Transmitter selection", "&Language", "&File", "File:  new file.fbe",
                        "Radio Receiver Configuration  [Ver.: 3.05]     - -Projektname- -",
                        "  - none -", "Save file as...", "new file.fbe", "YES"};
    struct Row {
        const char* item;
        const char* line9;
        const Shown& shown;
    };
    // The suite runs with LANGUAGE=de, so the desktop's language is German.
    const Row rows[] = {
        {"MEnglish", "en", english},
        {"MGerman", "de", german},
        {"MEnglish", "en", english},
        {"MSystemLanguage", "", german},
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
        EXPECT_EQ(main->windowTitle(), text(r.shown.caption));
        EXPECT_EQ(main->Cfun[1]->text(), text(r.shown.noFunction));
        EXPECT_EQ(forms.Fask->JA->text(), text(r.shown.yes));
        EXPECT_EQ(main->infoLines(), message);
        main->MsaveClick();   // the dialog cancelled
        EXPECT_EQ(seam.fileDialogCaptions.last(), text(r.shown.saveCaption));
        EXPECT_EQ(seam.fileDialogDirs.last(), text(r.shown.newFile));
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
        // Not a text of the transfer: as it is.
        {QStringLiteral("Übertragung erfolgreich!"), QStringLiteral("Übertragung erfolgreich!")},
    };
    const fbe::test::InLanguage english(QStringLiteral("en"));
    for (const Row& r : rows)
        EXPECT_EQ(TransferProtocol::shown(r.kept).toStdString(), r.shown.toStdString());
}
