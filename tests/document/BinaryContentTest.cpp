#include "document/BinaryContent.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

TEST(BinaryContentTest, PicturesAndBinaryFilesAreToldFromPages)
{
    using namespace std::string_literals;
    const std::pair<std::string, std::string> cases[] = {
        {"<html><body></body></html>", ""},
        {"", ""},
        {"BMW et Audi : <map name=\"m\"></map>", ""},
        {"\xFF\xFE<\0h\0"s, ""},
        {"GIF89a\x10\0\x10\0"s, "une image GIF"},
        {"GIF87a...", "une image GIF"},
        {"\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, "une image PNG"},
        {"\xFF\xD8\xFF\xE0\0\x10JFIF"s, "une image JPEG"},
        {"BM\x36\0\0\0\0\0"s, "une image BMP"},
        {"RIFF\x24\0\0\0WEBPVP8 "s, "une image WebP"},
        {"<html>\0</html>"s, "un fichier binaire"},
        {std::string(9000, 'a') + '\0', ""},
    };
    for (const auto &[bytes, kind] : cases)
        EXPECT_EQ(binaryKindOf(bytes), kind) << ::testing::PrintToString(bytes.substr(0, 16));
}

} // namespace
} // namespace areamaker
