// Colour means and the mixed system colours.
#include "core/palette.h"

#include <gtest/gtest.h>

namespace {

// Window text black, window white, gray text, highlight text white, highlight navy;
// means drop the remainder per channel.
TEST(MixSystemColors, TextSelectionAndHalfHighlight) {
  EXPECT_EQ(MeanColor(Rgb(255, 0, 1), Rgb(0, 255, 2)), Rgb(127, 127, 1));
  SystemColorValues v =
      MixSystemColors({Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(128, 128, 128), Rgb(255, 255, 255), Rgb(0, 0, 128)});
  EXPECT_EQ(v.textMix, Rgb(127, 127, 127));
  EXPECT_EQ(v.selectionMix, Rgb(191, 191, 223));  // ((highlight + window) / 2 + highlight text) / 2
  EXPECT_EQ(v.halfHighlight, Rgb(127, 127, 191));
}

}  // namespace
