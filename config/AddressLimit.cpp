// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/AddressLimit.h"

#include <QCoreApplication>

#include <algorithm>

namespace fbe {

namespace {

// "CODE 1", "CODE 1 und CODE 2", "CODE 1, CODE 2 und CODE 3".
QString codeList(const QList<int>& codes)
{
    QStringList names;
    for (int code : codes)
        names << QCoreApplication::translate("AddressLimit", "CODE %1").arg(code);
    const QString last = names.takeLast();
    if (names.isEmpty())
        return last;
    return QCoreApplication::translate("AddressLimit", "%1 und %2")
        .arg(names.join(QStringLiteral(", ")), last);
}

// "CODE 1 3000 --> 1023, CODE 2 3500 --> 1023".
QString changeItems(const QList<AddressChange>& changes)
{
    QStringList items;
    for (const AddressChange& c : changes)
        items << QCoreApplication::translate("AddressLimit", "CODE %1 %2 --> %3")
                     .arg(c.code)
                     .arg(c.before)
                     .arg(c.after);
    return items.join(QStringLiteral(", "));
}

}  // namespace

QString msgAddressLimited()
{
    return QCoreApplication::translate("AddressLimit", " Adresse wurde begrenzt !!!");
}

QString msgAddressBeyondMax(int code)
{
    return QCoreApplication::translate("AddressLimit", " CODE %1: Adresse größer als max. Adresse")
        .arg(code);
}

bool LimitAddressesToCodeLength(Configuration& cfg)
{
    const quint64 max = maxAddressForBits(cfg.current().bits);
    bool changed = false;
    for (int n = 1; n <= 8; ++n) {
        if (cfg.codes[n].address > max) {
            cfg.codes[n].address = max;
            changed = true;
        }
    }
    return changed;
}

QStringList AddressesBeyondCodeLength(const Configuration& cfg)
{
    QStringList lines;
    if (cfg.parallelCodes)
        return lines;
    const quint64 max = maxAddressForBits(cfg.current().bits);
    for (int n = 1; n <= 8; ++n) {
        const CodeSlot& code = cfg.codes[n];
        if (code.function != FnKeine && code.address > max)
            lines << msgAddressBeyondMax(n);
    }
    return lines;
}

QList<AddressChange> ChangedAddresses(const CodeSlots& before, const CodeSlots& after)
{
    QList<AddressChange> changes;
    for (int n = 1; n <= 8; ++n) {
        const quint64 was = before[size_t(n)].address;
        const quint64 is = after[size_t(n)].address;
        if (after[size_t(n)].function != FnKeine && was != is)
            changes.append({n, was, is});
    }
    return changes;
}

QString AddressRestoredLine(const QList<AddressChange>& restored)
{
    if (restored.isEmpty())
        return {};
    //: after Undo: the addresses the step had changed, back to their values before it
    return QCoreApplication::translate("AddressLimit", " Adressen zurückgenommen: %1")
        .arg(changeItems(restored));
}

QStringList AddressChangeLines(const CodeSlots& before, const CodeSlots& after)
{
    const QList<AddressChange> changes = ChangedAddresses(before, after);
    if (changes.isEmpty())
        return {};
    QStringList lines{QCoreApplication::translate("AddressLimit", " Adressen begrenzt: %1")
                          .arg(changeItems(changes))};

    // Used codes that share an address now and did not all share it before.
    auto used = [&](int n) { return after[size_t(n)].function != FnKeine; };
    QStringList groups;
    QList<int> grouped;
    for (int n = 1; n <= 8; ++n) {
        if (!used(n) || grouped.contains(n))
            continue;
        QList<int> group{n};
        for (int m = n + 1; m <= 8; ++m) {
            if (used(m) && after[size_t(m)].address == after[size_t(n)].address)
                group << m;
        }
        grouped << group;
        const bool newlyShared = std::any_of(group.begin(), group.end(), [&](int m) {
            return before[size_t(m)].address != before[size_t(n)].address;
        });
        if (group.size() > 1 && newlyShared)
            groups << codeList(group);
    }
    if (!groups.isEmpty())
        lines << QCoreApplication::translate("AddressLimit", " gleiche Adresse: %1")
                     .arg(groups.join(QStringLiteral("; ")));
    return lines;
}

}  // namespace fbe
