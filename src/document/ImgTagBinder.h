#pragma once

#include "document/Paths.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace areamaker {

// What to change in the IMG tags that use a map.
struct ImgTagUpdate
{
    std::size_t Position = 0; // byte offset of the IMG tag in the page (BindImgTagAt only)
    std::string Src;          // empty: leave SRC alone
    std::string NewName;      // empty: remove USEMAP
    std::string OldName;      // identifies the tags to change (UpdateImgTags only)
    std::int32_t Width = 0;   // 0 or less: leave WIDTH alone
    std::int32_t Height = 0;  // 0 or less: leave HEIGHT alone
};

// Keeps the IMG tags of a page in step with its maps: USEMAP, SRC, size and border.
class ImgTagBinder
{
public:
    explicit ImgTagBinder(bool newNoBorder) : mNewNoBorder(newNoBorder) {}

    // Edits one tag text; attributes keep their place, missing ones are added at the end.
    void RewriteImgTag(std::string &tag, const ImgTagUpdate &request) const;
    using UpdatesByOldName = std::unordered_map<std::string, ImgTagUpdate>;

    // Edits every IMG tag whose USEMAP names request.OldName.
    void UpdateImgTags(std::string &text, const ImgTagUpdate &request) const;
    // The same for several maps in one scan, so that swapped names do not chain.
    void UpdateImgTags(std::string &text, const UpdatesByOldName &updates) const;

    // Edits the IMG tag that starts at request.Position of the page; false, with the page
    // unchanged, when no IMG tag starts there.
    bool BindImgTagAt(std::string &text, const ImgTagUpdate &request) const;
    // Puts a new IMG tag on its own line at the very start of the body; false, with the page
    // unchanged, when it has no BODY start tag.
    bool InsertNewImage(std::string &text, const ImgTagUpdate &request) const;

    // The value of the tag's USEMAP attribute without its "#", or nothing.
    static std::optional<std::string> usemapName(std::string_view tag);

private:
    bool mNewNoBorder;
};

} // namespace areamaker
