// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/StorableText.h"

#include "config/Cp1252.h"
#include "dialogs/Seam.h"

#include <QKeyEvent>
#include <QMimeData>

namespace fbe {

StorableTextValidator::StorableTextValidator(Seam& seam, QObject* parent)
    : QValidator(parent), seam_(seam)
{
}

QValidator::State StorableTextValidator::validate(QString& input, int& pos) const
{
    bool removed = false;
    const QString kept = cp1252::storable(input, &removed);
    if (removed) {
        // The cursor stays behind the characters that were taken.
        pos = int(cp1252::storable(input.left(pos)).size());
        input = kept;
        seam_.beep();
    }
    return Acceptable;
}

StorableTextMemo::StorableTextMemo(Seam& seam, QWidget* parent)
    : QPlainTextEdit(parent), seam_(seam)
{
}

QString StorableTextMemo::takenPart(const QString& text, bool* removed)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        // The memo turns both separators into line breaks between file lines.
        if (cp1252::canEncode(c) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            kept.append(c);
    }
    *removed = kept.size() != text.size();
    return kept;
}

void StorableTextMemo::keyPressEvent(QKeyEvent* event)
{
    bool removed = false;
    const QString kept = takenPart(event->text(), &removed);
    if (!removed || isReadOnly()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    seam_.beep();
    if (!kept.isEmpty())
        insertPlainText(kept);
    event->accept();
}

void StorableTextMemo::inputMethodEvent(QInputMethodEvent* event)
{
    bool removed = false;
    const QString kept = takenPart(event->commitString(), &removed);
    if (!removed) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    seam_.beep();
    QInputMethodEvent taken(event->preeditString(), event->attributes());
    taken.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&taken);
    event->accept();
}

void StorableTextMemo::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    bool removed = false;
    const QString kept = takenPart(source->text(), &removed);
    if (!removed) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    seam_.beep();
    QMimeData taken;
    taken.setText(kept);
    QPlainTextEdit::insertFromMimeData(&taken);
}

}  // namespace fbe
