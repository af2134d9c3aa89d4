#include "config/ProductionLog.h"

#include "config/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fbe {

namespace {

constexpr int FirstCodeColumn = 10;   // "Adresse CODE 1"; two columns per code
constexpr int ColumnCount = FirstCodeColumn + 2 * 8 + 1;
constexpr int TimeColumn = 0;
constexpr int ResultColumn = 1;
constexpr int FileColumn = 3;

const QString Ok = QStringLiteral("OK");
const QString Failed = QStringLiteral("Fehler");
const QByteArray Bom("\xEF\xBB\xBF");
const QString NotAFile = QStringLiteral("ein Ordner, keine Datei");

// A spreadsheet takes a field that begins with one of these as a formula.
bool looksLikeFormula(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    return c == QLatin1Char('=') || c == QLatin1Char('+') || c == QLatin1Char('-')
        || c == QLatin1Char('@');
}

QString asText(const QString& text)
{
    return looksLikeFormula(text) ? QLatin1Char('\'') + text : text;
}

QString fromText(const QString& field)
{
    if (field.size() > 1 && field.at(0) == QLatin1Char('\'') && looksLikeFormula(field.mid(1)))
        return field.mid(1);
    return field;
}

QString joinedMessage(const QStringList& lines)
{
    QStringList parts;
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (!t.isEmpty())
            parts << t;
    }
    return parts.join(QStringLiteral(" / "));
}

bool fail(QString* reason, const QString& why)
{
    if (reason)
        *reason = why;
    return false;
}

// Why a file cannot take a line before anything is opened: a folder, a pipe or device, a
// file without write permission bits (which the super-user could write, but should not).
bool mayAppend(const QString& path, QString* reason)
{
    const QFileInfo info(path);
    if (info.isDir())
        return fail(reason, NotAFile);
    if (info.exists() && !info.isFile())
        return fail(reason, reason::NotPlainFile);
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && (st.st_mode & 0222) == 0)
        return fail(reason, reason::ReadOnly);
#endif
    if (!info.exists() && !QFileInfo(info.absolutePath()).isDir())
        return fail(reason, reason::NoFolder);
    return true;
}

}  // namespace

void takeSentConfiguration(ProductionRecord& record, const Configuration& cfg)
{
    for (int n = 1; n <= 8; ++n) {
        record.address[size_t(n)] = cfg.codes[size_t(n)].address;
        record.function[size_t(n)] = cfg.codes[size_t(n)].function;
    }
    record.transmitterType = cfg.activeType;
    record.codeLength = cfg.current().bits;
    record.projectName = cfg.projectName;
}

QString productionLogPath(const QString& configFile)
{
    const QString folder = QFileInfo(QDir::fromNativeSeparators(configFile)).absolutePath();
    return QDir::toNativeSeparators(QDir(folder).filePath(ProductionLogName));
}

QString isoTimeWithOffset(const QDateTime& time)
{
    const int offset = time.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    return time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"))
           + (offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
           + QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0'))
                 .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString csvField(const QString& text)
{
    const bool quote = text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quote)
        return text;
    QString t = text;
    t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

QStringList productionLogHeader()
{
    QStringList h{QStringLiteral("Zeit"),        QStringLiteral("Ergebnis"),
                  QStringLiteral("Meldung"),     QStringLiteral("Konfigurationsdatei"),
                  QStringLiteral("geändert"),    QStringLiteral("Projektname"),
                  QStringLiteral("Firmware"),    QStringLiteral("Zähler"),
                  QStringLiteral("Sendertyp"),   QStringLiteral("Codierlänge (Bits)")};
    for (int n = 1; n <= 8; ++n)
        h << QStringLiteral("Adresse CODE %1").arg(n) << QStringLiteral("Funktion CODE %1").arg(n);
    h << QStringLiteral("Dauer (ms)");
    return h;
}

QStringList productionLogFields(const ProductionRecord& r)
{
    QStringList f{isoTimeWithOffset(r.time),
                  r.ok ? Ok : Failed,
                  asText(joinedMessage(r.message)),
                  asText(r.configFile),
                  QLatin1String(r.changed ? "ja" : "nein"),
                  asText(r.projectName),
                  asText(r.firmware),
                  QString::number(r.counter),
                  QString::number(r.transmitterType),
                  QString::number(r.codeLength)};
    for (int n = 1; n <= 8; ++n)
        f << QString::number(r.address[size_t(n)])
          << QLatin1String(functionName(r.function[size_t(n)]));
    f << QString::number(r.durationMs);
    return f;
}

QString csvLine(const QStringList& fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields)
        quoted << csvField(field);
    return quoted.join(QLatin1Char(';'));
}

QByteArray productionLogBytes(const ProductionRecord& record, bool newFile)
{
    QByteArray bytes;
    if (newFile)
        bytes += Bom + csvLine(productionLogHeader()).toUtf8() + "\r\n";
    bytes += csvLine(productionLogFields(record)).toUtf8() + "\r\n";
    return bytes;
}

QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool any = false;   // the record holds something (a field or a separator)
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (c == QLatin1Char(';')) {
            fields << field;
            field.clear();
            any = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            if (any || !field.isEmpty()) {
                fields << field;
                records << fields;
            }
            fields.clear();
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !field.isEmpty()) {
        fields << field;
        records << fields;
    }
    return records;
}

bool appendProductionLog(const QString& path, const ProductionRecord& record, QString* reason)
{
    if (!mayAppend(path, reason))
        return false;
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadWrite))
        return fail(reason, reasonForFailure(file, errno, path, FileAccess::Write));
    const qint64 size = file.size();
    QByteArray bytes;
    if (size > 0) {
        // A last line without its line end (a run cut short by a full disk) keeps its own.
        char last = '\n';
        if (file.seek(size - 1))
            file.getChar(&last);
        if (last != '\n')
            bytes += "\r\n";
    }
    bytes += productionLogBytes(record, size == 0);
    errno = 0;
    if (!file.seek(size) || file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = reasonForFailure(file, errno, path, FileAccess::Write);
        file.resize(size);   // no half line is left behind
        return fail(reason, why);
    }
#ifdef Q_OS_UNIX
    // On the disk before the next module is programmed, a power cut included.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        const QString why = reasonForError(errno, path, FileAccess::Write);
        file.resize(size);
        return fail(reason, why);
    }
#endif
    return true;
}

bool productionLogWritable(const QString& path, QString* reason)
{
    if (!mayAppend(path, reason))
        return false;
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::Append))
        return fail(reason, reasonForFailure(file, errno, path, FileAccess::Write));
    return true;
}

std::optional<QDateTime> programmedBefore(const QString& path, const ProductionRecord& record)
{
    bool used = false;
    for (int n = 1; n <= 8; ++n)
        used = used || record.function[size_t(n)] != FnKeine;
    if (!used || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Mapped rather than read: no copy of a log of many megabytes.
    const qint64 size = file.size();
    uchar* mapped = size > 0 ? file.map(0, size) : nullptr;
    const QByteArray read = mapped ? QByteArray() : file.readAll();
    QByteArray bytes = mapped ? QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), size)
                              : read;
    if (bytes.startsWith(Bom))
        bytes = QByteArray::fromRawData(bytes.constData() + Bom.size(), bytes.size() - Bom.size());

    // A line can match only when it holds the address and function of the first code used
    // now; only such lines are read field by field (a log of years holds a hundred thousand
    // lines). A field with a line break in it (a file name may hold one) splits its record;
    // the part with the addresses then holds an odd number of quotes, and the whole log is
    // read.
    const QStringList now = productionLogFields(record);
    int first = 1;
    while (record.function[size_t(first)] == FnKeine)
        ++first;
    const int column = FirstCodeColumn + 2 * (first - 1);
    const QByteArray needle = (QLatin1Char(';') + now.at(column) + QLatin1Char(';')
                               + now.at(column + 1) + QLatin1Char(';'))
                                  .toUtf8();
    QByteArray candidates;
    bool split = false;
    for (qsizetype at = bytes.indexOf(needle); at >= 0 && !split;) {
        const qsizetype begin = bytes.lastIndexOf('\n', at) + 1;
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0)
            end = bytes.size();
        const char* line = bytes.constData() + begin;
        split = std::count(line, line + (end - begin), '"') % 2 != 0;
        candidates.append(line, end - begin).append('\n');
        at = bytes.indexOf(needle, end);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QList<QStringList> records = parseCsv(utf8.decode(split ? bytes : candidates));
    std::optional<QDateTime> found;
    for (const QStringList& r : records) {
        if (r.size() < ColumnCount || r.at(ResultColumn) != Ok
            || fromText(r.at(FileColumn)) != record.configFile)
            continue;
        bool same = true;
        for (int n = 1; n <= 8 && same; ++n) {
            if (record.function[size_t(n)] == FnKeine)
                continue;
            const int column = FirstCodeColumn + 2 * (n - 1);
            same = r.at(column) == now.at(column)
                && r.at(column + 1) != QLatin1String(functionName(FnKeine));
        }
        if (!same)
            continue;
        const QDateTime t = QDateTime::fromString(r.at(TimeColumn), Qt::ISODate);
        if (t.isValid())
            found = t;
    }
    return found;
}

QString msgProgrammedBefore(const QDateTime& time)
{
    return QStringLiteral(" Achtung: diese Adressen wurden bereits programmiert (")
           + time.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))
           + QLatin1Char(')');
}

QString msgLogNotWritten()
{
    return QStringLiteral(" Protokoll konnte nicht geschrieben werden");
}

}  // namespace fbe
