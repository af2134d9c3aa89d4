#include "transmitters/TFFBselect.h"

namespace fbe {

TFFBselect::TFFBselect(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : QDialog(parent), cfg(cfg), seam(seam), forms(forms)
{
    setObjectName(QStringLiteral("FFBselect"));
    setWindowTitle(QStringLiteral("Auswahl Sender"));
}

}  // namespace fbe
