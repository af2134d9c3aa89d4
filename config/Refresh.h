// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window's display refresh does to the configuration itself. The window calls
// these before it shows the state; anything else that encodes a configuration (the
// command-line tool) calls NormaliseForRefresh so that it programs exactly what the window
// would.
#pragma once

#include "config/Configuration.h"

#include <QString>
#include <QStringList>

namespace fbe {

// Limits of the basic settings held as fields.
constexpr int PruefanzahlMin = 1;
constexpr int PruefanzahlMax = 99;
constexpr int KorrekturMin = -50;
constexpr int KorrekturMax = 50;
constexpr int SperrzeitMax = 255;   // units of 10 ms

// Firmware versions this software knows: 349 (1.93) .. 521 (2.09).
constexpr int FirmwareOldest = 349;
constexpr int FirmwareNewest = 521;

// Code area, in this order: every slot address ANDed with the current mask; for types 16
// and 17 the current code length copied back into the type's table entry; byte 80 as the OR
// of the interlock bytes 76..79; the checksum flag cleared unless the current record is of
// type 16 or 17; the direct-output flag cleared outside parallel mode, and with direct
// output on, code 1 forced to "Aus" and code 2 to "Ein"; maxAddress recomputed.
void NormaliseCodeArea(Configuration& cfg);

// Basic settings: with the store function on, the four start states cleared; korrektur
// bounded to -50..50, sperrzeit to 0..255 units, pruefanzahl to 1..99.
void NormaliseBasics(Configuration& cfg);

// Everything a full refresh of the main window does to the state, in the same order:
// NormaliseCodeArea, NormaliseBasics, ApplySendertyp, and NormaliseCodeArea once more when
// ApplySendertyp changed the current record.
void NormaliseForRefresh(Configuration& cfg);

// Firmware check after a transfer.
enum class FirmwareWarning { None, Older, Newer };
// v is the firmware version, 0 meaning none received (treated as the newest known).
FirmwareWarning checkFirmware(quint16 firmware);
// The lines of the warning window for a firmware warning, in the language in use; empty for
// None.
QStringList firmwareWarningLines(FirmwareWarning warning);

struct TransferOutcome {
    bool taken = false;             // a result was pending and has been consumed
    bool failed = false;
    QString message;                // the message; a second line follows a "\n"
    FirmwareWarning firmwareWarning = FirmwareWarning::None;
    bool counted = false;           // counter and addresses advanced
};

// Second lines of a failed run's message, in German as the transfer's message is kept.
QString msgConfigurationUnchanged();   // " Konfiguration unverändert"
QString msgModuleIncomplete();         // " Modul unvollständig programmiert - bitte ..."
// A line of a transfer's message that is one of those above or the checksum error of a
// decoded image ("EEPROM-Fehler (checksum)"), in the language in use; any other line as it
// is.
QString shownResultLine(const QString& line);

// Takes a pending transfer result once: decodes the receive buffer when the transfer did not
// fail, checks the firmware version and, after a successful programming run, adds 1 to the
// programming counter and each slot's increment to its address, wrapping within the mask
// and the code length.
//
// The received image is decoded into a copy and taken over only when its checksum is sound,
// so a run that fails in any way leaves the configuration exactly as it was: a programming
// run keeps the configuration that was sent, a read run the user's own. The message of a
// failed read then says so on a second line; that of a failed programming run after a
// write command had gone out says that the module has to be programmed again.
TransferOutcome TakeTransferResult(Configuration& cfg);

}  // namespace fbe
