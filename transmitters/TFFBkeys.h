// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The address dialogs of the 1-, 2- and 4-key hand transmitters (TFFB1, TFFB2, TFFB4). They
// share one mechanism and differ only in their layout: which switch, solder bridge or key sets
// which of the 12 code bits, which elements are fixed, and the board drawing, on which the
// drawing itself marks where every element sits.
//
// The working address is a signed 32-bit copy of the slot address (its low 32 bits), taken
// each time the dialog is shown. A DIP switch or an active solder bridge flips its bit; a key
// selector clears the key bits and everything above bit 11 and adds the key's value; a fixed
// element only beeps. "OK" writes the working address, sign-extended, back.
#pragma once

#include "transmitters/AddressDialog.h"

#include <QString>
#include <array>
#include <vector>

class QLabel;
class QRadioButton;
class QLineEdit;
class QPushButton;

namespace fbe {

template <class Button>
class KeyButton;
using KeyRadio = KeyButton<QRadioButton>;
class PictureButton;
class SvgPicture;

struct DipLayout {
    quint16 type = 0;                  // transmitter type code
    QString board;                     // board drawing
    std::array<int, 10> switchBits{};  // bit set by SB1 .. SB10
    int bridge11Bit = -1;              // solder bridge SB11; -1: none on this board
    bool bridge11Fixed = false;        // SB11 must stay open (beeps, keeps its picture)
    int bridge12Bit = -1;              // solder bridge SB12; -1: none
    struct Key {
        QString name;                  // "RBlo", "RBro", "RBlu", "RBru"
        const char* hint = "";         // German; translated where shown
        qint32 value = 0;              // added after the AND mask
    };
    std::vector<Key> keys;             // the first is selected when no other matches
    quint32 keyAndMask = 0xFFF;        // applied before a key's value is added
    int fixedSwitches = 0;             // SBx1 .. SBxN, which must not be changed
};

// The three members of the family.
DipLayout layoutFB4();
DipLayout layoutFB2();
DipLayout layoutFB1();

class TFFBkeys : public AddressDialog {
    Q_OBJECT
public:
    const DipLayout& layout() const { return layout_; }
    qint32 address() const { return working_; }

    // ---- Handlers ----
    void SBClick(int n);               // SB1 .. SB12: switch or solder bridge
    void SBxClick(int n);              // fixed switches SBx1 .. SBx4
    void keyClick(KeyRadio* key);      // RBlo, RBro, RBlu, RBru
    void OKClick();

    // ---- Controls ----
    SvgPicture* Image1 = nullptr;
    std::array<PictureButton*, 13> SB{};   // index 1..12; null where the board has none
    std::array<PictureButton*, 5> SBx{};   // index 1..4
    KeyRadio* RBlo = nullptr;
    KeyRadio* RBro = nullptr;
    KeyRadio* RBlu = nullptr;
    KeyRadio* RBru = nullptr;
    // Hidden templates whose pictures the switches and bridges copy.
    PictureButton* refup = nullptr;
    PictureButton* refdown = nullptr;
    PictureButton* refopen = nullptr;
    PictureButton* refclose = nullptr;
    QLabel* Laddress = nullptr;
    QLineEdit* showaddress = nullptr;
    QLabel* Lhowto = nullptr;
    QPushButton* OK = nullptr;

protected:
    TFFBkeys(DipLayout layout, Configuration& cfg, Seam& seam, Forms& forms,
                     QWidget* parent);
    void FormActivate() override;
    void retranslateUi() override;

private:
    int bitOf(int n) const;            // bit of SB n, -1 when it has none
    bool isBridge(int n) const { return n == 11 || n == 12; }
    bool isFixed(int n) const { return n == 11 && layout_.bridge11Fixed; }
    void showElement(int n);
    void showKey();
    void showAddress();
    KeyRadio* keyNamed(const QString& name) const;

    DipLayout layout_;
    qint32 working_ = 0;
};

// 4-key transmitter (type 1).
class TFFB4 : public TFFBkeys {
    Q_OBJECT
public:
    TFFB4(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);
};

// 2-key transmitter (type 2).
class TFFB2 : public TFFBkeys {
    Q_OBJECT
public:
    TFFB2(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);
};

// 1-key transmitter (type 7).
class TFFB1 : public TFFBkeys {
    Q_OBJECT
public:
    TFFB1(Configuration& cfg, Seam& seam, Forms& forms, QWidget* parent = nullptr);
};

}  // namespace fbe
