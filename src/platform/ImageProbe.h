#pragma once

#include <optional>
#include <string>

namespace areamaker {

struct ImageSize
{
    int width = 0;
    int height = 0;
    bool operator==(const ImageSize &) const = default;
};

// Reads the pixel size of a picture file from its header, without decoding it.
class ImageProbe
{
public:
    virtual ~ImageProbe() = default;
    virtual std::optional<ImageSize> probe(const std::string &path) = 0;
};

} // namespace areamaker
