#include "document/MapReader.h"

#include "DocumentFixture.h"

namespace areamaker {
namespace {

using MapReaderTest = testing::DocumentFixture;

const char *const MenuBlock = "<MAP NAME=\"menu\">\r\n<!--Source Map:|img/menu.gif|-->\r\n";

TEST_F(MapReaderTest, LowerCaseBlockWithUnquotedShapeIsRead)
{
    open("<map name=\"Nav\"><area shape=rect coords=\"1,2,3,4\" href=\"a.htm\"></map>");
    ASSERT_EQ(document.MapCount(), 1);
    const ImageMap &map = document.Maps[0];
    EXPECT_EQ(map.Name, "Nav");
    EXPECT_EQ(map.NameAsRead, "Nav");
    EXPECT_EQ(map.ImagePath, NoImage);
    ASSERT_EQ(map.ZoneCount(), 1);
    EXPECT_EQ(map.Zones[0].hForme(), ShapeRectangle);
    EXPECT_EQ(map.Zones[0].point(0), (Point{1, 2}));
    EXPECT_EQ(map.Zones[0].point(1), (Point{3, 4}));
    EXPECT_EQ(map.Zones[0].GetData(AttrHref), "a.htm");
    ASSERT_NE(views.node("GEN-0::ZONE-0"), nullptr);
    EXPECT_EQ(views.node("GEN-0::ZONE-0")->text, "Rectangle (a.htm)");
    EXPECT_EQ(views.node("GEN-0")->text, "Nav");
}

TEST_F(MapReaderTest, TreeTextsOfALatinPageAreDecoded)
{
    open("<MAP NAME=\"\xC9tage\"><AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"entr\xE9"
         "e.htm\"></MAP>");
    EXPECT_EQ(document.Maps[0].Name, "\xC9tage");
    EXPECT_EQ(views.node("GEN-0")->text, "Étage");
    EXPECT_EQ(views.node("GEN-0::ZONE-0")->text, "Rectangle (entrée.htm)");
}

TEST_F(MapReaderTest, ShapesAndTheirPoints)
{
    struct Case
    {
        const char *area;
        std::int16_t shape;
        std::vector<Point> points;
    };
    const Case cases[] = {
        {"<AREA SHAPE=\"POLY\" COORDS=\"10,10,50,10,30,40,10,10\">",
         ShapePolygon,
         {{10, 10}, {50, 10}, {30, 40}}},
        {"<AREA SHAPE=\"POLY\" COORDS=\"10,10,50,10,30,40\">",
         ShapePolygon,
         {{10, 10}, {50, 10}, {30, 40}}},
        {"<AREA SHAPE=\"CIRCLE\" COORDS=\"100,100,25\">", ShapeCircle, {{75, 75}, {125, 125}}},
        {"<AREA SHAPE=\"POLY\" COORDS=\"5,0,5,0\">", ShapePolygon, {{5, 0}, {5, 0}}},
        {"<area shape=\"circ\" coords=\" 100 , 100 , 25 \">", ShapeCircle, {{75, 75}, {125, 125}}},
        {"<AREA SHAPE=\"RECT\" COORDS=\"1.5,2.5,3.49,-4\">", ShapeRectangle, {{2, 2}, {3, -4}}},
        {"<AREA HREF=\"x.htm\" SHAPE=\"RECT\" COORDS=\"5,6,7,8\">",
         ShapeRectangle,
         {{5, 6}, {7, 8}}},
        {"<AREA COORDS=\"5,6,7,8\" HREF=\"x.htm\">", ShapeRectangle, {{5, 6}, {7, 8}}},
        {"<area\n  shape='poly'\n  coords='1,1,9,1,5,5' />",
         ShapePolygon,
         {{1, 1}, {9, 1}, {5, 5}}},
    };
    for (const Case &c : cases) {
        open(std::string(MenuBlock) + c.area + "\r\n</MAP>");
        ASSERT_EQ(document.Maps[0].ZoneCount(), 1) << c.area;
        const Zone &zone = document.Maps[0].Zones[0];
        EXPECT_EQ(zone.hForme(), c.shape) << c.area;
        EXPECT_EQ(zone.hNCoords(), static_cast<int>(c.points.size())) << c.area;
        for (std::size_t i = 0; i < c.points.size(); ++i)
            EXPECT_EQ(zone.point(static_cast<int>(i)), c.points[i]) << c.area << " point " << i;
    }
}

TEST_F(MapReaderTest, FullImageRectangleIsTheDefaultRegion)
{
    open(std::string(MenuBlock) +
         "<AREA SHAPE=\"RECT\" COORDS=\"0,0,200,100\" HREF=\"index.htm\" ALT=\"Tout\">\r\n"
         "<AREA SHAPE=\"RECT\" COORDS=\"0,0,200,99\" HREF=\"b.htm\">\r\n</MAP>\r\n"
         "<MAP NAME=\"other\"><AREA SHAPE=\"RECT\" COORDS=\"0,0,200,100\" HREF=\"c.htm\"></MAP>");
    const ImageMap &menu = document.Maps[0];
    EXPECT_EQ(menu.ImagePath, "/site/img/menu.gif");
    EXPECT_EQ(menu.DefaultRegion[AttrHref], "index.htm");
    EXPECT_EQ(menu.DefaultRegion[AttrAlt], "Tout");
    EXPECT_EQ(menu.ZoneCount(), 1) << "a rectangle of any other size stays a zone";
    EXPECT_EQ(views.node("GEN-0::ZONE-DEFAUT")->text, "Défaut (index.htm)");
    EXPECT_EQ(views.node("GEN-0")->text, "menu (menu.gif)");
    EXPECT_EQ(document.Maps[1].ZoneCount(), 1) << "without its image the map has no default region";
    EXPECT_FALSE(document.Maps[1].hasDefaultRegion());
    EXPECT_EQ(images.probes["/site/img/menu.gif"], 1) << "each image is probed once per read";
}

TEST_F(MapReaderTest, DefaultShapeAndUnknownShapes)
{
    open("<MAP NAME=\"m\"><AREA SHAPE=\"OVAL\" COORDS=\"1,2\"><AREA SHAPE=\"DEFAULT\" "
         "HREF=\"d.htm\">"
         "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\"></MAP>");
    EXPECT_EQ(document.Maps[0].ZoneCount(), 1);
    EXPECT_EQ(document.Maps[0].DefaultRegion[AttrHref], "d.htm");
    EXPECT_NE(views.node("GEN-0::ZONE-0"), nullptr);
    EXPECT_EQ(views.node("GEN-0::ZONE-DEFAUT")->text, "Défaut (d.htm)");
}

TEST_F(MapReaderTest, AttributeValuesReadBackAsTheEditorWritesThem)
{
    struct Case
    {
        const char *tag;
        int index;
        const char *value;
    };
    const Case cases[] = {
        {"<AREA SHAPE=RECT HREF=\"a.htm?x=1&amp;y=2\">", AttrHref, "a.htm?x=1&amp;y=2"},
        {"<AREA SHAPE=RECT alt='Entrée'>", AttrAlt, "Entrée"},
        {"<AREA SHAPE=RECT TITLE=plain>", AttrTitle, "plain"},
        {"<AREA SHAPE=RECT ALT=\"HREF=&quot;b&quot;\" HREF=\"c.htm\">", AttrHref, "c.htm"},
        {"<AREA SHAPE=RECT onMouseOver=\"if (a > b) go('x')\">", AttrOnMouseOver,
         "if (a > b) go('x')"},
        {"<AREA SHAPE=RECT ALT=\"Le &quot;grand&quot; &lt;b&gt;\">", AttrAlt,
         "Le \"grand\" &lt;b&gt;"},
        {"<AREA SHAPE=RECT TITLE=\"&lt;/map>\">", AttrTitle, "</map>"},
        {"<AREA SHAPE=RECT TITLE=\"&lt;map\">", AttrTitle, "<map"},
        {"<AREA SHAPE = RECT\nHREF\n=\n'a b.htm'>", AttrHref, "a b.htm"},
        {"<AREA ALT = \"x > y\" HREF = c.htm>", AttrHref, "c.htm"},
        {"<AREA SHAPE=RECT HREF=\"<?php echo $b; ?>/a.php\" ALT=\"x\">", AttrAlt, "x"},
        {"<AREA SHAPE=RECT COORDS=\"1,2,3,4\">", 7, "1,2,3,4"},
        {"<AREA SHAPE=RECT COORDS=\"1,2,3,4\">", 8, ""},
        {"<AREA SHAPE=RECT>", AttrTarget, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MapReader::GetAreaAttribute(c.tag, c.index), c.value) << c.tag;
}

TEST_F(MapReaderTest, SourceCommentResolvesAgainstThePage)
{
    open("<MAP NAME=\"a\">\n<!--Source Map:|img/menu.gif|-->\n</MAP>"
         "<MAP NAME=\"b\">\n<!--Source Map:|img/gone.gif|-->\n</MAP><MAP NAME=\"c\"></MAP>");
    EXPECT_EQ(document.Maps[0].ImagePath, "/site/img/menu.gif");
    EXPECT_EQ(document.Maps[0].SourceAsRead, "/site/img/menu.gif");
    EXPECT_EQ(document.Maps[1].ImagePath, NoImage);
    EXPECT_EQ(document.Maps[1].SourceTextAsRead, "img/gone.gif");
    EXPECT_EQ(document.Maps[2].ImagePath, NoImage);
}

TEST_F(MapReaderTest, MapsInCommentsAndScriptsAreNotMaps)
{
    open("<!-- <map name=\"old\"> --><script>document.write('<map name=\"js\">');</script>"
         "<style>/* <map */</style><?php echo '<map name=\"php\">'; ?>"
         "<a title=\"<map name='t'>\" href=x>link</a>"
         "<MAP NAME=\"real\"><!-- <area shape=rect coords=\"1,1,2,2\"> </map> --></MAP>"
         "<MAP NAME=\"real\"></MAP>");
    ASSERT_EQ(document.MapCount(), 2) << "two maps of one name are two maps";
    EXPECT_EQ(document.Maps[0].Name, "real");
    EXPECT_EQ(document.Maps[0].ZoneCount(), 0);
    EXPECT_EQ(document.Maps[1].Name, "real");
}

TEST_F(MapReaderTest, MalformedBlocksFailTheOpenWithAClearMessage)
{
    struct Case
    {
        const char *page;
        const char *reason;
    };
    const Case cases[] = {
        {"<MAP NAME=\"a\"><AREA SHAPE=RECT COORDS=\"1,x,3,4\"></MAP>", "« x »"},
        {"<MAP NAME=\"a\"><AREA SHAPE=RECT COORDS=\"1,2,3\"></MAP>", "Rectangle incomplet"},
        {"<MAP NAME=\"a\"><AREA SHAPE=POLY COORDS=\"1,2,3\"></MAP>", "Polygone incomplet"},
        {"<MAP NAME=\"a\"><AREA SHAPE=POLY COORDS=\"1,2\"></MAP>", "un seul point"},
        {"<MAP NAME=\"a\"><AREA SHAPE=CIRCLE COORDS=\"1,2\"></MAP>", "Cercle incomplet"},
        {"<MAP NAME=\"a\"><AREA SHAPE=RECT COORDS=\"1,2,3,99999999999\"></MAP>", "Dépassement"},
        {"<MAP NAME=\"a\"><!--Source Map:|img/a.gif--></MAP>", "|-->"},
        {"\xFF\xFE<\0", "UTF-16"},
    };
    for (const Case &c : cases) {
        views.messages.clear();
        views.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
        files.put(PagePath, c.page);
        EXPECT_FALSE(lifecycle.OpenDocument(PagePath, true)) << c.page;
        EXPECT_NE(lifecycle.lastError().find(c.reason), std::string::npos) << lifecycle.lastError();
        ASSERT_EQ(views.messages.size(), 2u);
        EXPECT_EQ(views.messages[0].title, "Areamaker");
        EXPECT_EQ(views.messages[1].text,
                  "Erreur dans le module : MapModule\nDescription : Impossible de "
                  "lire le fichier spécifié.\n\nSi le problème persiste, contactez "
                  "le service d'assistance.");
        EXPECT_EQ(views.messages[1].title.rfind("Erreur ", 0), 0u);
        EXPECT_EQ(document.MapCount(), 0);
    }
}

TEST_F(MapReaderTest, CountsPastTheLimitAreAClearError)
{
    document.attachViews(nullptr, nullptr, nullptr);
    std::string manyMaps;
    for (int i = 0; i <= MapDocument::MaxCount; ++i)
        manyMaps += "<map name=m></map>";
    std::string manyZones = "<map name=z>";
    for (int i = 0; i <= MapDocument::MaxCount; ++i)
        manyZones += "<area coords=\"1,1,2,2\">";
    for (const std::string &page : {manyMaps, manyZones + "</map>"}) {
        views.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
        files.put(PagePath, page);
        EXPECT_FALSE(lifecycle.OpenDocument(PagePath, true));
        EXPECT_NE(lifecycle.lastError().find("32 767"), std::string::npos) << lifecycle.lastError();
    }
    // Up to the limit itself, every zone is read.
    const std::string lastZone = "<area coords=\"1,1,2,2\">";
    files.put(PagePath, manyZones.substr(0, manyZones.size() - lastZone.size()) + "</map>");
    ASSERT_TRUE(lifecycle.OpenDocument(PagePath, true)) << lifecycle.lastError();
    EXPECT_EQ(document.Maps[0].ZoneCount(), MapDocument::MaxCount);
}

// Maps handed over one at a time are the maps an open reads, in the same order; a fault
// partway stops the visit at that map.
TEST_F(MapReaderTest, VisitingHandsOverTheMapsAnOpenReadsInOrder)
{
    struct Case
    {
        const char *name;
        std::string page;
        int visitedBeforeFault; // -1: the page reads whole
    };
    const std::string twoMaps = std::string("<body>") + MenuBlock +
                                "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\">\r\n"
                                "<AREA SHAPE=\"RECT\" COORDS=\"0,0,200,100\" HREF=\"b.htm\">\r\n"
                                "</MAP>\r\n<MAP NAME=\"\xC9t\xE9\"><AREA SHAPE=\"CIRCLE\" "
                                "COORDS=\"5,5,2\" ALT=\"\xE9\"></MAP></body>";
    const Case cases[] = {
        {"two maps, a default region, a Latin page", twoMaps, -1},
        {"no map", "<body>rien</body>", -1},
        {"the second map faulty",
         "<MAP NAME=\"a\"></MAP><MAP NAME=\"b\"><AREA COORDS=\"1,x\"></MAP>", 1},
    };
    const auto describe = [](const ImageMap &map, const PageEncoding &encoding) {
        std::string text = encoding.decode(map.Name) + " " + map.ImagePath;
        for (const Zone &zone : map.Zones)
            text += " " + zone.ToString(map.Markup);
        return text + " default:" + map.DefaultRegion[AttrHref];
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        files.put(PagePath, c.page);
        const bool whole = c.visitedBeforeFault < 0;
        if (whole)
            open(c.page);
        std::vector<std::string> visited;
        const auto visit = [&](ImageMap &map, int index, const PageEncoding &encoding) {
            EXPECT_EQ(index, static_cast<int>(visited.size()));
            visited.push_back(describe(map, encoding));
        };
        views.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
        EXPECT_EQ(lifecycle.visitMaps(PagePath, visit), whole);
        if (!whole) {
            EXPECT_EQ(visited.size(), static_cast<std::size_t>(c.visitedBeforeFault));
            EXPECT_FALSE(lifecycle.lastError().empty());
            continue;
        }
        ASSERT_EQ(visited.size(), document.Maps.size());
        for (std::size_t i = 0; i < visited.size(); ++i)
            EXPECT_EQ(visited[i], describe(document.Maps[i], document.Encoding)) << i;
    }
}

} // namespace
} // namespace areamaker
