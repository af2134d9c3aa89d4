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
        reply.bytes.push_back(eeprom_[address]);
    } else {
        reply.command = Command::Unknown;
        return reply;
    }
    const bool silent =
        faults_.noReply || (faults_.silenceAfter >= 0 && answered_ >= faults_.silenceAfter);
    if (silent)
        reply.bytes.clear();
    else
        ++answered_;
    return reply;
}

}  // namespace sim
