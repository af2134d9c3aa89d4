// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sharedseries/ResultQueue.h"

#include "config/SafeFile.h"
#include "config/StartOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace fbe::series {

namespace {

QJsonObject toJson(const QString& database, const SeriesRun& run)
{
    const ProductionRecord& r = run.record;
    QJsonArray addresses;
    QJsonArray functions;
    for (size_t n = 1; n <= 8; ++n) {
        // As text: a 40-bit address is exact in a double, but text needs no thought.
        addresses.append(QString::number(r.address[n]));
        functions.append(int(r.function[n]));
    }
    return QJsonObject{
        {QStringLiteral("database"), database},
        {QStringLiteral("series"), run.series},
        {QStringLiteral("number"), QString::number(run.number)},
        {QStringLiteral("station"), run.station},
        {QStringLiteral("port"), run.port},
        {QStringLiteral("timeMs"), QString::number(r.time.toMSecsSinceEpoch())},
        {QStringLiteral("utcOffset"), r.time.offsetFromUtc()},
        {QStringLiteral("ok"), r.ok},
        {QStringLiteral("message"), QJsonArray::fromStringList(r.message)},
        {QStringLiteral("configFile"), r.configFile},
        {QStringLiteral("changed"), r.changed},
        {QStringLiteral("firmware"), r.firmware},
        {QStringLiteral("transmitterType"), r.transmitterType},
        {QStringLiteral("codeLength"), r.codeLength},
        {QStringLiteral("addresses"), addresses},
        {QStringLiteral("functions"), functions},
        {QStringLiteral("durationMs"), QString::number(r.durationMs)},
    };
}

SeriesRun fromJson(const QJsonObject& o)
{
    SeriesRun run;
    run.series = o.value(QStringLiteral("series")).toString();
    run.number = o.value(QStringLiteral("number")).toString().toLongLong();
    run.station = o.value(QStringLiteral("station")).toString();
    run.port = o.value(QStringLiteral("port")).toString();
    ProductionRecord& r = run.record;
    const qint64 ms = o.value(QStringLiteral("timeMs")).toString().toLongLong();
    r.time = QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC,
                                            o.value(QStringLiteral("utcOffset")).toInt());
    r.ok = o.value(QStringLiteral("ok")).toBool();
    for (const QJsonValue& line : o.value(QStringLiteral("message")).toArray())
        r.message << line.toString();
    r.configFile = o.value(QStringLiteral("configFile")).toString();
    r.changed = o.value(QStringLiteral("changed")).toBool();
    r.firmware = o.value(QStringLiteral("firmware")).toString();
    r.projectName = run.series;
    r.counter = run.number;
    r.transmitterType = o.value(QStringLiteral("transmitterType")).toInt();
    r.codeLength = o.value(QStringLiteral("codeLength")).toInt();
    const QJsonArray addresses = o.value(QStringLiteral("addresses")).toArray();
    const QJsonArray functions = o.value(QStringLiteral("functions")).toArray();
    for (size_t n = 1; n <= 8; ++n) {
        r.address[n] = addresses.at(qsizetype(n - 1)).toString().toULongLong();
        r.function[n] = quint8(functions.at(qsizetype(n - 1)).toInt());
    }
    r.durationMs = o.value(QStringLiteral("durationMs")).toString().toLongLong();
    return run;
}

// The queue's lines; an unreadable line stays as it is.
QList<QByteArray> readLines(const QString& path)
{
    QFile f(path);
    QList<QByteArray> lines;
    if (!f.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    return lines;
}

QJsonObject objectOf(const QByteArray& line)
{
    return QJsonDocument::fromJson(line).object();
}

}  // namespace

ResultQueue::ResultQueue(QString path) : path_(std::move(path)) {}

QString ResultQueue::defaultPath()
{
    return QDir(desktopFolder()).filePath(QStringLiteral("fbe-nachtrag.jsonl"));
}

bool ResultQueue::add(const QString& database, const SeriesRun& run, QString* reason)
{
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        *reason = reasonForError(EACCES, folder, FileAccess::Write);
        return false;
    }
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.lock()) {
        //: the reason a result could not be queued: its lock file (%1.lock) could not be taken
        *reason = QCoreApplication::translate("SharedSeries", "Sperrdatei %1.lock").arg(path_);
        return false;
    }
    QFile f(path_);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        *reason = reasonForFailure(f, errno, path_, FileAccess::Write);
        return false;
    }
    const QByteArray line =
        QJsonDocument(toJson(database, run)).toJson(QJsonDocument::Compact) + '\n';
    errno = 0;
    if (f.write(line) != line.size() || !f.flush()) {
        *reason = reasonForFailure(f, errno, path_, FileAccess::Write);
        return false;
    }
#ifdef Q_OS_UNIX
    ::fsync(f.handle());
#endif
    return true;
}

QList<SeriesRun> ResultQueue::waiting(const QString& database) const
{
    QList<SeriesRun> runs;
    for (const QByteArray& line : readLines(path_)) {
        const QJsonObject o = objectOf(line);
        if (o.value(QStringLiteral("database")).toString() == database)
            runs << fromJson(o);
    }
    return runs;
}

int ResultQueue::flush(const QString& database, SeriesStore& store)
{
    if (!QFileInfo::exists(path_))
        return 0;
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.lock())
        return 0;
    const QList<QByteArray> lines = readLines(path_);
    QList<QByteArray> kept;
    int written = 0;
    bool failed = false;
    for (const QByteArray& line : lines) {
        const QJsonObject o = objectOf(line);
        if (failed || o.value(QStringLiteral("database")).toString() != database) {
            kept << line;
            continue;
        }
        if (store.recordRun(fromJson(o))) {
            ++written;
        } else {
            failed = true;
            kept << line;
        }
    }
    if (written > 0) {
        QByteArray bytes;
        for (const QByteArray& line : kept)
            bytes += line + '\n';
        // The queue is replaced whole; when that fails the written lines stay, and writing
        // them again keeps their first result.
        if (kept.isEmpty())
            QFile::remove(path_);
        else
            ReplaceFile(path_, bytes, nullptr);
    }
    return failed ? -1 : written;
}

}  // namespace fbe::series
