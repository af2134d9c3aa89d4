// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/SettingsFile.h"

#include "config/Cp1252.h"
#include "config/TextLines.h"
#include "config/FbeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace fbe {

namespace {

constexpr qint64 MaxSettingsSize = 1024 * 1024;
constexpr int WaitstatesLine = 11;
constexpr int PosmainSearchEnd = 51;   // "#posmain#" is looked for on lines 11..51

const QString WaitstatesMarker = QStringLiteral("#waitstates#");
const QString ProductionLogOn = QStringLiteral("protokollyes");

const char* const Markers[WindowPositions::Count] = {
    "#posmain#", "#posprog#", "#posselect#", "#pos1T#", "#pos2T#", "#pos3T#",
    "#pos4T#", "#pos16T#", "#possystem#", "#poshelp#", "#posinfo#", "#posprint#",
    "#posprojekt#", "#poswaitstate#", "#poscodes#", "#posask#", "#poshinweis#",
};

QPoint WindowPositions::* const Members[WindowPositions::Count] = {
    &WindowPositions::main, &WindowPositions::prog, &WindowPositions::select,
    &WindowPositions::t1, &WindowPositions::t2, &WindowPositions::t3,
    &WindowPositions::t4, &WindowPositions::t16, &WindowPositions::system,
    &WindowPositions::help, &WindowPositions::info, &WindowPositions::print,
    &WindowPositions::projekt, &WindowPositions::waitstate, &WindowPositions::codes,
    &WindowPositions::ask, &WindowPositions::hinweis,
};

// A decimal integer of the 32-bit range, blanks around it allowed.
bool parseInt(const QString& line, int* value)
{
    const QString t = line.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+')))
        ++i;
    if (i == t.size() || t.size() - i > 10)
        return false;
    for (qsizetype k = i; k < t.size(); ++k) {
        const char16_t u = t.at(k).unicode();
        if (u < u'0' || u > u'9')
            return false;
    }
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    if (ok)
        *value = v;
    return ok;
}

// Line access that reports a missing line instead of failing.
class Lines {
public:
    explicit Lines(QStringList lines) : lines_(std::move(lines)) {}
    bool has(int line) const { return line >= 1 && line <= lines_.size(); }
    const QString& at(int line) const { return lines_.at(line - 1); }
    int count() const { return int(lines_.size()); }

private:
    QStringList lines_;
};

// A path (or the database URI) with a line break would shift every later line of the file:
// none is stored.
QString systemPortLine(const QString& path)
{
    if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r')))
        return {};
    return path;
}

}  // namespace

QPoint& WindowPositions::at(int index)
{
    return this->*Members[index];
}

const QPoint& WindowPositions::at(int index) const
{
    return this->*Members[index];
}

QString WindowPositions::marker(int index)
{
    return QLatin1String(Markers[index]);
}

QString decodeSettingsText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return cp1252::decode(bytes);
}

SettingsRead parseSettings(const QByteArray& bytes)
{
    SettingsRead read;
    Settings& s = read.values;
    if (bytes.size() > MaxSettingsSize) {
        read.error = QStringLiteral("die Datei ist größer als 1 MiB");
        return read;
    }
    read.fileRead = true;
    const Lines lines(splitLines(decodeSettingsText(bytes)));

    auto missing = [&read](int line) {
        read.error = QStringLiteral("Zeile %1 fehlt").arg(line);
        return read;
    };
    auto notNumber = [&read](int line) {
        read.error = QStringLiteral("Zeile %1 ist keine Zahl").arg(line);
        return read;
    };

    if (!lines.has(2))
        return missing(2);
    s.askLastFile = lines.at(2) != QLatin1String("VDno");
    read.hasAskLastFile = true;

    if (!lines.has(4))
        return missing(4);
    s.showNotices = lines.at(4) != QLatin1String("infono");
    read.hasShowNotices = true;

    if (!lines.has(5))
        return missing(5);
    s.progView = lines.at(5) == QLatin1String("progwindow");
    read.hasView = true;

    if (!lines.has(6))
        return missing(6);
    s.workingFolder = lines.at(6);
    read.hasWorkingFolder = true;

    if (!lines.has(WaitstatesLine))
        return missing(WaitstatesLine);
    if (lines.at(WaitstatesLine) == WaitstatesMarker) {
        const int valueLine = WaitstatesLine + 1;
        if (!lines.has(valueLine))
            return missing(valueLine);
        int value = 0;
        if (!parseInt(lines.at(valueLine), &value))
            return notNumber(valueLine);
        // The value counts wait states: no fewer than one.
        s.waitstates = value < 1 ? 1 : value;
    } else {
        s.waitstates = 22;
    }
    read.hasWaitstates = true;

    // The position groups start at the last "#posmain#" among lines 11..51, else at line 11;
    // a group that is absent is skipped and the next marker tried on the same line.
    if (!lines.has(PosmainSearchEnd))
        return missing(lines.count() + 1);
    int c = WaitstatesLine;
    for (int line = WaitstatesLine; line <= PosmainSearchEnd; ++line) {
        if (lines.at(line) == QLatin1String(Markers[WindowPositions::Main]))
            c = line;
    }
    for (int index = 0; index < WindowPositions::Count; ++index) {
        if (!lines.has(c))
            return missing(c);
        if (lines.at(c) != QLatin1String(Markers[index]))
            continue;
        int left = 0;
        int top = 0;
        if (!lines.has(c + 1))
            return missing(c + 1);
        if (!parseInt(lines.at(c + 1), &left))
            return notNumber(c + 1);
        if (!lines.has(c + 2))
            return missing(c + 2);
        if (!parseInt(lines.at(c + 2), &top))
            return notNumber(c + 2);
        s.positions.at(index) = QPoint(left, top);
        s.positions.present[size_t(index)] = true;
        c += 3;
    }

    s.lastFile = lines.at(1);
    // Any other name would be shown as the port while the transfer uses COM1, the port that
    // such a name stands for: it is read as COM1.
    static const QStringList Ports{QStringLiteral("COM1"), QStringLiteral("COM2"),
                                   QStringLiteral("COM3"), QStringLiteral("COM4")};
    s.comPortName = Ports.contains(lines.at(3)) ? lines.at(3) : Ports.first();
    // Whether the port exists is for the start-up to find out.
    s.systemPort = lines.at(7);
    s.productionLog = lines.at(8) == ProductionLogOn;
    // Any other text (a later version's language) leaves the choice to the desktop.
    if (lines.at(9) == QLatin1String("de") || lines.at(9) == QLatin1String("en"))
        s.language = lines.at(9);
    s.databaseUri = lines.at(10);
    read.complete = true;
    return read;
}

SettingsRead readSettingsFile(const QString& path)
{
    // Only a plain file: opening a pipe or a device could wait for ever.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        SettingsRead read;
        read.error = QStringLiteral("keine gewöhnliche Datei");
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SettingsRead read;
        read.error = file.errorString();
        return read;
    }
    const QByteArray bytes = file.read(MaxSettingsSize + 1);
    if (file.error() != QFileDevice::NoError) {
        SettingsRead read;
        read.error = file.errorString();
        return read;
    }
    return parseSettings(bytes);
}

QStringList settingsLines(const Settings& s)
{
    QStringList lines;
    lines << s.lastFile
          << QLatin1String(s.askLastFile ? "VDyes" : "VDno")
          << s.comPortName
          << QLatin1String(s.showNotices ? "infoyes" : "infono")
          << QLatin1String(s.progView ? "progwindow" : "commentwindow")
          << s.workingFolder
          << systemPortLine(s.systemPort) << (s.productionLog ? ProductionLogOn : QString())
          << s.language << systemPortLine(s.databaseUri)
          << WaitstatesMarker
          << QString::number(s.waitstates);
    for (int index = 0; index < WindowPositions::Count; ++index) {
        const QPoint& p = s.positions.at(index);
        lines << QLatin1String(Markers[index]) << QString::number(p.x())
              << QString::number(p.y());
    }
    return lines;
}

QByteArray settingsBytes(const Settings& settings)
{
    QByteArray out;
    for (const QString& line : settingsLines(settings)) {
        out += line.toUtf8();
        out += "\r\n";
    }
    return out;
}

bool writeSettingsFile(const QString& path, const Settings& settings, QString* error)
{
    return WriteFileAtomically(path, settingsBytes(settings), error);
}

}  // namespace fbe
