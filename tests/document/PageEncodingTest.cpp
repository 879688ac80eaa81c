#include "document/PageEncoding.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

TEST(PageEncodingTest, DetectionOrder)
{
    using Kind = PageEncoding::Kind;
    struct Case
    {
        const char *page;
        Kind kind;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF<meta charset=\"iso-8859-1\">\xE9", Kind::Utf8},
        {"<meta charset=\"ISO-8859-1\"><p>caf\xC3\xA9</p>", Kind::Windows1252},
        {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">",
         Kind::Windows1252},
        {"<meta http-equiv=content-type content='text/html;charset=utf-8'>\xE9", Kind::Utf8},
        {"<meta charset=iso-8859-15>", Kind::Latin9},
        {"<meta charset=\"klingon\"><p>caf\xC3\xA9</p>", Kind::Utf8},
        {"<p>caf\xC3\xA9</p>", Kind::Utf8},
        {"<p>caf\xE9</p>", Kind::Windows1252},
        {"<!-- <meta charset=\"iso-8859-1\"> --><p>caf\xC3\xA9</p>", Kind::Utf8},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PageEncoding::detect(c.page).kind(), c.kind) << c.page;
}

TEST(PageEncodingTest, DecodeForDisplay)
{
    EXPECT_EQ(PageEncoding(PageEncoding::Kind::Windows1252).decode("caf\xE9 \x80 \x9C"),
              "café € œ");
    EXPECT_EQ(PageEncoding(PageEncoding::Kind::Latin9).decode("\xA4"), "€");
    EXPECT_EQ(PageEncoding(PageEncoding::Kind::Utf8).decode("ok\xFF"), "ok\xEF\xBF\xBD");
}

TEST(PageEncodingTest, EncodeKeepsWhatTheEncodingCannotHold)
{
    const PageEncoding latin(PageEncoding::Kind::Windows1252);
    EXPECT_EQ(latin.encode("Entrée € – 漢"), "Entr\xE9"
                                             "e \x80 \x96 &#28450;");
    EXPECT_EQ(PageEncoding(PageEncoding::Kind::Latin9).encode("½"), "&#189;");
    EXPECT_EQ(PageEncoding(PageEncoding::Kind::Utf8).encode("漢"), "漢");
    for (const char *text : {"Entrée", "œuvre €", "plain"})
        EXPECT_EQ(latin.decode(latin.encode(text)), text);
}

} // namespace
} // namespace areamaker
