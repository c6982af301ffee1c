// The information view's row list: keys, clicks, drags, wheel and scroll bars.
#include "structs/info_view_list.h"

#include <gtest/gtest.h>

namespace {

// cw 8 below a 30-pixel toolbar: 10 visible rows of 16 pixels, 25 visible columns.
const InfoListMetrics kMetrics{8, 30, 200, 190};
const InfoListSize kSize{30, 40};
using P = InfoListPosition;

TEST(InfoViewList, VisibleAreaKeysMouseWheelAndScrollBars) {
  EXPECT_TRUE(VisibleRows(kMetrics) == 10 && VisibleColumns(kMetrics) == 25);
  EXPECT_TRUE(VisibleRows({8, 30, 0, 20}) == 1 && VisibleColumns({8, 30, 3, 20}) == 1);
  EXPECT_TRUE(CanScrollInPlace({0, 0, 0}, {0, 5, 0}, kMetrics) && CanScrollInPlace({0, 0, 0}, {0, 0, 24}, kMetrics));
  EXPECT_FALSE(CanScrollInPlace({0, 0, 0}, {0, 12, 0}, kMetrics) || CanScrollInPlace({0, 0, 30}, {0, 0, 5}, kMetrics));
  using K = InfoListKey;
  const std::tuple<P, K, bool, P> rows[] = {
      {{0, 0, 0}, K::Up, false, {0, 0, 0}},         {{9, 0, 0}, K::Down, false, {10, 1, 0}},
      {{29, 20, 0}, K::Down, false, {29, 20, 0}},   {{5, 0, 0}, K::Down, true, {5, 1, 0}},
      {{0, 0, 0}, K::Down, true, {1, 1, 0}},        {{12, 3, 0}, K::Up, true, {11, 2, 0}},
      {{0, 0, 0}, K::PageDown, false, {10, 10, 0}}, {{25, 20, 0}, K::PageDown, false, {29, 20, 0}},
      {{5, 3, 0}, K::PageUp, false, {0, 0, 0}},     {{3, 2, 0}, K::PageDown, true, {11, 2, 0}},
      {{8, 2, 0}, K::PageUp, true, {2, 2, 0}},      {{0, 0, 0}, K::End, false, {0, 0, 15}},
      {{0, 0, 15}, K::Home, false, {0, 0, 0}},      {{0, 0, 0}, K::End, true, {29, 20, 0}},
      {{29, 20, 0}, K::Home, true, {0, 0, 0}},      {{0, 0, 15}, K::Right, false, {0, 0, 15}},
      {{0, 0, 10}, K::Right, true, {0, 0, 14}},     {{0, 0, 2}, K::Left, true, {0, 0, 0}}};
  for (const auto& [from, key, ctrl, to] : rows) {
    const P got = MoveListByKey(from, kSize, kMetrics, key, ctrl);
    EXPECT_EQ(got, to) << "key " << static_cast<int>(key) << " ctrl " << ctrl << " from " << from.currentRow << "/"
                       << from.topRow << " -> " << got.currentRow << " " << got.topRow << " " << got.firstColumn;
  }
  EXPECT_EQ(MoveListByKey({0, 0, 0}, {0, 0}, kMetrics, K::End, true), (P{0, 0, 0}));
  // Clicks, drags, the mouse wheel and the scroll bars.
  const std::tuple<int32_t, int32_t, int32_t> clicks[] = {{45, 0, 0}, {46, 0, 1}, {5, 3, 3}, {500, 20, 29}};
  for (const auto& [y, top, row] : clicks) EXPECT_EQ(RowAtY(y, {0, top, 0}, kSize, kMetrics), row) << y;
  EXPECT_EQ(RowAtY(500, {0, 0, 0}, {4, 40}, kMetrics), 3) << "clamped to the rows";
  const std::tuple<P, int32_t, int32_t, P> drags[] = {
      {{0, 5, 3}, -5, 100, {9, 5, 2}}, {{7, 5, 0}, 50, 10, {4, 4, 0}}, {{0, 20, 0}, 50, 300, {29, 20, 0}},
      {{0, 0, 15}, 250, 40, {0, 0, 15}}, {{0, 3, 0}, 201, 191, {13, 4, 1}}};
  for (const auto& [from, x, y, to] : drags) EXPECT_EQ(DragToPoint(from, kSize, kMetrics, x, y), to) << x << "," << y;
  const std::tuple<P, int32_t, P> wheels[] = {
      {{7, 10, 0}, 120, {7, 6, 0}}, {{7, 19, 0}, -240, {7, 20, 0}}, {{7, 10, 0}, 29, {7, 10, 0}}};
  for (const auto& [from, delta, to] : wheels) EXPECT_EQ(WheelList(from, kSize, kMetrics, delta), to) << delta;
  using A = ScrollAction;
  const std::tuple<bool, A, int32_t, P> bars[] = {
      {true, A::LineForward, 0, {0, 1, 0}},   {true, A::PageForward, 0, {0, 10, 0}}, {true, A::Track, 25, {0, 20, 0}},
      {false, A::PageForward, 0, {0, 0, 15}}, {false, A::Track, 7, {0, 0, 7}},       {true, A::Other, 9, {0, 0, 0}}};
  for (const auto& [vertical, action, thumb, to] : bars)
    EXPECT_EQ(ScrollList({0, 0, 0}, kSize, kMetrics, vertical, action, thumb), to) << static_cast<int>(action);
}

}  // namespace
