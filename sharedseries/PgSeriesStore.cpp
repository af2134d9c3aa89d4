// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sharedseries/PgSeriesStore.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace fbe::series {

namespace {

// The texts of the shared series, in the language in use.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SharedSeries)
};

// Serialises the schema steps of stations that start at the same moment.
constexpr qint64 SchemaLock = 0x46424531;   // "FBE1"

// The steps that build the schema, in order; step n brings it to version n. A step, once
// released, is never changed: a later change is a new step.
struct SchemaStep {
    int version;
    const char* statements[4];
};
const SchemaStep Steps[] = {
    {1,
     {"CREATE TABLE fbe.series ("
      " id bigserial PRIMARY KEY,"
      " name text NOT NULL UNIQUE,"
      " transmitter_type integer NOT NULL,"
      " code_length integer NOT NULL,"
      " address_mask bigint NOT NULL,"
      " used_codes boolean[] NOT NULL,"
      " start_addresses bigint[] NOT NULL,"
      " increments bigint[] NOT NULL,"
      " first_number bigint NOT NULL,"
      " next_number bigint NOT NULL,"
      " created timestamptz NOT NULL DEFAULT now(),"
      " created_by text NOT NULL)",
      "CREATE TABLE fbe.runs ("
      " series_id bigint NOT NULL REFERENCES fbe.series (id),"
      " number bigint NOT NULL,"
      " station text NOT NULL,"
      " address_key text NOT NULL,"
      " taken timestamptz NOT NULL DEFAULT now(),"
      " result text NOT NULL DEFAULT 'offen' CHECK (result IN ('offen', 'OK', 'Fehler')),"
      " started_ms bigint,"
      " utc_offset integer,"
      " port text,"
      " firmware text,"
      " message text,"
      " config_file text,"
      " changed boolean,"
      " addresses bigint[],"
      " functions smallint[],"
      " duration_ms bigint,"
      " recorded timestamptz,"
      " PRIMARY KEY (series_id, number))",
      "CREATE INDEX runs_address_sets ON fbe.runs (series_id, address_key)",
      nullptr}},
};

template <class T>
QString arrayText(const std::array<T, 9>& values)
{
    QStringList parts;
    for (size_t n = 1; n <= 8; ++n) {
        if constexpr (std::is_same_v<T, bool>)
            parts << QLatin1String(values[n] ? "true" : "false");
        else
            parts << QString::number(values[n]);
    }
    return QLatin1Char('{') + parts.join(QLatin1Char(',')) + QLatin1Char('}');
}

// array_to_string's text of an array of codes 1..8.
QStringList codeValues(const QVariant& text)
{
    QStringList parts = text.toString().split(QLatin1Char(','));
    while (parts.size() < 8)
        parts << QString();
    return parts;
}

QString serverText(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    // libpq's texts run over several lines with tabs in front.
    text.replace(QLatin1String("\n\t"), QLatin1String(" "));
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("fbe-series-%1").arg(counter.fetchAndAddRelaxed(1));
}

}  // namespace

int PgSeriesStore::schemaVersion()
{
    return Steps[std::size(Steps) - 1].version;
}

PgSeriesStore::PgSeriesStore(DatabaseTarget target)
    : target_(std::move(target)), connection_(nextConnectionName())
{
}

PgSeriesStore::~PgSeriesStore()
{
    disconnect();
}

void PgSeriesStore::disconnect()
{
    if (!QSqlDatabase::contains(connection_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    connected_ = false;
}

bool PgSeriesStore::exec(QSqlQuery& query)
{
    if (query.exec())
        return true;
    return fail(serverText(query.lastError()));
}

bool PgSeriesStore::connect()
{
    disconnect();
    if (!target_.error.isEmpty())
        return fail(target_.error);
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return fail(Text::tr("Qt-Treiber QPSQL fehlt (Paket libqt6sql6-psql)"));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
    db.setHostName(target_.host);
    if (!target_.port.isEmpty() && !target_.port.contains(QLatin1Char(',')))
        db.setPort(target_.port.toInt());
    db.setDatabaseName(target_.database);
    db.setUserName(target_.user);
    db.setPassword(target_.password);
    // The station's name as the server shows it. The driver cannot pass a ";" in its
    // options; such a name is set after connecting, as a bound value.
    const bool nameInOptions = !target_.station.contains(QLatin1Char(';'));
    DatabaseTarget withName = target_;
    if (nameInOptions && !target_.station.isEmpty())
        setOption(withName, QStringLiteral("application_name"), target_.station);
    db.setConnectOptions(connectOptions(withName));
    if (!db.open())
        return fail(serverText(db.lastError()));
    QSqlQuery name(db);
    if (!nameInOptions) {
        name.prepare(QStringLiteral("SELECT set_config('application_name', ?, false)"));
        name.addBindValue(target_.station);
    }
    if ((!nameInOptions && !exec(name)) || !migrate(db)) {
        db.close();
        return false;
    }
    connected_ = true;
    return true;
}

bool PgSeriesStore::migrate(QSqlDatabase& db)
{
    // The usual case in one statement: the schema is there and up to date.
    {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SELECT CASE WHEN to_regclass('fbe.schema_version') IS NULL"
                                  " THEN 0 ELSE (SELECT coalesce(max(version), 0)"
                                  " FROM fbe.schema_version) END"))
            && q.next() && q.value(0).toInt() == schemaVersion())
            return true;
    }
    // The schema and the version table, under the lock; CREATE SCHEMA only when the schema
    // is missing (a user without the right to create one may have one made for it).
    auto step = [&](const std::function<bool(QSqlQuery&)>& body) {
        if (!db.transaction())
            return fail(serverText(db.lastError()));
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT pg_advisory_xact_lock(?)"));
        q.addBindValue(SchemaLock);
        if (!exec(q) || !body(q)) {
            db.rollback();
            return false;
        }
        if (!db.commit())
            return fail(serverText(db.lastError()));
        return true;
    };
    const bool base = step([&](QSqlQuery& q) {
        if (!q.exec(QStringLiteral("SELECT 1 FROM pg_namespace WHERE nspname = 'fbe'")))
            return fail(serverText(q.lastError()));
        if (!q.next() && !q.exec(QStringLiteral("CREATE SCHEMA fbe")))
            return fail(serverText(q.lastError()));
        if (!q.exec(QStringLiteral("SELECT to_regclass('fbe.schema_version') IS NULL"))
            || !q.next())
            return fail(serverText(q.lastError()));
        if (q.value(0).toBool()
            && !q.exec(QStringLiteral("CREATE TABLE fbe.schema_version ("
                                      " version integer PRIMARY KEY,"
                                      " applied timestamptz NOT NULL DEFAULT now())")))
            return fail(serverText(q.lastError()));
        return true;
    });
    if (!base)
        return false;

    auto current = [&](QSqlQuery& q, int* version) {
        if (!q.exec(QStringLiteral("SELECT coalesce(max(version), 0) FROM fbe.schema_version"))
            || !q.next())
            return fail(serverText(q.lastError()));
        *version = q.value(0).toInt();
        return true;
    };
    for (const SchemaStep& s : Steps) {
        const bool done = step([&](QSqlQuery& q) {
            int version = 0;
            if (!current(q, &version))
                return false;
            if (version > schemaVersion())
                return fail(Text::tr("Datenbank-Schema Version %1, dieses Programm kennt bis Version %2")
                                .arg(version).arg(schemaVersion()));
            if (version >= s.version)
                return true;
            for (const char* statement : s.statements) {
                if (statement && !q.exec(QString::fromLatin1(statement)))
                    return fail(serverText(q.lastError()));
            }
            q.prepare(QStringLiteral("INSERT INTO fbe.schema_version (version) VALUES (?)"));
            q.addBindValue(s.version);
            return exec(q);
        });
        if (!done)
            return false;
    }
    return true;
}

template <class Verb>
auto PgSeriesStore::attempt(Verb verb) -> decltype(verb(std::declval<QSqlDatabase&>()))
{
    clearError();
    const bool kept = connected_;
    if (!connected_ && !connect())
        return {};
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        auto result = verb(db);
        if (result || !kept || !error_.size())
            return result;
    }
    // The kept connection may have gone with a restarted server: once more on a new one.
    if (!connect())
        return {};
    clearError();
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    return verb(db);
}

bool PgSeriesStore::open()
{
    return attempt([this](QSqlDatabase& db) {
        QSqlQuery q(db);
        return q.exec(QStringLiteral("SELECT 1")) || fail(serverText(q.lastError()));
    });
}

std::optional<SeriesDefinition> PgSeriesStore::find(QSqlDatabase& db, const QString& name)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "SELECT transmitter_type, code_length, address_mask, array_to_string(used_codes, ','),"
        " array_to_string(start_addresses, ','), array_to_string(increments, ','), first_number"
        " FROM fbe.series WHERE name = ?"));
    q.addBindValue(name);
    if (!exec(q) || !q.next())
        return std::nullopt;
    SeriesDefinition s;
    s.name = name;
    s.transmitterType = q.value(0).toInt();
    s.codeLength = q.value(1).toInt();
    s.mask = quint64(q.value(2).toLongLong());
    const QStringList used = codeValues(q.value(3));
    const QStringList start = codeValues(q.value(4));
    const QStringList increment = codeValues(q.value(5));
    for (size_t n = 1; n <= 8; ++n) {
        s.used[n] = used.at(qsizetype(n - 1)) == QLatin1String("t");
        s.start[n] = start.at(qsizetype(n - 1)).toULongLong();
        s.increment[n] = increment.at(qsizetype(n - 1)).toLongLong();
    }
    s.firstNumber = q.value(6).toLongLong();
    return s;
}

std::optional<SeriesDefinition> PgSeriesStore::findSeries(const QString& name)
{
    return attempt([&](QSqlDatabase& db) { return find(db, name); });
}

std::optional<SeriesDefinition> PgSeriesStore::createSeries(const SeriesDefinition& wanted,
                                                            bool* created)
{
    return attempt([&](QSqlDatabase& db) -> std::optional<SeriesDefinition> {
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "INSERT INTO fbe.series (name, transmitter_type, code_length, address_mask,"
            " used_codes, start_addresses, increments, first_number, next_number, created_by)"
            " VALUES (?, ?, ?, ?, CAST(? AS boolean[]), CAST(? AS bigint[]), CAST(? AS bigint[]),"
            " ?, ?, ?) ON CONFLICT (name) DO NOTHING"));
        q.addBindValue(wanted.name);
        q.addBindValue(wanted.transmitterType);
        q.addBindValue(wanted.codeLength);
        q.addBindValue(qint64(wanted.mask));
        q.addBindValue(arrayText(wanted.used));
        q.addBindValue(arrayText(wanted.start));
        q.addBindValue(arrayText(wanted.increment));
        q.addBindValue(wanted.firstNumber);
        q.addBindValue(wanted.firstNumber);
        q.addBindValue(target_.station);
        if (!exec(q))
            return std::nullopt;
        if (created)
            *created = q.numRowsAffected() == 1;
        return find(db, wanted.name);
    });
}

std::optional<TakenNumber> PgSeriesStore::takeNumber(const SeriesDefinition& series,
                                                     const QString& station)
{
    return attempt([&](QSqlDatabase& db) -> std::optional<TakenNumber> {
        if (!db.transaction()) {
            fail(serverText(db.lastError()));
            return std::nullopt;
        }
        auto abandon = [&db]() -> std::optional<TakenNumber> {
            db.rollback();
            return std::nullopt;
        };
        // The update holds the series' row until the commit: the next station waits for it
        // here, then sees this number and its run.
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE fbe.series SET next_number = next_number + 1"
                                 " WHERE name = ? RETURNING id, next_number - 1"));
        q.addBindValue(series.name);
        if (!exec(q))
            return abandon();
        if (!q.next()) {
            fail(Text::tr("Serie %1 nicht in der Datenbank").arg(series.name));
            return abandon();
        }
        const qint64 id = q.value(0).toLongLong();
        TakenNumber taken;
        taken.number = q.value(1).toLongLong();
        taken.addresses = addressesAt(series, taken.number);
        const QString key = addressKey(taken.addresses);

        q.prepare(QStringLiteral("SELECT 1 FROM fbe.runs WHERE series_id = ? AND address_key = ?"
                                 " AND result <> 'Fehler' LIMIT 1"));
        q.addBindValue(id);
        q.addBindValue(key);
        if (!exec(q))
            return abandon();
        if (q.next()) {
            db.rollback();
            taken.exhausted = true;
            return taken;
        }
        q.prepare(QStringLiteral("INSERT INTO fbe.runs (series_id, number, station, address_key)"
                                 " VALUES (?, ?, ?, ?)"));
        q.addBindValue(id);
        q.addBindValue(taken.number);
        q.addBindValue(station);
        q.addBindValue(key);
        if (!exec(q))
            return abandon();
        if (!db.commit()) {
            fail(serverText(db.lastError()));
            return abandon();
        }
        return taken;
    });
}

bool PgSeriesStore::recordRun(const SeriesRun& run)
{
    return attempt([&](QSqlDatabase& db) {
        const ProductionRecord& r = run.record;
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "UPDATE fbe.runs SET result = ?, started_ms = ?, utc_offset = ?, port = ?,"
            " firmware = ?, message = ?, config_file = ?, changed = ?,"
            " addresses = CAST(? AS bigint[]), functions = CAST(? AS smallint[]),"
            " duration_ms = ?, recorded = now()"
            " WHERE series_id = (SELECT id FROM fbe.series WHERE name = ?) AND number = ?"
            " AND result = 'offen'"));
        q.addBindValue(QLatin1String(r.ok ? "OK" : "Fehler"));
        q.addBindValue(r.time.toMSecsSinceEpoch());
        q.addBindValue(r.time.offsetFromUtc());
        q.addBindValue(run.port);
        q.addBindValue(r.firmware);
        q.addBindValue(r.message.join(QLatin1Char('\n')));
        q.addBindValue(r.configFile);
        q.addBindValue(r.changed);
        q.addBindValue(arrayText(r.address));
        q.addBindValue(arrayText(r.function));
        q.addBindValue(r.durationMs);
        q.addBindValue(run.series);
        q.addBindValue(run.number);
        if (!exec(q))
            return false;
        if (q.numRowsAffected() == 1)
            return true;
        // Recorded before (a queued result written twice), or not there at all.
        q.prepare(QStringLiteral("SELECT 1 FROM fbe.runs r JOIN fbe.series s ON s.id = r.series_id"
                                 " WHERE s.name = ? AND r.number = ?"));
        q.addBindValue(run.series);
        q.addBindValue(run.number);
        if (!exec(q))
            return false;
        return q.next() || fail(Text::tr("Nummer %1 der Serie %2 nicht in der Datenbank")
                                    .arg(run.number).arg(run.series));
    });
}

std::optional<SeriesTotals> PgSeriesStore::totals(const QString& series, const QString& station)
{
    return attempt([&](QSqlDatabase& db) -> std::optional<SeriesTotals> {
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "SELECT count(*) FILTER (WHERE r.result = 'OK' AND r.station = ?),"
            " coalesce(max(r.number) FILTER (WHERE r.result = 'OK' AND r.station = ?), -1),"
            " count(*) FILTER (WHERE r.result = 'OK')"
            " FROM fbe.runs r JOIN fbe.series s ON s.id = r.series_id WHERE s.name = ?"));
        q.addBindValue(station);
        q.addBindValue(station);
        q.addBindValue(series);
        if (!exec(q) || !q.next())
            return std::nullopt;
        SeriesTotals t;
        t.stationModules = q.value(0).toLongLong();
        t.stationLast = q.value(1).toLongLong();
        t.seriesModules = q.value(2).toLongLong();
        return t;
    });
}

std::optional<QList<SeriesRun>> PgSeriesStore::runs(const QString& series)
{
    return attempt([&](QSqlDatabase& db) -> std::optional<QList<SeriesRun>> {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral(
            "SELECT r.number, r.station, r.result, r.started_ms, r.utc_offset, r.port,"
            " r.firmware, r.message, r.config_file, r.changed,"
            " array_to_string(r.addresses, ','), array_to_string(r.functions, ','),"
            " r.duration_ms, s.transmitter_type, s.code_length, r.address_key,"
            " CAST(extract(epoch FROM r.taken) * 1000 AS bigint)"
            " FROM fbe.runs r JOIN fbe.series s ON s.id = r.series_id"
            " WHERE s.name = ? ORDER BY r.number"));
        q.addBindValue(series);
        if (!exec(q))
            return std::nullopt;
        QList<SeriesRun> list;
        while (q.next()) {
            SeriesRun run;
            run.series = series;
            run.number = q.value(0).toLongLong();
            run.station = q.value(1).toString();
            run.pending = q.value(2).toString() == QLatin1String("offen");
            ProductionRecord& r = run.record;
            r.ok = q.value(2).toString() == QLatin1String("OK");
            r.time = run.pending
                ? QDateTime::fromMSecsSinceEpoch(q.value(16).toLongLong())
                : QDateTime::fromMSecsSinceEpoch(q.value(3).toLongLong(), Qt::OffsetFromUTC,
                                                 q.value(4).toInt());
            run.port = q.value(5).toString();
            r.firmware = q.value(6).toString();
            r.message = q.value(7).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            r.configFile = q.value(8).toString();
            r.changed = q.value(9).toBool();
            const QStringList addresses = codeValues(run.pending ? q.value(15) : q.value(10));
            const QStringList functions = codeValues(q.value(11));
            for (size_t n = 1; n <= 8; ++n) {
                r.address[n] = addresses.at(qsizetype(n - 1)).toULongLong();
                r.function[n] = quint8(functions.at(qsizetype(n - 1)).toUInt());
            }
            r.durationMs = q.value(12).toLongLong();
            r.transmitterType = q.value(13).toInt();
            r.codeLength = q.value(14).toInt();
            r.projectName = series;
            r.counter = run.number;
            list << run;
        }
        return list;
    });
}

}  // namespace fbe::series
