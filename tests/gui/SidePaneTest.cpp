#include "GuiFixture.h"

#include "PropertyList.h"
#include "canvas/CanvasModel.h"
#include "document/TreeKeys.h"
#include "shell/PropertyGridBinding.h"
#include "shell/ZoneTreeBinding.h"
#include "widgets/CommandBar.h"
#include "widgets/MainWindow.h"
#include "widgets/SidePane.h"
#include "widgets/ZoneTree.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace areamaker {
namespace {

// The zone explorer and the property grid of a running editor, driven with real events.
class SidePaneTest : public testing::GuiFixture
{
protected:
    void SetUp() override { setting("AutoProp", "0"); }

    PropertyList &grid() const { return *session->window().sidePane().propertyList(); }
    ZoneTree &tree() const { return *session->window().sidePane().tree(); }
    QString row(int tag) const { return grid().ItemValueByTagId(tag); }

    // Types into a row as a user does: the first key starts the edit, Return ends it.
    void editRow(int tag, const QString &text)
    {
        grid().SelectItem(gridRowIndex(tag));
        grid().picControl()->setFocus();
        QTest::keyClick(grid().picControl(), text.at(0).toLatin1());
        QTest::keyClicks(grid().txtItem(), text.mid(1));
        QTest::keyClick(grid().txtItem(), Qt::Key_Return);
    }

    void pressMore(int tag)
    {
        grid().SelectItem(gridRowIndex(tag));
        QTest::mouseClick(grid().cmdItem(), Qt::LeftButton);
    }

    QAction *treePopupItem(int number) const
    {
        const CommandBar &bar = session->window().commandBar();
        return bar.popupItem(bar.treePopup(), number);
    }
};

TEST_F(SidePaneTest, EditingGaucheMovesTheZoneInsideThePicture)
{
    writePicture("plan.png", 200, 100);
    start({writePage("page.htm", "plan", "plan.png",
                     "<AREA SHAPE=\"RECT\" COORDS=\"10,20,110,80\" HREF=\"a.htm\">"),
           "-p", "plan"});
    // Zones take the pointer once they have been drawn.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !session->window().redrawPending(); }));
    clickPicture({50, 50});
    ASSERT_EQ(row(TagType), "Rectangle");
    editRow(TagLeft, "150");
    EXPECT_EQ(zonePoints(0), (std::vector<Point>{{100, 20}, {200, 80}}));
    EXPECT_EQ(row(TagLeft), "100");
    EXPECT_EQ(grid().txtItem()->text(), "100");

    views.messages.clear();
    editRow(TagTop, "haut");
    ASSERT_EQ(views.messages.size(), 1U);
    EXPECT_EQ(views.messages[0].text, "La position spécifiée n'est pas valide.");
    EXPECT_EQ(row(TagTop), "20");
    EXPECT_TRUE(session->window().windowTitle().endsWith('*'));
}

TEST_F(SidePaneTest, AZoneNodeOfAnotherMapActivatesThatMapAndSelectsTheZone)
{
    start({copyDemo(), "-p", "maison"});
    ASSERT_EQ(session->document().ActiveMapIndex, 0);
    clickNode(zoneKey(1, 3));
    EXPECT_EQ(session->document().ActiveMapIndex, 1);
    EXPECT_EQ(session->document().SelectedZoneIndex, 3);
    EXPECT_EQ(row(TagType), "Cercle");
    EXPECT_EQ(row(TagCentre), "200,150");
    EXPECT_EQ(session->canvas().pictureSize(), (ImageSize{400, 300}));

    clickNode(mapKey(0), Qt::RightButton);
    QMenu *popup = session->window().commandBar().treePopup();
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(treePopupItem(PopupNew)->isVisible());
    EXPECT_FALSE(treePopupItem(PopupInsert)->isVisible());
    popup->hide();
    EXPECT_EQ(session->document().ActiveMapIndex, 0);
    EXPECT_EQ(row(TagMapName), "maison");
}

TEST_F(SidePaneTest, ANewUserEditsTheDemoPageAndSavesExactlyTheExpectedMarkup)
{
    const std::string page = copyDemo();
    start({page, "-p", "maison"});
    ASSERT_TRUE(QTest::qWaitFor([this] { return !session->window().redrawPending(); }));
    CommandBar &bar = session->window().commandBar();
    views.answers.assign(3, MessageAnswer::Yes);

    // A rectangle, traced, moved, dragged past the corner, placed and linked in the grid.
    bar.button("12")->trigger();
    clickPicture({300, 160});
    clickPicture({340, 200});
    dragPicture({320, 180}, {{330, 190}});
    dragPicture({350, 210}, {{600, 400}});
    ASSERT_EQ(zonePoints(6), (std::vector<Point>{{310, 170}, {480, 320}}));
    editRow(TagLeft, "300");
    views.chosenFiles = {path("garage.htm")};
    pressMore(TagHref);
    editRow(TagAlt, "Garage");

    // A circle and a polygon, each corrected in the grid.
    bar.button("13")->trigger();
    clickPicture({60, 60});
    clickPicture({70, 60});
    editRow(TagRadius, "15");
    bar.button("14")->trigger();
    for (const QPoint at : {QPoint(400, 20), QPoint(470, 20), QPoint(470, 60), QPoint(402, 22)})
        clickPicture(at);
    editRow(TagFirstPoint + 1, "475,10");

    // The round table goes with the Delete key, the default region from the pop-up.
    clickNode(zoneKey(0, 0));
    QTest::keyClick(&session->window(), Qt::Key_Delete);
    clickNode(defaultRegionKey(0), Qt::RightButton);
    session->window().commandBar().treePopup()->hide();
    treePopupItem(PopupDelete)->trigger();

    // To the village and back, then the village map goes.
    clickNode(zoneKey(1, 0));
    EXPECT_EQ(row(TagTitle), "La mairie");
    clickNode(mapKey(0));
    EXPECT_EQ(session->document().ActiveZoneCount(), 9);
    clickNode(mapKey(1), Qt::RightButton);
    session->window().commandBar().treePopup()->hide();
    treePopupItem(PopupDelete)->trigger();

    bar.button("2")->trigger();
    EXPECT_EQ(views.answers.size(), 0U);
    EXPECT_FALSE(session->document().DocumentModified);
    QFile saved(QString::fromStdString(page));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QFile expected(AREAMAKER_GUI_GOLDEN_DIR "/demo-after-new-user.htm");
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), expected.readAll().toStdString());
}

} // namespace
} // namespace areamaker
