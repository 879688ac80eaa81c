#include "document/MapWriter.h"

#include "document/AsciiText.h"
#include "document/MapDocument.h"
#include "document/MarkupScanner.h"

#include <algorithm>
#include <map>

namespace areamaker {

namespace {

std::string blockName(std::string_view text, std::size_t begin)
{
    const std::size_t end = MarkupScanner::tagEnd(text, begin);
    const std::string_view tag =
        text.substr(begin, end == MarkupScanner::npos ? std::string_view::npos : end - begin);
    const auto name = MarkupScanner::findAttribute(tag, "NAME");
    return name ? toUpperAscii(MarkupScanner::decodedValue(tag, *name)) : std::string();
}

// A map whose block was already removed by an earlier save owns nothing any more.
bool ownsBlock(const ImageMap &map)
{
    return map.Alive || map.Modified;
}

} // namespace

MapWriter::MapWriter(MapDocument &document, ImageSizeCache &images, const ImgTagBinder &binder,
                     PathStyle style)
    : mDocument(document), mImages(images), mBinder(binder), mStyle(style)
{
}

std::vector<MapWriter::Block> MapWriter::findOwnedBlocks(std::string_view text) const
{
    std::map<std::string, std::vector<std::size_t>> blocksByName;
    std::vector<Block> blocks;
    for (std::size_t p = MarkupScanner::findStartTag(text, "MAP", 0); p != MarkupScanner::npos;) {
        const std::size_t end = MarkupScanner::elementEnd(text, "MAP", p);
        if (end == MarkupScanner::npos)
            break;
        blocksByName[blockName(text, p)].push_back(blocks.size());
        blocks.push_back({p, end, -1});
        p = MarkupScanner::findStartTag(text, "MAP", end);
    }
    // The k-th map of a name owns the k-th block of that name.
    std::map<std::string, std::size_t> seen;
    for (int i = 0; i < mDocument.MapCount(); ++i) {
        const ImageMap &map = mDocument.Maps[static_cast<std::size_t>(i)];
        if (!ownsBlock(map))
            continue;
        const std::string name = toUpperAscii(map.NameAsRead);
        const std::size_t rank = seen[name]++;
        const auto found = blocksByName.find(name);
        if (found != blocksByName.end() && rank < found->second.size())
            blocks[found->second[rank]].owner = i;
    }
    return blocks;
}

bool MapWriter::WriteMaps(std::string &text)
{
    mDocument.copyBackActiveZones();
    mEncoding = PageEncoding::detect(text);
    const std::string eol(lineBreakOf(text));
    const std::vector<Block> blocks = findOwnedBlocks(text);

    std::vector<bool> hasBlock(static_cast<std::size_t>(mDocument.MapCount()), false);
    for (const Block &b : blocks) {
        if (b.owner >= 0)
            hasBlock[static_cast<std::size_t>(b.owner)] = true;
    }
    std::string newBlocks;
    for (int i = 0; i < mDocument.MapCount(); ++i) {
        const ImageMap &map = mDocument.Maps[static_cast<std::size_t>(i)];
        if (map.Alive && map.Modified && !hasBlock[static_cast<std::size_t>(i)])
            newBlocks += eol + mapBlock(map, eol) + eol;
    }
    std::size_t insertAt = MarkupScanner::findEndTag(text, "BODY", 0);
    if (insertAt == MarkupScanner::npos)
        insertAt = text.size();
    for (const Block &b : blocks) {
        if (b.begin < insertAt && insertAt < b.end)
            insertAt = b.end;
    }

    std::string out;
    out.reserve(text.size() + newBlocks.size());
    std::size_t copied = 0;
    auto copyUpTo = [&](std::size_t position) {
        if (insertAt <= position && !newBlocks.empty()) {
            const std::size_t at = std::max(copied, insertAt);
            out.append(text, copied, at - copied);
            out += newBlocks;
            newBlocks.clear();
            copied = at;
        }
        out.append(text, copied, position - copied);
        copied = position;
    };
    for (const Block &b : blocks) {
        if (b.owner < 0)
            continue;
        const ImageMap &map = mDocument.Maps[static_cast<std::size_t>(b.owner)];
        if (!map.Modified)
            continue;
        copyUpTo(b.begin);
        copied = b.end;
        if (map.Alive) {
            out += mapBlock(map, eol);
        } else if (out.ends_with(eol)) {
            out.resize(out.size() - eol.size());
        } else if (std::string_view(text).substr(copied).starts_with(eol)) {
            copied += eol.size();
        }
    }
    copyUpTo(text.size());
    text = std::move(out);
    rebindImgTags(text);
    return true;
}

std::string MapWriter::pagePath(const std::string &imagePath) const
{
    return mEncoding.encode(RelativePath(imagePath, mDocument.Path, mStyle));
}

std::string MapWriter::sourcePathText(const ImageMap &map) const
{
    if (map.ImagePath == NoImage || map.ImagePath.empty())
        return map.SourceTextAsRead.empty() ? std::string(NoImage) : map.SourceTextAsRead;
    return pagePath(map.ImagePath);
}

std::string MapWriter::mapBlock(const ImageMap &map, std::string_view eol)
{
    std::string block = "<MAP" + quotedAttribute("NAME", map.Name) + ">";
    block += eol;
    block += "<!--Source Map:|" + sourcePathText(map) + "|-->";
    block += eol;
    for (const Zone &zone : map.Zones) {
        const std::string area = zone.ToString();
        if (!area.empty()) {
            block += area;
            block += eol;
        }
    }
    const std::string defaultLine = defaultRegionLine(map);
    if (!defaultLine.empty()) {
        block += defaultLine;
        block += eol;
    }
    return block + "</MAP>";
}

std::string MapWriter::defaultRegionLine(const ImageMap &map)
{
    if (!map.hasDefaultRegion())
        return {};
    const std::string attributes = quotedAttribute("HREF", map.DefaultRegion[AttrHref]) +
                                   writeAttributes(map.DefaultRegion, true) + '>';
    // Without the image's size the region cannot be written as a full rectangle; the
    // DEFAULT shape keeps its link rather than dropping it.
    const auto size = mImages.GetImageSize(map.ImagePath);
    if (!size)
        return "<AREA SHAPE=\"DEFAULT\"" + attributes;
    return "<AREA SHAPE=\"RECT\" COORDS=\"0,0," + std::to_string(size->width) + ',' +
           std::to_string(size->height) + '"' + attributes;
}

void MapWriter::rebindImgTags(std::string &text)
{
    ImgTagBinder::UpdatesByOldName updates;
    for (ImageMap &map : mDocument.Maps) {
        if (map.ImagePath == map.SourceAsRead && map.Name == map.NameAsRead)
            continue;
        ImgTagUpdate request;
        if (map.ImagePath != NoImage && !map.ImagePath.empty())
            request.Src = pagePath(map.ImagePath);
        request.NewName = map.Name;
        request.OldName = map.NameAsRead;
        request.Width = map.ImageWidth;
        request.Height = map.ImageHeight;
        updates.emplace(map.NameAsRead, request);
        map.SourceAsRead = map.ImagePath;
        map.NameAsRead = map.Name;
    }
    mBinder.UpdateImgTags(text, updates);
}

} // namespace areamaker
