// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Uask.h"

#include "dialogs/DialogStyle.h"
#include "dialogs/ScreenFit.h"
#include "dialogs/Seam.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextEdit>
#include <QVBoxLayout>

namespace fbe {

TFask::TFask(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : FormDialog(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("Fask"));
    setWindowTitle(QStringLiteral(" "));
    setModal(true);
    setFixedSize(Width, Height);
    style::setColours(this, style::Navy, style::Yellow);

    M = new QTextEdit(this);
    M->setObjectName(QStringLiteral("M"));
    M->setReadOnly(true);
    M->setFrameShape(QFrame::NoFrame);
    M->setFont(style::arialBold(10));
    M->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    M->setLineWrapMode(QTextEdit::WidgetWidth);
    M->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    M->setFocusPolicy(Qt::ClickFocus);
    M->viewport()->setCursor(Qt::ArrowCursor);
    style::setColours(M, style::Navy, style::Yellow);
    M->document()->setDocumentMargin(6);
    M->installEventFilter(this);

    JA = new QPushButton(this);
    JA->setObjectName(QStringLiteral("JA"));
    NEIN = new QPushButton(this);
    NEIN->setObjectName(QStringLiteral("NEIN"));
    Abbrechen = new QPushButton(this);
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    for (QPushButton* b : {JA, NEIN, Abbrechen}) {
        b->setFont(style::arialBold(10));
        b->setMinimumSize(ButtonWidth, 30);
        b->setMaximumWidth(ButtonWidth);
    }
    connect(JA, &QPushButton::clicked, this, [this] { JAClick(); });
    connect(NEIN, &QPushButton::clicked, this, [this] { NEINClick(); });
    connect(Abbrechen, &QPushButton::clicked, this, [this] { AbbrechenClick(); });

    // The buttons stand in the middle. The dialog with "Abbrechen" is wider by that button
    // and one gap, so "JA" and "NEIN !" keep their places from its left edge.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addStretch(1);
    buttons->addWidget(JA);
    buttons->addSpacing(ButtonGap);
    buttons->addWidget(NEIN);
    cancelGap_ = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    buttons->addSpacerItem(cancelGap_);
    buttons->addWidget(Abbrechen);
    buttons->addStretch(1);
    Abbrechen->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(M, 1);
    layout->addLayout(buttons);
    setTabOrder(JA, NEIN);
    setTabOrder(NEIN, Abbrechen);
    retranslateUi();
}

void TFask::retranslateUi()
{
    //: the answer "yes" of a question
    JA->setText(tr("JA"));
    //: the answer "no" of a question, the safe one
    NEIN->setText(tr("NEIN !"));
    Abbrechen->setText(tr("Abbrechen"));
}

void TFask::clearLines()
{
    M->clear();
}

void TFask::addLine(const QString& line)
{
    if (M->document()->isEmpty())
        M->setPlainText(line);
    else
        M->append(line);
    QTextCursor cursor(M->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
    centreVertically();
}

// Short questions stand in the middle of the yellow field rather than at its top.
void TFask::centreVertically()
{
    QTextDocument* doc = M->document();
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setTopMargin(0);
    doc->rootFrame()->setFrameFormat(frame);
    doc->setTextWidth(M->viewport()->width());
    const qreal free = M->viewport()->height() - doc->size().height();
    frame.setTopMargin(free > 0 ? free / 2 : 0);
    doc->rootFrame()->setFrameFormat(frame);
}

QStringList TFask::lines() const
{
    if (M->document()->isEmpty())
        return {};
    return M->toPlainText().split(QLatin1Char('\n'));
}

bool TFask::ask()
{
    offerCancel(false);
    askResult = false;
    seam.showModal(*this);
    return askResult;
}

TFask::Answer TFask::askOrCancel(const QStringList& text)
{
    clearLines();
    offerCancel(true);
    for (const QString& line : text)
        addLine(line);
    askResult = false;
    seam.showModal(*this);
    return answer;
}

void TFask::offerCancel(bool offered)
{
    if (Abbrechen->isVisibleTo(this) == offered)
        return;
    Abbrechen->setVisible(offered);
    cancelGap_->changeSize(offered ? ButtonGap : 0, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    const QSize size(offered ? WidthWithCancel : Width, Height);
    if (ScreenFit* fit = ScreenFit::of(this))
        fit->redesign(size);
    else
        setFixedSize(size);
    if (QLayout* buttonsAndText = layout())
        buttonsAndText->invalidate();
}

bool TFask::ask(const QStringList& text)
{
    offerCancel(false);
    clearLines();
    for (const QString& line : text)
        addLine(line);
    return ask();
}

void TFask::FormActivate()
{
    askResult = false;
    // Escape and the title bar end the question as its safe answer.
    answer = Abbrechen->isVisibleTo(this) ? Answer::Cancel : Answer::No;
    centreVertically();
    JA->setFocus(Qt::OtherFocusReason);
}

void TFask::JAClick()
{
    askResult = true;
    answer = Answer::Yes;
    accept();
}

void TFask::NEINClick()
{
    askResult = false;
    answer = Answer::No;
    reject();
}

void TFask::AbbrechenClick()
{
    askResult = false;
    answer = Answer::Cancel;
    reject();
}

// The text is not for editing: a click into it hands the focus to the safe answer.
void TFask::MEnter()
{
    NEIN->setFocus(Qt::OtherFocusReason);
}

bool TFask::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == M && event->type() == QEvent::FocusIn)
        MEnter();
    return FormDialog::eventFilter(watched, event);
}

}  // namespace fbe
