#pragma once

#include "platform/ImagePreviewPort.h"

#include <string>

namespace areamaker {

class FileSystem;

// Fits a picture into a preview frame without enlarging it: only its longer side is held to
// the frame, and the result is centred.
PreviewBox fitPreview(ImageSize picture, ImageSize frame);

// Shows the picture file in the viewer, fitted into the frame, and gives its natural size;
// nothing, with the viewer cleared, when the file is missing or cannot be read as a picture.
std::optional<ImageSize> LoadImagePreview(const std::string &path, const FileSystem &files,
                                          ImagePreviewPort &viewer, ImageSize frame);

} // namespace areamaker
