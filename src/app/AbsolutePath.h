#pragma once

#include <filesystem>
#include <string>

namespace areamaker {

// Image paths are resolved against the page, so the page's own path must be absolute.
inline std::string absolutePath(const char *path)
{
    return std::filesystem::absolute(path).lexically_normal().string();
}

} // namespace areamaker
