#include "document/MapImageFinder.h"

#include "document/AsciiText.h"
#include "document/ImgTagBinder.h"
#include "document/MapDocument.h"
#include "document/MarkupScanner.h"

#include <optional>

namespace areamaker {

namespace {

// The SRC, as written, of the first IMG tag whose USEMAP names the map.
std::optional<std::string> firstImgSource(std::string_view page, std::string_view mapName)
{
    for (std::size_t p = MarkupScanner::findStartTag(page, "IMG", 0); p != MarkupScanner::npos;) {
        const std::size_t end = MarkupScanner::tagEnd(page, p);
        const std::string_view tag =
            page.substr(p, end == MarkupScanner::npos ? std::string_view::npos : end - p);
        const auto name = ImgTagBinder::usemapName(tag);
        const auto src = MarkupScanner::findAttribute(tag, "SRC");
        if (name && src && src->hasValue && equalsIgnoreAsciiCase(*name, mapName))
            return MarkupScanner::decodedValue(tag, *src);
        if (end == MarkupScanner::npos)
            break;
        p = MarkupScanner::findStartTag(page, "IMG", end);
    }
    return std::nullopt;
}

} // namespace

std::string imageNamedByPage(const ImageMap &map, std::string_view page,
                             const MapDocument &document, PathStyle style)
{
    std::string named = map.SourceTextAsRead;
    if (named.empty())
        named = firstImgSource(page, map.NameAsRead).value_or("");
    // "<NONE>" is the editor's own word for a map that never had an image.
    if (named.empty() || named == NoImage)
        return {};
    return ResolvePath(document.Encoding.decode(named), document.Path, style);
}

} // namespace areamaker
