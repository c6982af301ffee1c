// The information view's row list: keys, clicks, drags, wheel and scroll bars.
#include "structs/info_view_list.h"

#include <gtest/gtest.h>

namespace {

// cw 8 below a 30-pixel toolbar: 10 visible rows of 16 pixels, 25 visible columns.
const InfoListMetrics kMetrics{8, 30, 200, 190};
const InfoListSize kSize{30, 40};

TEST(InfoViewList, VisibleRowsAndColumns) {
  EXPECT_EQ(VisibleRows(kMetrics), 10);
  EXPECT_EQ(VisibleColumns(kMetrics), 25);
  EXPECT_EQ(VisibleRows({8, 30, 0, 20}), 1);
  EXPECT_EQ(VisibleColumns({8, 30, 3, 20}), 1);
}

TEST(InfoViewList, Keys) {
  using K = InfoListKey;
  struct Row {
    InfoListPosition from;
    K key;
    bool ctrl;
    InfoListPosition to;
  } rows[] = {
      {{0, 0, 0}, K::Down, false, {1, 0, 0}},       {{0, 0, 0}, K::Up, false, {0, 0, 0}},
      {{9, 0, 0}, K::Down, false, {10, 1, 0}},      {{29, 20, 0}, K::Down, false, {29, 20, 0}},
      {{5, 0, 0}, K::Down, true, {5, 1, 0}},        {{0, 0, 0}, K::Down, true, {1, 1, 0}},
      {{12, 3, 0}, K::Up, true, {11, 2, 0}},        {{4, 0, 0}, K::Up, true, {4, 0, 0}},
      {{0, 0, 0}, K::PageDown, false, {10, 10, 0}}, {{25, 20, 0}, K::PageDown, false, {29, 20, 0}},
      {{5, 3, 0}, K::PageUp, false, {0, 0, 0}},     {{3, 2, 0}, K::PageDown, true, {11, 2, 0}},
      {{8, 2, 0}, K::PageUp, true, {2, 2, 0}},      {{0, 0, 0}, K::End, false, {0, 0, 15}},
      {{0, 0, 15}, K::Home, false, {0, 0, 0}},      {{0, 0, 0}, K::End, true, {29, 20, 0}},
      {{29, 20, 0}, K::Home, true, {0, 0, 0}},      {{0, 0, 14}, K::Right, false, {0, 0, 15}},
      {{0, 0, 15}, K::Right, false, {0, 0, 15}},    {{0, 0, 10}, K::Right, true, {0, 0, 14}},
      {{0, 0, 2}, K::Left, true, {0, 0, 0}},        {{0, 0, 1}, K::Left, false, {0, 0, 0}},
  };
  for (const Row& r : rows) {
    InfoListPosition got = MoveListByKey(r.from, kSize, kMetrics, r.key, r.ctrl);
    EXPECT_EQ(got, r.to) << "key " << static_cast<int>(r.key) << " ctrl " << r.ctrl << " from row "
                         << r.from.currentRow << " top " << r.from.topRow << " -> " << got.currentRow << " "
                         << got.topRow << " " << got.firstColumn;
  }
  EXPECT_EQ(MoveListByKey({0, 0, 0}, {0, 0}, kMetrics, K::Down, false), (InfoListPosition{0, 0, 0}));
  EXPECT_EQ(MoveListByKey({0, 0, 0}, {0, 0}, kMetrics, K::End, true), (InfoListPosition{0, 0, 0}));
}

TEST(InfoViewList, ScrollInPlaceOnlyForShiftsSmallerThanTheArea) {
  EXPECT_TRUE(CanScrollInPlace({0, 0, 0}, {0, 5, 0}, kMetrics));
  EXPECT_FALSE(CanScrollInPlace({0, 0, 0}, {0, 12, 0}, kMetrics));
  EXPECT_TRUE(CanScrollInPlace({0, 0, 0}, {0, 0, 24}, kMetrics));
  EXPECT_FALSE(CanScrollInPlace({0, 0, 30}, {0, 0, 5}, kMetrics));
}

TEST(InfoViewList, MouseRows) {
  struct Row {
    int32_t y, top, row;
  } rows[] = {{30, 0, 0}, {45, 0, 0}, {46, 0, 1}, {5, 3, 3}, {500, 20, 29}, {189, 0, 9}};
  for (const Row& r : rows) EXPECT_EQ(RowAtY(r.y, {0, r.top, 0}, kSize, kMetrics), r.row) << r.y;
  EXPECT_EQ(RowAtY(500, {0, 0, 0}, {4, 40}, kMetrics), 3) << "clamped to the rows";
}

TEST(InfoViewList, DragScrollsAtTheEdges) {
  struct Row {
    InfoListPosition from;
    int32_t x, y;
    InfoListPosition to;
  } rows[] = {{{0, 5, 3}, -5, 100, {9, 5, 2}},  {{7, 5, 0}, 50, 10, {4, 4, 0}},  {{0, 20, 0}, 50, 300, {29, 20, 0}},
              {{0, 0, 15}, 250, 40, {0, 0, 15}}, {{0, 0, 0}, -1, 20, {0, 0, 0}}, {{0, 3, 0}, 201, 191, {13, 4, 1}}};
  for (const Row& r : rows) {
    EXPECT_EQ(DragToPoint(r.from, kSize, kMetrics, r.x, r.y), r.to) << r.x << "," << r.y;
  }
}

TEST(InfoViewList, WheelAndScrollBars) {
  EXPECT_EQ(WheelList({7, 10, 0}, kSize, kMetrics, 120), (InfoListPosition{7, 6, 0}));
  EXPECT_EQ(WheelList({7, 10, 0}, kSize, kMetrics, -240), (InfoListPosition{7, 18, 0}));
  EXPECT_EQ(WheelList({7, 19, 0}, kSize, kMetrics, -240), (InfoListPosition{7, 20, 0}));
  EXPECT_EQ(WheelList({7, 10, 0}, kSize, kMetrics, 29), (InfoListPosition{7, 10, 0}));
  struct Row {
    bool vertical;
    ScrollAction action;
    int32_t thumb;
    InfoListPosition to;
  } rows[] = {{true, ScrollAction::LineForward, 0, {0, 1, 0}},  {true, ScrollAction::PageForward, 0, {0, 10, 0}},
              {true, ScrollAction::Track, 25, {0, 20, 0}},      {false, ScrollAction::PageForward, 0, {0, 0, 15}},
              {false, ScrollAction::LineBack, 0, {0, 0, 0}},    {false, ScrollAction::Track, 7, {0, 0, 7}},
              {true, ScrollAction::Other, 9, {0, 0, 0}}};
  for (const Row& r : rows) {
    EXPECT_EQ(ScrollList({0, 0, 0}, kSize, kMetrics, r.vertical, r.action, r.thumb), r.to)
        << static_cast<int>(r.action);
  }
}

}  // namespace
