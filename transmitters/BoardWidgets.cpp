// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitters/BoardWidgets.h"

#include "dialogs/Artwork.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

// Q_INIT_RESOURCE declares the registration function in the scope it is used in, so it has
// to be called from the global namespace.
static void registerTransmitterResources()
{
    Q_INIT_RESOURCE(transmitters);
}

namespace fbe {

void pic::ensureLoaded()
{
    static const bool done = (registerTransmitterResources(), true);
    Q_UNUSED(done);
}

QSvgRenderer& pic::renderer(const QString& picture)
{
    ensureLoaded();
    return art::drawing(picture);
}

namespace {

// Thin highlight that shows which element the pointer is over.
void paintHover(QPainter& p, const QRectF& r, bool round)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(255, 214, 0, 230));
    pen.setWidthF(1.5);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF inner = r.adjusted(0.75, 0.75, -0.75, -0.75);
    if (round)
        p.drawEllipse(inner);
    else
        p.drawRoundedRect(inner, 2, 2);
}

}  // namespace

void paintKey(QWidget* w, QSvgRenderer& up, QSvgRenderer& down, bool pressed, bool hover,
              bool enabled)
{
    QPainter p(w);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = w->rect();
    (pressed ? down : up).render(&p, r);
    if (hover && enabled)
        paintHover(p, r, true);
}

// ---- SvgPicture ----------------------------------------------------------------------------

SvgPicture::SvgPicture(const QString& picture, QWidget* parent)
    : QWidget(parent), picture_(picture), renderer_(&pic::renderer(picture))
{
    setFixedSize(renderer_->defaultSize());
}

QRect SvgPicture::elementRect(const QString& id) const
{
    if (!renderer_->elementExists(id))
        return {};
    return renderer_->boundsOnElement(id).toAlignedRect();
}

QRect SvgPicture::elementGeometry(const QString& id) const
{
    const QRect r = elementRect(id);
    return r.isNull() ? r : r.translated(pos());
}

void SvgPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&p, QRectF(rect()));
}

// ---- PictureButton -------------------------------------------------------------------------

PictureButton::PictureButton(const QString& picture, QWidget* parent) : QAbstractButton(parent)
{
    pic::ensureLoaded();
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setPicture(picture);
}

void PictureButton::setPicture(const QString& picture)
{
    if (picture == picture_)
        return;
    picture_ = picture;
    renderer_ = picture.isEmpty() ? nullptr : &pic::renderer(picture);
    update();
}

void PictureButton::setFixed(bool fixed)
{
    fixed_ = fixed;
    setCursor(fixed ? Qt::ForbiddenCursor : Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (renderer_ && renderer_->isValid())
        renderer_->render(&p, QRectF(rect()));
    if (hover_ && !fixed_ && isEnabled())
        paintHover(p, rect(), false);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    lastClickPos_ = event->position().toPoint();
    QAbstractButton::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    // The click handlers read the position while the base class reports the click.
    QAbstractButton::mouseReleaseEvent(event);
    lastClickPos_ = {-1, -1};
}

void PictureButton::enterEvent(QEnterEvent* event)
{
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event)
{
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

// ---- Keys ----------------------------------------------------------------------------------

}  // namespace fbe
