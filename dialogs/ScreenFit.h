// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows of a fixed design size on screens of any size and scaling.
//
// Every window of the program is drawn to a fixed size. Where that size, with the window
// frame, fits the free area of the screen the window appears on (the screen without its
// panels and task bars), the window stays exactly as designed. Where it does not -- a small
// screen, a large display scaling -- its content moves into a scroll area that fills the free
// area, with a scroll bar only in the direction that needs one; every control stays
// reachable by scrolling, and the Tab key scrolls the control it reaches into view.
//
// ScreenFit decides at every showing of the window, again when the window moves to another
// screen and when the free area of its screen changes (a scaling or resolution changed while
// the program runs). A window that fits again gets its content back as designed.
//
//   ScreenFit::install(this);   // in the constructor of a window of fixed size
#pragma once

#include <QMargins>
#include <QMetaObject>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QScrollArea>
#include <QSize>
#include <QWidget>

class QScreen;
class QWindow;

namespace fbe {

class ScreenFit : public QObject {
    Q_OBJECT
public:
    // Looks after window, a top-level widget of fixed size (a dialog drawn to its size, or a
    // main window whose central widget has a fixed size), from now on. Owned by the window.
    static ScreenFit* install(QWidget* window);
    // The ScreenFit of window, or null.
    static ScreenFit* of(const QWidget* window);

    // Decides now, for the screen the window is on or will appear on.
    void fit();
    // A dialog whose design size differs from one showing to the next (the question with a
    // third button) gets its new size here; the next fit starts from it.
    void redesign(const QSize& size);
    // The scroll area that holds the content while the window does not fit; null while it
    // fits.
    QScrollArea* scrollArea() const { return scroll_; }

    // The frame the window system puts around window: the one it reports, or, while the
    // window has not been framed yet, an allowance for a title bar and borders.
    static QMargins frameMargins(const QWidget* window);
    // The size of window with its frame, as it is or will be when first shown.
    static QSize outerSize(const QWidget* window);
    // The screen on which window is, or appears when shown now.
    static QScreen* screenFor(const QWidget* window);
    // Where a window of the outer size shall stand that was kept at pos. A window lying
    // wholly on the free area of one screen stays where it is; one that lies partly off it
    // is brought onto the screen holding most of it (the nearest screen when it lies off
    // every screen), as far in as its size allows.
    static QPoint placeOnScreen(const QPoint& pos, const QSize& outer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ScreenFit(QWidget* window);
    void fitFor(QScreen* screen);
    // A later fit of the visible window, once for several requests; with keepOnScreen the
    // window is then also moved wholly onto the free area.
    void requestFit(bool keepOnScreen);
    void watchScreen();
    QSize contentSize() const;
    int menuHeight() const;
    bool canShrinkInto(const QSize& room) const;
    // A dialog at this size (its design size, or smaller where its layout can give).
    void resizeTo(const QSize& size);
    void wrap();
    void unwrap();
    void setViewSize(const QSize& view);

    QWidget* window_;
    QPointer<QScrollArea> scroll_;
    QSize design_;                   // the window's content size by design
    QMargins usedFrame_;             // the frame the last fit reckoned with
    bool fixedDesign_ = true;        // drawn to a fixed size (not just a size hint)
    bool adapted_ = false;           // the window is not at its design size now
    QPointer<QWindow> handle_;
    QPointer<QScreen> watched_;
    QMetaObject::Connection areaChanged_;
    bool fitting_ = false;
    bool showing_ = false;
    bool placedForShow_ = false;
    bool fitPosted_ = false;
    bool keepPosted_ = false;
};

}  // namespace fbe
