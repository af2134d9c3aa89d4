// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitters/FieldWatcher.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace fbe {

void FieldWatcher::add(QLineEdit* edit, Hooks hooks)
{
    hooks_.insert(edit, std::move(hooks));
    edit->installEventFilter(this);
}

void FieldWatcher::commitPending()
{
    QLineEdit* edit = entered_;
    entered_ = nullptr;
    if (edit) {
        const Hooks& h = hooks_[edit];
        if (h.exit)
            h.exit();
    }
}

bool FieldWatcher::eventFilter(QObject* watched, QEvent* event)
{
    auto it = hooks_.constFind(watched);
    if (it == hooks_.constEnd())
        return false;
    // A checked cast: while a field is destroyed, its last events (the focus it loses, its
    // hiding) come from the widget part that is left of it, which is no line edit any more.
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return false;
    const Hooks& h = it.value();
    switch (event->type()) {
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
            if (entered_ == edit)
                break;   // the window came back; the field was never left
        }
        if (entered_ && entered_ != edit)
            commitPending();
        entered_ = edit;
        if (h.enter)
            h.enter();
        if (h.selectOnEntry)
            edit->selectAll();
        break;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (entered_ == edit)
            commitPending();
        break;
    }
    case QEvent::MouseButtonRelease:
        if (h.selectOnEntry)
            edit->selectAll();
        break;
    case QEvent::KeyRelease: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && h.keyUp)
            h.keyUp();
        break;
    }
    default:
        break;
    }
    return false;
}

}  // namespace fbe
