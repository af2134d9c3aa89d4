// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitters/TFFB3SVS.h"

#include "config/AddressBits.h"
#include "config/Configuration.h"
#include "dialogs/Seam.h"
#include "transmitters/BoardWidgets.h"
#include "transmitters/DialogLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace fbe {

namespace {
constexpr int Margin = 12;
}

TFFB3SVS::TFFB3SVS(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : AddressDialog(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("FB3SVS"));
    look::applyDialogLook(this);

    Image1 = new SvgPicture(pic::BoardSvs, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(Margin, Margin);

    Image2 = new SvgPicture(pic::SenderSvs, this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->move(Image1->geometry().right() + 1 + Margin, Margin);

    auto makeTemplate = [this](const QString& name, const QString& picture) {
        auto* b = new PictureButton(picture, this);
        b->setObjectName(name);
        b->hide();
        return b;
    };
    refleft = makeTemplate(QStringLiteral("refleft"), pic::SvsLeft);
    refmiddle = makeTemplate(QStringLiteral("refmiddle"), pic::SvsMiddle);
    refright = makeTemplate(QStringLiteral("refright"), pic::SvsRight);

    for (int n = 1; n <= addr::SvsSwitches; ++n) {
        auto* b = new PictureButton(refright->picture(), this);
        const QString id = QStringLiteral("SB%1").arg(n);
        b->setObjectName(id);
        b->setGeometry(Image1->elementGeometry(id));
        connect(b, &QAbstractButton::clicked, this, [this, n] { SBClick(n); });
        SB[size_t(n)] = b;
    }

    auto makeKey = [this](const QString& id) {
        auto* k = new KeyCheck(this, pic::SvsKey, pic::SvsKeyPressed);
        k->setObjectName(id);
        k->setGeometry(Image2->elementGeometry(id));
        return k;
    };
    CBO = makeKey(QStringLiteral("CBO"));
    CBM = makeKey(QStringLiteral("CBM"));
    CBU = makeKey(QStringLiteral("CBU"));
    connect(CBO, &QAbstractButton::clicked, this, &TFFB3SVS::CBOClick);
    connect(CBM, &QAbstractButton::clicked, this, &TFFB3SVS::CBMClick);
    connect(CBU, &QAbstractButton::clicked, this, &TFFB3SVS::CBUClick);

    // Under the board the address with a short instruction; at the right under the
    // transmitter a tall OK.
    const int y = Image1->geometry().bottom() + 1 + Margin;
    Laddress = new QLabel(this);
    Laddress->setObjectName(QStringLiteral("Laddress"));
    Laddress->setFont(look::labelFont());

    showaddress = new QLineEdit(QStringLiteral("00000000000000"), this);
    showaddress->setObjectName(QStringLiteral("showaddress"));
    look::styleAddressDisplay(showaddress);

    Lhowto = new QLabel(this);
    Lhowto->setObjectName(QStringLiteral("Lhowto"));
    look::styleHowto(Lhowto);
    Lhowto->setWordWrap(true);
    Lhowto->setGeometry(Margin, y + 40, Image1->width(), 30);

    OK = new QPushButton(this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);   // Enter confirms
    look::styleOkButton(OK);
    OK->setGeometry(Image2->x(), y, Image2->width(), 70);
    connect(OK, &QPushButton::clicked, this, &TFFB3SVS::OKClick);

    setFixedSize(Image2->geometry().right() + 1 + Margin, y + 70 + Margin);
    retranslateUi();
}

void TFFB3SVS::retranslateUi()
{
    setWindowTitle(tr("Adress-Konfiguration mit SVS FB3"));
    for (int n = 1; n <= addr::SvsSwitches; ++n)
        SB[size_t(n)]->setToolTip(tr("Schalter %1: linke oder rechte Hälfte anklicken").arg(n));
    CBO->setToolTip(tr("obere Taste"));
    CBM->setToolTip(tr("mittlere Taste"));
    CBU->setToolTip(tr("untere Taste"));

    // The address display follows its label, whose width is that of its text.
    Laddress->setText(tr("Code-Adresse:"));
    const int y = Image1->geometry().bottom() + 1 + Margin;
    const int labelW = QFontMetrics(Laddress->font()).horizontalAdvance(Laddress->text()) + 10;
    Laddress->setGeometry(Margin, y, labelW, 36);
    showaddress->setGeometry(Margin + labelW, y, Image1->width() - labelW, 36);
    Lhowto->setText(tr("Schalter: linke oder rechte Hälfte anklicken.\n"
                       "Tasten: die gedrückten Tasten anklicken."));
    OK->setText(tr("OK"));
}

void TFFB3SVS::FormActivate()
{
    working_ = cfg.codes[size_t(qBound(1, cfg.slotBeingEdited, 8))].address;
    showAll();
    OK->setFocus();
}

void TFFB3SVS::showAll()
{
    for (int n = 1; n <= addr::SvsSwitches; ++n) {
        switch (addr::svsPosition(working_, n)) {
        case addr::SvsPosition::Left:
            SB[size_t(n)]->setPicture(refleft->picture());
            break;
        case addr::SvsPosition::Middle:
            SB[size_t(n)]->setPicture(refmiddle->picture());
            break;
        case addr::SvsPosition::Right:
            SB[size_t(n)]->setPicture(refright->picture());
            break;
        case addr::SvsPosition::Blocked:
            break;   // no position: the switch keeps its picture
        }
    }
    CBO->setChecked(!((working_ >> addr::SvsKeyUpper) & 1));
    CBM->setChecked(!((working_ >> addr::SvsKeyMiddle) & 1));
    CBU->setChecked(!((working_ >> addr::SvsKeyLower) & 1));
    showaddress->setText(addr::padded(working_, 14, QLatin1Char('0')));
}

void TFFB3SVS::SBClick(int n)
{
    if (n < 1 || n > addr::SvsSwitches)
        return;
    const PictureButton* b = SB[size_t(n)];
    const QPoint at = b->lastClickPos();
    // Without a mouse position (keyboard or program) the click counts as the right half.
    const bool leftHalf = at.x() >= 0 && at.x() < b->width() / 2;
    SBClickHalf(n, leftHalf);
}

void TFFB3SVS::SBClickHalf(int n, bool leftHalf)
{
    if (n < 1 || n > addr::SvsSwitches)
        return;
    working_ = addr::svsAdvance(working_, n, leftHalf);
    showAll();
}

void TFFB3SVS::keyClick(KeyCheck* box, int bit)
{
    working_ = addr::svsSetKey(working_, bit, box->isChecked());
    showAll();
}

void TFFB3SVS::CBOClick()
{
    keyClick(CBO, addr::SvsKeyUpper);
}

void TFFB3SVS::CBMClick()
{
    keyClick(CBM, addr::SvsKeyMiddle);
}

void TFFB3SVS::CBUClick()
{
    keyClick(CBU, addr::SvsKeyLower);
}

void TFFB3SVS::OKClick()
{
    takeAddress(working_);
}

}  // namespace fbe
