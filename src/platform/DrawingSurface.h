#pragma once

#include "platform/ImageProbe.h"

#include <cstdint>
#include <vector>

namespace areamaker {

// A colour as 0xBBGGRR, the form the colour settings use.
using Rgb = std::uint32_t;

struct Point
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point &) const = default;
};

enum class LineStyle
{
    Solid,
    Dotted
};
enum class FillStyle
{
    None,
    DiagonalCross,
    Solid
};

struct Pen
{
    LineStyle style = LineStyle::Solid;
    int width = 1;
    Rgb colour = 0;
    bool operator==(const Pen &) const = default;
};

struct Brush
{
    FillStyle style = FillStyle::None;
    Rgb colour = 0;
    bool operator==(const Brush &) const = default;
};

// A drawing target in image pixels: shapes are drawn with the current pen and brush.
class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;
    virtual void setPen(const Pen &pen) = 0;
    virtual void setBrush(const Brush &brush) = 0;
    virtual void drawRectangle(Point topLeft, Point bottomRight) = 0;
    virtual void drawEllipse(Point topLeft, Point bottomRight) = 0;
    virtual void drawPolygon(const std::vector<Point> &points) = 0;
    virtual void drawLine(Point from, Point to) = 0;
    // Copies a block of pixels from another surface.
    virtual void copyBlock(const DrawingSurface &source, Point sourceTopLeft, Point targetTopLeft,
                           int width, int height) = 0;
    // Fills the block at `topLeft` with what falls there of `source` scaled whole to
    // `scaledSize`: smooth when reduced, each pixel a sharp square when enlarged.
    virtual void drawScaled(const DrawingSurface &source, ImageSize scaledSize, Point topLeft,
                            int width, int height) = 0;
    // A square of 2 x `half` pixels of this surface around the point, as handles are drawn.
    virtual void drawMarker(Point centre, int half)
    {
        drawRectangle({centre.x - half, centre.y - half}, {centre.x + half, centre.y + half});
    }
};

} // namespace areamaker
