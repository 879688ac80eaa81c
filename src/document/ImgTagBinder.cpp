#include "document/ImgTagBinder.h"

#include "document/AreaAttributes.h"
#include "document/AsciiText.h"
#include "document/MarkupScanner.h"
#include "document/TagEditing.h"

namespace areamaker {

std::optional<std::string> ImgTagBinder::usemapName(std::string_view tag)
{
    const auto a = MarkupScanner::findAttribute(tag, "USEMAP");
    if (!a)
        return std::nullopt;
    // As browsers read it: the name is what follows the first '#'.
    const std::string value = MarkupScanner::decodedValue(tag, *a);
    const std::size_t hash = value.find('#');
    return hash == std::string::npos ? value : value.substr(hash + 1);
}

void ImgTagBinder::RewriteImgTag(std::string &tag, const ImgTagUpdate &request) const
{
    if (!request.Src.empty() && MarkupScanner::findAttribute(tag, "SRC"))
        setAttribute(tag, "SRC", request.Src);
    if (!request.NewName.empty() && mNewNoBorder)
        setAttribute(tag, "BORDER", "0");
    if (request.Width > 0)
        setAttribute(tag, "WIDTH", std::to_string(request.Width));
    if (request.Height > 0)
        setAttribute(tag, "HEIGHT", std::to_string(request.Height));
    if (request.NewName.empty())
        removeAttribute(tag, "USEMAP");
    else
        setAttribute(tag, "USEMAP", "#" + request.NewName);
}

void ImgTagBinder::UpdateImgTags(std::string &text, const ImgTagUpdate &request) const
{
    UpdateImgTags(text, {{request.OldName, request}});
}

void ImgTagBinder::UpdateImgTags(std::string &text, const UpdatesByOldName &updates) const
{
    if (updates.empty())
        return;
    std::string result;
    std::size_t copied = 0;
    for (std::size_t p = MarkupScanner::findStartTag(text, "IMG", 0); p != MarkupScanner::npos;) {
        const std::size_t end = MarkupScanner::tagEnd(text, p);
        if (end == MarkupScanner::npos)
            break;
        const auto name = usemapName(std::string_view(text).substr(p, end - p));
        const auto update = name ? updates.find(*name) : updates.end();
        if (update != updates.end()) {
            std::string tag = text.substr(p, end - p);
            RewriteImgTag(tag, update->second);
            if (result.empty())
                result.reserve(text.size() + text.size() / 16);
            result.append(text, copied, p - copied);
            result += tag;
            copied = end;
        }
        p = MarkupScanner::findStartTag(text, "IMG", end);
    }
    if (copied == 0)
        return;
    result.append(text, copied, std::string::npos);
    text = std::move(result);
}

bool ImgTagBinder::BindImgTagAt(std::string &text, const ImgTagUpdate &request) const
{
    if (MarkupScanner::findStartTag(text, "IMG", request.Position) != request.Position)
        return false;
    const std::size_t end = MarkupScanner::tagEnd(text, request.Position);
    if (end == MarkupScanner::npos)
        return false;
    std::string tag = text.substr(request.Position, end - request.Position);
    RewriteImgTag(tag, request);
    text.replace(request.Position, end - request.Position, tag);
    return true;
}

bool ImgTagBinder::InsertNewImage(std::string &text, const ImgTagUpdate &request) const
{
    const std::size_t body = MarkupScanner::findStartTag(text, "BODY", 0);
    const std::size_t bodyEnd =
        body == MarkupScanner::npos ? body : MarkupScanner::tagEnd(text, body);
    if (bodyEnd == MarkupScanner::npos)
        return false;
    const std::string eol(lineBreakOf(text));
    std::string img = "<IMG SRC=\"" + request.Src + "\" WIDTH=\"" + std::to_string(request.Width) +
                      "\" HEIGHT=\"" + std::to_string(request.Height) + "\" USEMAP=\"#" +
                      request.NewName + '"' + (mNewNoBorder ? " BORDER=\"0\">" : ">");
    std::size_t at = bodyEnd;
    if (std::string_view(text).substr(at).starts_with(eol))
        at += eol.size();
    else
        img = eol + img;
    text.insert(at, img + eol);
    return true;
}

} // namespace areamaker
