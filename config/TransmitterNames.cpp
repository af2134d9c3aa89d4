// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/TransmitterNames.h"

#include "config/Configuration.h"

#include <QCoreApplication>

namespace fbe {

namespace {

struct TransmitterText {
    int code;
    const char* name;
    const char* detail;
};

const TransmitterText Texts[] = {
    {typ::Aurel1, QT_TRANSLATE_NOOP("Transmitter", "Mini-Handsender MHS 1"),
     QT_TRANSLATE_NOOP("Transmitter", "1-Kanal; 12 Bit Codierung")},
    {typ::Aurel2, QT_TRANSLATE_NOOP("Transmitter", "Mini-Handsender MHS 2"),
     QT_TRANSLATE_NOOP("Transmitter", "2-Kanal; 12 Bit Codierung")},
    {typ::Svs3, QT_TRANSLATE_NOOP("Transmitter", "Handsender SVS FB3"),
     QT_TRANSLATE_NOOP("Transmitter", "3-Kanal von SVS; 40 Bit Codierung")},
    {typ::Aurel4, QT_TRANSLATE_NOOP("Transmitter", "Mini-Handsender MHS 4"),
     QT_TRANSLATE_NOOP("Transmitter", "4-Kanal; 12 Bit Codierung")},
    {typ::Uni16, QT_TRANSLATE_NOOP("Transmitter", "Universalsender PCS 16"),
     QT_TRANSLATE_NOOP("Transmitter", "1-16-Kanal Sender; 1..40 Bit Codes")},
    {typ::Uni17, QT_TRANSLATE_NOOP("Transmitter", "Universalsender PCS 16 HP"),
     QT_TRANSLATE_NOOP("Transmitter", "1-16-Kanal Sender; 1..40 Bit Codes")},
};

const TransmitterText* textOf(int code)
{
    for (const TransmitterText& t : Texts) {
        if (t.code == code)
            return &t;
    }
    return nullptr;
}

}  // namespace

bool isListedTransmitter(int code)
{
    return textOf(code) != nullptr;
}

QString transmitterName(int code)
{
    const TransmitterText* t = textOf(code);
    return t ? QCoreApplication::translate("Transmitter", t->name) : QString();
}

QString transmitterDetail(int code)
{
    const TransmitterText* t = textOf(code);
    return t ? QCoreApplication::translate("Transmitter", t->detail) : QString();
}

}  // namespace fbe
