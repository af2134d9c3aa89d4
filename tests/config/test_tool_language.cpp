// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// fbe-tool speaks the language of its environment: its help, messages and labels are German
// or English; what scripts read (exit codes, JSON) and the files it writes are the same in
// both, but for the placeholders of a new configuration.
#include "config/FbeFile.h"
#include "support/FbeTool.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using fbe::test::ToolRun;
using fbe::test::tool;

namespace {

// The environment of a run: LANGUAGE, or with it and LC_ALL, LC_MESSAGES unset, only LANG.
QProcessEnvironment environment(const char* language, const char* lang = nullptr)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QLatin1String(name));
    if (language)
        env.insert(QStringLiteral("LANGUAGE"), QLatin1String(language));
    if (lang)
        env.insert(QStringLiteral("LANG"), QLatin1String(lang));
    return env;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct ToolLanguage : ::testing::Test {
    // a.fbe: a new configuration; b.fbe: the same named "Tor Nord".
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        fbe::Configuration cfg;
        fbe::NeueDatei(cfg);
        ASSERT_TRUE(fbe::SaveFile(file(QStringLiteral("a.fbe")), fbe::BuildFile(cfg), nullptr));
        cfg.projectName = QStringLiteral("Tor Nord");
        ASSERT_TRUE(fbe::SaveFile(file(QStringLiteral("b.fbe")), fbe::BuildFile(cfg), nullptr));
    }
    QString file(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(ToolLanguage, TextFollowsTheEnvironmentsLanguage)
{
    const QString a = file(QStringLiteral("a.fbe"));
    const struct Row {
        const char* name;
        QProcessEnvironment env;
        QStringList args;
        int exitCode;
        bool onStdout;
        QString begins;   // what stdout or stderr begins with
    } rows[] = {
        {"help in English", environment("en"), {QStringLiteral("--help")}, 0, true,
         QStringLiteral("Usage: fbe-tool COMMAND [ARGUMENTS]\n\nCommands:\n  new FILE ")},
        {"help in German", environment("de"), {QStringLiteral("--help")}, 0, true,
         QStringLiteral("Aufruf: fbe-tool BEFEHL [ARGUMENTE]\n")},
        {"English from LANG alone", environment(nullptr, "en_GB.UTF-8"), {QStringLiteral("--help")},
         0, true, QStringLiteral("Usage:")},
        {"the C locale is German", environment(nullptr, "C"), {QStringLiteral("--help")}, 0, true,
         QStringLiteral("Aufruf:")},
        {"a usage error", environment("en"), {QStringLiteral("show")}, 2, false,
         QStringLiteral("Usage: fbe-tool show FILE [--json]\n")},
        {"a label of show", environment("en"), {QStringLiteral("show"), a}, 0, true,
         QStringLiteral("Project name:       -Projektname-\nSoftware version:   ")},
        {"a load error with its reason", environment("en"),
         {QStringLiteral("show"), file(QStringLiteral("fehlt.fbe"))}, 2, false,
         QStringLiteral(" Error on \"Load file!\"\nfile not found\n")},
        {"a name of diff", environment("en"),
         {QStringLiteral("diff"), a, file(QStringLiteral("b.fbe"))}, 1, true,
         QStringLiteral("Project name: \"-Projektname-\" --> \"Tor Nord\"\n")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const ToolRun run = tool(r.args, r.env);
        EXPECT_EQ(run.exitCode, r.exitCode) << run.err.toStdString();
        const QString& text = r.onStdout ? run.out : run.err;
        EXPECT_TRUE(text.startsWith(r.begins)) << text.toStdString();
    }
}

// What scripts read is the same in both languages: the JSON of show and diff (the names of
// diff's settings included) byte for byte, and the exit code.
TEST_F(ToolLanguage, JsonIsTheSameInEveryLanguage)
{
    const QString a = file(QStringLiteral("a.fbe"));
    const QString b = file(QStringLiteral("b.fbe"));
    const QStringList rows[] = {
        {QStringLiteral("show"), a, QStringLiteral("--json")},
        {QStringLiteral("diff"), a, b, QStringLiteral("--json")},
    };
    for (const QStringList& args : rows) {
        SCOPED_TRACE(args.first().toStdString());
        const ToolRun german = tool(args, environment("de"));
        const ToolRun english = tool(args, environment("en"));
        EXPECT_EQ(english.exitCode, german.exitCode);
        ASSERT_FALSE(german.outBytes.isEmpty());
        EXPECT_EQ(english.outBytes, german.outBytes);
    }
}

// A new configuration gets its project name and comment lines in the language in use; every
// other line of its file is the same in both.
TEST_F(ToolLanguage, ANewConfigurationHasItsPlaceholdersInTheLanguageInUse)
{
    const QString de = file(QStringLiteral("neu.fbe"));
    const QString en = file(QStringLiteral("new.fbe"));
    ASSERT_EQ(tool({QStringLiteral("new"), de}, environment("de")).exitCode, 0);
    ASSERT_EQ(tool({QStringLiteral("new"), en}, environment("en")).exitCode, 0);
    const QList<QByteArray> german = readAll(de).split('\n');
    const QList<QByteArray> english = readAll(en).split('\n');
    ASSERT_EQ(english.size(), german.size());
    const struct {
        int line;   // from 1, as the file format counts
        const char* german;
        const char* english;
    } placeholders[] = {
        {999, "-Projektname-", "-Project name-"},
        {1001, "hier kann ein Text eingegeben werden, welcher", "a text can be entered here, which"},
        {1002, "mit dem Konfigurationsfile abgespeichert wird", "is saved with the configuration file"},
    };
    for (const auto& p : placeholders) {
        EXPECT_EQ(german.at(p.line - 1), QByteArray(p.german) + "\r");
        EXPECT_EQ(english.at(p.line - 1), QByteArray(p.english) + "\r");
    }
    for (int i = 0; i < german.size(); ++i) {
        if (i != 998 && i != 1000 && i != 1001) {
            EXPECT_EQ(english.at(i), german.at(i)) << "line " << i + 1;
        }
    }
}
