#include "shell/SettingsTable.h"

#include "MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace areamaker {
namespace {

using testing::MemorySettingsStore;

TEST(SettingsTableTest, TheChoosersFirstFolderIsTheHomeFolder)
{
    const std::string saved = std::getenv("HOME") ? std::getenv("HOME") : "";
    const std::pair<const char *, const char *> cases[] = {
        {"/home/ana", "/home/ana/"},
        {"/home/ana/", "/home/ana/"},
        {"", "/"},
    };
    for (const auto &[home, folder] : cases) {
        ::setenv("HOME", home, 1);
        EXPECT_EQ(SettingsTable::read(MemorySettingsStore()).DefPath, folder) << home;
    }
    ::setenv("HOME", saved.c_str(), 1);
}

TEST(SettingsTableTest, EmptyStoreGivesTheFirstStartDefaults)
{
    const MemorySettingsStore store;
    const AppSettings s = SettingsTable::read(store);
    for (const std::string &slot : s.RecentDocuments)
        EXPECT_EQ(slot, "NONE");
    EXPECT_NE(s.DefPath, "C:\\") << "a drive letter names nothing here";
    EXPECT_EQ(s.ExplorateurWidth, 2960);
    EXPECT_EQ(s.ExplorateurHeight, 5000);
    EXPECT_EQ(s.NavPath, "");
    EXPECT_TRUE(s.AutoProp && s.ZoneExplorer && s.ZoneProperties && s.AutoWiz && s.NewNoBorder);
    const ZoneColours c = s.zoneColours();
    EXPECT_EQ(std::tie(c.ClrSelBorderId, c.ClrDefBorderId, c.ClrDefTrameId, c.ClrDefHandleId,
                       c.ClrSelHandleId, c.LinPtSel, c.LinPtDef),
              std::make_tuple(9, 12, 12, 13, 6, 1, 1));

    const WindowPlacement w = SettingsTable::readPlacement(store, 19200, 12000);
    EXPECT_TRUE(w.maximized);
    EXPECT_FLOAT_EQ(w.width, 14400);
    EXPECT_FLOAT_EQ(w.height, 9000);
    EXPECT_FLOAT_EQ(w.left, 2400);
    EXPECT_FLOAT_EQ(w.top, 1500);
}

TEST(SettingsTableTest, BooleansAreTrueOnlyForExactlyOne)
{
    const std::pair<const char *, bool> cases[] = {{"1", true},     {"0", false},    {"-1", false},
                                                   {"True", false}, {"true", false}, {" 1", false},
                                                   {"", false}};
    for (const auto &[text, expected] : cases) {
        MemorySettingsStore store;
        store.values[{"System", "AutoWiz"}] = text;
        EXPECT_EQ(SettingsTable::read(store).AutoWiz, expected) << '"' << text << '"';
    }
}

TEST(SettingsTableTest, NumbersThatDoNotParseKeepTheirDefault)
{
    const std::tuple<const char *, int AppSettings::*, const char *, int> cases[] = {
        {"ExplorateurWidth", &AppSettings::ExplorateurWidth, "3500", 3500},
        {"ExplorateurWidth", &AppSettings::ExplorateurWidth, "12abc", 2960},
        {"ExplorateurWidth", &AppSettings::ExplorateurWidth, "", 2960},
        {"ClrSelBorderId", &AppSettings::ClrSelBorderId, "4", 4},
        {"ClrSelBorderId", &AppSettings::ClrSelBorderId, "70000", 9},
        {"LinPtSel", &AppSettings::LinPtSel, " 3", 3}};
    for (const auto &[name, field, text, expected] : cases) {
        MemorySettingsStore store;
        store.values[{"System", name}] = text;
        EXPECT_EQ(SettingsTable::read(store).*field, expected) << name << "=" << text;
    }
}

TEST(SettingsTableTest, WrittenSettingsReadBackAsStrings)
{
    AppSettings s;
    s.RecentDocuments[0] = "/site/a.htm";
    s.DefPath = "/site/";
    s.ExplorateurWidth = 3105;
    s.AutoProp = false;
    s.NewNoBorder = false;
    s.ClrDefTrameId = 3;
    s.LinPtSel = 2;
    s.NavPath = "/usr/bin/firefox";
    MemorySettingsStore store;
    SettingsTable::write(store, s);
    EXPECT_EQ(store.system("Rac0"), "/site/a.htm");
    EXPECT_EQ(store.system("Rac5"), "NONE");
    EXPECT_EQ(store.system("AutoProp"), "0");
    EXPECT_EQ(store.system("ZoneExplorer"), "1");
    EXPECT_EQ(store.system("ExplorateurWidth"), "3105");
    EXPECT_EQ(store.system("ClrDefTrameId"), "3");
    const AppSettings back = SettingsTable::read(store);
    EXPECT_EQ(back.RecentDocuments, s.RecentDocuments);
    EXPECT_EQ(back.DefPath, s.DefPath);
    EXPECT_EQ(back.ExplorateurWidth, 3105);
    EXPECT_FALSE(back.AutoProp);
    EXPECT_FALSE(back.NewNoBorder);
    EXPECT_EQ(back.ClrDefTrameId, 3);
    EXPECT_EQ(back.LinPtSel, 2);
    EXPECT_EQ(back.NavPath, "/usr/bin/firefox");
}

TEST(SettingsTableTest, MaximizedWindowKeepsTheLastNormalGeometry)
{
    MemorySettingsStore store;
    SettingsTable::writePlacement(store, {false, 150, 300, 9000, 6000});
    EXPECT_EQ(store.system("WindowState"), "0");
    EXPECT_EQ(store.system("WinXPos"), "150");
    EXPECT_EQ(store.system("WinWidth"), "9000");
    SettingsTable::writePlacement(store, {true, 0, 0, 19200, 12000});
    EXPECT_EQ(store.system("WindowState"), "2");
    const WindowPlacement back = SettingsTable::readPlacement(store, 19200, 12000);
    EXPECT_TRUE(back.maximized);
    EXPECT_FLOAT_EQ(back.left, 150);
    EXPECT_FLOAT_EQ(back.top, 300);
    EXPECT_FLOAT_EQ(back.width, 9000);
    EXPECT_FLOAT_EQ(back.height, 6000);
}

} // namespace
} // namespace areamaker
