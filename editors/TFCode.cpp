#include "editors/TFCode.h"

namespace fbe {

TFCode::TFCode(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : QDialog(parent), cfg(cfg), seam(seam), forms(forms)
{
    setObjectName(QStringLiteral("FCode"));
    setWindowTitle(QStringLiteral("Code/Funktions-Einstellungen"));
}

}  // namespace fbe
