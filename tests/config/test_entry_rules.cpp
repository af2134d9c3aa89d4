// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and bounding of the basic settings' fields and of the code editor's entries.
#include "config/CodeEntry.h"
#include "config/FieldEntry.h"

#include <gtest/gtest.h>

using namespace fbe;

namespace {
QString S(const char* text) { return QString::fromUtf8(text); }

CodeSlot slotOf(quint16 count, bool coarse, quint8 timebase)
{
    CodeSlot s;
    s.timeCount = count;
    s.timeRaster = coarse;
    s.timebase = timebase;
    return s;
}

// Steps and raster of a typed time, as "count@10ms" or "count@2s".
std::string typed(const char* text, quint8 timebase)
{
    const TimeSetting t = readDuration(S(text), timebase);
    return std::to_string(t.count) + (t.coarse ? "@2s" : "@10ms") + (t.beep ? "+beep" : "");
}
}  // namespace

TEST(EntryRules, IntegersTakeSignAndBlanksOnly)
{
    EXPECT_EQ(readInteger(S("  42")), 42);
    EXPECT_EQ(readInteger(S("-7 ")), -7);
    EXPECT_EQ(readInteger(S("+3")), 3);
    EXPECT_FALSE(readInteger(S("")));
    EXPECT_FALSE(readInteger(S("-")));
    EXPECT_FALSE(readInteger(S("1 2")));
    EXPECT_FALSE(readInteger(S("2,5")));
    EXPECT_FALSE(readInteger(S("abc")));
    EXPECT_EQ(readInteger(S("-9223372036854775808")), std::numeric_limits<qint64>::min());
    EXPECT_EQ(readInteger(S("99999999999999999999")), std::numeric_limits<qint64>::max());
    EXPECT_EQ(readInteger(S("-99999999999999999999")), std::numeric_limits<qint64>::min());
}

TEST(EntryRules, MillisecondsRoundHalfToEvenUnit)
{
    EXPECT_EQ(msToUnits(25), 2);
    EXPECT_EQ(msToUnits(35), 4);
    EXPECT_EQ(msToUnits(5), 0);
    EXPECT_EQ(msToUnits(15), 2);
    EXPECT_EQ(msToUnits(26), 3);
    EXPECT_EQ(msToUnits(-30), 0);
}

TEST(EntryRules, LockAndSwitchOverTimes)
{
    auto shown = [](const char* text) {
        const FieldValue v = entryTenMsByte(S(text));
        return tenMsText(v.value) + (v.beep ? S("+beep") : QString());
    };
    EXPECT_EQ(shown("25"), S("  20"));
    EXPECT_EQ(shown("35"), S("  40"));
    EXPECT_EQ(shown("2555"), S("2550"));
    EXPECT_EQ(shown("9999"), S("2550"));
    EXPECT_EQ(shown("3000"), S("2550"));
    EXPECT_EQ(shown("abc"), S("   0+beep"));
    EXPECT_EQ(shown("-40"), S("   0"));
}

TEST(EntryRules, EmergencyOffTime)
{
    FieldValue v = entryTimeOut(S("999999"));
    EXPECT_EQ(v.value, 65535);
    EXPECT_EQ(timeOutText(v.value), S("655350"));
    v = entryTimeOut(S("1000"));
    EXPECT_EQ(v.value, 100);
    EXPECT_EQ(timeOutText(v.value), S("001000"));
    v = entryTimeOut(S("x"));
    EXPECT_TRUE(v.beep);
    EXPECT_EQ(timeOutText(v.value), S("000000"));
}

TEST(EntryRules, CheckCountAndCorrectionWithArrows)
{
    EXPECT_EQ(pruefanzahlText(entryPruefanzahl(S("0")).value), S(" 1"));
    EXPECT_EQ(pruefanzahlText(entryPruefanzahl(S("150")).value), S("99"));
    EXPECT_EQ(pruefanzahlText(entryPruefanzahl(S("12345678901234567")).value), S("99"));
    FieldValue v = entryPruefanzahl(S("drei"));
    EXPECT_TRUE(v.beep);
    EXPECT_EQ(v.value, 1);
    EXPECT_EQ(stepPruefanzahl(S("99"), true).value, 99);
    EXPECT_EQ(stepPruefanzahl(S(" 1"), false).value, 1);
    EXPECT_EQ(stepPruefanzahl(S(" 3"), true).value, 4);
    v = stepPruefanzahl(S("?"), true);
    EXPECT_TRUE(v.beep);
    EXPECT_EQ(v.value, 2);

    EXPECT_EQ(korrekturText(entryKorrektur(S("-80")).value), S("-50"));
    EXPECT_EQ(korrekturText(entryKorrektur(S("7")).value), S("  7"));
    EXPECT_EQ(entryKorrektur(S("")).value, 1);
    EXPECT_EQ(stepKorrektur(S(""), false).value, -1);
    EXPECT_EQ(stepKorrektur(S("50"), true).value, 50);
}

TEST(EntryRules, ParallelCodeFieldsAndCodeLength)
{
    EXPECT_EQ(entryCheckBits(S("9")).value, 8);
    const FieldValue x = entryCheckBits(S("x"));
    EXPECT_EQ(x.value, 0);
    EXPECT_FALSE(x.beep);
    EXPECT_EQ(entryDirshift(S("45")).value, 40);
    EXPECT_EQ(entryDirshift(S("-3")).value, 0);
    EXPECT_FALSE(entryDirshift(S("?")).beep);
    EXPECT_EQ(entryDirshift(S("?")).value, 0);
    EXPECT_EQ(dirshiftText(7), S(" 7"));

    EXPECT_EQ(entryBitanzahl(S("0")).value, 1);
    EXPECT_EQ(entryBitanzahl(S("55")).value, 40);
    EXPECT_EQ(entryBitanzahl(S("-1")).value, 40);
    EXPECT_EQ(entryBitanzahl(S("")).value, 40);
    EXPECT_EQ(entryBitanzahl(S("24")).value, 24);
    EXPECT_FALSE(entryBitanzahl(S("")).beep);

    EXPECT_FALSE(entryGeneralDez(S("abc")));
    EXPECT_EQ(entryGeneralDez(S("  4711"))->value, 4711);
    EXPECT_TRUE(entryGeneralDez(S("-1"))->beep);
    EXPECT_EQ(entryGeneralDez(S("-1"))->value, 0);
    EXPECT_EQ(entryGeneralDez(S("2000000000000"))->value, (qint64(1) << 40) - 1);
}

TEST(EntryRules, CounterAndIncrements)
{
    EXPECT_EQ(progcounterText(entryProgcounter(S("7")).value), S("0007"));
    EXPECT_EQ(entryProgcounter(S("-5")).value, 0);
    EXPECT_TRUE(entryProgcounter(S("a")).beep);
    EXPECT_EQ(offsetText(entryOffset(S("-12")).value), S(" -12"));
    EXPECT_TRUE(entryOffset(S("1.5")).beep);
}

TEST(CodeEntryTime, MillisecondEntries)
{
    EXPECT_EQ(typed("0", 0), "1@10ms");
    EXPECT_EQ(typed("9", 0), "1@10ms");
    EXPECT_EQ(typed("25", 0), "2@10ms");
    EXPECT_EQ(typed("35", 0), "4@10ms");
    EXPECT_EQ(typed("655340", 0), "65534@10ms");
    EXPECT_EQ(typed("655350", 0), "328@2s");   // 656000 ms
    EXPECT_EQ(typed("-20", 0), "1@10ms");
    EXPECT_EQ(typed("abc", 0), "1@10ms+beep");
    // Times beyond the fine raster keep their size in ms, up to the coarse maximum.
    EXPECT_EQ(typed("10000000", 0), "5000@2s");
    EXPECT_EQ(typed("99999999", 0), "50000@2s");
}

TEST(CodeEntryTime, OtherUnitsAndDecimalSeparators)
{
    EXPECT_EQ(typed("2,5", 1), "250@10ms");
    EXPECT_EQ(typed("2.5", 1), "250@10ms");
    EXPECT_EQ(typed("0,025", 1), "2@10ms");    // exactly 2.5 steps: to the even step
    EXPECT_EQ(typed("0,035", 1), "4@10ms");
    EXPECT_EQ(typed("1", 3), "1800@2s");
    EXPECT_EQ(typed("100", 3), "65520@2s");
    EXPECT_EQ(typed("99999999", 3), "65520@2s");
    EXPECT_EQ(typed("1", 2), "6000@10ms");
    EXPECT_EQ(typed("x", 1), "100@10ms+beep");
    EXPECT_EQ(typed("-1", 2), "1@10ms");
    EXPECT_EQ(typed("1,2,3", 1), "100@10ms+beep");
    EXPECT_EQ(typed("5", 7), "10@10ms");       // no unit: the default count
}

TEST(CodeEntryTime, ShownTextReadsBackAsTheSameTime)
{
    EXPECT_EQ(durationText(slotOf(150, false, 1)), S("     1,5"));
    EXPECT_EQ(durationText(slotOf(65520, true, 3)), S("    36,4"));
    EXPECT_EQ(durationText(slotOf(1, false, 3)), S("0,000002"));
    EXPECT_EQ(durationText(slotOf(65520, true, 0)), S("131040000"));

    // Leaving the field unchanged must not alter the time, in any unit and raster (up to
    // the longest time the editor sets, 65520 steps of 2 s).
    for (quint8 unit = 0; unit < 4; ++unit) {
        for (bool coarse : {false, true}) {
            for (quint16 count : {1, 2, 7, 150, 1234, 3277, 3278, 40001, 65520, 65534}) {
                if (coarse && count > 65520)
                    continue;
                const CodeSlot before = slotOf(count, coarse, unit);
                const TimeSetting t = readDuration(durationText(before), unit);
                CodeSlot after = before;
                after.timeCount = t.count;
                after.timeRaster = t.coarse;
                EXPECT_EQ(durationMs(after), durationMs(before))
                    << "unit " << int(unit) << " count " << count << " coarse " << coarse;
            }
        }
    }
}

TEST(CodeEntryAddress, LimitsAndStepping)
{
    AddressEntry a = readCodeAddress(S("5000"), 4095);
    EXPECT_EQ(a.address, 4095u);
    EXPECT_TRUE(a.limited);
    EXPECT_TRUE(a.beep);
    a = readCodeAddress(S("4095"), 4095);
    EXPECT_FALSE(a.limited);
    EXPECT_FALSE(a.beep);
    a = readCodeAddress(S("zwölf"), 4095);
    EXPECT_EQ(a.address, 0u);
    EXPECT_TRUE(a.beep);
    EXPECT_FALSE(a.limited);
    a = readCodeAddress(S("-5"), 4095);
    EXPECT_EQ(a.address, 0u);
    EXPECT_TRUE(a.beep);
    // A code length of 64 bits or more allows every address.
    a = readCodeAddress(S("123"), ~quint64(0));
    EXPECT_EQ(a.address, 123u);
    EXPECT_FALSE(a.beep);
    EXPECT_EQ(codeAddressText(4095), S("        4095"));

    EXPECT_EQ(stepSlot(8, true, false), 1);
    EXPECT_EQ(stepSlot(1, false, false), 8);
    EXPECT_EQ(stepSlot(4, true, true), 1);
    EXPECT_EQ(stepSlot(1, false, true), 4);
    EXPECT_EQ(stepSlot(4, true, false), 5);
    // A code beyond 4 in parallel mode steps back into 1..4 both ways.
    EXPECT_EQ(stepSlot(6, true, true), 1);
    EXPECT_EQ(stepSlot(6, false, true), 4);
    EXPECT_EQ(stepSlot(5, false, true), 4);
}
