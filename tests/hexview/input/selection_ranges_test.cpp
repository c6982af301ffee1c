// The selections Delete, Backspace, delete line and overwriting make.
#include "hexview/input/selection_ranges.h"

#include <gtest/gtest.h>

namespace {

TEST(SelectionRanges, OfEveryKindAtTheEdges) {
  struct Case {
    const char* why;
    SelectionRange got;
    int32_t caret, anchor;
  } cases[] = {
      {"Delete takes the byte at the caret", DeleteKeyRange(5, -1, 10), 5, 6},
      {"Delete at the end of data does nothing", DeleteKeyRange(10, -1, 10), 10, -1},
      {"Backspace takes the byte before the caret", BackspaceRange(5, -1, 10), 5, 4},
      {"Backspace at offset 0 does nothing", BackspaceRange(0, -1, 10), 0, -1},
      {"Backspace keeps a selection", BackspaceRange(0, 4, 10), 0, 4},
      {"overwrite inside the data", OverwriteRange(5, 2, 10), 5, 7},
      {"overwrite running past the end is cut", OverwriteRange(9, 2, 10), 9, 10},
      {"overwrite at the end of data inserts", OverwriteRange(10, 2, 10), 10, -1},
      // At the end of data on a line start the line is empty, so the full line before goes.
      {"delete line at the end of a 32-byte file", DeleteLineRange(32, -1, 32, 16), 16, 32},
      {"delete line in the middle of a line", DeleteLineRange(20, -1, 40, 16), 16, 32},
      {"delete line on the last, partial line", DeleteLineRange(35, -1, 40, 16), 32, 40},
      {"delete line at the end of data inside a line", DeleteLineRange(40, -1, 40, 16), 32, 40},
      {"delete line, ten bytes per line, second line", DeleteLineRange(13, -1, 25, 10), 10, 20},
      {"delete line in an empty document", DeleteLineRange(0, -1, 0, 16), 0, -1},
      {"delete line takes the selection instead", DeleteLineRange(20, 3, 40, 16), 20, 3},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got.caret * 1000 + c.got.anchor, c.caret * 1000 + c.anchor) << c.why;
}

}  // namespace
