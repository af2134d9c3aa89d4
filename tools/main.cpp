// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// fbe-tool: the command-line companion of the configuration program. It writes, shows,
// programs and reads configuration files without the windows.
#include "tools/ArgumentBytes.h"
#include "tools/ToolText.h"
#include "tools/cmd_build.h"
#include "tools/cmd_diff.h"
#include "tools/cmd_show.h"
#ifdef FBE_WITH_COMM
#include "tools/cmd_ports.h"
#include "tools/cmd_program.h"
#include "tools/cmd_series.h"
#include "tools/cmd_verify.h"
#endif
#ifdef FBE_WITH_SHEET
#include "tools/cmd_sheet.h"
#endif

#include "config/Language.h"
#include "config/StartOptions.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

// The help, in parts: which commands there are depends on the build.
const char UsageHead[] = QT_TRANSLATE_NOOP(
    "FbeTool",
    "Aufruf: fbe-tool BEFEHL [ARGUMENTE]\n"
    "\n"
    "Befehle:\n"
    "  new DATEI                    schreibt eine neue Konfiguration (wie \"Datei neu\" und\n"
    "                               sofortiges Speichern) in DATEI.\n"
    "  show DATEI [--json]          lädt DATEI wie das Programm und zeigt die Konfiguration,\n"
    "                               wie sie in der Datei steht; mit --json als JSON-Objekt.\n"
    "                               Exit 0: geladen (Warnungen auf stderr), 2: Ladefehler.\n"
    "  diff A.fbe B.fbe [--json]    zeigt die Einstellungen, in denen sich A und B\n"
    "                               unterscheiden: Name, Wert in A --> Wert in B.\n"
    "                               Exit 0: gleich, 1: verschieden, 2: Lade- oder Aufruffehler.\n"
    "  build KONFIG.json DATEI      schreibt die Datei, die das Programm nach Eingabe der\n"
    "                               Werte aus KONFIG.json (Schlüssel wie show --json) speichern\n"
    "                               würde. Exit 2 bei unzulässigen Werten (nichts geschrieben).\n");
const char UsageSheet[] = QT_TRANSLATE_NOOP(
    "FbeTool",
    "  sheet DATEI.fbe AUSGABE.pdf  schreibt das Blatt der Konfiguration zum Drucken (wie\n"
    "                               \"Als PDF speichern ...\" im Programm) als PDF-Datei.\n"
    "                               Exit 0: geschrieben, 2: Lade-, Aufruf- oder\n"
    "                               Schreibfehler (nichts geschrieben).\n");
const char UsageModule[] = QT_TRANSLATE_NOOP(
    "FbeTool",
    "  program DATEI --port PORT    programmiert ein Modul mit DATEI, wie \"Modul programmieren\"\n"
    "          [--log PROTOKOLL]    im Programm. Exit 0: erfolgreich, 1: Übertragung\n"
    "          [--db URI]           fehlgeschlagen, 2: Datei- oder Aufruffehler oder eine\n"
    "          [--increments a,b,c,d,e,f,g,h]\n"
    "                               Adresse größer als max. Adresse (nichts gesendet).\n"
    "                               --log hängt die Zeile des Produktionsprotokolls an\n"
    "                               PROTOKOLL an (CSV wie fbe-protokoll.csv des Programms;\n"
    "                               Zähler 1 nach Erfolg); kann PROTOKOLL nicht geschrieben\n"
    "                               werden, wird nichts gesendet (Exit 2).\n"
    "                               --db: Serie mit mehreren Stationen in der\n"
    "                               Produktionsdatenbank URI (postgresql://...): die Nummer\n"
    "                               des Moduls und seine Adressen kommen aus der Datenbank,\n"
    "                               der Lauf wird dort festgehalten. --increments legt die\n"
    "                               Inkremente einer neuen Serie fest. Exit 2, wenn die\n"
    "                               Datenbank ablehnt oder nicht erreichbar ist (nichts\n"
    "                               gesendet).\n"
    "  read --port PORT DATEI       liest ein Modul aus und speichert die Konfiguration in\n"
    "                               DATEI. Exit 0: erfolgreich, 1: Übertragung fehlgeschlagen\n"
    "                               (bei jedem Fehler, auch einem Checksummenfehler, wird\n"
    "                               nichts geschrieben).\n"
    "  verify DATEI --port PORT     liest ein Modul aus (ohne zu schreiben) und vergleicht es\n"
    "                               mit dem, was das Programmieren von DATEI schreiben würde.\n"
    "                               Exit 0: gleich, 1: verschieden, 2: Datei- oder\n"
    "                               Aufruffehler, 3: Auslesen fehlgeschlagen.\n"
    "\n"
    "  series URI PROJEKT [--csv]   listet die Läufe der Serie PROJEKT in der\n"
    "                               Produktionsdatenbank URI; mit --csv wie fbe-protokoll.csv\n"
    "                               mit den Spalten \"Station\" und \"Nummer\" davor.\n"
    "                               Exit 0, 1: keine solche Serie, 2: Aufruffehler oder\n"
    "                               Datenbank nicht erreichbar.\n"
    "\n"
    "  ports [--json]               listet die seriellen Schnittstellen wie das Menü \"COM port\n"
    "                               auswählen\" (COM1..COM4 zuerst) und prüft, ob sie sich\n"
    "                               öffnen lassen; mit --json als JSON-Array.\n"
    "\n"
    "PORT ist COM1..COM4 (Gerät aus FBE_COM1..FBE_COM4, sonst /dev/ttyS0..3), ein Name aus\n"
    "\"fbe-tool ports\" (ttyUSB0) oder ein Gerätepfad wie /dev/ttyUSB0 oder\n"
    "/dev/serial/by-id/....\n");
const char UsageTail[] = QT_TRANSLATE_NOOP(
    "FbeTool",
    "\n"
    "  --help                       zeigt diese Hilfe.\n"
    "  --version                    zeigt die Version.\n");

// The help in the language in use.
void printUsage(FILE* to)
{
    QString text = FbeTool::tr(UsageHead);
#ifdef FBE_WITH_SHEET
    text += FbeTool::tr(UsageSheet);
#endif
#ifdef FBE_WITH_COMM
    text += FbeTool::tr(UsageModule);
#endif
    text += FbeTool::tr(UsageTail);
    std::fputs(text.toUtf8().constData(), to);
}

}  // namespace

int main(int argc, char** argv)
{
#ifdef FBE_WITH_SHEET
    const std::unique_ptr<QCoreApplication> app = createToolApplication(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    // Texts follow the environment's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    fbe::language::use(fbe::language::choose(QString(), fbe::language::desktopLanguages()));
    // Before Qt decodes them: a name that is not UTF-8 would name another file.
    if (const int refused = fbe::refuseNonUtf8Arguments(argc, argv))
        return refused;
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help")
        || args.first() == QLatin1String("-h") || args.first() == QLatin1String("help")) {
        printUsage(args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        QTextStream(stdout) << fbe::versionText(QStringLiteral("fbe-tool"));
        return 0;
    }
    const QString command = args.takeFirst();
    if (args.contains(QLatin1String("--help"))) {
        printUsage(stdout);
        return 0;
    }
    if (command == QLatin1String("new"))
        return runNewCommand(args);
    if (command == QLatin1String("show"))
        return runShowCommand(args);
    if (command == QLatin1String("diff"))
        return runDiffCommand(args);
    if (command == QLatin1String("build"))
        return runBuildCommand(args);
#ifdef FBE_WITH_COMM
    if (command == QLatin1String("program"))
        return runProgramCommand(args);
    if (command == QLatin1String("read"))
        return runReadCommand(args);
    if (command == QLatin1String("verify"))
        return runVerifyCommand(args);
    if (command == QLatin1String("ports"))
        return runPortsCommand(args);
    if (command == QLatin1String("series"))
        return runSeriesCommand(args);
#endif
#ifdef FBE_WITH_SHEET
    if (command == QLatin1String("sheet"))
        return runSheetCommand(args);
#endif
    QTextStream(stderr) << FbeTool::tr("fbe-tool: unbekannter Befehl \"%1\"").arg(command) << "\n\n";
    printUsage(stderr);
    return 2;
}
