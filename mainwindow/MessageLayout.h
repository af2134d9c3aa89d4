// SPDX-FileCopyrightText: 2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// How the message area lays out its lines: a matter of the display only, the text stays as
// it is (what the area holds, what is copied from it and its hint are the messages byte for
// byte).
//
// A message line too long for the area wraps at blanks as usual, and its wrapped lines begin
// where its text begins: a line that starts with a blank keeps that blank's width as its left
// margin on every wrapped line, instead of touching the frame.
//
// A line marked as a list of items (markItems: " Adressen begrenzt: CODE 1 3000 --> 1023,
// CODE 2 3500 --> 1023") wraps only between its items: after its heading's ": ", after ", "
// and after "; ". An item is never cut ("CODE 4 1099508627766 --> 1023" stays on one line);
// only an item wider than the whole area wraps inside, as any text would.
//
//   auto* doc = new QTextDocument(edit);
//   doc->setDocumentLayout(new MessageLayout(doc));
//   edit->setDocument(doc);
//   ... edit->appendPlainText(line); MessageLayout::markItems(doc->lastBlock());
#pragma once

#include <QPlainTextDocumentLayout>
#include <QTextFormat>

class QTextBlock;

namespace fbe {

class MessageLayout : public QPlainTextDocumentLayout {
    Q_OBJECT

public:
    explicit MessageLayout(QTextDocument* document);

    // Marks the block as a list of items, which wraps only between its items.
    static void markItems(const QTextBlock& block);
    static bool isItems(const QTextBlock& block);

    // The positions in a list line after which a wrapped line may end: after the heading's
    // ": " and after every ", " and "; ".
    static QList<int> itemBreaks(const QString& text);

    QRectF blockBoundingRect(const QTextBlock& block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    // Lays the block out by the rules above and tells the document its number of lines.
    void layOut(const QTextBlock& block) const;
    // Every block whose layout the toolkit cleared (a new width, a change of several blocks).
    void layOutCleared() const;
    void announce(int linesBefore) const;

    static constexpr int ItemsProperty = QTextFormat::UserProperty + 31;
};

}  // namespace fbe
