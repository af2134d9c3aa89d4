// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitters/TFFBselect.h"

#include "config/Configuration.h"
#include "dialogs/Artwork.h"
#include "config/Maker.h"
#include "config/TransmitterNames.h"
#include "dialogs/Seam.h"
#include "mainwindow/Forms.h"
#include "mainwindow/TFFBmain.h"
#include "transmitters/DialogLook.h"

#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace fbe {

namespace {

constexpr int Margin = 10;
constexpr int RowWidth = 440;
constexpr int RowHeight = 70;
constexpr int RowGap = 6;
constexpr int Border = 5;                       // coloured frame around the row's content
constexpr int Picture = RowHeight - 2 * Border; // the square picture button

struct RowText {
    int code;
    const char* panel;
    const char* button;
    const char* nameLabel;
    const char* line2;
    const char* hint;   // empty: this row shows no hints
};

// The rows top to bottom; the texts German, translated where shown.
const RowText Rows[TFFBselect::RowCount] = {
    {typ::Aurel1, "Panel0", "FB1aurel", "Typ7name",
     QT_TRANSLATE_NOOP("fbe::TFFBselect", "über 10xDIP, 2xLötbrücke"),
     QT_TRANSLATE_NOOP("fbe::TFFBselect", "Empfangsmodul für 1-Kanal Sender konfigurieren")},
    {typ::Aurel2, "Panel2", "FB2aurel", "Typ2name",
     QT_TRANSLATE_NOOP("fbe::TFFBselect", "über 10xDIP, 1xLötbrücke"),
     QT_TRANSLATE_NOOP("fbe::TFFBselect", "Empfangsmodul für 2-Kanal Sender konfigurieren")},
    {typ::Svs3, "Panel10", "FB3svs", "Typ10name",
     QT_TRANSLATE_NOOP("fbe::TFFBselect", "über 8xDIP (jew. 3 Stellungen)"), ""},
    {typ::Aurel4, "Panel1", "FB4aurel", "Typ1name",
     QT_TRANSLATE_NOOP("fbe::TFFBselect", "über 10xDIP"),
     QT_TRANSLATE_NOOP("fbe::TFFBselect", "Empfangsmodul für 4-Kanal Sender konfigurieren")},
    {typ::Uni16, "Panel16", "FB16uni", "Typ16name",
     QT_TRANSLATE_NOOP("fbe::TFFBselect", "(universell per PC programmierbar)"), ""},
    {typ::Uni17, "Panel17", "FB17uni", "Typ17name",
     QT_TRANSLATE_NOOP("fbe::TFFBselect", "(high power version! programmierbar))"), ""},
};

void setBackground(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    if (p.color(QPalette::Window) == colour && w->autoFillBackground())
        return;
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

QColor TFFBselect::activeColour()
{
    return look::Lime;
}

QColor TFFBselect::otherColour()
{
    return look::Desktop;
}

TFFBselect::TFFBselect(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : FormDialog(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("FBselect"));
    setModal(true);
    look::applyDialogLook(this);
    setupUi();
    FormCreate();
    retranslateUi();
}

void TFFBselect::retranslateUi()
{
    setWindowTitle(tr("Auswahl Sender"));
    for (int i = 0; i < RowCount; ++i) {
        const RowText& t = Rows[i];
        Row& r = rows[size_t(i)];
        r.line1->setText(transmitterDetail(t.code));
        r.line2->setText(tr(t.line2));
        if (*t.hint) {
            r.panel->setToolTip(tr(t.hint));
            r.button->setToolTip(tr("direkte Adress-Berechnung für 2-Kanal-Fernbedienung"));
        }
    }
    FormCreate();
    Lnote->setText(tr("Die Liste wird bei Bedarf erweitert ..."));
    weblabel->setText(tr("Updates: %1").arg(QString::fromUtf8(maker::Web)));
    abbrechen->setText(tr("Abbrechen"));
}

void TFFBselect::setupUi()
{
    int y = Margin;
    for (int i = 0; i < RowCount; ++i) {
        const RowText& t = Rows[i];
        Row& r = rows[size_t(i)];
        r.code = t.code;

        r.panel = new QFrame(this);
        r.panel->setObjectName(QString::fromLatin1(t.panel));
        r.panel->setGeometry(Margin, y, RowWidth, RowHeight);
        r.panel->setFrameShape(QFrame::Panel);
        r.panel->setFrameShadow(QFrame::Raised);
        r.panel->setCursor(Qt::PointingHandCursor);
        setBackground(r.panel, otherColour());

        r.button = new QToolButton(r.panel);
        r.button->setObjectName(QString::fromLatin1(t.button));
        r.button->setGeometry(Border, Border, Picture, Picture);
        r.button->setIcon(art::icon(art::glyphPath(t.code)));
        r.button->setIconSize(QSize(Picture - 8, Picture - 8));
        r.button->setAutoRaise(false);
        r.button->setStyleSheet(QStringLiteral(
            "QToolButton { background: #fafafa; border: 1px solid #9aa3ad; border-radius: 3px; }"
            "QToolButton:hover { background: #fff8d6; border-color: #d4a000; }"
            "QToolButton:focus { border: 3px solid #1e6fd9; background: #e3efff; }"
            "QToolButton:pressed { background: #f0e4b0; }"));
        const int code = t.code;
        connect(r.button, &QToolButton::clicked, this, [this, code] { selectType(code); });

        r.inner = new QFrame(r.panel);
        r.inner->setObjectName(QString::fromLatin1(t.panel) + QStringLiteral("inner"));
        r.inner->setGeometry(Border + Picture + Border, Border,
                             RowWidth - 3 * Border - Picture, Picture);
        r.inner->setFrameShape(QFrame::StyledPanel);
        r.inner->setFrameShadow(QFrame::Sunken);
        setBackground(r.inner, QColor(250, 250, 248));

        const int tx = 10;
        const int tw = r.inner->width() - 2 * tx;
        r.name = new QLabel(r.inner);
        r.name->setObjectName(QString::fromLatin1(t.nameLabel));
        r.name->setFont(look::arial(10, true));
        r.name->setStyleSheet(QStringLiteral("color: #800000;"));
        r.name->setGeometry(tx, 4, tw, 18);

        r.line1 = new QLabel(r.inner);
        r.line1->setObjectName(QString::fromLatin1(t.nameLabel) + QStringLiteral("line1"));
        r.line1->setFont(look::arial(9, true));
        r.line1->setGeometry(tx, 22, tw, 16);

        r.line2 = new QLabel(r.inner);
        r.line2->setObjectName(QString::fromLatin1(t.nameLabel) + QStringLiteral("line2"));
        r.line2->setFont(look::arial(9));
        r.line2->setGeometry(tx, 38, tw, 16);

        for (QWidget* w : {static_cast<QWidget*>(r.panel), static_cast<QWidget*>(r.inner),
                           static_cast<QWidget*>(r.name), static_cast<QWidget*>(r.line1),
                           static_cast<QWidget*>(r.line2)})
            w->installEventFilter(this);
        y += RowHeight + RowGap;
    }

    Lnote = new QLabel(this);
    Lnote->setObjectName(QStringLiteral("Lnote"));
    Lnote->setFont(look::arial(9, false));
    Lnote->setStyleSheet(QStringLiteral("color: #404850; font-style: italic;"));
    Lnote->setGeometry(Margin, y, RowWidth, 18);
    y += 20;

    weblabel = new QLabel(this);
    weblabel->setObjectName(QStringLiteral("weblabel"));
    weblabel->setAlignment(Qt::AlignCenter);
    weblabel->setFont(look::arial(9, true));
    weblabel->setStyleSheet(QStringLiteral("color: #000080;"));
    weblabel->setGeometry(Margin, y, RowWidth, 20);
    y += 26;

    abbrechen = new QPushButton(this);
    abbrechen->setObjectName(QStringLiteral("abbrechen"));
    abbrechen->setFont(look::arial(10, true));
    abbrechen->setGeometry(Margin, y, RowWidth, 34);
    connect(abbrechen, &QPushButton::clicked, this, &TFFBselect::abbrechenClick);
    y += 34;

    setFixedSize(RowWidth + 2 * Margin, y + Margin);
}

void TFFBselect::FormCreate()
{
    for (int i = 0; i < RowCount; ++i)
        rows[size_t(i)].name->setText(transmitterName(Rows[i].code));
}

void TFFBselect::FormActivate()
{
    visit_.open(historyOf(forms), StepName(Step::Senderauswahl));
    weblabel->setText(tr("Updates: %1").arg(QString::fromUtf8(maker::Web)));
    for (const Row& r : rows)
        setBackground(r.panel, r.code == cfg.activeType ? activeColour() : otherColour());
    abbrechen->setFocus();
}

const TFFBselect::Row* TFFBselect::rowOf(int code) const
{
    for (const Row& r : rows) {
        if (r.code == code)
            return &r;
    }
    return nullptr;
}

void TFFBselect::selectType(int code)
{
    if (!isKnownType(code))
        return;
    cfg.activeType = cfg.types[size_t(code)].typ;
    cfg.types[0] = cfg.types[size_t(code)];
    accept();
}

void TFFBselect::FB1aurelClick() { selectType(typ::Aurel1); }
void TFFBselect::FB2aurelClick() { selectType(typ::Aurel2); }
void TFFBselect::FB3svsClick() { selectType(typ::Svs3); }
void TFFBselect::FB4aurelClick() { selectType(typ::Aurel4); }
void TFFBselect::FB16uniClick() { selectType(typ::Uni16); }
void TFFBselect::FB17uniClick() { selectType(typ::Uni17); }

void TFFBselect::abbrechenClick()
{
    reject();
}

void TFFBselect::FormClose()
{
    if (TFFBmain* main = forms.FBmain) {
        main->ApplySendertyp();
        main->ShowCodeWin();
        main->ShowAll();
    } else {
        ApplySendertyp(cfg);
    }
    visit_.close();
}

void TFFBselect::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
        if (auto* button = qobject_cast<QToolButton*>(focusWidget())) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

bool TFFBselect::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        if (me->button() == Qt::LeftButton && w && w->rect().contains(me->position().toPoint())) {
            for (const Row& r : rows) {
                if (w == r.panel || r.panel->isAncestorOf(w)) {
                    selectType(r.code);
                    return true;
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace fbe
