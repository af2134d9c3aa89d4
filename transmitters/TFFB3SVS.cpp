#include "transmitters/TFFB3SVS.h"

namespace fbe {

TFFB3SVS::TFFB3SVS(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : QDialog(parent), cfg(cfg), seam(seam), forms(forms)
{
    setObjectName(QStringLiteral("FFB3SVS"));
    setWindowTitle(QStringLiteral("Adress-Konfiguration mit SVS FB3"));
}

}  // namespace fbe
