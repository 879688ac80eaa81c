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
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace areamaker {
namespace {

// Undo and redo, zoom, arrow keys and the status bar, with real events on a 200x100
// picture.
class ComfortsTest : public testing::GuiFixture
{
protected:
    void SetUp() override
    {
        setting("AutoProp", "0");
        writePicture("plan.png", 200, 100);
        page = writePage("page.htm", "plan", "plan.png", "");
        start({page, "-p", "plan"});
        QTest::qWait(80);
    }

    MainWindow &window() { return session->window(); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&window(), static_cast<Qt::Key>(key), modifiers);
    }
    QByteArray savedPage()
    {
        key(Qt::Key_S, Qt::ControlModifier);
        QFile file(QString::fromStdString(page));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool titleMarked() { return window().windowTitle().endsWith('*'); }

    std::string page;
};

TEST_F(ComfortsTest, CtrlZTakesATracingBackAndCtrlYDoesItAgain)
{
    CommandBar &bar = window().commandBar();
    EXPECT_FALSE(bar.menuItem(34)->isEnabled());
    bar.button("12")->trigger();
    clickPicture({20, 10});
    clickPicture({70, 40});
    ASSERT_EQ(session->document().ActiveZoneCount(), 1);
    EXPECT_TRUE(titleMarked());
    EXPECT_EQ(bar.menuItem(34)->text(), "&Annuler le traçage");
    EXPECT_TRUE(bar.button("21")->isEnabled());

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(session->document().ActiveZoneCount(), 0);
    EXPECT_FALSE(titleMarked()) << "back to the page as opened";
    EXPECT_EQ(window().sidePane().tree()->node(zoneKey(0, 0)), nullptr);
    EXPECT_EQ(bar.menuItem(35)->text(), "&Rétablir le traçage");

    key(Qt::Key_Y, Qt::ControlModifier);
    ASSERT_EQ(session->document().ActiveZoneCount(), 1);
    EXPECT_EQ(zonePoints(0), (std::vector<Point>{{20, 10}, {70, 40}}));
    EXPECT_TRUE(titleMarked());
    EXPECT_NE(window().sidePane().tree()->node(zoneKey(0, 0)), nullptr);
    EXPECT_EQ(session->document().SelectedZoneIndex, 0);

    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(session->document().ActiveZoneCount(), 1) << "nothing left to redo";
}

TEST_F(ComfortsTest, ZoomedTwiceADraggedRectangleIsSavedInImagePixels)
{
    key(Qt::Key_Plus, Qt::ControlModifier);
    key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window().panelText("ZOOM"), "Zoom : 200 %");
    QWidget *picture = pictureWidget();
    EXPECT_EQ(picture->size(), QSize(400, 200));
    window().commandBar().button("12")->trigger();
    dragPicture({40, 40}, {{60, 50}, {100, 61}});
    ASSERT_EQ(session->document().ActiveZoneCount(), 1);
    EXPECT_EQ(zonePoints(0), (std::vector<Point>{{20, 20}, {50, 30}}))
        << "101 / 2 rounds to the even 50... 61 / 2 to 30";
    EXPECT_TRUE(savedPage().contains("COORDS=\"20,20,50,30\""));

    // A handle is hit within its few screen pixels, whatever the zoom.
    QTest::qWait(80);
    QTest::mouseMove(picture, {100, 60});
    EXPECT_EQ(picture->cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mouseMove(picture, {106, 60});
    EXPECT_NE(picture->cursor().shape(), Qt::SizeFDiagCursor);

    key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(picture->size(), QSize(200, 100));
    EXPECT_EQ(window().panelText("ZOOM"), "Zoom : 100 %");
}

TEST_F(ComfortsTest, ArrowKeysMoveTheZoneAndTheSaveHasItWhereItWent)
{
    window().commandBar().button("12")->trigger();
    clickPicture({20, 10});
    clickPicture({70, 40});
    QWidget *picture = pictureWidget();
    picture->setFocus();
    QTest::keyClick(picture, Qt::Key_Right);
    QTest::keyClick(picture, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(picture, Qt::Key_Up);
    EXPECT_EQ(zonePoints(0), (std::vector<Point>{{31, 9}, {81, 39}}));
    EXPECT_TRUE(savedPage().contains("COORDS=\"31,9,81,39\""));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(zonePoints(0), (std::vector<Point>{{20, 10}, {70, 40}})) << "one step for the three";
    EXPECT_TRUE(titleMarked()) << "the page on disk has the moved zone";
}

TEST_F(ComfortsTest, TheStatusBarFollowsThePointerAndTheDraggedZonesSize)
{
    window().commandBar().button("12")->trigger();
    clickPicture({20, 10});
    clickPicture({70, 40});
    QTest::qWait(80);
    mouseOnPicture(QEvent::MouseMove, {33, 27}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window().panelText("POS"), "33, 27");
    mouseOnPicture(QEvent::MouseButtonPress, {40, 20}, Qt::LeftButton, Qt::LeftButton);
    mouseOnPicture(QEvent::MouseMove, {45, 22}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window().panelText("TAILLE"), "50 × 30");
    mouseOnPicture(QEvent::MouseButtonRelease, {45, 22}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(window().panelText("TAILLE"), "");
}

TEST_F(ComfortsTest, CtrlWheelZoomsAboutThePointerAndFitShowsTheWholePicture)
{
    writePicture("grand.png", 4000, 3000);
    start({writePage("grand.htm", "grand", "grand.png", ""), "-p", "grand"});
    window().resize(1200, 900);
    QTest::qWait(80);
    CanvasView &canvas = window().canvasView();
    window().commandBar().menuItem(44)->trigger();
    const QSize shown = pictureWidget()->size();
    EXPECT_LE(shown.width(), canvas.width());
    EXPECT_LE(shown.height(), canvas.height());
    EXPECT_FALSE(canvas.hsbMain()->isVisible() || canvas.vsbMain()->isVisible());

    const QPoint pointer(shown.width() / 4, shown.height() / 4);
    const Point under = session->canvas().imagePointAt(pointer.x(), pointer.y());
    QWheelEvent up(pointer, canvas.mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton,
                   Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&canvas, &up);
    EXPECT_GT(pictureWidget()->width(), shown.width());
    const QPoint corner = -pictureWidget()->pos();
    const Point after =
        session->canvas().imagePointAt(corner.x() + pointer.x(), corner.y() + pointer.y());
    const double pixel = 1 / session->canvas().view().scale();
    EXPECT_LE(std::abs(after.x - under.x), 10 * pixel + 1) << "within half a scroll step";
    EXPECT_LE(std::abs(after.y - under.y), 10 * pixel + 1);
}

} // namespace
} // namespace areamaker
