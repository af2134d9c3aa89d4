// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ProductionDatabaseDialog.h"

#include "dialogs/Colours.h"
#include "dialogs/Seam.h"
#include "sharedseries/DatabaseUri.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace fbe {

using namespace series;

namespace {

QLineEdit* edit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

}  // namespace

ProductionDatabaseDialog::ProductionDatabaseDialog(Seam& seam, Connect tryConnect, QWidget* parent)
    : QDialog(parent), seam_(seam), connect_(std::move(tryConnect))
{
    setObjectName(QStringLiteral("FDatenbank"));
    setModal(true);

    LIntro = new QLabel(this);
    LIntro->setObjectName(QStringLiteral("LIntro"));
    LIntro->setWordWrap(true);

    EHost = edit(this, "EHost");
    EHost->setPlaceholderText(QStringLiteral("localhost"));
    EPort = edit(this, "EPort");
    EPort->setValidator(new QIntValidator(1, 65535, EPort));
    EPort->setPlaceholderText(QStringLiteral("5432"));
    EDatabase = edit(this, "EDatabase");
    EUser = edit(this, "EUser");
    EStation = edit(this, "EStation");
    EStation->setPlaceholderText(defaultStation());
    CBssl = new QCheckBox(this);
    CBssl->setObjectName(QStringLiteral("CBssl"));

    auto* form = new QFormLayout;
    QLineEdit* const fields[] = {EHost, EPort, EDatabase, EUser, EStation};
    for (int i = 0; i < 5; ++i) {
        fieldLabels_[i] = new QLabel(this);
        fieldLabels_[i]->setBuddy(fields[i]);
        form->addRow(fieldLabels_[i], fields[i]);
    }
    form->addRow(QString(), CBssl);

    LKennwort = new QLabel(this);
    LKennwort->setObjectName(QStringLiteral("LKennwort"));
    LKennwort->setWordWrap(true);

    LFehler = new QLabel(this);
    LFehler->setObjectName(QStringLiteral("LFehler"));
    LFehler->setWordWrap(true);
    LFehler->setMargin(4);
    LFehler->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LFehler->setAutoFillBackground(true);
    QPalette p = LFehler->palette();
    p.setColor(QPalette::Window, colour::ErrorRed);
    p.setColor(QPalette::WindowText, Qt::black);
    LFehler->setPalette(p);
    LFehler->hide();

    BVerbinden = new QPushButton(this);
    BVerbinden->setObjectName(QStringLiteral("BVerbinden"));
    BVerbinden->setDefault(true);
    BOhne = new QPushButton(this);
    BOhne->setObjectName(QStringLiteral("BOhne"));
    BAbbrechen = new QPushButton(this);
    BAbbrechen->setObjectName(QStringLiteral("BAbbrechen"));
    connect(BVerbinden, &QPushButton::clicked, this, &ProductionDatabaseDialog::VerbindenClick);
    connect(BOhne, &QPushButton::clicked, this, [this] {
        uri_.clear();
        accept();
    });
    connect(BAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BVerbinden);
    buttons->addWidget(BOhne);
    buttons->addStretch(1);
    buttons->addWidget(BAbbrechen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LIntro);
    layout->addLayout(form);
    layout->addWidget(LKennwort);
    layout->addWidget(LFehler);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setFixedWidth(460);
    retranslateUi();
}

void ProductionDatabaseDialog::retranslateUi()
{
    setWindowTitle(tr("Produktionsdatenbank"));
    LIntro->setText(tr("Mehrere Stationen programmieren eine Serie: die Nummer jedes "
                       "Moduls und seine Adressen kommen aus einer gemeinsamen "
                       "PostgreSQL-Datenbank, jeder Lauf wird dort festgehalten."));
    EHost->setToolTip(tr("Name oder Adresse des Datenbankservers, oder der Ordner "
                         "seines Unix-Sockets (leer: dieser Rechner)"));
    EPort->setToolTip(tr("leer: 5432"));
    EDatabase->setToolTip(tr("Name der Datenbank"));
    EUser->setToolTip(tr("Benutzer der Datenbank"));
    EStation->setToolTip(
        tr("Name dieser Station in der Datenbank (Vorgabe: der Name des Rechners)"));
    CBssl->setText(tr("nur verschlüsselt verbinden (sslmode=require)"));
    CBssl->setToolTip(tr("ohne Haken: verschlüsselt, wenn der Server es anbietet"));
    fieldLabels_[0]->setText(tr("&Server:"));
    fieldLabels_[1]->setText(tr("&Port:"));
    fieldLabels_[2]->setText(tr("&Datenbank:"));
    fieldLabels_[3]->setText(tr("&Benutzer:"));
    fieldLabels_[4]->setText(tr("S&tation:"));
    LKennwort->setText(tr("Das Kennwort kommt aus ~/.pgpass oder PGPASSWORD; das "
                          "Programm speichert keines."));
    BVerbinden->setText(tr("&Verbinden"));
    BOhne->setText(tr("&ohne Datenbank"));
    BOhne->setToolTip(tr("die Serie wieder nur auf dieser Station zählen"));
    BAbbrechen->setText(tr("Abbrechen"));
}

void ProductionDatabaseDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

bool ProductionDatabaseDialog::execute(const QString& uri)
{
    uri_ = uri;
    const DatabaseTarget t = parseDatabaseUri(uri);
    EHost->setText(t.host);
    EPort->setText(t.port);
    EDatabase->setText(t.database);
    EUser->setText(t.user);
    EStation->setText(t.station.isEmpty() ? defaultStation() : t.station);
    CBssl->setChecked(optionValue(t, QStringLiteral("sslmode")) == QLatin1String("require"));
    LFehler->clear();
    LFehler->hide();
    adjustSize();
    EHost->setFocus();
    return seam_.showModal(*this) == QDialog::Accepted;
}

QString ProductionDatabaseDialog::builtUri() const
{
    // What the URI held beyond the fields (further options) stays.
    DatabaseTarget t = parseDatabaseUri(uri_);
    t.error.clear();
    t.password.clear();
    t.host = EHost->text().trimmed();
    t.port = EPort->text().trimmed();
    t.database = EDatabase->text().trimmed();
    t.user = EUser->text().trimmed();
    const QString station = EStation->text().trimmed();
    t.station = station.isEmpty() ? defaultStation() : station;
    const QString mode = optionValue(t, QStringLiteral("sslmode"));
    if (CBssl->isChecked())
        setOption(t, QStringLiteral("sslmode"), QStringLiteral("require"));
    else if (mode.isEmpty() || mode == QLatin1String("require"))
        setOption(t, QStringLiteral("sslmode"), QStringLiteral("prefer"));
    return databaseUri(t);
}

void ProductionDatabaseDialog::VerbindenClick()
{
    const QString uri = builtUri();
    const QStringList failure = connect_ ? connect_(uri) : QStringList();
    if (failure.isEmpty()) {
        uri_ = uri;
        LFehler->hide();
        accept();
        return;
    }
    seam_.beep();
    QStringList lines;
    for (const QString& line : failure)
        lines << line.trimmed();
    LFehler->setText(lines.join(QLatin1Char('\n')));
    LFehler->show();
    adjustSize();
}

}  // namespace fbe
