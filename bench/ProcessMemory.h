// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks' view of their own memory.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace bench {

// Resident sizes of this process in KiB from /proc/self/status: "VmRSS:" now, "VmHWM:" the
// peak since the last reset; 0 where the file or the key is missing.
inline qint64 statusKiB(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key) + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

}  // namespace bench
