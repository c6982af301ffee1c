// The radix input's value: its stored choices, the text in each radix, the
// bytes of each unit and order, and the spin.
#include "hexview/dialogs/radix_value.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

TEST(RadixValue, CodeRoundTripsAndBadFieldsFallBackToZero) {
  for (int32_t code = 0; code < 64; ++code) {
    RadixChoice c = DecodeRadixCode(code);
    EXPECT_TRUE((code & 7) <= 4 && ((code >> 3) & 3) <= 2 ? EncodeRadixCode(c) == code : c.radix <= 4 && c.unit <= 2)
        << code;
  }
  EXPECT_EQ(EncodeRadixCode(DecodeRadixCode(0x7FFFFFFF)), 0);  // never loaded
}

TEST(RadixValue, TextsBecomeUnitBytesOrDoNotParse) {
  const struct {
    const char* text;
    int radix, unit, order;
    Bytes bytes;  // empty: the text does not parse
  } rows[] = {
      {"-1", 4, kUnitDword, kOrderIntel, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"300", 3, kUnitByte, kOrderMotorola, {0x2C}},  // the low byte; no order
      {"12345678", 0, kUnitDword, kOrderMotorola, {0x12, 0x34, 0x56, 0x78}},
      {"FF", 0, kUnitWord, kOrderMotorola, {0x00, 0xFF}}, {"100000001", 2, kUnitWord, kOrderIntel, {0x01, 0x01}},
      {"-2147483648", 4, kUnitDword, kOrderIntel, {0x00, 0x00, 0x00, 0x80}},  // the spin reaches it
      {"", 0, 0, 0, {}}, {"8", 1, 0, 0, {}}, {"-1", 3, 0, 0, {}}, {"100000000", 0, 0, 0, {}},
      {"-2147483649", 4, 0, 0, {}},
  };
  for (const auto& r : rows) {
    int32_t value = 0;
    uint8_t out[4];
    const bool parsed = ParseRadixText(r.text, r.radix, &value) == 0;
    if (parsed) RadixValueBytes(value, r.unit, r.order, out);
    EXPECT_EQ(parsed ? Bytes(out, out + UnitByteCount(r.unit)) : Bytes{}, r.bytes) << r.text << " radix " << r.radix;
  }
}

// Unsigned top and signed bottom stay; signed crosses zero; octal carries; binary
// goes down; empty text starts from 0; a bad character: what came before it is used.
TEST(RadixValue, SpinStopsAtTheLimitsOfTheEntry) {
  EXPECT_EQ(SpinRadixText("4294967295", 3, +1) + " " + SpinRadixText("-2147483648", 4, -1) + " " +
                SpinRadixText("0", 4, -1) + " " + SpinRadixText("7", 1, +1) + " " + SpinRadixText("100", 2, -1) + " " +
                SpinRadixText("", 0, +1) + " " + SpinRadixText("12x", 3, +1),
            "4294967295 -2147483648 -1 10 11 1 13");
}

}  // namespace
