// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "comm/OpenFailure.h"

#include "config/Language.h"

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

// Each reason with its line below a message, German.
enum ReasonText { MissingText, PermissionLinuxText, PermissionText, BusyModemText, BusyText,
                  OtherText, TextCount };
const char* const Texts[TextCount][2] = {
    {QT_TRANSLATE_NOOP("fbe::OpenFailure", "Gerät nicht vorhanden"),
     QT_TRANSLATE_NOOP("fbe::OpenFailure", " %1: Gerät nicht vorhanden")},
    {QT_TRANSLATE_NOOP("fbe::OpenFailure", "keine Berechtigung (Benutzer in die Gruppe dialout aufnehmen und neu anmelden)"),
     QT_TRANSLATE_NOOP("fbe::OpenFailure", " %1: keine Berechtigung (Benutzer in die Gruppe dialout aufnehmen und neu anmelden)")},
    {QT_TRANSLATE_NOOP("fbe::OpenFailure", "keine Berechtigung"),
     QT_TRANSLATE_NOOP("fbe::OpenFailure", " %1: keine Berechtigung")},
    {QT_TRANSLATE_NOOP("fbe::OpenFailure", "von einem anderen Programm belegt (evtl. ModemManager)"),
     QT_TRANSLATE_NOOP("fbe::OpenFailure", " %1: von einem anderen Programm belegt (evtl. ModemManager)")},
    {QT_TRANSLATE_NOOP("fbe::OpenFailure", "von einem anderen Programm belegt"),
     QT_TRANSLATE_NOOP("fbe::OpenFailure", " %1: von einem anderen Programm belegt")},
    {QT_TRANSLATE_NOOP("fbe::OpenFailure", "Fehler beim Öffnen (%1)"),
     QT_TRANSLATE_NOOP("fbe::OpenFailure", " %1: Fehler beim Öffnen (%2)")},
};

}  // namespace

namespace {

int textOf(const OpenFailure& f)
{
    switch (f.kind) {
    case OpenFailure::None:
        return -1;
    case OpenFailure::Missing:
        return MissingText;
    case OpenFailure::Permission:
#ifdef Q_OS_LINUX
        return PermissionLinuxText;
#else
        return PermissionText;
#endif
    case OpenFailure::Busy:
        return modemManagerMayHoldIt(f.path) ? BusyModemText : BusyText;
    case OpenFailure::Other:
        break;
    }
    return OtherText;
}

}  // namespace

QString OpenFailure::reason() const
{
    const int text = textOf(*this);
    if (text < 0)
        return {};
    const QString german = QString::fromUtf8(Texts[text][0]);
    return text == OtherText ? german.arg(systemText) : german;
}

QString OpenFailure::line() const
{
    const int text = textOf(*this);
    if (text < 0)
        return {};
    const QString german = QString::fromUtf8(Texts[text][1]);
    return text == OtherText ? german.arg(path, systemText) : german.arg(path);
}

QString OpenFailure::shown(const QString& text)
{
    const char* const context = "fbe::OpenFailure";
    QString out = text;
    for (const auto& pair : Texts) {
        for (const char* source : pair) {
            const QString line = language::translateLine(context, text, {source});
            if (line != text)
                return line;
        }
    }
    return out;
}

}  // namespace fbe
