#include "document/CoordinateParser.h"

#include "document/AsciiText.h"
#include "document/CoreError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace areamaker {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isAsciiSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isAsciiSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool looksDecimal(std::string_view text)
{
    std::size_t p = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    bool digits = false;
    for (; p < text.size(); ++p) {
        const char c = text[p];
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-')
            return false;
    }
    return digits;
}

// A whole number of at most nine digits, as nearly every coordinate is, read without going
// through a double; nothing for any other text, which the general reading then takes.
std::optional<std::int32_t> plainInteger(std::string_view text)
{
    const bool negative = text.starts_with('-');
    const std::string_view digits = text.substr(negative || text.starts_with('+') ? 1 : 0);
    if (digits.empty() || digits.size() > 9)
        return std::nullopt;
    std::int32_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

[[noreturn]] void notANumber(std::string_view piece)
{
    throw CoreError(ErrTypeMismatch, "Incompatibilité de type : « " + std::string(piece) +
                                         " » n'est pas une coordonnée.");
}

} // namespace

std::int32_t parseCoordinate(std::string_view piece)
{
    std::string_view text = trimmed(piece);
    if (const auto whole = plainInteger(text))
        return *whole;
    if (!looksDecimal(text))
        notANumber(piece);
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        notANumber(piece);
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        throw CoreError(ErrOverflow, "Dépassement de capacité : la coordonnée « " +
                                         std::string(piece) + " » est trop grande.");
    return static_cast<std::int32_t>(rounded);
}

} // namespace areamaker
