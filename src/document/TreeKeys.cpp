#include "document/TreeKeys.h"

#include "document/ImageMap.h"
#include "document/Paths.h"

#include <charconv>

namespace areamaker {

namespace {

constexpr std::string_view mapPrefix = "GEN-";
constexpr std::string_view zoneMarker = "::ZONE-";
constexpr std::string_view defaultSuffix = "::ZONE-DEFAUT";

int parseIndex(std::string_view digits)
{
    int value = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return -1;
    return value;
}

std::string withHref(const char *label, const std::string &href)
{
    return href.empty() ? std::string(label) : std::string(label) + " (" + href + ")";
}

} // namespace

std::string mapKey(int mapIndex)
{
    return std::string(mapPrefix) + std::to_string(mapIndex);
}

std::string zoneKey(int mapIndex, int zoneIndex)
{
    return mapKey(mapIndex) + std::string(zoneMarker) + std::to_string(zoneIndex);
}

std::string defaultRegionKey(int mapIndex)
{
    return mapKey(mapIndex) + std::string(defaultSuffix);
}

TreeKey decodeTreeKey(const std::string &key)
{
    const std::string_view view(key);
    if (!view.starts_with(mapPrefix))
        return {};
    const auto marker = view.find(zoneMarker);
    const int map = parseIndex(view.substr(mapPrefix.size(), marker == std::string_view::npos
                                                                 ? std::string_view::npos
                                                                 : marker - mapPrefix.size()));
    if (map < 0)
        return {};
    if (marker == std::string_view::npos)
        return {TreeKey::Kind::Map, map, -1};
    if (view.ends_with(defaultSuffix))
        return {TreeKey::Kind::DefaultRegion, map, -1};
    const int zone = parseIndex(view.substr(marker + zoneMarker.size()));
    if (zone < 0)
        return {};
    return {TreeKey::Kind::Zone, map, zone};
}

std::string mapNodeText(const std::string &name, const std::string &imagePath)
{
    if (imagePath == NoImage || imagePath.empty())
        return name;
    return name + " (" + FileNamePart(imagePath) + ")";
}

std::string zoneNodeText(int shape, const std::string &href)
{
    switch (shape) {
    case ShapeRectangle:
        return withHref("Rectangle", href);
    case ShapeCircle:
        return withHref("Cercle", href);
    case ShapePolygon:
        return withHref("Polygone", href);
    default:
        return {};
    }
}

std::string defaultRegionNodeText(const std::string &href)
{
    return withHref("Défaut", href);
}

} // namespace areamaker
