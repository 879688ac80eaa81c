#include "shell/CommandLine.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

TEST(CommandLineTest, PageAndOptionalMapName)
{
    using Kind = CommandLine::Kind;
    const std::tuple<std::vector<std::string>, Kind, std::string, std::string> cases[] = {
        {{}, Kind::None, "", ""},
        {{"  "}, Kind::None, "", ""},
        {{"/site/a b.htm"}, Kind::Page, "/site/a b.htm", ""},
        {{"/site/a.htm", "-p", "Plan"}, Kind::Page, "/site/a.htm", "Plan"},
        {{"/site/a.htm", "-P", "plan du site"}, Kind::Page, "/site/a.htm", "plan du site"},
        {{"/site/a.htm", "-p"}, Kind::Page, "/site/a.htm", ""},
        {{"/site/a.htm", "-x", "Plan"}, Kind::Page, "/site/a.htm", ""},
        {{"", "-p", "Plan"}, Kind::Invalid, "", "Plan"},
    };
    for (const auto &[arguments, kind, page, map] : cases) {
        const CommandLine line = CommandLine::parse(arguments);
        EXPECT_EQ(line.kind, kind) << ::testing::PrintToString(arguments);
        EXPECT_EQ(line.page, page);
        EXPECT_EQ(line.mapName, map);
    }
}

} // namespace
} // namespace areamaker
