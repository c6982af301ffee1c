// The image view's first place: at the frame's client origin, raised to 0 and
// moved left and up to stay on screens of every size. (Moves are checked on
// real windows.)
#include <gtest/gtest.h>

#include "imageview/image_geometry.h"

namespace {

TEST(ImageGeometry, FirstPlaceStaysOnTheScreen) {
  const struct { ImagePoint origin; int screenWidth, screenHeight, x, y; } cases[] = {
      {{-5, 30}, 1024, 768, 0, 30},        // negative coordinates raised to 0
      {{1000, 700}, 1024, 768, 874, 488},  // moved left and up for a 150 x 280 window
      {{50, 50}, 100, 200, 0, 0},          // a screen smaller than the window
  };
  for (const auto& c : cases) {
    ImagePoint p = ImageWindowPlace(c.origin, {150, 280}, c.screenWidth, c.screenHeight);
    EXPECT_EQ(p.x * 10000 + p.y, c.x * 10000 + c.y) << c.origin.x;
  }
}

}  // namespace
