// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimModule.h"

namespace sim {

Module::Module(const Eeprom& content, uint16_t firmware, const Faults& faults)
    : eeprom_(content), firmware_(firmware), faults_(faults)
{
    eeprom_[FirmwareHigh] = uint8_t(firmware_ >> 8);
    eeprom_[FirmwareLow] = uint8_t(firmware_ & 0xFF);
    if (faults_.corruptAddress >= 0 && faults_.corruptAddress < 256)
        store(faults_.corruptAddress, eeprom_[faults_.corruptAddress]);
}

void Module::store(int address, uint8_t value)
{
    if (address == FirmwareHigh || address == FirmwareLow)
        return;   // the firmware version stays whatever is written there
    if (address == faults_.corruptAddress)
        value ^= 0x01;
    eeprom_[address] = value;
}

Reply Module::feed(uint8_t byte)
{
    partial_.push_back(byte);
    if (partial_.size() == 1 && byte != 0x00 && byte != 0x32 && byte != 0x28) {
        partial_.clear();   // not the start of a command: wait for one
        return {Command::Unknown, 0, {}, false};
    }
    if (partial_.size() < 3)
        return {};
    Reply reply = execute();
    partial_.clear();
    return reply;
}

Reply Module::execute()
{
    Reply reply;
    reply.address = partial_[1];
    const uint8_t op = partial_[0];
    const uint8_t address = partial_[1];
    const uint8_t data = partial_[2];
    if (op == 0x00 && address == 0xFF && data == 0x14) {
        reply.command = Command::Identify;
        reply.bytes.assign(std::size_t(faults_.leadingZeros), 0x00);
        reply.bytes.push_back(uint8_t(faults_.idByte));
        reply.bytes.push_back(uint8_t(firmware_ >> 8));
        reply.bytes.push_back(uint8_t(firmware_ & 0xFF));
    } else if (op == 0x32) {
        reply.command = Command::Write;
        store(address, data);
        reply.stored = true;
        reply.bytes.push_back(address == faults_.badEchoAddress ? uint8_t(data ^ 0xFF) : data);
    } else if (op == 0x28) {
        reply.command = Command::Read;
        uint8_t value = eeprom_[address];
        if (address == faults_.flakyReadAddress && !flakyDone_) {
            value ^= 0x01;
            flakyDone_ = true;
        }
        reply.bytes.push_back(value);
    } else {
        reply.command = Command::Unknown;
        return reply;
    }
    disturb(reply.bytes, executed_++);
    const bool silent = faults_.noReply || faults_.endlessZeros
                        || (faults_.silenceAfter >= 0 && answered_ >= faults_.silenceAfter);
    if (silent)
        reply.bytes.clear();
    else
        ++answered_;
    return reply;
}

void Module::disturb(std::vector<uint8_t>& bytes, long index)
{
    if (faults_.garbageFrom >= 0 && index >= faults_.garbageFrom) {
        // Noise: never the byte due (the mask is never 0), and another mask for every byte.
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] ^= uint8_t(1 + (index * 37 + long(i) * 11) % 255);
    }
    if (faults_.lateFrom >= 0) {
        std::vector<uint8_t> own = bytes;
        if (index >= faults_.lateFrom)
            bytes = previous_;
        previous_ = std::move(own);
    }
    const std::vector<uint8_t> again = index == faults_.replyTwice ? bytes : std::vector<uint8_t>{};
    bytes.insert(bytes.begin(), repeat_.begin(), repeat_.end());
    repeat_ = again;
}

}  // namespace sim
