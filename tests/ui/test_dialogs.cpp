#include "FakeSeam.h"

#include "config/Configuration.h"
#include "dialogs/UHelp.h"
#include "dialogs/Uask.h"
#include "dialogs/Uhinweis.h"
#include "dialogs/Uinfo.h"
#include "dialogs/Uprojekt.h"
#include "dialogs/Uwarnung.h"
#include "mainwindow/Forms.h"

#include <gtest/gtest.h>

using namespace fbe;
using fbe::test::FakeSeam;

TEST(Dialogs, AllSixCanBeCreated)
{
    Configuration cfg;
    FakeSeam seam;
    Forms forms;
    TFask ask(cfg, seam, forms);
    TFhinweis notice(cfg, seam, forms);
    TFwarnung warning(cfg, seam, forms);
    TFProjekt project(cfg, seam, forms);
    TFinfo info(cfg, seam, forms);
    TFHelp help(cfg, seam, forms);
    EXPECT_EQ(ask.windowTitle(), QStringLiteral(" "));
}
