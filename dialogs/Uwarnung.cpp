// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Uwarnung.h"

#include "dialogs/DialogStyle.h"
#include "dialogs/Seam.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace fbe {

TFwarnung::TFwarnung(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : FormDialog(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("Fwarnung"));
    setFixedSize(460, 210);
    style::setColours(this, Qt::white, style::Red);

    warnung = new QTextEdit(this);
    warnung->setObjectName(QStringLiteral("warnung"));
    warnung->setReadOnly(true);
    warnung->setFont(style::arialBold(10));
    warnung->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    warnung->setLineWrapMode(QTextEdit::WidgetWidth);
    warnung->setFocusPolicy(Qt::NoFocus);
    warnung->document()->setDocumentMargin(8);
    warnung->viewport()->setCursor(Qt::ArrowCursor);
    style::setColours(warnung, style::Navy, style::Yellow);

    OK = new QPushButton(this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setFont(style::arialBold(10));
    OK->setMinimumSize(110, 30);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, [this] { OKClick(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OK);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(12);
    layout->addWidget(warnung, 1);
    layout->addLayout(buttons);
    retranslateUi();
}

void TFwarnung::retranslateUi()
{
    setWindowTitle(tr("Warnung"));
    OK->setText(tr("OK"));
}

void TFwarnung::clearLines()
{
    warnung->clear();
}

void TFwarnung::addLine(const QString& line)
{
    if (warnung->document()->isEmpty())
        warnung->setPlainText(line);
    else
        warnung->append(line);
}

QStringList TFwarnung::lines() const
{
    if (warnung->document()->isEmpty())
        return {};
    return warnung->toPlainText().split(QLatin1Char('\n'));
}

void TFwarnung::showModalWarning()
{
    // A warning still open without waiting becomes the modal one.
    if (isVisible())
        hide();
    setModal(true);
    seam.showModal(*this);
}

void TFwarnung::showWarning()
{
    if (!isVisible())
        setModal(false);
    seam.showModeless(*this);
}

void TFwarnung::OKClick()
{
    accept();
}

}  // namespace fbe
