// What a paste reads from the clipboard and the bytes a paste over replaces.
#include "core/clipboard_paste.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using Sizes = std::vector<size_t>;

TEST(ChoosePasteSource, BinaryFirstThenTextByColumn) {
  const struct {
    bool binary, unicode, ansi;
    int column;
    PasteSource source;
  } rows[] = {{true, true, true, 2, PasteSource::Binary},     {false, true, true, 2, PasteSource::UnicodeText},
              {false, true, true, 1, PasteSource::AnsiText},  {false, false, true, 2, PasteSource::AnsiText},
              {false, true, false, 0, PasteSource::None}};
  for (const auto& r : rows) {
    EXPECT_EQ(ChoosePasteSource(r.binary, r.unicode, r.ansi, r.column), r.source) << r.unicode << r.ansi << r.column;
  }
}

// A zero low byte inside a unit is no terminator; the zero unit is. The count
// never passes the block, half a unit at its end included.
TEST(TextByteCount, StopsAtTheTerminatorAndNeverPassesTheBlock) {
  const Bytes ansi = {'4', '1', 0, 'x'}, wide = {0x41, 0x00, 0x00, 0x30, 0x00, 0x00, 0x42, 0x00};
  EXPECT_EQ((Sizes{AnsiTextByteCount(ansi.data(), 4), AnsiTextByteCount(ansi.data(), 2), AnsiTextByteCount(nullptr, 10),
                   WideTextByteCount(wide.data(), 8), WideTextByteCount(wide.data(), 3)}),
            (Sizes{2, 2, 0, 4, 2}));
}

TEST(OverwriteAnchor, CoversExistingBytesOnly) {
  const struct {
    int32_t caret, count, length, anchor;
  } rows[] = {{2, 3, 10, 5},   {6, 10, 10, 10}, {10, 3, 10, -1}, {4, 0, 10, -1},
              {0, 5, 0, -1},  {5, 0x7FFFFFFF, 100, 100}};  // no overflow near the 32-bit limit
  for (const auto& r : rows) EXPECT_EQ(OverwriteAnchor(r.caret, r.count, r.length), r.anchor) << r.caret << r.count;
}

}  // namespace
