#include "check/LocalLink.h"

#include "document/Paths.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>

namespace areamaker {

namespace {

bool hasScheme(const std::string &href)
{
    const std::size_t colon = href.find(':');
    if (colon == std::string::npos || colon == 0 ||
        !std::isalpha(static_cast<unsigned char>(href[0])))
        return false;
    return std::all_of(href.begin(), href.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

bool holdsServerCode(const std::string &href)
{
    constexpr std::array<const char *, 5> marks = {"{{", "{%", "<?", "<%", "${"};
    return std::any_of(marks.begin(), marks.end(),
                       [&](const char *mark) { return href.find(mark) != std::string::npos; });
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string percentDecoded(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() && text[i] == '%' ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low < 0) {
            out += text[i];
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::optional<std::string> localFileOf(const std::string &href, const std::string &pagePath)
{
    const std::string path = href.substr(0, href.find_first_of("?#"));
    if (path.empty() || path.starts_with('/') || path.starts_with('\\') || hasScheme(path) ||
        holdsServerCode(path))
        return std::nullopt;
    const std::filesystem::path folder(ParentFolder(pagePath));
    return (folder / percentDecoded(path)).lexically_normal().string();
}

} // namespace areamaker
