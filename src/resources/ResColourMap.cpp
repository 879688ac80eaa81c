#include "ResColourMap.h"

#include <QPalette>

namespace {

// Colours are compared on their red, green and blue only; bitmaps are opaque.
QRgb opaque(QRgb colour)
{
    return colour | 0xFF000000u;
}

} // namespace

ResColourMap ResColourMap::threeD(const QPalette &palette)
{
    ResColourMap map;
    map.add(qRgb(128, 128, 128), palette.color(QPalette::Dark).rgb());
    map.add(qRgb(192, 192, 192), palette.color(QPalette::Button).rgb());
    map.add(qRgb(223, 223, 223), palette.color(QPalette::Midlight).rgb());
    return map;
}

ResColourMap ResColourMap::single(QRgb from, QRgb to)
{
    ResColourMap map;
    map.add(from, to);
    return map;
}

QImage ResColourMap::apply(const QImage &image) const
{
    QImage result = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            line[x] = mMap.value(opaque(line[x]), line[x]);
    }
    return result;
}

void ResColourMap::add(QRgb from, QRgb to)
{
    mMap.insert(opaque(from), opaque(to));
}
