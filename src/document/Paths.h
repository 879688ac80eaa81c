#pragma once

#include <string>

namespace areamaker {

class FileSystem;

// Windows style: "\" separators and drive letters; POSIX style: "/" and a single root.
enum class PathStyle
{
    Windows,
    Posix
};

constexpr PathStyle nativePathStyle()
{
#ifdef _WIN32
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

char separatorOf(PathStyle style);

std::string ParentFolder(const std::string &path, PathStyle style = nativePathStyle());
std::string FileNamePart(const std::string &path, PathStyle style = nativePathStyle());
std::string SwapSeparators(std::string path, bool toBackslash);
std::string ResolvePath(const std::string &rel, const std::string &documentPath,
                        PathStyle style = nativePathStyle());
std::string RelativePath(const std::string &target, const std::string &documentPath,
                         PathStyle style = nativePathStyle());
// A path as messages show it: upper-cased where names ignore case, as it is elsewhere, where
// an upper-cased path would name another file.
std::string shownPath(const std::string &path, PathStyle style = nativePathStyle());
// Whether two paths name the same file: without regard to case on Windows, exactly elsewhere.
bool samePath(const std::string &a, const std::string &b, PathStyle style = nativePathStyle());
// Last-write time as "yyyy/mm/dd h:Nn:Ss", or empty when it cannot be read.
std::string FileStamp(const std::string &path, const FileSystem &files);
// Whether a path typed by the user names a file from the root: a drive path ("C:\\...") on
// Windows, a path starting with "/" elsewhere.
bool isAbsolutePath(const std::string &path, PathStyle style = nativePathStyle());

} // namespace areamaker
