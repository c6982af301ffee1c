// Format commands on the options word and the top line across a change of
// bytes per line.
#include "hexview/commands/view_commands_format.h"

#include <gtest/gtest.h>

#include "core/display_types.h"

namespace {

TEST(ViewCommandsFormat, CyclesReturnToTheStartAndKeepTheOtherBits) {
  uint32_t options = 0x1C0;  // other bits must survive every step
  for (int expected : {1, 2, 3, 4, 0}) {
    options = WithNextDataRadix(options);
    EXPECT_EQ(DataRadixOf(options), expected);
    EXPECT_EQ(options & ~kOptDataRadixMask, 0x1C0u);
  }
  for (int expected : {1, 2, 0}) {
    options = WithNextAddressRadix(options);
    EXPECT_EQ(AddressRadixOf(options), expected);
  }
  EXPECT_EQ(options, 0x1C0u);
  EXPECT_EQ(WithToggledByteOrder(options), 0x1E0u);
  EXPECT_EQ(WithToggledByteOrder(0x1E0u), 0x1C0u);
  EXPECT_EQ(WithDataRadix(0x24, 3), 0x23u);
  EXPECT_EQ(WithAddressRadix(0x24, 1), 0x2Cu);
  EXPECT_EQ(WithByteOrder(0x04, true), 0x24u);
  EXPECT_EQ(WithByteOrder(0x24, false), 0x04u);
}

TEST(ViewCommandsFormat, TopLineKeepsItsFirstByte) {
  EXPECT_EQ(TopLineAfterFormatChange(10, 16, 10), 16);  // byte 160 begins line 16 of 10
  EXPECT_EQ(TopLineAfterFormatChange(7, 16, 10), 11);   // byte 112 lies in line 11 (110-119)
  EXPECT_EQ(TopLineAfterFormatChange(11, 10, 16), 6);   // byte 110 lies in line 6 (96-111)
  EXPECT_EQ(TopLineAfterFormatChange(5, 16, 16), 5);
  EXPECT_EQ(TopLineAfterFormatChange(200000000, 10, 16), 125000000);  // no overflow
}

}  // namespace
