#include "document/DocumentLifecycle.h"

#include "DocumentFixture.h"
#include "document/TreeKeys.h"

namespace areamaker {
namespace {

using SaveWithPageEditTest = testing::DocumentFixture;

constexpr const char *Page = "<body>\n<p>x</p>\n</body>\n";

TEST_F(SaveWithPageEditTest, TheEditAndTheMapsReachTheFileInOneWrite)
{
    open(Page);
    document.AddImageMap("menu", "/site/img/menu.gif", "");
    const int writes = files.replaceCount;
    ASSERT_TRUE(lifecycle.SaveDocument([](std::string &text) {
        text.insert(text.find("<p>"), "<img usemap=\"#menu\">");
        return std::string();
    }));
    EXPECT_EQ(files.replaceCount, writes + 1);
    EXPECT_EQ(saved(), "<body>\n<img usemap=\"#menu\"><p>x</p>\n\n<MAP NAME=\"menu\">\n"
                       "<!--Source Map:|img/menu.gif|-->\n</MAP>\n</body>\n");
    EXPECT_FALSE(document.Maps[0].Modified);
}

TEST_F(SaveWithPageEditTest, AnEditThatCannotBeMadeWritesNothingAndKeepsTheMapsToSave)
{
    open(Page);
    document.AddImageMap("menu", "/site/img/menu.gif", "");
    views.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(lifecycle.SaveDocument([](std::string &) { return std::string("introuvable"); }));
    EXPECT_EQ(saved(), Page);
    EXPECT_EQ(views.messages.at(0).title, "Erreur: introuvable");
    EXPECT_TRUE(document.Maps[0].Modified);
    EXPECT_EQ(lifecycle.lastError(), "introuvable");
}

TEST_F(SaveWithPageEditTest, DroppingTheLastMapTakesItsNodesAndItsChangeBack)
{
    open(Page);
    document.AddImageMap("menu", "/site/img/menu.gif", "accueil.htm");
    ASSERT_NE(views.node(defaultRegionKey(0)), nullptr);
    EXPECT_TRUE(document.DocumentModified);
    document.dropLastMap();
    EXPECT_EQ(document.MapCount(), 0);
    EXPECT_EQ(views.node(mapKey(0)), nullptr);
    EXPECT_EQ(views.node(defaultRegionKey(0)), nullptr);
    EXPECT_FALSE(document.DocumentModified);
}

} // namespace
} // namespace areamaker
