// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// File commands (new, open, save) with the guard against losing unsaved changes, the
// start-up step with the settings file, and shutdown.
//
// The guard: the configuration counts as changed when its file text, built anew, differs
// from the snapshot saveMemo. The snapshot is taken only when the configuration and a file
// (or a new configuration) really match: after a new configuration, a completed load, a
// completed save, and at start-up. A cancelled dialog or a failed load or save leaves it as
// it was, so a change made before is still offered for saving. After a load whose
// configuration is not what the file says (a damaged file, used addresses the refresh cut)
// the snapshot matches no file text, and closing asks.
#include "mainwindow/TFFBmain.h"

#include "comm/TFrs232.h"
#include "config/AddressLimit.h"
#include "config/FbeFile.h"
#include "config/Maker.h"
#include "config/SettingsFile.h"
#include "dialogs/ScreenFit.h"
#include "dialogs/Seam.h"
#include "dialogs/UHelp.h"
#include "dialogs/Uask.h"
#include "dialogs/Uhinweis.h"
#include "dialogs/Uinfo.h"
#include "dialogs/Uprojekt.h"
#include "editors/TFCode.h"
#include "editors/TFsystem.h"
#include "mainwindow/LanguageMenu.h"
#include "mainwindow/PortMenu.h"
#include "mainwindow/UndoHistory.h"
#include "transmitters/TFFB16.h"
#include "transmitters/TFFB3SVS.h"
#include "transmitters/TFFBkeys.h"
#include "transmitters/TFFBselect.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace fbe {

namespace {

// The name of a new configuration's file as the settings file keeps it.
const QString NewFileName = QStringLiteral("neue datei.fbe");
const QString DefaultSuffix = QStringLiteral("fbe");
const QString SettingsFileName = QStringLiteral("fbe_ini.ini");

QString fileFilter()
{
    return TFFBmain::tr("Konfigurationsfile Empfängermodul  (*.fbe);;alle Dateien  (*.*)");
}

// ---- Windows and their positions ----------------------------------------------------------

// The window of each position group; none for the two groups that are only carried.
std::array<QWidget*, WindowPositions::Count> positionedWindows(TFFBmain& w)
{
    const Forms& f = w.forms;
    std::array<QWidget*, WindowPositions::Count> windows{};
    windows[WindowPositions::Main] = &w;
    windows[WindowPositions::Prog] = f.Frs232;
    windows[WindowPositions::Select] = f.FBselect;
    windows[WindowPositions::T1] = f.FB1;
    windows[WindowPositions::T2] = f.FB2;
    windows[WindowPositions::T3] = f.FB3SVS;
    windows[WindowPositions::T4] = f.FB4;
    windows[WindowPositions::T16] = f.FB16;
    windows[WindowPositions::System] = f.Fsystem;
    windows[WindowPositions::Help] = f.FHelp;
    windows[WindowPositions::Info] = f.Finfo;
    windows[WindowPositions::Projekt] = f.FProjekt;
    windows[WindowPositions::Codes] = f.FCode;
    windows[WindowPositions::Ask] = f.Fask;
    windows[WindowPositions::Hinweis] = f.Fhinweis;
    return windows;
}

// Keeps a window at the place it was last shown. A dialog that was never placed by the
// program is centred over the main window each time it opens, and a move by the user does
// not count as placed; so a window, once shown, is placed where it is when it closes. From
// then on it opens where the user left it, and that is the place the settings file keeps.
class PlaceKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow() && !window->testAttribute(Qt::WA_Moved))
                window->move(window->pos());
        }
        return false;
    }
};

// The position of a window for the settings file. A window that was neither shown nor
// placed has no position of its own yet; it gets the one where it would first appear,
// over the middle of the main window.
QPoint positionToKeep(const TFFBmain& w, const QWidget* window)
{
    if (window == &w || window->testAttribute(Qt::WA_Moved)
        || window->testAttribute(Qt::WA_WState_Created))
        return window->pos();
    const QRect main = w.frameGeometry();
    const QSize size = ScreenFit::outerSize(window);
    return main.center() - QPoint(size.width() / 2, size.height() / 2);
}

// ---- File text and dialogs ----------------------------------------------------------------

void rebuildFileText(TFFBmain& w)
{
    w.Memo1 = BuildFile(w.cfg).lines;
}

void takeSnapshot(TFFBmain& w)
{
    rebuildFileText(w);
    w.saveMemo = w.Memo1;
    if (w.loadDiffersFromFile)
        w.saveMemo.clear();   // matches no file text: the configuration counts as changed
    w.loadDiffersFromFile = false;
}

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A completed file dialog makes the chosen file's folder the working folder, so the next
// dialog starts there.
void enterFolderOf(const QString& path)
{
    QDir::setCurrent(QFileInfo(path).absolutePath());
}

void reportSaveError(TFFBmain& w, const QString& reason)
{
    w.seam.beep();
    w.addInfo(TFFBmain::tr(" Fehler bei \"Datei speichern!\""));
    if (!reason.isEmpty())
        w.addInfo(QLatin1Char(' ') + reason);
    w.setInfoColour(TFFBmain::InfoColour::Error);
}

enum class SaveResult { Saved, Cancelled, Failed };

// The save dialog and the write. Only a completed write moves the current file and the
// snapshot.
SaveResult saveThroughDialog(TFFBmain& w)
{
    const QString path =
        w.seam.saveFileName(&w, TFFBmain::tr("Datei speichern als..."),
                            TFFBmain::shownFileName(w.SaveDialog1.FileName), fileFilter(),
                            DefaultSuffix);
    if (path.isEmpty())
        return SaveResult::Cancelled;
    enterFolderOf(path);
    const BuiltFile file = BuildFile(w.cfg);
    w.Memo1 = file.lines;
    QString reason;
    if (!SaveFile(path, file, &reason)) {
        // Why, on a line of its own: the character the file cannot hold, or what the system
        // refused (no permission, a full disk, a folder that is gone, a protected file).
        if (!file.unencodable.isEmpty()) {
            reason = (file.unencodable.toUcs4().size() == 1
                          ? TFFBmain::tr("nicht speicherbares Zeichen: %1")
                          : TFFBmain::tr("nicht speicherbare Zeichen: %1"))
                         .arg(describeCharacters(file.unencodable));
        }
        reportSaveError(w, reason);
        return SaveResult::Failed;
    }
    w.OpenDialog1.FileName = shownPath(path);
    w.SaveDialog1.FileName = w.OpenDialog1.FileName;
    w.setInfoColour(TFFBmain::InfoColour::Normal);
    //: "file" stands in the German text as it is
    w.addInfo(TFFBmain::tr(" file gespeichert "));
    w.saveMemo = w.Memo1;
    w.ShowBasicsWin();
    return SaveResult::Saved;
}

bool ask(TFFBmain& w, const QStringList& lines)
{
    if (!w.forms.Fask)
        return false;
    return w.forms.Fask->ask(lines);
}

// The changed check with save offer. Returns whether the command may go on: nothing was
// changed, the user declined saving ("NEIN !"), or the file was saved. "Abbrechen", Escape
// and the title bar stop the command before it has changed anything; so does "JA" without
// a file written (dialog cancelled, write failed), so the changes the user asked to keep
// are not thrown away.
bool changedCheckGoesOn(TFFBmain& w)
{
    rebuildFileText(w);
    if (w.Memo1 == w.saveMemo || !w.forms.Fask)
        return true;
    switch (w.forms.Fask->askOrCancel({TFFBmain::tr("!!!  Die Datei wurde geändert  !!!"),
                                       TFFBmain::tr("zuerst sichern ?")})) {
    case TFask::Answer::No:
        return true;
    case TFask::Answer::Cancel:
        return false;
    case TFask::Answer::Yes:
        break;
    }
    return saveThroughDialog(w) == SaveResult::Saved;
}

// Loads path as the current file. When the load fails, the configuration and the current
// file stay as they were.
bool loadAsCurrentFile(TFFBmain& w, const QString& path)
{
    const QString openBefore = w.OpenDialog1.FileName;
    const QString saveBefore = w.SaveDialog1.FileName;
    w.OpenDialog1.FileName = path;
    if (w.DateiGeladen())
        return true;
    w.OpenDialog1.FileName = openBefore;
    w.SaveDialog1.FileName = saveBefore;
    w.ShowBasicsWin();
    return false;
}

Settings currentSettings(TFFBmain& w)
{
    Settings s;
    s.lastFile = w.OpenDialog1.FileName;
    s.askLastFile = w.askLastFile;
    s.comPortName = w.comPortName;
    s.systemPort = w.rememberedPort;
    s.productionLog = w.productionLog;
    if (w.languageMenu)
        s.language = w.languageMenu->choice();
    s.databaseUri = w.databaseUri();
    s.showNotices = w.showNotices;
    s.progView = w.MProg && w.MProg->isChecked();
    s.workingFolder = QDir::toNativeSeparators(QDir::currentPath());
    s.waitstates = w.waitstates;
    const auto windows = positionedWindows(w);
    for (int i = 0; i < WindowPositions::Count; ++i) {
        if (windows[size_t(i)])
            s.positions.at(i) = positionToKeep(w, windows[size_t(i)]);
    }
    s.positions.print = w.posPrint;
    s.positions.waitstate = w.posWaitstate;
    return s;
}

void applyPositions(TFFBmain& w, const WindowPositions& positions)
{
    const auto windows = positionedWindows(w);
    for (int i = 0; i < WindowPositions::Count; ++i) {
        if (!positions.present[size_t(i)])
            continue;
        const QPoint p = positions.at(i);
        if (i == WindowPositions::Print)
            w.posPrint = p;
        else if (i == WindowPositions::Waitstate)
            w.posWaitstate = p;
        else if (QWidget* window = windows[size_t(i)])
            window->move(ScreenFit::placeOnScreen(p, ScreenFit::outerSize(window)));
    }
}

}  // namespace

QString TFFBmain::shownFileName(const QString& fileName)
{
    //: the name of a new configuration's file until it is saved under a name of its own
    return fileName == NewFileName ? tr("neue datei.fbe") : fileName;
}

// ---- Start-up ---------------------------------------------------------------------------

void TFFBmain::FormCreate()
{
    hide();
    cfg.progcounter = 0;
    cfg.offset.fill(0);
    cfg.transfer.programmed = false;
    if (mainweb)
        mainweb->setText(QString::fromUtf8(maker::Web));
    settingsPath = QDir::toNativeSeparators(QDir::currentPath() + QLatin1Char('/')
                                            + SettingsFileName);
    cfg.transfer.resultPending = false;
    comPortName = QStringLiteral("COM1");
    NeueDatei();
    takeSnapshot(*this);
}

void TFFBmain::inittimerTimer()
{
    inittimer->stop();

    const SettingsRead read = readSettingsFile(settingsPath);
    const Settings& s = read.values;
    if (read.hasAskLastFile)
        askLastFile = s.askLastFile;
    if (read.hasShowNotices)
        showNotices = s.showNotices;
    if (read.hasView)
        (s.progView ? MProg : Mcomment)->setChecked(true);
    if (read.hasWorkingFolder)
        QDir::setCurrent(s.workingFolder);
    if (read.hasWaitstates)
        waitstates = s.waitstates;
    applyPositions(*this, s.positions);
    auto* keeper = new PlaceKeeper(this);
    for (QWidget* window : positionedWindows(*this)) {
        if (window && window != this)
            window->installEventFilter(keeper);
    }

    if (!read.complete) {
        askLastFile = true;
        comPortName = QStringLiteral("COM1");
        waitstates = 1;
        if (!startFile.isEmpty())
            loadAsCurrentFile(*this, startFile);
        ShowBasicsWin();
    } else {
        // A file named on the command line is loaded as the "yes" would load the last one.
        // The last file is offered only when it is there; one that has gone is named.
        if (!startFile.isEmpty()) {
            loadAsCurrentFile(*this, startFile);
        } else if (askLastFile && !QFileInfo(s.lastFile).isFile()) {
            if (!s.lastFile.isEmpty() && s.lastFile != NewFileName) {
                setInfoColour(InfoColour::Normal);
                addInfo(tr(" zuletzt geöffnete Datei nicht gefunden: %1").arg(s.lastFile));
            }
        } else if (askLastFile
                   && ask(*this, {tr("soll die zuletzt geöffnete Datei:"),
                                  QStringLiteral(" \"") + s.lastFile + QStringLiteral("\" "),
                                  tr("geladen werden?")})) {
            loadAsCurrentFile(*this, s.lastFile);
        }
        comPortName = s.comPortName;
        // The adapter chosen last stays remembered while it is missing; the COM port of
        // line 3 stands in for it.
        rememberedPort = s.systemPort;
        if (portMenu)
            portMenu->restore(s.systemPort);
        productionLog = s.productionLog;
        if (MProtokoll)
            MProtokoll->setChecked(productionLog);
        if (languageMenu)
            languageMenu->setChoice(s.language);
        setDatabaseUri(s.databaseUri);
        ShowBasicsWin();
    }

    takeSnapshot(*this);
    if (history)
        history->clear();
    show();
    for (QAction* port : {MCom1, MCom2, MCom3, MCom4}) {
        if (port)
            port->setEnabled(true);
    }
}

// ---- Shutdown ---------------------------------------------------------------------------

bool TFFBmain::FormClose()
{
    // However the program is closed (its menu, its keys, the title bar), what was typed and
    // not yet committed counts, and the question below sees it.
    commitTyping();
    if (!changedCheckGoesOn(*this))
        return false;
    stopSeries();
    QString error;
    if (!writeSettingsFile(settingsPath, currentSettings(*this), &error))
        seam.messageBox(this, tr("Funkempfänger Konfiguration"),
                        tr("die momentanen Programmeinstellungen konnten nicht gesichert "
                           "werden. Eventuell ist der aktuelle Ordner schreibgeschützt! "
                           "Starten Sie das Programm vorzugsweise von einer Festplatte!"));
    return true;
}

// ---- File commands ----------------------------------------------------------------------

void TFFBmain::MNewClick()
{
    if (!changedCheckGoesOn(*this))
        return;
    stopSeries();
    NeueDatei();
    takeSnapshot(*this);
    // A new configuration starts a new history; it is not undone.
    if (history)
        history->clear();
}

void TFFBmain::MopenClick()
{
    if (!changedCheckGoesOn(*this))
        return;
    stopSeries();
    const QString path = seam.openFileName(this, tr("Datei laden"),
                                           shownFileName(OpenDialog1.FileName), fileFilter());
    if (path.isEmpty())
        return;
    enterFolderOf(path);
    if (loadAsCurrentFile(*this, shownPath(path))) {
        takeSnapshot(*this);
        if (history)
            history->clear();
    }
}

void TFFBmain::MsaveClick()
{
    saveThroughDialog(*this);
}

bool TFFBmain::changedCheck()
{
    return changedCheckGoesOn(*this);
}

bool TFFBmain::DateiGeladen()
{
    Memo1.clear();
    loadDiffersFromFile = false;
    SaveDialog1.FileName = OpenDialog1.FileName;
    const LoadOutcome outcome = LoadFile(cfg, OpenDialog1.FileName);
    if (!outcome.ok) {
        seam.beep();
        addInfo(tr(" Fehler bei \"Datei laden!\""));
        // Why, on a line of its own: a file cut short, a number that is none, a folder.
        if (!outcome.error.isEmpty())
            addInfo(QLatin1Char(' ') + outcome.error);
        setInfoColour(InfoColour::Error);
        return false;
    }
    Memo1 = outcome.lines;
    const CodeSlots asFile = cfg.codes;

    setInfoColour(InfoColour::Normal);
    addInfo(tr(" Datei geladen "));
    // A file with a line lost or added, or an image value beyond a byte: loaded as the format
    // says, with a warning, and no longer counted as the file's text.
    if (!outcome.warnings.isEmpty()) {
        seam.beep();
        setInfoColour(InfoColour::Warning);
        for (const QString& warning : outcome.warnings)
            addInfo(warning);
        loadDiffersFromFile = true;
    }
    // A damaged file is loaded all the same (it may be all the user has), but not as clean.
    if (!outcome.checksumOk) {
        setInfoColour(InfoColour::Warning);
        addInfo(tr(" Achtung: Prüfsumme der Datei falsch! "));
    }
    if (outcome.oldFile) {
        seam.beep();
        setInfoColour(InfoColour::Warning);
        addInfo(tr(" Datei mit Fehlern geladen. Veraltetes inkompatibles File! "));
        if (forms.Fhinweis) {
            forms.Fhinweis->clearLines();
            forms.Fhinweis->addLine(tr("die geladene Datei wurde mit einer alten Software "
                                       "erstellt. Die File-Daten sind dazu nicht kompatibel!"));
            forms.Fhinweis->showNotice();
        }
    }
    // The refresh names the addresses it cuts, below the load's own lines; the configuration
    // then is not the file's any more.
    ShowCodeWin();
    ShowBasicsWin();
    ShowAll();
    if (!ChangedAddresses(asFile, cfg.codes).isEmpty())
        loadDiffersFromFile = true;
    return true;
}

void TFFBmain::NeueDatei()
{
    fbe::NeueDatei(cfg);
    showNotices = true;
    clearInfo();
    setInfoColour(InfoColour::Normal);
    FormPaint();
    ApplySendertyp();
    OpenDialog1.FileName = NewFileName;
    SaveDialog1.FileName = NewFileName;
    cfg.projectName = defaultProjectName();
    ShowBasicsWin();
}

}  // namespace fbe
