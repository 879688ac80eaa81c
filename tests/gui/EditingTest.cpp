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
        start({writePage("page.htm", "plan", "plan.png", ""), "-p", "plan"});
        picture = pictureWidget();
    }

    QWidget *picture = nullptr;
};

TEST_F(EditingTest, ShapesAreTracedByClicksOnThePicture)
{
    CommandBar &bar = session->window().commandBar();
    bar.button("12")->trigger();
    EXPECT_EQ(session->window().panelText("ETAT"), "Traçage d'une région Rectangle");
    EXPECT_EQ(picture->cursor().shape(), Qt::CrossCursor);
    clickPicture({120, 90});
    clickPicture({20, 10});
    bar.button("13")->trigger();
    clickPicture({50, 50});
    clickPicture({53, 54});
    bar.button("14")->trigger();
    for (const QPoint at : {QPoint(10, 10), QPoint(100, 10), QPoint(100, 90), QPoint(15, 16)})
        clickPicture(at);
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
    clickPicture({20, 10});
    clickPicture({70, 40});
    dragPicture({30, 20}, {{0, 20}, {-30, 20}});
    EXPECT_EQ(zonePoints(0), (std::vector<Point>{{0, 10}, {50, 40}}));
    QTest::mouseMove(picture, {50, 40});
    EXPECT_EQ(picture->cursor().shape(), Qt::SizeFDiagCursor);
    dragPicture({50, 40}, {{120, 80}, {260, 150}});
    EXPECT_EQ(zonePoints(0), (std::vector<Point>{{0, 10}, {200, 100}}));
    EXPECT_EQ(session->canvas().state().CanvasMode, ZoneSelected);
}

TEST_F(EditingTest, CanvasKeysReachTheEditorBeforeTheFocusedControl)
{
    session->window().commandBar().button("14")->trigger();
    clickPicture({10, 10});
    clickPicture({60, 10});
    QTest::keyClick(&session->window(), Qt::Key_Escape);
    EXPECT_EQ(session->canvas().state().CanvasMode, Idle);
    EXPECT_TRUE(session->document().ActiveZones.empty());

    session->window().commandBar().button("12")->trigger();
    clickPicture({10, 10});
    clickPicture({40, 40});
    clickPicture({150, 90});
    QTest::keyClick(&session->window(), Qt::Key_Tab);
    EXPECT_EQ(session->document().SelectedZoneIndex, 0);
    views.answers = {MessageAnswer::Yes};
    QTest::keyClick(&session->window(), Qt::Key_Delete);
    EXPECT_EQ(session->document().ActiveZones[0].hForme(), ShapeNone);
    EXPECT_EQ(session->window().sidePane().tree()->node(zoneKey(0, 0)), nullptr);
}

// A map whose block holds server code: its zone is selected with the mouse, but dragging,
// deleting and tracing are refused with the reason, and the page stays as it was.
class ReadOnlyEditingTest : public testing::GuiFixture
{
protected:
    std::string pageBytes() const
    {
        std::string bytes;
        EXPECT_TRUE(files.readFile(page, bytes).ok());
        return bytes;
    }

    std::string page;
};

TEST_F(ReadOnlyEditingTest, MouseAndKeysSelectButEveryEditIsRefused)
{
    setting("AutoProp", "0");
    writePicture("plan.png", 200, 100);
    page = writePage("page.htm", "plan", "plan.png",
                     "<?php if ($ouvert): ?><AREA SHAPE=\"RECT\" COORDS=\"10,10,60,40\" "
                     "HREF=\"a.htm\"><?php endif; ?>");
    const std::string before = pageBytes();
    start({page, "-p", "plan"});
    EXPECT_EQ(session->window().panelText("ETAT"),
              "Lecture seule : son bloc contient du code serveur (« <?php if ($ouvert): ?> »)");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !session->window().redrawPending(); }));
    clickPicture({30, 20});
    EXPECT_EQ(session->document().SelectedZoneIndex, 0);

    views.messages.clear();
    dragPicture({30, 20}, {{50, 40}, {80, 60}});
    QTest::keyClick(&session->window(), Qt::Key_Delete);
    session->window().commandBar().button("12")->trigger();
    ASSERT_EQ(views.messages.size(), 3u);
    for (const MessageRequest &message : views.messages)
        EXPECT_EQ(message.text.rfind("La map « plan » est en lecture seule", 0), 0u)
            << message.text;
    EXPECT_EQ(zonePoints(0), (std::vector<Point>{{10, 10}, {60, 40}}));
    EXPECT_EQ(session->canvas().state().CanvasMode, ZoneSelected);
    EXPECT_FALSE(session->document().DocumentModified);
    EXPECT_TRUE(closeWindow()) << "nothing to save, nothing asked";
    EXPECT_EQ(pageBytes(), before);
}

} // namespace
} // namespace areamaker
