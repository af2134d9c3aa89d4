// File commands (new, open, save) with the guard against losing unsaved changes, the
// start-up step with the settings file, and shutdown.
//
// The guard: the configuration counts as changed when its file text, built anew, differs
// from the snapshot saveMemo. The snapshot is taken only when the configuration and a file
// (or a new configuration) really match: after a new configuration, a completed load, a
// completed save, and at start-up. A cancelled dialog or a failed load or save leaves it as
// it was, so a change made before is still offered for saving.
#include "mainwindow/TFFBmain.h"

#include "comm/TFrs232.h"
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

const QString NewFileName = QStringLiteral("neue datei.fbe");
const QString FileFilter = QStringLiteral(
    "Konfigurationsfile Empfängermodul  (*.fbe);;alle Dateien  (*.*)");
const QString OpenCaption = QStringLiteral("Datei laden");
const QString SaveCaption = QStringLiteral("Datei speichern als...");
const QString DefaultSuffix = QStringLiteral("fbe");
const QString SettingsFileName = QStringLiteral("fbe_ini.ini");

const QString MsgLoaded = QStringLiteral(" Datei geladen ");
const QString MsgOldFile =
    QStringLiteral(" Datei mit Fehlern geladen. Veraltetes inkompatibles File! ");
const QString MsgChecksum =
    QStringLiteral(" Achtung: Prüfsumme der Datei falsch! ");
const QString MsgSaved = QStringLiteral(" file gespeichert ");
const QString MsgLoadError = QStringLiteral(" Fehler bei \"Datei laden!\"");
const QString MsgSaveError = QStringLiteral(" Fehler bei \"Datei speichern!\"");
const QString NoticeOldFile = QStringLiteral(
    "die geladene Datei wurde mit einer alten Software erstellt. Die File-Daten sind dazu "
    "nicht kompatibel!");
const QString SettingsWriteError = QStringLiteral(
    "die momentanen Programmeinstellungen konnten nicht gesichert werden. Eventuell ist der "
    "aktuelle Ordner schreibgeschützt! Starten Sie das Programm vorzugsweise von einer "
    "Festplatte!");
const QString MessageTitle = QStringLiteral("Funkempfänger Konfiguration");

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
    w.addInfo(MsgSaveError);
    if (!reason.isEmpty())
        w.addInfo(QLatin1Char(' ') + reason);
    w.setInfoColour(TFFBmain::InfoColour::Error);
}

enum class SaveResult { Saved, Cancelled, Failed };

// The save dialog and the write. Only a completed write moves the current file and the
// snapshot.
SaveResult saveThroughDialog(TFFBmain& w)
{
    const QString path = w.seam.saveFileName(&w, SaveCaption, w.SaveDialog1.FileName,
                                             FileFilter, DefaultSuffix);
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
                          ? QStringLiteral("nicht speicherbares Zeichen: %1")
                          : QStringLiteral("nicht speicherbare Zeichen: %1"))
                         .arg(describeCharacters(file.unencodable));
        }
        reportSaveError(w, reason);
        return SaveResult::Failed;
    }
    w.OpenDialog1.FileName = shownPath(path);
    w.SaveDialog1.FileName = w.OpenDialog1.FileName;
    w.setInfoColour(TFFBmain::InfoColour::Normal);
    w.addInfo(MsgSaved);
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
// changed, the user declined saving ("NEIN !" or the title bar), or the file was saved.
// After "JA" without a file written (dialog cancelled, write failed) the command stops, so
// the changes the user asked to keep are not thrown away.
bool changedCheckGoesOn(TFFBmain& w)
{
    rebuildFileText(w);
    if (w.Memo1 == w.saveMemo)
        return true;
    if (!ask(w, {QStringLiteral("!!!  Die Datei wurde geändert  !!!"),
                 QStringLiteral("zuerst sichern ?")}))
        return true;
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
    s.systemPort = w.systemPort.path();
    s.productionLog = w.productionLog;
    if (w.languageMenu)
        s.language = w.languageMenu->choice();
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

// ---- Start-up ---------------------------------------------------------------------------

void TFFBmain::FormCreate()
{
    hide();
    cfg.progcounter = 0;
    cfg.offset.fill(0);
    cfg.transfer.programmed = false;
    if (mainweb)
        mainweb->setText(QString::fromUtf8(maker::Web));
    if (Panel2)
        Panel2->setToolTip(QStringLiteral("per Doppelklick zur homepage!"));
    settingsPath = QDir::toNativeSeparators(QDir::currentPath() + QLatin1Char('/')
                                            + SettingsFileName);
    inittimer->start();
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
        if (!startFile.isEmpty())
            loadAsCurrentFile(*this, startFile);
        else if (askLastFile
                 && ask(*this, {QStringLiteral("soll die zuletzt geöffnete Datei:"),
                                QStringLiteral(" \"") + s.lastFile + QStringLiteral("\" "),
                                QStringLiteral("geladen werden?")}))
            loadAsCurrentFile(*this, s.lastFile);
        comPortName = s.comPortName;
        if (portMenu)
            portMenu->restore(s.systemPort);
        productionLog = s.productionLog;
        if (MProtokoll)
            MProtokoll->setChecked(productionLog);
        if (languageMenu)
            languageMenu->setChoice(s.language);
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
    stopSeries();
    if (!changedCheckGoesOn(*this))
        return false;
    QString error;
    if (!writeSettingsFile(settingsPath, currentSettings(*this), &error))
        seam.messageBox(this, MessageTitle, SettingsWriteError);
    return true;
}

// ---- File commands ----------------------------------------------------------------------

void TFFBmain::MNewClick()
{
    stopSeries();
    if (!changedCheckGoesOn(*this))
        return;
    NeueDatei();
    takeSnapshot(*this);
    // A new configuration starts a new history; it is not undone.
    if (history)
        history->clear();
}

void TFFBmain::MopenClick()
{
    stopSeries();
    if (!changedCheckGoesOn(*this))
        return;
    const QString path = seam.openFileName(this, OpenCaption, OpenDialog1.FileName, FileFilter);
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
    SaveDialog1.FileName = OpenDialog1.FileName;
    const LoadOutcome outcome = LoadFile(cfg, OpenDialog1.FileName);
    if (!outcome.ok) {
        seam.beep();
        addInfo(MsgLoadError);
        // Why, on a line of its own: a file cut short, a number that is none, a folder.
        if (!outcome.error.isEmpty())
            addInfo(QLatin1Char(' ') + outcome.error);
        setInfoColour(InfoColour::Error);
        return false;
    }
    Memo1 = outcome.lines;

    ShowCodeWin();
    ShowBasicsWin();
    ShowAll();

    setInfoColour(InfoColour::Normal);
    addInfo(MsgLoaded);
    // A damaged file is loaded all the same (it may be all the user has), but not as clean.
    if (!outcome.checksumOk) {
        setInfoColour(InfoColour::Warning);
        addInfo(MsgChecksum);
    }
    if (outcome.oldFile) {
        seam.beep();
        setInfoColour(InfoColour::Warning);
        addInfo(MsgOldFile);
        if (forms.Fhinweis) {
            forms.Fhinweis->clearLines();
            forms.Fhinweis->addLine(NoticeOldFile);
            forms.Fhinweis->showNotice();
        }
    }
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
    cfg.projectName = QStringLiteral("-Projektname-");
    ShowBasicsWin();
}

}  // namespace fbe
