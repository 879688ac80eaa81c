#pragma once

#include "check/CheckFinding.h"
#include "check/PageFacts.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace areamaker {

// One rule of the page checker: adds its findings, in any order. A rule about MAP and IMG
// tags looks at the whole page at once; a rule about AREA tags looks at one map at a time,
// so that the checker never holds more than one map's areas.
class CheckRule
{
public:
    virtual ~CheckRule() = default;
    // Findings about the page's MAP and IMG tags; its maps' areas are not read yet.
    virtual void checkPage(const PageFacts &, std::vector<CheckFinding> &) const {}
    // Findings about the AREA tags of `map`, the page's map number `mapIndex`.
    virtual void checkMap(const PageFacts &, const MapFacts &, int,
                          std::vector<CheckFinding> &) const
    {
    }

protected:
    // A finding about the tag at `offset`, of map `mapIndex` and its zone `zoneIndex`.
    static CheckFinding finding(const char *rule, Severity severity, std::string message,
                                std::size_t offset, int mapIndex = -1, int zoneIndex = -1)
    {
        CheckFinding f;
        f.rule = rule;
        f.severity = severity;
        f.message = std::move(message);
        f.offset = offset;
        f.mapIndex = mapIndex;
        f.zoneIndex = zoneIndex;
        return f;
    }
    // « text », as messages quote names and values.
    static std::string quoted(std::string_view text) { return joined({"« ", text, " »"}); }
    // The parts one after the other, in one allocation.
    static std::string joined(std::initializer_list<std::string_view> parts)
    {
        std::size_t size = 0;
        for (std::string_view part : parts)
            size += part.size();
        std::string text;
        text.reserve(size);
        for (std::string_view part : parts)
            text.append(part);
        return text;
    }
};

} // namespace areamaker
