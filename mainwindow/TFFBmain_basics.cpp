// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Editing of the basic settings in place: numeric fields, check boxes, radio pairs and the
// parallel-code fields of the main window.
//
// Each numeric field reads its text when it is left (and on the Enter key), bounds the value,
// stores it and writes it back in its normal form; the reading rules live in
// config/FieldEntry. Settings that the code area shows end with ShowCodeWin.
//
// Every handler is one step of the configuration's history (UndoHistory); a field's own
// typing history goes with the commit.
#include "mainwindow/TFFBmain.h"

#include "config/AddressLimit.h"
#include "config/FieldEntry.h"
#include "config/Formatting.h"
#include "dialogs/Seam.h"
#include "dialogs/Uhinweis.h"
#include "mainwindow/UndoHistory.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace fbe {

namespace {

// Interlock bit of an output in the mask bytes 76..79.
quint8 interlockBit(int out)
{
    switch (out) {
    case 1:
        return 0x01;
    case 2:
        return 0x02;
    case 3:
        return 0x10;
    default:
        return 0x08;
    }
}

// Sets or clears the interlock of outputs a and b in both outputs' mask bytes.
void setInterlock(Configuration& cfg, int a, int b, bool on)
{
    quint8& byteA = cfg.sendImage[img::Interlock + a - 1];
    quint8& byteB = cfg.sendImage[img::Interlock + b - 1];
    if (on) {
        byteA |= interlockBit(b);
        byteB |= interlockBit(a);
    } else {
        byteA &= quint8(~interlockBit(b));
        byteB &= quint8(~interlockBit(a));
    }
}

// Writes a field's normal form; the text set by code is never cut to the typing limit.
void writeBack(QLineEdit* edit, const QString& text)
{
    if (edit && edit->text() != text)
        edit->setText(text);
}

void selectAllOf(QLineEdit* edit)
{
    if (edit)
        edit->selectAll();
}

}  // namespace

// ---- Check count and its arrows ------------------------------------------------------------

void TFFBmain::pruefanzahlExit()
{
    const UndoStep step(history, StepName(Step::Pruefschaerfe), pruefanzahl);
    const FieldValue v = entryPruefanzahl(pruefanzahl->text());
    if (v.beep)
        seam.beep();
    cfg.pruefanzahl = qint32(v.value);
    writeBack(pruefanzahl, pruefanzahlText(v.value));
}

void TFFBmain::pruefanzahlKeyUp()
{
    pruefanzahlExit();
    selectAllOf(pruefanzahl);
}

void TFFBmain::UpDownPruefClick(bool up)
{
    const UndoStep step(history, StepName(Step::Pruefschaerfe));
    const FieldValue v = stepPruefanzahl(pruefanzahl->text(), up);
    if (v.beep)
        seam.beep();
    cfg.pruefanzahl = qint32(v.value);
    writeBack(pruefanzahl, pruefanzahlText(v.value));
}

// ---- Correction (never shown; held within its range by every refresh) ----------------------

void TFFBmain::korrekturExit()
{
    const UndoStep step(history, StepName(Step::Korrektur), korrektur);
    const FieldValue v = entryKorrektur(korrektur->text());
    if (v.beep)
        seam.beep();
    cfg.korrektur = qint32(v.value);
    writeBack(korrektur, korrekturText(v.value));
}

void TFFBmain::UpDownKorrClick(bool up)
{
    const UndoStep step(history, StepName(Step::Korrektur));
    const FieldValue v = stepKorrektur(korrektur->text(), up);
    if (v.beep)
        seam.beep();
    cfg.korrektur = qint32(v.value);
    writeBack(korrektur, korrekturText(v.value));
}

// ---- Times in ms, kept in 10 ms units ------------------------------------------------------

void TFFBmain::sperrzeitExit()
{
    const UndoStep step(history, StepName(Step::Sperrzeit), sperrzeit);
    const FieldValue v = entryTenMsByte(sperrzeit->text());
    if (v.beep)
        seam.beep();
    cfg.sperrzeit = qint32(v.value);
    writeBack(sperrzeit, tenMsText(v.value));
}

void TFFBmain::sperrzeitKeyUp()
{
    sperrzeitExit();
    selectAllOf(sperrzeit);
}

void TFFBmain::umschaltzeitExit()
{
    const UndoStep step(history, StepName(Step::Umschaltzeit), umschaltzeit);
    const FieldValue v = entryTenMsByte(umschaltzeit->text());
    if (v.beep)
        seam.beep();
    cfg.sendImage[img::Umschaltzeit] = quint8(v.value);
    // The refresh shows the stored value; writing it here as well keeps the field right even
    // when the stored value did not change (an entry of 25 over a stored 20).
    writeBack(umschaltzeit, tenMsText(v.value));
    ShowCodeWin();
}

void TFFBmain::umschaltzeitKeyUp()
{
    umschaltzeitExit();
    selectAllOf(umschaltzeit);
}

void TFFBmain::TimeOutExit()
{
    const UndoStep step(history, StepName(Step::NotAusZeit), TimeOut);
    const FieldValue v = entryTimeOut(TimeOut->text());
    if (v.beep)
        seam.beep();
    cfg.setTimeOut(quint16(v.value));
    writeBack(TimeOut, timeOutText(v.value));
    ShowCodeWin();
}

void TFFBmain::TimeOutKeyUp()
{
    TimeOutExit();
    selectAllOf(TimeOut);
}

// ---- Parallel-code numbers and the code length ---------------------------------------------

void TFFBmain::CheckBitsExit()
{
    const UndoStep step(history, StepName(Step::CheckBits), CheckBits);
    const FieldValue v = entryCheckBits(CheckBits->text());
    cfg.sendImage[img::CheckBits] = quint8(v.value);
    writeBack(CheckBits, QString::number(v.value));
    ShowCodeWin();
}

void TFFBmain::CheckBitsKeyUp()
{
    CheckBitsExit();
    selectAllOf(CheckBits);
}

void TFFBmain::dirshiftExit()
{
    const UndoStep step(history, StepName(Step::CodePos), dirshift);
    const FieldValue v = entryDirshift(dirshift->text());
    cfg.sendImage[img::Dirshift] = quint8(v.value);
    writeBack(dirshift, dirshiftText(v.value));
    ShowCodeWin();
}

void TFFBmain::dirshiftKeyUp()
{
    dirshiftExit();
    selectAllOf(dirshift);
}

void TFFBmain::bitanzahlExit()
{
    const UndoStep step(history, StepName(Step::Codierlaenge), bitanzahl);
    const int bitsBefore = cfg.current().bits;
    const FieldValue v = entryBitanzahl(bitanzahl->text());
    // The code length belongs to the active type's table entry; a type outside the table
    // (only from a foreign image) has none, and its field is not offered.
    if (cfg.activeType < TypeTableSize)
        cfg.types[cfg.activeType].bits = quint8(v.value);
    ApplySendertyp();
    writeBack(bitanzahl, PadLeft(2, QLatin1Char(' '), cfg.current().bits));
    codeLengthEdited(bitsBefore);
    ShowCodeWin();
    ShowAll();
}

void TFFBmain::codeLengthEdited(int bitsBefore)
{
    const CodeSlots before = cfg.codes;
    if (cfg.current().bits >= bitsBefore || !LimitAddressesToCodeLength(cfg))
        return;
    showAddressChanges(before, true);
    ShowAll();
}

// The one place that tells of addresses the program changed: the code length lowered (in
// this window, the system settings or the programmable transmitter's dialog), and the
// refresh cutting them to the type's mask (another type, a loaded file, a read module).
void TFFBmain::showAddressChanges(const CodeSlots& before, bool limitedByLength)
{
    const QStringList named = AddressChangeLines(before, cfg.codes);
    if (named.isEmpty() && !limitedByLength)
        return;
    seam.beep();
    setInfoColour(InfoColour::Warning);
    if (limitedByLength)
        addInfo(msgAddressLimited());
    for (const QString& line : named)
        addInfo(line, InfoBreak::BetweenItems);
    // Undo and redo of the step say what became of these addresses.
    if (history)
        history->noteAddressChanges(before, cfg.codes, limitedByLength);
}

void TFFBmain::bitanzahlKeyUp()
{
    bitanzahlExit();
    selectAllOf(bitanzahl);
}

// ---- Series programming: counter and address increments ------------------------------------

void TFFBmain::progcounterExit()
{
    const UndoStep step(history, StepName(Step::Zaehler), progcounter);
    const FieldValue v = entryProgcounter(progcounter->text());
    if (v.beep)
        seam.beep();
    cfg.progcounter = v.value;
    writeBack(progcounter, progcounterText(v.value));
}

void TFFBmain::progcounterKeyUp()
{
    progcounterExit();
    selectAllOf(progcounter);
}

void TFFBmain::Button1Click()
{
    const UndoStep step(history, StepName(Step::Zaehler));
    seam.beep();
    progcounter->setText(QStringLiteral("0000"));
    progcounterExit();
}

void TFFBmain::offsetExit(int n)
{
    if (n < 1 || n > 8 || !offset[n])
        return;
    const UndoStep step(history, StepName(Step::Increment, n), offset[n]);
    const FieldValue v = entryOffset(offset[n]->text());
    if (v.beep)
        seam.beep();
    cfg.offset[n] = v.value;
    writeBack(offset[n], offsetText(v.value));
}

void TFFBmain::offsetKeyUp(int n)
{
    offsetExit(n);
    if (n >= 1 && n <= 8)
        selectAllOf(offset[n]);
}

// ---- General address and evaluation mask ---------------------------------------------------

void TFFBmain::GeneralCodeExit()
{
    const UndoStep step(history, StepName(Step::Generaladresse), GeneralCode);
    cfg.GeneralCode = ParseBinary(GeneralCode->text());
    ShowCodeWin();
    // The refresh leaves a field alone while it is being typed in; this one is taken now and
    // shows all 40 digits at once, also after Enter.
    writeBack(GeneralCode, FormatNumber(2, 40, cfg.GeneralCode));
}

void TFFBmain::GeneralCodeKeyUp()
{
    GeneralCodeExit();
}

void TFFBmain::direktmaskeExit()
{
    const UndoStep step(history, StepName(Step::Bewertungsmaske), direktmaske);
    cfg.direktmaske = ParseBinary(direktmaske->text());
    ShowCodeWin();
    writeBack(direktmaske, FormatNumber(2, 40, cfg.direktmaske));
}

void TFFBmain::direktmaskeKeyUp()
{
    direktmaskeExit();
}

void TFFBmain::GeneralDezEnter()
{
    ShowCodeWin();
    selectAllOf(GeneralDez);
}

void TFFBmain::GeneralDezExit()
{
    const UndoStep step(history, StepName(Step::Generaladresse), GeneralDez);
    if (const auto v = entryGeneralDez(GeneralDez->text())) {
        if (v->beep)
            seam.beep();
        cfg.GeneralCode = quint64(v->value);
    } else {
        seam.beep();
    }
    ShowCodeWin();
    // A text that left the general address as it was still shows its value.
    writeBack(GeneralDez, FormatNumber(0, 12, cfg.GeneralCode));
}

void TFFBmain::GeneralDezKeyUp()
{
    GeneralDezExit();
    selectAllOf(GeneralDez);
    ShowCodeWin();
}

// ---- Start states and storage function -----------------------------------------------------

void TFFBmain::CBinitoutClick(int n)
{
    const UndoStep step(history, StepName(Step::Anfangswert, n));
    switch (n) {
    case 1:
        cfg.initout1 = CBinitout1->isChecked();
        break;
    case 2:
        cfg.initout2 = CBinitout2->isChecked();
        break;
    case 3:
        cfg.initout3 = CBinitout3->isChecked();
        break;
    case 4:
        cfg.initout4 = CBinitout4->isChecked();
        break;
    default:
        break;
    }
}

void TFFBmain::CBstoreClick()
{
    const UndoStep step(history, StepName(Step::Speicherfunktion));
    cfg.store = CBstore->isChecked();
    if (cfg.store && showNotices && forms.Fhinweis) {
        forms.Fhinweis->clearLines();
        forms.Fhinweis->addLine(
            tr("wenn die Speicherfunktion gewählt ist, macht eine Definition der Anfangswerte "
               "(rechtes Fenster) keinen Sinn, da als Initialwert nun immer der letzte Zustand "
               "vor Spannungsausfall verwendet wird!"));
        forms.Fhinweis->showNotice();
    }
}

void TFFBmain::LspeicherClick()
{
    const UndoStep step(history, StepName(Step::Speicherfunktion));
    CBstore->setChecked(!CBstore->isChecked());
    CBstoreClick();
}

// ---- Interlocks ----------------------------------------------------------------------------

void TFFBmain::CBvr12Click()
{
    const UndoStep step(history, StepName(Step::Verriegelung, 1, 2));
    setInterlock(cfg, 1, 2, CBvr12->isChecked());
    ShowCodeWin();
}

void TFFBmain::CBvr13Click()
{
    const UndoStep step(history, StepName(Step::Verriegelung, 1, 3));
    setInterlock(cfg, 1, 3, CBvr13->isChecked());
    ShowCodeWin();
}

void TFFBmain::CBvr14Click()
{
    const UndoStep step(history, StepName(Step::Verriegelung, 1, 4));
    setInterlock(cfg, 1, 4, CBvr14->isChecked());
    ShowCodeWin();
}

void TFFBmain::CBvr23Click()
{
    const UndoStep step(history, StepName(Step::Verriegelung, 2, 3));
    setInterlock(cfg, 2, 3, CBvr23->isChecked());
    ShowCodeWin();
}

void TFFBmain::CBvr24Click()
{
    const UndoStep step(history, StepName(Step::Verriegelung, 2, 4));
    setInterlock(cfg, 2, 4, CBvr24->isChecked());
    ShowCodeWin();
}

void TFFBmain::CBvr34Click()
{
    const UndoStep step(history, StepName(Step::Verriegelung, 3, 4));
    setInterlock(cfg, 3, 4, CBvr34->isChecked());
    ShowCodeWin();
}

// ---- Option flags and code mode ------------------------------------------------------------
// The radio handlers act for the button that is now selected only.

void TFFBmain::CBNotAusClick()
{
    const UndoStep step(history, StepName(Step::NotAus));
    cfg.setOption(opt::NotAus, CBNotAus->isChecked());
    ShowCodeWin();
}

void TFFBmain::CBcheckbitsClick()
{
    const UndoStep step(history, StepName(Step::Checksumme));
    cfg.setOption(opt::Checksum, CBcheckbits->isChecked());
    ShowCodeWin();
}

void TFFBmain::RBstandardClick()
{
    const UndoStep step(history, StepName(Step::FixCodes));
    if (!RBstandard->isChecked())
        return;
    cfg.parallelCodes = false;
    cfg.sendImage[img::ParallelCodes] = 0;
    ShowCodeWin();
}

void TFFBmain::RBdirektClick()
{
    const UndoStep step(history, StepName(Step::ParallelCodes));
    if (!RBdirekt->isChecked())
        return;
    cfg.parallelCodes = true;
    cfg.sendImage[img::ParallelCodes] = 1;
    ShowCodeWin();
}

void TFFBmain::RBcodeinhaltClick()
{
    const UndoStep step(history, StepName(Step::Codeinhalt));
    if (!RBcodeinhalt->isChecked())
        return;
    cfg.setOption(opt::Direkt, false);
    ShowCodeWin();
}

void TFFBmain::RBdirektausgabeClick()
{
    const UndoStep step(history, StepName(Step::Direktausgabe));
    if (!RBdirektausgabe->isChecked())
        return;
    cfg.setOption(opt::Direkt, true);
    ShowCodeWin();
}

}  // namespace fbe
