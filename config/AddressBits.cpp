// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/AddressBits.h"

#include "config/Configuration.h"
#include "config/Formatting.h"

namespace fbe::addr {

qint32 toggleBit(qint32 address, int bit)
{
    const qint32 value = qint32(1) << bit;
    return bitSet(address, bit) ? address - value : address + value;
}

bool bitSet(qint32 address, int bit)
{
    return (quint32(address) >> bit) & 1u;
}

qint32 chooseKey(qint32 address, quint32 andMask, qint32 keyValue)
{
    return qint32(quint32(address) & andMask) + keyValue;
}

qint32 keyBits(qint32 address, quint32 andMask)
{
    return qint32(quint32(address) & ~andMask & 0xFFFu);
}

qint32 workingFromSlot(quint64 address)
{
    return qint32(quint32(address & 0xFFFFFFFFu));
}

quint64 slotFromWorking(qint32 working)
{
    return quint64(qint64(working));
}

int svsLowBit(int n)
{
    // Switches 1..5 hold bits 35..26, switches 6..8 bits 23..18.
    return n <= 5 ? 36 - 2 * n : 34 - 2 * n;
}

SvsPosition svsPosition(quint64 address, int n)
{
    const int low = svsLowBit(n);
    const unsigned pair = unsigned((address >> low) & 3u);
    switch (pair) {
    case 3:
        return SvsPosition::Left;
    case 1:
        return SvsPosition::Middle;
    case 0:
        return SvsPosition::Right;
    default:
        return SvsPosition::Blocked;
    }
}

quint64 svsAdvance(quint64 address, int n, bool leftHalf)
{
    const int low = svsLowBit(n);
    const quint64 pairMask = quint64(3) << low;
    switch (svsPosition(address, n)) {
    case SvsPosition::Left:
    case SvsPosition::Right:
        return (address & (Low40 & ~pairMask)) | (quint64(1) << low);
    case SvsPosition::Middle: {
        const quint64 cleared = address & (Low40 & ~pairMask);
        return leftHalf ? cleared | pairMask : cleared;
    }
    case SvsPosition::Blocked:
        break;
    }
    return address;
}

quint64 svsSetKey(quint64 address, int bit, bool pressed)
{
    const quint64 cleared = address & (Low40 & ~(quint64(1) << bit));
    return pressed ? cleared : cleared | (quint64(1) << bit);
}

namespace {

// Decimal integer with optional sign and blanks around it. A digit string too long for
// 64 bits reads as the largest or smallest value, so that it is bounded like any other.
enum class Read { Ok, Huge, Tiny, Bad };

Read readInteger(const QString& text, qint64& value)
{
    const QString t = text.trimmed();
    bool ok = false;
    value = t.toLongLong(&ok, 10);
    if (ok)
        return Read::Ok;
    const bool negative = t.startsWith(QLatin1Char('-'));
    const int start = (negative || t.startsWith(QLatin1Char('+'))) ? 1 : 0;
    if (t.size() <= start)
        return Read::Bad;
    for (int i = start; i < t.size(); ++i) {
        if (t.at(i) < QLatin1Char('0') || t.at(i) > QLatin1Char('9'))
            return Read::Bad;
    }
    return negative ? Read::Tiny : Read::Huge;
}

}  // namespace

quint8 codeLengthFromText(const QString& text)
{
    qint64 v = 0;
    if (readInteger(text, v) != Read::Ok || v < 0 || v > 40)
        return 40;
    return v == 0 ? 1 : quint8(v);
}

Entry addressFromText(const QString& text)
{
    qint64 v = 0;
    switch (readInteger(text, v)) {
    case Read::Ok:
        return v < 0 ? Entry{0, true} : Entry{quint64(v), false};
    case Read::Huge: {
        bool ok = false;
        const quint64 u = text.trimmed().toULongLong(&ok, 10);
        return {ok ? u : ~quint64(0), false};
    }
    case Read::Tiny:
    case Read::Bad:
        break;
    }
    return {0, true};
}

quint64 limitAddress(quint64 address, unsigned bits)
{
    return qMin(address, maxAddressForBits(bits));
}

Entry byteFromText(const QString& text)
{
    qint64 v = 0;
    switch (readInteger(text, v)) {
    case Read::Ok:
        return {quint64(qBound(qint64(0), v, qint64(255))), false};
    case Read::Huge:
        return {255, false};
    case Read::Tiny:
        return {0, false};
    case Read::Bad:
        break;
    }
    return {0, true};
}

quint64 maskFromText(const QString& text)
{
    return ParseBinary(text);
}

QString padded(quint64 value, int width, QChar fill)
{
    QString text = QString::number(value);
    if (text.size() < width)
        text.prepend(QString(width - text.size(), fill));
    return text;
}

}  // namespace fbe::addr
