// The information view's first size and place, and the edit box rectangle.
#include "structs/info_view_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(InfoViewGeometry, FirstSizeAndPlaceStayOnTheScreenAndTheEditBoxCoversTheValue) {
  // cw 8, toolbar 300 x 28, scroll bars 16, sizing frame 4, caption 18, screen 1024 x 768.
  const InfoWindowMetrics m{8, 300, 28, 16, 16, 4, 4, 18, 1024, 768};
  const std::tuple<int32_t, int32_t, InfoWindowSize> sizes[] = {
      {28, 10, {324, 230}}, {130, 10, {1024, 230}}, {0, 0, {324, 70}}, {28, 50, {324, 768}}};
  for (const auto& [columns, rows, size] : sizes) EXPECT_EQ(FirstWindowSize(m, columns, rows), size) << columns;
  const std::tuple<InfoPoint, InfoWindowSize, InfoPoint> places[] = {{{100, 50}, {324, 230}, {100, 50}},
                                                                     {{900, 600}, {324, 230}, {700, 538}},
                                                                     {{10, 10}, {1100, 900}, {0, 0}}};
  for (const auto& [origin, size, at] : places) EXPECT_EQ(FirstWindowPosition(origin, size, 1024, 768), at) << origin.x;
  EXPECT_EQ(EditBoxRect(8, 28, 1, 1, 20, 28, 3, 1, 2), (InfoRect{143, 58, 74, 20}));
  EXPECT_EQ(EditBoxRect(8, 28, 1, 1, 20, 28, 0, 0, 0), (InfoRect{159, 26, 74, 20}));
}

}  // namespace
