// File commands (new, open, save), start-up with the settings file, and shutdown.
#include "mainwindow/TFFBmain.h"

#include <QTimer>

namespace fbe {

// filled in with the file commands, start-up and shutdown; until then the program starts
// with a new configuration and shows its main window.

void TFFBmain::FormCreate()
{
    NeueDatei();
    inittimer->start();
}

void TFFBmain::inittimerTimer()
{
    inittimer->stop();
    show();
}

void TFFBmain::FormClose() {}

void TFFBmain::MNewClick() {}
void TFFBmain::MopenClick() {}
void TFFBmain::MsaveClick() {}

bool TFFBmain::DateiGeladen()
{
    return false;
}

void TFFBmain::NeueDatei()
{
    fbe::NeueDatei(cfg);
    showNotices = true;
    clearInfo();
    setInfoColour(InfoColour::Normal);
    FormPaint();
    ApplySendertyp();
    OpenDialog1.FileName = QStringLiteral("neue datei.fbe");
    SaveDialog1.FileName = QStringLiteral("neue datei.fbe");
    cfg.projectName = QStringLiteral("-Projektname-");
}

}  // namespace fbe
