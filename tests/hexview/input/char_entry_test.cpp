// Characters arriving as WM_CHAR: double-byte pairs in ANSI windows, UTF-16
// units in Unicode windows, and what each area writes.
#include "hexview/input/char_entry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

TEST(CharEntry, SingleMessages) {
  constexpr auto B = CharEntry::kBytes, I = CharEntry::kIgnore, D = CharEntry::kDigit;
  struct Case {
    unsigned code;
    bool unicode;
    int area;
    CharEntry::Action action;
    Bytes bytes;  // for a digit: the digit
  } cases[] = {
      {'A', false, 1, B, {0x41}},         {'A', false, 2, B, {0x41, 0x00}},  // ANSI area a byte, UTF-16 a unit
      {0xB1, false, 1, B, {0xB1}},        {0xB1, false, 2, B, {0x71, 0xFF}},  // half-width ｱ, U+FF71
      {0xA0, false, 1, B, {0xA0}},        {'4', false, 0, D, {'4'}},          // 0xA0's label is one blank
      {0x0D, false, 1, I, {}},            {0x1B, false, 0, I, {}},  {0x7F, false, 1, I, {}},  {0xFD, false, 2, I, {}},
      {0x3042, true, 1, B, {0x82, 0xA0}},  // あ converted to Shift-JIS
      {0x3042, true, 2, B, {0x42, 0x30}},  {0x3042, true, 0, I, {}},  // no digit
      {0xD83D, true, 2, B, {0x3D, 0xD8}},  // each surrogate is its own unit
      {0x82, true, 1, B, {0x3F}},          // U+0082 is no lead byte in a Unicode window
  };
  for (const Case& c : cases) {
    uint8_t pending = 0;
    CharEntry e = TakeCharacter(c.code, c.unicode, c.area, pending);
    Bytes got = e.action == D ? Bytes{static_cast<uint8_t>(e.digit)} : Bytes(e.bytes, e.bytes + e.count);
    EXPECT_TRUE(e.action == c.action && got == c.bytes && pending == 0) << std::hex << c.code << " area " << c.area;
  }
}

TEST(CharEntry, ShiftJisPairInTwoAnsiMessagesAndTheNumericAreaDropsIt) {
  for (int area : {0, 1}) {
    uint8_t pending = 0;
    EXPECT_EQ(TakeCharacter(0x82, false, area, pending).action, CharEntry::kPending);
    CharEntry second = TakeCharacter(0xA0, false, area, pending);  // あ
    const Bytes got(second.bytes, second.bytes + (second.action == CharEntry::kBytes ? second.count : 0));
    EXPECT_TRUE(pending == 0 && got == (area == 1 ? Bytes({0x82, 0xA0}) : Bytes())) << area;
  }
}

}  // namespace
