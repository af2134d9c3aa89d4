// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration on paper: "&Drucken ..." prints the sheet through the system's print
// dialog, "Als PD&F speichern ..." writes it as a PDF file. The sheet itself (what it shows
// and how it is painted) lives in sheet/; here are only the two commands.
#include "mainwindow/TFFBmain.h"

#include "config/FbeFile.h"
#include "dialogs/Seam.h"
#include "mainwindow/SeriesDatabase.h"
#include "sheet/SheetPainter.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

namespace fbe {

namespace {

// The sheet of the configuration as the window shows it, printed now.
Sheet windowSheet(TFFBmain& w)
{
    SheetSource source;
    source.fileName = w.OpenDialog1.FileName;
    source.printedAt = QDateTime::currentDateTime();
    // The changed check of the file commands: the file text built anew against the snapshot.
    source.unsaved = BuildFile(w.cfg).lines != w.saveMemo;
    source.addressesProgrammed = w.seriesDatabase().holdsProgrammedAddresses();
    return makeSheet(w.cfg, source);
}

void reportFailure(TFFBmain& w, const QString& message, const QString& reason)
{
    w.seam.beep();
    w.addInfo(message);
    w.addInfo(QLatin1Char(' ') + reason);
    w.setInfoColour(TFFBmain::InfoColour::Error);
}

}  // namespace

void TFFBmain::setupSheetMenu()
{
    Mdrucken = MDatei->addAction(QString(), this, command(&TFFBmain::MdruckenClick));
    Mdrucken->setObjectName(QStringLiteral("Mdrucken"));
    Mdrucken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Mpdf = MDatei->addAction(QString(), this, command(&TFFBmain::MpdfClick));
    Mpdf->setObjectName(QStringLiteral("Mpdf"));
}

void TFFBmain::retranslateSheet()
{
    Mdrucken->setText(tr("&Drucken ..."));
    Mpdf->setText(tr("Als PD&F speichern ..."));
}

void TFFBmain::MdruckenClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
    printer.setFullPage(true);
    printer.setDocName(cfg.projectName);
    if (!seam.printDialog(this, printer))
        return;
    if (!paintSheet(printer, windowSheet(*this)) || printer.printerState() == QPrinter::Error) {
        reportFailure(*this, tr(" Fehler bei \"Drucken!\""),
                      tr("der Drucker nimmt den Auftrag nicht an"));
        return;
    }
    setInfoColour(InfoColour::Normal);
    addInfo(tr(" Konfigurationsblatt gedruckt "));
}

void TFFBmain::MpdfClick()
{
    // Beside the configuration file, under its name.
    const QFileInfo file(OpenDialog1.FileName);
    const QString base = file.completeBaseName().isEmpty() ? tr("neue datei") : file.completeBaseName();
    const QString proposed =
        QDir::toNativeSeparators(file.absolutePath() + QLatin1Char('/') + base + QStringLiteral(".pdf"));
    const QString path = seam.saveFileName(this, tr("Als PDF speichern"), proposed,
                                           tr("PDF-Dokument  (*.pdf);;alle Dateien  (*.*)"),
                                           QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QString reason;
    if (!writeSheetPdf(windowSheet(*this), path, &reason, OpenDialog1.FileName)) {
        reportFailure(*this, tr(" Fehler bei \"Als PDF speichern!\""), reason);
        return;
    }
    setInfoColour(InfoColour::Normal);
    addInfo(tr(" PDF gespeichert: %1").arg(QDir::toNativeSeparators(path)));
}

}  // namespace fbe
