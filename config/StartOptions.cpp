#include "config/StartOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace fbe {

StartOptions parseStartOptions(const QStringList& arguments)
{
    // The whole line is read even after a fault, so --version and --help are found
    // wherever they stand.
    StartOptions o;
    bool optionsEnd = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (!optionsEnd && a == QLatin1String("--")) {
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
        "  --version    zeigt die Version.\n"
        "  --help       zeigt diese Hilfe.\n");
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
