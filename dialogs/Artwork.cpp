// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Artwork.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QtGlobal>

// Q_INIT_RESOURCE declares the registration function in the scope it is used in, so it has
// to be called from the global namespace.
static void registerFbeResources()
{
    Q_INIT_RESOURCE(fbe);
}

namespace fbe::art {

namespace {
// Registered at program start as well, so that a window using the pictures before any
// dialog exists finds them.
const bool registeredAtStart = (ensureLoaded(), true);
}  // namespace

void ensureLoaded()
{
    static const bool done = (registerFbeResources(), true);
    Q_UNUSED(done);
}

namespace {

// The drawings read so far, each parsed once; dropped with the application.
QHash<QString, QSvgRenderer*>* drawings = nullptr;

void dropDrawings()
{
    qDeleteAll(*drawings);
    delete drawings;
    drawings = nullptr;
}

// An icon painted from a drawing: nothing is read until the icon is first shown, and every
// icon of the same drawing shares it. The look is that of Qt's own SVG icons: the drawing
// kept in proportion within the size asked for, greyed by the style when disabled.
class DrawingIcon : public QIconEngine {
public:
    explicit DrawingIcon(const QString& picture) : picture_(picture) {}

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const QSize natural = drawing(picture_).defaultSize();
        return natural.isEmpty() ? size : natural.scaled(size, Qt::KeepAspectRatio);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        const QSize device = actualSize(size, mode, state) * scale;
        const QString key = QStringLiteral("%1x%2/%3").arg(device.width()).arg(device.height())
                                .arg(int(mode));
        auto it = rendered_.constFind(key);
        if (it != rendered_.constEnd())
            return *it;
        QPixmap pm(device);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            drawing(picture_).render(&p, QRectF(QPointF(0, 0), QSizeF(device)));
        }
        pm.setDevicePixelRatio(scale);
        if (mode != QIcon::Normal && mode != QIcon::Active) {
            QStyleOption opt;
            opt.palette = QGuiApplication::palette();
            if (QStyle* style = QApplication::style())
                pm = style->generatedIconPixmap(mode, pm, &opt);
        }
        rendered_.insert(key, pm);
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device()->devicePixelRatio();
        const QPixmap pm = scaledPixmap(rect.size(), mode, state, scale);
        const QSize shown = pm.deviceIndependentSize().toSize();
        painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2,
                                                          (rect.height() - shown.height()) / 2),
                                  shown),
                            pm);
    }

    QIconEngine* clone() const override { return new DrawingIcon(picture_); }
    QString key() const override { return QStringLiteral("fbe-drawing"); }
    bool isNull() override { return picture_.isEmpty(); }

private:
    QString picture_;
    QHash<QString, QPixmap> rendered_;
};

}  // namespace

QSvgRenderer& drawing(const QString& picture)
{
    if (!drawings) {
        drawings = new QHash<QString, QSvgRenderer*>;
        qAddPostRoutine(dropDrawings);
    }
    QSvgRenderer*& d = (*drawings)[picture];
    if (!d) {
        ensureLoaded();
        d = new QSvgRenderer(picture);
    }
    return *d;
}

QIcon icon(const QString& picture)
{
    return QIcon(new DrawingIcon(picture));
}

QString glyphPath(int typ)
{
    ensureLoaded();
    switch (typ) {
    case 1: return QString::fromLatin1(Fb4aurel);
    case 2: return QString::fromLatin1(Fb2aurel);
    case 7: return QString::fromLatin1(Fb1aurel);
    case 10: return QString::fromLatin1(Fb3svs);
    case 16: return QString::fromLatin1(Fb16uni);
    case 17: return QString::fromLatin1(Fb17uni);
    default: return {};
    }
}

}  // namespace fbe::art
