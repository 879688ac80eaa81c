#include "ResLoader.h"

#include "ResBitmapCatalog.h"
#include "ResColourMap.h"
#include "ResStringTable.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

bool ResLoader::LoadResBitmap(QPainter *hDC, int ResId, int lLeft, int lTop) const
{
    return drawBitmap(hDC, ResId, lLeft, lTop, ResColourMap());
}

bool ResLoader::LoadRes3DBitmap(QPainter *hDC, int ResId, int lLeft, int lTop) const
{
    return drawBitmap(hDC, ResId, lLeft, lTop, ResColourMap::threeD(QGuiApplication::palette()));
}

bool ResLoader::LoadResTransparentBitmap(QPainter *hDC, int ResId, int lLeft, int lTop,
                                         QRgb lFromColor, QRgb lToColor) const
{
    return drawBitmap(hDC, ResId, lLeft, lTop, ResColourMap::single(lFromColor, lToColor));
}

QString ResLoader::LoadResTextString(int ResId) const
{
    return ResStringTable::text(ResId);
}

bool ResLoader::drawBitmap(QPainter *hDC, int ResId, int lLeft, int lTop,
                           const ResColourMap &map) const
{
    if (!hDC || !hDC->isActive() || !ResBitmapCatalog::find(ResId))
        return false;
    const QImage bitmap(ResBitmapCatalog::resourcePath(ResId));
    if (bitmap.isNull())
        return false;
    // A plain copy: the bitmap replaces what lies under it, whatever the painter's mode.
    hDC->save();
    hDC->setCompositionMode(QPainter::CompositionMode_Source);
    hDC->drawImage(lLeft, lTop, map.isEmpty() ? bitmap : map.apply(bitmap));
    hDC->restore();
    return true;
}
