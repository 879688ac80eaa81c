#include "canvas/CanvasEditor.h"

#include "PictureCanvasFixture.h"
#include "canvas/ZoomCommands.h"

#include <algorithm>
#include <cmath>

namespace areamaker {
namespace {

constexpr double Levels[] = {1.0 / 8, 1.0 / 3, 1, 2, 16};

// The canvas at each zoom level over a 300x200 picture: the pointer arrives in view pixels
// and everything it acts on is in image pixels.
class ZoomTest : public testing::PictureCanvasFixture
{
protected:
    void zoom(double scale)
    {
        canvas.zoomTo(scale, {0, 0});
        canvas.layOutScrollBars();
    }
    // The image pixel under a point of the view given in screen pixels.
    Point at(double x, double y) const { return canvas.imagePointAt(x, y); }
    // Where an image point shows, in view pixels.
    double shown(std::int32_t coordinate) const { return coordinate * canvas.view().scale(); }
    void rectangle(Point a, Point b) { trace(ShapeRectangle, {a, b}); }
};

TEST_F(ZoomTest, HandlesAreHitAndDrawnTheSameFewScreenPixelsAroundTheirPointAtEveryLevel)
{
    rectangle({100, 60}, {200, 140});
    for (double level : Levels) {
        SCOPED_TRACE(level);
        zoom(level);
        const Zone &handle = canvas.state().Handles[0];
        const double x = shown(100);
        const double y = shown(60);
        for (double offset : {0.0, 2.0, -2.0}) {
            const Point p = at(x + offset, y - offset);
            EXPECT_EQ(handle.CheckIn(p.x, p.y), PointerSizeNWSE) << offset;
        }
        for (double offset : {9.0, -9.0}) {
            const Point p = at(x + offset, y);
            EXPECT_EQ(handle.CheckIn(p.x, p.y), PointerNone) << offset;
        }
        surfaces.log.clear();
        canvas.RedrawCanvas();
        const std::string marker = "back rectangle " + std::to_string(std::lround(x) - 3) + "," +
                                   std::to_string(std::lround(y) - 3) + " " +
                                   std::to_string(std::lround(x) + 3) + "," +
                                   std::to_string(std::lround(y) + 3);
        EXPECT_NE(std::ranges::find(surfaces.log, marker), surfaces.log.end())
            << "six screen pixels wide";
    }
}

TEST_F(ZoomTest, TracingSelectingAndClampingWorkInImagePixelsAtEveryLevel)
{
    for (double level : Levels) {
        SCOPED_TRACE(level);
        zoom(level);
        const int index = document.ActiveZoneCount();
        // Traced by screen positions: stored where the image pixels under them are.
        rectangle(at(shown(40), shown(30)), at(shown(240), shown(170)));
        ASSERT_EQ(points(index), (std::vector<Point>{{40, 30}, {240, 170}}));
        click(at(shown(285), shown(15)));
        EXPECT_EQ(document.SelectedZoneIndex, -1);
        click(at(shown(140), shown(100)));
        EXPECT_EQ(document.SelectedZoneIndex, 0) << "the zone under the pointer";
        // Dragged far past the right edge, the zone stops against it.
        editor.leftPress(at(shown(140), shown(100)));
        editor.mouseMove(at(shown(600), shown(100)), true);
        editor.leftRelease(at(shown(600), shown(100)));
        EXPECT_EQ(points(0), (std::vector<Point>{{100, 30}, {300, 170}}));
        canvas.DeleteSelectedZone(false);
        document.ActiveZones.clear();
    }
}

TEST_F(ZoomTest, APolygonClosesNearItsFirstVertexAsSeenOnTheScreen)
{
    for (double level : Levels) {
        SCOPED_TRACE(level);
        zoom(level);
        const int index = document.ActiveZoneCount();
        editor.BeginTrace(ShapePolygon);
        for (const Point &vertex : {Point{20, 20}, Point{120, 20}, Point{120, 120}})
            click(at(shown(vertex.x), shown(vertex.y)));
        // Five screen pixels off the first vertex.
        click(at(shown(20) + 5, shown(20) + 5));
        ASSERT_EQ(document.ActiveZoneCount(), index + 1);
        EXPECT_EQ(points(index).size(), 3u);
        canvas.DeleteSelectedZone(false);
    }
}

TEST_F(ZoomTest, TheViewScrollsInStepsOfTwentyScreenPixelsOverTheZoomedPicture)
{
    struct Case
    {
        double level;
        ImageSize view;
        int verticalMaximum;
    };
    const Case cases[] = {
        {1.0 / 8, {38, 25}, 0},
        {1, {300, 200}, 0},
        {2, {600, 400}, 7}, // 116 pixels over: 5.8 rounds to 6, and one more for the rest
        {16, {4800, 3200}, 147},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.level);
        zoom(c.level);
        EXPECT_EQ(canvas.viewSize(), c.view);
        const ScrollModel::Layout layout = canvas.layOutScrollBars();
        EXPECT_EQ(layout.vertical.maximum, c.verticalMaximum);
        if (c.verticalMaximum > 1) {
            canvas.scrolled(true, 1);
            EXPECT_EQ(canvas.picturePosition().y, -20);
        }
    }
}

TEST_F(ZoomTest, LevelsRunFromAnEighthToSixteenAndFitTheWholePicture)
{
    ViewTransform view;
    std::vector<double> in{view.scale()};
    while (view.setScale(view.nextLevel(true)))
        in.push_back(view.scale());
    EXPECT_EQ(in.back(), 16);
    EXPECT_EQ(in.size(), 9u) << "1, 1.5, 2, 3, 4, 6, 8, 12, 16";
    while (view.setScale(view.nextLevel(false)))
        ;
    EXPECT_EQ(view.scale(), 1.0 / 8);
    EXPECT_FALSE(view.setScale(1.0 / 100)) << "held at an eighth";
    EXPECT_EQ(ViewTransform::fitting({4000, 3000}, {1000, 600}), 0.2);
    EXPECT_EQ(ViewTransform::fitting({100, 50}, {4000, 4000}), 16);
    view.setScale(0.2);
    EXPECT_EQ(view.nextLevel(true), 0.25) << "from a fitted scale to the next level";
    EXPECT_EQ(view.levelText(), "Zoom : 20 %");

    ZoomCommands commands{canvas};
    commands.fitToWindow();
    EXPECT_EQ(canvas.view().scale(), 4.0 / 3) << "300 x 200 in 400 x 300";
    commands.actualSize();
    EXPECT_EQ(canvas.view().scale(), 1);
    commands.wheel(-2, {10, 10});
    EXPECT_EQ(canvas.view().scale(), 0.5);
}

} // namespace
} // namespace areamaker
