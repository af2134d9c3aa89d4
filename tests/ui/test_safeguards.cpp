// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// No lost work and no silent misconfiguration, as the user meets it in the windows: a read
// that fails changes nothing, a read over unsaved changes asks first, addresses stay within
// the code length, an aborted programming run says what the module holds, and the project
// name and the comment take only what the file can hold.
#include "FieldInput.h"
#include "TransferTest.h"

#include "comm/TransferProtocol.h"
#include "config/AddressLimit.h"
#include "config/FbeFile.h"
#include "config/ImageCodec.h"
#include "config/ProductionLog.h"
#include "config/Refresh.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace fbe;
using namespace fbe::test;
using commtest::ComMapping;
using commtest::text::Incomplete;
using commtest::text::Unchanged;

namespace {

const QString Limited = QStringLiteral(" Adresse wurde begrenzt !!!");

// The user types text into the widget that has the focus, one key a character.
void type(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &release);
    }
}

void pressReturn(QWidget* target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(target, &release);
}

// The image of a module that holds cfg.
Image moduleImage(Configuration cfg)
{
    EncodeImage(cfg);
    return cfg.txBuffer;
}

struct SafeguardTest : TransferTest {
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(TransferTest::SetUp());
        useScriptedPort();
    }

    QColor infoBase() const { return w->Info->palette().color(QPalette::Base); }

    // Codes 1 and 2 used with outputs, code 3 with an address but no function.
    void userConfiguration()
    {
        commtest::setUserCodes(cfg);
        cfg.pruefanzahl = 4;
        w->FormPaint();
    }

    // The programmable transmitter with the given code length, as chosen in the window.
    void programmable(const QString& bits)
    {
        cfg.activeType = typ::Uni16;
        cfg.current() = cfg.types[typ::Uni16];
        w->FormPaint();
        leave(w->bitanzahl, bits);
    }

    void saveAs(const QString& name)
    {
        seam.saveFileNames.push_back(dir.filePath(name));
        w->MsaveClick();
    }
};

// What the window shows of a configuration: the file text (every field of it), the code
// table, the file names and the snapshot.
struct Shown {
    QStringList fileText;
    QStringList cells;
    QString showFile, openName, saveName, caption;
    QStringList snapshot;

    static Shown of(TFFBmain& w)
    {
        Shown s;
        s.fileText = BuildFile(w.cfg).lines;
        for (int n = 1; n <= 8; ++n)
            s.cells << w.Cadd[n]->text() << w.Cfun[n]->text() << w.Cout[n]->text();
        s.cells << w.pruefanzahl->text() << w.Lmaxadresse->text();
        s.showFile = w.ShowFile->text();
        s.openName = w.OpenDialog1.FileName;
        s.saveName = w.SaveDialog1.FileName;
        s.caption = w.windowTitle();
        s.snapshot = w.saveMemo;
        return s;
    }
    bool operator==(const Shown& o) const
    {
        return fileText == o.fileText && cells == o.cells && showFile == o.showFile
            && openName == o.openName && saveName == o.saveName && caption == o.caption
            && snapshot == o.snapshot;
    }
};

}  // namespace

// ---- A failed read keeps the configuration ---------------------------------------------------

// Fault mended: a read whose image failed its checksum was decoded all the same, replacing
// the user's configuration by a corrupt one. Every way a read can fail now leaves the
// configuration, the display, the file names and the snapshot as they were.
TEST_F(SafeguardTest, FailedReadLeavesConfigurationDisplayFileNamesAndSnapshot)
{
    struct Case {
        const char* name;
        QStringList simulator;             // fault options; empty: the scripted module
        std::function<void()> arrange;     // for the scripted module
        QStringList message;               // the lines before " Konfiguration unverändert"
    };
    const std::vector<Case> cases{
        {"checksum", {"--corrupt", "150"}, nullptr, {"EEPROM-Fehler (checksum)"}},
        {"interrupted", {"--silence-after", "40"}, nullptr,
         {"Übertragung unterbrochen --> Abbruch"}},
        {"no reply", {"--no-reply"}, nullptr, {"keine Antwort --> Abbruch"}},
        {"identification", {"--bad-id"}, nullptr, {"Fehler bei Geräte-Identifizierung! "}},
        {"firmware", {"--firmware", "348"}, nullptr,
         {"Die Firmware ist nicht mit dieser Software kompatibel !",
          " gefundene Firmware: 1.92"}},
        {"Abbrechen", {},
         [this] {
             port.afterByte = [this] {
                 if (port.commands.size() == 60 && rs->isVisible())
                     rs->Abbrechen->click();
             };
         },
         {"Übertragung abgebrochen"}},
    };
    userConfiguration();
    saveAs(QStringLiteral("anlage.fbe"));
    cfg.codes[2].address = 0x999;   // a change not saved yet
    w->FormPaint();
    const Shown before = Shown::of(*w);
    ASSERT_NE(before.fileText, before.snapshot);
    // The module holds something else entirely.
    Configuration module;
    NeueDatei(module);
    module.codes[1].address = 0xABC;
    port.eeprom = moduleImage(module);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<commtest::SimProcess> sim;
        std::unique_ptr<ComMapping> com;
        if (!c.simulator.isEmpty()) {
            sim = std::make_unique<commtest::SimProcess>(c.simulator);
            ASSERT_TRUE(sim->ok());
            com = std::make_unique<ComMapping>(1, sim->device());
            rs->setBytePort(nullptr);
        } else {
            rs->setBytePort(&port);
            c.arrange();
        }
        const int shows = transferShows();

        answerNEIN();   // asked about the unsaved change: read on
        w->ReadButton->click();

        EXPECT_EQ(transferShows(), shows + 1);
        EXPECT_FALSE(rs->isVisible());
        EXPECT_EQ(w->infoLines(), c.message + QStringList{Unchanged});
        EXPECT_EQ(infoBase(), QColor(254, 80, 75));
        EXPECT_TRUE(Shown::of(*w) == before);
        EXPECT_EQ(cfg.codes[2].address, 0x999u);
        port.afterByte = nullptr;
    }
}

// ---- Reading over unsaved changes asks first ------------------------------------------------

// Fault mended: "Modul auslesen" replaced unsaved changes without a word.
TEST_F(SafeguardTest, ReadOverUnsavedChangesAsksAsNewFileDoes)
{
    Configuration module;
    NeueDatei(module);
    module.codes[1].address = 0xABC;
    module.codes[1].function = FnAus;
    port.eeprom = moduleImage(module);
    userConfiguration();
    saveAs(QStringLiteral("anlage.fbe"));
    const QString current = w->OpenDialog1.FileName;

    struct Case {
        const char* name;
        bool change;
        std::function<void()> answer;
        bool reads;
        QString savedTo;   // the file the answer wrote
    };
    const std::vector<Case> cases{
        {"nothing changed", false, nullptr, true, {}},
        {"NEIN !", true, [this] { answerNEIN(); }, true, {}},
        {"JA, saved", true,
         [this] {
             answerJA();
             seam.saveFileNames.push_back(dir.filePath(QStringLiteral("vorher.fbe")));
         },
         true, QStringLiteral("vorher.fbe")},
        {"JA, save dialog cancelled", true, [this] { answerJA(); }, false, {}},
        {"JA, save failed", true,
         [this] {
             answerJA();
             seam.saveFileNames.push_back(dir.filePath(QStringLiteral("fehlt/x.fbe")));
         },
         false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Back to the saved file, changed or not.
        NeueDatei(cfg);
        ASSERT_TRUE(LoadFile(cfg, current).ok);
        w->OpenDialog1.FileName = w->SaveDialog1.FileName = current;
        w->FormPaint();
        w->saveMemo = BuildFile(cfg).lines;
        if (c.change)
            cfg.codes[2].address = 0x999;
        w->FormPaint();
        const QStringList fileText = BuildFile(cfg).lines;
        const int asked = questions();
        port.commands.clear();
        if (c.answer)
            c.answer();

        w->ReadButton->click();

        EXPECT_EQ(questions(), asked + (c.change ? 1 : 0));
        if (c.change) {
            EXPECT_EQ(forms.Fask->lines(),
                      (QStringList{QStringLiteral("!!!  Die Datei wurde geändert  !!!"),
                                   QStringLiteral("zuerst sichern ?")}));
        }
        if (c.reads) {
            EXPECT_EQ(port.commands.size(), 290u);
            EXPECT_EQ(cfg.codes[1].address, 0xABCu);
            EXPECT_EQ(w->infoLines().last(), QStringLiteral("Übertragung erfolgreich"));
        } else {
            EXPECT_TRUE(port.commands.empty());
            EXPECT_EQ(BuildFile(cfg).lines, fileText);
            EXPECT_NE(w->saveMemo, fileText);   // still offered for saving
        }
        if (!c.savedTo.isEmpty()) {
            // The change is in the file, which is now the current one; the read keeps it so.
            Configuration saved;
            NeueDatei(saved);
            ASSERT_TRUE(LoadFile(saved, dir.filePath(c.savedTo)).ok);
            EXPECT_EQ(saved.codes[2].address, 0x999u);
            EXPECT_EQ(w->OpenDialog1.FileName, QDir::toNativeSeparators(dir.filePath(c.savedTo)));
        } else {
            EXPECT_EQ(w->OpenDialog1.FileName, current);
        }
    }
}

// ---- No address beyond the code length -------------------------------------------------------

// Fault mended: a lowered code length left larger addresses in place ("max. Adresse: 255"
// over an address 256), which the module was then programmed with.
TEST_F(SafeguardTest, LoweringTheCodeLengthLimitsTheAddresses)
{
    struct Way {
        const char* name;
        std::function<void(const QString&)> enter;
    };
    const std::vector<Way> ways{
        {"main window", [this](const QString& bits) { leave(w->bitanzahl, bits); }},
        {"system dialog",
         [this](const QString& bits) {
             seam.answerNext([&, bits](QDialog&) {
                 clickInto(forms.Fsystem->bits, bits);
                 leave(forms.Fsystem->bits);
             });
             w->MSystem->trigger();
         }},
        {"transmitter dialog",
         [this](const QString& bits) {
             seam.answerNext([this](QDialog&) { forms.FCode->adresshilfe->click(); });
             seam.answerNext([&, bits](QDialog&) {
                 clickInto(forms.FB16->bitanzahl, bits);
                 leave(forms.FB16->bitanzahl);
             });
             w->PanC1Click();
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        NeueDatei(cfg);
        w->InfoDblClick();
        programmable(QStringLiteral("40"));
        cfg.codes[1].address = 256;
        cfg.codes[1].function = FnEin;
        cfg.codes[2].address = 255;
        cfg.codes[3].address = 70000;   // unused, limited all the same
        w->FormPaint();
        const int beeps = seam.beeps;

        way.enter(QStringLiteral("8"));

        EXPECT_EQ(cfg.current().bits, 8);
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(cfg.codes[n].address, 255u) << n;
        EXPECT_EQ(w->Cadd[1]->text(), QStringLiteral("         255"));
        EXPECT_EQ(w->Cadd[3]->text(), QStringLiteral("         255"));
        EXPECT_EQ(w->Lmaxadresse->text(), QStringLiteral("max. Adresse: 255"));
        EXPECT_EQ(w->infoLines(),
                  (QStringList{Limited, QStringLiteral(" Adressen begrenzt: CODE 1 256 --> 255")}));
        EXPECT_EQ(w->infoColour(), TFFBmain::InfoColour::Warning);
        EXPECT_EQ(seam.beeps, beeps + 1);

        // A longer code length, or the same again, limits nothing and says nothing.
        w->InfoDblClick();
        way.enter(QStringLiteral("12"));
        way.enter(QStringLiteral("12"));
        EXPECT_EQ(cfg.current().bits, 12);
        EXPECT_EQ(cfg.codes[1].address, 255u);
        EXPECT_TRUE(w->infoLines().isEmpty());
        EXPECT_EQ(seam.beeps, beeps + 1);
    }
}

// Addresses that the refresh cuts to the type's mask are named too, whatever brought them (the
// code length: LoweringTheCodeLengthLimitsTheAddresses); a load so changed is not the file.
TEST_F(SafeguardTest, AddressesCutToTheMaskAreNamed)
{
    Configuration wide;   // the 4-key transmitter (mask 0xFFF), code 1 with 13 address bits
    NeueDatei(wide);
    wide.codes[1] = {0x1234, true, false, false, false, FnEin, 1, false, 0};
    const QString file = dir.filePath(QStringLiteral("breit.fbe"));
    ASSERT_TRUE(SaveFile(file, BuildFile(wide), nullptr));
    const std::pair<QString, std::function<void()>> cases[] = {
        {{},
         [&] {
             programmable(QStringLiteral("40"));
             cfg.codes[1] = wide.codes[1];
             w->FBselectClick();
         }},
        {QStringLiteral(" Datei geladen |"), [&] { seam.openFileNames = {file}, w->MopenClick(); }},
        {QStringLiteral("Übertragung erfolgreich|"),
         [&] { port.eeprom = moduleImage(wide), w->ReadButton->click(); }},
    };
    seam.defaultAnswer = [this](QDialog& d) {
        if (&d == forms.FBselect)
            forms.FBselect->FB4aurelClick();
        else if (&d == rs)
            runToTheEnd();
    };
    for (const auto& [first, change] : cases) {
        NeueDatei(cfg);
        w->FormPaint();
        w->saveMemo = BuildFile(cfg).lines;
        w->InfoDblClick();
        const int beeps = seam.beeps;
        change();
        EXPECT_EQ(w->infoLines().join('|'),
                  first + QStringLiteral(" Adressen begrenzt: CODE 1 4660 --> 564"));
        EXPECT_EQ(w->infoColour(), TFFBmain::InfoColour::Warning);
        EXPECT_EQ(seam.beeps, beeps + 1);
        EXPECT_NE(BuildFile(cfg).lines, w->saveMemo);   // closing asks, also after the load
    }
}

// A configuration from a file that still holds such an address is not programmed; the
// series increments wrap within the code length, so a series never meets this refusal.
TEST_F(SafeguardTest, AnAddressBeyondTheCodeLengthIsNotProgrammed)
{
    Configuration old;
    NeueDatei(old);
    old.activeType = typ::Uni16;
    old.types[typ::Uni16].bits = 8;
    old.current() = old.types[typ::Uni16];
    old.codes[1].address = 255;
    old.codes[1].function = FnEin;
    old.codes[1].out1 = true;
    old.codes[2].address = 256;
    old.codes[2].function = FnAus;
    old.codes[2].out2 = true;
    old.codes[4].address = 4000;
    old.codes[4].function = FnWechsel;
    old.codes[4].out4 = true;
    old.codes[6].address = 300;   // no function: sent as 0, never refused
    const QString file = dir.filePath(QStringLiteral("alt.fbe"));
    ASSERT_TRUE(SaveFile(file, BuildFile(old), nullptr));
    seam.openFileNames.push_back(file);
    w->MopenClick();
    ASSERT_EQ(cfg.codes[2].address, 256u);
    ASSERT_EQ(w->Lmaxadresse->text(), QStringLiteral("max. Adresse: 255"));
    const int beeps = seam.beeps;

    w->SendButton->click();
    EXPECT_EQ(seam.beeps, beeps + 1);
    EXPECT_EQ(w->infoLines(),
              (QStringList{QStringLiteral(" CODE 2: Adresse größer als max. Adresse"),
                           QStringLiteral(" CODE 4: Adresse größer als max. Adresse")}));
    EXPECT_EQ(infoBase(), QColor(254, 80, 75));
    EXPECT_EQ(transferShows(), 0);
    EXPECT_TRUE(port.commands.empty());
    EXPECT_EQ(cfg.codes[6].address, 300u);   // nothing of the run's preparation happened
    EXPECT_EQ(cfg.progcounter, 0);

    // Corrected in the code editor (the entry is limited there), the series runs: code 1
    // wraps from 255 to 0 and the next module is programmed all the same.
    for (int n : {2, 4}) {
        seam.answerNext([this](QDialog&) {
            pressEnter(forms.FCode->codeadresse, QStringLiteral("999"));
        });
        w->PanCClick(n);
    }
    EXPECT_EQ(cfg.codes[2].address, 255u);
    leave(w->offset[1], QStringLiteral("1"));
    for (quint64 expected : {0u, 1u}) {
        w->SendButton->click();
        EXPECT_EQ(w->infoLines(), QStringList{QStringLiteral("Übertragung erfolgreich")});
        EXPECT_EQ(cfg.codes[1].address, expected);
    }
    EXPECT_EQ(cfg.progcounter, 2);
    EXPECT_EQ(transferShows(), 2);
}

// ---- An aborted or failed programming run says what the module holds --------------------------

TEST_F(SafeguardTest, AbbrechenSaysWhetherTheModuleWasTouched)
{
    struct Case {
        const char* name;
        bool write;
        std::function<bool()> when;   // asked after every reply byte
        QStringList message;
    };
    const std::vector<Case> cases{
        // The identification is answered; the first write command waits for its tick.
        {"before the first write", true,
         [this] { return port.commands.size() == 1 && port.received == 3; },
         {"Übertragung abgebrochen"}},
        {"while writing", true, [this] { return port.commands.size() == 40; },
         {"Übertragung abgebrochen", Incomplete}},
        {"while verifying", true, [this] { return port.commands.size() == 300; },
         {"Übertragung abgebrochen", Incomplete}},
        {"while reading", false, [this] { return port.commands.size() == 40; },
         {"Übertragung abgebrochen", Unchanged}},
    };
    userConfiguration();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.commands.clear();
        port.received = 0;
        bool clicked = false;
        port.afterByte = [&] {
            if (!clicked && c.when()) {
                clicked = true;
                EXPECT_TRUE(rs->Abbrechen->isVisible());
                rs->Abbrechen->click();
            }
        };
        if (!c.write)
            answerNEIN();   // the configuration is not saved: read on
        (c.write ? w->SendButton : w->ReadButton)->click();
        EXPECT_TRUE(clicked);
        EXPECT_FALSE(rs->isVisible());
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(w->infoLines(), c.message);
        EXPECT_EQ(cfg.progcounter, 0);
        EXPECT_EQ(cfg.codes[1].address, 0x123u);
    }
}

// ---- Characters the file cannot hold ----------------------------------------------------------

// Fault mended: such characters were taken and made the next save fail.
TEST_F(SafeguardTest, ProjectNameAndCommentTakeOnlyWhatTheFileCanHold)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const int beeps = seam.beeps;

    // Project name: "Ω" typed and the emoji, arrow and Cyrillic letter of a pasted text are
    // refused; the other characters, "€" and umlauts among them, are taken, and a pasted
    // line break becomes a blank.
    seam.answerNext([&](QDialog&) {
        QLineEdit* edit = forms.FProjekt->EditProjekt;
        type(edit, QStringLiteral("Tor Ω3 "));
        EXPECT_EQ(edit->text(), QStringLiteral("Tor 3 "));
        EXPECT_EQ(seam.beeps, beeps + 1);
        clipboard->setText(QStringLiteral("Süd→Ost \U0001F600€ Д!\nHalle"));
        edit->paste();
        EXPECT_EQ(seam.beeps, beeps + 2);
        EXPECT_EQ(edit->cursorPosition(), edit->text().size());
        // In the middle of the text the cursor stays where the refused character would be.
        edit->setCursorPosition(4);
        type(edit, QStringLiteral("ΩN"));
        EXPECT_EQ(seam.beeps, beeps + 3);
        pressReturn(edit);
    });
    w->Projektname1Click();
    EXPECT_EQ(cfg.projectName, QStringLiteral("Tor N3 SüdOst € ! Halle"));
    EXPECT_EQ(w->projectname->text(), cfg.projectName);

    // Comment: line breaks typed and pasted are lines of the file; the rest as above.
    w->comment->setFocus();
    w->comment->selectAll();
    type(w->comment, QStringLiteral("Halle ä"));
    type(w->comment, QStringLiteral("Ω"));
    EXPECT_EQ(seam.beeps, beeps + 4);
    pressReturn(w->comment);
    clipboard->setText(QStringLiteral("Tor→1\nΩ Tor 2\r\nTor 3"));
    w->comment->paste();
    EXPECT_EQ(seam.beeps, beeps + 5);
    EXPECT_EQ(cfg.comment, (QStringList{QStringLiteral("Halle ä"), QStringLiteral("Tor1"),
                                        QStringLiteral(" Tor 2"), QStringLiteral("Tor 3")}));

    // So the save goes through.
    saveAs(QStringLiteral("tor.fbe"));
    EXPECT_EQ(w->infoLines().last(), QStringLiteral(" file gespeichert "));
    Configuration back;
    NeueDatei(back);
    ASSERT_TRUE(LoadFile(back, dir.filePath(QStringLiteral("tor.fbe"))).ok);
    EXPECT_EQ(back.projectName, cfg.projectName);
    EXPECT_EQ(back.comment, cfg.comment);
    EXPECT_EQ(seam.beeps, beeps + 5);
}

// ---- Pictures --------------------------------------------------------------------------------

// Every new message is seen whole in the message area, each line of it starting a line of its
// own, without scrolling; pictures of the main window with each and of the transfer window
// when FBE_SHOT_DIR names a folder.
TEST_F(SafeguardTest, NewMessagesAreSeenWholeInTheMessageArea)
{
    const QString shots = qEnvironmentVariable("FBE_SHOT_DIR");
    w->show();
    auto check = [&](const char* name, const QStringList& lines) {
        SCOPED_TRACE(name);
        EXPECT_EQ(w->infoLines(), lines);
        QApplication::processEvents();
        EXPECT_EQ(w->Info->verticalScrollBar()->maximum(), 0);
        if (!shots.isEmpty())
            w->grab().save(shots + QStringLiteral("/message-") + QLatin1String(name)
                           + QStringLiteral(".png"));
    };

    userConfiguration();
    port.eeprom = moduleImage(cfg);
    port.eeprom[150] ^= 1;   // corrupt under the checksum
    answerNEIN();
    w->ReadButton->click();
    check("read-checksum", {QStringLiteral("EEPROM-Fehler (checksum)"), Unchanged});

    port.versionLow = 0x0A;
    answerNEIN();
    w->ReadButton->click();
    check("read-firmware",
          {QStringLiteral("Die Firmware ist nicht mit dieser Software kompatibel !"),
           QStringLiteral(" gefundene Firmware: 2.10"), Unchanged});
    port.versionLow = 0x05;

    port.commands.clear();
    port.afterByte = [this] {
        if (port.commands.size() == 100 && rs->isVisible()) {
            if (!qEnvironmentVariable("FBE_SHOT_DIR").isEmpty())
                rs->grab().save(qEnvironmentVariable("FBE_SHOT_DIR")
                                + QStringLiteral("/transfer-abbrechen.png"));
            // The button lies wholly inside the window, under the gauges.
            const QRect button = rs->Abbrechen->geometry();
            EXPECT_TRUE(rs->rect().contains(button));
            EXPECT_GT(button.top(), rs->Ggesamt->geometry().bottom());
            EXPECT_GE(button.width(), rs->Abbrechen->sizeHint().width());
            rs->Abbrechen->click();
        }
    };
    w->SendButton->click();
    port.afterByte = nullptr;
    check("write-aborted", {QStringLiteral("Übertragung abgebrochen"), Incomplete});

    programmable(QStringLiteral("40"));
    cfg.codes[1].address = 5000;
    w->InfoDblClick();
    leave(w->bitanzahl, QStringLiteral("12"));
    check("address-limited",
          {Limited, QStringLiteral(" Adressen begrenzt: CODE 1 5000 --> 4095")});

    leave(w->bitanzahl, QStringLiteral("40"));
    cfg.codes[1].address = 5000;
    cfg.current().bits = 12;
    w->FormPaint();
    w->SendButton->click();
    check("address-refused", {QStringLiteral(" CODE 1: Adresse größer als max. Adresse")});

    // A message with two reasons fits too; the whole message is also the area's hint.
    cfg.codes[1].address = 100;
    w->FormPaint();
    port.commands.clear();
    port.afterByte = [this] {
        if (port.commands.size() == 100 && port.onLost)
            port.onLost();
    };
    w->SendButton->click();
    port.afterByte = nullptr;
    const QStringList lost{QStringLiteral("Übertragung unterbrochen --> Abbruch"),
                           QStringLiteral(" Verbindung zur Schnittstelle verloren"), Incomplete};
    EXPECT_EQ(w->infoLines(), lost);
    QApplication::processEvents();
    EXPECT_EQ(w->Info->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(w->Info->toolTip(), lost.join(QLatin1Char('\n')));
}

// Every message of more than one line that the program gives is seen whole in the message
// area, also below an earlier one; a longer one shows from its first line. Pictures of the
// window with each when FBE_SHOT_DIR names a folder.
TEST_F(SafeguardTest, EveryMessageOfSeveralLinesIsSeenWhole)
{
    using P = TransferProtocol;
    const QString again = msgProgrammedBefore(QDateTime(QDate(2025, 3, 14), QTime(9, 26, 53)));
    const OpenFailure denied{OpenFailure::Permission, QStringLiteral("/dev/ttyUSB0"), {}};
    const QStringList lost{P::msgInterrupted(), P::msgConnectionLost(), msgModuleIncomplete()};
    const struct {
        const char* name;
        QStringList lines;
        bool whole;   // else shown from its first line
    } cases[] = {
        {"lost", lost, true},
        {"aborted-again", {P::msgAborted(), msgModuleIncomplete(), again}, true},
        {"open",
         P::msgOpenFailure(0, denied.path, denied).split('\n') << msgConfigurationUnchanged(), true},
        {"series",
         {P::msgWriteMismatch(5), msgModuleIncomplete(),
          QStringLiteral(" automatisches Programmieren ausgeschaltet")},
         true},
        {"old-file",
         {QStringLiteral(" Datei geladen "),
          QStringLiteral(" Achtung: Prüfsumme der Datei falsch! "),
          QStringLiteral(" Datei mit Fehlern geladen. Veraltetes inkompatibles File! ")},
         true},
        {"addresses",
         {msgAddressLimited(),
          QStringLiteral(" Adressen begrenzt: CODE 1 3000 --> 1023, CODE 2 3500 --> 1023"),
          QStringLiteral(" gleiche Adresse: CODE 1 und CODE 2")},
         true},
        // Six lines and more in every font: longer than the area.
        {"lost-again", lost + QStringList{again} + lost, false},
    };
    w->show();
    QScrollBar* bar = w->Info->verticalScrollBar();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        w->InfoDblClick();
        w->addInfo(P::msgSuccess());   // an earlier message
        QApplication::processEvents();
        for (const QString& line : c.lines)
            w->addInfo(line);
        QApplication::processEvents();
        const int first = w->Info->document()->findBlockByNumber(1).firstLineNumber();
        EXPECT_EQ(bar->value(), c.whole ? bar->maximum() : first);
        EXPECT_TRUE(c.whole ? bar->value() <= first : bar->maximum() > first);
        const QString shots = qEnvironmentVariable("FBE_SHOT_DIR");
        if (!shots.isEmpty())
            w->grab().save(shots + QStringLiteral("/info-%1.png").arg(QLatin1String(c.name)));
    }
}
