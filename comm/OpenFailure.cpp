#include "comm/OpenFailure.h"

#include <QFileInfo>

namespace fbe {

namespace {

// A modem manager probes new ttyACM devices (CDC ACM adapters look like modems to it) and
// holds them for a few seconds or for good.
bool modemManagerMayHoldIt(const QString& path)
{
#ifdef Q_OS_LINUX
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    const QString name = QFileInfo(canonical.isEmpty() ? path : canonical).fileName();
    return name.startsWith(QLatin1String("ttyACM"));
#else
    Q_UNUSED(path);
    return false;
#endif
}

}  // namespace

QString OpenFailure::reason() const
{
    switch (kind) {
    case None:
        return {};
    case Missing:
        return QStringLiteral("Gerät nicht vorhanden");
    case Permission:
#ifdef Q_OS_LINUX
        return QStringLiteral("keine Berechtigung (Benutzer in die Gruppe dialout aufnehmen "
                              "und neu anmelden)");
#else
        return QStringLiteral("keine Berechtigung");
#endif
    case Busy:
        return modemManagerMayHoldIt(path)
                   ? QStringLiteral("von einem anderen Programm belegt (evtl. ModemManager)")
                   : QStringLiteral("von einem anderen Programm belegt");
    case Other:
        break;
    }
    return QStringLiteral("Fehler beim Öffnen (") + systemText + QLatin1Char(')');
}

QString OpenFailure::line() const
{
    if (kind == None)
        return {};
    return QLatin1Char(' ') + path + QStringLiteral(": ") + reason();
}

}  // namespace fbe
