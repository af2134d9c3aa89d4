// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the main window in the language in use: retranslateUi() runs in the
// constructor and again on every change of the language.
//
// The texts the refreshes compute (the caption, "max. Adresse: ...", the code table, the
// status line, the heading of the right-hand view) are shown anew by one full refresh. The
// lines in the message area stay as they are, and so does the configuration in hand: its
// project name and comment are data, never set here.
#include "mainwindow/TFFBmain.h"

#include "mainwindow/MainStyle.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace fbe {

using namespace mainstyle;

namespace {

QLabel* labelIn(const QWidget* parent, const char* name)
{
    return parent->findChild<QLabel*>(QLatin1String(name));
}

void setTip(std::initializer_list<QWidget*> widgets, const QString& tip)
{
    for (QWidget* w : widgets)
        if (w)
            w->setToolTip(tip);
}

// One type for labels that stand together: base, made smaller until every text fits width.
QFont fittedToAll(const QFont& base, const QStringList& texts, int width, int minPixelSize = 8)
{
    QFont font = base;
    for (const QString& text : texts) {
        const QFont f = fitted(base, text, width, minPixelSize);
        if (f.pixelSize() < font.pixelSize())
            font = f;
    }
    return font;
}

// A check box's caption in base, made smaller where it would reach the box's right edge.
void setCheckText(QCheckBox* box, const QFont& base, const QString& text)
{
    QStyle* st = box->style();
    const int room = box->width() - st->pixelMetric(QStyle::PM_IndicatorWidth)
        - st->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) - 1;
    box->setFont(fitted(base, text, room));
    box->setText(text);
}

// A label's text in base, made smaller where it is wider than the label.
void setFittedText(QLabel* label, const QFont& base, const QString& text)
{
    label->setFont(fitted(base, text, label->contentsRect().width()));
    label->setText(text);
}

}  // namespace

void TFFBmain::retranslateUi()
{
    // ---- Transmitter and code length ----
    Panel36->setText(tr("Allgemeine Einstellungen"));
    setTip({Panel7, Panel9, FBselect}, tr("Auswahl des Sendertyps"));
    Label23->setText(tr("Senderauswahl:"));
    Label50->setText(tr("Codierlänge (Bits)"));
    setTip({bitanzahl, Label50},
           tr("Anzahl der Bits pro String (für manche Sender nicht editierbar)"));

    // ---- Basic settings ----
    labelIn(Panel13, "LPruef")->setText(tr("Prüfschärfe"));
    Panel13->setToolTip(tr("gibt die Anzahl der erforderlichen gültigen Funksignale "
                           "hintereinander an (typisch: 3; bei Parallelbetrieb immer 1)"));
    labelIn(Panel6, "LSperr")->setText(tr("Sperrzeit"));
    Panel6->setToolTip(tr("Zeitdauer nach Schaltvorgang, innerhalb welcher kein neuer Befehl "
                          "angenommen wird ; Vielfache von 10ms (max. 2550ms)"));
    //: the caption of the storage function in two lines: "Speicher-" / "funktion"
    Lspeicher1->setText(tr("Speicher-"));
    //: the second line of the caption "Speicher-" / "funktion"
    Lspeicher2->setText(tr("funktion"));
    setTip({Panel15, CBstore}, tr("wenn markiert, bleibt der Ausgangs-Schaltzustand bei "
                                  "Versorgungsunterbrechung gespeichert"));
    setCheckText(CBNotAus, sans(11, true), tr("Not-Aus:"));
    setTip({Panel4, TimeOut},
           tr("nach dieser Zeit ohne gültigen Code, werden alle Ausgänge auf 0 gesetzt"));
    labelIn(Panel12, "LAnfang")->setText(tr("Anfangswert"));
    setTip({Panel12, CBinitout1, CBinitout2, CBinitout3, CBinitout4},
           tr("ein markiertes Kästchen bewirkt, daß dieser Ausgang zu Beginn im High-Zustand "
              "ist"));
    PChecksum->setToolTip(tr("wenn markiert, wird im Empfangsstring eine Checksumme erwartet "
                             "(nur mit den programmierbaren Sendern möglich)"));
    setCheckText(CBcheckbits, sans(10, true), tr("mit Checksumme"));
    CBcheckbits->setToolTip(
        tr("aktiviert die Checksummenfunktion (nur für programmierbare Sender!)"));
    Lcheckbits->setText(tr("Bits:"));
    setTip({CheckBits, Lcheckbits},
           tr("Soviele Bits werden im Parallelbetrieb für eine Checksumme verwendet"));
    //: the caption of the interlock matrix in three lines: "gegenseitige" / "Verriegelung" /
    //: "der Ausgänge:"
    labelIn(Pverriegel, "LVerr1")->setText(tr("gegenseitige"));
    labelIn(Pverriegel, "LVerr2")->setText(tr("Verriegelung"));
    labelIn(Pverriegel, "LVerr3")->setText(tr("der Ausgänge:"));
    const QString interlockHint =
        tr("zueinander markierte Ausgänge können nie gleichzeitig aktiv sein");
    Pverriegel->setToolTip(interlockHint);
    for (QCheckBox* box : Pverriegel->findChildren<QCheckBox*>())
        box->setToolTip(interlockHint);
    QLabel* switchOver = labelIn(Pverriegel, "LUmschalt");
    switchOver->setText(tr("Umschaltzeit:"));
    setTip({switchOver, umschaltzeit}, tr("Pausenzeit bei Schaltvorgang mit aktiven "
                                          "verriegelten Ausgängen (10ms Raster; max. 2550ms)"));
    labelIn(Panel14, "LKorr")->setText(tr("Korrektur"));
    Panel14->setToolTip(tr("Ein abweichender Wert von 0 kann evtl. den Empfang im Nah- bzw. "
                           "Fernbereich verbessern"));

    // ---- Code functions ----
    Panel37->setText(tr("Codefunktionen 1..8"));
    RBstandard->setText(tr("Fix-Codes (standard)"));
    RBstandard->setToolTip(tr("Pro Funktion ist ein fester Empfangsstring (Code) erforderlich"));
    RBdirekt->setText(tr("\"Parallel\"-Codes"));
    RBdirekt->setToolTip(
        tr("Die 4 Codes können gleichzeitig in einem Empfangsstring enthalten sein"));
    labelIn(Panel63, "LAdresse")->setText(tr("Adresse"));
    labelIn(Panel63, "LFunktion")->setText(tr("Funktion"));
    labelIn(Panel63, "LAusgaenge")->setText(tr("Ausgänge"));
    const QString rowHint = tr("Code- und Funktionseinstellungen");
    Panel62->setToolTip(rowHint);
    for (auto it = rowOf_.cbegin(); it != rowOf_.cend(); ++it)
        static_cast<QWidget*>(it.key())->setToolTip(rowHint);
    labelIn(Ppar, "LPpar")->setText(tr("bei \"Parallelcodes\" nur Code1..4 möglich!"));
    Pdirekt->setToolTip(tr("Adresse des Sendestrings"));
    labelIn(Pdirekt, "LParTitel")->setText(tr("!!! \"Parallel\"-Codes !!!"));
    {
        //: the caption of the general address in two short lines: "General-" / "adresse"
        const QStringList general{tr("General-"), tr("adresse")};
        //: the caption of the address mask in two short lines: "Adress-" / "Maske"
        const QStringList mask{tr("Adress-"), tr("Maske")};
        const QFont small = fittedToAll(narrow(10, true), general + mask, 41);
        const char* names[] = {"LGeneral1", "LGeneral2", "LMaske1", "LMaske2"};
        const QStringList texts = general + mask;
        const QString generalHint = tr("Generaladresse im Binärformat");
        const QString maskHint = tr("Bewertungsmaske im Binärformat");
        for (int i = 0; i < 4; ++i) {
            QLabel* l = labelIn(Pdirekt, names[i]);
            l->setFont(small);
            l->setText(texts.at(i));
            l->setToolTip(i < 2 ? generalHint : maskHint);
        }
        GeneralCode->setToolTip(generalHint);
        direktmaske->setToolTip(maskHint);
    }
    QLabel* codePos = labelIn(Pdirekt, "LCodePos");
    setFittedText(codePos, sans(11, true), tr("Code-Pos"));
    setTip({codePos, dirshift}, tr("Bitposition (LSB) der 4 relevanten Code-Bits"));
    QLabel* decimal = labelIn(Pdirekt, "LDezimal");
    decimal->setText(tr("dezimal:"));
    setTip({decimal, GeneralDez}, tr("Generaladresse im Dezimalformat"));
    RBcodeinhalt->setText(tr("Codeinhalt"));
    RBcodeinhalt->setToolTip(
        tr("4 Bit des Empfangsstrings repräsentieren 4 Codes mit einstellbarer Funktion"));
    RBdirektausgabe->setText(tr("Direktausgabe"));
    RBdirektausgabe->setToolTip(
        tr("4 Bit des Empfangsstrings repräsentieren den Zustand der 4 Ausgänge out1..out4"));
    labelIn(Pdirektausgabe, "LDirekt1")->setText(tr("Direktausgabe !"));
    {
        //: the first of two lines that explain direct output
        const QString line2 = tr("die Zustände der Ausgänge out 1 .. out4 entsprechen der ");
        //: the second line that explains direct output
        const QString line3 = tr("Wertigkeit der 4 Bits mit der unten angegebenen Position");
        const QFont font = fittedToAll(arial(13, true), {line2, line3}, 376);
        QLabel* l2 = labelIn(Pdirektausgabe, "LDirekt2");
        QLabel* l3 = labelIn(Pdirektausgabe, "LDirekt3");
        l2->setFont(font);
        l3->setFont(font);
        l2->setText(line2);
        l3->setText(line3);
    }

    // ---- Right-hand column ----
    const QString nameHint = tr("Bezeichnung des Projektes (Ändern durch Doppelklick)");
    setTip({projectname, projectname->parentWidget()}, nameHint);
    QLabel* firmwareCaption = labelIn(Panel34, "LFirmware");
    firmwareCaption->setText(tr("Firmware: "));
    setTip({firmwareCaption, firmware}, tr("Versionsnummer Firmware des Empfängermoduls"));
    Panel2->setToolTip(tr("per Doppelklick zur homepage!"));
    comment->setToolTip(
        tr("benutzerspezifischer Kommentar, welcher mit dem File abgespeichert wird"));
    labelIn(Pprogram, "Label10")
        ->setText(tr("(dieses Fenster ausschalten im Hauptmenue unter \"Einstellungen\")"));
    const QString incrementHint =
        tr("dieser Wert wird nach jedem erfolgreichen Programmiervorgang der Adresse "
           "aufaddiert");
    QLabel* increment = labelIn(Pprogram, "LIncrement");
    increment->setText(tr("increment"));
    increment->setToolTip(incrementHint);
    for (int n = 1; n <= 8; ++n) {
        labelIn(Pprogram, ("LAdresse" + QByteArray::number(n)).constData())
            ->setText(tr("Adresse CODE %1").arg(n));
        Aadress[n]->setToolTip(tr("nächste zu programmierende Adresse"));
        offset[n]->setToolTip(incrementHint);
    }
    if (QFrame* counter = Pprogram->findChild<QFrame*>(QStringLiteral("GZaehler")))
        counter->setToolTip(tr("zeigt die Anzahl der erfolgreich programmierten Bausteine an"));
    labelIn(Pprogram, "LZaehler")->setText(tr(" Zähler "));
    //: the button that sets the programming counter to 0
    Button1->setText(tr("clear"));
    Button1->setToolTip(tr("setzt den ProgrammCounter zurück (auf 0)"));
    SendButton->setText(tr("Modul programmieren"));
    ReadButton->setText(tr("Modul auslesen"));
    ShowFile->setToolTip(tr("derzeit gültige Datei"));

    // ---- Menu ----
    MDatei->setTitle(tr("&Datei"));
    MNew->setText(tr("Datei &neu"));
    Mopen->setText(tr("Datei &laden"));
    Msave->setText(tr("Datei &speichern"));
    Projektname1->setText(tr("&Projektname"));
    Mexit->setText(tr("&Ende"));
    MKomm->setTitle(tr("&Kommunikation"));
    Mport->setTitle(tr("&COM port auswählen"));
    Mport->menuAction()->setToolTip(tr("selektiert serielle Schnittstelle"));
    Mport->menuAction()->setStatusTip(Mport->menuAction()->toolTip());
    Mprogram->setText(tr("Modul &Programmieren"));
    Mread->setText(tr("Modul &Auslesen"));
    MEinstellungen->setTitle(tr("&Einstellungen"));
    Minfos->setText(tr("&Infos anzeigen"));
    MDL->setText(tr("&Abfrage: Datei der letzten Sitzung laden?"));
    Mcomment->setText(tr("&Kommentarfenster anzeigen"));
    MProg->setText(tr("erweiterte &Programmiereinstellung anzeigen"));
    MSystem->setText(tr("S&ystem"));
    MHelp->setTitle(tr("&Hilfe"));
    //: the item of the menu "Hilfe" that opens the help window
    Mhilfe->setText(tr("&Help"));
    //: the item of the menu "Hilfe" that opens the information about the program
    Mabout->setText(tr("&Info"));
    Mabout->setToolTip(tr("Information über Software"));
    Mabout->setStatusTip(Mabout->toolTip());

    retranslateSeries();
    retranslateSheet();
    retranslateDatabase();

    // What the refreshes compute, in the new language. Before the first refresh (in the
    // constructor) there is nothing shown yet.
    if (shownValid_)
        FormPaint();
}

}  // namespace fbe
