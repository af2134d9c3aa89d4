// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Number and time texts shared by the codec, the file and the windows.
#include "config/Formatting.h"

#include <gtest/gtest.h>

#include <QLocale>

using namespace fbe;

namespace {
QString timeText(quint16 count, bool coarse, quint8 timebase)
{
    CodeSlot s;
    s.timeCount = count;
    s.timeRaster = coarse;
    s.timebase = timebase;
    return getTimevalue(s);
}
}  // namespace

TEST(TimeValue, UnitsWidthsAndDecimalComma)
{
    // The interface is German whatever the system says.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(timeText(10, false, 0), QStringLiteral("  100ms"));
    EXPECT_EQ(timeText(150, false, 1), QStringLiteral("  1,5s"));
    EXPECT_EQ(timeText(1, false, 0), QStringLiteral("   10ms"));
    EXPECT_EQ(timeText(0, false, 0), QStringLiteral("0,000000ms"));
    // Decimals are cut to eight characters in all; whole numbers keep every digit.
    EXPECT_EQ(timeText(65535, true, 0), QStringLiteral("131070000ms"));
    EXPECT_EQ(timeText(65535, true, 1), QStringLiteral("131070s"));
    EXPECT_EQ(timeText(1, false, 1), QStringLiteral(" 0,01s"));
    EXPECT_EQ(timeText(1000, true, 2), QStringLiteral("33,33333min"));
    EXPECT_EQ(timeText(65535, false, 1), QStringLiteral("655,35s"));
    EXPECT_EQ(timeText(1, false, 2), QStringLiteral("0,000166min"));
    EXPECT_EQ(timeText(1, false, 3), QStringLiteral("0,000002h"));       // fixed form below 0.0001
    // Either side of 0.0001: 350 ms and 360 ms in hours; 30 ms in minutes (0.0005) is general.
    EXPECT_EQ(timeText(35, false, 3), QStringLiteral("0,000097h"));
    EXPECT_EQ(timeText(36, false, 3), QStringLiteral("0,0001h"));
    EXPECT_EQ(timeText(3, false, 2), QStringLiteral("0,0005min"));
    EXPECT_EQ(timeText(1800, true, 3), QStringLiteral("    1h"));
    EXPECT_EQ(timeText(30, true, 2), QStringLiteral("    1min"));
    EXPECT_EQ(timeText(10, false, 7), QStringLiteral("0,000000???"));
    QLocale::setDefault(QLocale::c());
}

TEST(Numbers, PadLeftFormatNumberSplitBytes)
{
    EXPECT_EQ(PadLeft(2, QLatin1Char(' '), 5), QStringLiteral(" 5"));
    EXPECT_EQ(PadLeft(2, QLatin1Char('0'), 93), QStringLiteral("93"));
    EXPECT_EQ(PadLeft(6, QLatin1Char('0'), 1230), QStringLiteral("001230"));
    EXPECT_EQ(PadLeft(2, QLatin1Char(' '), 12345), QStringLiteral("12345"));
    EXPECT_EQ(PadLeft(4, QLatin1Char(' '), -5), QStringLiteral("  -5"));

    EXPECT_EQ(FormatNumber(0, 12, 4095), QStringLiteral("        4095"));
    EXPECT_EQ(FormatNumber(0, 12, 1099511627775ULL), QStringLiteral("1099511627775"));
    EXPECT_EQ(FormatNumber(1, 4, 0xAbC), QStringLiteral("0ABC"));
    EXPECT_EQ(FormatNumber(1, 2, 0x12345), QStringLiteral("12345"));
    EXPECT_EQ(FormatNumber(2, 8, 0x1A5), QStringLiteral("10100101"));   // bit 8 not shown
    EXPECT_EQ(FormatNumber(2, 40, 0xFFCFC0150ULL),
              QStringLiteral("0000111111111100111111000000000101010000"));

    const auto b = SplitBytes(0x0807060504030201ULL);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(b[k], k + 1);
}

TEST(Numbers, ParseBinaryReadsTheFirstDigitAsBit39)
{
    EXPECT_EQ(ParseBinary(QStringLiteral("1")), quint64(1) << 39);
    EXPECT_EQ(ParseBinary(QStringLiteral("101")), (quint64(1) << 39) | (quint64(1) << 37));
    EXPECT_EQ(ParseBinary(FormatNumber(2, 40, 0xFFCFC0150ULL)), 0xFFCFC0150ULL);
    EXPECT_EQ(ParseBinary(QString(45, QLatin1Char('1'))), (quint64(1) << 40) - 1);
    EXPECT_EQ(ParseBinary(QStringLiteral("x1")), 0u);
    EXPECT_EQ(ParseBinary(QStringLiteral("1 1")), quint64(1) << 39);
    EXPECT_EQ(ParseBinary(QStringLiteral("0211")), (quint64(1) << 37) | (quint64(1) << 36));
    EXPECT_EQ(ParseBinary(QString()), 0u);
}

TEST(Numbers, DecimalEntryAndHalfToEven)
{
    EXPECT_EQ(parseDecimal(QStringLiteral("2,5")), 2.5);
    EXPECT_EQ(parseDecimal(QStringLiteral(" 2.5 ")), 2.5);
    EXPECT_EQ(parseDecimal(QStringLiteral("-3")), -3.0);
    EXPECT_FALSE(parseDecimal(QStringLiteral("")));
    EXPECT_FALSE(parseDecimal(QStringLiteral("1,2,3")));
    EXPECT_FALSE(parseDecimal(QStringLiteral("1e5")));
    EXPECT_FALSE(parseDecimal(QStringLiteral("x")));

    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(255.5), 256);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(2.6), 3);
}
