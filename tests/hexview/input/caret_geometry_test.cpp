// The caret's pixel point and the marker bars under its byte (cells 8 pixels wide).
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

TEST(CaretGeometry, MarkerBars) {
  ViewMetrics m = Screen();
  m.scrollColumn = 40;
  // Caret on byte 17 in the numeric area: bar 1 under the ANSI cell (column 49),
  // bar 2 under the UTF-16 cell (column 66), scrolled by 40.
  MarkerBars bars = PlaceMarkerBars(m, 17, 0);
  ASSERT_TRUE(bars.first.visible && bars.second.visible);
  EXPECT_EQ(std::to_string(bars.first.x) + "," + std::to_string(bars.first.y) + " " + std::to_string(bars.first.width) +
                "x" + std::to_string(bars.first.height) + " " + std::to_string(bars.second.x),
            "144,46 8x2 280");
  bars = PlaceMarkerBars(m, 17, 2);  // in the UTF-16 area: bar 2 under the ANSI cell; the numeric one is scrolled out
  EXPECT_TRUE(bars.second.x == (49 - 40 + 9) * 8 && !bars.first.visible);
  m.scrollColumn = 4;  // in the ANSI area: bar 1 under the numeric cell (column 3), cut at the address column
  bars = PlaceMarkerBars(m, 17, 1);
  EXPECT_TRUE(bars.first.visible && bars.first.x == 72 && bars.first.width == 8);
}

}  // namespace
