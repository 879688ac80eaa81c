#include "ListingJson.h"
#include "PageBytes.h"
#include "ProgramRun.h"
#include "ScratchFolder.h"
#include "SiteCopy.h"

#include "adapters/PosixFileSystem.h"
#include "adapters/QtImageProbe.h"
#include "shell/HeadlessSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

// Pages written the way sites write them. Each folder under pages/ holds the page and the
// exact page a rewrite must leave; the pages find their pictures in pages/images/.
namespace {

const std::string pagesFolder = SHELL_DATA_DIR "/pages/";

struct PageCase
{
    const char *name;
    int maps;
};

const PageCase pageCases[] = {
    {"already-in-editor-form", 1},
    {"area-tags-over-several-lines", 1},
    {"blanks-around-equals", 1},
    {"attribute-order-and-case", 1},
    {"blocks-inline-in-table", 2},
    {"coordinates-blanks-fractions", 1},
    {"crlf-ending-on-map", 1},
    {"double-quote-in-single-quoted-value", 1},
    {"empty-map-and-end-tags", 3},
    {"fragment-without-body", 1},
    {"full-rectangle-size-mismatch", 1},
    {"html32-menu-bar", 1},
    {"html401-floor-plan", 1},
    {"html5-polygon-closing-vertex", 1},
    {"hundreds-of-maps", 300},
    {"latin1-meta-charset", 1},
    {"lf-without-final-break", 1},
    {"long-line", 4},
    {"missing-image-default", 1},
    {"missing-images", 2},
    {"mixed-breaks-crlf-first", 1},
    {"mixed-breaks-lf-first", 1},
    {"no-maps", 0},
    {"overlib-tooltips", 1},
    {"php-around-maps", 1},
    {"php-in-attribute-values", 1},
    {"same-name-maps", 2},
    {"script-and-comment-map-text", 1},
    {"shape-absent-and-default", 1},
    {"shape-synonyms", 1},
    {"single-quoted-values", 1},
    {"template-loop", 2},
    {"template-tags", 1},
    {"unclosed-map", 3},
    {"unknown-shape", 1},
    {"unquoted-values", 1},
    {"utf8-bom", 1},
    {"xhtml-id-maps", 2},
    {"xhtml10-country-map", 1},
};

// The case's page in its own folder of a scratch copy, beside the shared pictures.
SiteCopy copyOf(const PageCase &c)
{
    return SiteCopy(pagesFolder + c.name + "/input.htm", std::string(c.name) + "/page.htm",
                    pagesFolder + "images");
}

QJsonArray listing(const std::string &page)
{
    const ProgramResult result = ProgramRun::run({"--list", page});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    bool valid = false;
    const QJsonArray maps = listedMaps(result.out, &valid);
    EXPECT_TRUE(valid) << result.out;
    return maps;
}

void rewrite(const std::string &page)
{
    const ProgramResult result = ProgramRun::run({"--rewrite", page});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out + result.err, "");
}

// Opens and saves the page as the editor does when the user changed nothing.
void openAndSave(const std::string &page)
{
    areamaker::PosixFileSystem files;
    areamaker::QtImageProbe images;
    areamaker::HeadlessSession session(files, images);
    areamaker::DocumentLifecycle &lifecycle = session.lifecycle();
    ASSERT_TRUE(lifecycle.OpenDocument(page, true)) << lifecycle.lastError();
    EXPECT_TRUE(lifecycle.SaveDocument()) << lifecycle.lastError();
}

// Names the case in test output instead of dumping its bytes.
void PrintTo(const PageCase &c, std::ostream *out)
{
    *out << c.name;
}

std::string testName(const testing::TestParamInfo<PageCase> &info)
{
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

class PageRoundTrip : public testing::TestWithParam<PageCase>
{
};

} // namespace

TEST_P(PageRoundTrip, RewriteGivesTheExpectedPageAndIsStable)
{
    const PageCase &c = GetParam();
    const SiteCopy site = copyOf(c);
    const QJsonArray maps = listing(site.page());
    EXPECT_EQ(maps.size(), c.maps);

    rewrite(site.page());
    const std::string once = site.bytes();
    EXPECT_EQ(once, ScratchFolder::readBytes(pagesFolder + c.name + "/expected.htm"));
    EXPECT_EQ(listing(site.page()), maps) << "the editor reads back what it read";

    rewrite(site.page());
    EXPECT_EQ(site.bytes(), once);
}

TEST_P(PageRoundTrip, SavingWithoutEditsKeepsEveryByte)
{
    const SiteCopy site = copyOf(GetParam());
    const std::string original = site.bytes();
    openAndSave(site.page());
    EXPECT_EQ(site.bytes(), original);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageRoundTrip, testing::ValuesIn(pageCases), testName);
