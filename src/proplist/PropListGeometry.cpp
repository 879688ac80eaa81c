#include "PropListGeometry.h"

namespace PropListGeometry {

int splitX(int listWidth)
{
    const int scaled = listWidth * 9;
    int split = scaled / 20;
    const int remainder = scaled % 20;
    if (remainder > 10 || (remainder == 10 && split % 2 != 0))
        ++split;
    return split;
}

int visibleRows(int listHeight)
{
    return listHeight < 1 ? 0 : listHeight / kRowPitch;
}

int rowAtY(int y)
{
    // Ceiling of y / 16 for any sign, minus one.
    const int quotient = y / kRowPitch;
    const bool roundUp = y % kRowPitch != 0 && y > 0;
    return quotient + (roundUp ? 1 : 0) - 1;
}

int gridLineY(int row)
{
    return kRowPitch * row + kTextHeight;
}

QRect captionCell(int row, int split)
{
    return QRect(0, kRowPitch * row, split, kTextHeight);
}

QRect captionTextRect(int row, int split)
{
    return QRect(QPoint(2, kRowPitch * row + 1), QPoint(split - 1, kRowPitch * row + 15));
}

QRect valueTextRect(int row, int split, int listWidth)
{
    return QRect(QPoint(split + 3, kRowPitch * row + 1),
                 QPoint(listWidth - 1, kRowPitch * row + 15));
}

QRect editBoxRect(int row, int split, int listWidth)
{
    return QRect(split + 3, kRowPitch * row + 1, listWidth - split, kEditHeight);
}

QRect buttonRect(int row, int listWidth)
{
    return QRect(listWidth - kButtonWidth, kRowPitch * row, kButtonWidth, kButtonHeight);
}

} // namespace PropListGeometry
