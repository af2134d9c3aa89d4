// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ImageCodec.h"

#include "config/Formatting.h"

namespace fbe {

namespace {

void put40(Image& image, int offset, quint64 value)
{
    const auto bytes = SplitBytes(value);
    for (int k = 0; k < 5; ++k)
        image[offset + k] = bytes[k];
}

quint64 get40(const Image& image, int offset)
{
    quint64 value = 0;
    for (int k = 4; k >= 0; --k)
        value = (value << 8) | image[offset + k];
    return value;
}

// Function byte of slot 1..8 before the output bits.
quint8 functionBase(int slot, quint8 function)
{
    switch (function) {
    case FnEin:
        return 0x20;
    case FnAus:
        return 0x40;
    case FnWechsel:
        return 0x60;
    case FnImpuls:
        return slot <= 4 ? quint8(0x80 | ((slot - 1) << 5)) : 0x00;
    default:
        return 0x00;
    }
}

}  // namespace

void EndCheck(Configuration& cfg)
{
    if (cfg.parallelCodes) {
        cfg.sendImage[img::ParallelCodes] = 1;
        if (cfg.pruefanzahl > 1)
            cfg.pruefanzahl = 1;
        if (cfg.current().typ != typ::Uni16)
            cfg.setOption(opt::Checksum, false);
    } else {
        cfg.sendImage[img::ParallelCodes] = 0;
    }
}

void EncodeImage(Configuration& cfg)
{
    EndCheck(cfg);
    Image& s = cfg.sendImage;
    const TypeRecord& rec = cfg.current();

    put40(s, img::Mask, rec.mask);
    put40(s, img::Direktmaske, cfg.direktmaske);
    put40(s, img::GeneralCode, cfg.GeneralCode);

    s[img::Bits] = rec.bits;
    s[img::Corrmain] = rec.corrmain;
    s[img::RefMin + 0] = rec.refmin;
    s[img::RefMin + 1] = rec.refmax;
    s[img::RefMin + 2] = rec.datmin;
    s[img::RefMin + 3] = rec.datmax;
    s[img::RefMin + 4] = rec.wait1;
    s[img::RefMin + 5] = rec.wait2;
    s[img::RefMin + 6] = rec.wait3;

    s[img::Typ] = quint8(rec.typ >> 8);
    s[img::Typ + 1] = quint8(rec.typ & 0xFF);

    for (int i = 1; i <= 8; ++i)
        put40(s, img::Addresses + 5 * (i - 1), cfg.codes[i].address);

    s[47] = 0;
    s[img::Timebase] = 0;

    for (int i = 1; i <= 8; ++i) {
        const CodeSlot& slot = cfg.codes[i];
        quint8 b = functionBase(i, slot.function);
        if (slot.out1)
            b |= 0x01;
        if (slot.out2)
            b |= 0x02;
        if (slot.out3)
            b |= 0x08;
        if (slot.out4)
            b |= 0x10;
        if (slot.function == FnTastend && i <= 4)
            b |= quint8(0x84 | ((i - 1) << 5));
        s[47 + i] = b;
    }
    for (int i = 1; i <= 4; ++i)
        s[img::OutputBits + i - 1] = s[47 + i] & 0x1B;

    for (int i = 1; i <= 4; ++i) {
        const CodeSlot& slot = cfg.codes[i];
        s[63 + i] |= slot.timeRaster ? 0x80 : 0x40;
        s[img::TimeCounts + 2 * (i - 1)] = quint8(slot.timeCount >> 8);
        s[img::TimeCounts + 2 * (i - 1) + 1] = quint8(slot.timeCount & 0xFF);
        s[img::Timebase] |= quint8((slot.timebase & 0x03) << (2 * (4 - i)));
    }

    quint8 start = 0;
    if (cfg.initout1)
        start |= 0x01;
    if (cfg.initout2)
        start |= 0x02;
    if (cfg.initout3)
        start |= 0x10;
    if (cfg.initout4)
        start |= 0x08;
    if (cfg.store)
        start |= 0x80;
    s[img::StartStates] = start;

    s[img::Pruefanzahl] = quint8(cfg.pruefanzahl);
    s[img::Korrektur] = quint8(cfg.korrektur & 0xFF);
    s[img::Sperrzeit] = quint8(cfg.sperrzeit);
    // Byte 83 (dirshift) is kept in the send image by its editor.

    s[img::SoftwareMajor] = SoftwareMajor;
    s[img::SoftwareMinor] = SoftwareMinor;
    s[img::Checksum] = imageChecksum(s);

    cfg.txBuffer = s;
}

bool DecodeImage(Configuration& cfg)
{
    cfg.readImage = cfg.rxBuffer;
    const Image& r = cfg.readImage;

    for (int i = 1; i <= 8; ++i)
        cfg.codes[i].address = get40(r, img::Addresses + 5 * (i - 1));

    cfg.current().mask = get40(r, img::Mask);
    cfg.direktmaske = get40(r, img::Direktmaske);
    cfg.GeneralCode = get40(r, img::GeneralCode);

    // Selecting the code mode writes byte 82 of the send image.
    cfg.parallelCodes = r[img::ParallelCodes] != 0;
    cfg.sendImage[img::ParallelCodes] = cfg.parallelCodes ? 1 : 0;

    TypeRecord& rec = cfg.current();
    rec.bits = r[img::Bits];
    rec.corrmain = r[img::Corrmain];
    rec.refmin = r[img::RefMin + 0];
    rec.refmax = r[img::RefMin + 1];
    rec.datmin = r[img::RefMin + 2];
    rec.datmax = r[img::RefMin + 3];
    rec.wait1 = r[img::RefMin + 4];
    rec.wait2 = r[img::RefMin + 5];
    rec.wait3 = r[img::RefMin + 6];
    rec.typ = quint16(r[img::Typ] << 8 | r[img::Typ + 1]);
    cfg.activeType = rec.typ;

    for (int i = 1; i <= 8; ++i) {
        CodeSlot& slot = cfg.codes[i];
        const quint8 b = r[47 + i];
        slot.out1 = b & 0x01;
        slot.out2 = b & 0x02;
        slot.out3 = b & 0x08;
        slot.out4 = b & 0x10;
        slot.function = quint8((b >> 5) & 0x03);   // bits 7..5 = 0xx: 0..3
        if (b & 0x80)
            slot.function = FnImpuls;
        if (b & 0x04)
            slot.function = FnTastend;
    }

    for (int i = 1; i <= 4; ++i) {
        CodeSlot& slot = cfg.codes[i];
        slot.timebase = quint8((r[img::Timebase] >> (2 * (4 - i))) & 0x03);
        slot.timeRaster = (r[63 + i] & 0x80) != 0;
        slot.timeCount = quint16(r[img::TimeCounts + 2 * (i - 1)] << 8
                                 | r[img::TimeCounts + 2 * (i - 1) + 1]);
    }

    cfg.pruefanzahl = r[img::Pruefanzahl];
    cfg.korrektur = qint8(r[img::Korrektur]);
    cfg.sperrzeit = r[img::Sperrzeit];

    const quint8 start = r[img::StartStates];
    cfg.initout1 = start & 0x01;
    cfg.initout2 = start & 0x02;
    cfg.initout3 = start & 0x10;
    cfg.initout4 = start & 0x08;
    cfg.store = start & 0x80;

    const quint16 fw = quint16(r[img::Firmware] << 8 | r[img::Firmware + 1]);
    if (fw != 0)
        cfg.firmware = fw;

    for (int k = 76; k <= 89; ++k)
        cfg.sendImage[k] = r[k];
    for (int k = 98; k <= 102; ++k)
        cfg.sendImage[k] = r[k];

    if (imageChecksum(r) != r[img::Checksum]) {
        cfg.transfer.transferFailed = true;
        cfg.transfer.transferMessage = QString::fromUtf8(ChecksumErrorText);
        return false;
    }
    return true;
}

}  // namespace fbe
