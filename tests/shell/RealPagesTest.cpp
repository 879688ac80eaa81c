#include "ListingJson.h"
#include "PageBytes.h"
#include "ProgramRun.h"
#include "SiteCopy.h"

#include <gtest/gtest.h>

// Pages written by another tool: their maps are listed, and a rewrite regenerates the MAP
// blocks without touching one byte around them.
TEST(RealPages, ListsTheirMapsAndRewritesOnlyTheMapBlocks)
{
    struct Case
    {
        const char *file;
        std::vector<std::string> maps;
        std::vector<int> zones;
    };
    const Case cases[] = {
        {"cppunit-test-fixture-header.html", {"a_test_fixture_8h", "a_test_fixture_8hdep"}, {5, 9}},
        {"cppunit-concret-test-fixture-factory.html",
         {"a_concret_test_fixture_factory_3_01_test_fixture_type_01_4_inherit__map",
          "a_concret_test_fixture_factory_3_01_test_fixture_type_01_4_coll__map"},
         {2, 2}},
        {"sigc-adaptor-base.html", {"asigc_1_1adaptor__base_inherit__map"}, {24}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const SiteCopy site(std::string(SHELL_DATA_DIR "/realpages/") + c.file, c.file);
        const std::string original = site.bytes();

        const ProgramResult list = ProgramRun::run({"--list", site.page()});
        EXPECT_EQ(list.exitCode, 0) << list.err;
        const QJsonArray maps = listedMaps(list.out);
        EXPECT_EQ(mapNames(maps), c.maps);
        EXPECT_EQ(zoneCounts(maps), c.zones);

        EXPECT_EQ(ProgramRun::run({"--rewrite", site.page()}).exitCode, 0);
        const std::string rewritten = site.bytes();
        EXPECT_NE(rewritten, original) << "the blocks are written in the editor's own form";
        EXPECT_EQ(textOutsideMapBlocks(rewritten),
                  textOutsideMapBlocks(withFinalLineBreak(original)));
        EXPECT_EQ(zoneCounts(listedMaps(ProgramRun::run({"--list", site.page()}).out)), c.zones);
    }
}
