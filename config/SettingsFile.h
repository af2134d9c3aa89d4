// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file "fbe_ini.ini": the last configuration file, the program options, the
// serial port, the working folder, the wait-state value and the screen positions of the
// windows, one item per line.
//
//   line 1      last configuration file
//   line 2      "VDyes" / "VDno"                 ask to load the last file at start
//   line 3      port name ("COM1" .. "COM4")
//   line 4      "infoyes" / "infono"             explanatory notices
//   line 5      "progwindow" / "commentwindow"   right-hand view of the main window
//   line 6      working folder
//   line 7      the remembered system port (its stable link or device path): the one the
//               user chose last, kept while it is missing at a start (line 3 names the
//               port used then); empty after one of COM1 .. COM4 was chosen
//   line 8      "protokollyes" while the production log is kept, else empty
//   line 9      the language chosen in the menu: "de", "en", empty for the desktop's
//   line 10     the production database of a shared series, as a PostgreSQL URI without a
//               password (postgresql://user@host:port/db?application_name=<station>&...);
//               empty: none, the series is this station's alone
//   line 11     "#waitstates#", line 12 its value
//   lines 13-63 seventeen groups: marker, left edge, top edge
//
// Written as UTF-8 with CR LF. Read as UTF-8, or as Windows-1252 when the bytes are not valid
// UTF-8 (files of older versions); LF alone also ends a line.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>

namespace fbe {

// The seventeen positions, in the order of the file. print and waitstate belong to windows
// the user cannot open; their numbers are only carried from one run to the next.
struct WindowPositions {
    enum Index {
        Main, Prog, Select, T1, T2, T3, T4, T16, System, Help, Info,
        Print, Projekt, Waitstate, Codes, Ask, Hinweis,
        Count
    };

    QPoint main;
    QPoint prog;
    QPoint select;
    QPoint t1;
    QPoint t2;
    QPoint t3;
    QPoint t4;
    QPoint t16;
    QPoint system;
    QPoint help;
    QPoint info;
    QPoint print{295, 55};
    QPoint projekt;
    QPoint waitstate{92, 104};
    QPoint codes;
    QPoint ask;
    QPoint hinweis;

    // Which groups the file held (all false for a file not read).
    std::array<bool, Count> present{};

    QPoint& at(int index);
    const QPoint& at(int index) const;
    // "#posmain#", "#posprog#", ... "#poshinweis#".
    static QString marker(int index);
};

struct Settings {
    QString lastFile = QStringLiteral("neue datei.fbe");
    bool askLastFile = true;
    QString comPortName = QStringLiteral("COM1");   // the last of COM1 .. COM4 chosen
    QString systemPort;               // line 7: the remembered system port; empty: comPortName
    bool showNotices = true;
    bool progView = false;            // the extended programming panel is shown
    bool productionLog = false;       // line 8: the production log is kept
    QString language;                 // line 9: "de", "en"; empty: the desktop's language
    QString databaseUri;              // line 10: the shared series' database; empty: none
    QString workingFolder;
    int waitstates = 22;
    WindowPositions positions;
};

// What a settings file yielded. The items are read in file order and the reading stops at
// the first fault (a missing line, a number that is none); the flags tell how far it got,
// so that whatever was read before the fault can still be applied.
struct SettingsRead {
    Settings values;
    bool fileRead = false;            // the file could be read at all
    bool hasAskLastFile = false;      // line 2
    bool hasShowNotices = false;      // line 4
    bool hasView = false;             // line 5
    bool hasWorkingFolder = false;    // line 6
    bool hasWaitstates = false;       // lines 11, 12
    bool complete = false;            // everything up to the last position group was read
    QString error;                    // why the reading stopped (for diagnosis)
};

// The file's name; it lies in the working folder.
inline QString settingsFileName() { return QStringLiteral("fbe_ini.ini"); }

// Splits and decodes the bytes of a settings file and reads it.
SettingsRead parseSettings(const QByteArray& bytes);
// Reads the file at path (at most 1 MiB).
SettingsRead readSettingsFile(const QString& path);

// The 63 lines of the file for these settings.
QStringList settingsLines(const Settings& settings);
// The same as bytes: UTF-8, every line ended by CR LF.
QByteArray settingsBytes(const Settings& settings);
// Writes the file atomically; a failed write leaves any previous file as it was.
bool writeSettingsFile(const QString& path, const Settings& settings, QString* error);

// Decodes the bytes as UTF-8 when they are valid UTF-8 (a byte order mark is dropped),
// otherwise as Windows-1252.
QString decodeSettingsText(const QByteArray& bytes);

}  // namespace fbe
