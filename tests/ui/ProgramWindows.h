// The program's windows as the program entry creates them: the main window first, then the
// others, which it owns.
//
//   std::unique_ptr<TFFBmain> main = createWindows(cfg, seam, forms);
#pragma once

#include "comm/TFrs232.h"
#include "config/Configuration.h"
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

}  // namespace fbe::test
