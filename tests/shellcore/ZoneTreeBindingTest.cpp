#include "SidePaneFixture.h"

#include "document/TreeKeys.h"

namespace areamaker {
namespace {

using ZoneTreeBindingTest = testing::SidePaneFixture;

TEST_F(ZoneTreeBindingTest, ClickingANodeActivatesItsMapAndSelectsWhatItNames)
{
    struct Case
    {
        std::string key;
        int activeMap;
        int selectedZone;
        int canvasMode;
    };
    const Case cases[] = {
        {zoneKey(1, 0), 1, 0, ZoneSelected},     // a zone of a map that was not active
        {defaultRegionKey(1), 1, -1, Idle},      // the default region keeps the map active
        {zoneKey(0, 2), 0, 2, ZoneSelected},     // back to the first map
        {mapKey(0), 0, -1, Idle},                // the active map's own node clears the zone
        {zoneKey(0, 7), 0, -1, Idle},            // past the map's zones: ignored
        {"GEN-x::ZONE-1", 0, -1, Idle},          // not a key at all
    };
    for (const Case &c : cases) {
        tree.nodeClicked(c.key);
        EXPECT_EQ(document.ActiveMapIndex, c.activeMap) << c.key;
        EXPECT_EQ(document.SelectedZoneIndex, c.selectedZone) << c.key;
        EXPECT_EQ(canvas.state().CanvasMode, c.canvasMode) << c.key;
        if (c.selectedZone != -1) {
            EXPECT_TRUE(document.ActiveZones[static_cast<std::size_t>(c.selectedZone)].hSelection());
        }
    }
    EXPECT_EQ(canvas.state().HandleCount, 0);
}

TEST_F(ZoneTreeBindingTest, ZonesEditedOnOneMapSurviveAClickOnAnother)
{
    tree.nodeClicked(zoneKey(0, 0));
    bool cancel = false;
    grid.TextItemChanged(TagLeft, "50", cancel);
    tree.nodeClicked(zoneKey(1, 0));
    tree.nodeClicked(zoneKey(0, 0));
    EXPECT_EQ(points(0), (std::vector<Point>{{50, 20}, {150, 80}}));
}

TEST_F(ZoneTreeBindingTest, ReleasingOverATreeWithNodesRefillsTheGrid)
{
    views.gridFills.clear();
    tree.released(0);
    EXPECT_TRUE(views.gridFills.empty());
    tree.released(5);
    EXPECT_EQ(views.gridFills, std::vector<GridFill>{GridFill::Selection});
}

TEST_F(ZoneTreeBindingTest, ThePopupOffersNewOnMapsAndInsertOnZones)
{
    struct Case
    {
        std::string key;
        bool shown;
        bool newShown;
        bool insertShown;
    };
    const Case cases[] = {{mapKey(0), true, true, false},
                          {zoneKey(0, 1), true, false, true},
                          {defaultRegionKey(1), true, false, true},
                          {"", false, false, false}};
    for (const Case &c : cases) {
        const auto popup = tree.popupFor(c.key);
        ASSERT_EQ(popup.has_value(), c.shown) << c.key;
        if (popup) {
            EXPECT_EQ(popup->newShown, c.newShown) << c.key;
            EXPECT_EQ(popup->insertShown, c.insertShown) << c.key;
        }
    }
    canvas.ShowImage({});
    EXPECT_FALSE(tree.popupFor(mapKey(0)));
}

TEST_F(ZoneTreeBindingTest, DeletingFromThePopupAsksAndRemovesTheNode)
{
    views.answers = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Yes,
                     MessageAnswer::Yes};
    tree.nodeClicked(zoneKey(0, 1));
    tree.popupCommand(PopupDelete, zoneKey(0, 1));
    EXPECT_EQ(views.node(zoneKey(0, 1)), nullptr);
    EXPECT_EQ(document.ActiveZones[1].hForme(), ShapeNone);

    tree.nodeClicked(defaultRegionKey(1));
    tree.popupCommand(PopupDelete, defaultRegionKey(1));
    EXPECT_NE(views.node(defaultRegionKey(1)), nullptr);
    tree.popupCommand(PopupDelete, defaultRegionKey(1));
    EXPECT_EQ(views.node(defaultRegionKey(1)), nullptr);
    EXPECT_FALSE(document.Maps[1].hasDefaultRegion());

    tree.popupCommand(PopupDelete, mapKey(1));
    EXPECT_EQ(views.node(mapKey(1)), nullptr);
    EXPECT_FALSE(document.Maps[1].Alive);
    EXPECT_EQ(views.messages.size(), 4U);
    EXPECT_TRUE(document.Maps[0].Modified && document.Maps[1].Modified);
}

TEST_F(ZoneTreeBindingTest, InsertTracesAndTheTreeTakingTheFocusAbandonsIt)
{
    tree.popupCommand(PopupPolygon, mapKey(0));
    EXPECT_EQ(canvas.state().CanvasMode, Tracing);
    EXPECT_EQ(canvas.state().TraceShape, ShapePolygon);
    tree.focused();
    EXPECT_EQ(canvas.state().CanvasMode, Idle);
    EXPECT_EQ(document.ActiveZoneCount(), 3);
}

} // namespace
} // namespace areamaker
