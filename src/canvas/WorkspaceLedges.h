#pragma once

#include "platform/DrawingSurface.h"
#include "platform/ImageProbe.h"

#include <vector>

namespace areamaker {

// The 3-D ledge drawn on the workspace along the picture's bottom and right edges, on the
// sides where the picture does not scroll.
namespace WorkspaceLedges {

enum class Shade
{
    Face,
    Highlight,
    Shadow,
    DarkShadow
};

struct Line
{
    Point from;
    Point to;
    int width = 1;
    Shade shade = Shade::Face;
    bool operator==(const Line &) const = default;
};

std::vector<Line> lines(ImageSize picture, ImageSize workspace, bool scrollsVertically,
                        bool scrollsHorizontally);

} // namespace WorkspaceLedges

} // namespace areamaker
