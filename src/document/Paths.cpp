#include "document/Paths.h"

#include "document/AsciiText.h"
#include "platform/FileSystem.h"

#include <cstdio>

namespace areamaker {

namespace {

// HTML may hold either separator; the file system wants the style's own.
std::string toStyleSeparators(std::string path, PathStyle style)
{
    return style == PathStyle::Windows ? SwapSeparators(std::move(path), true)
                                       : SwapSeparators(std::move(path), false);
}

bool isDrivePath(const std::string &path)
{
    return path.size() >= 3 && path[1] == ':' && path[2] == '\\';
}

std::string withoutTrailingSeparator(std::string folder, char separator)
{
    if (!folder.empty() && folder.back() == separator)
        folder.pop_back();
    return folder;
}

bool sameRoot(const std::string &a, const std::string &b, PathStyle style)
{
    if (style == PathStyle::Posix)
        return true;
    return equalsIgnoreAsciiCase(a.substr(0, 3), b.substr(0, 3));
}

} // namespace

char separatorOf(PathStyle style)
{
    return style == PathStyle::Windows ? '\\' : '/';
}

std::string shownPath(const std::string &path, PathStyle style)
{
    return style == PathStyle::Windows ? toUpperAscii(path) : path;
}

bool samePath(const std::string &a, const std::string &b, PathStyle style)
{
    return style == PathStyle::Windows ? equalsIgnoreAsciiCase(a, b) : a == b;
}

std::string ParentFolder(const std::string &path, PathStyle style)
{
    const auto last = path.rfind(separatorOf(style));
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string FileNamePart(const std::string &path, PathStyle style)
{
    const auto last = path.rfind(separatorOf(style));
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string SwapSeparators(std::string path, bool toBackslash)
{
    const char from = toBackslash ? '/' : '\\';
    const char to = toBackslash ? '\\' : '/';
    for (char &c : path) {
        if (c == from)
            c = to;
    }
    return path;
}

std::string ResolvePath(const std::string &rel, const std::string &documentPath, PathStyle style)
{
    if (style == PathStyle::Windows && isDrivePath(rel))
        return rel;
    const char separator = separatorOf(style);
    const std::string up = std::string("..") + separator;
    std::string dir = ParentFolder(documentPath, style);
    std::string rest = toStyleSeparators(rel, style);
    while (startsWith(rest, up)) {
        dir = ParentFolder(withoutTrailingSeparator(dir, separator), style);
        rest.erase(0, up.size());
    }
    if (!rest.empty() && rest.front() == separator)
        rest.erase(0, 1);
    return dir + rest;
}

std::string RelativePath(const std::string &target, const std::string &documentPath,
                         PathStyle style)
{
    if (documentPath.empty() || !sameRoot(target, documentPath, style))
        return FileNamePart(target, style);
    const std::string name = FileNamePart(target, style);
    const std::string targetDir = SwapSeparators(ParentFolder(target, style), false);
    std::string documentDir = SwapSeparators(ParentFolder(documentPath, style), false);
    std::string up;
    while (!startsWithIgnoreAsciiCase(targetDir, documentDir)) {
        up += "../";
        documentDir = ParentFolder(withoutTrailingSeparator(documentDir, '/'), PathStyle::Posix);
    }
    return up + targetDir.substr(documentDir.size()) + name;
}

std::string FileStamp(const std::string &path, const FileSystem &files)
{
    const auto time = files.lastWriteTime(path);
    if (!time)
        return {};
    char text[48];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %d:%02d:%02d", time->year, time->month,
                  time->day, time->hour, time->minute, time->second);
    return text;
}

bool isAbsolutePath(const std::string &path, PathStyle style)
{
    return style == PathStyle::Windows ? isDrivePath(path) : startsWith(path, "/");
}

} // namespace areamaker
