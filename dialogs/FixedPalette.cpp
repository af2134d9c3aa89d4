#include "dialogs/FixedPalette.h"

#include <QApplication>
#include <QEvent>
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

void apply()
{
    const QPalette palette = fixedPalette();
    // A new application palette drops the kinds' palettes of the theme; set again (after a
    // theme change) it is no change and drops nothing, so the kinds get it one by one.
    QApplication::setPalette(palette);
    for (const char* kind : ThemedKinds)
        QApplication::setPalette(palette, kind);
    QToolTip::setPalette(palette);
}

// A desktop theme changed while the program runs: the application sets its colours again,
// once the toolkit has taken the new theme's.
class ThemeWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == qApp && event->type() == QEvent::ThemeChange)
            QTimer::singleShot(0, this, &apply);
        return false;
    }
};

}  // namespace

QPalette fixedPalette()
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor grey(239, 239, 239);          // windows and buttons
    const QColor greyText(190, 190, 190);      // text of disabled controls

    QPalette p;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, black);
        p.setColor(group, QPalette::Button, grey);
        p.setColor(group, QPalette::Light, white);
        p.setColor(group, QPalette::Midlight, QColor(202, 202, 202));
        p.setColor(group, QPalette::Dark, QColor(159, 159, 159));
        p.setColor(group, QPalette::Mid, QColor(184, 184, 184));
        p.setColor(group, QPalette::Text, black);
        p.setColor(group, QPalette::BrightText, white);
        p.setColor(group, QPalette::ButtonText, black);
        p.setColor(group, QPalette::Base, white);
        p.setColor(group, QPalette::Window, grey);
        p.setColor(group, QPalette::Shadow, QColor(118, 118, 118));
        p.setColor(group, QPalette::Highlight, QColor(48, 140, 198));
        p.setColor(group, QPalette::HighlightedText, white);
        p.setColor(group, QPalette::Link, QColor(0, 0, 255));
        p.setColor(group, QPalette::LinkVisited, QColor(255, 0, 255));
        p.setColor(group, QPalette::AlternateBase, QColor(247, 247, 247));
        p.setColor(group, QPalette::NoRole, black);
        p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
        p.setColor(group, QPalette::ToolTipText, black);
        p.setColor(group, QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    }
    const QPalette::ColorGroup off = QPalette::Disabled;
    p.setColor(off, QPalette::WindowText, greyText);
    p.setColor(off, QPalette::Button, grey);
    p.setColor(off, QPalette::Light, white);
    p.setColor(off, QPalette::Midlight, QColor(202, 202, 202));
    p.setColor(off, QPalette::Dark, greyText);
    p.setColor(off, QPalette::Mid, QColor(184, 184, 184));
    p.setColor(off, QPalette::Text, greyText);
    p.setColor(off, QPalette::BrightText, white);
    p.setColor(off, QPalette::ButtonText, greyText);
    p.setColor(off, QPalette::Base, grey);
    p.setColor(off, QPalette::Window, grey);
    p.setColor(off, QPalette::Shadow, QColor(177, 177, 177));
    p.setColor(off, QPalette::Highlight, QColor(145, 145, 145));
    p.setColor(off, QPalette::HighlightedText, white);
    p.setColor(off, QPalette::Link, QColor(0, 0, 255));
    p.setColor(off, QPalette::LinkVisited, QColor(255, 0, 255));
    p.setColor(off, QPalette::AlternateBase, QColor(247, 247, 247));
    p.setColor(off, QPalette::NoRole, black);
    p.setColor(off, QPalette::ToolTipBase, QColor(255, 255, 220));
    p.setColor(off, QPalette::ToolTipText, black);
    p.setColor(off, QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    return p;
}

void useFixedPalette()
{
    apply();
    const QString watchName = QStringLiteral("fixedPaletteThemeWatch");
    if (!qApp->findChild<QObject*>(watchName, Qt::FindDirectChildrenOnly)) {
        auto* watch = new ThemeWatch(qApp);
        watch->setObjectName(watchName);
        qApp->installEventFilter(watch);
    }
}

}  // namespace fbe
