// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the configuration sheet: one A4 page in portrait, laid out in millimetres. The PDF
// writer, the printer and the preview picture all paint through paintSheet, so paper, file
// and picture show the same page.
//
// Texts are drawn as text in DejaVu Sans and DejaVu Sans Mono (taken from the system's
// fonts-dejavu-core), lines and marks as vectors, the transmitter as its vector picture; the
// page relies on black, white and greys only, so it prints alike in black and white.
#pragma once

#include "sheet/SheetData.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class QPaintDevice;

namespace fbe {

// The page's size in millimetres.
constexpr double SheetWidthMm = 210.0;
constexpr double SheetHeightMm = 297.0;

// Paints the sheet on device, which shows a whole page from its top left corner (a printer
// in full-page mode, a PDF writer without margins, a picture). A page smaller than A4 gets the
// sheet shrunk to fit. False when the device cannot be painted on.
bool paintSheet(QPaintDevice& device, const Sheet& sheet);

// The sheet as a picture of the whole page at dpi dots per inch (white background).
QImage sheetPicture(const Sheet& sheet, int dpi);

// The sheet as a one-page PDF document.
QByteArray sheetPdf(const Sheet& sheet);

// Writes the sheet as a PDF file to path atomically, as configuration files are written: a
// failure leaves any earlier file as it was and gives the reason (the second line of the
// failure message) in *reason. A path that names the file configuration (the configuration
// file the sheet shows, by whatever name or link) is refused: a slip of the hand must not
// put a PDF in place of the configuration.
bool writeSheetPdf(const Sheet& sheet, const QString& path, QString* reason,
                   const QString& configuration = QString());

// The font families the sheet uses, registered from the DejaVu files on first use.
QString sheetFontFamily(bool mono);

}  // namespace fbe
