// The radix input's value: its stored choices, the text in each radix, the
// bytes of each unit and order, and the spin.
#include "hexview/dialogs/radix_value.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes UnitBytes(int32_t value, int unit, int order) {
  uint8_t out[4];
  RadixValueBytes(value, unit, order, out);
  return Bytes(out, out + UnitByteCount(unit));
}

TEST(RadixValue, CodeRoundTripsAndBadFieldsFallBackToZero) {
  for (int32_t code = 0; code < 64; ++code) {
    RadixChoice c = DecodeRadixCode(code);
    if ((code & 7) <= 4 && ((code >> 3) & 3) <= 2) {
      EXPECT_EQ(EncodeRadixCode(c), code);
    } else {
      EXPECT_TRUE(c.radix <= 4 && c.unit <= 2) << code;
    }
  }
  EXPECT_EQ(EncodeRadixCode(DecodeRadixCode(0x7FFFFFFF)), 0);  // never loaded
  RadixChoice c = DecodeRadixCode(0x2C);                         // signed, WORD, Motorola
  EXPECT_TRUE(c.radix == 4 && c.unit == kUnitWord && c.order == kOrderMotorola);
}

TEST(RadixValue, EnteredValuesBecomeUnitBytes) {
  struct Row {
    const char* why;
    const char* text;
    int radix, unit, order;
    Bytes bytes;
  };
  const Row rows[] = {
      {"FF as WORD, Intel", "FF", 0, kUnitWord, kOrderIntel, {0xFF, 0x00}},
      {"FF as WORD, Motorola", "FF", 0, kUnitWord, kOrderMotorola, {0x00, 0xFF}},
      {"-1 as signed DWORD", "-1", 4, kUnitDword, kOrderIntel, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"300 as BYTE keeps the low byte", "300", 3, kUnitByte, kOrderIntel, {0x2C}},
      {"BYTE ignores the byte order", "300", 3, kUnitByte, kOrderMotorola, {0x2C}},
      {"octal 7", "7", 1, kUnitByte, kOrderIntel, {0x07}},
      {"DWORD, Motorola", "12345678", 0, kUnitDword, kOrderMotorola, {0x12, 0x34, 0x56, 0x78}},
      {"binary WORD", "100000001", 2, kUnitWord, kOrderIntel, {0x01, 0x01}},
      {"lower-case hexadecimal", "abcd", 0, kUnitWord, kOrderIntel, {0xCD, 0xAB}},
      // Why: the spin reaches this value, so it must parse to keep OK enabled.
      {"smallest signed DWORD", "-2147483648", 4, kUnitDword, kOrderIntel, {0x00, 0x00, 0x00, 0x80}},
  };
  for (const Row& r : rows) {
    int32_t value = 0;
    ASSERT_EQ(ParseRadixText(r.text, r.radix, &value), 0) << r.why;
    EXPECT_EQ(UnitBytes(value, r.unit, r.order), r.bytes) << r.why;
  }
}

TEST(RadixValue, TextsThatDoNotParse) {
  struct Row {
    const char* text;
    int radix;
  };
  const Row rows[] = {{"", 0}, {"G", 0}, {"8", 1}, {"2", 2}, {"-1", 3}, {"100000000", 0}, {"-2147483649", 4}};
  for (const Row& r : rows) {
    int32_t value = 0;
    EXPECT_EQ(ParseRadixText(r.text, r.radix, &value), -1) << r.text << " radix " << r.radix;
  }
}

TEST(RadixValue, SpinStopsAtTheLimitsOfTheEntry) {
  struct Row {
    const char* why;
    const char* text;
    int radix, delta;
    const char* result;
  };
  const Row rows[] = {
      {"unsigned top stays", "4294967295", 3, +1, "4294967295"},
      {"unsigned bottom stays", "0", 3, -1, "0"},
      {"hexadecimal top stays", "FFFFFFFF", 0, +1, "FFFFFFFF"},
      {"signed top stays", "2147483647", 4, +1, "2147483647"},
      {"signed bottom stays", "-2147483648", 4, -1, "-2147483648"},
      {"signed crosses zero", "0", 4, -1, "-1"},
      {"hexadecimal up", "fe", 0, +1, "FF"},
      {"octal carries", "7", 1, +1, "10"},
      {"binary down", "100", 2, -1, "11"},
      {"a bad character: what came before it is used", "12x", 3, +1, "13"},
      {"empty text starts from 0", "", 0, +1, "1"},
  };
  for (const Row& r : rows) EXPECT_EQ(SpinRadixText(r.text, r.radix, r.delta), r.result) << r.why;
}

}  // namespace
