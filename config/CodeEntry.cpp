// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/CodeEntry.h"

#include "config/FieldEntry.h"
#include "config/Formatting.h"

#include <algorithm>

namespace fbe {

namespace {

constexpr qint64 StepsBeforeCoarse = 65535;   // 10 ms steps
constexpr qint64 MaxCoarseCount = 65520;      // 2 s steps
constexpr int MaxFractionDigits = 9;

// A decimal text taken exactly: value = whole + fraction / 10^scale.
struct Decimal {
    bool negative = false;
    qint64 whole = 0;        // the part before the separator, saturated at 10^12
    qint64 fraction = 0;     // the fraction digits kept, as a whole number
    int scale = 0;           // number of fraction digits kept
};

std::optional<Decimal> readDecimal(const QString& text)
{
    const QString t = text.trimmed();
    Decimal d;
    int i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
        d.negative = t.at(i) == QLatin1Char('-');
        ++i;
    }
    bool digits = false;
    bool separator = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (separator)
                return std::nullopt;
            separator = true;
            continue;
        }
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return std::nullopt;
        digits = true;
        const int digit = c.unicode() - u'0';
        if (!separator) {
            d.whole = std::min<qint64>(d.whole * 10 + digit, 1000000000000LL);
        } else if (d.scale < MaxFractionDigits) {
            d.fraction = d.fraction * 10 + digit;
            ++d.scale;
        }
    }
    if (!digits)
        return std::nullopt;
    return d;
}

qint64 pow10(int n)
{
    qint64 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// num / den rounded to the nearest whole number, an exact half to the even one (num >= 0).
qint64 roundDiv(qint64 num, qint64 den)
{
    qint64 q = num / den;
    const qint64 r2 = 2 * (num % den);
    if (r2 > den || (r2 == den && (q & 1)))
        ++q;
    return q;
}

}  // namespace

qint64 durationMs(const CodeSlot& slot)
{
    return qint64(slot.timeCount) * (slot.timeRaster ? 2000 : 10);
}

QString durationText(const CodeSlot& slot)
{
    QString text = timeNumberText(slot);
    if (text.size() < 8)
        text.prepend(QString(8 - text.size(), QLatin1Char(' ')));
    return text;
}

TimeSetting readDuration(const QString& text, quint8 timebase)
{
    TimeSetting out;
    Decimal x;
    if (const auto d = readDecimal(text)) {
        x = *d;
    } else {
        out.beep = true;
        x = Decimal{};
        x.whole = 1;
    }
    if (x.negative)
        x = Decimal{};

    // Steps of 10 ms = value * factor / divisor, and the whole part beyond
    // which the time is longer than any the module holds.
    qint64 factor = 1;
    qint64 divisor = 1;
    qint64 wholeLimit = 0;
    switch (timebase) {
    case 0:
        divisor = 10;
        wholeLimit = 1000000000;
        if (x.whole < 10) {
            x = Decimal{};
            x.whole = 10;
        }
        break;
    case 1:
        factor = 100;
        wholeLimit = 1000000;
        break;
    case 2:
        factor = 6000;
        wholeLimit = 16666;
        break;
    case 3:
        factor = 360000;
        wholeLimit = 277;
        break;
    default:
        out.count = 10;
        out.coarse = false;
        return out;
    }

    if (x.whole > wholeLimit) {
        out.coarse = true;
        out.count = quint16(MaxCoarseCount);
        return out;
    }
    const qint64 unit = pow10(x.scale);
    const qint64 num = (x.whole * unit + x.fraction) * factor;
    const qint64 den = unit * divisor;
    const qint64 steps = roundDiv(num, den);
    if (steps >= StepsBeforeCoarse) {
        out.coarse = true;
        out.count = quint16(std::min(roundDiv(num, den * 200), MaxCoarseCount));
    } else {
        out.coarse = false;
        out.count = quint16(std::max<qint64>(steps, 1));
    }
    return out;
}

AddressEntry readCodeAddress(const QString& text, quint64 maxAddress)
{
    AddressEntry out;
    const auto v = readInteger(text);
    if (!v || *v < 0) {
        out.beep = true;
        return out;
    }
    out.address = quint64(*v);
    if (out.address > maxAddress) {
        out.address = maxAddress;
        out.limited = true;
        out.beep = true;
    }
    return out;
}

QString codeAddressText(quint64 address)
{
    return FormatNumber(0, 12, address);
}

int stepSlot(int slot, bool up, bool parallel)
{
    const int last = parallel ? 4 : 8;
    // A code outside the mode's range (5..8 in parallel mode) steps back into it: up to
    // the first code, down to the last.
    if (slot > last || slot < 1)
        return up ? 1 : last;
    const int n = slot + (up ? 1 : -1);
    if (n > last)
        return 1;
    if (n < 1)
        return last;
    return n;
}

}  // namespace fbe
