// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// How a user fills a one-line field in the window tests: typing and leaving with Tab,
// typing and pressing Enter, clicking into a field and out again.
#pragma once

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>

namespace fbe::test {

// The user puts text into a field and leaves it with Tab.
inline void leave(QLineEdit* edit, const QString& text)
{
    edit->setText(text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(edit, &out);
}

// The user leaves the field by clicking elsewhere in the window.
inline void leave(QLineEdit* edit)
{
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(edit, &out);
}

// The user puts text into a field and presses Enter (the entry is taken on the release).
inline void pressEnter(QLineEdit* edit, const QString& text)
{
    edit->setText(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(edit, &release);
}

// The user clicks into the field (it takes the focus) and types text.
inline void clickInto(QLineEdit* edit, const QString& text)
{
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(edit, &in);
    edit->setText(text);
}

// The width a field has for its text: without the frame and the edit's inner margin of 2
// pixels on either side.
inline int textRoom(const QLineEdit* edit)
{
    const int frame = edit->hasFrame()
        ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
    return edit->contentsRect().width() - edit->textMargins().left()
           - edit->textMargins().right() - 2 * (frame + 2);
}

// Whether the whole text of a field can be seen.
inline bool fits(const QLineEdit* edit)
{
    return edit->fontMetrics().horizontalAdvance(edit->text()) <= textRoom(edit);
}

}  // namespace fbe::test
