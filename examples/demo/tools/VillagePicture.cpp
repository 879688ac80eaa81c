#include "VillagePicture.h"

#include <QPainter>
#include <QPolygon>

namespace {

// Buildings as the page's AREA tags trace them; a change here must be made there too.
const QRect townHall(QPoint(40, 40), QPoint(150, 120));
const QRect school(QPoint(240, 40), QPoint(360, 120));
const QPolygon church({{50, 260}, {50, 200}, {95, 175}, {140, 200}, {140, 260}});
const QPolygon park({{230, 180}, {370, 180}, {370, 270}, {300, 280}, {240, 250}});
const QPoint fountainCentre(200, 150);
constexpr int fountainRadius = 22;

void drawStreets(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xb8, 0xb8, 0xb0));
    painter.drawRect(0, 138, 400, 24);
    painter.drawRect(188, 0, 24, 300);
    painter.setPen(QPen(Qt::white, 2, Qt::DashLine));
    painter.drawLine(0, 150, 400, 150);
    painter.drawLine(200, 0, 200, 300);
}

void drawBuilding(QPainter &painter, const QRect &walls, const QColor &roof)
{
    painter.setPen(QPen(QColor(0x40, 0x30, 0x20), 2));
    painter.setBrush(roof);
    painter.drawRect(walls);
    painter.drawLine(walls.topLeft(), walls.center());
    painter.drawLine(walls.bottomLeft(), walls.center());
    painter.drawLine(walls.topRight(), walls.center());
    painter.drawLine(walls.bottomRight(), walls.center());
}

void drawPark(QPainter &painter)
{
    painter.setPen(QPen(QColor(0x20, 0x60, 0x20), 2));
    painter.setBrush(QColor(0x70, 0xc0, 0x60));
    painter.drawPolygon(park);
    painter.setBrush(QColor(0x20, 0x80, 0x30));
    for (const QPoint tree :
         {QPoint(260, 200), QPoint(300, 215), QPoint(345, 200), QPoint(330, 250), QPoint(280, 245)})
        painter.drawEllipse(tree, 11, 11);
}

void drawLandmarks(QPainter &painter)
{
    drawBuilding(painter, townHall, QColor(0xc0, 0x50, 0x40));
    drawBuilding(painter, school, QColor(0xd0, 0x90, 0x40));
    painter.setPen(QPen(QColor(0x40, 0x30, 0x20), 2));
    painter.setBrush(QColor(0xa0, 0xa0, 0xb8));
    painter.drawPolygon(church);
    painter.drawLine(95, 185, 95, 215);
    painter.drawLine(83, 195, 107, 195);
    painter.setBrush(QColor(0x40, 0x90, 0xe0));
    painter.drawEllipse(fountainCentre, fountainRadius, fountainRadius);
    drawPark(painter);
}

void drawLabel(QPainter &painter, const QRect &box, const QString &text)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    const QRect plate =
        painter.fontMetrics().boundingRect(box, Qt::AlignCenter, text).adjusted(-3, -1, 3, 1);
    painter.drawRect(plate);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
}

void drawLabels(QPainter &painter)
{
    QFont font = painter.font();
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    drawLabel(painter, townHall, "Mairie");
    drawLabel(painter, school, "École");
    drawLabel(painter, QRect(50, 225, 90, 30), "Église");
    drawLabel(painter, QRect(250, 225, 110, 20), "Parc");
    drawLabel(painter, QRect(150, 168, 100, 20), "Fontaine");
}

} // namespace

QImage VillagePicture::draw()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(0xd8, 0xe8, 0xb0));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawStreets(painter);
    drawLandmarks(painter);
    drawLabels(painter);
    return image;
}
