<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>AddressLimit</name>
    <message>
        <source>CODE %1</source>
        <translation>CODE %1</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>CODE %1 %2 --&gt; %3</source>
        <translation>CODE %1 %2 --&gt; %3</translation>
    </message>
    <message>
        <source> Adressen begrenzt: %1</source>
        <translation> Addresses limited: %1</translation>
    </message>
    <message>
        <source> gleiche Adresse: %1</source>
        <translation> same address: %1</translation>
    </message>
    <message>
        <source> Adresse wurde begrenzt !!!</source>
        <translation> Address was limited !!!</translation>
    </message>
    <message>
        <source> CODE %1: Adresse größer als max. Adresse</source>
        <translation> CODE %1: address above the max. address</translation>
    </message>
    <message>
        <source> Adressen zurückgenommen: %1</source>
        <extracomment>after Undo: the addresses the step had changed, back to their values before it</extracomment>
        <translation> addresses restored: %1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Wechsel (Toggle)</source>
        <translation>Toggle</translation>
    </message>
    <message>
        <source>1:1 (Tastend)</source>
        <translation>1:1 (momentary)</translation>
    </message>
    <message>
        <source>Impuls</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>-Projektname-</source>
        <translation>-Project name-</translation>
    </message>
    <message>
        <source>hier kann ein Text eingegeben werden, welcher</source>
        <extracomment>the first of two comment lines of a new configuration, saved in its file</extracomment>
        <translation>a text can be entered here, which</translation>
    </message>
    <message>
        <source>mit dem Konfigurationsfile abgespeichert wird</source>
        <extracomment>the second comment line of a new configuration</extracomment>
        <translation>is saved with the configuration file</translation>
    </message>
</context>
<context>
    <name>FbeFile</name>
    <message>
        <source>die Datei ist größer als 1 MiB</source>
        <translation>the file is larger than 1 MiB</translation>
    </message>
    <message>
        <source>die Datei hat nur %1 Zeilen (mindestens %2)</source>
        <translation>the file has only %1 lines (at least %2)</translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist keine ganze Zahl</source>
        <translation>line %1: &quot;%2&quot; is not a whole number</translation>
    </message>
    <message>
        <source>Zeile %1: die Zahl passt nicht in 64 Bit</source>
        <translation>line %1: the number does not fit into 64 bits</translation>
    </message>
    <message>
        <source> Zeile %1: Wert außerhalb 0..255</source>
        <translation> line %1: value outside 0..255</translation>
    </message>
    <message>
        <source> Datei beschädigt: Zeile 1000 ist nicht --*--</source>
        <translation> file damaged: line 1000 is not --*--</translation>
    </message>
    <message>
        <source>das Zeichen %1 kann in der Datei nicht gespeichert werden</source>
        <translation>the character %1 cannot be stored in the file</translation>
    </message>
    <message>
        <source>die Zeichen %1 können in der Datei nicht gespeichert werden</source>
        <translation>the characters %1 cannot be stored in the file</translation>
    </message>
</context>
<context>
    <name>FbeTool</name>
    <message>
        <source>erlaubt: %1..%2</source>
        <translation>allowed: %1..%2</translation>
    </message>
    <message>
        <source>eine ganze Zahl erwartet, %1</source>
        <translation>a whole number expected, %1</translation>
    </message>
    <message>
        <source>%1 außerhalb des Bereichs, %2</source>
        <translation>%1 out of range, %2</translation>
    </message>
    <message>
        <source>true oder false erwartet</source>
        <translation>true or false expected</translation>
    </message>
    <message>
        <source>ein Text erwartet</source>
        <translation>a text expected</translation>
    </message>
    <message>
        <source>unbekannter Schlüssel; erlaubt: %1</source>
        <translation>unknown key; allowed: %1</translation>
    </message>
    <message>
        <source>erlaubt: 0..%1</source>
        <translation>allowed: 0..%1</translation>
    </message>
    <message>
        <source>erlaubt sind nur die Bits der Prüfmaske %1</source>
        <translation>only the bits of the check mask %1 are allowed</translation>
    </message>
    <message>
        <source>erlaubt: 1, 2, 7, 10, 16, 17 oder 0 (Decoder-Werte von Hand)</source>
        <translation>allowed: 1, 2, 7, 10, 16, 17 or 0 (decoder values by hand)</translation>
    </message>
    <message>
        <source>%1 weicht von activeType %2 ab; erlaubt: %2</source>
        <translation>%1 differs from activeType %2; allowed: %2</translation>
    </message>
    <message>
        <source>unbekannter Sendertyp %1; %2</source>
        <translation>unknown transmitter type %1; %2</translation>
    </message>
    <message>
        <source>Sendertyp %1 hat %2 fest; erlaubt: %2 (eigene Werte mit activeType 0)</source>
        <translation>transmitter type %1 has %2 fixed; allowed: %2 (own values with activeType 0)</translation>
    </message>
    <message>
        <source>eine Liste von höchstens 8 Codes erwartet</source>
        <translation>a list of at most 8 codes expected</translation>
    </message>
    <message>
        <source>ein Objekt erwartet</source>
        <translation>an object expected</translation>
    </message>
    <message>
        <source>die Codes 5..8 haben keine Zeit; erlaubt: 1</source>
        <translation>codes 5..8 have no time; allowed: 1</translation>
    </message>
    <message>
        <source>die Codes 5..8 haben keine Zeit; erlaubt: false</source>
        <translation>codes 5..8 have no time; allowed: false</translation>
    </message>
    <message>
        <source>eine Liste von 4 Bytes (OUT1..OUT4) erwartet</source>
        <translation>a list of 4 bytes (OUT1..OUT4) expected</translation>
    </message>
    <message>
        <source>Bits 0x%1 sind keine Partnerausgänge von OUT%2; erlaubt sind nur Bits aus 0x%3</source>
        <translation>bits 0x%1 are no partner outputs of OUT%2; only bits of 0x%3 are allowed</translation>
    </message>
    <message>
        <source>OUT%1 und OUT%2 sind nur einseitig verriegelt; eine Verriegelung gilt immer für beide Ausgänge</source>
        <translation>OUT%1 and OUT%2 are interlocked one way only; an interlock always holds for both outputs</translation>
    </message>
    <message>
        <source>eine Liste von Textzeilen erwartet</source>
        <translation>a list of text lines expected</translation>
    </message>
    <message>
        <source>%1 hat Bits außerhalb der Prüfmaske von Sendertyp %2; %3</source>
        <translation>%1 has bits outside the check mask of transmitter type %2; %3</translation>
    </message>
    <message>
        <source>&quot;mit Checksumme&quot; (Bit 0) nur mit Sendertyp 16 oder 17</source>
        <translation>&quot;with checksum&quot; (bit 0) only with transmitter type 16 or 17</translation>
    </message>
    <message>
        <source>&quot;mit Checksumme&quot; (Bit 0) bei &quot;Parallel&quot;-Codes nur mit Sendertyp 16</source>
        <translation>&quot;with checksum&quot; (bit 0) with &quot;parallel&quot; codes only with transmitter type 16</translation>
    </message>
    <message>
        <source>Direktausgabe (Bit 2) nur bei &quot;Parallel&quot;-Codes</source>
        <translation>direct output (bit 2) only with &quot;parallel&quot; codes</translation>
    </message>
    <message>
        <source>bei Direktausgabe ist Code %1 immer &quot;%2&quot;; erlaubt: %3</source>
        <translation>with direct output code %1 is always &quot;%2&quot;; allowed: %3</translation>
    </message>
    <message>
        <source>bei &quot;Parallel&quot;-Codes immer 1; erlaubt: 1</source>
        <translation>always 1 with &quot;parallel&quot; codes; allowed: 1</translation>
    </message>
    <message>
        <source>mit der Speicherfunktion (store) gibt es keine Anfangswerte; erlaubt: false</source>
        <translation>with the storage function (store) there are no start states; allowed: false</translation>
    </message>
    <message>
        <source>nicht speicherbare Zeichen: %1</source>
        <translation>characters that cannot be stored: %1</translation>
    </message>
    <message>
        <source>die Datei würde %1 Bytes groß werden; erlaubt: höchstens %2 Bytes (1 MiB)</source>
        <translation>the file would be %1 bytes large; allowed: at most %2 bytes (1 MiB)</translation>
    </message>
    <message>
        <source>die Datei gibt %1 statt %2 Zeilen zurück</source>
        <translation>the file gives back %1 lines instead of %2</translation>
    </message>
    <message>
        <source>das Programm macht daraus %1; erlaubt: %1</source>
        <translation>the program makes %1 of it; allowed: %1</translation>
    </message>
    <message>
        <source>Objekt nicht abgeschlossen</source>
        <translation>object not closed</translation>
    </message>
    <message>
        <source>&quot;:&quot; fehlt</source>
        <translation>&quot;:&quot; missing</translation>
    </message>
    <message>
        <source>Liste nicht abgeschlossen</source>
        <translation>list not closed</translation>
    </message>
    <message>
        <source>&quot;,&quot; fehlt</source>
        <translation>&quot;,&quot; missing</translation>
    </message>
    <message>
        <source>unzulässiger Wert</source>
        <translation>illegal value</translation>
    </message>
    <message>
        <source>Ende mitten in einer Zahl</source>
        <translation>end in the middle of a number</translation>
    </message>
    <message>
        <source>unzulässige Zahl</source>
        <translation>illegal number</translation>
    </message>
    <message>
        <source>unzulässige Escape-Folge</source>
        <translation>illegal escape sequence</translation>
    </message>
    <message>
        <source>kein gültiges UTF-8</source>
        <translation>not valid UTF-8</translation>
    </message>
    <message>
        <source>Text nicht abgeschlossen</source>
        <translation>text not closed</translation>
    </message>
    <message>
        <source>Objekt erwartet</source>
        <translation>object expected</translation>
    </message>
    <message>
        <source>zu tief verschachtelt</source>
        <translation>nested too deeply</translation>
    </message>
    <message>
        <source>zu groß</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>Zeichen nach dem Ende</source>
        <translation>characters after the end</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Aufruf: fbe-tool build KONFIG.json AUSGABE.fbe</source>
        <translation>Usage: fbe-tool build CONFIG.json OUTPUT.fbe</translation>
    </message>
    <message>
        <source>zu groß (höchstens 1 MiB)</source>
        <translation>too large (at most 1 MiB)</translation>
    </message>
    <message>
        <source>kein gültiges JSON (bei Zeichen %1: %2)</source>
        <translation>not valid JSON (at character %1: %2)</translation>
    </message>
    <message>
        <source>ein JSON-Objekt wie von &quot;fbe-tool show --json&quot; erwartet</source>
        <translation>a JSON object as from &quot;fbe-tool show --json&quot; expected</translation>
    </message>
    <message>
        <source>%1 wurde nicht geschrieben</source>
        <translation>%1 was not written</translation>
    </message>
    <message>
        <source> Fehler bei &quot;Datei speichern!&quot;</source>
        <translation> Error on &quot;Save file!&quot;</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>keine</source>
        <extracomment>no output is locked against this one</extracomment>
        <translation>none</translation>
    </message>
    <message>
        <source>Projektname</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>Softwareversion</source>
        <translation>Software version</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Checksumme</source>
        <translation>Checksum</translation>
    </message>
    <message>
        <source>in Ordnung</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FEHLER</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Sendertyp</source>
        <translation>Transmitter type</translation>
    </message>
    <message>
        <source>Codierlänge</source>
        <translation>Code length</translation>
    </message>
    <message>
        <source>%1 Bit</source>
        <translation>%1 bits</translation>
    </message>
    <message>
        <source>Prüfmaske</source>
        <translation>Check mask</translation>
    </message>
    <message>
        <source>Decoder ref-correction</source>
        <translation>Decoder ref-correction</translation>
    </message>
    <message>
        <source>Decoder ref-min</source>
        <translation>Decoder ref-min</translation>
    </message>
    <message>
        <source>Decoder ref-max</source>
        <translation>Decoder ref-max</translation>
    </message>
    <message>
        <source>Decoder dat-min</source>
        <translation>Decoder dat-min</translation>
    </message>
    <message>
        <source>Decoder dat-max</source>
        <translation>Decoder dat-max</translation>
    </message>
    <message>
        <source>Decoder wait1</source>
        <translation>Decoder wait1</translation>
    </message>
    <message>
        <source>Decoder wait2</source>
        <translation>Decoder wait2</translation>
    </message>
    <message>
        <source>Decoder wait3</source>
        <translation>Decoder wait3</translation>
    </message>
    <message>
        <source>Decoder typ</source>
        <translation>Decoder type</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Codes</translation>
    </message>
    <message>
        <source>&quot;Parallel&quot;-Codes</source>
        <translation>&quot;Parallel&quot; codes</translation>
    </message>
    <message>
        <source>Fix-Codes (standard)</source>
        <translation>Fixed codes (standard)</translation>
    </message>
    <message>
        <source>Code %1 Adresse</source>
        <translation>Code %1 address</translation>
    </message>
    <message>
        <source>Code %1 Funktion</source>
        <translation>Code %1 function</translation>
    </message>
    <message>
        <source>Code %1 Zeitschritte</source>
        <translation>Code %1 time steps</translation>
    </message>
    <message>
        <source>Code %1 Zeitraster</source>
        <translation>Code %1 time grid</translation>
    </message>
    <message>
        <source>Code %1 Zeiteinheit</source>
        <translation>Code %1 time unit</translation>
    </message>
    <message>
        <source>Code %1 OUT%2</source>
        <translation>Code %1 OUT%2</translation>
    </message>
    <message>
        <source>Prüfschärfe</source>
        <translation>Check count</translation>
    </message>
    <message>
        <source>Korrektur</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Sperrzeit</source>
        <translation>Lock time</translation>
    </message>
    <message>
        <source>Umschaltzeit</source>
        <translation>Switch-over time</translation>
    </message>
    <message>
        <source>Not-Aus</source>
        <translation>Emergency off</translation>
    </message>
    <message>
        <source>Not-Aus-Zeit</source>
        <translation>Emergency-off time</translation>
    </message>
    <message>
        <source>mit Checksumme</source>
        <translation>With checksum</translation>
    </message>
    <message>
        <source>Speicherfunktion</source>
        <translation>Storage function</translation>
    </message>
    <message>
        <source>Anfangswert OUT%1</source>
        <translation>Start state OUT%1</translation>
    </message>
    <message>
        <source>Verriegelung OUT%1</source>
        <translation>Interlock OUT%1</translation>
    </message>
    <message>
        <source>Generalcode</source>
        <translation>Common code</translation>
    </message>
    <message>
        <source>Direktmaske</source>
        <translation>Direct mask</translation>
    </message>
    <message>
        <source>Bitposition</source>
        <translation>Bit position</translation>
    </message>
    <message>
        <source>Checkbits</source>
        <translation>Check bits</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Output mode</translation>
    </message>
    <message>
        <source>Direktausgabe</source>
        <translation>direct output</translation>
    </message>
    <message>
        <source>Codeinhalt</source>
        <translation>code content</translation>
    </message>
    <message>
        <source>weitere Optionsbits</source>
        <translation>Further option bits</translation>
    </message>
    <message>
        <source>Byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>Kommentar Zeile %1</source>
        <extracomment>the name of a comment line in the list of differences; %1 is its number</extracomment>
        <translation>Comment line %1</translation>
    </message>
    <message>
        <source>(keine)</source>
        <extracomment>a comment line that the other file does not have</extracomment>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Aufruf: fbe-tool diff A.fbe B.fbe [--json]</source>
        <translation>Usage: fbe-tool diff A.fbe B.fbe [--json]</translation>
    </message>
    <message>
        <source> Fehler bei &quot;Datei laden!&quot;</source>
        <translation> Error on &quot;Load file!&quot;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation>State</translation>
    </message>
    <message>
        <source>nicht nutzbar: %1</source>
        <translation>not usable: %1</translation>
    </message>
    <message>
        <source>nutzbar</source>
        <translation>usable</translation>
    </message>
    <message>
        <source>Aufruf: fbe-tool ports [--json]</source>
        <translation>Usage: fbe-tool ports [--json]</translation>
    </message>
    <message>
        <source>die Protokolldatei</source>
        <translation>the log file</translation>
    </message>
    <message>
        <source>die URI der Produktionsdatenbank</source>
        <translation>the URI of the production database</translation>
    </message>
    <message>
        <source>%1 braucht einen Wert (%2)</source>
        <translation>%1 needs a value (%2)</translation>
    </message>
    <message>
        <source>--port braucht einen Wert (COM1..COM4 oder Gerätepfad)</source>
        <translation>--port needs a value (COM1..COM4 or a device path)</translation>
    </message>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>zu viele Argumente: %1</source>
        <translation>too many arguments: %1</translation>
    </message>
    <message>
        <source>--increments gilt nur mit --db</source>
        <translation>--increments applies only with --db</translation>
    </message>
    <message>
        <source>Aufruf: fbe-tool program DATEI --port PORT [--log PROTOKOLL] [--db URI [--increments a,b,c,d,e,f,g,h]]</source>
        <translation>Usage: fbe-tool program FILE --port PORT [--log LOG] [--db URI [--increments a,b,c,d,e,f,g,h]]</translation>
    </message>
    <message>
        <source>Aufruf: fbe-tool verify DATEI --port PORT</source>
        <translation>Usage: fbe-tool verify FILE --port PORT</translation>
    </message>
    <message>
        <source>Aufruf: fbe-tool read --port PORT DATEI</source>
        <translation>Usage: fbe-tool read --port PORT FILE</translation>
    </message>
    <message>
        <source>unbekannter Port %1 (COM1..COM4, ein Name aus &quot;fbe-tool ports&quot; oder Gerätepfad)</source>
        <translation>unknown port %1 (COM1..COM4, a name from &quot;fbe-tool ports&quot; or a device path)</translation>
    </message>
    <message>
        <source>Firmware: %1</source>
        <translation>Firmware: %1</translation>
    </message>
    <message>
        <source>Achtung: Prüfsumme der Datei falsch!</source>
        <translation>Attention: checksum of the file wrong!</translation>
    </message>
    <message>
        <source>Datei mit Fehlern geladen. Veraltetes inkompatibles File!</source>
        <translation>File loaded with errors. Outdated incompatible file!</translation>
    </message>
    <message>
        <source>--increments: höchstens 8 Werte</source>
        <translation>--increments: at most 8 values</translation>
    </message>
    <message>
        <source>--increments: &quot;%1&quot; ist kein increment (-999 .. 9999)</source>
        <translation>--increments: &quot;%1&quot; is not an increment (-999 .. 9999)</translation>
    </message>
    <message>
        <source>%1 nachgetragene Ergebnisse in die Datenbank geschrieben</source>
        <translation>%1 queued results written to the database</translation>
    </message>
    <message>
        <source>Serie %1, Nummer %2 (%3)</source>
        <translation>Series %1, number %2 (%3)</translation>
    </message>
    <message>
        <source>Ergebnis konnte nicht gespeichert werden</source>
        <translation>Result could not be stored</translation>
    </message>
    <message>
        <source>den Ordner gibt es nicht</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>Aufruf: fbe-tool series URI PROJEKT [--csv]</source>
        <translation>Usage: fbe-tool series URI PROJECT [--csv]</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Adressen</source>
        <translation>Addresses</translation>
    </message>
    <message>
        <source>offen</source>
        <extracomment>the result of a run whose number is taken and whose result is not recorded yet</extracomment>
        <translation>open</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>Serie %1: %2 Läufe, %3 erfolgreich</source>
        <translation>Series %1: %2 runs, %3 successful</translation>
    </message>
    <message>
        <source>Serie %1 nicht in der Datenbank</source>
        <translation>Series %1 not in the database</translation>
    </message>
    <message>
        <source>Aufruf: fbe-tool sheet DATEI.fbe AUSGABE.pdf</source>
        <translation>Usage: fbe-tool sheet FILE.fbe OUTPUT.pdf</translation>
    </message>
    <message>
        <source> Fehler bei &quot;Als PDF speichern!&quot;</source>
        <translation> Error on &quot;Save as PDF!&quot;</translation>
    </message>
    <message>
        <source>Warnung: die Datei wurde mit einer alten Software erstellt (Version %1). Die File-Daten sind dazu nicht kompatibel!</source>
        <translation>Warning: the file was made with an old software (version %1). The file data are not compatible with it!</translation>
    </message>
    <message>
        <source>Warnung: EEPROM-Fehler (checksum) - die Checksumme der Datei stimmt nicht</source>
        <translation>Warning: EEPROM error (checksum) - the checksum of the file is wrong</translation>
    </message>
    <message>
        <source>Projektname:</source>
        <translation>Project name:</translation>
    </message>
    <message>
        <source>Softwareversion:</source>
        <translation>Software version:</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>Checksumme:</source>
        <translation>Checksum:</translation>
    </message>
    <message>
        <source>Sendertyp:</source>
        <translation>Transmitter type:</translation>
    </message>
    <message>
        <source>%1  (Codierlänge %2 Bit, Prüfmaske %3)</source>
        <translation>%1  (code length %2 bits, check mask %3)</translation>
    </message>
    <message>
        <source>Decoder:</source>
        <translation>Decoder:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Codes:</translation>
    </message>
    <message>
        <source>  Code %1: Adresse %2</source>
        <translation>  Code %1: address %2</translation>
    </message>
    <message>
        <source> Zeit %1</source>
        <translation> time %1</translation>
    </message>
    <message>
        <source> (kein Ausgang)</source>
        <translation> (no output)</translation>
    </message>
    <message>
        <source>Prüfschärfe:</source>
        <translation>Check count:</translation>
    </message>
    <message>
        <source>Korrektur:</source>
        <translation>Correction:</translation>
    </message>
    <message>
        <source>Sperrzeit:</source>
        <translation>Lock time:</translation>
    </message>
    <message>
        <source>Umschaltzeit:</source>
        <translation>Switch-over time:</translation>
    </message>
    <message>
        <source>Not-Aus:</source>
        <translation>Emergency off:</translation>
    </message>
    <message>
        <source>mit Checksumme:</source>
        <translation>With checksum:</translation>
    </message>
    <message>
        <source>Speicherfunktion:</source>
        <translation>Storage function:</translation>
    </message>
    <message>
        <source>Anfangswerte:</source>
        <translation>Start states:</translation>
    </message>
    <message>
        <source>Verriegelung:</source>
        <translation>Interlock:</translation>
    </message>
    <message>
        <source>Generalcode:</source>
        <translation>Common code:</translation>
    </message>
    <message>
        <source>Direktmaske:</source>
        <translation>Direct mask:</translation>
    </message>
    <message>
        <source>Bitposition:</source>
        <translation>Bit position:</translation>
    </message>
    <message>
        <source>%1, Checkbits %2, %3</source>
        <translation>%1, check bits %2, %3</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>Aufruf: fbe-tool new DATEI</source>
        <translation>Usage: fbe-tool new FILE</translation>
    </message>
    <message>
        <source>Aufruf: fbe-tool show DATEI [--json]</source>
        <translation>Usage: fbe-tool show FILE [--json]</translation>
    </message>
    <message>
        <source>Adresse [%1]: Modul %2, Datei %3</source>
        <translation>Address [%1]: module %2, file %3</translation>
    </message>
    <message>
        <source>Modul und Datei stimmen überein</source>
        <translation>Module and file agree</translation>
    </message>
    <message>
        <source>1 Adresse weicht ab</source>
        <translation>1 address differs</translation>
    </message>
    <message>
        <source>%1 Adressen weichen ab</source>
        <translation>%1 addresses differ</translation>
    </message>
    <message>
        <source>Aufruf: fbe-tool BEFEHL [ARGUMENTE]

Befehle:
  new DATEI                    schreibt eine neue Konfiguration (wie &quot;Datei neu&quot; und
                               sofortiges Speichern) in DATEI.
  show DATEI [--json]          lädt DATEI wie das Programm und zeigt die Konfiguration,
                               wie sie in der Datei steht; mit --json als JSON-Objekt.
                               Exit 0: geladen (Warnungen auf stderr), 2: Ladefehler.
  diff A.fbe B.fbe [--json]    zeigt die Einstellungen, in denen sich A und B
                               unterscheiden: Name, Wert in A --&gt; Wert in B.
                               Exit 0: gleich, 1: verschieden, 2: Lade- oder Aufruffehler.
  build KONFIG.json DATEI      schreibt die Datei, die das Programm nach Eingabe der
                               Werte aus KONFIG.json (Schlüssel wie show --json) speichern
                               würde. Exit 2 bei unzulässigen Werten (nichts geschrieben).
</source>
        <translation>Usage: fbe-tool COMMAND [ARGUMENTS]

Commands:
  new FILE                     writes a new configuration to FILE, as the program
                               makes a new file and saves it at once.
  show FILE [--json]           loads FILE as the program does and shows the configuration
                               as the file holds it; with --json as a JSON object.
                               Exit 0: loaded (warnings on stderr), 2: load error.
  diff A.fbe B.fbe [--json]    shows the settings in which A and B differ:
                               name, value in A --&gt; value in B.
                               Exit 0: same, 1: different, 2: load or usage error.
  build CONFIG.json FILE       writes the file the program would save after the values
                               of CONFIG.json (keys as show --json) were entered.
                               Exit 2 on values not allowed (nothing written).
</translation>
    </message>
    <message>
        <source>  sheet DATEI.fbe AUSGABE.pdf  schreibt das Blatt der Konfiguration zum Drucken (wie
                               &quot;Als PDF speichern ...&quot; im Programm) als PDF-Datei.
                               Exit 0: geschrieben, 2: Lade-, Aufruf- oder
                               Schreibfehler (nichts geschrieben).
</source>
        <translation>  sheet FILE.fbe OUTPUT.pdf    writes the configuration&apos;s sheet for printing (as
                               &quot;Save as PDF ...&quot; in the program) as a PDF file.
                               Exit 0: written, 2: load, usage or write error
                               (nothing written).
</translation>
    </message>
    <message>
        <source>  program DATEI --port PORT    programmiert ein Modul mit DATEI, wie &quot;Modul programmieren&quot;
          [--log PROTOKOLL]    im Programm. Exit 0: erfolgreich, 1: Übertragung
          [--db URI]           fehlgeschlagen, 2: Datei- oder Aufruffehler oder eine
          [--increments a,b,c,d,e,f,g,h]
                               Adresse größer als max. Adresse (nichts gesendet).
                               --log hängt die Zeile des Produktionsprotokolls an
                               PROTOKOLL an (CSV wie fbe-protokoll.csv des Programms;
                               Zähler 1 nach Erfolg); kann PROTOKOLL nicht geschrieben
                               werden, wird nichts gesendet (Exit 2).
                               --db: Serie mit mehreren Stationen in der
                               Produktionsdatenbank URI (postgresql://...): die Nummer
                               des Moduls und seine Adressen kommen aus der Datenbank,
                               der Lauf wird dort festgehalten. --increments legt die
                               Inkremente einer neuen Serie fest. Exit 2, wenn die
                               Datenbank ablehnt oder nicht erreichbar ist (nichts
                               gesendet).
  read --port PORT DATEI       liest ein Modul aus und speichert die Konfiguration in
                               DATEI. Exit 0: erfolgreich, 1: Übertragung fehlgeschlagen
                               (bei jedem Fehler, auch einem Checksummenfehler, wird
                               nichts geschrieben).
  verify DATEI --port PORT     liest ein Modul aus (ohne zu schreiben) und vergleicht es
                               mit dem, was das Programmieren von DATEI schreiben würde.
                               Exit 0: gleich, 1: verschieden, 2: Datei- oder
                               Aufruffehler, 3: Auslesen fehlgeschlagen.

  series URI PROJEKT [--csv]   listet die Läufe der Serie PROJEKT in der
                               Produktionsdatenbank URI; mit --csv wie fbe-protokoll.csv
                               mit den Spalten &quot;Station&quot; und &quot;Nummer&quot; davor.
                               Exit 0, 1: keine solche Serie, 2: Aufruffehler oder
                               Datenbank nicht erreichbar.

  ports [--json]               listet die seriellen Schnittstellen wie das Menü &quot;COM port
                               auswählen&quot; (COM1..COM4 zuerst) und prüft, ob sie sich
                               öffnen lassen; mit --json als JSON-Array.

PORT ist COM1..COM4 (Gerät aus FBE_COM1..FBE_COM4, sonst /dev/ttyS0..3), ein Name aus
&quot;fbe-tool ports&quot; (ttyUSB0) oder ein Gerätepfad wie /dev/ttyUSB0 oder
/dev/serial/by-id/....
</source>
        <translation>  program FILE --port PORT     programs a module with FILE, as &quot;Program module&quot; does
          [--log LOG]          in the program. Exit 0: success, 1: transfer failed,
          [--db URI]           2: file or usage error, or an address greater than
          [--increments a,b,c,d,e,f,g,h]
                               max. address (nothing sent).
                               --log appends the production log&apos;s line to LOG (CSV
                               as the program&apos;s fbe-protokoll.csv; counter 1 after
                               success); if LOG cannot be written, nothing is sent
                               (exit 2).
                               --db: a series of several stations in the production
                               database URI (postgresql://...): the module&apos;s number
                               and its addresses come from the database, which records
                               the run. --increments sets the increments of a new
                               series. Exit 2 when the database refuses or cannot be
                               reached (nothing sent).
  read --port PORT FILE        reads a module and saves the configuration to FILE.
                               Exit 0: success, 1: transfer failed (on any error, a
                               checksum error too, nothing is written).
  verify FILE --port PORT      reads a module (without writing) and compares it with
                               what programming FILE would write.
                               Exit 0: same, 1: different, 2: file or usage error,
                               3: reading failed.

  series URI PROJECT [--csv]   lists the runs of the series PROJECT in the production
                               database URI; with --csv as fbe-protokoll.csv with the
                               columns &quot;Station&quot; and &quot;Nummer&quot; in front.
                               Exit 0, 1: no such series, 2: usage error or database
                               not reachable.

  ports [--json]               lists the serial ports as the program&apos;s port menu does
                               (COM1..COM4 first) and checks whether they can be opened;
                               with --json as a JSON array.

PORT is COM1..COM4 (device from FBE_COM1..FBE_COM4, else /dev/ttyS0..3), a name from
&quot;fbe-tool ports&quot; (ttyUSB0) or a device path such as /dev/ttyUSB0 or
/dev/serial/by-id/....
</translation>
    </message>
    <message>
        <source>
  --help                       zeigt diese Hilfe.
  --version                    zeigt die Version.
</source>
        <translation>
  --help                       shows this help.
  --version                    shows the version.
</translation>
    </message>
    <message>
        <source>fbe-tool: unbekannter Befehl &quot;%1&quot;</source>
        <translation>fbe-tool: unknown command &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ModuleSim</name>
    <message>
        <source>Aufruf: fbe-module-sim [Optionen]
Simuliertes Empfängermodul an einem Pseudo-Terminal; die erste Zeile der Ausgabe ist
der Gerätepfad.
  --link PFAD           symbolischer Link PFAD auf das Terminal (ersetzt einen Link,
                        nie eine Datei; wird am Ende entfernt)
  --eeprom DATEI        EEPROM-Inhalt (256 Bytes) laden und nach jedem Schreiben sichern
  --firmware V          Firmware-Version (Standard 0x0205), dezimal oder 0x...
  --line-speed BAUD     jedes Byte wie auf der Leitung takten (10 Bit je Byte)
  --write-ms N          Schreibzeit des EEPROMs je Byte in ms
  --verbose             jeden Befehl auf stderr melden
Fehler für Tests:
  --no-reply            nie antworten
  --id-byte B           erstes Byte der Identifizierung (Standard 0x14)
  --bad-id              falsches Identifizierungsbyte (0x41)
  --leading-zeros N     N Nullbytes vor der Identifizierung
  --bad-echo ADR        falsches Echo beim Schreiben der Adresse ADR
  --silence-after N     nach N beantworteten Befehlen schweigen
  --corrupt ADR         gespeichertes Byte an ADR verfälscht (Bit 0 gekippt)
  --hangup-after N      nach N gesendeten Antwortbytes die Leitung auflegen: das
                        Terminal wird geschlossen (wie ein abgezogener Adapter)
  --endless-zeros       ab dem ersten Befehl statt jeder Antwort Nullbytes ohne Ende
                        (wie eine Leitung im Break-Zustand), im Takt der Leitung
                        (ohne --line-speed: 14400 Baud)
  --flaky-read ADR      das erste Lesen von ADR liefert ein verfälschtes Byte (Bit 0
                        gekippt), jedes weitere das gespeicherte
Befehle gezählt ab 0 (der erste empfangene, meist die Identifizierung):
  --garbage-from N      ab Befehl N ist jedes Antwortbyte ein anderes (Störungen)
  --reply-twice N       die Antwort auf Befehl N kommt vor der nächsten Antwort noch
                        einmal
  --late-replies N      ab Befehl N bekommt jeder Befehl die Antwort auf den vorigen
                        (die Antworten kommen einen Befehl zu spät)
Module ein- und ausstecken (Serienprogrammierung):
  --absent-while PFAD   solange die Datei PFAD besteht, steckt kein Modul im Adapter:
                        Befehle bleiben ohne Antwort, Schreibbefehle ohne Wirkung
  --fresh-on-insert     (nur mit --absent-while) jedes Einstecken, also jedes
                        Verschwinden von PFAD, bringt ein neues Modul mit gelöschtem
                        EEPROM (alle Bytes 0xFF außer der Firmware-Version)
  Beide lassen sich mit jeder Fehleroption kombinieren; die Fehler gelten für jedes
  Modul. Mit --fresh-on-insert zählt --silence-after für jedes neue Modul von vorn,
  --hangup-after zählt über alle Module (es legt die Leitung auf, nicht das Modul);
  --eeprom sichert das Modul, das gerade steckt.
</source>
        <translation>Usage: fbe-module-sim [options]
A simulated receiver module on a pseudo-terminal; the first line of output is the
device path.
  --link PATH           symbolic link PATH to the terminal (replaces a link, never a
                        file; removed at the end)
  --eeprom FILE         load the EEPROM content (256 bytes) and save it after each write
  --firmware V          firmware version (default 0x0205), decimal or 0x...
  --line-speed BAUD     pace each byte as on the line (10 bits per byte)
  --write-ms N          EEPROM write time per byte in ms
  --verbose             report each command on stderr
Faults for tests:
  --no-reply            never reply
  --id-byte B           first byte of the identification (default 0x14)
  --bad-id              wrong identification byte (0x41)
  --leading-zeros N     N zero bytes before the identification
  --bad-echo ADR        wrong echo when writing address ADR
  --silence-after N     fall silent after N commands answered
  --corrupt ADR         stored byte at ADR corrupted (bit 0 flipped)
  --hangup-after N      hang up the line after N reply bytes sent: the terminal is
                        closed (like an unplugged adapter)
  --endless-zeros       from the first command on, zero bytes without end instead of
                        any reply (like a line in break state), at the line&apos;s pace
                        (without --line-speed: 14400 baud)
  --flaky-read ADR      the first read of ADR gives a corrupted byte (bit 0 flipped),
                        every later one the stored byte
Commands counted from 0 (the first received, mostly the identification):
  --garbage-from N      from command N on every reply byte is a different one (noise)
  --reply-twice N       the reply to command N comes once more before the next reply
  --late-replies N      from command N on each command gets the reply to the previous
                        one (the replies come one command late)
Plugging modules in and out (series programming):
  --absent-while PATH   while the file PATH exists, no module sits in the adapter:
                        commands get no reply, writes have no effect
  --fresh-on-insert     (only with --absent-while) each insertion, that is each
                        disappearance of PATH, brings a new module with an erased
                        EEPROM (all bytes 0xFF except the firmware version)
  Both combine with every fault option; the faults apply to every module. With
  --fresh-on-insert, --silence-after counts afresh for each new module,
  --hangup-after counts over all modules (it hangs up the line, not the module);
  --eeprom saves the module plugged in now.
</translation>
    </message>
    <message>
        <source>fbe-module-sim: %1 braucht eine Zahl %2..%3
</source>
        <translation>fbe-module-sim: %1 needs a number %2..%3
</translation>
    </message>
    <message>
        <source>fbe-module-sim: %1 braucht einen Wert
</source>
        <translation>fbe-module-sim: %1 needs a value
</translation>
    </message>
    <message>
        <source>fbe-module-sim: unbekannte Option %1
</source>
        <translation>fbe-module-sim: unknown option %1
</translation>
    </message>
    <message>
        <source>fbe-module-sim: --fresh-on-insert braucht --absent-while
</source>
        <translation>fbe-module-sim: --fresh-on-insert needs --absent-while
</translation>
    </message>
    <message>
        <source>fbe-module-sim: Link %1: dort ist schon eine Datei, kein Link
</source>
        <translation>fbe-module-sim: link %1: there is a file there already, not a link
</translation>
    </message>
    <message>
        <source>fbe-module-sim: %1 ist keine EEPROM-Datei (256 Bytes)
</source>
        <translation>fbe-module-sim: %1 is no EEPROM file (256 bytes)
</translation>
    </message>
    <message>
        <source>fbe-module-sim: %1 kann nicht geschrieben werden
</source>
        <translation>fbe-module-sim: %1 cannot be written
</translation>
    </message>
</context>
<context>
    <name>ProductionLog</name>
    <message>
        <source>von einem anderen Programm gesperrt</source>
        <translation>locked by another program</translation>
    </message>
    <message>
        <source> Achtung: diese Adressen wurden bereits programmiert (%1)</source>
        <translation> Attention: these addresses were programmed before (%1)</translation>
    </message>
    <message>
        <source> Protokoll konnte nicht geschrieben werden</source>
        <translation> Log could not be written</translation>
    </message>
    <message>
        <source> %1 Zeilen des Protokolls nicht lesbar</source>
        <translation> %1 lines of the log not readable</translation>
    </message>
</context>
<context>
    <name>Refresh</name>
    <message>
        <source>EEPROM-Fehler (checksum)</source>
        <translation>EEPROM error (checksum)</translation>
    </message>
    <message>
        <source>ACHTUNG!!!</source>
        <translation>ATTENTION!!!</translation>
    </message>
    <message>
        <source>Es wurde eine ältere Firmware des Moduls erkannt! Diese Software ist hierzu nicht kompatibel.</source>
        <translation>An older firmware of the module was detected! This software is not compatible with it.</translation>
    </message>
    <message>
        <source>Bitte benutzen Sie eine frühere Version (max. V1.50) um dieses Modul zu konfigurieren. Sie erhalten diese Version auch kostenfrei auf Anfrage!</source>
        <translation>Please use an earlier version (V1.50 at most) to configure this module. You can have this version free of charge on request!</translation>
    </message>
    <message>
        <source>Die Firmware des Moduls ist neuer, als dieser Software bekannt ist.</source>
        <translation>The module&apos;s firmware is newer than this software knows.</translation>
    </message>
    <message>
        <source>Eventuell wird die Konfiguration nicht korrekt übertragen!</source>
        <translation>The configuration may not be transferred correctly!</translation>
    </message>
    <message>
        <source>Bitte laden Sie sich die aktuellste Software im Internet herunter oder kontaktieren sie uns!</source>
        <translation>Please download the latest software from the internet or contact us!</translation>
    </message>
    <message>
        <source> Konfiguration unverändert</source>
        <translation> Configuration unchanged</translation>
    </message>
    <message>
        <source> Modul unvollständig programmiert - bitte erneut programmieren</source>
        <translation> Module programmed incompletely - please program again</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>keine Schreibberechtigung</source>
        <translation>no write permission</translation>
    </message>
    <message>
        <source>keine Leseberechtigung</source>
        <translation>no read permission</translation>
    </message>
    <message>
        <source>Datenträger voll</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>Ordner nicht vorhanden</source>
        <translation>folder does not exist</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>schreibgeschützt</source>
        <extracomment>a file system mounted read-only, or a file without any write permission</extracomment>
        <translation>write-protected</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei (Pipe oder Gerät)</source>
        <translation>not a plain file (pipe or device)</translation>
    </message>
    <message>
        <source>ein Ordner, keine Datei</source>
        <translation>a folder, not a file</translation>
    </message>
    <message>
        <source>Dateiname ist kein gültiges UTF-8</source>
        <translation>file name is not valid UTF-8</translation>
    </message>
    <message>
        <source>Dateiname zu lang</source>
        <translation>file name too long</translation>
    </message>
    <message>
        <source>zu viele symbolische Verknüpfungen</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>input/output error of the disk</translation>
    </message>
    <message>
        <source>Lesefehler</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>Schreibfehler</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden</source>
        <translation>file cannot be written</translation>
    </message>
    <message>
        <source>Datei kann nicht gelesen werden</source>
        <translation>file cannot be read</translation>
    </message>
    <message>
        <source>Fehler (%1)</source>
        <extracomment>%1 is the operating system&apos;s own text for the error</extracomment>
        <translation>error (%1)</translation>
    </message>
</context>
<context>
    <name>SharedSeries</name>
    <message>
        <source> Ergebnis konnte nicht gespeichert werden</source>
        <translation> Result could not be stored</translation>
    </message>
    <message>
        <source>keine PostgreSQL-URI (postgresql://benutzer@server:port/datenbank)</source>
        <translation>not a PostgreSQL URI (postgresql://user@server:port/database)</translation>
    </message>
    <message>
        <source>keine Produktionsdatenbank eingestellt</source>
        <translation>no production database set</translation>
    </message>
    <message>
        <source>IPv6-Adresse ohne &quot;]&quot;: %1</source>
        <translation>IPv6 address without &quot;]&quot;: %1</translation>
    </message>
    <message>
        <source>unverständlicher Server: %1</source>
        <translation>server not understood: %1</translation>
    </message>
    <message>
        <source>ungültiger Port: %1</source>
        <translation>invalid port: %1</translation>
    </message>
    <message>
        <source>ungültige Verbindungsoption: %1</source>
        <translation>invalid connection option: %1</translation>
    </message>
    <message>
        <source>Verbindungsoption %1 mit &quot;;&quot; wird nicht unterstützt</source>
        <translation>connection option %1 with &quot;;&quot; is not supported</translation>
    </message>
    <message>
        <source>Qt-Treiber QPSQL fehlt (Paket libqt6sql6-psql)</source>
        <translation>Qt driver QPSQL missing (package libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>Datenbank-Schema Version %1, dieses Programm kennt bis Version %2</source>
        <translation>database schema version %1, this program knows up to version %2</translation>
    </message>
    <message>
        <source>Serie %1 nicht in der Datenbank</source>
        <translation>series %1 not in the database</translation>
    </message>
    <message>
        <source>Nummer %1 der Serie %2 nicht in der Datenbank</source>
        <translation>number %1 of series %2 not in the database</translation>
    </message>
    <message>
        <source>Sperrdatei %1.lock</source>
        <extracomment>the reason a result could not be queued: its lock file (%1.lock) could not be taken</extracomment>
        <translation>lock file %1.lock</translation>
    </message>
    <message>
        <source>nicht benutzt</source>
        <translation>not used</translation>
    </message>
    <message>
        <source> Sendertyp %1, in der Datenbank %2</source>
        <translation> transmitter type %1, in the database %2</translation>
    </message>
    <message>
        <source> Codierlänge %1 Bit, in der Datenbank %2 Bit</source>
        <translation> code length %1 bits, in the database %2 bits</translation>
    </message>
    <message>
        <source> Adressmaske %1, in der Datenbank %2</source>
        <translation> address mask %1, in the database %2</translation>
    </message>
    <message>
        <source> CODE %1: Startadresse %2, in der Datenbank %3</source>
        <translation> CODE %1: start address %2, in the database %3</translation>
    </message>
    <message>
        <source> CODE %1: Inkrement %2, in der Datenbank %3</source>
        <translation> CODE %1: increment %2, in the database %3</translation>
    </message>
    <message>
        <source> Produktionsdatenbank nicht erreichbar</source>
        <translation> Production database not reachable</translation>
    </message>
    <message>
        <source> Serie ohne increment: jede Station würde dieselben Adressen programmieren</source>
        <translation> Series without increment: every station would program the same addresses</translation>
    </message>
    <message>
        <source> Serie %1: andere Startadressen, Inkremente oder Codierlänge als in der Datenbank</source>
        <translation> Series %1: other start addresses, increments or code length than in the database</translation>
    </message>
    <message>
        <source> Serie %1 erschöpft: die Adressen wiederholen sich</source>
        <translation> Series %1 exhausted: the addresses repeat</translation>
    </message>
    <message>
        <source> Ergebnis wird nachgetragen</source>
        <translation> Result will be recorded later</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>ein</source>
        <translation>on</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Wechsel (Toggle)</source>
        <translation>Toggle</translation>
    </message>
    <message>
        <source>1:1 (Tastend)</source>
        <translation>1:1 (momentary)</translation>
    </message>
    <message>
        <source>Nachlauf: %1</source>
        <translation>Run-on: %1</translation>
    </message>
    <message>
        <source>Impuls</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>Dauer: %1</source>
        <translation>Length: %1</translation>
    </message>
    <message>
        <source>- keine -</source>
        <translation>- none -</translation>
    </message>
    <message>
        <source>Typ 0: Werte manuell geändert</source>
        <translation>Type 0: values changed by hand</translation>
    </message>
    <message>
        <source>Sendertyp %1</source>
        <translation>Transmitter type %1</translation>
    </message>
    <message>
        <source>Konfiguration des Empfängermoduls</source>
        <translation>Configuration of the receiver module</translation>
    </message>
    <message>
        <source>Datei: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm</source>
        <extracomment>the date and time of printing, as QDateTime::toString() takes a format</extracomment>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>gedruckt: %1</source>
        <translation>printed: %1</translation>
    </message>
    <message>
        <source>Funkempfänger Konfiguration  Ver.: %1</source>
        <translation>Radio Receiver Configuration  Ver.: %1</translation>
    </message>
    <message>
        <source>Firmware: %1</source>
        <translation>Firmware: %1</translation>
    </message>
    <message>
        <source>nicht gespeichert</source>
        <translation>not saved</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Transmitter</translation>
    </message>
    <message>
        <source>ref-correction %1, ref-min %2, ref-max %3, dat-min %4, dat-max %5, wait1 %6, wait2 %7, wait3 %8, checkmask %9</source>
        <translation>ref-correction %1, ref-min %2, ref-max %3, dat-min %4, dat-max %5, wait1 %6, wait2 %7, wait3 %8, checkmask %9</translation>
    </message>
    <message>
        <source>Codierlänge: %1 Bit</source>
        <translation>Code length: %1 bits</translation>
    </message>
    <message>
        <source>max. Adresse: %1</source>
        <translation>max. address: %1</translation>
    </message>
    <message>
        <source>Zähler: %1</source>
        <translation>Counter: %1</translation>
    </message>
    <message>
        <source>Adressen: zuletzt programmiert</source>
        <translation>Addresses: programmed last</translation>
    </message>
    <message>
        <source>Codefunktionen 1..8</source>
        <translation>Code functions 1..8</translation>
    </message>
    <message>
        <source>&quot;Parallel&quot;-Codes</source>
        <translation>&quot;Parallel&quot; codes</translation>
    </message>
    <message>
        <source>Fix-Codes (standard)</source>
        <translation>Fixed codes (standard)</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Funktion</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Ausgänge</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>increment</source>
        <translation>increment</translation>
    </message>
    <message>
        <source>nächste:</source>
        <translation>next:</translation>
    </message>
    <message>
        <source>CODE %1:</source>
        <translation>CODE %1:</translation>
    </message>
    <message>
        <source>Bitpos: %1</source>
        <translation>Bit pos.: %1</translation>
    </message>
    <message>
        <source>Direktausgabe !</source>
        <translation>Direct output !</translation>
    </message>
    <message>
        <source>die Zustände der Ausgänge out 1 .. out4 entsprechen der Wertigkeit der 4 Bits mit der unten angegebenen Position</source>
        <translation>the states of the outputs out 1 .. out4 follow the values of the 4 bits at the position given below</translation>
    </message>
    <message>
        <source>bei &quot;Parallelcodes&quot; nur Code1..4 möglich!</source>
        <translation>with &quot;parallel codes&quot; only code 1..4 possible!</translation>
    </message>
    <message>
        <source>Allgemeine Einstellungen</source>
        <translation>Basic settings</translation>
    </message>
    <message>
        <source>Prüfschärfe:</source>
        <translation>Check count:</translation>
    </message>
    <message>
        <source>Sperrzeit:</source>
        <translation>Lock time:</translation>
    </message>
    <message>
        <source>Speicherfunktion:</source>
        <translation>Storage function:</translation>
    </message>
    <message>
        <source>Not-Aus:</source>
        <translation>Emergency off:</translation>
    </message>
    <message>
        <source>ein, %1</source>
        <translation>on, %1</translation>
    </message>
    <message>
        <source>mit Checksumme:</source>
        <translation>With checksum:</translation>
    </message>
    <message>
        <source>ja, Bits: %1</source>
        <translation>yes, bits: %1</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Umschaltzeit:</source>
        <translation>Switch-over time:</translation>
    </message>
    <message>
        <source>Anfangswert:</source>
        <translation>Start state:</translation>
    </message>
    <message>
        <source>gegenseitige Verriegelung der Ausgänge:</source>
        <translation>Mutual interlock of the outputs:</translation>
    </message>
    <message>
        <source>OUT %1 / OUT %2</source>
        <translation>OUT %1 / OUT %2</translation>
    </message>
    <message>
        <source>keine Verriegelung</source>
        <translation>no interlock</translation>
    </message>
    <message>
        <source>verriegelt: %1</source>
        <translation>interlocked: %1</translation>
    </message>
    <message>
        <source>Generaladresse:</source>
        <translation>Common address:</translation>
    </message>
    <message>
        <source>(dezimal: %1)</source>
        <translation>(decimal: %1)</translation>
    </message>
    <message>
        <source>Adress-Maske:</source>
        <translation>Address mask:</translation>
    </message>
    <message>
        <source>Code-Pos:</source>
        <translation>Code pos.:</translation>
    </message>
    <message>
        <source>Ausgabe:</source>
        <translation>Output mode:</translation>
    </message>
    <message>
        <source>Direktausgabe</source>
        <translation>Direct output</translation>
    </message>
    <message>
        <source>Codeinhalt</source>
        <translation>Code content</translation>
    </message>
    <message>
        <source>Benutzer-Kommentare</source>
        <translation>User comments</translation>
    </message>
    <message>
        <source>(Kommentar gekürzt)</source>
        <translation>(comment shortened)</translation>
    </message>
    <message>
        <source>programmiert am</source>
        <translation>programmed on</translation>
    </message>
    <message>
        <source>von</source>
        <translation>by</translation>
    </message>
    <message>
        <source>Modul / Seriennummer</source>
        <translation>Module / serial number</translation>
    </message>
    <message>
        <source>Unterschrift</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>die Ausgabe wäre die Konfigurationsdatei selbst</source>
        <translation>the output would be the configuration file itself</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>nur eine Datei kann geladen werden: %1</source>
        <translation>only one file can be loaded: %1</translation>
    </message>
    <message>
        <source>Ordner %1 kann nicht angelegt werden</source>
        <translation>folder %1 cannot be created</translation>
    </message>
    <message>
        <source>Ordner %1 kann nicht geöffnet werden</source>
        <translation>folder %1 cannot be opened</translation>
    </message>
    <message>
        <source>Lizenz GPLv3+: GNU GPL Version 3 oder neuer &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</source>
        <translation>License GPLv3+: GNU GPL version 3 or later &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</translation>
    </message>
    <message>
        <source>Aufruf: fbe [--desktop] [DATEI]

  DATEI        lädt die Konfiguration DATEI beim Start, ohne nach der Datei der
               letzten Sitzung zu fragen.
  --desktop    Einstellungsdatei und Arbeitsordner in $XDG_DATA_HOME/fbe
               (sonst ~/.local/share/fbe), wie beim Start aus dem Menü.
  --version    zeigt die Version und die Lizenz.
  --help       zeigt diese Hilfe.
</source>
        <extracomment>the help of &quot;fbe --help&quot;; FILE in capitals as the command line&apos;s placeholder</extracomment>
        <translation>Usage: fbe [--desktop] [FILE]

  FILE         loads the configuration FILE at start, without asking for the file
               of the last session.
  --desktop    settings file and working folder in $XDG_DATA_HOME/fbe
               (else ~/.local/share/fbe), as at a start from the menu.
  --version    shows the version and the licence.
  --help       shows this help.
</translation>
    </message>
</context>
<context>
    <name>TFFBmain</name>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Rückgängig: %1</source>
        <extracomment>%1 names the step taken back, as &quot;Codierlänge&quot; or &quot;CODE 3&quot;</extracomment>
        <translation>&amp;Undo: %1</translation>
    </message>
    <message>
        <source>&amp;Wiederholen: %1</source>
        <extracomment>%1 names the step redone, as &quot;Modul auslesen&quot;</extracomment>
        <translation>&amp;Redo: %1</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
</context>
<context>
    <name>Transmitter</name>
    <message>
        <source>Mini-Handsender MHS 1</source>
        <translation>Mini hand transmitter MHS 1</translation>
    </message>
    <message>
        <source>1-Kanal; 12 Bit Codierung</source>
        <translation>1-channel; 12-bit coding</translation>
    </message>
    <message>
        <source>Mini-Handsender MHS 2</source>
        <translation>Mini hand transmitter MHS 2</translation>
    </message>
    <message>
        <source>2-Kanal; 12 Bit Codierung</source>
        <translation>2-channel; 12-bit coding</translation>
    </message>
    <message>
        <source>Handsender SVS FB3</source>
        <translation>Hand transmitter SVS FB3</translation>
    </message>
    <message>
        <source>3-Kanal von SVS; 40 Bit Codierung</source>
        <translation>3-channel from SVS; 40-bit coding</translation>
    </message>
    <message>
        <source>Mini-Handsender MHS 4</source>
        <translation>Mini hand transmitter MHS 4</translation>
    </message>
    <message>
        <source>4-Kanal; 12 Bit Codierung</source>
        <translation>4-channel; 12-bit coding</translation>
    </message>
    <message>
        <source>Universalsender PCS 16</source>
        <translation>Universal transmitter PCS 16</translation>
    </message>
    <message>
        <source>1-16-Kanal Sender; 1..40 Bit Codes</source>
        <translation>1-16-channel transmitter; 1..40-bit codes</translation>
    </message>
    <message>
        <source>Universalsender PCS 16 HP</source>
        <translation>Universal transmitter PCS 16 HP</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Prüfschärfe</source>
        <translation>Check count</translation>
    </message>
    <message>
        <source>Korrektur</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Sperrzeit</source>
        <translation>Lock time</translation>
    </message>
    <message>
        <source>Umschaltzeit</source>
        <translation>Switch-over time</translation>
    </message>
    <message>
        <source>Not-Aus-Zeit</source>
        <translation>Emergency-off time</translation>
    </message>
    <message>
        <source>Checksummen-Bits</source>
        <translation>Checksum bits</translation>
    </message>
    <message>
        <source>Code-Pos</source>
        <translation>Code pos.</translation>
    </message>
    <message>
        <source>Codierlänge</source>
        <translation>Code length</translation>
    </message>
    <message>
        <source>Zähler</source>
        <translation>Counter</translation>
    </message>
    <message>
        <source>increment CODE %1</source>
        <translation>increment CODE %1</translation>
    </message>
    <message>
        <source>Generaladresse</source>
        <translation>Common address</translation>
    </message>
    <message>
        <source>Bewertungsmaske</source>
        <translation>Evaluation mask</translation>
    </message>
    <message>
        <source>Anfangswert OUT %1</source>
        <translation>Start state OUT %1</translation>
    </message>
    <message>
        <source>Speicherfunktion</source>
        <translation>Storage function</translation>
    </message>
    <message>
        <source>Verriegelung OUT %1 - OUT %2</source>
        <translation>Interlock OUT %1 - OUT %2</translation>
    </message>
    <message>
        <source>Not-Aus</source>
        <translation>Emergency off</translation>
    </message>
    <message>
        <source>mit Checksumme</source>
        <translation>With checksum</translation>
    </message>
    <message>
        <source>Fix-Codes</source>
        <translation>Fixed codes</translation>
    </message>
    <message>
        <source>&quot;Parallel&quot;-Codes</source>
        <translation>&quot;Parallel&quot; codes</translation>
    </message>
    <message>
        <source>Codeinhalt</source>
        <translation>Code content</translation>
    </message>
    <message>
        <source>Direktausgabe</source>
        <translation>Direct output</translation>
    </message>
    <message>
        <source>CODE %1</source>
        <translation>CODE %1</translation>
    </message>
    <message>
        <source>Senderauswahl</source>
        <translation>Transmitter selection</translation>
    </message>
    <message>
        <source>System-Grundeinstellungen</source>
        <translation>System base settings</translation>
    </message>
    <message>
        <source>Projektname</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Modul auslesen</source>
        <translation>Read module</translation>
    </message>
    <message>
        <source>Modul programmieren</source>
        <translation>Program module</translation>
    </message>
    <message>
        <source> rückgängig: %1</source>
        <translation> undone: %1</translation>
    </message>
    <message>
        <source> wiederholt: %1</source>
        <translation> redone: %1</translation>
    </message>
</context>
<context>
    <name>fbe::LanguageMenu</name>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>wie System</source>
        <translation>as system</translation>
    </message>
</context>
<context>
    <name>fbe::ModuleWrite</name>
    <message>
        <source>ACHTUNG!</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source>bei %1 wurde zwar eine Funktion aktiviert, aber kein Ausgang (out1..out4) selektiert.</source>
        <extracomment>%1: the codes, e.g. &quot;Code1, Code3&quot;</extracomment>
        <translation>%1: a function is active, but no output (out1..out4) is selected.</translation>
    </message>
    <message>
        <source>Überprüfen Sie die Einstellungen und wiederholen Sie gegebenenfalls die Programmierung!</source>
        <translation>Check the settings and program the module again if needed!</translation>
    </message>
</context>
<context>
    <name>fbe::OpenFailure</name>
    <message>
        <source>Gerät nicht vorhanden</source>
        <translation>device not present</translation>
    </message>
    <message>
        <source> %1: Gerät nicht vorhanden</source>
        <translation> %1: device not present</translation>
    </message>
    <message>
        <source>keine Berechtigung (Benutzer in die Gruppe dialout aufnehmen und neu anmelden)</source>
        <translation>no permission (add the user to the group dialout and log in again)</translation>
    </message>
    <message>
        <source> %1: keine Berechtigung (Benutzer in die Gruppe dialout aufnehmen und neu anmelden)</source>
        <translation> %1: no permission (add the user to the group dialout and log in again)</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source> %1: keine Berechtigung</source>
        <translation> %1: no permission</translation>
    </message>
    <message>
        <source>von einem anderen Programm belegt (evtl. ModemManager)</source>
        <translation>in use by another program (ModemManager?)</translation>
    </message>
    <message>
        <source> %1: von einem anderen Programm belegt (evtl. ModemManager)</source>
        <translation> %1: in use by another program (ModemManager?)</translation>
    </message>
    <message>
        <source>von einem anderen Programm belegt</source>
        <translation>in use by another program</translation>
    </message>
    <message>
        <source> %1: von einem anderen Programm belegt</source>
        <translation> %1: in use by another program</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen (%1)</source>
        <translation>error on opening (%1)</translation>
    </message>
    <message>
        <source> %1: Fehler beim Öffnen (%2)</source>
        <translation> %1: error on opening (%2)</translation>
    </message>
</context>
<context>
    <name>fbe::PortCatalogue</name>
    <message>
        <source>simuliertes Modul</source>
        <translation>simulated module</translation>
    </message>
    <message>
        <source>Gerät: %1</source>
        <translation>Device: %1</translation>
    </message>
    <message>
        <source>Hersteller: %1</source>
        <translation>Maker: %1</translation>
    </message>
    <message>
        <source>Seriennummer: %1</source>
        <translation>Serial number: %1</translation>
    </message>
    <message>
        <source>USB-Kennung (VID:PID): %1:%2</source>
        <translation>USB id (VID:PID): %1:%2</translation>
    </message>
    <message>
        <source>fester Name: %1</source>
        <translation>Stable name: %1</translation>
    </message>
    <message>
        <source>derzeit benützte serielle Schnittstelle (%1)</source>
        <translation>serial port in use (%1)</translation>
    </message>
    <message>
        <source>derzeit benützte serielle Schnittstelle (%1 - %2)</source>
        <translation>serial port in use (%1 - %2)</translation>
    </message>
</context>
<context>
    <name>fbe::PortMenu</name>
    <message>
        <source> Schnittstelle %1 nicht gefunden --&gt; %2</source>
        <extracomment>a remembered adapter is not there at start; %2 is the COM port used instead</extracomment>
        <translation> Port %1 not found --&gt; %2</translation>
    </message>
</context>
<context>
    <name>fbe::PortNames</name>
    <message>
        <source>derzeit benützte serielle Schnittstelle (%1)</source>
        <translation>serial port in use (%1)</translation>
    </message>
</context>
<context>
    <name>fbe::ProductionDatabaseDialog</name>
    <message>
        <source>Produktionsdatenbank</source>
        <translation>Production database</translation>
    </message>
    <message>
        <source>Mehrere Stationen programmieren eine Serie: die Nummer jedes Moduls und seine Adressen kommen aus einer gemeinsamen PostgreSQL-Datenbank, jeder Lauf wird dort festgehalten.</source>
        <translation>Several stations program one series: the number of each module and its addresses come from a shared PostgreSQL database, which records every run.</translation>
    </message>
    <message>
        <source>Name oder Adresse des Datenbankservers, oder der Ordner seines Unix-Sockets (leer: dieser Rechner)</source>
        <translation>Name or address of the database server, or the folder of its Unix socket (empty: this computer)</translation>
    </message>
    <message>
        <source>leer: 5432</source>
        <translation>empty: 5432</translation>
    </message>
    <message>
        <source>Name der Datenbank</source>
        <translation>Name of the database</translation>
    </message>
    <message>
        <source>Benutzer der Datenbank</source>
        <translation>User of the database</translation>
    </message>
    <message>
        <source>Name dieser Station in der Datenbank (Vorgabe: der Name des Rechners)</source>
        <translation>Name of this station in the database (default: the computer&apos;s name)</translation>
    </message>
    <message>
        <source>nur verschlüsselt verbinden (sslmode=require)</source>
        <translation>connect encrypted only (sslmode=require)</translation>
    </message>
    <message>
        <source>ohne Haken: verschlüsselt, wenn der Server es anbietet</source>
        <translation>not ticked: encrypted when the server offers it</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Datenbank:</source>
        <translation>&amp;Database:</translation>
    </message>
    <message>
        <source>&amp;Benutzer:</source>
        <translation>&amp;User:</translation>
    </message>
    <message>
        <source>S&amp;tation:</source>
        <translation>S&amp;tation:</translation>
    </message>
    <message>
        <source>Das Kennwort kommt aus ~/.pgpass oder PGPASSWORD; das Programm speichert keines.</source>
        <translation>The password comes from ~/.pgpass or PGPASSWORD; the program stores none.</translation>
    </message>
    <message>
        <source>&amp;Verbinden</source>
        <translation>&amp;Connect</translation>
    </message>
    <message>
        <source>&amp;ohne Datenbank</source>
        <translation>&amp;No database</translation>
    </message>
    <message>
        <source>die Serie wieder nur auf dieser Station zählen</source>
        <translation>count the series on this station alone again</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>fbe::TFCode</name>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Dieser Code wird nicht benützt</source>
        <translation>This code is not used</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Ausgang schaltet auf High bei Tastendruck</source>
        <translation>Output switches to high on a key press</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Ausgang schaltet auf Low bei Tastendruck</source>
        <translation>Output switches to low on a key press</translation>
    </message>
    <message>
        <source>Wechsel (Toggle)</source>
        <translation>Toggle</translation>
    </message>
    <message>
        <source>Ausgang wechselt bei Tastendruck</source>
        <translation>Output changes over on each key press</translation>
    </message>
    <message>
        <source>1:1 (Tastend)</source>
        <translation>1:1 (momentary)</translation>
    </message>
    <message>
        <source>Ausgang schaltet auf High solange Taste gedrückt wird</source>
        <translation>Output is high as long as the key is held</translation>
    </message>
    <message>
        <source>Impuls</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>Ausgang gibt Impuls aus</source>
        <translation>Output gives a pulse</translation>
    </message>
    <message>
        <source>Code/Funktions-Einstellungen</source>
        <translation>Code/function settings</translation>
    </message>
    <message>
        <source>nächster Code (Bild auf)</source>
        <translation>next code (Page Up)</translation>
    </message>
    <message>
        <source>vorheriger Code (Bild ab)</source>
        <translation>previous code (Page Down)</translation>
    </message>
    <message>
        <source>Parallelbetrieb !</source>
        <translation>Parallel mode !</translation>
    </message>
    <message>
        <source>Code ausgelöst durch Bit an Pos:</source>
        <translation>Code triggered by the bit at pos.:</translation>
    </message>
    <message>
        <source>(Pos 1 entspricht dem LSB)</source>
        <translation>(pos. 1 is the LSB)</translation>
    </message>
    <message>
        <source>Adresse des Sendestrings</source>
        <translation>Address of the transmitted string</translation>
    </message>
    <message>
        <source>Adresse (=Codestring):</source>
        <translation>Address (=code string):</translation>
    </message>
    <message>
        <source>direkte Adresseingabe (nur im dezimalen Anzeigmodus möglich)</source>
        <translation>direct address entry (in decimal display mode only)</translation>
    </message>
    <message>
        <source>Adresse wurde begrenzt !!!</source>
        <translation>Address was limited !!!</translation>
    </message>
    <message>
        <source>Einstellhilfe:</source>
        <translation>Setting aid:</translation>
    </message>
    <message>
        <source>graphische Adress-Einstellung (nur wenn Sender eindeutig definiert ist, siehe Menue-System)</source>
        <translation>graphical address setting (only when the transmitter is defined unambiguously, see menu System)</translation>
    </message>
    <message>
        <source>Funktion:</source>
        <translation>Function:</translation>
    </message>
    <message>
        <source>Eingabe der Zeit</source>
        <translation>Entry of the time</translation>
    </message>
    <message>
        <source>Zeiteinheit</source>
        <translation>Time unit</translation>
    </message>
    <message>
        <source>ein markiertes Kästchen bewirkt, daß dieser Ausgang beeinflußt wird</source>
        <translation>a ticked box makes the code affect this output</translation>
    </message>
    <message>
        <source>Ausgang:</source>
        <translation>Output:</translation>
    </message>
    <message>
        <source>OUT %1</source>
        <translation>OUT %1</translation>
    </message>
    <message>
        <source>nächster Code</source>
        <translation>next code</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>CODE %1</source>
        <translation>CODE %1</translation>
    </message>
    <message>
        <source>Nachlaufzeit:</source>
        <translation>Run-on time:</translation>
    </message>
    <message>
        <source>Impulsdauer:</source>
        <translation>Pulse length:</translation>
    </message>
</context>
<context>
    <name>fbe::TFFB16</name>
    <message>
        <source>Adress-Konfiguration</source>
        <translation>Address configuration</translation>
    </message>
    <message>
        <source>PC - Programmierbare</source>
        <translation>PC-programmable</translation>
    </message>
    <message>
        <source>1..16 Tasten Sender</source>
        <translation>1..16-key transmitter</translation>
    </message>
    <message>
        <source>Für eine korrekte Konfiguration 
muss die Codierlänge 
unbedingt exakt identisch mit 
der Senderkonfiguration sein!</source>
        <translation>For a correct configuration 
the code length must match 
the transmitter&apos;s configuration 
exactly!</translation>
    </message>
    <message>
        <source>Codierlänge</source>
        <translation>Code length</translation>
    </message>
    <message>
        <source>(1-40 Bit)</source>
        <translation>(1-40 bits)</translation>
    </message>
    <message>
        <source>Code-Adresse:</source>
        <translation>Code address:</translation>
    </message>
    <message>
        <source>direkte Adresseingabe (nur im dezimalen Anzeigmodus möglich)</source>
        <translation>direct address entry (in decimal display mode only)</translation>
    </message>
    <message>
        <source>max.: </source>
        <translation>max.: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>fbe::TFFB3SVS</name>
    <message>
        <source>Adress-Konfiguration mit SVS FB3</source>
        <translation>Address configuration with SVS FB3</translation>
    </message>
    <message>
        <source>Schalter %1: linke oder rechte Hälfte anklicken</source>
        <translation>Switch %1: click its left or right half</translation>
    </message>
    <message>
        <source>obere Taste</source>
        <translation>upper key</translation>
    </message>
    <message>
        <source>mittlere Taste</source>
        <translation>middle key</translation>
    </message>
    <message>
        <source>untere Taste</source>
        <translation>lower key</translation>
    </message>
    <message>
        <source>Code-Adresse:</source>
        <translation>Code address:</translation>
    </message>
    <message>
        <source>Schalter: linke oder rechte Hälfte anklicken.
Tasten: die gedrückten Tasten anklicken.</source>
        <translation>Switches: click the left or right half.
Keys: click the keys that are pressed.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>fbe::TFFBkeys</name>
    <message>
        <source>rechte obere Taste</source>
        <translation>upper right key</translation>
    </message>
    <message>
        <source>linke obere Taste</source>
        <translation>upper left key</translation>
    </message>
    <message>
        <source>rechte untere Taste</source>
        <translation>lower right key</translation>
    </message>
    <message>
        <source>linke untere Taste</source>
        <translation>lower left key</translation>
    </message>
    <message>
        <source>linke Taste</source>
        <translation>left key</translation>
    </message>
    <message>
        <source>rechte Taste</source>
        <translation>right key</translation>
    </message>
    <message>
        <source>Adress-Konfiguration</source>
        <translation>Address configuration</translation>
    </message>
    <message>
        <source>DIP-Schalter %1</source>
        <translation>DIP switch %1</translation>
    </message>
    <message>
        <source>Lötbrücke darf nicht gesetzt sein!!!</source>
        <translation>Solder bridge must stay open!!!</translation>
    </message>
    <message>
        <source>Lötbrücke</source>
        <translation>Solder bridge</translation>
    </message>
    <message>
        <source>Schalter muß auf dieser Stellung bleiben!!!</source>
        <translation>Switch must stay in this position!!!</translation>
    </message>
    <message>
        <source>Code-Adresse:</source>
        <translation>Code address:</translation>
    </message>
    <message>
        <source>Zum Umstellen die Schalter, Lötbrücke und Tasten anklicken.</source>
        <translation>Click the switches, solder bridge and keys to change them.</translation>
    </message>
    <message>
        <source>Zum Umstellen die Schalter und Lötbrücken anklicken.</source>
        <translation>Click the switches and solder bridges to change them.</translation>
    </message>
    <message>
        <source>Zum Umstellen die Schalter und Tasten anklicken.</source>
        <translation>Click the switches and keys to change them.</translation>
    </message>
    <message>
        <source>Zum Umstellen die Schalter anklicken.</source>
        <translation>Click the switches to change them.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>fbe::TFFBmain</name>
    <message>
        <source>mehrere Stationen programmieren eine Serie: Nummer und Adressen jedes Moduls aus einer gemeinsamen PostgreSQL-Datenbank</source>
        <translation>several stations program one series: number and addresses of each module from a shared PostgreSQL database</translation>
    </message>
    <message>
        <source>Produktions&amp;datenbank ...</source>
        <translation>Production &amp;database ...</translation>
    </message>
    <message>
        <source>Nummer des letzten Moduls dieser Station, erfolgreich programmierte Module der Serie auf allen Stationen</source>
        <translation>Number of this station&apos;s last module, modules of the series programmed successfully on all stations</translation>
    </message>
    <message>
        <source>Produktionsdatenbank: %1</source>
        <translation>Production database: %1</translation>
    </message>
    <message>
        <source>keine Produktionsdatenbank</source>
        <translation>no production database</translation>
    </message>
    <message>
        <source>Serie: %1</source>
        <translation>Series: %1</translation>
    </message>
    <message>
        <source>letztes Modul: %1   gesamt: %2</source>
        <translation>last module: %1   total: %2</translation>
    </message>
    <message>
        <source>nächste: aus der Datenbank</source>
        <translation>next: from the database</translation>
    </message>
    <message>
        <source>nächste:</source>
        <translation>next:</translation>
    </message>
    <message>
        <source>zeigt die Anzahl der von dieser Station erfolgreich programmierten Module der Serie an</source>
        <translation>shows the number of modules of the series this station programmed successfully</translation>
    </message>
    <message>
        <source>zeigt die Anzahl der erfolgreich programmierten Bausteine an</source>
        <translation>shows the number of modules programmed successfully</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>&amp;Print ...</translation>
    </message>
    <message>
        <source>Als PD&amp;F speichern ...</source>
        <translation>Save as PD&amp;F ...</translation>
    </message>
    <message>
        <source> Fehler bei &quot;Drucken!&quot;</source>
        <translation> Error on &quot;Print!&quot;</translation>
    </message>
    <message>
        <source>der Drucker nimmt den Auftrag nicht an</source>
        <translation>the printer does not accept the job</translation>
    </message>
    <message>
        <source> Konfigurationsblatt gedruckt </source>
        <translation> Configuration sheet printed </translation>
    </message>
    <message>
        <source>neue datei</source>
        <translation>new file</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF-Dokument  (*.pdf);;alle Dateien  (*.*)</source>
        <translation>PDF document  (*.pdf);;All files  (*.*)</translation>
    </message>
    <message>
        <source> Fehler bei &quot;Als PDF speichern!&quot;</source>
        <translation> Error on &quot;Save as PDF!&quot;</translation>
    </message>
    <message>
        <source> PDF gespeichert: %1</source>
        <translation> PDF saved: %1</translation>
    </message>
    <message>
        <source> zuletzt geöffnete Datei nicht gefunden: %1</source>
        <translation> last opened file not found: %1</translation>
    </message>
    <message>
        <source> angehalten, solange ein Menü oder Fenster offen ist</source>
        <translation> paused while a menu or window is open</translation>
    </message>
    <message>
        <source>wenn die Speicherfunktion gewählt ist, macht eine Definition der Anfangswerte (rechtes Fenster) keinen Sinn, da als Initialwert nun immer der letzte Zustand vor Spannungsausfall verwendet wird!</source>
        <translation>when the storage function is chosen, start states (right-hand panel) make no sense, since the last state before the loss of power is always used as the initial value!</translation>
    </message>
    <message>
        <source>Konfigurationsfile Empfängermodul  (*.fbe);;alle Dateien  (*.*)</source>
        <translation>Receiver module configuration file  (*.fbe);;All files  (*.*)</translation>
    </message>
    <message>
        <source> Fehler bei &quot;Datei speichern!&quot;</source>
        <translation> Error on &quot;Save file!&quot;</translation>
    </message>
    <message>
        <source>Datei speichern als...</source>
        <translation>Save file as...</translation>
    </message>
    <message>
        <source>nicht speicherbares Zeichen: %1</source>
        <translation>character the file cannot hold: %1</translation>
    </message>
    <message>
        <source>nicht speicherbare Zeichen: %1</source>
        <translation>characters the file cannot hold: %1</translation>
    </message>
    <message>
        <source> file gespeichert </source>
        <extracomment>&quot;file&quot; stands in the German text as it is</extracomment>
        <translation> file saved </translation>
    </message>
    <message>
        <source>!!!  Die Datei wurde geändert  !!!</source>
        <translation>!!!  The file has been changed  !!!</translation>
    </message>
    <message>
        <source>zuerst sichern ?</source>
        <translation>save it first ?</translation>
    </message>
    <message>
        <source>neue datei.fbe</source>
        <extracomment>the name of a new configuration&apos;s file until it is saved under a name of its own</extracomment>
        <translation>new file.fbe</translation>
    </message>
    <message>
        <source>soll die zuletzt geöffnete Datei:</source>
        <translation>shall the file opened last:</translation>
    </message>
    <message>
        <source>geladen werden?</source>
        <translation>be loaded?</translation>
    </message>
    <message>
        <source>Funkempfänger Konfiguration</source>
        <translation>Radio Receiver Configuration</translation>
    </message>
    <message>
        <source>die momentanen Programmeinstellungen konnten nicht gesichert werden. Eventuell ist der aktuelle Ordner schreibgeschützt! Starten Sie das Programm vorzugsweise von einer Festplatte!</source>
        <translation>the current program settings could not be saved. The current folder may be write-protected! Preferably start the program from a hard disk!</translation>
    </message>
    <message>
        <source>Datei laden</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source> Fehler bei &quot;Datei laden!&quot;</source>
        <translation> Error on &quot;Open file!&quot;</translation>
    </message>
    <message>
        <source> Datei geladen </source>
        <translation> file loaded </translation>
    </message>
    <message>
        <source> Achtung: Prüfsumme der Datei falsch! </source>
        <translation> Attention: the file&apos;s checksum is wrong! </translation>
    </message>
    <message>
        <source> Datei mit Fehlern geladen. Veraltetes inkompatibles File! </source>
        <translation> file loaded with errors. Outdated, incompatible file! </translation>
    </message>
    <message>
        <source>die geladene Datei wurde mit einer alten Software erstellt. Die File-Daten sind dazu nicht kompatibel!</source>
        <translation>the loaded file was made by an old version of the software. Its data are not compatible with this one!</translation>
    </message>
    <message>
        <source>     Ein</source>
        <translation>     On</translation>
    </message>
    <message>
        <source>     Aus</source>
        <translation>     Off</translation>
    </message>
    <message>
        <source>     Wechsel</source>
        <translation>     Toggle</translation>
    </message>
    <message>
        <source>1:1 (Nachlauf:%1)</source>
        <translation>1:1 (run-on:%1)</translation>
    </message>
    <message>
        <source>Impuls (%1)</source>
        <translation>Pulse (%1)</translation>
    </message>
    <message>
        <source>  - keine -</source>
        <translation>  - none -</translation>
    </message>
    <message>
        <source>max. Adresse: %1</source>
        <translation>max. address: %1</translation>
    </message>
    <message>
        <source> Bitpos:%1</source>
        <extracomment>the address cell of a parallel code: the position of its bit</extracomment>
        <translation> Bit pos.:%1</translation>
    </message>
    <message>
        <source>Erweiterte Programmiereinstellungen</source>
        <translation>Extended programming settings</translation>
    </message>
    <message>
        <source>Benutzer-Kommentare</source>
        <translation>User comments</translation>
    </message>
    <message>
        <source>Funkempfänger Konfiguration  [Ver.: %1]     - %2 -</source>
        <translation>Radio Receiver Configuration  [Ver.: %1]     - %2 -</translation>
    </message>
    <message>
        <source>Datei:  %1</source>
        <translation>File:  %1</translation>
    </message>
    <message>
        <source>%1 Bit</source>
        <translation>%1 bit</translation>
    </message>
    <message>
        <source> warte auf nächstes Modul ...</source>
        <translation> waiting for the next module ...</translation>
    </message>
    <message>
        <source> Modul entfernen ...</source>
        <translation> remove the module ...</translation>
    </message>
    <message>
        <source> automatisches Programmieren ausgeschaltet</source>
        <translation> automatic programming switched off</translation>
    </message>
    <message>
        <source>&amp;Produktionsprotokoll führen</source>
        <translation>Keep production lo&amp;g</translation>
    </message>
    <message>
        <source>jeder Programmiervorgang wird in fbe-protokoll.csv im Ordner der Konfigurationsdatei festgehalten</source>
        <translation>every programming run is recorded in fbe-protokoll.csv in the folder of the configuration file</translation>
    </message>
    <message>
        <source>automatisch</source>
        <extracomment>the title of the box in two lines: &quot;automatisch&quot; / &quot;programmieren&quot;</extracomment>
        <translation>automatic</translation>
    </message>
    <message>
        <source>programmieren</source>
        <extracomment>the second line of the title &quot;automatisch&quot; / &quot;programmieren&quot;</extracomment>
        <translation>programming</translation>
    </message>
    <message>
        <source>programmiert jedes eingesetzte Modul ohne Tastendruck (nächste Adressen, Zähler); danach zuerst das Modul entfernen</source>
        <translation>programs every module put in without a key press (next addresses, counter); then remove the module first</translation>
    </message>
    <message>
        <source>automatisch programmieren</source>
        <translation>automatic programming</translation>
    </message>
    <message>
        <source>gesperrt, solange &quot;automatisch programmieren&quot; eingeschaltet ist</source>
        <translation>locked while &quot;automatic programming&quot; is on</translation>
    </message>
    <message>
        <source>Allgemeine Einstellungen</source>
        <translation>General settings</translation>
    </message>
    <message>
        <source>Auswahl des Sendertyps</source>
        <translation>Choice of the transmitter type</translation>
    </message>
    <message>
        <source>Senderauswahl:</source>
        <translation>Transmitter:</translation>
    </message>
    <message>
        <source>Codierlänge (Bits)</source>
        <translation>Code length (bits)</translation>
    </message>
    <message>
        <source>Anzahl der Bits pro String (für manche Sender nicht editierbar)</source>
        <translation>Number of bits per string (not editable for some transmitters)</translation>
    </message>
    <message>
        <source>Prüfschärfe</source>
        <translation>Check count</translation>
    </message>
    <message>
        <source>gibt die Anzahl der erforderlichen gültigen Funksignale hintereinander an (typisch: 3; bei Parallelbetrieb immer 1)</source>
        <translation>the number of valid radio signals needed in a row (typically 3; always 1 in parallel mode)</translation>
    </message>
    <message>
        <source>Sperrzeit</source>
        <translation>Lock time</translation>
    </message>
    <message>
        <source>Zeitdauer nach Schaltvorgang, innerhalb welcher kein neuer Befehl angenommen wird ; Vielfache von 10ms (max. 2550ms)</source>
        <translation>Time after a switching during which no new command is taken ; multiples of 10ms (max. 2550ms)</translation>
    </message>
    <message>
        <source>Speicher-</source>
        <extracomment>the caption of the storage function in two lines: &quot;Speicher-&quot; / &quot;funktion&quot;</extracomment>
        <translation>Storage</translation>
    </message>
    <message>
        <source>funktion</source>
        <extracomment>the second line of the caption &quot;Speicher-&quot; / &quot;funktion&quot;</extracomment>
        <translation>function</translation>
    </message>
    <message>
        <source>wenn markiert, bleibt der Ausgangs-Schaltzustand bei Versorgungsunterbrechung gespeichert</source>
        <translation>when ticked, the switching state of the outputs is kept through a loss of power</translation>
    </message>
    <message>
        <source>Not-Aus:</source>
        <translation>Emergency off:</translation>
    </message>
    <message>
        <source>nach dieser Zeit ohne gültigen Code, werden alle Ausgänge auf 0 gesetzt</source>
        <translation>after this time without a valid code, all outputs are set to 0</translation>
    </message>
    <message>
        <source>Anfangswert</source>
        <translation>Start state</translation>
    </message>
    <message>
        <source>ein markiertes Kästchen bewirkt, daß dieser Ausgang zu Beginn im High-Zustand ist</source>
        <translation>a ticked box makes this output start in the high state</translation>
    </message>
    <message>
        <source>wenn markiert, wird im Empfangsstring eine Checksumme erwartet (nur mit den programmierbaren Sendern möglich)</source>
        <translation>when ticked, a checksum is expected in the received string (possible with the programmable transmitters only)</translation>
    </message>
    <message>
        <source>mit Checksumme</source>
        <translation>with checksum</translation>
    </message>
    <message>
        <source>aktiviert die Checksummenfunktion (nur für programmierbare Sender!)</source>
        <translation>switches the checksum function on (for programmable transmitters only!)</translation>
    </message>
    <message>
        <source>Bits:</source>
        <translation>Bits:</translation>
    </message>
    <message>
        <source>Soviele Bits werden im Parallelbetrieb für eine Checksumme verwendet</source>
        <translation>So many bits are used for a checksum in parallel mode</translation>
    </message>
    <message>
        <source>gegenseitige</source>
        <extracomment>the caption of the interlock matrix in three lines: &quot;gegenseitige&quot; / &quot;Verriegelung&quot; / &quot;der Ausgänge:&quot;</extracomment>
        <translation>mutual</translation>
    </message>
    <message>
        <source>Verriegelung</source>
        <translation>interlock</translation>
    </message>
    <message>
        <source>der Ausgänge:</source>
        <translation>of the outputs:</translation>
    </message>
    <message>
        <source>zueinander markierte Ausgänge können nie gleichzeitig aktiv sein</source>
        <translation>outputs ticked against each other are never active at the same time</translation>
    </message>
    <message>
        <source>Umschaltzeit:</source>
        <translation>Switch-over time:</translation>
    </message>
    <message>
        <source>Pausenzeit bei Schaltvorgang mit aktiven verriegelten Ausgängen (10ms Raster; max. 2550ms)</source>
        <translation>Pause on a switching with active interlocked outputs (10ms steps; max. 2550ms)</translation>
    </message>
    <message>
        <source>Korrektur</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Ein abweichender Wert von 0 kann evtl. den Empfang im Nah- bzw. Fernbereich verbessern</source>
        <translation>A value other than 0 may improve reception at short or long range</translation>
    </message>
    <message>
        <source>Codefunktionen 1..8</source>
        <translation>Code functions 1..8</translation>
    </message>
    <message>
        <source>Fix-Codes (standard)</source>
        <translation>Fixed codes (standard)</translation>
    </message>
    <message>
        <source>Pro Funktion ist ein fester Empfangsstring (Code) erforderlich</source>
        <translation>Each function needs a fixed received string (code)</translation>
    </message>
    <message>
        <source>&quot;Parallel&quot;-Codes</source>
        <translation>&quot;Parallel&quot; codes</translation>
    </message>
    <message>
        <source>Die 4 Codes können gleichzeitig in einem Empfangsstring enthalten sein</source>
        <translation>The 4 codes can be contained in one received string at the same time</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Funktion</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Ausgänge</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Code- und Funktionseinstellungen</source>
        <translation>Code and function settings</translation>
    </message>
    <message>
        <source>bei &quot;Parallelcodes&quot; nur Code1..4 möglich!</source>
        <translation>with &quot;parallel codes&quot; only codes 1..4 are possible!</translation>
    </message>
    <message>
        <source>Adresse des Sendestrings</source>
        <translation>Address of the transmitted string</translation>
    </message>
    <message>
        <source>!!! &quot;Parallel&quot;-Codes !!!</source>
        <translation>!!! &quot;Parallel&quot; codes !!!</translation>
    </message>
    <message>
        <source>General-</source>
        <extracomment>the caption of the general address in two short lines: &quot;General-&quot; / &quot;adresse&quot;</extracomment>
        <translation>Common</translation>
    </message>
    <message>
        <source>adresse</source>
        <translation>address</translation>
    </message>
    <message>
        <source>Adress-</source>
        <extracomment>the caption of the address mask in two short lines: &quot;Adress-&quot; / &quot;Maske&quot;</extracomment>
        <translation>Address</translation>
    </message>
    <message>
        <source>Maske</source>
        <translation>mask</translation>
    </message>
    <message>
        <source>Generaladresse im Binärformat</source>
        <translation>Common address in binary</translation>
    </message>
    <message>
        <source>Bewertungsmaske im Binärformat</source>
        <translation>Evaluation mask in binary</translation>
    </message>
    <message>
        <source>Code-Pos</source>
        <translation>Code pos.</translation>
    </message>
    <message>
        <source>Bitposition (LSB) der 4 relevanten Code-Bits</source>
        <translation>Bit position (LSB) of the 4 relevant code bits</translation>
    </message>
    <message>
        <source>dezimal:</source>
        <translation>decimal:</translation>
    </message>
    <message>
        <source>Generaladresse im Dezimalformat</source>
        <translation>Common address in decimal</translation>
    </message>
    <message>
        <source>Codeinhalt</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>4 Bit des Empfangsstrings repräsentieren 4 Codes mit einstellbarer Funktion</source>
        <translation>4 bits of the received string stand for 4 codes with a function to set</translation>
    </message>
    <message>
        <source>Direktausgabe</source>
        <translation>Direct output</translation>
    </message>
    <message>
        <source>4 Bit des Empfangsstrings repräsentieren den Zustand der 4 Ausgänge out1..out4</source>
        <translation>4 bits of the received string stand for the state of the 4 outputs out1..out4</translation>
    </message>
    <message>
        <source>Direktausgabe !</source>
        <translation>Direct output !</translation>
    </message>
    <message>
        <source>die Zustände der Ausgänge out 1 .. out4 entsprechen der </source>
        <extracomment>the first of two lines that explain direct output</extracomment>
        <translation>the states of the outputs out 1 .. out4 follow the </translation>
    </message>
    <message>
        <source>Wertigkeit der 4 Bits mit der unten angegebenen Position</source>
        <extracomment>the second line that explains direct output</extracomment>
        <translation>values of the 4 bits at the position given below</translation>
    </message>
    <message>
        <source>Bezeichnung des Projektes (Ändern durch Doppelklick)</source>
        <translation>Name of the project (double-click to change)</translation>
    </message>
    <message>
        <source>Firmware: </source>
        <translation>Firmware: </translation>
    </message>
    <message>
        <source>Versionsnummer Firmware des Empfängermoduls</source>
        <translation>Firmware version of the receiver module</translation>
    </message>
    <message>
        <source>per Doppelklick zur homepage!</source>
        <translation>double-click for the homepage!</translation>
    </message>
    <message>
        <source>benutzerspezifischer Kommentar, welcher mit dem File abgespeichert wird</source>
        <translation>the user&apos;s comment, saved with the file</translation>
    </message>
    <message>
        <source>(dieses Fenster ausschalten im Hauptmenue unter &quot;Einstellungen&quot;)</source>
        <translation>(switch this window off in the main menu under &quot;Settings&quot;)</translation>
    </message>
    <message>
        <source>dieser Wert wird nach jedem erfolgreichen Programmiervorgang der Adresse aufaddiert</source>
        <translation>this value is added to the address after each successful programming run</translation>
    </message>
    <message>
        <source>increment</source>
        <translation>increment</translation>
    </message>
    <message>
        <source>Adresse CODE %1</source>
        <translation>Address CODE %1</translation>
    </message>
    <message>
        <source>nächste zu programmierende Adresse</source>
        <translation>next address to be programmed</translation>
    </message>
    <message>
        <source> Zähler </source>
        <translation> Counter </translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>the button that sets the programming counter to 0</extracomment>
        <translation>clear</translation>
    </message>
    <message>
        <source>setzt den ProgrammCounter zurück (auf 0)</source>
        <translation>sets the programming counter back (to 0)</translation>
    </message>
    <message>
        <source>Modul programmieren</source>
        <translation>Program module</translation>
    </message>
    <message>
        <source>Modul auslesen</source>
        <translation>Read module</translation>
    </message>
    <message>
        <source>derzeit gültige Datei</source>
        <translation>file in use</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Datei &amp;neu</source>
        <translation>&amp;New file</translation>
    </message>
    <message>
        <source>Datei &amp;laden</source>
        <translation>&amp;Open file</translation>
    </message>
    <message>
        <source>Datei &amp;speichern</source>
        <translation>&amp;Save file</translation>
    </message>
    <message>
        <source>&amp;Projektname</source>
        <translation>P&amp;roject name</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Kommunikation</source>
        <translation>&amp;Communication</translation>
    </message>
    <message>
        <source>&amp;COM port auswählen</source>
        <translation>Choose &amp;COM port</translation>
    </message>
    <message>
        <source>selektiert serielle Schnittstelle</source>
        <translation>selects the serial port</translation>
    </message>
    <message>
        <source>Modul &amp;Programmieren</source>
        <translation>&amp;Program module</translation>
    </message>
    <message>
        <source>Modul &amp;Auslesen</source>
        <translation>&amp;Read module</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Infos anzeigen</source>
        <translation>Show &amp;notices</translation>
    </message>
    <message>
        <source>&amp;Abfrage: Datei der letzten Sitzung laden?</source>
        <translation>&amp;Ask: load the file of the last session?</translation>
    </message>
    <message>
        <source>&amp;Kommentarfenster anzeigen</source>
        <translation>Show &amp;comment window</translation>
    </message>
    <message>
        <source>erweiterte &amp;Programmiereinstellung anzeigen</source>
        <translation>Show extended &amp;programming settings</translation>
    </message>
    <message>
        <source>S&amp;ystem</source>
        <translation>S&amp;ystem</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>the item of the menu &quot;Hilfe&quot; that opens the help window</extracomment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <extracomment>the item of the menu &quot;Hilfe&quot; that opens the information about the program</extracomment>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Information über Software</source>
        <translation>Information about the software</translation>
    </message>
</context>
<context>
    <name>fbe::TFFBselect</name>
    <message>
        <source>über 10xDIP, 2xLötbrücke</source>
        <translation>by 10 DIP switches, 2 solder bridges</translation>
    </message>
    <message>
        <source>Empfangsmodul für 1-Kanal Sender konfigurieren</source>
        <translation>Configure the receiver module for a 1-channel transmitter</translation>
    </message>
    <message>
        <source>über 10xDIP, 1xLötbrücke</source>
        <translation>by 10 DIP switches, 1 solder bridge</translation>
    </message>
    <message>
        <source>Empfangsmodul für 2-Kanal Sender konfigurieren</source>
        <translation>Configure the receiver module for a 2-channel transmitter</translation>
    </message>
    <message>
        <source>über 8xDIP (jew. 3 Stellungen)</source>
        <translation>by 8 DIP switches (3 positions each)</translation>
    </message>
    <message>
        <source>über 10xDIP</source>
        <translation>by 10 DIP switches</translation>
    </message>
    <message>
        <source>Empfangsmodul für 4-Kanal Sender konfigurieren</source>
        <translation>Configure the receiver module for a 4-channel transmitter</translation>
    </message>
    <message>
        <source>(universell per PC programmierbar)</source>
        <translation>(universal, programmable by PC)</translation>
    </message>
    <message>
        <source>(high power version! programmierbar))</source>
        <translation>(high power version, programmable)</translation>
    </message>
    <message>
        <source>Auswahl Sender</source>
        <translation>Transmitter selection</translation>
    </message>
    <message>
        <source>direkte Adress-Berechnung für 2-Kanal-Fernbedienung</source>
        <translation>direct address calculation for the 2-channel remote control</translation>
    </message>
    <message>
        <source>Die Liste wird bei Bedarf erweitert ...</source>
        <translation>The list is extended as needed ...</translation>
    </message>
    <message>
        <source>Updates: %1</source>
        <translation>Updates: %1</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>fbe::TFHelp</name>
    <message>
        <source>Hilfe zur Funkmodul-Konfiguration</source>
        <translation>Help on the radio module configuration</translation>
    </message>
    <message>
        <source>per Doppelklick zur homepage!</source>
        <translation>double click for the homepage!</translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>O.K.</translation>
    </message>
</context>
<context>
    <name>fbe::TFProjekt</name>
    <message>
        <source>Projektname</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>Projektname:</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>Eingabe mit Enter übernehmen, mit Esc verwerfen</source>
        <translation>Enter takes the entry, Esc discards it</translation>
    </message>
</context>
<context>
    <name>fbe::TFask</name>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>JA</source>
        <extracomment>the answer &quot;yes&quot; of a question</extracomment>
        <translation>YES</translation>
    </message>
    <message>
        <source>NEIN !</source>
        <extracomment>the answer &quot;no&quot; of a question, the safe one</extracomment>
        <translation>NO !</translation>
    </message>
</context>
<context>
    <name>fbe::TFhinweis</name>
    <message>
        <source>Hinweis</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>die Hinweis-Funktion kann im Hauptmenuepunkt unter &apos;Einstellungen&apos; ausgeschalten werden</source>
        <translation>the notices can be switched off in the main menu under &apos;Settings&apos;</translation>
    </message>
    <message>
        <source>(das Hinweis-Fenster schließt automatisch nach 5 Sekunden)</source>
        <translation>(the notice window closes by itself after 5 seconds)</translation>
    </message>
</context>
<context>
    <name>fbe::TFinfo</name>
    <message>
        <source>Juni / 2009</source>
        <translation>June / 2009</translation>
    </message>
    <message>
        <source>Info zu Konfigurationssoftware für Empfängermodul</source>
        <translation>About the receiver module configuration software</translation>
    </message>
    <message>
        <source>Funkempfänger Konfiguration</source>
        <translation>Radio Receiver Configuration</translation>
    </message>
    <message>
        <source>by</source>
        <translation>by</translation>
    </message>
    <message>
        <source>zur homepage</source>
        <translation>to the homepage</translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>O.K.</translation>
    </message>
    <message>
        <source>Software Version %1  -  %2</source>
        <translation>Software version %1  -  %2</translation>
    </message>
    <message>
        <source>Lizenz: GNU GPL Version 3 oder neuer</source>
        <translation>Licence: GNU GPL version 3 or later</translation>
    </message>
</context>
<context>
    <name>fbe::TFrs232</name>
    <message>
        <source>Datenübertragung läuft ...</source>
        <translation>Data transfer running ...</translation>
    </message>
    <message>
        <source>part</source>
        <translation>part</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>fbe::TFsystem</name>
    <message>
        <source>System Grundeinstellungen</source>
        <translation>System base settings</translation>
    </message>
    <message>
        <source>ACHTUNG !!!              ACHTUNG !!!               ACHTUNG !!!              ACHTUNG !!!</source>
        <translation>ATTENTION !!!            ATTENTION !!!             ATTENTION !!!            ATTENTION !!!</translation>
    </message>
    <message>
        <source>Diese Einstellungen sollten in der Regel nie verändert werden. </source>
        <translation>As a rule these settings should never be changed. </translation>
    </message>
    <message>
        <source>Sie beinhalten Sender-spezifische Informationen, welche für eine </source>
        <translation>They hold information specific to the transmitter that is needed </translation>
    </message>
    <message>
        <source>korrekte Funktion notwendig sind.</source>
        <translation>for correct operation.</translation>
    </message>
    <message>
        <source>Bei der Menue-Auswahl des Sendertyps werden diese Werte wieder in den </source>
        <translation>Choosing the transmitter type in the menu sets these values back </translation>
    </message>
    <message>
        <source>Sollzustand zurückgesetzt.</source>
        <translation>to their intended state.</translation>
    </message>
    <message>
        <source>ID-length</source>
        <translation>ID-length</translation>
    </message>
    <message>
        <source>ref-correction</source>
        <translation>ref-correction</translation>
    </message>
    <message>
        <source>ref-min</source>
        <translation>ref-min</translation>
    </message>
    <message>
        <source>ref-max</source>
        <translation>ref-max</translation>
    </message>
    <message>
        <source>dat-min</source>
        <translation>dat-min</translation>
    </message>
    <message>
        <source>dat-max</source>
        <translation>dat-max</translation>
    </message>
    <message>
        <source>wait1</source>
        <translation>wait1</translation>
    </message>
    <message>
        <source>wait2</source>
        <translation>wait2</translation>
    </message>
    <message>
        <source>wait3</source>
        <translation>wait3</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>checkmask</source>
        <translation>checkmask</translation>
    </message>
    <message>
        <source>wird von Software bestimmt!</source>
        <translation>set by the software!</translation>
    </message>
    <message>
        <source>in diesem Feld dürfen nur Nullen und Einsen vorkommen</source>
        <translation>this field may hold only zeros and ones</translation>
    </message>
    <message>
        <source>Bit 39</source>
        <translation>Bit 39</translation>
    </message>
    <message>
        <source>Bit 0</source>
        <translation>Bit 0</translation>
    </message>
    <message>
        <source>Warnung: Werte wurden manuell geändert !</source>
        <translation>Warning: values were changed by hand !</translation>
    </message>
    <message>
        <source>In Sonderfällen, welche eine Modifizierung dieser Werte erforderlich machen, 
wenden Sie sich bitte an: %1</source>
        <translation>In special cases that need these values changed, 
please contact: %1</translation>
    </message>
    <message>
        <source>o.k.</source>
        <translation>o.k.</translation>
    </message>
</context>
<context>
    <name>fbe::TFwarnung</name>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>fbe::TransferProtocol</name>
    <message>
        <source>Fehler bei Öffnen von Com-Port: %1</source>
        <translation>Error opening COM port: %1</translation>
    </message>
    <message>
        <source>Übertragungsfehler bei Sendeadresse: [%1] !</source>
        <translation>Transfer error at send address: [%1] !</translation>
    </message>
    <message>
        <source>Vergleichsfehler bei Leseadresse: [%1] !</source>
        <translation>Compare error at read address: [%1] !</translation>
    </message>
    <message>
        <source>Lesefehler bei Leseadresse: [%1] !</source>
        <translation>Read error at read address: [%1] !</translation>
    </message>
    <message>
        <source> gefundene Firmware: %1</source>
        <translation> firmware found: %1</translation>
    </message>
    <message>
        <source>check System</source>
        <translation>check system</translation>
    </message>
    <message>
        <source>write configuration</source>
        <translation>write configuration</translation>
    </message>
    <message>
        <source>verify configuration</source>
        <translation>verify configuration</translation>
    </message>
    <message>
        <source>read configuration</source>
        <translation>read configuration</translation>
    </message>
    <message>
        <source>Übertragung erfolgreich</source>
        <translation>Transfer successful</translation>
    </message>
    <message>
        <source> Verbindung zur Schnittstelle verloren</source>
        <translation> connection to the port lost</translation>
    </message>
    <message>
        <source>keine Antwort --&gt; Abbruch</source>
        <translation>no reply --&gt; aborted</translation>
    </message>
    <message>
        <source>Übertragung unterbrochen --&gt; Abbruch</source>
        <translation>transfer interrupted --&gt; aborted</translation>
    </message>
    <message>
        <source>Fehler bei Geräte-Identifizierung! </source>
        <translation>Error identifying the device! </translation>
    </message>
    <message>
        <source>Die Firmware ist nicht mit dieser Software kompatibel !</source>
        <translation>The firmware is not compatible with this software !</translation>
    </message>
    <message>
        <source>Übertragung abgebrochen</source>
        <translation>Transfer aborted</translation>
    </message>
</context>
<context>
    <name>fbe::help</name>
    <message>
        <source>
&lt;h2 align=&quot;center&quot;&gt;- Hilfe -&lt;/h2&gt;

&lt;p&gt;Zu jedem Bedienelement dieses Programms erscheint ein kurzer Hinweistext, sobald der
Mauszeiger einen Moment darauf ruht. Eine ausführliche Bedienungsanleitung
(Handbuch_Funkempfaenger.pdf) ist Bestandteil des Download-Archivs fbe_setup.zip auf unserer
Homepage. Bei weiteren Fragen wenden Sie sich bitte direkt an uns &amp;ndash; die Kontaktdaten
stehen rechts neben diesem Text.&lt;/p&gt;

&lt;p&gt;Die Empfänger sind in Gruppen von höchstens 4 Schaltkanälen aufgebaut; jede Gruppe wird
von einem eigenen Decoder-IC ausgewertet, der die Ausgänge OUT&amp;nbsp;1&amp;nbsp;..&amp;nbsp;OUT&amp;nbsp;4 schaltet. Ein
12-Kanal-Empfänger enthält deshalb drei Decoder-ICs und wird an 3 Stellen programmiert:
jeder Decoder-IC erhält seine eigene Konfiguration und damit seine eigene Datei. Codes mit
Zeitfunktion und &quot;Parallel&quot;-Codes sind je Decoder-IC auf höchstens 4 begrenzt (Code&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4).&lt;/p&gt;
</source>
        <translation>
&lt;h2 align=&quot;center&quot;&gt;- Help -&lt;/h2&gt;

&lt;p&gt;Every control of this program shows a short hint when the mouse pointer rests on it for a
moment. A detailed manual (Handbuch_Funkempfaenger.pdf) is part of the download archive
fbe_setup.zip on our homepage. For further questions please contact us directly &amp;ndash; the
contact details are to the right of this text.&lt;/p&gt;

&lt;p&gt;The receivers are built in groups of at most 4 switched channels; each group is evaluated by
a decoder IC of its own, which switches the outputs OUT&amp;nbsp;1&amp;nbsp;..&amp;nbsp;OUT&amp;nbsp;4. A
12-channel receiver therefore holds three decoder ICs and is programmed at 3 points: each
decoder IC gets its own configuration and so its own file. Codes with a time function and
&quot;parallel&quot; codes are limited to at most 4 per decoder IC (code&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4).&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3 style=&quot;white-space: pre-wrap&quot;&gt;1.  ALLGEMEINE EINSTELLUNGEN&lt;/h3&gt;
</source>
        <translation>
&lt;h3 style=&quot;white-space: pre-wrap&quot;&gt;1.  BASIC SETTINGS&lt;/h3&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h4&gt;1.1 &quot;Senderauswahl&quot;&lt;/h4&gt;
&lt;p&gt;Ein Klick auf das Senderbild öffnet die Auswahl der unterstützten Sendertypen: die 1-, 2-
und 4-Kanal-Handsender mit 12 Bit Codierung (Adresse über DIP-Schalter und Lötbrücken), den
3-Kanal-Sender von SVS mit 40 Bit Codierung (DIP-Schalter mit je 3 Stellungen) sowie die per
PC programmierbaren 1..16-Kanal-Sender, auch in der high power Version. Mit der Auswahl
übernimmt das Programm die passenden Empfangsparameter des Decoders, und alle Adressen werden
auf die Codierlänge des gewählten Senders begrenzt. Ein rotes &quot;?&quot; neben dem Senderbild zeigt
an, dass die Empfangsparameter im Menü &quot;System&quot; von Hand verändert wurden; die grafische
Einstellhilfe steht dann nicht zur Verfügung, bis wieder ein Sender gewählt wird.&lt;/p&gt;
</source>
        <translation>
&lt;h4&gt;1.1 &quot;Transmitter selection&quot;&lt;/h4&gt;
&lt;p&gt;A click on the transmitter picture opens the choice of the supported transmitter types: the
1-, 2- and 4-channel hand transmitters with 12-bit coding (address set by DIP switches and
solder bridges), the 3-channel transmitter from SVS with 40-bit coding (DIP switches with 3
positions each) and the PC-programmable 1..16-channel transmitters, also in the high power
version. With the choice the program takes over the matching receiving parameters of the
decoder, and every address is limited to the code length of the chosen transmitter. A red &quot;?&quot;
beside the transmitter picture shows that the receiving parameters were changed by hand in the
menu &quot;System&quot;; the graphical setting aid is then not available until a transmitter is chosen
again.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h4&gt;1.2 &quot;Codierlänge&quot;&lt;/h4&gt;
&lt;p&gt;Die Codierlänge ist die Anzahl der Bits, die der Sender in jedem Funktelegramm überträgt.
Bei den Handsendern ist sie fest vorgegeben und nicht veränderbar. Bei den programmierbaren
Sendern kann sie zwischen 1 und 40 Bit eingestellt werden und muss exakt mit der Länge
übereinstimmen, mit der der Sender programmiert wurde &amp;ndash; sonst erkennt der Empfänger
keinen einzigen Code. Neben dem Eingabefeld steht die größte Adresse, die mit dieser Länge
möglich ist (&quot;max. Adresse&quot;).&lt;/p&gt;
</source>
        <translation>
&lt;h4&gt;1.2 &quot;Code length&quot;&lt;/h4&gt;
&lt;p&gt;The code length is the number of bits the transmitter sends in each radio telegram. For the
hand transmitters it is fixed and cannot be changed. For the programmable transmitters it can
be set between 1 and 40 bits and must match exactly the length the transmitter was programmed
with &amp;ndash; otherwise the receiver recognises no code at all. Beside the entry field stands the
largest address possible with this length (&quot;max. address&quot;).&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h4&gt;1.3 Grundempfangseigenschaften &quot;Prüfschärfe&quot; und &quot;Sperrzeit&quot;&lt;/h4&gt;
&lt;p&gt;Die Prüfschärfe gibt an, wie viele gültige Funktelegramme hintereinander empfangen werden
müssen, bevor der Empfänger schaltet (1..99, typisch 3). Ein höherer Wert macht den Empfang
unempfindlicher gegen Störungen, verlängert aber die Reaktionszeit und verringert am Rand der
Reichweite die Schaltsicherheit. Im Parallelbetrieb wird immer mit 1 gearbeitet.&lt;/p&gt;
&lt;p&gt;Die Sperrzeit ist die Zeit nach einem Schaltvorgang, in der kein neuer Befehl angenommen
wird (0..2550 ms im 10-ms-Raster). Sie verhindert zum Beispiel, dass ein etwas zu lange
gedrückter Taster bei der Funktion &quot;Wechsel&quot; den Ausgang mehrmals hin- und herschaltet.&lt;/p&gt;
</source>
        <translation>
&lt;h4&gt;1.3 Basic receiving properties &quot;Check count&quot; and &quot;Lock time&quot;&lt;/h4&gt;
&lt;p&gt;The check count tells how many valid radio telegrams must be received in a row before the
receiver switches (1..99, typically 3). A higher value makes reception less sensitive to
interference, but lengthens the reaction time and lowers the switching reliability at the edge
of the range. In parallel mode the receiver always works with 1.&lt;/p&gt;
&lt;p&gt;The lock time is the time after a switching operation in which no new command is accepted
(0..2550 ms in steps of 10 ms). It prevents, for example, a key held a little too long from
switching the output on and off several times with the function &quot;Toggle&quot;.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h4&gt;1.4 &quot;Speicherfunktion&quot; und &quot;Anfangswert&quot;&lt;/h4&gt;
&lt;p&gt;Unter &quot;Anfangswert&quot; legen Sie fest, welche Ausgänge nach dem Einschalten der
Versorgungsspannung sofort aktiv (High) sind. Ist die Speicherfunktion gewählt, merkt sich
das Modul den Schaltzustand aller Ausgänge und stellt nach einem Spannungsausfall genau diesen
Zustand wieder her. Da der Ausgangszustand dann immer der letzte Zustand vor dem Ausfall ist,
sind Anfangswerte in diesem Fall bedeutungslos und werden automatisch abgewählt.&lt;/p&gt;
</source>
        <translation>
&lt;h4&gt;1.4 &quot;Storage function&quot; and &quot;Start state&quot;&lt;/h4&gt;
&lt;p&gt;Under &quot;Start state&quot; you set which outputs are active (high) at once when the supply voltage
is switched on. With the storage function chosen, the module remembers the state of all outputs
and restores exactly this state after a power failure. As the outputs then always return to
their last state before the failure, start states have no meaning in this case and are cleared
automatically.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h4&gt;1.5 &quot;gegenseitige Verriegelung der Ausgänge&quot; und &quot;Umschaltzeit&quot;&lt;/h4&gt;
&lt;p&gt;In der Verriegelungsmatrix markieren Sie Paare von Ausgängen, die niemals gleichzeitig
aktiv sein dürfen, zum Beispiel die beiden Drehrichtungen eines Tor- oder Rollladenmotors.
Die Kästchen unterhalb der Diagonalen zeigen die Einstellungen der oberen Hälfte gespiegelt
an. Soll ein Ausgang einschalten, dessen Partner gerade aktiv ist, schaltet das Modul den
Partner zuerst ab und wartet die Umschaltzeit (0..2550 ms im 10-ms-Raster) ab, bevor es den
neuen Ausgang einschaltet. Das schont Motoren und Relaiskontakte.&lt;/p&gt;
</source>
        <translation>
&lt;h4&gt;1.5 &quot;Mutual interlock of the outputs&quot; and &quot;Switch-over time&quot;&lt;/h4&gt;
&lt;p&gt;In the interlock matrix you mark pairs of outputs that must never be active at the same time,
for example the two directions of a gate or shutter motor. The boxes below the diagonal show
the settings of the upper half mirrored. When an output is to switch on while its partner is
active, the module first switches the partner off and waits for the switch-over time
(0..2550 ms in steps of 10 ms) before it switches the new output on. This spares motors and
relay contacts.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h4&gt;1.6 &quot;Not-Aus&quot;&lt;/h4&gt;
&lt;p&gt;Ist &quot;Not-Aus&quot; aktiviert, setzt das Modul alle Ausgänge auf 0, sobald länger als die
eingestellte Zeit (bis 655350 ms im 10-ms-Raster) kein gültiger Code mehr empfangen wurde.
Das ist für Anwendungen gedacht, bei denen der Sender während der ganzen Bewegung senden muss:
verlässt der Sender die Reichweite oder ist seine Batterie erschöpft, wird die Anlage sicher
abgeschaltet.&lt;/p&gt;
</source>
        <translation>
&lt;h4&gt;1.6 &quot;Emergency off&quot;&lt;/h4&gt;
&lt;p&gt;With &quot;Emergency off&quot; active, the module sets all outputs to 0 as soon as no valid code has
been received for longer than the time set (up to 655350 ms in steps of 10 ms). This is meant
for applications in which the transmitter must send during the whole movement: if the
transmitter leaves the range or its battery is flat, the installation is switched off
safely.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h4&gt;1.7 &quot;mit Checksumme&quot;&lt;/h4&gt;
&lt;p&gt;Mit dieser Option erwartet der Empfänger im Funktelegramm zusätzlich eine Prüfsumme und
verwirft jedes Telegramm, dessen Prüfsumme nicht stimmt. Die Anzahl der dafür verwendeten
Bits wird im Feld &quot;Bits:&quot; eingestellt (0..8). Die Option ist nur mit den programmierbaren
Sendern möglich, die mit derselben Einstellung programmiert sein müssen; bei allen anderen
Sendertypen wird sie automatisch abgewählt.&lt;/p&gt;
</source>
        <translation>
&lt;h4&gt;1.7 &quot;with checksum&quot;&lt;/h4&gt;
&lt;p&gt;With this option the receiver expects a checksum in the radio telegram as well and discards
every telegram whose checksum does not match. The number of bits used for it is set in the
field &quot;Bits:&quot; (0..8). The option is only possible with the programmable transmitters, which
must be programmed with the same setting; for all other transmitter types it is cleared
automatically.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3 style=&quot;white-space: pre-wrap&quot;&gt;2.  CODEFUNKTIONEN 1..8&lt;/h3&gt;
</source>
        <translation>
&lt;h3 style=&quot;white-space: pre-wrap&quot;&gt;2.  CODE FUNCTIONS 1..8&lt;/h3&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h4&gt;2.1 &quot;Fix-Codes&quot; und &quot;Parallel-Codes&quot;&lt;/h4&gt;
&lt;p&gt;Bei &quot;Fix-Codes (standard)&quot; ist für jede Funktion ein fester Empfangsstring (Code)
erforderlich: jede Taste eines Handsenders sendet ihre eigene Adresse, und der Empfänger
vergleicht sie mit den Adressen der Codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;8. Stimmt eine überein, wird die Funktion
dieses Codes ausgeführt. Das ist die übliche Einstellung für alle Handsender.&lt;/p&gt;
&lt;p&gt;Bei &quot;Parallel&quot;-Codes (nur mit programmierbaren Sendern sinnvoll) überträgt ein einziger
Empfangsstring die Zustände von bis zu 4 Tasten gleichzeitig, als 4 nebeneinanderliegende
Bits. Die Position des niedrigsten dieser Bits wird unter &quot;Code-Pos&quot; eingestellt. Die übrigen
Bits bilden die Generaladresse; der Empfänger vergleicht dabei nur die Bits, die in der
Adress-Maske mit 1 markiert sind. Mit &quot;Codeinhalt&quot; löst jedes der 4 Bits den zugehörigen
Code&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 mit seiner Funktion aus; mit &quot;Direktausgabe&quot; geben die 4 Bits direkt den Zustand
der Ausgänge OUT&amp;nbsp;1&amp;nbsp;..&amp;nbsp;OUT&amp;nbsp;4 wieder. Im Parallelbetrieb sind nur die Codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 verfügbar.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Beispiel:&lt;/b&gt; Ein programmierbarer Sender mit 16 Bit Codierlänge sendet in den oberen
12 Bits seine Adresse 1010&amp;nbsp;0110&amp;nbsp;0101 und in den unteren 4 Bits die Zustände seiner Tasten&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4.
Eingestellt werden dann:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Codierlänge: 16, Betriebsart &quot;Parallel&quot;-Codes, &quot;Codeinhalt&quot;&lt;/li&gt;
&lt;li&gt;Generaladresse: 0000&amp;nbsp;..&amp;nbsp;0000&amp;nbsp;1010&amp;nbsp;0110&amp;nbsp;0101&amp;nbsp;0000 (dezimal 42576)&lt;/li&gt;
&lt;li&gt;Adress-Maske: 0000&amp;nbsp;..&amp;nbsp;0000&amp;nbsp;1111&amp;nbsp;1111&amp;nbsp;1111&amp;nbsp;0000 (die 4 Tastenbits werden nicht verglichen)&lt;/li&gt;
&lt;li&gt;Code-Pos: 0 &amp;ndash; Code&amp;nbsp;1 liegt auf Bit&amp;nbsp;0, Code&amp;nbsp;4 auf Bit&amp;nbsp;3&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Werden die Tasten&amp;nbsp;1 und 3 gleichzeitig gedrückt, sendet der Sender 1010&amp;nbsp;0110&amp;nbsp;0101&amp;nbsp;0101;
der Empfänger erkennt die Generaladresse und führt Code&amp;nbsp;1 und Code&amp;nbsp;3 gleichzeitig aus. In
der Codetabelle des Hauptfensters erscheinen die Codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 dann als &quot;Bitpos: 0&quot;&amp;nbsp;..&amp;nbsp;&quot;Bitpos: 3&quot;;
im Einstelldialog wird dieselbe Position ab 1 gezählt (Pos&amp;nbsp;1 entspricht dem LSB).&lt;/p&gt;
</source>
        <translation>
&lt;h4&gt;2.1 &quot;Fixed codes&quot; and &quot;Parallel codes&quot;&lt;/h4&gt;
&lt;p&gt;With &quot;Fixed codes (standard)&quot; each function needs a fixed received string (code): each key
of a hand transmitter sends its own address, and the receiver compares it with the addresses of
codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;8. If one matches, the function of that code is carried out. This is
the usual setting for all hand transmitters.&lt;/p&gt;
&lt;p&gt;With &quot;parallel&quot; codes (useful with programmable transmitters only) one single received string
carries the states of up to 4 keys at once, as 4 adjacent bits. The position of the lowest of
these bits is set under &quot;Code pos.&quot;. The other bits form the common address; the receiver
compares only the bits marked with 1 in the address mask. With &quot;Content&quot; each of the 4
bits triggers the matching code&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 with its function; with &quot;Direct output&quot;
the 4 bits give the state of the outputs OUT&amp;nbsp;1&amp;nbsp;..&amp;nbsp;OUT&amp;nbsp;4 directly. In
parallel mode only codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 are available.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Example:&lt;/b&gt; A programmable transmitter with a code length of 16 bits sends its address
1010&amp;nbsp;0110&amp;nbsp;0101 in the upper 12 bits and the states of its keys&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 in
the lower 4 bits. The settings are then:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Code length: 16, mode &quot;parallel&quot; codes, &quot;Content&quot;&lt;/li&gt;
&lt;li&gt;Common address: 0000&amp;nbsp;..&amp;nbsp;0000&amp;nbsp;1010&amp;nbsp;0110&amp;nbsp;0101&amp;nbsp;0000 (decimal 42576)&lt;/li&gt;
&lt;li&gt;Address mask: 0000&amp;nbsp;..&amp;nbsp;0000&amp;nbsp;1111&amp;nbsp;1111&amp;nbsp;1111&amp;nbsp;0000 (the 4 key bits are not compared)&lt;/li&gt;
&lt;li&gt;Code pos.: 0 &amp;ndash; code&amp;nbsp;1 lies on bit&amp;nbsp;0, code&amp;nbsp;4 on bit&amp;nbsp;3&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;If keys&amp;nbsp;1 and 3 are pressed together, the transmitter sends
1010&amp;nbsp;0110&amp;nbsp;0101&amp;nbsp;0101; the receiver recognises the common address and carries out
code&amp;nbsp;1 and code&amp;nbsp;3 at the same time. In the code table of the main window
codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 then appear as &quot;Bit pos.: 0&quot;&amp;nbsp;..&amp;nbsp;&quot;Bit pos.: 3&quot;; the code
editor counts the same position from 1 (pos&amp;nbsp;1 is the LSB).&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h4&gt;2.2 &quot;Code1&quot; - &quot;Code 8&quot;&lt;/h4&gt;
&lt;p&gt;Die Codetabelle zeigt für jeden der 8 Codes die Adresse, die eingestellte Funktion mit
ihrer Zeit und die geschalteten Ausgänge. Ein Klick auf eine Zeile öffnet den
Einstelldialog für diesen Code. Die Codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 können alle Funktionen ausführen,
die Codes&amp;nbsp;5&amp;nbsp;..&amp;nbsp;8 nur &quot;Ein&quot;, &quot;Aus&quot; und &quot;Wechsel&quot;. Mehrere Codes dürfen dieselbe Adresse haben &amp;ndash; so
kann eine Taste zum Beispiel einen Ausgang einschalten und gleichzeitig einen anderen
ausschalten.&lt;/p&gt;
</source>
        <translation>
&lt;h4&gt;2.2 &quot;Code1&quot; - &quot;Code 8&quot;&lt;/h4&gt;
&lt;p&gt;The code table shows for each of the 8 codes the address, the function set with its time and
the outputs switched. A click on a row opens the code editor for that code.
Codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 can carry out every function, codes&amp;nbsp;5&amp;nbsp;..&amp;nbsp;8 only &quot;On&quot;,
&quot;Off&quot; and &quot;Toggle&quot;. Several codes may have the same address &amp;ndash; so one key can, for example,
switch one output on and another one off at the same time.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h4&gt;2.3 PopUp-Einstelldialog&lt;/h4&gt;
&lt;p&gt;Im Einstelldialog wird jede Änderung sofort übernommen und in der Codetabelle angezeigt;
&quot;Ende&quot; schließt den Dialog. Mit den Pfeiltasten neben der Codenummer oder mit &quot;nächster Code&quot;
wechseln Sie zum nächsten Code. &quot;nächster Code&quot; übernimmt dabei die Adresse des vorigen Codes,
wenn der neue Code noch unbenutzt ist &amp;ndash; praktisch, wenn mehrere Funktionen auf dieselbe
Taste gelegt werden sollen.&lt;/p&gt;
</source>
        <translation>
&lt;h4&gt;2.3 The code editor&lt;/h4&gt;
&lt;p&gt;In the code editor every change is taken at once and shown in the code table; &quot;Close&quot; closes
the editor. With the arrows beside the code number or with &quot;next code&quot; you move to the next
code. &quot;next code&quot; takes over the address of the previous code when the new code is still
unused &amp;ndash; handy when several functions are to be put on the same key.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h5&gt;2.3.1 &quot;Adresse&quot; und &quot;Einstellhilfe&quot;&lt;/h5&gt;
&lt;p&gt;Die Adresse (der Codestring) wird dezimal eingegeben und mit Enter oder beim Verlassen des
Feldes übernommen. Ist sie größer als die Codierlänge erlaubt, wird sie auf die größte
mögliche Adresse begrenzt, und die Meldung &quot;Adresse wurde begrenzt !!!&quot; erscheint. Bequemer
ist die Einstellhilfe: sie zeigt den gewählten Sender mit seinen DIP-Schaltern, Lötbrücken
und Tasten; Sie stellen dort alles so ein wie am Sender selbst, und das Programm berechnet
daraus die Adresse. Die Einstellhilfe steht nur zur Verfügung, wenn der Sendertyp eindeutig
gewählt ist.&lt;/p&gt;
</source>
        <translation>
&lt;h5&gt;2.3.1 &quot;Address&quot; and &quot;Setting aid&quot;&lt;/h5&gt;
&lt;p&gt;The address (the code string) is entered in decimal and taken with Enter or when leaving the
field. If it is larger than the code length allows, it is limited to the largest possible
address, and the message &quot;Address was limited !!!&quot; appears. The setting aid is easier: it shows
the chosen transmitter with its DIP switches, solder bridges and keys; you set everything there
as on the transmitter itself, and the program works out the address. The setting aid is only
available when the transmitter type is chosen unambiguously.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h5&gt;2.3.2 &quot;Funktion&quot;&lt;/h5&gt;
&lt;p&gt;&lt;b&gt;-keine-&lt;/b&gt; &amp;nbsp;Der Code wird nicht benutzt; seine Adresse wird beim Programmieren
auf 0 gesetzt.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;-Ein-&lt;/b&gt; &amp;nbsp;Beim Empfang des Codes werden die gewählten Ausgänge eingeschaltet (High)
und bleiben eingeschaltet, bis ein anderer Code sie ausschaltet.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;-Aus-&lt;/b&gt; &amp;nbsp;Beim Empfang des Codes werden die gewählten Ausgänge ausgeschaltet (Low).
Mit allen vier Ausgängen gewählt ergibt sich eine Zentral-Aus-Taste.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;-Wechsel-&lt;/b&gt; &amp;nbsp;Jeder Tastendruck kehrt den Zustand der gewählten Ausgänge um: ein
Druck schaltet ein, der nächste wieder aus. Die Sperrzeit (1.3) verhindert dabei ungewolltes
Mehrfachschalten. Im Parallelbetrieb ist diese Funktion nicht möglich.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;-1:1-&lt;/b&gt; &amp;nbsp;Die Ausgänge sind aktiv, solange die Taste gedrückt wird. Nach dem
Loslassen bleiben sie noch für die eingestellte Nachlaufzeit aktiv; eine kurze Nachlaufzeit
(etwa 200 ms) überbrückt die Pausen zwischen den Funktelegrammen. Nur für die Codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;-Impuls-&lt;/b&gt; &amp;nbsp;Jeder Tastendruck gibt an den gewählten Ausgängen einen Impuls der
eingestellten Dauer aus, unabhängig davon, wie lange die Taste gedrückt wird. Nur für die
Codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4.&lt;/p&gt;
&lt;p&gt;Nachlaufzeit und Impulsdauer werden in der gewählten Zeiteinheit (msec, sec, min, h)
eingegeben. Bis 655,34 s werden sie im 10-ms-Raster gespeichert, darüber im 2-s-Raster bis
höchstens 36,4 h. Die eingegebene Zeit wird auch allen noch unbenutzten Codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4
vorgegeben.&lt;/p&gt;
</source>
        <translation>
&lt;h5&gt;2.3.2 &quot;Function&quot;&lt;/h5&gt;
&lt;p&gt;&lt;b&gt;-none-&lt;/b&gt; &amp;nbsp;The code is not used; its address is set to 0 when programming.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;-On-&lt;/b&gt; &amp;nbsp;When the code is received, the chosen outputs are switched on (high) and stay
on until another code switches them off.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;-Off-&lt;/b&gt; &amp;nbsp;When the code is received, the chosen outputs are switched off (low). With
all four outputs chosen this gives a central off key.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;-Toggle-&lt;/b&gt; &amp;nbsp;Each key press reverses the state of the chosen outputs: one press
switches on, the next one off again. The lock time (1.3) prevents unwanted repeated switching.
This function is not possible in parallel mode.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;-1:1-&lt;/b&gt; &amp;nbsp;The outputs are active as long as the key is held. After it is released
they stay active for the run-on time set; a short run-on time (about 200 ms) bridges the gaps
between the radio telegrams. Codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 only.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;-Pulse-&lt;/b&gt; &amp;nbsp;Each key press gives a pulse of the length set on the chosen outputs,
however long the key is held. Codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 only.&lt;/p&gt;
&lt;p&gt;Run-on time and pulse length are entered in the chosen time unit (msec, sec, min, h). Up to
655.34 s they are stored in steps of 10 ms, above that in steps of 2 s up to at most 36.4 h.
The time entered is also given to all codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 still unused.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h5&gt;2.3.3. &quot;Ausgang&quot;&lt;/h5&gt;
&lt;p&gt;Hier wählen Sie, welche der Ausgänge OUT&amp;nbsp;1&amp;nbsp;..&amp;nbsp;OUT&amp;nbsp;4 der Code beeinflusst. Es können
beliebig viele Ausgänge gleichzeitig gewählt werden. Ein Code mit Funktion, aber ohne Ausgang
hat keine Wirkung; bei den Codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 weist das Programm beim Programmieren darauf hin.&lt;/p&gt;
</source>
        <translation>
&lt;h5&gt;2.3.3. &quot;Output&quot;&lt;/h5&gt;
&lt;p&gt;Here you choose which of the outputs OUT&amp;nbsp;1&amp;nbsp;..&amp;nbsp;OUT&amp;nbsp;4 the code affects. Any
number of outputs can be chosen at the same time. A code with a function but without an output
has no effect; for codes&amp;nbsp;1&amp;nbsp;..&amp;nbsp;4 the program points this out when
programming.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;3. ALLGEMEINE INFORMATIONEN&lt;/h3&gt;
&lt;p&gt;Der Infobereich rechts oben zeigt den Projektnamen; ein Doppelklick darauf (oder der
Menüpunkt &quot;Datei / Projektname&quot;) öffnet die Eingabe. Enter übernimmt den neuen Namen, Esc
verwirft ihn. Der Projektname wird mit der Datei gespeichert und in der Titelzeile angezeigt.
Die Statuszeile nennt die aktuell geöffnete Datei und die benutzte serielle Schnittstelle.
Nach jedem Programmieren oder Auslesen steht unter &quot;Firmware:&quot; die Versionsnummer der Firmware
des Empfängermoduls. Ein Doppelklick auf unsere Internetadresse öffnet die Homepage, auf der
Sie auch Updates dieser Software finden.&lt;/p&gt;
</source>
        <translation>
&lt;h3&gt;3. GENERAL INFORMATION&lt;/h3&gt;
&lt;p&gt;The information area at the top right shows the project name; a double click on it (or the
menu item &quot;File / Project name&quot;) opens its entry. Enter takes the new name, Esc discards it.
The project name is saved with the file and shown in the title bar. The status line names the
file open now and the serial port in use. After each programming or reading, &quot;Firmware:&quot; shows
the version number of the receiver module&apos;s firmware. A double click on our internet address
opens the homepage, where you also find updates of this software.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;4. BENUTZERKOMMENTARE und ERWEITERTE PROGRAMMIEREINSTELLUNGEN&lt;/h3&gt;
&lt;p&gt;Im Menü &quot;Einstellungen&quot; wählen Sie, ob rechts das Kommentarfenster oder die erweiterten
Programmiereinstellungen angezeigt werden. Im Kommentarfenster können Sie beliebigen Text
eingeben, zum Beispiel Kunde, Einbauort und Datum; er wird mit der Konfigurationsdatei
gespeichert.&lt;/p&gt;
&lt;p&gt;Die erweiterten Programmiereinstellungen erleichtern das Programmieren vieler Module
hintereinander. Für jeden Code kann ein &quot;increment&quot; eingetragen werden, der nach jedem
erfolgreichen Programmiervorgang zur Adresse addiert wird; so erhält jedes Modul eigene
Adressen. Der Wert 0 schaltet diese Funktion aus, ein negativer Wert zählt abwärts. Unter
&quot;nächste:&quot; steht die Adresse, die beim nächsten Programmieren geschrieben wird. Der &quot;Zähler&quot;
zählt die erfolgreich programmierten Module und wird mit &quot;clear&quot; auf 0 zurückgesetzt.&lt;/p&gt;
&lt;p&gt;Mit &quot;automatisch programmieren&quot; (unter dem Zähler) wird jedes Modul programmiert, sobald
es im Programmieradapter steckt, ohne Tastendruck. Danach meldet das Programm &quot;Modul
entfernen ...&quot; und wartet, bis das Modul herausgenommen ist; ein stecken gelassenes Modul
wird also nicht zweimal programmiert. Schlägt ein Programmiervorgang fehl, schaltet sich die
Automatik mit einem Warnton aus. &quot;Datei neu&quot;, &quot;Datei laden&quot;, eine andere Schnittstelle und das
Beenden schalten sie ebenfalls aus.&lt;/p&gt;
&lt;p&gt;Ist im Menü &quot;Einstellungen&quot; der Punkt &quot;Produktionsprotokoll führen&quot; gewählt, wird jeder
Programmiervorgang als Zeile in der Datei fbe-protokoll.csv im Ordner der
Konfigurationsdatei festgehalten (Zeit, Ergebnis, Meldung, Datei, Projektname, Firmware,
Zähler und die gesendeten Adressen); die Datei lässt sich direkt in einer Tabellenkalkulation
öffnen. Stehen dort dieselben Adressen schon aus einem erfolgreichen Programmiervorgang, zeigt
das Programm vorher einen Hinweis.&lt;/p&gt;
</source>
        <translation>
&lt;h3&gt;4. USER COMMENTS and EXTENDED PROGRAMMING SETTINGS&lt;/h3&gt;
&lt;p&gt;In the menu &quot;Settings&quot; you choose whether the comment window or the extended programming
settings are shown on the right. In the comment window you can enter any text, for example
customer, place of installation and date; it is saved with the configuration file.&lt;/p&gt;
&lt;p&gt;The extended programming settings make it easier to program many modules one after the
other. For each code an &quot;increment&quot; can be entered, which is added to the address after each
successful programming; so every module gets addresses of its own. The value 0 switches this
off, a negative value counts down. Under &quot;next:&quot; stands the address that the next programming
writes. The &quot;Counter&quot; counts the modules programmed successfully and is set back to 0 with
&quot;clear&quot;.&lt;/p&gt;
&lt;p&gt;With &quot;automatic programming&quot; (below the counter) each module is programmed as soon as it
sits in the programming adapter, without a key press. The program then reports &quot;remove the module
...&quot; and waits until the module has been taken out; a module left in place is therefore not
programmed twice. If a programming fails, the automatic mode switches itself off with a warning
tone. &quot;New file&quot;, &quot;Open file&quot;, another port and quitting switch it off as well.&lt;/p&gt;
&lt;p&gt;With &quot;Keep production log&quot; chosen in the menu &quot;Settings&quot;, every programming is recorded as a
line in the file fbe-protokoll.csv in the folder of the configuration file (time, result,
message, file, project name, firmware, counter and the addresses sent); the file opens directly
in a spreadsheet. If the same addresses are already there from a successful programming, the
program shows a notice beforehand.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;5. EINGABEN, MELDUNGEN und RÜCKGÄNGIG&lt;/h3&gt;
&lt;p&gt;Ein Wert in einem Eingabefeld wird mit Enter oder beim Verlassen des Feldes übernommen.
Jeder Befehl &amp;ndash; Datei speichern, Datei neu, Datei laden, Modul auslesen, Modul
programmieren, Drucken, Als PDF speichern, das Beenden auf jedem Weg sowie Rückgängig und
Wiederholen aus dem Menü &amp;ndash; übernimmt vorher auch einen Wert, der gerade eingetippt, aber
noch nicht übernommen wurde: im Hauptfenster, im Einstelldialog eines Codes und im
Kommentarfenster. Die Frage &quot;zuerst sichern ?&quot; berücksichtigt ihn also, und gespeichert,
gedruckt oder programmiert wird, was Sie sehen.&lt;/p&gt;
&lt;p&gt;Das Meldungsfeld über den Tasten &quot;Modul programmieren&quot; und &quot;Modul auslesen&quot; zeigt die
Meldungen des Programms: weiß für normale Meldungen, gelb für Warnungen, rot für Fehler.
Jeder fehlgeschlagene Programmier- oder Lesevorgang gibt mit seiner roten Meldung einen
Warnton aus, auch im automatischen Betrieb (dort einmal, und die Automatik schaltet sich
aus); ein mit &quot;Abbrechen&quot; beendeter Vorgang nicht. Wird die Automatik ausgeschaltet, von Hand
oder durch einen Befehl, steht dort &quot; automatisches Programmieren ausgeschaltet&quot;. Ändert das
Programm selbst Adressen (eine kürzere Codierlänge, ein anderer Sender), nennt es jede
Änderung:&lt;br&gt;&quot; Adressen begrenzt: CODE&amp;nbsp;1 3000 --&gt; 1023, CODE&amp;nbsp;2 3500 --&gt; 1023&quot;&lt;br&gt;Eine
lange Liste wird nur zwischen ihren Einträgen umbrochen.&lt;/p&gt;
&lt;p&gt;Im Menü &quot;Bearbeiten&quot; nimmt &quot;Rückgängig&quot; (Strg+Z) jede Änderung der Konfiguration zurück,
&quot;Wiederholen&quot; (Strg+Y) führt sie erneut aus. Das Meldungsfeld nennt danach den Schritt
(&quot; rückgängig: Codierlänge&quot;, &quot; wiederholt: Codierlänge&quot;); hatte er Adressen geändert, nennt
es auch diese: nach dem Rückgängigmachen&lt;br&gt;&quot; Adressen zurückgenommen: CODE&amp;nbsp;1 1023 --&gt; 3000&quot;,&lt;br&gt;nach
dem Wiederholen die Meldung des Schritts erneut, gelb und mit Warnton. Enthält das Feld
mit dem Cursor &amp;ndash; auch das Kommentarfenster &amp;ndash; eine eigene, noch nicht übernommene
Eingabe, gelten Strg+Z und Strg+Y nur dieser Eingabe.&lt;/p&gt;
</source>
        <translation>
&lt;h3&gt;5. ENTRIES, MESSAGES and UNDO&lt;/h3&gt;
&lt;p&gt;A value in an entry field is taken with Enter or when you leave the field. Every command
&amp;ndash; Save file, New file, Open file, Read module, Program module, Print, Save as PDF,
quitting in any way, and Undo and Redo chosen from the menu &amp;ndash; first takes a value that
has just been typed but not yet taken as well: in the main window, in a code&apos;s settings dialog
and in the comment window. The question &quot;save it first ?&quot; therefore counts it, and what is
saved, printed or programmed is what you see.&lt;/p&gt;
&lt;p&gt;The message area above the buttons &quot;Program module&quot; and &quot;Read module&quot; shows the program&apos;s
messages: white for normal messages, yellow for warnings, red for errors. Every programming or
reading that fails sounds a warning tone with its red message, also in automatic mode (there
once, and the automatic mode switches itself off); one ended with &quot;Cancel&quot; does not. When the
automatic mode is switched off, by hand or by a command, the area says &quot; automatic programming
switched off&quot;. When the program changes addresses itself (a shorter code length, another
transmitter), it names each change:&lt;br&gt;&quot; Addresses limited: CODE&amp;nbsp;1 3000 --&gt; 1023,
CODE&amp;nbsp;2 3500 --&gt; 1023&quot;&lt;br&gt;A long list wraps only between its items.&lt;/p&gt;
&lt;p&gt;In the menu &quot;Edit&quot;, &quot;Undo&quot; (Ctrl+Z) takes back every change to the configuration, &quot;Redo&quot;
(Ctrl+Y) makes it again. The message area then names the step (&quot; undone: Code length&quot;,
&quot; redone: Code length&quot;); if the step changed addresses, it names them too: after an
undo&lt;br&gt;&quot; addresses restored: CODE&amp;nbsp;1 1023 --&gt; 3000&quot;,&lt;br&gt;after a redo the step&apos;s message
again, in yellow and with a warning tone. While the field with the cursor &amp;ndash; the comment window
included &amp;ndash; holds an entry of its own that has not been taken yet, Ctrl+Z and Ctrl+Y act on
that entry only.&lt;/p&gt;
</translation>
    </message>
</context>
</TS>
