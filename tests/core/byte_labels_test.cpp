// The byte label table: literal entries and lengths of every group.
#include "core/byte_labels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Printable characters and half-width kana are themselves; the arrows are one
// double-byte character; "？", "漢" and two digits mark what cannot be drawn alone.
TEST(ByteLabels, OneEntryOfEveryGroupWithItsLength) {
  std::string labels;
  std::vector<int> lengths;
  for (int v : {0x00, 0x01, 0x0D, 0x1B, 0x1C, 0x1F, 0x20, 0x5C, 0x7E, 0x7F, 0x80, 0x81, 0xA0, 0xB1, 0xDF, 0xE0, 0xFD}) {
    labels += ByteLabels[v] + std::string("|");
    lengths.push_back(ByteLabelLength(static_cast<uint8_t>(v)));
  }
  EXPECT_EQ(labels, "\\0|SH|CR|EC|→|↓| |\\|~|DL|？80|漢81| |ｱ|ﾟ|漢E0|？FD|");
  EXPECT_EQ(lengths, (std::vector<int>{2, 2, 2, 2, 2, 2, 1, 1, 1, 2, 4, 4, 1, 1, 1, 4, 4}));
}

}  // namespace
