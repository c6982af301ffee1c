// The clipboard text of each column: numbers, characters, and UTF-16 with its ANSI copy.
#include "core/clipboard_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "core/number_text.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The size is exact: the terminator is the last byte.
TEST(WriteNumericText, CellsOfEachRadixSeparatedBySpaces) {
  const struct {
    int radix;
    Bytes bytes;
    const char* text;
  } rows[] = {{kRadixHex, {0x0A, 0xFF, 0x00}, "0A FF 00"},        {kRadixSigned, {0x0A, 0xFF, 0x80}, "  10   -1 -128"},
              {kRadixUnsigned, {0x0A, 0xFF, 0x00}, " 10 255   0"}, {kRadixOctal, {0x0A, 0xFF}, "012 377"},
              {kRadixBinary, {0x0A, 0x80}, "00001010 10000000"},   {kRadixHex, {}, ""}};
  for (const auto& r : rows) {
    std::string out(NumericTextSize(static_cast<int32_t>(r.bytes.size()), r.radix), '#');
    WriteNumericText(r.bytes.data(), static_cast<int32_t>(r.bytes.size()), r.radix, out.data());
    EXPECT_EQ(out, r.text + std::string(1, '\0'));
  }
  // Why: in a 32-bit process nine bytes per byte of a huge selection exceed size_t;
  // a wrapped size would make the text overrun its block.
  EXPECT_EQ(NumericTextSize(INT32_MAX, kRadixBinary), sizeof(size_t) == 4 ? SIZE_MAX : 9ull * INT32_MAX);
}

// Characters keep their zeros; UTF-16 ends with a whole zero unit (an odd last
// byte becomes a unit) and its ANSI copy stops at the first zero unit.
TEST(WriteCharacterText, CharactersAndUtf16WithItsAnsiCopy) {
  Bytes bytes = {'A', 0x00, 0x82, 0xA0};
  std::string out(CharacterTextSize(4), '#');
  WriteCharacterText(bytes.data(), 4, out.data());
  EXPECT_EQ(out, std::string("A\0\x82\xA0\0", 5));
  const Bytes odd = {0x42, 0x30, 0x41};
  Bytes wide(WideTextSize(3), 0xEE);
  WriteWideText(odd.data(), 3, wide.data());
  EXPECT_EQ(wide, (Bytes{0x42, 0x30, 0x41, 0x00, 0, 0}));
  const Bytes units = {0x42, 0x30, 0x41, 0x00, 0x00, 0x00, 0x43, 0x00};  // "あA", a zero unit, "C"
  EXPECT_EQ(AnsiCopyOfWideText(units.data(), 4) + "|" + AnsiCopyOfWideText(units.data(), 1), "あA|あ");
}

}  // namespace
