#include "document/MarkupScanner.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

// The scan that finds a tag's end also reads its attributes, which the reader then takes for
// those a parse of the tag's text finds: on every tag it calls sound, the two must agree.
TEST(TagScan, ReadsTheAttributesAParseOfTheTagFinds)
{
    const char *tags[] = {
        "<area shape=rect coords=\"1,2,3,4\" href='a b.htm' alt = \"x\" nohref>",
        "<area/coords=1,2,3,4/href=x/>",
        "<AREA a b=c d = 'e' f=\"g\"\r\n\tTITLE=\"t\">",
        "<area href=a\"b alt='>'>",
        "<area title=\"<b>gras</b>\" alt=\"\">",
        "<area  >",
        "<area/>",
        "<area a=b/>",
        "<area a=b />",
        "<area a = / b>",
        "<area a\"b=c>",
        "<area da{ta=1 a'b=\"c\" e<f=g\tÉté=h>",
        "<area",
    };
    for (const std::string tag : tags) {
        SCOPED_TRACE(tag);
        const std::string page = "avant " + tag + " après";
        std::vector<TagAttribute> scanned;
        const MarkupScanner::TagScan scan = MarkupScanner::scanTag(page, 6, &scanned);
        if (tag == "<area") {
            EXPECT_FALSE(scan.sound()) << "a tag left open";
            continue;
        }
        ASSERT_TRUE(scan.sound());
        ASSERT_EQ(scan.end, 6 + tag.size());
        EXPECT_EQ(scanned, MarkupScanner::attributes(tag));
        EXPECT_EQ(scanned.size(), TagView(tag).attributes().size());
    }
}

// Where the scan finds something amiss it says so, and the reader parses the tag on its own.
TEST(TagScan, SaysWhatIsAmiss)
{
    const std::pair<const char *, bool MarkupScanner::TagScan::*> cases[] = {
        {"<area =x>", &MarkupScanner::TagScan::strayEquals},
        {"<area a=>", &MarkupScanner::TagScan::strayEquals},
        {"<area a=\"x>", &MarkupScanner::TagScan::strayQuote},
        {"<area a=<?= $x ?>>", &MarkupScanner::TagScan::serverCode},
        // Found by the fuzzer: the only '>' lies in a quoted value that closes.
        {"<area b=\"c</td>\", d", &MarkupScanner::TagScan::ranOut},
    };
    for (const auto &[tag, flag] : cases) {
        SCOPED_TRACE(tag);
        std::vector<TagAttribute> scanned;
        const MarkupScanner::TagScan scan = MarkupScanner::scanTag(tag, 0, &scanned);
        EXPECT_TRUE(scan.*flag);
        EXPECT_FALSE(scan.sound());
    }
}

} // namespace
} // namespace areamaker
