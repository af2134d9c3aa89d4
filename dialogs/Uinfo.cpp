// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Uinfo.h"

#include "config/Configuration.h"
#include "config/Formatting.h"
#include "config/Maker.h"
#include "dialogs/Artwork.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/Seam.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace fbe {

namespace {
const char ReleaseDate[] = QT_TRANSLATE_NOOP("fbe::TFinfo", "Juni / 2009");
}

TFinfo::TFinfo(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : FormDialog(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("Finfo"));
    setModal(true);
    setFixedSize(430, 228);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(art::icon(QString::fromLatin1(art::Icon)).pixmap(QSize(64, 64)));
    picture->setFixedSize(64, 64);

    auto* title = new QLabel(this);
    title->setObjectName(QStringLiteral("Label2"));
    title->setFont(style::arialBold(13));
    style::setColours(title, style::Navy, Qt::transparent);
    title->setAutoFillBackground(false);

    Versionslabel = new QLabel(this);
    Versionslabel->setObjectName(QStringLiteral("Versionslabel"));
    Versionslabel->setFont(style::arialBold(10));

    Lizenzlabel = new QLabel(this);
    Lizenzlabel->setObjectName(QStringLiteral("Lizenzlabel"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignHCenter);

    auto* company = new QLabel(QString::fromUtf8(maker::Company), this);
    company->setObjectName(QStringLiteral("Label3"));
    company->setFont(style::arialBold(10));
    company->setAlignment(Qt::AlignHCenter);

    weblabel = new QLabel(this);
    weblabel->setObjectName(QStringLiteral("weblabel"));
    weblabel->setAlignment(Qt::AlignHCenter);
    QFont link = weblabel->font();
    link.setUnderline(true);
    weblabel->setFont(link);
    style::setColours(weblabel, style::Blue, Qt::transparent);
    weblabel->setAutoFillBackground(false);
    weblabel->setCursor(Qt::PointingHandCursor);
    weblabel->setText(QString::fromUtf8(maker::WebUrl));
    weblabel->installEventFilter(this);

    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setMinimumSize(110, 30);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { accept(); });

    auto* head = new QHBoxLayout;
    head->setSpacing(14);
    head->addWidget(picture);
    auto* headText = new QVBoxLayout;
    headText->addStretch(1);
    headText->addWidget(title);
    headText->addWidget(Versionslabel);
    headText->addWidget(Lizenzlabel);
    headText->addStretch(1);
    head->addLayout(headText, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(4);
    layout->addLayout(head);
    layout->addSpacing(14);
    layout->addWidget(Label1);
    layout->addWidget(company);
    layout->addWidget(weblabel);
    layout->addStretch(1);
    layout->addLayout(buttons);
    retranslateUi();
}

void TFinfo::retranslateUi()
{
    setWindowTitle(tr("Info zu Konfigurationssoftware für Empfängermodul"));
    findChild<QLabel*>(QStringLiteral("Label2"))->setText(tr("Funkempfänger Konfiguration"));
    Versionslabel->setText(versionText());
    Lizenzlabel->setText(tr("Lizenz: GNU GPL Version 3 oder neuer"));
    Label1->setText(tr("by"));
    weblabel->setToolTip(tr("zur homepage"));
    Button1->setText(tr("O.K."));
}

QString TFinfo::versionText()
{
    return tr("Software Version %1  -  %2").arg(programVersion(), tr(ReleaseDate));
}

void TFinfo::execute()
{
    seam.showModal(*this);
}

void TFinfo::FormActivate()
{
    Versionslabel->setText(versionText());
    weblabel->setText(QString::fromUtf8(maker::WebUrl));
    Button1->setFocus(Qt::OtherFocusReason);
}

// Opens the maker's homepage, as the main window's maker panel does.
void TFinfo::weblabelClick()
{
    seam.beep();
    seam.openUrl(QUrl(QString::fromUtf8(maker::WebUrl)));
}

bool TFinfo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == weblabel && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        weblabelClick();
        return true;
    }
    return FormDialog::eventFilter(watched, event);
}

}  // namespace fbe
