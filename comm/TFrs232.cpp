// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "comm/TFrs232.h"

#include "comm/SerialPortService.h"
#include "comm/TransferProtocol.h"
#include "config/Configuration.h"
#include "dialogs/Seam.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace fbe {

namespace {

// Light yellow of the window (colour value 8454143).
constexpr QColor Background(255, 255, 128);

// A gauge as the window shows it: a blue bar on yellow with the percentage on it, written
// black on the yellow part and white on the blue part so it stays readable at any value.
class Gauge : public QProgressBar {
public:
    explicit Gauge(QWidget* parent) : QProgressBar(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect frame = rect().adjusted(0, 0, -1, -1);
        const QRect inner = rect().adjusted(1, 1, -1, -1);
        const int span = qMax(1, maximum() - minimum());
        const int filledWidth = int(qint64(inner.width()) * (value() - minimum()) / span);
        const QRect filled(inner.left(), inner.top(), qMax(0, filledWidth), inner.height());
        p.fillRect(inner, Background);
        p.fillRect(filled, Bar);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(frame);
        const QString label = text();
        p.setClipRect(inner.adjusted(filled.width(), 0, 0, 0));
        p.setPen(Qt::black);
        p.drawText(inner, Qt::AlignCenter, label);
        p.setClipRect(filled);
        p.setPen(Qt::white);
        p.drawText(inner, Qt::AlignCenter, label);
    }

private:
    static constexpr QColor Bar{0, 0, 255};
};

QProgressBar* makeGauge(QWidget* parent, const char* name, int height)
{
    auto* gauge = new Gauge(parent);
    gauge->setObjectName(QLatin1String(name));
    gauge->setRange(0, 100);
    gauge->setValue(0);
    gauge->setTextVisible(true);
    gauge->setFormat(QStringLiteral("%p%"));
    gauge->setFixedHeight(height);
    return gauge;
}

}  // namespace

TFrs232::TFrs232(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : QDialog(parent),
      cfg_(cfg),
      seam_(seam),
      forms_(forms),
      rs232_(std::make_unique<SerialPortService>())
{
    setObjectName(QStringLiteral("Frs232"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Background);
    setPalette(pal);

    Laction = new QLabel(this);
    Laction->setObjectName(QStringLiteral("Laction"));
    Laction->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(14);
    Laction->setFont(font);
    Laction->setStyleSheet(QStringLiteral("color: rgb(255,0,0); background: rgb(255,255,128);"));
    Laction->setMinimumSize(360, 36);

    G1 = makeGauge(this, "G1", 22);
    Ggesamt = makeGauge(this, "Ggesamt", 34);

    Lpart = new QLabel(this);
    Lpart->setObjectName(QStringLiteral("Lpart"));
    Ltotal = new QLabel(this);
    Ltotal->setObjectName(QStringLiteral("Ltotal"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(Laction, 0, 0, 1, 2);
    grid->addWidget(Lpart, 1, 0);
    grid->addWidget(G1, 1, 1);
    grid->addWidget(Ltotal, 2, 0);
    grid->addWidget(Ggesamt, 2, 1);
    Abbrechen = new QPushButton(this);
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    Abbrechen->setAutoDefault(false);   // Enter pressed during a run does not end it
    Abbrechen->setMinimumWidth(110);
    connect(Abbrechen, &QPushButton::clicked, this, &TFrs232::AbbrechenClick);
    grid->addWidget(Abbrechen, 3, 0, 1, 2, Qt::AlignHCenter);
    grid->setColumnStretch(1, 1);
    grid->setContentsMargins(14, 10, 14, 14);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);

    port_ = rs232_.get();
    protocol_ = std::make_unique<TransferProtocol>(cfg_, *port_);
    // The protocol names its steps in German; the window shows them in the language in use.
    connect(protocol_.get(), &TransferProtocol::actionChanged, Laction,
            [this](const QString& action) { Laction->setText(TransferProtocol::shown(action)); });
    connect(protocol_.get(), &TransferProtocol::progressChanged, this, &TFrs232::updateGauges);
    connect(protocol_.get(), &TransferProtocol::firmwareAccepted, this, &TFrs232::firmwareChanged);
    connect(protocol_.get(), &TransferProtocol::finished, this, &TFrs232::FormClose);
    retranslateUi();
}

void TFrs232::retranslateUi()
{
    setWindowTitle(tr("Datenübertragung läuft ..."));
    Lpart->setText(tr("part"));
    Ltotal->setText(tr("total"));
    Abbrechen->setText(tr("Abbrechen"));
    Laction->setText(TransferProtocol::shown(protocol_->action()));
}

void TFrs232::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

TFrs232::~TFrs232()
{
    // The program's own close: the port never stays open.
    protocol_->disconnect(this);
    protocol_->abort(TransferProtocol::msgAborted());
}

SerialPortService& TFrs232::RS232()
{
    return *rs232_;
}

void TFrs232::setBytePort(BytePort* port)
{
    if (isTransferRunning())
        return;
    port_ = port ? port : rs232_.get();
    protocol_->setPort(*port_);
}

void TFrs232::setKeepPortOpen(bool keep)
{
    protocol_->setKeepPortOpen(keep);
}

QString TFrs232::firmwareText() const
{
    return protocol_->firmwareText();
}

bool TFrs232::isTransferRunning() const
{
    return startPending_ || protocol_->isRunning();
}

bool TFrs232::request(int portNumber, bool write, const QString& device)
{
    if (isTransferRunning())
        return false;
    cfg_.transfer.resultPending = false;
    protocol_->setRequest(portNumber, write, device);
    startPending_ = true;
    return true;
}

void TFrs232::startTransfer(int portNumber, bool write, const QString& device)
{
    if (request(portNumber, write, device))
        seam_.showModal(*this);
}

void TFrs232::beginTransfer(int portNumber, bool write, const QString& device)
{
    if (request(portNumber, write, device))
        show();
}

void TFrs232::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The exchange starts from the event loop, once per request: a later activation of the
    // window while the transfer runs starts nothing.
    if (startPending_)
        QTimer::singleShot(0, this, &TFrs232::FormActivate);
}

void TFrs232::FormActivate()
{
    if (!startPending_ || !isVisible())
        return;
    startPending_ = false;
    protocol_->start();
}

void TFrs232::AbbrechenClick()
{
    reject();
}

void TFrs232::updateGauges(int part, int total)
{
    G1->setValue(part);
    Ggesamt->setValue(total);
}

void TFrs232::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Hidden by the program by other means than done() (the title bar and Escape end in
    // done()). A hide from the window system (the program minimised) is no close: the
    // transfer goes on.
    if (!event->spontaneous() && !closing_ && isTransferRunning())
        done(QDialog::Rejected);
}

void TFrs232::done(int result)
{
    if (closing_) {
        QDialog::done(result);
        return;
    }
    if (protocol_->isRunning()) {
        // Title bar, Escape or the program's close while the exchange runs: a failure. The
        // protocol's end comes back through FormClose, which closes the window.
        protocol_->abort(TransferProtocol::msgAborted());
        return;
    }
    if (startPending_) {
        // Closed before the exchange began.
        startPending_ = false;
        cfg_.transfer.transferFailed = true;
        cfg_.transfer.transferMessage = TransferProtocol::msgAborted();
        cfg_.transfer.programmed = false;
        cfg_.transfer.resultPending = true;
        FormClose();
        return;
    }
    QDialog::done(result);
}

void TFrs232::FormClose()
{
    closing_ = true;
    if (isVisible())
        QDialog::done(cfg_.transfer.transferFailed ? QDialog::Rejected : QDialog::Accepted);
    closing_ = false;
    // Hand-over to the main window's result processing, before the modal call returns.
    emit transferEnded();
    if (onTransferEnded)
        onTransferEnded();
}

}  // namespace fbe
