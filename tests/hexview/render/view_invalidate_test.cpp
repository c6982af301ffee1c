// Repaint rectangles of a byte range (cells 8 pixels wide, rows 16 high; numeric
// cell c at x = 72 + 24c, ANSI cell c at 456 + 8c, UTF-16 cell c at 592 + 8c).
#include "hexview/render/view_invalidate.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/render_recording.h"

namespace {

TEST(ViewInvalidate, RectanglesOfRanges) {
  struct Case {
    const char* why;
    uint32_t options;
    int32_t scrollLine, scrollColumn, a, b;
    std::vector<PixelRect> rects;
  } cases[] = {
      {"same line: one rectangle per area", 0, 0, 0, 2, 5,
       {{120, 16, 192, 32}, {472, 16, 496, 32}, {608, 16, 632, 32}}},
      {"up to a line's last byte: the numeric part stops at its cell", 0, 0, 0, 20, 31,
       {{168, 32, 432, 48}, {488, 32, 576, 48}, {624, 32, 712, 48}}},
      {"an empty range repaints nothing", 0, 0, 0, 7, 7, {}},
      {"over lines: whole rows from the row above", 0, 0, 0, 20, 50, {{72, 16, 800, 80}}},
      {"a range starting a line takes the line before (its separator)", 0, 0, 0, 16, 20, {{72, 16, 800, 48}}},
      {"scrolled down", 0, 2, 0, 40, 45, {{264, 16, 384, 32}, {520, 16, 560, 32}, {656, 16, 696, 32}}},
      {"scrolled right: the numeric cells are out of view", 0, 0, 10, 1, 3,
       {{384, 16, 400, 32}, {520, 16, 536, 32}}},
  };
  for (const Case& c : cases) {
    auto doc = PaintDocument(std::vector<uint8_t>(4000, 'x'), c.options);
    doc->scrollLine = c.scrollLine;
    doc->scrollColumn = c.scrollColumn;
    PixelRect out[3];
    int n = RangeInvalidRects(*doc, c.a, c.b, out);
    EXPECT_EQ(std::vector<PixelRect>(out, out + n), c.rects) << c.why;
  }
}

}  // namespace
