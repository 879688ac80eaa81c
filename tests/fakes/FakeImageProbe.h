#pragma once

#include "platform/ImageProbe.h"

#include <map>
#include <string>

namespace areamaker::testing {

// Answers image sizes from a table and counts how often each file was probed.
class FakeImageProbe : public ImageProbe
{
public:
    std::map<std::string, ImageSize> sizes;
    std::map<std::string, int> probes;

    std::optional<ImageSize> probe(const std::string &path) override
    {
        ++probes[path];
        const auto found = sizes.find(path);
        if (found == sizes.end())
            return std::nullopt;
        return found->second;
    }
};

} // namespace areamaker::testing
