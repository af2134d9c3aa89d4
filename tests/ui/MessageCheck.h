// SPDX-FileCopyrightText: 2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// How the message area shows a long list of address changes, as a person reads it:
//
//   EXPECT_GT(expectListsWrapBetweenItems(w->Info, {" Adressen begrenzt: ", ...}), 0);
//
// Every line of the area that begins with one of the headings wraps only after the heading's
// ": ", after ", " or after "; " (never inside "CODE 4 1099508627766 --> 1023"); no line
// reaches beyond the area; and its wrapped lines begin one blank further in than its first
// line, not at the frame. Returns the number of such lines that wrapped.
#pragma once

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace fbe::test {

inline int expectListsWrapBetweenItems(const QPlainTextEdit* area, const QStringList& headings)
{
    const QTextDocument* doc = area->document();
    const qreal right = area->viewport()->width() - doc->documentMargin();
    int wrapped = 0;
    for (QTextBlock b = doc->firstBlock(); b.isValid(); b = b.next()) {
        const QString text = b.text();
        const bool list = std::any_of(headings.begin(), headings.end(),
                                      [&](const QString& h) { return text.startsWith(h); });
        if (!list)
            continue;
        const QTextLayout* layout = b.layout();
        const QTextLine first = layout->lineAt(0);
        const qreal blank = area->fontMetrics().horizontalAdvance(QLatin1Char(' '));
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int end = line.textStart() + line.textLength();
            const QString shown = text.mid(line.textStart(), line.textLength());
            if (end < text.size()) {
                const QString last = text.mid(end - 2, 2);
                const bool betweenItems = last == QLatin1String(", ")
                    || last == QLatin1String("; ") || end == text.indexOf(QLatin1String(": ")) + 2;
                EXPECT_TRUE(betweenItems) << "broken inside an item: \"" << shown.toStdString()
                                          << "\"";
            }
            EXPECT_LE(line.x() + line.naturalTextWidth(), right + 0.5) << shown.toStdString();
            if (i > 0) {
                EXPECT_NEAR(line.x(), first.x() + blank, 1.0) << shown.toStdString();
            }
        }
        wrapped += layout->lineCount() > 1;
    }
    return wrapped;
}

}  // namespace fbe::test
