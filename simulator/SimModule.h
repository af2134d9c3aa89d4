// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The receiver module as the simulator plays it: 256 bytes of EEPROM and the three commands
// Identify (00 FF 14), Write byte (32 address data) and Read byte (28 address 00), with the
// faults that the tests ask for. Knows no device and no clock.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sim {

using Eeprom = std::array<uint8_t, 256>;

constexpr int FirmwareHigh = 253;
constexpr int FirmwareLow = 254;

struct Faults {
    bool noReply = false;          // never answer
    int idByte = 0x14;             // first byte of the identification reply
    int leadingZeros = 0;          // zero bytes sent before the identification reply
    int badEchoAddress = -1;       // the write reply at this address differs from the data
    long silenceAfter = -1;        // answer this many commands, then nothing
    int corruptAddress = -1;       // this stored byte is corrupted (bit 0 flipped)
    bool endlessZeros = false;     // no replies; the line carries zero bytes (main loop)
    int flakyReadAddress = -1;     // the first read of this address gives bit 0 flipped
    // Commands counted from 0 (the first command received, usually the identification):
    long garbageFrom = -1;         // from this command on every reply byte is another one
    long replyTwice = -1;          // this command's reply comes again before the next reply
    long lateFrom = -1;            // from this command on, each gets the previous one's reply
};

enum class Command { None, Identify, Write, Read, Unknown };

struct Reply {
    Command command = Command::None;
    int address = 0;
    std::vector<uint8_t> bytes;    // what goes back on the line
    bool stored = false;           // the EEPROM changed
};

class Module {
public:
    Module(const Eeprom& content, uint16_t firmware, const Faults& faults);

    // Takes one byte from the line; returns the reply when it completed a command.
    Reply feed(uint8_t byte);
    // Forgets a partly received command (the line was quiet too long).
    void dropPartial() { partial_.clear(); }
    bool hasPartial() const { return !partial_.empty(); }

    const Eeprom& eeprom() const { return eeprom_; }
    long commandsAnswered() const { return answered_; }

private:
    Reply execute();
    // The faults that change the reply to command number index on its way to the line.
    void disturb(std::vector<uint8_t>& bytes, long index);
    void store(int address, uint8_t value);

    Eeprom eeprom_{};
    uint16_t firmware_;
    Faults faults_;
    std::vector<uint8_t> partial_;
    long answered_ = 0;
    long executed_ = 0;                // commands received
    bool flakyDone_ = false;
    std::vector<uint8_t> repeat_;      // a reply to send again in front of the next one
    std::vector<uint8_t> previous_;    // the reply to the last command
};

}  // namespace sim
