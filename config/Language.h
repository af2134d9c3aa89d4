// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the program's texts: German (the texts as written in the code) or English
// (the catalogue translations/fbe_en.ts, built into every program).
//
//   const QString lang = language::choose(settingsLine9, QLocale::system().uiLanguages());
//   language::use(lang);   // installs the catalogues; windows get QEvent::LanguageChange
//
// Files are never translated: a text that goes into a file stays the German source text.
#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace fbe::language {

// The language in use: the settings' choice ("de", "en") when it is one of these; else the
// first of the desktop's languages (QLocale::uiLanguages(), most wanted first: "en-GB",
// "de_AT", "C" ...) that is German or English; else German.
QString choose(const QString& setting, const QStringList& uiLanguages);

// Puts the language into use: our English catalogue for "en", Qt's own catalogue
// (qtbase_<lang>, from Qt's translations folder when installed) for "de". Replaces what a
// previous call installed; a call with the language already in use changes nothing and
// sends no LanguageChange. Needs a QCoreApplication.
void use(const QString& lang);

// The language last put into use ("de" before any call).
QString current();

// The desktop's languages, as choose() takes them.
QStringList desktopLanguages();

// For lines whose German text is kept as data (a file, a message stored for a log): the
// line translated for display. A line that is one of sources (German texts with %1, %2 ...
// standing for any text) is shown as that source's translation in context, the values put
// in; any other line stays as it is.
QString translateLine(const char* context, const QString& line,
                      const std::initializer_list<const char*>& sources);
// The other way, for a line made for display that is to be kept as data: a line that is the
// translation of one of sources in the language in use is given back as that German source,
// the values put in; any other line stays as it is.
QString sourceLine(const char* context, const QString& line,
                   const std::initializer_list<const char*>& sources);
// translateLine for every line of a text of several lines.
QString translateLines(const char* context, const QString& text,
                       const std::initializer_list<const char*>& sources);

}  // namespace fbe::language
