// The find and replace halves of findstat, and the options of Find Next.
#include "search/search_options.h"

#include <gtest/gtest.h>

namespace {

TEST(SearchOptions, HalvesOfFindstatAndFindNext) {
  EXPECT_EQ(FindOptionsOf(27), 3);
  EXPECT_EQ(ReplaceOptionsOf(27), 3);
  EXPECT_EQ(FindOptionsOf(0x2C), 4);
  EXPECT_EQ(ReplaceOptionsOf(0x2C), 5);
  EXPECT_EQ(FindOptionsOf(0x7FFFFFFF), 3);  // unset: the default
  EXPECT_EQ(ReplaceOptionsOf(64), 3);
  EXPECT_EQ(WithFindOptions(27, 4), 28);
  EXPECT_EQ(WithReplaceOptions(27, 4), 35);
  EXPECT_EQ(WithReplaceOptions(-1, 0), 3);
  // Find Next takes the direction from Shift.
  EXPECT_EQ(FindNextOptions(27, true), 7);
  EXPECT_EQ(FindNextOptions(27 | 4, false), 3);
  EXPECT_EQ(FindNextOptions(0, false), 0);
}

}  // namespace
