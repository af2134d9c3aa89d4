// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/MainStyle.h"

#include <QAbstractButton>
#include <QAction>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QWidget>

namespace fbe::mainstyle {

namespace {

QFont make(const QStringList& families, int pixelSize, bool bold,
           QFont::StyleHint hint = QFont::AnyStyle)
{
    QFont f;
    const QString family = installedFamily(families);
    f.setFamilies(family.isEmpty() ? families : QStringList{family});
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    if (hint != QFont::AnyStyle)
        f.setStyleHint(hint);
    return f;
}

}  // namespace

// The toolkit picks the same family from the whole list, but looks for every missing family
// before it again (through the system's font configuration) for each size and weight.
QString installedFamily(const QStringList& families)
{
    static QHash<QStringList, QString> found;
    auto it = found.constFind(families);
    if (it == found.constEnd()) {
        static const QStringList installed = QFontDatabase::families();
        QString family;
        for (const QString& f : families) {
            if (installed.contains(f, Qt::CaseInsensitive)) {
                family = f;
                break;
            }
        }
        it = found.insert(families, family);
    }
    return *it;
}

QFont sans(int pixelSize, bool bold)
{
    return make({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                 QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")},
                pixelSize, bold);
}

QFont arial(int pixelSize, bool bold)
{
    return make({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                 QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")},
                pixelSize, bold);
}

QFont narrow(int pixelSize, bool bold)
{
    return make({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                 QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Arial")},
                pixelSize, bold);
}

QFont fitted(QFont font, const QString& text, int width, int minPixelSize)
{
    while (font.pixelSize() > minPixelSize
           && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QFont courier(int pixelSize, bool bold)
{
    return make({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                 QStringLiteral("DejaVu Sans Mono")},
                pixelSize, bold, QFont::TypeWriter);
}

QFont digits(int pixelSize, int advance, bool bold)
{
    QFont f = courier(pixelSize, bold);
    const qreal natural = QFontMetricsF(f).horizontalAdvance(QLatin1Char('0'));
    f.setLetterSpacing(QFont::AbsoluteSpacing, advance - natural);
    return f;
}

void setColours(QWidget* w, const QColor& text, const QColor& background)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::Button, background);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

FitLabel::FitLabel(const QString& text, QWidget* parent, Qt::TextElideMode elide,
                   int minPixelSize)
    : QLabel(text, parent), elide_(elide), minPixelSize_(minPixelSize)
{
}

QRect FitLabel::textRect() const
{
    QRect r = contentsRect();
    const int indent = this->indent() > 0 ? this->indent() : 0;
    if (alignment() & Qt::AlignLeft)
        r.setLeft(r.left() + indent);
    else if (alignment() & Qt::AlignRight)
        r.setRight(r.right() - indent);
    return r;
}

QFont FitLabel::shownFont() const
{
    return fitted(font(), text(), textRect().width(), minPixelSize_);
}

QString FitLabel::shownText() const
{
    return QFontMetrics(shownFont()).elidedText(text(), elide_, textRect().width());
}

void FitLabel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setFont(shownFont());
    style()->drawItemText(&p, textRect(), int(alignment()), palette(), isEnabled(), shownText(),
                          foregroundRole());
}

bool setTextIfChanged(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return false;
    label->setText(text);
    return true;
}

bool setTextIfChanged(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return false;
    if (edit->hasFocus() && edit->isModified())
        return false;
    edit->setText(text);
    return true;
}

bool setCheckedIfChanged(QAbstractButton* button, bool checked)
{
    if (button->isChecked() == checked)
        return false;
    button->setChecked(checked);
    return true;
}

bool setCheckedIfChanged(QAction* action, bool checked)
{
    if (action->isChecked() == checked)
        return false;
    action->setChecked(checked);
    return true;
}

bool setVisibleIfChanged(QWidget* w, bool visible)
{
    if (w->isHidden() != visible)
        return false;
    w->setVisible(visible);
    return true;
}

bool setEnabledIfChanged(QWidget* w, bool enabled)
{
    if (w->testAttribute(Qt::WA_ForceDisabled) == !enabled)
        return false;
    w->setEnabled(enabled);
    return true;
}

}  // namespace fbe::mainstyle
