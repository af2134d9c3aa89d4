// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Uhinweis.h"

#include "dialogs/DialogStyle.h"
#include "dialogs/Seam.h"

#include <QLabel>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace fbe {

TFhinweis::TFhinweis(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : FormDialog(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("Fhinweis"));
    setModal(false);
    setFixedSize(440, 200);

    Hinweis = new QTextEdit(this);
    Hinweis->setObjectName(QStringLiteral("Hinweis"));
    Hinweis->setReadOnly(true);
    Hinweis->setFont(style::arialBold(10));
    Hinweis->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Hinweis->setLineWrapMode(QTextEdit::WidgetWidth);
    Hinweis->setFocusPolicy(Qt::NoFocus);
    Hinweis->document()->setDocumentMargin(8);
    Hinweis->viewport()->setCursor(Qt::ArrowCursor);
    style::setColours(Hinweis, style::Navy, style::Yellow);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    for (QLabel* l : {Label1, Label2}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignHCenter);
        QFont f = l->font();
        f.setPointSize(8);
        l->setFont(f);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->setSpacing(6);
    layout->addWidget(Hinweis, 1);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    retranslateUi();
}

void TFhinweis::retranslateUi()
{
    setWindowTitle(tr("Hinweis"));
    Label1->setText(tr("die Hinweis-Funktion kann im Hauptmenuepunkt unter "
                       "'Einstellungen' ausgeschalten werden"));
    Label2->setText(tr("(das Hinweis-Fenster schließt automatisch nach 5 Sekunden)"));
}

void TFhinweis::clearLines()
{
    Hinweis->clear();
}

void TFhinweis::addLine(const QString& line)
{
    if (Hinweis->document()->isEmpty())
        Hinweis->setPlainText(line);
    else
        Hinweis->append(line);
}

QStringList TFhinweis::lines() const
{
    if (Hinweis->document()->isEmpty())
        return {};
    return Hinweis->toPlainText().split(QLatin1Char('\n'));
}

void TFhinweis::showNotice()
{
    seam.showModeless(*this);
}

// The 5 seconds count from the moment the notice appeared; showing it again while it is
// still open does not prolong it.
void TFhinweis::FormActivate()
{
    if (!Timer1->isActive())
        Timer1->start();
}

void TFhinweis::FormClose()
{
    Timer1->stop();
}

void TFhinweis::Timer1Timer()
{
    Timer1->stop();
    close();
}

}  // namespace fbe
