// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// What the display refresh does to the configuration, and the taking over of a transfer
// result: decode, firmware check, counter and address advance.
#include "config/Configuration.h"
#include "config/ImageCodec.h"
#include "config/Refresh.h"

#include <gtest/gtest.h>

using namespace fbe;

namespace {

Configuration fresh()
{
    Configuration cfg;
    NeueDatei(cfg);
    return cfg;
}

void selectType(Configuration& cfg, quint16 code)
{
    cfg.activeType = code;
    cfg.current() = cfg.types[code];
}

// A receive buffer holding the image of src as a module would return it.
void putReadBack(Configuration& cfg, Configuration src, quint16 firmware = 0x0205)
{
    EncodeImage(src);
    cfg.rxBuffer = src.txBuffer;
    cfg.rxBuffer[img::Firmware] = quint8(firmware >> 8);
    cfg.rxBuffer[img::Firmware + 1] = quint8(firmware & 0xFF);
}

// The end of a run as the transfer leaves it: a programming run (write) is marked
// programmed unless it failed; written tells whether a write command had gone out.
void finishRun(Configuration& cfg, bool write, bool failed,
               const QString& message = QStringLiteral("Übertragung erfolgreich"),
               bool written = true)
{
    cfg.transfer.resultPending = true;
    cfg.transfer.writeRun = write;
    cfg.transfer.moduleWritten = write && written;
    cfg.transfer.programmed = write && !failed;
    cfg.transfer.transferFailed = failed;
    cfg.transfer.transferMessage = message;
}

}  // namespace

TEST(NormaliseCodeArea, CutsAddressesToTheMaskAndKeepsNoClearedBits)
{
    Configuration cfg = fresh();   // type 1, mask 0xFFF
    cfg.codes[1].address = 0x1234;
    cfg.codes[8].address = (quint64(1) << 40) - 1;
    NormaliseCodeArea(cfg);
    EXPECT_EQ(cfg.codes[1].address, 0x234u);
    EXPECT_EQ(cfg.codes[8].address, 0xFFFu);
    EXPECT_EQ(cfg.maxAddress, 4095u);

    // Back to a 40-bit type: the cleared bits stay cleared.
    selectType(cfg, typ::Uni16);
    NormaliseCodeArea(cfg);
    EXPECT_EQ(cfg.codes[8].address, 0xFFFu);
    EXPECT_EQ(cfg.maxAddress, (quint64(1) << 40) - 1);

    // The SVS mask keeps only its switch and key bits.
    selectType(cfg, typ::Svs3);
    cfg.codes[2].address = (quint64(1) << 40) - 1;
    NormaliseCodeArea(cfg);
    EXPECT_EQ(cfg.codes[2].address, 0xFFCFC0150ULL);
}

TEST(NormaliseCodeArea, CodeLengthOfProgrammableTypesStaysWithTheType)
{
    Configuration cfg = fresh();
    selectType(cfg, typ::Uni16);
    cfg.current().bits = 24;
    NormaliseCodeArea(cfg);
    EXPECT_EQ(cfg.types[typ::Uni16].bits, 24);

    // Another type active: its table entry is not touched.
    selectType(cfg, typ::Aurel4);
    cfg.current().bits = 30;
    NormaliseCodeArea(cfg);
    EXPECT_EQ(cfg.types[typ::Aurel4].bits, 12);
    ApplySendertyp(cfg);
    EXPECT_EQ(cfg.current().bits, 12);

    // Selecting type 16 again brings its own length back.
    selectType(cfg, typ::Uni16);
    EXPECT_EQ(cfg.current().bits, 24);
}

TEST(NormaliseCodeArea, InterlockUnionAndFlagsThatCannotApply)
{
    Configuration cfg = fresh();
    // OUT 3 - OUT 4 interlocked; byte 80 is stale.
    cfg.sendImage[78] = 0x08;
    cfg.sendImage[79] = 0x10;
    cfg.sendImage[80] = 0x01;
    cfg.setOption(opt::Checksum, true);
    cfg.setOption(opt::Direkt, true);
    cfg.setOption(opt::NotAus, true);
    NormaliseCodeArea(cfg);
    EXPECT_EQ(cfg.sendImage[80], 0x18);
    // Type 1 has no checksum; fixed codes have no direct output; the emergency stop stays.
    EXPECT_FALSE(cfg.option(opt::Checksum));
    EXPECT_FALSE(cfg.option(opt::Direkt));
    EXPECT_TRUE(cfg.option(opt::NotAus));

    for (quint16 t : {typ::Uni16, typ::Uni17}) {
        selectType(cfg, t);
        cfg.setOption(opt::Checksum, true);
        NormaliseCodeArea(cfg);
        EXPECT_TRUE(cfg.option(opt::Checksum)) << t;
    }
}

TEST(NormaliseCodeArea, DirectOutputForcesCodeOneOffAndCodeTwoOn)
{
    Configuration cfg = fresh();
    cfg.codes[1].function = FnImpuls;
    cfg.codes[2].function = FnWechsel;
    cfg.codes[3].function = FnWechsel;
    cfg.parallelCodes = true;
    cfg.setOption(opt::Direkt, true);
    NormaliseCodeArea(cfg);
    EXPECT_TRUE(cfg.option(opt::Direkt));
    EXPECT_EQ(cfg.codes[1].function, FnAus);
    EXPECT_EQ(cfg.codes[2].function, FnEin);
    EXPECT_EQ(cfg.codes[3].function, FnWechsel);

    // Leaving parallel mode clears direct output; the forced functions remain.
    cfg.parallelCodes = false;
    NormaliseCodeArea(cfg);
    EXPECT_FALSE(cfg.option(opt::Direkt));
    EXPECT_EQ(cfg.codes[1].function, FnAus);
}

TEST(NormaliseBasics, StoreClearsStartStatesAndValuesAreBounded)
{
    Configuration cfg = fresh();
    cfg.initout1 = cfg.initout2 = cfg.initout3 = cfg.initout4 = true;
    NormaliseBasics(cfg);
    EXPECT_TRUE(cfg.initout1 && cfg.initout2 && cfg.initout3 && cfg.initout4);
    cfg.store = true;
    NormaliseBasics(cfg);
    EXPECT_FALSE(cfg.initout1 || cfg.initout2 || cfg.initout3 || cfg.initout4);
    EXPECT_TRUE(cfg.store);

    struct Case {
        int pruef, korr, sperr;
        int pruefOut, korrOut, sperrOut;
    };
    const Case cases[] = {
        {0, 51, 256, 1, 50, 255},
        {150, -51, -3, 99, -50, 0},
        {3, -5, 25, 3, -5, 25},
        {1, 50, 255, 1, 50, 255},
    };
    for (const Case& c : cases) {
        cfg.pruefanzahl = c.pruef;
        cfg.korrektur = c.korr;
        cfg.sperrzeit = c.sperr;
        NormaliseBasics(cfg);
        EXPECT_EQ(cfg.pruefanzahl, c.pruefOut);
        EXPECT_EQ(cfg.korrektur, c.korrOut);
        EXPECT_EQ(cfg.sperrzeit, c.sperrOut);
    }
}

TEST(NormaliseForRefresh, DecodedParametersOfAKnownTypeGiveWayExceptTheProgrammableLength)
{
    // A read-back of type 16 with a code length of 24 and odd decoder values.
    Configuration src = fresh();
    selectType(src, typ::Uni16);
    src.current().bits = 24;
    src.current().refmin = 99;
    Configuration cfg = fresh();
    putReadBack(cfg, src);
    ASSERT_TRUE(DecodeImage(cfg));
    NormaliseForRefresh(cfg);
    EXPECT_EQ(cfg.activeType, typ::Uni16);
    EXPECT_EQ(cfg.current().bits, 24);
    EXPECT_EQ(cfg.current().refmin, 7);

    // An unknown type keeps what the image held.
    src = fresh();
    src.current().typ = 99;
    src.activeType = 99;
    src.current().refmin = 33;
    cfg = fresh();
    putReadBack(cfg, src);
    ASSERT_TRUE(DecodeImage(cfg));
    NormaliseForRefresh(cfg);
    EXPECT_EQ(cfg.activeType, 99);
    EXPECT_EQ(cfg.current().refmin, 33);
}

// A read-back of a known type whose image carries a wider mask than the type's own: the
// refresh imposes the type's parameters and then cuts the addresses to its mask, as the main
// window shows them, so that what is programmed next is what the window showed.
TEST(NormaliseForRefresh, AddressesFollowTheMaskThatTheTypeImposes)
{
    Configuration src = fresh();
    src.current().mask = (quint64(1) << 40) - 1;   // type 1 (12 bits) with a 40-bit mask
    src.codes[1].address = 0xABCDE;
    src.codes[1].function = FnEin;
    Configuration cfg = fresh();
    putReadBack(cfg, src);
    ASSERT_TRUE(DecodeImage(cfg));
    ASSERT_EQ(cfg.codes[1].address, 0xABCDEu);
    NormaliseForRefresh(cfg);
    EXPECT_EQ(cfg.current().mask, 0xFFFu);
    EXPECT_EQ(cfg.codes[1].address, 0xCDEu);
    EncodeImage(cfg);
    const Image first = cfg.txBuffer;
    NormaliseForRefresh(cfg);
    EncodeImage(cfg);
    EXPECT_EQ(cfg.txBuffer, first);
}

TEST(NormaliseForRefresh, EncodesTheSameImageTwice)
{
    Configuration cfg = fresh();
    cfg.codes[1].address = 0xABCDE;
    cfg.codes[1].function = FnEin;
    cfg.store = true;
    cfg.initout2 = true;
    cfg.sendImage[76] = 0x02;
    cfg.sendImage[77] = 0x01;
    NormaliseForRefresh(cfg);
    EncodeImage(cfg);
    const Image first = cfg.txBuffer;
    NormaliseForRefresh(cfg);
    EncodeImage(cfg);
    EXPECT_EQ(cfg.txBuffer, first);
    EXPECT_EQ(first[2], 0xDE);
    EXPECT_EQ(first[3], 0x0C);   // cut to 12 bits: 0xCDE
    EXPECT_EQ(first[1], 0x80);   // store on, start states off
    EXPECT_EQ(first[80], 0x03);
}

TEST(Firmware, KnownRangeAndWarningTexts)
{
    EXPECT_EQ(checkFirmware(0), FirmwareWarning::None);
    EXPECT_EQ(checkFirmware(348), FirmwareWarning::Older);
    EXPECT_EQ(checkFirmware(349), FirmwareWarning::None);
    EXPECT_EQ(checkFirmware(521), FirmwareWarning::None);
    EXPECT_EQ(checkFirmware(522), FirmwareWarning::Newer);
    EXPECT_TRUE(firmwareWarningLines(FirmwareWarning::None).isEmpty());
    const QStringList older = firmwareWarningLines(FirmwareWarning::Older);
    ASSERT_EQ(older.size(), 3);
    EXPECT_EQ(older[0], QStringLiteral("ACHTUNG!!!"));
    EXPECT_EQ(older[1], QStringLiteral("Es wurde eine ältere Firmware des Moduls erkannt! Diese "
                                       "Software ist hierzu nicht kompatibel."));
    const QStringList newer = firmwareWarningLines(FirmwareWarning::Newer);
    ASSERT_EQ(newer.size(), 4);
    EXPECT_EQ(newer[2], QStringLiteral("Eventuell wird die Konfiguration nicht korrekt übertragen!"));
    EXPECT_EQ(newer[3], QStringLiteral("Bitte laden Sie sich die aktuellste Software im Internet "
                                       "herunter oder kontaktieren sie uns!"));
}

TEST(TakeTransferResult, NothingPendingChangesNothing)
{
    Configuration cfg = fresh();
    cfg.transfer.programmed = true;
    cfg.progcounter = 4;
    const TransferOutcome out = TakeTransferResult(cfg);
    EXPECT_FALSE(out.taken);
    EXPECT_EQ(cfg.progcounter, 4);
    EXPECT_TRUE(cfg.transfer.programmed);
}

TEST(TakeTransferResult, ProgrammedRunCountsAndAdvancesWrappingWithinTheMask)
{
    Configuration cfg = fresh();   // 12-bit type
    cfg.codes[1].address = 4095;
    cfg.codes[1].function = FnEin;
    cfg.codes[2].address = 0;
    cfg.codes[2].function = FnAus;
    cfg.codes[3].address = 100;
    cfg.codes[3].function = FnWechsel;
    cfg.offset[1] = 1;
    cfg.offset[2] = -1;
    cfg.offset[3] = -200;
    cfg.progcounter = 9;
    putReadBack(cfg, cfg, 0x0205);
    finishRun(cfg, true, false);

    const TransferOutcome out = TakeTransferResult(cfg);
    EXPECT_TRUE(out.taken);
    EXPECT_FALSE(out.failed);
    EXPECT_TRUE(out.counted);
    EXPECT_EQ(out.message, QStringLiteral("Übertragung erfolgreich"));
    EXPECT_EQ(out.firmwareWarning, FirmwareWarning::None);
    EXPECT_EQ(cfg.progcounter, 10);
    EXPECT_EQ(cfg.codes[1].address, 0u);
    EXPECT_EQ(cfg.codes[2].address, 4095u);
    EXPECT_EQ(cfg.codes[3].address, quint64(100 - 200 + 4096));
    EXPECT_FALSE(cfg.transfer.resultPending);
    EXPECT_FALSE(cfg.transfer.programmed);
    EXPECT_EQ(cfg.firmware, 0x0205);

    // Taken once only.
    EXPECT_FALSE(TakeTransferResult(cfg).taken);
    EXPECT_EQ(cfg.progcounter, 10);
}

TEST(TakeTransferResult, ProgrammableAddressesWrapWithinTheCodeLength)
{
    Configuration cfg = fresh();
    selectType(cfg, typ::Uni16);
    cfg.codes[1].address = (quint64(1) << 40) - 1;
    cfg.offset[1] = 1;
    cfg.codes[2].address = 0;
    cfg.offset[2] = -1;
    putReadBack(cfg, cfg);
    finishRun(cfg, true, false);
    TakeTransferResult(cfg);
    EXPECT_EQ(cfg.codes[1].address, 0u);
    EXPECT_EQ(cfg.codes[2].address, (quint64(1) << 40) - 1);

    // With a shorter code length the addresses wrap within it, never beyond the largest
    // address the transmitter can send.
    cfg.current().bits = 12;
    cfg.codes[1].address = 4095;
    cfg.codes[2].address = 0;
    putReadBack(cfg, cfg);
    finishRun(cfg, true, false);
    TakeTransferResult(cfg);
    EXPECT_EQ(cfg.codes[1].address, 0u);
    EXPECT_EQ(cfg.codes[2].address, 4095u);
}

// Whatever the way a run fails, the configuration stays as it was (the user's own before a
// read, the one sent before a programming run); the message's second line says so, or that
// the module has to be programmed again once a write command had gone out.
TEST(TakeTransferResult, FailedRunKeepsTheConfigurationAndSaysWhatTheModuleHolds)
{
    const QString unchanged = QStringLiteral("\n Konfiguration unverändert");
    const QString incomplete =
        QStringLiteral("\n Modul unvollständig programmiert - bitte erneut programmieren");
    const QString checksum = QStringLiteral("EEPROM-Fehler (checksum)");
    struct Case {
        const char* name;
        bool write;
        bool failed;        // failed in the transfer itself (else: bad checksum)
        bool written;       // a write command had gone out
        QString message;    // the transfer's own
        QString shown;
    };
    const QString success = QStringLiteral("Übertragung erfolgreich");
    const QString noReply = QStringLiteral("keine Antwort --> Abbruch");
    const QString identify = QStringLiteral("Fehler bei Geräte-Identifizierung! ");
    const std::vector<Case> cases{
        {"read, checksum", false, false, false, success, checksum + unchanged},
        {"read, no reply", false, true, false, noReply, noReply + unchanged},
        {"write, identification", true, true, false, identify, identify},
        {"write, broken off", true, true, true, noReply, noReply + incomplete},
        {"write, checksum after all", true, false, true, success, checksum + incomplete},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Configuration cfg = fresh();
        cfg.codes[1].address = 77;
        cfg.codes[1].function = FnEin;
        cfg.offset[1] = 1;
        cfg.progcounter = 5;
        cfg.firmware = 0x0201;
        Configuration module = fresh();
        module.codes[1].address = 1000;
        module.pruefanzahl = 9;
        putReadBack(cfg, module, 0x0205);
        if (!c.failed)
            cfg.rxBuffer[img::Checksum] ^= 0x55;
        finishRun(cfg, c.write, c.failed, c.message, c.written);
        const Configuration before = cfg;

        const TransferOutcome out = TakeTransferResult(cfg);
        EXPECT_TRUE(out.failed);
        EXPECT_FALSE(out.counted);
        EXPECT_EQ(out.message, c.shown);
        EXPECT_EQ(cfg.transfer.transferMessage, c.shown);
        EXPECT_EQ(cfg.codes, before.codes);
        EXPECT_EQ(cfg.pruefanzahl, before.pruefanzahl);
        EXPECT_EQ(cfg.readImage, before.readImage);
        EXPECT_EQ(cfg.firmware, 0x0201);
        EXPECT_EQ(cfg.progcounter, 5);
        EXPECT_FALSE(cfg.transfer.programmed);
    }
}

TEST(TakeTransferResult, FirmwareIsCheckedAfterAFailedRunWithTheLastKnownVersion)
{
    Configuration cfg = fresh();
    cfg.firmware = 522;
    finishRun(cfg, false, true, QStringLiteral("Fehler bei Geräte-Identifizierung! "));
    EXPECT_EQ(TakeTransferResult(cfg).firmwareWarning, FirmwareWarning::Newer);

    cfg.firmware = 0;
    finishRun(cfg, false, true, QStringLiteral("keine Antwort --> Abbruch"));
    EXPECT_EQ(TakeTransferResult(cfg).firmwareWarning, FirmwareWarning::None);
}
