#include "canvas/ViewTransform.h"

#include "canvas/ZoneClamps.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace areamaker {

namespace {

constexpr std::array<double, 15> Levels = {
    1.0 / 8, 1.0 / 6, 1.0 / 4, 1.0 / 3, 1.0 / 2, 2.0 / 3, 1, 1.5, 2, 3, 4, 6, 8, 12, 16};
// Scales this close are the same level: a fitted scale may fall a hair off one.
constexpr double Tolerance = 1e-9;

} // namespace

bool ViewTransform::setScale(double scale)
{
    const double kept = std::clamp(scale, MinScale, MaxScale);
    if (std::abs(kept - mScale) < Tolerance)
        return false;
    mScale = kept;
    return true;
}

double ViewTransform::nextLevel(bool zoomIn) const
{
    if (zoomIn) {
        for (double level : Levels)
            if (level > mScale + Tolerance)
                return level;
        return MaxScale;
    }
    for (auto level = Levels.rbegin(); level != Levels.rend(); ++level)
        if (*level < mScale - Tolerance)
            return *level;
    return MinScale;
}

double ViewTransform::fitting(ImageSize picture, ImageSize view)
{
    if (picture.width <= 0 || picture.height <= 0 || view.width <= 0 || view.height <= 0)
        return 1;
    const double scale = std::min(static_cast<double>(view.width) / picture.width,
                                  static_cast<double>(view.height) / picture.height);
    return std::clamp(scale, MinScale, MaxScale);
}

std::int32_t ViewTransform::toView(std::int32_t coordinate) const
{
    return saturated(std::llround(coordinate * mScale));
}

Point ViewTransform::toView(Point at) const
{
    return {toView(at.x), toView(at.y)};
}

Point ViewTransform::toImage(double x, double y) const
{
    // The default rounding mode sends halves to the even neighbour.
    return {saturated(static_cast<std::int64_t>(std::nearbyint(x / mScale))),
            saturated(static_cast<std::int64_t>(std::nearbyint(y / mScale)))};
}

ImageSize ViewTransform::viewSize(ImageSize picture) const
{
    const auto side = [this](int length) {
        return length <= 0 ? 0 : std::max(1, static_cast<int>(std::lround(length * mScale)));
    };
    return {side(picture.width), side(picture.height)};
}

std::int32_t ViewTransform::imageSpan(int screenPixels) const
{
    return std::max<std::int32_t>(
        1, static_cast<std::int32_t>(std::ceil(screenPixels / mScale - Tolerance)));
}

std::string ViewTransform::levelText() const
{
    return "Zoom : " + std::to_string(std::lround(mScale * 100)) + " %";
}

} // namespace areamaker
