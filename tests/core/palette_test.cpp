// Colour means and the mixed system colours.
#include "core/palette.h"

#include <gtest/gtest.h>

namespace {

TEST(MeanColor, DropsTheRemainderPerChannel) {
  EXPECT_EQ(MeanColor(Rgb(255, 0, 1), Rgb(0, 255, 2)), Rgb(127, 127, 1));
  EXPECT_EQ(MeanColor(Rgb(10, 20, 30), Rgb(10, 20, 30)), Rgb(10, 20, 30));
}

TEST(MixSystemColors, TextSelectionAndHalfHighlight) {
  // Window text black, window white, gray text, highlight text white, highlight navy.
  SystemColorValues v =
      MixSystemColors({Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(128, 128, 128), Rgb(255, 255, 255), Rgb(0, 0, 128)});
  EXPECT_EQ(v.textMix, Rgb(127, 127, 127));
  EXPECT_EQ(v.selectionMix, Rgb(191, 191, 223));  // ((highlight + window) / 2 + highlight text) / 2
  EXPECT_EQ(v.halfHighlight, Rgb(127, 127, 191));
}

}  // namespace
