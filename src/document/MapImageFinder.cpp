#include "document/MapImageFinder.h"

#include "document/AsciiText.h"
#include "document/ImageSizeCache.h"
#include "document/ImgTagBinder.h"
#include "document/MapDocument.h"
#include "document/MarkupScanner.h"
#include "document/TreeKeys.h"
#include "platform/EditorViews.h"

#include <unordered_map>

namespace areamaker {

namespace {

// The SRC of the first IMG tag that uses each map name (upper-cased), as written.
std::unordered_map<std::string, std::string> imgSourcesByMapName(std::string_view page)
{
    std::unordered_map<std::string, std::string> sources;
    for (std::size_t p = MarkupScanner::findStartTag(page, "IMG", 0); p != MarkupScanner::npos;) {
        const std::size_t end = MarkupScanner::tagEnd(page, p);
        const std::string_view tag =
            page.substr(p, end == MarkupScanner::npos ? std::string_view::npos : end - p);
        const auto name = ImgTagBinder::usemapName(tag);
        const auto src = MarkupScanner::findAttribute(tag, "SRC");
        if (name && src && src->hasValue)
            sources.emplace(toUpperAscii(*name), MarkupScanner::decodedValue(tag, *src));
        if (end == MarkupScanner::npos)
            break;
        p = MarkupScanner::findStartTag(page, "IMG", end);
    }
    return sources;
}

} // namespace

void findMapImages(MapDocument &document, std::string_view page, ImageSizeCache &images,
                   PathStyle style)
{
    std::unordered_map<std::string, std::string> sources;
    bool scanned = false;
    for (std::size_t i = 0; i < document.Maps.size(); ++i) {
        ImageMap &map = document.Maps[i];
        if (map.ImagePath != NoImage)
            continue;
        if (!map.SourceTextAsRead.empty()) {
            if (map.SourceTextAsRead != NoImage)
                map.ImageSought = ResolvePath(document.Encoding.decode(map.SourceTextAsRead),
                                              document.Path, style);
            continue;
        }
        if (!scanned) {
            sources = imgSourcesByMapName(page);
            scanned = true;
        }
        const auto src = sources.find(toUpperAscii(map.NameAsRead));
        if (src == sources.end() || src->second.empty())
            continue;
        map.ImageSought = ResolvePath(document.Encoding.decode(src->second), document.Path, style);
        if (!images.fileExists(map.ImageSought))
            continue;
        map.SourceAsRead = map.ImagePath = map.ImageSought;
        if (TreeViewPort *tree = document.tree())
            tree->setNodeText(mapKey(static_cast<int>(i)),
                              mapNodeText(document.Encoding.decode(map.Name), map.ImagePath));
    }
}

} // namespace areamaker
