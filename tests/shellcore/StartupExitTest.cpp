#include "MarkEdited.h"
#include "shell/ExitSequence.h"
#include "shell/StartupSequence.h"

#include "ShellFixture.h"
#include "platform/BrowserLookup.h"
#include "shell/BrowserDiscovery.h"
#include "shell/CommandLine.h"
#include "shell/SettingsTable.h"

namespace areamaker {
namespace {

struct NoBrowserLookup : BrowserLookup
{
    std::optional<std::string> defaultBrowser() override { return std::string(); }
};

class StartupExitTest : public testing::ShellFixture
{
protected:
    void start(const std::vector<std::string> &arguments, bool withAssistant = true)
    {
        NoBrowserLookup lookup;
        BrowserDiscovery browsers(lookup, files, views);
        StartupSequence startup(shell, store, document);
        startup.readSettings("/opt/areamaker", "areamkr", "0.1.0", browsers);
        startup.openCommandLine(CommandLine::parse(arguments), lifecycle,
                                withAssistant ? &assistant : nullptr, views);
    }
    bool exit(CloseReason reason = CloseReason::User)
    {
        return ExitSequence(shell, store, lifecycle).run(reason, {true, 0, 0, 100, 100});
    }
};

TEST_F(StartupExitTest, StartWritesTheExternalValuesAndReadsTheSettings)
{
    store.values[{"System", "ZoneExplorer"}] = "0";
    store.values[{"System", "NavPath"}] = "/usr/bin/missing";
    start({PagePath});
    EXPECT_EQ(shell.AppFolder, "/opt/areamaker/");
    EXPECT_EQ(store.values.at({"External", "AppEXE"}), "/opt/areamaker/areamkr");
    EXPECT_EQ(store.values.at({"External", "AppVER"}), "0.1.0");
    EXPECT_FALSE(shell.Settings.ZoneExplorer);
    EXPECT_EQ(shell.Settings.NavPath, "") << "an unusable browser is dropped";
    EXPECT_EQ(shell.BrowserKind, 0);
    EXPECT_FALSE(shell.MenuStyleFlag);
}

TEST_F(StartupExitTest, CommandLineOpensThePageThenActivatesOrAssists)
{
    struct Case
    {
        std::vector<std::string> arguments;
        bool autoWiz;
        bool withAssistant;
        int activeMap;
        std::vector<int> assistantSteps;
    };
    const Case cases[] = {
        {{PagePath}, true, true, -1, {1}},
        {{PagePath}, true, false, 0, {}},
        {{PagePath, "-P", "Village"}, true, true, 1, {}},
        // A name that differs in case names no map: said so, and the first map is shown.
        {{PagePath, "-p", "village"}, true, true, 0, {}},
        {{}, true, true, -1, {0}},
        {{}, false, true, -1, {}},
        {{"", "-p", "Plan"}, true, true, -1, {}},
        {{"/site/missing.htm", "-p", "Plan"}, true, true, -1, {}},
    };
    for (const Case &c : cases) {
        document.close();
        assistant.steps.clear();
        views.answers = {MessageAnswer::Ok};
        store.values[{"System", "AutoWiz"}] = c.autoWiz ? "1" : "0";
        start(c.arguments, c.withAssistant);
        EXPECT_EQ(document.ActiveMapIndex, c.activeMap) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(assistant.steps, c.assistantSteps) << ::testing::PrintToString(c.arguments);
    }
}

TEST_F(StartupExitTest, ExitAsksOnceThenWritesEverySetting)
{
    start({PagePath, "-p", "Plan"});
    testing::markEdited(document, 0);
    testing::markEdited(document, 1);
    shell.Settings.LinPtDef = 3;

    views.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(exit());
    EXPECT_EQ(views.messages.size(), 1u);
    EXPECT_FALSE(store.values.contains({"System", "LinPtDef"}))
        << "a cancelled close writes nothing";

    views.answers = {MessageAnswer::No};
    EXPECT_TRUE(exit());
    EXPECT_EQ(views.messages.size(), 2u) << "several modified maps, one question";
    EXPECT_EQ(store.system("LinPtDef"), "3");
    EXPECT_EQ(store.system("Rac0"), PagePath);
    EXPECT_EQ(store.system("WindowState"), "2");
    EXPECT_EQ(store.writes.back(), "WindowState");
}

TEST_F(StartupExitTest, ExitStaysOpenWhenTheSaveFailsAndSkipsTheQuestionAtSessionEnd)
{
    start({PagePath, "-p", "Plan"});
    testing::markEdited(document, 0);
    files.failReplaces = true;
    views.answers = {MessageAnswer::Yes, MessageAnswer::Cancel};
    EXPECT_FALSE(exit()) << "a failed save keeps the edits";
    EXPECT_TRUE(document.anyMapModified());

    views.messages.clear();
    EXPECT_TRUE(exit(CloseReason::Session));
    EXPECT_TRUE(views.messages.empty());
}

} // namespace
} // namespace areamaker
