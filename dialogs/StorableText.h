// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the texts that the configuration file carries, the project name and the comment:
// a character that the file cannot hold (config/Cp1252) is refused as it is typed, pasted or
// dropped -- a beep, and the character is not taken, while the other characters of a pasted
// text are. So such a character never gets as far as the save, which would refuse it.
#pragma once

#include <QPlainTextEdit>
#include <QValidator>

class QLineEdit;

namespace fbe {

class Seam;

// For a one-line edit: the text is kept free of characters the file cannot hold.
class StorableTextValidator : public QValidator {
    Q_OBJECT
public:
    StorableTextValidator(Seam& seam, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    Seam& seam_;
};

// A memo whose lines become lines of the file: line breaks are taken, characters the file
// cannot hold are refused.
class StorableTextMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    StorableTextMemo(Seam& seam, QWidget* parent);

    // The part of text the memo takes (line breaks of any kind included); *removed tells
    // whether a character was refused.
    static QString takenPart(const QString& text, bool* removed);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    Seam& seam_;
};

}  // namespace fbe
