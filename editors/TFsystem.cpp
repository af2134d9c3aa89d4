#include "editors/TFsystem.h"

namespace fbe {

TFsystem::TFsystem(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : QDialog(parent), cfg(cfg), seam(seam), forms(forms)
{
    setObjectName(QStringLiteral("Fsystem"));
    setWindowTitle(QStringLiteral("System Grundeinstellungen"));
}

}  // namespace fbe
