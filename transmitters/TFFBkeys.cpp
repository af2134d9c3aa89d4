#include "transmitters/TFFBkeys.h"

namespace fbe {

TFFBkeys::TFFBkeys(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : QDialog(parent), cfg(cfg), seam(seam), forms(forms)
{
    setWindowTitle(QStringLiteral("Adress-Konfiguration"));
}

TFFB4::TFFB4(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : TFFBkeys(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("FB4"));
}

TFFB2::TFFB2(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : TFFBkeys(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("FB2"));
}

TFFB1::TFFB1(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : TFFBkeys(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("FB1"));
}

}  // namespace fbe
