// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// What the printed configuration sheet shows, as texts and marks: taken from the
// configuration once, then painted by SheetPainter on paper, into a PDF or a picture.
// QtCore only, so what the sheet says can be checked without drawing it.
//
// Every text goes through the translation system (context "Sheet"); the German text is the
// source, so the sheet follows the interface language.
#pragma once

#include "config/Configuration.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

namespace fbe {

// What the sheet takes from outside the configuration.
struct SheetSource {
    QString fileName;          // the configuration file, as the status line shows it
    QDateTime printedAt;       // the date and time of printing
    bool unsaved = false;      // the configuration differs from its file
    // The addresses are those of the module last programmed, as a shared series leaves them
    // (its next ones come from the production database), not the next module's.
    bool addressesProgrammed = false;
};

struct SheetCode {
    QString label;             // "CODE 1:"
    bool used = false;         // the module executes it ("- keine -" otherwise)
    QString address;           // decimal; in parallel mode " Bitpos: 12"
    QString binary;            // the address as 40 digits; empty in parallel mode
    QString function;          // "Ein", "Aus", ...; "- keine -"
    QString time;              // "Nachlauf: 1,5 s", "Dauer: 500 ms"; empty without a time
    std::array<bool, 4> outputs{};
    QString increment;         // series settings shown: "+1", "-2", "0"
    QString next;              // after a series run: the next module's address
};

// One line of a settings block: a label and its value; a code value as 40 digits first.
struct SheetField {
    SheetField(QString l, QString v, QString b = QString())
        : label(std::move(l)), value(std::move(v)), binary(std::move(b))
    {
    }
    QString label;
    QString value;
    QString binary;
};

struct Sheet {
    // Head.
    QString title;             // "Konfiguration des Empfängermoduls"
    QString projectName;
    QString file;              // "Datei: /pfad/halle3.fbe"
    QString printed;           // "gedruckt: 03.05.2025 14:32"
    QString version;           // "Funkempfänger Konfiguration  Ver.: 3.05"
    QString firmware;          // "Firmware: 2.05"; empty when none is known
    QString unsaved;           // "nicht gespeichert"; empty when saved

    // Transmitter.
    QString transmitterHeading;
    int transmitterType = 0;   // the picture: the type code (none for unknown codes)
    QString transmitterName;
    QString transmitterDetail; // what the selection window says of it; decoder values for 0
    QString codeLength;        // "Codierlänge: 12 Bit"
    QString maxAddress;        // "max. Adresse: 4095"

    // Codes.
    QString codesHeading;      // "Codefunktionen 1..8"
    QString codeMode;          // "Fix-Codes (standard)" or "\"Parallel\"-Codes"
    QString addressNote;       // "Adressen: zuletzt programmiert"; empty otherwise
    QString columnAddress, columnFunction, columnOutputs, columnIncrement, columnNext;
    std::vector<SheetCode> codes;   // 8 rows; 4 in parallel mode; none with direct output
    QStringList codeNotes;     // in place of rows the mode does not use
    bool series = false;       // the increment column (and the next column after a run)
    bool lastProgrammed = false;
    QString counter;           // "Zähler: 0012" when the series settings are shown

    // Basic settings.
    QString basicsHeading;
    std::vector<SheetField> basics;
    QString startStatesLabel;
    std::array<bool, 4> startStates{};
    QString interlockHeading;
    std::array<std::array<bool, 4>, 4> interlock{};   // [row][column], mirrored
    QString interlockSummary;  // "verriegelt: OUT 1 / OUT 2, ..."; "keine Verriegelung"

    // "Parallel"-Codes settings; empty with fixed codes.
    QString parallelHeading;
    std::vector<SheetField> parallel;

    // Comment, as written.
    QString commentHeading;
    QStringList comment;
    QString commentCut;        // the last line when the comment does not fit

    // Lines to fill in by hand at the foot.
    QStringList handFields;
};

// Everything the sheet shows of cfg. Shows the configuration as the main window shows it
// (run the refresh's normalisation first when it comes straight from a file). After a
// successful series run (counter above 0, an increment not 0) the addresses are those of the
// module last programmed: the next module's address less the increment, within the code
// length.
Sheet makeSheet(const Configuration& cfg, const SheetSource& source);

// The address the last series run programmed, given the next one: the inverse of adding the
// increment within mask (the mask of the transmitter type and the code length), for an
// address that lies within mask as every programmed one does.
quint64 previousSeriesAddress(quint64 next, qint64 increment, quint64 mask);

// The name of a transmitter type as the selection window names it; a text for type 0 and
// for unknown codes.
QString transmitterTypeName(int typ);

}  // namespace fbe
