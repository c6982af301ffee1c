// Client points to cells: the three areas, the separator, the space right of
// the UTF-16 area, the address column and the ruler; drag scrolling.
#include "hexview/input/mouse_hit_test.h"

#include <gtest/gtest.h>

#include <string>

#include "hexview/input/view_metrics_fixture.h"

namespace {

int X(int column) { return (column + 9) * 8 + 3; }
int Y(int row) { return row * 16 + 5; }

TEST(MouseHitTest, AreasEdgesScrollAndBinaryCells) {
  const ViewMetrics m = Metrics(100, 3);
  struct Case {
    const char* name;
    int x, y;
    HitResult hit;
  } cases[] = {
      {"first digit of byte 0", X(0), Y(1), {0, 0, 0}},
      {"blank after a cell belongs to its last digit", X(5), Y(1), {1, 1, 0}},
      {"address column lands on the first visible column", 10, Y(2), {16, 0, 0}},
      {"ruler lands on the first visible line", X(3), 3, {1, 0, 0}},
      {"last ANSI cell", X(63), Y(1), {15, 0, 1}},
      {"separator belongs to the line's last byte in area 1", X(64), Y(2), {31, 0, 1}},
      {"right of the UTF-16 area", X(81), Y(2), {31, 0, 2}},
      {"below the end of data", X(20), Y(7), {100, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(HitTest(m, c.x, c.y), c.hit) << c.name;
  ViewMetrics scrolled = Metrics(100, 3, 20);
  scrolled.scrollColumn = 10;
  scrolled.scrollLine = 2;
  EXPECT_EQ(HitTest(scrolled, X(0), Y(1)), (HitResult{35, 1, 0}));
  const ViewMetrics binary = Metrics(100, 3, 91, 8);
  EXPECT_EQ(HitTest(binary, X(17), Y(1)), (HitResult{1, 7, 0}));
  EXPECT_EQ(HitTest(binary, X(16 * 9), Y(1)), (HitResult{0, 0, 1}));
}

TEST(MouseHitTest, DragScrollsOneStepPerMessage) {
  ViewMetrics m = Metrics(200, 3, 20);  // 13 lines, 82 columns
  m.scrollColumn = 5;
  m.scrollLine = 5;
  const int inside = X(10);
  std::string lines;  // inside, just below, on the last pixel, on the ruler, above the window
  for (int y : {Y(2), m.clientHeight + 1, m.clientHeight, 15, -40})
    lines += std::to_string(DragScroll(m, inside, y).line);
  EXPECT_EQ(lines, "56544");
  EXPECT_EQ(DragScroll(m, 63, Y(2)).column * 10 + DragScroll(m, m.clientWidth + 1, Y(2)).column, 46);
  m.scrollLine = 10;  // the last possible first line
  EXPECT_EQ(DragScroll(m, inside, m.clientHeight + 1).line, 10);
  EXPECT_EQ(ClampToClient(m, -5, 1000).x * 1000 + ClampToClient(m, -5, 1000).y, m.clientHeight - 1);
}

}  // namespace
