// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/TFFBmain.h"
#include "mainwindow/UndoHistory.h"

#include "comm/TFrs232.h"
#include "config/Maker.h"
#include "dialogs/ScreenFit.h"
#include "dialogs/Seam.h"
#include "dialogs/StorableText.h"
#include "dialogs/UHelp.h"
#include "dialogs/Uinfo.h"
#include "dialogs/Uprojekt.h"
#include "editors/TFCode.h"
#include "editors/TFsystem.h"
#include "mainwindow/EditMenu.h"
#include "mainwindow/MainStyle.h"
#include "comm/SeriesProgrammer.h"
#include "dialogs/Artwork.h"
#include "mainwindow/LanguageMenu.h"
#include "mainwindow/PortMenu.h"
#include "mainwindow/SeriesDatabase.h"
#include "mainwindow/MenuShortcuts.h"
#include "mainwindow/MessageLayout.h"
#include "transmitters/TFFBselect.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QValidator>

namespace fbe {

using namespace mainstyle;

namespace {

// Limits what can be typed into a field without cutting text that the program sets.
class LengthLimit : public QValidator {
public:
    LengthLimit(int maxLength, QObject* parent) : QValidator(parent), max_(maxLength) {}
    State validate(QString& input, int&) const override
    {
        return input.size() <= max_ ? Acceptable : Invalid;
    }

private:
    int max_;
};

// Text colours for the enabled states only, so that disabled controls turn grey.
void setTextColour(QPalette& p, QPalette::ColorRole role, const QColor& c)
{
    p.setColor(QPalette::Active, role, c);
    p.setColor(QPalette::Inactive, role, c);
}

void setBevel(QFrame* f, QFrame::Shadow shadow = QFrame::Raised)
{
    f->setFrameStyle(QFrame::Panel | shadow);
    f->setLineWidth(1);
}

// A panel with its background and a bevel whose light and dark edges follow the colour.
QFrame* makePanel(QWidget* parent, const char* name, const QRect& r, const QColor& bg,
                  QFrame::Shadow shadow = QFrame::Raised)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setGeometry(r);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, bg);
    p.setColor(QPalette::Light, bg.lighter(135));
    p.setColor(QPalette::Midlight, bg.lighter(115));
    p.setColor(QPalette::Dark, bg.darker(170));
    p.setColor(QPalette::Mid, bg.darker(130));
    p.setColor(QPalette::Shadow, bg.darker(250));
    f->setPalette(p);
    f->setAutoFillBackground(true);
    if (shadow != QFrame::Plain)
        setBevel(f, shadow);
    return f;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& r, const QString& text,
                  const QFont& font, const QColor& colour,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
                  QLabel* l = nullptr)
{
    if (!l)
        l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    l->setGeometry(r);
    l->setFont(font);
    QPalette p = l->palette();
    setTextColour(p, QPalette::WindowText, colour);
    l->setPalette(p);
    l->setAlignment(align);
    return l;
}

// A section header: silver, purple bold text.
QLabel* makeHeader(QWidget* parent, const char* name, const QRect& r, const QString& text)
{
    QLabel* l = makeLabel(parent, name, r, text, arial(14, true), Purple, Qt::AlignCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Silver);
    p.setColor(QPalette::Light, Silver.lighter(135));
    p.setColor(QPalette::Dark, Silver.darker(170));
    l->setPalette(p);
    l->setAutoFillBackground(true);
    l->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return l;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& r, const QFont& font,
                    const QColor& text = Qt::black, const QColor& base = Qt::white)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(r);
    e->setFont(font);
    QPalette p = e->palette();
    setTextColour(p, QPalette::Text, text);
    p.setColor(QPalette::Base, base);
    e->setPalette(p);
    e->setTextMargins(1, 0, 1, 0);
    return e;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const QRect& r, const QString& text,
                     const QFont& font, const QColor& colour = Qt::black)
{
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QLatin1String(name));
    c->setGeometry(r);
    c->setFont(font);
    QPalette p = c->palette();
    setTextColour(p, QPalette::WindowText, colour);
    c->setPalette(p);
    return c;
}

QRadioButton* makeRadio(QWidget* parent, const char* name, const QRect& r, const QString& text,
                        const QFont& font, const QColor& colour)
{
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(r);
    b->setFont(font);
    QPalette p = b->palette();
    setTextColour(p, QPalette::WindowText, colour);
    b->setPalette(p);
    return b;
}

QToolButton* makeArrow(QWidget* parent, const char* name, const QRect& r, Qt::ArrowType arrow)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(r);
    b->setArrowType(arrow);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
    return b;
}

// The marker under the 40-digit fields: a small red arrow pointing up at a digit.
QPixmap codeposPixmap(qreal dpr)
{
    const QSize size(7, 9);
    const QIcon icon = art::icon(QString::fromLatin1(art::Codepos));
    if (!icon.isNull()) {
        QPixmap pm = icon.pixmap(size, dpr);
        if (!pm.isNull())
            return pm;
    }
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(3.5, 0);
    path.lineTo(7, 5);
    path.lineTo(4.5, 5);
    path.lineTo(4.5, 9);
    path.lineTo(2.5, 9);
    path.lineTo(2.5, 5);
    path.lineTo(0, 5);
    path.closeSubpath();
    p.fillPath(path, Red);
    return pm;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Construction

TFFBmain::TFFBmain(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : QMainWindow(parent), cfg(cfg), seam(seam), forms(forms)
{
    forms.FBmain = this;
    setObjectName(QStringLiteral("FFBmain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowIcon(art::icon(QString::fromLatin1(art::Icon)));

    inittimer = new QTimer(this);
    inittimer->setObjectName(QStringLiteral("inittimer"));
    inittimer->setInterval(100);
    inittimer->setSingleShot(true);
    connect(inittimer, &QTimer::timeout, this, &TFFBmain::inittimerTimer);
    // The start-up step comes 100 ms after the window's creation has begun: building the
    // window and the other windows falls into that wait instead of coming before it (the
    // event loop runs the step only once every window exists).
    inittimer->start();

    setupUi();
    setupMenu();
    portMenu = new PortMenu(*this);
    languageMenu = new LanguageMenu(*MEinstellungen);
    wireFields();
    setupSeries();
    setupDatabase();
    addEditMenu(*this);
    retranslateUi();
    ScreenFit::install(this);
    FormCreate();
}

TFFBmain::~TFFBmain()
{
    // The history watches every event of the program: it goes first, before the children it
    // looks at are taken down.
    delete history;
    history = nullptr;
    // The children go after this window's own part: polling ends before.
    if (series) {
        series->disconnect(this);
        series->stop();
    }
    if (forms.FBmain == this)
        forms.FBmain = nullptr;
}

void TFFBmain::connectForms()
{
    if (forms.FProjekt)
        forms.FProjekt->onClosed = [this] { FormPaint(); };
    if (forms.Frs232) {
        connect(forms.Frs232, &TFrs232::transferEnded, this, &TFFBmain::FormPaint,
                Qt::UniqueConnection);
        connect(forms.Frs232, &TFrs232::firmwareChanged, firmware, &QLabel::setText,
                Qt::UniqueConnection);
    }
}

void TFFBmain::setupUi()
{
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(ClientWidth, ClientHeight);
    QPalette p = client_->palette();
    p.setColor(QPalette::Window, WindowGrey);
    client_->setPalette(p);
    client_->setAutoFillBackground(true);
    client_->setFont(sans(11));
    setCentralWidget(client_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    setupLeftColumn(client_);
    setupCodeGroup(client_);
    setupRightColumn(client_);

    // Hidden picture buttons: the transmitter glyphs that FBselect shows.
    struct Glyph {
        QToolButton** button;
        const char* name;
        const char* file;
    };
    const Glyph glyphs[] = {
        {&FB4aurel, "FB4aurel", ":/fbe/fb4aurel.svg"}, {&FB2aurel, "FB2aurel", ":/fbe/fb2aurel.svg"},
        {&FB3svs, "FB3svs", ":/fbe/fb3svs.svg"},       {&FB1aurel, "FB1aurel", ":/fbe/fb1aurel.svg"},
        {&FB16uni, "FB16uni", ":/fbe/fb16uni.svg"},    {&FB17uni, "FB17uni", ":/fbe/fb17uni.svg"},
    };
    int x = 8;
    for (const Glyph& g : glyphs) {
        auto* b = new QToolButton(client_);
        b->setObjectName(QLatin1String(g.name));
        b->setGeometry(x, 620, 38, 38);
        b->setIcon(art::icon(QLatin1String(g.file)));
        b->setIconSize(QSize(34, 34));
        b->hide();
        *g.button = b;
        x += 40;
    }

    // The panels report their paints, so that a paint finding the state newer than the
    // display brings it up to date.
    client_->installEventFilter(this);
    for (QFrame* f : client_->findChildren<QFrame*>(QString(), Qt::FindChildrenRecursively)) {
        if (qobject_cast<QLabel*>(f) == nullptr)
            f->installEventFilter(this);
    }
}

void TFFBmain::setupLeftColumn(QWidget* c)
{
    Panel36 = makeHeader(c, "Panel36", QRect(9, 16, 399, 28), QString());

    // Transmitter group.
    Panel8 = makePanel(c, "Panel8", QRect(9, 43, 399, 52), GroupGrey);
    Panel7 = makePanel(Panel8, "Panel7", QRect(4, 4, 196, 44), InnerGrey, QFrame::Sunken);
    Panel9 = makePanel(Panel7, "Panel9", QRect(2, 2, 192, 40), InnerGrey, QFrame::Plain);
    Panel9->setCursor(Qt::PointingHandCursor);
    Label23 = makeLabel(Panel9, "Label23", QRect(4, 0, 104, 40), QString(), sans(11, true), Blue);
    FBselect = new QToolButton(Panel9);
    FBselect->setObjectName(QStringLiteral("FBselect"));
    FBselect->setGeometry(108, 1, 38, 38);
    FBselect->setIconSize(QSize(34, 34));
    FBselect->setCursor(Qt::PointingHandCursor);
    warnung1 = makeLabel(Panel9, "warnung1", QRect(150, 0, 16, 22), QStringLiteral("?"),
                         arial(20, true), Red, Qt::AlignCenter);
    warnung1->hide();
    Bits = makeLabel(Panel9, "Bits", QRect(148, 21, 44, 18), QString(), sans(11, true), Maroon);
    Bits->hide();

    Pcodierlaenge = makePanel(Panel8, "Pcodierlaenge", QRect(204, 4, 191, 44), InnerGrey,
                              QFrame::Sunken);
    bitanzahl = makeEdit(Pcodierlaenge, "bitanzahl", QRect(6, 4, 26, 19), courier(13, true),
                         Maroon);
    bitanzahl->setAlignment(Qt::AlignRight);
    Label50 = makeLabel(Pcodierlaenge, "Label50", QRect(38, 4, 150, 19), QString(),
                        sans(11, true), Blue);
    Lmaxadresse = makeLabel(Pcodierlaenge, "Lmaxadresse", QRect(6, 24, 182, 17), QString(),
                            sans(11), Qt::black);
    {
        // The highest address is information for every type, also when the code length is
        // fixed and the panel is disabled.
        QPalette p = Lmaxadresse->palette();
        p.setColor(QPalette::Disabled, QPalette::WindowText, Qt::black);
        Lmaxadresse->setPalette(p);
    }
    Pcodierlaenge->setEnabled(false);

    Panel11 = makePanel(c, "Panel11", QRect(9, 95, 399, 194), GroupGrey);
    setupBasics(Panel11);
}

void TFFBmain::setupBasics(QWidget* g)
{
    const QFont caption = sans(11, true);
    const QFont normal = sans(11);
    const QFont field = courier(13, true);

    // Column 1: check count, lock time, store function, emergency stop.
    Panel13 = makePanel(g, "Panel13", QRect(4, 4, 122, 44), InnerGrey);
    makeLabel(Panel13, "LPruef", QRect(6, 2, 110, 16), QString(), caption, Blue);
    pruefanzahl = makeEdit(Panel13, "pruefanzahl", QRect(8, 20, 30, 19), field);
    pruefanzahl->setAlignment(Qt::AlignRight);
    UpDownPruefUp = makeArrow(Panel13, "UpDownPruefUp", QRect(39, 20, 15, 10), Qt::UpArrow);
    UpDownPruefDown = makeArrow(Panel13, "UpDownPruefDown", QRect(39, 30, 15, 10), Qt::DownArrow);

    Panel6 = makePanel(g, "Panel6", QRect(4, 52, 122, 44), InnerGrey);
    makeLabel(Panel6, "LSperr", QRect(6, 2, 110, 16), QString(), caption, Blue);
    sperrzeit = makeEdit(Panel6, "sperrzeit", QRect(8, 20, 44, 19), field);
    sperrzeit->setAlignment(Qt::AlignRight);
    makeLabel(Panel6, "LSperrMs", QRect(56, 20, 24, 19), QStringLiteral("ms"), caption, Blue);

    Panel15 = makePanel(g, "Panel15", QRect(4, 100, 122, 44), InnerGrey);
    CBstore = makeCheck(Panel15, "CBstore", QRect(8, 12, 20, 20), QString(), normal);
    Lspeicher1 = makeLabel(Panel15, "Lspeicher1", QRect(30, 5, 86, 16), QString(), caption, Blue);
    Lspeicher2 = makeLabel(Panel15, "Lspeicher2", QRect(30, 21, 86, 16), QString(), caption, Blue);
    Lspeicher1->setCursor(Qt::PointingHandCursor);
    Lspeicher2->setCursor(Qt::PointingHandCursor);

    Panel4 = makePanel(g, "Panel4", QRect(4, 148, 122, 42), InnerGrey);
    CBNotAus = makeCheck(Panel4, "CBNotAus", QRect(6, 2, 110, 18), QString(), caption, Blue);
    TimeOut = makeEdit(Panel4, "TimeOut", QRect(8, 20, 58, 19), field);
    TimeOut->setAlignment(Qt::AlignRight);
    Ltimeout = makeLabel(Panel4, "Ltimeout", QRect(70, 20, 24, 19), QStringLiteral("ms"), caption,
                         Blue);

    // Column 2: start states and checksum.
    Panel12 = makePanel(g, "Panel12", QRect(130, 4, 122, 92), InnerGrey);
    makeLabel(Panel12, "LAnfang", QRect(6, 2, 110, 16), QString(), caption, Blue);
    QCheckBox** inits[] = {&CBinitout1, &CBinitout2, &CBinitout3, &CBinitout4};
    const char* initNames[] = {"CBinitout1", "CBinitout2", "CBinitout3", "CBinitout4"};
    for (int i = 0; i < 4; ++i) {
        *inits[i] = makeCheck(Panel12, initNames[i], QRect(10, 19 + 17 * i, 100, 17),
                              QStringLiteral("OUT %1").arg(i + 1), normal);
    }

    PChecksum = makePanel(g, "PChecksum", QRect(130, 100, 122, 90), InnerGrey);
    CBcheckbits = makeCheck(PChecksum, "CBcheckbits", QRect(3, 6, 117, 18), QString(),
                            sans(10, true), Blue);
    Lcheckbits = makeLabel(PChecksum, "Lcheckbits", QRect(26, 32, 34, 19), QString(), caption,
                           Blue);
    CheckBits = makeEdit(PChecksum, "CheckBits", QRect(62, 32, 22, 19), field);
    CheckBits->setAlignment(Qt::AlignRight);

    // Column 3: interlocks.
    Pverriegel = makePanel(g, "Pverriegel", QRect(256, 4, 139, 186), InnerGrey);
    makeLabel(Pverriegel, "LVerr1", QRect(6, 2, 128, 15), QString(), caption, Blue);
    makeLabel(Pverriegel, "LVerr2", QRect(6, 16, 128, 15), QString(), caption, Blue);
    makeLabel(Pverriegel, "LVerr3", QRect(6, 30, 128, 15), QString(), caption, Blue);
    const int colX = 52, rowY = 66, step = 20;
    for (int col = 0; col < 4; ++col)
        makeLabel(Pverriegel, nullptr, QRect(colX + step * col, 48, 16, 16),
                  QString::number(col + 1), caption, Blue, Qt::AlignCenter);
    QCheckBox* matrix[4][4] = {};
    for (int row = 0; row < 4; ++row) {
        makeLabel(Pverriegel, nullptr, QRect(8, rowY + 18 * row, 42, 17),
                  QStringLiteral("OUT %1").arg(row + 1), normal, Qt::black);
        for (int col = 0; col < 4; ++col) {
            const QByteArray name = "CBvr" + QByteArray::number(row + 1) + QByteArray::number(col + 1);
            QCheckBox* cb = makeCheck(Pverriegel, name.constData(),
                                      QRect(colX + step * col + 1, rowY + 18 * row, 17, 17),
                                      QString(), normal);
            if (col <= row)
                cb->setEnabled(false);
            matrix[row][col] = cb;
        }
    }
    CBvr12 = matrix[0][1];
    CBvr13 = matrix[0][2];
    CBvr14 = matrix[0][3];
    CBvr23 = matrix[1][2];
    CBvr24 = matrix[1][3];
    CBvr34 = matrix[2][3];
    CBvr21 = matrix[1][0];
    CBvr31 = matrix[2][0];
    CBvr41 = matrix[3][0];
    CBvr32 = matrix[2][1];
    CBvr42 = matrix[3][1];
    CBvr43 = matrix[3][2];
    for (int i = 0; i < 4; ++i)
        CBvrDiag[i] = matrix[i][i];

    makeLabel(Pverriegel, "LUmschalt", QRect(6, 142, 128, 16), QString(), caption, Blue);
    umschaltzeit = makeEdit(Pverriegel, "umschaltzeit", QRect(8, 160, 44, 19), field);
    umschaltzeit->setAlignment(Qt::AlignRight);
    makeLabel(Pverriegel, "LUmschaltMs", QRect(56, 160, 24, 19), QStringLiteral("ms"), caption,
              Blue);

    // Never shown: the correction group and the checksum edit that shares its exit handler.
    Panel14 = makePanel(g, "Panel14", QRect(130, 100, 122, 44), InnerGrey);
    makeLabel(Panel14, "LKorr", QRect(6, 2, 110, 16), QString(), caption, Blue);
    korrektur = makeEdit(Panel14, "korrektur", QRect(8, 20, 36, 19), field);
    korrektur->setAlignment(Qt::AlignRight);
    UpDownKorrUp = makeArrow(Panel14, "UpDownKorrUp", QRect(45, 20, 15, 10), Qt::UpArrow);
    UpDownKorrDown = makeArrow(Panel14, "UpDownKorrDown", QRect(45, 30, 15, 10), Qt::DownArrow);
    Panel14->hide();
    checksumEEPROM = makeEdit(g, "checksumEEPROM", QRect(0, 0, 40, 19), field);
    checksumEEPROM->hide();
}

void TFFBmain::setupCodeGroup(QWidget* c)
{
    Panel37 = makeHeader(c, "Panel37", QRect(9, 302, 399, 28), QString());
    Panel18 = makePanel(c, "Panel18", QRect(9, 329, 399, 291), GroupGrey);

    Panel39 = makePanel(Panel18, "Panel39", QRect(3, 3, 393, 40), InnerGrey);
    RBstandard = makeRadio(Panel39, "RBstandard", QRect(14, 10, 180, 20), QString(),
                           arial(12, true), Red);
    RBdirekt = makeRadio(Panel39, "RBdirekt", QRect(214, 10, 170, 20), QString(),
                         arial(12, true), Red);
    RBstandard->setChecked(true);

    // The code table: a black panel, the rows 2 pixels apart so that black lines part them.
    Panel62 = makePanel(Panel18, "Panel62", QRect(3, 47, 393, 210), Qt::black, QFrame::Plain);
    Panel63 = makePanel(Panel62, "Panel63", QRect(1, 1, 391, 24), Silver, QFrame::Plain);
    const QFont head = arial(12, true);
    makeLabel(Panel63, "LAdresse", QRect(58, 0, 96, 24), QString(), head, Blue, Qt::AlignCenter);
    makeLabel(Panel63, "LFunktion", QRect(156, 0, 166, 24), QString(), head, Blue,
              Qt::AlignCenter);
    makeLabel(Panel63, "LAusgaenge", QRect(320, 0, 70, 24), QString(), head, Blue,
              Qt::AlignCenter);

    const QFont funFont = arial(12, true);
    for (int n = 1; n <= 8; ++n) {
        const QByteArray suffix = QByteArray::number(n);
        QFrame* row = makePanel(Panel62, ("PanC" + suffix).constData(),
                                QRect(1, 26 + 23 * (n - 1), 391, 21), GroupGrey, QFrame::Plain);
        row->setFocusPolicy(Qt::StrongFocus);
        row->setCursor(Qt::PointingHandCursor);
        PanC[n] = row;
        rowOf_.insert(row, n);

        QLabel* l = makeLabel(row, ("LCode" + suffix).constData(), QRect(4, 0, 56, 21),
                              QStringLiteral("CODE %1:").arg(n), arial(12, true), Blue);
        CodeLabel[n] = l;
        rowOf_.insert(l, n);

        auto cell = [&](const char* base, const QRect& r, const QFont& font, const QColor& colour) {
            QLineEdit* e = makeEdit(row, (base + suffix).constData(), r, font, colour, GroupGrey);
            e->setReadOnly(true);
            e->setFrame(false);
            e->setFocusPolicy(Qt::NoFocus);
            e->setCursor(Qt::PointingHandCursor);
            e->setTextMargins(0, 0, 0, 0);
            rowOf_.insert(e, n);
            return e;
        };
        Cadd[n] = cell("Cadd", QRect(58, 1, 99, 19), courier(13, true), Qt::black);
        Cfun[n] = cell("Cfun", QRect(159, 1, 163, 19), funFont, Qt::black);
        Cout[n] = cell("Cout", QRect(322, 1, 68, 19), courier(15, true), Navy);
    }

    // Parallel codes: the settings cover rows 5..8.
    Ppar = makePanel(Panel18, "Ppar", QRect(3, 165, 393, 120), InnerGrey);
    makeLabel(Ppar, "LPpar", QRect(2, 100, 389, 18), QString(), sans(11, true), Maroon,
              Qt::AlignCenter);
    Pdirekt = makePanel(Ppar, "Pdirekt", QRect(1, 1, 391, 99), GroupGrey, QFrame::Plain);
    makeLabel(Pdirekt, "LParTitel", QRect(45, 1, 282, 17), QString(), arial(13, true), Red,
              Qt::AlignCenter);

    // The two 40-digit fields: every digit 7 pixels wide, bit 39 at x 45, bit 0 at x 318.
    const QFont digitFont = digits(12, 7, true);
    // The captions' type is fitted to their texts (retranslateUi).
    const QFont small = narrow(10, true);
    makeLabel(Pdirekt, "LGeneral1", QRect(2, 19, 42, 10), QString(), small, Blue);
    makeLabel(Pdirekt, "LGeneral2", QRect(2, 29, 42, 10), QString(), small, Blue);
    GeneralCode = makeEdit(Pdirekt, "GeneralCode", QRect(43, 20, 284, 18), digitFont);
    GeneralCode->setFrame(false);
    GeneralCode->setTextMargins(0, 0, 0, 0);
    makeLabel(Pdirekt, "LMaske1", QRect(2, 40, 42, 10), QString(), small, Purple);
    makeLabel(Pdirekt, "LMaske2", QRect(2, 50, 42, 10), QString(), small, Purple);
    direktmaske = makeEdit(Pdirekt, "direktmaske", QRect(43, 41, 284, 18), digitFont, Purple);
    direktmaske->setFrame(false);
    direktmaske->setTextMargins(0, 0, 0, 0);
    for (int k = 1; k <= 4; ++k) {
        auto* sep = new QFrame(Pdirekt);
        sep->setObjectName(QStringLiteral("Sep%1").arg(k));
        sep->setGeometry(45 + 56 * k - 1, 20, 1, 39);
        QPalette sp = sep->palette();
        sp.setColor(QPalette::Window, QColor(160, 160, 160));
        sep->setPalette(sp);
        sep->setAutoFillBackground(true);
        sep->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    Icodepos = new QLabel(Pdirekt);
    Icodepos->setObjectName(QStringLiteral("Icodepos"));
    Icodepos->setPixmap(codeposPixmap(devicePixelRatioF()));
    Icodepos->setGeometry(318, 60, 7, 9);
    makeLabel(Pdirekt, "LCodePos", QRect(330, 20, 58, 16), QString(), sans(11, true), Red,
              Qt::AlignCenter);
    dirshift = makeEdit(Pdirekt, "dirshift", QRect(344, 38, 30, 19), courier(13, true));
    dirshift->setAlignment(Qt::AlignRight);

    makeLabel(Pdirekt, "LDezimal", QRect(2, 74, 48, 19), QString(), sans(10, true), Blue);
    GeneralDez = makeEdit(Pdirekt, "GeneralDez", QRect(52, 74, 112, 19), courier(13, true));
    RBcodeinhalt = makeRadio(Pdirekt, "RBcodeinhalt", QRect(176, 74, 94, 19), QString(),
                             sans(11, true), Qt::black);
    RBdirektausgabe = makeRadio(Pdirekt, "RBdirektausgabe", QRect(272, 74, 116, 19), QString(),
                                sans(11, true), Qt::black);
    RBcodeinhalt->setChecked(true);
    Ppar->hide();

    // Lies over the header and rows 1..4, the table's black edges included.
    Pdirektausgabe = makePanel(Panel18, "Pdirektausgabe", QRect(3, 46, 393, 121), InnerGrey);
    makeLabel(Pdirektausgabe, "LDirekt1", QRect(4, 14, 382, 28), QString(), arial(20, true), Red,
              Qt::AlignCenter);
    // The explanation's type is fitted to its text (retranslateUi).
    makeLabel(Pdirektausgabe, "LDirekt2", QRect(4, 54, 385, 20), QString(), arial(13, true), Red,
              Qt::AlignCenter);
    makeLabel(Pdirektausgabe, "LDirekt3", QRect(4, 74, 385, 20), QString(), arial(13, true), Red,
              Qt::AlignCenter);
    Pdirektausgabe->hide();
}

void TFFBmain::setupRightColumn(QWidget* c)
{
    Panel35 = makePanel(c, "Panel35", QRect(425, 22, 360, 45), Silver);
    QFrame* panel10 = makePanel(Panel35, "Panel10", QRect(4, 4, 352, 37), Qt::black,
                                QFrame::Sunken);
    // A long name is drawn smaller, and shortened at its end only when even that is too wide.
    projectname = makeLabel(panel10, "projectname", QRect(2, 2, 348, 33), QString(),
                            arial(17, true), Lime, Qt::AlignCenter,
                            new FitLabel(QString(), panel10, Qt::ElideRight, 12));

    Panel34 = makePanel(c, "Panel34", QRect(546, 80, 119, 33), WindowGrey, QFrame::Sunken);
    makeLabel(Panel34, "LFirmware", QRect(2, 2, 78, 29), QString(), sans(12, true), Yellow,
              Qt::AlignRight | Qt::AlignVCenter);
    firmware = makeLabel(Panel34, "firmware", QRect(81, 2, 36, 29), QStringLiteral("0.00"),
                         sans(12, true), Yellow);

    // The product's picture between the firmware line and the maker panel's lower edge.
    auto* logo = new QLabel(c);
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setGeometry(569, 212, 72, 72);
    logo->setPixmap(art::icon(QString::fromLatin1(art::Icon)).pixmap(QSize(64, 64), devicePixelRatioF()));
    logo->setAlignment(Qt::AlignCenter);

    Panel2 = makePanel(c, "Panel2", QRect(488, 150, 233, 41), WindowGrey, QFrame::Sunken);
    Panel2->setCursor(Qt::PointingHandCursor);
    Label9 = makeLabel(Panel2, "Label9", QRect(2, 3, 229, 17), QString::fromUtf8(maker::Company),
                       sans(11, true), Yellow, Qt::AlignCenter);
    mainweb = makeLabel(Panel2, "mainweb", QRect(2, 20, 229, 17), QString::fromUtf8(maker::Web),
                        sans(11, true), Yellow, Qt::AlignCenter);
    // The two labels have no hint of their own: pointing at them shows the panel's.

    Pcomment = makeHeader(c, "Pcomment", QRect(425, 302, 360, 28), QString());

    // Characters the file cannot hold are refused as they are typed or pasted.
    comment = new StorableTextMemo(seam, c);
    comment->setObjectName(QStringLiteral("comment"));
    comment->setGeometry(424, 328, 360, 164);
    comment->setFont(sans(12));
    setColours(comment, Navy, InnerGrey);
    // Tab leaves the comment like every other field instead of writing a tab into it.
    comment->setTabChangesFocus(true);
    connect(comment, &QPlainTextEdit::textChanged, this, &TFFBmain::syncCommentToState);

    // The extended programming settings, in the place of the comment. The address lines
    // stand close, so that the message area below has room for five lines and the lines of
    // the production database fit below them.
    Pprogram = makePanel(c, "Pprogram", QRect(425, 328, 360, 164), GroupGrey);
    makeLabel(Pprogram, "Label10", QRect(4, 1, 352, 13), QString(), sans(10), Qt::black,
              Qt::AlignCenter);
    // Its text comes with the lines of the production database (showDatabaseLines).
    LNaechste = makeLabel(Pprogram, "LNaechste", QRect(104, 14, 100, 14), QString(),
                          sans(11, true), Blue, Qt::AlignCenter);
    makeLabel(Pprogram, "LIncrement", QRect(202, 14, 64, 14), QString(), sans(11, true), Blue,
              Qt::AlignCenter);
    for (int n = 1; n <= 8; ++n) {
        const QByteArray suffix = QByteArray::number(n);
        const int y = 28 + 14 * (n - 1);
        makeLabel(Pprogram, ("LAdresse" + suffix).constData(), QRect(8, y, 96, 14), QString(),
                  sans(11), Qt::black);
        Aadress[n] = makeLabel(Pprogram, ("Aadress" + suffix).constData(), QRect(106, y, 98, 14),
                               QString(), courier(13, true), Purple);
        offset[n] = makeEdit(Pprogram, ("offset" + suffix).constData(), QRect(214, y, 42, 14),
                             courier(12, true));
        offset[n]->setAlignment(Qt::AlignRight);
    }
    QFrame* counter = makePanel(Pprogram, "GZaehler", QRect(270, 28, 82, 65), InnerGrey,
                                QFrame::Sunken);
    makeLabel(counter, "LZaehler", QRect(2, 2, 78, 15), QString(), sans(12, true), Maroon,
              Qt::AlignCenter);
    progcounter = makeEdit(counter, "progcounter", QRect(13, 18, 56, 21), courier(15, true),
                           Maroon);
    progcounter->setAlignment(Qt::AlignCenter);
    Button1 = new QPushButton(counter);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(13, 41, 56, 22);
    Pprogram->hide();

    Info = new QPlainTextEdit(c);
    Info->setObjectName(QStringLiteral("Info"));
    {
        // Wrapped lines keep the left margin; lists of addresses wrap between their items.
        auto* messages = new QTextDocument(Info);
        messages->setUndoRedoEnabled(false);   // the area is only written by the program
        messages->setDocumentLayout(new MessageLayout(messages));
        Info->setDocument(messages);
    }
    Info->setGeometry(422, 498, 363, 72);
    Info->setReadOnly(true);
    // A message can be selected with the mouse, but Tab passes over the area.
    Info->setFocusPolicy(Qt::ClickFocus);
    Info->setFont(sans(11, true));
    Info->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Info->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Five lines of messages fit without scrolling.
    Info->document()->setDocumentMargin(1);
    setColours(Info, Qt::black, Qt::white);
    Info->viewport()->installEventFilter(this);

    SendButton = new QPushButton(c);
    SendButton->setObjectName(QStringLiteral("SendButton"));
    SendButton->setGeometry(424, 580, 177, 41);
    SendButton->setFont(sans(13, true));
    ReadButton = new QPushButton(c);
    ReadButton->setObjectName(QStringLiteral("ReadButton"));
    ReadButton->setGeometry(608, 580, 177, 41);
    ReadButton->setFont(sans(13, true));

    Panel3 = makePanel(c, "Panel3", QRect(8, 634, 777, 20), Silver, QFrame::Plain);
    // A long path keeps its start and the file name; the middle gives way.
    ShowFile = makeLabel(Panel3, "ShowFile", QRect(2, 1, 680, 18), QString(), sans(11), Qt::black,
                         Qt::AlignLeft | Qt::AlignVCenter,
                         new FitLabel(QString(), Panel3, Qt::ElideMiddle, 10));
    ShowFile->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ShowFile->setIndent(4);
    ShowCom = makeLabel(Panel3, "ShowCom", QRect(685, 1, 90, 18), QStringLiteral("COM1"),
                        sans(11, true), Qt::black, Qt::AlignCenter);
    ShowCom->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void TFFBmain::setupMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    MDatei = bar->addMenu(QString());
    MDatei->setObjectName(QStringLiteral("MDatei"));
    MDatei->setSeparatorsCollapsible(false);
    MNew = MDatei->addAction(QString(), this, command(&TFFBmain::MNewClick));
    Mopen = MDatei->addAction(QString(), this, command(&TFFBmain::MopenClick));
    Msave = MDatei->addAction(QString(), this, command(&TFFBmain::MsaveClick));
    setupSheetMenu();
    MDatei->addSeparator();
    MDatei->addSeparator();
    Projektname1 = MDatei->addAction(QString(), this, command(&TFFBmain::Projektname1Click));
    MDatei->addSeparator();
    Mexit = MDatei->addAction(QString(), this, command(&TFFBmain::MexitClick));

    MKomm = bar->addMenu(QString());
    MKomm->setObjectName(QStringLiteral("MKomm"));
    MKomm->setToolTipsVisible(true);
    connect(MKomm, &QMenu::aboutToShow, this, &TFFBmain::MKommClick);
    Mport = MKomm->addMenu(QString());
    Mport->setObjectName(QStringLiteral("Mport"));
    MComGroup = new QActionGroup(this);
    MComGroup->setExclusive(true);
    QAction** coms[] = {&MCom1, &MCom2, &MCom3, &MCom4};
    for (int n = 1; n <= 4; ++n) {
        QAction* a = Mport->addAction(QStringLiteral("COM&%1").arg(n));
        a->setObjectName(QStringLiteral("MCom%1").arg(n));
        a->setCheckable(true);
        MComGroup->addAction(a);
        connect(a, &QAction::triggered, this, command([this, n] { MComClick(n); }));
        *coms[n - 1] = a;
    }
    MCom1->setChecked(true);
    MKomm->addSeparator();
    Mprogram = MKomm->addAction(QString(), this, command(&TFFBmain::SendButtonClick));
    Mread = MKomm->addAction(QString(), this, command(&TFFBmain::ReadButtonClick));

    MEinstellungen = bar->addMenu(QString());
    MEinstellungen->setObjectName(QStringLiteral("MEinstellungen"));
    Minfos = MEinstellungen->addAction(QString(), this, command(&TFFBmain::MinfosClick));
    Minfos->setCheckable(true);
    Minfos->setChecked(true);
    MDL = MEinstellungen->addAction(QString(), this, command(&TFFBmain::MDLClick));
    MDL->setCheckable(true);
    MDL->setChecked(true);
    MEinstellungen->addSeparator();
    MViewGroup = new QActionGroup(this);
    MViewGroup->setExclusive(true);
    Mcomment = MEinstellungen->addAction(QString(), this, command(&TFFBmain::McommentClick));
    MProg = MEinstellungen->addAction(QString(), this, command(&TFFBmain::MProgClick));
    for (QAction* a : {Mcomment, MProg}) {
        a->setCheckable(true);
        MViewGroup->addAction(a);
    }
    Mcomment->setChecked(true);

    MSystem = bar->addAction(QString(), this, command(&TFFBmain::MSystemClick));

    MHelp = bar->addMenu(QString());
    MHelp->setObjectName(QStringLiteral("MHelp"));
    MHelp->setToolTipsVisible(true);
    Mhilfe = MHelp->addAction(QString(), this, command(&TFFBmain::MhilfeClick));
    Mabout = MHelp->addAction(QString(), this, command(&TFFBmain::MaboutClick));

    const struct {
        QAction* a;
        const char* name;
    } names[] = {{MNew, "MNew"},       {Mopen, "Mopen"},     {Msave, "Msave"},
                 {Projektname1, "Projektname1"},           {Mexit, "Mexit"},
                 {Mprogram, "Mprogram"}, {Mread, "Mread"},   {Minfos, "Minfos"},
                 {MDL, "MDL"},         {Mcomment, "Mcomment"}, {MProg, "MProg"},
                 {MSystem, "MSystem"}, {Mhilfe, "Mhilfe"},   {Mabout, "Mabout"}};
    for (const auto& n : names)
        n.a->setObjectName(QLatin1String(n.name));
    addMenuShortcuts(*this);
}

// ---------------------------------------------------------------------------------------------
// Wiring of the controls

void TFFBmain::addField(QLineEdit* edit, int maxLength, FieldHooks hooks)
{
    if (maxLength > 0)
        edit->setValidator(new LengthLimit(maxLength, edit));
    edit->installEventFilter(this);
    fieldHooks_.insert(edit, std::move(hooks));
}

void TFFBmain::wireFields()
{
    auto plain = [](std::function<void()> exit, std::function<void()> keyUp) {
        FieldHooks h;
        h.exit = std::move(exit);
        h.keyUp = std::move(keyUp);
        h.selectOnEntry = true;
        return h;
    };
    addField(pruefanzahl, 0, plain([this] { pruefanzahlExit(); }, [this] { pruefanzahlKeyUp(); }));
    addField(sperrzeit, 4, plain([this] { sperrzeitExit(); }, [this] { sperrzeitKeyUp(); }));
    addField(umschaltzeit, 4,
             plain([this] { umschaltzeitExit(); }, [this] { umschaltzeitKeyUp(); }));
    addField(TimeOut, 6, plain([this] { TimeOutExit(); }, [this] { TimeOutKeyUp(); }));
    addField(CheckBits, 1, plain([this] { CheckBitsExit(); }, [this] { CheckBitsKeyUp(); }));
    addField(dirshift, 2, plain([this] { dirshiftExit(); }, [this] { dirshiftKeyUp(); }));
    addField(bitanzahl, 2, plain([this] { bitanzahlExit(); }, [this] { bitanzahlKeyUp(); }));
    addField(progcounter, 4,
             plain([this] { progcounterExit(); }, [this] { progcounterKeyUp(); }));
    for (int n = 1; n <= 8; ++n)
        addField(offset[n], 4, plain([this, n] { offsetExit(n); }, [this, n] { offsetKeyUp(n); }));

    // The correction (and the hidden checksum edit) only has its exit handler.
    FieldHooks korr;
    korr.exit = [this] { korrekturExit(); };
    addField(korrektur, 0, korr);
    addField(checksumEEPROM, 0, korr);

    // The binary fields do not select their text on entry.
    FieldHooks gc;
    gc.exit = [this] { GeneralCodeExit(); };
    gc.keyUp = [this] { GeneralCodeKeyUp(); };
    addField(GeneralCode, 40, gc);
    FieldHooks dm;
    dm.exit = [this] { direktmaskeExit(); };
    dm.keyUp = [this] { direktmaskeKeyUp(); };
    addField(direktmaske, 40, dm);
    FieldHooks dez;
    dez.enter = [this] { GeneralDezEnter(); };
    dez.exit = [this] { GeneralDezExit(); };
    dez.keyUp = [this] { GeneralDezKeyUp(); };
    dez.selectOnEntry = true;
    addField(GeneralDez, 12, dez);

    connect(UpDownPruefUp, &QToolButton::clicked, this, [this] { UpDownPruefClick(true); });
    connect(UpDownPruefDown, &QToolButton::clicked, this, [this] { UpDownPruefClick(false); });
    connect(UpDownKorrUp, &QToolButton::clicked, this, [this] { UpDownKorrClick(true); });
    connect(UpDownKorrDown, &QToolButton::clicked, this, [this] { UpDownKorrClick(false); });
    connect(Button1, &QPushButton::clicked, this, &TFFBmain::Button1Click);

    connect(CBinitout1, &QCheckBox::clicked, this, &TFFBmain::CBinitout1Click);
    connect(CBinitout2, &QCheckBox::clicked, this, &TFFBmain::CBinitout2Click);
    connect(CBinitout3, &QCheckBox::clicked, this, &TFFBmain::CBinitout3Click);
    connect(CBinitout4, &QCheckBox::clicked, this, &TFFBmain::CBinitout4Click);
    connect(CBstore, &QCheckBox::clicked, this, &TFFBmain::CBstoreClick);
    connect(CBvr12, &QCheckBox::clicked, this, &TFFBmain::CBvr12Click);
    connect(CBvr13, &QCheckBox::clicked, this, &TFFBmain::CBvr13Click);
    connect(CBvr14, &QCheckBox::clicked, this, &TFFBmain::CBvr14Click);
    connect(CBvr23, &QCheckBox::clicked, this, &TFFBmain::CBvr23Click);
    connect(CBvr24, &QCheckBox::clicked, this, &TFFBmain::CBvr24Click);
    connect(CBvr34, &QCheckBox::clicked, this, &TFFBmain::CBvr34Click);
    connect(CBNotAus, &QCheckBox::clicked, this, &TFFBmain::CBNotAusClick);
    connect(CBcheckbits, &QCheckBox::clicked, this, &TFFBmain::CBcheckbitsClick);
    connect(RBstandard, &QRadioButton::clicked, this, &TFFBmain::RBstandardClick);
    connect(RBdirekt, &QRadioButton::clicked, this, &TFFBmain::RBdirektClick);
    connect(RBcodeinhalt, &QRadioButton::clicked, this, &TFFBmain::RBcodeinhaltClick);
    connect(RBdirektausgabe, &QRadioButton::clicked, this, &TFFBmain::RBdirektausgabeClick);

    connect(FBselect, &QToolButton::clicked, this, &TFFBmain::FBselectClick);
    connect(SendButton, &QPushButton::clicked, this, command(&TFFBmain::SendButtonClick));
    connect(ReadButton, &QPushButton::clicked, this, command(&TFFBmain::ReadButtonClick));

    for (QObject* o : {static_cast<QObject*>(Panel9), static_cast<QObject*>(Label23),
                       static_cast<QObject*>(Lspeicher1), static_cast<QObject*>(Lspeicher2),
                       static_cast<QObject*>(projectname), static_cast<QObject*>(Panel2),
                       static_cast<QObject*>(Label9), static_cast<QObject*>(mainweb)})
        o->installEventFilter(this);
    for (auto it = rowOf_.cbegin(); it != rowOf_.cend(); ++it)
        it.key()->installEventFilter(this);
}

bool TFFBmain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();

    // Paints: a display older than the state gets one posted refresh.
    if (type == QEvent::Paint) {
        if (!refreshPosted_ && !inFormPaint_ && displayIsStale())
            requestRefresh();
        return false;
    }

    // One-line edits: entry, exit on every loss of focus, Enter released.
    auto field = fieldHooks_.find(watched);
    if (field != fieldHooks_.end()) {
        auto* edit = static_cast<QLineEdit*>(watched);
        const FieldHooks& h = field.value();
        switch (type) {
        case QEvent::FocusIn:
            if (h.selectOnEntry)
                QTimer::singleShot(0, edit, [edit] {
                    if (edit->hasFocus())
                        edit->selectAll();
                });
            if (h.enter)
                h.enter();
            break;
        case QEvent::MouseButtonRelease:
            if (h.selectOnEntry && !edit->hasSelectedText())
                edit->selectAll();
            if (h.enter)
                h.enter();
            break;
        case QEvent::FocusOut:
            if (h.exit)
                h.exit();
            break;
        case QEvent::KeyRelease: {
            // A held key repeats as release and press pairs; only the real release counts.
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                && !key->isAutoRepeat() && h.keyUp)
                h.keyUp();
            break;
        }
        default:
            break;
        }
        return false;
    }

    // Code table: every control of a row opens the code editor for that row; the row takes
    // the focus by Tab and opens it with Enter or Space.
    auto row = rowOf_.find(watched);
    if (row != rowOf_.end()) {
        const int n = row.value();
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                PanC[n]->setFocus(Qt::MouseFocusReason);
            return true;
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(event);
            auto* w = static_cast<QWidget*>(watched);
            if (me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint()))
                PanCClick(n);
            return true;
        }
        case QEvent::MouseMove:
            return true;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (watched == PanC[n]
                && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
                PanCClick(n);
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            if (watched == PanC[n]) {
                const QColor bg = type == QEvent::FocusIn ? QColor(255, 255, 200) : GroupGrey;
                QPalette p = PanC[n]->palette();
                p.setColor(QPalette::Window, bg);
                p.setColor(QPalette::Base, bg);
                PanC[n]->setPalette(p);
                for (QLineEdit* e : {Cadd[n], Cfun[n], Cout[n]}) {
                    QPalette ep = e->palette();
                    ep.setColor(QPalette::Base, bg);
                    e->setPalette(ep);
                }
            }
            break;
        default:
            break;
        }
        return false;
    }

    if (type == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) {
            if (watched == Panel9 || watched == Label23) {
                FBselectClick();
                return true;
            }
            if (watched == Lspeicher1 || watched == Lspeicher2) {
                LspeicherClick();
                return true;
            }
        }
    } else if (type == QEvent::MouseButtonDblClick) {
        if (watched == projectname) {
            projectnameDblClick();
            return true;
        }
        if (watched == Panel2 || watched == Label9 || watched == mainweb) {
            Panel2DblClick();
            return true;
        }
        if (watched == Info->viewport()) {
            InfoDblClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFFBmain::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
        QWidget* focus = focusWidget();
        if (qobject_cast<QPushButton*>(focus) || qobject_cast<QToolButton*>(focus)) {
            static_cast<QAbstractButton*>(focus)->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void TFFBmain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormPaint();
    else if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

void TFFBmain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    FormPaint();
}

void TFFBmain::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------------------------------------
// Message area

QColor TFFBmain::infoColourValue(InfoColour colour)
{
    switch (colour) {
    case InfoColour::Error:
        return ErrorRed;
    case InfoColour::Warning:
        return Yellow;
    case InfoColour::Normal:
        break;
    }
    return Qt::white;
}

void TFFBmain::clearInfo()
{
    Info->clear();
    Info->setToolTip(QString());
    infoMessageStart_ = -1;
}

void TFFBmain::addInfo(const QString& line, InfoBreak wrap)
{
    QTextDocument* doc = Info->document();
    if (infoMessageStart_ < 0) {
        // The first line of a message; the lines that follow before the program is back in
        // its event loop belong to it.
        infoMessageStart_ = doc->isEmpty() ? 0 : doc->blockCount();
        if (!infoMessageEndPosted_) {
            infoMessageEndPosted_ = true;
            QTimer::singleShot(0, this, [this] {
                infoMessageEndPosted_ = false;
                infoMessageStart_ = -1;
            });
        }
    }
    Info->appendPlainText(line);
    if (wrap == InfoBreak::BetweenItems)
        MessageLayout::markItems(doc->lastBlock());
    // The newest message is seen whole: the area shows the end, but never scrolls past the
    // message's first line; a message longer than the area shows from its start.
    QScrollBar* bar = Info->verticalScrollBar();
    const int first = doc->findBlockByNumber(infoMessageStart_).firstLineNumber();
    bar->setValue(qMin(bar->maximum(), qMax(0, first)));
    // The whole text as the hint, for a text longer than the area.
    Info->setToolTip(Info->toPlainText());
}

void TFFBmain::setInfoColour(InfoColour colour)
{
    infoColour_ = colour;
    const QColor c = infoColourValue(colour);
    if (Info->palette().color(QPalette::Base) != c)
        setColours(Info, Qt::black, c);
}

QStringList TFFBmain::infoLines() const
{
    const QString text = Info->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

QList<TFFBmain::InfoBreak> TFFBmain::infoBreaks() const
{
    QList<InfoBreak> breaks;
    if (Info->document()->isEmpty())
        return breaks;
    for (QTextBlock b = Info->document()->firstBlock(); b.isValid(); b = b.next())
        breaks << (MessageLayout::isItems(b) ? InfoBreak::BetweenItems : InfoBreak::AtBlanks);
    return breaks;
}

// ---------------------------------------------------------------------------------------------
// Commands

std::function<void()> TFFBmain::command(void (TFFBmain::*handler)())
{
    return command([this, handler] { (this->*handler)(); });
}

std::function<void()> TFFBmain::command(std::function<void()> handler)
{
    return [this, handler = std::move(handler)] {
        commitTyping();
        handler();
    };
}

void TFFBmain::commitTyping()
{
    // The code editor takes an address or time still being typed.
    if (forms.FCode && forms.FCode->isVisible())
        forms.FCode->takePendingEntry();
    QWidget* focus = focusWidget();
    if (!focus)
        return;
    if (focus == comment) {
        if (history)
            history->commitComment();
        return;
    }
    // A field of this window: its exit handler, as when it is left. A field the user has not
    // typed into since its last commit has nothing to take.
    const auto field = fieldHooks_.constFind(focus);
    if (field == fieldHooks_.cend() || !field->exit)
        return;
    if (static_cast<QLineEdit*>(focus)->isModified())
        field->exit();
}

// ---------------------------------------------------------------------------------------------
// Commands of the window itself

void TFFBmain::MinfosClick()
{
    showNotices = !showNotices;
    Minfos->setChecked(showNotices);
}

void TFFBmain::MDLClick()
{
    askLastFile = !askLastFile;
    MDL->setChecked(askLastFile);
}

void TFFBmain::McommentClick()
{
    Mcomment->setChecked(true);
    ShowBasicsWin();
}

void TFFBmain::MProgClick()
{
    MProg->setChecked(true);
    ShowBasicsWin();
}

void TFFBmain::InfoDblClick()
{
    clearInfo();
    setInfoColour(InfoColour::Normal);
}

void TFFBmain::Panel2DblClick()
{
    seam.beep();
    QString address = mainweb->text().trimmed();
    if (!address.contains(QLatin1String("://")))
        address.prepend(QLatin1String("https://"));
    seam.openUrl(QUrl(address));
}

void TFFBmain::Projektname1Click()
{
    if (forms.FProjekt)
        forms.FProjekt->execute();
}

void TFFBmain::projectnameDblClick()
{
    Projektname1Click();
}

void TFFBmain::MhilfeClick()
{
    if (forms.FHelp)
        forms.FHelp->execute();
}

void TFFBmain::MaboutClick()
{
    if (forms.Finfo)
        forms.Finfo->execute();
}

void TFFBmain::MexitClick()
{
    close();
}

void TFFBmain::MSystemClick()
{
    if (!forms.Fsystem)
        return;
    seam.showModal(*forms.Fsystem);
    // The dialog changes the state without refreshing this window; not every desktop
    // activates this window again when the dialog closes.
    FormPaint();
}

void TFFBmain::FBselectClick()
{
    if (forms.FBselect)
        seam.showModal(*forms.FBselect);
}

void TFFBmain::PanCClick(int n)
{
    if (n < 1 || n > 8)
        return;
    cfg.slotBeingEdited = n;
    if (forms.FCode)
        seam.showModal(*forms.FCode);
}

void TFFBmain::syncCommentToState()
{
    if (settingComment_)
        return;
    const QString text = comment->toPlainText();
    cfg.comment = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

}  // namespace fbe
