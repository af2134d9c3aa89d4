// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Address dialog of the PC-programmable 1..16-key transmitter (type 16): the code length of
// the type and the code address of the slot being edited, typed in decimal and bounded to
// the largest address that the code length allows. The code length belongs to the type's
// table entry and is stored as soon as its field is left; the address is written back only
// by "OK".
#pragma once

#include "transmitters/AddressDialog.h"
#include "transmitters/FieldWatcher.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace fbe {

class SvgPicture;

class TFFB16 : public AddressDialog {
    Q_OBJECT
public:
    TFFB16(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    quint64 address() const { return working_; }

    // ---- Handlers ----
    void bitanzahlExit();
    void bitanzahlKeyUp();
    void bitanzahlEnter();
    void nowAddrExit();
    void nowAddrKeyUp();
    void nowAddrEnter();
    void OKClick();

    // ---- Controls ----
    QLabel* Label1 = nullptr;        // "PC - Programmierbare"
    QLabel* Label2 = nullptr;        // "1..16 Tasten Sender"
    SvgPicture* Image1 = nullptr;    // picture of the transmitter
    QLabel* Lwarnung = nullptr;      // red warning, four lines
    QLabel* Lbits = nullptr;         // "Codierlänge"
    QLineEdit* bitanzahl = nullptr;
    QLabel* Lbits2 = nullptr;        // "(1-40 Bit)"
    QLabel* Laddr = nullptr;         // "Code-Adresse:"
    QLineEdit* nowAddr = nullptr;
    QLabel* Lmax = nullptr;          // "max.: "
    QLabel* maxaddr = nullptr;
    QPushButton* OK = nullptr;

    static constexpr int AddressTypedMax = 12;   // characters the address field takes

protected:
    void FormActivate() override;
    void FormClose() override;
    void retranslateUi() override;

private:
    void refresh();

    FieldWatcher fields_;   // a member, so that it goes before the fields (see there)
    quint64 working_ = 0;
};

}  // namespace fbe
