#include "ChildProcess.h"
#include "ListingJson.h"
#include "ProgramRun.h"
#include "ScratchFolder.h"
#include "SiteCopy.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const std::string goldenFolder = SHELL_DATA_DIR "/golden/";

QJsonArray listing(const std::string &page)
{
    return listedMaps(ProgramRun::run({"--list", page}).out);
}

// A page that the rewrite would change, so that a write that went through would show.
const char *handwrittenPage = SHELL_DATA_DIR "/golden/handwritten/input.htm";

void expectRewriteRefused(const SiteCopy &site, const std::string &before)
{
    const ProgramResult result =
        ProgramRun::run({"--rewrite", site.page()}, ChildProcess::User::Unprivileged);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.starts_with(site.page() + ": ")) << result.err;
    EXPECT_EQ(site.bytes(), before);
}

} // namespace

TEST(BatchRewrite, WritesTheGoldenPageThenChangesNothingMore)
{
    struct Case
    {
        std::string input;
        std::string expected;
    };
    const Case cases[] = {
        // The demo is written as the editor writes it: saving it changes nothing.
        {DEMO_DIR "/index.htm", DEMO_DIR "/index.htm"},
        {goldenFolder + "handwritten/input.htm", goldenFolder + "handwritten/expected.htm"},
        {goldenFolder + "latin1-missing-image/input.htm",
         goldenFolder + "latin1-missing-image/expected.htm"},
        {goldenFolder + "same-name/input.htm", goldenFolder + "same-name/expected.htm"},
    };
    for (const auto &[input, expected] : cases) {
        SCOPED_TRACE(input);
        const SiteCopy site(input);
        const QJsonArray mapsBefore = listing(site.page());
        ASSERT_FALSE(mapsBefore.isEmpty());

        const ProgramResult first = ProgramRun::run({"--rewrite", site.page()});
        EXPECT_EQ(first.exitCode, 0);
        EXPECT_EQ(first.out + first.err, "");
        EXPECT_EQ(site.bytes(), ScratchFolder::readBytes(expected));
        EXPECT_EQ(listing(site.page()), mapsBefore) << "the editor reads back what it read";

        const std::string once = site.bytes();
        EXPECT_EQ(ProgramRun::run({"--rewrite", site.page()}).exitCode, 0);
        EXPECT_EQ(site.bytes(), once);
        EXPECT_EQ(site.folder().list(), (std::vector<std::string>{"images", "page.htm"}));
    }
}

// A page with nothing the editor may write again keeps its bytes, its missing final line break
// too, and no temporary file is left beside it, even in a folder that may not be written to.
TEST(BatchRewrite, APageWithNothingToWriteKeepsItsBytes)
{
    const std::string pages[] = {
        "<P>Pas de map</P>",
        "<MAP NAME=\"a\"><?php echo $zones; ?><AREA COORDS=\"1,2,3,4\"></MAP>",
    };
    for (const std::string &bytes : pages) {
        for (const bool readOnlyFolder : {false, true}) {
            SCOPED_TRACE(bytes + (readOnlyFolder ? " (read-only folder)" : ""));
            ScratchFolder scratch;
            const std::string page = scratch.write("page.htm", bytes);
            ChildProcess::handOver(scratch.path());
            if (readOnlyFolder)
                ::chmod(scratch.path().c_str(), 0555);
            const ProgramResult result =
                ProgramRun::run({"--rewrite", page}, ChildProcess::User::Unprivileged);
            EXPECT_EQ(result.exitCode, 0);
            EXPECT_EQ(result.err, "");
            EXPECT_EQ(ScratchFolder::readBytes(page), bytes);
            EXPECT_EQ(scratch.list(), std::vector<std::string>{"page.htm"});
        }
    }
}

TEST(BatchRewrite, LeavesAPageInAReadOnlyFolderUnchanged)
{
    const SiteCopy site(handwrittenPage);
    const std::string before = site.bytes();
    ChildProcess::handOver(site.folder().path());
    ::chmod(site.folder().path().c_str(), 0555);
    expectRewriteRefused(site, before);
    EXPECT_EQ(site.folder().list(), (std::vector<std::string>{"images", "page.htm"}));
}

// A page without write permission is refused and stays as it was; the save must
// not replace it through its folder's permission.
TEST(BatchRewrite, LeavesAReadOnlyPageUnchanged)
{
    const SiteCopy site(handwrittenPage);
    const std::string before = site.bytes();
    ChildProcess::handOver(site.folder().path());
    ::chmod(site.page().c_str(), 0444);
    expectRewriteRefused(site, before);
}

// An end tag inside a comment is not markup: the map keeps the AREA that follows the
// comment. A regenerated block would lose the comment, so the map stays as it is.
TEST(BatchRewrite, EndTagInsideACommentDoesNotCloseTheMap)
{
    ScratchFolder scratch;
    const std::string page = scratch.write(
        "page.htm", "<HTML><BODY>\r\n<MAP NAME=\"a\">\r\n<!-- ancienne fin : </MAP> -->\r\n"
                    "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\">\r\n</MAP>\r\n"
                    "</BODY></HTML>\r\n");
    const std::string before = ScratchFolder::readBytes(page);
    EXPECT_EQ(zoneCounts(listing(page)), std::vector<int>{1});
    EXPECT_EQ(ProgramRun::run({"--rewrite", page}).exitCode, 0);
    EXPECT_EQ(ScratchFolder::readBytes(page), before);
}
