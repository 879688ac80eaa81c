#include "document/PageImages.h"

#include "document/ImgTagBinder.h"
#include "document/MarkupScanner.h"

namespace areamaker {

namespace {

// Calls `visit` with the text of each start tag of that name.
template <typename Visit> void forEachTag(std::string_view page, std::string_view name, Visit visit)
{
    for (std::size_t p = MarkupScanner::findStartTag(page, name, 0); p != MarkupScanner::npos;) {
        const std::size_t end = MarkupScanner::tagEnd(page, p);
        if (end == MarkupScanner::npos)
            return;
        visit(p, page.substr(p, end - p));
        p = MarkupScanner::findStartTag(page, name, end);
    }
}

} // namespace

std::vector<PageImage> PageImages::find(std::string_view page)
{
    std::vector<PageImage> images;
    forEachTag(page, "IMG", [&images](std::size_t position, std::string_view tag) {
        const TagView view(tag);
        images.push_back({position, view.value("SRC").value_or(""), ImgTagBinder::usemapName(tag)});
    });
    return images;
}

std::vector<std::string> PageImages::mapNames(std::string_view page)
{
    std::vector<std::string> names;
    forEachTag(page, "MAP", [&names](std::size_t, std::string_view tag) {
        if (const auto name = TagView(tag).value("NAME"))
            names.push_back(*name);
    });
    return names;
}

} // namespace areamaker
