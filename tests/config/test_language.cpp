// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The language the program starts in: the menu's choice kept in the settings, else the first
// German or English language of the desktop, else German.
#include "config/Language.h"

#include <gtest/gtest.h>

using namespace fbe;

TEST(Language, SettingFirstThenTheFirstGermanOrEnglishDesktopLanguageElseGerman)
{
    struct Row {
        const char* setting;
        QStringList desktop;   // most wanted first, as QLocale::uiLanguages() gives them
        const char* expected;
    };
    const Row rows[] = {
        {"", {QStringLiteral("de-DE"), QStringLiteral("de")}, "de"},
        {"", {QStringLiteral("en-GB"), QStringLiteral("de-DE")}, "en"},
        {"", {QStringLiteral("de_AT"), QStringLiteral("en-US")}, "de"},
        // Languages without a catalogue are passed over, not taken as German.
        {"", {QStringLiteral("fr-FR"), QStringLiteral("en-US")}, "en"},
        {"", {QStringLiteral("fr-FR"), QStringLiteral("es")}, "de"},
        {"", {QStringLiteral("C")}, "de"},
        {"", {}, "de"},
        // A language code is compared whole: "eno" and "deu" are neither.
        {"", {QStringLiteral("eno"), QStringLiteral("deu"), QStringLiteral("en")}, "en"},
        // The menu's choice wins over the desktop.
        {"en", {QStringLiteral("de-DE")}, "en"},
        {"de", {QStringLiteral("en-US")}, "de"},
        // A choice this version does not know is the desktop's.
        {"fr", {QStringLiteral("en-US")}, "en"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(language::choose(QString::fromLatin1(r.setting), r.desktop),
                  QString::fromLatin1(r.expected))
            << r.setting << " / " << r.desktop.join(QLatin1Char(',')).toStdString();
}
