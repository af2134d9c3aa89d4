// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QWindow>

namespace fbe {

namespace {

// The frame of a window that the window system has not framed yet: a title bar and thin
// borders, a little more than most desktops draw, so that a window taken to fit does fit.
const QMargins FrameAllowance(4, 32, 4, 4);

// Far beyond any desktop; kept in a range where the rectangle arithmetic cannot overflow.
constexpr int Far = 1000000;

qint64 areaOf(const QRect& r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

// The screen whose free area holds most of frame, or, when it lies off every screen, the
// screen nearest to it.
QScreen* screenHolding(const QRect& frame)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* best = nullptr;
    qint64 most = 0;
    for (QScreen* screen : screens) {
        const qint64 a = areaOf(frame.intersected(screen->availableGeometry()));
        if (a > most) {
            most = a;
            best = screen;
        }
    }
    if (best)
        return best;
    qint64 nearest = -1;
    best = QGuiApplication::primaryScreen();
    for (QScreen* screen : screens) {
        const QRect a = screen->availableGeometry();
        const qint64 dx = qMax(qMax(a.left() - frame.right(), frame.left() - a.right()), 0);
        const qint64 dy = qMax(qMax(a.top() - frame.bottom(), frame.top() - a.bottom()), 0);
        const qint64 d = dx * dx + dy * dy;
        if (nearest < 0 || d < nearest) {
            nearest = d;
            best = screen;
        }
    }
    return best;
}

bool explicitlyHidden(const QWidget* w)
{
    return w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

// The controls of a window that the Tab key reaches, in the order it reaches them.
QList<QWidget*> tabChain(QWidget* window)
{
    QList<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (chain.contains(w))
            break;
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && window->isAncestorOf(w))
            chain << w;
    }
    return chain;
}

void restoreTabChain(const QList<QWidget*>& chain)
{
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

// Moves the child widgets of from (not the windows among them) to to, each at its place and
// with its visibility.
void moveChildren(QWidget* from, QWidget* to)
{
    const QObjectList children = from->children();
    for (QObject* o : children) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow())
            continue;
        const bool hidden = explicitlyHidden(w);
        const QRect geometry = w->geometry();
        w->setParent(to);
        w->setGeometry(geometry);
        if (!hidden)
            w->show();
    }
}

QScrollArea* makeScrollArea(QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setObjectName(QStringLiteral("screenFitScroll"));
    area->setFrameShape(QFrame::NoFrame);
    // The controls take the focus, not the area; Tab scrolls the one it reaches into view.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(false);
    return area;
}

}  // namespace

// ---- Placing and measuring ---------------------------------------------------------------

QMargins ScreenFit::frameMargins(const QWidget* window)
{
    if (const QWindow* handle = window->windowHandle()) {
        const QMargins m = handle->frameMargins();
        if (!m.isNull())
            return m;
    }
    return FrameAllowance;
}

QSize ScreenFit::outerSize(const QWidget* window)
{
    QSize client = window->size();
    // A window never shown may not have its final size yet, unless its size is fixed: then
    // it has it, whatever its layout would ask for (and asking costs the layout of all its
    // texts).
    if (!window->testAttribute(Qt::WA_WState_Created)
        && window->minimumSize() != window->maximumSize())
        client = client.expandedTo(window->sizeHint());
    return client.grownBy(frameMargins(window));
}

QScreen* ScreenFit::screenFor(const QWidget* window)
{
    // A dialog that the program has not placed appears over its parent.
    const QWidget* parent = window->parentWidget();
    if (!window->testAttribute(Qt::WA_Moved) && parent)
        return parent->window()->screen();
    const QRect frame(window->pos(), outerSize(window));
    if (QScreen* screen = screenHolding(frame))
        return screen;
    return window->screen();
}

QPoint ScreenFit::placeOnScreen(const QPoint& pos, const QSize& outer)
{
    if (QGuiApplication::screens().isEmpty())
        return pos;
    const QPoint p(qBound(-Far, pos.x(), Far), qBound(-Far, pos.y(), Far));
    const QSize size = outer.expandedTo(QSize(1, 1));
    const QRect frame(p, size);
    const QRect a = screenHolding(frame)->availableGeometry();
    if (a.contains(frame))
        return p;
    const int x = qBound(a.left(), p.x(), qMax(a.left(), a.right() + 1 - size.width()));
    const int y = qBound(a.top(), p.y(), qMax(a.top(), a.bottom() + 1 - size.height()));
    return {x, y};
}

// ---- The fit -----------------------------------------------------------------------------

ScreenFit* ScreenFit::install(QWidget* window)
{
    if (ScreenFit* existing = of(window))
        return existing;
    return new ScreenFit(window);
}

ScreenFit* ScreenFit::of(const QWidget* window)
{
    return window ? window->findChild<ScreenFit*>(QString(), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

ScreenFit::ScreenFit(QWidget* window) : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("screenFit"));
    window->installEventFilter(this);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event)
{
    // The showing is told before the window appears and before a dialog is centred over its
    // parent, so it appears at the size it keeps.
    if (watched == window_ && event->type() == QEvent::Show && !event->spontaneous()) {
        showing_ = true;
        fit();
        showing_ = false;
        // A window the program placed appears wholly on the free area, at the size it now
        // has; a dialog it has not placed is centred over its parent and kept on the screen
        // by the dialog itself.
        if (window_->testAttribute(Qt::WA_Moved)) {
            const QPoint to = placeOnScreen(window_->pos(), outerSize(window_));
            if (to != window_->pos())
                window_->move(to);
        } else if (adapted_ && window_->parentWidget()) {
            // A dialog that fills the free area is centred over its parent here, to the
            // pixel; for this showing only, so that it is centred again the next time.
            const QRect parent = window_->parentWidget()->window()->frameGeometry();
            const QSize outer = outerSize(window_);
            window_->move(placeOnScreen(
                parent.center() - QPoint(outer.width() / 2, outer.height() / 2), outer));
            placedForShow_ = true;
        }
    } else if (watched == window_ && event->type() == QEvent::ShowToParent && placedForShow_) {
        placedForShow_ = false;
        window_->setAttribute(Qt::WA_Moved, false);
    } else if (watched == window_
               && (event->type() == QEvent::Move || event->type() == QEvent::Resize)
               && window_->isVisible() && frameMargins(window_) != usedFrame_) {
        // The window system has framed the window now: fitted again with the real frame.
        requestFit(true);
    }
    return false;
}

void ScreenFit::fit()
{
    // A window on the screen already is where the window system put it; a window about to
    // appear is where the program places it.
    const bool placed = window_->isVisible() && !showing_;
    QScreen* screen = placed ? window_->screen() : screenFor(window_);
    if (screen)
        fitFor(screen);
    watchScreen();
}

void ScreenFit::redesign(const QSize& size)
{
    unwrap();
    adapted_ = false;
    window_->setFixedSize(size);
    if (window_->isVisible())
        fit();
}

void ScreenFit::fitFor(QScreen* screen)
{
    if (fitting_)
        return;
    fitting_ = true;
    const QSize design = contentSize();
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameMargins(window_);
    usedFrame_ = frame;
    const QSize room(area.width() - frame.left() - frame.right(),
                     area.height() - frame.top() - frame.bottom() - menuHeight());
    const int bar = window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window_);
    bool vertical = design.height() > room.height();
    bool horizontal = design.width() > room.width();
    // A scroll bar takes its width from the other direction.
    if (vertical && !horizontal)
        horizontal = design.width() + bar > room.width();
    if (horizontal && !vertical)
        vertical = design.height() + bar > room.height();
    if (!vertical && !horizontal) {
        unwrap();
        resizeTo(design);
    } else if (canShrinkInto(room)) {
        // A laid-out window whose layout can give: smaller, with its own scrolling parts
        // (the help text) taking up the difference.
        unwrap();
        resizeTo(design.boundedTo(room));
    } else {
        // Never smaller than a scroll bar's length, whatever the screen.
        const int least = 4 * bar;
        const QSize view(horizontal ? qMax(room.width(), least)
                                    : design.width() + (vertical ? bar : 0),
                         vertical ? qMax(room.height(), least)
                                  : design.height() + (horizontal ? bar : 0));
        resizeTo(design);
        wrap();
        setViewSize(view);
    }
    fitting_ = false;
}

void ScreenFit::requestFit(bool keepOnScreen)
{
    keepPosted_ = keepPosted_ || keepOnScreen;
    if (fitPosted_)
        return;
    fitPosted_ = true;
    QTimer::singleShot(0, this, [this] {
        const bool keep = keepPosted_;
        fitPosted_ = false;
        keepPosted_ = false;
        if (!window_->isVisible())
            return;
        fit();
        if (keep) {
            const QPoint to = placeOnScreen(window_->pos(), outerSize(window_));
            if (to != window_->pos())
                window_->move(to);
        }
    });
}

void ScreenFit::watchScreen()
{
    QWindow* handle = window_->windowHandle();
    if (handle && handle != handle_) {
        handle_ = handle;
        // Taken to another screen: fitted to it. The window stays where the user takes it.
        connect(handle, &QWindow::screenChanged, this, [this] { requestFit(false); });
    }
    QScreen* screen = handle ? handle->screen() : nullptr;
    if (screen != watched_) {
        disconnect(areaChanged_);
        watched_ = screen;
        // The screen's free area changed (scaling, resolution, a panel): fitted again and
        // kept on it.
        if (screen)
            areaChanged_ = connect(screen, &QScreen::availableGeometryChanged, this,
                                   [this] { requestFit(true); });
    }
}

QSize ScreenFit::contentSize() const
{
    if (adapted_)
        return design_;
    auto* self = const_cast<ScreenFit*>(this);
    const QWidget* content = window_;
    if (auto* main = qobject_cast<QMainWindow*>(window_))
        content = main->centralWidget();
    if (!content)
        return {};
    self->fixedDesign_ = content->minimumSize() == content->maximumSize();
    self->design_ = fixedDesign_ ? content->maximumSize() : content->sizeHint();
    return design_;
}

bool ScreenFit::canShrinkInto(const QSize& room) const
{
    if (qobject_cast<QMainWindow*>(window_) || scroll_ || !window_->layout())
        return false;
    const QSize least = window_->layout()->totalMinimumSize();
    return least.width() <= room.width() && least.height() <= room.height();
}

void ScreenFit::resizeTo(const QSize& size)
{
    if (qobject_cast<QMainWindow*>(window_) || scroll_ || !fixedDesign_)
        return;
    adapted_ = size != design_;
    if (window_->size() != size || window_->minimumSize() != size
        || window_->maximumSize() != size)
        window_->setFixedSize(size);
}

int ScreenFit::menuHeight() const
{
    const auto* main = qobject_cast<QMainWindow*>(window_);
    const QWidget* menu = main ? main->menuWidget() : nullptr;
    return menu && !explicitlyHidden(menu) ? menu->sizeHint().height() : 0;
}

void ScreenFit::wrap()
{
    if (scroll_)
        return;
    QWidget* focus = window_->focusWidget();
    if (auto* main = qobject_cast<QMainWindow*>(window_)) {
        QWidget* central = main->takeCentralWidget();
        QScrollArea* area = makeScrollArea(nullptr);
        area->setWidget(central);
        main->setCentralWidget(area);
        scroll_ = area;
    } else {
        // The dialog's controls (and its layout, where it has one) move into one widget of
        // the dialog's size, which the scroll area holds.
        const QList<QWidget*> chain = tabChain(window_);
        auto* content = new QWidget;
        content->setObjectName(QStringLiteral("screenFitContent"));
        content->setFixedSize(design_);
        if (QLayout* layout = window_->layout())
            content->setLayout(layout);
        moveChildren(window_, content);
        QScrollArea* area = makeScrollArea(window_);
        area->setWidget(content);
        area->show();
        scroll_ = area;
        restoreTabChain(chain);
    }
    adapted_ = true;
    if (focus && window_->isAncestorOf(focus))
        focus->setFocus(Qt::OtherFocusReason);
}

void ScreenFit::unwrap()
{
    if (!scroll_)
        return;
    QWidget* focus = window_->focusWidget();
    if (auto* main = qobject_cast<QMainWindow*>(window_)) {
        QWidget* area = main->takeCentralWidget();
        QWidget* central = scroll_->takeWidget();
        main->setCentralWidget(central);
        central->show();
        delete area;
        if (QLayout* layout = main->layout())
            layout->activate();
    } else {
        const QList<QWidget*> chain = tabChain(window_);
        QWidget* content = scroll_->takeWidget();
        if (QLayout* layout = content->layout())
            window_->setLayout(layout);
        moveChildren(content, window_);
        delete scroll_;
        delete content;
        window_->setFixedSize(design_);
        restoreTabChain(chain);
    }
    scroll_ = nullptr;
    adapted_ = false;
    if (focus && window_->isAncestorOf(focus))
        focus->setFocus(Qt::OtherFocusReason);
}

void ScreenFit::setViewSize(const QSize& view)
{
    if (qobject_cast<QMainWindow*>(window_)) {
        // The main window keeps itself at the size of its menu and central widget.
        scroll_->setFixedSize(view);
        if (QLayout* layout = window_->layout())
            layout->activate();
    } else {
        scroll_->setGeometry(QRect(QPoint(0, 0), view));
        window_->setFixedSize(view);
    }
}

}  // namespace fbe
