#pragma once

#include "platform/ImageProbe.h"

namespace areamaker {

// Reads a picture's size from its header with Qt's image readers.
class QtImageProbe : public ImageProbe
{
public:
    std::optional<ImageSize> probe(const std::string &path) override;
};

} // namespace areamaker
