// The byte label table: literal entries of every group and the one-character rule.
#include "core/byte_labels.h"

#include <gtest/gtest.h>

#include <string>

#include "core/codepage.h"

namespace {

TEST(ByteLabels, OneEntryOfEveryGroup) {
  struct Case {
    uint8_t value;
    const char* label;
  } cases[] = {
      {0x00, "\\0"}, {0x01, "SH"}, {0x0A, "LF"}, {0x0D, "CR"}, {0x1B, "EC"}, {0x1C, "→"}, {0x1D, "←"},
      {0x1E, "↑"},   {0x1F, "↓"},  {0x20, " "},  {0x41, "A"},  {0x5C, "\\"}, {0x7E, "~"},  {0x7F, "DL"},
      {0x80, "？80"}, {0x81, "漢81"}, {0x9F, "漢9F"}, {0xA0, " "}, {0xA1, "｡"}, {0xB1, "ｱ"}, {0xDF, "ﾟ"},
      {0xE0, "漢E0"}, {0xFC, "漢FC"}, {0xFD, "？FD"}, {0xFF, "？FF"},
  };
  for (const Case& c : cases) EXPECT_EQ(std::string(ByteLabels[c.value]), c.label) << int(c.value);
}

// Printable characters and half-width kana are themselves; the arrows are one
// double-byte character; "？", "漢" and two digits mark what cannot be drawn alone.
TEST(ByteLabels, LengthsAndShapesByGroup) {
  for (int v = 0; v < 256; ++v) {
    auto b = static_cast<uint8_t>(v);
    const auto* label = reinterpret_cast<const unsigned char*>(ByteLabels[v]);
    int expected = (v >= 0x20 && v <= 0x7E) || (v >= 0xA0 && v <= 0xDF) ? 1
                   : v == 0x80 || v >= 0xFD || IsLeadByte(b)        ? 4
                                                                    : 2;
    EXPECT_EQ(ByteLabelLength(b), expected) << v;
    EXPECT_EQ(IsPlainByteLabel(b), expected == 1) << v;
    EXPECT_EQ(IsLeadByte(label[0]), expected == 4 || (v >= 0x1C && v <= 0x1F)) << v;
    EXPECT_TRUE(expected != 4 || !IsLeadByte(label[2])) << v;
  }
}

}  // namespace
