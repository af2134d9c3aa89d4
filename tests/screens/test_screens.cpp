// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on screens of every size and scaling (the four screens of main.cpp): at 100 %
// on a large screen every window is exactly as designed; where a window does not fit, it
// fits the free area and every control can still be reached; kept positions come onto the
// free area; a three-position switch takes the half that was clicked in a scrolled dialog.
#include "ui/FieldInput.h"
#include "ui/MessageCheck.h"
#include "ui/ProgramWindows.h"

#include "config/AddressBits.h"
#include "config/SettingsFile.h"
#include "dialogs/ScreenFit.h"
#include "transmitters/BoardWidgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

using namespace fbe;

namespace {

QScreen* screenNamed(const char* name)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == QLatin1String(name))
            return screen;
    }
    ADD_FAILURE() << "no screen " << name;
    return QGuiApplication::primaryScreen();
}

QScrollArea* scrollAreaOf(const QWidget* window)
{
    const ScreenFit* fit = ScreenFit::of(window);
    return fit ? fit->scrollArea() : nullptr;
}

// The controls of a window a user clicks, types into or reads through: buttons of every
// kind, entry fields and text areas that are shown.
QList<QWidget*> controlsOf(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
            || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextBrowser*>(w);
        if (control && w->isVisibleTo(window) && w->window() == window)
            controls << w;
    }
    return controls;
}

// Scrolls the area as a user would to see all of the control (as far as the view can hold it).
void scrollTo(QScrollArea* area, QWidget* control)
{
    const QRect r(control->mapTo(area->widget(), QPoint(0, 0)), control->size());
    const QSize view = area->viewport()->size();
    auto bring = [](QScrollBar* bar, int from, int to, int room) {
        // The least movement that shows from..to, its start first where it is longer.
        int v = bar->value();
        if (to - v > room)
            v = to - room;
        if (from < v)
            v = from;
        bar->setValue(qBound(bar->minimum(), v, bar->maximum()));
    };
    bring(area->horizontalScrollBar(), r.left(), r.right() + 1, view.width());
    bring(area->verticalScrollBar(), r.top(), r.bottom() + 1, view.height());
}

// Every control of the window can be seen: in a scroll area after scrolling to it, otherwise
// inside the window as it stands.
void expectEveryControlReachable(QWidget* window, const char* what)
{
    QScrollArea* area = scrollAreaOf(window);
    const QList<QWidget*> controls = controlsOf(window);
    ASSERT_GT(controls.size(), 0) << what;
    for (QWidget* c : controls) {
        QWidget* view = window;
        if (area && area->widget()->isAncestorOf(c)) {
            scrollTo(area, c);
            view = area->viewport();
        }
        // All of it, or, where it is larger than the view, as much as the view holds.
        const QRect seen(c->mapTo(view, QPoint(0, 0)), c->size());
        const QRect part = seen.intersected(view->rect());
        EXPECT_TRUE(part.width() == qMin(seen.width(), view->width())
                    && part.height() == qMin(seen.height(), view->height()))
            << what << ": " << c->objectName().toStdString() << " at " << seen.x() << ","
            << seen.y() << " " << seen.width() << "x" << seen.height() << " in "
            << view->width() << "x" << view->height();
    }
}

void expectOnFreeArea(const QWidget* window, const QScreen* screen, const char* what)
{
    const QRect area = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(area.contains(frame))
        << what << " on " << screen->name().toStdString() << ": " << frame.x() << ","
        << frame.y() << " " << frame.width() << "x" << frame.height() << " in " << area.width()
        << "x" << area.height();
}

struct ScreenTest : fbe::test::ProgramTest {
    // The program with its main window at the top left of the screen's free area.
    void showOn(QScreen* screen)
    {
        create();
        main->inittimer->stop();
        main->move(screen->availableGeometry().topLeft());
        main->show();
        // The scroll bars show or hide themselves when the event loop runs.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        ASSERT_EQ(main->screen(), screen);
    }

    void moveTo(QScreen* screen)
    {
        main->move(screen->availableGeometry().topLeft());
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        ASSERT_EQ(main->screen(), screen);
    }
};

// The dialogs that can be larger than a screen, by name.
QDialog* dialogIn(Forms& forms, const char* name)
{
    const QString n = QLatin1String(name);
    if (n == QLatin1String("FB1")) return forms.FB1;
    if (n == QLatin1String("FB2")) return forms.FB2;
    if (n == QLatin1String("FB4")) return forms.FB4;
    if (n == QLatin1String("FB3SVS")) return forms.FB3SVS;
    if (n == QLatin1String("FB16")) return forms.FB16;
    if (n == QLatin1String("Fsystem")) return forms.Fsystem;
    if (n == QLatin1String("FHelp")) return forms.FHelp;
    if (n == QLatin1String("FBselect")) return forms.FBselect;
    if (n == QLatin1String("FCode")) return forms.FCode;
    return nullptr;
}

const char* const LargeDialogs[] = {"FB1",     "FB2",   "FB4",      "FB3SVS", "FB16",
                                    "Fsystem", "FHelp", "FBselect", "FCode"};

}  // namespace

TEST_F(ScreenTest, MainWindowFitsEveryScreenAndNothingScrollsWhereItFits)
{
    const struct {
        const char* screen;
        bool horizontal;   // scroll bars the window needs there
        bool vertical;
    } cases[] = {
        {"1-gross", false, false},
        {"3-laptop", false, true},
        {"2-klein", true, true},
        {"4-winzig", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        QScreen* screen = screenNamed(c.screen);
        showOn(screen);
        expectOnFreeArea(main.get(), screen, "main window");
        QScrollArea* area = scrollAreaOf(main.get());
        if (!c.horizontal && !c.vertical) {
            // As designed, to the pixel: the client area itself is the central widget.
            EXPECT_EQ(area, nullptr);
            EXPECT_EQ(main->centralWidget()->objectName(), QStringLiteral("client"));
            EXPECT_EQ(main->centralWidget()->size(), QSize(795, 662));
        } else {
            ASSERT_NE(area, nullptr);
            EXPECT_EQ(area->widget()->objectName(), QStringLiteral("client"));
            EXPECT_EQ(area->widget()->size(), QSize(795, 662));
            EXPECT_EQ(area->horizontalScrollBar()->isVisible(), c.horizontal)
                << area->width() << "x" << area->height() << " viewport "
                << area->viewport()->width() << "x" << area->viewport()->height() << " range "
                << area->horizontalScrollBar()->maximum();
            EXPECT_EQ(area->verticalScrollBar()->isVisible(), c.vertical);
            // The window takes the free area in each direction that scrolls.
            const QRect free = screen->availableGeometry();
            if (c.vertical) {
                EXPECT_EQ(main->frameGeometry().height(), free.height());
            }
            if (c.horizontal) {
                EXPECT_EQ(main->frameGeometry().width(), free.width());
            }
        }
        expectEveryControlReachable(main.get(), "main window");
        stop();
    }
}

TEST_F(ScreenTest, TabScrollsTheControlItReachesIntoView)
{
    showOn(screenNamed("4-winzig"));
    QScrollArea* area = scrollAreaOf(main.get());
    ASSERT_NE(area, nullptr);
    main->activateWindow();
    main->pruefanzahl->setFocus(Qt::TabFocusReason);
    QWidget* first = QApplication::focusWidget();
    ASSERT_EQ(first, main->pruefanzahl);
    int visited = 0;
    do {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        const QRect seen(focus->mapTo(area->viewport(), QPoint(0, 0)), focus->size());
        EXPECT_TRUE(area->viewport()->rect().intersects(seen))
            << focus->objectName().toStdString();
        ++visited;
    } while (QApplication::focusWidget() != first && visited < 200);
    // The whole round: the send button and the read button are among the stops.
    EXPECT_LT(visited, 200);
    EXPECT_GT(visited, 10);
}

TEST_F(ScreenTest, DialogsFitTheScreenTheyOpenOn)
{
    for (const char* screenName : {"1-gross", "2-klein", "4-winzig"}) {
        QScreen* screen = screenNamed(screenName);
        showOn(screen);
        for (const char* name : LargeDialogs) {
            SCOPED_TRACE(std::string(screenName) + " " + name);
            QDialog* dialog = dialogIn(forms, name);
            ASSERT_NE(dialog, nullptr);
            const QSize design = dialog->size();
            cfg.slotBeingEdited = 1;
            bool shown = false;
            seam.answerNext([&](QDialog& d) {
                shown = true;
                ASSERT_EQ(d.screen(), screen);
                expectOnFreeArea(&d, screen, name);
                const QSize frame = d.frameGeometry().size() - d.size();
                const bool fits = design.width() + frame.width() <= screen->availableGeometry().width()
                    && design.height() + frame.height() <= screen->availableGeometry().height();
                if (fits) {
                    EXPECT_EQ(scrollAreaOf(&d), nullptr);
                    EXPECT_EQ(d.size(), design);
                }
                // Scrolled one way only where the other way has room for the content and the
                // scroll bar (FB16 on "4-winzig" is too wide only, FBselect on "2-klein" too
                // high only): no bar that way, and nothing cut off. The bars settle once the
                // window system has framed the window.
                if (QScrollArea* area = scrollAreaOf(&d)) {
                    QCoreApplication::processEvents();
                    QCoreApplication::processEvents();
                    const QSize content = area->widget()->size();
                    const QSize room = screen->availableGeometry().size() - frame;
                    const int bar = d.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &d);
                    if (content.height() + bar <= room.height()) {
                        EXPECT_FALSE(area->verticalScrollBar()->isVisible());
                        EXPECT_EQ(area->viewport()->height(), content.height());
                    }
                    if (content.width() + bar <= room.width()) {
                        EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
                        EXPECT_EQ(area->viewport()->width(), content.width());
                    }
                }
                expectEveryControlReachable(&d, name);
            });
            seam.showModal(*dialog);
            EXPECT_TRUE(shown);
            // Back on the large screen every dialog is as designed again.
            if (QLatin1String(screenName) == QLatin1String("1-gross")) {
                EXPECT_EQ(dialog->size(), design);
            }
        }
        stop();
    }
}

// A window taken to a smaller screen fits it; taken back, it is again exactly as designed:
// every control where it was, shown or hidden as before, in the same Tab order.
TEST_F(ScreenTest, BackOnALargeScreenEverythingIsAsDesigned)
{
    struct Snapshot {
        QList<QWidget*> order;
        QMap<QWidget*, QRect> places;     // in the window
        QMap<QWidget*, bool> shown;
        QSize size;
    };
    auto snapshot = [](QWidget* window) {
        Snapshot s;
        for (QWidget* w = window->nextInFocusChain(); w && w != window;
             w = w->nextInFocusChain()) {
            if (s.order.contains(w))
                break;
            if (w->focusPolicy() & Qt::TabFocus)
                s.order << w;
        }
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->window() != window)
                continue;
            s.places.insert(w, QRect(w->mapTo(window, QPoint(0, 0)), w->size()));
            s.shown.insert(w, w->isVisibleTo(window));
        }
        s.size = window->size();
        return s;
    };
    auto expectSame = [](const Snapshot& a, const Snapshot& b) {
        EXPECT_EQ(a.order, b.order);
        EXPECT_EQ(a.size, b.size);
        ASSERT_EQ(a.places.keys(), b.places.keys());
        for (QWidget* w : a.places.keys()) {
            EXPECT_EQ(a.shown.value(w), b.shown.value(w)) << w->objectName().toStdString();
            if (a.shown.value(w)) {
                EXPECT_EQ(a.places.value(w), b.places.value(w)) << w->objectName().toStdString();
            }
        }
    };

    QScreen* large = screenNamed("1-gross");
    QScreen* small = screenNamed("4-winzig");
    showOn(large);
    main->MProgClick();   // the programming panel, so that hidden and shown parts differ
    const Snapshot mainBefore = snapshot(main.get());
    moveTo(small);
    ASSERT_NE(scrollAreaOf(main.get()), nullptr);
    EXPECT_LE(main->frameGeometry().width(), small->availableGeometry().width());
    EXPECT_LE(main->frameGeometry().height(), small->availableGeometry().height());
    moveTo(large);
    EXPECT_EQ(scrollAreaOf(main.get()), nullptr);
    expectSame(mainBefore, snapshot(main.get()));

    // A dialog: opened on the large screen, on the small one, and on the large one again.
    QDialog* svs = forms.FB3SVS;
    Snapshot svsBefore;
    seam.answerNext([&](QDialog& d) { svsBefore = snapshot(&d); });
    seam.showModal(*svs);
    moveTo(small);
    seam.answerNext([&](QDialog& d) { EXPECT_NE(scrollAreaOf(&d), nullptr); });
    seam.showModal(*svs);
    moveTo(large);
    seam.answerNext([&](QDialog& d) {
        EXPECT_EQ(scrollAreaOf(&d), nullptr);
        expectSame(svsBefore, snapshot(&d));
    });
    seam.showModal(*svs);
}

// The three-position switches of the SVS transmitter go left or right by the half of the
// switch the pointer hits, wherever the scrolled view shows the switch.
TEST_F(ScreenTest, SvsSwitchTakesTheHalfClickedInAScrolledDialog)
{
    showOn(screenNamed("4-winzig"));
    auto* d = forms.FB3SVS;
    const int n = 3;
    const quint64 middle = quint64(1) << 30;   // switch 3 in the middle (bits 31, 30 = 0, 1)
    for (const bool leftHalf : {true, false}) {
        for (const double part : {0.0, 0.5, 1.0}) {
            SCOPED_TRACE(std::string(leftHalf ? "left" : "right") + " half, scrolled "
                         + std::to_string(part));
            cfg.slotBeingEdited = 2;
            cfg.codes[2].address = middle;
            seam.answerNext([&](QDialog&) {
                QScrollArea* area = scrollAreaOf(d);
                ASSERT_NE(area, nullptr);
                QScrollBar* h = area->horizontalScrollBar();
                ASSERT_GT(h->maximum(), 0);
                h->setValue(int(h->maximum() * part));
                scrollTo(area, d->SB[n]);
                PictureButton* sw = d->SB[n];
                const QPoint inSwitch(leftHalf ? sw->width() / 4 : sw->width() * 3 / 4,
                                      sw->height() / 2);
                const QPoint inWindow = sw->mapTo(d, inSwitch);
                ASSERT_EQ(d->childAt(inWindow), sw);
                QTest::mouseClick(d->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
                EXPECT_EQ(addr::svsPosition(d->address(), n),
                          leftHalf ? addr::SvsPosition::Left : addr::SvsPosition::Right);
            });
            seam.showModal(*d);
        }
    }
}

TEST_F(ScreenTest, KeptPositionsComeOntoTheFreeArea)
{
    QScreen* large = screenNamed("1-gross");
    QScreen* small = screenNamed("2-klein");
    const QRect big = large->availableGeometry();
    const QRect little = small->availableGeometry();

    // Where a window of a given outer size is put, by the place it was kept at.
    const QSize outer(500, 400);
    const struct {
        QPoint kept;
        QPoint placed;
    } places[] = {
        {{100, 100}, {100, 100}},                                          // wholly on
        {{big.right() - 100, 700}, {big.right() + 1 - 500, 700}},          // off the right
        {{300, big.bottom() - 50}, {300, big.bottom() + 1 - 400}},         // off the bottom
        {{-200, -100}, {0, 0}},                                            // off the top left
        {{little.left() + 300, 10}, {little.right() + 1 - 500, 10}},       // mostly on the small one
        {{1950, 10}, {little.left(), 10}},                                 // in the gap, mostly small
        {{7000, 5000}, {6000, 0}},   // off every screen: the nearest, larger than it: its corner
    };
    for (const auto& p : places)
        EXPECT_EQ(ScreenFit::placeOnScreen(p.kept, outer), p.placed)
            << p.kept.x() << "," << p.kept.y();

    // Start-up with kept positions: the main window half off the small screen, the help
    // window half off the bottom right of the large one.
    Settings s;
    s.askLastFile = false;
    s.workingFolder = QDir::toNativeSeparators(dir.path());
    s.positions.main = little.topLeft() + QPoint(300, 200);
    s.positions.help = big.bottomRight() - QPoint(300, 200);
    s.positions.present.fill(true);
    ASSERT_TRUE(writeSettingsFile(dir.filePath(QStringLiteral("fbe_ini.ini")), s, nullptr));
    create();
    main->inittimer->stop();
    main->inittimerTimer();
    QCoreApplication::processEvents();
    ASSERT_TRUE(main->isVisible());
    EXPECT_EQ(main->screen(), small);
    expectOnFreeArea(main.get(), small, "main window");
    EXPECT_NE(scrollAreaOf(main.get()), nullptr);
    bool shown = false;
    seam.answerNext([&](QDialog& d) {
        shown = true;
        EXPECT_EQ(d.screen(), large);
        expectOnFreeArea(&d, large, "help window");
        // Brought in as far as needed (with the allowance for a frame not known before the
        // window was first shown), no further.
        EXPECT_LE(big.right() - d.frameGeometry().right(), 8);
        EXPECT_LE(big.bottom() - d.frameGeometry().bottom(), 36);
    });
    main->MhilfeClick();
    EXPECT_TRUE(shown);
}

// A window of fixed size never shown yet is measured by that size, whatever its layout would
// ask for: the question (its layout asks for more height than it has) kept at the bottom of
// the screen stays where it was kept.
TEST_F(ScreenTest, AWindowOfFixedSizeIsMeasuredByItsSize)
{
    create();
    const QRect area = screenNamed("1-gross")->availableGeometry();
    for (QWidget* w : std::initializer_list<QWidget*>{forms.Fask, forms.Finfo, forms.FHelp}) {
        ASSERT_EQ(w->minimumSize(), w->maximumSize()) << w->objectName().toStdString();
        const QSize outer = ScreenFit::outerSize(w);
        EXPECT_EQ(outer, w->size().grownBy(ScreenFit::frameMargins(w)))
            << w->objectName().toStdString();
        const QPoint kept(100, area.bottom() + 1 - outer.height());
        EXPECT_EQ(ScreenFit::placeOnScreen(kept, outer), kept) << w->objectName().toStdString();
    }
}

// Eight used codes of a 40-bit file, the code length set to 10, at 100 % and at 200 %: the
// message naming the limited addresses wraps between its items only, in from the frame.
TEST_F(ScreenTest, LimitedAddressesWrapBetweenTheirItemsAtEveryScale)
{
    const quint64 addresses[] = {1099511627775ULL, 1099508627766ULL, 5000, 1099500000000ULL,
                                 2047, 1099511620000ULL, 4096, 1099000000000ULL};
    for (const char* name : {"1-gross", "2-klein"}) {
        SCOPED_TRACE(name);
        ASSERT_NO_FATAL_FAILURE(showOn(screenNamed(name)));
        cfg.activeType = typ::Uni16;
        cfg.current() = cfg.types[typ::Uni16];
        for (int n = 1; n <= 8; ++n)
            cfg.codes[size_t(n)] = {addresses[n - 1], true, false, false, false, FnEin, 1, false, 0};
        main->FormPaint();
        fbe::test::leave(main->bitanzahl, QStringLiteral("10"));
        QCoreApplication::processEvents();
        ASSERT_EQ(main->infoLines().size(), 3);
        EXPECT_GE(fbe::test::expectListsWrapBetweenItems(
                      main->Info, {QStringLiteral(" Adressen begrenzt: "),
                                   QString::fromUtf8(" gleiche Adresse: ")}),
                  2);
        stop();
    }
}
