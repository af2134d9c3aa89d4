// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The production log "fbe-protokoll.csv": one line for every programming run, written for
// spreadsheets as German users open them directly. UTF-8 with a byte order mark, ";" between
// the fields, CR LF after every line, a header line at the top of a new file, fields quoted
// as CSV requires (a project name may hold ";" or quotes).
//
// Columns: time (ISO 8601, local time with its offset), result ("OK" / "Fehler"), the
// message shown (lines joined by " / "), the configuration file, whether the configuration
// was changed since it was saved ("ja" / "nein"), the project name, the module's firmware,
// the programming counter after the run, the transmitter type, the code length, address and
// function of codes 1 .. 8 as sent, and the run's duration in ms.
//
// A text field that begins with "=", "+", "-" or "@" gets an apostrophe in front, so that a
// spreadsheet shows it as text instead of running it as a formula (the default project name
// "-Projektname-" would otherwise show as an error, a crafted one could run a command). A
// line break inside a field (a file name may hold one) is written as a blank, so that every
// record is one line.
//
// Any number of programs and windows share one log: every writer takes the log's advisory
// lock (flock, LockFileEx on Windows) to append, in append mode, so no line is lost or mixed
// with another. Before a run, under the same lock, the room for the run's line is reserved
// on the disk, so a run whose line could not be written is not made. A reader takes the log
// line by line: a line that does not parse is counted and skipped.
//
// Shared by the main window and "fbe-tool program --log".
#pragma once

#include "config/Configuration.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace fbe {

// Name of the log file in the folder of the configuration file.
inline const QString ProductionLogName = QStringLiteral("fbe-protokoll.csv");

struct ProductionRecord {
    QDateTime time;                    // start of the run
    bool ok = false;
    QStringList message;               // the lines of the message shown
    QString configFile;                // as the status line shows it
    bool changed = false;              // changed since the last save or load
    QString projectName;
    QString firmware;                  // "2.05"; empty when no module identified itself
    qint64 counter = 0;                // programming counter after the run
    int transmitterType = 0;
    int codeLength = 0;
    std::array<quint64, 9> address{};  // codes 1..8 as sent (index 0 unused)
    std::array<quint8, 9> function{};
    qint64 durationMs = 0;
};

// The record's configuration part: addresses and functions of codes 1..8, transmitter type
// and code length, project name. Call after the image for sending has been prepared.
void takeSentConfiguration(ProductionRecord& record, const Configuration& cfg);

// The log that belongs to a configuration file: fbe-protokoll.csv in its folder (for a file
// name without a folder, "neue datei.fbe", the working folder).
QString productionLogPath(const QString& configFile);

// ISO 8601 with the local offset: "2025-03-14T09:26:53+01:00".
QString isoTimeWithOffset(const QDateTime& time);

// One field as the file holds it: a line break (CR LF, CR or LF) as a blank; quoted when it
// holds ";" or a quote, quotes doubled.
QString csvField(const QString& text);
// The header line's fields and a record's fields, as they are written (a text field with an
// apostrophe in front where a spreadsheet would take it as a formula).
QStringList productionLogHeader();
QStringList productionLogFields(const ProductionRecord& record);
// A line of fields without its CR LF.
QString csvLine(const QStringList& fields);

// The bytes appended for a record: with the byte order mark and the header line in front
// when the file is new, each line ended by CR LF.
QByteArray productionLogBytes(const ProductionRecord& record, bool newFile);

// Splits a text of CSV (byte order mark already gone) into records of fields, following the
// quotes; line breaks inside a quoted field stay in the field.
QList<QStringList> parseCsv(const QString& text);

// Appends the record to the log at path under the log's lock: creates the file with its
// header when it does not exist or is empty, and starts on a new line after a last line left
// without its line end. The line is on the disk before it returns. A file without any write
// permission bit is left alone, even by the super-user. On failure nothing of the line stays
// and the reason is in *reason ("keine Schreibberechtigung", "schreibgeschützt", "Ordner
// nicht vorhanden", "Datenträger voll", ...).
bool appendProductionLog(const QString& path, const ProductionRecord& record, QString* reason);

// Before a run whose record holds all but the run's result: makes sure, under the log's
// lock, that its line can be appended to the log at path, and reserves the room for it on
// the disk (the line with a result of up to ResultRoom bytes), so that a full disk refuses
// the run before anything is sent. Writes nothing but an empty file where there was none.
// On failure the reason in *reason.
constexpr qint64 ResultRoom = 1024;
bool reserveProductionLog(const QString& path, const ProductionRecord& record, QString* reason);
// The same for a record not known yet.
bool productionLogWritable(const QString& path, QString* reason);

// What the log at path says before a run of record.
struct LogSearch {
    // The time of the newest successful run of the same configuration file whose used codes
    // had the addresses that the record's used codes have now (a code counts as used when its
    // function is not "keine"). Nothing when the log holds no such line, when it cannot be
    // read, or when no code is used.
    std::optional<QDateTime> programmedBefore;
    int unreadableLines = 0;   // lines that do not parse as a line of the log
};
// Reads the log line by line in a buffer of its own: time and memory do not grow with the
// number of lines that match.
LogSearch searchProductionLog(const QString& path, const ProductionRecord& record);
std::optional<QDateTime> programmedBefore(const QString& path, const ProductionRecord& record);

// The messages of a logged run. They are made in German, as the log's message column and the
// production database keep them; shownLogLine() gives one for display.
//
// " Achtung: diese Adressen wurden bereits programmiert (<time>)", the time as the local
// date and time "14.03.2025 09:26:53".
QString msgProgrammedBefore(const QDateTime& time);
// " Protokoll konnte nicht geschrieben werden"
QString msgLogNotWritten();
// " <n> Zeilen des Protokolls nicht lesbar"
QString msgUnreadableLines(int count);
// A line of those above in the language in use; any other line as it is.
QString shownLogLine(const QString& line);
// The reason a log could not take a line (given in the language in use) as a record keeps
// it: in German.
QString keptReason(const QString& reason);

}  // namespace fbe
