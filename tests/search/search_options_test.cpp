// The find and replace halves of findstat, and the options of Find Next.
#include "search/search_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(SearchOptions, HalvesOfFindstatAndFindNext) {
  // 0x7FFFFFFF is unset: the default.
  EXPECT_EQ((std::vector<int>{FindOptionsOf(27), ReplaceOptionsOf(27), FindOptionsOf(0x2C), ReplaceOptionsOf(0x2C),
                              FindOptionsOf(0x7FFFFFFF), ReplaceOptionsOf(64)}),
            (std::vector<int>{3, 3, 4, 5, 3, 3}));
  EXPECT_EQ((std::vector<int>{WithFindOptions(27, 4), WithReplaceOptions(27, 4), WithReplaceOptions(-1, 0)}),
            (std::vector<int>{28, 35, 3}));
  // Find Next takes the direction from Shift.
  EXPECT_EQ((std::vector<int>{FindNextOptions(27, true), FindNextOptions(27 | 4, false), FindNextOptions(0, false)}),
            (std::vector<int>{7, 3, 0}));
}

}  // namespace
