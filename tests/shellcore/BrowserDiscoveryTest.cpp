#include "shell/BrowserDiscovery.h"

#include "FakeFileSystem.h"
#include "RecordingViews.h"
#include "platform/BrowserLookup.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

struct FakeLookup : BrowserLookup
{
    std::optional<std::string> answer;
    int calls = 0;
    std::optional<std::string> defaultBrowser() override
    {
        ++calls;
        return answer;
    }
};

TEST(BrowserDiscoveryTest, KindFollowsTheProgramsFileName)
{
    const std::tuple<std::string, int, std::string> cases[] = {
        {"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE", 2,
         "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE"},
        {"/opt/old/netscape.exe", 1, "/opt/old/netscape.exe"},
        {"/usr/bin/firefox", 3, "/usr/bin/firefox"},
        {"/usr/bin/gone", 0, ""},
        {"", 0, ""},
    };
    for (const auto &[stored, kind, kept] : cases) {
        testing::FakeFileSystem files;
        files.put("/usr/bin/firefox", "");
        testing::RecordingViews views;
        FakeLookup lookup;
        lookup.answer = "";
        std::string navPath = stored;
        EXPECT_EQ(BrowserDiscovery(lookup, files, views).discover(navPath), kind) << stored;
        EXPECT_EQ(navPath, kept) << stored;
        EXPECT_EQ(lookup.calls, stored.empty() ? 1 : 0) << "only an empty path asks the desktop";
    }
}

TEST(BrowserDiscoveryTest, TypedPathsNeedAnExistingFile)
{
    testing::FakeFileSystem files;
    files.put("/opt/IExplore.exe", "");
    files.put("/usr/bin/firefox", "");
    testing::RecordingViews views;
    FakeLookup lookup;
    const BrowserDiscovery discovery(lookup, files, views);
    const std::pair<std::string, int> cases[] = {
        {"/opt/IExplore.exe", BrowserExplorer},
        {"/elsewhere/iexplore.exe", NoBrowser},
        {"/usr/bin/firefox", OtherBrowser},
        {"/usr/bin", NoBrowser},
        {"", NoBrowser},
    };
    for (const auto &[path, kind] : cases)
        EXPECT_EQ(discovery.kindOfExisting(path), kind) << path;
}

TEST(BrowserDiscoveryTest, DesktopAnswerIsUsedAndAFailedLookupIsReported)
{
    testing::FakeFileSystem files;
    files.put("/usr/bin/firefox", "");
    testing::RecordingViews views;
    FakeLookup lookup;
    lookup.answer = "/usr/bin/firefox";
    std::string navPath;
    EXPECT_EQ(BrowserDiscovery(lookup, files, views).discover(navPath), OtherBrowser);
    EXPECT_EQ(navPath, "/usr/bin/firefox");

    lookup.answer.reset();
    navPath.clear();
    views.answers = {MessageAnswer::Ok};
    EXPECT_EQ(BrowserDiscovery(lookup, files, views).discover(navPath), NoBrowser);
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_EQ(views.messages[0].text,
              "Cannot find default Browser.\nFatal error accessing Windows Registry.");
    EXPECT_EQ(views.messages[0].title, "Erreur");
}

} // namespace
} // namespace areamaker
