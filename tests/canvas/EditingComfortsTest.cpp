#include "canvas/CanvasEditor.h"

#include "PictureCanvasFixture.h"
#include "canvas/ZoneOrder.h"
#include "document/TreeKeys.h"

namespace areamaker {
namespace {

// Drag to trace, arrow-key nudges and the zones' order, over a 300x200 picture.
class EditingComfortsTest : public testing::PictureCanvasFixture
{
protected:
    ZoneOrder order{canvas};
};

TEST_F(EditingComfortsTest, ARectangleOrACircleIsTracedByDraggingFromItsFirstPointToItsSecond)
{
    struct Case
    {
        int shape;
        Point from;
        std::vector<Point> path;
        std::vector<Point> stored;
    };
    const Case cases[] = {
        {ShapeRectangle, {120, 90}, {{100, 80}, {20, 10}}, {{120, 90}, {20, 10}}},
        {ShapeCircle, {50, 50}, {{52, 51}, {53, 54}}, {{45, 45}, {55, 55}}},
    };
    int index = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(index);
        editor.BeginTrace(c.shape);
        press(c.from);
        for (const Point &at : c.path)
            editor.mouseMove(at, true);
        editor.leftRelease(c.path.back());
        EXPECT_EQ(points(index), c.stored);
        EXPECT_EQ(canvas.state().CanvasMode, ZoneSelected);
        ++index;
    }
}

TEST_F(EditingComfortsTest, APressReleasedWhereItBeganWaitsForASecondClickAndMakesNoEmptyZone)
{
    for (const std::vector<Point> &wander :
         {std::vector<Point>{}, std::vector<Point>{{80, 60}, {40, 30}}}) {
        editor.BeginTrace(ShapeRectangle);
        press({40, 30});
        for (const Point &at : wander)
            editor.mouseMove(at, true);
        editor.leftRelease({40, 30});
        EXPECT_EQ(document.ActiveZoneCount(), 0) << "no zone of 0 x 0";
        EXPECT_EQ(canvas.state().TraceStep, 1) << "the click-click form goes on";
        editor.mouseMove({90, 70}, false);
        press({90, 70});
        editor.leftRelease({90, 70});
        ASSERT_EQ(document.ActiveZoneCount(), 1);
        EXPECT_EQ(points(0), (std::vector<Point>{{40, 30}, {90, 70}}));
        canvas.DeleteSelectedZone(false);
        document.ActiveZones.clear();
    }
}

TEST_F(EditingComfortsTest, ArrowKeysMoveTheSelectedZoneInsideThePictureWithItsHandlesAndRows)
{
    trace(ShapeRectangle, {{20, 30}, {70, 60}});
    struct Case
    {
        Point by;
        std::vector<Point> stored;
    };
    const Case cases[] = {
        {{1, 0}, {{21, 30}, {71, 60}}},    {{0, -10}, {{21, 20}, {71, 50}}},
        {{-10, 0}, {{11, 20}, {61, 50}}},  {{-10, 0}, {{1, 20}, {51, 50}}},
        {{-10, 0}, {{0, 20}, {50, 50}}}, // the left edge holds it, keeping its size
        {{0, 200}, {{0, 170}, {50, 200}}},
    };
    for (const Case &c : cases) {
        editor.nudge(c.by.x, c.by.y);
        EXPECT_EQ(points(0), c.stored);
    }
    EXPECT_EQ(views.rows[TagLeft], "0");
    EXPECT_EQ(views.rows[TagTop], "170");
    EXPECT_EQ(canvas.state().Handles[2].point(0), (Point{47, 197})) << "handle box follows";
    EXPECT_TRUE(document.Maps[0].Modified);

    canvas.clearSelection();
    canvas.setCanvasMode(Idle);
    editor.nudge(5, 5);
    EXPECT_EQ(points(0), (std::vector<Point>{{0, 170}, {50, 200}})) << "nothing selected";
}

TEST_F(EditingComfortsTest, FrontAndBackReorderTheMapsZonesWithTheTreeAndTheSelection)
{
    trace(ShapeRectangle, {{10, 10}, {50, 50}});
    trace(ShapeCircle, {{100, 100}, {110, 100}});
    trace(ShapeRectangle, {{20, 20}, {40, 40}});
    document.ActiveZones[1].SetData(AttrHref, "rond.htm");
    EXPECT_TRUE(order.canMove(true));
    EXPECT_FALSE(order.canMove(false)) << "the last zone is at the back already";

    order.bringToFront();
    EXPECT_EQ(points(0), (std::vector<Point>{{20, 20}, {40, 40}}));
    EXPECT_EQ(points(1), (std::vector<Point>{{10, 10}, {50, 50}}));
    EXPECT_EQ(document.SelectedZoneIndex, 0);
    EXPECT_EQ(views.selectedNode, zoneKey(0, 0));
    EXPECT_EQ(views.node(zoneKey(0, 2))->text, "Cercle (rond.htm)");
    EXPECT_FALSE(order.canMove(true));
    canvas.RedrawCanvas();
    EXPECT_EQ(document.ActiveZones[0].CheckIn(30, 30), PointerSizeAll)
        << "the zone in front is the one a click inside both reaches";

    canvas.selectZone(2);
    order.sendToBack();
    EXPECT_EQ(document.SelectedZoneIndex, 2) << "already last: nothing moves";
    canvas.selectZone(0);
    document.ActiveZones[2].SupprimerRegion();
    order.sendToBack();
    EXPECT_EQ(document.SelectedZoneIndex, 2);
    EXPECT_EQ(points(0), (std::vector<Point>{{10, 10}, {50, 50}}));
    EXPECT_EQ(points(2), (std::vector<Point>{{20, 20}, {40, 40}}));
    EXPECT_FALSE(order.canMove(false)) << "only a deleted zone would be behind it";
}

} // namespace
} // namespace areamaker
