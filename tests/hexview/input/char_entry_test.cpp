// Characters arriving as WM_CHAR: double-byte pairs in ANSI windows, UTF-16
// units in Unicode windows, and what each area writes.
#include <gtest/gtest.h>

#include <vector>

#include "hexview/input/char_entry.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Written(const CharEntry& e) { return Bytes(e.bytes, e.bytes + e.count); }

TEST(CharEntry, ShiftJisCharacterInTwoAnsiMessages) {
  for (int area : {1, 2}) {
    uint8_t pending = 0;
    CharEntry first = TakeCharacter(0x82, false, area, pending);
    EXPECT_EQ(first.action, CharEntry::kPending);
    EXPECT_EQ(pending, 0x82);
    CharEntry second = TakeCharacter(0xA0, false, area, pending);  // あ
    EXPECT_EQ(second.action, CharEntry::kBytes);
    EXPECT_EQ(pending, 0);
    EXPECT_EQ(Written(second), area == 1 ? (Bytes{0x82, 0xA0}) : (Bytes{0x42, 0x30}));
  }
}

TEST(CharEntry, PendingLeadByteIsDroppedInTheNumericArea) {
  uint8_t pending = 0;
  EXPECT_EQ(TakeCharacter(0x8A, false, 0, pending).action, CharEntry::kPending);
  EXPECT_EQ(TakeCharacter(0xBF, false, 0, pending).action, CharEntry::kIgnore);
  EXPECT_EQ(pending, 0);
  CharEntry digit = TakeCharacter('4', false, 0, pending);
  EXPECT_EQ(digit.action, CharEntry::kDigit);
  EXPECT_EQ(digit.digit, '4');
}

TEST(CharEntry, SingleBytesInAnsiWindows) {
  struct Case {
    unsigned code;
    int area;
    CharEntry::Action action;
    Bytes bytes;
  } cases[] = {
      {'A', 1, CharEntry::kBytes, {0x41}},
      {'A', 2, CharEntry::kBytes, {0x41, 0x00}},
      {' ', 1, CharEntry::kBytes, {0x20}},
      {0xB1, 1, CharEntry::kBytes, {0xB1}},        // half-width ｱ
      {0xB1, 2, CharEntry::kBytes, {0x71, 0xFF}},  // U+FF71
      {0xA0, 1, CharEntry::kBytes, {0xA0}},        // its label is one blank
      {0x0D, 1, CharEntry::kIgnore, {}},
      {0x08, 2, CharEntry::kIgnore, {}},
      {0x1B, 0, CharEntry::kIgnore, {}},
      {0x7F, 1, CharEntry::kIgnore, {}},
      {0x80, 1, CharEntry::kIgnore, {}},
      {0xFD, 2, CharEntry::kIgnore, {}},
      {0xFF, 1, CharEntry::kIgnore, {}},
  };
  for (const Case& c : cases) {
    uint8_t pending = 0;
    CharEntry e = TakeCharacter(c.code, false, c.area, pending);
    EXPECT_EQ(e.action, c.action) << std::hex << c.code << " area " << c.area;
    EXPECT_EQ(Written(e), c.bytes) << std::hex << c.code << " area " << c.area;
    EXPECT_EQ(pending, 0);
  }
}

TEST(CharEntry, Utf16UnitsInUnicodeWindows) {
  struct Case {
    unsigned code;
    int area;
    CharEntry::Action action;
    Bytes bytes;
  } cases[] = {
      {0x3042, 1, CharEntry::kBytes, {0x82, 0xA0}},
      {0x3042, 2, CharEntry::kBytes, {0x42, 0x30}},
      {0x3042, 0, CharEntry::kIgnore, {}},
      {0xFF71, 1, CharEntry::kBytes, {0xB1}},
      {'a', 2, CharEntry::kBytes, {0x61, 0x00}},
      {0x0D, 2, CharEntry::kIgnore, {}},
      {0x7F, 1, CharEntry::kIgnore, {}},
      {0xD83D, 2, CharEntry::kBytes, {0x3D, 0xD8}},  // each surrogate is its own unit
  };
  for (const Case& c : cases) {
    uint8_t pending = 0;
    CharEntry e = TakeCharacter(c.code, true, c.area, pending);
    EXPECT_EQ(e.action, c.action) << std::hex << c.code << " area " << c.area;
    EXPECT_EQ(Written(e), c.bytes) << std::hex << c.code << " area " << c.area;
  }
  uint8_t pending = 0;
  CharEntry digit = TakeCharacter('b', true, 0, pending);
  EXPECT_EQ(digit.action, CharEntry::kDigit);
  EXPECT_EQ(digit.digit, 'b');
  EXPECT_EQ(TakeCharacter(0x82, true, 1, pending).action, CharEntry::kBytes);  // U+0082 is no lead byte here
  EXPECT_EQ(pending, 0);
}

TEST(CharEntry, TypeableSingleBytesAreTheOneCharacterLabels) {
  int count = 0;
  for (unsigned b = 0; b < 256; ++b) count += IsTypeableSingleByte(b) ? 1 : 0;
  EXPECT_EQ(count, 95 + 64);
  EXPECT_FALSE(IsTypeableSingleByte(0x1F));
  EXPECT_TRUE(IsTypeableSingleByte(0x7E));
  EXPECT_TRUE(IsTypeableSingleByte(0xDF));
  EXPECT_FALSE(IsTypeableSingleByte(0xE0));
}

}  // namespace
