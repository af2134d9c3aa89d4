// Editing of the basic settings in place: numeric fields, check boxes, radio pairs and the
// parallel-code fields of the main window.
#include "mainwindow/TFFBmain.h"

namespace fbe {

// filled in with the editing of basic settings
void TFFBmain::pruefanzahlExit() {}
void TFFBmain::pruefanzahlKeyUp() {}
void TFFBmain::UpDownPruefClick(bool) {}
void TFFBmain::korrekturExit() {}
void TFFBmain::UpDownKorrClick(bool) {}
void TFFBmain::sperrzeitExit() {}
void TFFBmain::sperrzeitKeyUp() {}
void TFFBmain::umschaltzeitExit() {}
void TFFBmain::umschaltzeitKeyUp() {}
void TFFBmain::TimeOutExit() {}
void TFFBmain::TimeOutKeyUp() {}
void TFFBmain::CheckBitsExit() {}
void TFFBmain::CheckBitsKeyUp() {}
void TFFBmain::dirshiftExit() {}
void TFFBmain::dirshiftKeyUp() {}
void TFFBmain::bitanzahlExit() {}
void TFFBmain::bitanzahlKeyUp() {}
void TFFBmain::progcounterExit() {}
void TFFBmain::progcounterKeyUp() {}
void TFFBmain::Button1Click() {}
void TFFBmain::offsetExit(int) {}
void TFFBmain::offsetKeyUp(int) {}
void TFFBmain::GeneralCodeExit() {}
void TFFBmain::GeneralCodeKeyUp() {}
void TFFBmain::direktmaskeExit() {}
void TFFBmain::direktmaskeKeyUp() {}
void TFFBmain::GeneralDezEnter() {}
void TFFBmain::GeneralDezExit() {}
void TFFBmain::GeneralDezKeyUp() {}
void TFFBmain::CBinitoutClick(int) {}
void TFFBmain::CBstoreClick() {}
void TFFBmain::LspeicherClick() {}
void TFFBmain::CBvr12Click() {}
void TFFBmain::CBvr13Click() {}
void TFFBmain::CBvr14Click() {}
void TFFBmain::CBvr23Click() {}
void TFFBmain::CBvr24Click() {}
void TFFBmain::CBvr34Click() {}
void TFFBmain::CBNotAusClick() {}
void TFFBmain::CBcheckbitsClick() {}
void TFFBmain::RBstandardClick() {}
void TFFBmain::RBdirektClick() {}
void TFFBmain::RBcodeinhaltClick() {}
void TFFBmain::RBdirektausgabeClick() {}

}  // namespace fbe
