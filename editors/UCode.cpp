// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/UCode.h"

#include "config/CodeEntry.h"
#include "config/Configuration.h"
#include "dialogs/ScreenFit.h"
#include "dialogs/Seam.h"
#include "mainwindow/Forms.h"
#include "mainwindow/MainStyle.h"
#include "mainwindow/TFFBmain.h"
#include "mainwindow/UndoHistory.h"
#include "transmitters/TFFB16.h"
#include "transmitters/TFFB3SVS.h"
#include "transmitters/TFFBkeys.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QValidator>

#include <algorithm>

namespace fbe {

using namespace mainstyle;

namespace {

// Limits what the user types; text set by the editor may be longer (a 13-digit address).
class TypedLength : public QValidator {
public:
    TypedLength(int maxLength, QObject* parent) : QValidator(parent), max_(maxLength) {}
    State validate(QString& input, int&) const override
    {
        return input.size() <= max_ ? Acceptable : Invalid;
    }

private:
    int max_;
};

QFrame* makePanel(QWidget* parent, const char* name, const QRect& r, const QColor& bg,
                  QFrame::Shadow shadow = QFrame::Raised)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setGeometry(r);
    f->setFrameStyle(QFrame::Panel | shadow);
    f->setLineWidth(1);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, bg);
    p.setColor(QPalette::Light, bg.lighter(135));
    p.setColor(QPalette::Dark, bg.darker(160));
    f->setPalette(p);
    f->setAutoFillBackground(true);
    return f;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& r, const QString& text,
                  const QFont& font, const QColor& colour,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(r);
    l->setFont(font);
    l->setAlignment(align);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}

template <typename Button>
Button* makeButton(QWidget* parent, const char* name, const QRect& r, const QString& text,
                   const QFont& font)
{
    auto* b = new Button(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setGeometry(r);
    b->setFont(font);
    return b;
}

// The picture of the address button: a block of eight coding switches.
QPixmap switchBlockPicture()
{
    QPixmap pm(52, 30);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 0, 0), 1));
    p.setBrush(QColor(178, 34, 34));
    p.drawRoundedRect(QRectF(0.5, 0.5, 51, 29), 3, 3);
    static const bool on[8] = {true, false, true, true, false, false, true, false};
    for (int i = 0; i < 8; ++i) {
        const QRectF slotRect(4 + 6 * i, 6, 4, 18);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(slotRect);
        p.setBrush(QColor(40, 40, 40));
        p.drawRect(QRectF(slotRect.left(), on[i] ? 6 : 16, 4, 8));
    }
    p.setPen(Qt::white);
    QFont f = arial(6, true);
    p.setFont(f);
    p.drawText(QRectF(0, 24, 52, 6), Qt::AlignCenter, QStringLiteral("ON"));
    return pm;
}

// Transmitter types whose address can be set with a dialog.
bool hasAddressDialog(int type)
{
    return type == typ::Aurel4 || type == typ::Aurel2 || type == typ::Aurel1
        || type == typ::Svs3 || type == typ::Uni16;
}

// Selects one radio button of the function group, or none (function 0 shows "keine").
void showOnly(std::initializer_list<QRadioButton*> group, QRadioButton* selected)
{
    for (QRadioButton* b : group) {
        const bool on = b == selected;
        if (b->isChecked() == on)
            continue;
        // An exclusive radio button cannot be cleared directly.
        b->setAutoExclusive(false);
        b->setChecked(on);
        b->setAutoExclusive(true);
    }
}

void setTextIfDifferent(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

}  // namespace

TFCode::TFCode(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : QDialog(parent), cfg(cfg), seam(seam), forms(forms)
{
    setObjectName(QStringLiteral("FCode"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setupUi();
    retranslateUi();
    ScreenFit::install(this);
}

namespace {

// The function buttons: name, text, hint.
const char* const FunctionTexts[][3] = {
    {"RBno", QT_TRANSLATE_NOOP("fbe::TFCode", "keine"),
     QT_TRANSLATE_NOOP("fbe::TFCode", "Dieser Code wird nicht benützt")},
    {"RBon", QT_TRANSLATE_NOOP("fbe::TFCode", "Ein"),
     QT_TRANSLATE_NOOP("fbe::TFCode", "Ausgang schaltet auf High bei Tastendruck")},
    {"RBoff", QT_TRANSLATE_NOOP("fbe::TFCode", "Aus"),
     QT_TRANSLATE_NOOP("fbe::TFCode", "Ausgang schaltet auf Low bei Tastendruck")},
    {"RBtoggle", QT_TRANSLATE_NOOP("fbe::TFCode", "Wechsel (Toggle)"),
     QT_TRANSLATE_NOOP("fbe::TFCode", "Ausgang wechselt bei Tastendruck")},
    {"RB1to1", QT_TRANSLATE_NOOP("fbe::TFCode", "1:1 (Tastend)"),
     QT_TRANSLATE_NOOP("fbe::TFCode", "Ausgang schaltet auf High solange Taste gedrückt wird")},
    {"RBimpuls", QT_TRANSLATE_NOOP("fbe::TFCode", "Impuls"),
     QT_TRANSLATE_NOOP("fbe::TFCode", "Ausgang gibt Impuls aus")},
};

}  // namespace

void TFCode::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

void TFCode::retranslateUi()
{
    setWindowTitle(tr("Code/Funktions-Einstellungen"));
    auto label = [this](const char* name) {
        return findChild<QLabel*>(QLatin1String(name));
    };
    UpDownPruefUp->setToolTip(tr("nächster Code (Bild auf)"));
    UpDownPruefDown->setToolTip(tr("vorheriger Code (Bild ab)"));
    Label7->setText(tr("Parallelbetrieb !"));
    Labelll->setText(tr("Code ausgelöst durch Bit an Pos:"));
    Label9->setText(tr("(Pos 1 entspricht dem LSB)"));
    PAdresse->setToolTip(tr("Adresse des Sendestrings"));
    label("LAdresse")->setText(tr("Adresse (=Codestring):"));
    codeadresse->setToolTip(tr("direkte Adresseingabe (nur im dezimalen Anzeigmodus möglich)"));
    LwarnAdresse->setText(tr("Adresse wurde begrenzt !!!"));
    label("LEinstellhilfe")->setText(tr("Einstellhilfe:"));
    adresshilfe->setToolTip(tr("graphische Adress-Einstellung (nur wenn Sender eindeutig "
                               "definiert ist, siehe Menue-System)"));
    label("LFunktion")->setText(tr("Funktion:"));
    for (const auto& t : FunctionTexts) {
        auto* b = findChild<QRadioButton*>(QLatin1String(t[0]));
        b->setText(tr(t[1]));
        b->setToolTip(tr(t[2]));
    }
    zeitpanel->setToolTip(tr("Eingabe der Zeit"));
    dauer->setToolTip(tr("Eingabe der Zeit"));
    timebase->setToolTip(tr("Zeiteinheit"));
    PanelOut->setToolTip(tr("ein markiertes Kästchen bewirkt, daß dieser Ausgang beeinflußt wird"));
    label("LAusgang")->setText(tr("Ausgang:"));
    for (int k = 1; k <= 4; ++k) {
        CBout[k]->setText(tr("OUT %1").arg(k));
        CBout[k]->setToolTip(PanelOut->toolTip());
    }
    Bnext->setText(tr("nächster Code"));
    BEnde->setText(tr("Ende"));
    // The texts that depend on the code shown.
    LCodeIndex->setText(tr("CODE %1").arg(slot()));
    LZeit->setText(RB1to1->isChecked() ? tr("Nachlaufzeit:") : tr("Impulsdauer:"));
}

void TFCode::setupUi()
{
    setFixedSize(400, 392);
    setFont(sans(12));
    QPalette bg = palette();
    bg.setColor(QPalette::Window, WindowGrey);
    setPalette(bg);
    setAutoFillBackground(true);

    const QFont caption = arial(13, true);

    // Code number with its arrows.
    Panel1 = makePanel(this, "Panel1", QRect(8, 8, 384, 48), GroupGrey);
    LCodeIndex = makeLabel(Panel1, "LCodeIndex", QRect(12, 2, 150, 44), QString(),
                           arial(30, true), Red);
    UpDownPruefUp = makeButton<QToolButton>(Panel1, "UpDownPruefUp", QRect(166, 5, 22, 19), {},
                                            font());
    UpDownPruefUp->setArrowType(Qt::UpArrow);
    UpDownPruefDown = makeButton<QToolButton>(Panel1, "UpDownPruefDown", QRect(166, 24, 22, 19),
                                              {}, font());
    UpDownPruefDown->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {UpDownPruefUp, UpDownPruefDown}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }

    // Address. In parallel mode the bit position behind it shows instead.
    const QRect addressArea(8, 62, 384, 80);
    Pparallel = makePanel(this, "Pparallel", addressArea, InnerGrey);
    Label7 = makeLabel(Pparallel, "Label7", QRect(10, 4, 250, 22), QString(), arial(15, true),
                       Red);
    Labelll = makeLabel(Pparallel, "Labelll", QRect(10, 30, 262, 22), QString(), caption, Blue);
    LBitPos = makeLabel(Pparallel, "LBitPos", QRect(276, 26, 60, 28), QStringLiteral("1"),
                        arial(22, true), Red);
    Label9 = makeLabel(Pparallel, "Label9", QRect(10, 54, 250, 20), QString(), sans(11), Navy);

    PAdresse = makePanel(this, "PAdresse", addressArea, GroupGrey);
    makeLabel(PAdresse, "LAdresse", QRect(10, 4, 200, 20), QString(), caption, Blue);
    codeadresse = new QLineEdit(PAdresse);
    codeadresse->setObjectName(QStringLiteral("codeadresse"));
    codeadresse->setGeometry(10, 26, 170, 26);
    codeadresse->setFont(courier(16, true));
    codeadresse->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    codeadresse->setValidator(new TypedLength(12, codeadresse));
    setColours(codeadresse, Navy, Qt::white);
    LwarnAdresse = makeLabel(PAdresse, "LwarnAdresse", QRect(10, 55, 220, 20), QString(),
                             arial(13, true), Red);
    LwarnAdresse->hide();
    makeLabel(PAdresse, "LEinstellhilfe", QRect(250, 4, 124, 20), QString(), caption, Blue,
              Qt::AlignCenter);
    adresshilfe = makeButton<QToolButton>(PAdresse, "adresshilfe", QRect(276, 26, 72, 44), {},
                                          font());
    adresshilfe->setIcon(QIcon(switchBlockPicture()));
    adresshilfe->setIconSize(QSize(52, 30));
    adresshilfe->setFocusPolicy(Qt::StrongFocus);

    // Function and its time.
    PFunktion = makePanel(this, "PFunktion", QRect(8, 148, 384, 136), GroupGrey);
    makeLabel(PFunktion, "LFunktion", QRect(10, 4, 200, 20), QString(), caption, Blue);
    const QFont radio = arial(13, true);
    struct RadioDef {
        QRadioButton** button;
        const char* name;
        QRect where;
    } radios[] = {
        {&RBno, "RBno", QRect(16, 26, 170, 22)},
        {&RBon, "RBon", QRect(16, 48, 170, 22)},
        {&RBoff, "RBoff", QRect(16, 70, 170, 22)},
        {&RBtoggle, "RBtoggle", QRect(196, 26, 180, 22)},
        {&RB1to1, "RB1to1", QRect(196, 48, 180, 22)},
        {&RBimpuls, "RBimpuls", QRect(196, 70, 180, 22)},
    };
    for (const RadioDef& d : radios)
        *d.button = makeButton<QRadioButton>(PFunktion, d.name, d.where, QString(), radio);

    zeitpanel = makePanel(PFunktion, "zeitpanel", QRect(8, 96, 368, 34), InnerGrey,
                          QFrame::Sunken);
    LZeit = makeLabel(zeitpanel, "LZeit", QRect(8, 5, 110, 24), QString(), caption, Maroon);
    dauer = new QLineEdit(zeitpanel);
    dauer->setObjectName(QStringLiteral("dauer"));
    dauer->setGeometry(124, 4, 110, 26);
    dauer->setFont(courier(16, true));
    dauer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    dauer->setValidator(new TypedLength(8, dauer));
    setColours(dauer, Navy, Qt::white);
    timebase = new QComboBox(zeitpanel);
    timebase->setObjectName(QStringLiteral("timebase"));
    timebase->setGeometry(242, 4, 80, 26);
    timebase->setFont(arial(13, true));
    timebase->addItems({QStringLiteral("msec"), QStringLiteral(" sec"), QStringLiteral(" min"),
                        QStringLiteral(" h")});
    zeitpanel->hide();

    // Outputs.
    PanelOut = makePanel(this, "PanelOut", QRect(8, 290, 384, 52), GroupGrey);
    makeLabel(PanelOut, "LAusgang", QRect(10, 4, 200, 20), QString(), caption, Blue);
    for (int k = 1; k <= 4; ++k) {
        const QByteArray name = "CBout" + QByteArray::number(k);
        CBout[k] = makeButton<QCheckBox>(PanelOut, name.constData(),
                                         QRect(16 + 92 * (k - 1), 26, 86, 22),
                                         QString(), radio);
    }

    Bnext = makeButton<QPushButton>(this, "Bnext", QRect(8, 350, 186, 34), QString(),
                                    arial(14, true));
    BEnde = makeButton<QPushButton>(this, "BEnde", QRect(206, 350, 186, 34), QString(),
                                    arial(14, true));
    // Enter in a field takes the entry; it must not press a button of the dialog.
    for (QPushButton* b : {Bnext, BEnde}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    // Keyboard order: see focusNextPrevChild.

    // The editor's own steps, taken back and redone on the configuration's history.
    undoAction = new QAction(this);
    undoAction->setObjectName(QStringLiteral("undoAction"));
    undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction = new QAction(this);
    redoAction->setObjectName(QStringLiteral("redoAction"));
    redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addActions({undoAction, redoAction});
    connect(undoAction, &QAction::triggered, this, [this] {
        UndoHistory* history = historyOf(forms);
        if (history && history->canUndoSince(historyMark_))
            history->undo();
    });
    connect(redoAction, &QAction::triggered, this, [this] {
        UndoHistory* history = historyOf(forms);
        if (history && history->canRedoSince(historyMark_))
            history->redo();
    });

    // Wiring.
    connect(UpDownPruefUp, &QToolButton::clicked, this, [this] { UpDownPruefClick(true); });
    connect(UpDownPruefDown, &QToolButton::clicked, this, [this] { UpDownPruefClick(false); });
    connect(adresshilfe, &QToolButton::clicked, this, &TFCode::adresshilfeClick);
    connect(RBno, &QRadioButton::clicked, this, &TFCode::RBnoClick);
    connect(RBon, &QRadioButton::clicked, this, &TFCode::RBonClick);
    connect(RBoff, &QRadioButton::clicked, this, &TFCode::RBoffClick);
    connect(RBtoggle, &QRadioButton::clicked, this, &TFCode::RBtoggleClick);
    connect(RB1to1, &QRadioButton::clicked, this, &TFCode::RB1to1Click);
    connect(RBimpuls, &QRadioButton::clicked, this, &TFCode::RBimpulsClick);
    for (int k = 1; k <= 4; ++k)
        connect(CBout[k], &QCheckBox::clicked, this, [this, k] { CBoutClick(k); });
    connect(timebase, &QComboBox::activated, this, [this](int) { timebaseChange(); });
    connect(Bnext, &QPushButton::clicked, this, &TFCode::BnextClick);
    connect(BEnde, &QPushButton::clicked, this, &TFCode::BEndeClick);
    for (QObject* o : {static_cast<QObject*>(codeadresse), static_cast<QObject*>(dauer),
                       static_cast<QObject*>(Bnext), static_cast<QObject*>(BEnde),
                       static_cast<QObject*>(adresshilfe)})
        o->installEventFilter(this);
}

// ---- State access ------------------------------------------------------------------------

int TFCode::slot() const
{
    return qBound(1, cfg.slotBeingEdited, 8);
}

bool TFCode::parallelMode() const
{
    return cfg.parallelCodes;
}

// ---- Showing ------------------------------------------------------------------------------

void TFCode::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // A warning left from an address entry of an earlier opening, perhaps for another code,
    // does not belong to this one.
    LwarnAdresse->hide();
    if (UndoHistory* history = historyOf(forms)) {
        historyMark_ = history->mark();
        connect(history, &UndoHistory::changed, this, &TFCode::updateUndoActions,
                Qt::UniqueConnection);
    }
    updateUndoActions();
    FormShow();
}

void TFCode::updateUndoActions()
{
    UndoHistory* history = historyOf(forms);
    undoAction->setEnabled(history && history->canUndoSince(historyMark_));
    redoAction->setEnabled(history && history->canRedoSince(historyMark_));
}

void TFCode::FormShow()
{
    showState();
    BEnde->setFocus(Qt::OtherFocusReason);
}

void TFCode::showState()
{
    CodeShow(slot());
    const bool parallel = parallelMode();
    PAdresse->setVisible(!parallel);
    Pparallel->setVisible(parallel);
    RBtoggle->setEnabled(!parallel);
    if (parallel)
        showOnly({RBtoggle}, nullptr);
}

void TFCode::CodeShow(int n)
{
    const QScopedValueRollback<bool> quiet(quiet_, true);
    n = qBound(1, n, 8);
    const CodeSlot& s = cfg.codes[n];
    const bool parallel = parallelMode();

    LCodeIndex->setText(tr("CODE %1").arg(n));

    // Only codes 1..4 have the timed functions.
    const bool timed = n < 5;
    RB1to1->setEnabled(timed);
    RBimpuls->setEnabled(timed);

    setTextIfDifferent(codeadresse, codeAddressText(s.address));
    for (int k = 1; k <= 4; ++k) {
        const bool on = k == 1 ? s.out1 : k == 2 ? s.out2 : k == 3 ? s.out3 : s.out4;
        CBout[k]->setChecked(on);
    }

    // A function the slot cannot have here (a timed one on codes 5..8, toggle in parallel
    // mode) shows no button selected; the slot keeps it until another one is chosen.
    QRadioButton* selected = nullptr;
    switch (s.function) {
    case FnKeine:
        selected = RBno;
        break;
    case FnEin:
        selected = RBon;
        break;
    case FnAus:
        selected = RBoff;
        break;
    case FnWechsel:
        selected = parallel ? nullptr : RBtoggle;
        break;
    case FnTastend:
        selected = timed ? RB1to1 : nullptr;
        break;
    case FnImpuls:
        selected = timed ? RBimpuls : nullptr;
        break;
    default:
        break;
    }
    showOnly({RBno, RBon, RBoff, RBtoggle, RB1to1, RBimpuls}, selected);
    RBtoggle->setEnabled(!parallel);

    const bool showTime = selected == RB1to1 || selected == RBimpuls;
    if (showTime)
        LZeit->setText(selected == RB1to1 ? tr("Nachlaufzeit:") : tr("Impulsdauer:"));
    timebase->setCurrentIndex(s.timebase <= 3 ? s.timebase : -1);
    setTextIfDifferent(dauer, durationText(s));
    zeitpanel->setVisible(showTime);

    LBitPos->setText(QString::number(n + cfg.dirshift()));
    adresshilfe->setEnabled(hasAddressDialog(cfg.activeType));

    if (forms.FBmain)
        forms.FBmain->ShowAll();
}

// ---- Closing ------------------------------------------------------------------------------

void TFCode::BEndeClick()
{
    close();
}

void TFCode::done(int result)
{
    // An address or time still being typed counts as entered.
    if (isVisible() && !quiet_)
        takePendingEntry();
    const QScopedValueRollback<bool> quiet(quiet_, true);
    QDialog::done(result);
}

// ---- Stepping through the codes -----------------------------------------------------------

void TFCode::takePendingEntry()
{
    QWidget* focus = focusWidget();
    if (focus == codeadresse && codeadresse->isVisible())
        codeadresseExit();
    else if (focus == dauer && dauer->isVisible())
        dauerExit();
}

void TFCode::UpDownPruefClick(bool up)
{
    // A time still being typed belongs to the code it was typed for.
    if (focusWidget() == dauer && dauer->isVisible())
        dauerExit();
    codeadresseExit();
    cfg.slotBeingEdited = stepSlot(slot(), up, parallelMode());
    CodeShow(slot());
}

void TFCode::BnextClick()
{
    const int from = slot();
    const int to = stepSlot(from, true, parallelMode());
    const UndoStep step(historyOf(forms), StepName(Step::Code, to));
    // A new code that is still empty starts from the address of the code before it.
    if (to > from) {
        CodeSlot& next = cfg.codes[to];
        if (next.address == 0 && next.function == FnKeine)
            next.address = cfg.codes[from].address;
    }
    cfg.slotBeingEdited = to;
    CodeShow(to);
}

// ---- Address --------------------------------------------------------------------------------

void TFCode::codeadresseExit()
{
    const UndoStep step(historyOf(forms), StepName(Step::Code, slot()), codeadresse);
    cfg.maxAddress = maxAddressForBits(cfg.current().bits);
    const AddressEntry a = readCodeAddress(codeadresse->text(), cfg.maxAddress);
    cfg.codes[slot()].address = a.address;
    LwarnAdresse->setVisible(a.limited);
    if (a.beep)
        seam.beep();
    CodeShow(slot());
}

void TFCode::codeadresseKeyUp()
{
    codeadresseExit();
    codeadresse->selectAll();
    CodeShow(slot());
}

QDialog* TFCode::addressDialog() const
{
    QDialog* dialog = nullptr;
    switch (cfg.activeType) {
    case typ::Aurel4:
        dialog = forms.FB4;
        break;
    case typ::Aurel2:
        dialog = forms.FB2;
        break;
    case typ::Aurel1:
        dialog = forms.FB1;
        break;
    case typ::Svs3:
        dialog = forms.FB3SVS;
        break;
    case typ::Uni16:
        dialog = forms.FB16;
        break;
    default:
        // No address dialog for hand-set parameters (0), the second programmable family
        // (17) or a foreign type.
        break;
    }
    return dialog;
}

void TFCode::adresshilfeClick()
{
    QDialog* dialog = addressDialog();
    if (!dialog)
        return;
    cfg.codes[0].address = cfg.codes[slot()].address;
    const UndoStep step(historyOf(forms), StepName(Step::Code, slot()));
    seam.showModal(*dialog);
    // The dialog has written its result into the slot on "OK"; show it.
    FormShow();
}

// ---- Function, outputs and time -------------------------------------------------------------

void TFCode::functionClick(QRadioButton* button, int function)
{
    const UndoStep step(historyOf(forms), StepName(Step::Code, slot()));
    if (button->isChecked())
        cfg.codes[slot()].function = quint8(function);
    CodeShow(slot());
}

void TFCode::RBnoClick() { functionClick(RBno, FnKeine); }
void TFCode::RBonClick() { functionClick(RBon, FnEin); }
void TFCode::RBoffClick() { functionClick(RBoff, FnAus); }
void TFCode::RBtoggleClick() { functionClick(RBtoggle, FnWechsel); }
void TFCode::RB1to1Click() { functionClick(RB1to1, FnTastend); }
void TFCode::RBimpulsClick() { functionClick(RBimpuls, FnImpuls); }

void TFCode::CBoutClick(int n)
{
    const UndoStep step(historyOf(forms), StepName(Step::Code, slot()));
    CodeSlot& s = cfg.codes[slot()];
    const bool on = CBout[n]->isChecked();
    switch (n) {
    case 1:
        s.out1 = on;
        break;
    case 2:
        s.out2 = on;
        break;
    case 3:
        s.out3 = on;
        break;
    case 4:
        s.out4 = on;
        break;
    default:
        break;
    }
    CodeShow(slot());
}

void TFCode::timebaseChange()
{
    const UndoStep step(historyOf(forms), StepName(Step::Code, slot()));
    const int index = timebase->currentIndex();
    if (index >= 0 && index <= 3)
        cfg.codes[slot()].timebase = quint8(index);
    CodeShow(slot());
}

void TFCode::dauerExit()
{
    const int n = slot();
    const UndoStep step(historyOf(forms), StepName(Step::Code, n), dauer);
    CodeSlot& s = cfg.codes[n];
    const TimeSetting t = readDuration(dauer->text(), s.timebase);
    if (t.beep)
        seam.beep();
    s.timeRaster = t.coarse;
    s.timeCount = t.count;
    // Unused codes among 1..4 take the time just entered, ready for when they get a function.
    for (int k = 1; k <= 4; ++k) {
        if (k == n || cfg.codes[k].function != FnKeine)
            continue;
        cfg.codes[k].timeRaster = s.timeRaster;
        cfg.codes[k].timeCount = s.timeCount;
        cfg.codes[k].timebase = s.timebase;
    }
    CodeShow(n);
}

void TFCode::dauerKeyUp()
{
    dauerExit();
    dauer->selectAll();
}

// ---- Events -------------------------------------------------------------------------------

bool TFCode::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == codeadresse || watched == dauer) {
        auto* edit = static_cast<QLineEdit*>(watched);
        switch (type) {
        case QEvent::FocusIn:
            QTimer::singleShot(0, edit, [edit] {
                if (edit->hasFocus())
                    edit->selectAll();
            });
            break;
        case QEvent::MouseButtonRelease:
            if (!edit->hasSelectedText())
                edit->selectAll();
            break;
        case QEvent::FocusOut: {
            // Switching to another window or opening a pop-up is not leaving the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (quiet_ || reason == Qt::ActiveWindowFocusReason
                || reason == Qt::PopupFocusReason)
                break;
            if (edit == codeadresse)
                codeadresseExit();
            else
                dauerExit();
            break;
        }
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                && !key->isAutoRepeat()) {
                if (edit == codeadresse)
                    codeadresseKeyUp();
                else
                    dauerKeyUp();
            }
            break;
        }
        default:
            break;
        }
        return false;
    }
    // Enter on a focused button presses it, as Space does.
    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && !key->isAutoRepeat()) {
            if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
                button->click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TFCode::focusNextPrevChild(bool next)
{
    // The function group is one stop, entered at the selected function (at "keine" when the
    // slot's function cannot be shown here). Left alone, Qt enters a group of radio buttons
    // at the one that had the focus last, perhaps for another code, and skips the whole
    // group when that one is disabled ("Impuls" on codes 5..8).
    QRadioButton* functions[] = {RBno, RBon, RBoff, RBtoggle, RB1to1, RBimpuls};
    QWidget* functionStop = RBno;
    for (QRadioButton* b : functions) {
        if (b->isChecked() && b->isEnabled())
            functionStop = b;
    }
    QWidget* const order[] = {codeadresse, adresshilfe, functionStop, dauer,    timebase,
                              CBout[1],    CBout[2],    CBout[3],     CBout[4], Bnext,
                              BEnde};
    const int count = int(std::size(order));

    QWidget* focus = focusWidget();
    if (std::find(std::begin(functions), std::end(functions), focus) != std::end(functions))
        focus = functionStop;
    int at = int(std::find(std::begin(order), std::end(order), focus) - std::begin(order));
    if (at == count)
        at = next ? count - 1 : 0;
    for (int step = 1; step <= count; ++step) {
        QWidget* w = order[((at + (next ? step : -step)) % count + count) % count];
        // Qt takes the Tab focus from every radio button of a group but the last focused.
        const bool tabStop = w == functionStop || (w->focusPolicy() & Qt::TabFocus);
        if (tabStop && w->isVisible() && w->isEnabled()) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void TFCode::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_PageUp) {
        UpDownPruefClick(true);
        return;
    }
    if (event->key() == Qt::Key_PageDown) {
        UpDownPruefClick(false);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace fbe
