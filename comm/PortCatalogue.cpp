// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "comm/PortCatalogue.h"

#include "comm/PortNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QSet>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace fbe {

namespace {

// A description the program gives itself: German, as fbe-tool's JSON keeps it.
const char* const SimulatedModule = QT_TRANSLATE_NOOP("fbe::PortCatalogue", "simuliertes Modul");

QString translated(const QByteArray& text)
{
    return QCoreApplication::translate("fbe::PortCatalogue", text.constData());
}

#ifdef Q_OS_WIN
// "\\.\COM10" and "com10" are both COM10.
QString windowsName(const QString& path)
{
    QString name = path;
    if (name.startsWith(QLatin1String("\\\\.\\")))
        name = name.mid(4);
    return name.toUpper();
}
#endif

// What tells two paths of one device apart from two devices: the device a link resolves to;
// a missing device is known by its absolute path.
QString portKey(const QString& path)
{
    if (path.isEmpty())
        return {};
#ifdef Q_OS_WIN
    return windowsName(path);
#else
    QString p = path;
    if (!p.contains(QLatin1Char('/')))
        p = QStringLiteral("/dev/") + p;
    const QFileInfo info(p);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
#endif
}

bool hasControlCharacters(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Port names in natural order: ttyS2 before ttyS10, ttyACM0 before ttyUSB0.
bool naturalLess(const QString& a, const QString& b)
{
    static const QRegularExpression split(QStringLiteral("^(.*?)(\\d*)$"));
    const QRegularExpressionMatch ma = split.match(a);
    const QRegularExpressionMatch mb = split.match(b);
    const int byStem = QString::compare(ma.captured(1), mb.captured(1), Qt::CaseInsensitive);
    if (byStem != 0)
        return byStem < 0;
    const QString na = ma.captured(2), nb = mb.captured(2);
    if (na.size() != nb.size())
        return na.size() < nb.size();
    return na < nb;
}

QString hex4(quint16 v)
{
    return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0'));
}

}  // namespace

// ---- The system ---------------------------------------------------------------------------

SystemPortSource::SystemPortSource(QString serialDir) : serialDir_(std::move(serialDir)) {}

QList<SystemPortInfo> SystemPortSource::availablePorts() const
{
    QList<SystemPortInfo> out;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SystemPortInfo p;
        p.portName = info.portName();
        p.systemLocation = info.systemLocation();
        p.description = info.description();
        p.manufacturer = info.manufacturer();
        p.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier())
            p.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            p.productId = info.productIdentifier();
        out << p;
    }
    return out;
}

QList<SerialLink> SystemPortSource::serialLinks() const
{
    QList<SerialLink> out;
#ifdef Q_OS_LINUX
    for (const bool byId : {true, false}) {
        const QString dir = serialDir_ + (byId ? QStringLiteral("/by-id") : QStringLiteral("/by-path"));
        QDirIterator it(dir, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        while (it.hasNext()) {
            const QFileInfo link(it.next());
            const QString target = link.canonicalFilePath();
            if (link.isSymLink() && !target.isEmpty())
                out << SerialLink{link.absoluteFilePath(), target, byId};
        }
    }
#endif
    return out;
}

QStringList SystemPortSource::extraPorts() const
{
    return qEnvironmentVariable("FBE_EXTRA_PORTS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

// ---- Entries ------------------------------------------------------------------------------

QString PortEntry::link() const
{
    if (!serialNumber.isEmpty())
        return byId.isEmpty() ? byPath : byId;
    return byPath.isEmpty() ? byId : byPath;
}

QString PortEntry::path() const
{
    const QString l = link();
    return l.isEmpty() ? device : l;
}

QString PortEntry::label() const
{
    // The program's own description in the language in use.
    return description.isEmpty() ? name : name + QStringLiteral(" - ") + translated(description.toUtf8());
}

QStringList PortEntry::details() const
{
    QStringList lines;
    lines << QCoreApplication::translate("fbe::PortCatalogue", "Gerät: %1").arg(device);
    if (!manufacturer.isEmpty())
        lines << QCoreApplication::translate("fbe::PortCatalogue", "Hersteller: %1")
                     .arg(manufacturer);
    if (!serialNumber.isEmpty())
        lines << QCoreApplication::translate("fbe::PortCatalogue", "Seriennummer: %1")
                     .arg(serialNumber);
    if (vendorId && productId)
        lines << QCoreApplication::translate("fbe::PortCatalogue", "USB-Kennung (VID:PID): %1:%2")
                     .arg(hex4(*vendorId), hex4(*productId));
    if (!link().isEmpty())
        lines << QCoreApplication::translate("fbe::PortCatalogue", "fester Name: %1").arg(link());
    return lines;
}

bool isPseudoTerminal(const QString& path)
{
#ifdef Q_OS_UNIX
    const QString canonical = QFileInfo(path).canonicalFilePath();
    static const QRegularExpression macPty(QStringLiteral("^/dev/ttys[0-9]+$"));
    return canonical.startsWith(QLatin1String("/dev/pts/")) || macPty.match(canonical).hasMatch();
#else
    Q_UNUSED(path);
    return false;
#endif
}

QString shortPortName(const QString& path)
{
#ifdef Q_OS_WIN
    return windowsName(path);
#else
    const QFileInfo given(path);
    const QString canonical = given.canonicalFilePath();
    if (!canonical.isEmpty() && !isPseudoTerminal(canonical))
        return QFileInfo(canonical).fileName();
    return given.fileName();
#endif
}

PortEntry describePort(const QString& path, const PortSource& source)
{
    PortEntry e;
    e.device = path;
    e.name = shortPortName(path);
    const QString key = portKey(path);
    for (const SystemPortInfo& info : source.availablePorts()) {
        if (portKey(info.systemLocation) != key)
            continue;
        e.name = info.portName;
#ifdef Q_OS_WIN
        e.device = info.portName;
#else
        e.device = info.systemLocation;
#endif
        e.description = info.description;
        e.manufacturer = info.manufacturer;
        e.serialNumber = info.serialNumber;
        e.vendorId = info.vendorId;
        e.productId = info.productId;
        break;
    }
    for (const SerialLink& l : source.serialLinks()) {
        if (portKey(l.target) != key)
            continue;
        QString& slot = l.byId ? e.byId : e.byPath;
        if (slot.isEmpty())
            slot = l.path;
    }
    if (e.description.isEmpty() && isPseudoTerminal(path))
        e.description = QString::fromUtf8(SimulatedModule);
    return e;
}

QList<PortEntry> listPorts(const PortSource& source)
{
    QList<PortEntry> out;
    QSet<QString> seen;
    for (int n = 1; n <= 4; ++n) {
        const QString device = comDevicePath(n);
        PortEntry e = describePort(device, source);
        e.name = QStringLiteral("COM%1").arg(n);
        e.device = device;
        e.comNumber = n;
        seen.insert(portKey(device));
        out << e;
    }

    QList<SystemPortInfo> system = source.availablePorts();
    std::sort(system.begin(), system.end(), [](const SystemPortInfo& a, const SystemPortInfo& b) {
        return naturalLess(a.portName, b.portName);
    });
    QStringList paths;
    for (const SystemPortInfo& info : system)
        paths << info.systemLocation;
    for (const QString& extra : source.extraPorts()) {
        // A path that no menu, message or settings line could show is no port.
        if (hasControlCharacters(extra))
            continue;
#ifdef Q_OS_WIN
        paths << extra;
#else
        paths << QFileInfo(extra).absoluteFilePath();
#endif
    }
    for (const QString& path : paths) {
        const QString key = portKey(path);
        if (key.isEmpty() || seen.contains(key))
            continue;
        seen.insert(key);
        out << describePort(path, source);
    }
    return out;
}

bool samePort(const PortEntry& a, const PortEntry& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    return a.path() == b.path() || portKey(a.device) == portKey(b.device);
}

const PortEntry* findPort(const QList<PortEntry>& ports, const QString& nameOrPath)
{
    if (nameOrPath.isEmpty())
        return nullptr;
    for (const PortEntry& e : ports) {
        if (e.name == nameOrPath)
            return &e;
    }
    // Only a path names a device: a bare word that is no listed name is left to the caller.
    if (!nameOrPath.contains(QLatin1Char('/')))
        return nullptr;
    const QString key = portKey(nameOrPath);
    for (const PortEntry& e : ports) {
        if (e.device == nameOrPath || e.byId == nameOrPath || e.byPath == nameOrPath
            || portKey(e.device) == key)
            return &e;
    }
    return nullptr;
}

bool portPresent(const QString& path, const PortSource& source)
{
    if (path.isEmpty() || hasControlCharacters(path))
        return false;
#ifdef Q_OS_WIN
    const QString key = windowsName(path);
    for (const SystemPortInfo& info : source.availablePorts())
        if (windowsName(info.systemLocation) == key || windowsName(info.portName) == key)
            return true;
    return false;
#else
    Q_UNUSED(source);
    struct stat st {};
    // stat follows the links: a by-id link whose adapter is unplugged points nowhere.
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
#endif
}

QString systemPortHint(const PortEntry& port)
{
    if (port.description.isEmpty())
        return QCoreApplication::translate("fbe::PortCatalogue",
                                           "derzeit benützte serielle Schnittstelle (%1)")
            .arg(port.device);
    return QCoreApplication::translate("fbe::PortCatalogue",
                                       "derzeit benützte serielle Schnittstelle (%1 - %2)")
        .arg(port.device, translated(port.description.toUtf8()));
}

QString printablePath(const QString& path)
{
    QString out = path;
    for (QChar& c : out) {
        if (!c.isPrint())
            c = QLatin1Char('?');
    }
    return out;
}

}  // namespace fbe
