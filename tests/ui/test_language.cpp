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
    struct Row {
        const char* item;
        const char* line9;
        const char* selectTitle;   // a window already made, shown in the language chosen
        const char* menuTitle;
        const char* printItem;     // set in code by a part of the main window
        const char* databaseLine;
    };
    // The suite runs with LANGUAGE=de, so the desktop's language is German.
    const Row rows[] = {
        {"MEnglish", "en", "Transmitter selection", "&Language", "&Print ...", "no production database"},
        {"MGerman", "de", "Auswahl Sender", "&Sprache", "&Drucken ...", "keine Produktionsdatenbank"},
        {"MEnglish", "en", "Transmitter selection", "&Language", "&Print ...", "no production database"},
        {"MSystemLanguage", "", "Auswahl Sender", "&Sprache", "&Drucken ...",
         "keine Produktionsdatenbank"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.item);
        start();
        forms.FBselect->show();
        QCoreApplication::processEvents();
        main->languageMenu->findChild<QAction*>(QLatin1String(r.item))->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(forms.FBselect->windowTitle(), QString::fromUtf8(r.selectTitle));
        EXPECT_EQ(main->languageMenu->title(), QString::fromUtf8(r.menuTitle));
        EXPECT_EQ(main->Mdrucken->text(), QString::fromUtf8(r.printItem));
        EXPECT_EQ(main->LDatenbank->text(), QString::fromUtf8(r.databaseLine));
        forms.FBselect->hide();
        // Switching changes nothing of the configuration: closing asks no question.
        const int asked = questions();
        ASSERT_TRUE(main->close());
        EXPECT_EQ(questions(), asked);
        const SettingsRead read = readSettingsFile(path(settingsFileName()));
        ASSERT_TRUE(read.complete);
        EXPECT_EQ(read.values.language, QString::fromLatin1(r.line9));
        stop();

        // The next start shows the choice checked and works in its language.
        start();
        EXPECT_EQ(main->languageMenu->choice(), QString::fromLatin1(r.line9));
        QCoreApplication::processEvents();
        EXPECT_EQ(forms.FBselect->windowTitle(), QString::fromUtf8(r.selectTitle));
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
