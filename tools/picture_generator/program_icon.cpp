// The program icon: a small coil with a spark on a violet tile, drawn on a 64-unit grid.
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace pictures {
namespace {

constexpr double kGrid = kIconGrid;

void paintTile(QPainter& p)
{
    QLinearGradient fill(0, 0, 0, kGrid);
    fill.setColorAt(0.0, QColor(72, 40, 150));
    fill.setColorAt(1.0, QColor(18, 10, 46));
    p.setPen(QPen(QColor(10, 6, 26), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1.5, 1.5, kGrid - 3, kGrid - 3), 12, 12);
    QRadialGradient glow(QPointF(32, 20), 26);
    glow.setColorAt(0.0, QColor(190, 140, 255, 150));
    glow.setColorAt(1.0, QColor(190, 140, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(1.5, 1.5, kGrid - 3, kGrid - 3), 12, 12);
}

} // namespace

void paintCoilBody(QPainter& p)
{
    QLinearGradient copper(25, 0, 39, 0);
    copper.setColorAt(0.0, QColor(110, 56, 22));
    copper.setColorAt(0.35, QColor(240, 160, 90));
    copper.setColorAt(1.0, QColor(90, 44, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(copper);
    p.drawRect(QRectF(26, 26, 12, 28));
    p.setPen(QPen(QColor(60, 28, 10, 150), 0.8));
    for (double y = 29; y < 54; y += 3)
        p.drawLine(QPointF(26, y), QPointF(38, y));
    // Base plate.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 34, 50));
    p.drawRoundedRect(QRectF(16, 53, 32, 6), 2, 2);
    // Toroid.
    QLinearGradient metal(0, 17, 0, 29);
    metal.setColorAt(0.0, QColor(250, 250, 255));
    metal.setColorAt(0.5, QColor(150, 154, 172));
    metal.setColorAt(1.0, QColor(70, 72, 90));
    p.setPen(QPen(QColor(20, 20, 30), 0.8));
    p.setBrush(metal);
    p.drawEllipse(QRectF(14, 17, 36, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 44));
    p.drawEllipse(QRectF(25, 19.5, 14, 3.5));
}

namespace {

void paintSpark(QPainter& p, const QPointF* points, int count, double width)
{
    p.setPen(QPen(QColor(170, 110, 255, 140), width * 3.2, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPolyline(points, count);
    p.setPen(QPen(QColor(255, 250, 255), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(points, count);
}

void paintSparks(QPainter& p)
{
    const QPointF right[] = {{50, 22}, {54, 17}, {52, 13}, {58, 8}};
    const QPointF left[] = {{14, 22}, {10, 18}, {12, 13}, {6, 9}};
    const QPointF up[] = {{36, 17}, {33, 12}, {37, 8}, {34, 4}};
    paintSpark(p, right, 4, 1.4);
    paintSpark(p, left, 4, 1.4);
    paintSpark(p, up, 4, 1.1);
}

} // namespace

void paintProgramIcon(QPainter& p)
{
    paintTile(p);
    paintCoilBody(p);
    paintSparks(p);
}

QImage iconImage(void (*paint)(QPainter&), int sizePixels)
{
    QImage image(sizePixels, sizePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(sizePixels / kIconGrid, sizePixels / kIconGrid);
    paint(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage programIcon(int sizePixels) { return iconImage(paintProgramIcon, sizePixels); }

} // namespace pictures
