// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: "fbe FILE" loads FILE at start instead of asking about the
// last file; "fbe --desktop" keeps the settings file and the working folder in a folder of
// its own.
#include "ProgramWindows.h"

#include "config/FbeFile.h"
#include "config/SettingsFile.h"
#include "config/StartOptions.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

using namespace fbe;

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Sets an environment variable for the lifetime of the object.
class EnvValue {
public:
    EnvValue(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~EnvValue()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

struct CommandLineTest : fbe::test::ProgramTest {
    // The windows as the program entry creates them, then the start-up step with the command
    // line's file.
    void start(const QString& startFile)
    {
        create();
        main->startFile = startFile;
        main->inittimerTimer();
    }

    QString saveConfiguration(const QString& name, const QString& project)
    {
        Configuration c;
        NeueDatei(c);
        c.projectName = project;
        c.codes[1].function = FnEin;
        c.codes[1].address = 0x123;
        QString error;
        EXPECT_TRUE(SaveFile(path(name), BuildFile(c), &error)) << error.toStdString();
        return path(name);
    }

    // A complete settings file that asks for the last file and moves the working folder.
    void writeSettings(const QString& lastFile, const QString& workingFolder)
    {
        Settings s;
        s.lastFile = lastFile;
        s.askLastFile = true;
        s.comPortName = QStringLiteral("COM3");
        s.workingFolder = QDir::toNativeSeparators(workingFolder);
        QByteArray bytes = settingsBytes(s);
        ASSERT_TRUE(writeBytes(path(QStringLiteral("fbe_ini.ini")), bytes));
    }
};

}  // namespace

// The file is named relative to the folder the program was started in; the settings file
// then moves the working folder elsewhere. The file is loaded without the question, as the
// "yes" would load it, and counts as unchanged.
TEST_F(CommandLineTest, FileOnTheCommandLineIsLoadedInsteadOfTheQuestion)
{
    saveConfiguration(QStringLiteral("letzte.fbe"), QStringLiteral("Letzte"));
    const QString wanted = saveConfiguration(QStringLiteral("kunde.fbe"), QStringLiteral("Kunde 7"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("anderswo")));
    writeSettings(path(QStringLiteral("letzte.fbe")), path(QStringLiteral("anderswo")));

    const StartOptions options =
        parseStartOptions({QStringLiteral("fbe"), QStringLiteral("kunde.fbe")});
    ASSERT_TRUE(options.error.isEmpty());
    EXPECT_EQ(options.file, QDir::toNativeSeparators(wanted));

    start(options.file);
    EXPECT_EQ(questions(), 0);
    EXPECT_EQ(QDir::currentPath(), path(QStringLiteral("anderswo")));
    EXPECT_EQ(cfg.projectName, QStringLiteral("Kunde 7"));
    EXPECT_EQ(cfg.codes[1].address, 0x123u);
    EXPECT_EQ(main->OpenDialog1.FileName, QDir::toNativeSeparators(wanted));
    EXPECT_EQ(main->infoLines().last(), QStringLiteral(" Datei geladen "));
    EXPECT_EQ(main->comPortName, QStringLiteral("COM3"));
    EXPECT_EQ(BuildFile(cfg).lines, main->saveMemo);   // loaded counts as unchanged
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(seam.beeps, 0);
}

// Without a settings file (first run) and with a file that cannot be loaded: no question
// either way; a failed load shows its message and leaves the new configuration.
TEST_F(CommandLineTest, FileIsLoadedOnAFirstRunAndAFailedLoadLeavesTheNewConfiguration)
{
    const QString good = saveConfiguration(QStringLiteral("a.fbe"), QStringLiteral("Erster Lauf"));
    struct Case {
        const char* name;
        bool withSettings;
        QString file;
        bool loads;
    } cases[] = {
        {"first run", false, good, true},
        {"missing file", true, path(QStringLiteral("fehlt.fbe")), false},
        {"missing file, first run", false, path(QStringLiteral("fehlt.fbe")), false},
        {"a folder", true, dir.path(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path(QStringLiteral("fbe_ini.ini")));
        if (c.withSettings)
            writeSettings(path(QStringLiteral("a.fbe")), dir.path());
        main.reset();
        forms = Forms{};
        cfg = Configuration{};
        seam.modalShows.clear();
        seam.beeps = 0;
        start(c.file);

        EXPECT_EQ(questions(), 0);
        if (c.loads) {
            EXPECT_EQ(cfg.projectName, QStringLiteral("Erster Lauf"));
            EXPECT_EQ(main->OpenDialog1.FileName, QDir::toNativeSeparators(c.file));
            EXPECT_EQ(main->infoColour(), TFFBmain::InfoColour::Normal);
        } else {
            EXPECT_EQ(seam.beeps, 1);
            ASSERT_FALSE(main->infoLines().isEmpty());
            EXPECT_TRUE(main->infoLines().contains(QStringLiteral(" Fehler bei \"Datei laden!\"")));
            EXPECT_EQ(main->infoColour(), TFFBmain::InfoColour::Error);
            EXPECT_EQ(cfg.projectName, QStringLiteral("-Projektname-"));
            EXPECT_EQ(cfg.codes[1].function, FnKeine);
            EXPECT_EQ(main->OpenDialog1.FileName, QStringLiteral("neue datei.fbe"));
        }
        EXPECT_EQ(BuildFile(cfg).lines, main->saveMemo);
        QDir::setCurrent(dir.path());
    }
}

TEST(StartOptions, ReadsTheCommandLine)
{
    const QString here = QDir::currentPath();
    struct Case {
        QStringList args;
        QString file;
        bool desktop;
        bool version;
        bool help;
        bool error;
    } cases[] = {
        {{}, {}, false, false, false, false},
        {{QStringLiteral("x.fbe")}, here + QStringLiteral("/x.fbe"), false, false, false, false},
        {{QStringLiteral("--desktop"), QStringLiteral("/tmp/a b.fbe")}, QStringLiteral("/tmp/a b.fbe"), true, false, false, false},
        {{QStringLiteral("--desktop"), QString()}, {}, true, false, false, false},   // empty %f
        {{QStringLiteral("--"), QStringLiteral("--desktop")}, here + QStringLiteral("/--desktop"), false, false, false, false},
        {{QStringLiteral("--version")}, {}, false, true, false, false},
        {{QStringLiteral("--bunt"), QStringLiteral("-h")}, {}, false, false, true, true},
        {{QStringLiteral("a.fbe"), QStringLiteral("b.fbe")}, here + QStringLiteral("/a.fbe"), false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const StartOptions o = parseStartOptions(QStringList{QStringLiteral("fbe")} + c.args);
        EXPECT_EQ(o.file, QDir::toNativeSeparators(c.file));
        EXPECT_EQ(o.desktop, c.desktop);
        EXPECT_EQ(o.version, c.version);
        EXPECT_EQ(o.help, c.help);
        EXPECT_EQ(!o.error.isEmpty(), c.error) << o.error.toStdString();
    }
    EXPECT_EQ(programVersion(), QStringLiteral("3.05"));
}

// Before the application exists, Qt's own options and their values are passed over, so
// that only this program's own faults end the start without a display.
TEST(StartOptions, PassesOverQtsOptionsBeforeTheApplication)
{
    const QString here = QDir::currentPath();
    struct Case {
        QStringList args;
        QString file;
        bool version;
        bool error;
    } cases[] = {
        {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("x.fbe")}, here + QStringLiteral("/x.fbe"), false, false},
        {{QStringLiteral("--style"), QStringLiteral("Fusion"), QStringLiteral("--bogus")}, {}, false, true},
        {{QStringLiteral("-style=Fusion"), QStringLiteral("-reverse"), QStringLiteral("--version")}, {}, true, false},
        {{QStringLiteral("-qwindowtitle"), QStringLiteral("a.fbe"), QStringLiteral("b.fbe")}, here + QStringLiteral("/b.fbe"), false, false},
        {{QStringLiteral("-platform")}, {}, false, false},   // its value missing: Qt's matter
        {{QStringLiteral("--"), QStringLiteral("-reverse")}, here + QStringLiteral("/-reverse"), false, false},
        {{QStringLiteral("-platformx")}, {}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const StartOptions o = parseStartOptions(QStringList{QStringLiteral("fbe")} + c.args,
                                                 ToolkitOptions::Skipped);
        EXPECT_EQ(o.file, QDir::toNativeSeparators(c.file));
        EXPECT_EQ(o.version, c.version);
        EXPECT_EQ(!o.error.isEmpty(), c.error) << o.error.toStdString();
    }
}

// --desktop: the folder is created, the window's settings file lives there and is written
// there at the end; an XDG_DATA_HOME that is not absolute counts as unset.
TEST_F(CommandLineTest, DesktopStartKeepsTheSettingsInTheDataFolder)
{
    const EnvValue home("HOME", path(QStringLiteral("home")).toLocal8Bit());
    struct Case {
        QByteArray xdg;
        QString folder;
    } cases[] = {
        {path(QStringLiteral("daten")).toLocal8Bit(), path(QStringLiteral("daten/fbe"))},
        {QByteArray(), path(QStringLiteral("home/.local/share/fbe"))},
        {QByteArray("relativ"), path(QStringLiteral("home/.local/share/fbe"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xdg.toStdString());
        const EnvValue xdg("XDG_DATA_HOME", c.xdg);
        QDir::setCurrent(dir.path());
        EXPECT_EQ(desktopFolder(), c.folder);
        QString error;
        ASSERT_TRUE(enterDesktopFolder(&error)) << error.toStdString();
        EXPECT_EQ(QDir::currentPath(), c.folder);

        main.reset();
        forms = Forms{};
        cfg = Configuration{};
        start(QString());
        EXPECT_EQ(main->settingsPath, QDir::toNativeSeparators(c.folder + QStringLiteral("/fbe_ini.ini")));
        EXPECT_TRUE(main->close());
        EXPECT_TRUE(readSettingsFile(c.folder + QStringLiteral("/fbe_ini.ini")).complete);
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("fbe_ini.ini"))));
    }

    // A file where the folder should be: refused with the reason, the working folder kept.
    const EnvValue xdg("XDG_DATA_HOME", path(QStringLiteral("blockiert")).toLocal8Bit());
    QDir::setCurrent(dir.path());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("blockiert")));
    ASSERT_TRUE(writeBytes(path(QStringLiteral("blockiert/fbe")), "x"));
    QString error;
    EXPECT_FALSE(enterDesktopFolder(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("blockiert"))) << error.toStdString();
    EXPECT_EQ(QDir::currentPath(), dir.path());
}
