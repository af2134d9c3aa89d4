// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/StartOptions.h"

#include "config/Maker.h"
#include "config/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace fbe {

bool isToolkitOption(const QString& arg, bool* takesValue)
{
    // The options of QGuiApplication, QApplication and the X11 platform, as Qt documents
    // them; Qt accepts each with one dash or two.
    static const char* const withValue[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
        "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display",
        "geometry", "title", "icon", "name", "visual"};
    static const char* const alone[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    static const char* const joined[] = {"style=", "stylesheet=", "qmljsdebugger="};
    *takesValue = false;
    QString name = arg;
    if (name.startsWith(QLatin1String("--")))
        name.remove(0, 1);
    if (!name.startsWith(QLatin1Char('-')))
        return false;
    name.remove(0, 1);
    for (const char* o : withValue) {
        if (name == QLatin1String(o)) {
            *takesValue = true;
            return true;
        }
    }
    for (const char* o : alone) {
        if (name == QLatin1String(o))
            return true;
    }
    for (const char* o : joined) {
        if (name.startsWith(QLatin1String(o)))
            return true;
    }
    return false;
}

StartOptions parseStartOptions(const QStringList& arguments, ToolkitOptions toolkit)
{
    // The whole line is read even after a fault, so --version and --help are found
    // wherever they stand.
    StartOptions o;
    bool optionsEnd = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        bool takesValue = false;
        if (!optionsEnd && toolkit == ToolkitOptions::Skipped && isToolkitOption(a, &takesValue)) {
            if (takesValue)
                ++i;
        } else if (!optionsEnd && a == QLatin1String("--")) {
            optionsEnd = true;
        } else if (!optionsEnd && a == QLatin1String("--desktop")) {
            o.desktop = true;
        } else if (!optionsEnd && (a == QLatin1String("--version") || a == QLatin1String("-v"))) {
            o.version = true;
        } else if (!optionsEnd && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            o.help = true;
        } else if (!optionsEnd && a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            if (o.error.isEmpty())
                o.error = QCoreApplication::translate("StartOptions", "unbekannte Option %1").arg(a);
        } else if (a.isEmpty()) {
            // A desktop that passes an empty %f: no file.
        } else if (o.file.isEmpty()) {
            o.file = QDir::toNativeSeparators(QFileInfo(a).absoluteFilePath());
        } else if (o.error.isEmpty()) {
            o.error = QCoreApplication::translate("StartOptions", "nur eine Datei kann geladen werden: %1")
                          .arg(a);
        }
    }
    return o;
}

QString startUsage()
{
    //: the help of "fbe --help"; FILE in capitals as the command line's placeholder
    return QCoreApplication::translate(
        "StartOptions",
        "Aufruf: fbe [--desktop] [DATEI]\n"
        "\n"
        "  DATEI        lädt die Konfiguration DATEI beim Start, ohne nach der Datei der\n"
        "               letzten Sitzung zu fragen.\n"
        "  --desktop    Einstellungsdatei und Arbeitsordner in $XDG_DATA_HOME/fbe\n"
        "               (sonst ~/.local/share/fbe), wie beim Start aus dem Menü.\n"
        "  --version    zeigt die Version und die Lizenz.\n"
        "  --help       zeigt diese Hilfe.\n");
}

QString versionText(const QString& program)
{
    return program + QLatin1Char(' ') + programVersion() + QLatin1Char('\n')
           + QStringLiteral("Copyright (C) %1 %2\n")
                 .arg(QStringLiteral(FBE_COPYRIGHT_YEARS), QString::fromUtf8(maker::Company))
           + QCoreApplication::translate(
                 "StartOptions",
                 "Lizenz GPLv3+: GNU GPL Version 3 oder neuer "
                 "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
                 "Dies ist freie Software: Sie dürfen sie ändern und weitergeben.\n"
                 "Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.\n");
}

QString desktopFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is invalid and ignored, as XDG prescribes.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/fbe"));
}

bool enterDesktopFolder(QString* error)
{
    const QString folder = desktopFolder();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QCoreApplication::translate("StartOptions", "Ordner %1 kann nicht angelegt werden")
                         .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    if (!QDir::setCurrent(folder)) {
        if (error)
            *error = QCoreApplication::translate("StartOptions", "Ordner %1 kann nicht geöffnet werden")
                         .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    return true;
}

}  // namespace fbe
