// Module transfer commands and the choice of the serial port.
#include "mainwindow/TFFBmain.h"

namespace fbe {

// filled in with the module transfer and the COM port choice
void TFFBmain::SendButtonClick() {}
void TFFBmain::ReadButtonClick() {}
void TFFBmain::MKommClick() {}
void TFFBmain::MComClick(int) {}

}  // namespace fbe
