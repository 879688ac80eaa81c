#include "EditFixture.h"

#include "document/TreeKeys.h"

#include <functional>

namespace areamaker {
namespace {

// Map 0 of the side pane's page, with server code in its block: shown, but never changed.
class ReadOnlyMapTest : public testing::EditFixture
{
protected:
    static constexpr const char *ReadOnlyPage =
        "<body>\n<IMG SRC=\"plan.gif\" USEMAP=\"#plan\">\n<MAP NAME=\"plan\">\n"
        "<!--Source Map:|plan.gif|-->\n<?php if ($salle) : ?>\n"
        "<AREA SHAPE=\"RECT\" COORDS=\"10,20,110,80\" HREF=\"salle.htm\" ALT=\"Salle\">\n"
        "<?php endif; ?>\n<AREA SHAPE=\"CIRCLE\" COORDS=\"180,40,20\" HREF=\"puits.htm\">\n"
        "<AREA SHAPE=\"RECT\" COORDS=\"0,0,300,200\" HREF=\"tout.htm\">\n</MAP>\n</body>\n";

    void SetUp() override
    {
        files.put(PagePath, ReadOnlyPage);
        ASSERT_TRUE(lifecycle.OpenDocument(PagePath, true)) << lifecycle.lastError();
        ASSERT_TRUE(lifecycle.ActivateMap(0, false));
    }
};

TEST_F(ReadOnlyMapTest, ItIsShownAndSelectedButEveryEditIsRefusedWithItsReason)
{
    EXPECT_EQ(views.status, "Lecture seule : son bloc contient du code serveur "
                            "(« <?php if ($salle) : ?> »)");
    tree.nodeClicked(zoneKey(0, 1));
    EXPECT_EQ(document.SelectedZoneIndex, 1);
    EXPECT_FALSE(grid.rows(GridFill::Selection).empty());

    // A typed value is refused, and the grid told to show the stored value again.
    const auto typed = [&](int tag, const char *text) {
        return [this, tag, text] {
            bool cancel = false;
            grid.TextItemChanged(tag, text, cancel);
            EXPECT_TRUE(cancel);
        };
    };
    struct Case
    {
        const char *edit;
        int zone; // the zone selected first, or -1 for the map
        std::function<void()> attempt;
    };
    const Case cases[] = {
        {"typed centre", 1, typed(TagCentre, "50,50")},
        {"typed title", 1, typed(TagTitle, "Puits")},
        {"hyperlink button", 1, [&] { grid.MoreItemClick(TagHref); }},
        {"typed map name", -1, typed(TagMapName, "autre")},
        {"typed default frame", -1, typed(TagMapTarget, "_top")},
        {"picture button", -1, [&] { grid.MoreItemClick(TagMapImage); }},
        {"default link button", -1, [&] { grid.MoreItemClick(TagDefaultHref); }},
        {"tree Insérer", 1, [&] { tree.popupCommand(PopupRectangle, zoneKey(0, 1)); }},
        {"tree deletes a zone", 1, [&] { tree.popupCommand(PopupDelete, zoneKey(0, 1)); }},
        {"tree deletes the default region", -1,
         [&] { tree.popupCommand(PopupDelete, defaultRegionKey(0)); }},
        {"tree deletes the map", -1, [&] { tree.popupCommand(PopupDelete, mapKey(0)); }},
        {"cut", 1, [&] { clipboard.CutZone(); }},
        {"paste", 1,
         [&] {
             clipboard.CopyZone();
             rightClick({60, 150});
             clipboard.PasteZone();
         }},
        {"zone dialog", 1, [&] { properties.ShowProperties(false); }},
        {"map dialog", -1, [&] { properties.ShowProperties(true); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.edit);
        if (c.zone >= 0) {
            tree.nodeClicked(zoneKey(0, c.zone));
        } else {
            canvas.clearSelection();
            canvas.setCanvasMode(Idle);
        }
        views.messages.clear();
        views.answers = {MessageAnswer::Ok};
        c.attempt();
        ASSERT_EQ(views.messages.size(), 1u);
        EXPECT_EQ(views.messages[0].title, "Erreur");
        EXPECT_EQ(views.messages[0].text.rfind("La map « plan » est en lecture seule : son bloc "
                                               "contient du code serveur",
                                               0),
                  0u)
            << views.messages[0].text;
        EXPECT_NE(canvas.state().CanvasMode, Tracing);
    }
    EXPECT_TRUE(views.dialogs.empty()) << "no file dialog opens for a refused edit";
    EXPECT_TRUE(dialogs.shown.empty()) << "no properties dialog opens";
    EXPECT_EQ(document.Maps[0].Name, "plan");
    EXPECT_TRUE(document.Maps[0].Alive);
    EXPECT_EQ(document.ActiveZoneCount(), 2);
    EXPECT_EQ(document.ActiveZones[1].GetData(AttrTitle), "");
    EXPECT_EQ(points(1), (std::vector<Point>{{160, 20}, {200, 60}}));
    EXPECT_EQ(document.Maps[0].DefaultRegion[AttrHref], "tout.htm");
    EXPECT_FALSE(document.Maps[0].Modified);
    EXPECT_FALSE(document.DocumentModified);

    ASSERT_TRUE(lifecycle.SaveDocument());
    EXPECT_EQ(files.bytes(PagePath), ReadOnlyPage);
}

TEST_F(ReadOnlyMapTest, APictureChosenForItIsShownButNotWrittenIntoThePage)
{
    files.remove("/site/plan.gif");
    files.put("/site/autre.gif", "GIF89a");
    ASSERT_TRUE(lifecycle.OpenDocument(PagePath, true));
    views.answers = {MessageAnswer::Ok};
    views.chosenFiles = {"/site/autre.gif"};
    ASSERT_TRUE(lifecycle.ActivateMap(0, false));
    EXPECT_EQ(document.Maps[0].ImagePath, "/site/autre.gif");
    EXPECT_FALSE(document.Maps[0].Modified);
    ASSERT_TRUE(lifecycle.SaveDocument());
    EXPECT_EQ(files.bytes(PagePath), ReadOnlyPage) << "neither its block nor its IMG tag";
}

} // namespace
} // namespace areamaker
