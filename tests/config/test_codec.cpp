// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding and decoding of the EEPROM image.
#include "config/Formatting.h"
#include "config/ImageCodec.h"

#include <gtest/gtest.h>

#include <random>

using namespace fbe;

namespace {

Configuration newConfig()
{
    Configuration cfg;
    NeueDatei(cfg);
    return cfg;
}

Image encoded(Configuration& cfg)
{
    EncodeImage(cfg);
    return cfg.txBuffer;
}

Image withChecksum(Image image)
{
    image[img::Checksum] = imageChecksum(image);
    return image;
}

}  // namespace

TEST(Encode, NewConfigurationImageIsExact)
{
    Configuration cfg = newConfig();
    const Image b = encoded(cfg);

    Image expected{};
    expected[42] = 0xFF;
    expected[43] = 0x0F;
    for (int i = 0; i < 4; ++i) {
        expected[56 + 2 * i] = 0x00;
        expected[57 + 2 * i] = 0x01;
        expected[64 + i] = 0x40;
    }
    expected[68] = 12;
    const quint8 rec[] = {7, 70, 7, 100, 22, 22, 140};
    for (int i = 0; i < 7; ++i)
        expected[69 + i] = rec[i];
    expected[94] = 3;
    expected[248] = 3;
    expected[249] = 5;
    expected[251] = 1;
    expected[255] = 145;
    for (int k = 0; k < 256; ++k)
        EXPECT_EQ(b[k], expected[k]) << "byte " << k;
    EXPECT_EQ(cfg.sendImage, cfg.txBuffer);
}

TEST(Encode, FunctionBytesAndOutputBits)
{
    Configuration cfg = newConfig();
    // Functions 1..3 are the same on every slot; 4 and 5 carry the slot number on 1..4 only.
    const quint8 tastend[] = {0x84, 0xA4, 0xC4, 0xE4};
    const quint8 impuls[] = {0x80, 0xA0, 0xC0, 0xE0};
    for (int fn = 0; fn <= 5; ++fn) {
        for (int i = 1; i <= 8; ++i)
            cfg.codes[i].function = quint8(fn);
        const Image b = encoded(cfg);
        for (int i = 1; i <= 8; ++i) {
            quint8 want = 0;
            if (fn >= 1 && fn <= 3)
                want = quint8(fn << 5);
            else if (fn == 4 && i <= 4)
                want = tastend[i - 1];
            else if (fn == 5 && i <= 4)
                want = impuls[i - 1];
            EXPECT_EQ(b[47 + i], want) << "function " << fn << " slot " << i;
        }
    }

    // OUT 3 is 0x08 and OUT 4 is 0x10 in the function bytes.
    Configuration c = newConfig();
    c.codes[3].function = FnTastend;
    c.codes[3].out1 = true;
    c.codes[3].out3 = true;
    Image b = encoded(c);
    EXPECT_EQ(b[50], 0xCD);
    EXPECT_EQ(b[66], 0x09 | 0x40);

    c.codes[6].function = FnImpuls;
    c.codes[6].out2 = true;
    c.codes[6].out4 = true;
    c.codes[1].timeRaster = true;
    c.codes[1].out4 = true;
    b = encoded(c);
    EXPECT_EQ(b[53], 0x12);
    EXPECT_EQ(b[64], 0x10 | 0x80);
}

TEST(Encode, TimesTimebaseStartStatesAndSignedBytes)
{
    Configuration cfg = newConfig();
    cfg.codes[2].timeCount = 0xABCD;
    cfg.codes[1].timebase = 3;
    cfg.codes[2].timebase = 2;
    cfg.codes[3].timebase = 1;
    cfg.codes[4].timebase = 0;
    cfg.initout3 = true;
    cfg.korrektur = -5;
    Image b = encoded(cfg);
    EXPECT_EQ(b[58], 0xAB);
    EXPECT_EQ(b[59], 0xCD);
    EXPECT_EQ(b[252], 0xE4);
    EXPECT_EQ(b[1], 0x10);
    EXPECT_EQ(b[96], 0xFB);

    cfg.initout3 = false;
    cfg.initout4 = true;
    cfg.store = true;
    cfg.korrektur = -50;
    b = encoded(cfg);
    EXPECT_EQ(b[1], 0x88);
    EXPECT_EQ(b[96], 0xCE);
}

TEST(Encode, TypeRecordMasksAndCodes)
{
    Configuration cfg = newConfig();
    cfg.activeType = typ::Svs3;
    ApplySendertyp(cfg);
    cfg.GeneralCode = 0x123456789AULL;
    cfg.direktmaske = 0xFFFFFFFFFFFFULL;   // bits above 39 are not stored
    cfg.codes[8].address = 0x0102030405ULL;
    Image b = encoded(cfg);
    const quint8 mask[] = {0x50, 0x01, 0xFC, 0xFC, 0x0F};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(b[42 + k], mask[k]);
    EXPECT_EQ(b[84], 0x9A);
    EXPECT_EQ(b[88], 0x12);
    for (int k = 89; k < 94; ++k)
        EXPECT_EQ(b[k], 0xFF);
    EXPECT_EQ(b[37], 0x05);
    EXPECT_EQ(b[41], 0x01);
    EXPECT_EQ(b[68], 40);
    EXPECT_EQ(b[250], 0);
    EXPECT_EQ(b[251], 10);
    EXPECT_EQ(b[255], imageChecksum(b));
}

TEST(Encode, ParallelModeCheck)
{
    Configuration cfg = newConfig();
    cfg.pruefanzahl = 5;
    cfg.setOption(opt::Checksum, true);
    cfg.parallelCodes = true;
    Image b = encoded(cfg);
    EXPECT_EQ(b[82], 1);
    EXPECT_EQ(cfg.pruefanzahl, 1);
    EXPECT_EQ(b[94], 1);
    EXPECT_FALSE(cfg.option(opt::Checksum));

    // Type 16 keeps its checksum option in parallel mode; type 17 does not.
    for (quint16 t : {typ::Uni16, typ::Uni17}) {
        cfg.activeType = t;
        ApplySendertyp(cfg);
        cfg.setOption(opt::Checksum, true);
        EncodeImage(cfg);
        EXPECT_EQ(cfg.option(opt::Checksum), t == typ::Uni16);
    }

    cfg.parallelCodes = false;
    cfg.pruefanzahl = 7;
    b = encoded(cfg);
    EXPECT_EQ(b[82], 0);
    EXPECT_EQ(cfg.pruefanzahl, 7);
}

TEST(Decode, FunctionBytePrecedence)
{
    Configuration before = newConfig();
    before.codes[7].out1 = true;
    Image image = encoded(before);
    image[53] = 0x24;   // slot 6: bit 2 wins
    image[49] = 0xE0;   // slot 2: bit 7 wins over bits 6..5
    image[54] = 0x20;   // slot 7: Ein, no outputs
    image[48] = 0x7B;   // slot 1: Wechsel, all outputs
    image = withChecksum(image);
    before.rxBuffer = image;
    EXPECT_TRUE(DecodeImage(before));
    EXPECT_EQ(before.codes[6].function, FnTastend);
    EXPECT_EQ(before.codes[2].function, FnImpuls);
    EXPECT_EQ(before.codes[7].function, FnEin);
    EXPECT_FALSE(before.codes[7].out1);
    EXPECT_EQ(before.codes[1].function, FnWechsel);
    EXPECT_TRUE(before.codes[1].out1 && before.codes[1].out2 && before.codes[1].out3
                && before.codes[1].out4);
}

TEST(Decode, FlagsAreClearedNotJustSet)
{
    Configuration cfg = newConfig();
    Image image{};
    image[1] = 0xFF;
    cfg.rxBuffer = withChecksum(image);
    DecodeImage(cfg);
    EXPECT_TRUE(cfg.initout1 && cfg.initout2 && cfg.initout3 && cfg.initout4 && cfg.store);
    image[1] = 0;
    cfg.rxBuffer = withChecksum(image);
    DecodeImage(cfg);
    EXPECT_FALSE(cfg.initout1 || cfg.initout2 || cfg.initout3 || cfg.initout4 || cfg.store);
}

TEST(Decode, FirmwareSignedCorrectionAndUnknownType)
{
    Configuration cfg = newConfig();
    cfg.firmware = 517;
    Image image = encoded(cfg);
    cfg.rxBuffer = withChecksum(image);
    DecodeImage(cfg);
    EXPECT_EQ(cfg.firmware, 517);   // 0 in bytes 253..254 leaves it

    image[253] = 0x01;
    image[254] = 0x5D;
    image[96] = 0xCE;
    image[250] = 0x00;
    image[251] = 0x63;
    image[68] = 33;
    cfg.rxBuffer = withChecksum(image);
    DecodeImage(cfg);
    EXPECT_EQ(cfg.firmware, 349);
    EXPECT_EQ(cfg.korrektur, -50);
    EXPECT_EQ(cfg.activeType, 99);
    EXPECT_EQ(cfg.current().typ, 99);
    EXPECT_EQ(cfg.current().bits, 33);
    // An unknown type keeps the decoded parameters.
    ApplySendertyp(cfg);
    EXPECT_EQ(cfg.current().bits, 33);
}

TEST(Decode, SendImageOnlyBytesAreTakenOver)
{
    Configuration cfg = newConfig();
    Image image = encoded(cfg);
    for (int k = 76; k <= 102; ++k)
        image[k] = quint8(k);
    image[200] = 0x77;   // free area: not taken into the send image
    cfg.rxBuffer = withChecksum(image);
    DecodeImage(cfg);
    for (int k = 76; k <= 89; ++k)
        EXPECT_EQ(cfg.sendImage[k], k);
    for (int k = 98; k <= 102; ++k)
        EXPECT_EQ(cfg.sendImage[k], k);
    EXPECT_EQ(cfg.sendImage[200], 0);
    EXPECT_EQ(cfg.readImage[200], 0x77);
    EXPECT_TRUE(cfg.parallelCodes);   // byte 82 = 82
    EXPECT_EQ(cfg.dirshift(), 83);
}

TEST(Decode, ChecksumMismatchIsReportedAndKeepsTheDecodedValues)
{
    Configuration cfg = newConfig();
    cfg.codes[1].address = 0x123;
    Image image = encoded(cfg);
    image[3] ^= 0x01;   // covered byte
    Configuration other = newConfig();
    other.rxBuffer = image;
    EXPECT_FALSE(DecodeImage(other));
    EXPECT_TRUE(other.transfer.transferFailed);
    EXPECT_EQ(other.transfer.transferMessage, QStringLiteral("EEPROM-Fehler (checksum)"));
    EXPECT_EQ(other.codes[1].address, 0x123 ^ 0x100);
}

// The checksum is the sum of bytes 2..223: one byte 0x20 in an image of a new configuration
// (checksum 0x91) makes it 0xB1 where it counts and leaves it 0x91 where it does not.
TEST(Decode, ChecksumCoversBytes2To223Only)
{
    const struct {
        int address;
        bool covered;
    } rows[] = {{0, false}, {1, false}, {2, true}, {103, true}, {223, true}, {224, false},
                {254, false}};
    for (const auto& row : rows) {
        Configuration cfg = newConfig();
        Image image = encoded(cfg);
        ASSERT_EQ(image[img::Checksum], 0x91);
        ASSERT_EQ(image[row.address], 0);
        image[row.address] = 0x20;
        for (const quint8 stored : {quint8(0x91), quint8(0xB1)}) {
            image[img::Checksum] = stored;
            Configuration read = newConfig();
            read.rxBuffer = image;
            const bool sound = (stored == 0xB1) == row.covered;
            EXPECT_EQ(DecodeImage(read), sound) << "byte " << row.address << " checksum "
                                                 << int(stored);
            EXPECT_EQ(read.transfer.transferFailed, !sound) << "byte " << row.address;
        }
    }
}

// Encoding and decoding again reproduces everything that the image can carry.
TEST(Codec, RandomConfigurationsSurviveARoundTrip)
{
    std::mt19937_64 rng(20261207);
    auto pick = [&](quint64 n) { return quint64(rng() % n); };
    auto flip = [&] { return (rng() & 1) != 0; };
    const quint16 types[] = {typ::Aurel4, typ::Aurel2, typ::Aurel1, typ::Svs3,
                             typ::Uni16, typ::Uni17, 0, 99};

    for (int run = 0; run < 3000; ++run) {
        Configuration a = newConfig();
        a.activeType = types[pick(8)];
        if (isKnownType(a.activeType)) {
            ApplySendertyp(a);
        } else {
            TypeRecord& r = a.current();
            r.bits = quint8(pick(256));
            r.corrmain = quint8(pick(256));
            r.refmin = quint8(pick(256));
            r.wait3 = quint8(pick(256));
            r.mask = rng() & ((quint64(1) << 40) - 1);
            r.typ = a.activeType;
        }
        for (int i = 1; i <= 8; ++i) {
            CodeSlot& s = a.codes[i];
            s.address = rng();
            s.out1 = flip();
            s.out2 = flip();
            s.out3 = flip();
            s.out4 = flip();
            s.function = quint8(pick(6));
            if (i <= 4) {
                s.timeCount = quint16(pick(65536));
                s.timeRaster = flip();
                s.timebase = quint8(pick(4));
            }
        }
        a.pruefanzahl = int(1 + pick(99));
        a.korrektur = int(pick(101)) - 50;
        a.sperrzeit = int(pick(256));
        a.store = flip();
        a.initout1 = flip();
        a.initout2 = flip();
        a.initout3 = flip();
        a.initout4 = flip();
        a.GeneralCode = rng();
        a.direktmaske = rng();
        a.parallelCodes = flip();
        a.firmware = quint16(pick(65536));
        for (int k = 76; k <= 81; ++k)
            a.sendImage[k] = quint8(pick(256));
        a.sendImage[img::Dirshift] = quint8(pick(41));
        a.sendImage[img::CheckBits] = quint8(pick(9));
        a.setTimeOut(quint16(pick(65536)));
        a.sendImage[img::OptionFlags] = quint8(pick(8));

        EncodeImage(a);   // may lower pruefanzahl and clear the checksum option
        Configuration b = newConfig();
        b.firmware = a.firmware;   // bytes 253..254 are 0 in an encoded image
        b.rxBuffer = a.txBuffer;
        ASSERT_TRUE(DecodeImage(b)) << "run " << run;

        const quint64 low40 = (quint64(1) << 40) - 1;
        for (int i = 1; i <= 8; ++i) {
            CodeSlot want = a.codes[i];
            want.address &= low40;
            if (i > 4 && want.function >= FnTastend)
                want.function = FnKeine;
            if (i > 4) {
                want.timeCount = 1;
                want.timeRaster = false;
                want.timebase = 0;
            }
            EXPECT_EQ(b.codes[i], want) << "run " << run << " slot " << i;
        }
        EXPECT_EQ(b.current(), a.current()) << "run " << run;
        EXPECT_EQ(b.activeType, a.activeType);
        EXPECT_EQ(b.pruefanzahl, a.pruefanzahl);
        EXPECT_EQ(b.korrektur, a.korrektur);
        EXPECT_EQ(b.sperrzeit, a.sperrzeit);
        EXPECT_EQ(b.store, a.store);
        EXPECT_EQ(b.initout1, a.initout1);
        EXPECT_EQ(b.initout2, a.initout2);
        EXPECT_EQ(b.initout3, a.initout3);
        EXPECT_EQ(b.initout4, a.initout4);
        EXPECT_EQ(b.GeneralCode, a.GeneralCode & low40);
        EXPECT_EQ(b.direktmaske, a.direktmaske & low40);
        EXPECT_EQ(b.parallelCodes, a.parallelCodes);
        for (int k = 76; k <= 101; ++k) {
            if (k < 90 || k > 97) {
                EXPECT_EQ(b.sendImage[k], a.sendImage[k]) << "byte " << k;
            }
        }
        if (HasFailure())
            break;
    }
}
