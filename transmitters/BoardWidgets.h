// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn parts of the address dialogs: the board picture, the picture buttons that sit on
// it (switches, solder bridges) and the keys of a transmitter, all painted from SVG drawings,
// so that they stay sharp at any display scaling.
//
// A board drawing marks where each clickable element belongs with an invisible rectangle
// whose id is the element's name ("SB1", "RBlo", ...); the dialog places the element exactly
// on that rectangle, so a click always lands on the element drawn under the pointer.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QWidget>

namespace fbe {

// Picture names of the drawings (Qt resource paths).
namespace pic {
inline const QString DipUp = QStringLiteral(":/transmitters/dip-up.svg");
inline const QString DipDown = QStringLiteral(":/transmitters/dip-down.svg");
inline const QString BridgeOpen = QStringLiteral(":/transmitters/bridge-open.svg");
inline const QString BridgeClosed = QStringLiteral(":/transmitters/bridge-closed.svg");
inline const QString SvsLeft = QStringLiteral(":/transmitters/svs-left.svg");
inline const QString SvsMiddle = QStringLiteral(":/transmitters/svs-middle.svg");
inline const QString SvsRight = QStringLiteral(":/transmitters/svs-right.svg");
inline const QString Key = QStringLiteral(":/transmitters/key.svg");
inline const QString KeyPressed = QStringLiteral(":/transmitters/key-pressed.svg");
inline const QString SvsKey = QStringLiteral(":/transmitters/svs-key.svg");
inline const QString SvsKeyPressed = QStringLiteral(":/transmitters/svs-key-pressed.svg");
inline const QString BoardFB4 = QStringLiteral(":/transmitters/board-fb4.svg");
inline const QString BoardFB2 = QStringLiteral(":/transmitters/board-fb2.svg");
inline const QString BoardFB1 = QStringLiteral(":/transmitters/board-fb1.svg");
inline const QString BoardSvs = QStringLiteral(":/transmitters/board-svs.svg");
inline const QString SenderSvs = QStringLiteral(":/transmitters/sender-svs.svg");

// Registers the drawings (compiled into the statically linked window library, where they
// are registered only on request). Cheap after the first call.
void ensureLoaded();

// The drawing, read once for the whole run: every switch, bridge and key of every dialog
// paints from the same few drawings, which are never changed.
QSvgRenderer& renderer(const QString& picture);
}  // namespace pic

// A picture at its natural size (one drawing unit is one pixel).
class SvgPicture : public QWidget {
public:
    explicit SvgPicture(const QString& picture, QWidget* parent = nullptr);
    QString picture() const { return picture_; }
    // Where the drawing marks the element id, in this widget's coordinates; empty when the
    // drawing has no such mark.
    QRect elementRect(const QString& id) const;
    // The same in the coordinates of the widget's parent.
    QRect elementGeometry(const QString& id) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString picture_;
    QSvgRenderer* renderer_;
};

// A flat button showing one picture over its whole area. The visible switches and bridges
// copy their picture from hidden template buttons, as the element changes state.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(const QString& picture = {}, QWidget* parent = nullptr);

    void setPicture(const QString& picture);
    QString picture() const { return picture_; }
    // A fixed element: the pointer shows that it cannot be changed.
    void setFixed(bool fixed);
    bool isFixed() const { return fixed_; }
    // Where the last mouse click hit the button, in its own coordinates; (-1, -1) when the
    // last click came from elsewhere (keyboard, program).
    QPoint lastClickPos() const { return lastClickPos_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void nextCheckState() override {}

private:
    QString picture_;
    QSvgRenderer* renderer_ = nullptr;
    QPoint lastClickPos_{-1, -1};
    bool fixed_ = false;
    bool hover_ = false;
};

// Paints a transmitter key from its two pictures (released, pressed).
void paintKey(QWidget* widget, QSvgRenderer& up, QSvgRenderer& down, bool pressed, bool hover,
              bool enabled);

// A transmitter key drawn from its pictures on top of a check-able button: with QRadioButton
// the key selectors of the 2- and 4-key boards (the selected key is the one pressed), with
// QCheckBox the keys of the SVS transmitter (keys may be pressed together).
template <class Button>
class KeyButton : public Button {
public:
    explicit KeyButton(QWidget* parent = nullptr, const QString& up = pic::Key,
                       const QString& pressed = pic::KeyPressed)
        : Button(parent), up_(pic::renderer(up)), down_(pic::renderer(pressed))
    {
        this->setCursor(Qt::PointingHandCursor);
        this->setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        paintKey(this, up_, down_, this->isChecked(), hover_, this->isEnabled());
    }
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
    void enterEvent(QEnterEvent* event) override
    {
        hover_ = true;
        this->update();
        Button::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override
    {
        hover_ = false;
        this->update();
        Button::leaveEvent(event);
    }

private:
    QSvgRenderer& up_;
    QSvgRenderer& down_;
    bool hover_ = false;
};

using KeyRadio = KeyButton<QRadioButton>;
using KeyCheck = KeyButton<QCheckBox>;

}  // namespace fbe
