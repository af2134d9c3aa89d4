// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/FbeFile.h"

#include "config/Cp1252.h"
#include "config/TextLines.h"
#include "config/ImageCodec.h"
#include "config/Maker.h"
#include "config/SafeFile.h"

#include <QCoreApplication>

namespace fbe {

namespace {

constexpr int ImageFirstLine = 101;      // image byte k on line 101 + k
constexpr int LastNumberLine = 801;      // lines 1..801 must be integers
constexpr int ZeroLinesEnd = 995;
constexpr int ProjectLine = 999;
constexpr int SeparatorLine = 1000;
constexpr int CommentFirstLine = 1001;

const QString Separator = QStringLiteral("--*--");

enum class IntError { None, NotInteger, TooLarge };

IntError parseInteger(const QString& line, qint64* value)
{
    const QString t = line.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+')))
        ++i;
    if (i == t.size())
        return IntError::NotInteger;
    for (qsizetype k = i; k < t.size(); ++k) {
        const char16_t u = t.at(k).unicode();
        if (u < u'0' || u > u'9')
            return IntError::NotInteger;
    }
    bool ok = false;
    *value = t.toLongLong(&ok, 10);
    return ok ? IntError::None : IntError::TooLarge;
}

QString shorten(const QString& text)
{
    QString shown = text.left(20);
    for (QChar& c : shown) {
        if (!c.isPrint())
            c = QLatin1Char('?');
    }
    if (text.size() > 20)
        shown += QStringLiteral("...");
    return shown;
}

}  // namespace

QString describeCharacters(const QString& characters)
{
    QStringList parts;
    for (const char32_t c : characters.toUcs4()) {
        const bool visible = QChar::isPrint(c) && !QChar::isSpace(c)
            && QChar::category(c) != QChar::Other_Format;
        parts.append(visible ? QStringLiteral("\"%1\"").arg(QString::fromUcs4(&c, 1))
                             : QStringLiteral("U+%1")
                                   .arg(uint(c), 4, 16, QLatin1Char('0'))
                                   .toUpper());
    }
    return parts.join(QStringLiteral(", "));
}

QString signatureLine()
{
    return QStringLiteral("software by Varnel ; ") + QLatin1String(maker::Web);
}

QByteArray BuiltFile::bytes() const
{
    QByteArray out;
    out.reserve(lines.size() * 4 + 256);
    for (const QString& line : lines) {
        out += cp1252::encode(line);
        out += "\r\n";
    }
    return out;
}

QString BuiltFile::text() const
{
    return lines.join(QStringLiteral("\r\n"));
}

BuiltFile BuildFile(Configuration& cfg)
{
    EncodeImage(cfg);
    BuiltFile file;
    QStringList& lines = file.lines;
    lines.reserve(ZeroLinesEnd + 8 + cfg.comment.size());
    const QString zero = QStringLiteral("0");
    for (int line = 1; line < ImageFirstLine; ++line)
        lines.append(zero);
    for (int k = 0; k < 256; ++k)
        lines.append(QString::number(cfg.sendImage[k]));
    for (int line = ImageFirstLine + 256; line <= ZeroLinesEnd; ++line)
        lines.append(zero);
    lines.append(QString::number(cfg.firmware));
    lines.append(QString::number(SoftwareMajor));
    lines.append(QString::number(SoftwareMinor));
    lines.append(cfg.projectName);
    lines.append(Separator);
    lines.append(cfg.comment);
    lines.append(signatureLine());

    // A line break inside the project name or a comment line (pasted text can bring one)
    // would shift every later line of the file: it cannot be stored either.
    auto check = [&file](const QString& text) {
        cp1252::encode(text, &file.unencodable);
        for (const QChar c : text) {
            if ((c == QLatin1Char('\r') || c == QLatin1Char('\n')) && !file.unencodable.contains(c))
                file.unencodable.append(c);
        }
    };
    check(cfg.projectName);
    for (const QString& line : cfg.comment)
        check(line);
    return file;
}

ParsedFile ParseFile(const QByteArray& bytes)
{
    ParsedFile parsed;
    if (bytes.size() > MaxFileSize) {
        parsed.error = QCoreApplication::translate("FbeFile", "die Datei ist größer als 1 MiB");
        return parsed;
    }
    parsed.lines = splitLines(cp1252::decode(bytes));
    const QStringList& lines = parsed.lines;
    if (lines.size() < ProjectLine) {
        parsed.error = QCoreApplication::translate("FbeFile", "die Datei hat nur %1 Zeilen (mindestens %2)")
                           .arg(lines.size())
                           .arg(ProjectLine);
        return parsed;
    }
    for (int line = 1; line <= LastNumberLine; ++line) {
        qint64 value = 0;
        switch (parseInteger(lines.at(line - 1), &value)) {
        case IntError::NotInteger:
            parsed.error = QCoreApplication::translate("FbeFile", "Zeile %1: \"%2\" ist keine ganze Zahl")
                               .arg(line)
                               .arg(shorten(lines.at(line - 1)));
            return parsed;
        case IntError::TooLarge:
            parsed.error =
                QCoreApplication::translate("FbeFile", "Zeile %1: die Zahl passt nicht in 64 Bit").arg(line);
            return parsed;
        case IntError::None:
            break;
        }
        if (line >= ImageFirstLine && line < ImageFirstLine + 256) {
            parsed.image[line - ImageFirstLine] = quint8(quint64(value) & 0xFF);
            if (value < 0 || value > 255)
                parsed.warnings << QCoreApplication::translate("FbeFile",
                                                               " Zeile %1: Wert außerhalb 0..255")
                                       .arg(line);
        }
    }
    if (lines.size() < SeparatorLine || lines.at(SeparatorLine - 1) != Separator)
        parsed.warnings.prepend(QCoreApplication::translate(
            "FbeFile", " Datei beschädigt: Zeile 1000 ist nicht --*--"));
    parsed.projectName = lines.at(ProjectLine - 1);
    const int n = int(lines.size());
    if (n >= CommentFirstLine + 1)
        parsed.comment = lines.mid(CommentFirstLine - 1, n - CommentFirstLine);
    parsed.ok = true;
    return parsed;
}

LoadOutcome LoadFileBytes(Configuration& cfg, const QByteArray& bytes)
{
    LoadOutcome outcome;
    ParsedFile parsed = ParseFile(bytes);
    if (!parsed.ok) {
        outcome.error = parsed.error;
        return outcome;
    }
    cfg.projectName = parsed.projectName;
    cfg.comment = parsed.comment;
    cfg.rxBuffer = parsed.image;
    outcome.checksumOk = DecodeImage(cfg);
    outcome.softwareVersion = cfg.softwareVersionOf(cfg.readImage);
    outcome.oldFile = outcome.softwareVersion < CompatibleVersion;
    outcome.lines = std::move(parsed.lines);
    outcome.warnings = std::move(parsed.warnings);
    outcome.ok = true;
    return outcome;
}

LoadOutcome LoadFile(Configuration& cfg, const QString& path)
{
    LoadOutcome outcome;
    QByteArray bytes;
    if (!ReadPlainFile(path, MaxFileSize, &bytes, &outcome.error))
        return outcome;
    return LoadFileBytes(cfg, bytes);
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    return ReplaceFile(path, bytes, error);
}

bool SaveFile(const QString& path, const BuiltFile& file, QString* error)
{
    if (!file.unencodable.isEmpty()) {
        if (error) {
            const bool one = file.unencodable.toUcs4().size() == 1;
            *error = (one ? QCoreApplication::translate(
                                "FbeFile", "das Zeichen %1 kann in der Datei nicht gespeichert werden")
                          : QCoreApplication::translate(
                                "FbeFile", "die Zeichen %1 können in der Datei nicht gespeichert werden"))
                         .arg(describeCharacters(file.unencodable));
        }
        return false;
    }
    return WriteFileAtomically(path, file.bytes(), error);
}

}  // namespace fbe
