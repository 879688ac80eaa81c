#include "canvas/ScrollModel.h"
#include "canvas/WorkspaceLedges.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

constexpr int BarThickness = 16;

ScrollModel model(ImageSize picture, ImageSize workspace)
{
    ScrollModel scroll;
    scroll.setWorkspace(workspace, BarThickness, BarThickness);
    scroll.setPicture(picture);
    return scroll;
}

TEST(ScrollModelTest, MaximumRoundsHalfToEvenThenAddsTheRemainder)
{
    const std::pair<int, int> cases[] = {{0, 0},  {10, 1}, {20, 1}, {30, 3},
                                         {40, 2}, {50, 3}, {55, 4}, {70, 5}};
    for (const auto &[over, maximum] : cases)
        EXPECT_EQ(ScrollModel::maximumFor(over), maximum) << over;
}

TEST(ScrollModelTest, LastStepPutsTheFarEdgeOnTheViewEdge)
{
    // 10 pixels taller than the view: one step of 10, not 20.
    ScrollModel ten = model({100, 210}, {400, 200});
    ScrollModel::Layout layout = ten.layOut();
    EXPECT_EQ(layout.vertical, (ScrollBarState{true, 0, 1}));
    EXPECT_FALSE(layout.horizontal.visible);
    EXPECT_EQ(ten.scrolled(true, 1), (ScrollBarState{true, 1, 1}));
    EXPECT_EQ(ten.offsetY(), 10);

    // 30 pixels taller: maximum 3, and the first step past the edge shrinks it.
    ScrollModel thirty = model({100, 230}, {400, 200});
    EXPECT_EQ(thirty.layOut().vertical.maximum, 3);
    EXPECT_EQ(thirty.scrolled(true, 1).maximum, 3);
    EXPECT_EQ(thirty.offsetY(), 20);
    EXPECT_EQ(thirty.scrolled(true, 2), (ScrollBarState{true, 2, 2}));
    EXPECT_EQ(thirty.offsetY(), 30);
}

TEST(ScrollModelTest, OneBarCanMakeTheOtherNeeded)
{
    // Fits in height until the horizontal bar takes its 16 pixels.
    ScrollModel scroll = model({500, 190}, {400, 200});
    const ScrollModel::Layout layout = scroll.layOut();
    EXPECT_TRUE(layout.horizontal.visible);
    EXPECT_TRUE(layout.vertical.visible);
    EXPECT_TRUE(layout.cornerVisible);
    EXPECT_EQ(layout.vertical.maximum, ScrollModel::maximumFor(190 - (200 - 16)));
    EXPECT_EQ(layout.horizontal.maximum, ScrollModel::maximumFor(500 - (400 - 16)));

    ScrollModel small = model({100, 100}, {400, 200});
    const ScrollModel::Layout none = small.layOut();
    EXPECT_FALSE(none.horizontal.visible || none.vertical.visible || none.cornerVisible);
}

TEST(ScrollModelTest, GrowingTheWorkspaceBringsAScrolledBarBack)
{
    ScrollModel scroll = model({100, 300}, {400, 200});
    scroll.layOut();
    scroll.scrolled(true, 5);
    scroll.setWorkspace({400, 260}, BarThickness, BarThickness);
    const ScrollModel::Layout layout = scroll.layOut();
    EXPECT_EQ(layout.vertical.maximum, 2);
    EXPECT_EQ(layout.vertical.value, 2);
    EXPECT_TRUE(layout.verticalChanged);
}

TEST(ScrollModelTest, LedgesMeetAtTheCornerOrSpanTheWorkspace)
{
    using WorkspaceLedges::Shade;
    const auto fits = WorkspaceLedges::lines({100, 50}, {400, 300}, false, false);
    ASSERT_EQ(fits.size(), 10u);
    EXPECT_EQ(fits[0], (WorkspaceLedges::Line{{0, 50}, {107, 50}, 1, Shade::Face}));
    EXPECT_EQ(fits[2], (WorkspaceLedges::Line{{0, 53}, {107, 53}, 3, Shade::Face}));
    EXPECT_EQ(fits[4].shade, Shade::DarkShadow);
    EXPECT_EQ(fits[5], (WorkspaceLedges::Line{{100, 0}, {100, 57}, 1, Shade::Face}));

    const auto wide = WorkspaceLedges::lines({800, 50}, {400, 300}, false, true);
    ASSERT_EQ(wide.size(), 5u) << "no right ledge while the picture scrolls sideways";
    EXPECT_EQ(wide[0].to, (Point{400, 50}));
}

} // namespace
} // namespace areamaker
