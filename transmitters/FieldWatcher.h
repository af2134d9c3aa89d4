// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Entry, exit and Enter-key handling of the one-line edits of the transmitter and system
// dialogs. An exit handler runs whenever the user leaves a field that he entered, whether or
// not the text changed; a dialog that closes while a field is still entered commits it
// through commitPending(), so no way of closing loses an entry. Losing the focus because the
// whole window was deactivated does not count as leaving the field.
//
// A watcher is a member of the dialog whose handlers it calls, never a child object: members
// are destroyed before the dialog's widgets, so a dialog being destroyed can no longer run an
// exit handler, not even for a field that holds the focus then. And a field that is itself
// being destroyed is no longer a line edit; its last events are ignored.
#pragma once

#include <QHash>
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <functional>

namespace fbe {

class FieldWatcher : public QObject {
public:
    struct Hooks {
        std::function<void()> enter;   // focus came in, or the field was clicked
        std::function<void()> exit;    // the field was left
        std::function<void()> keyUp;   // the Enter key was released in the field
        bool selectOnEntry = false;    // select all text on entry and on a click
    };

    FieldWatcher() = default;

    void add(QLineEdit* edit, Hooks hooks);
    // Runs the exit handler of the field that is entered, if any.
    void commitPending();
    // Forgets an entered field without running its handler.
    void reset() { entered_ = nullptr; }
    QLineEdit* entered() const { return entered_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, Hooks> hooks_;
    QPointer<QLineEdit> entered_;
};

}  // namespace fbe
