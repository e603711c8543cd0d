// Fallback tool-bar pictures for desktops without an icon theme, drawn on a 24-unit grid.
#include "pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace pictures {
namespace {

constexpr int kGrid = 24;
const QColor kOutline(44, 52, 66);
const QColor kPaper(250, 250, 246);
const QColor kFolder(232, 180, 70);
const QColor kAccent(60, 110, 200);
const QColor kViolet(120, 70, 210);

void outlined(QPainter& p, QColor fill)
{
    p.setPen(QPen(kOutline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
}

void folder(QPainter& p)
{
    outlined(p, kFolder.darker(115));
    p.drawRoundedRect(QRectF(2.5, 5.5, 18, 14), 1.5, 1.5);
    QPainterPath flap;
    flap.moveTo(5, 10.5);
    flap.lineTo(22, 10.5);
    flap.lineTo(19.5, 19.5);
    flap.lineTo(2.5, 19.5);
    flap.closeSubpath();
    outlined(p, kFolder);
    p.drawPath(flap);
}

void floppy(QPainter& p, QRectF box)
{
    outlined(p, kAccent);
    p.drawRoundedRect(box, 1.5, 1.5);
    const double w = box.width();
    const double h = box.height();
    outlined(p, kPaper);
    p.drawRect(QRectF(box.left() + w * 0.2, box.top() + h * 0.5, w * 0.6, h * 0.45));
    p.setBrush(QColor(200, 210, 225));
    p.drawRect(QRectF(box.left() + w * 0.28, box.top(), w * 0.44, h * 0.3));
}

void sheet(QPainter& p, QRectF box)
{
    outlined(p, kPaper);
    p.drawRect(box);
    p.setPen(QPen(QColor(140, 150, 170), 1.0));
    for (double y = box.top() + 3.5; y < box.bottom() - 1.5; y += 3.0)
        p.drawLine(QPointF(box.left() + 2.5, y), QPointF(box.right() - 2.5, y));
}

void arrow(QPainter& p, QPointF from, QPointF to, QColor colour)
{
    p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = (to - from) / 3.0;
    const QPointF n(-d.y(), d.x());
    p.drawPolyline(QPolygonF{to - d + n, to, to - d - n});
}

void drawOpen(QPainter& p) { folder(p); }

void drawSave(QPainter& p) { floppy(p, QRectF(3.5, 3.5, 17, 17)); }

void drawPrint(QPainter& p)
{
    sheet(p, QRectF(6.5, 2.5, 11, 8));
    outlined(p, QColor(170, 178, 192));
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
    sheet(p, QRectF(6.5, 14.5, 11, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 200, 90));
    p.drawEllipse(QPointF(18.5, 12), 1.0, 1.0);
}

void drawAbout(QPainter& p)
{
    outlined(p, kAccent);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 10.5), QPointF(12, 17));
    p.drawPoint(QPointF(12, 7));
}

// A coupled pair of coils with a sine trace: the circuit netlist and simulator.
void drawNetlist(QPainter& p)
{
    outlined(p, kPaper);
    p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 2, 2);
    p.setPen(QPen(kViolet, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath wave(QPointF(4.5, 12));
    wave.cubicTo(QPointF(7, 3), QPointF(9.5, 3), QPointF(12, 12));
    wave.cubicTo(QPointF(14.5, 21), QPointF(17, 21), QPointF(19.5, 12));
    p.drawPath(wave);
    p.setPen(QPen(QColor(150, 160, 180), 0.8, Qt::DashLine));
    p.drawLine(QPointF(4.5, 12), QPointF(19.5, 12));
}

// The Coil Analysis: the coil's cross-section with its toroid, in the field's equipotential arcs.
void drawAnalysis(QPainter& p)
{
    outlined(p, kPaper);
    p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 2, 2);
    p.setBrush(Qt::NoBrush);
    const QColor arcs[] = {QColor(230, 90, 60), QColor(200, 120, 200), QColor(90, 130, 230)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(arcs[i], 1.1, Qt::SolidLine, Qt::RoundCap));
        const double half = 4 + 2.1 * i;
        p.drawArc(QRectF(12 - half, 9 - half * 0.7, 2 * half, 1.4 * half + 10), 0, 180 * 16);
    }
    outlined(p, QColor(196, 120, 60));
    p.drawRect(QRectF(10, 9.5, 4, 10));
    outlined(p, QColor(190, 196, 206));
    p.drawEllipse(QPointF(9, 8.5), 1.8, 1.8);
    p.drawEllipse(QPointF(15, 8.5), 1.8, 1.8);
    p.setPen(QPen(kOutline, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 19.5), QPointF(20, 19.5));
}

// The Tank Circuit: the flat primary spiral with its tap clip, wired to the tank capacitor.
void drawTank(QPainter& p)
{
    outlined(p, kPaper);
    p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 2, 2);
    p.setBrush(Qt::NoBrush);
    const QColor copper(196, 120, 60);
    p.setPen(QPen(copper, 1.3, Qt::SolidLine, Qt::RoundCap));
    // An Archimedean spiral of two and a half turns, drawn in short straight steps.
    QPainterPath spiral(QPointF(9, 12));
    constexpr int kSteps = 64;
    constexpr double kTurns = 2.5;
    constexpr double kOuterRadius = 6.2;
    constexpr double kTwoPi = 6.283185307179586;
    for (int i = 1; i <= kSteps; ++i) {
        const double fraction = static_cast<double>(i) / kSteps;
        const double angle = fraction * kTurns * kTwoPi;
        spiral.lineTo(QPointF(9 + fraction * kOuterRadius * std::cos(angle), 12 + fraction * kOuterRadius * std::sin(angle)));
    }
    p.drawPath(spiral);
    // The tap clip on the second turn, its lead to the capacitor's lower plate.
    p.setPen(QPen(QColor(220, 50, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 12), QPointF(17, 12));
    p.drawLine(QPointF(17, 12), QPointF(17, 8.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 50, 40));
    p.drawEllipse(QPointF(14, 12), 1.3, 1.3);
    p.setPen(QPen(kOutline, 1.8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(14, 8.5), QPointF(20, 8.5));
    p.drawLine(QPointF(14, 6), QPointF(20, 6));
    p.setPen(QPen(kOutline, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 6), QPointF(17, 4));
}

// How It Changes: a figure's curve against an input, its points marked, and the design's own
// value as a dashed line.
void drawHowItChanges(QPainter& p)
{
    outlined(p, kPaper);
    p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 2, 2);
    p.setPen(QPen(QColor(150, 160, 180), 0.8, Qt::DashLine));
    p.drawLine(QPointF(13, 4.5), QPointF(13, 19.5));
    p.setPen(QPen(kOutline, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPolyline(QPolygonF{QPointF(5, 4.5), QPointF(5, 19), QPointF(20, 19)});
    const QPointF curve[] = {{6.5, 17}, {9.5, 12}, {13, 9}, {16.5, 7.5}, {19.5, 7}};
    p.setPen(QPen(kAccent, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(curve, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(kViolet);
    for (const QPointF& point : curve) p.drawEllipse(point, 1.1, 1.1);
}

// The splash button: back to the start picture, a framed spark.
void drawSplash(QPainter& p)
{
    outlined(p, QColor(24, 16, 48));
    p.drawRoundedRect(QRectF(2.5, 3.5, 19, 17), 2, 2);
    const QPointF bolt[] = {{13, 5}, {9, 12.5}, {12.5, 12.5}, {10, 19}, {16, 10.5}, {12.5, 10.5},
                            {15, 5}};
    p.setPen(QPen(QColor(200, 160, 255), 0.8));
    p.setBrush(Qt::white);
    p.drawPolygon(bolt, 7);
}

// Inches and millimetres: a ruler with a two-way arrow.
void drawConverter(QPainter& p)
{
    outlined(p, QColor(240, 214, 120));
    p.drawRect(QRectF(2.5, 13.5, 19, 7));
    p.setPen(QPen(kOutline, 1.0));
    for (int i = 0; i <= 6; ++i) {
        const double x = 4.5 + i * 2.5;
        p.drawLine(QPointF(x, 13.5), QPointF(x, i % 2 == 0 ? 17.5 : 15.5));
    }
    arrow(p, QPointF(7, 7), QPointF(21, 7), kAccent);
    arrow(p, QPointF(17, 7), QPointF(3, 7), kAccent);
}

void drawScratchOpen(QPainter& p)
{
    sheet(p, QRectF(3.5, 2.5, 13, 18));
    arrow(p, QPointF(21, 20), QPointF(13, 12), QColor(40, 150, 70));
}

void drawScratchSave(QPainter& p)
{
    sheet(p, QRectF(3.5, 2.5, 13, 18));
    floppy(p, QRectF(12.5, 12.5, 9, 9));
}

struct ToolbarIcon {
    const char* name;
    void (*draw)(QPainter&);
};

constexpr ToolbarIcon kIcons[] = {
    {"open", drawOpen},         {"save", drawSave},
    {"print", drawPrint},       {"about", drawAbout},
    {"netlist", drawNetlist},   {"analysis", drawAnalysis},
    {"tank", drawTank},         {"how_it_changes", drawHowItChanges},
    {"splash", drawSplash},
    {"converter", drawConverter}, {"scratch_open", drawScratchOpen},
    {"scratch_save", drawScratchSave},
};

} // namespace

QStringList toolbarIconNames()
{
    QStringList names;
    for (const ToolbarIcon& icon : kIcons)
        names << QString::fromLatin1(icon.name);
    return names;
}

QImage toolbarIcon(const QString& name, int scale)
{
    QImage image(kGrid * scale, kGrid * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (const ToolbarIcon& icon : kIcons) {
        if (name != QLatin1String(icon.name))
            continue;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        icon.draw(painter);
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace pictures
