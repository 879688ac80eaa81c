#include "document/FileUrl.h"

namespace areamaker {

namespace {

bool isUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

bool hasDrive(const std::string &path)
{
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// Percent-encodes `path` from `from` on, keeping its '/' separators.
void appendEncoded(std::string &url, const std::string &path, std::size_t from)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    for (std::size_t i = from; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (isUnreserved(c) || c == '/') {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += Hex[c >> 4];
            url += Hex[c & 0x0F];
        }
    }
}

} // namespace

std::string FileUrl(const std::string &path, PathStyle style)
{
    if (style == PathStyle::Posix) {
        std::string url = "file://";
        appendEncoded(url, path, 0);
        return url;
    }
    const std::string slashes = SwapSeparators(path, false);
    // A UNC path names its server where a URL puts its host: \\server\share → file://server/share.
    if (slashes.starts_with("//")) {
        std::string url = "file:";
        appendEncoded(url, slashes, 0);
        return url;
    }
    std::string url = "file:///";
    std::size_t from = 0;
    if (hasDrive(slashes)) {
        url += slashes.substr(0, 2);
        from = 2;
    }
    appendEncoded(url, slashes, from);
    return url;
}

} // namespace areamaker
