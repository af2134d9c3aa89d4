// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where the windows meet the desktop: the system beep, modal showing,
// message boxes, file and print dialogs, the web browser and the list of serial ports. The
// program uses Seam itself; tests install a subclass that counts beeps, answers dialogs
// without blocking and offers serial adapters of its own.
#pragma once

#include <QString>
#include <QUrl>
#include <memory>

class QDialog;
class QPrinter;
class QWidget;

namespace fbe {

class PortSource;

class Seam {
public:
    virtual ~Seam() = default;

    virtual void beep();
    // Shows the dialog modally and returns its result code (QDialog::Accepted/Rejected).
    virtual int showModal(QDialog& dialog);
    // Shows a window without waiting.
    virtual void showModeless(QWidget& window);
    virtual void messageBox(QWidget* parent, const QString& title, const QString& text);
    // File dialogs return the chosen path, or an empty string when cancelled.
    // filter is in Qt's form ("Text (*.x);;Alle (*.*)").
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter);
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter, const QString& defaultSuffix);
    virtual bool openUrl(const QUrl& url);
    // The system's print dialog: true when the user chose to print; printer then holds the
    // printer and settings chosen.
    virtual bool printDialog(QWidget* parent, QPrinter& printer);
    // The serial ports the system reports (QSerialPortInfo and the /dev/serial links).
    virtual const PortSource& portSource();

    // Dialogs that the Seam shows and waits for now (modal shows, message boxes, file
    // dialogs), native ones included, which the toolkit does not count among its modal
    // widgets.
    int modalDepth() const { return modalDepth_; }

private:
    int modalDepth_ = 0;
    std::shared_ptr<PortSource> systemPorts_;
};

}  // namespace fbe
