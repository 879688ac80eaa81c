#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace areamaker {

enum class Severity
{
    Error,
    Warning
};

// One thing the checker found: which rule, how grave, what (in French) and where.
struct CheckFinding
{
    std::string_view rule; // a stable English name (area-alt, map-name...), never freed
    Severity severity = Severity::Error;
    std::string message;
    std::size_t offset = 0; // the '<' of the tag it is about
    int line = 0;           // 1-based, filled from the offset
    int column = 0;         // 1-based, in bytes
    int mapIndex = -1;
    int zoneIndex = -1;

    bool operator==(const CheckFinding &) const = default;
};

// "erreur" or "avertissement", as the report prints it.
inline const char *severityWord(Severity severity)
{
    return severity == Severity::Error ? "erreur" : "avertissement";
}

} // namespace areamaker
