#include "canvas/CanvasEditor.h"

#include "FakeCanvasSurfaces.h"
#include "RecordingViews.h"
#include "ZonePoints.h"
#include "canvas/CanvasModel.h"
#include "document/MapDocument.h"
#include "document/TreeKeys.h"
#include "shell/AppSettings.h"

#include <gtest/gtest.h>

#include <functional>

namespace areamaker {
namespace {

// The editor over a 300x200 picture of map 0, with recording views.
class CanvasEditorTest : public ::testing::Test
{
protected:
    CanvasEditorTest()
    {
        canvas.setWorkspace({400, 300}, 16, 16);
        document.attachViews(&views, &views, &canvas.backBuffer());
        document.DocumentState = DocumentOpen;
        document.AddImageMap("plan", "/site/plan.gif", "");
        document.Maps[0].Modified = false;
        document.SetDocumentModified(false);
        document.ActiveMapIndex = 0;
        canvas.ShowImage("/site/plan.gif");
        canvas.setCanvasMode(Idle);
    }

    EditorPorts ports()
    {
        return {&views, &views, nullptr, nullptr, &views, &views,
                &views, &views, &views,  &views,  &views};
    }

    void click(Point at)
    {
        editor.mouseMove(at, false);
        editor.leftPress(at);
        editor.leftRelease(at);
    }

    void drag(Point from, Point to)
    {
        editor.mouseMove(from, false);
        editor.leftPress(from);
        editor.mouseMove(to, true);
        editor.leftRelease(to);
    }

    void trace(int shape, const std::vector<Point> &clicks)
    {
        editor.BeginTrace(shape);
        for (const Point &at : clicks)
            click(at);
    }

    std::vector<Point> points(int index) const { return testing::activeZonePoints(document, index); }

    testing::FakeCanvasSurfaces surfaces;
    testing::RecordingViews views;
    MapDocument document;
    AppSettings settings;
    CanvasModel canvas{document, settings, surfaces, surfaces, ports()};
    CanvasEditor editor{canvas};
    CanvasState &state = canvas.state();
};

TEST_F(CanvasEditorTest, EachShapeIsTracedByClicksIntoASelectedZoneOfTheMap)
{
    struct Case
    {
        int shape;
        std::vector<Point> clicks;
        std::vector<Point> stored;
        std::string node;
    };
    const Case cases[] = {
        // Corners stay in the order clicked.
        {ShapeRectangle, {{120, 90}, {20, 10}}, {{120, 90}, {20, 10}}, "Rectangle"},
        {ShapeCircle, {{50, 50}, {53, 54}}, {{45, 45}, {55, 55}}, "Cercle"},
        // Crossing the left edge shrinks the circle about its centre.
        {ShapeCircle, {{20, 60}, {50, 60}}, {{0, 40}, {40, 80}}, "Cercle"},
        // (15, 16) is within 8 of the first vertex on both axes and closes the polygon.
        {ShapePolygon,
         {{10, 10}, {100, 10}, {100, 100}, {15, 16}},
         {{10, 10}, {100, 10}, {100, 100}},
         "Polygone"},
        // (18, 10) is 8 away in x, so it is a fourth vertex.
        {ShapePolygon,
         {{10, 10}, {100, 10}, {100, 100}, {18, 10}, {11, 11}},
         {{10, 10}, {100, 10}, {100, 100}, {18, 10}},
         "Polygone"},
    };
    int index = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(index);
        trace(c.shape, c.clicks);
        EXPECT_EQ(points(index), c.stored);
        EXPECT_EQ(state.CanvasMode, ZoneSelected);
        EXPECT_EQ(document.SelectedZoneIndex, index);
        EXPECT_TRUE(document.ActiveZones[static_cast<std::size_t>(index)].hSelection());
        EXPECT_EQ(state.HandleCount, c.shape == ShapePolygon ? int(c.stored.size()) : 4);
        ASSERT_NE(views.node(zoneKey(0, index)), nullptr);
        EXPECT_EQ(views.node(zoneKey(0, index))->text, c.node);
        EXPECT_EQ(views.gridFills.back(), GridFill::Selection);
        EXPECT_EQ(views.status, "Prêt");
        EXPECT_EQ(views.pressedTool, "11");
        EXPECT_TRUE(document.Maps[0].Modified);
        EXPECT_TRUE(document.DocumentModified);
        ++index;
    }
    EXPECT_EQ(surfaces.autoPropStarts, index);
    EXPECT_FALSE(surfaces.pictureEnabled);
}

TEST_F(CanvasEditorTest, AbandonedTracesCreateNothingAndLeaveTheDocumentClean)
{
    const std::function<void()> ends[] = {
        [&] {
            click({12, 14});
        }, // polygon closed after two vertices
        [&] { EXPECT_TRUE(editor.keyDown(KeyEscape, false)); },
    };
    for (const auto &end : ends) {
        editor.BeginTrace(ShapePolygon);
        EXPECT_EQ(views.status, "Traçage d'une région Polygone");
        EXPECT_EQ(views.pressedTool, "14");
        EXPECT_EQ(surfaces.pointer, PointerCross);
        click({10, 10});
        editor.mouseMove({60, 70}, false);
        EXPECT_EQ(views.rows[TagCursor], "60,70");
        click({60, 70});
        end();
        EXPECT_EQ(state.CanvasMode, Idle);
        EXPECT_EQ(state.TraceStep, 0);
        EXPECT_EQ(surfaces.pointer, PointerNone);
        EXPECT_EQ(views.status, "Prêt");
        EXPECT_EQ(views.pressedTool, "11");
        EXPECT_EQ(views.gridFills.back(), GridFill::Selection);
    }
    EXPECT_TRUE(document.ActiveZones.empty());
    EXPECT_FALSE(document.DocumentModified);
    EXPECT_FALSE(editor.keyDown(KeyEscape, false)) << "Escape outside tracing goes to the focus";
}

TEST_F(CanvasEditorTest, RubberBandsFollowThePointerBetweenClicks)
{
    editor.BeginTrace(ShapeCircle);
    click({100, 100});
    editor.mouseMove({103, 104}, false);
    surfaces.log.clear();
    canvas.RedrawCanvas();
    const std::vector<std::string> outlines(surfaces.log.end() - 4, surfaces.log.end() - 1);
    EXPECT_EQ(outlines,
              (std::vector<std::string>{"back line 94,100 107,100", "back line 100,106 100,94",
                                        "back ellipse 95,95 105,105"}));
}

TEST_F(CanvasEditorTest, PressesPickTheOldestZoneButMoveTheSelectedOne)
{
    trace(ShapeRectangle, {{10, 10}, {60, 60}});
    trace(ShapeRectangle, {{40, 40}, {90, 90}});
    click({200, 150});
    EXPECT_EQ(state.CanvasMode, Idle);
    EXPECT_EQ(document.SelectedZoneIndex, -1);
    EXPECT_EQ(state.HandleCount, 0);

    click({50, 50});
    EXPECT_EQ(document.SelectedZoneIndex, 0) << "zone 1 is drawn on top, zone 0 is older";
    click({80, 80});
    EXPECT_EQ(document.SelectedZoneIndex, 1);
    EXPECT_FALSE(document.ActiveZones[0].hSelection());

    document.Maps[0].Modified = false;
    document.SetDocumentModified(false);
    click({50, 50});
    EXPECT_EQ(state.CanvasMode, ZoneSelected);
    EXPECT_FALSE(document.DocumentModified) << "a press without motion changes nothing";

    drag({50, 50}, {55, 50});
    EXPECT_EQ(points(1), (std::vector<Point>{{45, 40}, {95, 90}}));
    EXPECT_EQ(points(0), (std::vector<Point>{{10, 10}, {60, 60}}));
    EXPECT_EQ(document.SelectedZoneIndex, 1);
    EXPECT_EQ(state.HandleCount, 4);
    EXPECT_TRUE(document.Maps[0].Modified);
    EXPECT_EQ(views.rows[TagLeft], "45");
}

TEST_F(CanvasEditorTest, PointerShowsHandlesAndTheSelectedZoneOnly)
{
    trace(ShapeRectangle, {{100, 50}, {150, 90}});
    trace(ShapePolygon, {{200, 20}, {260, 20}, {230, 80}, {201, 21}});
    const std::pair<Point, int> polygon[] = {
        {{261, 21}, PointerCustom}, {{230, 40}, PointerSizeAll}, {{120, 70}, PointerNone}};
    for (const auto &[at, pointer] : polygon) {
        editor.mouseMove(at, false);
        EXPECT_EQ(surfaces.pointer, pointer) << at.x << "," << at.y;
    }
    click({120, 70});
    const std::pair<Point, int> rectangle[] = {{{98, 48}, PointerSizeNWSE},
                                               {{102, 52}, PointerSizeNWSE},
                                               {{103, 50}, PointerSizeAll},
                                               {{150, 52}, PointerSizeNESW},
                                               {{97, 50}, PointerNone}};
    for (const auto &[at, pointer] : rectangle) {
        editor.mouseMove(at, false);
        EXPECT_EQ(surfaces.pointer, pointer) << at.x << "," << at.y;
    }
}

TEST_F(CanvasEditorTest, MovingAgainstTheEdgeStopsThereAndFollowsThePointerBack)
{
    trace(ShapeRectangle, {{20, 10}, {70, 40}});
    editor.leftPress({30, 20});
    EXPECT_EQ(state.CanvasMode, Moving);
    EXPECT_EQ(state.HandleCount, 0);
    editor.mouseMove({0, 20}, true);
    EXPECT_EQ(points(0), (std::vector<Point>{{0, 10}, {50, 40}}));
    editor.mouseMove({10, 20}, true);
    EXPECT_EQ(points(0), (std::vector<Point>{{10, 10}, {60, 40}}));
    editor.leftRelease({10, 20});
    EXPECT_EQ(state.CanvasMode, ZoneSelected);
    EXPECT_EQ(state.HandleCount, 4);
}

TEST_F(CanvasEditorTest, ResizingByHandles)
{
    struct Case
    {
        int shape;
        std::vector<Point> clicks;
        Point from, to;
        std::vector<Point> during, after;
    };
    const Case cases[] = {
        // Right side of a circle: same centre, radius 30.
        {ShapeCircle,
         {{100, 100}, {120, 100}},
         {120, 100},
         {130, 100},
         {{70, 70}, {130, 130}},
         {{70, 70}, {130, 130}}},
        // Top side past the top edge: shrinks about its centre on release.
        {ShapeCircle,
         {{100, 30}, {100, 50}},
         {100, 10},
         {100, -10},
         {{60, -10}, {140, 70}},
         {{70, 0}, {130, 60}}},
        // First corner dragged past the second: corners are not reordered.
        {ShapeRectangle,
         {{20, 20}, {60, 60}},
         {20, 20},
         {80, 30},
         {{80, 30}, {60, 60}},
         {{80, 30}, {60, 60}}},
        // Third corner beyond the picture comes back to its far edges.
        {ShapeRectangle,
         {{20, 20}, {60, 60}},
         {60, 60},
         {350, 250},
         {{20, 20}, {350, 250}},
         {{20, 20}, {300, 200}}},
        {ShapePolygon,
         {{10, 10}, {50, 10}, {30, 40}, {11, 11}},
         {50, 10},
         {320, -5},
         {{10, 10}, {320, -5}, {30, 40}},
         {{10, 10}, {300, 0}, {30, 40}}},
    };
    int index = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(index);
        trace(c.shape, c.clicks);
        editor.leftPress(c.from);
        ASSERT_EQ(state.CanvasMode, Resizing);
        editor.mouseMove(c.to, true);
        EXPECT_EQ(points(index), c.during);
        editor.leftRelease(c.to);
        EXPECT_EQ(points(index), c.after);
        EXPECT_EQ(state.CanvasMode, ZoneSelected);
        EXPECT_EQ(document.ActiveZones[static_cast<std::size_t>(index)].hRegion(), KindRegion);
        ++index;
    }
    EXPECT_EQ(views.rows[TagFirstPoint + 1], "300,0");
}

TEST_F(CanvasEditorTest, TabVisitsLiveZonesInOrderAndIsAlwaysConsumed)
{
    EXPECT_TRUE(editor.keyDown(KeyTab, false));
    EXPECT_EQ(document.SelectedZoneIndex, -1);
    trace(ShapeRectangle, {{10, 10}, {20, 20}});
    EXPECT_TRUE(editor.keyDown(KeyTab, false));
    EXPECT_EQ(document.SelectedZoneIndex, 0) << "one live zone, already selected";
    trace(ShapeRectangle, {{30, 30}, {40, 40}});
    trace(ShapeRectangle, {{50, 50}, {60, 60}});
    document.ActiveZones[0].SupprimerRegion();
    EXPECT_TRUE(editor.keyDown(KeyTab, false));
    EXPECT_EQ(document.SelectedZoneIndex, 1) << "wraps past the deleted zone 0";
    EXPECT_TRUE(editor.keyDown(KeyTab, false));
    EXPECT_EQ(document.SelectedZoneIndex, 2);
    EXPECT_TRUE(document.ActiveZones[2].hSelection());
    EXPECT_FALSE(document.ActiveZones[1].hSelection());
    EXPECT_EQ(state.HandleCount, 4);
}

TEST_F(CanvasEditorTest, DeleteAsksFirstAndKeepsIndicesOfTheOtherZones)
{
    trace(ShapeRectangle, {{10, 10}, {20, 20}});
    trace(ShapeCircle, {{50, 50}, {60, 50}});
    EXPECT_FALSE(editor.keyDown(KeyDelete, true)) << "left to the focused text box";
    views.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_TRUE(editor.keyDown(KeyDelete, false));
    EXPECT_EQ(document.ActiveZones[1].hForme(), ShapeCircle);
    EXPECT_EQ(views.messages.back().text, "Désirez-vous supprimer la région sélectionnée ?");
    EXPECT_EQ(views.messages.back().buttons, MessageButtons::YesNo);
    EXPECT_TRUE(editor.keyDown(KeyDelete, false));
    EXPECT_EQ(document.ActiveZones[1].hForme(), ShapeNone);
    EXPECT_EQ(views.node(zoneKey(0, 1)), nullptr);
    ASSERT_NE(views.node(zoneKey(0, 0)), nullptr);
    EXPECT_EQ(state.CanvasMode, Idle);
    EXPECT_EQ(state.HandleCount, 0);
    EXPECT_TRUE(editor.keyDown(KeyDelete, false)) << "nothing selected: consumed, nothing asked";
    EXPECT_EQ(views.messages.size(), 2u);
    click({55, 55});
    EXPECT_EQ(document.SelectedZoneIndex, -1) << "a deleted zone is never hit";
    EXPECT_TRUE(editor.keyDown(KeyTab, false));
    EXPECT_EQ(document.SelectedZoneIndex, 0);
}

TEST_F(CanvasEditorTest, AReadOnlyMapIsSelectedButEveryEditIsRefusedWithItsReason)
{
    trace(ShapeRectangle, {{100, 50}, {150, 90}});
    document.Maps[0].ReadOnlyReason = "son bloc contient du code serveur";
    document.Maps[0].Modified = false;
    document.SetDocumentModified(false);
    click({200, 150});
    click({120, 70});
    ASSERT_EQ(document.SelectedZoneIndex, 0) << "a read-only map's zones can be selected";

    struct Case
    {
        const char *edit;
        std::function<void()> attempt;
    };
    const Case cases[] = {
        {"trace", [&] { editor.BeginTrace(ShapePolygon); }},
        {"move",
         [&] {
             drag({120, 70}, {130, 80});
         }},
        {"resize",
         [&] {
             drag({100, 50}, {90, 40});
         }},
        {"delete", [&] { editor.keyDown(KeyDelete, false); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.edit);
        views.messages.clear();
        views.answers = {MessageAnswer::Ok};
        c.attempt();
        ASSERT_EQ(views.messages.size(), 1u);
        EXPECT_EQ(views.messages[0].text,
                  "La map « plan » est en lecture seule : son bloc contient du code serveur.\n\n"
                  "L'éditeur la montre sans la modifier et l'enregistre telle qu'elle est dans "
                  "la page ; modifiez ce bloc dans un éditeur de texte.");
        EXPECT_EQ(points(0), (std::vector<Point>{{100, 50}, {150, 90}}));
        EXPECT_EQ(document.ActiveZoneCount(), 1);
        EXPECT_EQ(state.CanvasMode, ZoneSelected);
        EXPECT_EQ(state.HandleCount, 4);
        EXPECT_EQ(document.ActiveZones[0].hRegion(), KindRegion);
    }
    EXPECT_FALSE(document.Maps[0].Modified);
    EXPECT_FALSE(document.DocumentModified);
}

} // namespace
} // namespace areamaker
