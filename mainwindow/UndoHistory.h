// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The history of the configuration's changes: "Rückgängig" and "Wiederholen".
//
// A step holds the configuration as it was before a change and as it was after it, and the
// name the menu shows. The place where a change starts takes "before" (begin), the place
// where it is committed takes "after" (commit); a commit that changes nothing makes no step.
// Both are taken as the window's full refresh would leave them, so what the refresh
// normalises as a consequence (addresses cut to the code length, flags cleared) belongs to
// the step that caused it. Taking a step back or forth puts the configuration back and runs
// the full refresh.
//
//   { const UndoStep step(history, StepName(Step::Sperrzeit), sperrzeit);  // before
//     ... the handler changes the state ... }                            // after: a step
//
// A step restores the image's settings, the codes, the transmitter type and its record, the
// project name, the comment, the slot being edited and the programming view's increments
// and counter. The firmware version of the last module seen is a fact about a module, not
// an edit, and stays; the program's options and the port are not part of the configuration.
//
// Steps may nest (a handler that calls another); the outermost one names the step. While a
// field holds typing of its own that is not committed, Ctrl+Z and Ctrl+Y are the field's;
// otherwise they are the history's (see the event filter). The comment follows the same
// rule: its keys are its own only while it holds typing of its own.
//
// After a step is taken back or redone, the message area says so (" rückgängig: Sperrzeit",
// " wiederholt: Sperrzeit"). A step during which the program changed used addresses (and
// named them, TFFBmain::showAddressChanges) says more: taken back, which addresses came back
// (" Adressen zurückgenommen: CODE 1 1023 --> 3000"); redone, the lines the step showed when
// it was made, yellow with a beep.
#pragma once

#include "config/AddressLimit.h"
#include "config/Configuration.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QUndoStack;
class QWidget;

namespace fbe {

class TFFBmain;
struct Forms;

// The kinds of step, each with the name the menu shows.
enum class Step {
    Pruefschaerfe,
    Korrektur,
    Sperrzeit,
    Umschaltzeit,
    NotAusZeit,
    CheckBits,
    CodePos,
    Codierlaenge,
    Zaehler,
    Increment,        // with the code number
    Generaladresse,
    Bewertungsmaske,
    Anfangswert,      // with the output number
    Speicherfunktion,
    Verriegelung,     // with both output numbers
    NotAus,
    Checksumme,
    FixCodes,
    ParallelCodes,
    Codeinhalt,
    Direktausgabe,
    Code,             // with the code number: every change in the code editor
    Senderauswahl,
    Systemeinstellungen,
    Projektname,
    Kommentar,
    ModulAuslesen,
    ModulProgrammieren,
};

struct StepName {
    Step step = Step::Code;
    int first = 0;    // the numbers in the name, where it has any
    int second = 0;

    explicit StepName(Step s, int a = 0, int b = 0) : step(s), first(a), second(b) {}
    // The name as the menu shows it ("Codierlänge", "CODE 3").
    QString text() const;
};

// What a step keeps: the configuration as the full refresh leaves it.
struct Snapshot {
    Configuration cfg;
};

// The configuration now, as the full refresh would leave it.
Snapshot snapshotOf(const Configuration& cfg);
// Whether two snapshots differ in anything a step restores.
bool differ(const Snapshot& a, const Snapshot& b);
// Puts a snapshot back into the configuration, leaving the firmware version, the scratch
// slot, the buffers and the transfer result as they are.
void restore(Configuration& cfg, const Snapshot& snapshot);

class UndoHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int Depth = 200;   // steps kept; beyond that the oldest go

    explicit UndoHistory(TFFBmain& window);
    ~UndoHistory() override;

    // A change starts: takes "before" (the outermost of nested calls only).
    void begin(const StepName& name);
    // The change is committed: at the outermost level, a step when the state differs.
    void commit();

    // A new history: "Datei neu", a loaded file, an advance whose addresses a shared series
    // gave. A step still open starts over from the state now.
    void clear();

    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    QString undoName() const;   // the step "Rückgängig" takes back; empty when none
    QString redoName() const;

    // For a dialog that takes back only its own steps: the history as it opened, and
    // whether the step to take back or redo was made since.
    quint64 mark() const;
    bool canUndoSince(quint64 mark) const;
    bool canRedoSince(quint64 mark) const;

    // While hands-free programming runs, the history cannot be used.
    void setLocked(bool locked);
    bool locked() const { return locked_; }

    // What was typed into the comment counts as entered, as leaving it would count it (a
    // step of its own; its typing is no longer the comment's to take back). The comment
    // keeps the focus and its visit goes on.
    void commitComment();

    // The program changed the addresses of used codes and named them (limitedByLength: the
    // code length limited them). Kept with the step under way, or with the step just made
    // when the change is that step's consequence shown by a later refresh.
    void noteAddressChanges(const CodeSlots& before, const CodeSlots& after,
                            bool limitedByLength);

signals:
    // Anything the menu shows changed: a step made, taken back, redone, or the lock.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Command;
    friend class Command;
    // Addresses the program changed during a step, as it named them.
    struct AddressNote {
        CodeSlots before;
        CodeSlots after;
        bool limitedByLength = false;
    };
    void apply(const Snapshot& snapshot);
    // Makes a step of what changed since before, named name, with the address changes noted
    // meanwhile; before becomes the state now.
    void record(Snapshot& before, const StepName& name, QList<AddressNote> notes = {});
    // The message area after a step was taken back (undone) or redone.
    void tell(const Command& step, bool undone);
    // The visit of the comment: from entering it to leaving it. A step made meanwhile by a
    // handler (a hands-free programming run) or taken back ends the visit's step so far.
    void enterComment();
    void leaveComment();
    void recordVisit();
    bool ownsField(const QWidget* field) const;

    TFFBmain& w_;
    QUndoStack* stack_ = nullptr;
    int depth_ = 0;
    Snapshot before_;
    StepName name_{Step::Code};
    QList<AddressNote> notes_;    // of the step under way
    bool visiting_ = false;
    Snapshot visitBefore_;
    bool applying_ = false;
    bool locked_ = false;
    quint64 serial_ = 0;          // the number of the last step made
};

// The history of the program's main window, or none (a dialog shown without it).
UndoHistory* historyOf(const Forms& forms);

// One step around a handler: begin() at construction, commit() at the end of the scope.
// A field given is the one the change was typed into: its own typing history is cleared
// with the commit, so Ctrl+Z then goes to the configuration's history.
class UndoStep {
public:
    UndoStep(UndoHistory* history, const StepName& name, QWidget* field = nullptr);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    QPointer<UndoHistory> history_;
    QPointer<QWidget> field_;
};

// One step per visit of a dialog, whatever ended it: open() as the dialog shows, close()
// as it closes (a second open() before the close counts once).
class VisitStep {
public:
    void open(UndoHistory* history, const StepName& name);
    void close();

private:
    QPointer<UndoHistory> history_;
};

// Forgets what was typed into a field (one-line edit or memo) for its own Ctrl+Z.
void clearTypingHistory(QWidget* field);

}  // namespace fbe
