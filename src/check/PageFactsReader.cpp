#include "check/PageFactsReader.h"

#include "check/AreaGeometry.h"
#include "document/AsciiText.h"
#include "document/AttributeValue.h"
#include "document/ImageMap.h"
#include "document/ImageSizeCache.h"
#include "document/ImgTagBinder.h"
#include "document/MapBlockFinder.h"
#include "document/MarkupScanner.h"

namespace areamaker {

namespace {

constexpr std::string_view sourceStart = "<!--Source Map:|";
constexpr std::string_view sourceEnd = "|-->";

std::string_view tagAt(std::string_view page, std::size_t lt)
{
    const std::size_t end = MarkupScanner::tagEnd(page, lt);
    return page.substr(lt, end == MarkupScanner::npos ? std::string_view::npos : end - lt);
}

std::string_view spanOf(std::string_view page, const MapBlock::Span &span)
{
    return page.substr(span.begin, span.end - span.begin);
}

// Whether the reader makes a zone of these numbers, which it needs only enough of.
bool readsAsZone(const AreaGeometry &g)
{
    const std::size_t n = g.values.size();
    switch (g.kind) {
    case AreaGeometry::Kind::Rectangle:
        return n >= 4;
    case AreaGeometry::Kind::Circle:
        return n >= 3;
    default:
        return n % 2 == 0 && n != 2;
    }
}

} // namespace

PageFacts PageFactsReader::read(std::string_view page, const std::string &pagePath)
{
    mPagePath = pagePath;
    mEncoding = PageEncoding::detect(page);
    mFirstSrc.clear();
    PageFacts facts;
    facts.path = pagePath;
    mBlocks.clear();
    // Every block is held at once: its list of AREA tags takes no more room than it needs.
    MapBlockFinder::forEachBlock(page, [this](MapBlock &block) {
        block.areas.shrink_to_fit();
        mBlocks.push_back(std::move(block));
        return true;
    });
    readImages(page, facts);
    facts.maps.reserve(mBlocks.size());
    for (const MapBlock &block : mBlocks)
        facts.maps.push_back(readMap(page, block, facts));
    return facts;
}

std::optional<std::string_view>
PageFactsReader::decoded(const TagView &tag, std::string_view name,
                         std::forward_list<std::string> &store) const
{
    for (const TagAttribute &a : tag.attributes()) {
        if (!equalsIgnoreAsciiCase(tag.nameOf(a), name))
            continue;
        const std::string_view written = MarkupScanner::valueOf(tag.text(), a);
        if (readsAsWritten(written))
            return written;
        return store.emplace_front(mEncoding.decode(decodeAttributeValue(written)));
    }
    return std::nullopt;
}

// Most values hold no entity and no byte the encoding would change: they are kept as views.
bool PageFactsReader::readsAsWritten(std::string_view written) const
{
    return written.find('&') == std::string_view::npos && mEncoding.decodesToItself(written);
}

// A block the editor may rewrite holds only AREA tags and its source comment, and markup is
// searched the same way from its start or from its end: the search skips such blocks.
void PageFactsReader::readImages(std::string_view page, PageFacts &facts)
{
    std::size_t from = 0;
    for (const MapBlock &block : mBlocks) {
        if (!block.readOnlyReason.empty())
            continue;
        readImagesBetween(page, from, block.begin, facts);
        from = block.end;
    }
    readImagesBetween(page, from, page.size(), facts);
}

void PageFactsReader::readImagesBetween(std::string_view page, std::size_t from, std::size_t to,
                                        PageFacts &facts)
{
    const std::string_view before = page.substr(0, to);
    for (std::size_t p = MarkupScanner::findStartTag(before, "IMG", from);
         p != MarkupScanner::npos;) {
        const std::string_view text = tagAt(page, p);
        const TagView tag(text);
        facts.images.push_back({p, decoded(tag, "USEMAP", facts.decodedValues)});
        const auto name = ImgTagBinder::usemapName(text);
        const auto src = tag.value("SRC");
        if (name && src && !src->empty())
            mFirstSrc.try_emplace(toUpperAscii(*name), *src);
        p = MarkupScanner::findStartTag(before, "IMG", p + text.size());
    }
}

MapFacts PageFactsReader::readMap(std::string_view page, const MapBlock &block, PageFacts &facts)
{
    MapFacts map;
    map.offset = block.begin;
    const TagView start(block.startTag(page));
    map.name = decoded(start, "NAME", facts.decodedValues);
    map.id = decoded(start, "ID", facts.decodedValues);
    const std::string picture = picturePath(page, block);
    if (!picture.empty())
        map.picture = mImages.GetImageSize(picture);
    return map;
}

void PageFactsReader::readAreas(std::string_view page, std::size_t index, MapFacts &map)
{
    const MapBlock &block = mBlocks[index];
    map.areas.clear();
    map.decodedValues.clear();
    map.areas.reserve(block.areas.size());
    for (const MapBlock::Span &span : block.areas) {
        const std::string_view text = spanOf(page, span);
        MarkupScanner::readAttributes(text, mAttributes);
        const TagView tag(text, mAttributes);
        AreaFacts &area = map.areas.emplace_back();
        area.offset = span.begin;
        area.shape = decoded(tag, "SHAPE", map.decodedValues);
        area.coords = decoded(tag, "COORDS", map.decodedValues);
        area.href = decoded(tag, "HREF", map.decodedValues);
        area.alt = decoded(tag, "ALT", map.decodedValues);
        area.geometry = AreaGeometry::of(area.shape, area.coords);
    }
    numberZones(map);
}

std::string PageFactsReader::picturePath(std::string_view page, const MapBlock &block) const
{
    std::string named;
    const std::string_view comment =
        block.hasSourceComment() ? spanOf(page, block.sourceComment) : std::string_view();
    if (comment.size() >= sourceStart.size() + sourceEnd.size() && comment.ends_with(sourceEnd))
        named = comment.substr(sourceStart.size(),
                               comment.size() - sourceStart.size() - sourceEnd.size());
    if (named.empty() || named == NoImage) {
        const auto first = mFirstSrc.find(toUpperAscii(block.name));
        named = first == mFirstSrc.end() ? "" : first->second;
    }
    if (named.empty() || named == NoImage)
        return {};
    return ResolvePath(mEncoding.decode(named), mPagePath, mStyle);
}

// As the reader counts them: every AREA of a known shape whose numbers read, except the
// default region (SHAPE=DEFAULT, or a rectangle from 0,0 over the whole picture).
void PageFactsReader::numberZones(MapFacts &map) const
{
    int next = 0;
    for (AreaFacts &area : map.areas) {
        const AreaGeometry &g = area.geometry;
        const auto &v = g.values;
        if (!g.isZone() || !g.numeric || !readsAsZone(g))
            continue;
        const bool wholePicture = g.kind == AreaGeometry::Kind::Rectangle && map.picture &&
                                  v.size() >= 4 && v[0] == 0 && v[1] == 0 &&
                                  v[2] == map.picture->width && v[3] == map.picture->height;
        if (!wholePicture)
            area.zoneIndex = next++;
    }
}

} // namespace areamaker
