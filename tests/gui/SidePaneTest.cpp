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

    int rowIndex(int tag) const
    {
        const std::vector<GridRow> rows = session->grid().rows(GridFill::Selection);
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].tag == tag)
                return static_cast<int>(i);
        ADD_FAILURE() << "no row " << tag;
        return 0;
    }

    // Types into a row as a user does: the first key starts the edit, Return ends it.
    void editRow(int tag, const QString &text)
    {
        grid().SelectItem(rowIndex(tag));
        grid().picControl()->setFocus();
        QTest::keyClick(grid().picControl(), text.at(0).toLatin1());
        QTest::keyClicks(grid().txtItem(), text.mid(1));
        QTest::keyClick(grid().txtItem(), Qt::Key_Return);
    }

    void pressMore(int tag)
    {
        grid().SelectItem(rowIndex(tag));
        QTest::mouseClick(grid().cmdItem(), Qt::LeftButton);
    }

    void clickNode(const std::string &key, Qt::MouseButton button = Qt::LeftButton)
    {
        tree().expandAll();
        QTreeWidgetItem *item = tree().node(key);
        ASSERT_NE(item, nullptr) << key;
        tree().scrollToItem(item);
        QTest::mouseClick(tree().viewport(), button, {}, tree().visualItemRect(item).center());
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
                     "<AREA SHAPE=\"RECT\" COORDS=\"10,20,110,80\" HREF=\"a.htm\">")});
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
    start({copyDemo()});
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

} // namespace
} // namespace areamaker
