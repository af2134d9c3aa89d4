// The menu "&Sprache": a choice changes every window's texts at once, is written to settings
// line 9 at the end and comes back at the next start.
#include "ProgramWindows.h"

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
    };
    // The suite runs with LANGUAGE=de, so the desktop's language is German.
    const Row rows[] = {
        {"MEnglish", "en", "Transmitter selection", "&Language"},
        {"MGerman", "de", "Auswahl Sender", "&Sprache"},
        {"MEnglish", "en", "Transmitter selection", "&Language"},
        {"MSystemLanguage", "", "Auswahl Sender", "&Sprache"},
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
