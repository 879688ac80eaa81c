#include "DocumentFixture.h"
#include "MarkEdited.h"

namespace areamaker {
namespace {

// Pages as other tools and hand-written sites write them: each is opened, its maps are
// listed, every map the editor may change is rewritten, and the saved bytes compared.
class ForeignPagesTest : public testing::DocumentFixture
{
public:
    struct Listed
    {
        std::string name;
        int zones;
        bool readOnly;
        bool operator==(const Listed &) const = default;
    };

protected:
    std::vector<Listed> listed() const
    {
        std::vector<Listed> maps;
        for (const ImageMap &map : document.Maps)
            maps.push_back({map.Name, map.ZoneCount(), map.isReadOnly()});
        return maps;
    }

    // What `--rewrite` does: every map that may change is regenerated.
    std::string rewritten()
    {
        for (ImageMap &map : document.Maps)
            map.Modified = !map.isReadOnly();
        EXPECT_TRUE(lifecycle.SaveDocument()) << lifecycle.lastError();
        return saved();
    }
};

void PrintTo(const ForeignPagesTest::Listed &m, std::ostream *out)
{
    *out << m.name << " (" << m.zones << (m.readOnly ? ", read-only)" : ")");
}

TEST_F(ForeignPagesTest, PagesAreListedAndRewrittenWithoutLosingMarkup)
{
    struct Case
    {
        const char *what;
        std::string page;
        std::vector<Listed> maps;
        std::string rewritten;
    };
    const Case cases[] = {
        {"blanks around '='",
         "<img src=\"x.gif\" usemap = \"#m\">\n<map name = \"m\"><area shape = \"rect\" "
         "coords = \"1,2,3,4\" href = \"a.htm\"></map>\n",
         {{"m", 1, false}},
         "<img src=\"x.gif\" usemap = \"#m\">\n<map name = \"m\">\n<!--Source Map:|<NONE>|-->\n"
         "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\">\n</MAP>\n"},
        {"every blank, any case, three quotings",
         "<MAP\tName\r\n=\r\n'm2'>\r\n<Area\fShape\t=\tcircle\nCOORDS\f=\f\"10,10,5\"\n"
         "Href=b.htm ALT = 'x y'></map>\r\n",
         {{"m2", 1, false}},
         "<MAP\tName\r\n=\r\n'm2'>\r\n<!--Source Map:|<NONE>|-->\r\n"
         "<AREA SHAPE=\"CIRCLE\" COORDS=\"10,10,5\" HREF=\"b.htm\" ALT=\"x y\">\r\n</MAP>\r\n"},
        {"a MAP left open before other markup",
         "<div><map name=\"a\"><area coords=\"1,1,2,2\" href=\"a.htm\"></div><div><img "
         "usemap=\"#b\">\n<map name=\"b\"><area coords=\"3,3,4,4\" href=\"b.htm\"></map></div>\n",
         {{"a", 1, true}, {"b", 1, false}},
         "<div><map name=\"a\"><area coords=\"1,1,2,2\" href=\"a.htm\"></div><div><img "
         "usemap=\"#b\">\n<map name=\"b\">\n<!--Source Map:|<NONE>|-->\n"
         "<AREA SHAPE=\"RECT\" COORDS=\"3,3,4,4\" HREF=\"b.htm\">\n</MAP></div>\n"},
        {"a MAP left open that holds only areas",
         "<map name=\"a\">\n<area coords=\"1,1,2,2\">\n\n<map name=\"b\"></map>\n",
         {{"a", 1, false}, {"b", 0, false}},
         "<map name=\"a\">\n<!--Source Map:|<NONE>|-->\n<AREA SHAPE=\"RECT\" "
         "COORDS=\"1,1,2,2\">\n</MAP>\n\n<map name=\"b\">\n<!--Source Map:|<NONE>|-->\n</MAP>\n"},
        {"a MAP left open at the end of the page",
         "<p>x</p>\n<map name=\"a\"><area coords=\"1,1,2,2\">",
         {{"a", 1, false}},
         "<p>x</p>\n<map name=\"a\">\n<!--Source Map:|<NONE>|-->\n<AREA SHAPE=\"RECT\" "
         "COORDS=\"1,1,2,2\">\n</MAP>\n"},
        {"a MAP left open before the end of the body",
         "<body><map name=\"a\"><area coords=\"1,1,2,2\"></body></html>\n",
         {{"a", 1, true}},
         "<body><map name=\"a\"><area coords=\"1,1,2,2\"></body></html>\n"},
        {"a map known by its id, in XHTML",
         "<img usemap=\"#x\" src=\"p.gif\" />\n<map id=\"x\"><area shape=\"rect\" "
         "coords=\"1,2,3,4\" href=\"a.htm\" /></map>\n",
         {{"x", 1, false}},
         "<img usemap=\"#x\" src=\"p.gif\" />\n<map id=\"x\">\n<!--Source Map:|<NONE>|-->\n"
         "<area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.htm\" />\n</map>\n"},
        {"markup inside quoted values",
         "<map name=\"t\"><area shape=\"rect\" coords=\"0,0,9,9\" href=\"a.htm\" "
         "onmouseover=\"return overlib('<img src=pic.gif> Hi', CAPTION, '<b>Plan</b>')\" "
         "onmouseout=\"return nd();\" alt=\"Photo\"><area coords=\"1,1,2,2\" title='<area "
         "x>' href=b.htm></map>\n",
         {{"t", 2, false}},
         "<map name=\"t\">\n<!--Source Map:|<NONE>|-->\n<AREA SHAPE=\"RECT\" "
         "COORDS=\"0,0,9,9\" HREF=\"a.htm\" ALT=\"Photo\" onMouseOver=\"return overlib('<img "
         "src=pic.gif> Hi', CAPTION, '<b>Plan</b>')\" onMouseOut=\"return nd();\">\n"
         "<AREA SHAPE=\"RECT\" COORDS=\"1,1,2,2\" HREF=\"b.htm\" TITLE=\"<area x>\">\n</MAP>\n"},
        {"attributes the editor does not know",
         "<map name=\"k\" class=\"c\" data-x='1'><area id=\"z1\" shape=\"rect\" class=zone "
         "coords=\"1,1,5,5\" style=\"color: red\" href=\"a.htm\" rel=\"next\" download nohref "
         "tabindex=\"2\" aria-label='Zone' data-info=\"x\" lang=fr HREF=\"dup.htm\"></map>\n",
         {{"k", 1, false}},
         "<map name=\"k\" class=\"c\" data-x='1'>\n<!--Source Map:|<NONE>|-->\n"
         "<AREA SHAPE=\"RECT\" COORDS=\"1,1,5,5\" HREF=\"a.htm\" id=\"z1\" class=zone "
         "style=\"color: red\" rel=\"next\" download nohref tabindex=\"2\" aria-label='Zone' "
         "data-info=\"x\" lang=fr HREF=\"dup.htm\">\n</MAP>\n"},
        {"link attributes written empty",
         "<map name=\"e\"><area shape=\"rect\" coords=\"1,1,2,2\" href=\"a.htm\" alt=\"\" "
         "title='' target ALT=\"repeated\"></map>\n",
         {{"e", 1, false}},
         "<map name=\"e\">\n<!--Source Map:|<NONE>|-->\n<AREA SHAPE=\"RECT\" COORDS=\"1,1,2,2\" "
         "HREF=\"a.htm\" alt=\"\" title='' target ALT=\"repeated\">\n</MAP>\n"},
        {"a server-side loop that writes the areas",
         "<map name=\"php\">\n<?php foreach ($zones as $z): ?>\n<area shape=\"rect\" "
         "coords=\"<?= $z['c'] ?>\" href=\"<?= $z['u'] ?>\">\n<?php endforeach; ?>\n</map>\n",
         {{"php", 0, true}},
         "<map name=\"php\">\n<?php foreach ($zones as $z): ?>\n<area shape=\"rect\" "
         "coords=\"<?= $z['c'] ?>\" href=\"<?= $z['u'] ?>\">\n<?php endforeach; ?>\n</map>\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        open(c.page);
        EXPECT_EQ(listed(), c.maps);
        EXPECT_EQ(rewritten(), c.rewritten);
    }
}

TEST_F(ForeignPagesTest, BlocksTheWriterCannotRegenerateAreReadOnlyWithTheirReason)
{
    struct Case
    {
        const char *content;
        const char *reason;
    };
    const Case cases[] = {
        {"<?php echo $zones; ?>", "code serveur (« <?php echo $zones; ?> »)"},
        {"<% For Each z In zones %>", "code serveur"},
        {"{{ zones|raw }}", "code serveur"},
        {"{% for z in zones %}", "code serveur"},
        {"\n  @foreach (var z in Model.Zones) {", "code serveur (« @foreach (var z in Model… »)"},
        {"<area href=<?= $url ?> coords=\"1,1,2,2\">", "code serveur"},
        {"<area coords=\"1,1,2,2\" alt={{ texte }}>", "code serveur"},
        {"<div class=\"zones\">", "une autre balise que AREA (« <div »)"},
        {"<script>zones()</script>", "une autre balise que AREA"},
        {"<!-- ancienne zone : <area coords=\"1,1,2,2\"> -->", "un commentaire autre que"},
        {"Plan du site", "du texte hors des balises (« Plan du site »)"},
        {"<area coords=\"1,1,2,2\" alt='x>", "une valeur entre guillemets n'y est pas fermée"},
        // A value that would take in a MAP tag, near its start or far into it.
        {"<area coords=\"1,1,2,2\" alt='x </map>'>",
         "une valeur entre guillemets n'y est pas fermée"},
        {"<area coords=\"1,1,2,2\" alt='un texte bien plus long que quarante-huit octets </map>'>",
         "une valeur entre guillemets n'y est pas fermée"},
        {"<area coords=\"1,1,2,2\"<area coords=\"3,3,4,4\">", "n'est pas terminée par « > »"},
        {"<area coords=\"1,1,2,2\" nohref/=x>", "un « = » sans nom ou sans valeur"},
        {"<area coords=\"1,1,2,2\" data-x=>", "un « = » sans nom ou sans valeur"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.content);
        const std::string page = std::string("<p>avant</p>\n<map name=\"ro\">") + c.content +
                                 "<area coords=\"5,5,6,6\" href=\"z.htm\"></map>\n<p>après</p>\n";
        open(page);
        ASSERT_EQ(document.MapCount(), 1);
        EXPECT_EQ(document.Maps[0].Name, "ro");
        EXPECT_NE(document.Maps[0].ReadOnlyReason.find(c.reason), std::string::npos)
            << document.Maps[0].ReadOnlyReason;
        EXPECT_FALSE(document.Maps[0].Zones.empty()) << "a read-only map is still shown";
        EXPECT_EQ(rewritten(), page);
    }
}

TEST_F(ForeignPagesTest, ServerCodeInsideQuotedValuesKeepsTheMapEditable)
{
    open("<map name=\"ok\"><area coords=\"1,1,2,2\" href=\"<?php echo $base; ?>/a.php\" "
         "title=\"{{ titre }}\" alt='<%= alt %>'></map>\n");
    EXPECT_FALSE(document.Maps[0].isReadOnly()) << document.Maps[0].ReadOnlyReason;
    EXPECT_EQ(rewritten(), "<map name=\"ok\">\n<!--Source Map:|<NONE>|-->\n<AREA SHAPE=\"RECT\" "
                           "COORDS=\"1,1,2,2\" HREF=\"<?php echo $base; ?>/a.php\" "
                           "TITLE=\"{{ titre }}\" ALT=\"<%= alt %>\">\n</MAP>\n");
}

TEST_F(ForeignPagesTest, RenamesKeepNameAndIdInStepAndEveryImageBound)
{
    struct Case
    {
        const char *what;
        std::string page;
        std::string saved;
    };
    const Case cases[] = {
        {"a map known by its id alone", "<img usemap=\"#x\"><map id=\"x\"></map>\n",
         "<img USEMAP=\"#nouveau\"><map id=\"nouveau\">\n<!--Source Map:|<NONE>|-->\n</MAP>\n"},
        {"NAME and ID that give the same name",
         "<img usemap=\"#x\" /><map name=\"x\" id=\"x\"><area coords=\"1,1,2,2\" /></map>\n",
         "<img USEMAP=\"#nouveau\" /><map name=\"nouveau\" id=\"nouveau\">\n"
         "<!--Source Map:|<NONE>|-->\n<area shape=\"rect\" coords=\"1,1,2,2\" />\n</map>\n"},
        {"NAME and ID that differ: images naming the ID keep it",
         "<img usemap=\"#x\"><img usemap=\"#i\"><map name=\"x\" id=\"i\"></map>\n",
         "<img USEMAP=\"#nouveau\"><img usemap=\"#i\"><map name=\"nouveau\" id=\"i\">\n"
         "<!--Source Map:|<NONE>|-->\n</MAP>\n"},
        {"a map without NAME nor ID gets a NAME", "<map><area coords=\"1,1,2,2\"></map>\n",
         "<map NAME=\"nouveau\">\n<!--Source Map:|<NONE>|-->\n<AREA SHAPE=\"RECT\" "
         "COORDS=\"1,1,2,2\">\n</MAP>\n"},
        {"a USEMAP that gives a page before the '#'",
         "<img usemap=\"plan.htm#x\"><map name=\"x\"></map>\n",
         "<img USEMAP=\"#nouveau\"><map name=\"nouveau\">\n<!--Source Map:|<NONE>|-->\n</MAP>\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        open(c.page);
        document.Maps[0].Name = "nouveau";
        testing::markEdited(document, 0);
        ASSERT_TRUE(lifecycle.SaveDocument()) << lifecycle.lastError();
        EXPECT_EQ(saved(), c.saved);
    }
}

TEST_F(ForeignPagesTest, ImagesFollowTheMapTheyFoundWhenAnotherOfItsNameChanges)
{
    struct Case
    {
        const char *what;
        std::string page;
        int changed;
        bool deleted;
        std::string saved;
    };
    const Case cases[] = {
        {"renaming a later map of the same name leaves the images with the first",
         "<img usemap=\"#x\"><map name=\"x\"></map><map name=\"x\"></map>\n", 1, false,
         "<img usemap=\"#x\"><map name=\"x\"></map><map name=\"nouveau\">\n"
         "<!--Source Map:|<NONE>|-->\n</MAP>\n"},
        {"deleting the first map of a name hands its images to the next",
         "<img usemap=\"#x\"><map name=\"x\"></map><map id=\"x\"></map>\n", 0, true,
         "<img usemap=\"#x\"><map id=\"x\"></map>\n"},
        {"deleting a map known by NAME and ID unbinds the images of both",
         "<img usemap=\"#x\"><img usemap=\"#i\" alt=\"\"><map name=\"x\" id=\"i\"></map>\n", 0,
         true, "<img><img alt=\"\">\n"},
        {"images of a read-only map of that name stay with it",
         "<img usemap=\"#x\"><map name=\"x\"><div></div></map><map name=\"x\"></map>\n", 1, false,
         "<img usemap=\"#x\"><map name=\"x\"><div></div></map><map name=\"nouveau\">\n"
         "<!--Source Map:|<NONE>|-->\n</MAP>\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        open(c.page);
        if (c.deleted)
            document.deleteMap(c.changed);
        else
            document.Maps[static_cast<std::size_t>(c.changed)].Name = "nouveau";
        testing::markEdited(document, c.changed);
        ASSERT_TRUE(lifecycle.SaveDocument()) << lifecycle.lastError();
        EXPECT_EQ(saved(), c.saved);
    }
}

TEST_F(ForeignPagesTest, AZoneTracedInAnXhtmlMapIsWrittenInItsForm)
{
    open("<map name=\"x\" id=\"x\">\n<area shape=\"rect\" coords=\"1,1,2,2\" href=\"a.htm\" "
         "/>\n</map>\n");
    Zone zone;
    zone.setHRegion(KindRegion);
    zone.setHForme(ShapeCircle);
    zone.AddXCoord(10, 0);
    zone.AddYCoord(10, 0);
    zone.AddXCoord(20, 1);
    zone.AddYCoord(20, 1);
    zone.SetData(AttrOnMouseOver, "show()");
    document.Maps[0].Zones.push_back(zone);
    testing::markEdited(document, 0);
    ASSERT_TRUE(lifecycle.SaveDocument());
    EXPECT_EQ(saved(), "<map name=\"x\" id=\"x\">\n<!--Source Map:|<NONE>|-->\n"
                       "<area shape=\"rect\" coords=\"1,1,2,2\" href=\"a.htm\" />\n"
                       "<area shape=\"circle\" coords=\"15,15,5\" onmouseover=\"show()\" />\n"
                       "</map>\n");
}

TEST_F(ForeignPagesTest, AMapWhoseBlockBecameReadOnlyOnDiskIsNotSavedOverIt)
{
    open("<map name=\"m\"><area coords=\"1,1,2,2\"></map>\n");
    document.Maps[0].Zones[0].SetData(AttrHref, "edit.htm");
    testing::markEdited(document, 0);
    const std::string changedOutside = "<map name=\"m\"><?php zones(); ?></map>\n";
    files.put(PagePath, changedOutside);
    views.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(lifecycle.SaveDocument());
    EXPECT_EQ(saved(), changedOutside);
    EXPECT_NE(views.messages.back().title.find("code serveur"), std::string::npos)
        << views.messages.back().title;
    EXPECT_TRUE(document.Maps[0].Modified) << "the edit is kept in memory";
}

TEST_F(ForeignPagesTest, TheLastLineBreakIsKeptAsThePageHasIt)
{
    struct Case
    {
        std::string page;
        std::string saved;
    };
    const Case cases[] = {
        {"<p>a</p>\r\n<p>b</p>\n", "<p>a</p>\r\n<p>b</p>\n"},
        {"<p>a</p>\r\n<p>b</p>\r\n", "<p>a</p>\r\n<p>b</p>\r\n"},
        {"<p>a</p>\r\n<p>b</p>\r\n\r\n", "<p>a</p>\r\n<p>b</p>\r\n\r\n"},
        {"<p>a</p>\r\n<p>b</p>\r", "<p>a</p>\r\n<p>b</p>\r"},
        {"<p>a</p>\r\n<p>b</p>", "<p>a</p>\r\n<p>b</p>\r\n"},
        {"<p>a</p>\n<p>b</p>", "<p>a</p>\n<p>b</p>\n"},
        {"<p>a</p>", "<p>a</p>\r\n"},
    };
    // A page is written only when a map changed: a map comes first, the ending after it.
    const std::string map = "<MAP NAME=\"m\"></MAP>";
    for (const Case &c : cases) {
        open(map + c.page);
        for (int save = 0; save < 2; ++save) {
            testing::markEdited(document, 0);
            ASSERT_TRUE(lifecycle.SaveDocument());
            const std::string page = saved();
            EXPECT_EQ(page.substr(page.find("</MAP>") + 6), c.saved) << c.page;
        }
    }
}

} // namespace
} // namespace areamaker
