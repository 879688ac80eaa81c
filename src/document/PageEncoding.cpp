#include "document/PageEncoding.h"

#include "document/AsciiText.h"
#include "document/MarkupScanner.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace areamaker {

namespace {

// Windows-1252 code points for bytes 0x80 to 0x9F; 0 marks the five undefined bytes.
constexpr std::array<char32_t, 32> windows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// ISO-8859-15 differs from Latin-1 in these eight places.
constexpr std::array<std::pair<unsigned char, char32_t>, 8> latin9Changes = {{
    {0xA4, 0x20AC},
    {0xA6, 0x0160},
    {0xA8, 0x0161},
    {0xB4, 0x017D},
    {0xB8, 0x017E},
    {0xBC, 0x0152},
    {0xBD, 0x0153},
    {0xBE, 0x0178},
}};

constexpr char32_t replacementCharacter = 0xFFFD;
constexpr std::size_t charsetSearchLength = 4096;

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Reads one UTF-8 sequence at `p`; returns its length, 0 when it is not valid UTF-8.
std::size_t readUtf8(std::string_view bytes, std::size_t p, char32_t &c)
{
    const auto b0 = static_cast<unsigned char>(bytes[p]);
    std::size_t length = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, c = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (p + length > bytes.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[p + i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

char32_t singleByteToCodePoint(PageEncoding::Kind kind, unsigned char b)
{
    if (kind == PageEncoding::Kind::Windows1252 && b >= 0x80 && b < 0xA0) {
        const char32_t c = windows1252High[b - 0x80];
        return c ? c : b;
    }
    if (kind == PageEncoding::Kind::Latin9) {
        for (const auto &[byte, code] : latin9Changes) {
            if (byte == b)
                return code;
        }
    }
    return b;
}

bool codePointToSingleByte(PageEncoding::Kind kind, char32_t c, unsigned char &b)
{
    if (c < 0x80) {
        b = static_cast<unsigned char>(c);
        return true;
    }
    for (unsigned v = 0x80; v <= 0xFF; ++v) {
        if (singleByteToCodePoint(kind, static_cast<unsigned char>(v)) == c) {
            b = static_cast<unsigned char>(v);
            return true;
        }
    }
    return false;
}

std::size_t asciiRunLength(std::string_view bytes)
{
    const auto end = std::find_if(bytes.begin(), bytes.end(),
                                  [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return static_cast<std::size_t>(end - bytes.begin());
}

} // namespace

bool PageEncoding::isValidUtf8(std::string_view bytes)
{
    char32_t c = 0;
    for (std::size_t p = 0; p < bytes.size();) {
        const std::size_t length = readUtf8(bytes, p, c);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

bool PageEncoding::fromCharsetName(std::string_view name, Kind &kind)
{
    const std::string upper = toUpperAscii(name);
    if (upper == "UTF-8" || upper == "UTF8") {
        kind = Kind::Utf8;
    } else if (upper == "ISO-8859-1" || upper == "ISO8859-1" || upper == "LATIN1" ||
               upper == "WINDOWS-1252" || upper == "CP1252" || upper == "US-ASCII" ||
               upper == "ASCII") {
        kind = Kind::Windows1252;
    } else if (upper == "ISO-8859-15" || upper == "LATIN9") {
        kind = Kind::Latin9;
    } else {
        return false;
    }
    return true;
}

std::string_view PageEncoding::declaredCharset(std::string_view page)
{
    const std::string_view head = page.substr(0, charsetSearchLength);
    for (std::size_t p = MarkupScanner::findStartTag(head, "META", 0); p != MarkupScanner::npos;
         p = MarkupScanner::findStartTag(head, "META", p + 1)) {
        const std::size_t end = MarkupScanner::tagEnd(head, p);
        if (end == MarkupScanner::npos)
            break;
        const std::string_view tag = head.substr(p, end - p);
        if (const auto charset = MarkupScanner::findAttribute(tag, "charset"))
            return MarkupScanner::valueOf(tag, *charset);
        if (const auto content = MarkupScanner::findAttribute(tag, "content")) {
            const std::string_view value = MarkupScanner::valueOf(tag, *content);
            const std::size_t at = toUpperAscii(value).find("CHARSET=");
            if (at != std::string::npos) {
                std::string_view name = value.substr(at + 8);
                return name.substr(0, name.find_first_of("; \t"));
            }
        }
    }
    return {};
}

PageEncoding PageEncoding::detect(std::string_view page)
{
    if (page.starts_with("\xEF\xBB\xBF"))
        return PageEncoding(Kind::Utf8);
    Kind kind;
    if (fromCharsetName(declaredCharset(page), kind))
        return PageEncoding(kind);
    return PageEncoding(isValidUtf8(page) ? Kind::Utf8 : Kind::Windows1252);
}

bool PageEncoding::decodesToItself(std::string_view bytes) const
{
    return asciiRunLength(bytes) == bytes.size() || (mKind == Kind::Utf8 && isValidUtf8(bytes));
}

std::string PageEncoding::decode(std::string_view bytes) const
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t p = 0; p < bytes.size();) {
        // ASCII is the same in every encoding read: its runs are copied whole.
        const std::size_t ascii = asciiRunLength(bytes.substr(p));
        if (ascii != 0) {
            out.append(bytes.substr(p, ascii));
            p += ascii;
            continue;
        }
        char32_t c = 0;
        if (mKind == Kind::Utf8) {
            const std::size_t length = readUtf8(bytes, p, c);
            appendUtf8(out, length ? c : replacementCharacter);
            p += length ? length : 1;
        } else {
            appendUtf8(out, singleByteToCodePoint(mKind, static_cast<unsigned char>(bytes[p])));
            ++p;
        }
    }
    return out;
}

std::string PageEncoding::encode(std::string_view utf8) const
{
    if (mKind == Kind::Utf8)
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t p = 0; p < utf8.size();) {
        char32_t c = 0;
        const std::size_t length = readUtf8(utf8, p, c);
        if (length == 0) {
            c = replacementCharacter;
        }
        p += length ? length : 1;
        unsigned char b = 0;
        if (codePointToSingleByte(mKind, c, b))
            out += static_cast<char>(b);
        else
            out += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ';';
    }
    return out;
}

} // namespace areamaker
