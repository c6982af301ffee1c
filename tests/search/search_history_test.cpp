// Entering patterns into a history: move to front, newest first, 32 at most.
#include "search/search_history.h"

#include <gtest/gtest.h>

namespace {

using Entry = std::vector<uint8_t>;

void Enter(PatternHistory& h, const Entry& e) { EnterPatternHistory(h, e.data(), static_cast<int>(e.size())); }

TEST(PatternHistory, EntriesMoveToTheFrontWithoutDuplicatesAndThe33rdDropsTheOldest) {
  const std::tuple<const char*, PatternHistory, Entry, PatternHistory> rows[] = {
      {"a new pattern goes to the front", {{1}}, {2, 3}, {{2, 3}, {1}}},
      {"a known one moves to the front", {{1}, {2}, {3}, {4}}, {3}, {{3}, {1}, {2}, {4}}},
      {"the same bytes with another count differ", {{1, 2}}, {1}, {{1}, {1, 2}}},
      {"an empty pattern is ignored", {{1}}, {}, {{1}}},
      {"an overlong pattern is ignored", {{1}}, Entry(129, 7), {{1}}}};
  for (const auto& [why, before, entered, after] : rows) {
    PatternHistory h = before;
    Enter(h, entered);
    EXPECT_EQ(h, after) << why;
  }
  PatternHistory h;
  for (uint8_t i = 1; i <= 33; ++i) Enter(h, {i});
  EXPECT_TRUE(h.size() == 32u && h.front() == Entry{33} && h.back() == Entry{2});
  Enter(h, {2});  // the oldest comes back to the front; nothing is dropped
  EXPECT_TRUE(h.size() == 32u && h.front() == Entry{2} && h.back() == Entry{3});
}

}  // namespace
