// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// What a user would see wrong in a shown window: texts cut off, and controls lying on top of
// one another.
//
//   EXPECT_TRUE(laidOutWell(dialog)) << "dialog";  // the faults, one line each, if any
//   checkLayout(dialog, "dialog");                  // the same, and its picture on demand
//
// Texts: a label's text (a word-wrapped label's height for its width), the text of a check
// box, radio button, push button or group box title, the current text of a line edit or a
// combo box, each against the room the style gives it; the items of a menu bar against the
// bar. Overlaps: visible widgets with the same parent whose geometries intersect (frames and
// group boxes are the parents of what they hold, so only siblings count). Siblings that share
// an edge, an intersection at most 2 pixels across (a frame's width, a 1-pixel separator line
// between digits), hide nothing of each other; covers names sibling pairs that lie on one
// another on purpose (a panel laid over a table it replaces; an empty name: any sibling).
#pragma once

#include "FieldInput.h"
#include "mainwindow/MainStyle.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace fbe::test {

namespace layout {

inline QString name(const QWidget* w, const QString& text = QString())
{
    QString line = w->objectName() + QStringLiteral(" (")
                   + QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(')');
    if (!text.isEmpty())
        line += QStringLiteral(" '") + text.simplified() + QLatin1Char('\'');
    return line;
}

inline void report(QStringList& lines, const QWidget* w, const QString& text, int needs,
                   int has, const char* unit = "px")
{
    if (needs > has)
        lines << name(w, text) + QStringLiteral(": needs %1 %3, has %2 %3").arg(needs).arg(has)
                                     .arg(QLatin1String(unit));
}

// The widest line of a text as drawn in the widget's font (a '&' marks a shortcut).
inline int textWidth(const QWidget* w, const QString& text)
{
    return w->fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

inline void checkText(QStringList& lines, QWidget* w)
{
    QStyle* style = w->style();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        // A FitLabel draws a text too wide for it smaller and then shortened, by design.
        if (label->text().isEmpty() || dynamic_cast<mainstyle::FitLabel*>(label))
            return;
        if (label->wordWrap()) {
            report(lines, w, label->text(), label->heightForWidth(label->width()),
                   label->height(), "px high");
            return;
        }
        // The label's own size hint: its text with margin, indent and frame. A one-line text
        // needs only its glyphs' height: a fixed form keeps such labels lower than the font's
        // line, whose room for accents and descenders the text may not use.
        const QSize needs = label->sizeHint();
        const int high = label->text().contains(QLatin1Char('\n'))
            ? needs.height()
            : label->fontMetrics().tightBoundingRect(label->text()).height() + label->height()
                  - label->contentsRect().height();
        report(lines, w, label->text(), needs.width(), label->width());
        report(lines, w, label->text(), high, label->height(), "px high");
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox opt;
        opt.initFrom(box);
        opt.text = box->title();
        opt.textAlignment = box->alignment();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (box->isCheckable())
            opt.subControls |= QStyle::SC_GroupBoxCheckBox;
        const QRect title = style->subControlRect(QStyle::CC_GroupBox, &opt,
                                                  QStyle::SC_GroupBoxLabel, box);
        if (!box->title().isEmpty())
            report(lines, w, box->title(), title.x() + textWidth(w, box->title()), box->width());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->text().isEmpty())
            return;
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        opt.icon = button->icon();
        opt.iconSize = button->iconSize();
        QStyle::SubElement room = QStyle::SE_PushButtonContents;
        if (qobject_cast<QCheckBox*>(w))
            room = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<QRadioButton*>(w))
            room = QStyle::SE_RadioButtonContents;
        else if (!qobject_cast<QPushButton*>(w))
            return;  // tool buttons and drawn buttons place their own text
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        report(lines, w, button->text(), textWidth(w, button->text()) + icon,
               style->subElementRect(room, &opt, button).width());
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        // An edit shows a '&' as it is.
        report(lines, w, edit->displayText(),
               edit->fontMetrics().horizontalAdvance(edit->displayText()), textRoom(edit));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable())
            return;  // its line edit is checked as one
        QStyleOptionComboBox opt;
        opt.initFrom(combo);
        opt.currentText = combo->currentText();
        opt.frame = combo->hasFrame();
        opt.subControls = QStyle::SC_All;
        const QRect field = style->subControlRect(QStyle::CC_ComboBox, &opt,
                                                  QStyle::SC_ComboBoxEditField, combo);
        report(lines, w, combo->currentText(),
               combo->fontMetrics().horizontalAdvance(combo->currentText()), field.width() - 2);
    } else if (qobject_cast<QMenuBar*>(w)) {
        // Items that do not fit are left out of the bar, behind its extension button.
        report(lines, w, QString(), w->sizeHint().width(), w->width());
    }
}

using Covers = std::vector<std::pair<QString, QString>>;

// The main window's panels of parallel codes and of direct output lie over the code table's
// rows on purpose: they take the place of the rows that have no use then.
inline Covers mainWindowCovers()
{
    return {{QStringLiteral("Panel62"), QStringLiteral("Ppar")},
            {QStringLiteral("Panel62"), QStringLiteral("Pdirektausgabe")}};
}

inline bool overlap(const QWidget* a, const QWidget* b, const Covers& covers)
{
    const QRect both = a->geometry() & b->geometry();
    if (both.width() <= 2 || both.height() <= 2)
        return false;
    auto is = [](const QWidget* w, const QString& name) {
        return name.isEmpty() || w->objectName() == name;
    };
    for (const auto& [under, over] : covers)
        if ((is(a, under) && is(b, over)) || (is(a, over) && is(b, under)))
            return false;
    return true;
}

inline void walk(QStringList& lines, QWidget* parent, const Covers& covers)
{
    QList<QWidget*> shown;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && w->isVisible())
            shown << w;
    }
    for (int i = 0; i < shown.size(); ++i) {
        checkText(lines, shown[i]);
        for (int j = i + 1; j < shown.size(); ++j)
            if (overlap(shown[i], shown[j], covers)) {
                const QRect both = shown[i]->geometry() & shown[j]->geometry();
                lines << name(shown[i]) + QStringLiteral(" overlaps ") + name(shown[j])
                             + QStringLiteral(" by %1 x %2 px").arg(both.width()).arg(both.height());
            }
        walk(lines, shown[i], covers);
    }
}

}  // namespace layout

// For EXPECT_TRUE(laidOutWell(window)) << "state": the faults of a shown window, one line
// each, are the failure message.
inline ::testing::AssertionResult laidOutWell(QWidget* window,
                                              const layout::Covers& covers = {})
{
    QStringList lines;
    layout::checkText(lines, window);
    layout::walk(lines, window, covers);
    if (lines.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << lines.join(QLatin1Char('\n')).toStdString();
}

// Checks a shown window in one of its states and, when FBE_SHOT_DIR names a folder
// (scripts/pictures), saves its picture there as <name>.png for a person to look at.
inline void checkLayout(QWidget* window, const QString& name, const layout::Covers& covers = {})
{
    EXPECT_TRUE(laidOutWell(window, covers)) << name.toStdString();
    const QString dir = qEnvironmentVariable("FBE_SHOT_DIR");
    if (!dir.isEmpty())
        window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace fbe::test
