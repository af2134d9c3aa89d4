// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the whole configuration of the receiver module on one fixed screen, the
// in-place basic settings, the code table, the right-hand information column and the menu.
//
// The window keeps no copy of the configuration. Every handler changes the state and then
// calls one of the refreshes (FormPaint, ShowCodeWin, ShowAll, ShowBasicsWin); the refreshes
// rewrite a control only when its text, check state or visibility really changes, so a
// refresh never starts another one. FormPaint runs on every showing and activation of the
// window and, posted and coalesced, whenever a paint finds the state newer than the display.
//
// The handlers are spread over several files by subject:
//   TFFBmain.cpp           controls, layout, menu wiring, window-level commands
//   TFFBmain_texts.cpp     every text of the window in the language in use (retranslateUi)
//   TFFBmain_refresh.cpp   FormPaint, ShowCodeWin, ShowAll, ShowBasicsWin, ApplySendertyp
//   TFFBmain_basics.cpp    editing of the basic settings in place
//   TFFBmain_files.cpp     new/open/save, start-up, settings file, shutdown
//   TFFBmain_transfer.cpp  module transfer commands and the COM port menu
//   TFFBmain_series.cpp    production log option and hands-free series programming
//   TFFBmain_database.cpp  the production database of a series shared by several stations
//   TFFBmain_sheet.cpp     the configuration sheet: print it, save it as PDF
//   EditMenu.cpp           the menu "&Bearbeiten" with the history of changes (UndoHistory)
#pragma once

#include "comm/PortCatalogue.h"
#include "config/Configuration.h"
#include "mainwindow/Forms.h"

#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;

namespace fbe {

class PortMenu;
class LanguageMenu;
class Seam;
class SeriesDatabase;
class SeriesProgrammer;
class UndoHistory;

class TFFBmain : public QMainWindow {
    Q_OBJECT

public:
    TFFBmain(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);
    ~TFFBmain() override;

    Configuration& cfg;
    Seam& seam;
    Forms& forms;

    // Hooks the other windows into this one once all exist: the project name dialog's close
    // and the transfer window's end run FormPaint, an accepted firmware version is shown.
    void connectForms();

    // ---- Program options (kept in the settings file, not in the configuration file) ----
    bool showNotices = true;              // "&Infos anzeigen"
    bool askLastFile = true;              // "&Abfrage: Datei der letzten Sitzung laden?"
    QString comPortName = QStringLiteral("COM1");   // the last of COM1 .. COM4 chosen
    // The system port in use (an adapter the system lists, or a path of FBE_EXTRA_PORTS);
    // empty while the port named by comPortName is in use.
    PortEntry systemPort;
    // The system port the user chose last (settings line 7): kept while it is missing at a
    // start, when comPortName stands in for it; emptied by choosing one of COM1 .. COM4.
    QString rememberedPort;
    int waitstates = 22;
    QString settingsPath;                 // working folder at start + "fbe_ini.ini"
    // A configuration named on the command line (absolute): loaded at start as a "yes" to
    // the question about the last file would, instead of asking.
    QString startFile;
    // Positions of two windows the user cannot open, carried through the settings file.
    QPoint posPrint{295, 55};
    QPoint posWaitstate{92, 104};

    // The open and save dialogs' file names; OpenDialog1.FileName is the current file.
    struct FileDialogState {
        QString FileName = QStringLiteral("neue datei.fbe");
    };
    // A file name as the window shows it: the name of a new configuration's file, "neue
    // datei.fbe", in the language in use (the settings file keeps it as it is); any other
    // as it is.
    static QString shownFileName(const QString& fileName);
    FileDialogState OpenDialog1;
    FileDialogState SaveDialog1;

    // The file text being built or loaded, and the saved-state snapshot.
    QStringList Memo1;
    QStringList saveMemo;
    // Set by a load after which the configuration is not what its file says (a damaged file
    // loaded with a warning, used addresses the refresh cut): the snapshot taken after the
    // load then counts the configuration as changed, so that closing asks.
    bool loadDiffersFromFile = false;

    // ---- Message area Info ----
    enum class InfoColour { Normal, Error, Warning };
    // Where a line too long for the area may wrap: at any blank, or (a list of items such as
    // " Adressen begrenzt: CODE 1 3000 --> 1023, ...") only between its items (MessageLayout).
    enum class InfoBreak { AtBlanks, BetweenItems };
    static QColor infoColourValue(InfoColour colour);   // white, RGB(254,80,75), yellow
    void clearInfo();                                   // empties the area (colour unchanged)
    // Adds one line. The lines added in one go (before the program waits for the user again)
    // are one message: the area shows the newest message whole, or from its first line when
    // it is longer than the area.
    void addInfo(const QString& line, InfoBreak wrap = InfoBreak::AtBlanks);
    void setInfoColour(InfoColour colour);
    InfoColour infoColour() const { return infoColour_; }
    QStringList infoLines() const;

    // ---- Refresh (TFFBmain_refresh.cpp) ----
    // Full refresh: takes a pending transfer result, then ShowCodeWin, ShowBasicsWin, status
    // line and ApplySendertyp. Also called by the transfer window when it closes.
    void FormPaint();
    // Transmitter, parallel-code and flag controls; ends with ShowAll.
    void ShowCodeWin();
    // Code table and the programming panel's address labels.
    void ShowAll();
    // Basic settings, right-hand view, menu check marks, status line, caption.
    void ShowBasicsWin();
    // Makes the active type's parameter set current and shows the type (glyph, Bits,
    // Pcodierlaenge, warnung1).
    void ApplySendertyp();
    // Posts one FormPaint to the event loop; several requests before it runs give one refresh.
    void requestRefresh();
    // Number of FormPaint runs so far (for tests and the benchmark).
    int formPaintCount() const { return formPaintCount_; }

    // ---- Commands ----
    // Every command of the window (its menu items, their keys and the transfer buttons) runs
    // through command(): what was typed into the field that has the focus (this window's,
    // the code editor's, the comment) and not yet committed is committed first, exactly as
    // leaving the field would commit it, so that the command acts on what the user sees.
    // Closing the window commits it the same way (FormClose).
    std::function<void()> command(void (TFFBmain::*handler)());
    std::function<void()> command(std::function<void()> handler);
    void commitTyping();

    // ---- Window-level commands (TFFBmain.cpp) ----
    void MinfosClick();
    void MDLClick();
    void McommentClick();
    void MProgClick();
    void InfoDblClick();
    void Panel2DblClick();
    void Projektname1Click();
    void projectnameDblClick();
    void MhilfeClick();
    void MaboutClick();
    void MexitClick();
    void MSystemClick();
    void FBselectClick();
    void PanCClick(int n);                // row n of the code table: opens the code editor
    void PanC1Click() { PanCClick(1); }
    void PanC2Click() { PanCClick(2); }
    void PanC3Click() { PanCClick(3); }
    void PanC4Click() { PanCClick(4); }
    void PanC5Click() { PanCClick(5); }
    void PanC6Click() { PanCClick(6); }
    void PanC7Click() { PanCClick(7); }
    void PanC8Click() { PanCClick(8); }

    // ---- Files, start-up and shutdown (TFFBmain_files.cpp) ----
    void FormCreate();
    void inittimerTimer();
    bool FormClose();                     // false keeps the window open
    void MNewClick();
    void MopenClick();
    void MsaveClick();
    bool DateiGeladen();                  // true when the file was loaded
    // The changed check with save offer of new, open, close and read: false when the command
    // has to stop ("Abbrechen", Escape or the title bar on the question, or "JA" and no file
    // was written).
    bool changedCheck();
    void NeueDatei();                     // new configuration with its display steps

    // ---- Module transfer and COM port (TFFBmain_transfer.cpp) ----
    void SendButtonClick();
    void ReadButtonClick();
    void MKommClick();
    void MComClick(int n);
    void MCom1Click() { MComClick(1); }
    void MCom2Click() { MComClick(2); }
    void MCom3Click() { MComClick(3); }
    void MCom4Click() { MComClick(4); }
    // A system port item of "&COM port auswählen" (see PortMenu).
    void MPortClick(const PortEntry& port);
    // The run of "Modul programmieren", also each run of a hands-free series: true when the
    // module was programmed. Keeps the production log (see ProductionRun).
    bool programModule();
    // Transfer results the refresh has taken so far.
    int transfersTaken() const { return transfersTaken_; }

    // ---- Production log and hands-free series programming (TFFBmain_series.cpp) ----
    bool productionLog = false;           // "&Produktionsprotokoll führen" (settings line 8)
    void MProtokollClick();
    void CBautoClick();                   // "automatisch programmieren"
    // Ends hands-free programming at once and releases the port ("Datei neu", loading a
    // file, choosing another port, closing the program). Nothing when it is off.
    void stopSeries();
    bool seriesOn() const;
    // Whether a dialog is open (hands-free programming does not poll then).
    bool dialogOpen() const;

    // ---- The production database of a shared series (TFFBmain_database.cpp) ----
    SeriesDatabase& seriesDatabase() { return *seriesDatabase_; }
    void MDatenbankClick();               // "Produktions&datenbank ..."
    // The connection of settings line 10 (empty: none), as at start-up.
    void setDatabaseUri(const QString& uri);
    QString databaseUri() const;
    // Before a run with the database in use: the module's number and its addresses; false
    // (with the refusal in the message area and a beep) when the run must not go ahead.
    bool takeSeriesNumber();
    // The programming view's lines of the shared series (refreshed by ShowBasicsWin).
    void showDatabaseLines();

    // ---- The configuration sheet (TFFBmain_sheet.cpp) ----
    void MdruckenClick();                 // "&Drucken ..."
    void MpdfClick();                     // "Als PD&F speichern ..."

    // ---- History of changes: "&Rückgängig", "&Wiederholen" (UndoHistory, EditMenu) ----
    UndoHistory* history = nullptr;

    // ---- Basic settings in place (TFFBmain_basics.cpp) ----
    // Exit handlers run on every loss of focus; KeyUp handlers on the release of Enter.
    void pruefanzahlExit();
    void pruefanzahlKeyUp();
    void UpDownPruefClick(bool up);
    void korrekturExit();                 // also the exit handler of checksumEEPROM
    void UpDownKorrClick(bool up);
    void sperrzeitExit();
    void sperrzeitKeyUp();
    void umschaltzeitExit();
    void umschaltzeitKeyUp();
    void TimeOutExit();
    void TimeOutKeyUp();
    void CheckBitsExit();
    void CheckBitsKeyUp();
    void dirshiftExit();
    void dirshiftKeyUp();
    void bitanzahlExit();
    void bitanzahlKeyUp();
    // After any edit of the code length: when it is now shorter than bitsBefore, addresses
    // above the new max. Adresse are limited to it (beep, " Adresse wurde begrenzt !!!").
    void codeLengthEdited(int bitsBefore);
    // Names the used codes whose address differs from before (a lowered code length, or the
    // refresh cutting them to the type's mask): yellow, with a beep, " Adresse wurde
    // begrenzt !!!" first where the code length limited them. Nothing when none changed.
    void showAddressChanges(const std::array<CodeSlot, 9>& before, bool limitedByLength);
    void progcounterExit();
    void progcounterKeyUp();
    void Button1Click();                  // "clear" of the programming counter
    void offsetExit(int n);
    void offsetKeyUp(int n);
    void offset1Exit() { offsetExit(1); }
    void offset2Exit() { offsetExit(2); }
    void offset3Exit() { offsetExit(3); }
    void offset4Exit() { offsetExit(4); }
    void offset5Exit() { offsetExit(5); }
    void offset6Exit() { offsetExit(6); }
    void offset7Exit() { offsetExit(7); }
    void offset8Exit() { offsetExit(8); }
    void GeneralCodeExit();
    void GeneralCodeKeyUp();
    void direktmaskeExit();
    void direktmaskeKeyUp();
    void GeneralDezEnter();               // entry and click: select the text, ShowCodeWin
    void GeneralDezExit();
    void GeneralDezKeyUp();
    void CBinitoutClick(int n);
    void CBinitout1Click() { CBinitoutClick(1); }
    void CBinitout2Click() { CBinitoutClick(2); }
    void CBinitout3Click() { CBinitoutClick(3); }
    void CBinitout4Click() { CBinitoutClick(4); }
    void CBstoreClick();
    void LspeicherClick();                // the labels "Speicher-" / "funktion"
    void CBvr12Click();
    void CBvr13Click();
    void CBvr14Click();
    void CBvr23Click();
    void CBvr24Click();
    void CBvr34Click();
    void CBNotAusClick();
    void CBcheckbitsClick();
    void RBstandardClick();
    void RBdirektClick();
    void RBcodeinhaltClick();
    void RBdirektausgabeClick();

    // ---- Controls: left column ----
    QLabel* Panel36 = nullptr;            // section header "Allgemeine Einstellungen"
    QFrame* Panel8 = nullptr;             // transmitter group
    QFrame* Panel7 = nullptr;
    QFrame* Panel9 = nullptr;
    QLabel* Label23 = nullptr;            // "Senderauswahl:"
    QToolButton* FBselect = nullptr;
    QLabel* warnung1 = nullptr;           // red "?"
    QLabel* Bits = nullptr;               // "40 Bit"
    QFrame* Pcodierlaenge = nullptr;
    QLineEdit* bitanzahl = nullptr;
    QLabel* Label50 = nullptr;            // "Codierlänge (Bits)"
    QLabel* Lmaxadresse = nullptr;        // "max. Adresse: ..."

    QFrame* Panel11 = nullptr;            // basic settings
    QFrame* Pverriegel = nullptr;         // interlocks
    QCheckBox* CBvr12 = nullptr;
    QCheckBox* CBvr13 = nullptr;
    QCheckBox* CBvr14 = nullptr;
    QCheckBox* CBvr23 = nullptr;
    QCheckBox* CBvr24 = nullptr;
    QCheckBox* CBvr34 = nullptr;
    QCheckBox* CBvr21 = nullptr;          // disabled mirrors below the diagonal
    QCheckBox* CBvr31 = nullptr;
    QCheckBox* CBvr41 = nullptr;
    QCheckBox* CBvr32 = nullptr;
    QCheckBox* CBvr42 = nullptr;
    QCheckBox* CBvr43 = nullptr;
    std::array<QCheckBox*, 4> CBvrDiag{}; // the diagonal, always disabled and clear
    QLineEdit* umschaltzeit = nullptr;
    QFrame* Panel13 = nullptr;            // "Prüfschärfe"
    QLineEdit* pruefanzahl = nullptr;
    QToolButton* UpDownPruefUp = nullptr;
    QToolButton* UpDownPruefDown = nullptr;
    QFrame* Panel12 = nullptr;            // "Anfangswert"
    QCheckBox* CBinitout1 = nullptr;
    QCheckBox* CBinitout2 = nullptr;
    QCheckBox* CBinitout3 = nullptr;
    QCheckBox* CBinitout4 = nullptr;
    QFrame* Panel14 = nullptr;            // "Korrektur", never shown
    QLineEdit* korrektur = nullptr;
    QToolButton* UpDownKorrUp = nullptr;
    QToolButton* UpDownKorrDown = nullptr;
    QLineEdit* checksumEEPROM = nullptr;  // never shown
    QFrame* Panel6 = nullptr;             // "Sperrzeit"
    QLineEdit* sperrzeit = nullptr;
    QFrame* Panel15 = nullptr;            // "Speicher-" / "funktion"
    QCheckBox* CBstore = nullptr;
    QLabel* Lspeicher1 = nullptr;         // "Speicher-"
    QLabel* Lspeicher2 = nullptr;         // "funktion"
    QFrame* Panel4 = nullptr;             // emergency stop
    QCheckBox* CBNotAus = nullptr;        // "Not-Aus:"
    QLineEdit* TimeOut = nullptr;
    QLabel* Ltimeout = nullptr;           // "ms"
    QFrame* PChecksum = nullptr;
    QCheckBox* CBcheckbits = nullptr;     // "mit Checksumme"
    QLabel* Lcheckbits = nullptr;         // "Bits:"
    QLineEdit* CheckBits = nullptr;

    QLabel* Panel37 = nullptr;            // section header "Codefunktionen 1..8"
    QFrame* Panel18 = nullptr;            // code group
    QFrame* Panel39 = nullptr;
    QRadioButton* RBstandard = nullptr;
    QRadioButton* RBdirekt = nullptr;
    QFrame* Panel62 = nullptr;            // code table
    QFrame* Panel63 = nullptr;            // its header row
    std::array<QFrame*, 9> PanC{};        // rows 1..8 (index 0 unused)
    std::array<QLabel*, 9> CodeLabel{};   // "CODE n:"
    std::array<QLineEdit*, 9> Cadd{};
    std::array<QLineEdit*, 9> Cfun{};
    std::array<QLineEdit*, 9> Cout{};

    QFrame* Ppar = nullptr;               // over rows 5..8 in parallel mode
    QFrame* Pdirekt = nullptr;
    QLineEdit* GeneralDez = nullptr;
    QLineEdit* GeneralCode = nullptr;
    QLineEdit* direktmaske = nullptr;
    QLabel* Icodepos = nullptr;
    QLineEdit* dirshift = nullptr;
    QRadioButton* RBcodeinhalt = nullptr;
    QRadioButton* RBdirektausgabe = nullptr;
    QFrame* Pdirektausgabe = nullptr;     // over the header and rows 1..4 with direct output

    // ---- Controls: right column ----
    QFrame* Panel35 = nullptr;
    QLabel* projectname = nullptr;
    QFrame* Panel34 = nullptr;
    QLabel* firmware = nullptr;           // written by the transfer on identification
    QFrame* Panel2 = nullptr;             // maker panel
    QLabel* Label9 = nullptr;
    QLabel* mainweb = nullptr;
    QLabel* Pcomment = nullptr;           // header of the right-hand view
    QPlainTextEdit* comment = nullptr;
    QFrame* Pprogram = nullptr;           // extended programming settings
    std::array<QLabel*, 9> Aadress{};
    std::array<QLineEdit*, 9> offset{};
    QLineEdit* progcounter = nullptr;
    QPushButton* Button1 = nullptr;       // "clear"
    QFrame* Pauto = nullptr;              // hands-free series below the counter
    QCheckBox* CBauto = nullptr;          // "automatisch programmieren"
    QLabel* LNaechste = nullptr;          // "nächste:" / "nächste: aus der Datenbank"
    QLabel* LDatenbank = nullptr;         // "Produktionsdatenbank: host/db"
    QLabel* LSerie = nullptr;             // the series (project name)
    QLabel* LSerieZahlen = nullptr;       // this station's last module, the series' count
    SeriesProgrammer* series = nullptr;
    QPlainTextEdit* Info = nullptr;
    QPushButton* SendButton = nullptr;
    QPushButton* ReadButton = nullptr;
    QFrame* Panel3 = nullptr;             // status line
    QLabel* ShowFile = nullptr;
    QLabel* ShowCom = nullptr;

    // Hidden picture buttons holding the transmitter glyphs.
    QToolButton* FB4aurel = nullptr;
    QToolButton* FB2aurel = nullptr;
    QToolButton* FB3svs = nullptr;
    QToolButton* FB1aurel = nullptr;
    QToolButton* FB16uni = nullptr;
    QToolButton* FB17uni = nullptr;

    QTimer* inittimer = nullptr;          // 100 ms, one-shot start-up step

    // ---- Menu ----
    QMenu* MDatei = nullptr;
    QAction* MNew = nullptr;
    QAction* Mopen = nullptr;
    QAction* Msave = nullptr;
    QAction* Mdrucken = nullptr;
    QAction* Mpdf = nullptr;
    QAction* Projektname1 = nullptr;
    QAction* Mexit = nullptr;
    QMenu* MBearbeiten = nullptr;
    QAction* MUndo = nullptr;             // "&Rückgängig"
    QAction* MRedo = nullptr;             // "&Wiederholen"
    QMenu* MKomm = nullptr;
    QMenu* Mport = nullptr;
    QAction* MCom1 = nullptr;
    QAction* MCom2 = nullptr;
    QAction* MCom3 = nullptr;
    QAction* MCom4 = nullptr;
    QActionGroup* MComGroup = nullptr;
    PortMenu* portMenu = nullptr;         // the system port items below COM1 .. COM4
    LanguageMenu* languageMenu = nullptr; // "&Sprache" at the end of "&Einstellungen"
    QAction* Mprogram = nullptr;
    QAction* Mread = nullptr;
    QMenu* MEinstellungen = nullptr;
    QAction* Minfos = nullptr;
    QAction* MDL = nullptr;
    QAction* MProtokoll = nullptr;        // "&Produktionsprotokoll führen"
    QAction* MDatenbank = nullptr;        // "Produktions&datenbank ..."
    QAction* Mcomment = nullptr;
    QAction* MProg = nullptr;
    QActionGroup* MViewGroup = nullptr;
    QAction* MSystem = nullptr;
    QMenu* MHelp = nullptr;
    QAction* Mhilfe = nullptr;
    QAction* Mabout = nullptr;

    // The client area's fixed size.
    static constexpr int ClientWidth = 795;
    static constexpr int ClientHeight = 662;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter on a focused button ("Modul programmieren", the transmitter picture, ...)
    // presses it, as Space does.
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setupUi();
    // Sets every text of the window in the language in use, then shows what the refreshes
    // compute anew; the constructor and every change of the language call it.
    void retranslateUi();
    void retranslateSeries();             // the texts of hands-free series programming
    void retranslateSheet();              // the items "&Drucken ...", "Als PD&F speichern ..."
    void retranslateDatabase();           // the production database's item and lines
    void setupLeftColumn(QWidget* client);
    void setupBasics(QWidget* parent);
    void setupCodeGroup(QWidget* client);
    void setupRightColumn(QWidget* client);
    void setupMenu();
    void setupSheetMenu();
    void setupSeries();
    void setupDatabase();
    void seriesStateChanged();
    void seriesPauseChanged();
    void showSeriesLock();
    void showSeriesState();
    void seriesEnded(const QString& why);
    // Hands-free programming is off: the last run's message, why it ended (if not by itself
    // or by the user), and " automatisches Programmieren ausgeschaltet".
    void showSeriesOff(const QString& why);
    // The lines of the message area with the way each of them wraps.
    QList<InfoBreak> infoBreaks() const;
    void wireFields();
    void takeTransferResult();            // FormPaint step 1
    void showStatusLine();
    void syncCommentToState();
    bool displayIsStale() const;
    void runPostedRefresh();

    // How a one-line edit reacts: entry (focus in or click), leaving it, releasing Enter.
    struct FieldHooks {
        std::function<void()> enter;
        std::function<void()> exit;
        std::function<void()> keyUp;
        bool selectOnEntry = false;
    };
    void addField(QLineEdit* edit, int maxLength, FieldHooks hooks);
    QHash<QObject*, FieldHooks> fieldHooks_;
    QHash<QObject*, int> rowOf_;          // code table controls -> row number

    QWidget* client_ = nullptr;
    InfoColour infoColour_ = InfoColour::Normal;
    int infoMessageStart_ = -1;           // first line of the message being added, or -1
    bool infoMessageEndPosted_ = false;
    QStringList seriesResult_;            // the last hands-free run's message
    QList<InfoBreak> seriesResultBreaks_;
    InfoColour seriesResultColour_ = InfoColour::Normal;
    int formPaintCount_ = 0;
    int transfersTaken_ = 0;
    std::unique_ptr<SeriesDatabase> seriesDatabase_;
    bool refreshPosted_ = false;
    bool inFormPaint_ = false;
    bool settingComment_ = false;
    Configuration shown_;                 // the state as the last FormPaint left it
    bool shownValid_ = false;
    struct ShownOptions {
        bool showNotices = true;
        bool askLastFile = true;
        bool progView = false;
        QString comPortName;
        QString fileName;
        QString systemPort;
    } shownOptions_;
};

}  // namespace fbe
