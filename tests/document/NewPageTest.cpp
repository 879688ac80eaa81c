#include "document/NewPageText.h"
#include "document/PageEncoding.h"
#include "document/PageImages.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

TEST(NewPageTest, ATitleBeyondAsciiIsDeclaredAsUtf8AndMarkupInItIsEscaped)
{
    const std::string page = newPageText("été & <hiver>.htm");
    EXPECT_NE(page.find("\r\n\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                        "charset=UTF-8\">\r\n<TITLE>été &amp; &lt;hiver&gt;.htm</TITLE>\r\n"),
              std::string::npos)
        << page;
    EXPECT_EQ(PageEncoding::detect(page).kind(), PageEncoding::Kind::Utf8);
    EXPECT_EQ(newPageText("a&b.htm").find("META"), std::string::npos);
}

TEST(NewPageTest, PicturesAndMapNamesAreReadFromMarkupOnly)
{
    const std::string page = "<body><!-- <img src=\"c.gif\"> --><IMG SRC='a.gif' usemap=\"#One\">"
                             "<script>'<img src=\"s.gif\">'</script><img alt=x>\n"
                             "<img src=\"b&quot;.gif\" usemap=\"two\"><map name=\"One\"></map>"
                             "<!-- <map name=\"hidden\"> --><MAP NAME=three></MAP><map></map>";
    const std::vector<PageImage> images = PageImages::find(page);
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[0].position, page.find("<IMG"));
    EXPECT_EQ(images[0].src, "a.gif");
    EXPECT_EQ(images[0].mapName, "One");
    EXPECT_EQ(images[1].src, "");
    EXPECT_EQ(images[1].mapName, std::nullopt);
    EXPECT_EQ(images[2].src, "b\".gif");
    EXPECT_EQ(images[2].mapName, "two");
    EXPECT_EQ(PageImages::mapNames(page), (std::vector<std::string>{"One", "three"}));
}

} // namespace
} // namespace areamaker
