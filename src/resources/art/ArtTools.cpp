#include "ArtTools.h"

#include "ArtPalette.h"

#include <QPainter>

namespace ArtTools {

QImage blankCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ArtPalette::kFace);
    return image;
}

void drawHandle(QPainter &painter, QPoint centre, int size)
{
    painter.fillRect(centre.x() - size / 2, centre.y() - size / 2, size, size, ArtPalette::kBlack);
}

void drawZone(QPainter &painter, const QPolygon &zone, const QColor &line, const QBrush &fill,
              int handleSize)
{
    painter.setPen(line);
    painter.setBrush(fill);
    painter.drawPolygon(zone);
    if (handleSize <= 0)
        return;
    for (const QPoint &corner : zone)
        drawHandle(painter, corner, handleSize);
}

} // namespace ArtTools
