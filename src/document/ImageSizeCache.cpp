#include "document/ImageSizeCache.h"

#include "document/ImageMap.h"
#include "platform/FileSystem.h"

namespace areamaker {

std::optional<ImageSize> ImageSizeCache::GetImageSize(const std::string &path)
{
    if (path.empty() || path == NoImage || !mProbe || !fileExists(path))
        return std::nullopt;
    const auto known = mSizes.find(path);
    if (known != mSizes.end())
        return known->second;
    return mSizes[path] = mProbe->probe(path);
}

bool ImageSizeCache::fileExists(const std::string &path)
{
    if (path.empty() || !mFiles)
        return false;
    const auto known = mExists.find(path);
    if (known != mExists.end())
        return known->second;
    return mExists[path] = mFiles->fileExists(path);
}

} // namespace areamaker
