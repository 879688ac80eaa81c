#include "FloorPlanPicture.h"

#include <QPainter>
#include <QPolygon>

namespace {

// Rooms as the page's AREA tags trace them; a change here must be made there too.
const QPolygon livingRoom({{20, 20}, {260, 20}, {260, 240}, {140, 240}, {140, 180}, {20, 180}});
const QRect kitchen(QPoint(260, 20), QPoint(460, 140));
const QRect bedroom(QPoint(260, 140), QPoint(460, 300));
const QRect bathroom(QPoint(20, 180), QPoint(140, 300));
const QRect hall(QPoint(140, 240), QPoint(260, 300));
const QPoint tableCentre(140, 100);
constexpr int tableRadius = 40;

void fillRooms(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf3, 0xe2, 0xc0));
    painter.drawPolygon(livingRoom);
    painter.setBrush(QColor(0xd8, 0xe8, 0xf0));
    painter.drawRect(kitchen);
    painter.setBrush(QColor(0xe8, 0xd8, 0xf0));
    painter.drawRect(bedroom);
    painter.setBrush(QColor(0xc8, 0xf0, 0xf0));
    painter.drawRect(bathroom);
    painter.setBrush(QColor(0xe0, 0xe0, 0xd8));
    painter.drawRect(hall);
}

void drawWalls(QPainter &painter)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 6, Qt::SolidLine, Qt::SquareCap));
    painter.drawRect(QRect(QPoint(20, 20), QPoint(460, 300)));
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(260, 20, 260, 90);
    painter.drawLine(260, 120, 260, 200);
    painter.drawLine(260, 230, 260, 300);
    painter.drawLine(260, 140, 330, 140);
    painter.drawLine(370, 140, 460, 140);
    painter.drawLine(20, 180, 140, 180);
    painter.drawLine(140, 180, 140, 250);
    painter.drawLine(140, 280, 140, 300);
    painter.drawLine(140, 240, 260, 240);
    // The front door: a gap in the outer wall below the hall.
    painter.setPen(QPen(Qt::white, 7));
    painter.drawLine(175, 300, 225, 300);
}

void drawFurniture(QPainter &painter)
{
    painter.setPen(QPen(QColor(0x70, 0x50, 0x30), 2));
    painter.setBrush(QColor(0xb0, 0x80, 0x50));
    painter.drawEllipse(tableCentre, tableRadius, tableRadius);
    painter.setBrush(QColor(0x90, 0x90, 0xa0));
    painter.drawRect(30, 130, 90, 30);
    painter.setBrush(Qt::white);
    painter.drawRect(350, 200, 90, 80);
    painter.drawRect(30, 230, 40, 60);
    painter.setBrush(QColor(0x80, 0x80, 0x80));
    painter.drawRect(380, 30, 70, 30);
}

void drawLabels(QPainter &painter)
{
    painter.setPen(QColor(0x20, 0x20, 0x20));
    QFont font = painter.font();
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(150, 150, 100, 24), Qt::AlignCenter, "Salon");
    painter.drawText(kitchen, Qt::AlignCenter, "Cuisine");
    painter.drawText(QRect(270, 150, 180, 40), Qt::AlignCenter, "Chambre");
    painter.drawText(QRect(60, 190, 80, 40), Qt::AlignCenter, "Bains");
    painter.drawText(hall, Qt::AlignCenter, "Entrée");
    font.setPixelSize(12);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRect(tableCentre.x() - 40, tableCentre.y() - 10, 80, 20), Qt::AlignCenter,
                     "Table");
}

} // namespace

QImage FloorPlanPicture::draw()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillRooms(painter);
    drawFurniture(painter);
    drawWalls(painter);
    drawLabels(painter);
    return image;
}
