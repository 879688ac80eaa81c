#include "document/ImgTagBinder.h"

#include "DocumentFixture.h"

namespace areamaker {
namespace {

using ImgTagBinderTest = testing::DocumentFixture;

TEST_F(ImgTagBinderTest, RewriteKeepsAttributesWhereTheyStand)
{
    struct Case
    {
        bool noBorder;
        ImgTagUpdate request;
        const char *tag;
        const char *expected;
    };
    const Case cases[] = {
        {false,
         {0, "new.gif", "new", "old", 30, 40},
         "<img src=\"a.gif\" width=\"1\" height=\"2\" USEMAP=\"#old\">",
         "<img SRC=\"new.gif\" WIDTH=\"30\" HEIGHT=\"40\" USEMAP=\"#new\">"},
        {false,
         {0, "n.gif", "m", "", 0, 0},
         "<img src=a.gif alt=\"b\">",
         "<img SRC=\"n.gif\" alt=\"b\" USEMAP=\"#m\">"},
        {false,
         {0, "n.gif", "m", "", 0, 0},
         "<img\n\tsrc='a.gif'\n\tusemap='#x'>",
         "<img\n\tSRC=\"n.gif\"\n\tUSEMAP=\"#m\">"},
        {false,
         {0, "n.gif", "m", "", 0, 0},
         "<img alt=\"SRC=x\">",
         "<img alt=\"SRC=x\" USEMAP=\"#m\">"},
        {true,
         {0, "", "m", "", 0, 0},
         "<img src=\"a.gif\">",
         "<img src=\"a.gif\" BORDER=\"0\" USEMAP=\"#m\">"},
        {true,
         {0, "", "m", "", 0, 0},
         "<img src=a.gif alt=>",
         "<img USEMAP=\"#m\" BORDER=\"0\" src=a.gif alt=>"},
        {true,
         {0, "", "m", "", 0, 0},
         "<img border=2 src=\"a.gif\">",
         "<img BORDER=\"0\" src=\"a.gif\" USEMAP=\"#m\">"},
        {true,
         {0, "", "", "", 0, 0},
         "<img src=\"a.gif\" USEMAP=\"#m\" alt=\"\">",
         "<img src=\"a.gif\" alt=\"\">"},
        {false,
         {0, "", "m", "", 5, 0},
         "<img src=\"a.gif\" />",
         "<img src=\"a.gif\" WIDTH=\"5\" USEMAP=\"#m\" />"},
        {false, {0, "", "m", "", 0, 0}, "<IMG>", "<IMG USEMAP=\"#m\">"},
    };
    for (const Case &c : cases) {
        std::string tag = c.tag;
        ImgTagBinder(c.noBorder).RewriteImgTag(tag, c.request);
        EXPECT_EQ(tag, c.expected) << c.tag;
    }
}

TEST_F(ImgTagBinderTest, UpdateTouchesOnlyTheTagsOfTheOldName)
{
    std::string text = "<img usemap=\"#old\"><IMG USEMAP=\"#old2\"><img usemap=\"#Old\">"
                       "<!-- <img usemap=\"#old\"> --><img usemap=\"#old\" src=\"a\">";
    ImgTagBinder(false).UpdateImgTags(text, {0, "", "new", "old", 0, 0});
    EXPECT_EQ(text, "<img USEMAP=\"#new\"><IMG USEMAP=\"#old2\"><img usemap=\"#Old\">"
                    "<!-- <img usemap=\"#old\"> --><img USEMAP=\"#new\" src=\"a\">");
}

TEST_F(ImgTagBinderTest, InsertNewImageAtTheStartOfTheBody)
{
    struct Case
    {
        bool noBorder;
        const char *page;
        const char *expected;
    };
    const Case cases[] = {
        {false, "<html><BODY bgcolor=\"white\">\r\n<p>x</p></body>",
         "<html><BODY bgcolor=\"white\">\r\n<IMG SRC=\"img/a.gif\" WIDTH=\"20\" HEIGHT=\"10\" "
         "USEMAP=\"#m\">\r\n<p>x</p></body>"},
        {true, "<body><p>x</p>\n",
         "<body>\n<IMG SRC=\"img/a.gif\" WIDTH=\"20\" HEIGHT=\"10\" USEMAP=\"#m\" "
         "BORDER=\"0\">\n<p>x</p>\n"},
        {false, "<!-- <body> --><body\nclass=\"a\"><p>x</p>",
         "<!-- <body> --><body\nclass=\"a\">\n<IMG SRC=\"img/a.gif\" WIDTH=\"20\" "
         "HEIGHT=\"10\" USEMAP=\"#m\">\n<p>x</p>"},
    };
    for (const Case &c : cases) {
        std::string text = c.page;
        ASSERT_TRUE(
            ImgTagBinder(c.noBorder).InsertNewImage(text, {0, "img/a.gif", "m", "", 20, 10}));
        EXPECT_EQ(text, c.expected);
    }
}

TEST_F(ImgTagBinderTest, InsertIntoAPageWithoutBodyChangesNothing)
{
    std::string text = "<p>fragment</p><!-- <body> -->";
    EXPECT_FALSE(ImgTagBinder(false).InsertNewImage(text, {0, "a.gif", "m", "", 1, 1}));
    EXPECT_EQ(text, "<p>fragment</p><!-- <body> -->");
}

TEST_F(ImgTagBinderTest, BindOnlyTheTagAtThePosition)
{
    const std::string page = "<p><img src=\"a.gif\"> <img src=\"b.gif\" width=\"5\"></p>";
    std::string text = page;
    const ImgTagBinder binder(true);
    EXPECT_FALSE(binder.BindImgTagAt(text, {4, "", "m", "", 0, 0})) << "no tag starts there";
    EXPECT_EQ(text, page);
    ASSERT_TRUE(binder.BindImgTagAt(text, {21, "", "m", "", 40, 30}));
    EXPECT_EQ(text, "<p><img src=\"a.gif\"> <img src=\"b.gif\" WIDTH=\"40\" BORDER=\"0\" "
                    "HEIGHT=\"30\" USEMAP=\"#m\"></p>");
}

} // namespace
} // namespace areamaker
