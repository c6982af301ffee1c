// The numeric cell of a byte in every radix and the column rulers.
#include "hexview/render/dump_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DumpText, ByteCellsInEveryRadix) {
  struct Case {
    uint8_t value;
    int radix;
    const char* text;
  } cases[] = {
      {0x0A, 0, "0A"}, {0xFF, 0, "FF"}, {0x0A, 1, "012"}, {0xFF, 1, "377"}, {0x0A, 2, "00001010"},
      {0x07, 3, "  7"}, {0xFF, 3, "255"}, {0xFF, 4, "  -1"}, {0x80, 4, "-128"}, {0x7F, 4, " 127"},
      {0x00, 4, "   0"}, {0x41, 7, "41"},  // an unused radix code shows hexadecimal
  };
  for (const Case& c : cases) {
    char text[9];
    EXPECT_EQ(ByteCellText(c.value, c.radix, text), static_cast<int>(std::string(c.text).size()));
    EXPECT_STREQ(text, c.text);
  }
}

TEST(DumpText, RulersOfHexDecimalAndOctalAddresses) {
  EXPECT_EQ(RulerText(GeometryFor(0), 0),
            " 0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F 0123456789ABCDEF 0123456789ABCDEF");
  EXPECT_EQ(RulerText(GeometryFor(0x08), 1), " 0  1  2  3  4  5  6  7  8  9 0123456789 0123456789");
  EXPECT_EQ(RulerText(GeometryFor(0x10), 2),
            " 0  1  2  3  4  5  6  7  0  1  2  3  4  5  6  7 0123456701234567 0123456701234567");
}

}  // namespace
