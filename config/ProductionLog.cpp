// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ProductionLog.h"

#include "config/Language.h"
#include "config/SafeFile.h"

#include <QByteArrayMatcher>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>
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

// How long a writer waits for another one to finish its line before it gives up.
constexpr int LockWaitMs = 10000;
const char LockedText[] = QT_TRANSLATE_NOOP("ProductionLog", "von einem anderen Programm gesperrt");

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
        return fail(reason, reason::isFolder());
    if (info.exists() && !info.isFile())
        return fail(reason, reason::notPlainFile());
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && (st.st_mode & 0222) == 0)
        return fail(reason, reason::readOnly());
#endif
    if (!info.exists() && !QFileInfo(info.absolutePath()).isDir())
        return fail(reason, reasonForError(ENOENT, path, FileAccess::Write));
    return true;
}

// The log opened for appending and locked against every other writer; unlocked and closed
// at the end of its scope.
class LockedLog {
public:
    LockedLog(const LockedLog&) = delete;
    LockedLog& operator=(const LockedLog&) = delete;
    LockedLog() = default;
    ~LockedLog()
    {
        if (fd_ < 0)
            return;
#ifdef Q_OS_WIN
        OVERLAPPED whole {};
        UnlockFileEx(handle(), 0, MAXDWORD, MAXDWORD, &whole);
        ::_close(fd_);
#else
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
#endif
    }

    // Follows path to the file written (by the bytes of its names), opens it in append mode,
    // created where it is missing, and waits for the lock.
    bool open(const QString& path, QString* reason)
    {
        if (!writeTarget(path, &path_, reason) || !mayAppend(path_, reason))
            return false;
        errno = 0;
#ifdef Q_OS_WIN
        fd_ = ::_wsopen(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path_).utf16()),
                        _O_RDWR | _O_APPEND | _O_CREAT | _O_BINARY | _O_NOINHERIT, _SH_DENYNO,
                        _S_IREAD | _S_IWRITE);
#else
        fd_ = ::open(QFile::encodeName(path_).constData(),
                     O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
#endif
        if (fd_ < 0)
            return fail(reason, reasonForError(errno, path_, FileAccess::Write));
        for (int waited = 0;; waited += 10) {
#ifdef Q_OS_WIN
            OVERLAPPED whole {};
            if (LockFileEx(handle(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                           MAXDWORD, MAXDWORD, &whole))
                return true;
#else
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
                return true;
            if (errno != EWOULDBLOCK && errno != EINTR)
                return true;   // a file system without locks: written as before
#endif
            if (waited >= LockWaitMs)
                return fail(reason, QCoreApplication::translate("ProductionLog", LockedText));
            QThread::msleep(10);
        }
    }

    qint64 size() const
    {
#ifdef Q_OS_WIN
        return ::_lseeki64(fd_, 0, SEEK_END);
#else
        struct stat st {};
        return ::fstat(fd_, &st) == 0 ? qint64(st.st_size) : -1;
#endif
    }

    // The last byte of the file, '\n' for an empty one.
    char lastByte(qint64 size) const
    {
        char last = '\n';
        if (size <= 0)
            return last;
#ifdef Q_OS_WIN
        if (::_lseeki64(fd_, size - 1, SEEK_SET) < 0 || ::_read(fd_, &last, 1) != 1)
            last = '\n';
#else
        if (::pread(fd_, &last, 1, off_t(size - 1)) != 1)
            last = '\n';
#endif
        return last;
    }

    // Room for bytes more at the end of the file, taken from the disk now and kept for the
    // file (its size stays). 0 when there is, else the error number.
    int reserve(qint64 size, qint64 bytes) const
    {
#ifdef Q_OS_WIN
        ULARGE_INTEGER free {};
        const QString folder = QDir::toNativeSeparators(QFileInfo(path_).absolutePath());
        if (GetDiskFreeSpaceExW(reinterpret_cast<const wchar_t*>(folder.utf16()), &free,
                                nullptr, nullptr)
            && free.QuadPart < quint64(bytes))
            return ENOSPC;
        (void)size;
        return 0;
#else
#ifdef Q_OS_LINUX
        if (::fallocate(fd_, FALLOC_FL_KEEP_SIZE, off_t(size), off_t(bytes)) == 0)
            return 0;
        if (errno != EOPNOTSUPP && errno != ENOSYS && errno != EINVAL)
            return errno;
#else
        (void)size;
#endif
        // A file system that cannot reserve: at least the room must be free.
        struct statvfs vfs {};
        if (::fstatvfs(fd_, &vfs) == 0 && qint64(vfs.f_bavail) * qint64(vfs.f_frsize) < bytes)
            return ENOSPC;
        return 0;
#endif
    }

    // Appends bytes and puts them on the disk. 0 when done, else the error number; then the
    // file is cut back to size.
    int append(const QByteArray& bytes, qint64 size) const
    {
        const char* p = bytes.constData();
        qint64 left = bytes.size();
        int error = 0;
        while (left > 0 && error == 0) {
#ifdef Q_OS_WIN
            const int n = ::_write(fd_, p, unsigned(std::min<qint64>(left, 1 << 30)));
#else
            const ssize_t n = ::write(fd_, p, size_t(left));
#endif
            if (n > 0) {
                p += n;
                left -= n;
            } else if (n == 0) {
                error = ENOSPC;
            } else if (errno != EINTR) {
                error = errno;
            }
        }
        // On the disk before the next module is programmed, a power cut included.
#ifdef Q_OS_WIN
        if (error == 0 && ::_commit(fd_) != 0)
            error = errno;
#else
        if (error == 0 && ::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS)
            error = errno;
#endif
        if (error != 0) {
            // No half line is left behind.
#ifdef Q_OS_WIN
            (void)::_chsize_s(fd_, size);
#else
            (void)::ftruncate(fd_, off_t(size));
#endif
        }
        return error;
    }

    const QString& path() const { return path_; }

private:
#ifdef Q_OS_WIN
    HANDLE handle() const { return reinterpret_cast<HANDLE>(::_get_osfhandle(fd_)); }
#endif
    QString path_;
    int fd_ = -1;
};

// ---- Reading the log ----------------------------------------------------------------------

// One field of a line as it stands in the file, quotes included.
struct Field {
    const char* data = nullptr;
    qsizetype size = 0;
    bool quoted = false;   // holds a quote: to be read through unquote()
};
using Fields = std::array<Field, ColumnCount>;

// Whether a line (without its line end) parses as a line of the log: its quotes close and
// it has the log's number of fields. Quotes toggle as in parseCsv().
bool wellFormed(const char* p, const char* end)
{
    qsizetype fields = 1;
    bool inQuotes = false;
    for (;;) {
        const char* quote = static_cast<const char*>(std::memchr(p, '"', size_t(end - p)));
        const char* stop = quote ? quote : end;
        if (!inQuotes)
            fields += std::count(p, stop, ';');
        if (!quote)
            break;
        inQuotes = !inQuotes;
        p = quote + 1;
    }
    return !inQuotes && fields == ColumnCount;
}

// Splits a line into its fields, as wellFormed() judges it: false when it is not.
bool splitFields(const char* p, const char* end, Fields& fields)
{
    int n = 0;
    const char* start = p;
    bool inQuotes = false;
    bool quoted = false;
    for (; p < end; ++p) {
        if (*p == '"') {
            inQuotes = !inQuotes;
            quoted = true;
        } else if (*p == ';' && !inQuotes) {
            if (n == ColumnCount - 1)
                return false;
            fields[size_t(n++)] = {start, p - start, quoted};
            start = p + 1;
            quoted = false;
        }
    }
    fields[size_t(n)] = {start, end - start, quoted};
    return !inQuotes && n == ColumnCount - 1;
}

// A field's text in UTF-8: quotes that toggle are dropped, a doubled quote inside quotes is
// one quote.
QByteArrayView unquote(const Field& f, std::string& scratch)
{
    if (!f.quoted)
        return QByteArrayView(f.data, f.size);
    // The usual case: the whole field in quotes, none inside.
    if (f.size >= 2 && f.data[0] == '"' && f.data[f.size - 1] == '"'
        && !std::memchr(f.data + 1, '"', size_t(f.size - 2)))
        return QByteArrayView(f.data + 1, f.size - 2);
    scratch.clear();
    bool inQuotes = false;
    for (qsizetype i = 0; i < f.size; ++i) {
        const char c = f.data[i];
        if (c != '"') {
            scratch += c;
        } else if (inQuotes && i + 1 < f.size && f.data[i + 1] == '"') {
            scratch += c;
            ++i;
        } else {
            inQuotes = !inQuotes;
        }
    }
    return QByteArrayView(scratch.data(), qsizetype(scratch.size()));
}

int digits(const char* p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return -1;
        v = v * 10 + (p[i] - '0');
    }
    return v;
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
qint64 daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = int(y - era * 400);
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// Seconds since the epoch of a time as the log writes it, "2025-03-14T09:26:53+01:00";
// another form of ISO 8601 through QDateTime. False when it is no time.
bool secondsOf(QByteArrayView t, qint64* seconds)
{
    const char* p = t.data();
    if (t.size() == 25 && p[4] == '-' && p[7] == '-' && p[10] == 'T' && p[13] == ':'
        && p[16] == ':' && (p[19] == '+' || p[19] == '-') && p[22] == ':') {
        const int y = digits(p, 4), mo = digits(p + 5, 2), d = digits(p + 8, 2);
        const int h = digits(p + 11, 2), mi = digits(p + 14, 2), s = digits(p + 17, 2);
        const int oh = digits(p + 20, 2), om = digits(p + 23, 2);
        static const int monthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
        if (y >= 0 && mo >= 1 && mo <= 12 && d >= 1
            && d <= monthDays[mo > 0 && mo <= 12 ? mo - 1 : 0] - (mo == 2 && !leap)
            && h >= 0 && h < 24 && mi >= 0 && mi < 60 && s >= 0 && s < 60 && oh >= 0
            && om >= 0) {
            const qint64 offset = (qint64(oh) * 3600 + om * 60) * (p[19] == '-' ? -1 : 1);
            *seconds = daysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s - offset;
            return true;
        }
    }
    const QDateTime time = QDateTime::fromString(QString::fromUtf8(t), Qt::ISODate);
    if (!time.isValid())
        return false;
    *seconds = time.toSecsSinceEpoch();
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
    QString t = text;
    if (t.contains(QLatin1Char('\r')) || t.contains(QLatin1Char('\n'))) {
        t.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        t.replace(QLatin1Char('\r'), QLatin1Char(' '));
        t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    if (!t.contains(QLatin1Char(';')) && !t.contains(QLatin1Char('"')))
        return t;
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
    LockedLog log;
    if (!log.open(path, reason))
        return false;
    const qint64 size = log.size();
    QByteArray bytes;
    // A last line without its line end (a run cut short by a power cut) keeps its own.
    if (size > 0 && log.lastByte(size) != '\n')
        bytes += "\r\n";
    bytes += productionLogBytes(record, size == 0);
    if (const int error = log.append(bytes, size))
        return fail(reason, reasonForError(error, log.path(), FileAccess::Write));
    return true;
}

bool reserveProductionLog(const QString& path, const ProductionRecord& record, QString* reason)
{
    LockedLog log;
    if (!log.open(path, reason))
        return false;
    const qint64 size = log.size();
    const qint64 room = 2 + productionLogBytes(record, size == 0).size() + ResultRoom;
    if (const int error = log.reserve(size, room))
        return fail(reason, reasonForError(error, log.path(), FileAccess::Write));
    return true;
}

bool productionLogWritable(const QString& path, QString* reason)
{
    ProductionRecord unknown;
    unknown.configFile = path;
    return reserveProductionLog(path, unknown, reason);
}

LogSearch searchProductionLog(const QString& path, const ProductionRecord& record)
{
    LogSearch result;
    // A plain file only: a pipe would wait for a writer.
    if (!QFileInfo(path).isFile())
        return result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return result;

    // What a matching line holds: "OK", the file, and address and function of each code used
    // now. A line can match only when it holds the address and function of the first code
    // used now; only such lines are taken apart.
    const QStringList now = productionLogFields(record);
    int first = 1;
    while (first <= 8 && record.function[size_t(first)] == FnKeine)
        ++first;
    const bool used = first <= 8;
    QByteArray needle;
    std::vector<std::pair<int, QByteArray>> expected;   // column, text
    if (used) {
        const int column = FirstCodeColumn + 2 * (first - 1);
        needle = (QLatin1Char(';') + csvField(now.at(column)) + QLatin1Char(';')
                  + csvField(now.at(column + 1)) + QLatin1Char(';'))
                     .toUtf8();
        expected.emplace_back(ResultColumn, Ok.toUtf8());
        // As the writer puts it: line breaks as blanks.
        expected.emplace_back(FileColumn, csvField(now.at(FileColumn)).toUtf8());
        if (expected.back().second.startsWith('"')) {
            Field f{expected.back().second.constData(), expected.back().second.size(), true};
            std::string scratch;
            expected.back().second = unquote(f, scratch).toByteArray();
        }
        for (int n = 1; n <= 8; ++n) {
            if (record.function[size_t(n)] != FnKeine)
                expected.emplace_back(FirstCodeColumn + 2 * (n - 1),
                                      now.at(FirstCodeColumn + 2 * (n - 1)).toUtf8());
        }
    }
    const QByteArray none(functionName(FnKeine));

    qint64 newest = 0;
    std::string newestTime;
    Fields fields;
    std::string scratch;
    const QByteArrayMatcher matcher(needle);
    const char* hit = nullptr;   // the next place of the needle in the block, past it: none
    auto takeLine = [&](const char* p, const char* end) {
        if (end > p && end[-1] == '\r')
            --end;
        if (p == end)
            return;
        const bool candidate = used && hit < end;
        if (!(candidate ? splitFields(p, end, fields) : wellFormed(p, end))) {
            ++result.unreadableLines;
            return;
        }
        if (!candidate)
            return;
        for (const auto& [column, text] : expected) {
            if (unquote(fields[size_t(column)], scratch) != text)
                return;
        }
        for (int n = 1; n <= 8; ++n) {
            if (record.function[size_t(n)] != FnKeine
                && unquote(fields[size_t(FirstCodeColumn + 2 * (n - 1) + 1)], scratch) == none)
                return;
        }
        const QByteArrayView time = unquote(fields[TimeColumn], scratch);
        qint64 seconds = 0;
        if (secondsOf(time, &seconds) && (newestTime.empty() || seconds >= newest)) {
            newest = seconds;
            newestTime.assign(time.data(), size_t(time.size()));
        }
    };

    // Read in blocks; a line that runs over a block's end is carried into the next one. A
    // line longer than a block is no line of the log: it counts as one unreadable line and
    // is passed over up to its end.
    constexpr qint64 Block = 1 << 20;
    QByteArray buffer(2 * Block, Qt::Uninitialized);
    qsizetype carried = 0;
    bool skipping = false;
    bool start = true;
    for (;;) {
        const qint64 n = file.read(buffer.data() + carried, Block);
        if (n < 0)
            break;
        const char* p = buffer.constData();
        const char* end = p + carried + qsizetype(n);
        if (start && end - p >= 3 && std::memcmp(p, Bom.constData(), 3) == 0)
            p += 3;
        start = false;
        auto findNeedle = [&](const char* from) {
            const qsizetype at = used ? matcher.indexIn(from, end - from) : -1;
            hit = at < 0 ? end : from + at;
        };
        findNeedle(p);
        for (;;) {
            const char* lf = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
            if (!lf)
                break;
            if (!skipping)
                takeLine(p, lf);
            skipping = false;
            p = lf + 1;
            if (hit < p)
                findNeedle(p);
        }
        carried = end - p;
        if (n == 0) {
            if (carried > 0 && !skipping)
                takeLine(p, end);
            break;
        }
        if (carried >= Block) {
            if (!skipping)
                ++result.unreadableLines;
            skipping = true;
            carried = 0;
        }
        std::memmove(buffer.data(), p, size_t(carried));
    }
    if (!newestTime.empty()) {
        const QDateTime t = QDateTime::fromString(
            QString::fromUtf8(newestTime.data(), qsizetype(newestTime.size())), Qt::ISODate);
        if (t.isValid())
            result.programmedBefore = t;
    }
    return result;
}

std::optional<QDateTime> programmedBefore(const QString& path, const ProductionRecord& record)
{
    return searchProductionLog(path, record).programmedBefore;
}

namespace {

const char ProgrammedBefore[] =
    QT_TRANSLATE_NOOP("ProductionLog", " Achtung: diese Adressen wurden bereits programmiert (%1)");
const char LogNotWritten[] =
    QT_TRANSLATE_NOOP("ProductionLog", " Protokoll konnte nicht geschrieben werden");
const char UnreadableLines[] =
    QT_TRANSLATE_NOOP("ProductionLog", " %1 Zeilen des Protokolls nicht lesbar");

}  // namespace

QString msgProgrammedBefore(const QDateTime& time)
{
    return QString::fromUtf8(ProgrammedBefore)
        .arg(time.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
}

QString msgLogNotWritten()
{
    return QString::fromUtf8(LogNotWritten);
}

QString msgUnreadableLines(int count)
{
    return QString::fromUtf8(UnreadableLines).arg(count);
}

QString shownLogLine(const QString& line)
{
    return language::translateLine("ProductionLog", line,
                                   {ProgrammedBefore, LogNotWritten, UnreadableLines});
}

QString keptReason(const QString& reason)
{
    return language::sourceLine("ProductionLog", reason::inGerman(reason), {LockedText});
}

}  // namespace fbe
