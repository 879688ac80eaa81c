#include "shell/UndoCommands.h"

#include "EditFixture.h"
#include "canvas/ZoneOrder.h"
#include "document/TreeKeys.h"
#include "shell/MapPropertiesForm.h"
#include "shell/ZonePropertiesForm.h"

#include <functional>

namespace areamaker {
namespace {

class UndoCommandsTest : public testing::EditFixture
{
protected:
    UndoCommandsTest()
    {
        document.history().setListener([this] { undo.updateCommands(); });
        files.put("/site/autre.gif", "GIF89a");
    }

    // The deferred redraw has run, as it has before a user can click.
    void click(Point at)
    {
        canvas.RedrawCanvas();
        editor.mouseMove(at, false);
        editor.leftPress(at);
        editor.leftRelease(at);
    }
    void drag(Point from, Point to)
    {
        canvas.RedrawCanvas();
        editor.mouseMove(from, false);
        editor.leftPress(from);
        editor.mouseMove({(from.x + to.x) / 2, (from.y + to.y) / 2}, true);
        editor.mouseMove(to, true);
        editor.leftRelease(to);
    }
    void trace(int shape, const std::vector<Point> &clicks)
    {
        editor.BeginTrace(shape);
        for (const Point &at : clicks)
            click(at);
    }
    // The page as a save that regenerates every map would write it; the page on disk and
    // what the maps know of it are left as they were.
    std::string savedPage()
    {
        const std::string page = files.bytes(PagePath);
        std::vector<ImageMap> asRead = document.Maps;
        for (ImageMap &map : document.Maps)
            map.Modified = true;
        EXPECT_TRUE(lifecycle.SaveDocument()) << lifecycle.lastError();
        const std::string saved = files.bytes(PagePath);
        files.put(PagePath, page);
        for (std::size_t i = 0; i < asRead.size(); ++i) {
            document.Maps[i].SourceAsRead = asRead[i].SourceAsRead;
            document.Maps[i].NameAsRead = asRead[i].NameAsRead;
            document.Maps[i].Modified = asRead[i].Modified;
        }
        return saved;
    }
    std::string caption(int item) { return menus.itemCaption[item]; }

    UndoCommands undo{document, canvas, editor, lifecycle, menus};
};

struct Change
{
    const char *what;
    EditKind kind;
    std::function<void()> run;
};

TEST_F(UndoCommandsTest, EachKindOfChangeIsOneStepThatUndoAndRedoTakeBackAndForthExactly)
{
    const std::vector<Change> changes = {
        {"trace", EditKind::Trace,
         [this] {
             trace(ShapeRectangle, {{200, 150}, {260, 190}});
         }},
        {"trace polygon", EditKind::Trace,
         [this] {
             trace(ShapePolygon, {{150, 100}, {250, 100}, {250, 180}, {151, 101}});
         }},
        {"move", EditKind::Move,
         [this] {
             click({50, 50});
             drag({50, 50}, {90, 75});
         }},
        {"resize", EditKind::Resize,
         [this] {
             click({50, 50});
             drag({110, 80}, {150, 120});
         }},
        {"nudges", EditKind::Nudge,
         [this] {
             click({50, 50});
             editor.nudge(1, 0);
             editor.nudge(10, 0);
             editor.nudge(0, -1);
         }},
        {"typed value", EditKind::TypedValue,
         [this] {
             select(0);
             bool cancel = false;
             grid.TextItemChanged(TagLeft, "33", cancel);
         }},
        {"typed link", EditKind::TypedValue,
         [this] {
             select(1);
             bool cancel = false;
             grid.TextItemChanged(TagTitle, "Puits", cancel);
         }},
        {"zone dialog", EditKind::Properties,
         [this] {
             select(0);
             dialogs.zoneUser = [](ZonePropertiesForm &form) {
                 form.edited(AttrHref, "cuisine.htm", 11);
                 form.OK();
             };
             properties.showZoneDialog();
         }},
        {"map dialog", EditKind::Properties,
         [this] {
             dialogs.mapUser = [](MapPropertiesForm &form) {
                 form.edited(FieldName, "plan2", 5);
                 form.edited(AttrHref, "accueil.htm", 11);
                 form.edited(FieldImagePath, "autre.gif", 9);
                 form.OK();
             };
             properties.showMapDialog();
         }},
        {"paste", EditKind::Paste,
         [this] {
             select(0);
             clipboard.CopyZone();
             rightClick({150, 120});
             clipboard.PasteZone();
         }},
        {"cut", EditKind::Cut,
         [this] {
             select(1);
             clipboard.CutZone();
         }},
        {"delete zone", EditKind::DeleteZone,
         [this] {
             select(2);
             canvas.DeleteSelectedZone(false);
         }},
        {"delete default region", EditKind::DeleteDefaultRegion,
         [this] {
             views.answers = {MessageAnswer::Yes};
             lifecycle.deleteFromTree(defaultRegionKey(1));
         }},
        {"delete shown map", EditKind::DeleteMap,
         [this] {
             views.answers = {MessageAnswer::Yes};
             lifecycle.deleteFromTree(mapKey(0));
         }},
        {"rename", EditKind::RenameMap,
         [this] {
             bool cancel = false;
             grid.TextItemChanged(TagMapName, "salles", cancel);
         }},
        {"new picture", EditKind::NewPicture,
         [this] {
             surfaces.loadedSize = {120, 90};
             views.chosenFiles = {"/site/autre.gif"};
             grid.chooseImage();
         }},
        {"bring to front", EditKind::BringToFront,
         [this] {
             select(2);
             order.bringToFront();
         }},
        {"send to back", EditKind::SendToBack,
         [this] {
             select(0);
             order.sendToBack();
         }},
        {"new map", EditKind::NewMap,
         [this] { document.AddImageMap("neuve", "/site/autre.gif", "neuve.htm"); }},
    };
    for (const Change &change : changes) {
        SCOPED_TRACE(change.what);
        SetUp();
        const std::string before = savedPage();
        change.run();
        ASSERT_EQ(document.history().undoKind(), change.kind);
        EXPECT_EQ(caption(UndoCommands::UndoItem),
                  std::string("&Annuler ") + editKindName(change.kind));
        const std::string after = savedPage();
        ASSERT_NE(after, before) << "the change shows in the page";
        undo.Annuler();
        EXPECT_FALSE(document.history().canUndo()) << "one step, all of it";
        EXPECT_EQ(savedPage(), before);
        EXPECT_EQ(caption(UndoCommands::RedoItem),
                  std::string("&Rétablir ") + editKindName(change.kind));
        undo.Retablir();
        EXPECT_EQ(savedPage(), after);
        EXPECT_FALSE(document.history().canRedo());
    }
}

TEST_F(UndoCommandsTest, TheViewsAndTheSelectionFollowUndoAndRedo)
{
    select(1);
    canvas.DeleteSelectedZone(false);
    ASSERT_EQ(views.node(zoneKey(0, 1)), nullptr);
    undo.Annuler();
    ASSERT_NE(views.node(zoneKey(0, 1)), nullptr);
    EXPECT_EQ(views.node(zoneKey(0, 1))->text, "Cercle (puits.htm)");
    EXPECT_EQ(document.SelectedZoneIndex, 1) << "the deleted zone is selected again";
    EXPECT_EQ(canvas.state().CanvasMode, ZoneSelected);
    EXPECT_EQ(views.selectedNode, zoneKey(0, 1));
    EXPECT_EQ(views.gridFills.back(), GridFill::Selection);
    undo.Retablir();
    EXPECT_EQ(views.node(zoneKey(0, 1)), nullptr);
    EXPECT_EQ(document.SelectedZoneIndex, -1);
    EXPECT_EQ(canvas.state().CanvasMode, Idle);

    views.answers = {MessageAnswer::Yes};
    lifecycle.deleteFromTree(mapKey(0));
    EXPECT_EQ(document.ActiveMapIndex, -1);
    undo.Annuler();
    EXPECT_EQ(document.ActiveMapIndex, 0) << "the deleted map is shown again";
    EXPECT_TRUE(canvas.state().ImageShown);
    ASSERT_NE(views.node(mapKey(0)), nullptr);
    EXPECT_EQ(views.node(zoneKey(0, 2))->text, "Polygone");

    lifecycle.ActivateMap(1, false);
    select(0);
    bool cancel = false;
    grid.TextItemChanged(TagWidth, "20", cancel);
    lifecycle.ActivateMap(0, false);
    undo.Annuler();
    EXPECT_EQ(document.ActiveMapIndex, 1) << "undo shows the map it changes";
    EXPECT_EQ(document.SelectedZoneIndex, 0);
    EXPECT_EQ(points(0), (std::vector<Point>{{5, 5}, {50, 50}}));
}

TEST_F(UndoCommandsTest, UndoingBackToTheSavedStateClearsTheAsteriskAndTheFlags)
{
    select(0);
    editor.nudge(1, 0);
    ASSERT_TRUE(document.DocumentModified);
    undo.Annuler();
    EXPECT_FALSE(document.DocumentModified) << "back where the page was opened";
    EXPECT_FALSE(document.Maps[0].Modified);
    undo.Retablir();
    EXPECT_TRUE(document.DocumentModified);
    EXPECT_TRUE(document.Maps[0].Modified);

    ASSERT_TRUE(lifecycle.SaveDocument());
    EXPECT_TRUE(document.history().canUndo()) << "saving keeps the history";
    bool cancel = false;
    grid.TextItemChanged(TagTop, "40", cancel);
    undo.Annuler();
    EXPECT_FALSE(document.DocumentModified) << "back at the saved state";
    undo.Annuler();
    EXPECT_TRUE(document.DocumentModified) << "before the saved state";
    EXPECT_TRUE(document.Maps[0].Modified);
    EXPECT_FALSE(document.Maps[1].Modified);
    undo.Retablir();
    EXPECT_FALSE(document.DocumentModified);

    // A new change after undoing below the save: the saved state cannot come back.
    undo.Annuler();
    editor.nudge(0, 1);
    EXPECT_FALSE(document.history().canRedo()) << "no redo after a new change";
    undo.Annuler();
    EXPECT_TRUE(document.DocumentModified);
}

TEST_F(UndoCommandsTest, ArrowPressesInARowAreOneStepUntilSomethingElseHappens)
{
    struct Case
    {
        const char *what;
        std::function<void()> between;
        bool oneStep;
    };
    const Case cases[] = {
        {"nothing", [] {}, true},
        {"a click",
         [this] {
             click({50, 50});
         },
         false},
        {"another zone", [this] { select(1); }, false},
        {"a save", [this] { lifecycle.SaveDocument(); }, false},
        {"Tab", [this] { editor.keyDown(KeyTab, false); }, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        select(0);
        editor.nudge(1, 0);
        c.between();
        editor.nudge(0, 1);
        undo.Annuler();
        EXPECT_EQ(document.history().canUndo(), !c.oneStep);
    }
}

TEST_F(UndoCommandsTest, OpeningClosingAndReloadingForgetTheHistory)
{
    const std::function<void()> forget[] = {
        [this] { lifecycle.OpenDocument(PagePath, true); },
        [this] { lifecycle.CloseDocument(true); },
    };
    for (const auto &run : forget) {
        SetUp();
        select(0);
        editor.nudge(1, 1);
        undo.Annuler();
        editor.nudge(1, 1);
        run();
        EXPECT_FALSE(document.history().canUndo());
        EXPECT_FALSE(document.history().canRedo());
        EXPECT_FALSE(menus.itemEnabled[UndoCommands::UndoItem]);
        EXPECT_EQ(caption(UndoCommands::UndoItem), "&Annuler");
    }
}

TEST_F(UndoCommandsTest, TheHistoryKeepsTheLastTwoHundredStepsOfWhatChanged)
{
    select(0);
    for (int i = 0; i < 205; ++i) {
        bool cancel = false;
        grid.TextItemChanged(TagTarget, "cadre" + std::to_string(i), cancel);
    }
    int undone = 0;
    while (document.history().canUndo()) {
        undo.Annuler();
        ++undone;
    }
    EXPECT_EQ(undone, 200);
    EXPECT_EQ(document.ActiveZones[0].GetData(AttrTarget), "cadre4");
    EXPECT_TRUE(document.DocumentModified) << "the saved state went with the oldest steps";
}

TEST_F(UndoCommandsTest, AStepThatChangesNothingLeavesTheHistoryAlone)
{
    click({50, 50});
    editor.leftPress({50, 50});
    editor.leftRelease({50, 50});
    click({250, 150});
    views.answers = {MessageAnswer::Ok};
    bool cancel = false;
    grid.TextItemChanged(TagMapName, "village", cancel);
    EXPECT_TRUE(cancel) << "a name another map has";
    EXPECT_FALSE(document.history().canUndo());
    EXPECT_FALSE(document.DocumentModified);
}

TEST_F(UndoCommandsTest, TheGuardKeepsUndoAwayFromMapsThatRefuseEdits)
{
    select(0);
    editor.nudge(5, 0);
    document.history().setEditGuard([](int map) { return map != 0; });
    views.answers = {MessageAnswer::Ok};
    undo.Annuler();
    EXPECT_EQ(points(0), (std::vector<Point>{{15, 20}, {115, 80}})) << "the map is untouched";
    EXPECT_EQ(views.messages.back().text,
              "Cette étape modifie une image map en lecture seule : elle ne peut être ni "
              "annulée ni rétablie.");
    EXPECT_TRUE(document.history().canUndo());
}

TEST_F(UndoCommandsTest, APictureChangeUndoneAfterASaveGivesTheImgTagsTheOldPicturesSize)
{
    surfaces.loadedSize = {120, 90};
    views.chosenFiles = {"/site/autre.gif"};
    grid.chooseImage();
    ASSERT_TRUE(lifecycle.SaveDocument());
    ASSERT_NE(files.bytes(PagePath).find("SRC=\"autre.gif\" USEMAP=\"#plan\" WIDTH=\"120\""),
              std::string::npos);
    surfaces.loadedSize = {300, 200};
    undo.Annuler();
    ASSERT_TRUE(lifecycle.SaveDocument());
    EXPECT_NE(files.bytes(PagePath).find(
                  "SRC=\"plan.gif\" USEMAP=\"#plan\" WIDTH=\"300\" HEIGHT=\"200\""),
              std::string::npos)
        << files.bytes(PagePath);
}

TEST_F(UndoCommandsTest, AnUndoBeforeTheTracingsDialogOpensLeavesNoDialogOpen)
{
    settings.AutoProp = true;
    trace(ShapeRectangle, {{200, 150}, {260, 190}});
    undo.Annuler();
    edits.autoPropElapsed();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(surfaces.pictureEnabled);
}

TEST_F(UndoCommandsTest, UndoAbandonsATracingAndWaitsForADragToEnd)
{
    select(0);
    editor.nudge(5, 0);
    editor.BeginTrace(ShapePolygon);
    click({200, 50});
    undo.Annuler();
    EXPECT_EQ(canvas.state().CanvasMode, ZoneSelected);
    EXPECT_EQ(canvas.state().TraceStep, 0);
    EXPECT_EQ(points(0)[0].x, 10);

    undo.Retablir();
    editor.leftPress({50, 50});
    editor.mouseMove({60, 50}, true);
    undo.Annuler();
    EXPECT_EQ(points(0)[0].x, 25) << "mid-drag nothing is undone";
    editor.leftRelease({60, 50});
    undo.Annuler();
    EXPECT_EQ(points(0)[0].x, 15);
}

} // namespace
} // namespace areamaker
