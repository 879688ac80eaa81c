#include "document/Zone.h"

#include "RecordingSurface.h"
#include "document/CoreError.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

Zone region(std::int16_t shape, std::vector<Point> points)
{
    Zone zone;
    zone.setHRegion(KindRegion);
    zone.setHForme(shape);
    for (int i = 0; i < static_cast<int>(points.size()); ++i) {
        zone.AddXCoord(points[static_cast<std::size_t>(i)].x, i);
        zone.AddYCoord(points[static_cast<std::size_t>(i)].y, i);
    }
    return zone;
}

TEST(ZoneTest, HandleCoversTheSixPixelBoxAroundItsPoint)
{
    Zone handle;
    handle.setHRegion(KindHandle);
    handle.setHMPointer(8);
    handle.AddXCoord(100, 5);
    handle.AddYCoord(50, 5);
    EXPECT_EQ(handle.point(0), (Point{97, 47}));
    EXPECT_EQ(handle.point(1), (Point{103, 53}));
    EXPECT_EQ(handle.hNCoords(), 0);
    EXPECT_EQ(handle.CheckIn(100, 50), 8);
    EXPECT_EQ(handle.CheckIn(97, 50), 0);
    EXPECT_EQ(handle.CheckIn(102, 52), 8);
    EXPECT_EQ(handle.CheckIn(103, 50), 0);
}

TEST(ZoneTest, PointCountGrowsWithTheSecondPoint)
{
    Zone zone;
    zone.AddXCoord(1, 0);
    zone.AddYCoord(2, 0);
    EXPECT_EQ(zone.hNCoords(), 0);
    zone.AddXCoord(3, 1);
    zone.AddYCoord(4, 1);
    EXPECT_EQ(zone.hNCoords(), 2);
    zone.AddXCoord(5, 2);
    EXPECT_EQ(zone.hNCoords(), 3);
    zone.AddXCoord(9, 0);
    EXPECT_EQ(zone.hNCoords(), 3);
    EXPECT_EQ(zone.getXCoord(0), 9);
    EXPECT_THROW(zone.getXCoord(50), CoreError);
}

TEST(ZoneTest, CircleIsWrittenWithItsCentreRoundedHalfToEven)
{
    struct Case
    {
        Point a, b;
        const char *coords;
    };
    const Case cases[] = {
        {{10, 10}, {31, 31}, "20,20,10"},
        {{11, 11}, {32, 32}, "22,22,11"},
        {{75, 75}, {125, 125}, "100,100,25"},
        {{-31, -31}, {-10, -10}, "-20,-20,11"},
    };
    for (const Case &c : cases) {
        const Zone zone = region(ShapeCircle, {c.a, c.b});
        EXPECT_EQ(zone.ToString(),
                  std::string("<AREA SHAPE=\"CIRCLE\" COORDS=\"") + c.coords + "\">");
    }
}

TEST(ZoneTest, AreaTagListsOnlyFilledAttributesInItsOrder)
{
    Zone zone = region(ShapeRectangle, {{1, 2}, {3, 4}});
    EXPECT_EQ(zone.ToString(), "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\">");
    zone.SetData(AttrAlt, "Accueil");
    zone.SetData(AttrTitle, "Titre");
    zone.SetData(AttrOnMouseOut, "out()");
    zone.SetData(AttrTarget, "_top");
    EXPECT_EQ(zone.ToString(), "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" TARGET=\"_top\" "
                               "TITLE=\"Titre\" ALT=\"Accueil\" onMouseOut=\"out()\">");
    zone.SetData(AttrHref, "say \"hi\".htm");
    zone.SetData(AttrOnClick, "if (a<b) show('<img src=x></map>')");
    EXPECT_NE(zone.ToString().find(" HREF=\"say &quot;hi&quot;.htm\""), std::string::npos);
    EXPECT_NE(zone.ToString().find(" onClick=\"if (a<b) show('<img src=x>&lt;/map>')\""),
              std::string::npos)
        << "only a '<' that would open a MAP tag is escaped";

    zone.setOtherAttributes(
        {{"id=\"z1\""}, {"nohref"}, {"ALT=''", AttrAlt}, {"data-x='1'"}, {"target", AttrTarget}});
    zone.SetData(AttrHref, "a.htm");
    EXPECT_EQ(zone.ToString({true, true}),
              "<area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.htm\" target=\"_top\" "
              "title=\"Titre\" alt=\"Accueil\" onclick=\"if (a<b) show('<img src=x>&lt;/map>')\" "
              "onmouseout=\"out()\" id=\"z1\" nohref data-x='1' />")
        << "an XHTML map's form, the attributes the editor does not know after the seven";

    const Zone polygon = region(ShapePolygon, {{10, 10}, {50, 10}, {30, -40}});
    EXPECT_EQ(polygon.ToString(), "<AREA SHAPE=\"POLY\" COORDS=\"10,10,50,10,30,-40\">");
    Zone deleted = region(ShapeRectangle, {{1, 2}, {3, 4}});
    deleted.SupprimerRegion();
    EXPECT_EQ(deleted.ToString(), "");
    EXPECT_THROW(zone.SetData(7, "x"), CoreError);
}

TEST(ZoneTest, HandleKindForcesRectangleShape)
{
    Zone zone = region(ShapePolygon, {{0, 0}, {5, 0}, {0, 5}});
    zone.setHRegion(KindHandle);
    EXPECT_EQ(zone.hForme(), ShapeRectangle);
    zone.setHForme(ShapePolygon);
    EXPECT_EQ(zone.hForme(), ShapeRectangle);
    zone.setHSelection(true);
    EXPECT_TRUE(zone.hSelection());
    zone.setHSelection(false);
    EXPECT_FALSE(zone.hSelection());
}

TEST(ZoneTest, AcquireCopiesEverythingButSelectionAndRegion)
{
    Zone source = region(ShapePolygon, {{0, 0}, {10, 0}, {0, 10}});
    source.SetData(AttrHref, "a.htm");
    source.setHSelection(true);
    source.Afficher({});
    Zone copy;
    copy.Acquire(source);
    EXPECT_FALSE(copy.hSelection());
    EXPECT_EQ(copy.hForme(), ShapePolygon);
    EXPECT_EQ(copy.hRegion(), KindRegion);
    EXPECT_EQ(copy.hNCoords(), 3);
    EXPECT_EQ(copy.point(2), (Point{0, 10}));
    EXPECT_EQ(copy.GetData(AttrHref), "a.htm");
    EXPECT_EQ(copy.CheckIn(1, 1), PointerNone) << "the region is rebuilt by the next drawing";
    copy.Afficher({});
    EXPECT_EQ(copy.CheckIn(1, 1), PointerArrow);
}

TEST(ZoneTest, HitTestsFollowThePlatformRegions)
{
    struct Case
    {
        std::int16_t shape;
        std::vector<Point> points;
        Point pixel;
        bool inside;
    };
    const std::vector<Point> star = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    const Case cases[] = {
        {ShapeRectangle, {{10, 10}, {20, 20}}, {10, 10}, true},
        {ShapeRectangle, {{10, 10}, {20, 20}}, {19, 19}, true},
        {ShapeRectangle, {{10, 10}, {20, 20}}, {20, 15}, false},
        {ShapeRectangle, {{10, 10}, {20, 20}}, {15, 20}, false},
        {ShapeRectangle, {{20, 20}, {10, 10}}, {12, 12}, true},
        {ShapeCircle, {{0, 0}, {100, 100}}, {50, 50}, true},
        {ShapeCircle, {{0, 0}, {100, 100}}, {2, 2}, false},
        {ShapeCircle, {{0, 0}, {100, 100}}, {0, 50}, true},
        {ShapePolygon, {{0, 0}, {100, 0}, {0, 100}}, {10, 10}, true},
        {ShapePolygon, {{0, 0}, {100, 0}, {0, 100}}, {60, 60}, false},
        {ShapePolygon, star, {50, 50}, false},
        {ShapePolygon, star, {50, 10}, true},
    };
    for (const Case &c : cases) {
        Zone zone = region(c.shape, c.points);
        zone.Afficher({});
        EXPECT_EQ(zone.CheckIn(c.pixel.x, c.pixel.y), c.inside ? PointerArrow : PointerNone)
            << "shape " << c.shape << " at " << c.pixel.x << "," << c.pixel.y;
        zone.setHSelection(true);
        EXPECT_EQ(zone.CheckIn(c.pixel.x, c.pixel.y), c.inside ? PointerSizeAll : PointerNone);
    }
}

TEST(ZoneTest, DrawingUsesThePenAndBrushOfItsKind)
{
    const ZoneColours colours{1, 2, 3, 4, 5, 3, 2};
    struct Case
    {
        std::int16_t kind, shape;
        bool selected;
        const char *call;
        Pen pen;
        Brush brush;
    };
    const Case cases[] = {
        {KindOutline, ShapeRectangle, false, "rectangle", {LineStyle::Dotted, 2, 0x008000}, {}},
        {KindOutline, ShapeSolidSegment, false, "line", {LineStyle::Solid, 2, 0x008000}, {}},
        {KindOutline, ShapeDottedSegment, false, "line", {LineStyle::Dotted, 2, 0x008000}, {}},
        {KindRegion,
         ShapeCircle,
         true,
         "ellipse",
         {LineStyle::Solid, 3, 0x000080},
         {FillStyle::DiagonalCross, 0x008080}},
        {KindRegion,
         ShapeRectangle,
         false,
         "rectangle",
         {LineStyle::Solid, 2, 0x008000},
         {FillStyle::DiagonalCross, 0x008080}},
        {KindHandle,
         ShapeRectangle,
         false,
         "rectangle",
         {LineStyle::Solid, 1, 0x800000},
         {FillStyle::Solid, 0x800000}},
        {KindHandle,
         ShapeRectangle,
         true,
         "rectangle",
         {LineStyle::Solid, 1, 0x800080},
         {FillStyle::Solid, 0x800080}},
    };
    for (const Case &c : cases) {
        testing::RecordingSurface surface;
        Zone zone;
        zone.setHRegion(c.kind);
        zone.setHForme(c.shape);
        zone.AddXCoord(10, 0);
        zone.AddYCoord(10, 0);
        zone.AddXCoord(30, 1);
        zone.AddYCoord(30, 1);
        zone.setHSelection(c.selected);
        zone.setHDevice(&surface);
        zone.Afficher(colours);
        ASSERT_EQ(surface.calls.size(), 1u);
        EXPECT_EQ(surface.calls[0].shape, c.call);
        EXPECT_EQ(surface.calls[0].pen, c.pen) << c.call;
        EXPECT_EQ(surface.calls[0].brush, c.brush) << c.call;
    }
}

TEST(ZoneTest, ColourIndicesOutsideThePaletteAreBlack)
{
    EXPECT_EQ(ColorIndexToRgb(9), 0x0000FFu);
    EXPECT_EQ(ColorIndexToRgb(15), 0xFFFFFFu);
    EXPECT_EQ(ColorIndexToRgb(16), 0u);
    EXPECT_EQ(ColorIndexToRgb(-1), 0u);
}

TEST(ZoneTest, CoordinateOverflowIsAnErrorNotAWrap)
{
    Zone handle;
    handle.setHRegion(KindHandle);
    EXPECT_THROW(handle.AddXCoord(INT32_MAX, 0), CoreError);
    const Zone circle = region(ShapeCircle, {{INT32_MIN, 0}, {INT32_MAX, 10}});
    EXPECT_THROW(circle.ToString(), CoreError);
}

} // namespace
} // namespace areamaker
