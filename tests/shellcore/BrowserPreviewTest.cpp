#include "shell/BrowserPreview.h"

#include "ShellFixture.h"
#include "MarkEdited.h"
#include "platform/BrowserLauncher.h"
#include "shell/BrowserDiscovery.h"

namespace areamaker {
namespace {

struct RecordingLauncher : BrowserLauncher
{
    std::vector<std::pair<std::string, std::string>> launches;
    std::string failure;
    std::string launch(const std::string &program, const std::string &url) override
    {
        launches.emplace_back(program, url);
        return failure;
    }
};

class BrowserPreviewTest : public testing::ShellFixture
{
protected:
    BrowserPreviewTest()
    {
        shell.Settings.NavPath = "/usr/bin/browser";
        shell.BrowserKind = OtherBrowser;
        views.answers.clear();
        lifecycle.OpenDocument(PagePath, true);
        lifecycle.ActivateMap(0, false);
    }

    void editMap()
    {
        document.Maps[0].Name = "Etage";
        testing::markEdited(document, 0);
    }

    RecordingLauncher launcher;
    BrowserPreview preview{{shell, document, lifecycle, views, launcher}};
};

TEST_F(BrowserPreviewTest, SaveQuestionDecidesWhatTheBrowserShows)
{
    struct Case
    {
        MessageAnswer answer;
        bool saveFails;
        bool launched;
        bool saved;
    };
    const Case cases[] = {
        {MessageAnswer::Cancel, false, false, false},
        {MessageAnswer::Yes, true, false, false},
        {MessageAnswer::No, false, true, false},
        {MessageAnswer::Yes, false, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer) * 10 + c.saveFails);
        files.put(PagePath, TwoMaps);
        launcher.launches.clear();
        views.messages.clear();
        editMap();
        files.failReplaces = c.saveFails;
        // A failed save asks Retry/Cancel: the user gives up.
        views.answers = {c.answer, MessageAnswer::Cancel};
        preview.Preview();
        ASSERT_FALSE(views.messages.empty());
        EXPECT_EQ(views.messages[0].text,
                  "Pour visualiser la dernière version du document dans le navigateur,\nvous "
                  "devez enregistrer votre travail sur le disque dur.\n\nEnregistrer les "
                  "modifications avant de passer au navigateur ?");
        EXPECT_EQ(views.messages[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(launcher.launches.size(), c.launched ? 1u : 0u);
        EXPECT_EQ(files.bytes(PagePath) != TwoMaps, c.saved);
        EXPECT_EQ(document.DocumentModified, !c.saved) << "No keeps the title's asterisk";
    }
}

TEST_F(BrowserPreviewTest, UnmodifiedPageOpensAtOnceAndAFailedStartIsReported)
{
    preview.Preview();
    ASSERT_EQ(launcher.launches.size(), 1u);
    EXPECT_EQ(launcher.launches[0].first, "/usr/bin/browser");
    EXPECT_EQ(launcher.launches[0].second, "file:///site/page.htm");
    EXPECT_TRUE(views.messages.empty());

    launcher.failure = "Le fichier n'existe pas.";
    views.answers = {MessageAnswer::Ok};
    preview.Preview();
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_EQ(
        views.messages[0].text,
        "Impossible de démarrer le navigateur '/usr/bin/browser'.\n\nLe fichier n'existe pas.");
    EXPECT_EQ(views.messages[0].title, "Erreur");
}

TEST_F(BrowserPreviewTest, NothingHappensWithoutBrowserOrDocument)
{
    shell.BrowserKind = NoBrowser;
    preview.Preview();
    shell.BrowserKind = OtherBrowser;
    lifecycle.CloseDocument(true);
    preview.Preview();
    EXPECT_TRUE(launcher.launches.empty());
    EXPECT_TRUE(views.messages.empty());
}

} // namespace
} // namespace areamaker
