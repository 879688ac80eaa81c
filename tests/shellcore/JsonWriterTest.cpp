#include "shell/JsonWriter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using areamaker::JsonWriter;

TEST(JsonWriter, EscapesWhatJsonForbidsAndKeepsEverythingElse)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "\"\""},
        {"plain text", "\"plain text\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"C:\\pages\\a.htm", "\"C:\\\\pages\\\\a.htm\""},
        {"a\r\nb\tc", "\"a\\r\\nb\\tc\""},
        {std::string("nul\0end", 7), "\"nul\\u0000end\""},
        {"\x01\x1f", "\"\\u0001\\u001f\""},
        {"\x7f", "\"\x7f\""},
        {"été €", "\"été €\""},
        {"</script>", "\"</script>\""},
    };
    for (const auto &[text, json] : cases) {
        SCOPED_TRACE(text);
        std::ostringstream out;
        JsonWriter(out).string(text);
        EXPECT_EQ(out.str(), json);
    }
}

TEST(JsonWriter, NumbersKeepTheirSignAndEveryDigit)
{
    std::ostringstream out;
    JsonWriter(out).number(0).raw(',').number(-2147483648LL).raw(",").number(9007199254740993LL);
    EXPECT_EQ(out.str(), "0,-2147483648,9007199254740993");
}

// Text of several megabytes, in pieces of every size, comes out whole and in order, and is
// handed on while it is written rather than held until the end.
TEST(JsonWriter, LongTextIsHandedOnAsItIsWritten)
{
    for (const std::size_t piece : {std::size_t{1}, std::size_t{1000}, std::size_t{300000}}) {
        SCOPED_TRACE(piece);
        std::ostringstream out;
        std::string expected;
        {
            JsonWriter writer(out);
            for (std::size_t i = 0; expected.size() < (std::size_t{5} << 20); ++i) {
                const std::string text(piece, static_cast<char>('a' + i % 26));
                writer.raw(",").string(text);
                expected += ",\"" + text + '"';
            }
            EXPECT_GT(out.str().size(), expected.size() - (std::size_t{1} << 20));
        }
        EXPECT_TRUE(out.str() == expected);
    }
}
