#include "ListingJson.h"
#include "PageBytes.h"
#include "ProgramRun.h"
#include "SiteCopy.h"

#include <gtest/gtest.h>

// Pages whose MAP blocks are already written as the editor writes them: listing them works,
// and rewriting them changes no byte apart from the final line break.
TEST(CorpusRoundTrip, ListsEveryPageAndRewritesItUnchanged)
{
    struct Case
    {
        const char *file;
        std::vector<std::string> maps;
        std::vector<int> zones;
    };
    const Case cases[] = {
        {"upper-crlf.htm", {"rdc"}, {3}},
        {"lower-lf.htm", {"village"}, {2}},
        {"latin1-meta.htm", {"bâtiments"}, {2}},
        {"utf8-bom.htm", {"carré"}, {1}},
        {"no-body.htm", {"fragment"}, {1}},
        {"no-maps.htm", {}, {}},
        {"script-comments.htm", {"vraie"}, {1}},
        {"xhtml.htm", {"plan", "village"}, {1, 1}},
        {"every-attribute.htm", {"Tout"}, {4}},
        {"empty-maps.htm", {"vide", "fond"}, {0, 0}},
        {"inline-blocks.htm", {"un", "deux"}, {1, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const SiteCopy site(std::string(SHELL_DATA_DIR "/corpus/") + c.file, c.file);
        const std::string original = site.bytes();

        const ProgramResult list = ProgramRun::run({"--list", site.page()});
        EXPECT_EQ(list.exitCode, 0) << list.err;
        bool valid = false;
        const QJsonArray maps = listedMaps(list.out, &valid);
        EXPECT_TRUE(valid) << list.out;
        EXPECT_EQ(mapNames(maps), c.maps);
        EXPECT_EQ(zoneCounts(maps), c.zones);

        const ProgramResult rewrite = ProgramRun::run({"--rewrite", site.page()});
        EXPECT_EQ(rewrite.exitCode, 0) << rewrite.err;
        EXPECT_EQ(site.bytes(), withFinalLineBreak(original));
    }
}
