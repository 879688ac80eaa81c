#pragma once

#include "platform/ImageProbe.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace areamaker {

class FileSystem;

// Probes each distinct image file once during one read or one save of a page.
class ImageSizeCache
{
public:
    ImageSizeCache(ImageProbe *probe, const FileSystem *files) : mProbe(probe), mFiles(files) {}

    // The image's pixel size; nothing when the path is empty, absent or not a picture.
    std::optional<ImageSize> GetImageSize(const std::string &path);
    bool fileExists(const std::string &path);

private:
    ImageProbe *mProbe;
    const FileSystem *mFiles;
    std::unordered_map<std::string, std::optional<ImageSize>> mSizes;
    std::unordered_map<std::string, bool> mExists;
};

} // namespace areamaker
