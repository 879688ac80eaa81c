#include "shell/DialogTextRules.h"
#include "shell/ImagePreview.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

using namespace DialogTextRules;

TEST(DialogTextRulesTest, DefaultLinkCompletionsSelectWhatWasAdded)
{
    struct Case
    {
        const char *typed;
        std::optional<TextEdit> result;
    };
    const Case cases[] = {
        {"htt", TextEdit{"http://www.", 3, 8}},
        {"ft", TextEdit{"ftp://ftp.", 2, 8}},
        {"teln", TextEdit{"telnet://", 4, 5}},
        {"gop", TextEdit{"gopher://", 3, 6}},
        {"ftp", std::nullopt},
        {"HTT", std::nullopt},
        {"", std::nullopt},
        {"mail", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(completeDefaultLink(c.typed), c.result) << c.typed;
}

TEST(DialogTextRulesTest, AnAddressWithAccentsIsSelectedInCharacters)
{
    std::int16_t last = NoCompletion;
    EXPECT_EQ(completeHyperlink("mail", last, "léa@été.fr"),
              (TextEdit{"mailto:léa@été.fr", 7, 10}));
    EXPECT_EQ(last, MailCompletion);
    EXPECT_EQ(completeHyperlink("mail", last, "x@y.z"), std::nullopt);
}

TEST(DialogTextRulesTest, TheTitleFollowsWhileItEqualsTheTextLessItsLastCharacter)
{
    struct Case
    {
        const char *alt;
        const char *title;
        std::optional<std::string> result;
    };
    const Case cases[] = {
        {"a", "", "a"}, {"ab", "a", "ab"}, {"ab", "x", std::nullopt},  {"", "", std::nullopt},
        {"é", "", "é"}, {"aé", "a", "aé"}, {"ab", "ab", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(titleFollowingAlt(c.alt, c.title), c.result) << c.alt << "|" << c.title;
}

TEST(DialogTextRulesTest, EveryQuoteNeedsABackslashBeforeIt)
{
    const std::pair<const char *, bool> cases[] = {
        {"", false},        {"\"", true},     {"\\\"", false},     {"a\\\"b\\\"", false},
        {"a\\\"b\"", true}, {"\"\\\"", true}, {"'single'", false},
    };
    for (const auto &[text, bad] : cases)
        EXPECT_EQ(hasUnescapedQuote(text), bad) << text;
    EXPECT_EQ(completeScript("jav"), (TextEdit{"javascript:function()", 11, 10}));
    EXPECT_EQ(completeScript("java"), std::nullopt);
}

TEST(DialogTextRulesTest, FileSizesInKoUseTheUsersSeparator)
{
    struct Case
    {
        std::uintmax_t bytes;
        const char *separator;
        const char *text;
    };
    const Case cases[] = {
        {2048, ".", "Image 2 Ko"},     {1536, ".", "Image 1.5 Ko"},
        {150000, ".", "Image 146 Ko"}, {500, ".", "Image 0.48 Ko"},
        {500, ",", "Image 0,48 Ko"},   {12636, ",", "Image 12,3 Ko"},
        {102400, ".", "Image 100 Ko"}, {0, ".", "Image 0 Ko"},
        {1, ".", "Image 0.00 Ko"},     {50 * 1024 * 1024, ".", "Image 51200 Ko"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fileSizeText(c.bytes, c.separator), c.text) << c.bytes;
    EXPECT_EQ(pixelSizeText({300, 100}), "300 x 100 pixels");
}

TEST(DialogTextRulesTest, PreviewsFitTheirLongerSideWithoutEnlargingAndAreCentred)
{
    struct Case
    {
        ImageSize picture;
        PreviewBox box;
    };
    const ImageSize frame{150, 120};
    const Case cases[] = {
        {{300, 100}, {0, 35, 150, 50}},   // wider than the frame: a third as high
        {{100, 60}, {25, 30, 100, 60}},   // smaller: natural size, centred
        {{100, 300}, {55, 0, 40, 120}},   // portrait: held by its height
        {{200, 200}, {0, -15, 150, 150}}, // square counts as landscape
        {{140, 130}, {5, -5, 140, 130}},  // only the governing side is compared
        {{150, 120}, {0, 0, 150, 120}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fitPreview(c.picture, frame), c.box)
            << c.picture.width << "x" << c.picture.height;
}

} // namespace
} // namespace areamaker
