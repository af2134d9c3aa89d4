// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Uprojekt.h"

#include "config/Configuration.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/Seam.h"
#include "dialogs/StorableText.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace fbe {

TFProjekt::TFProjekt(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : FormDialog(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("FProjekt"));
    setModal(true);
    // Wide enough to show whole every name the main window shows without shortening it.
    setFixedSize(520, 64);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(style::arialBold(10));
    style::setColours(Label1, style::Blue, palette().color(QPalette::Window));
    Label1->setAutoFillBackground(false);

    EditProjekt = new QLineEdit(this);
    EditProjekt->setObjectName(QStringLiteral("EditProjekt"));
    EditProjekt->setFont(style::arialBold(10));
    EditProjekt->installEventFilter(this);
    // Characters the file cannot hold are refused as they are typed or pasted.
    EditProjekt->setValidator(new StorableTextValidator(seam, EditProjekt));
    Label1->setBuddy(EditProjekt);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(Label1);
    layout->addWidget(EditProjekt, 1);
    retranslateUi();
}

void TFProjekt::retranslateUi()
{
    setWindowTitle(tr("Projektname"));
    Label1->setText(tr("Projektname:"));
    EditProjekt->setToolTip(tr("Eingabe mit Enter übernehmen, mit Esc verwerfen"));
}

void TFProjekt::execute()
{
    seam.showModal(*this);
}

void TFProjekt::FormActivate()
{
    visit_.open(historyOf(forms), StepName(Step::Projektname));
    EditProjekt->setText(cfg.projectName);
    EditProjekt->selectAll();
    EditProjekt->setFocus(Qt::OtherFocusReason);
}

void TFProjekt::FormClose()
{
    visit_.close();
}

// Enter takes the name over, Escape leaves it as it was. The name is written as one line
// of the configuration file, so line breaks (which can arrive by pasting) become blanks.
void TFProjekt::EditProjektKeyPress(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        QString name = EditProjekt->text();
        name.replace(QLatin1String("\r\n"), QLatin1String(" "));
        name.replace(QLatin1Char('\r'), QLatin1Char(' '));
        name.replace(QLatin1Char('\n'), QLatin1Char(' '));
        cfg.projectName = name;
        accept();
    } else if (key == Qt::Key_Escape) {
        reject();
    }
}

bool TFProjekt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EditProjekt && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            EditProjektKeyPress(key);
            return true;
        }
    }
    return FormDialog::eventFilter(watched, event);
}

}  // namespace fbe
