// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// A shared series: what every station that programs it must agree on, and the addresses of
// each of its numbers.
//
// The project name names the series. The first station that programs it stores its
// configuration's starting addresses (the addresses less counter x increment), the
// increments, the transmitter type with its address mask, and the code length. Module
// number n then gets, for every used code, start + n x increment, wrapped within the code
// length as the local advance after a run wraps. Numbers start at the counter of the
// station that created the series, so its first module gets the addresses it showed as the
// next ones.
#pragma once

#include "config/Configuration.h"

#include <QString>
#include <QStringList>
#include <array>

namespace fbe::series {

using Addresses = std::array<quint64, 9>;    // codes 1..8 (index 0 unused)
using Increments = std::array<qint64, 9>;
using UsedCodes = std::array<bool, 9>;

struct SeriesDefinition {
    QString name;                // the project name
    int transmitterType = 0;
    int codeLength = 0;          // bits
    quint64 mask = 0;            // the address mask within the code length
    UsedCodes used{};            // codes with a function; the others are sent as 0
    Addresses start{};           // used codes only
    Increments increment{};      // used codes only
    qint64 firstNumber = 0;      // the number of the series' first module
};

// The series a configuration would start, or join: cfg holds the addresses of the module
// that is programmed next, counter the modules programmed before it, increments those of the
// programming view (fbe-tool: --increments). Unused codes get start and increment 0.
SeriesDefinition definitionOf(const Configuration& cfg, qint64 counter,
                              const Increments& increments);

// Whether the configuration's increments count as given: all zero means none were given,
// so a joining station takes the series' own.
bool incrementsGiven(const Increments& increments);

// At least one used code moves on from module to module.
bool hasIncrement(const SeriesDefinition& series);

// The addresses of module number n: used codes start + n x increment within the mask,
// unused codes 0.
Addresses addressesAt(const SeriesDefinition& series, qint64 n);

// The address set as one text, the same for equal sets ("100,2000,0,0,0,0,0,0").
QString addressKey(const Addresses& addresses);

// What differs between the stored series and the one a station would program, one line per
// difference (" CODE 2: Startadresse 300, in der Datenbank 100"); empty when they agree. The
// increments are compared only when the station gave some.
QStringList differences(const SeriesDefinition& stored, const SeriesDefinition& wanted,
                        bool compareIncrements);

// The messages of the shared series, for the message area and stderr.
QString msgUnreachable();                       // " Produktionsdatenbank nicht erreichbar"
QString msgNoIncrement();                       // " Serie ohne increment: ..."
QString msgMismatch(const QString& name);       // " Serie <name>: andere Startadressen, ..."
QString msgExhausted(const QString& name);      // " Serie <name> erschöpft: ..."
QString msgQueued();                            // " Ergebnis wird nachgetragen"

}  // namespace fbe::series
