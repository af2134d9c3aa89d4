// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Series production in the window: the production log of "Modul programmieren", the warning
// against programming one address set twice, and hands-free programming of module after
// module ("automatisch programmieren").
#include "LayoutCheck.h"
#include "TransferTest.h"

#include "comm/SerialPortService.h"
#include "comm/SeriesProgrammer.h"
#include "config/FbeFile.h"
#include "config/ProductionLog.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace fbe;
using commtest::ComMapping;
using commtest::ScriptedPort;
using commtest::runUntil;
using State = SeriesProgrammer::State;

namespace {

const QString Success = QStringLiteral("Übertragung erfolgreich");
const QString Waiting = QStringLiteral(" warte auf nächstes Modul ...");
const QString Remove = QStringLiteral(" Modul entfernen ...");
const QString Paused = QStringLiteral(" angehalten, solange ein Menü oder Fenster offen ist");
const QString SeriesOff = QStringLiteral(" automatisches Programmieren ausgeschaltet");
const QString ProjectName = QStringLiteral("Tor \"Nord\"; Halle 2");

// Columns of the log.
enum Column { Time, Result, Message, File, Changed, Project, Firmware, Counter, Type, Bits,
              Address1, Function1, Address2, Function2, Duration = 26 };

bool isIdentify(const ScriptedPort::Command& c)
{
    return c == ScriptedPort::Command{0x00, 0xFF, 0x14};
}

struct SeriesTest : fbe::test::TransferTest {
    bool moduleIn = true;   // the scripted module answers only while it is in the adapter

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(TransferTest::SetUp());
        port.responder = [this](const ScriptedPort::Command& c, int) {
            return moduleIn ? port.answer(c) : std::vector<quint8>{};
        };
        // Two codes that advance with every module, a project name that needs quoting,
        // saved as the current file.
        cfg.codes[1] = {100, true, false, false, false, FnEin, 1, false, 0};
        cfg.codes[2] = {2000, false, true, false, false, FnWechsel, 1, false, 0};
        cfg.offset[1] = 1;
        cfg.offset[2] = 10;
        cfg.projectName = ProjectName;
        w->MProgClick();
        w->FormPaint();
        w->OpenDialog1.FileName = QDir::toNativeSeparators(dir.filePath(QStringLiteral("serie.fbe")));
        ASSERT_TRUE(SaveFile(w->OpenDialog1.FileName, BuildFile(cfg), nullptr));
        w->saveMemo = BuildFile(cfg).lines;
        w->productionLog = true;
    }
    QString logPath() const { return dir.filePath(ProductionLogName); }
    QByteArray logBytes() const
    {
        QFile f(logPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The log's data lines, fields split.
    QList<QStringList> logLines() const
    {
        QByteArray bytes = logBytes();
        bytes.remove(0, 3);
        QList<QStringList> lines = parseCsv(QString::fromUtf8(bytes));
        if (!lines.isEmpty())
            lines.removeFirst();
        return lines;
    }
    State state() const { return w->series->state(); }
    int identifyCommands() const
    {
        return int(std::count_if(port.commands.begin(), port.commands.end(), isIdentify));
    }
    // Hands-free programming switched on by a click on its box.
    void switchOn()
    {
        w->CBauto->click();
        ASSERT_TRUE(w->seriesOn());
    }
};

}  // namespace

// ---- Hands-free series against the simulated module ---------------------------------------

TEST_F(SeriesTest, FiveModulesPutInOneAfterAnotherAreProgrammedAndLogged)
{
    const QString out = dir.filePath(QStringLiteral("modul-draussen"));
    const QString eeprom = dir.filePath(QStringLiteral("eeprom.bin"));
    commtest::SimProcess sim({QStringLiteral("--absent-while"), out,
                              QStringLiteral("--fresh-on-insert"), QStringLiteral("--eeprom"),
                              eeprom});
    ASSERT_TRUE(sim.ok());
    const ComMapping com1(1, sim.device());
    w->show();

    switchOn();
    EXPECT_FALSE(w->SendButton->isEnabled());
    EXPECT_FALSE(w->ReadButton->isEnabled());
    EXPECT_FALSE(w->Mprogram->isEnabled());
    EXPECT_FALSE(w->Mread->isEnabled());
    for (int module = 1; module <= 5; ++module) {
        // The module in the adapter is programmed once; then the program waits for its removal.
        ASSERT_TRUE(runUntil([&] { return state() == State::WaitingForRemoval; }, 20000))
            << module;
        EXPECT_EQ(cfg.progcounter, module);
        EXPECT_EQ(w->infoLines(), (QStringList{Success, Remove})) << module;
        // The programming view as the user sees it, saved when FBE_SHOT_DIR names a folder.
        const QString shots = qEnvironmentVariable("FBE_SHOT_DIR");
        if (module == 3 && !shots.isEmpty())
            w->centralWidget()->grab(QRect(416, 296, 375, 362)).save(shots + QStringLiteral("/series-auto.png"));
        QFile(out).open(QIODevice::WriteOnly);   // taken out
        ASSERT_TRUE(runUntil([&] { return state() == State::WaitingForModule; }, 20000))
            << module;
        EXPECT_EQ(w->infoLines(), (QStringList{Success, Waiting})) << module;
        if (module < 5) {
            ASSERT_TRUE(QFile::remove(out));   // the next one put in
        }
    }
    EXPECT_EQ(cfg.progcounter, 5);
    EXPECT_EQ(cfg.codes[1].address, 105u);   // the address set of the sixth module
    EXPECT_FALSE(w->MUndo->isEnabled());     // each run a step, none taken back meanwhile
    EXPECT_EQ(cfg.codes[2].address, 2050u);

    const QList<QStringList> lines = logLines();
    const QString shots = qEnvironmentVariable("FBE_SHOT_DIR");
    if (!shots.isEmpty()) {
        QFile::remove(shots + QLatin1Char('/') + ProductionLogName);
        QFile::copy(logPath(), shots + QLatin1Char('/') + ProductionLogName);
    }
    ASSERT_EQ(lines.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const QStringList& l = lines.at(i);
        ASSERT_EQ(l.size(), 27);
        EXPECT_EQ(l.at(Result), QStringLiteral("OK"));
        EXPECT_EQ(l.at(Counter), QString::number(i + 1));
        EXPECT_EQ(l.at(Address1), QString::number(100 + i));
        EXPECT_EQ(l.at(Address2), QString::number(2000 + 10 * i));
        EXPECT_EQ(l.at(Changed), QLatin1String(i == 0 ? "nein" : "ja"));
    }
    // The last module holds the fifth address set.
    QFile e(eeprom);
    ASSERT_TRUE(e.open(QIODevice::ReadOnly));
    const QByteArray image = e.readAll();
    ASSERT_EQ(image.size(), 256);
    EXPECT_EQ(quint8(image.at(2)), 104);
    EXPECT_EQ(quint8(image.at(7)) | quint8(image.at(8)) << 8, 2040);

    w->CBauto->click();   // off again: the port is free and the buttons work
    EXPECT_EQ(state(), State::Off);
    EXPECT_TRUE(w->SendButton->isEnabled());
    EXPECT_FALSE(forms.Frs232->RS232().isOpen());
    EXPECT_TRUE(w->MUndo->isEnabled());
    w->MUndo->trigger();
    EXPECT_EQ(cfg.codes[1].address, 104u);
    EXPECT_EQ(cfg.progcounter, 4);
}

// ---- The production log of "Modul programmieren" ------------------------------------------

TEST_F(SeriesTest, EachRunAppendsItsLineSuccessfulOrNot)
{
    useScriptedPort();
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    w->SendButton->click();
    moduleIn = false;
    w->SendButton->click();
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);
    ASSERT_EQ(cfg.progcounter, 1);

    // A new file: byte order mark, the header, every line ended by CR LF, the project name
    // quoted with its quotes doubled.
    const QByteArray bytes = logBytes();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"
                                 "Zeit;Ergebnis;Meldung;Konfigurationsdatei;geändert;"
                                 "Projektname;Firmware;Zähler;Sendertyp;Codierlänge (Bits);"
                                 "Adresse CODE 1;Funktion CODE 1;Adresse CODE 2;"))
        << bytes.left(200).toStdString();
    EXPECT_TRUE(bytes.contains(";Adresse CODE 8;Funktion CODE 8;Dauer (ms)\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 3);
    EXPECT_EQ(bytes.count('\n'), 3);
    EXPECT_TRUE(bytes.contains(";\"Tor \"\"Nord\"\"; Halle 2\";"));

    const QList<QStringList> lines = logLines();
    ASSERT_EQ(lines.size(), 2);
    struct Expected {
        const char* result;
        QString message;
        const char* changed;
        const char* firmware;
        quint64 address1;
        quint64 address2;
    };
    const Expected expected[] = {
        // The second run sends the next addresses; the configuration then differs from its
        // file. No module identified itself: no firmware, whatever the label still shows.
        {"OK", Success, "nein", "2.05", 100, 2000},
        {"Fehler", QStringLiteral("keine Antwort --> Abbruch"), "ja", "", 101, 2010},
    };
    for (int i = 0; i < 2; ++i) {
        const QStringList& l = lines.at(i);
        const Expected& e = expected[i];
        ASSERT_EQ(l.size(), 27) << i;
        const QDateTime time = QDateTime::fromString(l.at(Time), Qt::ISODate);
        EXPECT_TRUE(time >= before && time <= after) << l.at(Time).toStdString();
        EXPECT_TRUE(QRegularExpression(QStringLiteral(
                        R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d$)"))
                        .match(l.at(Time)).hasMatch()) << l.at(Time).toStdString();
        EXPECT_EQ(l.at(Result), QLatin1String(e.result)) << i;
        EXPECT_EQ(l.at(Message), e.message) << i;
        EXPECT_EQ(l.at(File), w->OpenDialog1.FileName) << i;
        EXPECT_EQ(l.at(Changed), QLatin1String(e.changed)) << i;
        EXPECT_EQ(l.at(Project), ProjectName) << i;
        EXPECT_EQ(l.at(Firmware), QLatin1String(e.firmware)) << i;
        EXPECT_EQ(l.at(Counter), QStringLiteral("1")) << i;
        EXPECT_EQ(l.at(Type), QStringLiteral("1")) << i;
        EXPECT_EQ(l.at(Bits), QStringLiteral("12")) << i;
        EXPECT_EQ(l.at(Address1), QString::number(e.address1)) << i;
        EXPECT_EQ(l.at(Function1), QStringLiteral("Ein")) << i;
        EXPECT_EQ(l.at(Address2), QString::number(e.address2)) << i;
        EXPECT_EQ(l.at(Function2), QStringLiteral("Wechsel (Toggle)")) << i;
        EXPECT_EQ(l.at(Address2 + 2), QStringLiteral("0")) << i;
        EXPECT_EQ(l.at(Function2 + 2), QStringLiteral("keine")) << i;
        bool number = false;
        EXPECT_GE(l.at(Duration).toLongLong(&number), 0) << i;
        EXPECT_TRUE(number) << i;
    }
    // The option off: nothing more is written.
    w->MProtokoll->trigger();
    EXPECT_FALSE(w->productionLog);
    moduleIn = true;
    w->SendButton->click();
    EXPECT_EQ(cfg.progcounter, 2);
    EXPECT_EQ(logLines().size(), 2);
}

// A log that cannot take the run's line refuses the run before anything is sent.
TEST_F(SeriesTest, ALogThatCannotTakeTheLineRefusesTheRunBeforeAnythingIsSent)
{
    useScriptedPort();
    struct Case {
        const char* what;
        std::function<void()> spoil;
        QString reason;
    };
    const Case cases[] = {
        {"a folder in the log's place", [&] { ASSERT_TRUE(QDir(dir.path()).mkdir(ProductionLogName)); },
         QStringLiteral(" ein Ordner, keine Datei")},
        // Not even the super-user writes into a file without write permission.
        {"a log without write permission",
         [&] {
             ASSERT_TRUE(QDir(logPath()).removeRecursively());
             QFile f(logPath());
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.close();
             ASSERT_EQ(::chmod(QFile::encodeName(logPath()).constData(), 0444), 0);
         },
         QStringLiteral(" schreibgeschützt")},
    };
    for (const Case& c : cases) {
        c.spoil();
        const qint64 counter = cfg.progcounter;
        const int beeps = seam.beeps;
        w->SendButton->click();
        EXPECT_EQ(w->infoLines(),
                  (QStringList{QStringLiteral(" Protokoll konnte nicht geschrieben werden"),
                               c.reason}))
            << c.what;
        EXPECT_EQ(w->infoColour(), TFFBmain::InfoColour::Error) << c.what;
        EXPECT_EQ(seam.beeps, beeps + 1) << c.what;
        EXPECT_EQ(cfg.progcounter, counter) << c.what;
        EXPECT_TRUE(port.commands.empty()) << c.what;
        EXPECT_EQ(transferShows(), 0) << c.what;
        w->show();
        QCoreApplication::processEvents();
        fbe::test::checkLayout(w->Info, QStringLiteral("series-info-log-refused"));
        fbe::test::checkLayout(w, QStringLiteral("series-main-log-refused"));
    }
    EXPECT_EQ(QFileInfo(logPath()).size(), 0);
}

// Lines of the log that do not parse are named in the warning colour; the run goes ahead and
// its line is appended.
TEST_F(SeriesTest, UnreadableLinesOfTheLogAreNamedAndTheRunGoesAhead)
{
    useScriptedPort();
    QFile f(logPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF" + csvLine(productionLogHeader()).toUtf8() + "\r\n\"kaputt\r\nx;y\r\n");
    f.close();
    const QString note = QStringLiteral(" 2 Zeilen des Protokolls nicht lesbar");
    QStringList shownDuringRun;
    seam.answerNext([&](QDialog& d) {
        shownDuringRun = w->infoLines();
        seam.defaultAnswer(d);
    });
    w->SendButton->click();
    EXPECT_EQ(shownDuringRun, QStringList{note});
    EXPECT_EQ(w->infoLines(), (QStringList{Success, note}));
    EXPECT_EQ(w->infoColour(), TFFBmain::InfoColour::Warning);
    w->show();
    QCoreApplication::processEvents();
    fbe::test::checkLayout(w->Info, QStringLiteral("series-info-unreadable-lines"));
    const QList<QByteArray> lines = logBytes().split('\n');
    ASSERT_EQ(lines.size(), 5);   // header, two broken lines, the run, nothing after the end
    EXPECT_EQ(parseCsv(QString::fromUtf8(lines.at(3))).value(0).value(Result),
              QStringLiteral("OK"));
}

TEST_F(SeriesTest, ProgrammingAnAddressSetAgainIsWarnedOfAndGoesAhead)
{
    useScriptedPort();
    cfg.offset[1] = 0;   // the same addresses for every module
    cfg.offset[2] = 0;
    w->SendButton->click();
    EXPECT_EQ(w->infoLines(), QStringList{Success});
    const QDateTime first = QDateTime::fromString(logLines().at(0).at(Time), Qt::ISODate);
    const QString warning = msgProgrammedBefore(first);
    EXPECT_TRUE(warning.startsWith(QStringLiteral(" Achtung: diese Adressen wurden bereits programmiert (")));

    // Shown in the warning colour before the module is written, and kept below the result.
    QStringList shownDuringRun;
    TFFBmain::InfoColour colourDuringRun = TFFBmain::InfoColour::Normal;
    seam.answerNext([&](QDialog& d) {
        shownDuringRun = w->infoLines();
        colourDuringRun = w->infoColour();
        EXPECT_TRUE(runUntil([&] { return !d.isVisible(); }, 20000));
    });
    w->SendButton->click();
    EXPECT_TRUE(shownDuringRun.contains(warning)) << shownDuringRun.join('|').toStdString();
    EXPECT_EQ(colourDuringRun, TFFBmain::InfoColour::Warning);
    EXPECT_EQ(w->infoLines(), (QStringList{Success, warning}));
    EXPECT_EQ(w->infoColour(), TFFBmain::InfoColour::Warning);
    EXPECT_EQ(cfg.progcounter, 2);
    EXPECT_EQ(logLines().at(1).at(Message), Success + QStringLiteral(" / ") + warning.trimmed());

    // Another address of a used code: no warning.
    cfg.codes[2].address = 2001;
    w->FormPaint();
    w->SendButton->click();
    EXPECT_EQ(w->infoLines(), QStringList{Success});
    EXPECT_EQ(w->infoColour(), TFFBmain::InfoColour::Normal);
}

// In English the warning is shown in English, and the log keeps it in German: a log reads the
// same whatever the language of the runs that wrote it.
TEST_F(SeriesTest, InEnglishTheRepeatWarningIsShownInEnglishAndLoggedInGerman)
{
    useScriptedPort();
    cfg.offset[1] = 0;
    cfg.offset[2] = 0;
    const fbe::test::InLanguage english(QStringLiteral("en"));
    w->SendButton->click();
    w->SendButton->click();
    const QString time = QDateTime::fromString(logLines().at(0).at(Time), Qt::ISODate)
                             .toLocalTime()
                             .toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    EXPECT_EQ(w->infoLines(),
              (QStringList{QStringLiteral("Transfer successful"),
                           QStringLiteral(" Attention: these addresses were programmed before (%1)")
                               .arg(time)}));
    EXPECT_EQ(logLines().at(1).at(Message),
              QStringLiteral("Übertragung erfolgreich / Achtung: diese Adressen wurden bereits "
                             "programmiert (%1)")
                  .arg(time));
}

// ---- Hands-free series: polls, runs, its end ----------------------------------------------

TEST_F(SeriesTest, AModuleIsFoundByOneReplyProgrammedOnceAndMissedAfterThreePolls)
{
    useScriptedPort();
    moduleIn = false;
    // This module sends two zero bytes before every identification reply.
    port.responder = [this](const ScriptedPort::Command& c, int) {
        std::vector<quint8> reply = moduleIn ? port.answer(c) : std::vector<quint8>{};
        if (isIdentify(c) && !reply.empty())
            reply.insert(reply.begin(), 2, 0x00);
        return reply;
    };
    // The unanswered polls before each change of state.
    int counted = 0;
    std::vector<std::pair<State, int>> changes;
    QStringList shownAtRun{QStringLiteral("not run")};
    QObject listener;   // ends the connection with this test
    QObject::connect(w->series, &SeriesProgrammer::stateChanged, &listener, [&](State s) {
        changes.emplace_back(s, identifyCommands() - counted);
        if (s == State::Programming)
            shownAtRun = w->infoLines();
    });
    switchOn();
    EXPECT_EQ(w->infoLines(), QStringList{Waiting});
    ASSERT_TRUE(runUntil([&] { return identifyCommands() >= 3; }));
    EXPECT_EQ(state(), State::WaitingForModule);

    // Put in: the first poll it answers starts the run.
    counted = identifyCommands();
    moduleIn = true;
    ASSERT_TRUE(runUntil([&] { return state() == State::WaitingForRemoval; }));
    ASSERT_GE(changes.size(), 3u);
    EXPECT_EQ(changes.at(1), std::make_pair(State::Programming, 1));
    EXPECT_TRUE(shownAtRun.isEmpty());   // the run starts with an empty area

    // Left in place: polled, never programmed again.
    const int polls = w->series->pollsSent();
    ASSERT_TRUE(runUntil([&] { return w->series->pollsSent() >= polls + 5; }));
    EXPECT_EQ(cfg.progcounter, 1);
    EXPECT_EQ(port.indicesOf(0x32).size(), 256u);
    EXPECT_EQ(state(), State::WaitingForRemoval);
    EXPECT_EQ(w->infoLines(), (QStringList{Success, Remove}));

    // Taken out: found missing after the third poll in a row without a reply.
    changes.clear();
    counted = identifyCommands();
    moduleIn = false;
    ASSERT_TRUE(runUntil([&] { return state() == State::WaitingForModule; }));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes.at(0).second, 3);
    EXPECT_EQ(w->infoLines(), (QStringList{Success, Waiting}));
    EXPECT_TRUE(port.isOpen());   // between the transfers, the port stays open
    EXPECT_EQ(port.opens, 1);
}

TEST_F(SeriesTest, AFailedRunEndsTheModeWithItsMessageAndABeep)
{
    useScriptedPort();
    switchOn();
    ASSERT_TRUE(runUntil([&] { return state() == State::WaitingForRemoval; }));
    moduleIn = false;
    ASSERT_TRUE(runUntil([&] { return state() == State::WaitingForModule; }));

    // The next module echoes a wrong byte at address 5.
    port.responder = [this](const ScriptedPort::Command& c, int) {
        if (c[0] == 0x32 && c[1] == 5)
            return std::vector<quint8>{quint8(c[2] ^ 0xFF)};
        return port.answer(c);
    };
    const int beeps = seam.beeps;
    ASSERT_TRUE(runUntil([&] { return state() == State::Off; }));
    EXPECT_EQ(w->infoLines(),
              (QStringList{QStringLiteral("Übertragungsfehler bei Sendeadresse: [5] !"),
                           QStringLiteral(" Modul unvollständig programmiert - bitte erneut "
                                          "programmieren"),
                           SeriesOff}));
    EXPECT_EQ(w->infoColour(), TFFBmain::InfoColour::Error);
    EXPECT_EQ(seam.beeps, beeps + 1);
    EXPECT_FALSE(w->CBauto->isChecked());
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(w->SendButton->isEnabled());
    EXPECT_TRUE(w->Mread->isEnabled());
    EXPECT_EQ(cfg.progcounter, 1);
    EXPECT_EQ(cfg.codes[1].address, 101u);   // the failed module's set is programmed next
    ASSERT_EQ(logLines().size(), 2);
    EXPECT_EQ(logLines().at(1).at(Result), QStringLiteral("Fehler"));
}

TEST_F(SeriesTest, NoPollGoesOutWhileADialogIsOpen)
{
    useScriptedPort();
    moduleIn = false;
    switchOn();
    ASSERT_TRUE(runUntil([&] { return identifyCommands() >= 2; }));

    // The system dialog is opened; meanwhile a module is put in.
    int pollsWhileOpen = -1;
    QStringList shownWhileOpen;
    seam.answerNext([&](QDialog&) {
        const int before = identifyCommands();
        moduleIn = true;
        commtest::runFor(4 * SeriesProgrammer::PollIntervalMs);
        pollsWhileOpen = identifyCommands() - before;
        shownWhileOpen = w->infoLines();
    });
    w->MSystemClick();
    EXPECT_EQ(pollsWhileOpen, 0);
    EXPECT_EQ(shownWhileOpen, QStringList{Paused});
    EXPECT_EQ(cfg.progcounter, 0);
    EXPECT_EQ(state(), State::WaitingForModule);
    // Closed: the next poll finds the module.
    ASSERT_TRUE(runUntil([&] { return state() == State::WaitingForRemoval; }));
    EXPECT_EQ(cfg.progcounter, 1);
}

TEST_F(SeriesTest, NewFileLoadingAnotherPortAndClosingEndTheModeAtOnce)
{
    useScriptedPort();
    moduleIn = false;
    w->settingsPath = dir.filePath(QStringLiteral("fbe_ini.ini"));
    auto cancelledOnQuestion = [&](const std::function<void()>& command) {
        cfg.projectName = QStringLiteral("nicht gesichert");
        const int asked = questions();
        answerAbbrechen();
        command();
        EXPECT_EQ(questions(), asked + 1);
        cfg.projectName = ProjectName;
    };
    struct Case {
        const char* what;
        std::function<void()> command;
        bool ends;
    };
    const Case cases[] = {
        {"the port in use chosen again", [&] { w->MCom1->trigger(); }, false},
        // The question about unsaved changes comes first; "Abbrechen" leaves the mode on.
        {"Datei neu, Abbrechen on the question",
         [&] { cancelledOnQuestion([&] { w->MNew->trigger(); }); }, false},
        {"closing the program, Abbrechen on the question",
         [&] { cancelledOnQuestion([&] { w->close(); }); }, false},
        {"Datei neu", [&] { w->MNew->trigger(); }, true},
        {"Datei laden (dialog cancelled)", [&] { w->Mopen->trigger(); }, true},
        {"another port", [&] { w->MCom2->trigger(); }, true},
        {"closing the program", [&] { w->close(); }, true},
    };
    for (const Case& c : cases) {
        w->MCom1->trigger();
        if (!w->seriesOn())
            switchOn();
        ASSERT_TRUE(port.isOpen()) << c.what;
        c.command();
        EXPECT_EQ(w->seriesOn(), !c.ends) << c.what;
        EXPECT_EQ(port.isOpen(), !c.ends) << c.what;
        EXPECT_EQ(w->CBauto->isChecked(), !c.ends) << c.what;
        EXPECT_EQ(w->SendButton->isEnabled(), c.ends) << c.what;
    }
}

TEST_F(SeriesTest, ThePortProbeLeavesThePortInUseAlone)
{
    // COM1 is a terminal that the program holds open for polling.
    commtest::Terminal line;
    const ComMapping com1(1, line.device());
    switchOn();
    SerialPortService& rs232 = forms.Frs232->RS232();
    ASSERT_TRUE(rs232.isOpen());
    const int polls = w->series->pollsSent();
    w->MKommClick();
    EXPECT_TRUE(rs232.isOpen());
    EXPECT_TRUE(w->MCom1->isEnabled());
    EXPECT_TRUE(runUntil([&] { return w->series->pollsSent() > polls + 1; }));
    // Off: the probe opens it like any other.
    w->CBauto->click();
    EXPECT_FALSE(rs232.isOpen());
    w->MKommClick();
    EXPECT_TRUE(w->MCom1->isEnabled());
    EXPECT_FALSE(rs232.isOpen());
}

TEST_F(SeriesTest, AnAdapterPulledOutWhilePollingEndsTheMode)
{
    commtest::Terminal line;
    const ComMapping com1(1, line.device());
    switchOn();
    ASSERT_TRUE(runUntil([&] { return w->series->pollsSent() >= 2; }));
    const int beeps = seam.beeps;
    line.hangUp();
    ASSERT_TRUE(runUntil([&] { return state() == State::Off; }));
    // What the mode waited for is over: its line gives way to the reason and the mode's end.
    EXPECT_EQ(w->infoLines(),
              (QStringList{QStringLiteral(" Verbindung zur Schnittstelle verloren"), SeriesOff}));
    EXPECT_EQ(w->infoColour(), TFFBmain::InfoColour::Error);
    EXPECT_EQ(seam.beeps, beeps + 1);
    EXPECT_FALSE(w->CBauto->isChecked());
    EXPECT_FALSE(forms.Frs232->RS232().isOpen());
}
