#include "GuiFixture.h"

#include "canvas/CanvasModel.h"
#include "document/TreeKeys.h"
#include "widgets/CanvasView.h"
#include "widgets/CommandBar.h"
#include "widgets/MainWindow.h"
#include "widgets/SidePane.h"
#include "widgets/ZoneTree.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace areamaker {
namespace {

// The editor on a 200x100 picture with no zones, edited with real mouse and key events.
class EditingTest : public testing::GuiFixture
{
protected:
    void SetUp() override
    {
        setting("AutoProp", "0");
        writePicture("plan.png", 200, 100);
        start({writePage("page.htm", "plan", "plan.png", "")});
        picture = session->window().canvasView().picMain();
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, picture->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(picture, &event);
    }

    void click(QPoint at)
    {
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }

    void drag(QPoint from, std::initializer_list<QPoint> steps)
    {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        QPoint last = from;
        for (const QPoint &at : steps)
            mouse(QEvent::MouseMove, last = at, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, last, Qt::LeftButton, Qt::NoButton);
    }

    std::vector<Point> zonePoints(int index) const
    {
        const Zone &zone = session->document().ActiveZones.at(static_cast<std::size_t>(index));
        std::vector<Point> points;
        for (int i = 0; i < zone.hNCoords(); ++i)
            points.push_back(zone.point(i));
        return points;
    }

    QWidget *picture = nullptr;
};

TEST_F(EditingTest, ShapesAreTracedByClicksOnThePicture)
{
    CommandBar &bar = session->window().commandBar();
    bar.button("12")->trigger();
    EXPECT_EQ(session->window().panelText("ETAT"), "Traçage d'une région Rectangle");
    EXPECT_EQ(picture->cursor().shape(), Qt::CrossCursor);
    click({120, 90});
    click({20, 10});
    bar.button("13")->trigger();
    click({50, 50});
    click({53, 54});
    bar.button("14")->trigger();
    for (const QPoint at : {QPoint(10, 10), QPoint(100, 10), QPoint(100, 90), QPoint(15, 16)})
        click(at);
    EXPECT_EQ(zonePoints(0), (std::vector<Point>{{120, 90}, {20, 10}}));
    EXPECT_EQ(zonePoints(1), (std::vector<Point>{{45, 45}, {55, 55}}));
    EXPECT_EQ(zonePoints(2), (std::vector<Point>{{10, 10}, {100, 10}, {100, 90}}));
    ZoneTree *tree = session->window().sidePane().tree();
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(tree->node(zoneKey(0, i)), nullptr) << i;
    EXPECT_EQ(session->window().panelText("ETAT"), "Prêt");
    EXPECT_TRUE(bar.button("11")->isChecked());
    EXPECT_TRUE(session->document().DocumentModified);
}

TEST_F(EditingTest, ZonesAreMovedAgainstTheEdgeAndResizedPastIt)
{
    session->window().commandBar().button("12")->trigger();
    click({20, 10});
    click({70, 40});
    drag({30, 20}, {{0, 20}, {-30, 20}});
    EXPECT_EQ(zonePoints(0), (std::vector<Point>{{0, 10}, {50, 40}}));
    QTest::mouseMove(picture, {50, 40});
    EXPECT_EQ(picture->cursor().shape(), Qt::SizeFDiagCursor);
    drag({50, 40}, {{120, 80}, {260, 150}});
    EXPECT_EQ(zonePoints(0), (std::vector<Point>{{0, 10}, {200, 100}}));
    EXPECT_EQ(session->canvas().state().CanvasMode, ZoneSelected);
}

TEST_F(EditingTest, CanvasKeysReachTheEditorBeforeTheFocusedControl)
{
    session->window().commandBar().button("14")->trigger();
    click({10, 10});
    click({60, 10});
    QTest::keyClick(&session->window(), Qt::Key_Escape);
    EXPECT_EQ(session->canvas().state().CanvasMode, Idle);
    EXPECT_TRUE(session->document().ActiveZones.empty());

    session->window().commandBar().button("12")->trigger();
    click({10, 10});
    click({40, 40});
    click({150, 90});
    QTest::keyClick(&session->window(), Qt::Key_Tab);
    EXPECT_EQ(session->document().SelectedZoneIndex, 0);
    views.answers = {MessageAnswer::Yes};
    QTest::keyClick(&session->window(), Qt::Key_Delete);
    EXPECT_EQ(session->document().ActiveZones[0].hForme(), ShapeNone);
    EXPECT_EQ(session->window().sidePane().tree()->node(zoneKey(0, 0)), nullptr);
}

} // namespace
} // namespace areamaker
