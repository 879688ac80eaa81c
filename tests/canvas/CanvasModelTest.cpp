#include "canvas/CanvasModel.h"

#include "FakeCanvasSurfaces.h"
#include "RecordingViews.h"
#include "document/MapDocument.h"
#include "shell/AppSettings.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

class CanvasModelTest : public ::testing::Test
{
protected:
    CanvasModelTest() { canvas.setWorkspace({200, 100}, 16, 16); }

    Zone &addZone(std::vector<Zone> &list, ZoneKind kind, ZoneShape shape, Point a, Point b)
    {
        Zone &zone = list.emplace_back();
        zone.setHRegion(kind);
        zone.setHForme(shape);
        zone.AddXCoord(a.x, 0);
        zone.AddYCoord(a.y, 0);
        if (kind != KindHandle) {
            zone.AddXCoord(b.x, 1);
            zone.AddYCoord(b.y, 1);
        }
        zone.setHDevice(&surfaces.backBuffer());
        return zone;
    }

    EditorPorts ports()
    {
        return {&views, &views, nullptr, nullptr, &views, &views,
                &views, &views, &views,  &views,  &views};
    }

    testing::FakeCanvasSurfaces surfaces;
    testing::RecordingViews views;
    MapDocument document;
    AppSettings settings;
    CanvasModel canvas{document, settings, surfaces, surfaces, ports()};
};

TEST_F(CanvasModelTest, RedrawComposesTheVisibleBlockInLayers)
{
    ASSERT_TRUE(canvas.ShowImage("/site/plan.gif"));
    EXPECT_EQ(surfaces.layOuts, 1);
    EXPECT_EQ(surfaces.repaints, 1);
    addZone(document.ActiveZones, KindRegion, ShapeRectangle, {1, 2}, {30, 40});
    addZone(document.ActiveZones, KindRegion, ShapeCircle, {5, 5}, {25, 25}).SupprimerRegion();
    addZone(document.ActiveZones, KindRegion, ShapeCircle, {10, 10}, {50, 50});
    // Scrolled to x 20, the view ends at 220: one zone's border reaches into it, one is past it.
    addZone(document.ActiveZones, KindRegion, ShapeRectangle, {0, 60}, {19, 70});
    Zone &farAway = addZone(document.ActiveZones, KindRegion, ShapeRectangle, {230, 10}, {280, 30});
    CanvasState &state = canvas.state();
    addZone(state.Handles, KindHandle, ShapeRectangle, {30, 40}, {});
    addZone(state.Handles, KindHandle, ShapeRectangle, {1, 2}, {});
    state.HandleCount = 1;
    addZone(state.TraceZones, KindOutline, ShapeDottedSegment, {0, 0}, {9, 9});
    state.TraceStep = 1;
    canvas.layOutScrollBars();
    canvas.scrolled(false, 1);

    surfaces.log.clear();
    canvas.RedrawCanvas();
    const std::vector<std::string> expected = {
        "back <- picture as 300x200 20,0 200x100",
        "back rectangle 1,2 30,40",
        "back ellipse 10,10 50,50",
        "back rectangle 0,60 19,70",
        "back rectangle 27,37 33,43",
        "back line 0,0 9,9",
        "visible <- back 20,0 20,0 200x100",
    };
    EXPECT_EQ(surfaces.log, expected);
    // Not painted, but found by the pointer once scrolled into view.
    EXPECT_NE(farAway.CheckIn(250, 20), PointerNone);
}

TEST_F(CanvasModelTest, ClampToImageAcceptsTheFarEdge)
{
    surfaces.loadedSize = {300, 200};
    canvas.ShowImage("/site/plan.gif");
    const std::tuple<std::int32_t, bool, std::int32_t, bool> cases[] = {
        {-5, true, 0, true},     {300, true, 300, false}, {301, true, 300, true},
        {150, true, 150, false}, {201, false, 200, true}, {200, false, 200, false},
    };
    for (const auto &[in, horizontal, out, changed] : cases) {
        std::int32_t value = in;
        EXPECT_EQ(canvas.ClampToImage(value, horizontal), changed) << in;
        EXPECT_EQ(value, out) << in;
    }
}

TEST_F(CanvasModelTest, ClearingThePictureLeavesNoPictureState)
{
    canvas.ShowImage("/site/plan.gif");
    canvas.setCanvasMode(0);
    EXPECT_FALSE(canvas.ShowImage(""));
    EXPECT_EQ(canvas.state().CanvasMode, NoPicture);
    EXPECT_FALSE(canvas.state().ImageShown);
    EXPECT_EQ(views.toolbarStates.back(), ToolbarState::NoPicture);

    surfaces.loads = false;
    EXPECT_FALSE(canvas.ShowImage("/site/broken.gif"));
    EXPECT_FALSE(canvas.state().ImageShown);
}

TEST_F(CanvasModelTest, ScrollingDefersTheRedrawAndMovesThePicture)
{
    surfaces.loadedSize = {300, 230};
    canvas.setWorkspace({400, 200}, 16, 16);
    canvas.ShowImage("/site/plan.gif");
    const ScrollModel::Layout layout = canvas.layOutScrollBars();
    EXPECT_EQ(layout.vertical.maximum, 3);
    EXPECT_EQ(canvas.state().VScrollMax, 3);
    const int timers = surfaces.timerStarts;
    canvas.scrolled(true, 3);
    EXPECT_EQ(surfaces.timerStarts, timers + 1);
    EXPECT_EQ(canvas.picturePosition(), (Point{0, -30}));
}

TEST_F(CanvasModelTest, DeleteAsksAndLeavesTheZoneInPlace)
{
    document.DocumentState = DocumentOpen;
    document.Maps.emplace_back();
    document.ActiveMapIndex = 0;
    canvas.ShowImage("/site/plan.gif");
    addZone(document.ActiveZones, KindRegion, ShapeRectangle, {1, 2}, {30, 40}).setHSelection(true);
    document.SelectedZoneIndex = 0;
    canvas.setCanvasMode(ZoneSelected);
    views.answers = {MessageAnswer::No, MessageAnswer::Yes};
    canvas.DeleteSelectedZone(true);
    EXPECT_EQ(document.ActiveZones[0].hForme(), ShapeRectangle);
    canvas.DeleteSelectedZone(true);
    EXPECT_EQ(document.ActiveZones[0].hForme(), ShapeNone);
    EXPECT_EQ(document.SelectedZoneIndex, -1);
    EXPECT_EQ(canvas.state().CanvasMode, Idle);
    EXPECT_TRUE(document.Maps[0].Modified);
}

} // namespace
} // namespace areamaker
