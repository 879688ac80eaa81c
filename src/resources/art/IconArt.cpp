#include "IconArt.h"

#include "ArtPalette.h"
#include "ArtTools.h"

#include <QPainter>
#include <QPolygon>

using namespace ArtPalette;
using namespace ArtTools;

namespace {

// Sky, sun and hills inside a black-framed white picture.
void landscape(QPainter &painter, const QRect &frame, int sunSize)
{
    painter.fillRect(frame, kWhite);
    painter.setPen(kBlack);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    const QRect inside = frame.adjusted(1, 1, -1, -1);
    painter.fillRect(inside, kAqua);
    painter.fillRect(inside.right() - sunSize - 1, inside.top() + 1, sunSize, sunSize, kYellow);
    const int base = inside.bottom();
    const int w = inside.width();
    const QPolygon hills{{inside.left(), base},
                         {inside.left(), base - w / 4},
                         {inside.left() + w / 3, base - w / 2},
                         {inside.left() + w * 3 / 5, base - w / 5},
                         {inside.left() + w * 3 / 4, base - w / 3},
                         {inside.right(), base - w / 6},
                         {inside.right(), base}};
    drawZone(painter, hills, kGreen, QBrush(kGreen), 0);
}

// A double-headed arrow along one axis, heads two pixels wide on each side.
void measureArrow(QPainter &painter, QPoint from, QPoint to)
{
    painter.setPen(kRed);
    painter.drawLine(from, to);
    const bool horizontal = from.y() == to.y();
    const QPoint side = horizontal ? QPoint(0, 1) : QPoint(1, 0);
    const QPoint inward = horizontal ? QPoint(1, 0) : QPoint(0, 1);
    for (int step = 1; step <= 2; ++step) {
        painter.drawLine(from + inward * step - side * step, from + inward * step + side * step);
        painter.drawLine(to - inward * step - side * step, to - inward * step + side * step);
    }
}

void whiteCircle(QPainter &painter, QPoint centre, int radius)
{
    painter.setPen(kNavy);
    painter.setBrush(kWhite);
    painter.drawEllipse(centre, radius, radius);
}

void raisedButton(QPainter &painter, const QRect &area)
{
    painter.fillRect(area, kFace);
    painter.setPen(kWhite);
    painter.drawLine(area.topLeft(), area.topRight() - QPoint(1, 0));
    painter.drawLine(area.topLeft(), area.bottomLeft() - QPoint(0, 1));
    painter.setPen(kShadow);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
}

void triangle(QPainter &painter, QPoint apex, int height, bool pointsUp)
{
    const int direction = pointsUp ? 1 : -1;
    painter.setPen(kBlack);
    for (int row = 0; row < height; ++row)
        painter.drawLine(apex.x() - row, apex.y() + direction * row, apex.x() + row,
                         apex.y() + direction * row);
}

} // namespace

namespace IconArt {

QImage smallImageMap()
{
    QImage image = blankCanvas(13, 11);
    QPainter painter(&image);
    landscape(painter, QRect(0, 0, 13, 11), 2);
    painter.setPen(kRed);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(2, 3, 5, 5);
    return image;
}

QImage smallZone()
{
    QImage image = blankCanvas(13, 11);
    QPainter painter(&image);
    const QPolygon zone{{1, 1}, {11, 1}, {11, 9}, {1, 9}};
    drawZone(painter, zone, kNavy, QBrush(kAqua), 3);
    return image;
}

QImage picture()
{
    QImage image = blankCanvas(16, 16);
    QPainter painter(&image);
    landscape(painter, QRect(1, 2, 14, 12), 3);
    return image;
}

QImage htmlPage()
{
    QImage image = blankCanvas(16, 16);
    QPainter painter(&image);
    const QPolygon page{{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}};
    drawZone(painter, page, kBlack, QBrush(kWhite), 0);
    painter.setPen(kShadow);
    painter.drawLine(10, 2, 10, 4);
    painter.drawLine(10, 4, 12, 4);
    for (int y : {6, 8, 10, 12})
        painter.drawLine(5, y, y == 12 ? 8 : 11, y);
    painter.setPen(kBlue);
    painter.drawLine(5, 8, 9, 8);
    return image;
}

QImage position()
{
    QImage image = blankCanvas(16, 16);
    QPainter painter(&image);
    painter.setPen(kBlack);
    painter.drawLine(3, 1, 3, 13);
    painter.drawLine(3, 13, 15, 13);
    painter.drawLine(2, 2, 4, 2);
    painter.drawLine(14, 12, 14, 14);
    painter.setPen(kShadow);
    for (int i = 4; i <= 9; i += 2)
        painter.drawPoint(i, 5);
    for (int i = 7; i <= 12; i += 2)
        painter.drawPoint(10, i);
    painter.fillRect(9, 4, 3, 3, kRed);
    return image;
}

QImage circleCentre()
{
    QImage image = blankCanvas(16, 16);
    QPainter painter(&image);
    whiteCircle(painter, QPoint(7, 7), 6);
    painter.setPen(kRed);
    painter.drawLine(5, 7, 9, 7);
    painter.drawLine(7, 5, 7, 9);
    return image;
}

QImage dimensions()
{
    QImage image = blankCanvas(16, 16);
    QPainter painter(&image);
    painter.fillRect(2, 2, 10, 10, kWhite);
    painter.setPen(kNavy);
    painter.drawRect(2, 2, 9, 9);
    measureArrow(painter, QPoint(2, 14), QPoint(11, 14));
    measureArrow(painter, QPoint(14, 2), QPoint(14, 11));
    return image;
}

QImage radius()
{
    QImage image = blankCanvas(16, 16);
    QPainter painter(&image);
    whiteCircle(painter, QPoint(7, 7), 6);
    painter.setPen(kRed);
    painter.drawLine(7, 7, 12, 7);
    painter.fillRect(6, 6, 3, 3, kBlack);
    return image;
}

QImage polygonPoints()
{
    QImage image = blankCanvas(16, 16);
    QPainter painter(&image);
    const QPolygon zone{{2, 12}, {5, 2}, {13, 5}, {13, 13}, {8, 10}};
    drawZone(painter, zone, kNavy, QBrush(kWhite), 3);
    return image;
}

QImage upDownArrows()
{
    QImage image = blankCanvas(16, 28);
    QPainter painter(&image);
    raisedButton(painter, QRect(0, 0, 16, 14));
    raisedButton(painter, QRect(0, 14, 16, 14));
    triangle(painter, QPoint(7, 5), 4, true);
    triangle(painter, QPoint(7, 22), 4, false);
    return image;
}

} // namespace IconArt
