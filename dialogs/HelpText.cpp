// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HelpText.h"

#include <QCoreApplication>

namespace fbe::help {

namespace {

// Headings and paragraphs of the help window, one section a text (the catalogue's unit of
// translation). Kept as plain HTML so that the text reads well in the source too; the window
// adds no formatting of its own.
const char* const Sections[] = {
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h2 align="center">- Hilfe -</h2>

<p>Zu jedem Bedienelement dieses Programms erscheint ein kurzer Hinweistext, sobald der
Mauszeiger einen Moment darauf ruht. Eine ausführliche Bedienungsanleitung
(Handbuch_Funkempfaenger.pdf) ist Bestandteil des Download-Archivs fbe_setup.zip auf unserer
Homepage. Bei weiteren Fragen wenden Sie sich bitte direkt an uns &ndash; die Kontaktdaten
stehen rechts neben diesem Text.</p>

<p>Die Empfänger sind in Gruppen von höchstens 4 Schaltkanälen aufgebaut; jede Gruppe wird
von einem eigenen Decoder-IC ausgewertet, der die Ausgänge OUT&nbsp;1&nbsp;..&nbsp;OUT&nbsp;4 schaltet. Ein
12-Kanal-Empfänger enthält deshalb drei Decoder-ICs und wird an 3 Stellen programmiert:
jeder Decoder-IC erhält seine eigene Konfiguration und damit seine eigene Datei. Codes mit
Zeitfunktion und "Parallel"-Codes sind je Decoder-IC auf höchstens 4 begrenzt (Code&nbsp;1&nbsp;..&nbsp;4).</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h3 style="white-space: pre-wrap">1.  ALLGEMEINE EINSTELLUNGEN</h3>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h4>1.1 "Senderauswahl"</h4>
<p>Ein Klick auf das Senderbild öffnet die Auswahl der unterstützten Sendertypen: die 1-, 2-
und 4-Kanal-Handsender mit 12 Bit Codierung (Adresse über DIP-Schalter und Lötbrücken), den
3-Kanal-Sender von SVS mit 40 Bit Codierung (DIP-Schalter mit je 3 Stellungen) sowie die per
PC programmierbaren 1..16-Kanal-Sender, auch in der high power Version. Mit der Auswahl
übernimmt das Programm die passenden Empfangsparameter des Decoders, und alle Adressen werden
auf die Codierlänge des gewählten Senders begrenzt. Ein rotes "?" neben dem Senderbild zeigt
an, dass die Empfangsparameter im Menü "System" von Hand verändert wurden; die grafische
Einstellhilfe steht dann nicht zur Verfügung, bis wieder ein Sender gewählt wird.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h4>1.2 "Codierlänge"</h4>
<p>Die Codierlänge ist die Anzahl der Bits, die der Sender in jedem Funktelegramm überträgt.
Bei den Handsendern ist sie fest vorgegeben und nicht veränderbar. Bei den programmierbaren
Sendern kann sie zwischen 1 und 40 Bit eingestellt werden und muss exakt mit der Länge
übereinstimmen, mit der der Sender programmiert wurde &ndash; sonst erkennt der Empfänger
keinen einzigen Code. Neben dem Eingabefeld steht die größte Adresse, die mit dieser Länge
möglich ist ("max. Adresse").</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h4>1.3 Grundempfangseigenschaften "Prüfschärfe" und "Sperrzeit"</h4>
<p>Die Prüfschärfe gibt an, wie viele gültige Funktelegramme hintereinander empfangen werden
müssen, bevor der Empfänger schaltet (1..99, typisch 3). Ein höherer Wert macht den Empfang
unempfindlicher gegen Störungen, verlängert aber die Reaktionszeit und verringert am Rand der
Reichweite die Schaltsicherheit. Im Parallelbetrieb wird immer mit 1 gearbeitet.</p>
<p>Die Sperrzeit ist die Zeit nach einem Schaltvorgang, in der kein neuer Befehl angenommen
wird (0..2550 ms im 10-ms-Raster). Sie verhindert zum Beispiel, dass ein etwas zu lange
gedrückter Taster bei der Funktion "Wechsel" den Ausgang mehrmals hin- und herschaltet.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h4>1.4 "Speicherfunktion" und "Anfangswert"</h4>
<p>Unter "Anfangswert" legen Sie fest, welche Ausgänge nach dem Einschalten der
Versorgungsspannung sofort aktiv (High) sind. Ist die Speicherfunktion gewählt, merkt sich
das Modul den Schaltzustand aller Ausgänge und stellt nach einem Spannungsausfall genau diesen
Zustand wieder her. Da der Ausgangszustand dann immer der letzte Zustand vor dem Ausfall ist,
sind Anfangswerte in diesem Fall bedeutungslos und werden automatisch abgewählt.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h4>1.5 "gegenseitige Verriegelung der Ausgänge" und "Umschaltzeit"</h4>
<p>In der Verriegelungsmatrix markieren Sie Paare von Ausgängen, die niemals gleichzeitig
aktiv sein dürfen, zum Beispiel die beiden Drehrichtungen eines Tor- oder Rollladenmotors.
Die Kästchen unterhalb der Diagonalen zeigen die Einstellungen der oberen Hälfte gespiegelt
an. Soll ein Ausgang einschalten, dessen Partner gerade aktiv ist, schaltet das Modul den
Partner zuerst ab und wartet die Umschaltzeit (0..2550 ms im 10-ms-Raster) ab, bevor es den
neuen Ausgang einschaltet. Das schont Motoren und Relaiskontakte.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h4>1.6 "Not-Aus"</h4>
<p>Ist "Not-Aus" aktiviert, setzt das Modul alle Ausgänge auf 0, sobald länger als die
eingestellte Zeit (bis 655350 ms im 10-ms-Raster) kein gültiger Code mehr empfangen wurde.
Das ist für Anwendungen gedacht, bei denen der Sender während der ganzen Bewegung senden muss:
verlässt der Sender die Reichweite oder ist seine Batterie erschöpft, wird die Anlage sicher
abgeschaltet.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h4>1.7 "mit Checksumme"</h4>
<p>Mit dieser Option erwartet der Empfänger im Funktelegramm zusätzlich eine Prüfsumme und
verwirft jedes Telegramm, dessen Prüfsumme nicht stimmt. Die Anzahl der dafür verwendeten
Bits wird im Feld "Bits:" eingestellt (0..8). Die Option ist nur mit den programmierbaren
Sendern möglich, die mit derselben Einstellung programmiert sein müssen; bei allen anderen
Sendertypen wird sie automatisch abgewählt.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h3 style="white-space: pre-wrap">2.  CODEFUNKTIONEN 1..8</h3>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h4>2.1 "Fix-Codes" und "Parallel-Codes"</h4>
<p>Bei "Fix-Codes (standard)" ist für jede Funktion ein fester Empfangsstring (Code)
erforderlich: jede Taste eines Handsenders sendet ihre eigene Adresse, und der Empfänger
vergleicht sie mit den Adressen der Codes&nbsp;1&nbsp;..&nbsp;8. Stimmt eine überein, wird die Funktion
dieses Codes ausgeführt. Das ist die übliche Einstellung für alle Handsender.</p>
<p>Bei "Parallel"-Codes (nur mit programmierbaren Sendern sinnvoll) überträgt ein einziger
Empfangsstring die Zustände von bis zu 4 Tasten gleichzeitig, als 4 nebeneinanderliegende
Bits. Die Position des niedrigsten dieser Bits wird unter "Code-Pos" eingestellt. Die übrigen
Bits bilden die Generaladresse; der Empfänger vergleicht dabei nur die Bits, die in der
Adress-Maske mit 1 markiert sind. Mit "Codeinhalt" löst jedes der 4 Bits den zugehörigen
Code&nbsp;1&nbsp;..&nbsp;4 mit seiner Funktion aus; mit "Direktausgabe" geben die 4 Bits direkt den Zustand
der Ausgänge OUT&nbsp;1&nbsp;..&nbsp;OUT&nbsp;4 wieder. Im Parallelbetrieb sind nur die Codes&nbsp;1&nbsp;..&nbsp;4 verfügbar.</p>
<p><b>Beispiel:</b> Ein programmierbarer Sender mit 16 Bit Codierlänge sendet in den oberen
12 Bits seine Adresse 1010&nbsp;0110&nbsp;0101 und in den unteren 4 Bits die Zustände seiner Tasten&nbsp;1&nbsp;..&nbsp;4.
Eingestellt werden dann:</p>
<ul>
<li>Codierlänge: 16, Betriebsart "Parallel"-Codes, "Codeinhalt"</li>
<li>Generaladresse: 0000&nbsp;..&nbsp;0000&nbsp;1010&nbsp;0110&nbsp;0101&nbsp;0000 (dezimal 42576)</li>
<li>Adress-Maske: 0000&nbsp;..&nbsp;0000&nbsp;1111&nbsp;1111&nbsp;1111&nbsp;0000 (die 4 Tastenbits werden nicht verglichen)</li>
<li>Code-Pos: 0 &ndash; Code&nbsp;1 liegt auf Bit&nbsp;0, Code&nbsp;4 auf Bit&nbsp;3</li>
</ul>
<p>Werden die Tasten&nbsp;1 und 3 gleichzeitig gedrückt, sendet der Sender 1010&nbsp;0110&nbsp;0101&nbsp;0101;
der Empfänger erkennt die Generaladresse und führt Code&nbsp;1 und Code&nbsp;3 gleichzeitig aus. In
der Codetabelle des Hauptfensters erscheinen die Codes&nbsp;1&nbsp;..&nbsp;4 dann als "Bitpos: 0"&nbsp;..&nbsp;"Bitpos: 3";
im Einstelldialog wird dieselbe Position ab 1 gezählt (Pos&nbsp;1 entspricht dem LSB).</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h4>2.2 "Code1" - "Code 8"</h4>
<p>Die Codetabelle zeigt für jeden der 8 Codes die Adresse, die eingestellte Funktion mit
ihrer Zeit und die geschalteten Ausgänge. Ein Klick auf eine Zeile öffnet den
Einstelldialog für diesen Code. Die Codes&nbsp;1&nbsp;..&nbsp;4 können alle Funktionen ausführen,
die Codes&nbsp;5&nbsp;..&nbsp;8 nur "Ein", "Aus" und "Wechsel". Mehrere Codes dürfen dieselbe Adresse haben &ndash; so
kann eine Taste zum Beispiel einen Ausgang einschalten und gleichzeitig einen anderen
ausschalten.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h4>2.3 PopUp-Einstelldialog</h4>
<p>Im Einstelldialog wird jede Änderung sofort übernommen und in der Codetabelle angezeigt;
"Ende" schließt den Dialog. Mit den Pfeiltasten neben der Codenummer oder mit "nächster Code"
wechseln Sie zum nächsten Code. "nächster Code" übernimmt dabei die Adresse des vorigen Codes,
wenn der neue Code noch unbenutzt ist &ndash; praktisch, wenn mehrere Funktionen auf dieselbe
Taste gelegt werden sollen.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h5>2.3.1 "Adresse" und "Einstellhilfe"</h5>
<p>Die Adresse (der Codestring) wird dezimal eingegeben und mit Enter oder beim Verlassen des
Feldes übernommen. Ist sie größer als die Codierlänge erlaubt, wird sie auf die größte
mögliche Adresse begrenzt, und die Meldung "Adresse wurde begrenzt !!!" erscheint. Bequemer
ist die Einstellhilfe: sie zeigt den gewählten Sender mit seinen DIP-Schaltern, Lötbrücken
und Tasten; Sie stellen dort alles so ein wie am Sender selbst, und das Programm berechnet
daraus die Adresse. Die Einstellhilfe steht nur zur Verfügung, wenn der Sendertyp eindeutig
gewählt ist.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h5>2.3.2 "Funktion"</h5>
<p><b>-keine-</b> &nbsp;Der Code wird nicht benutzt; seine Adresse wird beim Programmieren
auf 0 gesetzt.</p>
<p><b>-Ein-</b> &nbsp;Beim Empfang des Codes werden die gewählten Ausgänge eingeschaltet (High)
und bleiben eingeschaltet, bis ein anderer Code sie ausschaltet.</p>
<p><b>-Aus-</b> &nbsp;Beim Empfang des Codes werden die gewählten Ausgänge ausgeschaltet (Low).
Mit allen vier Ausgängen gewählt ergibt sich eine Zentral-Aus-Taste.</p>
<p><b>-Wechsel-</b> &nbsp;Jeder Tastendruck kehrt den Zustand der gewählten Ausgänge um: ein
Druck schaltet ein, der nächste wieder aus. Die Sperrzeit (1.3) verhindert dabei ungewolltes
Mehrfachschalten. Im Parallelbetrieb ist diese Funktion nicht möglich.</p>
<p><b>-1:1-</b> &nbsp;Die Ausgänge sind aktiv, solange die Taste gedrückt wird. Nach dem
Loslassen bleiben sie noch für die eingestellte Nachlaufzeit aktiv; eine kurze Nachlaufzeit
(etwa 200 ms) überbrückt die Pausen zwischen den Funktelegrammen. Nur für die Codes&nbsp;1&nbsp;..&nbsp;4.</p>
<p><b>-Impuls-</b> &nbsp;Jeder Tastendruck gibt an den gewählten Ausgängen einen Impuls der
eingestellten Dauer aus, unabhängig davon, wie lange die Taste gedrückt wird. Nur für die
Codes&nbsp;1&nbsp;..&nbsp;4.</p>
<p>Nachlaufzeit und Impulsdauer werden in der gewählten Zeiteinheit (msec, sec, min, h)
eingegeben. Bis 655,34 s werden sie im 10-ms-Raster gespeichert, darüber im 2-s-Raster bis
höchstens 36,4 h. Die eingegebene Zeit wird auch allen noch unbenutzten Codes&nbsp;1&nbsp;..&nbsp;4
vorgegeben.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h5>2.3.3. "Ausgang"</h5>
<p>Hier wählen Sie, welche der Ausgänge OUT&nbsp;1&nbsp;..&nbsp;OUT&nbsp;4 der Code beeinflusst. Es können
beliebig viele Ausgänge gleichzeitig gewählt werden. Ein Code mit Funktion, aber ohne Ausgang
hat keine Wirkung; bei den Codes&nbsp;1&nbsp;..&nbsp;4 weist das Programm beim Programmieren darauf hin.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h3>3. ALLGEMEINE INFORMATIONEN</h3>
<p>Der Infobereich rechts oben zeigt den Projektnamen; ein Doppelklick darauf (oder der
Menüpunkt "Datei / Projektname") öffnet die Eingabe. Enter übernimmt den neuen Namen, Esc
verwirft ihn. Der Projektname wird mit der Datei gespeichert und in der Titelzeile angezeigt.
Die Statuszeile nennt die aktuell geöffnete Datei und die benutzte serielle Schnittstelle.
Nach jedem Programmieren oder Auslesen steht unter "Firmware:" die Versionsnummer der Firmware
des Empfängermoduls. Ein Doppelklick auf unsere Internetadresse öffnet die Homepage, auf der
Sie auch Updates dieser Software finden.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h3>4. BENUTZERKOMMENTARE und ERWEITERTE PROGRAMMIEREINSTELLUNGEN</h3>
<p>Im Menü "Einstellungen" wählen Sie, ob rechts das Kommentarfenster oder die erweiterten
Programmiereinstellungen angezeigt werden. Im Kommentarfenster können Sie beliebigen Text
eingeben, zum Beispiel Kunde, Einbauort und Datum; er wird mit der Konfigurationsdatei
gespeichert.</p>
<p>Die erweiterten Programmiereinstellungen erleichtern das Programmieren vieler Module
hintereinander. Für jeden Code kann ein "increment" eingetragen werden, der nach jedem
erfolgreichen Programmiervorgang zur Adresse addiert wird; so erhält jedes Modul eigene
Adressen. Der Wert 0 schaltet diese Funktion aus, ein negativer Wert zählt abwärts. Unter
"nächste:" steht die Adresse, die beim nächsten Programmieren geschrieben wird. Der "Zähler"
zählt die erfolgreich programmierten Module und wird mit "clear" auf 0 zurückgesetzt.</p>
<p>Mit "automatisch programmieren" (unter dem Zähler) wird jedes Modul programmiert, sobald
es im Programmieradapter steckt, ohne Tastendruck. Danach meldet das Programm "Modul
entfernen ..." und wartet, bis das Modul herausgenommen ist; ein stecken gelassenes Modul
wird also nicht zweimal programmiert. Schlägt ein Programmiervorgang fehl, schaltet sich die
Automatik mit einem Warnton aus. "Datei neu", "Datei laden", eine andere Schnittstelle und das
Beenden schalten sie ebenfalls aus.</p>
<p>Ist im Menü "Einstellungen" der Punkt "Produktionsprotokoll führen" gewählt, wird jeder
Programmiervorgang als Zeile in der Datei fbe-protokoll.csv im Ordner der
Konfigurationsdatei festgehalten (Zeit, Ergebnis, Meldung, Datei, Projektname, Firmware,
Zähler und die gesendeten Adressen); die Datei lässt sich direkt in einer Tabellenkalkulation
öffnen. Stehen dort dieselben Adressen schon aus einem erfolgreichen Programmiervorgang, zeigt
das Programm vorher einen Hinweis.</p>
)HTML"),
    QT_TRANSLATE_NOOP("fbe::help", R"HTML(
<h3>5. EINGABEN, MELDUNGEN und RÜCKGÄNGIG</h3>
<p>Ein Wert in einem Eingabefeld wird mit Enter oder beim Verlassen des Feldes übernommen.
Jeder Befehl &ndash; Datei speichern, Datei neu, Datei laden, Modul auslesen, Modul
programmieren, Drucken, Als PDF speichern, das Beenden auf jedem Weg sowie Rückgängig und
Wiederholen aus dem Menü &ndash; übernimmt vorher auch einen Wert, der gerade eingetippt, aber
noch nicht übernommen wurde: im Hauptfenster, im Einstelldialog eines Codes und im
Kommentarfenster. Die Frage "zuerst sichern ?" berücksichtigt ihn also, und gespeichert,
gedruckt oder programmiert wird, was Sie sehen.</p>
<p>Das Meldungsfeld über den Tasten "Modul programmieren" und "Modul auslesen" zeigt die
Meldungen des Programms: weiß für normale Meldungen, gelb für Warnungen, rot für Fehler.
Jeder fehlgeschlagene Programmier- oder Lesevorgang gibt mit seiner roten Meldung einen
Warnton aus, auch im automatischen Betrieb (dort einmal, und die Automatik schaltet sich
aus); ein mit "Abbrechen" beendeter Vorgang nicht. Wird die Automatik ausgeschaltet, von Hand
oder durch einen Befehl, steht dort " automatisches Programmieren ausgeschaltet". Ändert das
Programm selbst Adressen (eine kürzere Codierlänge, ein anderer Sender), nennt es jede
Änderung:<br>" Adressen begrenzt: CODE&nbsp;1 3000 --> 1023, CODE&nbsp;2 3500 --> 1023"<br>Eine
lange Liste wird nur zwischen ihren Einträgen umbrochen.</p>
<p>Im Menü "Bearbeiten" nimmt "Rückgängig" (Strg+Z) jede Änderung der Konfiguration zurück,
"Wiederholen" (Strg+Y) führt sie erneut aus. Das Meldungsfeld nennt danach den Schritt
(" rückgängig: Codierlänge", " wiederholt: Codierlänge"); hatte er Adressen geändert, nennt
es auch diese: nach dem Rückgängigmachen<br>" Adressen zurückgenommen: CODE&nbsp;1 1023 --> 3000",<br>nach
dem Wiederholen die Meldung des Schritts erneut, gelb und mit Warnton. Enthält das Feld
mit dem Cursor &ndash; auch das Kommentarfenster &ndash; eine eigene, noch nicht übernommene
Eingabe, gelten Strg+Z und Strg+Y nur dieser Eingabe.</p>
)HTML"),
};

}  // namespace

QString html()
{
    QString text;
    for (const char* section : Sections)
        text += QCoreApplication::translate("fbe::help", section);
    return text;
}

}  // namespace fbe::help
