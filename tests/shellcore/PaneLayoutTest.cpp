#include "shell/PaneLayout.h"
#include "shell/SplitterDrag.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

PaneLayout::Input window(int height, bool explorer, bool properties)
{
    return {15000, height, 30, 300, explorer, properties, 2960, 5000};
}

TEST(PaneLayoutTest, BothSectionsShareThePane)
{
    const PaneLayout layout = PaneLayout::DimensionForm(window(9330, true, true));
    EXPECT_EQ(layout.pane, (TwipRect{0, 30, 2960, 9000, true}));
    EXPECT_EQ(layout.explorateurHeight, 5000);
    EXPECT_EQ(layout.tabs.width, 2960 - 105);
    EXPECT_EQ(layout.tabs.height, 5000 - 330);
    EXPECT_EQ(layout.tree.width, 2960 - 220);
    EXPECT_EQ(layout.tree.height, 5000 - 330 - 440);
    EXPECT_EQ(layout.list, (TwipRect{50, 5390, 2860, 9000 - 5450, true}));
    EXPECT_EQ(layout.workspace, (TwipRect{2980, 30, 15000 - 2980, 9000, true}));
    EXPECT_TRUE(layout.explorerPressed);
}

TEST(PaneLayoutTest, SectionHeightIsClampedAndTheLowerLimitWins)
{
    const std::pair<int, int> cases[] = {
        {9330, 5000}, {6330, 6000 - 1260}, {2330, 1260}, {1330, 1260}};
    for (const auto &[height, expected] : cases)
        EXPECT_EQ(PaneLayout::DimensionForm(window(height, true, true)).explorateurHeight, expected)
            << height;
    EXPECT_EQ(PaneLayout::DimensionForm(window(2330, true, false)).explorateurHeight, 5000)
        << "one section alone is not clamped";
}

TEST(PaneLayoutTest, HiddenSectionsGiveTheCanvasTheirRoom)
{
    const PaneLayout none = PaneLayout::DimensionForm(window(9330, false, false));
    EXPECT_FALSE(none.pane.visible);
    EXPECT_FALSE(none.explorerPressed);
    EXPECT_EQ(none.workspace, (TwipRect{10, 30, 14990, 9000, true}));

    const PaneLayout list = PaneLayout::DimensionForm(window(9330, false, true));
    EXPECT_FALSE(list.tabs.visible);
    EXPECT_EQ(list.list, (TwipRect{50, 300, 2860, 9000 - 360, true}));
    const PaneLayout tree = PaneLayout::DimensionForm(window(9330, true, false));
    EXPECT_FALSE(tree.list.visible);
    EXPECT_EQ(tree.tabs.height, 9000 - 330);
}

TEST(PaneLayoutTest, SplittersStayWithinTheirLimits)
{
    const SplitterDrag::Pane pane{2960, 9000, 5000, true, 15000};
    EXPECT_EQ(SplitterDrag::kindAt(2900, 100, pane), SplitterDrag::Width);
    EXPECT_EQ(SplitterDrag::kindAt(100, 5050, pane), SplitterDrag::Height);
    EXPECT_EQ(SplitterDrag::kindAt(100, 5090, pane), SplitterDrag::None);

    SplitterDrag width;
    ASSERT_TRUE(width.press(2900, 100, pane));
    EXPECT_EQ(width.barPosition(), 2960 / 15 - 4);
    EXPECT_EQ(width.move(600, 0, pane), 133);
    EXPECT_EQ(width.move(14000, 0, pane), (15000 - 1995) / 15);
    EXPECT_EQ(width.move(4500, 0, pane), 300);
    EXPECT_EQ(width.release(), 304 * 15);
    EXPECT_EQ(width.kind(), SplitterDrag::None);

    SplitterDrag height;
    ASSERT_TRUE(height.press(100, 5000, pane));
    EXPECT_EQ(height.move(0, 100, pane), 84);
    EXPECT_EQ(height.move(0, 8900, pane), (9000 - 1260) / 15);
    EXPECT_EQ(height.move(0, 3000, pane), 200);
    EXPECT_EQ(height.release(), 3000);
}

} // namespace
} // namespace areamaker
