#include "document/MapWriter.h"
#include "MarkEdited.h"

#include "DocumentFixture.h"
#include "document/TreeKeys.h"

namespace areamaker {
namespace {

class MapWriterTest : public testing::DocumentFixture
{
protected:
    void save() { ASSERT_TRUE(lifecycle.SaveDocument()) << lifecycle.lastError(); }

    Zone rectangle(Point a, Point b, const std::string &href)
    {
        Zone zone;
        zone.setHRegion(KindRegion);
        zone.setHForme(ShapeRectangle);
        zone.AddXCoord(a.x, 0);
        zone.AddYCoord(a.y, 0);
        zone.AddXCoord(b.x, 1);
        zone.AddYCoord(b.y, 1);
        zone.SetData(AttrHref, href);
        return zone;
    }
};

const std::string Page = "<HTML><BODY>\r\n"
                         "<IMG SRC=\"img/menu.gif\" USEMAP=\"#menu\">\r\n"
                         "<MAP NAME=\"menu\">\r\n"
                         "<!--Source Map:|img/menu.gif|-->\r\n"
                         "<AREA SHAPE=\"RECT\" COORDS=\"10,10,90,40\" HREF=\"a.htm\">\r\n"
                         "<AREA SHAPE=\"RECT\" COORDS=\"0,0,200,100\" HREF=\"index.htm\">\r\n"
                         "</MAP>\r\n"
                         "</BODY></HTML>\r\n";

TEST_F(MapWriterTest, RegeneratedBlockHasTheCanonicalForm)
{
    open(Page);
    testing::markEdited(document, 0);
    save();
    EXPECT_EQ(saved(), Page);
}

TEST_F(MapWriterTest, SavingWithoutChangesKeepsEveryByte)
{
    const std::string pages[] = {
        Page,
        "<html>\n<body>\n<map name=\"x\"><area shape=rect coords=\"1,2,3,4\" "
        "alt='a'></map>\n</body>\n</html>\n",
        "no line break at the end",
        "\xEF\xBB\xBF<p>caf\xC3\xA9</p>\r\n\r\n",
    };
    for (const std::string &page : pages) {
        open(page);
        save();
        save();
        EXPECT_EQ(saved(), page) << "nothing modified, nothing written, not even a line break";
        EXPECT_EQ(files.replaceCount, 0);
    }
}

TEST_F(MapWriterTest, RenamedMapReplacesItsBlockAndItsImgTags)
{
    open("<body>\n<img src=\"img/menu.gif\" width=\"1\" height=\"2\" USEMAP=\"#menu\">\n"
         "<img usemap=\"#menu\" src=x.gif>\n<img usemap=\"#other\">\n"
         "<map name=\"menu\">\n<area shape=rect coords=\"1,2,3,4\">\n</map> after\n</body>\n");
    document.Maps[0].Name = "nav";
    testing::markEdited(document, 0);
    save();
    EXPECT_EQ(saved(),
              "<body>\n<img src=\"img/menu.gif\" width=\"1\" height=\"2\" USEMAP=\"#nav\">\n"
              "<img USEMAP=\"#nav\" src=x.gif>\n<img usemap=\"#other\">\n"
              "<map name=\"nav\">\n<!--Source Map:|<NONE>|-->\n"
              "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\">\n</MAP> after\n</body>\n");
    EXPECT_EQ(document.Maps[0].NameAsRead, "nav");
}

TEST_F(MapWriterTest, NewMapGoesOnItsOwnLinesBeforeTheBodyEnd)
{
    struct Case
    {
        const char *page;
        const char *expected;
    };
    const Case cases[] = {
        {"<body>\r\n<p>x</p>\r\n</body>\r\n",
         "<body>\r\n<p>x</p>\r\n\r\n<MAP NAME=\"new\">\r\n<!--Source Map:|img/menu.gif|-->\r\n"
         "<AREA SHAPE=\"RECT\" COORDS=\"0,0,200,100\" HREF=\"home.htm\">\r\n</MAP>\r\n</body>\r\n"},
        {"<p>no body</p>\n",
         "<p>no body</p>\n\n<MAP NAME=\"new\">\n<!--Source Map:|img/menu.gif|-->\n"
         "<AREA SHAPE=\"RECT\" COORDS=\"0,0,200,100\" HREF=\"home.htm\">\n</MAP>\n"},
    };
    for (const Case &c : cases) {
        open(c.page);
        document.AddImageMap("new", "/site/img/menu.gif", "home.htm");
        save();
        EXPECT_EQ(saved(), c.expected);
    }
    EXPECT_EQ(views.node("GEN-0")->text, "new (menu.gif)");
    EXPECT_EQ(views.node("GEN-0::ZONE-DEFAUT")->text, "Défaut (home.htm)");
}

TEST_F(MapWriterTest, EmptyMapAndMissingImage)
{
    open("<body>\n</body>");
    document.AddImageMap("vide", NoImage, "kept.htm");
    save();
    EXPECT_EQ(saved(), "<body>\n\n<MAP NAME=\"vide\">\n<!--Source Map:|<NONE>|-->\n"
                       "<AREA SHAPE=\"DEFAULT\" HREF=\"kept.htm\">\n</MAP>\n</body>\n")
        << "without the image's size the default region keeps its link";
}

TEST_F(MapWriterTest, UnfoundImageKeepsTheAuthorsSourcePath)
{
    open("<MAP NAME=\"m\">\n<!--Source Map:|pics/lost.gif|-->\n</MAP>\n");
    testing::markEdited(document, 0);
    save();
    EXPECT_EQ(saved(), "<MAP NAME=\"m\">\n<!--Source Map:|pics/lost.gif|-->\n</MAP>\n");
}

TEST_F(MapWriterTest, DeletedMapTakesOneLineBreakAndUnbindsItsImages)
{
    open("<body>\r\n<img src=\"a.gif\" USEMAP=\"#menu\" alt=\"x\">\r\n<map "
         "name=\"menu\">\r\n</map>\r\n"
         "<map name=\"keep\"></map>\r\n</body>\r\n");
    views.answers = {MessageAnswer::Yes};
    lifecycle.deleteFromTree(mapKey(0));
    EXPECT_EQ(views.node(mapKey(0)), nullptr);
    EXPECT_EQ(views.messages[0].defaultButton, 1) << "No is the default";
    save();
    EXPECT_EQ(
        saved(),
        "<body>\r\n<img src=\"a.gif\" alt=\"x\">\r\n<map name=\"keep\"></map>\r\n</body>\r\n");
    save();
    EXPECT_EQ(
        saved(),
        "<body>\r\n<img src=\"a.gif\" alt=\"x\">\r\n<map name=\"keep\"></map>\r\n</body>\r\n");
    EXPECT_EQ(document.MapCount(), 2) << "a deleted map keeps its index";
}

// The new page is handed on in pieces: a deleted block still takes the line break written
// before it when a long text came first, whichever line break the page uses.
TEST_F(MapWriterTest, DeletedMapTakesTheLineBreakBeforeItAfterALongText)
{
    const std::string text(100000, 'x');
    for (const std::string eol : {"\r\n", "\n"}) {
        SCOPED_TRACE(eol.size());
        open("<p>" + text + "</p>" + eol + "<map name=\"gone\"></map><p>end</p>" + eol);
        views.answers = {MessageAnswer::Yes};
        lifecycle.deleteFromTree(mapKey(0));
        save();
        EXPECT_TRUE(saved() == "<p>" + text + "</p><p>end</p>" + eol);
    }
}

TEST_F(MapWriterTest, MapsSharingANameKeepTheirOwnBlocks)
{
    open("<map name=\"x\"><area shape=rect coords=\"1,1,2,2\"></map>\n"
         "<map name=\"X\"><area shape=rect coords=\"3,3,4,4\"></map>\n");
    document.Maps[1].Zones[0].SetData(AttrHref, "second.htm");
    testing::markEdited(document, 1);
    save();
    EXPECT_EQ(saved(), "<map name=\"x\"><area shape=rect coords=\"1,1,2,2\"></map>\n"
                       "<map name=\"X\">\n<!--Source Map:|<NONE>|-->\n"
                       "<AREA SHAPE=\"RECT\" COORDS=\"3,3,4,4\" HREF=\"second.htm\">\n</MAP>\n");
}

TEST_F(MapWriterTest, SwappedNamesFollowTheirOwnImages)
{
    open("<img USEMAP=\"#a\" id=1><img USEMAP=\"#b\" id=2>\n<map name=\"a\"></map><map "
         "name=\"b\"></map>\n");
    document.Maps[0].Name = "b";
    document.Maps[1].Name = "a";
    testing::markEdited(document, 0);
    testing::markEdited(document, 1);
    save();
    EXPECT_EQ(saved(), "<img USEMAP=\"#b\" id=1><img USEMAP=\"#a\" id=2>\n"
                       "<map name=\"b\">\n<!--Source Map:|<NONE>|-->\n</MAP>"
                       "<map name=\"a\">\n<!--Source Map:|<NONE>|-->\n</MAP>\n");
}

TEST_F(MapWriterTest, ActiveZonesAreCopiedBackAndQuotesEscaped)
{
    open(Page);
    ASSERT_TRUE(lifecycle.ActivateMap(0, false));
    document.ActiveZones.push_back(rectangle({1, 1}, {5, 5}, "q\"uote.htm"));
    testing::markEdited(document, 0);
    save();
    EXPECT_NE(saved().find("<AREA SHAPE=\"RECT\" COORDS=\"1,1,5,5\" HREF=\"q&quot;uote.htm\">\r\n"
                           "<AREA SHAPE=\"RECT\" COORDS=\"0,0,200,100\""),
              std::string::npos)
        << saved();
}

TEST_F(MapWriterTest, NewImageRewritesSourceCommentAndImgTag)
{
    images.sizes["/site/art/big.png"] = {640, 480};
    files.put("/site/art/big.png", "PNG");
    open(Page);
    ImageMap &map = document.Maps[0];
    map.ImagePath = "/site/art/big.png";
    map.ImageWidth = 640;
    map.ImageHeight = 480;
    testing::markEdited(document, 0);
    save();
    EXPECT_NE(
        saved().find("<IMG SRC=\"art/big.png\" USEMAP=\"#menu\" WIDTH=\"640\" HEIGHT=\"480\">"),
        std::string::npos)
        << saved();
    EXPECT_NE(saved().find("<!--Source Map:|art/big.png|-->"), std::string::npos);
    EXPECT_EQ(saved().find("COORDS=\"0,0,200,100\""), std::string::npos)
        << "the default follows the new size";
    EXPECT_NE(saved().find("COORDS=\"0,0,640,480\""), std::string::npos);
}

TEST_F(MapWriterTest, BlocksEndWhereTheBrowserEndsThem)
{
    open("<a title=\"<map name=a>\">x</a>\n<map name=\"a\"><area "
         "coords=\"1,1,2,2\"></map>\n");
    testing::markEdited(document, 0);
    save();
    EXPECT_EQ(saved(),
              "<a title=\"<map name=a>\">x</a>\n<map name=\"a\">\n<!--Source Map:|<NONE>|-->\n"
              "<AREA SHAPE=\"RECT\" COORDS=\"1,1,2,2\">\n</MAP>\n");
}

} // namespace
} // namespace areamaker
