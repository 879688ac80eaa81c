#include "document/FileUrl.h"

#include <gtest/gtest.h>

#include <tuple>

namespace areamaker {
namespace {

TEST(FileUrlTest, PathsBecomePercentEncodedUrls)
{
    const std::tuple<std::string, PathStyle, std::string> cases[] = {
        {"/site/a b.htm", PathStyle::Posix, "file:///site/a%20b.htm"},
        {"/site/plan#2/index.htm", PathStyle::Posix, "file:///site/plan%232/index.htm"},
        {"/site/100%.htm", PathStyle::Posix, "file:///site/100%25.htm"},
        {"/site/été/maison.htm", PathStyle::Posix, "file:///site/%C3%A9t%C3%A9/maison.htm"},
        {"/a/b?c&d=e;f.htm", PathStyle::Posix, "file:///a/b%3Fc%26d%3De%3Bf.htm"},
        {"/x/~me/a-b_c.d", PathStyle::Posix, "file:///x/~me/a-b_c.d"},
        {"C:\\site\\a b.htm", PathStyle::Windows, "file:///C:/site/a%20b.htm"},
        {"\\\\server\\share\\p#1.htm", PathStyle::Windows, "file://server/share/p%231.htm"},
    };
    for (const auto &[path, style, url] : cases)
        EXPECT_EQ(FileUrl(path, style), url) << path;
}

} // namespace
} // namespace areamaker
