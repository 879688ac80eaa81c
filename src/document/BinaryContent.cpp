#include "document/BinaryContent.h"

#include <algorithm>

namespace areamaker {

namespace {

// A text has no NUL byte in its first 8 KB.
constexpr std::size_t ProbedBytes = 8192;

struct Signature
{
    std::string_view start;
    std::string_view kind;
};

constexpr Signature Pictures[] = {
    {"GIF87a", "une image GIF"},
    {"GIF89a", "une image GIF"},
    {"\x89PNG\r\n\x1a\n", "une image PNG"},
    {"\xFF\xD8\xFF", "une image JPEG"},
    {"BM", "une image BMP"},
};

bool isWebp(std::string_view bytes)
{
    return bytes.size() >= 12 && bytes.starts_with("RIFF") && bytes.substr(8, 4) == "WEBP";
}

bool isUtf16(std::string_view bytes)
{
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

} // namespace

std::string binaryKindOf(std::string_view bytes)
{
    if (isUtf16(bytes))
        return {};
    if (isWebp(bytes))
        return "une image WebP";
    const std::string_view head = bytes.substr(0, ProbedBytes);
    const bool hasNul = std::find(head.begin(), head.end(), '\0') != head.end();
    for (const Signature &picture : Pictures) {
        // "BM" also starts words: a bitmap is told by the NUL bytes of its header as well.
        if (bytes.starts_with(picture.start) && (picture.start != "BM" || hasNul))
            return std::string(picture.kind);
    }
    return hasNul ? "un fichier binaire" : std::string();
}

} // namespace areamaker
