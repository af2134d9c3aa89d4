// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The program on any desktop: a dark desktop theme leaves the windows in the colours of their
// design; the menu commands have the keyboard shortcuts desktop users expect.
#include "FakeSeam.h"
#include "ProgramWindows.h"

#include "dialogs/FixedPalette.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>
#include <cmath>
#include <memory>

using namespace fbe;
using fbe::test::FakeSeam;

namespace {

// The windows of the program, created in the program entry's order.
struct Program {
    Configuration cfg;
    FakeSeam seam;
    Forms forms;
    std::unique_ptr<TFFBmain> main;

    Program() : main(fbe::test::createWindows(cfg, seam, forms)) { main->inittimer->stop(); }
};

// A dark desktop theme, as a desktop hands it to the program: for the application, for the
// kinds of control that themes colour separately, and for the tool tips.
QPalette darkTheme()
{
    QPalette d;
    const QColor window(53, 53, 53), base(35, 35, 35), light(220, 220, 220), dim(120, 120, 120);
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = g == QPalette::Disabled;
        d.setColor(g, QPalette::Window, window);
        d.setColor(g, QPalette::WindowText, off ? dim : light);
        d.setColor(g, QPalette::Base, base);
        d.setColor(g, QPalette::AlternateBase, window);
        d.setColor(g, QPalette::Text, off ? dim : light);
        d.setColor(g, QPalette::Button, window);
        d.setColor(g, QPalette::ButtonText, off ? dim : light);
        d.setColor(g, QPalette::Light, QColor(80, 80, 80));
        d.setColor(g, QPalette::Midlight, QColor(70, 70, 70));
        d.setColor(g, QPalette::Mid, QColor(40, 40, 40));
        d.setColor(g, QPalette::Dark, QColor(20, 20, 20));
        d.setColor(g, QPalette::Shadow, Qt::black);
        d.setColor(g, QPalette::Highlight, QColor(42, 130, 218));
        d.setColor(g, QPalette::HighlightedText, Qt::black);
        d.setColor(g, QPalette::ToolTipBase, QColor(25, 25, 25));
        d.setColor(g, QPalette::ToolTipText, light);
        d.setColor(g, QPalette::PlaceholderText, dim);
    }
    return d;
}

void useDarkTheme()
{
    const QPalette dark = darkTheme();
    QApplication::setPalette(dark);
    for (const char* kind : {"QLineEdit", "QCheckBox", "QRadioButton", "QAbstractButton",
                             "QTextEdit", "QLabel", "QMenu", "QMenuBar"})
        QApplication::setPalette(dark, kind);
    QToolTip::setPalette(dark);
}

// What a user sees of an entry field or check box: its text and its background (for a
// check box its caption, the box and the tick), in the state the control is in.
struct Look {
    QString control;
    QList<QColor> colours;
};

QList<Look> looksOf(const QList<QWidget*>& windows)
{
    QList<Look> looks;
    for (QWidget* window : windows) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            QList<QPalette::ColorRole> roles;
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w))
                roles = {QPalette::Text, QPalette::Base};
            else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
                roles = {QPalette::WindowText, QPalette::Base, QPalette::Text};
            else
                continue;
            Look look;
            look.control = window->objectName() + QLatin1Char('/') + w->objectName();
            const QPalette p = w->palette();
            for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                for (const QPalette::ColorRole r : roles)
                    look.colours << p.color(g, r);
            looks << look;
        }
    }
    return looks;
}

// The main window, the code editor and one address dialog, as they look on the desktop the
// application has now.
QList<Look> programLooks()
{
    Program p;
    return looksOf({p.main.get(), p.forms.FCode, p.forms.FB4});
}

int differences(const QList<Look>& a, const QList<Look>& b)
{
    EXPECT_EQ(a.size(), b.size());
    int n = 0;
    for (qsizetype i = 0; i < qMin(a.size(), b.size()); ++i) {
        EXPECT_EQ(a[i].control, b[i].control);
        n += a[i].colours != b[i].colours;
    }
    return n;
}

}  // namespace

TEST(DesktopTest, DarkDesktopThemeKeepsTheDesignColours)
{
    const QPalette before = QApplication::palette();
    // The design: the windows on a light desktop.
    useFixedPalette();
    const QList<Look> design = programLooks();
    ASSERT_GT(design.size(), 50);

    // A dark desktop theme alone darkens them (so that the comparison below means something).
    useDarkTheme();
    EXPECT_GT(differences(design, programLooks()), 10);

    // Started on a dark desktop, the program sets its own palette before creating its windows:
    // every entry field and check box looks as designed.
    useDarkTheme();
    useFixedPalette();
    const QList<Look> started = programLooks();
    EXPECT_EQ(differences(design, started), 0);
    for (qsizetype i = 0; i < qMin(design.size(), started.size()); ++i)
        EXPECT_EQ(design[i].colours, started[i].colours) << design[i].control.toStdString();

    // In words: entry fields white with black text, a disabled check box light.
    Program p;
    EXPECT_EQ(p.main->pruefanzahl->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(p.main->pruefanzahl->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(p.forms.FCode->findChild<QLineEdit*>()->palette().color(QPalette::Active, QPalette::Base),
              QColor(Qt::white));
    EXPECT_GT(p.main->CBvr21->palette().color(QPalette::Disabled, QPalette::Base).lightness(), 200);
    EXPECT_EQ(QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipText), QColor(Qt::black));

    // The desktop's theme changes while the program runs: the toolkit takes the new theme's
    // colours and tells the windows; the program sets its own again.
    useDarkTheme();
    QEvent themeChange(QEvent::ThemeChange);
    QApplication::sendEvent(p.main.get(), &themeChange);
    QApplication::processEvents();
    EXPECT_EQ(differences(design, programLooks()), 0);

    // The other tests keep the light desktop they started with.
    QApplication::setPalette(before);
    useFixedPalette();
}

// A scroll bar's handle stands out from its track, a luminance contrast of 3:1 or more, at
// 100 %, 125 % and 200 %.
TEST(DesktopTest, ScrollBarHandlesStandOutFromTheirTrack)
{
    useFixedPalette();
    auto luminance = [](const QColor& c) {
        auto lin = [](double v) { return v < 0.04 ? v / 12.92 : std::pow((v + .055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    for (const double scale : {1.0, 1.25, 2.0}) {
        QScrollBar bar(Qt::Vertical);
        bar.setPageStep(20);
        bar.resize(16, 200);
        QImage image(bar.size() * scale, QImage::Format_ARGB32);
        image.setDevicePixelRatio(scale);
        bar.render(&image);
        // At 0 the handle follows the upper arrow; the track lies above the lower one.
        const QColor handle = image.pixelColor(8 * scale, 30 * scale);
        const QColor track = image.pixelColor(8 * scale, 150 * scale);
        EXPECT_GE((luminance(track) + 0.05) / (luminance(handle) + 0.05), 3.0) << scale;
    }
}

// The menu bar's extension button, shown where the menus do not fit, shows the style's
// icon (made only when it is first drawn).
TEST(DesktopTest, MenuBarExtensionShowsTheStylesIcon)
{
    useFixedPalette();
    QMainWindow window;
    for (const char* title : {"&Datei", "&Kommunikation", "&Einstellungen", "&Hilfe"})
        window.menuBar()->addMenu(QLatin1String(title));
    window.resize(60, 80);
    window.show();
    QCoreApplication::processEvents();
    auto* extension = window.menuBar()->findChild<QToolButton*>(
        QStringLiteral("qt_menubar_ext_button"));
    ASSERT_NE(extension, nullptr);
    EXPECT_TRUE(extension->isVisible());
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QIcon expected = fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    EXPECT_FALSE(extension->icon().isNull());
    EXPECT_EQ(extension->icon().pixmap(QSize(16, 16)).toImage(),
              expected.pixmap(QSize(16, 16)).toImage());
}

namespace {

// "&Ende" writes the settings file in the test's own working folder.
struct ShortcutTest : fbe::test::ProgramTest {};

}  // namespace

TEST_F(ShortcutTest, EachShortcutRunsItsMenuCommand)
{
    const struct {
        const char* action;
        QString text;      // the menu item, unchanged
        int key;
        Qt::KeyboardModifiers modifiers;
        QString shown;     // beside the item
    } shortcuts[] = {
        {"MNew", QStringLiteral("Datei &neu"), Qt::Key_N, Qt::ControlModifier, QStringLiteral("Ctrl+N")},
        {"Mopen", QStringLiteral("Datei &laden"), Qt::Key_O, Qt::ControlModifier, QStringLiteral("Ctrl+O")},
        {"Msave", QStringLiteral("Datei &speichern"), Qt::Key_S, Qt::ControlModifier, QStringLiteral("Ctrl+S")},
        {"Mdrucken", QStringLiteral("&Drucken ..."), Qt::Key_P, Qt::ControlModifier, QStringLiteral("Ctrl+P")},
        {"Mhilfe", QStringLiteral("&Help"), Qt::Key_F1, Qt::NoModifier, QStringLiteral("F1")},
        {"Mexit", QStringLiteral("&Ende"), Qt::Key_Q, Qt::ControlModifier, QStringLiteral("Ctrl+Q")},
    };

    create();
    main->inittimer->stop();
    main->show();
    main->activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), main.get());
    for (const auto& s : shortcuts) {
        auto* action = main->findChild<QAction*>(QLatin1String(s.action));
        ASSERT_NE(action, nullptr) << s.action;
        EXPECT_EQ(action->text(), s.text);
        EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText), s.shown);
    }

    // Ctrl+N with a changed configuration: the question, "NEIN !", a new configuration.
    cfg.projectName = QStringLiteral("Halle 3");
    answerNEIN();
    QTest::keyClick(main.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(seam.modalShows.size(), 1u);
    EXPECT_EQ(seam.modalShows.back().window, forms.Fask);
    EXPECT_EQ(cfg.projectName, QStringLiteral("-Projektname-"));

    // Ctrl+O and Ctrl+S: the open and the save dialog (cancelled).
    QTest::keyClick(main.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(main.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(seam.fileDialogCaptions,
              (QStringList{QStringLiteral("Datei laden"), QStringLiteral("Datei speichern als...")}));

    // Ctrl+P: the print dialog (cancelled).
    QTest::keyClick(main.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(seam.printDialogs, 1);

    // F1: the help window; typed in an entry field as well.
    QTest::keyClick(main.get(), Qt::Key_F1);
    main->pruefanzahl->setFocus();
    QTest::keyClick(main->pruefanzahl, Qt::Key_F1);
    ASSERT_EQ(seam.modalShows.size(), 3u);
    EXPECT_EQ(seam.modalShows[1].window, forms.FHelp);
    EXPECT_EQ(seam.modalShows[2].window, forms.FHelp);

    // Ctrl+Q: the program ends (nothing changed since the new configuration: no question).
    QTest::keyClick(main.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(seam.modalShows.size(), 3u);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("fbe_ini.ini"))));
}
