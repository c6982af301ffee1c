// Format commands on the options word and the top line across a change of
// bytes per line (the window tests walk the cycles through the menu).
#include "hexview/commands/view_commands_format.h"

#include <gtest/gtest.h>

#include "core/display_types.h"

namespace {

TEST(ViewCommandsFormat, ChangesKeepTheOtherBits) {
  uint32_t options = 0x1C0;  // other bits must survive every step
  for (int i = 0; i < 5; ++i) options = WithNextDataRadix(options);
  for (int i = 0; i < 3; ++i) options = WithNextAddressRadix(options);
  EXPECT_EQ(options, 0x1C0u);
  EXPECT_EQ(WithToggledByteOrder(options), 0x1E0u);
  EXPECT_EQ(WithToggledByteOrder(0x1E0u), 0x1C0u);
  EXPECT_EQ(WithDataRadix(0x24, 3), 0x23u);
  EXPECT_EQ(WithAddressRadix(0x24, 1), 0x2Cu);
  EXPECT_EQ(WithByteOrder(0x04, true) * 0x100 + WithByteOrder(0x24, false), 0x2404u);
}

TEST(ViewCommandsFormat, TopLineKeepsItsFirstByte) {
  EXPECT_EQ(TopLineAfterFormatChange(11, 10, 16), 6);                 // byte 110 lies in line 6 (96-111)
  EXPECT_EQ(TopLineAfterFormatChange(200000000, 10, 16), 125000000);  // no overflow
}

}  // namespace
