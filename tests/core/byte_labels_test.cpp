// The byte label table: literal entries of every group and the one-character rule.
#include "core/byte_labels.h"

#include <gtest/gtest.h>

#include <string>

#include "core/codepage.h"

namespace {

// Printable characters and half-width kana are themselves; the arrows are one
// double-byte character; "？", "漢" and two digits mark what cannot be drawn alone.
TEST(ByteLabels, OneEntryOfEveryGroupAndLengthsByGroup) {
  std::string joined;
  for (int v : {0x00, 0x01, 0x0D, 0x1B, 0x1C, 0x1F, 0x20, 0x5C, 0x7E, 0x7F, 0x80, 0x81, 0xA0, 0xB1, 0xDF, 0xE0, 0xFD})
    joined += ByteLabels[v] + std::string("|");
  EXPECT_EQ(joined, "\\0|SH|CR|EC|→|↓| |\\|~|DL|？80|漢81| |ｱ|ﾟ|漢E0|？FD|");
  for (int v = 0; v < 256; ++v) {
    auto b = static_cast<uint8_t>(v);
    const auto* label = reinterpret_cast<const unsigned char*>(ByteLabels[v]);
    int expected = (v >= 0x20 && v <= 0x7E) || (v >= 0xA0 && v <= 0xDF) ? 1
                   : v == 0x80 || v >= 0xFD || IsLeadByte(b)        ? 4
                                                                    : 2;
    EXPECT_EQ(ByteLabelLength(b), expected) << v;
    EXPECT_EQ(IsPlainByteLabel(b), expected == 1) << v;
    EXPECT_EQ(IsLeadByte(label[0]), expected == 4 || (v >= 0x1C && v <= 0x1F)) << v;
  }
}

}  // namespace
