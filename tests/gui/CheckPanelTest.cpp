#include "widgets/CheckPanel.h"
#include "GuiFixture.h"
#include "PropertyList.h"
#include "canvas/CanvasModel.h"
#include "canvas/ZoneRowValues.h"
#include "document/DocumentLifecycle.h"
#include "document/TreeKeys.h"
#include "widgets/MainWindow.h"
#include "widgets/SidePane.h"
#include "widgets/ZoneTree.h"

#include <QTest>
#include <QTreeWidget>

namespace areamaker::testing {

namespace {

class CheckPanelTest : public GuiFixture
{
protected:
    QTreeWidget &list() const { return *session->checkPanel().list(); }
    QStringList row(int index) const
    {
        QStringList cells;
        const QTreeWidgetItem *item = list().topLevelItem(index);
        for (int column = 0; item && column < list().columnCount(); ++column)
            cells << item->text(column);
        return cells;
    }
    void doubleClickRow(int index)
    {
        const QRect at = list().visualItemRect(list().topLevelItem(index));
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, at.center());
        QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, at.center());
    }
};

} // namespace

// F7 lists the link without a text; a double click on it selects that zone, in the map that
// holds it, as the page stands in the editor.
TEST_F(CheckPanelTest, F7ListsAMissingAltAndADoubleClickSelectsItsZone)
{
    writePicture("plan.png", 200, 100);
    const std::string page =
        writePage("page.htm", "plan", "plan.png",
                  "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,50\" HREF=\"#a\" ALT=\"A\">\n"
                  "<AREA SHAPE=\"RECT\" COORDS=\"60,10,90,50\" HREF=\"#b\">");
    start({page, "-p", "plan"});
    EXPECT_FALSE(session->checkPanel().isVisible());

    QTest::keyClick(&session->window(), Qt::Key_F7);
    ASSERT_TRUE(session->checkPanel().isVisible());
    ASSERT_EQ(list().topLevelItemCount(), 1);
    EXPECT_EQ(row(0), (QStringList{"erreur", "6", "1",
                                   "Zone avec un lien (« #b ») sans texte alternatif (ALT).",
                                   "area-alt"}));
    EXPECT_EQ(list().headerItem()->text(0), "Gravité");

    session->canvas().clearSelection();
    ASSERT_EQ(session->document().SelectedZoneIndex, -1);
    doubleClickRow(0);
    EXPECT_EQ(session->document().ActiveMapIndex, 0);
    EXPECT_EQ(session->document().SelectedZoneIndex, 1);
    EXPECT_EQ(session->window().sidePane().tree()->currentKey(), zoneKey(0, 1));
    EXPECT_EQ(session->window().sidePane().propertyList()->ItemValueByTagId(TagType), "Rectangle")
        << "the grid shows the zone, not the map";
}

// A finding of the page checked before another one was opened leads nowhere in the new one.
TEST_F(CheckPanelTest, AFindingOfAPageNoLongerOpenSelectsNothing)
{
    writePicture("plan.png", 200, 100);
    const QString area = "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,50\" HREF=\"#a\">";
    const std::string first = writePage("page.htm", "plan", "plan.png", area);
    const std::string second = writePage("autre.htm", "plan", "plan.png", area);
    start({first, "-p", "plan"});
    QTest::keyClick(&session->window(), Qt::Key_F7);
    ASSERT_EQ(list().topLevelItemCount(), 1);
    ASSERT_TRUE(session->lifecycle().OpenDocument(second, true));
    session->canvas().clearSelection();
    doubleClickRow(0);
    EXPECT_EQ(session->document().SelectedZoneIndex, -1);
    QTest::keyClick(&session->window(), Qt::Key_F7);
    doubleClickRow(0);
    EXPECT_EQ(session->document().SelectedZoneIndex, 0) << "checked again, it leads to the zone";
}

// The check reads the document as edited: a zone deleted in the editor is no longer found,
// and the page on disk keeps its bytes.
TEST_F(CheckPanelTest, ChecksTheDocumentAsEditedWithoutWritingIt)
{
    writePicture("plan.png", 200, 100);
    const std::string page = writePage("page.htm", "plan", "plan.png",
                                       "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,50\" HREF=\"#a\">");
    const QByteArray before = [&] {
        QFile file(QString::fromStdString(page));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    start({page, "-p", "plan"});
    session->canvas().selectZone(0);
    session->canvas().DeleteSelectedZone(false);
    QTest::keyClick(&session->window(), Qt::Key_F7);
    ASSERT_EQ(list().topLevelItemCount(), 1);
    EXPECT_EQ(row(0).at(3), "Aucun problème trouvé.");
    QFile file(QString::fromStdString(page));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_TRUE(session->window().windowTitle().endsWith('*'));
}

} // namespace areamaker::testing
