#pragma once

#include "ZonepackExport.h"

#include <QRgb>
#include <QString>

class QPainter;
class ResColourMap;

// Draws the library's bitmaps onto a caller's painter and returns its strings; holds no state.
class ZONEPACK_EXPORT ResLoader
{
public:
    // Each drawing call copies the whole bitmap with its top-left corner at (lLeft, lTop) and
    // returns false, drawing nothing, when the id is unknown or the painter is not active.
    bool LoadResBitmap(QPainter *hDC, int ResId, int lLeft, int lTop) const;
    // As LoadResBitmap, with the bitmap's greys turned into the application palette's 3-D colours.
    bool LoadRes3DBitmap(QPainter *hDC, int ResId, int lLeft, int lTop) const;
    // As LoadResBitmap, with every pixel of colour lFromColor drawn in lToColor.
    bool LoadResTransparentBitmap(QPainter *hDC, int ResId, int lLeft, int lTop, QRgb lFromColor,
                                  QRgb lToColor) const;
    // The string table entry, or an empty string when there is none.
    QString LoadResTextString(int ResId) const;

private:
    bool drawBitmap(QPainter *hDC, int ResId, int lLeft, int lTop, const ResColourMap &map) const;
};
