#include "shell/MainCommands.h"
#include "MarkEdited.h"

#include "ShellFixture.h"

namespace areamaker {
namespace {

class MainCommandsTest : public testing::ShellFixture
{
protected:
    MainCommands commands{{shell, document, lifecycle, recent, views, files, &assistant}};
};

TEST_F(MainCommandsTest, OpenActivatesTheFirstMapOrStartsTheAssistant)
{
    views.chosenFiles = {PagePath};
    commands.Open();
    EXPECT_EQ(document.ActiveMapIndex, 0);
    EXPECT_TRUE(assistant.steps.empty());

    files.put("/site/empty.htm", "<body></body>");
    views.chosenFiles = {"/site/empty.htm"};
    commands.Open();
    EXPECT_EQ(document.Path, "/site/empty.htm");
    EXPECT_EQ(assistant.steps, std::vector<int>{1});
    EXPECT_EQ(shell.AssistantMode, 1);
}

TEST_F(MainCommandsTest, OpenRecentRefusesTheOpenPageAndMissingFiles)
{
    views.chosenFiles = {PagePath};
    commands.Open();
    // On a case-sensitive system the upper-cased path names another file, here a missing one.
    shell.Settings.RecentDocuments = {"/site/page.htm", "/SITE/PAGE.HTM", "/site/gone.htm",
                                      "NONE",           "NONE",           "NONE"};
    views.answers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok};
    for (int slot = 0; slot < 3; ++slot)
        commands.openRecent(slot);
    ASSERT_EQ(views.messages.size(), 3u);
    EXPECT_EQ(views.messages[0].text,
              "'/site/page.htm'\n\nCe fichier est présentement ouvert dans l'éditeur.");
    EXPECT_EQ(views.messages[0].icon, MessageIcon::Information);
    for (int i : {1, 2}) {
        EXPECT_EQ(views.messages[i].text,
                  "'" + shell.Settings.RecentDocuments[i] +
                      "'\n\nCe fichier n'existe pas!\nAssurez-vous que le chemin et le nom sont "
                      "corrects.");
        EXPECT_EQ(views.messages[i].icon, MessageIcon::Exclamation);
    }
    EXPECT_EQ(shell.Settings.RecentDocuments[2], "/site/gone.htm") << "the slot is kept";
    EXPECT_EQ(document.Path, PagePath);
}

TEST_F(MainCommandsTest, OpenRecentOpensAndMovesThePageFirst)
{
    files.put("/site/other.htm", TwoMaps);
    shell.Settings.RecentDocuments = {"/site/x.htm", "/site/other.htm", "NONE", "NONE", "NONE",
                                      "NONE"};
    commands.openRecent(1);
    EXPECT_EQ(document.Path, "/site/other.htm");
    EXPECT_EQ(document.ActiveMapIndex, 0);
    EXPECT_EQ(shell.Settings.RecentDocuments[0], "/site/other.htm");
    EXPECT_EQ(shell.Settings.RecentDocuments[1], "/site/x.htm");
    EXPECT_EQ(bar.itemCaption.at(10), "&1 /site/other.htm");
}

TEST_F(MainCommandsTest, CloseAsksFirstAndCancelKeepsTheDocument)
{
    views.chosenFiles = {PagePath};
    commands.Open();
    testing::markEdited(document, 0);
    views.answers = {MessageAnswer::Cancel};
    commands.Close();
    EXPECT_EQ(document.DocumentState, DocumentOpen);
    views.answers = {MessageAnswer::No};
    commands.Close();
    EXPECT_EQ(document.DocumentState, DocumentClosed);
    EXPECT_EQ(views.status, "Aucun document ouvert");
}

TEST_F(MainCommandsTest, NewStartsTheAssistantAtTheRightStep)
{
    commands.New();
    EXPECT_EQ(assistant.steps, std::vector<int>{0}) << "no document yet";
    views.chosenFiles = {PagePath};
    commands.Open();
    testing::markEdited(document, 0);
    files.failReplaces = true;
    views.answers = {MessageAnswer::Yes, MessageAnswer::Cancel};
    commands.New();
    EXPECT_EQ(assistant.steps, std::vector<int>{0}) << "a failed save stops the command";
    views.answers = {MessageAnswer::No};
    commands.New();
    EXPECT_EQ(assistant.steps, (std::vector<int>{0, 1}));
}

} // namespace
} // namespace areamaker
