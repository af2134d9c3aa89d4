// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "comm/PortNames.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace fbe {

int portNumberFromName(const QString& name)
{
    if (name == QLatin1String("COM2"))
        return 2;
    if (name == QLatin1String("COM3"))
        return 3;
    if (name == QLatin1String("COM4"))
        return 4;
    return 1;
}

QString comDevicePath(int number)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    const QByteArray variable = "FBE_COM" + QByteArray::number(number);
    const QString configured = qEnvironmentVariable(variable.constData());
    if (!configured.isEmpty())
        return configured;
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

QString comPortHint(const QString& name)
{
    return QCoreApplication::translate("fbe::PortNames",
                                       "derzeit benützte serielle Schnittstelle (%1)")
        .arg(comDevicePath(portNumberFromName(name)));
}

}  // namespace fbe
