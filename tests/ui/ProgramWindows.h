// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows as the program entry creates them: the main window first, then the
// others, which it owns.
//
//   std::unique_ptr<TFFBmain> main = createWindows(cfg, seam, forms);
//
// ProgramTest, a fixture for tests of the whole program: a folder of its own as the working
// folder, so the settings file and the configuration files land there, and the windows.
//
//   struct FilesTest : fbe::test::ProgramTest {};
//   TEST_F(FilesTest, NewAsksFirst)
//   {
//       create();
//       cfg.projectName = QStringLiteral("Halle 3");
//       answerNEIN();
//       main->MNewClick();
//       EXPECT_EQ(questions(), 1);
//   }
#pragma once

#include "FakeSeam.h"

#include "comm/TFrs232.h"
#include "config/Configuration.h"
#include "config/Language.h"
#include "dialogs/Seam.h"
#include "dialogs/UHelp.h"
#include "dialogs/Uask.h"
#include "dialogs/Uhinweis.h"
#include "dialogs/Uinfo.h"
#include "dialogs/Uprojekt.h"
#include "dialogs/Uwarnung.h"
#include "editors/TFCode.h"
#include "editors/TFsystem.h"
#include "mainwindow/Forms.h"
#include "mainwindow/TFFBmain.h"
#include "transmitters/TFFB16.h"
#include "transmitters/TFFB3SVS.h"
#include "transmitters/TFFBkeys.h"
#include "transmitters/TFFBselect.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace fbe::test {

inline std::unique_ptr<TFFBmain> createWindows(Configuration& cfg, Seam& seam, Forms& forms)
{
    auto main = std::make_unique<TFFBmain>(cfg, seam, forms);
    QWidget* owner = main.get();
    forms.Fask = new TFask(cfg, seam, forms, owner);
    forms.FB4 = new TFFB4(cfg, seam, forms, owner);
    forms.FB2 = new TFFB2(cfg, seam, forms, owner);
    forms.Finfo = new TFinfo(cfg, seam, forms, owner);
    forms.FB3SVS = new TFFB3SVS(cfg, seam, forms, owner);
    forms.FBselect = new TFFBselect(cfg, seam, forms, owner);
    forms.Fsystem = new TFsystem(cfg, seam, forms, owner);
    forms.FB1 = new TFFB1(cfg, seam, forms, owner);
    forms.FB16 = new TFFB16(cfg, seam, forms, owner);
    forms.FCode = new TFCode(cfg, seam, forms, owner);
    forms.Fhinweis = new TFhinweis(cfg, seam, forms, owner);
    forms.FProjekt = new TFProjekt(cfg, seam, forms, owner);
    forms.Frs232 = new TFrs232(cfg, seam, forms, owner);
    forms.FHelp = new TFHelp(cfg, seam, forms, owner);
    forms.Fwarnung = new TFwarnung(cfg, seam, forms, owner);
    main->connectForms();
    return main;
}

// The program in another language for a scope: every window has had its LanguageChange
// when the constructor returns; the language before comes back at the end.
struct InLanguage {
    explicit InLanguage(const QString& lang) : before(language::current())
    {
        language::use(lang);
        QCoreApplication::processEvents();
    }
    ~InLanguage()
    {
        language::use(before);
        QCoreApplication::processEvents();
    }
    const QString before;
};

struct ProgramTest : ::testing::Test {
    QTemporaryDir dir;
    QString previousFolder;
    Configuration cfg;
    FakeSeam seam;
    Forms forms;
    std::unique_ptr<TFFBmain> main;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previousFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    // The windows go first, before anything of a derived fixture that they use.
    void TearDown() override
    {
        stop();
        QDir::setCurrent(previousFolder);
    }

    void create() { main = createWindows(cfg, seam, forms); }

    // Ends the run: every window goes, the configuration starts afresh for the next run.
    void stop()
    {
        main.reset();
        forms = Forms{};
        cfg = Configuration{};
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // How often the window was shown modally.
    int shows(const QWidget* window) const
    {
        int n = 0;
        for (const auto& shown : seam.modalShows)
            n += shown.window == window;
        return n;
    }
    int questions() const { return shows(forms.Fask); }
    void answerJA()
    {
        seam.answerNext([this](QDialog&) { forms.Fask->JA->click(); });
    }
    void answerNEIN()
    {
        seam.answerNext([this](QDialog&) { forms.Fask->NEIN->click(); });
    }
    void answerAbbrechen() { seam.answerNext(FakeSeam::clickOn(QStringLiteral("Abbrechen"))); }
};

}  // namespace fbe::test
