#pragma once

#include "ZonepackExport.h"

#include <QHash>
#include <QImage>
#include <QRgb>

class QPalette;

// Colour substitutions applied to a bitmap before it is drawn, all in one pass.
class ZONEPACK_EXPORT ResColourMap
{
public:
    ResColourMap() = default;
    // The bitmap greys take the palette's 3-D colours: dark grey the shadow, grey the button
    // face, light grey the 3-D light.
    static ResColourMap threeD(const QPalette &palette);
    static ResColourMap single(QRgb from, QRgb to);

    bool isEmpty() const { return mMap.isEmpty(); }
    // A copy of image where each pixel whose colour is mapped takes its new colour.
    QImage apply(const QImage &image) const;

private:
    void add(QRgb from, QRgb to);

    QHash<QRgb, QRgb> mMap;
};
