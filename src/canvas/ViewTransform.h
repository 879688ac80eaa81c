#pragma once

#include "platform/DrawingSurface.h"
#include "platform/ImageProbe.h"

#include <cstdint>
#include <string>

namespace areamaker {

// The one place where image pixels meet the screen: the zoom level. Coordinates of zones,
// clamps and hit tests stay image pixels; the view (the picture as shown, scrolled in
// screen pixels) is the image scaled by this factor.
class ViewTransform
{
public:
    static constexpr double MinScale = 1.0 / 8;
    static constexpr double MaxScale = 16;

    double scale() const { return mScale; }
    // Takes the scale, brought within 1/8 to 16; false when it stays as it was.
    bool setScale(double scale);
    // The next of the fixed levels above the scale (zoom in) or below it (zoom out).
    double nextLevel(bool zoomIn) const;
    // The largest scale at which the whole picture fits in the view, within the levels.
    static double fitting(ImageSize picture, ImageSize view);

    // An image coordinate in view pixels.
    std::int32_t toView(std::int32_t coordinate) const;
    Point toView(Point at) const;
    // A position in view pixels as the image pixel it is nearest to, halves to even.
    Point toImage(double x, double y) const;
    // The picture's size on the screen.
    ImageSize viewSize(ImageSize picture) const;
    // How many image pixels it takes to cover that many screen pixels, one at least: what
    // keeps handles, the polygon's closing distance and markers the same size on screen.
    std::int32_t imageSpan(int screenPixels) const;
    // "Zoom : 25 %", as the status bar shows the level.
    std::string levelText() const;

private:
    double mScale = 1;
};

} // namespace areamaker
