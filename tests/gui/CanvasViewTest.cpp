#include "GuiFixture.h"

#include "canvas/CanvasModel.h"
#include "document/DocumentLifecycle.h"
#include "widgets/CanvasView.h"
#include "widgets/MainWindow.h"

#include <QScrollBar>
#include <QTest>

namespace areamaker {
namespace {

class CanvasViewTest : public testing::GuiFixture
{
protected:
    CanvasView &view() { return session->window().canvasView(); }
    QImage shown() { return view().picMain()->grab().toImage(); }
    void waitForRedraw() { QTest::qWait(120); }

    // Opens a page whose picture is `extra` pixels taller than the canvas's view, with a
    // rectangle at its bottom edge.
    void openTallPage(int extra)
    {
        start({});
        session->window().resize(700, 500);
        QTest::qWait(20);
        const int viewHeight = view().height();
        const int height = viewHeight + extra;
        writePicture("tall.png", 100, height);
        const std::string page =
            writePage("tall.htm", "tall", "tall.png",
                      QStringLiteral("<AREA SHAPE=\"RECT\" COORDS=\"10,%1,60,%2\" HREF=\"a.htm\">")
                          .arg(height - 8)
                          .arg(height - 2));
        ASSERT_TRUE(session->lifecycle().OpenDocument(page, true));
        ASSERT_TRUE(session->lifecycle().ActivateMap(0, true));
        waitForRedraw();
    }
};

TEST_F(CanvasViewTest, HatchedZoneIsDrawnOverThePictureInTheConfiguredColours)
{
    setting("ClrDefBorderId", "10"); // green
    setting("ClrDefTrameId", "9");   // red
    writePicture("white.png", 120, 90);
    const std::string page =
        writePage("page.htm", "carte", "white.png",
                  "<AREA SHAPE=\"RECT\" COORDS=\"20,10,70,50\" HREF=\"a.htm\">");
    start({page, "-p", "carte"});
    waitForRedraw();
    const QImage image = shown();
    ASSERT_EQ(image.size(), QSize(120, 90));
    EXPECT_EQ(image.pixelColor(20, 30), QColor(Qt::green)) << "left edge";
    EXPECT_EQ(image.pixelColor(69, 30), QColor(Qt::green)) << "right edge, one short of 70";
    EXPECT_EQ(image.pixelColor(45, 10), QColor(Qt::green)) << "top edge";
    EXPECT_EQ(image.pixelColor(19, 30), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(70, 30), QColor(Qt::white));
    int red = 0, white = 0;
    for (int y = 12; y < 48; ++y) {
        for (int x = 22; x < 68; ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c == QColor(Qt::red);
            white += c == QColor(Qt::white);
        }
    }
    EXPECT_GT(red, 100) << "hatching";
    EXPECT_GT(white, 100) << "the picture shows between the hatch lines";
    EXPECT_EQ(image.pixelColor(100, 70), QColor(Qt::white)) << "nothing outside the zone";
}

TEST_F(CanvasViewTest, PictureTenPixelsTallerScrollsOnceByTen)
{
    openTallPage(10);
    QScrollBar *bar = view().vsbMain();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 1);
    EXPECT_FALSE(view().hsbMain()->isVisible());
    bar->setValue(1);
    EXPECT_EQ(view().picMain()->y(), -10);
}

TEST_F(CanvasViewTest, PictureThirtyPixelsTallerStopsAtItsEdge)
{
    openTallPage(30);
    QScrollBar *bar = view().vsbMain();
    EXPECT_EQ(bar->maximum(), 3);
    bar->setValue(1);
    EXPECT_EQ(view().picMain()->y(), -20);
    bar->setValue(2);
    EXPECT_EQ(view().picMain()->y(), -30);
    EXPECT_EQ(bar->maximum(), 2) << "the range shrinks to the last useful step";
}

TEST_F(CanvasViewTest, ScrollingRedrawsTheNewlyVisibleZones)
{
    openTallPage(30);
    const int bottom = view().picMain()->height() - 5;
    EXPECT_NE(shown().pixelColor(10, bottom), QColor(Qt::blue))
        << "below the view the zone was never composed";
    EXPECT_FALSE(session->window().redrawPending());
    view().vsbMain()->setValue(2);
    EXPECT_TRUE(session->window().redrawPending()) << "scrolling defers the redraw";
    waitForRedraw();
    EXPECT_EQ(shown().pixelColor(10, bottom), QColor(Qt::blue)) << "the default border colour";
}

} // namespace
} // namespace areamaker
