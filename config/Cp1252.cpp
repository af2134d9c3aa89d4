// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/Cp1252.h"

namespace fbe::cp1252 {

namespace {
// Bytes 0x80..0x9F; the five bytes the code page leaves undefined map to the C1 controls
// of the same value, so every byte decodes and encodes back unchanged.
constexpr char16_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteOf(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (High[i] == u)
            return 0x80 + i;
    }
    return -1;
}
}  // namespace

QString decode(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(High[b - 0x80]) : QChar(b));
    }
    return text;
}

bool canEncode(QChar c)
{
    return byteOf(c.unicode()) >= 0;
}

QString storable(const QString& text, bool* removed)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (canEncode(c))
            kept.append(c);
    }
    if (removed)
        *removed = kept.size() != text.size();
    return kept;
}

QByteArray encode(const QString& text, QString* unencodable)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const int b = byteOf(c.unicode());
        if (b < 0) {
            // A character beyond the basic plane is one surrogate pair: report it whole.
            QString ch(c);
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ch.append(text.at(++i));
            if (unencodable && !unencodable->contains(ch))
                unencodable->append(ch);
            bytes.append('?');
        } else {
            bytes.append(char(b));
        }
    }
    return bytes;
}

}  // namespace fbe::cp1252
