#include "document/Paths.h"

#include "FakeFileSystem.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

struct PathCase
{
    PathStyle style;
    const char *input;
    const char *document;
    const char *expected;
};

TEST(PathsTest, ResolvePathFollowsTheDocumentFolder)
{
    const PathCase cases[] = {
        {PathStyle::Windows, "images/pic.gif", "C:\\site\\page.htm", "C:\\site\\images\\pic.gif"},
        {PathStyle::Windows, "../img/a.gif", "C:\\site\\pages\\p.htm", "C:\\site\\img\\a.gif"},
        {PathStyle::Windows, "../../a.gif", "C:\\x\\y\\p.htm", "C:\\a.gif"},
        {PathStyle::Windows, "/img/a.gif", "C:\\site\\p.htm", "C:\\site\\img\\a.gif"},
        {PathStyle::Windows, "D:\\art\\a.gif", "C:\\site\\p.htm", "D:\\art\\a.gif"},
        {PathStyle::Posix, "images/pic.gif", "/srv/site/page.htm", "/srv/site/images/pic.gif"},
        {PathStyle::Posix, "../img/a.gif", "/srv/site/pages/p.htm", "/srv/site/img/a.gif"},
        {PathStyle::Posix, "/img/a.gif", "/srv/site/p.htm", "/srv/site/img/a.gif"},
        {PathStyle::Posix, "img\\a.gif", "/srv/site/p.htm", "/srv/site/img/a.gif"},
    };
    for (const PathCase &c : cases)
        EXPECT_EQ(ResolvePath(c.input, c.document, c.style), c.expected) << c.input;
}

TEST(PathsTest, RelativePathUsesSlashesAndNeverAnAbsolutePath)
{
    const PathCase cases[] = {
        {PathStyle::Windows, "C:\\site\\img\\a.gif", "C:\\site\\page.htm", "img/a.gif"},
        {PathStyle::Windows, "C:\\img\\a.gif", "C:\\site\\page.htm", "../img/a.gif"},
        {PathStyle::Windows, "D:\\a.gif", "C:\\site\\page.htm", "a.gif"},
        {PathStyle::Windows, "c:\\SITE\\a.gif", "C:\\site\\page.htm", "a.gif"},
        {PathStyle::Windows, "C:\\site\\a.gif", "", "a.gif"},
        {PathStyle::Posix, "/srv/site/img/a.gif", "/srv/site/page.htm", "img/a.gif"},
        {PathStyle::Posix, "/srv/img/a.gif", "/srv/site/page.htm", "../img/a.gif"},
        {PathStyle::Posix, "/other/a.gif", "/srv/site/page.htm", "../../other/a.gif"},
        {PathStyle::Posix, "/srv/site/a.gif", "/srv/site/page.htm", "a.gif"},
        {PathStyle::Posix, "/srv/site/a.gif", "", "a.gif"},
    };
    for (const PathCase &c : cases)
        EXPECT_EQ(RelativePath(c.input, c.document, c.style), c.expected) << c.input;
}

TEST(PathsTest, RelativeThenResolvedGivesTheImageBack)
{
    const char *document = "/srv/site/pages/p.htm";
    for (const char *image : {"/srv/site/pages/a.gif", "/srv/site/img/b.png", "/c.jpg"})
        EXPECT_EQ(ResolvePath(RelativePath(image, document, PathStyle::Posix), document,
                              PathStyle::Posix),
                  image);
}

TEST(PathsTest, SplittingPathsInBothStyles)
{
    EXPECT_EQ(ParentFolder("C:\\site\\page.htm", PathStyle::Windows), "C:\\site\\");
    EXPECT_EQ(ParentFolder("page.htm", PathStyle::Windows), "");
    EXPECT_EQ(FileNamePart("C:\\site\\page.htm", PathStyle::Windows), "page.htm");
    EXPECT_EQ(FileNamePart("page.htm", PathStyle::Windows), "page.htm");
    EXPECT_EQ(ParentFolder("/srv/site/page.htm", PathStyle::Posix), "/srv/site/");
    EXPECT_EQ(FileNamePart("/srv/site/page.htm", PathStyle::Posix), "page.htm");
    EXPECT_EQ(SwapSeparators("a/b\\c/d", true), "a\\b\\c\\d");
    EXPECT_EQ(SwapSeparators("a/b\\c/d", false), "a/b/c/d");
}

TEST(PathsTest, MessagesAndComparisonsFollowTheSystemsCase)
{
    EXPECT_EQ(shownPath("C:\\Site\\Page.htm", PathStyle::Windows), "C:\\SITE\\PAGE.HTM");
    EXPECT_EQ(shownPath("/srv/Site/page.htm", PathStyle::Posix), "/srv/Site/page.htm");
    EXPECT_TRUE(samePath("C:\\site\\page.htm", "c:\\SITE\\PAGE.HTM", PathStyle::Windows));
    EXPECT_FALSE(samePath("/srv/site/page.htm", "/srv/SITE/page.htm", PathStyle::Posix));
    EXPECT_TRUE(samePath("/srv/site/page.htm", "/srv/site/page.htm", PathStyle::Posix));
}

TEST(PathsTest, FileStampFormatsHoursWithoutLeadingZero)
{
    testing::FakeFileSystem files;
    files.put("/p.htm", "x");
    for (int i = 0; i < 4; ++i)
        files.touch("/p.htm");
    EXPECT_EQ(FileStamp("/p.htm", files), "2003/05/17 9:00:05");
    EXPECT_EQ(FileStamp("/missing.htm", files), "");
}

TEST(PathsTest, OnlyAPathFromTheRootIsAbsolute)
{
    struct Case
    {
        PathStyle style;
        const char *path;
        bool absolute;
    };
    const Case cases[] = {
        {PathStyle::Windows, "C:\\site\\new.htm", true},
        {PathStyle::Windows, "\\site\\new.htm", false},
        {PathStyle::Windows, "site\\new.htm", false},
        {PathStyle::Windows, "C:new.htm", false},
        {PathStyle::Posix, "/home/ana/new.htm", true},
        {PathStyle::Posix, "new.htm", false},
        {PathStyle::Posix, "./new.htm", false},
        {PathStyle::Posix, "C:\\site\\new.htm", false},
        {PathStyle::Posix, "", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(isAbsolutePath(c.path, c.style), c.absolute) << c.path;
}

} // namespace
} // namespace areamaker
