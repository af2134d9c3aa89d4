// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of the program fbe:
//
//   fbe [--desktop] [DATEI]     DATEI loaded at start instead of the question about the
//                               last file; --desktop keeps settings and working folder in
//                               a folder of their own (a start from the desktop's menu)
//   fbe --version | --help
#pragma once

#include "config/Configuration.h"

#include <QString>
#include <QStringList>

namespace fbe {

struct StartOptions {
    QString file;              // absolute path of the configuration to load; empty: none
    bool desktop = false;      // --desktop
    bool version = false;      // --version (or -v)
    bool help = false;         // --help (or -h)
    QString error;             // the first usage error; empty when all was understood
};

// What the arguments hold besides this program's own options.
enum class ToolkitOptions {
    Taken,     // Qt has already taken its own options from the line (QApplication exists)
    Skipped,   // the line is still whole: Qt's options and their values are passed over
};

// Reads the arguments (the first one is the program). FILE is made absolute against the
// current working folder, so call this before the start-up changes that folder.
StartOptions parseStartOptions(const QStringList& arguments,
                               ToolkitOptions toolkit = ToolkitOptions::Taken);

// Whether ARG is one of the options QApplication takes from the command line (-platform,
// -style, -reverse, ...; also written with two dashes); *takesValue tells whether the next
// argument belongs to it.
bool isToolkitOption(const QString& arg, bool* takesValue);

// What fbe --help prints.
QString startUsage();

// What --version prints for PROGRAM ("fbe", "fbe-tool"): its name and version on the first
// line, then the copyright and the licence.
QString versionText(const QString& program);

// The folder a desktop start works in: $XDG_DATA_HOME/fbe, or ~/.local/share/fbe when
// XDG_DATA_HOME is unset, empty or not an absolute path.
QString desktopFolder();

// Creates the desktop folder when it is missing and makes it the working folder, so the
// settings file is read from and written to it. False with the reason in *error when
// the folder cannot be created or entered; the working folder then stays as it was.
bool enterDesktopFolder(QString* error);

}  // namespace fbe
