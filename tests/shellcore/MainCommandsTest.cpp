#include "shell/MainCommands.h"

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
    shell.Settings.RecentDocuments = {"/SITE/PAGE.HTM", "/site/gone.htm", "NONE",
                                      "NONE",           "NONE",           "NONE"};
    views.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
    commands.openRecent(0);
    commands.openRecent(1);
    ASSERT_EQ(views.messages.size(), 2u);
    EXPECT_EQ(views.messages[0].text,
              "'/SITE/PAGE.HTM'\n\nCe fichier est présentement ouvert dans l'éditeur.");
    EXPECT_EQ(views.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(views.messages[1].text, "'/SITE/GONE.HTM'\n\nCe fichier n'existe pas!\nAssurez-vous "
                                      "que le chemin et le nom sont corrects.");
    EXPECT_EQ(views.messages[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(shell.Settings.RecentDocuments[1], "/site/gone.htm") << "the slot is kept";
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
    document.markMapModified(0);
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
    document.markMapModified(0);
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
