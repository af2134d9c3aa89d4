// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/FixedPalette.h"

#include <QApplication>
#include <QEvent>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QToolTip>

namespace fbe {

namespace {

// The kinds of control for which a desktop theme may bring colours of its own.
const char* const ThemedKinds[] = {
    "QToolButton", "QAbstractButton", "QCheckBox",         "QRadioButton", "QHeaderView",
    "QAbstractItemView", "QMessageBoxLabel", "QTabBar",    "QLabel",       "QGroupBox",
    "QMenu",       "QMenuBar",        "QTextEdit",         "QTextControl", "QLineEdit",
    "QComboBox",   "QPlainTextEdit",  "QAbstractSpinBox",  "QScrollBar",
};

// An icon of the style that is made when it is first drawn or asked about. The menu bar asks
// the style for the icon of its extension button (shown only when the menus do not fit) as
// it is created, and the style reads that icon's pictures from files.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("fbe.deferred"); }
    QIconEngine* clone() const override
    {
        auto* copy = new DeferredIconEngine(style_, which_);
        copy->icon_ = icon_;
        copy->made_ = made_;
        return copy;
    }

private:
    const QIcon& icon()
    {
        if (!made_) {
            made_ = true;
            if (style_)
                icon_ = style_->standardIcon(which_);
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool made_ = false;
};

// The toolkit's own style with a scroll bar handle that can be found on its track: the
// track, the arrows and the frame as the style draws them, the handle in a mid grey.
class VisibleHandleStyle : public QProxyStyle {
public:
    VisibleHandleStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override
    {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar || !(bar->subControls & SC_ScrollBarSlider)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionSlider rest(*bar);
        rest.subControls &= ~SC_ScrollBarSlider;
        QProxyStyle::drawComplexControl(control, &rest, painter, widget);

        const QRect handle = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
        if (handle.isEmpty() || !(bar->state & State_Enabled))
            return;
        const bool active = bar->activeSubControls & SC_ScrollBarSlider;
        const QColor fill = scrollHandleColour(active && (bar->state & State_MouseOver),
                                               active && (bar->state & State_Sunken));
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(fill.darker(140));
        painter->setBrush(fill);
        // One pixel in from the track's edges across, so that the track frames the handle.
        const QRect r = bar->orientation == Qt::Horizontal ? handle.adjusted(0, 1, -1, -2)
                                                           : handle.adjusted(1, 0, -2, -1);
        painter->drawRect(r);
        painter->restore();
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton && !option)
            return QIcon(new DeferredIconEngine(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

// The style the toolkit chose unless the desktop brought one of its own.
bool toolkitStyle()
{
    QStyle* style = QApplication::style();
    if (auto* proxy = qobject_cast<QProxyStyle*>(style))
        style = proxy->baseStyle();
    return style && style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

void apply()
{
    const QPalette palette = fixedPalette();
    // A new application palette drops the kinds' palettes of the theme; set again (after a
    // theme change) it is no change and drops nothing, so the kinds get it one by one. Only
    // the kinds the theme gave colours of their own: every palette of a kind is looked for
    // by every control the program creates, so that kinds without one keep that quick.
    QApplication::setPalette(palette);
    for (const char* kind : ThemedKinds) {
        if (QApplication::palette(kind) != palette)
            QApplication::setPalette(palette, kind);
    }
    QToolTip::setPalette(palette);
}

// A desktop theme changed while the program runs: the toolkit takes the new theme's colours
// (also for the kinds of control) and tells every window. The application sets its own
// again, once for all windows, when the toolkit is done.
class ThemeWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ThemeChange && !posted_) {
            posted_ = true;
            QTimer::singleShot(0, this, [this] {
                posted_ = false;
                apply();
            });
        }
        return false;
    }

private:
    bool posted_ = false;
};

}  // namespace

QPalette fixedPalette()
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor grey(239, 239, 239);          // windows and buttons
    const QColor greyText(190, 190, 190);      // text of disabled controls

    const struct {
        QPalette::ColorRole role;
        QColor colour;
    } roles[] = {
        {QPalette::WindowText, black},
        {QPalette::Button, grey},
        {QPalette::Light, white},
        {QPalette::Midlight, QColor(202, 202, 202)},
        {QPalette::Dark, QColor(159, 159, 159)},
        {QPalette::Mid, QColor(184, 184, 184)},
        {QPalette::Text, black},
        {QPalette::BrightText, white},
        {QPalette::ButtonText, black},
        {QPalette::Base, white},
        {QPalette::Window, grey},
        {QPalette::Shadow, QColor(118, 118, 118)},
        {QPalette::Highlight, QColor(48, 140, 198)},
        {QPalette::HighlightedText, white},
        {QPalette::Link, QColor(0, 0, 255)},
        {QPalette::LinkVisited, QColor(255, 0, 255)},
        {QPalette::AlternateBase, QColor(247, 247, 247)},
        {QPalette::NoRole, black},
        {QPalette::ToolTipBase, QColor(255, 255, 220)},
        {QPalette::ToolTipText, black},
        {QPalette::PlaceholderText, QColor(0, 0, 0, 128)},
    };
    // Every colour of every state is set, so that nothing of a desktop theme shows through.
    QPalette p;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto& r : roles)
            p.setColor(group, r.role, r.colour);
    }
    // Disabled controls: grey text, entry fields in the window's grey.
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text,
                                           QPalette::ButtonText, QPalette::Dark})
        p.setColor(QPalette::Disabled, role, greyText);
    p.setColor(QPalette::Disabled, QPalette::Base, grey);
    p.setColor(QPalette::Disabled, QPalette::Shadow, QColor(177, 177, 177));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return p;
}

QColor scrollHandleColour(bool hovered, bool pressed)
{
    if (pressed)
        return QColor(70, 70, 70);
    if (hovered)
        return QColor(90, 90, 90);
    return QColor(110, 110, 110);
}

void useFixedPalette()
{
    // The style first: a new style brings its own palette, which the fixed one then replaces.
    if (toolkitStyle() && !dynamic_cast<VisibleHandleStyle*>(QApplication::style()))
        QApplication::setStyle(new VisibleHandleStyle);
    apply();
    const QString watchName = QStringLiteral("fixedPaletteThemeWatch");
    if (!qApp->findChild<QObject*>(watchName, Qt::FindDirectChildrenOnly)) {
        auto* watch = new ThemeWatch(qApp);
        watch->setObjectName(watchName);
        qApp->installEventFilter(watch);
    }
}

}  // namespace fbe
