// The scroll position after a search: just enough to show the caret's cell and
// line, clamped as the rule clamps them.
#include "search/match_scroll.h"

#include <gtest/gtest.h>

namespace {

TEST(MatchScroll, ShowsTheCaretsCellAndLine) {
  // why; digits, page columns and lines, line count, scroll column and line (16 bytes per line); caret, column;
  // the column and line scrolled to.
  const std::tuple<const char*, MatchScrollView, int32_t, int, MatchScroll> rows[] = {
      {"in view: nothing moves", {2, 16, 20, 10, 100, 0, 0}, 0x35, 0, {0, 0}},
      {"last numeric cell: its digits come into view", {2, 16, 20, 10, 100, 0, 0}, 0x0F, 0, {28, 0}},
      {"character column", {2, 16, 20, 10, 100, 0, 0}, 0x05, 1, {36, 0}},
      {"UNICODE column takes the character cell, clamped", {2, 16, 20, 10, 100, 0, 0}, 0x0F, 2, {45, 0}},
      {"binary cells are wider", {8, 16, 40, 10, 100, 0, 0}, 0x03, 0, {0, 0}},
      {"binary, last cell", {8, 16, 40, 10, 100, 0, 0}, 0x0F, 0, {104, 0}},
      {"scrolled past the cell: back to it", {2, 16, 20, 10, 100, 40, 0}, 0x02, 0, {6, 0}},
      {"window wider than the dump", {2, 16, 100, 10, 100, 7, 0}, 0x0F, 2, {0, 0}},
      {"line below the page", {2, 16, 20, 10, 100, 0, 0}, 50 * 16, 0, {0, 41}},
      {"line above the page", {2, 16, 20, 10, 100, 0, 60}, 50 * 16 + 1, 0, {0, 50}},
      {"line on the last row stays", {2, 16, 20, 10, 100, 0, 41}, 50 * 16, 0, {0, 41}},
      {"fewer lines than the page", {2, 16, 20, 10, 5, 0, 3}, 4 * 16, 0, {0, 0}},
  };
  for (const auto& [why, view, caret, column, expected] : rows) {
    const MatchScroll got = ScrollToShowMatch(view, caret, column);
    EXPECT_TRUE(got.column == expected.column && got.line == expected.line)
        << why << ": " << got.column << " " << got.line;
  }
}

}  // namespace
