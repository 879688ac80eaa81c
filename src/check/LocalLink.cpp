#include "check/LocalLink.h"

#include "document/MarkupScanner.h"
#include "document/Paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace areamaker {

namespace {

bool hasScheme(std::string_view href)
{
    const std::size_t colon = href.find(':');
    if (colon == std::string_view::npos || colon == 0 ||
        !std::isalpha(static_cast<unsigned char>(href[0])))
        return false;
    return std::all_of(href.begin(), href.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

// Whether the link holds the opening of server or template code as the scanner knows it, or
// a "${" placeholder, looked for in one pass over it.
bool holdsServerCode(std::string_view href)
{
    for (std::size_t i = 0; i + 1 < href.size(); ++i) {
        const char c = href[i];
        if (c != '<' && c != '{' && c != '$')
            continue;
        if (MarkupScanner::serverMarkAt(href, i) || (c == '$' && href[i + 1] == '{'))
            return true;
    }
    return false;
}

// Where the path of a link ends: at its query or fragment, if any. One look at each byte, as
// a link is mostly a few dozen of them.
std::size_t pathEnd(std::string_view href)
{
    for (std::size_t i = 0; i < href.size(); ++i) {
        if (href[i] == '?' || href[i] == '#')
            return i;
    }
    return std::string_view::npos;
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

void appendPercentDecoded(std::string_view text, std::string &out)
{
    // The runs between two escapes are copied whole.
    std::size_t run = 0;
    for (std::size_t i = text.find('%'); i != std::string_view::npos; i = text.find('%', i + 1)) {
        const int high = i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low < 0)
            continue;
        out.append(text.substr(run, i - run));
        out += static_cast<char>(high * 16 + low);
        i += 2;
        run = i + 1;
    }
    out.append(text.substr(run));
}

LocalLink::LocalLink(const std::string &pagePath)
    : mFolder(std::filesystem::path(ParentFolder(pagePath)).lexically_normal().string())
{
}

const std::string *LocalLink::fileOf(std::string_view href)
{
    const std::size_t cut = pathEnd(href);
    // The '?' of "<?" that cuts the path short still marks server code.
    if (holdsServerCode(href.substr(0, cut == std::string_view::npos ? cut : cut + 1)))
        return nullptr;
    const std::string_view path = href.substr(0, cut);
    if (path.empty() || path.starts_with('/') || path.starts_with('\\') || hasScheme(path))
        return nullptr;
    mDecoded.clear();
    appendPercentDecoded(path, mDecoded);
    if (!mFolder.starts_with('/')) {
        // A page with no folder of its own: rare enough for the general path arithmetic.
        mFile = (std::filesystem::path(mFolder) / mDecoded).lexically_normal().string();
        return &mFile;
    }
    // An escaped '/' at the start makes the path its own, as it does for the path arithmetic.
    mFile.assign(mDecoded.starts_with('/') ? std::string_view("/") : std::string_view(mFolder));
    appendSegments(mDecoded);
    return &mFile;
}

// Appends a relative path to the absolute folder in mFile, which ends with '/', as the lexical
// normal form has it: no "." or empty segments, each ".." takes away the segment before it
// (none above the root), and a path ending with "/", "." or ".." names a folder, with a
// trailing '/'.
void LocalLink::appendSegments(std::string_view path)
{
    bool namesFolder = true;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        const std::string_view segment = path.substr(start, slash - start);
        start = slash + 1;
        namesFolder = segment.empty() || segment == "." || segment == "..";
        if (segment == ".." && mFile.size() > 1)
            mFile.resize(mFile.rfind('/', mFile.size() - 2) + 1);
        else if (!namesFolder)
            mFile.append(segment) += '/';
    }
    if (!namesFolder)
        mFile.pop_back();
}

} // namespace areamaker
