// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the configuration, the desktop seam and every window, created once for the
// whole run, the main window first.
#include "app/FirstShow.h"
#include "app/FontWarmUp.h"
#include "app/StartupProbe.h"
#include "comm/TFrs232.h"
#include "config/Configuration.h"
#include "config/Language.h"
#include "config/SettingsFile.h"
#include "config/StartOptions.h"
#include "dialogs/FixedPalette.h"
#include "dialogs/Seam.h"
#include "dialogs/UHelp.h"
#include "dialogs/Uask.h"
#include "dialogs/Uhinweis.h"
#include "dialogs/Uinfo.h"
#include "dialogs/Uprojekt.h"
#include "dialogs/Uwarnung.h"
#include "editors/TFCode.h"
#include "editors/TFsystem.h"
#include "mainwindow/Forms.h"
#include "mainwindow/TFFBmain.h"
#include "transmitters/TFFB16.h"
#include "transmitters/TFFB3SVS.h"
#include "transmitters/TFFBkeys.h"
#include "transmitters/TFFBselect.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <cstdio>

namespace {

// The answers given before the application exists: usage, version and usage errors.
void print(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s", qPrintable(text));
}

}  // namespace

int main(int argc, char** argv)
{
    fbe::StartupProbe::mark("main");
    // --version, --help and a usage error need no display, so they are answered before the
    // application exists (Qt's own options passed over); the rest of the line is read once
    // Qt has taken its own options from it.
    {
        QStringList raw;
        for (int i = 0; i < argc; ++i)
            raw << QString::fromLocal8Bit(argv[i]);
        const fbe::StartOptions early =
            fbe::parseStartOptions(raw, fbe::ToolkitOptions::Skipped);
        if (early.version || early.help || !early.error.isEmpty()) {
            // Answered in the desktop's language: read once more with its texts.
            const QCoreApplication core(argc, argv);
            fbe::language::use(fbe::language::choose(QString(), fbe::language::desktopLanguages()));
            const fbe::StartOptions said =
                fbe::parseStartOptions(raw, fbe::ToolkitOptions::Skipped);
            if (said.error.isEmpty()) {
                print(stdout, said.version ? fbe::versionText(QStringLiteral("fbe"))
                                           : fbe::startUsage());
                return 0;
            }
            print(stderr, QStringLiteral("fbe: ") + said.error + QStringLiteral("\n\n")
                              + fbe::startUsage());
            return 2;
        }
    }

    // The system's font configuration loads beside the application's start; the windows
    // need it from their first text on.
    fbe::FontWarmUp fonts;
    QApplication app(argc, argv);
    fbe::StartupProbe::mark("qapplication");
    QApplication::setApplicationName(QStringLiteral("fbe"));
    QApplication::setApplicationVersion(fbe::programVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("fbe"));
    const fbe::StartOptions options = fbe::parseStartOptions(QCoreApplication::arguments());
    if (!options.error.isEmpty()) {
        // Said in the desktop's language.
        fbe::language::use(fbe::language::choose(QString(), fbe::language::desktopLanguages()));
        const QString error = fbe::parseStartOptions(QCoreApplication::arguments()).error;
        std::fputs(qPrintable(QStringLiteral("fbe: ") + error + QStringLiteral("\n\n")
                              + fbe::startUsage()),
                   stderr);
        return 2;
    }
    // A start from the desktop's menu works in a folder of its own: the settings file is
    // read there at start and written there at the end. FILE is already absolute.
    QString folderError;
    if (options.desktop && !fbe::enterDesktopFolder(&folderError))
        std::fputs(qPrintable(QStringLiteral("fbe: ") + folderError + QLatin1Char('\n')), stderr);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    fbe::useFixedPalette();
    // The language: the one chosen in the menu (settings line 9, in the folder the settings
    // are kept in), else the desktop's; the windows are made in it.
    {
        const fbe::SettingsRead read = fbe::readSettingsFile(
            QDir::currentPath() + QLatin1Char('/') + fbe::settingsFileName());
        fbe::language::use(fbe::language::choose(read.complete ? read.values.language : QString(),
                                                 fbe::language::desktopLanguages()));
    }

    fbe::StartupProbe::mark("language");

    fonts.wait();

    fbe::Configuration cfg;
    fbe::Seam seam;
    fbe::Forms forms;

    // The main window is created first; its creation sets up a new configuration and keeps
    // it hidden until the start-up step shows it. The other windows belong to it.
    fbe::TFFBmain mainWindow(cfg, seam, forms);
    fbe::StartupProbe::mark("mainwindow");
    mainWindow.startFile = options.file;
    QWidget* owner = &mainWindow;
    forms.Fask = new fbe::TFask(cfg, seam, forms, owner);
    forms.FB4 = new fbe::TFFB4(cfg, seam, forms, owner);
    forms.FB2 = new fbe::TFFB2(cfg, seam, forms, owner);
    forms.Finfo = new fbe::TFinfo(cfg, seam, forms, owner);
    forms.FB3SVS = new fbe::TFFB3SVS(cfg, seam, forms, owner);
    forms.FBselect = new fbe::TFFBselect(cfg, seam, forms, owner);
    forms.Fsystem = new fbe::TFsystem(cfg, seam, forms, owner);
    forms.FB1 = new fbe::TFFB1(cfg, seam, forms, owner);
    forms.FB16 = new fbe::TFFB16(cfg, seam, forms, owner);
    forms.FCode = new fbe::TFCode(cfg, seam, forms, owner);
    forms.Fhinweis = new fbe::TFhinweis(cfg, seam, forms, owner);
    forms.FProjekt = new fbe::TFProjekt(cfg, seam, forms, owner);
    forms.Frs232 = new fbe::TFrs232(cfg, seam, forms, owner);
    forms.FHelp = new fbe::TFHelp(cfg, seam, forms, owner);
    forms.Fwarnung = new fbe::TFwarnung(cfg, seam, forms, owner);
    mainWindow.connectForms();
    fbe::prepareFirstShow(mainWindow);
    fbe::StartupProbe::mark("windows");
    fbe::StartupProbe::installIfWanted(mainWindow);

    return app.exec();
}
