// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitters/TFFB16.h"

#include "config/AddressBits.h"
#include "config/Configuration.h"
#include "dialogs/Artwork.h"
#include "dialogs/Seam.h"
#include "mainwindow/TFFBmain.h"
#include "transmitters/BoardWidgets.h"
#include "transmitters/DialogLook.h"
#include "transmitters/FieldWatcher.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

namespace fbe {

namespace {

constexpr int Margin = 12;

// Limits what the user types to a number of characters; text set by the program (a 13-digit
// maximum address) is shown in full.
class TypedLength : public QValidator {
public:
    TypedLength(int max, QObject* parent) : QValidator(parent), max_(max) {}
    State validate(QString& input, int&) const override
    {
        return input.size() <= max_ ? Acceptable : Invalid;
    }

private:
    int max_;
};

QLabel* label(const QString& text, QWidget* parent, const QFont& font, const QRect& geometry)
{
    auto* l = new QLabel(text, parent);
    l->setFont(font);
    l->setGeometry(geometry);
    return l;
}

}  // namespace

TFFB16::TFFB16(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : AddressDialog(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("FB16"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    look::applyDialogLook(this);

    // Left: the transmitter; right: headings and warning; below: the two entries and OK.
    Image1 = new SvgPicture(art::glyphPath(typ::Uni16), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(96, 96);
    Image1->move(Margin, Margin);

    QFont heading = look::arial(12, true);
    heading.setUnderline(true);
    const int tx = Margin + 108;
    Label1 = label(QString(), this, heading, {tx, Margin, 240, 22});
    Label2 = label(QString(), this, heading, {tx, Margin + 22, 240, 22});
    for (QLabel* l : {Label1, Label2})
        l->setStyleSheet(QStringLiteral("color: red;"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));

    Lwarnung = label(QString(), this, look::arial(9), {tx, Margin + 50, 240, 64});
    Lwarnung->setObjectName(QStringLiteral("Lwarnung"));
    Lwarnung->setStyleSheet(QStringLiteral("color: red;"));
    Lwarnung->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    // Code length.
    const int y1 = 140;
    Lbits = label(QString(), this, look::labelFont(), {Margin, y1, 100, 26});
    Lbits->setObjectName(QStringLiteral("Lbits"));
    bitanzahl = new QLineEdit(QStringLiteral("00"), this);
    bitanzahl->setObjectName(QStringLiteral("bitanzahl"));
    bitanzahl->setFont(look::monoBold(11));
    bitanzahl->setAlignment(Qt::AlignRight);
    bitanzahl->setGeometry(Margin + 108, y1, 44, 26);
    Lbits2 = label(QString(), this, look::arial(9), {Margin + 160, y1, 90, 26});
    Lbits2->setObjectName(QStringLiteral("Lbits2"));

    // Address.
    const int y2 = y1 + 36;
    Laddr = label(QString(), this, look::labelFont(), {Margin, y2, 100, 26});
    Laddr->setObjectName(QStringLiteral("Laddr"));
    nowAddr = new QLineEdit(QStringLiteral("111100001101"), this);
    nowAddr->setObjectName(QStringLiteral("nowAddr"));
    nowAddr->setFont(look::monoBold(11));
    nowAddr->setAlignment(Qt::AlignRight);
    nowAddr->setValidator(new TypedLength(AddressTypedMax, nowAddr));
    // Wide enough for the largest address of any code length (20 digits from 64 bits on,
    // which a loaded file can bring), so that it is shown in full.
    const QString widest(20, QLatin1Char('8'));
    const int addrW = QFontMetrics(nowAddr->font()).horizontalAdvance(widest) + 16;
    nowAddr->setGeometry(Margin + 108, y2, addrW, 26);

    const int y3 = y2 + 30;
    Lmax = label(QString(), this, look::arial(9), {Margin + 108, y3, 40, 20});
    Lmax->setObjectName(QStringLiteral("Lmax"));
    maxaddr = label(QString(), this, look::arial(9, true), {Margin + 146, y3, 0, 20});
    maxaddr->setObjectName(QStringLiteral("maxaddr"));
    maxaddr->resize(QFontMetrics(maxaddr->font()).horizontalAdvance(widest) + 4, 20);

    const int okX = qMax(nowAddr->geometry().right(), maxaddr->geometry().right()) + 1 + Margin;
    OK = new QPushButton(this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setAutoDefault(false);   // Enter in a field applies the field, it does not close
    look::styleOkButton(OK);
    OK->setGeometry(okX, y1, 80, y3 + 20 - y1);
    connect(OK, &QPushButton::clicked, this, &TFFB16::OKClick);
    const int width = okX + 80 + Margin;
    line->setGeometry(Margin, 126, width - 2 * Margin, 2);

    fields_.add(bitanzahl, {[this] { bitanzahlEnter(); }, [this] { bitanzahlExit(); },
                             [this] { bitanzahlKeyUp(); }, true});
    fields_.add(nowAddr, {[this] { nowAddrEnter(); }, [this] { nowAddrExit(); },
                           [this] { nowAddrKeyUp(); }, true});

    setFixedSize(width, y3 + 20 + Margin + 4);
    retranslateUi();
}

void TFFB16::retranslateUi()
{
    setWindowTitle(tr("Adress-Konfiguration"));
    Label1->setText(tr("PC - Programmierbare"));
    Label2->setText(tr("1..16 Tasten Sender"));
    Lwarnung->setText(tr("Für eine korrekte Konfiguration \nmuss die Codierlänge \n"
                         "unbedingt exakt identisch mit \nder Senderkonfiguration sein!"));
    Lbits->setText(tr("Codierlänge"));
    Lbits2->setText(tr("(1-40 Bit)"));
    Laddr->setText(tr("Code-Adresse:"));
    nowAddr->setToolTip(tr("direkte Adresseingabe (nur im dezimalen Anzeigmodus möglich)"));
    Lmax->setText(tr("max.: "));
    OK->setText(tr("OK"));
}

void TFFB16::FormActivate()
{
    fields_.reset();
    working_ = cfg.codes[size_t(qBound(1, cfg.slotBeingEdited, 8))].address;
    refresh();
    nowAddr->setFocus();
    nowAddr->selectAll();
}

void TFFB16::FormClose()
{
    fields_.commitPending();
}

void TFFB16::refresh()
{
    TypeRecord& entry = cfg.types[typ::Uni16];
    const quint64 max = maxAddressForBits(entry.bits);
    maxaddr->setText(addr::padded(max, 2, QLatin1Char(' ')));
    working_ = qMin(working_, max);
    nowAddr->setText(addr::padded(working_, 12, QLatin1Char(' ')));
    bitanzahl->setText(addr::padded(entry.bits, 2, QLatin1Char(' ')));
    cfg.types[0].bits = entry.bits;
    // The scratch slot is not touched here: only OK hands the address over, so that closing
    // the dialog any other way leaves both slots as they were.
}

void TFFB16::bitanzahlExit()
{
    const int before = cfg.current().bits;
    cfg.types[typ::Uni16].bits = addr::codeLengthFromText(bitanzahl->text());
    refresh();
    if (forms.FBmain)
        forms.FBmain->codeLengthEdited(before);
}

void TFFB16::bitanzahlKeyUp()
{
    bitanzahlExit();
    bitanzahl->selectAll();
}

void TFFB16::bitanzahlEnter()
{
    bitanzahl->selectAll();
}

void TFFB16::nowAddrExit()
{
    const addr::Entry e = addr::addressFromText(nowAddr->text());
    if (e.beep)
        seam.beep();
    working_ = e.value;
    refresh();
}

void TFFB16::nowAddrKeyUp()
{
    nowAddrExit();
    nowAddr->selectAll();
}

void TFFB16::nowAddrEnter()
{
    nowAddr->selectAll();
}

void TFFB16::OKClick()
{
    fields_.commitPending();
    takeAddress(working_);
}

}  // namespace fbe
