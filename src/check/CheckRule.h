#pragma once

#include "check/CheckFinding.h"
#include "check/PageFacts.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace areamaker {

// One rule of the page checker: adds its findings about a page, in any order.
class CheckRule
{
public:
    virtual ~CheckRule() = default;
    virtual void check(const PageFacts &page, std::vector<CheckFinding> &findings) const = 0;

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
