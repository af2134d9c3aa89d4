// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ArgumentBytes.h"

#include "config/SafeFile.h"

#include <cstdio>

namespace fbe {

namespace {

// The length of the well-formed sequence that starts at bytes[i], or 0.
int sequenceLength(const QByteArray& bytes, qsizetype i)
{
    const auto at = [&bytes](qsizetype k) { return uchar(bytes.at(k)); };
    const uchar b = at(i);
    if (b < 0x80)
        return 1;
    int length = 0;
    uchar low = 0x80;
    uchar high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0)
            low = 0xA0;          // overlong
        else if (b == 0xED)
            high = 0x9F;         // surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0)
            low = 0x90;          // overlong
        else if (b == 0xF4)
            high = 0x8F;         // above U+10FFFF
    } else {
        return 0;                // a continuation byte, C0, C1, F5..FF
    }
    if (i + length > bytes.size())
        return 0;
    const uchar second = at(i + 1);
    if (second < low || second > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

}  // namespace

bool isValidUtf8(const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

int refuseNonUtf8Arguments(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (isValidUtf8(argument))
            continue;
        QByteArray shown;
        for (qsizetype k = 0; k < argument.size();) {
            const int length = sequenceLength(argument, k);
            if (length > 0 && uchar(argument.at(k)) >= 0x20 && argument.at(k) != 0x7F) {
                shown += argument.mid(k, length);
                k += length;
            } else {
                shown += "\\x" + QByteArray::number(uchar(argument.at(k)), 16).toUpper()
                                     .rightJustified(2, '0');
                ++k;
            }
        }
        std::fprintf(stderr, " %s\n \"%s\"\n", reason::notUtf8().toUtf8().constData(),
                     shown.constData());
        return 2;
    }
    return 0;
}

}  // namespace fbe
