#include "ListingJson.h"
#include "ProgramRun.h"
#include "ScratchFolder.h"

#include <QJsonObject>
#include <QString>

#include <gtest/gtest.h>

namespace {

constexpr const char *goldenFolder = SHELL_DATA_DIR "/golden";

std::string goldenListing()
{
    const std::string text =
        ScratchFolder::readBytes(std::string(goldenFolder) + "/demo/list.json");
    return QString::fromStdString(text).replace("@DEMO@", DEMO_DIR).toStdString();
}

} // namespace

TEST(BatchList, PrintsTheDemoPageAsOneJsonObject)
{
    const ProgramResult result = ProgramRun::run({"--list", DEMO_DIR "/index.htm"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(result.out.ends_with("}\n"));
    EXPECT_EQ(result.out.find('\n'), result.out.size() - 1) << "one object on one line";
    bool valid = false;
    const QJsonArray maps = listedMaps(result.out, &valid);
    ASSERT_TRUE(valid) << result.out;
    EXPECT_EQ(maps, listedMaps(goldenListing()));
}

// A map whose block holds what the editor cannot write back says so, and why.
TEST(BatchList, TellsWhichMapsAreReadOnlyAndWhy)
{
    struct Case
    {
        const char *page;
        std::vector<std::string> reasons; // empty for a map the editor may change
    };
    const Case cases[] = {
        {"template-loop",
         {"son bloc contient du code serveur (« {% for etage in etages %… »)", ""}},
        {"unclosed-map", {"sa balise MAP n'est pas fermée par </MAP>", "", ""}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.page);
        const ProgramResult result = ProgramRun::run(
            {"--list", std::string(SHELL_DATA_DIR "/pages/") + c.page + "/input.htm"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        const QJsonArray maps = listedMaps(result.out);
        ASSERT_EQ(static_cast<std::size_t>(maps.size()), c.reasons.size());
        for (qsizetype i = 0; i < maps.size(); ++i) {
            const QJsonObject map = maps[i].toObject();
            const std::string &reason = c.reasons[static_cast<std::size_t>(i)];
            EXPECT_EQ(map["readOnly"].toBool(), !reason.empty()) << i;
            EXPECT_EQ(map["reason"].toString().toStdString(), reason) << i;
            EXPECT_EQ(map.contains("reason"), !reason.empty()) << i;
        }
    }
}

TEST(BatchCommands, ReportPagesTheyCannotReadOnOneLineAndChangeNothing)
{
    struct Case
    {
        const char *name;
        const char *bytes; // nullptr: no such file
    };
    const Case cases[] = {
        {"missing.htm", nullptr},
        {"letters.htm", "<MAP NAME=\"a\">\r\n<AREA SHAPE=\"RECT\" COORDS=\"1,2,x,4\" "
                        "HREF=\"a.htm\">\r\n</MAP>\r\n"},
        {"letters-poly.htm",
         "<map name=\"a\">\n<area shape=\"poly\" coords=\"1,2,3,4,5,six\">\n</map>\n"},
        {"unended-source.htm", "<MAP NAME=\"a\">\r\n<!--Source Map:|images/a.gif\r\n</MAP>\r\n"},
    };
    for (const Case &c : cases) {
        ScratchFolder scratch;
        const std::string page = c.bytes ? scratch.write(c.name, c.bytes) : scratch.file(c.name);
        for (const char *command : {"--list", "--rewrite"}) {
            SCOPED_TRACE(std::string(c.name) + " " + command);
            const ProgramResult result = ProgramRun::run({command, page});
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.out, "");
            EXPECT_TRUE(result.err.starts_with(page + ": ")) << result.err;
            EXPECT_GT(result.err.size(), page.size() + 3) << "the reason is given";
            EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
            if (c.bytes) {
                EXPECT_EQ(ScratchFolder::readBytes(page), c.bytes);
            }
        }
        EXPECT_EQ(scratch.list().size(), c.bytes ? 1u : 0u) << "no file left behind";
    }
}
