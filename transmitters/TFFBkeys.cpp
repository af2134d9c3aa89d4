// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitters/TFFBkeys.h"

#include "config/AddressBits.h"
#include "config/Configuration.h"
#include "config/Formatting.h"
#include "dialogs/Seam.h"
#include "transmitters/BoardWidgets.h"
#include "transmitters/DialogLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace fbe {

namespace {

constexpr int Margin = 12;

}  // namespace

DipLayout layoutFB4()
{
    DipLayout l;
    l.type = typ::Aurel4;
    l.board = pic::BoardFB4;
    // SB1..SB9 hold bits 11..3, SB10 bit 0; bits 2..1 come from the key.
    l.switchBits = {11, 10, 9, 8, 7, 6, 5, 4, 3, 0};
    l.keys = {{QStringLiteral("RBro"), QT_TRANSLATE_NOOP("fbe::TFFBkeys", "rechte obere Taste"), 0},
              {QStringLiteral("RBlo"), QT_TRANSLATE_NOOP("fbe::TFFBkeys", "linke obere Taste"), 2},
              {QStringLiteral("RBru"),
               QT_TRANSLATE_NOOP("fbe::TFFBkeys", "rechte untere Taste"), 4},
              {QStringLiteral("RBlu"),
               QT_TRANSLATE_NOOP("fbe::TFFBkeys", "linke untere Taste"), 6}};
    l.keyAndMask = 0xFF9;
    l.fixedSwitches = 4;
    return l;
}

DipLayout layoutFB2()
{
    DipLayout l;
    l.type = typ::Aurel2;
    l.board = pic::BoardFB2;
    l.switchBits = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    l.bridge11Bit = 1;
    l.bridge11Fixed = true;   // bit 1 belongs to the keys on this transmitter
    l.bridge12Bit = 0;
    l.keys = {{QStringLiteral("RBlo"), QT_TRANSLATE_NOOP("fbe::TFFBkeys", "linke Taste"), 0},
              {QStringLiteral("RBro"), QT_TRANSLATE_NOOP("fbe::TFFBkeys", "rechte Taste"), 2}};
    l.keyAndMask = 0xFFD;
    return l;
}

DipLayout layoutFB1()
{
    DipLayout l;
    l.type = typ::Aurel1;
    l.board = pic::BoardFB1;
    l.switchBits = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    l.bridge11Bit = 1;
    l.bridge12Bit = 0;
    return l;
}

TFFBkeys::TFFBkeys(DipLayout layout, Configuration& cfg, Seam& seam,
                                   Forms& forms, QWidget* parent)
    : AddressDialog(cfg, seam, forms, parent), layout_(std::move(layout))
{
    look::applyDialogLook(this);

    Image1 = new SvgPicture(layout_.board, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(Margin, Margin);

    auto makeTemplate = [this](const QString& name, const QString& picture) {
        auto* b = new PictureButton(picture, this);
        b->setObjectName(name);
        b->hide();
        return b;
    };
    refup = makeTemplate(QStringLiteral("refup"), pic::DipUp);
    refdown = makeTemplate(QStringLiteral("refdown"), pic::DipDown);
    refopen = makeTemplate(QStringLiteral("refopen"), pic::BridgeOpen);
    refclose = makeTemplate(QStringLiteral("refclose"), pic::BridgeClosed);

    // Places an element on the board where the drawing marks it.
    auto place = [this](QWidget* w, const QString& id) {
        w->setObjectName(id);
        w->setGeometry(Image1->elementGeometry(id));
        w->raise();
    };

    for (int n = 1; n <= 12; ++n) {
        if (bitOf(n) < 0)
            continue;
        auto* b = new PictureButton(isBridge(n) ? refopen->picture() : refdown->picture(), this);
        place(b, QStringLiteral("SB%1").arg(n));
        if (isBridge(n))
            b->setFixed(isFixed(n));
        connect(b, &QAbstractButton::clicked, this, [this, n] { SBClick(n); });
        SB[n] = b;
    }
    for (int n = 1; n <= layout_.fixedSwitches; ++n) {
        auto* b = new PictureButton(refdown->picture(), this);
        place(b, QStringLiteral("SBx%1").arg(n));
        b->setFixed(true);
        connect(b, &QAbstractButton::clicked, this, [this, n] { SBxClick(n); });
        SBx[n] = b;
    }
    for (const DipLayout::Key& k : layout_.keys) {
        auto* r = new KeyRadio(this);
        place(r, k.name);
        connect(r, &QAbstractButton::clicked, this, [this, r] { keyClick(r); });
        if (k.name == QLatin1String("RBlo"))
            RBlo = r;
        else if (k.name == QLatin1String("RBro"))
            RBro = r;
        else if (k.name == QLatin1String("RBlu"))
            RBlu = r;
        else if (k.name == QLatin1String("RBru"))
            RBru = r;
    }

    // Under the board: the address with a short instruction below it, and a tall OK.
    const int y = Image1->geometry().bottom() + 1 + Margin;
    const int w = Image1->width() + 2 * Margin;
    Laddress = new QLabel(this);
    Laddress->setObjectName(QStringLiteral("Laddress"));
    Laddress->setFont(look::labelFont());

    showaddress = new QLineEdit(QStringLiteral("4096"), this);
    showaddress->setObjectName(QStringLiteral("showaddress"));
    look::styleAddressDisplay(showaddress);

    Lhowto = new QLabel(this);
    Lhowto->setObjectName(QStringLiteral("Lhowto"));
    look::styleHowto(Lhowto);
    Lhowto->setWordWrap(true);
    Lhowto->setGeometry(Margin, y + 40, w - 3 * Margin - 100, 30);

    OK = new QPushButton(this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);   // Enter confirms
    look::styleOkButton(OK);
    OK->setGeometry(w - Margin - 100, y, 100, 70);
    connect(OK, &QPushButton::clicked, this, &TFFBkeys::OKClick);

    setFixedSize(w, y + 70 + Margin);
    retranslateUi();
}

void TFFBkeys::retranslateUi()
{
    setWindowTitle(tr("Adress-Konfiguration"));
    for (int n = 1; n <= 12; ++n) {
        if (!SB[n])
            continue;
        if (!isBridge(n))
            SB[n]->setToolTip(tr("DIP-Schalter %1").arg(n));
        else if (isFixed(n))
            SB[n]->setToolTip(tr("Lötbrücke darf nicht gesetzt sein!!!"));
        else
            SB[n]->setToolTip(tr("Lötbrücke"));
    }
    for (int n = 1; n <= layout_.fixedSwitches; ++n)
        SBx[n]->setToolTip(tr("Schalter muß auf dieser Stellung bleiben!!!"));
    for (const DipLayout::Key& k : layout_.keys)
        keyNamed(k.name)->setToolTip(tr(k.hint));

    // The address display follows its label, whose width is that of its text.
    Laddress->setText(tr("Code-Adresse:"));
    const int y = Image1->geometry().bottom() + 1 + Margin;
    const int labelW = QFontMetrics(Laddress->font()).horizontalAdvance(Laddress->text()) + 10;
    Laddress->setGeometry(Margin, y, labelW, 36);
    showaddress->setGeometry(Margin + labelW, y, 112, 36);

    const bool bridges = layout_.bridge11Bit >= 0 || layout_.bridge12Bit >= 0;
    const bool keys = !layout_.keys.empty();
    if (bridges && keys)
        Lhowto->setText(tr("Zum Umstellen die Schalter, Lötbrücke und Tasten anklicken."));
    else if (bridges)
        Lhowto->setText(tr("Zum Umstellen die Schalter und Lötbrücken anklicken."));
    else if (keys)
        Lhowto->setText(tr("Zum Umstellen die Schalter und Tasten anklicken."));
    else
        Lhowto->setText(tr("Zum Umstellen die Schalter anklicken."));
    OK->setText(tr("OK"));
}

int TFFBkeys::bitOf(int n) const
{
    if (n >= 1 && n <= 10)
        return layout_.switchBits[size_t(n - 1)];
    if (n == 11)
        return layout_.bridge11Bit;
    if (n == 12)
        return layout_.bridge12Bit;
    return -1;
}

KeyRadio* TFFBkeys::keyNamed(const QString& name) const
{
    if (name == QLatin1String("RBlo"))
        return RBlo;
    if (name == QLatin1String("RBro"))
        return RBro;
    if (name == QLatin1String("RBlu"))
        return RBlu;
    if (name == QLatin1String("RBru"))
        return RBru;
    return nullptr;
}

void TFFBkeys::FormActivate()
{
    working_ = addr::workingFromSlot(cfg.codes[size_t(qBound(1, cfg.slotBeingEdited, 8))].address);
    for (int n = 1; n <= 12; ++n) {
        if (SB[n] && !isFixed(n))
            showElement(n);
    }
    showKey();
    showAddress();
    OK->setFocus();
}

void TFFBkeys::showElement(int n)
{
    const bool on = addr::bitSet(working_, bitOf(n));
    if (isBridge(n))
        SB[n]->setPicture(on ? refclose->picture() : refopen->picture());
    else
        SB[n]->setPicture(on ? refup->picture() : refdown->picture());
}

void TFFBkeys::showKey()
{
    if (layout_.keys.empty())
        return;
    const qint32 bits = addr::keyBits(working_, layout_.keyAndMask);
    const DipLayout::Key* match = &layout_.keys.front();
    for (const DipLayout::Key& k : layout_.keys) {
        if (k.value == bits)
            match = &k;
    }
    if (KeyRadio* r = keyNamed(match->name))
        r->setChecked(true);
}

void TFFBkeys::showAddress()
{
    showaddress->setText(PadLeft(4, QLatin1Char('0'), working_));
}

void TFFBkeys::SBClick(int n)
{
    if (n < 1 || n > 12 || !SB[n])
        return;
    if (isFixed(n)) {
        seam.beep();
        return;
    }
    working_ = addr::toggleBit(working_, bitOf(n));
    showElement(n);
    showAddress();
}

void TFFBkeys::SBxClick(int)
{
    seam.beep();
}

void TFFBkeys::keyClick(KeyRadio* key)
{
    for (const DipLayout::Key& k : layout_.keys) {
        if (keyNamed(k.name) == key) {
            working_ = addr::chooseKey(working_, layout_.keyAndMask, k.value);
            key->setChecked(true);
            showAddress();
            return;
        }
    }
}

void TFFBkeys::OKClick()
{
    takeAddress(addr::slotFromWorking(working_));
}

TFFB4::TFFB4(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : TFFBkeys(layoutFB4(), cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("FB4"));
}

TFFB2::TFFB2(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : TFFBkeys(layoutFB2(), cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("FB2"));
}

TFFB1::TFFB1(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : TFFBkeys(layoutFB1(), cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("FB1"));
}

}  // namespace fbe
