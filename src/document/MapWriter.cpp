#include "document/MapWriter.h"

#include "document/AsciiText.h"
#include "document/CoreError.h"
#include "document/MapBlockFinder.h"
#include "document/MapDocument.h"
#include "document/MarkupScanner.h"
#include "document/TagEditing.h"
#include "document/UsemapPlan.h"

#include <algorithm>
#include <map>

namespace areamaker {

namespace {

// A map whose block was already removed by an earlier save owns nothing any more.
bool ownsBlock(const ImageMap &map)
{
    return map.Alive || map.Modified;
}

// The start tag of a regenerated block: the one the page has, with a new name where the
// map was renamed; NAME and ID change together where they gave the same name.
std::string startTagOf(const ImageMap &map, std::string_view text, const MapBlock &block)
{
    std::string tag(block.startTag(text));
    if (map.Name == map.NameAsRead)
        return tag;
    const auto spelled = [&](const char *name) {
        return map.Markup.lowerCase ? toLowerAscii(name) : std::string(name);
    };
    if (!block.namedById)
        setAttribute(tag, spelled("NAME"), map.Name, NameSpelling::AsWritten);
    if (block.namedById || (!block.id.empty() && block.id == block.name))
        setAttribute(tag, spelled("ID"), map.Name, NameSpelling::AsWritten);
    return tag;
}

std::string newStartTag(const ImageMap &map)
{
    return (map.Markup.lowerCase ? "<map" + quotedAttribute("name", map.Name)
                                 : "<MAP" + quotedAttribute("NAME", map.Name)) +
           '>';
}

} // namespace

MapWriter::MapWriter(MapDocument &document, ImageSizeCache &images, const ImgTagBinder &binder,
                     PathStyle style)
    : mDocument(document), mImages(images), mBinder(binder), mStyle(style)
{
}

std::vector<int> MapWriter::ownersOf(const std::vector<MapBlock> &blocks) const
{
    std::map<std::string, std::vector<std::size_t>> blocksByName;
    for (std::size_t b = 0; b < blocks.size(); ++b)
        blocksByName[toUpperAscii(blocks[b].name)].push_back(b);
    // The k-th map of a name owns the k-th block of that name.
    std::vector<int> owners(blocks.size(), -1);
    std::map<std::string, std::size_t> seen;
    for (int i = 0; i < mDocument.MapCount(); ++i) {
        const ImageMap &map = mDocument.Maps[static_cast<std::size_t>(i)];
        if (!ownsBlock(map))
            continue;
        const std::string name = toUpperAscii(map.NameAsRead);
        const std::size_t rank = seen[name]++;
        const auto found = blocksByName.find(name);
        if (found != blocksByName.end() && rank < found->second.size())
            owners[found->second[rank]] = i;
    }
    return owners;
}

bool MapWriter::rewrites(const MapBlock &block, int owner) const
{
    if (owner < 0)
        return false;
    const ImageMap &map = mDocument.Maps[static_cast<std::size_t>(owner)];
    if (!map.Modified || map.isReadOnly())
        return false;
    if (!block.readOnlyReason.empty())
        throw CoreError(ErrInvalidCall, "La map « " + mEncoding.decode(map.NameAsRead) +
                                            " » ne peut plus être enregistrée : depuis son "
                                            "ouverture, " +
                                            block.readOnlyReason + ".");
    return true;
}

// Hands text on in pieces, holding back its last bytes, so that a block taken out of the page
// can take with it the line break written before it.
class MapWriter::HeldBackWriter
{
public:
    explicit HeldBackWriter(const ContentWriter &write) : mWrite(write) {}

    void append(std::string_view text)
    {
        mHeld.append(text);
        if (mHeld.size() < PieceSize)
            return;
        const std::size_t handed = mHeld.size() - HeldBytes;
        mWrite(std::string_view(mHeld).substr(0, handed));
        mHeld.erase(0, handed);
    }
    // Whether what was written so far ends with `tail`, a line break.
    bool endsWith(std::string_view tail) const { return mHeld.ends_with(tail); }
    void dropLast(std::size_t count) { mHeld.resize(mHeld.size() - count); }
    // Hands on what is held back: the text is whole.
    void finish()
    {
        mWrite(mHeld);
        mHeld.clear();
    }

private:
    static constexpr std::size_t PieceSize = 1 << 16;
    static constexpr std::size_t HeldBytes = 2; // the longest line break, CR LF

    const ContentWriter &mWrite;
    std::string mHeld;
};

bool MapWriter::WriteMaps(std::string &text)
{
    mDocument.copyBackActiveZones();
    mEncoding = PageEncoding::detect(text);
    const std::string eol(lineBreakOf(text));
    const std::vector<MapBlock> blocks = MapBlockFinder::find(text);
    const std::vector<int> owners = ownersOf(blocks);
    const ImgTagBinder::UpdatesByOldName updates = imgTagUpdates(blocks, owners);
    // The IMG tags to change are found in the new text as a whole.
    std::string page;
    page.reserve(text.size());
    writeBlocks(text, blocks, owners, eol, [&page](std::string_view piece) { page.append(piece); });
    mBinder.UpdateImgTags(page, updates);
    text = std::move(page);
    settleNames();
    return true;
}

// Copies the text on, with new text in place of blocks and the new maps' blocks at their
// place, if any.
class MapWriter::Splice
{
public:
    Splice(std::string_view text, const ContentWriter &write, std::string newBlocks = {},
           std::size_t insertAt = MarkupScanner::npos)
        : mText(text), mOut(write), mNewBlocks(std::move(newBlocks)), mInsertAt(insertAt)
    {
    }

    void replace(const MapBlock &block, std::string_view with)
    {
        copyUpTo(block.begin);
        mCopied = block.end;
        mOut.append(with);
    }
    // Takes the block out with one of the line breaks around it.
    void remove(const MapBlock &block, std::string_view eol)
    {
        copyUpTo(block.begin);
        mCopied = block.end;
        if (mOut.endsWith(eol))
            mOut.dropLast(eol.size());
        else if (mText.substr(mCopied).starts_with(eol))
            mCopied += eol.size();
    }
    void finish()
    {
        copyUpTo(mText.size());
        mOut.finish();
    }

private:
    void copyUpTo(std::size_t position)
    {
        if (mInsertAt <= position && !mNewBlocks.empty()) {
            const std::size_t at = std::max(mCopied, mInsertAt);
            mOut.append(mText.substr(mCopied, at - mCopied));
            mOut.append(mNewBlocks);
            mNewBlocks.clear();
            mCopied = at;
        }
        mOut.append(mText.substr(mCopied, position - mCopied));
        mCopied = position;
    }

    std::string_view mText;
    HeldBackWriter mOut;
    std::string mNewBlocks;
    std::size_t mInsertAt;
    std::size_t mCopied = 0;
};

void MapWriter::writeBlocks(std::string_view text, const std::vector<MapBlock> &blocks,
                            const std::vector<int> &owners, std::string_view eol,
                            const ContentWriter &write)
{
    std::vector<bool> hasBlock(static_cast<std::size_t>(mDocument.MapCount()), false);
    for (int owner : owners) {
        if (owner >= 0)
            hasBlock[static_cast<std::size_t>(owner)] = true;
    }
    std::string newBlocks;
    for (int i = 0; i < mDocument.MapCount(); ++i) {
        const ImageMap &map = mDocument.Maps[static_cast<std::size_t>(i)];
        if (map.Alive && map.Modified && !hasBlock[static_cast<std::size_t>(i)])
            newBlocks += std::string(eol) + mapBlock(map, newStartTag(map), eol) + std::string(eol);
    }
    // Finding </BODY> walks every tag of the page: only new blocks need it.
    const std::size_t insertAt =
        newBlocks.empty() ? MarkupScanner::npos : newBlocksPlace(text, blocks);
    Splice splice(text, write, std::move(newBlocks), insertAt);
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const MapBlock &block = blocks[b];
        if (!rewrites(block, owners[b]))
            continue;
        const ImageMap &map = mDocument.Maps[static_cast<std::size_t>(owners[b])];
        if (map.Alive)
            splice.replace(block, mapBlock(map, startTagOf(map, text, block), eol));
        else
            splice.remove(block, eol);
    }
    splice.finish();
}

bool MapWriter::rewriteMaps(std::string_view text, const MapSource &source,
                            const ContentWriter &write)
{
    mEncoding = PageEncoding::detect(text);
    const std::string eol(lineBreakOf(text));
    Splice splice(text, write);
    bool rewritten = false;
    MapBlockFinder::forEachBlock(
        text,
        [&](const MapBlock &block) {
            const ImageMap map = source(block);
            if (!map.isReadOnly()) {
                splice.replace(block, mapBlock(map, std::string(block.startTag(text)), eol));
                rewritten = true;
            }
            return true;
        },
        true);
    splice.finish();
    return rewritten;
}

std::size_t MapWriter::newBlocksPlace(std::string_view text, const std::vector<MapBlock> &blocks)
{
    std::size_t place = MarkupScanner::findEndTag(text, "BODY", 0);
    if (place == MarkupScanner::npos)
        place = text.size();
    for (const MapBlock &b : blocks) {
        if (b.begin < place && place < b.end)
            place = b.end;
    }
    return place;
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

std::string MapWriter::mapBlock(const ImageMap &map, const std::string &startTag,
                                std::string_view eol)
{
    // Room for AREA tags of a usual length, so that a block is seldom moved as it grows.
    constexpr std::size_t usualTagLength = 160;
    std::string block;
    block.reserve(startTag.size() + 64 + usualTagLength * map.Zones.size());
    block += startTag;
    block += eol;
    block += "<!--Source Map:|";
    block += sourcePathText(map);
    block += "|-->";
    block += eol;
    for (const Zone &zone : map.Zones) {
        if (zone.appendTo(block, map.Markup))
            block += eol;
    }
    const std::string defaultLine = defaultRegionLine(map);
    if (!defaultLine.empty()) {
        block += defaultLine;
        block += eol;
    }
    block += map.Markup.lowerCase ? "</map>" : "</MAP>";
    return block;
}

std::string MapWriter::defaultRegionLine(const ImageMap &map)
{
    if (!map.hasDefaultRegion())
        return {};
    // Without the image's size the region cannot be written as a full rectangle; the
    // DEFAULT shape keeps its link rather than dropping it.
    const auto size = mImages.GetImageSize(map.ImagePath);
    if (!size)
        return areaTag("DEFAULT", std::nullopt, map.DefaultRegion, map.DefaultRegionOthers,
                       map.Markup);
    return areaTag("RECT",
                   "0,0," + std::to_string(size->width) + ',' + std::to_string(size->height),
                   map.DefaultRegion, map.DefaultRegionOthers, map.Markup);
}

ImgTagBinder::UpdatesByOldName MapWriter::imgTagUpdates(const std::vector<MapBlock> &blocks,
                                                        const std::vector<int> &owners) const
{
    ImgTagBinder::UpdatesByOldName updates;
    for (const UsemapPlan::Change &change : UsemapPlan(mDocument.Maps, blocks, owners).changes()) {
        ImgTagUpdate request;
        request.OldName = change.key;
        if (change.map >= 0) {
            const ImageMap &map = mDocument.Maps[static_cast<std::size_t>(change.map)];
            if (map.ImagePath != NoImage && !map.ImagePath.empty())
                request.Src = pagePath(map.ImagePath);
            request.NewName = change.keepsKey ? change.key : map.Name;
            request.Width = map.ImageWidth;
            request.Height = map.ImageHeight;
        }
        updates.emplace(change.key, request);
    }
    return updates;
}

void MapWriter::settleNames()
{
    for (ImageMap &map : mDocument.Maps) {
        if (map.isReadOnly())
            continue;
        map.SourceAsRead = map.ImagePath;
        map.NameAsRead = map.Name;
    }
}

} // namespace areamaker
