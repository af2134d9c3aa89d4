#include "transmitters/TFFB16.h"

namespace fbe {

TFFB16::TFFB16(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : QDialog(parent), cfg(cfg), seam(seam), forms(forms)
{
    setObjectName(QStringLiteral("FFB16"));
    setWindowTitle(QStringLiteral("Adress-Konfiguration"));
}

}  // namespace fbe
