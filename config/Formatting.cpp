// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/Formatting.h"

#include <cmath>

namespace fbe {

QString formatGeneral(double value)
{
    // 'g' with 15 significant digits drops trailing zeros, as the general form does.
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString timeNumberText(const CodeSlot& slot)
{
    const double ms = slot.timeRaster ? double(slot.timeCount) * 2000.0
                                      : double(slot.timeCount) * 10.0;
    double value = 0;
    switch (slot.timebase) {
    case 0:
        value = ms;
        break;
    case 1:
        value = ms / 1000.0;
        break;
    case 2:
        value = ms / 60000.0;
        break;
    case 3:
        value = ms / 3600000.0;
        break;
    default:
        break;
    }
    QString text;
    if (value < 0.0001) {
        text = QString::number(value, 'f', 7);
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    } else {
        text = formatGeneral(value);
    }
    // Eight characters at most; a whole number longer than that keeps all its digits, since
    // cutting it would show a time ten or a hundred times too short.
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    text.truncate(qMax<qsizetype>(8, comma < 0 ? text.size() : comma));
    if (text.endsWith(QLatin1Char(',')))
        text.chop(1);
    return text;
}

QString timeUnitText(quint8 timebase)
{
    switch (timebase) {
    case 0:
        return QStringLiteral("ms");
    case 1:
        return QStringLiteral("s");
    case 2:
        return QStringLiteral("min");
    case 3:
        return QStringLiteral("h");
    default:
        return QStringLiteral("???");
    }
}

QString getTimevalue(const CodeSlot& slot)
{
    QString text = timeNumberText(slot);
    while (text.size() < 5)
        text.prepend(QLatin1Char(' '));
    return text + timeUnitText(slot.timebase);
}

QString PadLeft(int width, QChar fill, qint64 number)
{
    QString text = QString::number(number);
    if (text.size() < width)
        text.prepend(QString(width - text.size(), fill));
    return text;
}

QString FormatNumber(int kind, int width, quint64 value)
{
    switch (kind) {
    case 0: {
        QString text = QString::number(value);
        if (text.size() < width)
            text.prepend(QString(width - text.size(), QLatin1Char(' ')));
        return text;
    }
    case 1:
        return QStringLiteral("%1").arg(value, qMax(width, 0), 16, QLatin1Char('0')).toUpper();
    case 2: {
        QString text;
        text.reserve(width);
        for (int bit = width - 1; bit >= 0; --bit)
            text.append(bit < 64 && (value >> bit) & 1 ? QLatin1Char('1') : QLatin1Char('0'));
        return text;
    }
    default:
        return {};
    }
}

std::array<quint8, 8> SplitBytes(quint64 value)
{
    std::array<quint8, 8> bytes{};
    for (int k = 0; k < 8; ++k)
        bytes[k] = quint8((value >> (8 * k)) & 0xFF);
    return bytes;
}

quint64 ParseBinary(const QString& text)
{
    quint64 value = 0;
    const int n = qMin<int>(text.size(), 40);
    for (int i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            break;   // the first character that is not a digit ends the reading
        if (c == u'1')
            value |= quint64(1) << (39 - i);
    }
    return value;
}

std::optional<double> parseDecimal(const QString& text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.isEmpty())
        return std::nullopt;
    // Only plain decimal notation: digits with at most one separator and an optional sign.
    int start = (t.at(0) == QLatin1Char('-') || t.at(0) == QLatin1Char('+')) ? 1 : 0;
    bool digit = false;
    bool point = false;
    for (int i = start; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c.isDigit() && c.unicode() < 128)
            digit = true;
        else if (c == QLatin1Char('.') && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

qint64 roundHalfEven(double value)
{
    return qint64(std::nearbyint(value));
}

}  // namespace fbe
