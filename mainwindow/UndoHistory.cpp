// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/UndoHistory.h"

#include "config/ImageCodec.h"
#include "config/Refresh.h"
#include "dialogs/Seam.h"
#include "editors/TFCode.h"
#include "mainwindow/Forms.h"
#include "mainwindow/TFFBmain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextDocument>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <iterator>
#include <utility>

namespace fbe {

namespace {

// The names of the steps, in the order of Step. %1 and %2 are the numbers of the step.
const char* const StepTexts[] = {
    QT_TRANSLATE_NOOP("Undo", "Prüfschärfe"),
    QT_TRANSLATE_NOOP("Undo", "Korrektur"),
    QT_TRANSLATE_NOOP("Undo", "Sperrzeit"),
    QT_TRANSLATE_NOOP("Undo", "Umschaltzeit"),
    QT_TRANSLATE_NOOP("Undo", "Not-Aus-Zeit"),
    QT_TRANSLATE_NOOP("Undo", "Checksummen-Bits"),
    QT_TRANSLATE_NOOP("Undo", "Code-Pos"),
    QT_TRANSLATE_NOOP("Undo", "Codierlänge"),
    QT_TRANSLATE_NOOP("Undo", "Zähler"),
    QT_TRANSLATE_NOOP("Undo", "increment CODE %1"),
    QT_TRANSLATE_NOOP("Undo", "Generaladresse"),
    QT_TRANSLATE_NOOP("Undo", "Bewertungsmaske"),
    QT_TRANSLATE_NOOP("Undo", "Anfangswert OUT %1"),
    QT_TRANSLATE_NOOP("Undo", "Speicherfunktion"),
    QT_TRANSLATE_NOOP("Undo", "Verriegelung OUT %1 - OUT %2"),
    QT_TRANSLATE_NOOP("Undo", "Not-Aus"),
    QT_TRANSLATE_NOOP("Undo", "mit Checksumme"),
    QT_TRANSLATE_NOOP("Undo", "Fix-Codes"),
    QT_TRANSLATE_NOOP("Undo", "\"Parallel\"-Codes"),
    QT_TRANSLATE_NOOP("Undo", "Codeinhalt"),
    QT_TRANSLATE_NOOP("Undo", "Direktausgabe"),
    QT_TRANSLATE_NOOP("Undo", "CODE %1"),
    QT_TRANSLATE_NOOP("Undo", "Senderauswahl"),
    QT_TRANSLATE_NOOP("Undo", "System-Grundeinstellungen"),
    QT_TRANSLATE_NOOP("Undo", "Projektname"),
    QT_TRANSLATE_NOOP("Undo", "Kommentar"),
    QT_TRANSLATE_NOOP("Undo", "Modul auslesen"),
    QT_TRANSLATE_NOOP("Undo", "Modul programmieren"),
};
static_assert(std::size(StepTexts) == size_t(Step::ModulProgrammieren) + 1,
              "one name per kind of step");

// The keys of the history: 1 Ctrl+Z, 2 Ctrl+Y or Ctrl+Shift+Z, 0 any other.
int historyKey(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Z && mods == Qt::ControlModifier)
        return 1;
    if ((key->key() == Qt::Key_Y && mods == Qt::ControlModifier)
        || (key->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier)))
        return 2;
    return 0;
}

// Whether a field holds typing of its own that it can take back (1) or redo (2).
bool ownTyping(QObject* field, int which)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        return !edit->isReadOnly()
            && (which == 1 ? edit->isUndoAvailable() : edit->isRedoAvailable());
    if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        return !memo->isReadOnly()
            && (which == 1 ? memo->document()->isUndoAvailable()
                           : memo->document()->isRedoAvailable());
    return false;
}

void takeTyping(QObject* field, int which)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        which == 1 ? edit->undo() : edit->redo();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        which == 1 ? memo->undo() : memo->redo();
}

bool isTypingField(QObject* o)
{
    return qobject_cast<QLineEdit*>(o) || qobject_cast<QPlainTextEdit*>(o);
}

// The image a configuration encodes to: the bytes the editors keep in the send image, with
// those EncodeImage derives from the fields written anew, so that an encoding done during a
// step (a save, a programming run) is no change of its own.
Image encoded(const Configuration& cfg)
{
    Configuration c = cfg;
    EncodeImage(c);
    return c.sendImage;
}

}  // namespace

QString StepName::text() const
{
    QString name = QCoreApplication::translate("Undo", StepTexts[size_t(step)]);
    switch (step) {
    case Step::Increment:
    case Step::Anfangswert:
    case Step::Code:
        return name.arg(first);
    case Step::Verriegelung:
        return name.arg(first).arg(second);
    default:
        return name;
    }
}

// ---- Snapshots -----------------------------------------------------------------------------

Snapshot snapshotOf(const Configuration& cfg)
{
    Snapshot s{cfg};
    NormaliseForRefresh(s.cfg);
    return s;
}

bool differ(const Snapshot& x, const Snapshot& y)
{
    const Configuration& a = x.cfg;
    const Configuration& b = y.cfg;
    for (int n = 1; n <= 8; ++n) {
        if (a.codes[size_t(n)] != b.codes[size_t(n)] || a.offset[size_t(n)] != b.offset[size_t(n)])
            return true;
    }
    const bool same = a.types == b.types && a.activeType == b.activeType
        && a.pruefanzahl == b.pruefanzahl && a.korrektur == b.korrektur
        && a.sperrzeit == b.sperrzeit && a.store == b.store && a.initout1 == b.initout1
        && a.initout2 == b.initout2 && a.initout3 == b.initout3 && a.initout4 == b.initout4
        && a.GeneralCode == b.GeneralCode && a.direktmaske == b.direktmaske
        && a.parallelCodes == b.parallelCodes && a.projectName == b.projectName
        && a.comment == b.comment && a.progcounter == b.progcounter;
    return !same || encoded(a) != encoded(b);
}

void restore(Configuration& cfg, const Snapshot& snapshot)
{
    Configuration next = snapshot.cfg;
    next.codes[0] = cfg.codes[0];
    next.firmware = cfg.firmware;
    next.readImage = cfg.readImage;
    next.txBuffer = cfg.txBuffer;
    next.rxBuffer = cfg.rxBuffer;
    next.transfer = cfg.transfer;
    cfg = next;
}

// ---- The command ---------------------------------------------------------------------------

class UndoHistory::Command : public QUndoCommand {
public:
    Command(UndoHistory& history, Snapshot before, Snapshot after, const StepName& name,
            quint64 serial)
        : history_(history), before_(std::move(before)), after_(std::move(after)), name_(name),
          serial_(serial)
    {
        setText(name.text());
    }

    void undo() override { history_.apply(before_); }
    void redo() override
    {
        // The step has happened already when it is pushed.
        if (first_) {
            first_ = false;
            return;
        }
        history_.apply(after_);
    }

    const StepName& name() const { return name_; }
    quint64 serial() const { return serial_; }
    const Snapshot& before() const { return before_; }
    const Snapshot& after() const { return after_; }

    // The address changes the program named during the step (a later refresh may add the
    // step's own consequence).
    mutable QList<AddressNote> notes;

private:
    UndoHistory& history_;
    Snapshot before_;
    Snapshot after_;
    StepName name_;
    quint64 serial_;
    bool first_ = true;
};

// ---- The history ---------------------------------------------------------------------------

UndoHistory::UndoHistory(TFFBmain& window) : QObject(&window), w_(window)
{
    setObjectName(QStringLiteral("history"));
    stack_ = new QUndoStack(this);
    stack_->setUndoLimit(Depth);
    connect(stack_, &QUndoStack::indexChanged, this, &UndoHistory::changed);
    qApp->installEventFilter(this);
}

UndoHistory::~UndoHistory()
{
    qApp->removeEventFilter(this);
}

void UndoHistory::begin(const StepName& name)
{
    if (applying_)
        return;
    if (depth_++ > 0)
        return;
    // What the comment visit changed so far is a step of its own, before this one.
    recordVisit();
    before_ = snapshotOf(w_.cfg);
    name_ = name;
    notes_.clear();
}

void UndoHistory::commit()
{
    if (applying_ || depth_ == 0)
        return;
    if (--depth_ > 0)
        return;
    record(before_, name_, std::exchange(notes_, {}));
    if (visiting_)
        visitBefore_ = before_;
}

void UndoHistory::record(Snapshot& before, const StepName& name, QList<AddressNote> notes)
{
    Snapshot after = snapshotOf(w_.cfg);
    if (!differ(before, after))
        return;
    auto* step = new Command(*this, before, after, name, ++serial_);
    step->notes = std::move(notes);
    stack_->push(step);
    before = std::move(after);
}

void UndoHistory::commitComment()
{
    if (!visiting_)
        return;
    recordVisit();
    clearTypingHistory(w_.comment);
}

void UndoHistory::noteAddressChanges(const CodeSlots& before, const CodeSlots& after,
                                     bool limitedByLength)
{
    if (applying_)
        return;
    const AddressNote note{before, after, limitedByLength};
    if (depth_ > 0) {
        notes_ << note;
        return;
    }
    // A refresh after the step has ended (a dialog's step, the window activated again) shows
    // what the step's snapshot already holds: the note belongs to that step.
    const int i = stack_->index();
    if (i == 0 || i != stack_->count())
        return;
    const auto* last = static_cast<const Command*>(stack_->command(i - 1));
    for (int n = 1; n <= 8; ++n) {
        if (last->after().cfg.codes[size_t(n)].address != after[size_t(n)].address)
            return;
    }
    last->notes << note;
}

void UndoHistory::tell(const Command& step, bool undone)
{
    using Colour = TFFBmain::InfoColour;
    w_.clearInfo();
    w_.setInfoColour(Colour::Normal);
    w_.addInfo(undone ? QCoreApplication::translate("Undo", " rückgängig: %1").arg(step.name().text())
                      : QCoreApplication::translate("Undo", " wiederholt: %1").arg(step.name().text()));
    if (step.notes.isEmpty())
        return;
    if (undone) {
        // The codes the step's lines named, from their value now back to the one restored.
        QList<int> named;
        for (const AddressNote& note : step.notes) {
            for (const AddressChange& c : ChangedAddresses(note.before, note.after)) {
                if (!named.contains(c.code))
                    named << c.code;
            }
        }
        std::sort(named.begin(), named.end());
        QList<AddressChange> restored;
        for (int n : named) {
            const quint64 from = step.after().cfg.codes[size_t(n)].address;
            const quint64 to = step.before().cfg.codes[size_t(n)].address;
            if (from != to)
                restored << AddressChange{n, from, to};
        }
        const QString line = AddressRestoredLine(restored);
        if (!line.isEmpty())
            w_.addInfo(line, TFFBmain::InfoBreak::BetweenItems);
        return;
    }
    // Redone: the step's lines again, as when it was made.
    w_.seam.beep();
    w_.setInfoColour(Colour::Warning);
    for (const AddressNote& note : step.notes) {
        if (note.limitedByLength)
            w_.addInfo(msgAddressLimited());
        for (const QString& line : AddressChangeLines(note.before, note.after))
            w_.addInfo(line, TFFBmain::InfoBreak::BetweenItems);
    }
}

void UndoHistory::recordVisit()
{
    if (visiting_)
        record(visitBefore_, StepName(Step::Kommentar));
}

void UndoHistory::enterComment()
{
    if (visiting_)
        return;
    visiting_ = true;
    visitBefore_ = snapshotOf(w_.cfg);
}

void UndoHistory::leaveComment()
{
    if (!visiting_)
        return;
    recordVisit();
    visiting_ = false;
    clearTypingHistory(w_.comment);
}

void UndoHistory::clear()
{
    stack_->clear();
    notes_.clear();
    serial_ = 0;
    if (depth_ > 0)
        before_ = snapshotOf(w_.cfg);
    if (visiting_)
        visitBefore_ = snapshotOf(w_.cfg);
    emit changed();
}

void UndoHistory::undo()
{
    if (locked_ || depth_ > 0)
        return;
    // A change in the comment not yet recorded is the step to take back first.
    recordVisit();
    if (!stack_->canUndo())
        return;
    const auto* step = static_cast<const Command*>(stack_->command(stack_->index() - 1));
    stack_->undo();
    if (visiting_)
        visitBefore_ = snapshotOf(w_.cfg);
    tell(*step, true);
}

void UndoHistory::redo()
{
    if (locked_ || depth_ > 0)
        return;
    // A change in the comment not yet recorded is a new step, after which nothing is left
    // to redo.
    recordVisit();
    if (!stack_->canRedo())
        return;
    const auto* step = static_cast<const Command*>(stack_->command(stack_->index()));
    stack_->redo();
    if (visiting_)
        visitBefore_ = snapshotOf(w_.cfg);
    tell(*step, false);
}

bool UndoHistory::canUndo() const
{
    return !locked_ && depth_ == 0 && stack_->canUndo();
}

bool UndoHistory::canRedo() const
{
    return !locked_ && depth_ == 0 && stack_->canRedo();
}

QString UndoHistory::undoName() const
{
    const int i = stack_->index();
    if (i <= 0)
        return {};
    return static_cast<const Command*>(stack_->command(i - 1))->name().text();
}

QString UndoHistory::redoName() const
{
    const int i = stack_->index();
    if (i >= stack_->count())
        return {};
    return static_cast<const Command*>(stack_->command(i))->name().text();
}

quint64 UndoHistory::mark() const
{
    return serial_;
}

bool UndoHistory::canUndoSince(quint64 mark) const
{
    const int i = stack_->index();
    return canUndo() && static_cast<const Command*>(stack_->command(i - 1))->serial() > mark;
}

bool UndoHistory::canRedoSince(quint64 mark) const
{
    const int i = stack_->index();
    return canRedo() && static_cast<const Command*>(stack_->command(i))->serial() > mark;
}

void UndoHistory::setLocked(bool locked)
{
    if (locked_ == locked)
        return;
    locked_ = locked;
    emit changed();
}

void UndoHistory::apply(const Snapshot& snapshot)
{
    const QScopedValueRollback<bool> applying(applying_, true);
    restore(w_.cfg, snapshot);
    w_.FormPaint();
    // The code editor, when open, shows the slot as it is now.
    if (TFCode* editor = w_.forms.FCode; editor && editor->isVisible())
        editor->showState();
}

bool UndoHistory::ownsField(const QWidget* field) const
{
    const QWidget* window = field->window();
    return window == &w_ || (w_.forms.FCode && window == w_.forms.FCode);
}

bool UndoHistory::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == w_.comment) {
        if (type == QEvent::FocusIn) {
            enterComment();
        } else if (type == QEvent::FocusOut) {
            // A menu or another window that opens does not end the visit: what was typed so
            // far becomes a step (the menu names it), and the typing stays the comment's own.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
                recordVisit();
            else
                leaveComment();
        }
        if (type == QEvent::FocusIn || type == QEvent::FocusOut)
            return false;
        // Its keys are decided below, as in every other field.
    }
    // Text dropped into the comment without entering it is a visit of its own.
    if (type == QEvent::Drop && w_.comment && watched == w_.comment->viewport()
        && !visiting_) {
        enterComment();
        QTimer::singleShot(0, this, [this] {
            if (!w_.comment->hasFocus())
                leaveComment();
        });
        return false;
    }
    if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) || !isTypingField(watched))
        return false;
    const int which = historyKey(static_cast<QKeyEvent*>(event));
    if (which == 0 || !ownsField(static_cast<QWidget*>(watched)))
        return false;
    // The field's own typing, not yet committed, is taken back in the field; otherwise the
    // shortcut is left to the history, before the field can claim it.
    const bool own = ownTyping(watched, which);
    if (type == QEvent::ShortcutOverride) {
        if (own)
            event->accept();
        else
            event->ignore();
        return true;
    }
    if (own)
        takeTyping(watched, which);
    return true;
}

UndoHistory* historyOf(const Forms& forms)
{
    return forms.FBmain ? forms.FBmain->history : nullptr;
}

// ---- Steps around handlers and dialogs -----------------------------------------------------

UndoStep::UndoStep(UndoHistory* history, const StepName& name, QWidget* field)
    : history_(history), field_(field)
{
    if (history)
        history->begin(name);
}

UndoStep::~UndoStep()
{
    if (history_)
        history_->commit();
    if (field_)
        clearTypingHistory(field_);
}

void VisitStep::open(UndoHistory* history, const StepName& name)
{
    if (history_ || !history)
        return;
    history_ = history;
    history->begin(name);
}

void VisitStep::close()
{
    if (UndoHistory* history = history_.data()) {
        history_ = nullptr;
        history->commit();
    }
}

void clearTypingHistory(QWidget* field)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        if (!edit->isUndoAvailable() && !edit->isRedoAvailable() && !edit->isModified())
            return;
        // Setting the text is the one way to empty a line edit's own history; the cursor
        // and the selection stay where they were.
        const int cursor = edit->cursorPosition();
        const int start = edit->selectionStart();
        const int length = int(edit->selectedText().size());
        edit->setText(edit->text());
        if (start < 0)
            edit->setCursorPosition(cursor);
        else if (cursor == start)
            edit->setSelection(start + length, -length);
        else
            edit->setSelection(start, length);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        memo->document()->clearUndoRedoStacks();
    }
}

}  // namespace fbe
