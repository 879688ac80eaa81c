#include "shell/ConfigOptions.h"

#include "ShellFixture.h"
#include "platform/BrowserLookup.h"
#include "platform/OptionsHost.h"
#include "shell/BrowserDiscovery.h"

namespace areamaker {
namespace {

struct RecordingHost : OptionsHost
{
    std::vector<std::string> calls;
    void optionsApplied() override { calls.push_back("applied"); }
    void RedrawCanvas() override { calls.push_back("redraw"); }
    void startRedrawTimer() override { calls.push_back("timer"); }
    void endProgram() override { calls.push_back("end"); }
};

struct ScriptedLookup : BrowserLookup
{
    std::optional<std::string> answer;
    std::optional<std::string> defaultBrowser() override { return answer; }
};

class ConfigOptionsTest : public testing::ShellFixture
{
protected:
    ConfigOptionsTest()
    {
        views.answers.clear();
        files.put("/usr/bin/firefox", "");
        files.put("/opt/ie/IEXPLORE.EXE", "");
        files.put("/opt/ns/netscape.exe", "");
    }

    ConfigOptions open()
    {
        return ConfigOptions({shell, recent, bar, views, host, views, views, store, browsers});
    }

    RecordingHost host;
    ScriptedLookup lookup;
    BrowserDiscovery browsers{lookup, files, views};
};

TEST_F(ConfigOptionsTest, ElementsShowTheirColourAndOnlyBordersTheirWidth)
{
    shell.Settings.LinPtDef = 2;
    shell.Settings.LinPtSel = 3;
    ConfigOptions options = open();
    EXPECT_EQ(views.status, "Configuration des paramètres");
    const std::tuple<int, int, int, bool> cases[] = {
        {0, 12, 1, true},   {1, 9, 2, true},   {2, 12, -1, false},
        {3, 13, -1, false}, {4, 6, -1, false},
    };
    for (const auto &[element, colour, width, shown] : cases) {
        const ConfigOptions::ElementView view = options.selectElement(element);
        EXPECT_EQ(view.colour, colour) << element;
        EXPECT_EQ(view.width, width) << element;
        EXPECT_EQ(view.widthShown, shown) << element;
    }
    options.selectWidth(0);
    EXPECT_EQ(options.selectElement(1).colour, 9)
        << "a width list hidden for element 4 changes nothing";
}

TEST_F(ConfigOptionsTest, ChangesReachTheSettingsOnlyWhenApplied)
{
    ConfigOptions options = open();
    options.selectElement(1);
    options.selectColour(14);
    options.selectWidth(2);
    options.selectElement(3);
    options.selectColour(0);
    options.checks.AutoProp = false;
    options.checks.ZoneExplorer = false;
    options.navPathChanged("/usr/bin/firefox");
    EXPECT_EQ(shell.Settings.ClrSelBorderId, 9) << "nothing before Appliquer";
    EXPECT_TRUE(shell.Settings.AutoProp);

    options.apply();
    EXPECT_EQ(shell.Settings.ClrSelBorderId, 14);
    EXPECT_EQ(shell.Settings.LinPtSel, 3);
    EXPECT_EQ(shell.Settings.ClrDefHandleId, 0);
    EXPECT_EQ(shell.Settings.ClrDefBorderId, 12) << "untouched elements keep their colour";
    EXPECT_FALSE(shell.Settings.AutoProp);
    EXPECT_FALSE(shell.Settings.ZoneExplorer);
    EXPECT_TRUE(shell.Settings.ZoneProperties);
    EXPECT_EQ(shell.Settings.NavPath, "/usr/bin/firefox");
    EXPECT_EQ(shell.BrowserKind, OtherBrowser);
    EXPECT_TRUE(bar.buttonVisible.at("3"));
    EXPECT_TRUE(bar.itemVisible.at(5));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"applied", "redraw"}));

    // Annuler after Appliquer: the later change is dropped, the applied one stays.
    options.selectElement(1);
    options.selectColour(2);
    options.close();
    EXPECT_EQ(shell.Settings.ClrSelBorderId, 14);
    EXPECT_EQ(views.status, "Prêt");
    EXPECT_EQ(host.calls.back(), "timer");
}

TEST_F(ConfigOptionsTest, BrowserPathGivesKindDescriptionAndPicture)
{
    ConfigOptions options = open();
    const std::tuple<std::string, int, std::string, int> cases[] = {
        {"/opt/ie/IEXPLORE.EXE", BrowserExplorer, "Internet Explorer ", 102},
        {"/opt/ns/netscape.exe", BrowserNetscape, "Netscape Navigator ", 103},
        {"/usr/bin/firefox", OtherBrowser, "Autre navigateur ", 0},
        {"/usr/bin/nothing", NoBrowser, "", 0},
        {"", NoBrowser, "", 0},
    };
    for (const auto &[path, kind, description, bitmap] : cases) {
        const ConfigOptions::NavigatorView view = options.navPathChanged(path);
        EXPECT_EQ(view.kind, kind) << path;
        EXPECT_EQ(view.description, description) << path;
        EXPECT_EQ(view.bitmap, bitmap) << path;
    }
    options.AppliquerOptions();
    EXPECT_EQ(shell.BrowserKind, NoBrowser);
    EXPECT_FALSE(bar.buttonVisible.at("3")) << "no browser hides the command";
}

TEST_F(ConfigOptionsTest, DefaultAndChosenBrowsers)
{
    ConfigOptions options = open();
    lookup.answer = "/usr/bin/firefox";
    EXPECT_EQ(options.defaultBrowser(), "/usr/bin/firefox");

    for (const std::optional<std::string> &answer :
         {std::optional<std::string>(""), std::optional<std::string>()}) {
        lookup.answer = answer;
        views.answers = {MessageAnswer::Ok};
        EXPECT_EQ(options.defaultBrowser(), std::nullopt);
        EXPECT_EQ(views.messages.back().text,
                  "Cannot find default Browser.\nFatal error accessing Windows Registry.");
    }

    options.navPathChanged("/opt/ns/netscape.exe");
    views.chosenFiles = {"/usr/bin/firefox"};
    EXPECT_EQ(options.chooseBrowser(), "/usr/bin/firefox");
    const OpenFileRequest &request = views.dialogs.back();
    EXPECT_EQ(request.title, "Sélectionner un navigateur");
    EXPECT_EQ(request.initialFolder, "/opt/ns/");
    EXPECT_TRUE(request.firstFilterExecutables);
    EXPECT_EQ(request.filter.substr(0, 11), "Programmes|");
    EXPECT_EQ(options.chooseBrowser(), std::nullopt) << "a cancelled chooser changes nothing";
}

TEST_F(ConfigOptionsTest, ClearingTheHistoryEmptiesEverySlot)
{
    shell.Settings.RecentDocuments = {"/a.htm", "/b.htm", "/c.htm", "/d.htm", "/e.htm", "/f.htm"};
    ConfigOptions options = open();
    views.answers = {MessageAnswer::Ok};
    options.clearHistory();
    for (const std::string &slot : shell.Settings.RecentDocuments)
        EXPECT_EQ(slot, "NONE");
    EXPECT_FALSE(bar.itemVisible.at(10));
    EXPECT_FALSE(bar.itemVisible.at(9)) << "no separator over an empty history";
    EXPECT_EQ(views.messages.back().text, "L'historique a été effacé avec succès.");
    EXPECT_EQ(views.messages.back().title, "Areamaker");
}

TEST_F(ConfigOptionsTest, ErasingTheSettingsAsksTwiceThenEndsTheProgram)
{
    store.write("System", "AutoProp", "0");
    ConfigOptions options = open();
    views.answers = {MessageAnswer::Ok, MessageAnswer::No};
    options.eraseSettings();
    ASSERT_EQ(views.messages.size(), 2u);
    EXPECT_EQ(views.messages[0].title, "Attention");
    EXPECT_EQ(views.messages[1].text, "Effacer les registres de Areamaker?\n\nEnregistrez les "
                                      "modifications de vos documents avant de continuer!");
    EXPECT_EQ(views.messages[1].defaultButton, 1) << "Non is the default";
    EXPECT_EQ(store.removals, 0);
    EXPECT_TRUE(host.calls.empty());

    views.answers = {MessageAnswer::Ok, MessageAnswer::Yes, MessageAnswer::Ok};
    options.eraseSettings();
    EXPECT_EQ(store.removals, 1);
    EXPECT_TRUE(store.values.empty());
    EXPECT_EQ(views.messages.back().text, "Veuillez redémarrer Areamaker.");
    EXPECT_EQ(host.calls, std::vector<std::string>{"end"});
}

} // namespace
} // namespace areamaker
