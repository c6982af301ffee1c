// The caret's pixel point (cells 8 pixels wide).
#include "hexview/input/caret_geometry.h"

#include <gtest/gtest.h>

#include "hexview/input/view_metrics_fixture.h"

namespace {

// 100 bytes; 50 cells across (41 scrollable columns visible), 6 rows (5 lines).
ViewMetrics Screen() { return Metrics(100, 5, 41); }

TEST(CaretGeometry, PixelPoint) {
  ViewMetrics m = Screen();
  EXPECT_EQ(CaretPixel(m, 0, 0, 0).x * 1000 + CaretPixel(m, 0, 0, 0).y, 72016);
  EXPECT_EQ(CaretPixel(m, 17, 0, 1).x * 1000 + CaretPixel(m, 17, 0, 1).y, 104032);  // byte column 1, second digit
  EXPECT_EQ(CaretPixel(m, 17, 1, 0).x, kHiddenCaret);  // column 49 lies right of the client area
  m.scrollColumn = 30;
  EXPECT_EQ(CaretPixel(m, 17, 1, 0).x, (49 - 30 + 9) * 8);
  EXPECT_EQ(CaretPixel(m, 17, 0, 0).x, kHiddenCaret);  // scrolled out to the left
  m.scrollColumn = 0;
  m.scrollLine = 1;
  EXPECT_EQ(CaretPixel(m, 5, 0, 0).y, kHiddenCaret);           // above the first row
  EXPECT_EQ(CaretPixel(m, 16 * 6 + 1, 0, 0).y, kHiddenCaret);  // below the client area
}

}  // namespace
