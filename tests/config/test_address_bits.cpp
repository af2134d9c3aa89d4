// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Address arithmetic of the transmitter dialogs and the reading of the entries of the system
// and programmable-transmitter dialogs.
#include "config/AddressBits.h"
#include "config/AddressLimit.h"
#include "config/Configuration.h"

#include <gtest/gtest.h>

using namespace fbe;
using namespace fbe::addr;

namespace {
QString S(const char* text) { return QString::fromUtf8(text); }
constexpr quint64 All64 = ~quint64(0);
}  // namespace

TEST(AddressBits, MaximumAddressNeverOverflows)
{
    EXPECT_EQ(maxAddressForBits(12), 4095u);
    EXPECT_EQ(maxAddressForBits(40), 1099511627775u);
    EXPECT_EQ(maxAddressForBits(63), 0x7FFFFFFFFFFFFFFFu);
    EXPECT_EQ(maxAddressForBits(64), All64);
    EXPECT_EQ(maxAddressForBits(200), All64);
    // Compared unsigned: an address with bit 63 set is above every shorter limit, and
    // nothing is above the limit of 64 bits and more.
    EXPECT_EQ(limitAddress(All64, 12), 4095u);
    EXPECT_EQ(limitAddress(quint64(1) << 63, 63), 0x7FFFFFFFFFFFFFFFu);
    EXPECT_EQ(limitAddress(All64, 64), All64);
    EXPECT_EQ(limitAddress(12345, 200), 12345u);
    EXPECT_EQ(limitAddress(5000, 12), 4095u);
    EXPECT_EQ(limitAddress(1000, 8), 255u);
}

TEST(AddressBits, KeyTransmitterBits)
{
    EXPECT_EQ(toggleBit(0, 11), 2048);
    EXPECT_EQ(toggleBit(4095, 11), 2047);
    EXPECT_EQ(toggleBit(4095, 0), 4094);
    EXPECT_TRUE(bitSet(4, 2));
    EXPECT_FALSE(bitSet(4, 1));
    // A key clears the key bits and everything above bit 11, then adds its value.
    EXPECT_EQ(chooseKey(4095, 0xFF9, 0), 4089);
    EXPECT_EQ(chooseKey(4095, 0xFF9, 6), 4095);
    EXPECT_EQ(chooseKey(0x12345, 0xFF9, 2), 0x343);
    EXPECT_EQ(chooseKey(-1, 0xFFD, 2), 4095);
    EXPECT_EQ(keyBits(0xFFF, 0xFF9), 6);
    EXPECT_EQ(keyBits(0x1002, 0xFFD), 2);
    // The working address is the low 32 bits; written back it is sign-extended.
    EXPECT_EQ(workingFromSlot(0x123456789ull), 0x23456789);
    EXPECT_EQ(workingFromSlot(0x180000000ull), qint32(0x80000000u));
    EXPECT_EQ(slotFromWorking(qint32(0x80000000u)), 0xFFFFFFFF80000000ull);
    EXPECT_EQ(slotFromWorking(4095), 4095u);
}

TEST(AddressBits, SvsSwitchPairsAreTheType10Mask)
{
    quint64 bits = 0;
    for (int n = 1; n <= SvsSwitches; ++n)
        bits |= quint64(3) << svsLowBit(n);
    bits |= (quint64(1) << SvsKeyUpper) | (quint64(1) << SvsKeyMiddle) | (quint64(1) << SvsKeyLower);
    EXPECT_EQ(bits, defaultTypeRecord(typ::Svs3).mask);
    EXPECT_EQ(svsLowBit(1), 34);
    EXPECT_EQ(svsLowBit(5), 26);
    EXPECT_EQ(svsLowBit(6), 22);
    EXPECT_EQ(svsLowBit(8), 18);
}

TEST(AddressBits, SvsSwitchCycle)
{
    const quint64 m1 = quint64(3) << 34;
    // Right -> middle on either half; middle -> left or right by the half clicked.
    quint64 a = svsAdvance(0, 1, true);
    EXPECT_EQ(svsPosition(a, 1), SvsPosition::Middle);
    EXPECT_EQ(a, quint64(1) << 34);
    EXPECT_EQ(svsAdvance(0, 1, false), a);
    EXPECT_EQ(svsAdvance(a, 1, true), m1);
    EXPECT_EQ(svsAdvance(a, 1, false), 0u);
    // Left -> middle.
    EXPECT_EQ(svsAdvance(m1, 1, false), a);
    // "1, 0" does not react, not even by clearing the high bits.
    const quint64 blocked = (quint64(1) << 35) | (quint64(1) << 45);
    EXPECT_EQ(svsPosition(blocked, 1), SvsPosition::Blocked);
    EXPECT_EQ(svsAdvance(blocked, 1, true), blocked);
    // A change clears bits 40 and up and leaves the other low bits alone.
    const quint64 other = (quint64(1) << 50) | 0x1F | (quint64(1) << 39);
    EXPECT_EQ(svsAdvance(other, 8, true), 0x1Fu | (quint64(1) << 39) | (quint64(1) << 18));
}

TEST(AddressBits, SvsKeys)
{
    const quint64 keys = (1u << 8) | (1u << 6) | (1u << 4);
    quint64 a = keys;
    a = svsSetKey(a, SvsKeyUpper, true);
    a = svsSetKey(a, SvsKeyMiddle, true);
    a = svsSetKey(a, SvsKeyLower, true);
    EXPECT_EQ(a, 0u);
    a = svsSetKey(quint64(1) << 41, SvsKeyLower, false);
    EXPECT_EQ(a, quint64(1) << 4);
}

TEST(AddressBits, CodeLengthEntry)
{
    EXPECT_EQ(codeLengthFromText(S("12")), 12);
    EXPECT_EQ(codeLengthFromText(S(" 7 ")), 7);
    EXPECT_EQ(codeLengthFromText(S("0")), 1);
    for (const char* t : {"41", "99", "300", "-3", "x", "", "99999999999999999999"})
        EXPECT_EQ(codeLengthFromText(S(t)), 40) << t;
}

TEST(AddressBits, AddressEntry)
{
    EXPECT_EQ(addressFromText(S("   4095")).value, 4095u);
    EXPECT_FALSE(addressFromText(S("   4095")).beep);
    for (const char* t : {"abc", "", "12x", "-5", "-99999999999999999999"}) {
        const Entry e = addressFromText(S(t));
        EXPECT_EQ(e.value, 0u) << t;
        EXPECT_TRUE(e.beep) << t;
    }
    EXPECT_EQ(addressFromText(S("18446744073709551615")).value, All64);
    EXPECT_EQ(addressFromText(S("99999999999999999999")).value, All64);
}

TEST(AddressBits, ByteEntry)
{
    EXPECT_EQ(byteFromText(S("300")).value, 255u);
    EXPECT_EQ(byteFromText(S("-5")).value, 0u);
    EXPECT_FALSE(byteFromText(S("-5")).beep);
    EXPECT_EQ(byteFromText(S(" 42")).value, 42u);
    EXPECT_EQ(byteFromText(S("x")).value, 0u);
    EXPECT_TRUE(byteFromText(S("x")).beep);
    EXPECT_TRUE(byteFromText(S("")).beep);
    EXPECT_EQ(byteFromText(S("99999999999999999999")).value, 255u);
}

TEST(AddressBits, MaskTextStopsAtTheFirstNonDigit)
{
    EXPECT_EQ(maskFromText(S("1111")), quint64(0xF) << 36);
    EXPECT_EQ(maskFromText(S("1111 111111111111111111111111111111111")), quint64(0xF) << 36);
    EXPECT_EQ(maskFromText(S("1211")), (quint64(1) << 39) | (quint64(3) << 36));
    EXPECT_EQ(maskFromText(QString(40, QLatin1Char('1'))), (quint64(1) << 40) - 1);
    EXPECT_EQ(maskFromText(QString(45, QLatin1Char('1'))), (quint64(1) << 40) - 1);
    EXPECT_EQ(maskFromText(S("x111")), 0u);
    EXPECT_EQ(padded(7, 3, QLatin1Char(' ')), S("  7"));
    EXPECT_EQ(padded(All64, 2, QLatin1Char(' ')), S("18446744073709551615"));
}

// Every change to a used code's address is named with its old and new value; used codes that
// came to share an address through it are named once more, each group once.
TEST(AddressChanges, NameEveryUsedCodeAndTheAddressesNowShared)
{
    const struct {
        std::vector<std::array<quint64, 4>> codes;   // code, before, after, used
        QStringList lines;
    } cases[] = {
        {{{1, 3000, 1023, 1}, {2, 3500, 1023, 1}},
         {S(" Adressen begrenzt: CODE 1 3000 --> 1023, CODE 2 3500 --> 1023"),
          S(" gleiche Adresse: CODE 1 und CODE 2")}},
        {{{3, 3000, 1023, 0}}, {}},
        {{{1, 3000, 1023, 1}, {2, 1023, 1023, 0}}, {S(" Adressen begrenzt: CODE 1 3000 --> 1023")}},
        {{{4, 3000, 1023, 1}, {7, 3000, 1023, 1}},
         {S(" Adressen begrenzt: CODE 4 3000 --> 1023, CODE 7 3000 --> 1023")}},
        {{{1, 5000, 4095, 1}, {2, 4095, 4095, 1}, {4, 6000, 4095, 1}, {6, 1099511627775, 9, 1},
          {8, 9, 9, 1}},
         {S(" Adressen begrenzt: CODE 1 5000 --> 4095, CODE 4 6000 --> 4095, "
            "CODE 6 1099511627775 --> 9"),
          S(" gleiche Adresse: CODE 1, CODE 2 und CODE 4; CODE 6 und CODE 8")}},
    };
    for (const auto& c : cases) {
        CodeSlots before{}, after{};
        for (size_t n = 1; n <= 8; ++n)
            before[n].address = after[n].address = 100 + n;
        for (const auto& [n, was, is, used] : c.codes) {
            before[n].address = was;
            after[n].address = is;
            after[n].function = used ? FnEin : FnKeine;
        }
        EXPECT_EQ(AddressChangeLines(before, after), c.lines) << c.lines.join('|').toStdString();
    }
}
