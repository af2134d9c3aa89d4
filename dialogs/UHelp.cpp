// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/UHelp.h"

#include "config/Maker.h"
#include "dialogs/Artwork.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/HelpText.h"
#include "dialogs/Seam.h"

#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace fbe {

TFHelp::TFHelp(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent)
    : FormDialog(cfg, seam, forms, parent)
{
    setObjectName(QStringLiteral("FHelp"));
    setModal(true);
    setFixedSize(760, 580);

    MemoHTH = new QTextBrowser(this);
    MemoHTH->setObjectName(QStringLiteral("MemoHTH"));
    MemoHTH->setOpenLinks(false);
    MemoHTH->setReadOnly(true);
    MemoHTH->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* contact = new QFrame(this);
    contact->setObjectName(QStringLiteral("Pkontakt"));
    contact->setFrameShape(QFrame::StyledPanel);
    style::setColours(contact, Qt::black, QColor(255, 255, 225));
    auto makeLabel = [contact](const char* name) {
        auto* l = new QLabel(contact);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    Lfirma = makeLabel("Lfirma");
    Lfirma->setFont(style::arialBold(9));
    Lstrasse = makeLabel("Lstrasse");
    Lort = makeLabel("Lort");
    Ltel = makeLabel("Ltel");
    Lfax = makeLabel("Lfax");
    Lurl = makeLabel("Lurl");
    Lemail = makeLabel("Lemail");
    Lurl->setCursor(Qt::PointingHandCursor);
    QFont link = Lurl->font();
    link.setUnderline(true);
    Lurl->setFont(link);
    style::setColours(Lurl, style::Blue, Qt::transparent);
    Lurl->setAutoFillBackground(false);
    Lurl->installEventFilter(this);
    Lemail->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* contactLayout = new QVBoxLayout(contact);
    contactLayout->setContentsMargins(10, 8, 10, 8);
    contactLayout->setSpacing(1);
    for (QLabel* l : {Lfirma, Lstrasse, Lort})
        contactLayout->addWidget(l);
    contactLayout->addSpacing(6);
    for (QLabel* l : {Ltel, Lfax})
        contactLayout->addWidget(l);
    contactLayout->addSpacing(6);
    for (QLabel* l : {Lurl, Lemail})
        contactLayout->addWidget(l);

    BClose = new QPushButton(this);
    BClose->setObjectName(QStringLiteral("BClose"));
    BClose->setMinimumSize(130, 34);
    BClose->setDefault(true);
    connect(BClose, &QPushButton::clicked, this, [this] { accept(); });

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(art::icon(QString::fromLatin1(art::Icon)).pixmap(QSize(96, 96)));
    picture->setAlignment(Qt::AlignCenter);

    auto* side = new QVBoxLayout;
    side->addWidget(picture);
    side->addSpacing(6);
    side->addWidget(contact);
    side->addStretch(1);
    side->addWidget(BClose, 0, Qt::AlignHCenter);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(MemoHTH, 1);
    layout->addLayout(side);

    MemoHTH->document()->setDefaultStyleSheet(QStringLiteral(
        "h2 { color: #000080; } h3 { color: #000080; margin-top: 14px; }"
        " h4, h5 { color: #800000; margin-top: 10px; } h5 { font-size: medium; } p, li { margin-top: 2px; }"));
    MemoHTH->document()->setDocumentMargin(10);
    // Filled here as well, so that the window knows its size before it is first shown.
    showContact();
    retranslateUi();
}

void TFHelp::retranslateUi()
{
    setWindowTitle(tr("Hilfe zur Funkmodul-Konfiguration"));
    Lurl->setToolTip(tr("per Doppelklick zur homepage!"));
    BClose->setText(tr("O.K."));
    MemoHTH->setHtml(helpText());
}

QString TFHelp::helpText()
{
    return help::html();
}

void TFHelp::execute()
{
    seam.showModal(*this);
}

void TFHelp::showContact()
{
    Lfirma->setText(QString::fromUtf8(maker::Company));
    Lstrasse->setText(QString::fromUtf8(maker::Street));
    Lort->setText(QString::fromUtf8(maker::Town));
    Ltel->setText(QString::fromUtf8(maker::Phone));
    Lfax->setText(QString::fromUtf8(maker::Fax));
    Lurl->setText(QString::fromUtf8(maker::Web));
    Lemail->setText(QString::fromUtf8(maker::Email));
}

void TFHelp::FormActivate()
{
    showContact();
    // Every opening starts at the heading, wherever the last reading stopped.
    MemoHTH->verticalScrollBar()->setValue(MemoHTH->verticalScrollBar()->minimum());
    BClose->setFocus(Qt::OtherFocusReason);
}

// Opens the maker's homepage, as the main window's maker panel does.
void TFHelp::LurlDblClick()
{
    seam.beep();
    seam.openUrl(QUrl(QString::fromUtf8(maker::WebUrl)));
}

bool TFHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Lurl && event->type() == QEvent::MouseButtonDblClick) {
        LurlDblClick();
        return true;
    }
    return FormDialog::eventFilter(watched, event);
}

}  // namespace fbe
