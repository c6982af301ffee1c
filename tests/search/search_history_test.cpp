// Entering patterns into a history: move to front, newest first, 32 at most.
#include "search/search_history.h"

#include <gtest/gtest.h>

namespace {

using Entry = std::vector<uint8_t>;

void Enter(PatternHistory& h, const Entry& e) { EnterPatternHistory(h, e.data(), static_cast<int>(e.size())); }

TEST(PatternHistory, NewPatternGoesToTheFront) {
  PatternHistory h;
  Enter(h, {1});
  Enter(h, {2, 3});
  EXPECT_EQ(h, (PatternHistory{{2, 3}, {1}}));
}

TEST(PatternHistory, KnownPatternMovesToTheFrontWithoutADuplicate) {
  PatternHistory h{{1}, {2}, {3}, {4}};
  Enter(h, {3});
  EXPECT_EQ(h, (PatternHistory{{3}, {1}, {2}, {4}}));
  Enter(h, {3});
  EXPECT_EQ(h, (PatternHistory{{3}, {1}, {2}, {4}}));
  Enter(h, {4});
  EXPECT_EQ(h, (PatternHistory{{4}, {3}, {1}, {2}}));
}

TEST(PatternHistory, SameBytesWithADifferentCountAreDifferent) {
  PatternHistory h{{1, 2}};
  Enter(h, {1});
  EXPECT_EQ(h, (PatternHistory{{1}, {1, 2}}));
}

TEST(PatternHistory, The33rdPatternDropsTheOldest) {
  PatternHistory h;
  for (uint8_t i = 1; i <= 33; ++i) Enter(h, {i});
  ASSERT_EQ(h.size(), 32u);
  EXPECT_EQ(h.front(), Entry{33});
  EXPECT_EQ(h.back(), Entry{2});
  Enter(h, {2});  // the oldest comes back to the front; nothing is dropped
  ASSERT_EQ(h.size(), 32u);
  EXPECT_EQ(h.front(), Entry{2});
  EXPECT_EQ(h.back(), Entry{3});
}

TEST(PatternHistory, EmptyOrOverlongPatternsAreIgnored) {
  PatternHistory h{{1}};
  Enter(h, {});
  Enter(h, Entry(129, 7));
  EXPECT_EQ(h, (PatternHistory{{1}}));
}

}  // namespace
