#include "RoundTripCheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string finding =
        areamaker::testing::checkRoundTrip(std::string(reinterpret_cast<const char *>(data), size));
    if (!finding.empty()) {
        std::fprintf(stderr, "finding: %s\n", finding.c_str());
        std::abort();
    }
    return 0;
}
