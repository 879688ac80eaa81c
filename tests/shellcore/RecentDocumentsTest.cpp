#include "shell/RecentDocuments.h"

#include "RecordingCommandBar.h"
#include "shell/AppSettings.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

using Slots = std::array<std::string, 6>;

TEST(RecentDocumentsTest, RecordKeepsMostRecentFirstWithoutDuplicates)
{
    const Slots full = {"a", "b", "c", "d", "e", "f"};
    const std::tuple<Slots, std::string, Slots> cases[] = {
        {full, "a", full},
        {full, "c", {"c", "a", "b", "d", "e", "f"}},
        {full, "e", {"e", "a", "b", "c", "d", "f"}},
        {full, "f", {"f", "a", "b", "c", "d", "e"}},
        {full, "g", {"g", "a", "b", "c", "d", "e"}},
        {full, "A", {"A", "a", "b", "c", "d", "e"}},
        {{"a", "NONE", "NONE", "NONE", "NONE", "NONE"},
         "b",
         {"b", "a", "NONE", "NONE", "NONE", "NONE"}},
        {full, "NONE", full},
    };
    for (const auto &[before, path, after] : cases) {
        Slots slots = before;
        RecentDocuments(slots, nullptr).record(path);
        EXPECT_EQ(slots, after) << path;
    }
}

TEST(RecentDocumentsTest, MenuShowsFilledSlotsAndTheSeparatorOnlyWithThem)
{
    Slots slots = {"NONE", "NONE", "NONE", "NONE", "NONE", "NONE"};
    testing::RecordingCommandBar bar;
    RecentDocuments recent(slots, &bar);
    recent.addDocument("NONE");
    EXPECT_FALSE(bar.itemVisible.at(9));
    for (int item = 10; item <= 15; ++item)
        EXPECT_FALSE(bar.itemVisible.at(item));

    recent.addDocument("/site/a.htm");
    recent.addDocument("/site/b.htm");
    EXPECT_TRUE(bar.itemVisible.at(9));
    EXPECT_EQ(bar.itemCaption.at(10), "&1 /site/b.htm");
    EXPECT_EQ(bar.itemCaption.at(11), "&2 /site/a.htm");
    EXPECT_TRUE(bar.itemVisible.at(11));
    EXPECT_FALSE(bar.itemVisible.at(12));
    EXPECT_FALSE(bar.itemVisible.contains(16)) << "the separator before Quit is left alone";
}

} // namespace
} // namespace areamaker
