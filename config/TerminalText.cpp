// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/TerminalText.h"

namespace fbe {

namespace {

bool isControl(char16_t u)
{
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

}  // namespace

QString terminalSafe(const QString& text, Tabs tabs)
{
    qsizetype i = 0;
    while (i < text.size() && !isControl(text.at(i).unicode()))
        ++i;
    if (i == text.size())
        return text;
    QString shown = text.left(i);
    shown.reserve(text.size() + 16);
    for (; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (!isControl(u) || (u == u'\t' && tabs == Tabs::Kept))
            shown += QChar(u);
        else
            shown += QStringLiteral("\\x")
                + QString::number(uint(u), 16).rightJustified(2, QLatin1Char('0')).toUpper();
    }
    return shown;
}

QByteArray terminalSafeJson(const QByteArray& json)
{
    QByteArray out;
    qsizetype done = 0;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const uchar b = uchar(json.at(i));
        // DEL, or U+0080..U+009F, which UTF-8 writes as C2 80 .. C2 9F.
        const bool del = b == 0x7F;
        const bool c1 = b == 0xC2 && i + 1 < json.size() && uchar(json.at(i + 1)) >= 0x80
            && uchar(json.at(i + 1)) <= 0x9F;
        if (!del && !c1)
            continue;
        if (out.isEmpty())
            out.reserve(json.size() + 64);
        out.append(json.constData() + done, i - done);
        const uint code = del ? 0x7F : uchar(json.at(i + 1));
        out += "\\u00" + QByteArray::number(code, 16).toUpper();
        i += del ? 0 : 1;
        done = i + 1;
    }
    if (done == 0)
        return json;
    out.append(json.constData() + done, json.size() - done);
    return out;
}

}  // namespace fbe
