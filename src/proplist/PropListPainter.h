#pragma once

#include "NorvixProps3Export.h"
#include "PropItem.h"

#include <QPalette>
#include <QSize>

class QPainter;

// Draws the grid, captions and values of the property list onto its surface.
class NORVIXPROPS3_EXPORT PropListPainter
{
public:
    PropListPainter(QPainter &painter, const QPalette &palette, QSize listSize);

    // Grid lines under the first rows, and the split line down to splitBottom.
    void drawGrid(int rows, int splitBottom);
    // One row; the selected item's value cell is left to the edit box for text items and
    // stays untouched for none items.
    void drawRow(int row, const PropItem &item, bool selected);

private:
    void drawText(const QRect &rect, const QString &text, QPalette::ColorRole role);

    QPainter &mPainter;
    const QPalette &mPalette;
    QSize mSize;
    int mSplit;
};
