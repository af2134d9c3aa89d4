// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// fbe-tool program and read against fbe-module-sim, and the steps before a write.
#include "CommTestSupport.h"

#include "comm/ModuleWrite.h"
#include "config/FbeFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace fbe;
using commtest::SimProcess;
using fbe::test::ToolRun;
using fbe::test::tool;

namespace {

Configuration sample()
{
    Configuration cfg;
    NeueDatei(cfg);
    cfg.codes[1].function = FnWechsel;
    cfg.codes[1].out2 = true;
    cfg.codes[1].address = 0x3C3;
    cfg.codes[4].function = FnAus;
    cfg.codes[4].out4 = true;
    cfg.codes[4].address = 0x101;
    cfg.korrektur = -7;
    cfg.projectName = QStringLiteral("Tor Nord");
    return cfg;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, Configuration cfg)
{
    const QString path = dir.filePath(name);
    QString error;
    EXPECT_TRUE(SaveFile(path, BuildFile(cfg), &error)) << error.toStdString();
    return path;
}

Image imageOf(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const ParsedFile parsed = ParseFile(f.readAll());
    EXPECT_TRUE(parsed.ok) << parsed.error.toStdString();
    return parsed.image;
}

}  // namespace

TEST(Tool, ProgramThenReadGivesTheSameImage)
{
    SimProcess sim;
    ASSERT_TRUE(sim.ok());
    QTemporaryDir dir;
    const QString source = writeFile(dir, QStringLiteral("a.fbe"), sample());

    const ToolRun p = tool({QStringLiteral("program"), source, QStringLiteral("--port"), sim.device()});
    EXPECT_EQ(p.exitCode, 0) << p.err.toStdString();
    EXPECT_EQ(p.out, QStringLiteral("Übertragung erfolgreich\n"));

    // COM2 mapped through the environment.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FBE_COM2"), sim.device());
    // The destination is a link to an earlier file: the file is replaced, the link and the
    // file's rights stay (its owner too, as the super-user).
    const QString target = dir.filePath(QStringLiteral("b.fbe"));
    const QString linked = dir.filePath(QStringLiteral("b-alt.fbe"));
    {
        QFile old(linked);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("alt");
    }
    ASSERT_TRUE(QFile::setPermissions(linked, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(linked).constData(), 1234, 5678), 0);
    }
    ASSERT_TRUE(QFile::link(linked, target));
    const ToolRun r = tool({QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("COM2"), target}, env);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Übertragung erfolgreich\n"));
    EXPECT_EQ(QFileInfo(target).symLinkTarget(), linked);
    EXPECT_EQ(QFileInfo(linked).permissions() & 0x7077,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    if (root) {
        EXPECT_EQ(QFileInfo(linked).ownerId(), 1234u);
        EXPECT_EQ(QFileInfo(linked).groupId(), 5678u);
    }

    const Image a = imageOf(source);
    const Image b = imageOf(target);
    for (int i = 0; i < 256; ++i) {
        if (i == img::Firmware || i == img::Firmware + 1)
            continue;
        EXPECT_EQ(a[i], b[i]) << "byte " << i;
    }
    // The module's firmware version is kept on its own line, not in the image.
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const ParsedFile parsed = ParseFile(f.readAll());
    ASSERT_GE(parsed.lines.size(), 996);
    EXPECT_EQ(parsed.lines[995], QStringLiteral("517"));
}

TEST(Tool, ProgramWithChecksumErrorAfterReadBackFails)
{
    SimProcess sim({QStringLiteral("--corrupt"), QStringLiteral("150")});
    ASSERT_TRUE(sim.ok());
    QTemporaryDir dir;
    const QString source = writeFile(dir, QStringLiteral("a.fbe"), sample());
    const ToolRun p = tool({QStringLiteral("program"), source, QStringLiteral("--port"), sim.device()});
    EXPECT_EQ(p.exitCode, 1);
    EXPECT_EQ(p.out, QStringLiteral("EEPROM-Fehler (checksum)\n"));
    EXPECT_TRUE(p.err.contains(QStringLiteral("EEPROM-Fehler (checksum)\n"
                                              " Modul unvollständig programmiert - bitte erneut programmieren\n")))
        << p.err.toStdString();
}

TEST(Tool, ReadWithChecksumErrorWritesNothing)
{
    SimProcess sim({QStringLiteral("--corrupt"), QStringLiteral("150")});
    ASSERT_TRUE(sim.ok());
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("b.fbe"));
    const ToolRun r = tool({QStringLiteral("read"), QStringLiteral("--port"), sim.device(), target});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QStringLiteral("EEPROM-Fehler (checksum)\n"));
    EXPECT_TRUE(r.err.contains(QStringLiteral("EEPROM-Fehler (checksum)\n Konfiguration unverändert\n")))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(target));
}

// A module that misbehaves in any way ends the run, never hangs it: exit 1, its message on
// stdout and, when it has a second line, whole on stderr. A failed read leaves a file already at the
// destination byte for byte as it was, and no other file beside it.
TEST(Tool, MisbehavingModuleEndsTheRunWithItsMessageAndAFailedReadWritesNothing)
{
    struct Case {
        QStringList args;   // of the simulator
        bool program;       // otherwise read
        QString message;    // every line
    };
    using namespace commtest::text;
    const QString hungUp = QStringLiteral("Übertragung unterbrochen --> Abbruch\n"
                                          " Verbindung zur Schnittstelle verloren");
    const QString reread = QStringLiteral("Lesefehler bei Leseadresse: [%1] !");
    const QString sent = QStringLiteral("Übertragungsfehler bei Sendeadresse: [%1] !");
    const QString unchanged = QLatin1Char('\n') + Unchanged;
    const QString incomplete = QLatin1Char('\n') + Incomplete;
    // Commands count from 0, the identification; in a read, command n + 1 reads address n,
    // in a programming run it writes address n. The sample's bytes 1..3: 0, 0xC3, 0x03.
    const std::vector<Case> cases{
        {{"--no-reply"}, false, NoReply + unchanged},
        {{"--endless-zeros"}, false, Identify + unchanged},
        {{"--hangup-after", "3"}, false, hungUp + unchanged},
        {{"--hangup-after", "150"}, false, hungUp + unchanged},
        {{"--garbage-from", "0"}, false, Identify + unchanged},
        {{"--garbage-from", "1"}, false, reread.arg(0) + unchanged},
        {{"--reply-twice", "251"}, false, reread.arg(251) + unchanged},   // taken for 251
        {{"--late-replies", "20"}, false, reread.arg(0) + unchanged},
        {{"--flaky-read", "252"}, false, reread.arg(252) + unchanged},
        {{"--corrupt", "150"}, false, Checksum + unchanged},
        {{"--endless-zeros"}, true, Identify},
        {{"--hangup-after", "100"}, true, hungUp + incomplete},
        {{"--garbage-from", "0"}, true, Identify},
        {{"--garbage-from", "50"}, true, sent.arg(49) + incomplete},
        {{"--reply-twice", "3"}, true, sent.arg(3) + incomplete},    // 0xC3 taken for 3
        {{"--late-replies", "3"}, true, sent.arg(2) + incomplete},   // 0 taken for 2
    };
    QTemporaryDir dir;
    const QString source = writeFile(dir, QStringLiteral("quelle.fbe"), sample());
    QFile f(source);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    const QString target = dir.filePath(QStringLiteral("ziel.fbe"));
    for (const Case& c : cases) {
        SCOPED_TRACE((c.args.join(' ') + (c.program ? " program" : " read")).toStdString());
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(source, target));
        SimProcess sim(c.args);
        ASSERT_TRUE(sim.ok());
        const QStringList args =
            c.program ? QStringList{QStringLiteral("program"), source, QStringLiteral("--port"), sim.device()}
                      : QStringList{QStringLiteral("read"), QStringLiteral("--port"), sim.device(), target};
        const ToolRun r = tool(args);   // ends within 20 s or counts as hung (exit -1)
        EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
        EXPECT_EQ(r.out, c.message.section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n'));
        if (c.message.contains(QLatin1Char('\n'))) {
            EXPECT_TRUE(r.err.contains(c.message + QLatin1Char('\n'))) << r.err.toStdString();
        }
        QFile written(target);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{QStringLiteral("quelle.fbe"), QStringLiteral("ziel.fbe")}));
    }
}

TEST(Tool, FailedTransferExitsOneWithTheMessage)
{
    SimProcess sim({QStringLiteral("--bad-echo"), QStringLiteral("3")});
    ASSERT_TRUE(sim.ok());
    QTemporaryDir dir;
    const QString source = writeFile(dir, QStringLiteral("a.fbe"), sample());
    const ToolRun p = tool({QStringLiteral("program"), source, QStringLiteral("--port"), sim.device()});
    EXPECT_EQ(p.exitCode, 1);
    EXPECT_EQ(p.out, QStringLiteral("Übertragungsfehler bei Sendeadresse: [3] !\n"));
    EXPECT_TRUE(p.err.contains(QStringLiteral("Übertragungsfehler bei Sendeadresse: [3] !\n"
                                              " Modul unvollständig programmiert - bitte erneut programmieren\n")))
        << p.err.toStdString();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FBE_COM4"), dir.filePath(QStringLiteral("no-such-tty")));
    const ToolRun o = tool({QStringLiteral("program"), source, QStringLiteral("--port"), QStringLiteral("COM4")}, env);
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.out, QStringLiteral("Fehler bei Öffnen von Com-Port: COM4\n"));
}

TEST(Tool, FileChecksumNoteAndOutputWarningArePrintedAndTheModuleProgrammedAllTheSame)
{
    SimProcess sim;
    ASSERT_TRUE(sim.ok());
    QTemporaryDir dir;
    Configuration cfg = sample();
    cfg.codes[2].function = FnEin;   // no output
    const QString source = writeFile(dir, QStringLiteral("a.fbe"), cfg);
    {
        // A free byte under the file's checksum changed by hand: loaded with a note, and
        // the module gets an image with its own correct checksum.
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = f.readAll().split('\n');
        f.close();
        ASSERT_GT(lines.size(), 250);
        lines[250] = lines[250].endsWith('\r') ? QByteArray("99\r") : QByteArray("99");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(lines.join('\n'));
    }
    const ToolRun p = tool({QStringLiteral("program"), source, QStringLiteral("--port"), sim.device()});
    EXPECT_EQ(p.exitCode, 0);
    EXPECT_TRUE(p.err.contains(QStringLiteral("Achtung: Prüfsumme der Datei falsch!\n")))
        << p.err.toStdString();
    EXPECT_TRUE(p.err.contains(QStringLiteral(
        "ACHTUNG!\nbei Code2 wurde zwar eine Funktion aktiviert, aber kein Ausgang (out1..out4) "
        "selektiert.\nÜberprüfen Sie die Einstellungen und wiederholen Sie gegebenenfalls die "
        "Programmierung!\n")))
        << p.err.toStdString();
    EXPECT_EQ(p.out, QStringLiteral("Übertragung erfolgreich\n"));
}

// As "Modul programmieren": a used code whose address the code length cannot reach is
// refused before the port is touched.
TEST(Tool, ProgramRefusesAnAddressBeyondTheCodeLength)
{
    QTemporaryDir dir;
    Configuration cfg = sample();
    cfg.activeType = typ::Uni16;
    cfg.types[typ::Uni16].bits = 8;
    cfg.current() = cfg.types[typ::Uni16];
    cfg.codes[1].address = 255;
    cfg.codes[4].address = 256;
    const QString source = writeFile(dir, QStringLiteral("a.fbe"), cfg);
    const QStringList args{QStringLiteral("program"), source, QStringLiteral("--port"),
                           dir.filePath(QStringLiteral("no-such-tty"))};
    const ToolRun p = tool(args);
    EXPECT_EQ(p.exitCode, 2);
    EXPECT_TRUE(p.out.isEmpty());
    EXPECT_EQ(p.err, QStringLiteral("fbe-tool: %1: CODE 4: Adresse größer als max. Adresse\n")
                         .arg(source));

    // Within the code length it goes on to the port; so does any address in "Parallel"-codes
    // mode, where the codes' own addresses are sent to no use.
    for (const bool parallel : {false, true}) {
        cfg.parallelCodes = parallel;
        cfg.codes[4].address = parallel ? 4000 : 255;
        writeFile(dir, QStringLiteral("a.fbe"), cfg);
        const ToolRun r = tool(args);
        EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
    }
}

TEST(Tool, FileAndUsageErrorsExitTwo)
{
    QTemporaryDir dir;
    EXPECT_EQ(tool({QStringLiteral("program")}).exitCode, 2);
    EXPECT_EQ(tool({QStringLiteral("program"), dir.filePath(QStringLiteral("x.fbe"))}).exitCode, 2);
    EXPECT_EQ(tool({QStringLiteral("program"), dir.filePath(QStringLiteral("missing.fbe")),
                    QStringLiteral("--port"), QStringLiteral("COM1")})
                  .exitCode,
              2);
    EXPECT_EQ(tool({QStringLiteral("read"), QStringLiteral("--port")}).exitCode, 2);
    EXPECT_EQ(tool({QStringLiteral("read"), QStringLiteral("--speed"), QStringLiteral("9")}).exitCode, 2);

    // Found before any port is opened: a COM name beyond COM4, a file in a folder that does
    // not exist, a folder as the file.
    const QString file = writeFile(dir, QStringLiteral("a.fbe"), sample());
    const ToolRun com5 = tool({QStringLiteral("program"), file, QStringLiteral("--port"),
                               QStringLiteral("COM5")});
    EXPECT_EQ(com5.exitCode, 2);
    EXPECT_TRUE(com5.err.contains(QStringLiteral("COM5"))) << com5.err.toStdString();
    for (const QString& target : {dir.filePath(QStringLiteral("kein/x.fbe")), dir.path()})
        EXPECT_EQ(tool({QStringLiteral("read"), QStringLiteral("--port"),
                        QStringLiteral("/nonexistent/tty"), target})
                      .exitCode,
                  2);
}

TEST(Tool, PortsListsWhatTheMenuListsAndPortTakesTheListedNames)
{
    SimProcess com1, extra;
    ASSERT_TRUE(com1.ok() && extra.ok());
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("sim-com1"));
    ASSERT_TRUE(QFile::link(extra.device(), link));
    const QString gone = dir.filePath(QStringLiteral("ttyUSB9"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FBE_COM1"), com1.device());
    env.insert(QStringLiteral("FBE_COM2"), gone);
    env.insert(QStringLiteral("FBE_EXTRA_PORTS"), link + QLatin1Char(':') + gone + QLatin1Char(':') + com1.device());

    const ToolRun j = tool({QStringLiteral("ports"), QStringLiteral("--json")}, env);
    ASSERT_EQ(j.exitCode, 0) << j.err.toStdString();
    const QJsonArray ports = QJsonDocument::fromJson(j.out.toUtf8()).array();
    QJsonObject com1Entry, com2Entry, simEntry;
    QStringList names;
    for (const QJsonValue& v : ports) {
        const QJsonObject o = v.toObject();
        names << o.value(QStringLiteral("name")).toString();
        if (names.last() == QLatin1String("COM1"))
            com1Entry = o;
        if (names.last() == QLatin1String("COM2"))
            com2Entry = o;
        if (names.last() == QLatin1String("sim-com1"))
            simEntry = o;
    }
    // COM1 .. COM4 first; the devices they map to are not listed again.
    ASSERT_GE(names.size(), 5);
    EXPECT_EQ(names.mid(0, 4), (QStringList{"COM1", "COM2", "COM3", "COM4"}));
    EXPECT_EQ(names.count(QStringLiteral("sim-com1")), 1);
    EXPECT_EQ(names.count(QStringLiteral("ttyUSB9")), 0);
    EXPECT_EQ(com1Entry.value(QStringLiteral("device")).toString(), com1.device());
    EXPECT_EQ(com1Entry.value(QStringLiteral("description")).toString(), QStringLiteral("simuliertes Modul"));
    EXPECT_TRUE(com1Entry.value(QStringLiteral("usable")).toBool());
    EXPECT_TRUE(com1Entry.value(QStringLiteral("reason")).isNull());
    EXPECT_FALSE(com2Entry.value(QStringLiteral("usable")).toBool());
    EXPECT_EQ(com2Entry.value(QStringLiteral("reason")).toString(), QStringLiteral("Gerät nicht vorhanden"));
    EXPECT_EQ(simEntry.value(QStringLiteral("device")).toString(), link);
    EXPECT_TRUE(simEntry.value(QStringLiteral("usable")).toBool());
    EXPECT_TRUE(simEntry.value(QStringLiteral("vendorId")).isNull());
    EXPECT_TRUE(simEntry.value(QStringLiteral("byId")).isNull());
    EXPECT_EQ(simEntry.value(QStringLiteral("serialNumber")).toString(), QString());

    const ToolRun t = tool({QStringLiteral("ports")}, env);
    EXPECT_EQ(t.exitCode, 0);
    EXPECT_TRUE(t.out.startsWith(QStringLiteral("Name ")));
    EXPECT_TRUE(t.out.contains(QStringLiteral("nicht nutzbar: Gerät nicht vorhanden")));

    // A listed name is a port for reading; a missing device says why on stderr.
    const QString target = dir.filePath(QStringLiteral("b.fbe"));
    const ToolRun r = tool({QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("sim-com1"), target}, env);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(target));
    const ToolRun m = tool({QStringLiteral("read"), QStringLiteral("--port"), gone, target}, env);
    EXPECT_EQ(m.exitCode, 1);
    const QString first = QStringLiteral("Fehler bei Öffnen von Com-Port: ttyUSB9");
    EXPECT_EQ(m.out, first + QLatin1Char('\n'));
    EXPECT_TRUE(m.err.contains(first + QStringLiteral("\n ") + gone + QStringLiteral(": Gerät nicht vorhanden\n")))
        << m.err.toStdString();
}

// A name on the command line that is not UTF-8 cannot be opened or written under the name
// given: refused before any file is touched and before the port is opened.
TEST(Tool, NamesThatAreNotUtf8AreRefused)
{
    commtest::app();
    QTemporaryDir dir;
    const QString source = writeFile(dir, QStringLiteral("a.fbe"), sample());
    // printf formats of the bad names: a byte that is no UTF-8 at all, a sequence cut
    // short, an overlong form of "/", an encoded surrogate.
    const QStringList names{QStringLiteral("b\\377.fbe"), QStringLiteral("b\\303.fbe"),
                            QStringLiteral("b\\300\\257.fbe"),
                            QStringLiteral("b\\355\\240\\200.fbe")};
    // The bad name as the file of each command; the port a device that is not there, so a
    // transfer that started would say so on stdout.
    const QStringList commands{
        QStringLiteral("new \"$n\""), QStringLiteral("show \"$n\""),
        QStringLiteral("read --port /nonexistent/tty \"$n\""),
        QStringLiteral("program a.fbe --port \"$n\""),
    };
    for (const QString& name : names) {
        for (const QString& command : commands) {
            QProcess p;
            p.setWorkingDirectory(dir.path());
            p.start(QStringLiteral("sh"),
                    {QStringLiteral("-c"),
                     QStringLiteral("n=$(printf \"$1\"); exec \"$0\" ") + command,
                     commtest::binDir() + QStringLiteral("/fbe-tool"), name});
            ASSERT_TRUE(p.waitForFinished(20000));
            const QString what = command + QStringLiteral(" with ") + name;
            EXPECT_EQ(p.exitCode(), 2) << what.toStdString();
            EXPECT_TRUE(p.readAllStandardOutput().isEmpty()) << what.toStdString();
            const QString err = QString::fromUtf8(p.readAllStandardError());
            EXPECT_TRUE(err.startsWith(QStringLiteral(" Dateiname ist kein gültiges UTF-8\n")))
                << what.toStdString() << ": " << err.toStdString();
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.fbe")});

    // A name in UTF-8 is written under exactly that name.
    const ToolRun ok = tool({QStringLiteral("new"), dir.filePath(QStringLiteral("Büro Süd.fbe"))});
    EXPECT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    const QByteArray bytes = QFile::encodeName(dir.path()) + "/B\xc3\xbc" "ro S\xc3\xbc" "d.fbe";
    EXPECT_EQ(::access(bytes.constData(), F_OK), 0);
}

TEST(ModuleWrite, UnusedCodesLoseTheirAddress)
{
    // Each code in turn without a function among seven used ones: only it is sent as 0.
    for (int unused = 1; unused <= 8; ++unused) {
        Configuration cfg = sample();
        for (int n = 1; n <= 8; ++n) {
            cfg.codes[n].address = 0x5A0 + n;
            cfg.codes[n].function = n == unused ? FnKeine : FnEin;
            cfg.codes[n].out1 = true;
        }
        PrepareModuleWrite(cfg);
        EXPECT_EQ(cfg.txBuffer, cfg.sendImage);
        for (int n = 1; n <= 8; ++n) {
            const int low = 2 + 5 * (n - 1);   // five address bytes per code, low byte first
            const quint64 want = n == unused ? 0 : 0x5A0 + n;
            EXPECT_EQ(cfg.codes[n].address, want) << "code " << n << ", unused " << unused;
            EXPECT_EQ(cfg.txBuffer[low], want & 0xFF) << "code " << n << ", unused " << unused;
            EXPECT_EQ(cfg.txBuffer[low + 1], want >> 8) << "code " << n << ", unused " << unused;
        }
    }
}

TEST(ModuleWrite, OutputCheckListsCodesWithAFunctionButNoOutput)
{
    Configuration cfg = sample();
    PrepareModuleWrite(cfg);
    EXPECT_TRUE(OutputCheckWarning(cfg).isEmpty());

    cfg.codes[2].function = FnEin;
    cfg.codes[4].out4 = false;
    cfg.codes[5].function = FnEin;   // codes 5..8 are not checked
    PrepareModuleWrite(cfg);
    const QStringList lines = OutputCheckWarning(cfg);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("ACHTUNG!"));
    EXPECT_EQ(lines[1], QStringLiteral("bei Code2, Code4 wurde zwar eine Funktion aktiviert, aber "
                                       "kein Ausgang (out1..out4) selektiert."));
    EXPECT_EQ(lines[2], QStringLiteral("Überprüfen Sie die Einstellungen und wiederholen Sie "
                                       "gegebenenfalls die Programmierung!"));

    cfg.setOption(opt::Direkt, true);
    EXPECT_TRUE(OutputCheckWarning(cfg).isEmpty());
}
