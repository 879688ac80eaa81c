#include "shell/WizardForm.h"

#include "ScriptedDialogs.h"
#include "ShellFixture.h"
#include "document/TreeKeys.h"

#include <memory>

namespace areamaker {
namespace {

constexpr const char *NameTaken =
    "Le nom de l'image map est invalide ou est déjà utilisé dans ce document!";

// The assistant over an in-memory site: /site/page.htm holds the maps "Plan" and "Village"
// on img/plan.gif (200 x 100); img/photo.jpg (300 x 200) is on no map.
class WizardFormTest : public testing::ShellFixture
{
protected:
    static constexpr const char *Site = "/site/site.htm";
    static constexpr const char *SitePage =
        "<body>\n<img src=\"img/plan.gif\" usemap=\"#plan\">\n<p><img src=\"img/photo.jpg\" "
        "alt=\"Photo\"></p>\n<img src=\"img/gone.gif\">\n<!-- <img src=\"img/photo.jpg\"> -->\n"
        "<MAP NAME=\"plan\">\n<!--Source Map:|img/plan.gif|-->\n</MAP>\n</body>\n";

    WizardFormTest()
    {
        files.put("/site/img/photo.jpg", "JFIF");
        images.sizes["/site/img/photo.jpg"] = {300, 200};
        preview.pictures = {{"/site/img/plan.gif", {200, 100}},
                            {"/site/img/photo.jpg", {300, 200}}};
        files.put(Site, SitePage);
        // Messages that only inform are answered OK; tests put the answers to questions first.
        views.answers.assign(20, MessageAnswer::Ok);
    }

    WizardForm &begin(int step, bool withHelp = true)
    {
        shell.AssistantMode = step;
        std::function<void(int)> help;
        if (withHelp)
            help = [this](int topic) { helpTopics.push_back(topic); };
        form = std::make_unique<WizardForm>(
            WizardForm::Parts{shell, document, lifecycle, store, ports(), help}, PathStyle::Posix);
        form->attachPreview(preview, {176, 146});
        return *form;
    }

    // Step 0 to step 1 on a page to open.
    WizardForm &openAtImageStep(const std::string &page)
    {
        begin(0);
        form->chooseCreate(false);
        form->setPageText(page);
        form->Next();
        EXPECT_EQ(form->step(), 1);
        return *form;
    }

    void choose(const std::string &key)
    {
        const auto &items = form->items();
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].key == key) {
                form->itemClicked(static_cast<int>(i));
                return;
            }
        }
        FAIL() << "no item " << key;
    }

    std::vector<std::string> itemTexts() const
    {
        std::vector<std::string> texts;
        for (const WizardItem &item : form->items())
            texts.push_back(item.key + " " + item.text);
        return texts;
    }

    std::string lastMessage() const
    {
        return views.messages.empty() ? "" : views.messages.back().text;
    }

    testing::FakePreview preview;
    std::vector<int> helpTopics;
    std::unique_ptr<WizardForm> form;
};

TEST_F(WizardFormTest, ANewPageIsWrittenOnlyWhenTheMapIsCreated)
{
    WizardForm &wizard = begin(0);
    EXPECT_EQ(views.status, "Nouvelle image map");
    EXPECT_TRUE(wizard.autoShown());
    EXPECT_FALSE(wizard.backEnabled());
    wizard.setPageText("/site/new.htm");
    EXPECT_EQ(wizard.pageFrameCaption(), "&Chemin du fichier à créer");
    wizard.Next();
    EXPECT_EQ(wizard.step(), 1);
    EXPECT_EQ(wizard.origin(), PageOrigin::NewPage);
    EXPECT_EQ(itemTexts(), std::vector<std::string>{"NOUVIMG (Nouvelle image)"});
    EXPECT_EQ(wizard.selectedItem(), 0);
    EXPECT_TRUE(wizard.imageBoxEnabled());
    EXPECT_TRUE(wizard.backEnabled());
    wizard.setImageText("img/plan.gif");
    EXPECT_TRUE(wizard.previewShown());
    EXPECT_EQ(preview.shownBox, (PreviewBox{0, 29, 176, 88}));
    wizard.Next();
    EXPECT_EQ(wizard.step(), 2);
    EXPECT_EQ(wizard.mapName(), "plan");
    EXPECT_EQ(wizard.caption(2),
              "Enfin, vous devez définir les propriétés de la nouvelle image map.");
    EXPECT_FALSE(files.has("/site/new.htm")) << "nothing written before the last step";
    EXPECT_EQ(files.replaceCount, 0);

    wizard.setDefaultUrl("accueil.htm");
    EXPECT_FALSE(wizard.Next().close);
    EXPECT_EQ(wizard.step(), 3);
    EXPECT_TRUE(wizard.finished());
    EXPECT_STREQ(wizard.nextCaption(), "&Terminer >");
    EXPECT_FALSE(wizard.cancelEnabled());
    EXPECT_FALSE(wizard.backEnabled());
    EXPECT_EQ(files.bytes("/site/new.htm"),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n\r\n<HTML>\r\n<HEAD>\r\n\r\n"
              "<TITLE>new.htm</TITLE>\r\n\r\n</HEAD>\r\n<BODY>\r\n"
              "<IMG SRC=\"img/plan.gif\" WIDTH=\"200\" HEIGHT=\"100\" USEMAP=\"#plan\" "
              "BORDER=\"0\">\r\n\r\n\r\n\r\n\r\n<MAP NAME=\"plan\">\r\n"
              "<!--Source Map:|img/plan.gif|-->\r\n"
              "<AREA SHAPE=\"RECT\" COORDS=\"0,0,200,100\" HREF=\"accueil.htm\">\r\n</MAP>\r\n"
              "</BODY>\r\n</HTML>\r\n\r\n");
    EXPECT_EQ(files.replaceCount, 2) << "the new page, then the page with its map";
    EXPECT_EQ(document.Path, "/site/new.htm");
    EXPECT_EQ(document.ActiveMapIndex, 0);
    EXPECT_FALSE(document.DocumentModified);
    EXPECT_EQ(views.node(defaultRegionKey(0))->text, "Défaut (accueil.htm)");
    EXPECT_NE(wizard.caption(3).find("inséré le code HTML de la nouvelle image"),
              std::string::npos);
    EXPECT_TRUE(wizard.mayClose()) << "a finished assistant closes without asking";
    EXPECT_TRUE(wizard.Next().close);
    wizard.closed();
    EXPECT_EQ(views.status, "Prêt");
}

TEST_F(WizardFormTest, CancellingAtAnyStepLeavesEveryFileAsItWas)
{
    files.put("/site/old.htm", "keep me");
    for (int stopAt = 0; stopAt <= 2; ++stopAt) {
        WizardForm &wizard = begin(0);
        wizard.setPageText("/site/old.htm");
        views.answers.push_front(MessageAnswer::Yes);
        if (stopAt > 0) {
            wizard.Next();
            EXPECT_EQ(views.messages.back().text, "'/site/old.htm'\n\nCe fichier existe déjà.\n"
                                                  "Désirez-vous remplacer ce fichier?");
            EXPECT_EQ(views.messages.back().defaultButton, 1) << "No by default";
        }
        if (stopAt > 1) {
            wizard.setImageText("img/plan.gif");
            wizard.Next();
        }
        ASSERT_EQ(wizard.step(), stopAt);
        views.messages.clear();
        views.answers.assign(2, MessageAnswer::Ok);
        views.answers.push_front(MessageAnswer::Cancel);
        if (stopAt > 0) {
            EXPECT_FALSE(wizard.mayClose()) << "Cancel keeps the assistant open";
            EXPECT_EQ(views.messages.at(0).text, "Désirez-vous quitter l'assistant maintenant ?");
            EXPECT_EQ(views.messages.at(0).buttons, MessageButtons::OkCancel);
        }
        EXPECT_TRUE(wizard.mayClose());
        EXPECT_EQ(views.messages.size(), stopAt > 0 ? 2u : 0u) << "no question at step 0";
        wizard.closed();
        EXPECT_EQ(views.status, "Aucun document ouvert");
        EXPECT_EQ(files.bytes("/site/old.htm"), "keep me");
        EXPECT_EQ(files.replaceCount, 0);
    }
}

TEST_F(WizardFormTest, ThePageStepRefusesPathsItCannotUse)
{
    struct Case
    {
        bool create;
        const char *path;
        MessageAnswer answer;
        const char *message;
    };
    const Case cases[] = {
        {true, "", MessageAnswer::Ok, "Nom de fichier invalide!"},
        {true, "new.htm", MessageAnswer::Ok, "Nom de fichier invalide!"},
        {true, "C:\\site\\new.htm", MessageAnswer::Ok, "Nom de fichier invalide!"},
        {false, "site/page.htm", MessageAnswer::Ok, "Nom de fichier invalide!"},
        {true, PagePath, MessageAnswer::No,
         "'/site/page.htm'\n\nCe fichier existe déjà.\nDésirez-vous remplacer ce fichier?"},
        {false, "/site/none.htm", MessageAnswer::Ok,
         "'/site/none.htm'\n\nCe fichier n'existe pas!"},
    };
    for (const Case &c : cases) {
        WizardForm &wizard = begin(0);
        wizard.chooseCreate(c.create);
        wizard.setPageText(c.path);
        views.answers.push_front(c.answer);
        EXPECT_EQ(wizard.Next().focus, WizardForm::Focus::Page);
        EXPECT_EQ(wizard.step(), 0) << c.path;
        EXPECT_EQ(lastMessage(), c.message);
    }
    EXPECT_EQ(files.replaceCount, 0);
}

TEST_F(WizardFormTest, AnExistingPageListsItsPicturesAndBindsTheChosenTagInOneWrite)
{
    WizardForm &wizard = openAtImageStep(Site);
    EXPECT_EQ(wizard.origin(), PageOrigin::ExistingPage);
    EXPECT_EQ(itemTexts(),
              (std::vector<std::string>{"EDITIMG Éditer maps existantes", "NOUVIMG Nouvelle image",
                                        "IMG0 img/plan.gif (#plan)", "IMG1 img/photo.jpg"}))
        << "a missing picture and a commented tag are left out";
    EXPECT_EQ(wizard.items()[static_cast<std::size_t>(wizard.selectedItem())].key, "NOUVIMG");
    choose("IMG1");
    EXPECT_EQ(wizard.imageText(), "img/photo.jpg");
    EXPECT_FALSE(wizard.imageBoxEnabled());
    EXPECT_TRUE(wizard.imageFrameEnabled());
    EXPECT_TRUE(wizard.previewShown()) << "the page's own picture";
    wizard.Next();
    ASSERT_EQ(wizard.step(), 2);
    EXPECT_EQ(wizard.mapName(), "photo");
    const int writes = files.replaceCount;
    wizard.Next();
    ASSERT_EQ(wizard.step(), 3);
    EXPECT_EQ(files.replaceCount, writes + 1);
    EXPECT_EQ(files.bytes(Site),
              "<body>\n<img src=\"img/plan.gif\" usemap=\"#plan\">\n<p><img src=\"img/photo.jpg\" "
              "alt=\"Photo\" BORDER=\"0\" WIDTH=\"300\" HEIGHT=\"200\" USEMAP=\"#photo\"></p>\n"
              "<img src=\"img/gone.gif\">\n<!-- <img src=\"img/photo.jpg\"> -->\n"
              "<MAP NAME=\"plan\">\n<!--Source Map:|img/plan.gif|-->\n</MAP>\n\n"
              "<MAP NAME=\"photo\">\n<!--Source Map:|img/photo.jpg|-->\n</MAP>\n</body>\n");
    EXPECT_EQ(document.ActiveMapIndex, 1);
    EXPECT_NE(wizard.caption(3).find("associer l'image à cette map"), std::string::npos);
}

TEST_F(WizardFormTest, ExistingMapsAreShownInsteadOfBeingCreatedAgain)
{
    WizardForm &wizard = openAtImageStep(Site);
    choose("IMG0");
    wizard.Next();
    EXPECT_EQ(wizard.step(), 3);
    EXPECT_EQ(wizard.caption(3), "L'image que vous avez choisie est déjà liée à une définition de "
                                 "map. Vous pouvez modifier ou supprimer cette map à l'aide des "
                                 "fonctions de l'éditeur.");
    EXPECT_EQ(document.ActiveMapIndex, 0);

    struct Case
    {
        const char *page;
        const char *caption;
    };
    const Case cases[] = {
        {SitePage, "Areamaker a détecté la présence d'images map dans votre document."},
        {"<body><p>rien</p></body>", "Areamaker n'a trouvé aucune image map dans ce document."},
    };
    for (const Case &c : cases) {
        files.put(Site, c.page);
        openAtImageStep(Site);
        choose("EDITIMG");
        EXPECT_FALSE(form->imageBoxEnabled());
        EXPECT_FALSE(form->imageFrameEnabled());
        form->Next();
        EXPECT_EQ(form->step(), 3);
        EXPECT_TRUE(form->caption(3).starts_with(c.caption)) << form->caption(3);
        EXPECT_EQ(document.Path, Site);
    }
    EXPECT_EQ(files.bytes(Site), "<body><p>rien</p></body>") << "nothing written";
}

TEST_F(WizardFormTest, TheOpenDocumentListsOnlyPicturesWithoutAMapOfItsOwn)
{
    files.put(PagePath, std::string(TwoMaps) + "<img src=\"img/plan.gif\" usemap=\"#ailleurs\">"
                                               "<img src=\"img/photo.jpg\">\n");
    ASSERT_TRUE(lifecycle.OpenDocument(PagePath, true));
    WizardForm &wizard = begin(1);
    EXPECT_EQ(wizard.origin(), PageOrigin::OpenDocument);
    EXPECT_FALSE(wizard.autoShown());
    EXPECT_FALSE(wizard.backEnabled());
    EXPECT_EQ(wizard.caption(1), "Vous pouvez choisir une image qui figure déjà dans votre page "
                                 "web ou une nouvelle image. Areamaker adapte automatiquement le "
                                 "code HTML de votre document en conséquence.");
    EXPECT_EQ(itemTexts(),
              (std::vector<std::string>{"NOUVIMG Nouvelle image", "IMG0 img/plan.gif (#ailleurs)",
                                        "IMG1 img/photo.jpg"}));
    choose("IMG0");
    wizard.Next();
    EXPECT_EQ(wizard.step(), 2) << "no map of that name: the tag gets a new one";
    EXPECT_TRUE(wizard.backEnabled());
    wizard.Back();
    EXPECT_EQ(wizard.step(), 1);
    EXPECT_FALSE(wizard.backEnabled()) << "the page came from the editor";
}

TEST_F(WizardFormTest, NamesAreCheckedInThePageWithoutCaseAndInTheOpenDocumentExactly)
{
    struct Case
    {
        bool openDocument;
        const char *name;
        const char *refusal; // empty when accepted
        const char *title;
    };
    const Case cases[] = {
        {false, "PLAN", NameTaken, "Areamaker"},
        {false, "", NameTaken, "Areamaker"},
        {false, "plan2", "", ""},
        {true, "VILLAGE", "", ""},
        {true, "Village", NameTaken, "Areamaker"},
        {true, "", "Le nom de l'image map est invalide.", "Areamaker"},
    };
    for (const Case &c : cases) {
        files.put(Site, SitePage);
        files.put(PagePath, TwoMaps);
        if (c.openDocument) {
            ASSERT_TRUE(lifecycle.OpenDocument(PagePath, true));
            begin(1);
        } else {
            openAtImageStep(Site);
        }
        choose("NOUVIMG");
        form->setImageText("img/photo.jpg");
        form->Next();
        ASSERT_EQ(form->step(), 2);
        views.messages.clear();
        form->setMapName(c.name);
        form->Next();
        if (*c.refusal) {
            EXPECT_EQ(form->step(), 2) << c.name;
            ASSERT_EQ(views.messages.size(), 1u) << c.name;
            EXPECT_EQ(views.messages[0].text, c.refusal);
            EXPECT_EQ(views.messages[0].title, c.title);
            EXPECT_EQ(views.messages[0].icon, MessageIcon::Exclamation);
        } else {
            EXPECT_EQ(form->step(), 3) << c.name << " " << lastMessage();
        }
    }
}

TEST_F(WizardFormTest, TheProposedNameIsThePictureFileWithoutItsExtension)
{
    struct Case
    {
        const char *typed;
        const char *file;
        const char *name;
    };
    const Case cases[] = {
        {"img/logo.jpeg", "/site/img/logo.jpeg", "logo"},
        {"img/plan.v2.gif", "/site/img/plan.v2.gif", "plan.v2"},
        {"img/sans", "/site/img/sans", "sans"},
        {"img/.png", "/site/img/.png", ".png"},
        {"../art/a.png", "/art/a.png", "a"},
        {"/pictures/from the root.png", "/pictures/from the root.png", "from the root"},
    };
    for (const Case &c : cases) {
        files.put(c.file, "picture");
        preview.pictures[c.file] = {70000, 50000};
        WizardForm &wizard = begin(0);
        wizard.setPageText("/site/new.htm");
        wizard.Next();
        wizard.setImageText(c.typed);
        wizard.Next();
        EXPECT_EQ(wizard.mapName(), c.name) << c.typed;
    }
    form->Next();
    EXPECT_EQ(document.Maps.at(0).ImagePath, "/pictures/from the root.png");
    EXPECT_NE(files.bytes("/site/new.htm")
                  .find("<IMG SRC=\"../pictures/from the root.png\" WIDTH=\"70000\" "
                        "HEIGHT=\"50000\""),
              std::string::npos)
        << "sizes beyond 16 bits";
}

TEST_F(WizardFormTest, APictureIsNeededAndMustBeReadable)
{
    WizardForm &wizard = begin(0);
    wizard.setPageText("/site/new.htm");
    wizard.Next();
    struct Case
    {
        const char *typed;
        const char *message;
    };
    files.put("/site/notes.txt", "text");
    const Case cases[] = {
        {"", "Veuillez choisir une image avant de continuer."},
        {"notes.txt", "L'image sélectionnée n'est pas valide!"},
        {"img/none.gif", "L'image sélectionnée n'est pas valide!"},
    };
    for (const Case &c : cases) {
        wizard.setImageText(c.typed);
        EXPECT_FALSE(wizard.previewShown());
        EXPECT_EQ(wizard.Next().focus, WizardForm::Focus::Image);
        EXPECT_EQ(wizard.step(), 1);
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(views.messages.back().title, "Erreur");
    }
}

TEST_F(WizardFormTest, AFailedWriteLeavesThePageAsItWasAndTheAssistantAtItsStep)
{
    files.put("/site/fragment.htm", "<p>no body</p>");
    openAtImageStep("/site/fragment.htm");
    form->setImageText("img/photo.jpg");
    form->Next();
    form->Next();
    EXPECT_EQ(form->step(), 2);
    EXPECT_EQ(lastMessage(),
              "'/site/fragment.htm'\n\nLe fichier n'est pas un document HTML valide.");
    EXPECT_EQ(views.messages.back().icon, MessageIcon::Critical);
    EXPECT_EQ(document.MapCount(), 0);
    EXPECT_EQ(files.bytes("/site/fragment.htm"), "<p>no body</p>");

    openAtImageStep(Site);
    choose("IMG1");
    form->Next();
    files.failReplaces = true;
    views.answers.push_front(MessageAnswer::Cancel);
    form->Next();
    EXPECT_EQ(form->step(), 2);
    EXPECT_EQ(files.bytes(Site), SitePage);
    EXPECT_EQ(document.MapCount(), 1) << "the map added for the write is taken back";
    EXPECT_EQ(views.node(mapKey(1)), nullptr);
    EXPECT_FALSE(document.history().canUndo()) << "and its undo step with it";
    files.failReplaces = false;
    form->Next();
    EXPECT_EQ(form->step(), 3) << "the same name is free on a second try";

    WizardForm &wizard = begin(0);
    wizard.setPageText("/site/blocked.htm");
    wizard.Next();
    wizard.setImageText("img/plan.gif");
    wizard.Next();
    files.failReplaces = true;
    wizard.Next();
    EXPECT_EQ(wizard.step(), 2);
    EXPECT_EQ(lastMessage(), "'/site/blocked.htm'\n\nLa page n'a pas pu être créée.\nÉcriture "
                             "impossible : disque plein");
    EXPECT_FALSE(files.has("/site/blocked.htm"));
}

TEST_F(WizardFormTest, ChoosersDoubleClicksHelpAndTheStartUpBox)
{
    WizardForm &wizard = begin(0);
    views.chosenFiles = {"/site/chosen.htm"};
    wizard.Browse();
    ASSERT_EQ(views.dialogs.size(), 1u);
    EXPECT_EQ(views.dialogs[0].title, "Enregister sous");
    EXPECT_EQ(views.dialogs[0].filter,
              "Page web  (*.htm; *.html)|*.htm;*.html|Tous les fichiers (*.*)|*.*|");
    EXPECT_EQ(wizard.pageText(), "/site/chosen.htm");

    openAtImageStep(Site);
    views.dialogs.clear();
    views.chosenFiles = {"/site/img/photo.jpg"};
    form->itemDoubleClicked(1);
    ASSERT_EQ(views.dialogs.size(), 1u);
    EXPECT_EQ(views.dialogs[0].title, "Ouvrir une image");
    EXPECT_EQ(views.dialogs[0].initialFolder, "/site/");
    EXPECT_EQ(form->imageText(), "img/photo.jpg");
    EXPECT_TRUE(form->previewShown());
    EXPECT_FALSE(form->itemDoubleClicked(3).close);
    EXPECT_EQ(form->step(), 2) << "an IMG item acts as Next";
    views.chosenFiles = {"/site/pages/about.htm"};
    form->Browse();
    EXPECT_EQ(views.dialogs.back().title, "Établir un lien");
    EXPECT_EQ(form->defaultUrl(), "pages/about.htm");
    EXPECT_EQ(form->Back().focus, WizardForm::Focus::Image);
    EXPECT_EQ(form->Back().focus, WizardForm::Focus::Page);
    EXPECT_EQ(form->step(), 0);

    openAtImageStep(Site);
    EXPECT_TRUE(form->itemDoubleClicked(0).close) << "editing the existing maps ends it";
    EXPECT_EQ(document.ActiveMapIndex, 0);

    form->Aide();
    EXPECT_EQ(helpTopics, std::vector<int>{WizardForm::HelpTopic});
    EXPECT_TRUE(form->helpAvailable());
    EXPECT_FALSE(begin(0, false).helpAvailable());
    form->setAuto(false);
    EXPECT_FALSE(shell.Settings.AutoWiz);
    EXPECT_EQ(store.system("AutoWiz"), "0") << "written at once";
}

} // namespace
} // namespace areamaker
