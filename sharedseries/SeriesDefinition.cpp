// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sharedseries/SeriesDefinition.h"

#include <QCoreApplication>

namespace fbe::series {

namespace {

// The texts of the shared series, in the language in use.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SharedSeries)
};

QString startText(const SeriesDefinition& s, int n)
{
    return s.used[size_t(n)] ? QString::number(s.start[size_t(n)]) : Text::tr("nicht benutzt");
}

}  // namespace

SeriesDefinition definitionOf(const Configuration& cfg, qint64 counter,
                              const Increments& increments)
{
    SeriesDefinition s;
    s.name = cfg.projectName;
    s.transmitterType = cfg.activeType;
    s.codeLength = cfg.current().bits;
    // The wrap of the local advance: within the type's mask and the code length.
    s.mask = cfg.current().mask & maxAddressForBits(cfg.current().bits);
    s.firstNumber = counter;
    for (size_t n = 1; n <= 8; ++n) {
        s.used[n] = cfg.codes[n].function != FnKeine;
        if (!s.used[n])
            continue;
        s.increment[n] = increments[n];
        s.start[n] = (cfg.codes[n].address - quint64(counter) * quint64(increments[n])) & s.mask;
    }
    return s;
}

bool incrementsGiven(const Increments& increments)
{
    for (size_t n = 1; n <= 8; ++n)
        if (increments[n] != 0)
            return true;
    return false;
}

bool hasIncrement(const SeriesDefinition& series)
{
    for (size_t n = 1; n <= 8; ++n)
        if (series.used[n] && (quint64(series.increment[n]) & series.mask) != 0)
            return true;
    return false;
}

Addresses addressesAt(const SeriesDefinition& series, qint64 number)
{
    // Unsigned arithmetic wraps modulo 2^64; the mask keeps the bits below the code length,
    // as adding the increment module by module would.
    Addresses a{};
    for (size_t n = 1; n <= 8; ++n)
        if (series.used[n])
            a[n] = (series.start[n] + quint64(number) * quint64(series.increment[n])) & series.mask;
    return a;
}

QString addressKey(const Addresses& addresses)
{
    QStringList parts;
    for (size_t n = 1; n <= 8; ++n)
        parts << QString::number(addresses[n]);
    return parts.join(QLatin1Char(','));
}

QStringList differences(const SeriesDefinition& stored, const SeriesDefinition& wanted,
                        bool compareIncrements)
{
    QStringList lines;
    if (wanted.transmitterType != stored.transmitterType)
        lines << Text::tr(" Sendertyp %1, in der Datenbank %2")
                     .arg(wanted.transmitterType).arg(stored.transmitterType);
    if (wanted.codeLength != stored.codeLength)
        lines << Text::tr(" Codierlänge %1 Bit, in der Datenbank %2 Bit")
                     .arg(wanted.codeLength).arg(stored.codeLength);
    else if (wanted.mask != stored.mask)
        lines << Text::tr(" Adressmaske %1, in der Datenbank %2").arg(wanted.mask).arg(stored.mask);
    for (int n = 1; n <= 8; ++n) {
        const size_t i = size_t(n);
        if (wanted.used[i] != stored.used[i]
            || (wanted.used[i] && wanted.start[i] != stored.start[i]))
            lines << Text::tr(" CODE %1: Startadresse %2, in der Datenbank %3")
                         .arg(n).arg(startText(wanted, n), startText(stored, n));
        else if (compareIncrements && wanted.used[i] && wanted.increment[i] != stored.increment[i])
            lines << Text::tr(" CODE %1: Inkrement %2, in der Datenbank %3")
                         .arg(n).arg(wanted.increment[i]).arg(stored.increment[i]);
    }
    return lines;
}

QString msgUnreachable()
{
    return Text::tr(" Produktionsdatenbank nicht erreichbar");
}

QString msgNoIncrement()
{
    return Text::tr(" Serie ohne increment: jede Station würde dieselben Adressen programmieren");
}

QString msgMismatch(const QString& name)
{
    return Text::tr(" Serie %1: andere Startadressen, Inkremente oder Codierlänge als in der Datenbank")
        .arg(name);
}

QString msgExhausted(const QString& name)
{
    return Text::tr(" Serie %1 erschöpft: die Adressen wiederholen sich").arg(name);
}

QString msgQueued()
{
    return Text::tr(" Ergebnis wird nachgetragen");
}

}  // namespace fbe::series
