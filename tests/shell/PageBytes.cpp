#include "PageBytes.h"

#include <algorithm>
#include <cctype>

namespace {

std::size_t findIgnoringCase(std::string_view text, std::string_view needle, std::size_t from)
{
    const auto sameLetter = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    const auto found = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                                   needle.begin(), needle.end(), sameLetter);
    return found == text.end() ? std::string_view::npos
                               : static_cast<std::size_t>(found - text.begin());
}

} // namespace

std::string withFinalLineBreak(std::string_view page)
{
    if (page.ends_with('\n') || page.ends_with('\r'))
        return std::string(page);
    const std::size_t lf = page.find('\n');
    const bool bareLf = lf != std::string_view::npos && (lf == 0 || page[lf - 1] != '\r');
    return std::string(page) + (bareLf ? "\n" : "\r\n");
}

std::vector<std::string> textOutsideMapBlocks(std::string_view page)
{
    std::vector<std::string> pieces;
    std::size_t copied = 0;
    for (std::size_t start = findIgnoringCase(page, "<map ", 0); start != std::string_view::npos;
         start = findIgnoringCase(page, "<map ", copied)) {
        const std::size_t close = findIgnoringCase(page, "</map>", start);
        if (close == std::string_view::npos)
            break;
        pieces.emplace_back(page.substr(copied, start - copied));
        copied = close + 6;
    }
    pieces.emplace_back(page.substr(copied));
    return pieces;
}
