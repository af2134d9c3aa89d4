// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/TFsystem.h"

#include "config/AddressBits.h"
#include "config/Configuration.h"
#include "config/Formatting.h"
#include "config/Maker.h"
#include "dialogs/Seam.h"
#include "mainwindow/TFFBmain.h"
#include "transmitters/DialogLook.h"
#include "transmitters/FieldWatcher.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyleOptionFrame>

#include <cmath>
#include <utility>

namespace fbe {

namespace {

constexpr int Margin = 12;
constexpr int Width = 540;

// The check mask entry: 40 digits with thin separators after every 4 digits, the ones after
// every 8 digits silver and wider, so that a bit position can be read off at a glance. The
// letters are spaced wide enough for a separator to stand clear of the digits on both sides.
class MaskEdit : public QLineEdit {
public:
    static constexpr int Spacing = 4;

    explicit MaskEdit(QWidget* parent) : QLineEdit(parent)
    {
        QFont f = look::monoBold(10);
        f.setLetterSpacing(QFont::AbsoluteSpacing, Spacing);
        setFont(f);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLineEdit::paintEvent(event);
        // Where the text starts: the contents rectangle of the style, less the text margins
        // and the line edit's own 2-pixel margin; the advance of one digit includes the
        // letter spacing that follows it.
        QStyleOptionFrame opt;
        initStyleOption(&opt);
        const QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &opt, this)
                            .marginsRemoved(textMargins());
        const double x0 = r.x() + 2.0;
        const double advance =
            QFontMetricsF(font()).horizontalAdvance(QString(40, QLatin1Char('0'))) / 40.0;
        QPainter p(this);
        for (int k = 1; k <= 9; ++k) {
            const bool wide = k % 2 == 0;
            // Middle of the gap after digit 4k, snapped so that the line is drawn sharp.
            const double middle = x0 + 4 * k * advance - Spacing / 2.0;
            const double x = wide ? std::round(middle) : std::floor(middle) + 0.5;
            QPen pen(wide ? QColor(172, 176, 182) : QColor(128, 132, 138));
            pen.setWidthF(wide ? 2.0 : 1.0);
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
            p.drawLine(QPointF(x, 3), QPointF(x, height() - 3));
        }
    }
};

QLabel* caption(QWidget* parent, const QRect& geometry)
{
    auto* l = new QLabel(parent);
    l->setFont(look::arial(9));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    return l;
}

QPlainTextEdit* redMemo(const QString& name, QWidget* parent)
{
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setReadOnly(true);
    m->setFocusPolicy(Qt::NoFocus);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setFont(look::arial(8, true));
    m->setStyleSheet(QStringLiteral(
        "QPlainTextEdit { color: white; background: #d01010; border: 1px solid #8a0000; }"));
    return m;
}

}  // namespace

TFsystem::TFsystem(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : FormDialog(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("Fsystem"));
    setModal(true);
    look::applyDialogLook(this);
    setupUi();
    retranslateUi();
}

void TFsystem::retranslateUi()
{
    setWindowTitle(tr("System Grundeinstellungen"));
    Memo1->setPlainText(QStringList{
        tr("ACHTUNG !!!              ACHTUNG !!!               "
           "ACHTUNG !!!              ACHTUNG !!!"),
        tr("Diese Einstellungen sollten in der Regel nie verändert werden. "),
        tr("Sie beinhalten Sender-spezifische Informationen, welche für eine "),
        tr("korrekte Funktion notwendig sind."),
        tr("Bei der Menue-Auswahl des Sendertyps werden diese Werte wieder in den "),
        tr("Sollzustand zurückgesetzt.")}.join(QLatin1Char('\n')));
    static const std::pair<const char*, const char*> Captions[] = {
        {"Lbits", QT_TR_NOOP("ID-length")},   {"Lcorrmain", QT_TR_NOOP("ref-correction")},
        {"Lrefmin", QT_TR_NOOP("ref-min")},   {"Lrefmax", QT_TR_NOOP("ref-max")},
        {"Ldatmin", QT_TR_NOOP("dat-min")},   {"Ldatmax", QT_TR_NOOP("dat-max")},
        {"Lwait1", QT_TR_NOOP("wait1")},      {"Lwait2", QT_TR_NOOP("wait2")},
        {"Lwait3", QT_TR_NOOP("wait3")},      {"Ltyp", QT_TR_NOOP("Typ")},
        {"Lmask", QT_TR_NOOP("checkmask")}};
    for (const auto& [name, text] : Captions) {
        if (auto* l = findChild<QLabel*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            l->setText(tr(text));
    }
    typ->setToolTip(tr("wird von Software bestimmt!"));
    mask->setToolTip(tr("in diesem Feld dürfen nur Nullen und Einsen vorkommen"));
    findChild<QLabel*>(QStringLiteral("Lbit39"))->setText(tr("Bit 39"));
    findChild<QLabel*>(QStringLiteral("Lbit0"))->setText(tr("Bit 0"));
    warnung->setText(tr("Warnung: Werte wurden manuell geändert !"));
    warnmemo->setPlainText(
        tr("In Sonderfällen, welche eine Modifizierung dieser Werte erforderlich machen, \n"
           "wenden Sie sich bitte an: %1").arg(QString::fromUtf8(maker::Email)));
    Button1->setText(tr("o.k."));
}

void TFsystem::setupUi()
{
    int y = Margin;
    Memo1 = redMemo(QStringLiteral("Memo1"), this);
    Memo1->setGeometry(Margin, y, Width - 2 * Margin, 98);
    y += 98 + 14;

    // Three columns of byte fields.
    auto field = [this](const QString& name, int maxLength) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setFont(look::monoBold(10));
        e->setAlignment(Qt::AlignLeft);
        e->setFocusPolicy(Qt::ClickFocus);   // never reached with the Tab key
        if (maxLength > 0)
            e->setMaxLength(maxLength);
        return e;
    };
    const int rowH = 28;
    const int fieldW = 48;
    struct Cell {
        QLineEdit** edit;
        const char* name;
        int maxLength;
        int column;
        int row;
    };
    const Cell cells[] = {
        {&bits, "bits", 0, 0, 0},
        {&corrmain, "corrmain", 0, 0, 1},
        {&refmin, "refmin", 3, 1, 0},
        {&refmax, "refmax", 3, 1, 1},
        {&datmin, "datmin", 3, 1, 2},
        {&datmax, "datmax", 3, 1, 3},
        {&wait1, "wait1", 0, 2, 0},
        {&wait2, "wait2", 0, 2, 1},
        {&wait3, "wait3", 0, 2, 2},
    };
    const int columnX[3] = {Margin, Margin + 172, Margin + 340};
    const int labelW[3] = {110, 100, 100};
    for (const Cell& c : cells) {
        const int x = columnX[c.column];
        const int cy = y + c.row * rowH;
        auto* l = caption(this, {x, cy, labelW[c.column] - 8, 24});
        l->setObjectName(QStringLiteral("L") + QString::fromLatin1(c.name));
        *c.edit = field(QString::fromLatin1(c.name), c.maxLength);
        (*c.edit)->setGeometry(x + labelW[c.column], cy, fieldW, 24);
    }
    // Typ, read-only, under the first column.
    auto* lt = caption(this, {columnX[0], y + 2 * rowH, labelW[0] - 8, 24});
    lt->setObjectName(QStringLiteral("Ltyp"));
    typ = new QLineEdit(this);
    typ->setObjectName(QStringLiteral("typ"));
    typ->setFont(look::monoBold(10));
    typ->setReadOnly(true);
    typ->setFocusPolicy(Qt::NoFocus);
    typ->setStyleSheet(QStringLiteral("QLineEdit { background: #e8e8e8; color: #404040; }"));
    typ->setGeometry(columnX[0] + labelW[0], y + 2 * rowH, fieldW, 24);
    y += 4 * rowH + 8;

    auto* lm = new QLabel(this);
    lm->setObjectName(QStringLiteral("Lmask"));
    lm->setFont(look::arial(9));
    lm->setGeometry(Margin, y, 200, 18);
    y += 18;
    auto* maskEdit = new MaskEdit(this);
    mask = maskEdit;
    mask->setObjectName(QStringLiteral("mask"));
    mask->setFocusPolicy(Qt::ClickFocus);
    mask->setMaxLength(40);
    {
        // Wide enough for all 40 digits without scrolling.
        const QFontMetrics fm(mask->font());
        const int w = fm.horizontalAdvance(QString(40, QLatin1Char('0'))) + 16;
        mask->setGeometry(Margin, y, qMin(w, Width - 2 * Margin), 28);
    }
    for (int end = 0; end < 2; ++end) {
        auto* l = new QLabel(this);
        l->setObjectName(end == 0 ? QStringLiteral("Lbit39") : QStringLiteral("Lbit0"));
        l->setFont(look::arial(8));
        l->setStyleSheet(QStringLiteral("color: #606870;"));
        l->setAlignment(end == 0 ? Qt::AlignLeft : Qt::AlignRight);
        // Under the field's left and right halves, each text at its end of the field.
        const int half = mask->width() / 2;
        l->setGeometry(Margin + end * half, y + 29, mask->width() - half, 16);
    }
    y += 28 + 22;

    warnung = new QLabel(this);
    warnung->setObjectName(QStringLiteral("warnung"));
    warnung->setFont(look::arial(10, true));
    warnung->setStyleSheet(QStringLiteral("color: red;"));
    warnung->setGeometry(Margin, y, Width - 2 * Margin, 20);
    y += 22;

    warnmemo = redMemo(QStringLiteral("warnmemo"), this);
    warnmemo->setGeometry(Margin, y, Width - 2 * Margin, 40);
    y += 40 + 12;

    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(look::arial(10, true));
    Button1->setGeometry(Margin, y, Width - 2 * Margin, 34);
    connect(Button1, &QPushButton::clicked, this, &TFsystem::Button1Click);
    y += 34 + Margin;

    setFixedSize(Width, y);

    auto exitOnly = [](std::function<void()> f) {
        FieldWatcher::Hooks h;
        h.exit = std::move(f);
        return h;
    };
    fields_.add(bits, exitOnly([this] { bitsExit(); }));
    fields_.add(corrmain, exitOnly([this] { corrmainExit(); }));
    fields_.add(refmin, exitOnly([this] { refminExit(); }));
    fields_.add(refmax, exitOnly([this] { refmaxExit(); }));
    fields_.add(datmin, exitOnly([this] { datminExit(); }));
    fields_.add(datmax, exitOnly([this] { datmaxExit(); }));
    fields_.add(wait1, exitOnly([this] { wait1Exit(); }));
    fields_.add(wait2, exitOnly([this] { wait2Exit(); }));
    fields_.add(wait3, exitOnly([this] { wait3Exit(); }));
    fields_.add(mask, exitOnly([this] { maskExit(); }));
}

void TFsystem::FormActivate()
{
    visit_.open(historyOf(forms), StepName(Step::Systemeinstellungen));
    fields_.reset();
    ShowSystemValues();
    Button1->setFocus();
}

void TFsystem::FormClose()
{
    fields_.commitPending();
    visit_.close();
}

void TFsystem::ShowSystemValues()
{
    const TypeRecord& r = cfg.current();
    const auto show = [](QLineEdit* e, qint64 v) { e->setText(PadLeft(3, QLatin1Char(' '), v)); };
    show(bits, r.bits);
    show(corrmain, r.corrmain);
    show(wait1, r.wait1);
    show(wait2, r.wait2);
    show(wait3, r.wait3);
    show(refmin, r.refmin);
    show(refmax, r.refmax);
    show(datmin, r.datmin);
    show(datmax, r.datmax);
    show(typ, cfg.activeType);
    const bool hand = cfg.activeType == typ::Hand;
    warnung->setVisible(hand);
    warnmemo->setVisible(hand);
    mask->setText(FormatNumber(2, 40, r.mask));
}

void TFsystem::Button1Click()
{
    accept();
}

void TFsystem::markHandChanged()
{
    cfg.activeType = typ::Hand;
    cfg.current().typ = typ::Hand;
}

void TFsystem::byteExit(QLineEdit* edit, quint8& field)
{
    const addr::Entry e = addr::byteFromText(edit->text());
    if (e.beep)
        seam.beep();
    edit->setText(PadLeft(3, QLatin1Char(' '), qint64(e.value)));
    field = quint8(e.value);
    markHandChanged();
    ShowSystemValues();
}

void TFsystem::bitsExit()
{
    const int before = cfg.current().bits;
    byteExit(bits, cfg.current().bits);
    if (forms.FBmain)
        forms.FBmain->codeLengthEdited(before);
}

void TFsystem::corrmainExit() { byteExit(corrmain, cfg.current().corrmain); }
void TFsystem::refminExit() { byteExit(refmin, cfg.current().refmin); }
void TFsystem::refmaxExit() { byteExit(refmax, cfg.current().refmax); }
void TFsystem::datminExit() { byteExit(datmin, cfg.current().datmin); }
void TFsystem::datmaxExit() { byteExit(datmax, cfg.current().datmax); }
void TFsystem::wait1Exit() { byteExit(wait1, cfg.current().wait1); }
void TFsystem::wait2Exit() { byteExit(wait2, cfg.current().wait2); }
void TFsystem::wait3Exit() { byteExit(wait3, cfg.current().wait3); }

void TFsystem::maskExit()
{
    cfg.current().mask = addr::maskFromText(mask->text());
    markHandChanged();
    ShowSystemValues();
}

}  // namespace fbe
