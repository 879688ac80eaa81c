#include "EditFixture.h"

#include "document/TreeKeys.h"

namespace areamaker {
namespace {

class EditCommandsTest : public testing::EditFixture
{
protected:
    // A rectangle (10, 10)-(40, 30) traced on map 0, selected, the document clean.
    int traceSmallRectangle()
    {
        editor.BeginTrace(ShapeRectangle);
        for (const Point at : {Point{10, 10}, Point{40, 30}}) {
            editor.mouseMove(at, false);
            editor.leftPress(at);
            editor.leftRelease(at);
        }
        document.Maps[0].Modified = false;
        document.SetDocumentModified(false);
        return document.ActiveZoneCount() - 1;
    }
};

TEST_F(EditCommandsTest, PasteShiftsTheCopyToTheLastRightClickAndKeepsItInsideThePicture)
{
    struct Case
    {
        Point rightClick;
        std::vector<Point> pasted;
    };
    const Case cases[] = {
        {{100, 100}, {{100, 100}, {130, 120}}},
        {{290, 195}, {{270, 180}, {300, 200}}}, // pushed back inside, keeping its size
        {{0, 0}, {{0, 0}, {30, 20}}},
    };
    const int original = traceSmallRectangle();
    clipboard.CopyZone();
    EXPECT_FALSE(document.DocumentModified);
    for (const Case &c : cases) {
        rightClick(c.rightClick);
        edits.popupCommand(PopupPaste);
        const int pasted = document.ActiveZoneCount() - 1;
        EXPECT_EQ(points(pasted), c.pasted);
        EXPECT_EQ(document.SelectedZoneIndex, pasted);
        EXPECT_EQ(canvas.state().CanvasMode, ZoneSelected);
        EXPECT_TRUE(document.ActiveZones[static_cast<std::size_t>(pasted)].hSelection());
        EXPECT_FALSE(document.ActiveZones[static_cast<std::size_t>(original)].hSelection());
        ASSERT_NE(views.node(zoneKey(0, pasted)), nullptr);
        EXPECT_EQ(views.node(zoneKey(0, pasted))->text, "Rectangle");
        EXPECT_EQ(views.gridFills.back(), GridFill::Selection);
        EXPECT_TRUE(document.Maps[0].Modified);
        EXPECT_TRUE(document.DocumentModified);
    }
}

TEST_F(EditCommandsTest, PasteBeforeAnyRightClickPutsTheFirstCornerAtTheOrigin)
{
    select(0);
    clipboard.CopyZone();
    clipboard.PasteZone();
    EXPECT_EQ(points(3), (std::vector<Point>{{0, 0}, {100, 60}}));
}

TEST_F(EditCommandsTest, APolygonMovesByTheDistanceBetweenTheRightClicksAroundCopyAndPaste)
{
    select(2);
    rightClick({60, 140});
    edits.popupCommand(PopupCopy);
    rightClick({80, 130});
    edits.popupCommand(PopupPaste);
    EXPECT_EQ(points(3), (std::vector<Point>{{30, 140}, {80, 90}, {130, 140}}));
}

TEST_F(EditCommandsTest, AZoneCopiedFromOneMapIsPastedIntoAnother)
{
    select(0);
    clipboard.CopyZone();
    ASSERT_TRUE(lifecycle.ActivateMap(1, false));
    rightClick({20, 30});
    edits.popupCommand(PopupPaste);
    ASSERT_EQ(document.ActiveZoneCount(), 2);
    EXPECT_EQ(points(1), (std::vector<Point>{{20, 30}, {120, 90}}));
    EXPECT_EQ(document.ActiveZones[1].GetData(AttrHref), "salle.htm");
    EXPECT_EQ(document.ActiveZones[1].GetData(AttrAlt), "Salle");
    ASSERT_NE(views.node(zoneKey(1, 1)), nullptr);
    EXPECT_EQ(views.node(zoneKey(1, 1))->text, "Rectangle (salle.htm)");
    EXPECT_TRUE(document.Maps[1].Modified);
    EXPECT_FALSE(document.Maps[0].Modified);
}

TEST_F(EditCommandsTest, PasteOffsetsAreNotWrappedOnLargePictures)
{
    surfaces.loadedSize = {100000, 80000};
    ASSERT_TRUE(canvas.ShowImage("/site/plan.gif"));
    select(0);
    clipboard.CopyZone();
    rightClick({70000, 40000});
    clipboard.PasteZone();
    EXPECT_EQ(points(3), (std::vector<Point>{{70000, 40000}, {70100, 40060}}));
}

TEST_F(EditCommandsTest, PasteNeedsAZoneInTheClipboardAndAPictureBetweenOperations)
{
    rightClick({50, 50});
    clipboard.PasteZone();
    EXPECT_EQ(document.ActiveZoneCount(), 3);
    select(0);
    clipboard.CopyZone();
    editor.BeginTrace(ShapePolygon);
    clipboard.PasteZone();
    editor.CancelTrace();
    canvas.setCanvasMode(NoPicture);
    clipboard.PasteZone();
    EXPECT_EQ(document.ActiveZoneCount(), 3);
    EXPECT_FALSE(document.DocumentModified);
}

TEST_F(EditCommandsTest, CutDeletesWithoutAskingAndThePopupsDeleteAsks)
{
    select(0);
    edits.popupCommand(PopupCut);
    EXPECT_TRUE(views.messages.empty());
    EXPECT_EQ(document.ActiveZones[0].hForme(), ShapeNone);
    EXPECT_EQ(views.node(zoneKey(0, 0)), nullptr);
    EXPECT_TRUE(clipboard.holdsZone());

    select(1);
    views.answers = {MessageAnswer::No};
    edits.popupCommand(PopupRemove);
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_EQ(views.messages[0].text, "Désirez-vous supprimer la région sélectionnée ?");
    EXPECT_EQ(document.SelectedZoneIndex, 1);
    EXPECT_EQ(document.ActiveZones[1].hForme(), ShapeCircle);

    // The cut zone can be pasted, more than once, and the deleted index stays taken.
    clipboard.PasteZone();
    clipboard.PasteZone();
    EXPECT_EQ(document.ActiveZoneCount(), 5);
    EXPECT_NE(views.node(zoneKey(0, 4)), nullptr);
}

TEST_F(EditCommandsTest, EachRightClickContextOffersItsCommands)
{
    struct Case
    {
        int selected; // -1: none
        Point at;
        std::vector<int> shown;
        std::vector<int> hidden;
        std::map<int, bool> menu;
        int mapFocus;
    };
    const Case cases[] = {
        {-1,
         {150, 150},
         {3, 5, 6},
         {1, 2, 4, 12, 13, 14},
         {{19, true},
          {24, false},
          {25, false},
          {26, true},
          {27, false},
          {29, true},
          {38, false},
          {39, false}},
         1},
        {0,
         {50, 50},
         {1, 2, 3, 4, 12, 13, 14},
         {5, 6},
         {{19, true},
          {24, true},
          {25, true},
          {26, true},
          {27, true},
          {29, true},
          {38, true},
          {39, true}},
         0},
        {0, {250, 150}, {3, 4, 5, 6}, {1, 2, 12, 13, 14}, {}, 1},
    };
    select(1);
    clipboard.CopyZone();
    for (const Case &c : cases) {
        canvas.clearSelection();
        canvas.setCanvasMode(Idle);
        if (c.selected != -1)
            select(c.selected);
        menus.itemEnabled.clear();
        rightClick(c.at);
        for (int item : c.shown)
            EXPECT_TRUE(popup.visible[item]) << item;
        for (int item : c.hidden)
            EXPECT_FALSE(popup.visible[item]) << item;
        EXPECT_TRUE(popup.enabled[PopupPaste]);
        EXPECT_EQ(menus.itemEnabled, c.menu);
        EXPECT_EQ(canvas.state().MapFocus, c.mapFocus);
        EXPECT_EQ(canvas.state().ContextPoint, c.at);
        EXPECT_EQ(popup.openedAt.back(), c.at);
        EXPECT_EQ(document.SelectedZoneIndex, c.selected) << "a right click never selects";
    }
    edits.UpdateEditCommands(NoPictureShown);
    for (int item : {19, 24, 25, 26, 27, 29})
        EXPECT_FALSE(menus.itemEnabled[item]) << item;
}

TEST_F(EditCommandsTest, NoPopupWhileTracingMovingOrWithoutPicture)
{
    for (int mode : {Tracing, Resizing, Moving, NoPicture}) {
        canvas.setCanvasMode(mode);
        rightClick({30, 30});
    }
    EXPECT_TRUE(popup.openedAt.empty());
    EXPECT_EQ(canvas.state().ContextPoint, (Point{0, 0}));
}

TEST_F(EditCommandsTest, PropertiesOpenTheDialogOfWhatTheLastCommandAimedAt)
{
    struct Case
    {
        const char *what;
        std::function<void()> command;
        const char *dialog;
    };
    const Case cases[] = {
        {"right click inside the zone, Properties",
         [&] {
             select(0);
             rightClick({50, 50});
             edits.popupCommand(PopupZoneProperties);
         },
         "zone"},
        {"right click outside the zone, Properties",
         [&] {
             select(0);
             rightClick({250, 150});
             edits.popupCommand(PopupZoneProperties);
         },
         "map"},
        {"double click on the selected zone",
         [&] {
             select(1);
             edits.doubleClick();
         },
         "zone"},
        {"double click on empty canvas",
         [&] {
             canvas.clearSelection();
             canvas.setCanvasMode(Idle);
             edits.doubleClick();
         },
         "map"},
        {"the grid's map row after a right click on the zone",
         [&] {
             select(0);
             rightClick({50, 50});
             canvas.clearSelection();
             canvas.setCanvasMode(Idle);
             grid.MoreItemClick(TagMapProperties);
         },
         "map"},
        {"the zone's grid row after a right click elsewhere",
         [&] {
             select(0);
             rightClick({250, 150});
             grid.MoreItemClick(TagZoneProperties);
         },
         "zone"},
        {"the Edit menu with a zone selected",
         [&] {
             select(2);
             edits.beforeMainMenu();
             properties.ShowProperties(false);
         },
         "zone"},
    };
    for (const Case &c : cases) {
        dialogs.shown.clear();
        c.command();
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.what;
        EXPECT_EQ(dialogs.shown[0], c.dialog) << c.what;
        EXPECT_EQ(views.status, "Prêt") << c.what;
    }
}

TEST_F(EditCommandsTest, DoubleClicksAreIgnoredDuringAnOperation)
{
    editor.BeginTrace(ShapeCircle);
    edits.doubleClick();
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(EditCommandsTest, OpeningTheMenuAbandonsATracing)
{
    editor.BeginTrace(ShapePolygon);
    editor.leftPress({10, 10});
    editor.leftRelease({10, 10});
    edits.beforeMainMenu();
    EXPECT_EQ(canvas.state().CanvasMode, Idle);
    EXPECT_EQ(document.ActiveZoneCount(), 3);
}

TEST_F(EditCommandsTest, TheTimerAfterATracingOpensTheNewZonesDialog)
{
    dialogs.zoneUser = [](ZonePropertiesForm &form) {
        EXPECT_EQ(form.caption(), "Propriétés de la région Rectangle");
        EXPECT_EQ(form.geometry()[2].text, "30");
    };
    surfaces.pictureEnabled = false;
    traceSmallRectangle();
    edits.autoPropElapsed();
    EXPECT_TRUE(surfaces.pictureEnabled);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"zone"}));

    settings.AutoProp = false;
    surfaces.pictureEnabled = false;
    edits.autoPropElapsed();
    EXPECT_TRUE(surfaces.pictureEnabled);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(EditCommandsTest, TreeNodesOpenTheDialogOfWhatTheyName)
{
    struct Case
    {
        std::string key;
        std::vector<std::string> doubleClick;
        std::vector<std::string> popup;
    };
    const Case cases[] = {
        {zoneKey(0, 1), {"zone"}, {"zone"}},
        {defaultRegionKey(1), {"map"}, {"map"}},
        {mapKey(0), {}, {"map"}},
    };
    for (const Case &c : cases) {
        tree.nodeClicked(c.key);
        dialogs.shown.clear();
        tree.doubleClicked(c.key, 7);
        EXPECT_EQ(dialogs.shown, c.doubleClick) << c.key;
        dialogs.shown.clear();
        tree.popupCommand(PopupProperties, c.key);
        EXPECT_EQ(dialogs.shown, c.popup) << c.key;
    }
    dialogs.shown.clear();
    canvas.ShowImage("");
    tree.doubleClicked(zoneKey(0, 0), 7);
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace areamaker
