#include "PictureArt.h"

#include "ArtPalette.h"
#include "ArtTools.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

using namespace ArtPalette;
using namespace ArtTools;

namespace {

// A browser window: title bar, address line and an empty white page, ready for its emblem.
void browserWindow(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 70), 1));
    painter.setBrush(kWhite);
    painter.drawRoundedRect(QRectF(1.5, 2.5, 29, 27), 2, 2);
    painter.setBrush(QColor(40, 90, 170));
    painter.drawRoundedRect(QRectF(1.5, 2.5, 29, 6), 2, 2);
    painter.fillRect(QRectF(24, 4, 3, 3), QColor(240, 240, 240));
    painter.setPen(QColor(150, 150, 160));
    painter.drawLine(QPointF(4, 11.5), QPointF(28, 11.5));
}

void globe(QPainter &painter, QPointF centre, double radius)
{
    painter.setPen(QPen(QColor(20, 60, 140), 1.2));
    painter.setBrush(QColor(70, 150, 230));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(60, 170, 80));
    painter.setPen(Qt::NoPen);
    QPainterPath land;
    land.addEllipse(centre + QPointF(-3.5, -2.5), 3.5, 2.5);
    land.addEllipse(centre + QPointF(3, 3), 3, 3.5);
    painter.drawPath(land);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(230, 240, 255, 170), 0.8));
    painter.drawEllipse(centre, radius * 0.45, radius);
    painter.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
}

void compass(QPainter &painter, QPointF centre, double radius)
{
    painter.setPen(QPen(QColor(90, 70, 30), 1.2));
    painter.setBrush(QColor(250, 235, 190));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawPolygon(QPolygonF{centre + QPointF(0, -radius + 1.5), centre + QPointF(2.2, 0),
                                  centre + QPointF(-2.2, 0)});
    painter.setBrush(QColor(60, 60, 80));
    painter.drawPolygon(QPolygonF{centre + QPointF(0, radius - 1.5), centre + QPointF(2.2, 0),
                                  centre + QPointF(-2.2, 0)});
    painter.setBrush(kWhite);
    painter.drawEllipse(centre, 1.2, 1.2);
}

// A browser window showing an emblem on its page.
QImage browser(void (*emblem)(QPainter &, QPointF, double))
{
    QImage image = blankCanvas(32, 32);
    QPainter painter(&image);
    browserWindow(painter);
    emblem(painter, QPointF(16, 20.5), 7.5);
    return image;
}

// A landscape picture: sky, sun, hills and a house, in the sixteen colours, no smoothing.
void landscape(QPainter &painter, const QRect &frame)
{
    painter.fillRect(frame, kAqua);
    const int w = frame.width();
    const int h = frame.height();
    const QPoint o = frame.topLeft();
    painter.setPen(kOlive);
    painter.setBrush(kYellow);
    painter.drawEllipse(QPoint(o.x() + w * 3 / 4, o.y() + h / 4), w / 9, w / 9);
    painter.setPen(kGreen);
    painter.setBrush(kGreen);
    painter.drawPolygon(QPolygon{{o.x(), o.y() + h - 1},
                                 {o.x(), o.y() + h * 3 / 5},
                                 {o.x() + w / 4, o.y() + h * 2 / 5},
                                 {o.x() + w / 2, o.y() + h * 3 / 5},
                                 {o.x() + w * 3 / 4, o.y() + h / 2},
                                 {o.x() + w - 1, o.y() + h * 2 / 3},
                                 {o.x() + w - 1, o.y() + h - 1}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLime);
    painter.drawPolygon(QPolygon{{o.x() + w / 4, o.y() + h * 2 / 5},
                                 {o.x() + w / 4 + w / 10, o.y() + h / 2},
                                 {o.x() + w / 4 - w / 12, o.y() + h / 2}});
}

void house(QPainter &painter, QPoint bottomLeft, int size)
{
    const QRect walls(bottomLeft.x(), bottomLeft.y() - size + 1, size, size);
    painter.fillRect(walls, kWhite);
    painter.setPen(kBlack);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(walls.adjusted(0, 0, -1, -1));
    painter.setBrush(kRed);
    painter.drawPolygon(QPolygon{{walls.left() - 2, walls.top()},
                                 {walls.center().x(), walls.top() - size / 2},
                                 {walls.right() + 2, walls.top()}});
    painter.fillRect(walls.center().x() - size / 8, walls.bottom() - size / 2 + 1, size / 4,
                     size / 2, kMaroon);
}

void framedPicture(QPainter &painter, const QRect &frame)
{
    painter.fillRect(frame, kBlack);
    landscape(painter, frame.adjusted(1, 1, -1, -1));
}

// The editor's arrow pointer, white with a black outline.
void pointer(QPainter &painter, QPoint tip, int scale)
{
    QPolygon arrow{{0, 0}, {0, 11}, {3, 8}, {5, 12}, {7, 11}, {5, 7}, {9, 7}};
    for (QPoint &point : arrow)
        point = tip + point * scale;
    painter.setPen(kBlack);
    painter.setBrush(kWhite);
    painter.drawPolygon(arrow);
}

// A page of text lines as the assistant shows it, with a navy title bar.
void page(QPainter &painter, const QRect &sheet)
{
    painter.fillRect(sheet.translated(4, 4), kShadow);
    painter.fillRect(sheet, kWhite);
    painter.setPen(kBlack);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
    painter.fillRect(sheet.left() + 1, sheet.top() + 1, sheet.width() - 2, 12, kNavy);
    painter.fillRect(sheet.right() - 10, sheet.top() + 4, 6, 6, kFace);
    painter.setPen(kShadow);
    for (int y = sheet.top() + 22; y < sheet.top() + 50; y += 7)
        painter.drawLine(sheet.left() + 10, y, sheet.right() - 10 - (y % 3) * 12, y);
    for (int y = sheet.bottom() - 40; y < sheet.bottom() - 8; y += 7)
        painter.drawLine(sheet.left() + 10, y, sheet.right() - 10 - (y % 4) * 10, y);
}

} // namespace

namespace PictureArt {

QImage browserGlobe()
{
    return browser(globe);
}

QImage browserCompass()
{
    return browser(compass);
}

QImage imageMap()
{
    QImage image = blankCanvas(32, 32);
    QPainter painter(&image);
    framedPicture(painter, QRect(1, 3, 30, 26));
    house(painter, QPoint(5, 25), 7);
    painter.setPen(QPen(kRed, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(2, 13, 12, 14);
    painter.setPen(kNavy);
    painter.drawEllipse(QPoint(24, 10), 5, 5);
    for (QPoint corner : {QPoint(2, 13), QPoint(14, 13), QPoint(2, 27), QPoint(14, 27)})
        drawHandle(painter, corner);
    return image;
}

QImage zone()
{
    QImage image = blankCanvas(32, 32);
    QPainter painter(&image);
    painter.fillRect(1, 1, 30, 30, kWhite);
    painter.setPen(kShadow);
    painter.drawRect(1, 1, 29, 29);
    const QPolygon outline{{4, 24}, {8, 5}, {22, 3}, {27, 14}, {17, 17}, {15, 26}};
    drawZone(painter, outline, kNavy, QBrush(kNavy, Qt::DiagCrossPattern), 3);
    pointer(painter, QPoint(19, 18), 1);
    return image;
}

QImage assistant()
{
    QImage image = blankCanvas(193, 234);
    QPainter painter(&image);
    const QRect sheet(8, 6, 170, 214);
    page(painter, sheet);
    const QRect picture(sheet.left() + 10, sheet.top() + 56, sheet.width() - 20, 100);
    framedPicture(painter, picture);
    house(painter, QPoint(picture.left() + 22, picture.bottom() - 8), 26);

    painter.setPen(QPen(kRed, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    const QRect houseZone(picture.left() + 14, picture.bottom() - 50, 44, 46);
    painter.drawRect(houseZone);
    for (QPoint corner : {houseZone.topLeft(), houseZone.topRight(), houseZone.bottomLeft(),
                          houseZone.bottomRight()})
        drawHandle(painter, corner, 5);

    painter.setPen(QPen(kNavy, 2));
    painter.drawEllipse(QPoint(picture.left() + picture.width() * 3 / 4, picture.top() + 25), 18,
                        18);

    const QPolygon hill{{picture.left() + 75, picture.bottom() - 8},
                        {picture.left() + 96, picture.top() + 52},
                        {picture.left() + 126, picture.top() + 62},
                        {picture.right() - 6, picture.bottom() - 8}};
    drawZone(painter, hill, kPurple, QBrush(kPurple, Qt::DiagCrossPattern), 5);

    pointer(painter, QPoint(picture.right() - 12, picture.bottom() - 10), 3);
    return image;
}

} // namespace PictureArt
