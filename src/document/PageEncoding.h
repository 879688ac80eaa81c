#pragma once

#include <string>
#include <string_view>

namespace areamaker {

// The character encoding of a page: found from its bytes, used to show attribute values
// and to write typed values back. The page itself is never transcoded.
class PageEncoding
{
public:
    enum class Kind
    {
        Utf8,
        Windows1252,
        Latin9
    };

    PageEncoding() = default;
    explicit PageEncoding(Kind kind) : mKind(kind) {}

    // BOM, then a meta charset declaration, then UTF-8 when the bytes are valid UTF-8,
    // else Windows-1252.
    static PageEncoding detect(std::string_view page);
    static bool isValidUtf8(std::string_view bytes);

    Kind kind() const { return mKind; }
    // Page bytes to UTF-8; bytes that are not valid in the encoding become U+FFFD.
    std::string decode(std::string_view bytes) const;
    // Whether `decode` gives these very bytes back: ASCII in every encoding, valid UTF-8 in a
    // UTF-8 page. Such bytes can be used as they stand.
    bool decodesToItself(std::string_view bytes) const;
    // UTF-8 to page bytes; a character the encoding cannot hold becomes "&#N;".
    std::string encode(std::string_view utf8) const;

private:
    static bool fromCharsetName(std::string_view name, Kind &kind);
    static std::string_view declaredCharset(std::string_view page);

    Kind mKind = Kind::Utf8;
};

} // namespace areamaker
