#include "CheckCase.h"

namespace areamaker::testing {

namespace {

constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

// Line 1 uses map "m" with the 200 × 100 picture; the MAP starts on line 2, its AREA tags
// on lines 3 onwards.
std::string usedMap(const std::string &areas)
{
    return "<IMG SRC=\"img/plan.png\" USEMAP=\"#m\">\n<MAP NAME=\"m\">\n" + areas + "</MAP>\n";
}

std::string area(const std::string &attributes)
{
    return "<AREA " + attributes + ">\n";
}

std::string rect(const std::string &coords, const std::string &more = "HREF=\"#a\" ALT=\"a\"")
{
    return area("SHAPE=\"RECT\" COORDS=\"" + coords + "\" " + more);
}

std::string circle(const std::string &coords)
{
    return area("SHAPE=\"CIRCLE\" COORDS=\"" + coords + "\" HREF=\"#a\" ALT=\"a\"");
}

std::string poly(const std::string &coords)
{
    return area("SHAPE=\"POLY\" COORDS=\"" + coords + "\" HREF=\"#a\" ALT=\"a\"");
}

} // namespace

TEST(CheckRules, AreaAlt)
{
    runRuleTable(
        "area-alt",
        {
            {"a link without ALT",
             usedMap(rect("0,0,10,10", "HREF=\"doc/a.htm\"")),
             {{3, 1, E, 0, 0}}},
            {"a link with a text", usedMap(rect("0,0,10,10", "HREF=\"doc/a.htm\" ALT=\"A\"")), {}},
            {"no link needs no text", usedMap(rect("0,0,10,10", "")), {}},
            {"an empty text where another zone gives the same link one",
             usedMap(rect("0,0,10,10", "HREF=\"doc/a.htm\" ALT=\"\"") +
                     rect("20,0,30,10", "HREF=\"doc/a.htm\" ALT=\"A\"")),
             {}},
            {"an empty text for a link no other zone describes",
             usedMap(rect("0,0,10,10", "HREF=\"#x\" ALT=\"A\"") +
                     rect("20,0,30,10", "HREF=\"doc/a.htm\" ALT=\"\"")),
             {{4, 1, E, 0, 1}}},
            {"two empty texts for one link",
             usedMap(rect("0,0,10,10", "HREF=\"#x\" ALT=\"\"") +
                     rect("20,0,30,10", "HREF=\"#x\" ALT=\"\"")),
             {{3, 1, E, 0, 0}, {4, 1, E, 0, 1}}},
            {"another map's text excuses nothing",
             usedMap(rect("0,0,10,10", "HREF=\"#x\" ALT=\"\"")) + "<MAP NAME=\"n\">\n" +
                 rect("0,0,10,10", "HREF=\"#x\" ALT=\"X\"") + "</MAP>",
             {{3, 1, E, 0, 0}}},
            {"a default region is a link too",
             usedMap(rect("0,0,10,10") + area("SHAPE=\"DEFAULT\" HREF=\"#fond\"")),
             {{4, 1, E, 0, -1}}},
            {"the column is the tag's '<'",
             usedMap("  " + rect("0,0,10,10", "HREF=\"#x\"")),
             {{3, 3, E, 0, 0}}},
        });
}

TEST(CheckRules, AreaCoords)
{
    runRuleTable(
        "area-coords",
        {
            {"sound shapes",
             usedMap(rect("0,0,10,10") + circle("50,50,0") + poly("0,0,10,0,10,10") +
                     area("SHAPE=\"rectangle\" COORDS=\"1,1,2,2\"") +
                     area("SHAPE=\"circ\" COORDS=\"5,5,5\"") + area("COORDS=\"1,1,2,2\"")),
             {}},
            {"a rectangle of three numbers", usedMap(rect("0,0,10")), {{3, 1, E, 0, -1}}},
            {"a rectangle of five numbers", usedMap(rect("0,0,10,10,5")), {{3, 1, E, 0, 0}}},
            {"a rectangle whose corners are swapped",
             usedMap(rect("10,0,0,10")),
             {{3, 1, E, 0, 0}}},
            {"a rectangle of no height", usedMap(rect("0,5,10,5")), {{3, 1, E, 0, 0}}},
            {"a negative radius", usedMap(circle("50,50,-1")), {{3, 1, E, 0, 0}}},
            {"a circle of two numbers", usedMap(circle("50,50")), {{3, 1, E, 0, -1}}},
            {"a polygon of two points", usedMap(poly("0,0,10,10")), {{3, 1, E, 0, 0}}},
            {"a polygon of an odd count", usedMap(poly("0,0,10,10,20")), {{3, 1, E, 0, -1}}},
            {"letters among the numbers", usedMap(rect("0,0,dix,10")), {{3, 1, E, 0, -1}}},
            {"an unknown shape",
             usedMap(area("SHAPE=\"triangle\" COORDS=\"0,0,1,1,2,0\"")),
             {{3, 1, E, 0, -1}}},
            {"no COORDS",
             usedMap(area("SHAPE=\"RECT\" HREF=\"#a\" ALT=\"a\"")),
             {{3, 1, E, 0, -1}}},
            {"a default region needs none", usedMap(area("SHAPE=\"default\"")), {}},
            {"the first SHAPE is the one read",
             usedMap(area("SHAPE=\"RECT\" shape=\"circle\" COORDS=\"0,0,10\"")),
             {{3, 1, E, 0, -1}}},
            {"a tag with server code outside its values is read all the same",
             usedMap(area("SHAPE=RECT COORDS=\"0,0,10,10\" HREF=<?= $u ?> ALT=a")),
             {}},
            {"a bad zone does not count among the zones",
             usedMap(rect("0,0,x,1") + rect("20,0,10,10")),
             {{3, 1, E, 0, -1}, {4, 1, E, 0, 0}}},
        });
}

TEST(CheckRules, UsemapTarget)
{
    const std::string map = "<MAP NAME=\"m\"></MAP>\n";
    runRuleTable(
        "usemap-target",
        {
            {"a map of that name", "<IMG USEMAP=\"#m\">\n" + map, {}},
            {"no '#'", "<P><IMG USEMAP=\"m\">\n" + map, {{1, 4, E}}},
            {"a '#' alone", "<IMG USEMAP=\"#\">\n" + map, {{1, 1, E}}},
            {"no map of that name", map + "<IMG USEMAP=\"#autre\">", {{2, 1, E}}},
            {"a name in other letters", "<IMG USEMAP=\"#M\">\n" + map, {{1, 1, E}}},
            {"a map known by its ID", "<IMG USEMAP=\"#x\">\n<map id=\"x\"></map>", {}},
            {"an IMG without USEMAP", "<IMG SRC=\"a.png\">\n" + map, {}},
            {"an IMG inside a comment is no tag", "<!-- <IMG USEMAP=\"#z\"> -->\n" + map, {}},
        });
}

TEST(CheckRules, MapUnused)
{
    runRuleTable(
        "map-unused",
        {
            {"used", usedMap(""), {}},
            {"used by no IMG", usedMap("") + "<MAP NAME=\"seule\">\n</MAP>", {{4, 1, W, 1}}},
            {"used by its ID", "<IMG USEMAP=\"#x\">\n<MAP ID=\"x\"></MAP>", {}},
            {"used in other letters only",
             "<IMG USEMAP=\"#M\">\n<MAP NAME=\"m\"></MAP>",
             {{2, 1, W, 0}}},
            {"used from a comment only",
             "<!-- <IMG USEMAP=\"#m\"> -->\n<MAP NAME=\"m\"></MAP>",
             {{2, 1, W, 0}}},
        });
}

TEST(CheckRules, MapName)
{
    const auto maps = [](const std::string &second) {
        return "<IMG USEMAP=\"#m\">\n<MAP NAME=\"m\"></MAP>\n" + second + "\n";
    };
    runRuleTable(
        "map-name",
        {
            {"a sound name", maps(""), {}},
            {"an empty name", maps("<MAP NAME=\"\"></MAP>"), {{3, 1, E, 1}}},
            {"no name at all", maps("<MAP></MAP>"), {{3, 1, E, 1}}},
            {"a blank in the name", maps("<MAP NAME=\"la carte\"></MAP>"), {{3, 1, E, 1}}},
            {"an ID other than the name", maps("<MAP NAME=\"a\" ID=\"b\"></MAP>"), {{3, 1, E, 1}}},
            {"an ID equal to the name", maps("<MAP NAME=\"a\" ID=\"a\"></MAP>"), {}},
            {"an ID alone", maps("<map id=\"a\"></map>"), {}},
            {"the same name twice", maps("<MAP NAME=\"m\"></MAP>"), {{3, 1, E, 1}}},
            {"names that differ in case only", maps("<MAP NAME=\"M\"></MAP>"), {{3, 1, W, 1}}},
            {"a third map of a name",
             maps("<MAP NAME=\"m\"></MAP><MAP NAME=\"m\"></MAP>"),
             {{3, 1, E, 1}, {3, 21, E, 2}}},
        });
}

TEST(CheckRules, AreaOutside)
{
    runRuleTable(
        "area-outside",
        {
            {"inside", usedMap(rect("0,0,200,100") + rect("10,10,20,20") + circle("50,50,50")), {}},
            {"a rectangle across the right edge",
             usedMap(rect("150,50,250,90")),
             {{3, 1, W, 0, 0}}},
            {"a rectangle beyond the picture", usedMap(rect("300,0,400,50")), {{3, 1, W, 0, 0}}},
            {"negative coordinates", usedMap(rect("-5,0,10,10")), {{3, 1, W, 0, 0}}},
            {"a circle across the left edge", usedMap(circle("5,50,10")), {{3, 1, W, 0, 0}}},
            {"a polygon with a vertex below", usedMap(poly("0,0,10,0,10,101")), {{3, 1, W, 0, 0}}},
            {"the whole picture is the default region, not a zone",
             usedMap(rect("0,0,200,100") + rect("150,50,250,90")),
             {{4, 1, W, 0, 0}}},
            {"the picture named by the source comment",
             "<MAP NAME=\"m\">\n<!--Source Map:|img/plan.png|-->\n" + rect("190,0,210,10") +
                 "</MAP>",
             {{3, 1, W, 0, 0}}},
            {"no picture found, no finding",
             "<IMG SRC=\"img/absente.png\" USEMAP=\"#m\">\n<MAP NAME=\"m\">\n" +
                 rect("300,0,400,50") + "</MAP>",
             {}},
        });
}

TEST(CheckRules, AreaEmpty)
{
    runRuleTable("area-empty",
                 {
                     {"zones with a surface",
                      usedMap(rect("0,0,1,1") + circle("5,5,1") + poly("0,0,1,0,0,1")),
                      {}},
                     {"a circle of radius 0", usedMap(circle("5,5,0")), {{3, 1, W, 0, 0}}},
                     {"a flat polygon", usedMap(poly("0,0,10,10,20,20")), {{3, 1, W, 0, 0}}},
                     {"a polygon on one point", usedMap(poly("4,4,4,4,4,4")), {{3, 1, W, 0, 0}}},
                 });
}

TEST(CheckRules, AreaHidden)
{
    runRuleTable(
        "area-hidden",
        {
            {"inside an earlier rectangle",
             usedMap(rect("0,0,100,100") + rect("10,10,20,20")),
             {{4, 1, W, 0, 1}}},
            {"the same zone twice",
             usedMap(circle("50,50,10") + circle("50,50,10")),
             {{4, 1, W, 0, 1}}},
            {"inside a later rectangle only",
             usedMap(rect("10,10,20,20") + rect("0,0,100,100")),
             {}},
            {"covered by two halves together",
             usedMap(rect("0,0,50,100") + rect("50,0,100,100") + rect("40,10,60,20")),
             {{5, 1, W, 0, 2}}},
            {"two rectangles leaving a gap",
             usedMap(rect("0,0,50,100") + rect("51,0,100,100") + rect("40,10,60,20")),
             {}},
            {"partly covered", usedMap(rect("0,0,50,50") + rect("40,40,60,60")), {}},
            {"enough surface in the earlier boxes, still a gap",
             usedMap(rect("0,0,60,10") + rect("0,0,60,10") + rect("0,0,100,10")),
             {{4, 1, W, 0, 1}}},
            {"four quarters around a point",
             usedMap(rect("0,0,50,50") + rect("50,0,100,50") + rect("0,50,50,100") +
                     rect("50,50,100,100") + rect("25,25,75,75")),
             {{7, 1, W, 0, 4}}},
            {"three quarters leave one uncovered",
             usedMap(rect("0,0,50,50") + rect("50,0,100,50") + rect("0,50,50,100") +
                     rect("25,25,75,75")),
             {}},
            {"a rectangle inside an earlier circle",
             usedMap(circle("50,50,40") + rect("40,40,60,60")),
             {{4, 1, W, 0, 1}}},
            {"a rectangle reaching out of an earlier circle",
             usedMap(circle("50,50,40") + rect("20,20,80,80")),
             {}},
            {"a circle inside an earlier circle",
             usedMap(circle("50,50,40") + circle("60,50,30")),
             {{4, 1, W, 0, 1}}},
            {"a circle reaching out of an earlier circle",
             usedMap(circle("50,50,40") + circle("61,50,30")),
             {}},
            {"a polygon inside an earlier circle",
             usedMap(circle("50,50,40") + poly("40,40,60,40,50,60")),
             {{4, 1, W, 0, 1}}},
            {"a circle inside an earlier rectangle",
             usedMap(rect("0,0,100,100") + circle("50,50,10")),
             {{4, 1, W, 0, 1}}},
            {"a rectangle inside an earlier triangle",
             usedMap(poly("0,0,100,0,0,100") + rect("10,10,20,20")),
             {{4, 1, W, 0, 1}}},
            {"inside an earlier L, which is not convex: left unsaid",
             usedMap(poly("0,0,100,0,100,10,10,10,10,100,0,100") + rect("1,20,5,30")),
             {}},
            {"zones of another map hide nothing",
             usedMap(rect("0,0,100,100")) + "<MAP NAME=\"n\">\n" + rect("10,10,20,20") + "</MAP>",
             {}},
            {"a default region hides nothing",
             usedMap(area("SHAPE=\"DEFAULT\"") + rect("1,1,2,2")),
             {}},
        });
}

TEST(CheckRules, AreaHref)
{
    const auto link = [](const std::string &href) {
        return usedMap(rect("0,0,10,10", "HREF=\"" + href + "\" ALT=\"a\""));
    };
    struct Case
    {
        const char *href;
        bool missing;
    };
    const Case cases[] = {
        {"doc/a.htm", false},
        {"doc/b.htm", true},
        {"doc/a.htm#haut", false},
        {"doc/a.htm?q=1", false},
        {"doc/ete%202.htm", false},
        {"doc/ete 2.htm", false},
        {"./doc/../doc/a.htm", false},
        {"doc/", false},
        {"docs/", true},
        {"rien/a.htm", true},
        {"img/plan.png", false},
        {"page.htm", false},
        {"../site/doc/a.htm", false},
        {"http://exemple.fr/absent.htm", false},
        {"mailto:qui@exemple.fr", false},
        {"javascript:void(0)", false},
        {"#haut", false},
        {"?page=2", false},
        {"//exemple.fr/absent.htm", false},
        {"/racine/absent.htm", false},
        {"{{ url }}", false},
        {"", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.href);
        CheckSite site;
        const std::vector<Expected> expected =
            c.missing ? std::vector<Expected>{{3, 1, W, 0, 0}} : std::vector<Expected>{};
        EXPECT_EQ(site.found("area-href", link(c.href)), expected);
    }
}

} // namespace areamaker::testing
