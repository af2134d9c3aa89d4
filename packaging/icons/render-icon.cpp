// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time helper: renders the program's SVG icon to PNG files of the icon theme's sizes.
//
//   fbe-render-icon ICON.svg OUT-DIR SIZE...    writes OUT-DIR/SIZE.png for every SIZE
//
// The pictures depend only on the SVG and the size, so two builds give the same bytes.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 3) {
        std::fputs("usage: fbe-render-icon ICON.svg OUT-DIR SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(args.at(0));
    if (!svg.isValid()) {
        std::fprintf(stderr, "fbe-render-icon: %s is no valid SVG\n", qPrintable(args.at(0)));
        return 1;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "fbe-render-icon: cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }
    for (const QString& text : args.mid(2)) {
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "fbe-render-icon: bad size %s\n", qPrintable(text));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString file = out.filePath(text + QStringLiteral(".png"));
        if (!image.convertToFormat(QImage::Format_ARGB32).save(file, "PNG", 0)) {
            std::fprintf(stderr, "fbe-render-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
