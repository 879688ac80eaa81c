#include "PropListGeometry.h"

#include <gtest/gtest.h>

using namespace PropListGeometry;

TEST(PropListGeometry, SplitIsFortyFivePercentRoundedHalfToEven)
{
    // 9w/20: w=2 -> 0.9, w=10 -> 4.5 (to 4), w=30 -> 13.5 (to 14), w=50 -> 22.5 (to 22).
    const std::pair<int, int> cases[] = {{0, 0},    {1, 0},    {2, 1},    {10, 4},
                                         {30, 14},  {50, 22},  {70, 32},  {200, 90},
                                         {201, 90}, {203, 91}, {278, 125}};
    for (auto [width, split] : cases)
        EXPECT_EQ(splitX(width), split) << "width " << width;
}

TEST(PropListGeometry, VisibleRowsIgnoreThePartialStrip)
{
    const std::pair<int, int> cases[] = {{-5, 0}, {0, 0},  {15, 0}, {16, 1},
                                         {31, 1}, {32, 2}, {84, 5}};
    for (auto [height, rows] : cases)
        EXPECT_EQ(visibleRows(height), rows) << "height " << height;
}

TEST(PropListGeometry, RowUnderTheMouseBelongsToTheRowAboveOnItsTopLine)
{
    const std::pair<int, int> cases[] = {{-20, -2}, {-1, -1}, {0, -1}, {1, 0},
                                         {16, 0},   {17, 1},  {32, 1}, {33, 2}};
    for (auto [y, row] : cases)
        EXPECT_EQ(rowAtY(y), row) << "y " << y;
}

TEST(PropListGeometry, EditBoxAndButtonSitInTheirRow)
{
    EXPECT_EQ(editBoxRect(2, 90, 200), QRect(93, 33, 110, 14));
    EXPECT_EQ(buttonRect(2, 200), QRect(180, 32, 20, 15));
    EXPECT_EQ(captionCell(1, 90), QRect(0, 16, 90, 15));
    EXPECT_EQ(gridLineY(1), 31);
}
