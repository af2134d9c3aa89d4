// SPDX-FileCopyrightText: 2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/MessageLayout.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <climits>

namespace fbe {

MessageLayout::MessageLayout(QTextDocument* document) : QPlainTextDocumentLayout(document)
{
    // A new text width clears every block's layout and then asks for an update: the blocks
    // are laid out again here, before anyone else lays them out the toolkit's way.
    connect(this, &QAbstractTextDocumentLayout::update, this, [this] { layOutCleared(); });
}

void MessageLayout::markItems(const QTextBlock& block)
{
    if (!block.isValid() || isItems(block))
        return;
    QTextBlockFormat format;
    format.setProperty(ItemsProperty, true);
    QTextCursor(block).mergeBlockFormat(format);   // a change of the block: laid out anew
}

bool MessageLayout::isItems(const QTextBlock& block)
{
    return block.blockFormat().boolProperty(ItemsProperty);
}

QList<int> MessageLayout::itemBreaks(const QString& text)
{
    QList<int> breaks;
    const int heading = int(text.indexOf(QLatin1String(": ")));
    if (heading >= 0)
        breaks << heading + 2;
    for (int i = heading < 0 ? 0 : heading + 2; i + 1 < text.size(); ++i) {
        if ((text.at(i) == QLatin1Char(',') || text.at(i) == QLatin1Char(';'))
            && text.at(i + 1) == QLatin1Char(' '))
            breaks << i + 2;
    }
    return breaks;
}

void MessageLayout::layOut(const QTextBlock& block) const
{
    QTextDocument* doc = document();
    QTextLayout* layout = block.layout();
    const qreal margin = doc->documentMargin();
    // The width the area has for a line: the toolkit lays the block out for it first (its
    // first line, laid out here as well, keeps that width).
    if (layout->lineCount() == 0)
        ensureBlockLayout(block);
    const qreal width = layout->lineCount() > 0 ? layout->lineAt(0).width() : qreal(INT_MAX);
    layout->setTextOption(doc->defaultTextOption());

    const QString text = block.text();
    const bool items = isItems(block);
    const QList<int> breaks = items ? itemBreaks(text) : QList<int>();
    int blanks = 0;
    while (blanks < text.size() && text.at(blanks) == QLatin1Char(' '))
        ++blanks;

    layout->beginLayout();
    qreal indent = 0;
    qreal y = 0;
    for (bool first = true;; first = false) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        const qreal room = qMax<qreal>(1, width - indent);
        line.setLineWidth(room);
        const int start = line.textStart();
        const int end = start + line.textLength();
        if (items && end < text.size()) {
            // The last break between items that the toolkit's own break leaves on this line.
            int cut = -1;
            for (int b : breaks) {
                if (b > start && b <= end)
                    cut = b;
            }
            if (cut > 0 && cut < end)
                line.setNumColumns(cut - start, room);
        }
        line.setPosition(QPointF(margin + indent, y));
        y += line.height();
        if (line.leading() < 0)
            y += qCeil(line.leading());
        if (first && blanks > 0 && line.textLength() > blanks)
            indent = qMin(line.cursorToX(blanks) - line.cursorToX(0), width / 4);
    }
    layout->endLayout();

    QTextBlock b = block;
    b.setLineCount(block.isVisible() ? layout->lineCount() : 0);
}

void MessageLayout::layOutCleared() const
{
    const int before = document()->lineCount();
    bool any = false;
    for (QTextBlock b = document()->firstBlock(); b.isValid(); b = b.next()) {
        if (b.layout()->lineCount() == 0) {
            layOut(b);
            any = true;
        }
    }
    if (any)
        announce(before);
}

void MessageLayout::announce(int linesBefore) const
{
    auto* self = const_cast<MessageLayout*>(this);
    if (document()->lineCount() != linesBefore)
        emit self->documentSizeChanged(documentSize());
    emit self->update(QRectF(0., -document()->documentMargin(), 1000000000., 1000000000.));
}

void MessageLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    // The changed blocks, laid out the toolkit's way or cleared, are laid out anew.
    const int before = document()->lineCount();
    QTextBlock block = document()->findBlock(from);
    const QTextBlock last = document()->findBlock(qMax(0, from + charsAdded - 1));
    for (; block.isValid(); block = block.next()) {
        layOut(block);
        if (block == last)
            break;
    }
    layOutCleared();
    announce(before);
}

QRectF MessageLayout::blockBoundingRect(const QTextBlock& block) const
{
    if (block.isValid() && block.layout()->lineCount() == 0)
        layOut(block);
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

}  // namespace fbe
