#include "check/AreaHiddenRule.h"

#include "check/AreaGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace areamaker {

namespace {

using Box = AreaGeometry::Box;
using Kind = AreaGeometry::Kind;

// A zone with its bounding box, worked out once: every later zone of the map compares with it.
struct Placed
{
    const AreaGeometry *geometry;
    Box box;
};

// Past this many overlapping zones the exact test is skipped: the rule then stays silent.
constexpr std::size_t MaxCovering = 64;

bool overlaps(const Box &a, const Box &b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool convex(const AreaGeometry &g)
{
    const auto &v = g.values;
    const std::size_t n = v.size();
    int sign = 0;
    for (std::size_t i = 0; i < n; i += 2) {
        const std::size_t j = (i + 2) % n, k = (i + 4) % n;
        const double turn = double(v[j] - v[i]) * double(v[k + 1] - v[j + 1]) -
                            double(v[j + 1] - v[i + 1]) * double(v[k] - v[j]);
        const int s = (turn > 0) - (turn < 0);
        if (s != 0 && sign != 0 && s != sign)
            return false;
        sign = s != 0 ? s : sign;
    }
    return true;
}

// Whether the zone holds the whole cell: exactly for a rectangle; for a circle or a convex
// polygon when it holds the cell's four corners; never for any other polygon.
bool holdsCell(const Placed &zone, const Box &cell)
{
    const AreaGeometry &g = *zone.geometry;
    if (g.kind == Kind::Rectangle) {
        const Box &b = zone.box;
        return b.left <= cell.left && cell.right <= b.right && b.top <= cell.top &&
               cell.bottom <= b.bottom;
    }
    if (g.kind == Kind::Polygon && !convex(g))
        return false;
    return g.contains(cell.left, cell.top) && g.contains(cell.right, cell.top) &&
           g.contains(cell.left, cell.bottom) && g.contains(cell.right, cell.bottom);
}

// Whether one convex zone holds the whole target: a circle in a circle by their centres and
// radii, a polygon by its vertices.
bool insideOne(const AreaGeometry &target, const AreaGeometry &g)
{
    if (target.kind == g.kind && target.values == g.values)
        return true;
    const auto &t = target.values;
    if (target.kind == Kind::Circle && g.kind == Kind::Circle) {
        const double dx = double(t[0] - g.values[0]), dy = double(t[1] - g.values[1]);
        return std::hypot(dx, dy) + double(t[2]) <= double(g.values[2]);
    }
    if (target.kind != Kind::Polygon || (g.kind == Kind::Polygon && !convex(g)))
        return false;
    for (std::size_t i = 0; i + 1 < t.size(); i += 2) {
        if (!g.contains(double(t[i]), double(t[i + 1])))
            return false;
    }
    return true;
}

// Where the zones' edges cut the span from `from` to `to`, in order, the ends included; `at`
// is reused from one target to the next.
void cut(double from, double to, const std::vector<Placed> &zones, bool horizontal,
         std::vector<double> &at)
{
    at.assign({from, to});
    for (const Placed &zone : zones) {
        const Box &b = zone.box;
        const std::array<double, 2> edges = horizontal ? std::array<double, 2>{b.left, b.right}
                                                       : std::array<double, 2>{b.top, b.bottom};
        for (double edge : edges) {
            if (edge > from && edge < to)
                at.push_back(edge);
        }
    }
    std::sort(at.begin(), at.end());
    at.erase(std::unique(at.begin(), at.end()), at.end());
}

// Whether the zones' boxes are together large enough to cover the target's box: what each
// covers of it adds up to at least its size. Most overlaps are partial and end here.
bool boxesMayCover(const Box &t, const std::vector<Placed> &zones)
{
    double sum = 0;
    for (const Placed &zone : zones) {
        const Box &b = zone.box;
        const double width = std::min(b.right, t.right) - std::max(b.left, t.left);
        const double height = std::min(b.bottom, t.bottom) - std::max(b.top, t.top);
        if (width > 0 && height > 0)
            sum += width * height;
    }
    return sum >= (t.right - t.left) * (t.bottom - t.top);
}

// The cuts of a target's box, kept from one target to the next.
struct Grid
{
    std::vector<double> xs, ys;
};

// Whether the zones cover the target's bounding box: the box is cut at every edge of the
// zones' boxes, and each cell must lie in one zone; or it lies in one convex zone. A circle or
// polygon target is covered when its box is, so the answer errs only towards silence.
bool covered(const Placed &target, const std::vector<Placed> &zones, Grid &grid)
{
    if (std::any_of(zones.begin(), zones.end(), [&](const Placed &zone) {
            return insideOne(*target.geometry, *zone.geometry);
        }))
        return true;
    const Box &t = target.box;
    if (!boxesMayCover(t, zones))
        return false;
    cut(t.left, t.right, zones, true, grid.xs);
    cut(t.top, t.bottom, zones, false, grid.ys);
    const std::vector<double> &xs = grid.xs, &ys = grid.ys;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            const Box cell{xs[i], ys[j], xs[i + 1], ys[j + 1]};
            if (std::none_of(zones.begin(), zones.end(),
                             [&](const Placed &zone) { return holdsCell(zone, cell); }))
                return false;
        }
    }
    return true;
}

} // namespace

void AreaHiddenRule::checkMap(const PageFacts &, const MapFacts &map, int mapIndex,
                              std::vector<CheckFinding> &findings) const
{
    std::vector<Placed> earlier;
    std::vector<Placed> near;
    Grid grid;
    for (const AreaFacts &area : map.areas) {
        const AreaGeometry &g = area.geometry;
        if (!g.isZone() || !g.valid() || g.surface() == 0)
            continue;
        const Placed zone{&g, g.box()};
        near.clear();
        for (const Placed &e : earlier) {
            if (overlaps(e.box, zone.box))
                near.push_back(e);
        }
        if (!near.empty() && near.size() <= MaxCovering && covered(zone, near, grid))
            findings.push_back(finding("area-hidden", Severity::Warning,
                                       "Zone entièrement couverte par des zones précédentes "
                                       "de la map : aucun clic ne peut l'atteindre.",
                                       area.offset, mapIndex, area.zoneIndex));
        earlier.push_back(zone);
    }
}

} // namespace areamaker
