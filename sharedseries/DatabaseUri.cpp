// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sharedseries/DatabaseUri.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <QUrl>
#include <QUrlQuery>

namespace fbe::series {

namespace {

// The texts of the shared series, in the language in use.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SharedSeries)
};

QString decoded(const QString& part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

QString encoded(const QString& part, const QByteArray& keep = {})
{
    return QString::fromLatin1(QUrl::toPercentEncoding(part, keep));
}

// A value as libpq's connection string takes it: quoted when it holds a blank, a quote or a
// backslash, quotes and backslashes escaped.
QString conninfoValue(const QString& value)
{
    if (!value.isEmpty() && !value.contains(QLatin1Char(' ')) && !value.contains(QLatin1Char('\''))
        && !value.contains(QLatin1Char('\\')))
        return value;
    QString v = value;
    v.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    v.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

// The keywords the URI's parts stand for; the query may set them as well.
enum class Part { None, Host, Port, Database, User, Password, Station };
Part partOf(const QString& key)
{
    if (key == QLatin1String("host"))
        return Part::Host;
    if (key == QLatin1String("port"))
        return Part::Port;
    if (key == QLatin1String("dbname"))
        return Part::Database;
    if (key == QLatin1String("user"))
        return Part::User;
    if (key == QLatin1String("password"))
        return Part::Password;
    if (key == QLatin1String("application_name"))
        return Part::Station;
    return Part::None;
}

}  // namespace

DatabaseTarget parseDatabaseUri(const QString& text)
{
    DatabaseTarget t;
    const QString uri = text.trimmed();
    QString rest;
    for (const char* scheme : {"postgresql://", "postgres://"}) {
        if (uri.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            rest = uri.mid(qsizetype(qstrlen(scheme)));
    }
    if (rest.isNull() && !uri.isEmpty()) {
        t.error = Text::tr("keine PostgreSQL-URI (postgresql://benutzer@server:port/datenbank)");
        return t;
    }
    if (uri.isEmpty()) {
        t.error = Text::tr("keine Produktionsdatenbank eingestellt");
        return t;
    }

    // The fragment is no part of a connection; the query follows the first "?".
    rest = rest.section(QLatin1Char('#'), 0, 0);
    const qsizetype q = rest.indexOf(QLatin1Char('?'));
    const QString query = q < 0 ? QString() : rest.mid(q + 1);
    if (q >= 0)
        rest.truncate(q);
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    QString authority = slash < 0 ? rest : rest.left(slash);
    if (slash >= 0)
        t.database = decoded(rest.mid(slash + 1));

    const qsizetype at = authority.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString userInfo = authority.left(at);
        authority = authority.mid(at + 1);
        const qsizetype colon = userInfo.indexOf(QLatin1Char(':'));
        t.user = decoded(colon < 0 ? userInfo : userInfo.left(colon));
        if (colon >= 0)
            t.password = decoded(userInfo.mid(colon + 1));
    }

    // host[:port] parts separated by ","; an IPv6 address in brackets.
    QStringList hosts;
    QStringList ports;
    bool anyPort = false;
    if (!authority.isEmpty()) {
        for (const QString& spec : authority.split(QLatin1Char(','))) {
            QString host = spec;
            QString port;
            if (spec.startsWith(QLatin1Char('['))) {
                const qsizetype close = spec.indexOf(QLatin1Char(']'));
                if (close < 0) {
                    t.error = Text::tr("IPv6-Adresse ohne \"]\": %1").arg(spec);
                    return t;
                }
                host = spec.mid(1, close - 1);
                const QString after = spec.mid(close + 1);
                if (after.startsWith(QLatin1Char(':')))
                    port = after.mid(1);
                else if (!after.isEmpty()) {
                    t.error = Text::tr("unverständlicher Server: %1").arg(spec);
                    return t;
                }
            } else if (const qsizetype colon = spec.indexOf(QLatin1Char(':')); colon >= 0) {
                host = spec.left(colon);
                port = spec.mid(colon + 1);
            }
            if (!port.isEmpty()) {
                bool ok = false;
                const int p = port.toInt(&ok);
                if (!ok || p < 1 || p > 65535) {
                    t.error = Text::tr("ungültiger Port: %1").arg(port);
                    return t;
                }
                anyPort = true;
            }
            hosts << decoded(host);
            ports << port;
        }
    }
    if (hosts.size() > 1 || !hosts.value(0).isEmpty())
        t.host = hosts.join(QLatin1Char(','));
    if (anyPort)
        t.port = ports.join(QLatin1Char(','));

    // The query's keywords override the parts before it, as in libpq.
    const QUrlQuery items(query);
    for (const auto& [rawKey, rawValue] : items.queryItems(QUrl::FullyEncoded)) {
        const QString key = decoded(rawKey);
        const QString value = decoded(rawValue);
        if (key.isEmpty() || key.contains(QLatin1Char('=')) || key.contains(QLatin1Char(' '))) {
            t.error = Text::tr("ungültige Verbindungsoption: %1").arg(key);
            return t;
        }
        switch (partOf(key)) {
        case Part::Host: t.host = value; break;
        case Part::Port: t.port = value; break;
        case Part::Database: t.database = value; break;
        case Part::User: t.user = value; break;
        case Part::Password: t.password = value; break;
        case Part::Station: t.station = value; break;
        case Part::None:
            // Qt's driver turns every ";" of its options into a separator.
            if (value.contains(QLatin1Char(';'))) {
                t.error = Text::tr("Verbindungsoption %1 mit \";\" wird nicht unterstützt").arg(key);
                return t;
            }
            setOption(t, key == QLatin1String("ssl") && value == QLatin1String("true")
                             ? QStringLiteral("sslmode") : key,
                      key == QLatin1String("ssl") && value == QLatin1String("true")
                          ? QStringLiteral("require") : value);
            break;
        }
    }
    return t;
}

QString databaseUri(const DatabaseTarget& t)
{
    // A socket folder, or several hosts with their ports, are kept in the query, where any
    // character can be encoded.
    const bool socket = t.host.startsWith(QLatin1Char('/'));
    const bool inQuery =
        socket || t.host.contains(QLatin1Char(',')) || t.port.contains(QLatin1Char(','));
    QString uri = QStringLiteral("postgresql://");
    if (!t.user.isEmpty())
        uri += encoded(t.user) + QLatin1Char('@');
    if (!inQuery) {
        const bool v6 = t.host.contains(QLatin1Char(':'));
        uri += v6 ? QLatin1Char('[') + t.host + QLatin1Char(']') : encoded(t.host);
        if (!t.port.isEmpty())
            uri += QLatin1Char(':') + t.port;
    }
    uri += QLatin1Char('/') + encoded(t.database);
    QStringList query;
    auto add = [&query](const QString& key, const QString& value) {
        query << encoded(key) + QLatin1Char('=') + encoded(value, "/");
    };
    if (inQuery && !t.host.isEmpty())
        add(QStringLiteral("host"), t.host);
    if (inQuery && !t.port.isEmpty())
        add(QStringLiteral("port"), t.port);
    if (!t.station.isEmpty())
        add(QStringLiteral("application_name"), t.station);
    for (const auto& [key, value] : t.options)
        add(key, value);
    if (!query.isEmpty())
        uri += QLatin1Char('?') + query.join(QLatin1Char('&'));
    return uri;
}

QString databaseLabel(const DatabaseTarget& t)
{
    const QString host = t.host.isEmpty() ? QStringLiteral("localhost") : t.host;
    return host + QLatin1Char('/') + (t.database.isEmpty() ? t.user : t.database);
}

QString defaultStation()
{
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? QStringLiteral("Station") : name;
}

QString optionValue(const DatabaseTarget& t, const QString& key)
{
    for (const auto& [k, v] : t.options)
        if (k == key)
            return v;
    return QString();
}

void setOption(DatabaseTarget& t, const QString& key, const QString& value)
{
    for (auto& option : t.options) {
        if (option.first == key) {
            option.second = value;
            return;
        }
    }
    t.options.append({key, value});
}

QString connectOptions(const DatabaseTarget& t)
{
    QStringList parts;
    for (const auto& [key, value] : t.options)
        parts << key + QLatin1Char('=') + conninfoValue(value);
    if (optionValue(t, QStringLiteral("connect_timeout")).isEmpty())
        parts << QStringLiteral("connect_timeout=5");
    // Several ports cannot go through the driver's number.
    if (t.port.contains(QLatin1Char(',')))
        parts << QStringLiteral("port=") + conninfoValue(t.port);
    return parts.join(QLatin1Char(';'));
}

QString databaseIdentity(const DatabaseTarget& t)
{
    DatabaseTarget bare;
    bare.host = t.host;
    bare.port = t.port;
    bare.database = t.database;
    bare.user = t.user;
    return databaseUri(bare);
}

}  // namespace fbe::series
