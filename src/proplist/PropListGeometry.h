#pragma once

#include "NorvixProps3Export.h"

#include <QRect>

// Where the rows, cells, edit box and "..." button of the property list lie, in pixels of the
// list surface. Row k is the k-th visible row, counted from the top of the surface.
namespace PropListGeometry {

inline constexpr int kRowPitch = 16;
inline constexpr int kTextHeight = 15;
inline constexpr int kInset = 4;
inline constexpr int kEditHeight = 14;
inline constexpr int kButtonWidth = 20;
inline constexpr int kButtonHeight = 15;

// 45 % of the width, rounded to the nearest pixel with halves going to the even neighbour.
NORVIXPROPS3_EXPORT int splitX(int listWidth);
// Whole rows that fit; a partial strip at the bottom stays empty.
NORVIXPROPS3_EXPORT int visibleRows(int listHeight);
// Visible row under a mouse position: the topmost pixel line belongs to the row above.
NORVIXPROPS3_EXPORT int rowAtY(int y);
// Y of the grid line drawn under row k.
NORVIXPROPS3_EXPORT int gridLineY(int row);

NORVIXPROPS3_EXPORT QRect captionCell(int row, int split);
NORVIXPROPS3_EXPORT QRect captionTextRect(int row, int split);
NORVIXPROPS3_EXPORT QRect valueTextRect(int row, int split, int listWidth);
NORVIXPROPS3_EXPORT QRect editBoxRect(int row, int split, int listWidth);
NORVIXPROPS3_EXPORT QRect buttonRect(int row, int listWidth);

} // namespace PropListGeometry
