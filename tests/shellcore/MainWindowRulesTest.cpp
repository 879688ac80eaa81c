#include "shell/MainWindowRules.h"

#include "RecordingCommandBar.h"
#include "document/MapDocument.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

using testing::RecordingCommandBar;

TEST(MainWindowRulesTest, ToolbarStatesEnableTheirButtons)
{
    const std::vector<std::string> mapKeys = {"5", "6", "7", "11", "12", "13", "14", "16", "17"};
    RecordingCommandBar bar;
    MainWindowRules::applyToolbarState(ToolbarState::NoDocument, bar);
    EXPECT_FALSE(bar.buttonEnabled.at("2"));
    EXPECT_FALSE(bar.buttonEnabled.at("3"));
    EXPECT_FALSE(bar.buttonEnabled.contains("0")) << "New stays available";
    EXPECT_FALSE(bar.buttonPressed.at("11"));
    MainWindowRules::applyToolbarState(ToolbarState::DocumentOpen, bar);
    EXPECT_TRUE(bar.buttonEnabled.at("0") && bar.buttonEnabled.at("2") &&
                bar.buttonEnabled.at("3"));
    for (const std::string &key : mapKeys)
        EXPECT_FALSE(bar.buttonEnabled.at(key)) << key;
    MainWindowRules::applyToolbarState(ToolbarState::MapActive, bar);
    for (const std::string &key : mapKeys)
        EXPECT_TRUE(bar.buttonEnabled.at(key)) << key;
    EXPECT_TRUE(bar.buttonPressed.at("11"));
    MainWindowRules::applyToolbarState(ToolbarState::NoPicture, bar);
    for (const std::string &key : mapKeys)
        EXPECT_FALSE(bar.buttonEnabled.at(key)) << key;
    EXPECT_TRUE(bar.buttonEnabled.at("2")) << "the document stays savable";
    EXPECT_FALSE(bar.buttonPressed.at("11"));
}

TEST(MainWindowRulesTest, MenuItemsFollowDocumentAndEditContext)
{
    RecordingCommandBar bar;
    MainWindowRules::updateDocumentItems(NeverOpened, bar);
    EXPECT_TRUE(bar.itemEnabled.empty()) << "state 0 leaves the items as they are";
    MainWindowRules::updateDocumentItems(DocumentClosed, bar);
    EXPECT_FALSE(bar.itemEnabled.at(4) || bar.itemEnabled.at(5) || bar.itemEnabled.at(6));
    MainWindowRules::updateDocumentItems(DocumentOpen, bar);
    EXPECT_TRUE(bar.itemEnabled.at(4) && bar.itemEnabled.at(5) && bar.itemEnabled.at(6));

    MainWindowRules::updateEditMenu(3, true, bar);
    for (int item : {19, 24, 25, 26, 27, 29})
        EXPECT_FALSE(bar.itemEnabled.at(item)) << item;
    MainWindowRules::updateEditMenu(0, true, bar);
    EXPECT_TRUE(bar.itemEnabled.at(19) && bar.itemEnabled.at(29) && bar.itemEnabled.at(26));
    EXPECT_FALSE(bar.itemEnabled.at(24) || bar.itemEnabled.at(25) || bar.itemEnabled.at(27));
    MainWindowRules::updateEditMenu(1, false, bar);
    EXPECT_TRUE(bar.itemEnabled.at(24) && bar.itemEnabled.at(25) && bar.itemEnabled.at(27));
    EXPECT_FALSE(bar.itemEnabled.at(26)) << "nothing to paste";

    MainWindowRules::UpdateNavigatorIcon(0, bar);
    EXPECT_FALSE(bar.buttonVisible.at("3") || bar.itemVisible.at(5));
    MainWindowRules::UpdateNavigatorIcon(2, bar);
    EXPECT_TRUE(bar.buttonVisible.at("3") && bar.itemVisible.at(5));
}

TEST(MainWindowRulesTest, TitleNamesTheOpenPageAndItsChanges)
{
    MapDocument document;
    EXPECT_EQ(MainWindowRules::windowTitle(document), "Areamaker Pro");
    document.DocumentState = DocumentOpen;
    document.Path = "/site/index.htm";
    EXPECT_EQ(MainWindowRules::windowTitle(document), "Areamaker Pro - index.htm");
    document.SetDocumentModified(true);
    EXPECT_EQ(MainWindowRules::windowTitle(document), "Areamaker Pro - index.htm*");
    document.close();
    EXPECT_EQ(MainWindowRules::windowTitle(document), "Areamaker Pro");
}

} // namespace
} // namespace areamaker
