// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The production database's connection as one PostgreSQL URI, the form libpq reads:
//
//   postgresql://user@host:port/db?application_name=<station>&sslmode=prefer
//
// Every part is optional and percent-encoded where needed; several hosts are separated by
// "," (host1:5432,host2:5433); a Unix socket folder goes into the query (?host=/path), and
// the query may set host, port, dbname, user and any other libpq connection keyword. The
// station's name is the URI's application_name. A password in the URI is used but never
// written back: the program leaves passwords to libpq (~/.pgpass, PGPASSFILE, PGPASSWORD).
#pragma once

#include <QString>
#include <QStringList>

namespace fbe::series {

struct DatabaseTarget {
    QString host;            // name, address or socket folder; several separated by ","
    QString port;            // "5432"; several separated by ","; empty: libpq's default
    QString database;
    QString user;
    QString password;        // from a URI on the command line only
    QString station;         // application_name
    // Further libpq keywords in the order given, as key and value.
    QList<QPair<QString, QString>> options;
    QString error;           // why the URI cannot be used; empty when it can
};

// Splits a URI ("postgresql://" or "postgres://"). The error names what is wrong.
DatabaseTarget parseDatabaseUri(const QString& uri);

// The URI of a target, without its password; the station as application_name. Options
// keep their order.
QString databaseUri(const DatabaseTarget& target);

// What the programming view shows: "host/db" (the local socket when no host is given).
QString databaseLabel(const DatabaseTarget& target);

// The station's name when the URI gives none: the computer's name.
QString defaultStation();

// The value of one option ("sslmode"), empty when it is not given.
QString optionValue(const DatabaseTarget& target, const QString& key);
void setOption(DatabaseTarget& target, const QString& key, const QString& value);

// The options as Qt's PostgreSQL driver takes them ("key=value;key='a b'"), with a connect
// time-out of 5 s unless the URI sets one. The station's name is not among them (the store
// adds it, or sets it after connecting when it holds a ";", which the driver cannot pass).
QString connectOptions(const DatabaseTarget& target);

// The server, port, database and user of a target as one text, the same for every URI
// that reaches the same database (queued results belong to it).
QString databaseIdentity(const DatabaseTarget& target);

}  // namespace fbe::series
