#include "RoundTripCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace areamaker::testing {
namespace {

// Every seed of the fuzzer and every page it once broke must round-trip.
TEST(RoundTripCorpusTest, EveryPageOfTheCorpusRoundTrips)
{
    int pages = 0;
    for (const auto &entry : std::filesystem::directory_iterator(AREAMAKER_CORPUS_DIR)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(checkRoundTrip(bytes.str()), "") << entry.path().filename();
        ++pages;
    }
    EXPECT_GE(pages, 6);
}

} // namespace
} // namespace areamaker::testing
