#include "check/AreaGeometry.h"

#include "document/AsciiText.h"
#include "document/CoordinateParser.h"
#include "document/CoreError.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace areamaker {

namespace {

using Kind = AreaGeometry::Kind;

// The keywords of the standard, the old long and short forms included.
constexpr std::array<std::pair<const char *, Kind>, 7> shapeKeywords = {{
    {"rect", Kind::Rectangle},
    {"rectangle", Kind::Rectangle},
    {"circle", Kind::Circle},
    {"circ", Kind::Circle},
    {"poly", Kind::Polygon},
    {"polygon", Kind::Polygon},
    {"default", Kind::Default},
}};

Kind kindOf(std::optional<std::string_view> shape)
{
    if (!shape)
        return Kind::Rectangle;
    for (const auto &[name, kind] : shapeKeywords) {
        if (equalsIgnoreAsciiCase(*shape, name))
            return kind;
    }
    return Kind::Unknown;
}

std::string quoted(std::string_view coords)
{
    return "COORDS=\"" + std::string(coords) + "\"";
}

// The count of numbers the shape needs, in words; nothing when the count fits.
const char *missingCount(Kind kind, std::size_t n)
{
    switch (kind) {
    case Kind::Rectangle:
        return n == 4 ? nullptr : "Un rectangle demande 4 nombres";
    case Kind::Circle:
        return n == 3 ? nullptr : "Un cercle demande 3 nombres";
    case Kind::Polygon:
        return n >= 6 && n % 2 == 0 ? nullptr
                                    : "Un polygone demande un nombre pair d'au moins 6 nombres";
    default:
        return nullptr;
    }
}

std::string countProblem(const AreaGeometry &g, std::string_view coords)
{
    const std::size_t n = g.values.size();
    const char *needed = missingCount(g.kind, n);
    if (!needed)
        return {};
    return needed + (" (" + quoted(coords) + " en donne " + std::to_string(n) + ").");
}

std::string orderProblem(const AreaGeometry &g, std::string_view coords)
{
    const auto &v = g.values;
    if (g.kind == Kind::Rectangle && (v[0] >= v[2] || v[1] >= v[3]))
        return "Rectangle dont le premier coin n'est pas en haut à gauche du second "
               "(x1 < x2 et y1 < y2 sont requis) : " +
               quoted(coords) + ".";
    if (g.kind == Kind::Circle && v[2] < 0)
        return "Cercle de rayon négatif : " + quoted(coords) + ".";
    return "";
}

double cross(double ax, double ay, double bx, double by)
{
    return ax * by - ay * bx;
}

} // namespace

AreaGeometry AreaGeometry::of(std::optional<std::string_view> shape,
                              std::optional<std::string_view> coords)
{
    AreaGeometry g;
    g.kind = kindOf(shape);
    if (g.kind == Kind::Unknown) {
        g.problem = "Forme inconnue : SHAPE=\"" + std::string(*shape) + "\".";
        return g;
    }
    if (g.kind == Kind::Default)
        return g;
    if (!coords) {
        g.problem = "COORDS manquant : la zone n'a pas de position.";
        return g;
    }
    try {
        appendCoordinateList(*coords, g.values);
        g.numeric = true;
    } catch (const CoreError &error) {
        g.values.clear();
        g.problem = error.description() + " (" + quoted(*coords) + ")";
        return g;
    }
    g.problem = countProblem(g, *coords);
    if (g.problem.empty())
        g.problem = orderProblem(g, *coords);
    return g;
}

AreaGeometry::Box AreaGeometry::box() const
{
    const auto &v = values;
    if (kind == Kind::Circle)
        return {double(v[0] - v[2]), double(v[1] - v[2]), double(v[0] + v[2]), double(v[1] + v[2])};
    Box b{double(v[0]), double(v[1]), double(v[0]), double(v[1])};
    for (std::size_t i = 2; i + 1 < v.size(); i += 2) {
        b.left = std::min(b.left, double(v[i]));
        b.right = std::max(b.right, double(v[i]));
        b.top = std::min(b.top, double(v[i + 1]));
        b.bottom = std::max(b.bottom, double(v[i + 1]));
    }
    return b;
}

double AreaGeometry::surface() const
{
    const auto &v = values;
    if (kind == Kind::Circle)
        return 3.141592653589793 * double(v[2]) * double(v[2]);
    if (kind == Kind::Rectangle)
        return double(v[2] - v[0]) * double(v[3] - v[1]);
    double twice = 0;
    for (std::size_t i = 0; i < v.size(); i += 2) {
        const std::size_t j = (i + 2) % v.size();
        twice += cross(double(v[i]), double(v[i + 1]), double(v[j]), double(v[j + 1]));
    }
    return std::abs(twice) / 2;
}

bool AreaGeometry::contains(double x, double y) const
{
    const auto &v = values;
    if (kind == Kind::Rectangle)
        return x >= v[0] && x <= v[2] && y >= v[1] && y <= v[3];
    if (kind == Kind::Circle) {
        const double dx = x - double(v[0]), dy = y - double(v[1]);
        return dx * dx + dy * dy <= double(v[2]) * double(v[2]);
    }
    // Even-odd rule, as the canvas hit test; a point on an edge counts as inside.
    bool inside = false;
    const std::size_t n = v.size();
    for (std::size_t i = 0, j = n - 2; i < n; j = i, i += 2) {
        const double xi = double(v[i]), yi = double(v[i + 1]);
        const double xj = double(v[j]), yj = double(v[j + 1]);
        if (cross(xj - xi, yj - yi, x - xi, y - yi) == 0 && x >= std::min(xi, xj) &&
            x <= std::max(xi, xj) && y >= std::min(yi, yj) && y <= std::max(yi, yj))
            return true;
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

} // namespace areamaker
