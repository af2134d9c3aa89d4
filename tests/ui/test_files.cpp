// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// New, open and save with the unsaved-changes guard; start-up with the settings file; shutdown.
//
// Every test runs in a folder of its own, which is the working folder at start, so the
// settings file and the configuration files land there.
#include "comm/CommTestSupport.h"
#include "ProgramWindows.h"
#include "LayoutCheck.h"

#include "config/Cp1252.h"
#include "config/FbeFile.h"
#include "config/SettingsFile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTextDocument>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWindow>
#include <gtest/gtest.h>
#include <functional>

using namespace fbe;

namespace {

const QString Changed1 = QStringLiteral("!!!  Die Datei wurde geändert  !!!");
const QString Changed2 = QStringLiteral("zuerst sichern ?");
const QString LoadError = QStringLiteral(" Fehler bei \"Datei laden!\"");
const QString SaveError = QStringLiteral(" Fehler bei \"Datei speichern!\"");

QStringList readLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(f.readAll());
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray crlf(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}

struct FilesTest : fbe::test::ProgramTest {
    // Creation and the start-up step (which the timer would run 100 ms later).
    void start()
    {
        create();
        ASSERT_TRUE(main->inittimer->isActive());
        main->inittimerTimer();
        ASSERT_FALSE(main->inittimer->isActive());
    }

    QString settingsPath() const { return path(QStringLiteral("fbe_ini.ini")); }

    bool guardSeesChange() { return BuildFile(cfg).lines != main->saveMemo; }

    // A file saved through the window with the given project name.
    QString saveAs(const QString& name, const QString& project)
    {
        cfg.projectName = project;
        seam.saveFileNames.push_back(path(name));
        main->MsaveClick();
        return path(name);
    }
};

// ---- New, save, open and the snapshot -----------------------------------------------------

TEST_F(FilesTest, StartWithoutSettingsGivesAnUnchangedNewConfiguration)
{
    start();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->OpenDialog1.FileName, QStringLiteral("neue datei.fbe"));
    EXPECT_EQ(main->settingsPath, QDir::toNativeSeparators(settingsPath()));
    EXPECT_EQ(main->saveMemo.size(), 1003);
    EXPECT_EQ(main->Memo1, main->saveMemo);
    EXPECT_FALSE(guardSeesChange());
    EXPECT_EQ(questions(), 0);   // no settings file: no question about the last file
    EXPECT_EQ(main->comPortName, QStringLiteral("COM1"));
    EXPECT_EQ(main->waitstates, 1);
    EXPECT_TRUE(main->askLastFile);
    for (QAction* port : {main->MCom1, main->MCom2, main->MCom3, main->MCom4})
        EXPECT_TRUE(port->isEnabled());

    // Closing an unchanged configuration asks nothing and writes a complete settings file.
    EXPECT_TRUE(main->close());
    EXPECT_EQ(questions(), 0);
    const SettingsRead read = readSettingsFile(settingsPath());
    EXPECT_TRUE(read.complete) << read.error.toStdString();
    EXPECT_EQ(readLines(settingsPath()).size(), 63);
    EXPECT_EQ(read.values.waitstates, 1);
    EXPECT_EQ(read.values.workingFolder, QDir::toNativeSeparators(dir.path()));
}

TEST_F(FilesTest, SaveWritesTheFileAndTakesTheSnapshot)
{
    start();
    const QString file = saveAs(QStringLiteral("tor.fbe"), QStringLiteral("Tor Süd"));
    EXPECT_EQ(seam.fileDialogCaptions, QStringList{QStringLiteral("Datei speichern als...")});
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(main->OpenDialog1.FileName, QDir::toNativeSeparators(file));
    EXPECT_EQ(main->SaveDialog1.FileName, QDir::toNativeSeparators(file));
    EXPECT_EQ(main->infoLines().last(), QStringLiteral(" file gespeichert "));
    EXPECT_EQ(main->infoColour(), TFFBmain::InfoColour::Normal);
    EXPECT_FALSE(guardSeesChange());
    EXPECT_EQ(seam.beeps, 0);

    Configuration back;
    NeueDatei(back);
    ASSERT_TRUE(LoadFile(back, file).ok);
    EXPECT_EQ(back.projectName, QStringLiteral("Tor Süd"));
    EXPECT_EQ(BuildFile(back).lines, main->saveMemo);

    // Cancelling the save dialog writes nothing, says nothing and keeps the change marked.
    const QStringList infoBefore = main->infoLines();
    cfg.projectName = QStringLiteral("Tor Nord");
    main->MsaveClick();
    EXPECT_EQ(main->infoLines(), infoBefore);
    EXPECT_TRUE(guardSeesChange());
    ASSERT_TRUE(LoadFile(back, file).ok);
    EXPECT_EQ(back.projectName, QStringLiteral("Tor Süd"));
}

TEST_F(FilesTest, ChosenFolderBecomesTheWorkingFolder)
{
    start();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("kunden")));
    const QString file = saveAs(QStringLiteral("kunden/a.fbe"), QStringLiteral("A"));
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(QDir::currentPath(), path(QStringLiteral("kunden")));
    // The settings file stays where it was at start, and records the folder.
    EXPECT_TRUE(main->close());
    ASSERT_TRUE(QFile::exists(settingsPath()));
    EXPECT_EQ(readLines(settingsPath()).at(5), QDir::toNativeSeparators(path("kunden")));
    EXPECT_EQ(readLines(settingsPath()).at(0), QDir::toNativeSeparators(file));
}

TEST_F(FilesTest, OpenLoadsTheFileAsUnchanged)
{
    start();
    const QString file = saveAs(QStringLiteral("a.fbe"), QStringLiteral("Halle 3"));
    cfg.comment = QStringList{QStringLiteral("anders")};
    answerNEIN();
    main->MNewClick();   // changed: asked, "NEIN !" discards
    EXPECT_EQ(questions(), 1);
    EXPECT_EQ(forms.Fask->lines(), (QStringList{Changed1, Changed2}));
    EXPECT_EQ(cfg.projectName, QStringLiteral("-Projektname-"));
    EXPECT_EQ(main->OpenDialog1.FileName, QStringLiteral("neue datei.fbe"));

    seam.openFileNames.push_back(file);
    main->MopenClick();
    EXPECT_EQ(questions(), 1);   // nothing changed since the new configuration
    EXPECT_EQ(seam.fileDialogCaptions.last(), QStringLiteral("Datei laden"));
    EXPECT_EQ(cfg.projectName, QStringLiteral("Halle 3"));
    EXPECT_EQ(main->OpenDialog1.FileName, QDir::toNativeSeparators(file));
    EXPECT_EQ(main->SaveDialog1.FileName, QDir::toNativeSeparators(file));
    EXPECT_EQ(main->infoLines().last(), QStringLiteral(" Datei geladen "));
    EXPECT_EQ(main->infoColour(), TFFBmain::InfoColour::Normal);
    EXPECT_FALSE(guardSeesChange());
    EXPECT_EQ(main->Memo1, main->saveMemo);
}

// Fault mended: a cancelled open or a failed load used to retake the snapshot, so changes
// made before were no longer offered for saving and got lost at the next close.
TEST_F(FilesTest, CancelledOpenAndFailedLoadKeepTheGuard)
{
    start();
    const QString good = saveAs(QStringLiteral("gut.fbe"), QStringLiteral("Gut"));
    cfg.projectName = QStringLiteral("ungesichert");

    answerNEIN();
    main->MopenClick();   // the open dialog is cancelled
    EXPECT_TRUE(guardSeesChange());
    EXPECT_EQ(cfg.projectName, QStringLiteral("ungesichert"));

    const QString bad = path(QStringLiteral("kaputt.fbe"));
    ASSERT_TRUE(writeBytes(bad, "0\r\nkeine Zahl\r\n"));
    answerNEIN();
    seam.openFileNames.push_back(bad);
    const int beeps = seam.beeps;
    main->MopenClick();
    EXPECT_EQ(seam.beeps, beeps + 1);
    // The message, then the reason on a line of its own.
    const QStringList info = main->infoLines();
    ASSERT_GE(info.size(), 2);
    EXPECT_EQ(info.at(info.size() - 2), LoadError);
    EXPECT_EQ(info.last(), QStringLiteral(" die Datei hat nur 2 Zeilen (mindestens 999)"));
    EXPECT_EQ(main->infoColour(), TFFBmain::InfoColour::Error);
    EXPECT_EQ(cfg.projectName, QStringLiteral("ungesichert"));
    EXPECT_TRUE(guardSeesChange());
    // The current file is still the one the configuration came from.
    EXPECT_EQ(main->OpenDialog1.FileName, QDir::toNativeSeparators(good));
    EXPECT_EQ(main->SaveDialog1.FileName, QDir::toNativeSeparators(good));

    // So closing still asks.
    answerNEIN();
    EXPECT_TRUE(main->close());
    EXPECT_EQ(questions(), 3);
}

// Fault mended: after "JA" the command went on even when nothing was saved.
TEST_F(FilesTest, YesWithoutASaveStopsNewOpenAndClose)
{
    start();
    cfg.projectName = QStringLiteral("wichtig");

    answerJA();   // and the save dialog is cancelled
    main->MNewClick();
    EXPECT_EQ(cfg.projectName, QStringLiteral("wichtig"));
    EXPECT_TRUE(guardSeesChange());

    answerJA();
    seam.openFileNames.push_back(path(QStringLiteral("egal.fbe")));
    main->MopenClick();
    EXPECT_EQ(seam.fileDialogCaptions.size(), 2);   // two save dialogs, no open dialog
    EXPECT_EQ(seam.fileDialogCaptions.last(), QStringLiteral("Datei speichern als..."));
    seam.openFileNames.clear();
    EXPECT_EQ(cfg.projectName, QStringLiteral("wichtig"));

    answerJA();
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(QFile::exists(settingsPath()));

    // A write that fails stops the closing too, with the save error.
    answerJA();
    seam.saveFileNames.push_back(path(QStringLiteral("fehlt/x.fbe")));
    EXPECT_FALSE(main->close());
    EXPECT_EQ(main->infoLines().mid(main->infoLines().size() - 2),
              (QStringList{SaveError, QStringLiteral(" Ordner nicht vorhanden")}));
    EXPECT_TRUE(main->isVisible());

    // "JA" with a completed save goes on; the file holds the change.
    answerJA();
    seam.saveFileNames.push_back(path(QStringLiteral("gesichert.fbe")));
    main->MNewClick();
    EXPECT_EQ(cfg.projectName, QStringLiteral("-Projektname-"));
    Configuration back;
    ASSERT_TRUE(LoadFile(back, path(QStringLiteral("gesichert.fbe"))).ok);
    EXPECT_EQ(back.projectName, QStringLiteral("wichtig"));

    // "NEIN !": the command goes on.
    cfg.projectName = QStringLiteral("weg damit");
    answerNEIN();
    main->MNewClick();
    EXPECT_EQ(cfg.projectName, QStringLiteral("-Projektname-"));
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(QFile::exists(settingsPath()));
}

// "Abbrechen", Escape and the title bar on the save question stop the command that asked:
// nothing changes, nothing is sent, and a program that was to end runs on.
TEST_F(FilesTest, CancelledSaveQuestionLeavesEverythingAsItWas)
{
    start();
    const QString file = saveAs(QStringLiteral("a.fbe"), QStringLiteral("Halle 3"));
    cfg.codes[1].address = 777;   // not saved
    main->MCom2Click();
    const QStringList fileText = BuildFile(cfg).lines, snapshot = main->saveMemo;
    const std::function<void()> callers[] = {
        [&] { main->MNew->trigger(); },
        [&] { seam.openFileNames = {file}; main->Mopen->trigger(); seam.openFileNames.clear(); },
        [&] { main->ReadButton->click(); },
        [&] { EXPECT_FALSE(main->close()); }};
    using fbe::test::FakeSeam;
    const FakeSeam::Answer answers[] = {FakeSeam::clickOn(QStringLiteral("Abbrechen")),
                                        FakeSeam::press(Qt::Key_Escape), [](QDialog&) {}};
    for (const auto& caller : callers) {
        for (const auto& answer : answers) {   // the last one left open: closed by the title bar
            SCOPED_TRACE(10 * (&caller - callers) + (&answer - answers));
            const size_t shown = seam.modalShows.size();
            seam.answerNext(answer);
            caller();
            ASSERT_EQ(seam.modalShows.size(), shown + 1);   // the question alone, no transfer
            EXPECT_EQ(seam.modalShows.back().window, forms.Fask);
            EXPECT_EQ(BuildFile(cfg).lines, fileText);
            EXPECT_EQ(main->saveMemo, snapshot);
            EXPECT_EQ(main->OpenDialog1.FileName, QDir::toNativeSeparators(file));
            EXPECT_EQ(main->ShowCom->text(), QStringLiteral("COM2"));
            EXPECT_TRUE(main->isVisible() && !QFile::exists(settingsPath()));
        }
    }
}

TEST_F(FilesTest, OldAndDamagedFilesLoadWithWarnings)
{
    start();
    const QString file = saveAs(QStringLiteral("a.fbe"), QStringLiteral("alt"));
    QStringList lines = readLines(file);   // plain ASCII here
    ASSERT_EQ(lines.size(), 1003);

    auto openVariant = [&](const QString& name, int major, int minor, int checksumDelta) {
        QStringList l = lines;
        l[348] = QString::number(major);
        l[349] = QString::number(minor);
        // Bytes 248, 249 lie outside the checksum; byte 255 is line 356.
        l[355] = QString::number((l[355].toInt() + checksumDelta) & 0xFF);
        const QString p = path(name);
        writeBytes(p, crlf(l));
        main->clearInfo();
        seam.openFileNames.push_back(p);
        main->MopenClick();
    };

    // 2.89 (601): loaded, yellow, the old-file line and the notice, with a beep.
    int beeps = seam.beeps;
    openVariant(QStringLiteral("v601.fbe"), 2, 89, 0);
    EXPECT_EQ(seam.beeps, beeps + 1);
    EXPECT_EQ(main->infoLines(),
              (QStringList{QStringLiteral(" Datei geladen "),
                           QStringLiteral(" Datei mit Fehlern geladen. Veraltetes inkompatibles File! ")}));
    EXPECT_EQ(main->infoColour(), TFFBmain::InfoColour::Warning);
    ASSERT_FALSE(seam.modelessShows.empty());
    EXPECT_EQ(seam.modelessShows.back().window, forms.Fhinweis);
    EXPECT_EQ(forms.Fhinweis->lines(),
              QStringList{QStringLiteral("die geladene Datei wurde mit einer alten Software "
                                         "erstellt. Die File-Daten sind dazu nicht kompatibel!")});
    EXPECT_EQ(cfg.projectName, QStringLiteral("alt"));
    forms.Fhinweis->close();

    // 2.90 (602): clean.
    beeps = seam.beeps;
    const size_t notices = seam.modelessShows.size();
    openVariant(QStringLiteral("v602.fbe"), 2, 90, 0);
    EXPECT_EQ(main->infoLines(), QStringList{QStringLiteral(" Datei geladen ")});
    EXPECT_EQ(main->infoColour(), TFFBmain::InfoColour::Normal);
    EXPECT_EQ(seam.beeps, beeps);
    EXPECT_EQ(seam.modelessShows.size(), notices);

    // Fault mended: a wrong checksum was reported as a clean load.
    openVariant(QStringLiteral("pruef.fbe"), 3, 5, 1);
    ASSERT_EQ(main->infoLines().size(), 2);
    EXPECT_EQ(main->infoLines().at(0), QStringLiteral(" Datei geladen "));
    EXPECT_TRUE(main->infoLines().at(1).contains(QStringLiteral("Prüfsumme")));
    EXPECT_EQ(main->infoColour(), TFFBmain::InfoColour::Warning);
    EXPECT_EQ(main->OpenDialog1.FileName, QDir::toNativeSeparators(path("pruef.fbe")));
}

// A file with a line lost or added before line 1000, or an image value beyond a byte, loads
// as the format says with its warning in yellow and a beep; it then no longer counts as the
// file's text, so closing asks.
TEST_F(FilesTest, AShiftedFileLoadsWithItsWarningAndCountsAsChanged)
{
    start();
    const QStringList lines = readLines(saveAs(QStringLiteral("a.fbe"), QStringLiteral("Tor")));
    ASSERT_EQ(lines.size(), 1003);
    const QString loaded = QStringLiteral(" Datei geladen ");
    const QString shifted = QStringLiteral(" Datei beschädigt: Zeile 1000 ist nicht --*--");
    QStringList lost = lines;
    lost.removeAt(499);
    QStringList beyond = lines;
    beyond[100] = QStringLiteral("256");
    const struct {
        const char* what;
        QStringList lines;
        QStringList info;
    } cases[] = {
        {"line 500 lost", lost, {loaded, shifted}},
        {"256 on line 101", beyond, {loaded, QStringLiteral(" Zeile 101: Wert außerhalb 0..255")}},
        {"intact", lines, {loaded}},
    };
    for (const auto& c : cases) {
        const QString file = path(QStringLiteral("b.fbe"));
        ASSERT_TRUE(writeBytes(file, crlf(c.lines)));
        main->saveMemo = BuildFile(cfg).lines;   // nothing unsaved before
        main->clearInfo();
        const int beeps = seam.beeps;
        seam.openFileNames.push_back(file);
        main->MopenClick();
        const bool warned = c.info.size() > 1;
        EXPECT_EQ(main->infoLines(), c.info) << c.what;
        EXPECT_EQ(main->infoColour(),
                  warned ? TFFBmain::InfoColour::Warning : TFFBmain::InfoColour::Normal)
            << c.what;
        EXPECT_EQ(seam.beeps, beeps + (warned ? 1 : 0)) << c.what;
        EXPECT_EQ(guardSeesChange(), warned) << c.what;
        if (c.lines == lost) {
            EXPECT_EQ(cfg.projectName, QStringLiteral("--*--")) << c.what;
            main->show();
            QCoreApplication::processEvents();
            fbe::test::checkLayout(main->Info, QStringLiteral("files-info-shifted-file"));
        }
    }
}

// Fault mended: a character Windows-1252 cannot hold was written as "?".
TEST_F(FilesTest, CharacterTheFileCannotHoldFailsTheSave)
{
    start();
    const QString file = saveAs(QStringLiteral("a.fbe"), QStringLiteral("erster Stand"));
    const QByteArray before = [&] {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    cfg.comment = QStringList{QStringLiteral("Schalter Ω 3")};
    seam.saveFileNames.push_back(file);
    const int beeps = seam.beeps;
    main->MsaveClick();
    EXPECT_EQ(seam.beeps, beeps + 1);
    const QStringList info = main->infoLines();
    ASSERT_GE(info.size(), 2);
    EXPECT_EQ(info.at(info.size() - 2), SaveError);
    EXPECT_TRUE(info.last().contains(QStringLiteral("\"Ω\""))) << info.last().toStdString();
    EXPECT_EQ(main->infoColour(), TFFBmain::InfoColour::Error);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_TRUE(guardSeesChange());
}

// Fault mended: a failed write destroyed the previous file.
TEST_F(FilesTest, FailedSaveKeepsThePreviousFile)
{
    start();
    const QString folder = path(QStringLiteral("gesperrt"));
    ASSERT_TRUE(QDir().mkdir(folder));
    // A folder without write permission. The super-user writes anyway, so then a file name
    // is used that leaves no room for the temporary file beside it: the write fails the same.
    QString target = folder + QStringLiteral("/alt.fbe");
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    {
        QFile probe(folder + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            target = folder + QLatin1Char('/') + QString(246, QLatin1Char('x'))
                + QStringLiteral(".fbe");
        }
    }
    const bool writable = QFileInfo(folder).isWritable();
    if (!writable)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(writeBytes(target, "der alte Inhalt\r\n"));
    if (!writable)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);

    cfg.projectName = QStringLiteral("neu");
    seam.saveFileNames.push_back(target);
    main->MsaveClick();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // The reason below: the folder refused the temporary file, or for the super-user the
    // system refused the name, in the program's own words.
    const QStringList info = main->infoLines();
    ASSERT_GE(info.size(), 2);
    EXPECT_EQ(info.at(info.size() - 2), SaveError);
    if (writable)
        EXPECT_EQ(info.last(), QStringLiteral(" Dateiname zu lang"));
    else
        EXPECT_EQ(info.last(), QStringLiteral(" keine Schreibberechtigung"));
    EXPECT_EQ(main->infoColour(), TFFBmain::InfoColour::Error);
    EXPECT_EQ(seam.beeps, 1);
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("der alte Inhalt\r\n"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 1);
    EXPECT_TRUE(guardSeesChange());
    EXPECT_EQ(main->OpenDialog1.FileName, QStringLiteral("neue datei.fbe"));
}

// A protected file and a folder that is gone: the message, then why, on a line of its own;
// the file on disk and the unsaved state stay as they were.
TEST_F(FilesTest, SaveAndLoadFailuresSayWhy)
{
    start();
    const QString locked = path(QStringLiteral("gesperrt.fbe"));
    ASSERT_TRUE(writeBytes(locked, "alt\r\n"));
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup));
    cfg.projectName = QStringLiteral("neu");

    struct Case {
        const char* what;
        std::function<void()> command;
        QStringList lines;
    };
    const Case cases[] = {
        {"save over a file without write permission bits",
         [&] {
             seam.saveFileNames.push_back(locked);
             main->MsaveClick();
         },
         {SaveError, QStringLiteral(" schreibgeschützt")}},
        {"save into a folder that is gone",
         [&] {
             seam.saveFileNames.push_back(path(QStringLiteral("weg/a.fbe")));
             main->MsaveClick();
         },
         {SaveError, QStringLiteral(" Ordner nicht vorhanden")}},
        {"open a file in a folder that is gone",
         [&] {
             answerNEIN();
             seam.openFileNames.push_back(path(QStringLiteral("weg/a.fbe")));
             main->MopenClick();
         },
         {LoadError, QStringLiteral(" Ordner nicht vorhanden")}},
    };
    for (const Case& c : cases) {
        const int beeps = seam.beeps;
        c.command();
        const QStringList info = main->infoLines();
        EXPECT_EQ(info.mid(info.size() - 2), c.lines) << c.what;
        EXPECT_EQ(main->infoColour(), TFFBmain::InfoColour::Error) << c.what;
        EXPECT_EQ(seam.beeps, beeps + 1) << c.what;
        EXPECT_TRUE(guardSeesChange()) << c.what;
        EXPECT_EQ(cfg.projectName, QStringLiteral("neu")) << c.what;
        // The message area as the user sees it, saved when FBE_SHOT_DIR names a folder.
        const QString shots = qEnvironmentVariable("FBE_SHOT_DIR");
        if (!shots.isEmpty()) {
            main->show();
            main->grab().save(shots + QStringLiteral("/reason-%1.png").arg(&c - cases));
        }
    }
    QFile f(locked);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("alt\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("gesperrt.fbe")});
}

// ---- Start-up and shutdown ----------------------------------------------------------------

struct SettingsTest : FilesTest {
    // A complete settings file naming lastFile, with positions on the screen.
    QStringList settingsWith(const QString& lastFile, bool askLast)
    {
        Settings s;
        s.lastFile = lastFile;
        s.askLastFile = askLast;
        s.comPortName = QStringLiteral("COM3");
        s.showNotices = false;
        s.progView = true;
        s.workingFolder = QDir::toNativeSeparators(dir.path());
        s.waitstates = 35;
        for (int i = 0; i < WindowPositions::Count; ++i)
            s.positions.at(i) = QPoint(20 + 7 * i, 30 + 5 * i);
        return settingsLines(s);
    }
};

TEST_F(SettingsTest, ReadThenWriteKeepsEveryLine)
{
    QStringList lines = settingsWith(QStringLiteral("neue datei.fbe"), false);
    ASSERT_TRUE(writeBytes(settingsPath(), crlf(lines)));
    start();
    EXPECT_EQ(questions(), 0);
    EXPECT_FALSE(main->askLastFile);
    EXPECT_FALSE(main->showNotices);
    EXPECT_FALSE(main->MDL->isChecked());
    EXPECT_FALSE(main->Minfos->isChecked());
    EXPECT_TRUE(main->MProg->isChecked());
    EXPECT_EQ(main->comPortName, QStringLiteral("COM3"));
    EXPECT_EQ(main->waitstates, 35);
    EXPECT_EQ(main->posPrint, QPoint(20 + 7 * 11, 30 + 5 * 11));
    EXPECT_EQ(main->posWaitstate, QPoint(20 + 7 * 13, 30 + 5 * 13));
    EXPECT_EQ(main->pos(), QPoint(20, 30));
    EXPECT_EQ(forms.Fask->pos(), QPoint(20 + 7 * 15, 30 + 5 * 15));
    EXPECT_EQ(forms.Frs232->pos(), QPoint(27, 35));

    EXPECT_TRUE(main->close());
    EXPECT_EQ(readLines(settingsPath()), lines);
}

TEST_F(SettingsTest, LastFileQuestionLoadsOnYes)
{
    start();
    const QString file = saveAs(QStringLiteral("letzte.fbe"), QStringLiteral("Letzte"));
    ASSERT_TRUE(main->close());
    stop();
    ASSERT_TRUE(writeBytes(settingsPath(),
                           crlf(settingsWith(QDir::toNativeSeparators(file), true))));

    answerJA();
    start();
    ASSERT_EQ(questions(), 1);
    EXPECT_EQ(forms.Fask->lines(),
              (QStringList{QStringLiteral("soll die zuletzt geöffnete Datei:"),
                           QStringLiteral(" \"") + QDir::toNativeSeparators(file)
                               + QStringLiteral("\" "),
                           QStringLiteral("geladen werden?")}));
    EXPECT_EQ(cfg.projectName, QStringLiteral("Letzte"));
    EXPECT_EQ(main->OpenDialog1.FileName, QDir::toNativeSeparators(file));
    EXPECT_EQ(main->comPortName, QStringLiteral("COM3"));
    EXPECT_FALSE(guardSeesChange());
    EXPECT_TRUE(main->close());
    EXPECT_EQ(questions(), 1);
}

// The last file is offered only when it is there: one that has gone is named instead, the
// name of a configuration never saved is passed over; the new configuration stays.
TEST_F(SettingsTest, LastFileIsOfferedOnlyWhenItIsThere)
{
    NeueDatei(cfg);
    const QString kept = path(QStringLiteral("da.fbe")), gone = path(QStringLiteral("weg.fbe"));
    ASSERT_TRUE(SaveFile(kept, BuildFile(cfg), nullptr));
    const struct {
        QString lastFile;
        int questions;
        QStringList info;
    } cases[] = {{QStringLiteral("neue datei.fbe"), 0, {}},
                 {gone, 0, {QStringLiteral(" zuletzt geöffnete Datei nicht gefunden: ") + gone}},
                 {kept, 1, {}}};
    for (const auto& c : cases) {
        stop();
        seam.modalShows.clear();
        ASSERT_TRUE(writeBytes(settingsPath(), crlf(settingsWith(c.lastFile, true))));
        seam.answerNext([&](QDialog& d) {
            EXPECT_FALSE(forms.Fask->Abbrechen->isVisible());
            fbe::test::FakeSeam::press(Qt::Key_Escape)(d);   // as "NEIN !" here
        });
        start();
        seam.answers.clear();
        EXPECT_EQ(questions(), c.questions);
        EXPECT_EQ(main->infoLines(), c.info);
        EXPECT_EQ(main->infoColour(), TFFBmain::InfoColour::Normal);
        EXPECT_EQ(main->OpenDialog1.FileName, QStringLiteral("neue datei.fbe"));
        EXPECT_FALSE(guardSeesChange());
    }
}

TEST_F(SettingsTest, DamagedFileFallsBackAndShutdownWritesAValidOne)
{
    // Cut inside the position groups: lines 2..12 apply, then the fallback.
    QStringList lines = settingsWith(QStringLiteral("x.fbe"), false).mid(0, 40);
    ASSERT_TRUE(writeBytes(settingsPath(), crlf(lines)));
    start();
    EXPECT_EQ(questions(), 0);             // the fallback asks nothing
    EXPECT_TRUE(main->askLastFile);
    EXPECT_FALSE(main->showNotices);       // applied before the fault
    EXPECT_TRUE(main->MProg->isChecked());
    EXPECT_EQ(main->comPortName, QStringLiteral("COM1"));
    EXPECT_EQ(main->waitstates, 1);
    EXPECT_TRUE(main->close());
    SettingsRead read = readSettingsFile(settingsPath());
    EXPECT_TRUE(read.complete);
    EXPECT_EQ(read.values.comPortName, QStringLiteral("COM1"));
    EXPECT_TRUE(read.values.askLastFile);
    stop();

    // Binary rubbish.
    QByteArray junk;
    for (int i = 0; i < 3000; ++i)
        junk += char((i * 7919) % 256);
    ASSERT_TRUE(writeBytes(settingsPath(), junk));
    start();
    EXPECT_EQ(main->comPortName, QStringLiteral("COM1"));
    EXPECT_TRUE(main->close());
    read = readSettingsFile(settingsPath());
    EXPECT_TRUE(read.complete);
}

TEST_F(SettingsTest, PositionsOffEveryScreenAreBroughtBack)
{
    QStringList lines = settingsWith(QStringLiteral("neue datei.fbe"), false);
    lines[13] = QStringLiteral("5000");    // main window: far to the right
    lines[14] = QStringLiteral("-4000");   // and above
    const int ask = 12 + 3 * WindowPositions::Ask;
    lines[ask + 1] = QStringLiteral("-2000");
    lines[ask + 2] = QStringLiteral("100");
    const int hinweis = 12 + 3 * WindowPositions::Hinweis;
    lines[hinweis + 1] = QStringLiteral("2147483647");
    const int print = 12 + 3 * WindowPositions::Print;
    lines[print + 1] = QStringLiteral("-9999");   // carried through, never shown
    ASSERT_TRUE(writeBytes(settingsPath(), crlf(lines)));
    start();

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (QWidget* w : {static_cast<QWidget*>(main.get()), static_cast<QWidget*>(forms.Fask),
                       static_cast<QWidget*>(forms.Fhinweis)}) {
        const QPoint p = w->pos();
        EXPECT_TRUE(screen.contains(p)) << p.x() << "," << p.y();
        EXPECT_GE(p.y(), screen.top());
    }
    EXPECT_EQ(forms.Fask->pos().y(), 100);
    EXPECT_EQ(main->posPrint.x(), -9999);
    EXPECT_TRUE(main->close());
    EXPECT_EQ(readLines(settingsPath()).at(print + 1), QStringLiteral("-9999"));
}

// A dialog shown in a run without a stored place: Qt centres it over the main window each
// time it opens and does not count a move by the user as a placement. It used to be written
// out centred over the main window as it stood at shutdown, and reopened centred again.
TEST_F(SettingsTest, DialogKeepsThePlaceItWasLastShownAt)
{
    start();
    main->move(10, 20);
    QWidget* system = forms.Fsystem;
    system->show();
    QCoreApplication::processEvents();
    const QPoint centred = system->pos();
    system->hide();
    system->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(system->pos(), centred);
    // Dragged by the user (through the window system), then closed.
    const QPoint dragged = centred + QPoint(140, 90);
    system->windowHandle()->setFramePosition(dragged);
    QCoreApplication::processEvents();
    ASSERT_EQ(system->pos(), dragged);
    system->hide();
    system->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(system->pos(), dragged);
    system->hide();

    QWidget* code = forms.FCode;   // shown once, never moved
    code->show();
    QCoreApplication::processEvents();
    const QPoint codeAt = code->pos();
    code->hide();

    main->move(300, 200);
    EXPECT_TRUE(main->close());
    const WindowPositions stored = readSettingsFile(settingsPath()).values.positions;
    EXPECT_EQ(stored.system, dragged);
    EXPECT_EQ(stored.codes, codeAt);
    EXPECT_EQ(stored.main, QPoint(300, 200));
}

TEST_F(SettingsTest, SettingsWriteFailureIsReportedAndTheProgramEnds)
{
    start();
    main->settingsPath = path(QStringLiteral("fehlt/fbe_ini.ini"));
    EXPECT_TRUE(main->close());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages.front().text,
              QStringLiteral("die momentanen Programmeinstellungen konnten nicht gesichert "
                             "werden. Eventuell ist der aktuelle Ordner schreibgeschützt! "
                             "Starten Sie das Programm vorzugsweise von einer Festplatte!"));
}

// The settings file is replaced as a whole and keeps its rights; one whose permission bits
// forbid writing stays as it is, even for the super-user, with the message of a failed write.
TEST_F(SettingsTest, SettingsFileKeepsItsRightsAndAProtectedOneStays)
{
    ASSERT_TRUE(writeBytes(settingsPath(), crlf(settingsWith(QStringLiteral("x.fbe"), false))));
    ASSERT_TRUE(QFile::setPermissions(settingsPath(), QFile::ReadOwner | QFile::WriteOwner
                                                          | QFile::ReadOther));
    start();
    main->askLastFile = true;
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(readLines(settingsPath()).at(1), QStringLiteral("VDyes"));
    EXPECT_EQ(QFile::permissions(settingsPath()) & 0x7077,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    stop();

    ASSERT_TRUE(QFile::setPermissions(settingsPath(), QFile::ReadOwner | QFile::ReadOther));
    const QByteArray before = [&] {
        QFile f(settingsPath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    start();
    main->askLastFile = false;
    EXPECT_TRUE(main->close());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_TRUE(seam.messages.front().text.startsWith(
        QStringLiteral("die momentanen Programmeinstellungen konnten nicht gesichert werden.")));
    QFile f(settingsPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST_F(SettingsTest, WholeSessionComesBackAsLeft)
{
    // Start, change, save, close; start again, "JA": the same file text and positions.
    start();
    main->move(40, 50);
    forms.Fask->move(300, 200);
    main->MProgClick();
    cfg.codes[2].address = 1234;
    cfg.codes[2].function = FnWechsel;
    cfg.codes[2].out3 = true;
    main->comment->setPlainText(QStringLiteral("Einfahrt Süd\n\nzweiter Sender: Büro"));
    main->MinfosClick();   // notices off
    main->MCom3Click();
    const QString file = saveAs(QStringLiteral("sitzung.fbe"), QStringLiteral("Sitzung"));
    const QStringList saved = main->saveMemo;
    ASSERT_TRUE(main->close());
    EXPECT_EQ(questions(), 0);
    stop();

    answerJA();
    start();
    EXPECT_EQ(main->OpenDialog1.FileName, QDir::toNativeSeparators(file));
    EXPECT_EQ(main->saveMemo, saved);
    EXPECT_EQ(cfg.codes[2].address, 1234u);
    EXPECT_EQ(cfg.projectName, QStringLiteral("Sitzung"));
    EXPECT_EQ(main->projectname->text(), QStringLiteral("Sitzung"));
    EXPECT_EQ(main->comment->toPlainText(),
              QStringLiteral("Einfahrt Süd\n\nzweiter Sender: Büro"));
    EXPECT_TRUE(main->MProg->isChecked());
    EXPECT_FALSE(main->showNotices);
    EXPECT_EQ(main->comPortName, QStringLiteral("COM3"));
    EXPECT_EQ(main->pos(), QPoint(40, 50));
    EXPECT_EQ(forms.Fask->pos(), QPoint(300, 200));
    // Nothing changed since: closing asks nothing.
    EXPECT_TRUE(main->close());
    EXPECT_EQ(questions(), 1);
}

}  // namespace


namespace {

// This area's windows in typical and extreme states show their texts in full, the question
// every line without scrolling, and no control lies on another. Pictures are saved when
// FBE_SHOT_DIR names a folder.
TEST_F(SettingsTest, QuestionsNoticesAndMessagesShowInFull)
{
    auto shot = [&](QWidget* widget, const char* name) {
        QCoreApplication::processEvents();
        fbe::test::checkLayout(widget, QLatin1String(name));
    };
    // The question must show every line without scrolling.
    auto wholeTextShown = [](TFask& ask) {
        QTextEdit* text = ask.M;
        return text->document()->size().height() <= text->viewport()->height() + 1;
    };

    // The last file, with a long path deep in folders.
    const QString longPath = QDir::toNativeSeparators(
        path(QStringLiteral("Kunden/Müller Torantriebe GmbH/Halle 3 – Einfahrt West/"
                            "Schranke Süd (Reserve) Stand 2024.fbe")));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(longPath).path()));
    ASSERT_TRUE(writeBytes(longPath, BuildFile(cfg).bytes()));
    ASSERT_TRUE(writeBytes(settingsPath(), crlf(settingsWith(longPath, true))));
    bool shown = false;
    seam.answerNext([&](QDialog&) {
        shot(forms.Fask, "files-question-last-file");
        shown = wholeTextShown(*forms.Fask);
        forms.Fask->NEIN->click();
    });
    start();
    EXPECT_TRUE(shown);
    main->show();

    // The unsaved-changes question.
    cfg.projectName = QStringLiteral("geändert");
    seam.answerNext([&](QDialog&) {
        shot(forms.Fask, "files-question-changed");
        shown = wholeTextShown(*forms.Fask);
        forms.Fask->NEIN->click();
    });
    main->MNewClick();
    EXPECT_TRUE(shown);

    // An old file with a wrong checksum: both warnings, yellow, and the notice.
    Configuration old;
    NeueDatei(old);
    BuiltFile file = BuildFile(old);
    file.lines[348] = QStringLiteral("2");
    file.lines[349] = QStringLiteral("89");
    file.lines[355] = QStringLiteral("7");
    const QString oldFile = path(QStringLiteral("alt.fbe"));
    ASSERT_TRUE(writeBytes(oldFile, file.bytes()));
    seam.openFileNames.push_back(oldFile);
    main->MopenClick();
    shot(forms.Fhinweis, "files-notice-old-file");
    shot(main->Info, "files-info-old-and-checksum");
    forms.Fhinweis->close();

    // A save refused for a character, after a failed load: red, three lines.
    seam.openFileNames.push_back(path(QStringLiteral("fehlt.fbe")));
    main->MopenClick();
    cfg.comment = QStringList{QStringLiteral("Schalter Ω → 3")};
    seam.saveFileNames.push_back(path(QStringLiteral("x.fbe")));
    main->MsaveClick();
    shot(main->Info, "files-info-errors");
    shot(main.get(), "files-main-after-errors");
}

}  // namespace

TEST_F(SettingsTest, SimulatedModuleOfExtraPortsIsChosenRememberedAndProgrammed)
{
    if (!QFileInfo::exists(commtest::binDir() + QStringLiteral("/fbe-module-sim")))
        GTEST_SKIP() << "fbe-module-sim not built";
    commtest::SimProcess sim;
    ASSERT_TRUE(sim.ok());
    const QString link = path(QStringLiteral("sim-com1"));
    ASSERT_TRUE(QFile::link(sim.device(), link));
    seam.serialPorts.extras = {link};
    // The transfer window runs until it closes itself; the question about the last file: no.
    seam.defaultAnswer = [this](QDialog& d) {
        if (&d == forms.Frs232) {
            EXPECT_TRUE(commtest::runUntil([&] { return !d.isVisible(); }, 20000));
        }
    };
    auto chooseFromMenu = [this](const QString& text) {
        emit main->MKomm->aboutToShow();
        for (QAction* a : main->Mport->actions()) {
            if (a->text() == text && a->isEnabled()) {
                a->trigger();
                return true;
            }
        }
        return false;
    };

    start();
    main->MCom3Click();
    ASSERT_TRUE(chooseFromMenu(QStringLiteral("sim-com1 - simuliertes Modul")));
    cfg.codes[1].address = 777;
    cfg.codes[1].function = FnEin;
    cfg.codes[1].out2 = true;
    main->SendButton->click();
    EXPECT_EQ(main->Info->toPlainText(), QStringLiteral("Übertragung erfolgreich"));
    answerNEIN();
    ASSERT_TRUE(main->close());
    // Line 3 keeps the COM name for older versions; line 7 names the port in use.
    QStringList lines = readLines(settingsPath());
    ASSERT_EQ(lines.size(), 63);
    EXPECT_EQ(lines.at(2), QStringLiteral("COM3"));
    EXPECT_EQ(lines.at(6), link);
    stop();

    // Started again: the same port, which reads back what was programmed.
    start();
    EXPECT_EQ(main->systemPort.path(), link);
    EXPECT_EQ(main->ShowCom->text(), QStringLiteral("sim-com1"));
    EXPECT_TRUE(main->Info->toPlainText().isEmpty());
    main->ReadButton->click();
    EXPECT_EQ(main->Info->toPlainText(), QStringLiteral("Übertragung erfolgreich"));
    EXPECT_EQ(cfg.codes[1].address, 777u);
    EXPECT_TRUE(cfg.codes[1].out2);
    answerNEIN();   // the module's configuration is not the file's
    ASSERT_TRUE(main->close());
    stop();

    // A line 7 that names no device, or the adapter gone by the next start: COM3 in use,
    // with a message; the next shutdown keeps line 7, so the adapter is used again at the
    // first start that finds it.
    ASSERT_TRUE(QFile::remove(link));
    for (const QString& stored : {QStringLiteral("/dev/tty\tUSB0"), link}) {
        lines = readLines(settingsPath());
        lines[6] = stored;
        ASSERT_TRUE(writeBytes(settingsPath(), crlf(lines)));
        start();
        EXPECT_TRUE(main->systemPort.isEmpty());
        EXPECT_EQ(main->comPortName, QStringLiteral("COM3"));
        EXPECT_EQ(main->ShowCom->text(), QStringLiteral("COM3"));
        EXPECT_TRUE(main->MCom3->isChecked());
        QString shown = stored;
        shown.replace(QLatin1Char('\t'), QLatin1Char('?'));
        EXPECT_EQ(main->infoLines(),
                  QStringList{QStringLiteral(" Schnittstelle ") + shown
                              + QStringLiteral(" nicht gefunden --> COM3")});
        ASSERT_TRUE(main->close());
        lines = readLines(settingsPath());
        EXPECT_EQ(lines.at(2), QStringLiteral("COM3"));
        EXPECT_EQ(lines.at(6), stored);
        stop();
    }
    ASSERT_TRUE(QFile::link(sim.device(), link));
    start();
    EXPECT_EQ(main->systemPort.path(), link);
    EXPECT_TRUE(main->infoLines().isEmpty());
    // Choosing a COM port forgets the adapter.
    main->MCom2Click();
    ASSERT_TRUE(main->close());
    lines = readLines(settingsPath());
    EXPECT_EQ(lines.at(2), QStringLiteral("COM2"));
    EXPECT_TRUE(lines.at(6).isEmpty());
}
