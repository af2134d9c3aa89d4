// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration sheet: what its PDF says (as pdftotext reads it), one A4 page with
// embedded fonts; fbe-tool sheet; printing and saving it from the window.
#include "ProgramWindows.h"
#include "support/FbeTool.h"

#include "config/FbeFile.h"
#include "config/Refresh.h"
#include "sheet/SheetPainter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

using namespace fbe;

namespace {

// A tool of poppler-utils on file: its output.
QString poppler(const QString& program, QStringList args, const QString& file)
{
    QProcess p;
    args << file;
    if (program == QLatin1String("pdftotext"))
        args << QStringLiteral("-");
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(20000)) << program.toStdString() << " (poppler-utils) did not run";
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The lines of the page as pdftotext lays them out, blanks simplified.
QStringList pageLines(const QString& pdf)
{
    QStringList lines;
    for (const QString& l : poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout")}, pdf)
                                .split(QLatin1Char('\n')))
        lines << l.simplified();
    return lines;
}

bool hasLineWith(const QStringList& lines, const QString& text)
{
    for (const QString& l : lines) {
        if ((QLatin1Char(' ') + l + QLatin1Char(' ')).contains(QLatin1Char(' ') + text + QLatin1Char(' ')))
            return true;
    }
    return false;
}

void setInterlock(Configuration& cfg, int a, int b)
{
    static const quint8 bit[5] = {0, 0x01, 0x02, 0x10, 0x08};
    cfg.sendImage[img::Interlock + a - 1] |= bit[b];
    cfg.sendImage[img::Interlock + b - 1] |= bit[a];
}

void setCode(Configuration& cfg, int n, quint64 address, int function, std::array<bool, 4> outs)
{
    CodeSlot& s = cfg.codes[n];
    s.address = address;
    s.function = quint8(function);
    s.out1 = outs[0];
    s.out2 = outs[1];
    s.out3 = outs[2];
    s.out4 = outs[3];
}

void setType(Configuration& cfg, quint16 type)
{
    cfg.activeType = type;
    cfg.types[0] = defaultTypeRecord(type);
}

}  // namespace

TEST(Sheet, PdfHoldsEachValueInItsPlace)
{
    const auto everyFunction = [](Configuration& c) {
        c.projectName = QStringLiteral("Halle 3 – Tor Süd");
        setCode(c, 1, 4095, FnEin, {true, false, false, false});
        setCode(c, 2, 1, FnImpuls, {false, true, true, false});
        c.codes[2].timeCount = 50;
        setCode(c, 3, 2048, FnWechsel, {false, false, true, true});
        setCode(c, 4, 963, FnTastend, {true, false, false, false});
        c.codes[4].timeCount = 150;
        c.codes[4].timebase = 1;
        setCode(c, 5, 17, FnKeine, {true, true, true, true});
        setCode(c, 6, 18, FnTastend, {true, false, false, false});   // 1..4 only
        setCode(c, 7, 100, FnAus, {false, false, false, true});
        c.pruefanzahl = 5;
        c.sperrzeit = 50;
        setInterlock(c, 1, 2);
        setInterlock(c, 3, 4);
        c.sendImage[img::Umschaltzeit] = 30;
        c.initout1 = c.initout3 = true;
        c.setOption(opt::NotAus, true);
        c.setTimeOut(150);
        c.comment = {QStringLiteral("Rolltor Süd, Müller & Söhne"), QStringLiteral("Übergabe an Herrn Groß")};
    };
    const struct Row {
        const char* name;
        std::function<void(Configuration&)> set;
        bool unsaved;
        QStringList lines;    // each within one line of the page, as pdftotext lays it out
        QStringList absent;   // nowhere on the page
        const char* language = "de";
    } rows[] = {
        {"12-bit-every-function", everyFunction,
         false,
         {"Halle 3 – Tor Süd", "Datei: /werk/halle3.fbe", "gedruckt: 05.03.2024 07:09", "Ver.: 3.05",
          "Mini-Handsender MHS 4", "Codierlänge: 12 Bit max. Adresse: 4095", "Fix-Codes (standard)",
          "CODE 1: 4095 Ein 1", "00000000 00000000 00000000 00001111 11111111",
          "CODE 2: 1 Impuls 2 3", "Dauer: 500 ms", "CODE 3: 2048 Wechsel (Toggle) 3 4",
          "CODE 4: 963 1:1 (Tastend) 1", "00000000 00000000 00000000 00000011 11000011 Nachlauf: 1,5 s",
          "CODE 5: - keine -", "CODE 6: - keine -", "CODE 7: 100 Aus 4", "CODE 8: - keine -",
          "Prüfschärfe: 5", "Sperrzeit: 500 ms", "Anfangswert: 1 3", "Speicherfunktion: aus",
          "Not-Aus: ein, 1500 ms", "mit Checksumme: nein", "Umschaltzeit: 300 ms",
          "verriegelt: OUT 1 / OUT 2, OUT 3 / OUT 4", "Rolltor Süd, Müller & Söhne",
          "Übergabe an Herrn Groß", "programmiert am von", "Modul / Seriennummer Unterschrift"},
         {"CODE 5: 17", "nicht gespeichert", "zuletzt programmiert", "Zähler", "(Kommentar gekürzt)",
          "Firmware", "increment"}},
        {"40-bit-long-comment-unsaved",
         [](Configuration& c) {
             setType(c, typ::Uni16);
             setCode(c, 1, 1099511627775ULL, FnImpuls, {true, false, false, false});
             c.codes[1].timeCount = 7;
             setCode(c, 2, quint64(1) << 39, FnTastend, {false, true, false, false});
             c.codes[2].timeCount = 3;
             c.codes[2].timeRaster = true;
             c.codes[2].timebase = 2;
             c.store = true;
             c.setOption(opt::Checksum, true);
             c.sendImage[img::CheckBits] = 4;
             c.firmware = 0x205;
             c.comment = {QStringLiteral("Schließanlage Gebäude Ö, Tür Ä – bitte prüfen"),
                          QStringLiteral("Diese Zeile ist länger als die Seite breit ist, darum wird "
                                         "sie an einem Leerzeichen umbrochen, und kein Wort geht dabei "
                                         "verloren: Überweg Ende.")};
             for (int i = 3; i <= 60; ++i)
                 c.comment << QStringLiteral("Zeile %1: äöü ÄÖÜ ß").arg(i);
         },
         true,
         {"nicht gespeichert", "Firmware: 2.05", "Universalsender PCS 16",
          "Codierlänge: 40 Bit max. Adresse: 1099511627775", "CODE 1: 1099511627775 Impuls 1",
          "11111111 11111111 11111111 11111111 11111111 Dauer: 70 ms",
          "CODE 2: 549755813888 1:1 (Tastend) 2",
          "10000000 00000000 00000000 00000000 00000000 Nachlauf: 0,1 min",
          "Speicherfunktion: ein", "mit Checksumme: ja, Bits: 4", "keine Verriegelung",
          "Schließanlage Gebäude Ö, Tür Ä – bitte prüfen", "Zeile 3: äöü ÄÖÜ ß",
          "verloren: Überweg Ende.", "(Kommentar gekürzt)"},
         {"Zeile 60", "Zeile 30"}},
        {"series-after-a-run",
         [](Configuration& c) {
             setCode(c, 1, 0, FnEin, {true, false, false, false});      // 4095 + 1 wrapped
             setCode(c, 2, 10, FnAus, {false, true, false, false});
             setCode(c, 3, 5, FnWechsel, {false, false, true, false});
             c.offset[1] = 1;
             c.offset[2] = -2;
             c.progcounter = 3;
         },
         false,
         {"Zähler: 0003 Adressen: zuletzt programmiert", "Adresse Funktion increment nächste: Ausgänge",
          "CODE 1: 4095 Ein +1 0 1", "CODE 2: 12 Aus -2 10 2", "CODE 3: 5 Wechsel (Toggle) 0 5 3",
          "CODE 4: - keine - 0"},
         {}},
        {"series-with-a-mask-of-gaps",
         [](Configuration& c) {
             setType(c, typ::Svs3);
             setCode(c, 1, 0x140, FnEin, {true, false, false, false});  // 0x150 + 0x10 in the mask
             c.offset[1] = 0x10;
             c.progcounter = 1;
         },
         false,
         {"Handsender SVS FB3", "CODE 1: 336 Ein +16 320 1"},
         {}},
        {"series-settings-before-a-run",
         [](Configuration& c) {
             setCode(c, 1, 100, FnEin, {true, false, false, false});
             c.offset[1] = 5;
         },
         false,
         {"Zähler: 0000", "CODE 1: 100 Ein +5 1"},
         {"zuletzt programmiert", "nächste:"}},
        {"parallel-codes-hand-made-type",
         [](Configuration& c) {
             setType(c, typ::Aurel2);
             c.activeType = typ::Hand;
             c.current().typ = typ::Hand;
             c.parallelCodes = true;
             c.sendImage[img::Dirshift] = 8;
             c.GeneralCode = 12345;
             c.direktmaske = 0xFF00;
             setCode(c, 1, 77, FnEin, {true, false, false, false});
             setCode(c, 4, 78, FnWechsel, {false, false, false, true});
             setCode(c, 5, 79, FnEin, {true, false, false, false});
         },
         false,
         {"Typ 0: Werte manuell geändert", "ref-correction 2, ref-min 7, ref-max 50,", "\"Parallel\"-Codes",
          "CODE 1: Bitpos: 8 Ein 1", "CODE 2: - keine -", "CODE 4: Bitpos: 11 Wechsel (Toggle) 4",
          "bei \"Parallelcodes\" nur Code1..4 möglich!",
          "Generaladresse: 00000000 00000000 00000000 00110000 00111001 (dezimal: 12345)",
          "Adress-Maske: 00000000 00000000 00000000 11111111 00000000", "Code-Pos: 8", "Ausgabe: Codeinhalt"},
         {"CODE 5:", "77"}},
        {"direct-output",
         [](Configuration& c) {
             c.parallelCodes = true;
             c.setOption(opt::Direkt, true);
             c.sendImage[img::Dirshift] = 3;
         },
         false,
         {"Direktausgabe !", "Ausgabe: Direktausgabe", "Code-Pos: 3"},
         {"CODE 1:", "Adresse Funktion Ausgänge"}},
        // The sheet follows the language of the program; the file's own texts stay.
        {"12-bit-every-function-in-english", everyFunction,
         true,
         {"Halle 3 – Tor Süd", "Configuration of the receiver module", "not saved",
          "File: /werk/halle3.fbe", "printed: 2024-03-05 07:09", "Mini hand transmitter MHS 4",
          "Code length: 12 bits max. address: 4095", "Fixed codes (standard)",
          "Address Function Outputs", "CODE 1: 4095 On 1", "CODE 2: 1 Pulse 2 3", "Length: 500 ms",
          "CODE 3: 2048 Toggle 3 4", "CODE 4: 963 1:1 (momentary) 1", "Run-on: 1,5 s",
          "CODE 5: - none -", "Check count: 5", "Lock time: 500 ms", "Start state: 1 3",
          "Storage function: off", "Emergency off: on, 1500 ms", "With checksum: no",
          "Switch-over time: 300 ms", "interlocked: OUT 1 / OUT 2, OUT 3 / OUT 4",
          "Rolltor Süd, Müller & Söhne", "programmed on by", "Module / serial number Signature"},
         {"Datei", "Prüfschärfe", "Sperrzeit", "Speicherfunktion", "keine"},
         "en"},
    };

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString shots = qEnvironmentVariable("FBE_SHOT_DIR");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::InLanguage language(QString::fromLatin1(row.language));
        Configuration cfg;
        NeueDatei(cfg);
        row.set(cfg);
        NormaliseForRefresh(cfg);
        const SheetSource source{QStringLiteral("/werk/halle3.fbe"),
                                 QDateTime(QDate(2024, 3, 5), QTime(7, 9)), row.unsaved};
        const Sheet sheet = makeSheet(cfg, source);
        const QString pdf = dir.filePath(QString::fromLatin1(row.name) + QStringLiteral(".pdf"));
        QString reason;
        ASSERT_TRUE(writeSheetPdf(sheet, pdf, &reason)) << reason.toStdString();
        if (!shots.isEmpty())
            sheetPicture(sheet, 100).save(shots + QStringLiteral("/sheet-") + QLatin1String(row.name)
                                          + QStringLiteral(".png"));

        const QStringList lines = pageLines(pdf);
        for (const QString& text : row.lines)
            EXPECT_TRUE(hasLineWith(lines, text)) << text.toStdString() << "\n"
                                                  << lines.join(QLatin1Char('\n')).toStdString();
        for (const QString& text : row.absent)
            EXPECT_FALSE(hasLineWith(lines, text)) << text.toStdString();

        // One A4 page, whatever it holds, with every font in the file.
        const QString info = poppler(QStringLiteral("pdfinfo"), {}, pdf);
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\\n")))) << info.toStdString();
        EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
        const QStringList fonts = poppler(QStringLiteral("pdffonts"), {}, pdf)
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        EXPECT_GE(fonts.size(), 2);
        for (const QString& f : fonts) {
            EXPECT_TRUE(f.startsWith(QStringLiteral("DejaVuSans"))) << f.toStdString();
            EXPECT_TRUE(f.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +yes "))))
                << "not embedded with its text: " << f.toStdString();
        }
    }
}

TEST(Sheet, ToolWritesTheSheetOrNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Configuration cfg;
    NeueDatei(cfg);
    cfg.projectName = QStringLiteral("Tor Nord");
    const QString fbe = dir.filePath(QStringLiteral("tor.fbe"));
    QString error;
    ASSERT_TRUE(SaveFile(fbe, BuildFile(cfg), &error));
    const QByteArray fbeBytes = [&] {
        QFile f(fbe);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QString broken = dir.filePath(QStringLiteral("kaputt.fbe"));
    QFile b(broken);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    b.write("keine Konfiguration\r\n");
    b.close();
    const QString kept = dir.filePath(QStringLiteral("alt.pdf"));
    QFile k(kept);
    ASSERT_TRUE(k.open(QIODevice::WriteOnly));
    k.write("altes Blatt");
    k.close();
    ASSERT_TRUE(k.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    const struct {
        const char* name;
        QStringList args;
        int exitCode;
        const char* written;     // the file the run leaves, or nullptr
        const char* reason;      // in stderr
    } rows[] = {
        {"written", {fbe, dir.filePath(QStringLiteral("tor.pdf"))}, 0, "tor.pdf", ""},
        {"no such file", {dir.filePath(QStringLiteral("fehlt.fbe")), dir.filePath(QStringLiteral("a.pdf"))},
         2, nullptr, "Datei nicht gefunden"},
        {"not a configuration", {broken, dir.filePath(QStringLiteral("b.pdf"))}, 2, nullptr, "Zeilen"},
        {"one argument", {fbe}, 2, nullptr, "Aufruf: fbe-tool sheet DATEI.fbe AUSGABE.pdf"},
        {"three arguments", {fbe, dir.filePath(QStringLiteral("c.pdf")), QStringLiteral("x")}, 2, nullptr, "Aufruf"},
        {"folder missing", {fbe, dir.filePath(QStringLiteral("fehlt/d.pdf"))}, 2, nullptr, "Ordner nicht vorhanden"},
        {"write-protected", {fbe, kept}, 2, nullptr, "schreibgeschützt"},
        {"the configuration itself", {fbe, fbe}, 2, nullptr, "die Ausgabe wäre die Konfigurationsdatei selbst"},
    };
    const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const test::ToolRun r = test::tool(QStringList{QStringLiteral("sheet")} + row.args);
        EXPECT_EQ(r.exitCode, row.exitCode) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(row.reason))) << r.err.toStdString();
        QStringList expected = before;
        if (row.written) {
            expected << QString::fromLatin1(row.written);
            QFile pdf(dir.filePath(QString::fromLatin1(row.written)));
            ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
            EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
            EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        }
        expected.sort();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), expected);
        if (row.written)
            QFile::remove(dir.filePath(QString::fromLatin1(row.written)));
    }
    QFile f(fbe);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), fbeBytes);
    ASSERT_TRUE(k.open(QIODevice::ReadOnly));
    EXPECT_EQ(k.readAll(), QByteArray("altes Blatt"));
    EXPECT_TRUE(test::tool({QStringLiteral("--help")}).out.contains(QStringLiteral("sheet DATEI.fbe AUSGABE.pdf")));
}

namespace {

struct SheetWindowTest : test::ProgramTest {};

}  // namespace

TEST_F(SheetWindowTest, PrintAndPdfFromTheFileMenu)
{
    create();
    cfg.projectName = QStringLiteral("Halle 3");
    seam.saveFileNames.push_back(path(QStringLiteral("halle3.fbe")));
    main->MsaveClick();
    ASSERT_EQ(main->OpenDialog1.FileName, QDir::toNativeSeparators(path(QStringLiteral("halle3.fbe"))));

    const struct {
        const char* name;
        bool change;              // a change after the save
        bool print;               // "&Drucken ..." (else "Als PD&F speichern ...")
        QString chosen;           // the printer's output, the file chosen; empty: cancelled
        QStringList info;         // the message area afterwards
        int beeps;
        QStringList onPage;       // on the page written
    } rows[] = {
        {"print", true, true, path(QStringLiteral("drucker.pdf")), {QStringLiteral(" Konfigurationsblatt gedruckt ")},
         0, {QStringLiteral("Halle 3 nicht gespeichert")}},
        {"print cancelled", false, true, QString(), {}, 0, {}},
        {"pdf", false, false, path(QStringLiteral("blatt.pdf")),
         {QStringLiteral(" PDF gespeichert: ") + QDir::toNativeSeparators(path(QStringLiteral("blatt.pdf")))}, 0,
         {QStringLiteral("Halle 3"), QStringLiteral("Datei: ") + QDir::toNativeSeparators(path(QStringLiteral("halle3.fbe")))}},
        {"pdf cancelled", false, false, QString(), {}, 0, {}},
        {"pdf refused", false, false, path(QStringLiteral("fehlt/blatt.pdf")),
         {QStringLiteral(" Fehler bei \"Als PDF speichern!\""), QStringLiteral(" Ordner nicht vorhanden")}, 1, {}},
        {"pdf over the configuration", false, false, path(QStringLiteral("halle3.fbe")),
         {QStringLiteral(" Fehler bei \"Als PDF speichern!\""),
          QStringLiteral(" die Ausgabe wäre die Konfigurationsdatei selbst")}, 1, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        main->clearInfo();
        main->setInfoColour(TFFBmain::InfoColour::Normal);
        seam.beeps = 0;
        seam.fileDialogDirs.clear();
        if (row.change)
            cfg.comment << QStringLiteral("noch eine Zeile");
        if (row.print) {
            seam.printToFile = row.chosen;
            main->Mdrucken->trigger();
            seam.printToFile.clear();
        } else {
            if (!row.chosen.isEmpty())
                seam.saveFileNames.push_back(row.chosen);
            main->Mpdf->trigger();
            // Proposed: the configuration's name with ".pdf", in its folder.
            EXPECT_EQ(seam.fileDialogDirs, QStringList{QDir::toNativeSeparators(path(QStringLiteral("halle3.pdf")))});
        }
        EXPECT_EQ(main->infoLines(), row.info);
        EXPECT_EQ(main->infoColour(), row.beeps ? TFFBmain::InfoColour::Error : TFFBmain::InfoColour::Normal);
        EXPECT_EQ(seam.beeps, row.beeps);
        QFile written(row.chosen);
        EXPECT_EQ(written.open(QIODevice::ReadOnly) && written.read(5) == "%PDF-", !row.onPage.isEmpty());
        const QStringList lines = row.onPage.isEmpty() ? QStringList() : pageLines(row.chosen);
        for (const QString& text : row.onPage)
            EXPECT_TRUE(hasLineWith(lines, text)) << text.toStdString();
        if (!lines.isEmpty()) {
            EXPECT_EQ(hasLineWith(lines, QStringLiteral("nicht gespeichert")), row.change);
        }
        if (row.change)
            cfg.comment.removeLast();
    }
    EXPECT_EQ(seam.printDialogs, 2);
}
