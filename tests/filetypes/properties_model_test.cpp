// The properties model where the dialogs cannot reach: options outside the
// buttons, pitch bits, a disabled list, preselection, custom colours.
#include "filetypes/properties_model.h"

#include <gtest/gtest.h>

namespace {

TEST(PropertiesModel, WhatTheDialogsCannotReach) {
  const uint32_t views[][2] = {{0x1EC, 0x1EC}, {0xFFFF0003, 3}, {0x7 | 0x18, 0}, {0x5, 0}};
  for (const auto& v : views) {
    FileType record;
    record.view = v[0];
    EXPECT_EQ(OptionsOf(OpenProperties(record)), v[1]) << std::hex << v[0];  // radixes outside the buttons: the first
  }
  const uint8_t pitches[][2] = {{0x31, 0x31}, {0x32, 0x31}, {0x30, 0x31}, {0x22, 0x21}, {0x03, 0x01}};
  for (const auto& p : pitches) EXPECT_EQ(FixedPitch(p[0]), p[1]) << int{p[0]};

  FileType record;
  record.view = kOptSystemColors;
  PropertiesModel m = OpenProperties(record);
  SelectColorLine(m, 9, true);
  EXPECT_FALSE(m.selectedLines.any()) << "a disabled list selects nothing";
  EXPECT_TRUE(LoadFileTypePreselection(2, 2) == 0 && LoadFileTypePreselection(0, 0) == -1);
  CustomColors()[0] = 1;
  ResetCustomColors();
  EXPECT_TRUE(CustomColors()[0] == 0x404040u && CustomColors()[15] == 0xC0FFFFu);
}

}  // namespace
