#pragma once

#include "platform/ImageProbe.h"

#include <optional>
#include <string>

namespace areamaker {

// Where a preview sits inside its frame, in pixels.
struct PreviewBox
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PreviewBox &) const = default;
};

// A picture shown scaled inside a preview frame.
class ImagePreviewPort
{
public:
    virtual ~ImagePreviewPort() = default;
    // Hides the preview and reads the picture; its natural size, or nothing when the file
    // cannot be decoded.
    virtual std::optional<ImageSize> loadPreview(const std::string &path) = 0;
    // Shows the picture loaded last, scaled into the box.
    virtual void showPreview(const PreviewBox &box) = 0;
    // Hides the preview and forgets its picture.
    virtual void clearPreview() = 0;
};

} // namespace areamaker
