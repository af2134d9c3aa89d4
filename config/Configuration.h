// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration of one receiver module: code slots, transmitter type table, basic
// settings and the four 256-byte EEPROM images. One instance exists per process; the main
// window owns it and every window receives it by reference.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <cstdint>

namespace fbe {

using Image = std::array<quint8, 256>;

// Image offsets that editors and the codec share.
namespace img {
constexpr int StartStates = 1;      // initout1..4 and store
constexpr int Addresses = 2;        // 8 x 5 bytes
constexpr int Mask = 42;            // 5 bytes
constexpr int Functions = 48;       // slot i at 47 + i
constexpr int TimeCounts = 56;      // 4 x 2 bytes, big-endian
constexpr int OutputBits = 64;      // slots 1..4
constexpr int Bits = 68;
constexpr int RefMin = 69;          // refmin, refmax, datmin, datmax, wait1, wait2, wait3
constexpr int Interlock = 76;       // 76..79 per output
constexpr int InterlockUnion = 80;
constexpr int Umschaltzeit = 81;
constexpr int ParallelCodes = 82;
constexpr int Dirshift = 83;
constexpr int GeneralCode = 84;     // 5 bytes
constexpr int Direktmaske = 89;     // 5 bytes
constexpr int Pruefanzahl = 94;
constexpr int Sperrzeit = 95;
constexpr int Korrektur = 96;
constexpr int Corrmain = 97;
constexpr int CheckBits = 98;
constexpr int TimeOut = 99;         // 99..100, big-endian
constexpr int OptionFlags = 101;
constexpr int SoftwareMajor = 248;
constexpr int SoftwareMinor = 249;
constexpr int Typ = 250;            // 250..251, big-endian
constexpr int Timebase = 252;
constexpr int Firmware = 253;       // 253..254, big-endian
constexpr int Checksum = 255;
}  // namespace img

// Bits of the option flag byte 101.
namespace opt {
constexpr quint8 Checksum = 0x01;   // "mit Checksumme"
constexpr quint8 NotAus = 0x02;     // "Not-Aus:"
constexpr quint8 Direkt = 0x04;     // "Direktausgabe"
}  // namespace opt

// Software version written into every image (bytes 248, 249) and every file (lines 997,
// 998): a fact of the file format, kept whatever the program's version.
constexpr int SoftwareMajor = 3;
constexpr int SoftwareMinor = 5;
// "3.05": the program's version (the project's version in CMake), as the main window's
// caption, the information window, --version, the manual pages and the package show it.
QString programVersion();
// Files written by a version below 2.90 do not fit this layout.
constexpr int CompatibleVersion = 602;

enum Function : quint8 {
    FnKeine = 0,
    FnEin = 1,
    FnAus = 2,
    FnWechsel = 3,
    FnTastend = 4,   // "1:1 (Tastend)", slots 1..4 only
    FnImpuls = 5,    // slots 1..4 only
};

struct CodeSlot {
    quint64 address = 0;
    bool out1 = false;
    bool out2 = false;
    bool out3 = false;
    bool out4 = false;
    quint8 function = FnKeine;
    quint16 timeCount = 1;
    bool timeRaster = false;   // false: 10 ms steps, true: 2 s steps
    quint8 timebase = 0;       // 0 ms, 1 s, 2 min, 3 h (display unit only)

    bool operator==(const CodeSlot& o) const
    {
        return address == o.address && out1 == o.out1 && out2 == o.out2 && out3 == o.out3
            && out4 == o.out4 && function == o.function && timeCount == o.timeCount
            && timeRaster == o.timeRaster && timebase == o.timebase;
    }
    bool operator!=(const CodeSlot& o) const { return !(*this == o); }
};

// Decoder parameters of one transmitter family.
struct TypeRecord {
    quint8 bits = 0;
    quint8 corrmain = 0;
    quint8 refmin = 0;
    quint8 refmax = 0;
    quint8 datmin = 0;
    quint8 datmax = 0;
    quint8 wait1 = 0;
    quint8 wait2 = 0;
    quint8 wait3 = 0;
    quint64 mask = 0;
    quint16 typ = 0;

    bool operator==(const TypeRecord& o) const
    {
        return bits == o.bits && corrmain == o.corrmain && refmin == o.refmin
            && refmax == o.refmax && datmin == o.datmin && datmax == o.datmax
            && wait1 == o.wait1 && wait2 == o.wait2 && wait3 == o.wait3 && mask == o.mask
            && typ == o.typ;
    }
    bool operator!=(const TypeRecord& o) const { return !(*this == o); }
};

// Known transmitter type codes.
namespace typ {
constexpr quint16 Hand = 0;      // decoder parameters changed by hand
constexpr quint16 Aurel4 = 1;
constexpr quint16 Aurel2 = 2;
constexpr quint16 Aurel1 = 7;
constexpr quint16 Svs3 = 10;
constexpr quint16 Uni16 = 16;
constexpr quint16 Uni17 = 17;
}  // namespace typ

constexpr int TypeTableSize = 18;
bool isKnownType(int code);
TypeRecord defaultTypeRecord(int code);   // all zero for unknown codes

// Result of the last module transfer (or of the last file decode).
struct TransferResult {
    bool transferFailed = false;
    QString transferMessage;
    bool programmed = false;       // the last run was a write, not a read
    bool resultPending = false;    // set when a transfer ends, taken once by the main window
    bool writeRun = false;         // the run programs the module (otherwise it reads it)
    bool moduleWritten = false;    // a write command has gone to the module in this run
};

struct Configuration {
    // Code slots 1..8; slot 0 is the scratch slot of the address dialogs.
    // (Named codes, since Qt reserves the word slots.)
    std::array<CodeSlot, 9> codes{};
    // Entry 0 is the current record; entries 1, 2, 7, 10, 16, 17 hold the built-in sets.
    std::array<TypeRecord, TypeTableSize> types{};
    quint16 activeType = typ::Aurel4;

    // Basic settings held as fields.
    qint32 pruefanzahl = 3;
    qint32 korrektur = 0;
    qint32 sperrzeit = 0;
    bool store = false;
    bool initout1 = false;
    bool initout2 = false;
    bool initout3 = false;
    bool initout4 = false;
    quint64 GeneralCode = 0;
    quint64 direktmaske = 0;
    quint16 firmware = 0;
    // Code mode radio pair: false "Fix-Codes (standard)", true "\"Parallel\"-Codes".
    bool parallelCodes = false;

    // Images. Several basic settings (interlocks, umschaltzeit, dirshift, CheckBits,
    // TimeOut, option flags) live only in the send image.
    Image sendImage{};
    Image readImage{};
    Image txBuffer{};
    Image rxBuffer{};

    QString projectName = QStringLiteral("-Projektname-");
    QStringList comment;

    // Series programming: counter and per-slot address increments (index 1..8).
    qint64 progcounter = 0;
    std::array<qint64, 9> offset{};

    TransferResult transfer;

    // Slot the code editor shows (1..8).
    int slotBeingEdited = 1;
    // 2^bits - 1 of the current record, recomputed by every refresh.
    quint64 maxAddress = 0xFFF;

    TypeRecord& current() { return types[0]; }
    const TypeRecord& current() const { return types[0]; }

    quint8 optionFlags() const { return sendImage[img::OptionFlags]; }
    bool option(quint8 bit) const { return (sendImage[img::OptionFlags] & bit) != 0; }
    void setOption(quint8 bit, bool on);
    quint8 dirshift() const { return sendImage[img::Dirshift]; }
    quint16 timeOut() const;                 // bytes 99..100, units of 10 ms
    void setTimeOut(quint16 units);
    quint16 softwareVersionOf(const Image& image) const;
};

// The placeholders of a new configuration, in the language in use when it is made (they
// become data of its file): the project name "-Projektname-" and the comment lines.
QString defaultProjectName();
QStringList defaultComment();

// The name of a code function as the code editor offers it, in German as files keep it:
// "keine", "Ein", "Aus", "Wechsel (Toggle)", "1:1 (Tastend)", "Impuls"; "?" for any other
// value.
const char* functionName(int function);
// The same in the language in use, for display.
QString functionText(int function);

// Resets every field of a new configuration (the state part of a new file): send image zero,
// type table defaults, slots, basic settings, firmware 0, active type 1, fixed codes, comment
// and project name (in the language in use). The options and the series counters are not
// part of it.
void NeueDatei(Configuration& cfg);

// Copies the table entry of the active type into the current record when the type is known.
void ApplySendertyp(Configuration& cfg);

// 2^bits - 1, all 64 bits set from 64 bits on.
quint64 maxAddressForBits(unsigned bits);

// Sum of bytes 2..223 modulo 256.
quint8 imageChecksum(const Image& image);

}  // namespace fbe
