#pragma once

#include <QBrush>
#include <QImage>
#include <QPolygon>

class QPainter;

// Drawing steps shared by the icons and pictures.
namespace ArtTools {

// An opaque image filled with the grey that becomes the button face in 3-D drawing.
QImage blankCanvas(int width, int height);
// A square selection handle centred on a point, as the editor draws them.
void drawHandle(QPainter &painter, QPoint centre, int size = 3);
// A traced zone: its outline, its fill and, when handleSize is above 0, a handle on each vertex.
void drawZone(QPainter &painter, const QPolygon &zone, const QColor &line, const QBrush &fill,
              int handleSize);

} // namespace ArtTools
