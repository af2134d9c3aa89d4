// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>
#include <vector>

namespace fbe::language {

namespace {

// The translators are the application's, as Qt keeps its list of them for the whole
// process; these hold the ones this unit installed, so the next choice can take them out.
struct Installed {
    QString lang = QStringLiteral("de");
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qt;
    bool qtLoaded = false;   // Qt's German catalogue was looked for and installed at start
};

Installed& installed()
{
    static Installed state;
    return state;
}

// "de", "de-AT", "de_CH", "en-GB" ... -> "de" / "en"; anything else -> empty.
QString languageOf(const QString& uiLanguage)
{
    const QString code = uiLanguage.section(QLatin1Char('-'), 0, 0)
                             .section(QLatin1Char('_'), 0, 0).toLower();
    if (code == QLatin1String("de") || code == QLatin1String("en"))
        return code;
    return {};
}

}  // namespace

QString choose(const QString& setting, const QStringList& uiLanguages)
{
    if (setting == QLatin1String("de") || setting == QLatin1String("en"))
        return setting;
    for (const QString& ui : uiLanguages) {
        const QString lang = languageOf(ui);
        if (!lang.isEmpty())
            return lang;
    }
    return QStringLiteral("de");
}

QStringList desktopLanguages()
{
    return QLocale::system().uiLanguages();
}

QString current()
{
    return installed().lang;
}

void use(const QString& lang)
{
    Installed& now = installed();
    const QString wanted = lang == QLatin1String("en") ? lang : QStringLiteral("de");
    // German is the source language: at start it needs only Qt's own catalogue.
    if (wanted == now.lang && (now.qtLoaded || now.ours))
        return;
    if (now.ours)
        QCoreApplication::removeTranslator(now.ours.get());
    if (now.qt)
        QCoreApplication::removeTranslator(now.qt.get());
    now.ours.reset();
    now.qt.reset();
    now.lang = wanted;
    now.qtLoaded = true;
    if (wanted == QLatin1String("en")) {
        auto ours = std::make_unique<QTranslator>();
        if (ours->load(QStringLiteral(":/i18n/fbe_en.qm"))) {
            QCoreApplication::installTranslator(ours.get());
            now.ours = std::move(ours);
        }
        // Qt's own texts are English without a catalogue.
        return;
    }
    // Qt's own texts (file dialogs, their overwrite question, edit menus) in German, when
    // the translations are installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        now.qt = std::move(qt);
    }
}

namespace {

// Whether line is text (a source or its translation) with any text standing for each %n; the
// values by their number (values[0] for %1).
bool matchLine(const QString& text, const QString& line, QString (&values)[9])
{
    static const QRegularExpression Marker(QStringLiteral("%([1-9])"));
    // The text as a pattern: its words literally, each %n any text.
    QString pattern = QStringLiteral("\\A");
    std::vector<int> order;
    int from = 0;
    for (auto it = Marker.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        pattern += QRegularExpression::escape(text.mid(from, m.capturedStart() - from));
        pattern += QStringLiteral("(.*?)");
        order.push_back(m.captured(1).toInt());
        from = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(text.mid(from)) + QStringLiteral("\\z");
    const QRegularExpressionMatch match =
        QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption).match(line);
    if (!match.hasMatch())
        return false;
    for (size_t i = 0; i < order.size(); ++i)
        values[order[i] - 1] = match.captured(int(i) + 1);
    return true;
}

// text with its %n replaced by the values in one pass, so a value holding "%2" stays as it is.
QString fill(const QString& text, const QString (&values)[9])
{
    static const QRegularExpression Marker(QStringLiteral("%([1-9])"));
    QString out;
    int at = 0;
    for (auto it = Marker.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += text.mid(at, m.capturedStart() - at) + values[m.captured(1).toInt() - 1];
        at = m.capturedEnd();
    }
    return out + text.mid(at);
}

}  // namespace

QString translateLine(const char* context, const QString& line,
                      const std::initializer_list<const char*>& sources)
{
    for (const char* source : sources) {
        QString values[9];
        if (matchLine(QString::fromUtf8(source), line, values))
            return fill(QCoreApplication::translate(context, source), values);
    }
    return line;
}

QString sourceLine(const char* context, const QString& line,
                   const std::initializer_list<const char*>& sources)
{
    for (const char* source : sources) {
        QString values[9];
        if (matchLine(QCoreApplication::translate(context, source), line, values))
            return fill(QString::fromUtf8(source), values);
    }
    return line;
}

QString translateLines(const char* context, const QString& text,
                       const std::initializer_list<const char*>& sources)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = translateLine(context, line, sources);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace fbe::language
