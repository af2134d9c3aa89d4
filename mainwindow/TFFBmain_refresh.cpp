// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The display refresh of the main window: every control rewritten from the configuration.
// The state part of each refresh lives in config/Refresh; here it is only shown.
#include "mainwindow/TFFBmain.h"

#include "comm/PortNames.h"
#include "comm/TransferProtocol.h"
#include "config/AddressLimit.h"
#include "config/Formatting.h"
#include "config/ImageCodec.h"
#include "config/Refresh.h"
#include "dialogs/Seam.h"
#include "dialogs/Uwarnung.h"
#include "mainwindow/MainStyle.h"
#include "mainwindow/PortMenu.h"
#include "mainwindow/SeriesDatabase.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>

namespace fbe {

using namespace mainstyle;

namespace {

QString outputsText(const CodeSlot& s)
{
    QString t;
    t += s.out1 ? QStringLiteral("1 ") : QStringLiteral("  ");
    t += s.out2 ? QStringLiteral("2 ") : QStringLiteral("  ");
    t += s.out3 ? QStringLiteral("3 ") : QStringLiteral("  ");
    t += s.out4 ? QStringLiteral("4") : QStringLiteral(" ");
    return t;
}

// A code's function as the code table shows it; %1 is the time as the code editor shows it.
QString functionText(const CodeSlot& s, int n)
{
    switch (s.function) {
    case FnEin:
        return TFFBmain::tr("     Ein");
    case FnAus:
        return TFFBmain::tr("     Aus");
    case FnWechsel:
        return TFFBmain::tr("     Wechsel");
    case FnTastend:
        if (n <= 4)
            return TFFBmain::tr("1:1 (Nachlauf:%1)").arg(getTimevalue(s));
        break;
    case FnImpuls:
        if (n <= 4)
            return TFFBmain::tr("Impuls (%1)").arg(getTimevalue(s));
        break;
    default:
        break;
    }
    return TFFBmain::tr("  - keine -");
}

// A read-only cell of the code table shows its text from the start.
void setCell(QLineEdit* cell, const QString& text)
{
    if (setTextIfChanged(cell, text))
        cell->setCursorPosition(0);
}

// A cell or label whose text can exceed its width (a 13-digit address, a long time) shows
// it in full in a smaller type.
template <typename W>
bool fitTextInto(W* w, const QString& text, const QFont& base)
{
    if (w->text() == text)
        return false;
    const QFont font = fitted(base, text, w->width() - 4);
    if (w->font() != font)
        w->setFont(font);
    return true;
}

// The parts of the state that the window shows.
bool sameShownState(const Configuration& a, const Configuration& b)
{
    return a.codes == b.codes && a.types == b.types && a.activeType == b.activeType
        && a.pruefanzahl == b.pruefanzahl && a.korrektur == b.korrektur
        && a.sperrzeit == b.sperrzeit && a.store == b.store && a.initout1 == b.initout1
        && a.initout2 == b.initout2 && a.initout3 == b.initout3 && a.initout4 == b.initout4
        && a.GeneralCode == b.GeneralCode && a.direktmaske == b.direktmaske
        && a.parallelCodes == b.parallelCodes && a.sendImage == b.sendImage
        && a.projectName == b.projectName && a.comment == b.comment
        && a.progcounter == b.progcounter && a.offset == b.offset
        && a.transfer.resultPending == b.transfer.resultPending;
}

}  // namespace

void TFFBmain::requestRefresh()
{
    if (refreshPosted_)
        return;
    refreshPosted_ = true;
    QMetaObject::invokeMethod(this, &TFFBmain::runPostedRefresh, Qt::QueuedConnection);
}

void TFFBmain::runPostedRefresh()
{
    refreshPosted_ = false;
    FormPaint();
}

bool TFFBmain::displayIsStale() const
{
    if (!shownValid_)
        return true;
    return !sameShownState(cfg, shown_) || shownOptions_.showNotices != showNotices
        || shownOptions_.askLastFile != askLastFile
        || shownOptions_.progView != MProg->isChecked()
        || shownOptions_.comPortName != comPortName
        || shownOptions_.systemPort != systemPort.path()
        || shownOptions_.fileName != OpenDialog1.FileName;
}

void TFFBmain::FormPaint()
{
    if (inFormPaint_) {
        // A window shown from inside the refresh (the firmware warning) may activate this
        // one again; the state is shown once the running refresh ends.
        requestRefresh();
        return;
    }
    inFormPaint_ = true;
    ++formPaintCount_;

    takeTransferResult();
    ShowCodeWin();
    ShowBasicsWin();
    showStatusLine();

    // The active type's parameter set is imposed last; when that changed the current record
    // (a decoded image of a known type), the code area shows the record now in force.
    const TypeRecord before = cfg.current();
    ApplySendertyp();
    if (cfg.current() != before)
        ShowCodeWin();

    shown_ = cfg;
    shownOptions_ = {showNotices, askLastFile, MProg->isChecked(), comPortName,
                     OpenDialog1.FileName, systemPort.path()};
    shownValid_ = true;
    inFormPaint_ = false;
}

void TFFBmain::takeTransferResult()
{
    const TransferOutcome out = TakeTransferResult(cfg);
    if (!out.taken)
        return;
    ++transfersTaken_;
    setInfoColour(out.failed ? InfoColour::Error : InfoColour::Normal);
    clearInfo();
    // The message is kept German (the production log holds it); shown in the language in use.
    addInfo(TransferProtocol::shown(out.message));
    // A failed run is heard, as every failure is: an operator at the bench is often not
    // looking at the screen. One that the user ended knows it.
    if (out.failed
        && out.message.section(QLatin1Char('\n'), 0, 0) != TransferProtocol::msgAborted())
        seam.beep();
    if (out.firmwareWarning != FirmwareWarning::None && forms.Fwarnung) {
        TFwarnung& w = *forms.Fwarnung;
        w.clearLines();
        for (const QString& line : firmwareWarningLines(out.firmwareWarning))
            w.addLine(line);
        w.showWarning();
    }
    if (out.counted)
        progcounter->setText(PadLeft(4, QLatin1Char('0'), cfg.progcounter));
}

void TFFBmain::ShowCodeWin()
{
    const CodeSlots before = cfg.codes;
    NormaliseCodeArea(cfg);
    if (cfg.codes != before)
        showAddressChanges(before, false);
    const Image& s = cfg.sendImage;
    const TypeRecord& rec = cfg.current();

    setTextIfChanged(bitanzahl, PadLeft(2, QLatin1Char(' '), rec.bits));
    setTextIfChanged(direktmaske, FormatNumber(2, 40, cfg.direktmaske));
    setTextIfChanged(GeneralCode, FormatNumber(2, 40, cfg.GeneralCode));
    setTextIfChanged(GeneralDez, FormatNumber(0, 12, cfg.GeneralCode));
    setTextIfChanged(dirshift, PadLeft(2, QLatin1Char(' '), cfg.dirshift()));
    setTextIfChanged(CheckBits, QString::number(s[img::CheckBits]));

    const int x = codeposX(cfg.dirshift());
    if (Icodepos->x() != x)
        Icodepos->move(x, Icodepos->y());

    setTextIfChanged(Lmaxadresse, tr("max. Adresse: %1").arg(cfg.maxAddress));

    const quint8 o1 = s[img::Interlock], o2 = s[img::Interlock + 1], o3 = s[img::Interlock + 2];
    setCheckedIfChanged(CBvr12, o1 & 0x02);
    setCheckedIfChanged(CBvr13, o1 & 0x10);
    setCheckedIfChanged(CBvr14, o1 & 0x08);
    setCheckedIfChanged(CBvr23, o2 & 0x10);
    setCheckedIfChanged(CBvr24, o2 & 0x08);
    setCheckedIfChanged(CBvr34, o3 & 0x08);
    setCheckedIfChanged(CBvr21, CBvr12->isChecked());
    setCheckedIfChanged(CBvr31, CBvr13->isChecked());
    setCheckedIfChanged(CBvr41, CBvr14->isChecked());
    setCheckedIfChanged(CBvr32, CBvr23->isChecked());
    setCheckedIfChanged(CBvr42, CBvr24->isChecked());
    setCheckedIfChanged(CBvr43, CBvr34->isChecked());

    setTextIfChanged(umschaltzeit, PadLeft(4, QLatin1Char(' '), s[img::Umschaltzeit] * 10));
    setTextIfChanged(TimeOut, PadLeft(6, QLatin1Char('0'), qint64(cfg.timeOut()) * 10));

    const bool programmable =
        rec.typ == cfg.types[typ::Uni16].typ || rec.typ == cfg.types[typ::Uni17].typ;
    setEnabledIfChanged(CBcheckbits, programmable);
    const bool checksum = cfg.option(opt::Checksum);
    setCheckedIfChanged(CBcheckbits, checksum);
    setEnabledIfChanged(Lcheckbits, checksum);
    setEnabledIfChanged(CheckBits, checksum);

    const bool notAus = cfg.option(opt::NotAus);
    setCheckedIfChanged(CBNotAus, notAus);
    setEnabledIfChanged(TimeOut, notAus);
    setEnabledIfChanged(Ltimeout, notAus);

    const bool direkt = cfg.option(opt::Direkt);
    setCheckedIfChanged(direkt ? RBdirektausgabe : RBcodeinhalt, true);
    setVisibleIfChanged(Pdirektausgabe, direkt);

    ShowAll();
}

void TFFBmain::ShowAll()
{
    auto setAddressCell = [this](int n, const QString& text) {
        if (fitTextInto(Cadd[n], text, courier(13, true)))
            setCell(Cadd[n], text);
    };
    if (cfg.parallelCodes) {
        setCheckedIfChanged(RBdirekt, true);
        setVisibleIfChanged(Pdirekt, true);
        setVisibleIfChanged(Ppar, true);
        for (int k = 0; k < 4; ++k)
            //: the address cell of a parallel code: the position of its bit
            setAddressCell(k + 1, tr(" Bitpos:%1").arg(PadLeft(2, QLatin1Char(' '),
                                                                cfg.dirshift() + k)));
    } else {
        setCheckedIfChanged(RBstandard, true);
        setVisibleIfChanged(Pdirekt, false);
        setVisibleIfChanged(Ppar, false);
        for (int n = 1; n <= 8; ++n)
            setAddressCell(n, FormatNumber(0, 12, cfg.codes[n].address));
    }
    for (int n = 1; n <= 8; ++n) {
        // Rows covered by the parallel-code panels take no focus, so Tab cannot open them.
        PanC[n]->setFocusPolicy(cfg.parallelCodes && (n > 4 || cfg.option(opt::Direkt))
                                    ? Qt::NoFocus : Qt::StrongFocus);
        // With a production database the next addresses are taken before each run.
        const QString next = seriesDatabase().inUse() ? QString() : Cadd[n]->text();
        if (fitTextInto(Aadress[n], next, courier(13, true)))
            Aadress[n]->setText(next);
        setCell(Cout[n], outputsText(cfg.codes[n]));
        const QString fun = functionText(cfg.codes[n], n);
        if (fitTextInto(Cfun[n], fun, arial(12, true)))
            setCell(Cfun[n], fun);
    }
    cfg.maxAddress = maxAddressForBits(cfg.current().bits);
    setTextIfChanged(Lmaxadresse, tr("max. Adresse: %1").arg(cfg.maxAddress));
}

void TFFBmain::ShowBasicsWin()
{
    NormaliseBasics(cfg);

    const bool prog = MProg->isChecked();
    setVisibleIfChanged(Pprogram, prog);
    showDatabaseLines();
    setVisibleIfChanged(comment, !prog);
    setTextIfChanged(Pcomment, prog ? tr("Erweiterte Programmiereinstellungen")
                                    : tr("Benutzer-Kommentare"));

    setTextIfChanged(pruefanzahl, PadLeft(2, QLatin1Char(' '), cfg.pruefanzahl));
    setTextIfChanged(korrektur, PadLeft(3, QLatin1Char(' '), cfg.korrektur));
    setTextIfChanged(sperrzeit, PadLeft(4, QLatin1Char(' '), qint64(cfg.sperrzeit) * 10));

    setCheckedIfChanged(CBinitout1, cfg.initout1);
    setCheckedIfChanged(CBinitout2, cfg.initout2);
    setCheckedIfChanged(CBinitout3, cfg.initout3);
    setCheckedIfChanged(CBinitout4, cfg.initout4);
    // A change of the store box runs its click handler, which shows the store notice when
    // the function has just been switched on.
    if (setCheckedIfChanged(CBstore, cfg.store))
        CBstoreClick();

    QAction* port = MCom1;
    if (comPortName == QLatin1String("COM2"))
        port = MCom2;
    else if (comPortName == QLatin1String("COM3"))
        port = MCom3;
    else if (comPortName == QLatin1String("COM4"))
        port = MCom4;
    if (!systemPort.isEmpty() && portMenu)
        port = portMenu->itemFor(systemPort);
    setCheckedIfChanged(port, true);

    setCheckedIfChanged(Minfos, showNotices);
    setCheckedIfChanged(MDL, askLastFile);

    showStatusLine();

    const QString caption = tr("Funkempfänger Konfiguration  [Ver.: %1]     - %2 -")
                                .arg(programVersion(), cfg.projectName);
    if (windowTitle() != caption)
        setWindowTitle(caption);
    setTextIfChanged(projectname, cfg.projectName);

    // The comment and the series programming fields show the state as well.
    const QString commentText = cfg.comment.join(QLatin1Char('\n'));
    if (comment->toPlainText() != commentText) {
        settingComment_ = true;
        comment->setPlainText(commentText);
        settingComment_ = false;
    }
    setTextIfChanged(progcounter, PadLeft(4, QLatin1Char('0'), cfg.progcounter));
    for (int n = 1; n <= 8; ++n)
        setTextIfChanged(offset[n], PadLeft(4, QLatin1Char(' '), cfg.offset[n]));
}

void TFFBmain::showStatusLine()
{
    const bool system = !systemPort.isEmpty();
    setTextIfChanged(ShowCom, system ? systemPort.name : comPortName);
    const QString hint = system ? systemPortHint(systemPort) : comPortHint(comPortName);
    if (ShowCom->toolTip() != hint)
        ShowCom->setToolTip(hint);
    setTextIfChanged(ShowFile, tr("Datei:  %1").arg(shownFileName(OpenDialog1.FileName)));
}

void TFFBmain::ApplySendertyp()
{
    const int t = cfg.activeType;
    fbe::ApplySendertyp(cfg);
    QToolButton* glyph = nullptr;
    switch (t) {
    case typ::Aurel4:
        glyph = FB4aurel;
        break;
    case typ::Aurel2:
        glyph = FB2aurel;
        break;
    case typ::Aurel1:
        glyph = FB1aurel;
        break;
    case typ::Svs3:
        glyph = FB3svs;
        break;
    case typ::Uni16:
        glyph = FB16uni;
        break;
    case typ::Uni17:
        glyph = FB17uni;
        break;
    default:
        break;
    }
    if (glyph && FBselect->icon().cacheKey() != glyph->icon().cacheKey())
        FBselect->setIcon(glyph->icon());

    // The code length is shown and editable for the programmable transmitters only.
    const bool programmable = t == typ::Uni16 || t == typ::Uni17;
    if (programmable) {
        const int bits = cfg.current().bits;
        setTextIfChanged(Bits, tr("%1 Bit").arg(bits));
        setTextIfChanged(bitanzahl, PadLeft(2, QLatin1Char(' '), bits));
    }
    setVisibleIfChanged(Bits, programmable);
    setEnabledIfChanged(Pcodierlaenge, programmable);
    setVisibleIfChanged(warnung1, t == typ::Hand);
}

}  // namespace fbe
