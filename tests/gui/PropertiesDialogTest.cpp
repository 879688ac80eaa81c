#include "GuiFixture.h"

#include "PropertyList.h"
#include "canvas/CanvasClipboard.h"
#include "canvas/CanvasModel.h"
#include "document/TreeKeys.h"
#include "shell/EditCommands.h"
#include "shell/PropertyGridBinding.h"
#include "widgets/CommandBar.h"
#include "widgets/MainWindow.h"
#include "widgets/SidePane.h"
#include "widgets/ZoneTree.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace areamaker {
namespace {

// The properties dialogs, the canvas pop-up and the clipboard of a running editor, driven
// with real mouse and key events.
class PropertiesDialogTest : public testing::GuiFixture
{
protected:
    void SetUp() override { setting("AutoProp", "0"); }

    // Starts the editor on two maps of a 200x100 picture; the first holds one rectangle.
    void startOnTwoMaps()
    {
        writePicture("plan.png", 200, 100);
        QFile page(folder.filePath("page.htm"));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<html><body>\n<img src=\"plan.png\" usemap=\"#haut\">\n"
                   "<img src=\"plan.png\" usemap=\"#bas\">\n<MAP NAME=\"haut\">\n"
                   "<!--Source Map:|plan.png|-->\n"
                   "<AREA SHAPE=\"RECT\" COORDS=\"10,10,90,60\" HREF=\"a.htm\">\n</MAP>\n"
                   "<MAP NAME=\"bas\">\n<!--Source Map:|plan.png|-->\n</MAP>\n</body></html>\n");
        page.close();
        start({path("page.htm"), "-p", "haut"});
        // Zones take the pointer once they have been drawn.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !session->window().redrawPending(); }));
    }

    void doubleClickPicture(QPoint at)
    {
        clickPicture(at);
        mouseOnPicture(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        mouseOnPicture(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }

    void rightClickPicture(QPoint at)
    {
        mouseOnPicture(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        mouseOnPicture(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
    }

    // Clicks an item of the canvas pop-up, which must be open.
    void choosePopupItem(int item)
    {
        QMenu *popup = session->window().commandBar().canvasPopup();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
        QAction *action = session->window().commandBar().popupItem(popup, item);
        ASSERT_TRUE(action->isVisible() && action->isEnabled()) << item;
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(action).center());
    }

    QString row(int tag) const
    {
        return session->window().sidePane().propertyList()->ItemValueByTagId(tag);
    }
    QString nodeText(const std::string &key) const
    {
        QTreeWidgetItem *node = session->window().sidePane().tree()->node(key);
        return node ? node->text(0) : QString();
    }
};

TEST_F(PropertiesDialogTest, ADoubleClickedZoneTakesTheLinkTypedInItsDialog)
{
    startOnTwoMaps();
    QString caption;
    whenDialogOpens([&](QDialog &dialog) {
        caption = dialog.windowTitle();
        // Typed where the focus is when the dialog shows: the link box, its text selected.
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QCoreApplication::processEvents();
        QTest::keyClicks(QApplication::focusWidget(), "htt");
        EXPECT_EQ(dialog.findChild<QLineEdit *>("txtSource")->text(), "http://www.");
        QTest::keyClicks(dialog.findChild<QLineEdit *>("txtSource"), "exemple.fr");
        typeInto(dialog, "txtAlt", "Accueil");
        EXPECT_EQ(dialog.findChild<QLineEdit *>("txtTitle")->text(), "Accueil");
        press(dialog, "cmdOK");
    });
    doubleClickPicture({50, 30});
    EXPECT_EQ(caption, "Propriétés de la région Rectangle");
    EXPECT_EQ(row(TagHref), "http://www.exemple.fr");
    EXPECT_EQ(row(TagTitle), "Accueil");
    EXPECT_EQ(nodeText(zoneKey(0, 0)), "Rectangle (http://www.exemple.fr)");
    EXPECT_TRUE(session->window().windowTitle().endsWith('*'));
    EXPECT_EQ(session->window().panelText("ETAT"), "Prêt");
}

TEST_F(PropertiesDialogTest, ReturnInABoxPressesOkAfterTabWentThroughTheChooserButton)
{
    startOnTwoMaps();
    whenDialogOpens([&](QDialog &dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QCoreApplication::processEvents();
        // Link box, "...", frame name, alternative text: as a user tabs through them.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), dialog.findChild<QLineEdit *>("txtAlt"));
        QTest::keyClicks(QApplication::focusWidget(), "Accueil");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    doubleClickPicture({50, 30});
    EXPECT_EQ(row(TagAlt), "Accueil");
    EXPECT_TRUE(views.dialogs.empty()) << "no chooser opened";
}

TEST_F(PropertiesDialogTest, AZoneCopiedFromThePopupIsPastedWhereTheRightButtonWasReleased)
{
    startOnTwoMaps();
    clickPicture({50, 30});
    rightClickPicture({50, 30});
    choosePopupItem(PopupCopy);
    rightClickPicture({100, 40});
    choosePopupItem(PopupPaste);
    ASSERT_EQ(session->document().ActiveZoneCount(), 2);
    EXPECT_EQ(zonePoints(1), (std::vector<Point>{{100, 40}, {180, 90}}));
    EXPECT_EQ(session->document().SelectedZoneIndex, 1);
    EXPECT_EQ(nodeText(zoneKey(0, 1)), "Rectangle (a.htm)");

    // The keyboard's Paste puts the next copy at the same place, in the other map.
    clickPicture({20, 20});
    QTest::keyClick(&session->window(), Qt::Key_C, Qt::ControlModifier);
    QTreeWidgetItem *other = session->window().sidePane().tree()->node(mapKey(1));
    QTest::mouseClick(session->window().sidePane().tree()->viewport(), Qt::LeftButton, {},
                      session->window().sidePane().tree()->visualItemRect(other).center());
    ASSERT_EQ(session->document().ActiveMapIndex, 1);
    QTest::keyClick(&session->window(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(session->document().ActiveZoneCount(), 1);
    EXPECT_EQ(zonePoints(0), (std::vector<Point>{{100, 40}, {180, 90}}));
}

TEST_F(PropertiesDialogTest, TheMapDialogRefusesANameAnotherMapHasAndKeepsTheFocusOnIt)
{
    startOnTwoMaps();
    QToolBar *toolbar = session->window().commandBar().toolbar();
    bool stillOpen = false;
    bool focusOnName = false;
    whenDialogOpens([&](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Propriétés générales de l'image map haut");
        EXPECT_EQ(dialog.findChild<QLineEdit *>("txtPath")->text(), "plan.png");
        EXPECT_EQ(dialog.findChild<QWidget *>("lblInfo0")->property("text"), "200 x 100 pixels");
        typeInto(dialog, "txtNom", "bas");
        press(dialog, "cmdOK");
        stillOpen = dialog.isVisible();
        focusOnName = dialog.focusWidget() == dialog.findChild<QLineEdit *>("txtNom");
        press(dialog, "cmdAnnuler");
    });
    views.messages.clear();
    QTest::mouseClick(toolbar->widgetForAction(session->window().commandBar().button("16")),
                      Qt::LeftButton);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(focusOnName);
    ASSERT_EQ(views.messages.size(), 1U);
    EXPECT_EQ(views.messages[0].text, "Ce nom d'image map est déjà utilisé dans le document.");
    EXPECT_EQ(session->document().Maps[0].Name, "haut");
    EXPECT_FALSE(session->document().DocumentModified);
}

TEST_F(PropertiesDialogTest, ANewUserLinksAZoneChangesTheMapAndCopiesTheZoneToAnotherMap)
{
    setting("AutoProp", "1");
    const std::string page = copyDemo();
    writePicture("images/etage.png", 480, 320);
    start({page, "-p", "maison"});
    ASSERT_TRUE(QTest::qWaitFor([this] { return !session->window().redrawPending(); }));
    CommandBar &bar = session->window().commandBar();

    // A new rectangle: its dialog opens by itself once it is traced.
    bool zoneDone = false;
    whenDialogOpens([&](QDialog &dialog) {
        typeInto(dialog, "txtSource", "#salon");
        typeInto(dialog, "txtAlt", "Coin salon");
        dialog.findChild<QTabWidget *>("tstMain")->setCurrentIndex(1);
        auto *over = dialog.findChild<QComboBox *>("cboEvent2");
        over->lineEdit()->setFocus();
        QTest::keyClicks(over->lineEdit(), "jav");
        QTest::keyClicks(over->lineEdit(), "montrer('Coin salon')");
        EXPECT_EQ(over->currentText(), "javascript:montrer('Coin salon')");
        press(dialog, "cmdOK");
        zoneDone = true;
    });
    bar.button("12")->trigger();
    clickPicture({150, 250});
    clickPicture({250, 290});
    ASSERT_TRUE(QTest::qWaitFor([&] { return zoneDone; }));
    EXPECT_EQ(nodeText(zoneKey(0, 6)), "Rectangle (#salon)");

    // The map: a default URL completed from "htt", and a new picture.
    bool mapDone = false;
    whenDialogOpens([&](QDialog &dialog) {
        dialog.findChild<QTabWidget *>("tstMain")->setCurrentIndex(1);
        typeInto(dialog, "txtDefault", "htt");
        QTest::keyClicks(dialog.findChild<QLineEdit *>("txtDefault"), "p://www.demo.fr/");
        dialog.findChild<QTabWidget *>("tstMain")->setCurrentIndex(0);
        typeInto(dialog, "txtPath", "images/etage.png");
        EXPECT_TRUE(dialog.findChild<QWidget *>("imgViewer")->isVisible());
        press(dialog, "cmdOK");
        mapDone = true;
    });
    QTreeWidgetItem *map = session->window().sidePane().tree()->node(mapKey(0));
    QTest::mouseClick(session->window().sidePane().tree()->viewport(), Qt::LeftButton, {},
                      session->window().sidePane().tree()->visualItemRect(map).center());
    QTest::mouseClick(session->window().commandBar().toolbar()->widgetForAction(bar.button("16")),
                      Qt::LeftButton);
    ASSERT_TRUE(mapDone);
    EXPECT_EQ(nodeText(mapKey(0)), "maison (etage.png)");
    EXPECT_EQ(nodeText(defaultRegionKey(0)), "Défaut (http://www.demo.fr/)");

    // The new zone, picked in the tree (the older Entrée lies under it), copied into the
    // village map.
    QTreeWidgetItem *zone = session->window().sidePane().tree()->node(zoneKey(0, 6));
    QTest::mouseClick(session->window().sidePane().tree()->viewport(), Qt::LeftButton, {},
                      session->window().sidePane().tree()->visualItemRect(zone).center());
    rightClickPicture({200, 270});
    choosePopupItem(PopupCopy);
    QTreeWidgetItem *village = session->window().sidePane().tree()->node(mapKey(1));
    QTest::mouseClick(session->window().sidePane().tree()->viewport(), Qt::LeftButton, {},
                      session->window().sidePane().tree()->visualItemRect(village).center());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !session->window().redrawPending(); }));
    rightClickPicture({20, 20});
    choosePopupItem(PopupPaste);

    bar.button("2")->trigger();
    EXPECT_FALSE(session->document().DocumentModified);
    QFile saved(QString::fromStdString(page));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QFile expected(AREAMAKER_GUI_GOLDEN_DIR "/demo-after-dialogs.htm");
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), expected.readAll().toStdString());
}

} // namespace
} // namespace areamaker
