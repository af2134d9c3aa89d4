// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cmd_sheet.h"

#include "tools/ToolText.h"

#include "config/Refresh.h"
#include "sheet/SheetPainter.h"
#include "tools/cmd_show.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>

using namespace fbe;

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform asks for the session's runtime folder, which a script started by
// cron or as root over ssh does not have; the note about it is no concern of the sheet's and
// would only disturb a script that reads stderr.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (qtHandler)
        qtHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

std::unique_ptr<QCoreApplication> createToolApplication(int& argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "sheet") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qtHandler = qInstallMessageHandler(quietHandler);
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int runSheetCommand(const QStringList& args)
{
    QTextStream err(stderr);
    if (args.size() != 2 || args[0].startsWith(QLatin1Char('-')) || args[1].startsWith(QLatin1Char('-'))) {
        err << FbeTool::tr("Aufruf: fbe-tool sheet DATEI.fbe AUSGABE.pdf") << "\n";
        return 2;
    }
    const QString& path = args[0];
    const QString& out = args[1];
    const QString failed = FbeTool::tr(" Fehler bei \"Als PDF speichern!\"");
    const QFileInfo in(path);

    Configuration cfg;
    const LoadOutcome load = loadConfiguration(cfg, path);
    if (!load.ok) {
        err << FbeTool::tr(" Fehler bei \"Datei laden!\"") << "\n" << load.error << "\n";
        return 2;
    }
    printLoadWarnings(err, load, QString());
    // What the window shows of the file once it is loaded.
    NormaliseForRefresh(cfg);

    const SheetSource source{QDir::toNativeSeparators(in.absoluteFilePath()),
                             QDateTime::currentDateTime(), false};
    QString reason;
    if (!writeSheetPdf(makeSheet(cfg, source), out, &reason, path)) {
        err << failed << "\n " << reason << "\n";
        return 2;
    }
    return 0;
}
