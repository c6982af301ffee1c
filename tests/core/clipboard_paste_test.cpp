// What a paste reads from the clipboard and the bytes a paste over replaces.
#include "core/clipboard_paste.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

TEST(ChoosePasteSource, BinaryFirstThenTextByColumn) {
  const struct {
    bool binary, unicode, ansi;
    int column;
    PasteSource source;
  } rows[] = {
      {true, true, true, 2, PasteSource::Binary},     {false, true, true, 2, PasteSource::UnicodeText},
      {false, true, true, 1, PasteSource::AnsiText},  {false, true, true, 0, PasteSource::AnsiText},
      {false, false, true, 2, PasteSource::AnsiText}, {false, true, false, 0, PasteSource::None},
      {false, false, false, 2, PasteSource::None},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ChoosePasteSource(r.binary, r.unicode, r.ansi, r.column), r.source)
        << r.binary << r.unicode << r.ansi << r.column;
  }
}

TEST(TextByteCount, StopsAtTheTerminatorAndNeverPassesTheBlock) {
  const Bytes ansi = {'4', '1', 0, 'x'}, unterminated = {'a', 'b', 'c'};
  EXPECT_EQ(AnsiTextByteCount(ansi.data(), ansi.size()), 2u);
  EXPECT_EQ(AnsiTextByteCount(unterminated.data(), 3), 3u);
  EXPECT_EQ(AnsiTextByteCount(nullptr, 10), 0u);
  // A zero low byte inside a unit is no terminator; the zero unit is.
  const Bytes wide = {0x41, 0x00, 0x00, 0x30, 0x00, 0x00, 0x42, 0x00};
  EXPECT_EQ(WideTextByteCount(wide.data(), wide.size()), 4u);
  const Bytes halfUnit = {0x41, 0x00, 0x42};  // no terminator, half a unit at the end
  EXPECT_EQ(WideTextByteCount(halfUnit.data(), 3), 2u);
}

TEST(OverwriteAnchor, CoversExistingBytesOnly) {
  const struct {
    const char* why;
    int32_t caret, count, length, anchor;
  } rows[] = {
      {"inside", 2, 3, 10, 5},
      {"four bytes before the end, ten pasted", 6, 10, 10, 10},
      {"exactly to the end", 7, 3, 10, 10},
      {"at the end: plain insertion", 10, 3, 10, -1},
      {"nothing pasted", 4, 0, 10, -1},
      {"empty document", 0, 5, 0, -1},
      {"no overflow near the 32-bit limit", 5, 0x7FFFFFFF, 100, 100},
  };
  for (const auto& r : rows) EXPECT_EQ(OverwriteAnchor(r.caret, r.count, r.length), r.anchor) << r.why;
}

}  // namespace
