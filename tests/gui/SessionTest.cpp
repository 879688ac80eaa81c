#include "GuiFixture.h"
#include "MarkEdited.h"

#include "PropertyList.h"
#include "document/DocumentLifecycle.h"
#include "shell/MainCommands.h"
#include "widgets/CanvasView.h"
#include "widgets/CommandBar.h"
#include "widgets/MainWindow.h"
#include "widgets/SidePane.h"
#include "widgets/ZoneTree.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QTreeWidgetItem>

#include <filesystem>

namespace areamaker {
namespace {

class SessionTest : public testing::GuiFixture
{
protected:
    CommandBar &bar() { return session->window().commandBar(); }
    QString title() { return session->window().windowTitle(); }
    QSettings ini()
    {
        return QSettings(folder.filePath("config/Areamaker.ini"), QSettings::IniFormat);
    }
};

TEST_F(SessionTest, FirstStartOpensThePageAndTheMapOfTheCommandLine)
{
    const std::string page = copyDemo();
    start({page, "-p", "maison"});
    MainWindow &window = session->window();
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(session->document().ActiveMapIndex, 0);
    EXPECT_EQ(title(), "Areamaker Pro - index.htm");
    EXPECT_EQ(window.panelText("ETAT"), "Prêt");
    EXPECT_TRUE(window.sidePane().isVisible());
    EXPECT_TRUE(window.sidePane().tree()->isVisible());
    EXPECT_TRUE(window.sidePane().propertyList()->isVisible());
    EXPECT_EQ(window.sidePane().tree()->topLevelItemCount(), 2);
    EXPECT_TRUE(window.sidePane().tree()->node("GEN-0")->isExpanded());
    EXPECT_EQ(bar().menuItem(10)->text().toStdString(), "&1 " + page);
    EXPECT_TRUE(bar().menuItem(9)->isVisible());
    for (int item = 11; item <= 15; ++item)
        EXPECT_FALSE(bar().menuItem(item)->isVisible()) << item;
    EXPECT_FALSE(bar().button("3")->isVisible()) << "no browser known";
}

TEST_F(SessionTest, MapOptionActivatesThatMapByItsExactName)
{
    const std::string page = copyDemo();
    start({page, "-p", "village"});
    EXPECT_EQ(session->document().ActiveMapIndex, 1);
    views.messages.clear();
    start({page, "-P", "Village"});
    ASSERT_EQ(views.messages.size(), 1u) << "names compare with their case";
    EXPECT_EQ(session->document().ActiveMapIndex, 0);
    EXPECT_EQ(session->document().DocumentState, DocumentOpen);
}

TEST_F(SessionTest, ExitWritesEverySettingAndARestartReadsThemBack)
{
    const std::string page = copyDemo();
    setting("LinPtDef", "2");
    setting("ClrSelHandleId", "4");
    start({page, "-p", "maison"});
    session->shell().Settings.ExplorateurWidth = 3300;
    session->shell().Settings.AutoProp = false;
    ASSERT_TRUE(closeWindow());
    QSettings written = ini();
    EXPECT_EQ(written.value("System/Rac0").toString().toStdString(), page);
    EXPECT_EQ(written.value("System/Rac1").toString(), "NONE");
    EXPECT_EQ(written.value("System/ExplorateurWidth").toString(), "3300");
    EXPECT_EQ(written.value("System/AutoProp").toString(), "0");
    EXPECT_EQ(written.value("System/ZoneExplorer").toString(), "1");
    EXPECT_EQ(written.value("System/LinPtDef").toString(), "2");
    EXPECT_EQ(written.value("System/ClrSelHandleId").toString(), "4");
    EXPECT_EQ(written.value("System/WindowState").toString(), "2");
    EXPECT_EQ(written.value("System/DefPath").toString().toStdString(),
              folder.path().toStdString() + "/")
        << "the folder of the last page opened";
    EXPECT_EQ(written.value("External/AppVER").toString(), "0.1.0");

    start({});
    const AppSettings &back = session->shell().Settings;
    EXPECT_EQ(back.RecentDocuments[0], page);
    EXPECT_EQ(back.ExplorateurWidth, 3300);
    EXPECT_FALSE(back.AutoProp);
    EXPECT_EQ(back.LinPtDef, 2);
    EXPECT_EQ(back.ClrSelHandleId, 4);
    EXPECT_EQ(session->window().sidePane().width(), 3300 / 15);
}

TEST_F(SessionTest, TitleToolbarAndStatusFollowTheDocument)
{
    const std::string page = copyDemo();
    start({page, "-p", "maison"});
    EXPECT_TRUE(bar().button("2")->isEnabled());
    EXPECT_TRUE(bar().button("11")->isChecked());
    EXPECT_TRUE(bar().button("5")->isEnabled()) << "cut comes with an active map";
    testing::markEdited(session->document(), 0);
    EXPECT_EQ(title(), "Areamaker Pro - index.htm*");

    views.answers = {MessageAnswer::No};
    bar().menuItem(6)->trigger();
    EXPECT_EQ(title(), "Areamaker Pro");
    EXPECT_EQ(session->window().panelText("ETAT"), "Aucun document ouvert");
    EXPECT_FALSE(bar().button("2")->isEnabled());
    EXPECT_FALSE(bar().button("11")->isChecked());
    EXPECT_FALSE(bar().button("11")->isEnabled());

    emit bar().mainMenuAboutToShow();
    EXPECT_FALSE(bar().menuItem(4)->isEnabled());
    EXPECT_FALSE(bar().menuItem(6)->isEnabled());
}

TEST_F(SessionTest, ShortcutsAreRealAccelerators)
{
    const std::string page = copyDemo();
    start({page, "-p", "maison"});
    MainWindow &window = session->window();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    testing::markEdited(session->document(), 0);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(title(), "Areamaker Pro - index.htm") << "Ctrl+S saved the page";
    EXPECT_EQ(bar().menuItem(3)->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(bar().menuItem(17)->shortcut(), QKeySequence("Ctrl+F4"));
}

TEST_F(SessionTest, HistoryMenuListsTheOpenedPagesNewestFirst)
{
    const std::string first = copyDemo();
    writePicture("b.png", 40, 30);
    const std::string second = writePage("b.htm", "b", "b.png", "");
    start({first, "-p", "maison"});
    views.chosenFiles = {second};
    bar().menuItem(3)->trigger();
    EXPECT_EQ(session->document().Path, second);
    EXPECT_EQ(bar().menuItem(10)->text().toStdString(), "&1 " + second);
    EXPECT_EQ(bar().menuItem(11)->text().toStdString(), "&2 " + first);
    EXPECT_TRUE(bar().menuItem(11)->isVisible());

    bar().menuItem(11)->trigger();
    EXPECT_EQ(session->document().Path, first);
    EXPECT_EQ(bar().menuItem(10)->text().toStdString(), "&1 " + first);
}

TEST_F(SessionTest, ActivationOffersToReloadAPageChangedOutside)
{
    const std::string page = copyDemo();
    start({page, "-p", "maison"});
    const auto later = std::filesystem::last_write_time(page) + std::chrono::seconds(5);
    std::filesystem::last_write_time(page, later);
    views.messages.clear();
    views.answers = {MessageAnswer::No};
    QApplicationStateChangeEvent activate(Qt::ApplicationActive);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &activate);
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_NE(views.messages[0].text.find("Ce document a été modifié par une autre application."),
              std::string::npos);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &activate);
    EXPECT_EQ(views.messages.size(), 1u) << "asked once per outside change";
}

TEST_F(SessionTest, CapsLockShowsInTheStatusBar)
{
    start({});
    MainWindow &window = session->window();
    QKeyEvent locked(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 0, 0, 0x2);
    QCoreApplication::sendEvent(&window, &locked);
    EXPECT_EQ(window.panelText("CAP"), "MAJ");
    QKeyEvent unlocked(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 0, 0, 0);
    QCoreApplication::sendEvent(&window, &unlocked);
    EXPECT_EQ(window.panelText("CAP"), "");
}

TEST_F(SessionTest, ExplorerButtonShowsAndHidesBothSections)
{
    start({});
    MainWindow &window = session->window();
    QAction *explorer = bar().button("9");
    explorer->trigger();
    EXPECT_FALSE(window.sidePane().isVisible());
    EXPECT_FALSE(explorer->isChecked());
    EXPECT_EQ(window.canvasView().x(), 0) << "10 twips round down to the window's edge";
    session->shell().Settings.ZoneProperties = true;
    explorer->trigger();
    EXPECT_TRUE(session->shell().Settings.ZoneExplorer && session->shell().Settings.ZoneProperties);
    EXPECT_TRUE(window.sidePane().isVisible());
}

} // namespace
} // namespace areamaker
