#include "GuiFixture.h"

#include "canvas/CanvasModel.h"
#include "help/HelpBrowser.h"
#include "help/HelpWindow.h"
#include "shell/HTMLHelp.h"
#include "shell/ProductInfo.h"
#include "widgets/AboutWindow.h"
#include "widgets/CanvasView.h"
#include "widgets/CommandBar.h"
#include "widgets/MainWindow.h"
#include "widgets/ShellWindows.h"
#include "widgets/SidePane.h"
#include "widgets/SplashWindow.h"
#include "widgets/ZoneTree.h"
#include "widgets/cControlButton.h"

#include "PropertyList.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace areamaker {
namespace {

// The options, help, splash and about windows and the side pane's close buttons of a
// running editor, driven with real events.
class ShellWindowsTest : public testing::GuiFixture
{
protected:
    void SetUp() override { setting("AutoProp", "0"); }

    CommandBar &bar() const { return session->window().commandBar(); }
    SidePane &pane() const { return session->window().sidePane(); }

    // Starts on a page with one 100 × 60 rectangle on a 200 × 150 picture.
    void startOnRectangle()
    {
        writePicture("plan.png", 200, 150);
        start({writePage("page.htm", "plan", "plan.png",
                         R"(<AREA SHAPE="RECT" COORDS="40,30,140,90" HREF="a.htm">)"),
               "-p", "plan"});
        session->window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&session->window()));
    }

    // Runs `act` on the modal window of that name as soon as it shows.
    static void whenShown(const char *name, std::function<void(QWidget &)> act)
    {
        QTimer::singleShot(0, [name, act] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->objectName() == name && window->isVisible()) {
                    act(*window);
                    return;
                }
            }
            ADD_FAILURE() << name << " did not show";
        });
    }

    static void clickToolButton(QToolBar *toolbar, QAction *action)
    {
        QTest::mouseClick(toolbar->widgetForAction(action), Qt::LeftButton);
    }

    QRgb canvasPixel(QPoint at) const
    {
        return session->window().canvasView().visibleImage().pixel(at);
    }
};

TEST_F(ShellWindowsTest, OptionsChangeTheSelectionBorderAndTheCanvasRedrawsWithIt)
{
    startOnRectangle();
    const QPoint border(90, 30);
    // Zones answer clicks once the deferred first redraw has drawn them, in blue.
    ASSERT_TRUE(QTest::qWaitFor([&] { return canvasPixel(border) == qRgb(0, 0, 255); }));
    clickPicture({90, 60});
    ASSERT_EQ(session->document().SelectedZoneIndex, 0);
    EXPECT_EQ(canvasPixel(border), qRgb(255, 0, 0)) << "the selection is red by default";

    whenShown("frmConfig", [](QWidget &dialog) {
        auto *tabs = dialog.findChild<QTabWidget *>("tstConfig");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        auto *element = dialog.findChild<QComboBox *>("cboElement");
        element->setFocus();
        QTest::keyClick(element, Qt::Key_Down);
        auto *colour = dialog.findChild<QComboBox *>("cboColor");
        EXPECT_EQ(colour->currentText(), "Rouge");
        EXPECT_TRUE(dialog.findChild<QComboBox *>("cboEpaisseur")->isVisible());
        colour->setFocus();
        QTest::keyClick(colour, Qt::Key_Down);
        EXPECT_EQ(colour->currentText(), "Vert");
        QTest::mouseClick(dialog.findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    });
    clickToolButton(bar().toolbar(), bar().button("19"));

    EXPECT_EQ(session->shell().Settings.ClrSelBorderId, 10);
    EXPECT_EQ(session->window().panelText("ETAT"), "Prêt");
    ASSERT_TRUE(QTest::qWaitFor([&] { return canvasPixel(border) == qRgb(0, 255, 0); }))
        << "the canvas is redrawn in the new colour";
}

TEST_F(ShellWindowsTest, CancelAfterApplyKeepsWhatWasApplied)
{
    startOnRectangle();
    whenShown("frmConfig", [](QWidget &dialog) {
        auto *handles = dialog.findChild<QComboBox *>("cboElement");
        handles->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(handles, Qt::Key_Down);
        EXPECT_FALSE(dialog.findChild<QComboBox *>("cboEpaisseur")->isVisibleTo(&dialog))
            << "handles have no width";
        auto *colour = dialog.findChild<QComboBox *>("cboColor");
        colour->setFocus();
        QTest::keyClick(colour, Qt::Key_Up);
        QTest::mouseClick(dialog.findChild<QPushButton *>("cmdApply"), Qt::LeftButton);
        QTest::keyClick(colour, Qt::Key_Up);
        QTest::mouseClick(dialog.findChild<QPushButton *>("cmdCancel"), Qt::LeftButton);
    });
    bar().menuItem(8)->trigger();
    EXPECT_EQ(session->shell().Settings.ClrDefHandleId, 12);
}

TEST_F(ShellWindowsTest, CloseButtonsHideTheirSectionOnlyOnAWholeClick)
{
    startOnRectangle();
    cControlButton &zones = *pane().zonesButton();
    cControlButton &props = *pane().propsButton();
    const QPoint onZones = zones.rect().center();

    QTest::mousePress(&pane(), Qt::LeftButton, {}, onZones);
    EXPECT_TRUE(zones.isPressedDrawn());
    QTest::mouseRelease(&pane(), Qt::LeftButton, {}, onZones + QPoint(40, 0));
    EXPECT_FALSE(zones.isPressedDrawn());
    EXPECT_TRUE(session->shell().Settings.ZoneExplorer) << "released off the button";

    QTest::mouseClick(&pane(), Qt::LeftButton, {}, onZones);
    EXPECT_FALSE(session->shell().Settings.ZoneExplorer);
    EXPECT_FALSE(pane().tree()->isVisible());
    EXPECT_FALSE(zones.Visible());
    EXPECT_EQ(props.rect().top(), zones.rect().top()) << "the properties take the top strip";

    QTest::mouseClick(&pane(), Qt::LeftButton, {}, props.rect().center());
    EXPECT_FALSE(session->shell().Settings.ZoneProperties);
    EXPECT_FALSE(pane().isVisible()) << "the last section closed takes the pane with it";
    EXPECT_FALSE(bar().button("9")->isChecked());
}

TEST_F(ShellWindowsTest, HelpOpensOnItsContentsOrATopicAndClosesWithTheWindow)
{
    startOnRectangle();
    const std::string folder = AREAMAKER_PROGRAM_DIR "/";
    session->shellWindows().useGuideIn(folder);
    QTest::keyClick(&session->window(), Qt::Key_F1);
    const std::string collection = folder + HTMLHelp::GuideFile;
    HelpWindow *help = session->shellWindows().helpViewer().window(collection);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->currentPage().toString().endsWith("/index.html"));
    EXPECT_EQ(help->tabs()->currentIndex(), 0);
    EXPECT_TRUE(help->browser()->toPlainText().contains("Guide de l'utilisateur d'Areamaker"));

    HTMLHelp &topics = session->shellWindows().help();
    topics.HHTopicID(25);
    topics.HHDisplayTopicID();
    EXPECT_TRUE(help->currentPage().toString().endsWith("/assistant.html"));
    EXPECT_TRUE(help->browser()->toPlainText().contains("L'assistant Nouvelle image map"));

    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(session->shellWindows().helpViewer().window(collection), nullptr);
}

TEST_F(ShellWindowsTest, TheAssistantsHelpCanBeReadWhileTheAssistantIsOpen)
{
    startOnRectangle();
    const std::string folder = AREAMAKER_PROGRAM_DIR "/";
    session->shellWindows().useGuideIn(folder);
    HelpWindow *help = nullptr;
    int tabAfterClick = -1;
    whenDialogOpens([&](QDialog &dialog) {
        press(dialog, "cmdAide");
        help = session->shellWindows().helpViewer().window(folder + HTMLHelp::GuideFile);
        ASSERT_NE(help, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
        // Through the window, as the window system delivers it, so that modality applies.
        QTabBar *tabs = help->tabs()->tabBar();
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                          tabs->mapTo(help, tabs->tabRect(1).center()));
        tabAfterClick = help->tabs()->currentIndex();
        views.answers = {MessageAnswer::Ok};
        press(dialog, "cmdAnnuler");
    });
    QTest::keyClick(&session->window(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->currentPage().toString().endsWith("/assistant.html"));
    EXPECT_EQ(tabAfterClick, 1) << "the help window takes the mouse while the assistant is open";
}

TEST_F(ShellWindowsTest, MissingGuideIsReportedAndOpensNothing)
{
    startOnRectangle();
    views.messages.clear();
    clickToolButton(bar().toolbar(), bar().button("20"));
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_EQ(views.messages[0].title, "HTML Help Class");
    EXPECT_EQ(views.messages[0].text.substr(0, 9), "The file ");
}

TEST_F(ShellWindowsTest, SplashClosesOnAClickOrWhenAnotherWindowAppears)
{
    SplashWindow clicked;
    QTimer::singleShot(0, &clicked, [&clicked] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&clicked));
        QTest::mouseClick(&clicked, Qt::LeftButton);
    });
    QElapsedTimer shown;
    shown.start();
    clicked.run();
    EXPECT_LT(shown.elapsed(), SplashWindow::Duration);

    SplashWindow covered;
    QMessageBox message;
    QTimer::singleShot(0, &covered, [&message] { message.show(); });
    covered.run();
    EXPECT_TRUE(message.isVisible()) << "the message stays, the splash is gone";
    EXPECT_EQ(covered.lblVersion()->text(), "Version " + QString(ProductInfo::Version));

    SplashWindow timed;
    shown.restart();
    timed.run();
    EXPECT_GE(shown.elapsed(), SplashWindow::Duration - 50) << "it closes by itself";
}

TEST_F(ShellWindowsTest, AboutShowsTheVersionAndClosesWithOk)
{
    startOnRectangle();
    whenShown("frmPropos", [](QWidget &about) {
        auto &window = static_cast<AboutWindow &>(about);
        EXPECT_EQ(window.versionLabel()->text(),
                  "Areamaker Pro version " + QString(ProductInfo::Version));
        QTest::mouseClick(window.cmdOK(), Qt::LeftButton);
    });
    bar().menuItem(33)->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace areamaker
