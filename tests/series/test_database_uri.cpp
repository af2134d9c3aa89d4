// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The production database's URI: what reaches the driver, what the view shows, and that the
// URI written back reaches the same database without the password.
#include "sharedseries/DatabaseUri.h"

#include <gtest/gtest.h>

using namespace fbe::series;

TEST(DatabaseUri, PartsOptionsAndTheUriWrittenBack)
{
    struct Row {
        const char* uri;
        const char* host;
        const char* port;
        const char* database;
        const char* user;
        const char* station;
        const char* options;   // as the driver gets them
        const char* label;
        const char* error;     // a part of the reason; nullptr: none
    } rows[] = {
        {"postgresql://fbe@db.example:5433/produktion?application_name=Station%201%3B%20Halle&sslmode=require",
         "db.example", "5433", "produktion", "fbe", "Station 1; Halle",
         "sslmode=require;connect_timeout=5", "db.example/produktion", nullptr},
        {"postgresql:///produktion?host=/var/run/postgresql", "/var/run/postgresql", "",
         "produktion", "", "", "connect_timeout=5", "/var/run/postgresql/produktion", nullptr},
        {"postgresql://%2Ftmp%2Fsock:5444/p", "/tmp/sock", "5444", "p", "", "",
         "connect_timeout=5", "/tmp/sock/p", nullptr},
        {"postgres://u:geheim@[::1]:5432/db?connect_timeout=2", "::1", "5432", "db", "u", "",
         "connect_timeout=2", "::1/db", nullptr},
        {"postgresql://h1:5432,h2:5433/db", "h1,h2", "5432,5433", "db", "", "",
         "connect_timeout=5;port=5432,5433", "h1,h2/db", nullptr},
        {"postgresql://fbe@host/db?options=-c%20search_path%3Dfbe&ssl=true", "host", "", "db",
         "fbe", "", "options='-c search_path=fbe';sslmode=require;connect_timeout=5", "host/db",
         nullptr},
        {"postgresql://", "", "", "", "", "", "connect_timeout=5", "localhost/", nullptr},
        {"mysql://fbe@host/db", "", "", "", "", "", "", "", "keine PostgreSQL-URI"},
        {"postgresql://host:99999/db", "", "", "", "", "", "", "", "ungültiger Port: 99999"},
        {"postgresql://host/db?target_session_attrs=a;b", "", "", "", "", "", "", "",
         "mit \";\" wird nicht unterstützt"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.uri);
        const DatabaseTarget t = parseDatabaseUri(QString::fromUtf8(r.uri));
        if (r.error) {
            EXPECT_TRUE(t.error.contains(QString::fromUtf8(r.error))) << t.error.toStdString();
            continue;
        }
        ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
        EXPECT_EQ(t.host.toStdString(), r.host);
        EXPECT_EQ(t.port.toStdString(), r.port);
        EXPECT_EQ(t.database.toStdString(), r.database);
        EXPECT_EQ(t.user.toStdString(), r.user);
        EXPECT_EQ(t.station.toStdString(), r.station);
        EXPECT_EQ(connectOptions(t).toStdString(), r.options);
        EXPECT_EQ(databaseLabel(t).toStdString(), r.label);

        // Written back: the same database and options, never the password.
        const QString uri = databaseUri(t);
        EXPECT_FALSE(uri.contains(QLatin1String("geheim"))) << uri.toStdString();
        const DatabaseTarget again = parseDatabaseUri(uri);
        EXPECT_EQ(databaseIdentity(again), databaseIdentity(t)) << uri.toStdString();
        EXPECT_EQ(again.station, t.station);
        EXPECT_EQ(connectOptions(again), connectOptions(t)) << uri.toStdString();
    }
}
