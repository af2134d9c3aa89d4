// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// fbe-tool verify against fbe-module-sim: a module that holds what programming the file
// writes, one that differs, and reads that fail.
#include "CommTestSupport.h"

#include "config/FbeFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    cfg.sperrzeit = 12;
    cfg.projectName = QStringLiteral("Tor Nord");
    return cfg;
}

QString save(const QTemporaryDir& dir, const QString& name, Configuration cfg)
{
    const QString path = dir.filePath(name);
    QString error;
    EXPECT_TRUE(SaveFile(path, BuildFile(cfg), &error)) << error.toStdString();
    return path;
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(ToolVerify, MatchingAndDifferingModule)
{
    QTemporaryDir dir;
    const QString eeprom = dir.filePath(QStringLiteral("eeprom.bin"));
    SimProcess sim({QStringLiteral("--eeprom"), eeprom});
    ASSERT_TRUE(sim.ok());
    const QString file = save(dir, QStringLiteral("a.fbe"), sample());
    ASSERT_EQ(tool({QStringLiteral("program"), file, QStringLiteral("--port"), sim.device()}).exitCode, 0);
    const QByteArray programmed = contents(eeprom);
    ASSERT_EQ(programmed.size(), 256);

    // What programming writes is compared, not the file's bytes: an unused code's address
    // is written as 0, the project name is not in the module.
    Configuration same = sample();
    same.codes[6].address = 77;
    same.projectName = QStringLiteral("anders");
    struct Case {
        QString file;
        int exitCode;
        QString out;
    } cases[] = {
        {file, 0, QStringLiteral("Modul und Datei stimmen überein\n")},
        {save(dir, QStringLiteral("gleich.fbe"), same), 0, QStringLiteral("Modul und Datei stimmen überein\n")},
    };
    for (const Case& c : cases) {
        const ToolRun v = tool({QStringLiteral("verify"), c.file, QStringLiteral("--port"), sim.device()});
        EXPECT_EQ(v.exitCode, c.exitCode) << v.err.toStdString();
        EXPECT_EQ(v.out, c.out);
    }

    // Code 1 at 0x3C4 instead of 0x3C3 and a lock time of 130 ms instead of 120 ms: the two
    // addresses with both values; the checksum byte is not among the compared bytes.
    Configuration other = sample();
    other.codes[1].address = 0x3C4;
    other.sperrzeit = 13;
    const QString differing = save(dir, QStringLiteral("b.fbe"), other);
    const ToolRun v = tool({QStringLiteral("verify"), QStringLiteral("--port"), sim.device(), differing});
    EXPECT_EQ(v.exitCode, 1) << v.err.toStdString();
    EXPECT_EQ(v.out, QStringLiteral("Adresse [2]: Modul 195, Datei 196\n"
                                    "Adresse [95]: Modul 12, Datei 13\n"
                                    "2 Adressen weichen ab\n"));
    // Nothing was written to the module.
    EXPECT_EQ(contents(eeprom), programmed);
}

TEST(ToolVerify, ModuleWithAChecksumErrorDiffers)
{
    // Byte 150 is free and not compared, but under the checksum, as a programming run's
    // read-back would find it.
    QTemporaryDir dir;
    const QString eeprom = dir.filePath(QStringLiteral("eeprom.bin"));
    const QString file = save(dir, QStringLiteral("a.fbe"), sample());
    {
        SimProcess sim({QStringLiteral("--eeprom"), eeprom});
        ASSERT_TRUE(sim.ok());
        ASSERT_EQ(tool({QStringLiteral("program"), file, QStringLiteral("--port"), sim.device()}).exitCode, 0);
    }
    SimProcess corrupt({QStringLiteral("--eeprom"), eeprom, QStringLiteral("--corrupt"), QStringLiteral("150")});
    ASSERT_TRUE(corrupt.ok());
    const ToolRun v = tool({QStringLiteral("verify"), file, QStringLiteral("--port"), corrupt.device()});
    EXPECT_EQ(v.exitCode, 1);
    EXPECT_EQ(v.out, QStringLiteral("EEPROM-Fehler (checksum)\n"));
}

TEST(ToolVerify, ReadFailureFileAndUsageErrors)
{
    QTemporaryDir dir;
    const QString file = save(dir, QStringLiteral("a.fbe"), sample());
    {
        SimProcess silent({QStringLiteral("--no-reply")});
        ASSERT_TRUE(silent.ok());
        const ToolRun v = tool({QStringLiteral("verify"), file, QStringLiteral("--port"), silent.device()});
        EXPECT_EQ(v.exitCode, 3);
        EXPECT_EQ(v.out, QStringLiteral("keine Antwort --> Abbruch\n"));
    }
    const ToolRun closed = tool({QStringLiteral("verify"), file, QStringLiteral("--port"),
                                 dir.filePath(QStringLiteral("kein-tty"))});
    EXPECT_EQ(closed.exitCode, 3);
    EXPECT_EQ(closed.out, QStringLiteral("Fehler bei Öffnen von Com-Port: kein-tty\n"));
    EXPECT_TRUE(closed.err.contains(QStringLiteral(": Gerät nicht vorhanden"))) << closed.err.toStdString();

    // Found before any port is opened.
    for (const QStringList& args :
         {QStringList{QStringLiteral("verify"), dir.filePath(QStringLiteral("fehlt.fbe")),
                      QStringLiteral("--port"), QStringLiteral("COM1")},
          QStringList{QStringLiteral("verify"), file},
          QStringList{QStringLiteral("verify"), file, QStringLiteral("--port"), QStringLiteral("COM5")},
          QStringList{QStringLiteral("verify"), file, file, QStringLiteral("--port"), QStringLiteral("COM1")}}) {
        const ToolRun r = tool(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
}
