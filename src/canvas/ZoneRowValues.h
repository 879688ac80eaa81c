#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace areamaker {

class Zone;

// Grid row tags of a zone, fixed so that the grid's events name their row.
enum ZoneRowTag : int
{
    TagZoneProperties = 1,
    TagType = 2,
    TagTarget = 3,
    TagHref = 4,
    TagAlt = 5,
    TagTitle = 6,
    TagLeft = 7,
    TagTop = 8,
    TagWidth = 9,
    TagHeight = 10,
    TagCentre = 11,
    TagRadius = 12,
    TagCursor = 20,
    TagFirstPoint = 30,
};

// Which group of a zone's rows to rewrite: its link, its position or its size.
enum class ZoneRows
{
    Link = 13,
    Position = 14,
    Size = 15
};

struct RowValue
{
    int tag = 0;
    std::string value;
    bool operator==(const RowValue &) const = default;
};

// The values of one group of the zone's rows, as the grid shows them; none for a zone
// that is not a rectangle, circle or polygon.
std::vector<RowValue> zoneRowValues(const Zone &zone, ZoneRows group);

// "x,y" as the grid writes a point.
std::string pointText(std::int32_t x, std::int32_t y);

} // namespace areamaker
