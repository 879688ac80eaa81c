#include "GuiFixture.h"
#include "MarkEdited.h"

#include "document/TreeKeys.h"
#include "shell/ZoneTreeBinding.h"
#include "widgets/CommandBar.h"
#include "widgets/MainWindow.h"
#include "widgets/SidePane.h"
#include "widgets/ZoneTree.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace areamaker {
namespace {

// The new image map assistant in a running editor, reached by each way in and driven with
// real mouse and key events.
class WizardTest : public testing::GuiFixture
{
protected:
    void SetUp() override { setting("AutoProp", "0"); }

    static int shownStep(QDialog &dialog)
    {
        return dialog.findChild<QStackedWidget *>()->currentIndex();
    }
    static QString text(QDialog &dialog, const char *name)
    {
        return dialog.findChild<QWidget *>(QString::fromUtf8(name))->property("text").toString();
    }
    static bool enabled(QDialog &dialog, const char *name)
    {
        return dialog.findChild<QWidget *>(QString::fromUtf8(name))->isEnabled();
    }
    static QStringList listed(QDialog &dialog)
    {
        QStringList texts;
        auto *list = dialog.findChild<QTreeWidget *>("lsvImage");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts << list->topLevelItem(i)->text(0);
        return texts;
    }

    // Opens the File menu with the mouse and clicks one of its items.
    void chooseFileMenuItem(int number)
    {
        CommandBar &bar = session->window().commandBar();
        QMenuBar *menus = session->window().menuBar();
        QTest::mouseClick(menus, Qt::LeftButton, {},
                          menus->actionGeometry(bar.menuItem(1)).center());
        QMenu *file = bar.menuItem(1)->menu();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
        QTest::mouseClick(file, Qt::LeftButton, {},
                          file->actionGeometry(bar.menuItem(number)).center());
    }

    std::string read(const std::string &file) const
    {
        QFile page(QString::fromStdString(file));
        EXPECT_TRUE(page.open(QIODevice::ReadOnly));
        return page.readAll().toStdString();
    }
};

TEST_F(WizardTest, ANewPageAndMapFromTheFileMenuThenAZoneTracedAndSaved)
{
    QDir(folder.path()).mkpath("site");
    writePicture("site/photo.png", 240, 160);
    start({});
    const std::string page = path("site/accueil.htm");
    std::vector<int> steps;
    QString outcome;
    whenDialogOpens([&](QDialog &dialog) {
        EXPECT_EQ(dialog.objectName(), "frmWizard");
        steps.push_back(shownStep(dialog));
        EXPECT_FALSE(enabled(dialog, "cmdPrec"));
        EXPECT_TRUE(dialog.findChild<QCheckBox *>("chkAuto")->isVisible());
        typeInto(dialog, "txtPage", QString::fromStdString(page));
        press(dialog, "cmdSuiv");
        steps.push_back(shownStep(dialog));
        EXPECT_EQ(listed(dialog), QStringList{"(Nouvelle image)"});
        typeInto(dialog, "txtImage", "photo.png");
        EXPECT_TRUE(dialog.findChild<QWidget *>("imgViewer")->isVisible());
        QTest::keyClick(dialog.findChild<QLineEdit *>("txtImage"), Qt::Key_Return);
        steps.push_back(shownStep(dialog));
        EXPECT_EQ(text(dialog, "txtNomMap"), "photo");
        EXPECT_FALSE(QFile::exists(QString::fromStdString(page))) << "nothing written yet";
        press(dialog, "cmdSuiv");
        steps.push_back(shownStep(dialog));
        outcome = text(dialog, "lblStep3");
        EXPECT_EQ(text(dialog, "cmdSuiv"), "&Terminer >");
        EXPECT_FALSE(enabled(dialog, "cmdAnnuler"));
        press(dialog, "cmdSuiv");
        EXPECT_FALSE(dialog.isVisible());
    });
    chooseFileMenuItem(2);
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(outcome.startsWith("Areamaker a créé avec succès la définition de la map"));
    EXPECT_EQ(session->document().ActiveMapIndex, 0);
    EXPECT_EQ(session->window().windowTitle(), "Areamaker Pro - accueil.htm");
    EXPECT_EQ(session->window().panelText("ETAT"), "Prêt");

    CommandBar &bar = session->window().commandBar();
    QToolBar *toolbar = bar.toolbar();
    QTest::mouseClick(toolbar->widgetForAction(bar.button("12")), Qt::LeftButton);
    clickPicture({20, 30});
    clickPicture({120, 90});
    ASSERT_EQ(session->document().ActiveZoneCount(), 1);
    session->window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&session->window()));
    QTest::keyClick(&session->window(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(session->document().DocumentModified) << "Ctrl+S follows the new document";
    EXPECT_EQ(read(page), "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n\r\n<HTML>\r\n"
                          "<HEAD>\r\n\r\n<TITLE>accueil.htm</TITLE>\r\n\r\n</HEAD>\r\n<BODY>\r\n"
                          "<IMG SRC=\"photo.png\" WIDTH=\"240\" HEIGHT=\"160\" USEMAP=\"#photo\" "
                          "BORDER=\"0\">\r\n\r\n\r\n\r\n\r\n<MAP NAME=\"photo\">\r\n"
                          "<!--Source Map:|photo.png|-->\r\n"
                          "<AREA SHAPE=\"RECT\" COORDS=\"20,30,120,90\">\r\n</MAP>\r\n"
                          "</BODY>\r\n</HTML>\r\n\r\n");
}

TEST_F(WizardTest, StartUpOpensItAtTheFirstStepOrOnThePageOfTheCommandLine)
{
    setting("AutoWiz", "1");
    bool autoChecked = false;
    whenDialogOpens([&](QDialog &dialog) {
        EXPECT_EQ(shownStep(dialog), 0);
        EXPECT_EQ(session->window().panelText("ETAT"), "Nouvelle image map");
        auto *box = dialog.findChild<QCheckBox *>("chkAuto");
        autoChecked = box->isChecked();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(24, box->height() / 2));
        press(dialog, "cmdAnnuler");
        EXPECT_FALSE(dialog.isVisible()) << "no question at the first step";
    });
    start({});
    EXPECT_TRUE(autoChecked);
    EXPECT_FALSE(session->shell().Settings.AutoWiz);
    EXPECT_EQ(session->window().panelText("ETAT"), "Aucun document ouvert");

    const std::string page = copyDemo();
    QStringList items;
    bool backEnabled = true;
    bool autoShown = true;
    whenDialogOpens([&](QDialog &dialog) {
        items = listed(dialog);
        backEnabled = enabled(dialog, "cmdPrec");
        autoShown = dialog.findChild<QCheckBox *>("chkAuto")->isVisible();
        views.messages.clear();
        press(dialog, "cmdAnnuler");
        EXPECT_EQ(views.messages.size(), 1u);
        EXPECT_FALSE(dialog.isVisible()) << "answered OK";
    });
    start({page});
    EXPECT_EQ(items, QStringList{"Nouvelle image"}) << "both pictures have their maps";
    EXPECT_FALSE(backEnabled);
    EXPECT_FALSE(autoShown);
    EXPECT_EQ(session->document().DocumentState, DocumentOpen);
    EXPECT_EQ(session->window().panelText("ETAT"), "Prêt");
}

TEST_F(WizardTest, TheTreesNouveauAsksToSaveFirstAndAddsAMapToAnImageOfThePage)
{
    const std::string page = copyDemo();
    QFile file(QString::fromStdString(page));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("<P><IMG SRC=\"images/plan.png\" ALT=\"Encore\"></P>\n");
    file.close();
    start({page, "-p", "maison"});
    testing::markEdited(session->document(), 0);
    views.messages.clear();
    views.answers.push_front(MessageAnswer::Yes);
    whenDialogOpens([&](QDialog &dialog) {
        EXPECT_EQ(shownStep(dialog), 1);
        auto *list = dialog.findChild<QTreeWidget *>("lsvImage");
        ASSERT_EQ(list->topLevelItemCount(), 2);
        const QPoint item = list->visualItemRect(list->topLevelItem(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item);
        EXPECT_EQ(shownStep(dialog), 2) << "a double click on a picture goes on";
        typeInto(dialog, "txtNomMap", "encore");
        typeInto(dialog, "txtURLDefaut", "#plan");
        press(dialog, "cmdSuiv");
        EXPECT_EQ(shownStep(dialog), 3);
        press(dialog, "cmdSuiv");
    });
    ZoneTree *tree = session->window().sidePane().tree();
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {},
                      tree->visualItemRect(tree->node(mapKey(0))).center());
    QMenu *popup = session->window().commandBar().treePopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    QAction *nouveau = session->window().commandBar().popupItem(popup, PopupNew);
    ASSERT_TRUE(nouveau->isEnabled());
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(nouveau).center());
    ASSERT_FALSE(views.messages.empty());
    EXPECT_EQ(views.messages[0].text,
              "Avant d'ajouter une nouvelle image map, Areamaker doit enregistrer le document dans "
              "son état actuel.\n\nEnregistrer les modifications et passer à l'assistant?");
    EXPECT_EQ(session->document().ActiveMapIndex, 2);
    EXPECT_NE(read(page).find("<IMG SRC=\"images/plan.png\" ALT=\"Encore\" BORDER=\"0\" "
                              "WIDTH=\"480\" HEIGHT=\"320\" USEMAP=\"#encore\">"),
              std::string::npos);
    EXPECT_NE(read(page).find("<MAP NAME=\"encore\">"), std::string::npos);
    EXPECT_EQ(tree->node(defaultRegionKey(2))->text(0), "Défaut (#plan)");
}

TEST_F(WizardTest, CtrlNOnAPageWithoutMapsGoesStraightToThePicture)
{
    writePicture("vide.png", 50, 40);
    QFile file(folder.filePath("vide.htm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><p>Rien</p></body></html>\n");
    file.close();
    start({});
    views.chosenFiles = {path("vide.htm")};
    int firstStep = -1;
    whenDialogOpens([&](QDialog &dialog) {
        firstStep = shownStep(dialog);
        press(dialog, "cmdAnnuler");
    });
    session->window().commandBar().menuItem(3)->trigger();
    EXPECT_EQ(firstStep, 1) << "an opened page without maps";

    session->window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&session->window()));
    firstStep = -1;
    whenDialogOpens([&](QDialog &dialog) {
        firstStep = shownStep(dialog);
        EXPECT_EQ(listed(dialog), QStringList{"Nouvelle image"});
        press(dialog, "cmdAnnuler");
    });
    QTest::keyClick(&session->window(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(firstStep, 1);
}

} // namespace
} // namespace areamaker
