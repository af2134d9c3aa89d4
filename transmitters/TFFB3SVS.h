// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Address dialog of the SVS 3-key hand transmitter (type 10): the board with eight
// three-position switches, each setting a pair of code bits, and the transmitter with its
// three keys, each clearing one code bit while pressed. The working address is a 64-bit copy
// of the slot address taken each time the dialog is shown; only "OK" writes it back.
#pragma once

#include "transmitters/AddressDialog.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fbe {

template <typename Button>
class KeyButton;
using KeyCheck = KeyButton<QCheckBox>;
class PictureButton;
class SvgPicture;

class TFFB3SVS : public AddressDialog {
    Q_OBJECT
public:
    TFFB3SVS(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);

    quint64 address() const { return working_; }

    // ---- Handlers ----
    // A click on switch n (1..8). From the middle the switch goes to the side of the switch
    // that was clicked; the position of the last mouse click on the switch decides.
    void SBClick(int n);
    void SBClickHalf(int n, bool leftHalf);
    void CBOClick();
    void CBMClick();
    void CBUClick();
    void OKClick();

    // ---- Controls ----
    SvgPicture* Image1 = nullptr;   // the board
    SvgPicture* Image2 = nullptr;   // the transmitter
    std::array<PictureButton*, 9> SB{};   // index 1..8, SB1 at the top
    PictureButton* refleft = nullptr;
    PictureButton* refmiddle = nullptr;
    PictureButton* refright = nullptr;
    KeyCheck* CBO = nullptr;
    KeyCheck* CBM = nullptr;
    KeyCheck* CBU = nullptr;
    QLabel* Laddress = nullptr;
    QLineEdit* showaddress = nullptr;
    QLabel* Lhowto = nullptr;
    QPushButton* OK = nullptr;

protected:
    void FormActivate() override;
    void retranslateUi() override;

private:
    void keyClick(KeyCheck* box, int bit);
    void showAll();

    quint64 working_ = 0;
};

}  // namespace fbe
