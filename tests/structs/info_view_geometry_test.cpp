// The information view's first size and place, and the edit box rectangle.
#include "structs/info_view_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(InfoViewGeometry, FirstSizeFromRowsAndColumns) {
  // cw 8, toolbar 300 x 28, scroll bars 16, sizing frame 4, caption 18, screen 1024 x 768.
  const InfoWindowMetrics m{8, 300, 28, 16, 16, 4, 4, 18, 1024, 768};
  struct Row {
    int32_t columns, rows;
    InfoWindowSize size;
  } rows[] = {{28, 10, {324, 230}},   {100, 10, {824, 230}}, {130, 10, {1024, 230}},
              {125, 10, {1024, 230}}, {0, 0, {324, 70}},     {28, 50, {324, 768}}};
  for (const Row& r : rows) EXPECT_EQ(FirstWindowSize(m, r.columns, r.rows), r.size) << r.columns << " " << r.rows;
}

TEST(InfoViewGeometry, FirstPositionStaysOnTheScreen) {
  struct Row {
    InfoPoint origin;
    InfoWindowSize size;
    InfoPoint at;
  } rows[] = {{{100, 50}, {324, 230}, {100, 50}},
              {{900, 600}, {324, 230}, {700, 538}},
              {{10, 10}, {1024, 768}, {0, 0}},
              {{10, 10}, {1100, 900}, {0, 0}}};
  for (const Row& r : rows) EXPECT_EQ(FirstWindowPosition(r.origin, r.size, 1024, 768), r.at) << r.origin.x;
}

TEST(InfoViewGeometry, EditBoxOverTheCurrentValue) {
  EXPECT_EQ(EditBoxRect(8, 28, 1, 1, 20, 28, 3, 1, 2), (InfoRect{143, 58, 74, 20}));
  EXPECT_EQ(EditBoxRect(8, 28, 1, 1, 20, 28, 0, 0, 0), (InfoRect{159, 26, 74, 20}));
}

}  // namespace
