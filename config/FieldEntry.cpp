// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/FieldEntry.h"

#include "config/Formatting.h"

#include <algorithm>
#include <limits>

namespace fbe {

namespace {
constexpr qint64 Max40 = (qint64(1) << 40) - 1;

FieldValue bounded(std::optional<qint64> v, qint64 fallback, bool beepOnFailure, qint64 lo,
                   qint64 hi)
{
    if (!v)
        return {fallback, beepOnFailure};
    return {std::clamp(*v, lo, hi), false};
}
}  // namespace

std::optional<qint64> readInteger(const QString& text)
{
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
        negative = t.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i >= t.size())
        return std::nullopt;
    // Accumulate as a negative number so that the smallest 64-bit value is reachable.
    constexpr qint64 Min = std::numeric_limits<qint64>::min();
    qint64 acc = 0;
    bool saturated = false;
    for (; i < t.size(); ++i) {
        const char16_t c = t.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c - u'0';
        if (saturated)
            continue;
        if (acc < (Min + digit) / 10) {
            saturated = true;
            acc = Min;
            continue;
        }
        acc = acc * 10 - digit;
    }
    if (negative)
        return acc;
    if (acc == Min)
        return std::numeric_limits<qint64>::max();
    return -acc;
}

qint64 msToUnits(qint64 ms)
{
    if (ms <= 0)
        return 0;
    qint64 q = ms / 10;
    const qint64 r = ms % 10;
    if (r > 5 || (r == 5 && (q & 1)))
        ++q;
    return q;
}

FieldValue entryPruefanzahl(const QString& text)
{
    return bounded(readInteger(text), 1, true, 1, 99);
}

FieldValue stepPruefanzahl(const QString& text, bool up)
{
    const auto v = readInteger(text);
    const qint64 base = v ? std::clamp<qint64>(*v, -1000, 1000) : 1;
    return {std::clamp<qint64>(base + (up ? 1 : -1), 1, 99), !v};
}

FieldValue entryKorrektur(const QString& text)
{
    return bounded(readInteger(text), 1, true, -50, 50);
}

FieldValue stepKorrektur(const QString& text, bool up)
{
    const auto v = readInteger(text);
    const qint64 base = v ? std::clamp<qint64>(*v, -1000, 1000) : 0;
    return {std::clamp<qint64>(base + (up ? 1 : -1), -50, 50), !v};
}

FieldValue entryTenMsByte(const QString& text)
{
    const auto ms = readInteger(text);
    if (!ms)
        return {0, true};
    return {std::min<qint64>(msToUnits(*ms), 255), false};
}

FieldValue entryTimeOut(const QString& text)
{
    const auto ms = readInteger(text);
    if (!ms)
        return {0, true};
    return {std::min<qint64>(msToUnits(*ms), 65535), false};
}

FieldValue entryCheckBits(const QString& text)
{
    return bounded(readInteger(text), 0, false, 0, 8);
}

FieldValue entryDirshift(const QString& text)
{
    return bounded(readInteger(text), 0, false, 0, 40);
}

FieldValue entryBitanzahl(const QString& text)
{
    const auto v = readInteger(text);
    if (!v)
        return {40, false};
    const qint64 byte = *v & 0xFF;
    if (byte == 0)
        return {1, false};
    return {std::min<qint64>(byte, 40), false};
}

FieldValue entryProgcounter(const QString& text)
{
    const auto v = readInteger(text);
    if (!v)
        return {0, true};
    return {std::max<qint64>(*v, 0), false};
}

FieldValue entryOffset(const QString& text)
{
    const auto v = readInteger(text);
    if (!v)
        return {0, true};
    return {*v, false};
}

std::optional<FieldValue> entryGeneralDez(const QString& text)
{
    const auto v = readInteger(text);
    if (!v)
        return std::nullopt;
    if (*v < 0)
        return FieldValue{0, true};
    if (*v > Max40)
        return FieldValue{Max40, true};
    return FieldValue{*v, false};
}

QString pruefanzahlText(qint64 value) { return PadLeft(2, QLatin1Char(' '), value); }
QString korrekturText(qint64 value) { return PadLeft(3, QLatin1Char(' '), value); }
QString tenMsText(qint64 units) { return PadLeft(4, QLatin1Char(' '), units * 10); }
QString timeOutText(qint64 units) { return PadLeft(6, QLatin1Char('0'), units * 10); }
QString progcounterText(qint64 value) { return PadLeft(4, QLatin1Char('0'), value); }
QString offsetText(qint64 value) { return PadLeft(4, QLatin1Char(' '), value); }
QString dirshiftText(qint64 value) { return PadLeft(2, QLatin1Char(' '), value); }

}  // namespace fbe
