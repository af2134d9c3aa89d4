// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// A Seam for window tests: nothing blocks, nothing reaches the desktop, everything is
// recorded.
//
//   FakeSeam seam;
//   seam.answerNext([](QDialog& d) { clickButton(d, "JA"); });   // answer the next modal
//   window.doSomethingThatAsks();
//   EXPECT_EQ(seam.beeps, 0);
//   EXPECT_EQ(seam.modalShows.size(), 1u);
//
// Modal dialogs. showModal() shows the dialog (so its show/activation handling runs), then
// hands it to the next queued answer, else to defaultAnswer. An answer acts on the dialog
// as a user would: clicks buttons, types, presses keys, or closes it. If the dialog is still
// open after the answer, FakeSeam closes it through close(), as the title bar's close box
// would. showModal() returns the dialog's result code. Answers may themselves open further
// modal dialogs; those take the next queued answers. clickOn() and press() make the common
// answers: seam.answerNext(FakeSeam::clickOn("Abbrechen")), FakeSeam::press(Qt::Key_Escape).
//
// File dialogs return the queued paths (openFileNames / saveFileNames), an empty string
// (cancel) when none is queued. The print dialog is counted; with printToFile set it is
// answered "print" with the printer writing a PDF to that file, otherwise cancelled. Message boxes, modeless shows and URLs are recorded. The
// serial ports are those of serialPorts (none unless a test offers some).
#pragma once

#include "comm/FakePortSource.h"
#include "dialogs/Seam.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPrinter>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

namespace fbe::test {

class FakeSeam : public Seam {
public:
    using Answer = std::function<void(QDialog&)>;

    struct Shown {
        QPointer<QWidget> window;
        QString objectName;
        QString title;
        int result = 0;   // modal shows: the result code returned
    };
    struct Message {
        QString title;
        QString text;
    };

    int beeps = 0;
    std::vector<Shown> modalShows;
    std::vector<Shown> modelessShows;
    std::vector<Message> messages;
    std::vector<QUrl> openedUrls;
    bool openUrlResult = true;

    std::deque<Answer> answers;
    Answer defaultAnswer;   // used when no answer is queued; empty: close by the title bar

    commtest::FakePortSource serialPorts;

    std::deque<QString> openFileNames;
    std::deque<QString> saveFileNames;
    QStringList fileDialogCaptions;
    QStringList fileDialogDirs;   // the folder or file each file dialog started with

    int printDialogs = 0;
    QString printToFile;

    void answerNext(Answer answer) { answers.push_back(std::move(answer)); }

    // A click on the dialog's button of that object name; a key pressed on the dialog (Escape
    // ends it through reject(), without a close event).
    static Answer clickOn(const QString& button)
    {
        return [button](QDialog& d) { d.findChild<QAbstractButton*>(button)->click(); };
    }
    static Answer press(int key)
    {
        return [key](QDialog& d) {
            QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(&d, &down);
        };
    }

    void beep() override { ++beeps; }

    int showModal(QDialog& dialog) override
    {
        modalShows.push_back({&dialog, dialog.objectName(), dialog.windowTitle(), 0});
        const size_t index = modalShows.size() - 1;
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        Answer answer;
        if (!answers.empty()) {
            answer = std::move(answers.front());
            answers.pop_front();
        } else {
            answer = defaultAnswer;
        }
        if (answer)
            answer(dialog);
        if (dialog.isVisible())
            dialog.close();
        modalShows[index].result = dialog.result();
        return dialog.result();
    }

    void showModeless(QWidget& window) override
    {
        modelessShows.push_back({&window, window.objectName(), window.windowTitle(), 0});
        window.show();
    }

    void messageBox(QWidget*, const QString& title, const QString& text) override
    {
        messages.push_back({title, text});
    }

    QString openFileName(QWidget*, const QString& caption, const QString& dir,
                         const QString&) override
    {
        fileDialogCaptions << caption;
        fileDialogDirs << dir;
        return take(openFileNames);
    }

    QString saveFileName(QWidget*, const QString& caption, const QString& dir, const QString&,
                         const QString&) override
    {
        fileDialogCaptions << caption;
        fileDialogDirs << dir;
        return take(saveFileNames);
    }

    bool printDialog(QWidget*, QPrinter& printer) override
    {
        ++printDialogs;
        if (printToFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToFile);
        return true;
    }

    bool openUrl(const QUrl& url) override
    {
        openedUrls.push_back(url);
        return openUrlResult;
    }

    const PortSource& portSource() override { return serialPorts; }

private:
    static QString take(std::deque<QString>& queue)
    {
        if (queue.empty())
            return {};
        QString s = queue.front();
        queue.pop_front();
        return s;
    }
};

}  // namespace fbe::test
