#include "document/EditHistory.h"

#include "document/EditStep.h"
#include "document/MapDocument.h"

#include <gtest/gtest.h>

#include <functional>

namespace areamaker {
namespace {

Zone square(std::int32_t at)
{
    Zone zone;
    zone.setHRegion(KindRegion);
    zone.setHForme(ShapeRectangle);
    zone.AddXCoord(at, 0);
    zone.AddYCoord(at, 0);
    zone.AddXCoord(at + 5, 1);
    zone.AddYCoord(at + 5, 1);
    return zone;
}

// A document of one map of a thousand zones, not shown on the canvas.
class EditHistoryTest : public ::testing::Test
{
protected:
    EditHistoryTest()
    {
        document.DocumentState = DocumentOpen;
        ImageMap &map = document.appendMap();
        map.Name = map.NameAsRead = "grande";
        for (int i = 0; i < 1000; ++i)
            map.Zones.push_back(square(i));
    }
    std::vector<Zone> &zones() { return document.Maps[0].Zones; }

    MapDocument document;
    EditHistory &history = document.history();
};

TEST_F(EditHistoryTest, AStepKeepsOnlyTheZonesItChanged)
{
    const std::vector<std::function<void()>> changes = {
        [this] { zones()[500].AddXCoord(7, 0); },
        [this] { zones().push_back(square(3)); },
        [this] { zones()[10].SupprimerRegion(); },
        [this] { zones()[20].SetData(AttrHref, "a.htm"); },
    };
    for (const auto &change : changes) {
        {
            EditStep step(document, EditKind::TypedValue);
            step.touch(0);
            change();
        }
        const EditHistory::Step *undone = history.undo();
        ASSERT_NE(undone, nullptr);
        EXPECT_EQ(undone->maps.at(0).keptZones(), 1u);
        EXPECT_EQ(zones().size(), 1000u);
        EXPECT_TRUE(zones()[500].sameContent(square(500)));
        EXPECT_TRUE(zones()[10].sameContent(square(10)));
        EXPECT_EQ(zones()[20].GetData(AttrHref), "");
    }
}

TEST_F(EditHistoryTest, NestedStepsAreOneAndAStepThatChangesNothingIsNone)
{
    {
        EditStep outer(document, EditKind::Cut);
        outer.touch(0);
        zones()[1].AddYCoord(90, 1);
        EditStep inner(document, EditKind::DeleteZone);
        inner.touch(0);
        zones()[2].SupprimerRegion();
    }
    EXPECT_EQ(history.undoKind(), EditKind::Cut);
    {
        EditStep nothing(document, EditKind::Move);
        nothing.record(0);
    }
    EXPECT_EQ(history.undoKind(), EditKind::Cut);
    ASSERT_NE(history.undo(), nullptr);
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(zones()[1].sameContent(square(1)));
    EXPECT_TRUE(zones()[2].sameContent(square(2)));
}

TEST_F(EditHistoryTest, NudgesOfOneZoneMergeIntoOneStepThatEndsWhereTheLastOneDid)
{
    for (int i = 1; i <= 3; ++i) {
        EditStep step(document, EditKind::Nudge);
        step.touch(0);
        zones()[5].AddXCoord(5 + i, 0);
    }
    {
        EditStep other(document, EditKind::TypedValue);
        other.touch(0);
        zones()[6].SetData(AttrAlt, "six");
    }
    history.undo();
    ASSERT_NE(history.undo(), nullptr);
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(zones()[5].getXCoord(0), 5);
    history.redo();
    EXPECT_EQ(zones()[5].getXCoord(0), 8);
    EXPECT_EQ(zones()[6].GetData(AttrAlt), "");
}

TEST_F(EditHistoryTest, AMapThatBecameReadOnlyIsLeftAloneByUndoAndRedo)
{
    {
        EditStep step(document, EditKind::TypedValue);
        step.touch(0);
        zones()[3].SetData(AttrAlt, "trois");
    }
    document.Maps[0].ReadOnlyReason = "relue d'une page modifiée";
    EXPECT_EQ(history.undo(), nullptr);
    EXPECT_EQ(zones()[3].GetData(AttrAlt), "trois");
    document.Maps[0].ReadOnlyReason.clear();
    ASSERT_NE(history.undo(), nullptr);
    EXPECT_EQ(zones()[3].GetData(AttrAlt), "");
}

} // namespace
} // namespace areamaker
