#include "canvas/WorkspaceLedges.h"

namespace areamaker::WorkspaceLedges {

namespace {

struct Stripe
{
    int distance;
    int width;
    Shade shade;
};

// Outwards from the picture's edge.
constexpr Stripe Stripes[] = {{0, 1, Shade::Face},
                              {1, 1, Shade::Highlight},
                              {3, 3, Shade::Face},
                              {5, 1, Shade::Shadow},
                              {6, 1, Shade::DarkShadow}};
// Just past the other ledge, so that two ledges meet at the corner.
constexpr int LedgeDepth = 7;

} // namespace

std::vector<Line> lines(ImageSize picture, ImageSize workspace, bool scrollsVertically,
                        bool scrollsHorizontally)
{
    std::vector<Line> out;
    if (!scrollsVertically) {
        const int end = scrollsHorizontally ? workspace.width : picture.width + LedgeDepth;
        for (const Stripe &s : Stripes) {
            const int y = picture.height + s.distance;
            out.push_back({{0, y}, {end, y}, s.width, s.shade});
        }
    }
    if (!scrollsHorizontally) {
        const int end = scrollsVertically ? workspace.height : picture.height + LedgeDepth;
        for (const Stripe &s : Stripes) {
            const int x = picture.width + s.distance;
            out.push_back({{x, 0}, {x, end}, s.width, s.shade});
        }
    }
    return out;
}

} // namespace areamaker::WorkspaceLedges
