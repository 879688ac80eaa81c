#include "document/DocumentLifecycle.h"
#include "MarkEdited.h"

#include "DocumentFixture.h"
#include "document/TreeKeys.h"

namespace areamaker {
namespace {

class DocumentLifecycleTest : public testing::DocumentFixture
{
protected:
    static constexpr const char *TwoMaps =
        "<body>\n<IMG SRC=\"img/menu.gif\" USEMAP=\"#menu\">\n"
        "<MAP NAME=\"menu\">\n<!--Source Map:|img/menu.gif|-->\n"
        "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\">\n</MAP>\n"
        "<MAP NAME=\"lost\">\n<!--Source Map:|img/lost.gif|-->\n</MAP>\n</body>\n";

    const std::string SavePrompt =
        "'/site/page.htm'\n\nDésirez-vous enregistrer les modifications apportées au document ?";
};

TEST_F(DocumentLifecycleTest, OpenSetsTheDocumentUp)
{
    open(TwoMaps);
    EXPECT_EQ(document.DocumentState, DocumentOpen);
    EXPECT_FALSE(document.DocumentModified);
    EXPECT_EQ(document.Folder, "/site/");
    EXPECT_FALSE(document.DocumentStamp.empty());
    EXPECT_EQ(views.status, "Prêt");
    EXPECT_EQ(views.toolbarStates.back(), ToolbarState::DocumentOpen);
    EXPECT_EQ(views.recent, std::vector<std::string>{PagePath});
    EXPECT_GT(views.titleRefreshes, 0);
    EXPECT_EQ(document.MapCount(), 2);
}

TEST_F(DocumentLifecycleTest, OpenDialogCancelledEndsSilently)
{
    open(TwoMaps);
    EXPECT_FALSE(lifecycle.OpenDocument("NONE", true));
    ASSERT_EQ(views.dialogs.size(), 1u);
    EXPECT_EQ(views.dialogs[0].filter, "Page web  (*.html; *.htm)|*.html;*.htm|Tous  (*.*)|*.*|");
    EXPECT_EQ(views.dialogs[0].initialFolder, "/site/");
    EXPECT_TRUE(views.messages.empty());
    EXPECT_EQ(document.MapCount(), 2) << "the open document stays";
}

TEST_F(DocumentLifecycleTest, MissingFileLeavesTheOpenDocumentAlone)
{
    open(TwoMaps);
    views.answers = {MessageAnswer::Ok};
    EXPECT_FALSE(lifecycle.OpenDocument("/nowhere.htm", true));
    EXPECT_EQ(document.Path, PagePath);
    EXPECT_EQ(document.MapCount(), 2);
    EXPECT_EQ(views.messages.at(0).icon, MessageIcon::Critical);
}

TEST_F(DocumentLifecycleTest, SavePromptAsksOnceAndCancelKeepsEverything)
{
    open(TwoMaps);
    testing::markEdited(document, 0);
    testing::markEdited(document, 1);
    files.put("/site/other.htm", "<body></body>");
    views.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(lifecycle.OpenDocument("/site/other.htm", false));
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_EQ(views.messages[0].text, SavePrompt);
    EXPECT_EQ(views.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(views.messages[0].title, "Confirmation");
    EXPECT_EQ(document.Path, PagePath);
    EXPECT_TRUE(document.Maps[0].Modified);

    views.answers = {MessageAnswer::No};
    EXPECT_TRUE(lifecycle.OpenDocument("/site/other.htm", false));
    EXPECT_EQ(saved(), TwoMaps) << "No does not save";
}

TEST_F(DocumentLifecycleTest, YesWithAFailedSaveCancelsTheCommand)
{
    open(TwoMaps);
    testing::markEdited(document, 0);
    files.put("/site/other.htm", "<body></body>");
    files.failReplaces = true;
    views.answers = {MessageAnswer::Yes, MessageAnswer::Cancel};
    EXPECT_FALSE(lifecycle.OpenDocument("/site/other.htm", false));
    EXPECT_EQ(document.Path, PagePath);
    EXPECT_TRUE(document.Maps[0].Modified);
    EXPECT_TRUE(document.DocumentModified);
}

TEST_F(DocumentLifecycleTest, FailedWriteKeepsEditsAndRetrySavesThemAll)
{
    open(TwoMaps);
    document.Maps[0].Name = "nav";
    testing::markEdited(document, 0);
    files.failReplaces = true;
    views.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(lifecycle.SaveDocument());
    EXPECT_EQ(saved(), TwoMaps);
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_EQ(views.messages[0].text,
              "/site/page.htm\n\nLe document n'est pas accessible ou n'existe pas !\n"
              "Veuillez rétablir l'accès au fichier pour enregistrer les modifications.");
    EXPECT_EQ(views.messages[0].title, "Erreur: Écriture impossible : disque plein");
    EXPECT_EQ(views.messages[0].buttons, MessageButtons::RetryCancel);
    EXPECT_TRUE(document.Maps[0].Modified);
    EXPECT_EQ(document.Maps[0].NameAsRead, "menu") << "the next save must still find the old tags";

    files.failReplaces = false;
    EXPECT_TRUE(lifecycle.SaveDocument());
    EXPECT_NE(saved().find("<IMG SRC=\"img/menu.gif\" USEMAP=\"#nav\">"), std::string::npos)
        << saved();
    EXPECT_NE(saved().find("<MAP NAME=\"nav\">"), std::string::npos);
    EXPECT_FALSE(document.Maps[0].Modified);
    EXPECT_FALSE(document.DocumentModified);
}

// Temporary files that killed saves left beside the page go only once a save of that page
// has written it; a save that fails or writes nothing leaves them, and another page's stay.
TEST_F(DocumentLifecycleTest, OnlyASuccessfulWriteRemovesStaleTemporaries)
{
    struct Case
    {
        const char *name;
        bool edited;
        bool failWrite;
        bool removed;
    };
    const Case cases[] = {
        {"written", true, false, true},
        {"write failed", true, true, false},
        {"nothing to write", false, false, false},
    };
    const std::string ours = "/site/.page.htm.areamaker-Ab12Cd";
    const std::string theirs = "/site/.other.htm.areamaker-Ab12Cd";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        open(TwoMaps);
        files.put(ours, "half");
        files.put(theirs, "half");
        files.staleTemporaryOf = {{ours, PagePath}, {theirs, "/site/other.htm"}};
        if (c.edited)
            testing::markEdited(document, 0);
        files.failReplaces = c.failWrite;
        views.answers = {MessageAnswer::Cancel};
        EXPECT_EQ(lifecycle.SaveDocument(), !c.failWrite);
        EXPECT_EQ(files.has(ours), !c.removed);
        EXPECT_TRUE(files.has(theirs));
        files.failReplaces = false;
    }
}

TEST_F(DocumentLifecycleTest, RetryAfterTheFileCameBackSaves)
{
    open(TwoMaps);
    testing::markEdited(document, 0);
    files.remove(PagePath);
    views.answers = {MessageAnswer::Retry, MessageAnswer::Cancel};
    EXPECT_FALSE(lifecycle.SaveDocument());
    EXPECT_EQ(views.messages.size(), 2u) << "Retry runs the save again";

    views.answers = {MessageAnswer::Retry};
    views.onMessage = [&] { files.put(PagePath, TwoMaps); };
    EXPECT_TRUE(lifecycle.SaveDocument());
    EXPECT_EQ(views.messages.size(), 3u);
    EXPECT_EQ(files.replaceCount, 1);
}

TEST_F(DocumentLifecycleTest, ActivationFindsOrAsksForTheImage)
{
    open(TwoMaps);
    ASSERT_TRUE(lifecycle.ActivateMap(0, true));
    EXPECT_EQ(views.shownImages.back(), "/site/img/menu.gif");
    EXPECT_EQ(document.ActiveZoneCount(), 1);
    EXPECT_EQ(document.SelectedZoneIndex, -1);
    EXPECT_EQ(views.canvasMode, 0);
    EXPECT_EQ(views.expanded.back(), "GEN-0");
    EXPECT_EQ(views.gridFills.back(), GridFill::Selection);
    EXPECT_EQ(views.toolbarStates.back(), ToolbarState::MapActive);

    const auto shown = views.shownImages.size();
    EXPECT_FALSE(lifecycle.ActivateMap(0, true)) << "the active map stays as it is";
    EXPECT_EQ(views.shownImages.size(), shown);

    views.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(lifecycle.ActivateMap(1, false));
    EXPECT_EQ(views.messages.back().text,
              "L'image associée à la map 'lost' est introuvable.\nFichier cherché : "
              "'/site/img/lost.gif'\n\nVeuillez "
              "spécifier le chemin d'accès à l'image afin de pouvoir utiliser "
              "l'éditeur.");
    EXPECT_EQ(views.status, "Veuillez indiquer la source de l'image pour cette map");
    EXPECT_EQ(document.ActiveMapIndex, -1);
    EXPECT_EQ(views.canvasMode, -1);
    EXPECT_EQ(views.toolbarStates.back(), ToolbarState::NoPicture);

    views.answers = {MessageAnswer::Ok};
    views.chosenFiles = {"/site/img/menu.gif"};
    ASSERT_TRUE(lifecycle.ActivateMap(1, false));
    EXPECT_EQ(document.Maps[1].ImagePath, "/site/img/menu.gif");
    EXPECT_TRUE(document.Maps[1].Modified);
    EXPECT_TRUE(document.DocumentModified);
    EXPECT_EQ(views.dialogs.back().filter,
              "Images  (*.gif; *.jpg; *.jpeg; *.png; *.bmp; *.webp)|"
              "*.gif;*.jpg;*.jpeg;*.png;*.bmp;*.webp|Tous  (*.*)|*.*|");
}

TEST_F(DocumentLifecycleTest, PictureThatDoesNotLoadLeavesNoActiveMap)
{
    open(TwoMaps);
    views.imagesLoad = false;
    EXPECT_FALSE(lifecycle.ActivateMap(0, false));
    EXPECT_EQ(document.Maps[0].ImagePath, NoImage);
    EXPECT_EQ(document.ActiveMapIndex, -1);
    testing::markEdited(document, 0);
    EXPECT_TRUE(lifecycle.SaveDocument());
    EXPECT_NE(saved().find("<IMG SRC=\"img/menu.gif\""), std::string::npos)
        << "an image that failed to load never reaches the page as <NONE>";
    EXPECT_NE(saved().find("<!--Source Map:|img/menu.gif|-->"), std::string::npos) << saved();
}

TEST_F(DocumentLifecycleTest, OutsideChangeOffersToReloadOnce)
{
    open(TwoMaps);
    ASSERT_TRUE(lifecycle.ActivateMap(0, false));
    lifecycle.checkForOutsideChange();
    EXPECT_TRUE(views.messages.empty()) << "nothing changed";

    document.ActiveZones.clear();
    testing::markEdited(document, 0);
    files.touch(PagePath);
    views.answers = {MessageAnswer::No};
    lifecycle.checkForOutsideChange();
    lifecycle.checkForOutsideChange();
    EXPECT_EQ(views.messages.size(), 1u) << "No is not asked again until the next change";
    EXPECT_EQ(views.messages[0].text,
              "'/site/page.htm'\n\nCe document a été modifié par une autre "
              "application.\nLes modifications non enregistrées dans l'éditeur seront perdues.\n"
              "Désirez-vous recharger le document maintenant ?");

    files.touch(PagePath);
    views.answers = {MessageAnswer::Yes};
    lifecycle.checkForOutsideChange();
    EXPECT_EQ(views.messages.size(), 2u) << "the reload drops edits without asking";
    EXPECT_EQ(document.ActiveMapIndex, 0);
    EXPECT_EQ(document.ActiveZoneCount(), 1);
    EXPECT_FALSE(document.DocumentModified);
}

TEST_F(DocumentLifecycleTest, TreeDeletionsAskFirst)
{
    open("<MAP NAME=\"m\"><AREA SHAPE=DEFAULT HREF=\"d.htm\"></MAP>");
    views.answers = {MessageAnswer::No};
    lifecycle.deleteFromTree(defaultRegionKey(0));
    EXPECT_TRUE(document.Maps[0].hasDefaultRegion());
    EXPECT_EQ(views.messages[0].text,
              "Désirez-vous supprimer la région par défaut de l'image map ?");

    views.answers = {MessageAnswer::Yes};
    lifecycle.deleteFromTree(defaultRegionKey(0));
    EXPECT_FALSE(document.Maps[0].hasDefaultRegion());
    EXPECT_EQ(views.node(defaultRegionKey(0)), nullptr);
    EXPECT_TRUE(document.Maps[0].Modified);

    lifecycle.deleteFromTree(zoneKey(0, 3));
    EXPECT_EQ(views.zoneDeletions, 1);

    views.answers = {MessageAnswer::Yes};
    lifecycle.deleteFromTree(mapKey(0));
    EXPECT_EQ(views.messages.back().text,
              "Désirez-vous supprimer l'image map 'm' ?\n\nCette opération est irréversible.");
    EXPECT_FALSE(document.Maps[0].Alive);
    EXPECT_EQ(document.MapCount(), 1);
}

TEST_F(DocumentLifecycleTest, ClosingForgetsTheDocumentAndKeepsItUnmodified)
{
    open(TwoMaps);
    testing::markEdited(document, 0);
    lifecycle.CloseDocument(true);
    EXPECT_EQ(document.DocumentState, DocumentClosed);
    EXPECT_EQ(document.MapCount(), 0);
    EXPECT_TRUE(document.Path.empty());
    EXPECT_TRUE(document.DocumentStamp.empty());
    EXPECT_EQ(views.status, "Aucun document ouvert");
    EXPECT_EQ(views.toolbarStates.back(), ToolbarState::NoDocument);
    EXPECT_TRUE(views.nodes.empty());
    EXPECT_FALSE(document.DocumentModified);
    document.SetDocumentModified(true);
    EXPECT_FALSE(document.DocumentModified) << "a closed document is never modified";
}

TEST_F(DocumentLifecycleTest, APageThatCannotBeReadLeavesTheOpenDocumentAsItWas)
{
    struct Case
    {
        const char *name;
        std::string bytes; // empty: the file does not exist
        const char *reason;
    };
    const Case cases[] = {
        {"incomplete rectangle", "<MAP NAME=\"a\"><AREA SHAPE=RECT COORDS=\"1,2,3\"></MAP>",
         "Rectangle incomplet"},
        {"a JPEG", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF", 10),
         "Ce fichier est une image JPEG, pas une page web."},
        {"missing", "", "fichier introuvable"},
    };
    open(TwoMaps);
    ASSERT_TRUE(lifecycle.ActivateMap(0, false));
    testing::markEdited(document, 0);
    const std::string stamp = document.DocumentStamp;
    const std::size_t nodes = views.nodes.size();
    const auto fills = views.gridFills.size();
    const auto shown = views.shownImages.size();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string other = "/site/other.htm";
        if (c.bytes.empty())
            files.remove(other);
        else
            files.put(other, c.bytes);
        views.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
        EXPECT_FALSE(lifecycle.OpenDocument(other, true));
        EXPECT_EQ(document.Path, PagePath);
        EXPECT_EQ(document.DocumentStamp, stamp);
        EXPECT_EQ(document.MapCount(), 2);
        EXPECT_EQ(document.ActiveMapIndex, 0);
        EXPECT_EQ(document.ActiveZoneCount(), 1);
        EXPECT_TRUE(document.Maps[0].Modified && document.DocumentModified);
        EXPECT_EQ(views.nodes.size(), nodes);
        EXPECT_EQ(views.gridFills.size(), fills);
        EXPECT_EQ(views.shownImages.size(), shown) << "the picture stays on the canvas";
        EXPECT_EQ(views.recent, std::vector<std::string>{PagePath});
        EXPECT_NE(lifecycle.lastError().find(c.reason), std::string::npos) << lifecycle.lastError();
        if (!c.bytes.empty()) {
            EXPECT_EQ(files.bytes(other), c.bytes) << "nothing is written";
        }
    }
}

TEST_F(DocumentLifecycleTest, AFailedReloadKeepsTheEditsAndTheActiveMap)
{
    open(TwoMaps);
    ASSERT_TRUE(lifecycle.ActivateMap(0, false));
    document.ActiveZones.clear();
    testing::markEdited(document, 0);
    files.put(PagePath, "<MAP NAME=\"menu\"><AREA SHAPE=\"RECT\" COORDS=\"1,1,5\"></MAP>");
    views.answers = {MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::Ok};
    lifecycle.checkForOutsideChange();
    EXPECT_NE(views.messages.at(0).text.find("Les modifications non enregistrées"),
              std::string::npos);
    EXPECT_EQ(views.messages.at(0).defaultButton, 1) << "No is the default over unsaved edits";
    EXPECT_EQ(document.ActiveMapIndex, 0);
    EXPECT_EQ(document.ActiveZoneCount(), 0);
    EXPECT_TRUE(document.DocumentModified);
    const auto asked = views.messages.size();
    lifecycle.checkForOutsideChange();
    EXPECT_EQ(views.messages.size(), asked) << "asked once per outside change";
}

TEST_F(DocumentLifecycleTest, ReloadQuestionWithoutEditsDefaultsToYes)
{
    open(TwoMaps);
    files.touch(PagePath);
    views.answers = {MessageAnswer::No};
    lifecycle.checkForOutsideChange();
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_EQ(views.messages[0].defaultButton, 0);
    EXPECT_EQ(views.messages[0].text.find("perdues"), std::string::npos);
}

TEST_F(DocumentLifecycleTest, ADeletedPageIsSaidGoneAndASaveRecreatesIt)
{
    const std::string page = "<body>\n<MAP NAME=\"m\">\n</MAP>\n</body>";
    open(page);
    document.Maps[0].Name = "renamed";
    testing::markEdited(document, 0);
    files.remove(PagePath);
    views.answers = {MessageAnswer::Ok};
    lifecycle.checkForOutsideChange();
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_EQ(views.messages[0].text.find("modifié par une autre application"), std::string::npos);
    EXPECT_NE(views.messages[0].text.find("n'existe plus"), std::string::npos);
    EXPECT_NE(views.messages[0].text.find("l'enregistrer recréera le document"), std::string::npos);
    EXPECT_TRUE(document.Maps[0].Modified) << "the edits stay";
    lifecycle.checkForOutsideChange();
    EXPECT_EQ(views.messages.size(), 1u) << "said once";

    ASSERT_TRUE(lifecycle.SaveDocument());
    EXPECT_EQ(saved(), "<body>\n<MAP NAME=\"renamed\">\n<!--Source Map:|<NONE>|-->\n</MAP>\n"
                       "</body>\n");
    EXPECT_FALSE(document.DocumentModified);
    lifecycle.checkForOutsideChange();
    EXPECT_EQ(views.messages.size(), 1u) << "the page written is the editor's own";
}

TEST_F(DocumentLifecycleTest, ASaveWithNothingModifiedWritesNothing)
{
    const std::string page = "<MAP NAME=\"m\"></MAP>no final line break";
    open(page);
    EXPECT_TRUE(lifecycle.SaveDocument());
    EXPECT_EQ(files.replaceCount, 0);
    EXPECT_EQ(saved(), page);

    lifecycle.CloseDocument(true);
    EXPECT_FALSE(lifecycle.SaveDocument()) << "no document, nothing to save";
    EXPECT_TRUE(views.messages.empty()) << "and no Retry box about an empty path";
}

TEST_F(DocumentLifecycleTest, MapsWrittenByOthersTakeTheImageOfTheirImgTag)
{
    files.put("/site/img/photo.png", "png");
    open("<body>\n<img usemap=\"#other\" src=\"img/nothing.png\">\n"
         "<IMG SRC=\"img/photo.png\" USEMAP=\"#NAV\">\n<img src=\"img/menu.gif\" usemap=\"#nav\">\n"
         "<map name=\"nav\"><area shape=rect coords=\"1,2,3,4\" href=\"a.htm\"></map>\n"
         "<map name=\"other\"></map>\n<map name=\"bare\"></map>\n</body>");
    ASSERT_TRUE(lifecycle.ActivateMap(0, false));
    EXPECT_TRUE(views.messages.empty()) << "found without asking";
    EXPECT_EQ(document.Maps[0].ImagePath, "/site/img/photo.png") << "the first IMG that uses it";
    EXPECT_EQ(views.node(mapKey(0))->text, "nav (photo.png)");
    EXPECT_FALSE(document.DocumentModified);

    views.answers = {MessageAnswer::Cancel, MessageAnswer::Cancel};
    EXPECT_FALSE(lifecycle.ActivateMap(1, false));
    EXPECT_NE(views.messages.at(0).text.find("Fichier cherché : '/site/img/nothing.png'"),
              std::string::npos)
        << views.messages[0].text;
    EXPECT_FALSE(lifecycle.ActivateMap(2, false));
    EXPECT_EQ(views.messages.at(1).text.find("Fichier cherché"), std::string::npos)
        << "no IMG named it";

    ASSERT_TRUE(lifecycle.ActivateMap(0, false));
    testing::markEdited(document, 0);
    ASSERT_TRUE(lifecycle.SaveDocument());
    EXPECT_NE(saved().find("<IMG SRC=\"img/photo.png\" USEMAP=\"#NAV\">"), std::string::npos)
        << "the tag it was found through stays as it was";
    EXPECT_NE(saved().find("<!--Source Map:|img/photo.png|-->"), std::string::npos) << saved();
}

TEST_F(DocumentLifecycleTest, ChoosersOpenInTheFolderOfTheLastDocument)
{
    std::string defaultFolder = "/home/ana/";
    lifecycle.followFolderIn(defaultFolder);
    views.chosenFiles = {""};
    EXPECT_FALSE(lifecycle.OpenDocument("NONE", true));
    EXPECT_EQ(views.dialogs.back().initialFolder, "/home/ana/");
    files.put("/site/pages/p.htm", "<body></body>");
    ASSERT_TRUE(lifecycle.OpenDocument("/site/pages/p.htm", true));
    EXPECT_EQ(defaultFolder, "/site/pages/");
}

TEST_F(DocumentLifecycleTest, DeletingTheActiveMapEmptiesTheCanvasAndTheGrid)
{
    open(TwoMaps);
    ASSERT_TRUE(lifecycle.ActivateMap(0, false));
    views.answers = {MessageAnswer::Yes};
    lifecycle.deleteFromTree(mapKey(1));
    EXPECT_EQ(views.canvasMode, 0) << "another map's deletion leaves the canvas alone";
    EXPECT_EQ(document.ActiveMapIndex, 0);
    views.answers = {MessageAnswer::Yes};
    lifecycle.deleteFromTree(mapKey(0));
    EXPECT_EQ(document.ActiveMapIndex, -1);
    EXPECT_EQ(views.canvasMode, -1);
    EXPECT_EQ(views.gridFills.back(), GridFill::Empty);
    EXPECT_EQ(views.toolbarStates.back(), ToolbarState::NoPicture);
}

TEST_F(DocumentLifecycleTest, TreeKeysDecodeByTheirShape)
{
    struct Case
    {
        std::string key;
        TreeKey::Kind kind;
        int map, zone;
    };
    const Case cases[] = {
        {mapKey(12), TreeKey::Kind::Map, 12, -1},
        {zoneKey(3, 40), TreeKey::Kind::Zone, 3, 40},
        {defaultRegionKey(7), TreeKey::Kind::DefaultRegion, 7, -1},
        {"GEN-x", TreeKey::Kind::None, -1, -1},
        {"ROOT", TreeKey::Kind::None, -1, -1},
    };
    for (const Case &c : cases) {
        const TreeKey key = decodeTreeKey(c.key);
        EXPECT_EQ(key.kind, c.kind) << c.key;
        EXPECT_EQ(key.mapIndex, c.map) << c.key;
        EXPECT_EQ(key.zoneIndex, c.zone) << c.key;
    }
}

} // namespace
} // namespace areamaker

namespace areamaker {
namespace {

// The rewrite reads each map as it writes its block, in one pass; a page that cannot be read
// must still fail as opening it fails, with its first failure, and keep every byte.
TEST_F(DocumentLifecycleTest, ARewriteFailsAsOpeningThePageFails)
{
    const std::string badArea = "<MAP NAME=\"a\"><AREA SHAPE=\"RECT\" COORDS=\"1,2\"></MAP>\n";
    const std::string badComment = "<MAP NAME=\"b\">\n<!--Source Map:|img/menu.gif\n</MAP>\n";
    const std::string good = "<MAP NAME=\"c\"><AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\"></MAP>\n";
    const std::string pages[] = {
        good + badArea + badComment,
        good + badComment + badArea,
        badArea,
        good + "<MAP NAME=\"d\"><AREA SHAPE=\"POLY\" COORDS=\"1,2,3\"></MAP>\n",
    };
    for (const std::string &page : pages) {
        SCOPED_TRACE(page);
        files.put(PagePath, page);
        views.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
        ASSERT_FALSE(lifecycle.OpenDocument(PagePath, true));
        const std::string openFailure = lifecycle.lastError();
        const int writes = files.replaceCount;
        views.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
        EXPECT_FALSE(lifecycle.RewritePage(PagePath));
        EXPECT_EQ(lifecycle.lastError(), openFailure);
        EXPECT_EQ(files.replaceCount, writes);
        EXPECT_EQ(files.bytes(PagePath), page);
    }
}

} // namespace
} // namespace areamaker
