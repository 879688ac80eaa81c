#include "shell/ImagePreview.h"

#include "platform/FileSystem.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace areamaker {

namespace {

// A scaled side, rounded halves to even and held to what a 16-bit size can hold.
int scaledSide(double side)
{
    const double rounded = std::nearbyint(side);
    return static_cast<int>(std::min<double>(rounded, std::numeric_limits<std::int16_t>::max()));
}

int centred(int frame, int side)
{
    return static_cast<int>(std::nearbyint(frame / 2.0 - side / 2.0));
}

} // namespace

PreviewBox fitPreview(ImageSize picture, ImageSize frame)
{
    int width = picture.width;
    int height = picture.height;
    if (picture.width >= picture.height && picture.width > frame.width && picture.width > 0) {
        const double ratio = static_cast<double>(picture.width) / frame.width;
        width = frame.width;
        height = scaledSide(picture.height / ratio);
    } else if (picture.width < picture.height && picture.height > frame.height) {
        const double ratio = static_cast<double>(picture.height) / frame.height;
        height = frame.height;
        width = scaledSide(picture.width / ratio);
    }
    return {centred(frame.width, width), centred(frame.height, height), width, height};
}

std::optional<ImageSize> LoadImagePreview(const std::string &path, const FileSystem &files,
                                          ImagePreviewPort &viewer, ImageSize frame)
{
    if (path.empty() || !files.fileExists(path)) {
        viewer.clearPreview();
        return std::nullopt;
    }
    const std::optional<ImageSize> picture = viewer.loadPreview(path);
    if (!picture) {
        viewer.clearPreview();
        return std::nullopt;
    }
    viewer.showPreview(fitPreview(*picture, frame));
    return picture;
}

} // namespace areamaker
