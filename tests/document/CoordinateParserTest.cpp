#include "document/CoordinateParser.h"
#include "document/CoreError.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace areamaker {
namespace {

// Whole numbers take a short road and all others the general one: both must read alike.
TEST(CoordinateParser, ReadsEveryFormOfANumberAndRefusesTheRest)
{
    struct Case
    {
        const char *piece;
        std::optional<std::int32_t> value; // nothing: refused
        int error = 0;
    };
    const Case cases[] = {
        {"140", 140},
        {" 7\t", 7},
        {"+5", 5},
        {"-12", -12},
        {"-0", 0},
        {"007", 7},
        {"999999999", 999999999},
        {"-999999999", -999999999},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt, ErrOverflow},
        {"12.5", 12},
        {"13.5", 14},
        {"-2.7", -3},
        {"1e3", 1000},
        {"x", std::nullopt, ErrTypeMismatch},
        {"", std::nullopt, ErrTypeMismatch},
        {"--5", std::nullopt, ErrTypeMismatch},
        {"12px", std::nullopt, ErrTypeMismatch},
        {"1 2", std::nullopt, ErrTypeMismatch},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.piece);
        try {
            const std::int32_t value = parseCoordinate(c.piece);
            EXPECT_EQ(std::optional<std::int32_t>(value), c.value);
        } catch (const CoreError &error) {
            EXPECT_FALSE(c.value.has_value());
            EXPECT_EQ(error.number(), c.error);
        }
    }
    std::vector<std::int32_t> values{9};
    appendCoordinateList("1,2, 3 ,-4", values);
    EXPECT_EQ(values, (std::vector<std::int32_t>{9, 1, 2, 3, -4}));
}

} // namespace
} // namespace areamaker
