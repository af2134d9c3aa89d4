// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/SheetPainter.h"

#include "config/SafeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QSvgRenderer>

#include <algorithm>

// Compiled-in resources of a static library are registered by name.
static void registerSheetPictures()
{
    Q_INIT_RESOURCE(sheet);
}

namespace fbe {

namespace {

// ---- Fonts ----------------------------------------------------------------------------------

const char* const FontFiles[] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf",
                                 "DejaVuSansMono-Bold.ttf"};

// Registers the DejaVu files of the system (fonts-dejavu-core) with the application, so the
// sheet has its fonts whatever the platform's own font list holds (the offscreen platform of
// fbe-tool, a desktop whose default is another font).
void registerFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QStringList dirs{QStringLiteral("/usr/share/fonts/truetype/dejavu")};
    for (const QString& d : QStandardPaths::standardLocations(QStandardPaths::FontsLocation))
        dirs << d << d + QStringLiteral("/truetype/dejavu");
    for (const char* name : FontFiles) {
        for (const QString& d : dirs) {
            const QString path = d + QLatin1Char('/') + QLatin1String(name);
            if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
                break;
        }
    }
}

// ---- Layout, in millimetres ------------------------------------------------------------------

constexpr double Left = 15.0;
constexpr double Right = 195.0;
constexpr double Width = Right - Left;
constexpr double Top = 13.0;
constexpr double FootTop = 265.0;      // the lines to fill in by hand
constexpr double Hairline = 0.2;
constexpr double Thin = 0.3;
constexpr double Thick = 0.6;
const QColor Grey(110, 110, 110);
const QColor LightGrey(215, 215, 215);

QString pictureOf(int typ)
{
    switch (typ) {
    case typ::Aurel1:
        return QStringLiteral(":/sheet/fb1aurel.svg");
    case typ::Aurel2:
        return QStringLiteral(":/sheet/fb2aurel.svg");
    case typ::Aurel4:
        return QStringLiteral(":/sheet/fb4aurel.svg");
    case typ::Svs3:
        return QStringLiteral(":/sheet/fb3svs.svg");
    case typ::Uni16:
        return QStringLiteral(":/sheet/fb16uni.svg");
    case typ::Uni17:
        return QStringLiteral(":/sheet/fb17uni.svg");
    default:
        return {};
    }
}

// Drawing in millimetres on a device that counts in its own dots.
class Page {
public:
    Page(QPainter& painter, double dotsPerMm) : p_(painter), k_(dotsPerMm) {}

    double dots(double mm) const { return mm * k_; }
    QRectF rect(double x, double y, double w, double h) const
    {
        return {dots(x), dots(y), dots(w), dots(h)};
    }

    QFont font(double points, bool bold = false, bool mono = false) const
    {
        QFont f(sheetFontFamily(mono));
        f.setStyleHint(mono ? QFont::Monospace : QFont::SansSerif);
        f.setPointSizeF(points);
        f.setBold(bold);
        f.setHintingPreference(QFont::PreferNoHinting);
        // Without shaping the text has no ligatures: "fi" stays two letters, so a search for
        // "Konfiguration" finds it and a copy gives the letters as typed.
        f.setStyleStrategy(QFont::PreferNoShaping);
        return f;
    }

    double textWidth(const QFont& f, const QString& text) const
    {
        return QFontMetricsF(f, p_.device()).horizontalAdvance(text) / k_;
    }
    double lineHeight(const QFont& f) const { return QFontMetricsF(f, p_.device()).lineSpacing() / k_; }

    QString elided(const QFont& f, const QString& text, double width, Qt::TextElideMode mode) const
    {
        return QFontMetricsF(f, p_.device()).elidedText(text, mode, dots(width));
    }

    // Text in a box; flags as QPainter::drawText.
    void text(double x, double y, double w, double h, int flags, const QFont& f,
              const QString& s, const QColor& colour = Qt::black)
    {
        p_.setFont(f);
        p_.setPen(colour);
        p_.drawText(rect(x, y, w, h), flags, s);
    }

    void line(double x1, double y1, double x2, double y2, double width, const QColor& colour = Qt::black)
    {
        QPen pen(colour, dots(width));
        pen.setCapStyle(Qt::FlatCap);
        p_.setPen(pen);
        p_.drawLine(QPointF(dots(x1), dots(y1)), QPointF(dots(x2), dots(y2)));
    }

    void box(double x, double y, double w, double h, double width, const QBrush& fill = Qt::NoBrush)
    {
        p_.setPen(width > 0 ? QPen(Qt::black, dots(width)) : QPen(Qt::NoPen));
        p_.setBrush(fill);
        p_.drawRect(rect(x, y, w, h));
        p_.setBrush(Qt::NoBrush);
    }

    // A tick in the box at x, y of size s.
    void tick(double x, double y, double s)
    {
        QPainterPath path;
        path.moveTo(dots(x + 0.2 * s), dots(y + 0.55 * s));
        path.lineTo(dots(x + 0.42 * s), dots(y + 0.78 * s));
        path.lineTo(dots(x + 0.82 * s), dots(y + 0.22 * s));
        QPen pen(Qt::black, dots(0.16 * s));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p_.setPen(pen);
        p_.drawPath(path);
    }

    // An output mark: a black box with the output's number in white, or an empty frame.
    void outputMark(double x, double y, double s, int number, bool on)
    {
        if (on) {
            box(x, y, s, s, 0, Qt::black);
            text(x, y, s, s, Qt::AlignCenter, font(s * 1.45, true), QString::number(number), Qt::white);
        } else {
            box(x, y, s, s, Hairline);
        }
    }

    // 40 binary digits in groups of eight with a thin mark between, as the window's 40-digit
    // fields show them. Returns the x after them.
    double digits(double x, double y, double h, const QFont& f, const QString& d)
    {
        const double group = textWidth(f, QStringLiteral("00000000"));
        const double gap = h * 0.37;
        for (int g = 0; g * 8 < d.size(); ++g) {
            const double gx = x + g * (group + gap);
            text(gx, y, group + gap, h, Qt::AlignLeft | Qt::AlignVCenter, f, d.mid(g * 8, 8));
            if (g > 0)
                line(gx - gap / 2, y + h * 0.07, gx - gap / 2, y + h * 0.93, Hairline, Grey);
        }
        return x + ((d.size() + 7) / 8) * (group + gap);
    }

    // A section heading with a line below; right is shown at the right end. Returns the y
    // below it.
    double heading(double y, const QString& title, const QString& right = QString())
    {
        const QFont f = font(11.5, true);
        text(Left, y, Width, 6, Qt::AlignLeft | Qt::AlignBottom, f, title);
        if (!right.isEmpty())
            text(Left, y, Width, 6, Qt::AlignRight | Qt::AlignBottom, font(9.5, true), right);
        line(Left, y + 6.8, Right, y + 6.8, Thin);
        return y + 8.5;
    }

    QPainter& painter() { return p_; }

private:
    QPainter& p_;
    double k_;
};

// ---- Parts of the page ----------------------------------------------------------------------

double paintHead(Page& pg, const Sheet& s)
{
    const QFont small = pg.font(8.5);
    pg.text(Left, Top, Width, 4.5, Qt::AlignLeft | Qt::AlignVCenter, small, s.title, Grey);
    pg.text(Left, Top, Width, 4.5, Qt::AlignRight | Qt::AlignVCenter, small, s.printed);

    double nameWidth = Width;
    if (!s.unsaved.isEmpty()) {
        const QFont f = pg.font(10.5, true);
        const double w = pg.textWidth(f, s.unsaved) + 6;
        pg.box(Right - w, Top + 6.5, w, 8, Thick);
        pg.text(Right - w, Top + 6.5, w, 8, Qt::AlignCenter, f, s.unsaved);
        nameWidth -= w + 4;
    }
    // The name large; a long one in a smaller type, a longer one on two lines, and only one
    // longer still is cut at the end of the second.
    QFont big = pg.font(20, true);
    for (double points = 19; points >= 14 && pg.textWidth(big, s.projectName) > nameWidth; --points)
        big = pg.font(points, true);
    if (pg.textWidth(big, s.projectName) <= nameWidth) {
        pg.text(Left, Top + 5, nameWidth, 11, Qt::AlignLeft | Qt::AlignVCenter, big, s.projectName);
    } else {
        big = pg.font(12.5, true);
        const QStringList words = s.projectName.split(QLatin1Char(' '));
        QString first = words.first();
        qsizetype i = 1;
        while (i < words.size() && pg.textWidth(big, first + QLatin1Char(' ') + words[i]) <= nameWidth)
            first += QLatin1Char(' ') + words[i++];
        const QString second = QStringList(words.mid(i)).join(QLatin1Char(' '));
        pg.text(Left, Top + 5, nameWidth, 5.5, Qt::AlignLeft | Qt::AlignVCenter, big,
                pg.elided(big, first, nameWidth, Qt::ElideRight));
        pg.text(Left, Top + 10.5, nameWidth, 5.5, Qt::AlignLeft | Qt::AlignVCenter, big,
                pg.elided(big, second, nameWidth, Qt::ElideRight));
    }

    const QFont normal = pg.font(9);
    pg.text(Left, Top + 17, Width, 4.5, Qt::AlignLeft | Qt::AlignVCenter, normal,
            pg.elided(normal, s.file, Width, Qt::ElideMiddle));
    pg.text(Left, Top + 21.5, Width, 4.5, Qt::AlignLeft | Qt::AlignVCenter, small, s.version, Grey);
    if (!s.firmware.isEmpty())
        pg.text(Left, Top + 21.5, Width, 4.5, Qt::AlignRight | Qt::AlignVCenter, small, s.firmware);
    pg.line(Left, Top + 27.5, Right, Top + 27.5, Thick);
    return Top + 31;
}

double paintTransmitter(Page& pg, const Sheet& s, double y)
{
    y = pg.heading(y, s.transmitterHeading);
    const double pic = 17;
    const QString picture = pictureOf(s.transmitterType);
    if (!picture.isEmpty()) {
        QSvgRenderer svg(picture);
        QSizeF size = svg.defaultSize();
        size.scale(pg.dots(pic), pg.dots(pic), Qt::KeepAspectRatio);
        const QRectF area = pg.rect(Left, y, pic, pic);
        svg.render(&pg.painter(), QRectF(area.center() - QPointF(size.width(), size.height()) / 2, size));
    } else {
        pg.box(Left, y, pic, pic, Thin);
        pg.text(Left, y, pic, pic, Qt::AlignCenter, pg.font(22, true), QStringLiteral("?"));
    }
    const double x = Left + pic + 6;
    const double w = Right - x;
    pg.text(x, y, w, 6.5, Qt::AlignLeft | Qt::AlignVCenter, pg.font(13, true), s.transmitterName);
    pg.text(x, y + 6.5, w, 8, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, pg.font(8.5),
            s.transmitterDetail);
    const QFont f = pg.font(10, true);
    pg.text(x, y + 15, w, 5, Qt::AlignLeft | Qt::AlignVCenter, f, s.codeLength);
    pg.text(x + 45, y + 15, w - 45, 5, Qt::AlignLeft | Qt::AlignVCenter, f, s.maxAddress);
    return y + 23;
}

double paintCodes(Page& pg, const Sheet& s, double y)
{
    y = pg.heading(y, s.codesHeading, s.codeMode);
    if (!s.counter.isEmpty() || !s.addressNote.isEmpty()) {
        const QFont f = pg.font(9.5, true);
        pg.text(Left, y, Width, 5.5, Qt::AlignLeft | Qt::AlignVCenter, f, s.counter);
        if (!s.addressNote.isEmpty()) {
            const double w = pg.textWidth(f, s.addressNote) + 5;
            pg.box(Right - w, y, w, 5.5, Thin);
            pg.text(Right - w, y, w, 5.5, Qt::AlignCenter, f, s.addressNote);
        }
        y += 7;
    }

    // Columns: label, address (decimal over the 40 digits), function, [increment, next],
    // outputs.
    const double labelW = 17;
    const double addressW = 55;
    const double markPitch = s.series ? 5.8 : 8;
    const double outputsW = 4 * markPitch;
    const double incW = s.series ? 15 : 0;
    const double nextW = s.lastProgrammed ? 25.5 : 0;
    const double xAddress = Left + labelW;
    const double xFunction = xAddress + addressW + 3;
    const double xOutputs = Right - outputsW;
    const double xNext = xOutputs - nextW - (nextW > 0 ? 1.5 : 0);
    const double xInc = xNext - incW;
    const double functionW = xInc - xFunction - 2;

    const QFont head = pg.font(s.series ? 8 : 8.5, true);
    const double headH = s.codes.empty() ? 0 : 5;
    if (headH > 0) {
        pg.text(xAddress, y, addressW, headH, Qt::AlignLeft | Qt::AlignVCenter, head, s.columnAddress);
        pg.text(xFunction, y, functionW, headH, Qt::AlignLeft | Qt::AlignVCenter, head, s.columnFunction);
        if (incW > 0)
            pg.text(xInc - 8, y, incW + 8, headH, Qt::AlignRight | Qt::AlignVCenter, head,
                    s.columnIncrement);   // may reach into the function column's head
        if (nextW > 0)
            pg.text(xNext, y, nextW, headH, Qt::AlignRight | Qt::AlignVCenter, head, s.columnNext);
        pg.text(xOutputs, y, outputsW, headH, Qt::AlignHCenter | Qt::AlignVCenter, head, s.columnOutputs);
        y += headH + 0.5;
        pg.line(Left, y, Right, y, Thin);
    }

    const double rowH = 8.4;
    const QFont label = pg.font(9.5, true);
    const QFont address = pg.font(11, true, true);
    const QFont binary = pg.font(6.1, false, true);
    const QFont function = pg.font(s.series ? 9.5 : 10, true);
    const QFont time = pg.font(8.5);
    const QFont series = pg.font(8.5, false, true);
    const double mark = s.series ? 4.4 : 4.8;
    for (const SheetCode& c : s.codes) {
        pg.text(Left, y, labelW, 5.2, Qt::AlignLeft | Qt::AlignBottom, label, c.label);
        if (!c.address.isEmpty()) {
            pg.text(xAddress, y, addressW, 5.2, Qt::AlignLeft | Qt::AlignBottom, address, c.address);
            if (!c.binary.isEmpty())
                pg.digits(xAddress, y + 5.4, 3, binary, c.binary);
        }
        pg.text(xFunction, y, functionW, 5.2, Qt::AlignLeft | Qt::AlignBottom, function,
                pg.elided(function, c.function, functionW, Qt::ElideRight));
        if (!c.time.isEmpty())
            pg.text(xFunction, y + 5.2, functionW, 3.4, Qt::AlignLeft | Qt::AlignVCenter, time, c.time);
        if (incW > 0)
            pg.text(xInc, y, incW, 5.2, Qt::AlignRight | Qt::AlignBottom, series, c.increment);
        if (nextW > 0 && !c.next.isEmpty())
            pg.text(xNext, y, nextW, 5.2, Qt::AlignRight | Qt::AlignBottom, series, c.next);
        if (c.used) {
            for (int k = 0; k < 4; ++k)
                pg.outputMark(xOutputs + k * markPitch + (markPitch - mark) / 2, y + 1.6, mark,
                              k + 1, c.outputs[size_t(k)]);
        }
        y += rowH;
        pg.line(Left, y, Right, y, Hairline, Grey);
    }
    if (!s.codeNotes.isEmpty()) {
        const QFont f = pg.font(9.5, true);
        double ny = y + 2;
        for (const QString& note : s.codeNotes) {
            pg.text(Left + 3, ny, Width - 6, 9, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, f, note);
            ny += pg.lineHeight(f) * (pg.textWidth(f, note) > Width - 6 ? 2 : 1) + 0.8;
        }
        pg.box(Left, y + 0.8, Width, ny - y, Hairline);
        y = ny + 1.5;
    }
    return y + 4;
}

double paintBasics(Page& pg, const Sheet& s, double y)
{
    y = pg.heading(y, s.basicsHeading);
    const QFont label = pg.font(9.5);
    const QFont value = pg.font(9.5, true);
    const double rowH = 5.6;
    const double valueX = Left + 36;
    double ly = y;
    auto field = [&](const QString& l, const QString& v) {
        pg.text(Left, ly, 36, rowH, Qt::AlignLeft | Qt::AlignVCenter, label, l);
        pg.text(valueX, ly, 60, rowH, Qt::AlignLeft | Qt::AlignVCenter, value, v);
        ly += rowH;
    };
    // Check count and lock time, the start states, then the rest as the window orders them.
    for (size_t i = 0; i < s.basics.size(); ++i) {
        field(s.basics[i].label, s.basics[i].value);
        if (i == 1) {
            pg.text(Left, ly, 36, rowH, Qt::AlignLeft | Qt::AlignVCenter, label, s.startStatesLabel);
            for (int k = 0; k < 4; ++k)
                pg.outputMark(valueX + k * 6.5, ly + 0.6, 4.4, k + 1, s.startStates[size_t(k)]);
            ly += rowH;
        }
    }

    // The interlock grid: columns 1..4, rows OUT 1..OUT 4, the diagonal greyed.
    const double gx = 112;
    pg.text(gx, y, Right - gx, rowH, Qt::AlignLeft | Qt::AlignVCenter, label, s.interlockHeading);
    const double cell = 5.4;
    const double pitch = 6.6;
    const double cx = gx + 16;
    double gy = y + rowH + 0.5;
    const QFont small = pg.font(8.5, true);
    for (int c = 0; c < 4; ++c)
        pg.text(cx + c * pitch, gy, cell, 4.5, Qt::AlignCenter, small, QString::number(c + 1));
    gy += 5;
    for (int r = 0; r < 4; ++r) {
        const double ry = gy + r * pitch;
        pg.text(gx, ry, 15, cell, Qt::AlignLeft | Qt::AlignVCenter, label,
                QStringLiteral("OUT %1").arg(r + 1));
        for (int c = 0; c < 4; ++c) {
            const double x = cx + c * pitch;
            if (r == c) {
                pg.box(x, ry, cell, cell, Hairline, LightGrey);
                continue;
            }
            pg.box(x, ry, cell, cell, Hairline);
            if (s.interlock[size_t(r)][size_t(c)])
                pg.tick(x, ry, cell);
        }
    }
    const double sy = gy + 4 * pitch + 0.5;
    const QFont summary = pg.font(8.5);
    const int summaryLines = pg.textWidth(summary, s.interlockSummary) > Right - gx ? 2 : 1;
    pg.text(gx, sy, Right - gx, 9, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, summary,
            s.interlockSummary);
    return std::max(ly, sy + summaryLines * pg.lineHeight(summary)) + 4;
}

double paintParallel(Page& pg, const Sheet& s, double y)
{
    if (s.parallel.empty())
        return y;
    y = pg.heading(y, s.parallelHeading);
    const QFont label = pg.font(9.5);
    const QFont value = pg.font(9.5, true);
    const QFont binary = pg.font(8.5, true, true);
    for (const SheetField& f : s.parallel) {
        pg.text(Left, y, 36, 5.6, Qt::AlignLeft | Qt::AlignVCenter, label, f.label);
        double x = Left + 36;
        if (!f.binary.isEmpty())
            x = pg.digits(x, y + 0.8, 4, binary, f.binary) + 2;
        pg.text(x, y, Right - x, 5.6, Qt::AlignLeft | Qt::AlignVCenter, value, f.value);
        y += 5.6;
    }
    return y + 3;
}

// Splits a comment line into lines that fit width, at blanks where it can, blanks as
// written; stops after limit lines.
void wrapInto(QStringList& out, const QFontMetricsF& fm, const QString& line, double width, int limit)
{
    QString rest = line;
    rest.replace(QLatin1Char('\t'), QStringLiteral("    "));
    while (out.size() < limit) {
        // The longest start that fits, by the characters' advances.
        double used = 0;
        int cut = 0;
        while (cut < rest.size() && used + fm.horizontalAdvance(rest.at(cut)) <= width)
            used += fm.horizontalAdvance(rest.at(cut++));
        if (cut == rest.size()) {
            out << rest;
            return;
        }
        const int blank = rest.lastIndexOf(QLatin1Char(' '), cut);
        cut = blank > 0 ? blank + 1 : std::max(cut, 1);
        out << rest.left(cut);
        rest = rest.mid(cut);
    }
}

void paintComment(Page& pg, const Sheet& s, double y)
{
    y = pg.heading(y, s.commentHeading);
    const QFont f = pg.font(9);
    const double lh = pg.lineHeight(f);
    const int room = std::max(1, int((FootTop - 2 - y) / lh));
    // Blank lines at the end take no room.
    qsizetype count = s.comment.size();
    while (count > 0 && s.comment.at(count - 1).trimmed().isEmpty())
        --count;
    const QFontMetricsF fm(f, pg.painter().device());
    QStringList lines;
    for (qsizetype i = 0; i < count && lines.size() <= room; ++i)
        wrapInto(lines, fm, s.comment.at(i), pg.dots(Width - 2), room + 1);
    // A comment too long for the page ends at a line's end, followed by the note.
    const bool cut = lines.size() > room;
    if (cut)
        lines = lines.mid(0, room - 1);
    for (int i = 0; i < lines.size(); ++i)
        pg.text(Left + 1, y + i * lh, Width - 2, lh, Qt::AlignLeft | Qt::AlignVCenter, f, lines[i]);
    if (cut)
        pg.text(Left + 1, y + lines.size() * lh, Width - 2, lh, Qt::AlignLeft | Qt::AlignVCenter,
                pg.font(9, true), s.commentCut);
}

void paintFoot(Page& pg, const Sheet& s)
{
    const QFont f = pg.font(8);
    const double half = (Width - 10) / 2;
    for (int i = 0; i < s.handFields.size(); ++i) {
        const double x = Left + (i % 2) * (half + 10);
        const double y = FootTop + 8 + (i / 2) * 12;
        pg.line(x, y, x + half, y, Thin);
        pg.text(x, y + 0.6, half, 3.8, Qt::AlignLeft | Qt::AlignVCenter, f, s.handFields[i], Grey);
    }
}

}  // namespace

QString sheetFontFamily(bool mono)
{
    registerFonts();
    return mono ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans");
}

bool paintSheet(QPaintDevice& device, const Sheet& sheet)
{
    registerSheetPictures();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    // A page smaller than A4 (a printer set to Letter): the sheet shrunk to fit it.
    const double fit = std::min({1.0, device.width() / (SheetWidthMm * dotsPerMm),
                                 device.height() / (SheetHeightMm * dotsPerMm)});
    if (fit < 1.0)
        painter.scale(fit, fit);
    Page pg(painter, dotsPerMm);

    double y = paintHead(pg, sheet);
    y = paintTransmitter(pg, sheet, y);
    y = paintCodes(pg, sheet, y);
    y = paintBasics(pg, sheet, y);
    y = paintParallel(pg, sheet, y);
    paintComment(pg, sheet, y);
    paintFoot(pg, sheet);
    return painter.end();
}

QImage sheetPicture(const Sheet& sheet, int dpi)
{
    const double dotsPerMm = dpi / 25.4;
    QImage image(qRound(SheetWidthMm * dotsPerMm), qRound(SheetHeightMm * dotsPerMm),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    paintSheet(image, sheet);
    return image;
}

QByteArray sheetPdf(const Sheet& sheet)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
        pdf.setResolution(600);
        pdf.setTitle(sheet.projectName);
        pdf.setCreator(sheet.version.simplified());
        paintSheet(pdf, sheet);
    }
    buffer.close();
    return bytes;
}

bool writeSheetPdf(const Sheet& sheet, const QString& path, QString* reason,
                   const QString& configuration)
{
    const QFileInfo kept(configuration);
    if (!configuration.isEmpty() && kept.exists()
        && kept.canonicalFilePath() == QFileInfo(path).canonicalFilePath()) {
        if (reason)
            *reason = QCoreApplication::translate("Sheet", "die Ausgabe wäre die Konfigurationsdatei selbst");
        return false;
    }
    return ReplaceFile(path, sheetPdf(sheet), reason);
}

}  // namespace fbe
