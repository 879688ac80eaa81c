#include "GuiFixture.h"
#include "MarkEdited.h"

#include "PropertyList.h"
#include "canvas/CanvasModel.h"
#include "document/TreeKeys.h"
#include "shell/PropertyGridBinding.h"
#include "shell/ZoneTreeBinding.h"
#include "widgets/CanvasView.h"
#include "widgets/CommandBar.h"
#include "widgets/MainWindow.h"
#include "widgets/SidePane.h"
#include "widgets/ZoneTree.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include <filesystem>

namespace areamaker {
namespace {

// What a new user met in the real window: typed values, tracings and selections that must
// never be lost or left behind, and a window that shows what it should.
class WindowBehaviourTest : public testing::GuiFixture
{
protected:
    void SetUp() override { setting("AutoProp", "0"); }

    // A 200x100 picture with two rectangles, zones 0 and 1.
    std::string twoZonePage()
    {
        writePicture("plan.png", 200, 100);
        return writePage("page.htm", "plan", "plan.png",
                         "<AREA SHAPE=\"RECT\" COORDS=\"10,20,60,80\" HREF=\"a.htm\">\n"
                         "<AREA SHAPE=\"RECT\" COORDS=\"100,20,150,80\" HREF=\"b.htm\">");
    }
    void startOn(const std::string &page, const std::string &map = "plan")
    {
        start({page, "-p", map});
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        // Zones take the pointer once they have been drawn.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !session->window().redrawPending(); }));
    }

    MainWindow &window() const { return session->window(); }
    CommandBar &bar() const { return window().commandBar(); }
    PropertyList &grid() const { return *window().sidePane().propertyList(); }
    ZoneTree &tree() const { return *window().sidePane().tree(); }
    std::string zoneAlt(int index) const
    {
        return session->document().ActiveZones.at(static_cast<std::size_t>(index)).GetData(AttrAlt);
    }
    std::string fileBytes(const std::string &file) const
    {
        QFile in(QString::fromStdString(file));
        return in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : std::string();
    }
    // Through the window as the platform delivers it, so that the focus moves as it does.
    void realClick(QPoint at) { QTest::mouseClick(pictureWidget(), Qt::LeftButton, {}, at); }
    void clickToolButton(const char *key)
    {
        QTest::mouseClick(bar().toolbar()->widgetForAction(bar().button(key)), Qt::LeftButton);
    }
    void openAndCloseMenu(int item)
    {
        QMenu *menu = bar().menuItem(item)->menu();
        menu->popup(window().mapToGlobal(QPoint(0, 0)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        menu->hide();
    }
    static void activateApplication()
    {
        QApplicationStateChangeEvent active(Qt::ApplicationActive);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &active);
    }
};

TEST_F(WindowBehaviourTest, AValueTypedInTheGridIsKeptWhenTheCanvasIsClicked)
{
    startOn(twoZonePage());
    clickPicture({30, 50});
    startTyping(TagAlt, QString::fromUtf8("Étagère"));
    ASSERT_TRUE(grid().txtItem()->hasFocus());
    EXPECT_EQ(grid().txtItem()->text(), QString::fromUtf8("Étagère")) << "the É starts the edit";
    realClick({120, 50});
    EXPECT_EQ(zoneAlt(0), "Étagère");
    EXPECT_EQ(session->document().SelectedZoneIndex, 1);
    EXPECT_TRUE(pictureWidget()->hasFocus()) << "the canvas takes the focus";
}

TEST_F(WindowBehaviourTest, CommandsAndTabTakeTheValueBeingTyped)
{
    const std::string page = twoZonePage();
    startOn(page);
    clickPicture({30, 50});
    startTyping(TagAlt, "Porte");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_NE(fileBytes(page).find("ALT=\"Porte\""), std::string::npos) << fileBytes(page);
    EXPECT_FALSE(session->document().DocumentModified);

    startTyping(TagTitle, "Entrée");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(session->document().ActiveZones[0].GetData(AttrTitle), "Entrée");
    EXPECT_EQ(session->document().SelectedZoneIndex, 1);

    startTyping(TagAlt, "Mur");
    openAndCloseMenu(1);
    EXPECT_EQ(zoneAlt(1), "Mur") << "opening a menu";
    startTyping(TagAlt, "Toit");
    clickToolButton("9");
    EXPECT_EQ(zoneAlt(1), "Toit") << "a toolbar button";
}

TEST_F(WindowBehaviourTest, MenusToolbarAndTreeEndATracingInProgress)
{
    startOn(twoZonePage());
    const CanvasState &state = session->canvas().state();
    clickToolButton("14");
    clickPicture({20, 90});
    clickPicture({80, 90});
    clickToolButton("13");
    EXPECT_EQ(state.TraceShape, ShapeCircle) << "the other tool starts afresh";
    EXPECT_EQ(state.TraceStep, 0);
    EXPECT_FALSE(bar().button("14")->isChecked());
    EXPECT_TRUE(bar().button("13")->isChecked());

    QTest::keyClick(&window(), Qt::Key_Escape);
    clickPicture({30, 50});
    openAndCloseMenu(18);
    ASSERT_TRUE(bar().menuItem(27)->isEnabled());
    clickToolButton("13");
    clickPicture({20, 90});
    openAndCloseMenu(18);
    EXPECT_EQ(state.CanvasMode, Idle);
    EXPECT_EQ(state.TraceStep, 0);
    EXPECT_TRUE(bar().button("11")->isChecked());
    EXPECT_FALSE(bar().menuItem(27)->isEnabled()) << "no zone is selected any more";

    clickNode(mapKey(0));
    clickToolButton("14");
    realClick({20, 90});
    realClick({80, 90});
    clickNode(zoneKey(0, 1));
    EXPECT_EQ(state.TraceStep, 0) << "no dotted outline is left behind";
    EXPECT_EQ(window().panelText("ETAT"), "Prêt");
    EXPECT_EQ(session->document().SelectedZoneIndex, 1);
    EXPECT_EQ(session->document().ActiveZoneCount(), 2);
}

TEST_F(WindowBehaviourTest, DeleteFromTheEditMenuAndTheToolbar)
{
    startOn(twoZonePage());
    clickPicture({30, 50});
    openAndCloseMenu(18);
    ASSERT_TRUE(bar().menuItem(27)->isEnabled());
    views.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    bar().menuItem(27)->trigger();
    EXPECT_EQ(session->document().ActiveZones[0].hForme(), ShapeNone);
    EXPECT_EQ(tree().currentKey(), mapKey(0)) << "the tree follows the selection";

    clickPicture({120, 50});
    EXPECT_EQ(tree().currentKey(), zoneKey(0, 1));
    ASSERT_TRUE(bar().button("17")->isEnabled());
    clickToolButton("17");
    EXPECT_EQ(session->document().ActiveZones[1].hForme(), ShapeNone);
    EXPECT_EQ(views.messages.back().text, "Désirez-vous supprimer la région sélectionnée ?");
}

TEST_F(WindowBehaviourTest, TheTreeFollowsTheCanvasAndTheCanvasScrollsToTheTreesZone)
{
    writePicture("big.png", 1500, 1200);
    startOn(writePage("big.htm", "big", "big.png",
                      "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,50\">\n"
                      "<AREA SHAPE=\"RECT\" COORDS=\"1300,1000,1400,1100\">"),
            "big");
    CanvasView &canvas = window().canvasView();
    ASSERT_TRUE(canvas.vsbMain()->isVisible() && canvas.hsbMain()->isVisible());
    clickPicture({30, 30});
    EXPECT_EQ(tree().currentKey(), zoneKey(0, 0));
    clickNode(zoneKey(0, 1));
    const QPoint corner = -canvas.picMain()->pos();
    const QRect view(corner, QSize(canvas.width() - canvas.vsbMain()->width(),
                                   canvas.height() - canvas.hsbMain()->height()));
    EXPECT_TRUE(view.contains(QRect(1300, 1000, 100, 100)))
        << "view at " << corner.x() << "," << corner.y();
    QTest::keyClick(&window(), Qt::Key_Tab);
    EXPECT_EQ(tree().currentKey(), zoneKey(0, 0));
    EXPECT_EQ(canvas.vsbMain()->value(), 0) << "Tab brings the zone into sight too";

    QWheelEvent down(QPointF(10, 10), canvas.mapToGlobal(QPointF(10, 10)), {}, {0, -120},
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    // The picture leaves the wheel to the workspace under it.
    QApplication::sendEvent(&canvas, &down);
    EXPECT_EQ(canvas.vsbMain()->value(), QApplication::wheelScrollLines());
    QWheelEvent sideways(QPointF(10, 10), canvas.mapToGlobal(QPointF(10, 10)), {}, {0, -120},
                         Qt::NoButton, Qt::ShiftModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&canvas, &sideways);
    EXPECT_EQ(canvas.hsbMain()->value(), QApplication::wheelScrollLines());
    EXPECT_EQ(canvas.vsbMain()->value(), QApplication::wheelScrollLines());
}

TEST_F(WindowBehaviourTest, DeletingTheShownMapEmptiesTheGrid)
{
    startOn(twoZonePage());
    ASSERT_NE(grid().ItemType(0), E_ITEM_NONE);
    views.answers = {MessageAnswer::Yes};
    clickNode(mapKey(0), Qt::RightButton);
    bar().treePopup()->hide();
    bar().popupItem(bar().treePopup(), PopupDelete)->trigger();
    EXPECT_EQ(grid().ItemType(0), E_ITEM_NONE);
    EXPECT_FALSE(session->canvas().state().ImageShown);
    EXPECT_FALSE(bar().button("12")->isEnabled());
}

TEST_F(WindowBehaviourTest, AFailedReloadLeavesThePageEditable)
{
    const std::string page = twoZonePage();
    startOn(page);
    QFile broken(QString::fromStdString(page));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<MAP NAME=\"plan\"><AREA SHAPE=RECT COORDS=\"1,1,5\"></MAP>");
    broken.close();
    std::filesystem::last_write_time(page, std::filesystem::last_write_time(page) +
                                               std::chrono::seconds(5));
    views.messages.clear();
    views.answers = {MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::Ok};
    activateApplication();
    ASSERT_GE(views.messages.size(), 2u);
    EXPECT_TRUE(session->canvas().state().ImageShown);
    EXPECT_EQ(session->document().ActiveMapIndex, 0);
    ASSERT_TRUE(bar().button("12")->isEnabled());
    clickToolButton("12");
    clickPicture({160, 10});
    clickPicture({190, 40});
    EXPECT_EQ(session->document().ActiveZoneCount(), 3);
    EXPECT_TRUE(session->document().DocumentModified) << "the new zone has somewhere to go";
    EXPECT_TRUE(window().windowHandle()->title().endsWith('*'));
}

TEST_F(WindowBehaviourTest, OnlyTheApplicationsActivationChecksThePage)
{
    const std::string page = twoZonePage();
    startOn(page);
    std::filesystem::last_write_time(page, std::filesystem::last_write_time(page) +
                                               std::chrono::seconds(5));
    views.messages.clear();
    views.answers = {MessageAnswer::No};
    // A dialog of the editor's own closing gives the window its activation back.
    QEvent windowActivated(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window(), &windowActivated);
    EXPECT_TRUE(views.messages.empty());
    activateApplication();
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_NE(views.messages[0].text.find("modifié par une autre application"), std::string::npos);
}

TEST_F(WindowBehaviourTest, AnImageOrBinaryFileIsRefusedAndLeftAlone)
{
    const std::string photo = path("photo.jpg");
    QImage(20, 10, QImage::Format_RGB32).save(QString::fromStdString(photo), "JPEG");
    const std::string before = fileBytes(photo);
    views.answers = {MessageAnswer::Ok};
    start({photo});
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_NE(views.messages[0].text.find("Ce fichier est une image JPEG, pas une page web."),
              std::string::npos);
    EXPECT_NE(session->document().DocumentState, DocumentOpen);
    EXPECT_EQ(session->shell().Settings.RecentDocuments[0], EmptySlot);
    EXPECT_FALSE(bar().menuItem(4)->isEnabled());
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(views.messages.size(), 1u) << "Save has nothing to act on";
    EXPECT_EQ(fileBytes(photo), before);
}

TEST_F(WindowBehaviourTest, ANormalWindowShowsItsSidePaneWithoutAPage)
{
    setting("WindowState", "0");
    start({});
    ASSERT_FALSE(window().isMaximized());
    EXPECT_TRUE(window().sidePane().isVisible());
    EXPECT_TRUE(tree().isVisible());
    EXPECT_GT(window().sidePane().height(), 100);
    EXPECT_GT(window().canvasView().x(), window().sidePane().width());
    for (int item : {4, 5, 6})
        EXPECT_FALSE(bar().menuItem(item)->isEnabled()) << item;
}

TEST_F(WindowBehaviourTest, AMapNameThatNamesNoMapShowsTheFirstMap)
{
    const std::string page = twoZonePage();
    views.answers = {MessageAnswer::Ok};
    start({page, "-p", "ailleurs"});
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_EQ(views.messages[0].text, "La map 'ailleurs' n'existe pas dans ce document.\nLa "
                                      "première map du document est affichée.");
    EXPECT_EQ(session->document().ActiveMapIndex, 0);
    EXPECT_TRUE(session->canvas().state().ImageShown);
    EXPECT_TRUE(window().sidePane().isVisible());
}

TEST_F(WindowBehaviourTest, TheTitleShowsTheFileNameAsItIs)
{
    writePicture("plan.png", 200, 100);
    startOn(writePage("plan[*]v2.htm", "plan", "plan.png", ""));
    EXPECT_EQ(window().windowHandle()->title(), "Areamaker Pro - plan[*]v2.htm");
    testing::markEdited(session->document(), 0);
    EXPECT_EQ(window().windowHandle()->title(), "Areamaker Pro - plan[*]v2.htm*");
}

TEST_F(WindowBehaviourTest, MajFollowsTheRealCapsLockState)
{
    start({});
    window().capsLockProbe = nullptr;
    const auto key = [this](QEvent::Type type, bool lockedBefore) {
        QKeyEvent event(type, Qt::Key_CapsLock, Qt::NoModifier, 0, 0, lockedBefore ? 0x2 : 0);
        QCoreApplication::sendEvent(&window(), &event);
        return window().panelText("CAP");
    };
    EXPECT_EQ(key(QEvent::KeyPress, false), "MAJ");
    EXPECT_EQ(key(QEvent::KeyRelease, true), "MAJ");
    EXPECT_EQ(key(QEvent::KeyPress, true), "");
    EXPECT_EQ(key(QEvent::KeyRelease, true), "") << "the lock ends with this release";

    bool locked = true;
    window().capsLockProbe = [&locked] { return std::optional<bool>(locked); };
    activateApplication();
    EXPECT_EQ(window().panelText("CAP"), "MAJ") << "pressed in another program";
    locked = false;
    window().hide();
    window().show();
    EXPECT_EQ(window().panelText("CAP"), "") << "read when the window shows";
}

} // namespace
} // namespace areamaker
