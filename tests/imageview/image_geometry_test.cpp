// Image view geometry: line counts, the first line after every key, scroll-bar
// code and wheel turn, clicks, and the window's size and first place.
#include <gtest/gtest.h>

#include "imageview/image_geometry.h"

namespace {

TEST(ImageGeometry, LineCountsAndTheScrollBar) {
  const int32_t lengths[] = {0, 1, 128, 129, 32768, 40000};
  const int32_t lines[] = {0, 1, 1, 2, 256, 313};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(ImageLineCount(lengths[i]), lines[i]) << lengths[i];
  ImageScrollBar one = ImageScrollBarFor(0, 1);  // a 1-byte document scrolls over 0 .. 1
  EXPECT_EQ(one.minimum, 0);
  EXPECT_EQ(one.maximum, 1);
  EXPECT_EQ(one.page, 256);
  EXPECT_EQ(one.position, 0);
  EXPECT_EQ(ImageScrollBarFor(57, 313).position, 57);
}

struct MoveCase {
  const char* name;
  int32_t lineCount;
  int32_t top;
  ImageMove move;
  int32_t expected;
};

TEST(ImageGeometry, KeyAndScrollBarMoves) {
  const MoveCase cases[] = {
      {"1 byte: down", 1, 0, ImageMove::LineDown, 0},
      {"1 byte: page down", 1, 0, ImageMove::PageDown, 0},
      {"1 byte: end", 1, 0, ImageMove::End, 0},
      {"32768 bytes: end", 256, 0, ImageMove::End, 0},
      {"32768 bytes: page down", 256, 0, ImageMove::PageDown, 0},
      {"40000 bytes: end", 313, 0, ImageMove::End, 57},
      {"40000 bytes: page down stops at the end", 313, 0, ImageMove::PageDown, 57},
      {"40000 bytes: page up", 313, 57, ImageMove::PageUp, 0},
      {"40000 bytes: home", 313, 57, ImageMove::Home, 0},
      {"down from 5", 1000, 5, ImageMove::LineDown, 16},
      {"down from 16", 1000, 16, ImageMove::LineDown, 32},
      {"up from 16", 1000, 16, ImageMove::LineUp, 0},
      {"up from 20", 1000, 20, ImageMove::LineUp, 16},
      {"up from 0", 1000, 0, ImageMove::LineUp, 0},
      {"page down from 5", 1000, 5, ImageMove::PageDown, 256},
      {"page up from 300", 1000, 300, ImageMove::PageUp, 256},
      {"page up from 256", 1000, 256, ImageMove::PageUp, 0},
      {"page down near the end", 1000, 700, ImageMove::PageDown, 744},
      {"down at the end", 1000, 744, ImageMove::LineDown, 744},
      {"end", 1000, 3, ImageMove::End, 744},
  };
  for (const MoveCase& c : cases) EXPECT_EQ(ImageMoveTarget(c.top, c.move, c.lineCount), c.expected) << c.name;
}

TEST(ImageGeometry, WheelThumbAndAttach) {
  const int kLines = 100000;
  EXPECT_EQ(ImageWheelTarget(40, 120, kLines), 32);  // one notch away from the user
  EXPECT_EQ(ImageWheelTarget(40, -120, kLines), 48);
  EXPECT_EQ(ImageWheelTarget(40, 240, kLines), 32);  // (40 - 2) / 16 * 16
  EXPECT_EQ(ImageWheelTarget(40, -360, kLines), 80);
  EXPECT_EQ(ImageWheelTarget(40, 60, kLines), 32);   // less than a notch still snaps to 16
  EXPECT_EQ(ImageWheelTarget(40, -60, kLines), 32);
  EXPECT_EQ(ImageWheelTarget(0, 1200, kLines), 0);
  EXPECT_EQ(ImageWheelTarget(99740, -1200, kLines), 99744);
  EXPECT_EQ(ImageWheelTarget(5, -120, 300), 16);
  EXPECT_EQ(ImageWheelTarget(40, -120, 300), 44);

  EXPECT_EQ(ImageThumbTarget(-5, 313), 0);
  EXPECT_EQ(ImageThumbTarget(30, 313), 30);
  EXPECT_EQ(ImageThumbTarget(313, 313), 57);

  EXPECT_EQ(ImageTopLineForCaret(39999, 313), 57);
  EXPECT_EQ(ImageTopLineForCaret(3000, 313), 23);
  EXPECT_EQ(ImageTopLineForCaret(1, 1), 0);
}

TEST(ImageGeometry, ClickOffsets) {
  EXPECT_EQ(ImageClickOffset(10, 2, 16, 1000000), 2314);
  EXPECT_EQ(ImageClickOffset(0, 100, 0, 3000), 3000);       // below the data
  EXPECT_EQ(ImageClickOffset(63, 255, 57, 40000), 39999);   // the last byte
  EXPECT_EQ(ImageClickOffset(64, 255, 57, 40000), 40000);   // just after it
  EXPECT_EQ(ImageClickOffset(127, 255, 57, 40000), 40000);
  EXPECT_EQ(ImageClickOffset(5, 0, 0, 0), 0);               // an empty document
}

TEST(ImageGeometry, WindowSizeAndFirstPlace) {
  const ImageFrameMetrics m{17, 1, 1, 18};
  ImageExtent size = ImageWindowSize(m);
  EXPECT_EQ(size.width, 146);
  EXPECT_EQ(size.height, 275);
  ImagePoint p = ImageWindowPlace({-5, 30}, m, 1024, 768);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 30);
  p = ImageWindowPlace({1000, 700}, m, 1024, 768);  // a 147 x 276 window kept on the screen
  EXPECT_EQ(p.x, 877);
  EXPECT_EQ(p.y, 492);
  p = ImageWindowPlace({50, 50}, m, 100, 200);  // a screen smaller than the window
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
}

}  // namespace
