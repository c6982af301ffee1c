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

std::string Numeric(const Bytes& bytes, int radix) {
  std::string out(NumericTextSize(static_cast<int32_t>(bytes.size()), radix), '#');
  WriteNumericText(bytes.data(), static_cast<int32_t>(bytes.size()), radix, out.data());
  EXPECT_EQ(out.back(), '\0');  // the size is exact: the terminator is the last byte
  out.pop_back();
  return out;
}

TEST(WriteNumericText, CellsOfEachRadixSeparatedBySpaces) {
  const struct {
    int radix;
    Bytes bytes;
    const char* text;
  } rows[] = {
      {kRadixHex, {0x0A, 0xFF, 0x00}, "0A FF 00"},
      {kRadixSigned, {0x0A, 0xFF, 0x80, 0x7F}, "  10   -1 -128  127"},
      {kRadixUnsigned, {0x0A, 0xFF, 0x00}, " 10 255   0"},
      {kRadixOctal, {0x0A, 0xFF, 0x00}, "012 377 000"},
      {kRadixBinary, {0x0A, 0x80, 0xFF}, "00001010 10000000 11111111"},
      {kRadixHex, {}, ""},
  };
  for (const auto& r : rows) EXPECT_EQ(Numeric(r.bytes, r.radix), r.text) << r.radix;
}

// Why: in a 32-bit process nine bytes per byte of a huge selection exceed size_t;
// a wrapped size would make the text overrun its block.
TEST(NumericTextSize, NeverWrapsAround) {
  EXPECT_EQ(NumericTextSize(INT32_MAX, kRadixBinary), sizeof(size_t) == 4 ? SIZE_MAX : 9ull * INT32_MAX);
  EXPECT_EQ(NumericTextSize(0, kRadixHex), 1u);
  EXPECT_EQ(NumericTextSize(3, kRadixSigned), 15u);
}

TEST(WriteCharacterText, KeepsZerosAndEndsWithOne) {
  Bytes bytes = {'A', 0x00, 0x82, 0xA0};
  std::string out(CharacterTextSize(4), '#');
  WriteCharacterText(bytes.data(), 4, out.data());
  EXPECT_EQ(out, std::string("A\0\x82\xA0\0", 5));
}

TEST(WriteWideText, EndsWithAWholeZeroUnit) {
  const struct {
    const char* why;
    Bytes bytes, block;
  } rows[] = {
      {"even count", {0x42, 0x30, 0x41, 0x00}, {0x42, 0x30, 0x41, 0x00, 0, 0}},
      {"odd count: the last byte becomes a unit", {0x42, 0x30, 0x41}, {0x42, 0x30, 0x41, 0x00, 0, 0}},
      {"nothing", {}, {0, 0}},
  };
  for (const auto& r : rows) {
    auto n = static_cast<int32_t>(r.bytes.size());
    Bytes out(WideTextSize(n), 0xEE);
    WriteWideText(r.bytes.data(), n, out.data());
    EXPECT_EQ(out, r.block) << r.why;
  }
}

TEST(AnsiCopyOfWideText, StopsAtTheFirstZeroUnit) {
  const Bytes wide = {0x42, 0x30, 0x41, 0x00, 0x00, 0x00, 0x43, 0x00};  // "あA", a zero unit, "C"
  EXPECT_EQ(AnsiCopyOfWideText(wide.data(), 4), "あA");
  EXPECT_EQ(AnsiCopyOfWideText(wide.data(), 1), "あ");
  EXPECT_EQ(AnsiCopyOfWideText(wide.data(), 0), "");
}

}  // namespace
