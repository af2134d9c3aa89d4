// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows. Each exists once for the whole run; the program entry creates the
// main window first and then the others in a fixed order, and hands this table to every
// window so that one can open another. Every window class has the constructor
//   TFxxx(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr)
#pragma once

namespace fbe {

struct Configuration;
class Seam;

class TFFBmain;      // main window
class TFask;         // yes/no question
class TFFB4;         // 4-key address dialog
class TFFB2;         // 2-key address dialog
class TFinfo;        // program information
class TFFB3SVS;      // SVS 3-key address dialog
class TFFBselect;    // transmitter selection
class TFsystem;      // system base settings
class TFFB1;         // 1-key address dialog
class TFFB16;        // programmable transmitter dialog
class TFCode;        // code and function editor
class TFhinweis;     // notice
class TFProjekt;     // project name
class TFrs232;       // module transfer
class TFHelp;        // help
class TFwarnung;     // warning

struct Forms {
    TFFBmain* FBmain = nullptr;
    TFask* Fask = nullptr;
    TFFB4* FB4 = nullptr;
    TFFB2* FB2 = nullptr;
    TFinfo* Finfo = nullptr;
    TFFB3SVS* FB3SVS = nullptr;
    TFFBselect* FBselect = nullptr;
    TFsystem* Fsystem = nullptr;
    TFFB1* FB1 = nullptr;
    TFFB16* FB16 = nullptr;
    TFCode* FCode = nullptr;
    TFhinweis* Fhinweis = nullptr;
    TFProjekt* FProjekt = nullptr;
    TFrs232* Frs232 = nullptr;
    TFHelp* FHelp = nullptr;
    TFwarnung* Fwarnung = nullptr;
};

}  // namespace fbe
