#include "FaultySystemCalls.h"
#include "MarkEdited.h"

#include "FakeImageProbe.h"
#include "RecordingViews.h"
#include "adapters/PosixFileSystem.h"
#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace areamaker {
namespace {

namespace fs = std::filesystem;
using Fault = testing::FaultySystemCalls::Fault;

const std::string Page =
    "<html><body>\n<img src=\"img/a.gif\" usemap=\"#menu\">\n"
    "<map name=\"menu\"><area shape=rect coords=\"1,2,3,4\" href=\"a.htm\"></map>\n"
    "<map name=\"side\"></map>\n</body></html>\n";

std::string contents(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void write(const fs::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> folderEntries(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class SaveFaultTest : public ::testing::Test
{
public:
    SaveFaultTest()
        : folder(fs::temp_directory_path() / ("areamaker-faults-" + std::to_string(::getpid())))
    {
        fs::remove_all(folder);
        fs::create_directories(folder);
        page = folder / "page.htm";
        write(page, Page);
        document.attachViews(&views, &views, nullptr);
    }
    ~SaveFaultTest() override { fs::remove_all(folder); }

    void openAndEdit()
    {
        ASSERT_TRUE(lifecycle.OpenDocument(page.string(), true)) << lifecycle.lastError();
        document.Maps[0].Name = "nav";
        testing::markEdited(document, 0);
        Zone zone;
        zone.setHRegion(KindRegion);
        zone.setHForme(ShapeRectangle);
        zone.AddXCoord(5, 0);
        zone.AddYCoord(6, 0);
        zone.AddXCoord(7, 1);
        zone.AddYCoord(8, 1);
        document.Maps[1].Zones.push_back(zone);
        testing::markEdited(document, 1);
    }

    EditorPorts ports() { return portsOf(views, images, files); }

    fs::path folder;
    fs::path page;
    testing::FaultySystemCalls calls;
    PosixFileSystem files{calls};
    testing::FakeImageProbe images;
    testing::RecordingViews views;
    MapDocument document;
    DocumentLifecycle lifecycle{document, ports()};
};

TEST_F(SaveFaultTest, NoFailureLosesAByteAndRetrySavesEverything)
{
    struct Case
    {
        const char *name;
        std::function<void(SaveFaultTest &)> breakIt;
        std::function<void(SaveFaultTest &)> mendIt;
    };
    auto syscall = [](Fault fault) {
        return Case{nullptr, [fault](SaveFaultTest &t) { t.calls.fault = fault; },
                    [](SaveFaultTest &t) { t.calls.fault = Fault::None; }};
    };
    std::vector<Case> cases;
    for (const auto &[name, fault] : std::vector<std::pair<const char *, Fault>>{
             {"open", Fault::OpenForRead},
             {"read", Fault::Read},
             {"temporary file", Fault::CreateTemporary},
             {"short write", Fault::ShortWriteThenFull},
             {"disk full", Fault::DiskFull},
             {"flush", Fault::Sync},
             {"permissions", Fault::KeepPermissions},
             {"close", Fault::Close},
             {"rename", Fault::Rename},
             {"permission denied", Fault::PermissionDenied},
         }) {
        Case c = syscall(fault);
        c.name = name;
        cases.push_back(c);
    }
    cases.push_back({"page vanished", [](SaveFaultTest &t) { fs::remove(t.page); },
                     [](SaveFaultTest &t) { write(t.page, Page); }});
    cases.push_back({"page became a folder",
                     [](SaveFaultTest &t) {
                         fs::remove(t.page);
                         fs::create_directory(t.page);
                     },
                     [](SaveFaultTest &t) {
                         fs::remove(t.page);
                         write(t.page, Page);
                     }});

    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        write(page, Page);
        views.messages.clear();
        openAndEdit();
        c.breakIt(*this);
        const auto entriesBefore = folderEntries(folder);
        views.answers = {MessageAnswer::Cancel};
        EXPECT_FALSE(lifecycle.SaveDocument());
        if (fs::is_regular_file(page)) {
            EXPECT_EQ(contents(page), Page);
        }
        ASSERT_EQ(views.messages.size(), 1u);
        EXPECT_EQ(views.messages[0].buttons, MessageButtons::RetryCancel);
        EXPECT_NE(views.messages[0].text.find("Le document n'est pas accessible ou n'existe pas !"),
                  std::string::npos);
        EXPECT_TRUE(document.DocumentModified);
        EXPECT_TRUE(document.Maps[0].Modified && document.Maps[1].Modified);
        EXPECT_EQ(document.Maps[0].NameAsRead, "menu");
        EXPECT_EQ(folderEntries(folder), entriesBefore) << "no temporary file is left behind";

        views.answers = {MessageAnswer::Retry};
        views.onMessage = [&] { c.mendIt(*this); };
        EXPECT_TRUE(lifecycle.SaveDocument());
        views.onMessage = nullptr;
        const std::string saved = contents(page);
        EXPECT_NE(saved.find("<img src=\"img/a.gif\" USEMAP=\"#nav\">"), std::string::npos)
            << saved;
        EXPECT_NE(saved.find("<map name=\"nav\">"), std::string::npos) << saved;
        EXPECT_NE(saved.find("COORDS=\"5,6,7,8\""), std::string::npos) << saved;
        EXPECT_FALSE(document.DocumentModified);
        EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"page.htm"});
    }
}

TEST_F(SaveFaultTest, ReplaceKeepsPermissionsAndWritesThroughALink)
{
    fs::permissions(page, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path link = folder / "link.htm";
    fs::create_symlink(page, link);
    ASSERT_TRUE(files.replaceFile(link.string(), "new").ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(page), "new");
    EXPECT_EQ(fs::status(page).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

} // namespace
} // namespace areamaker
