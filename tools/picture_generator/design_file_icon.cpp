// The design file's icon: a sheet of paper with a folded corner, and the program's coil on it.
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace pictures {
namespace {

constexpr double kPageLeft = 10;
constexpr double kPageRight = 54;
constexpr double kPageTop = 3;
constexpr double kPageBottom = 61;
constexpr double kFold = 13; // the folded corner's side

void paintPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(kPageLeft, kPageTop);
    page.lineTo(kPageRight - kFold, kPageTop);
    page.lineTo(kPageRight, kPageTop + kFold);
    page.lineTo(kPageRight, kPageBottom);
    page.lineTo(kPageLeft, kPageBottom);
    page.closeSubpath();
    QLinearGradient paper(0, kPageTop, 0, kPageBottom);
    paper.setColorAt(0.0, QColor(255, 255, 255));
    paper.setColorAt(1.0, QColor(222, 220, 234));
    p.setPen(QPen(QColor(90, 84, 110), 1.2));
    p.setBrush(paper);
    p.drawPath(page);

    QPainterPath fold;
    fold.moveTo(kPageRight - kFold, kPageTop);
    fold.lineTo(kPageRight - kFold, kPageTop + kFold);
    fold.lineTo(kPageRight, kPageTop + kFold);
    fold.closeSubpath();
    p.setBrush(QColor(200, 196, 216));
    p.drawPath(fold);

    // A few lines of the file's text above the coil.
    p.setPen(QPen(QColor(72, 40, 150), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (double y = 10; y <= 18; y += 4) p.drawLine(QPointF(kPageLeft + 5, y), QPointF(kPageRight - kFold - 3, y));
}

} // namespace

void paintDesignFileIcon(QPainter& p)
{
    paintPage(p);
    // The program icon's coil stands on the page's lower part, a little smaller.
    constexpr double kCoilScale = 0.72;
    p.save();
    p.translate(32 - 32 * kCoilScale, 58 - 59 * kCoilScale);
    p.scale(kCoilScale, kCoilScale);
    paintCoilBody(p);
    p.restore();
}

} // namespace pictures
