// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer window "Datenübertragung läuft ...": shows the step and the progress of one
// exchange with the module while the protocol (TransferProtocol) runs over the serial port.
//
// Use from the main window:
//   forms.Frs232->startTransfer(portNumber, /*write=*/true);   // modal, returns after the end
// The hand-over to the main window's result processing runs inside the close path, before
// startTransfer returns: connect transferEnded() (or set onTransferEnded) once at start-up.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace fbe {

struct Configuration;
class Seam;
struct Forms;
class BytePort;
class SerialPortService;
class TransferProtocol;

class TFrs232 : public QDialog {
    Q_OBJECT

public:
    TFrs232(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);
    ~TFrs232() override;

    // Runs one transfer: portNumber 1..4 (see portNumberFromName), write = program the module
    // (identify, write, verify), otherwise read it; device: the system port in use (its path),
    // empty for COM1..COM4. Clears resultPending, shows the window modally through the Seam
    // and returns when it has closed.
    void startTransfer(int portNumber, bool write, const QString& device = QString());
    // The same without waiting (the window is shown modeless); for tests and scripted use.
    void beginTransfer(int portNumber, bool write, const QString& device = QString());
    bool isTransferRunning() const;

    // The one serial port object of the program; the COM port probe uses it too.
    SerialPortService& RS232();
    // Replaces the port the transfers use (tests); nullptr goes back to RS232().
    void setBytePort(BytePort* port);
    // The port the transfers use now (RS232(), or the one a test set).
    BytePort& bytePort() const { return *port_; }
    // Hands-free series programming: the port stays open after a transfer that did not fail,
    // and an open port is used as it is at the start.
    void setKeepPortOpen(bool keep);

    // Text of the last firmware version that an identification accepted, e.g. "2.05";
    // empty before the first. Also announced by firmwareChanged().
    QString firmwareText() const;

    // Called (like the signal transferEnded) once at the end of every transfer.
    std::function<void()> onTransferEnded;

    // Controls.
    QLabel* Laction = nullptr;
    QProgressBar* G1 = nullptr;
    QProgressBar* Ggesamt = nullptr;
    QPushButton* Abbrechen = nullptr;   // ends the run as the title bar and Escape do
    QLabel* Lpart = nullptr;
    QLabel* Ltotal = nullptr;

    // "Abbrechen": the one close path (done), which aborts a running transfer.
    void AbbrechenClick();

signals:
    // The transfer has ended; cfg.transfer holds the result (resultPending true).
    void transferEnded();
    // An identification accepted this firmware version (text for the label "firmware").
    void firmwareChanged(const QString& text);

public slots:
    // Every way of closing the window ends here: a running transfer is aborted first.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Sets every text in the language in use (at creation and on a change of language).
    void retranslateUi();
    // Takes the request over unless a transfer runs; the window then starts it when shown.
    bool request(int portNumber, bool write, const QString& device);
    void FormActivate();
    void FormClose();
    void updateGauges(int part, int total);

    Configuration& cfg_;
    Seam& seam_;
    Forms& forms_;
    std::unique_ptr<SerialPortService> rs232_;
    BytePort* port_ = nullptr;
    std::unique_ptr<TransferProtocol> protocol_;
    int portNumber_ = 1;
    bool write_ = true;
    bool startPending_ = false;
    bool closing_ = false;
};

}  // namespace fbe
