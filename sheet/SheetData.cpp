// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/SheetData.h"

#include "config/Formatting.h"
#include "config/TransmitterNames.h"

#include <QCoreApplication>

namespace fbe {

namespace {

// The sheet's texts, in the language in use.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Sheet)
};

QString versionText(int version)
{
    return QStringLiteral("%1.%2").arg(version / 256).arg(PadLeft(2, QLatin1Char('0'), version % 256));
}

QString onOff(bool on)
{
    return on ? Text::tr("ein") : Text::tr("aus");
}

QString msText(qint64 units)
{
    return Text::tr("%1 ms").arg(units * 10);
}

// A slot's time with its unit: "1,5 s".
QString timeText(const CodeSlot& s)
{
    return timeNumberText(s) + QLatin1Char(' ') + timeUnitText(s.timebase);
}

// Function and time of code n as the code table of the window names them; Tastend and
// Impuls exist for codes 1..4 only, the window shows "- keine -" for them elsewhere.
void describeFunction(const CodeSlot& s, int n, SheetCode& row)
{
    switch (s.function) {
    case FnEin:
        row.function = Text::tr("Ein");
        row.used = true;
        return;
    case FnAus:
        row.function = Text::tr("Aus");
        row.used = true;
        return;
    case FnWechsel:
        row.function = Text::tr("Wechsel (Toggle)");
        row.used = true;
        return;
    case FnTastend:
        if (n <= 4) {
            row.function = Text::tr("1:1 (Tastend)");
            row.time = Text::tr("Nachlauf: %1").arg(timeText(s));
            row.used = true;
            return;
        }
        break;
    case FnImpuls:
        if (n <= 4) {
            row.function = Text::tr("Impuls");
            row.time = Text::tr("Dauer: %1").arg(timeText(s));
            row.used = true;
            return;
        }
        break;
    default:
        break;
    }
    row.function = Text::tr("- keine -");
}

QString signedText(qint64 v)
{
    return v > 0 ? QStringLiteral("+%1").arg(v) : QString::number(v);
}

// Interlock of outputs a and b (1..4) as the window's grid shows it: the partner's bit in
// the mask byte of the output with the lower number.
bool interlocked(const Configuration& cfg, int a, int b)
{
    static const quint8 bit[5] = {0, 0x01, 0x02, 0x10, 0x08};
    const int low = qMin(a, b);
    const int high = qMax(a, b);
    return (cfg.sendImage[img::Interlock + low - 1] & bit[high]) != 0;
}

}  // namespace

quint64 previousSeriesAddress(quint64 next, qint64 increment, quint64 mask)
{
    // Bit by bit from the lowest: a bit of the mask is the one that gives the next address's
    // bit with the increment's bit and the carry; a bit outside the mask is 0.
    const quint64 inc = quint64(increment);
    quint64 previous = 0;
    quint64 carry = 0;
    for (int i = 0; i < 64; ++i) {
        const quint64 n = (next >> i) & 1;
        const quint64 d = (inc >> i) & 1;
        const quint64 p = (mask >> i) & 1 ? (n ^ d ^ carry) : 0;
        previous |= p << i;
        carry = (p & d) | (p & carry) | (d & carry);
    }
    return previous;
}

QString transmitterTypeName(int code)
{
    if (isListedTransmitter(code))
        return transmitterName(code);
    if (code == typ::Hand)
        return Text::tr("Typ 0: Werte manuell geändert");
    return Text::tr("Sendertyp %1").arg(code);
}

Sheet makeSheet(const Configuration& cfg, const SheetSource& source)
{
    Sheet sh;
    const TypeRecord& rec = cfg.current();

    sh.title = Text::tr("Konfiguration des Empfängermoduls");
    sh.projectName = cfg.projectName;
    sh.file = Text::tr("Datei: %1").arg(source.fileName);
    //: the date and time of printing, as QDateTime::toString() takes a format
    const QString when = source.printedAt.toString(Text::tr("dd.MM.yyyy HH:mm"));
    sh.printed = Text::tr("gedruckt: %1").arg(when);
    sh.version = Text::tr("Funkempfänger Konfiguration  Ver.: %1").arg(programVersion());
    if (cfg.firmware != 0)
        sh.firmware = Text::tr("Firmware: %1").arg(versionText(cfg.firmware));
    if (source.unsaved)
        sh.unsaved = Text::tr("nicht gespeichert");

    sh.transmitterHeading = Text::tr("Sender");
    sh.transmitterType = cfg.activeType;
    sh.transmitterName = transmitterTypeName(cfg.activeType);
    if (isListedTransmitter(cfg.activeType)) {
        sh.transmitterDetail = transmitterDetail(cfg.activeType);
    } else {
        sh.transmitterDetail =
            Text::tr("ref-correction %1, ref-min %2, ref-max %3, dat-min %4, dat-max %5, "
                     "wait1 %6, wait2 %7, wait3 %8, checkmask %9")
                .arg(rec.corrmain)
                .arg(rec.refmin)
                .arg(rec.refmax)
                .arg(rec.datmin)
                .arg(rec.datmax)
                .arg(rec.wait1)
                .arg(rec.wait2)
                .arg(rec.wait3)
                .arg(FormatNumber(2, 40, rec.mask));
    }
    sh.codeLength = Text::tr("Codierlänge: %1 Bit").arg(rec.bits);
    const quint64 maxAddress = maxAddressForBits(rec.bits);
    sh.maxAddress = Text::tr("max. Adresse: %1").arg(maxAddress);

    // Series: after a successful run the window holds the next module's addresses.
    bool anyIncrement = false;
    for (int n = 1; n <= 8; ++n)
        anyIncrement = anyIncrement || cfg.offset[n] != 0;
    sh.series = anyIncrement || cfg.progcounter != 0;
    sh.lastProgrammed = anyIncrement && cfg.progcounter > 0 && !cfg.parallelCodes;
    if (sh.series)
        sh.counter = Text::tr("Zähler: %1").arg(PadLeft(4, QLatin1Char('0'), cfg.progcounter));
    if (sh.lastProgrammed)
        sh.addressNote = Text::tr("Adressen: zuletzt programmiert");
    const quint64 seriesMask = rec.mask & maxAddress;

    sh.codesHeading = Text::tr("Codefunktionen 1..8");
    sh.codeMode =
        cfg.parallelCodes ? Text::tr("\"Parallel\"-Codes") : Text::tr("Fix-Codes (standard)");
    sh.columnAddress = Text::tr("Adresse");
    sh.columnFunction = Text::tr("Funktion");
    sh.columnOutputs = Text::tr("Ausgänge");
    sh.columnIncrement = Text::tr("increment");
    sh.columnNext = Text::tr("nächste:");

    const bool direct = cfg.parallelCodes && cfg.option(opt::Direkt);
    const int rows = direct ? 0 : cfg.parallelCodes ? 4 : 8;
    for (int n = 1; n <= rows; ++n) {
        const CodeSlot& s = cfg.codes[n];
        SheetCode row;
        row.label = Text::tr("CODE %1:").arg(n);
        describeFunction(s, n, row);
        if (row.used) {
            row.outputs = {s.out1, s.out2, s.out3, s.out4};
            if (cfg.parallelCodes) {
                row.address = Text::tr("Bitpos: %1").arg(cfg.dirshift() + n - 1);
            } else {
                quint64 address = s.address;
                if (sh.lastProgrammed && !source.addressesProgrammed) {
                    address = previousSeriesAddress(s.address, cfg.offset[n], seriesMask);
                    row.next = QString::number(s.address);
                }
                row.address = QString::number(address);
                row.binary = FormatNumber(2, 40, address);
            }
        }
        if (sh.series && !cfg.parallelCodes)
            row.increment = signedText(cfg.offset[n]);
        sh.codes.push_back(row);
    }
    if (direct) {
        sh.codeNotes = {Text::tr("Direktausgabe !"),
                        Text::tr("die Zustände der Ausgänge out 1 .. out4 entsprechen der "
                                 "Wertigkeit der 4 Bits mit der unten angegebenen Position")};
    } else if (cfg.parallelCodes) {
        sh.codeNotes = {Text::tr("bei \"Parallelcodes\" nur Code1..4 möglich!")};
    }

    sh.basicsHeading = Text::tr("Allgemeine Einstellungen");
    const Image& img = cfg.sendImage;
    sh.basics.push_back({Text::tr("Prüfschärfe:"), QString::number(cfg.pruefanzahl)});
    sh.basics.push_back({Text::tr("Sperrzeit:"), msText(cfg.sperrzeit)});
    sh.basics.push_back({Text::tr("Speicherfunktion:"), onOff(cfg.store)});
    sh.basics.push_back({Text::tr("Not-Aus:"), cfg.option(opt::NotAus)
                                            ? Text::tr("ein, %1").arg(msText(cfg.timeOut()))
                                            : onOff(false)});
    sh.basics.push_back({Text::tr("mit Checksumme:"),
                         cfg.option(opt::Checksum)
                             ? Text::tr("ja, Bits: %1").arg(img[img::CheckBits])
                             : Text::tr("nein")});
    sh.basics.push_back({Text::tr("Umschaltzeit:"), msText(img[img::Umschaltzeit])});
    sh.startStatesLabel = Text::tr("Anfangswert:");
    sh.startStates = {cfg.initout1, cfg.initout2, cfg.initout3, cfg.initout4};

    sh.interlockHeading = Text::tr("gegenseitige Verriegelung der Ausgänge:");
    QStringList pairs;
    for (int a = 1; a <= 4; ++a) {
        for (int b = a + 1; b <= 4; ++b) {
            const bool on = interlocked(cfg, a, b);
            sh.interlock[a - 1][b - 1] = on;
            sh.interlock[b - 1][a - 1] = on;
            if (on)
                pairs << Text::tr("OUT %1 / OUT %2").arg(a).arg(b);
        }
    }
    sh.interlockSummary = pairs.isEmpty()
        ? Text::tr("keine Verriegelung")
        : Text::tr("verriegelt: %1").arg(pairs.join(QStringLiteral(", ")));

    if (cfg.parallelCodes) {
        sh.parallelHeading = Text::tr("\"Parallel\"-Codes");
        sh.parallel.push_back({Text::tr("Generaladresse:"),
                               Text::tr("(dezimal: %1)").arg(cfg.GeneralCode),
                               FormatNumber(2, 40, cfg.GeneralCode)});
        sh.parallel.push_back(
            {Text::tr("Adress-Maske:"), QString(), FormatNumber(2, 40, cfg.direktmaske)});
        sh.parallel.push_back({Text::tr("Code-Pos:"), QString::number(cfg.dirshift())});
        sh.parallel.push_back({Text::tr("Ausgabe:"),
                               direct ? Text::tr("Direktausgabe") : Text::tr("Codeinhalt")});
    }

    sh.commentHeading = Text::tr("Benutzer-Kommentare");
    sh.comment = cfg.comment;
    sh.commentCut = Text::tr("(Kommentar gekürzt)");

    sh.handFields = {Text::tr("programmiert am"), Text::tr("von"),
                     Text::tr("Modul / Seriennummer"), Text::tr("Unterschrift")};
    return sh;
}

}  // namespace fbe
