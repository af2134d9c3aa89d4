// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// "&Einstellungen" -> "Produktions&datenbank ...": the PostgreSQL database of a shared series
// (server, port, database, user) and this station's name. "Verbinden" tries the connection
// at once and keeps it only when it works; a failure is shown in the dialog with the
// server's reason. "ohne Datenbank" ends the shared series (the station counts alone
// again). No password is asked for or kept: libpq takes it from ~/.pgpass, PGPASSFILE or
// PGPASSWORD.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fbe {

class Seam;

class ProductionDatabaseDialog : public QDialog {
    Q_OBJECT
public:
    // tryConnect tries a URI: empty when it works, else the message and its reason.
    using Connect = std::function<QStringList(const QString& uri)>;
    ProductionDatabaseDialog(Seam& seam, Connect tryConnect, QWidget* parent = nullptr);

    // Shows the dialog for the connection in use (empty: none). True when the user chose a
    // connection that works, or none; uri() is then the new one.
    bool execute(const QString& uri);
    QString uri() const { return uri_; }

    QLineEdit* EHost = nullptr;
    QLineEdit* EPort = nullptr;
    QLineEdit* EDatabase = nullptr;
    QLineEdit* EUser = nullptr;
    QLineEdit* EStation = nullptr;
    QCheckBox* CBssl = nullptr;         // sslmode=require
    QLabel* LIntro = nullptr;
    QLabel* LKennwort = nullptr;        // where the password comes from
    QLabel* LFehler = nullptr;          // why the connection failed
    QPushButton* BVerbinden = nullptr;
    QPushButton* BOhne = nullptr;
    QPushButton* BAbbrechen = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void VerbindenClick();
    QString builtUri() const;

    Seam& seam_;
    Connect connect_;
    QLabel* fieldLabels_[5] = {};       // Server, Port, Datenbank, Benutzer, Station
    QString uri_;
};

}  // namespace fbe
