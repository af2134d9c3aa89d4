// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Seam.h"

#include "comm/PortCatalogue.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace fbe {

namespace {

// Counts a dialog the Seam waits for.
class Waiting {
public:
    explicit Waiting(int& depth) : depth_(depth) { ++depth_; }
    ~Waiting() { --depth_; }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

private:
    int& depth_;
};

}  // namespace

void Seam::beep()
{
    QApplication::beep();
}

int Seam::showModal(QDialog& dialog)
{
    const Waiting waiting(modalDepth_);
    return dialog.exec();
}

void Seam::showModeless(QWidget& window)
{
    // A notice or warning shown without waiting stays in front but leaves the keyboard with
    // the window the user is typing in.
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.show();
    window.raise();
}

void Seam::messageBox(QWidget* parent, const QString& title, const QString& text)
{
    const Waiting waiting(modalDepth_);
    QMessageBox::warning(parent, title, text);
}

QString Seam::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                           const QString& filter)
{
    const Waiting waiting(modalDepth_);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString Seam::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                           const QString& filter, const QString& defaultSuffix)
{
    const Waiting waiting(modalDepth_);
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!dir.isEmpty())
        dialog.selectFile(dir);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool Seam::printDialog(QWidget* parent, QPrinter& printer)
{
    const Waiting waiting(modalDepth_);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool Seam::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

const PortSource& Seam::portSource()
{
    if (!systemPorts_)
        systemPorts_ = std::make_shared<SystemPortSource>();
    return *systemPorts_;
}

}  // namespace fbe
