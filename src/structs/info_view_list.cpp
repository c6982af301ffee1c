// Row list arithmetic of the information view.
#include "structs/info_view_list.h"

#include <algorithm>
#include <cstdlib>

namespace {

int32_t RowHeight(const InfoListMetrics& m) { return 2 * std::max<int32_t>(1, m.charWidth); }

int32_t LastTopRow(const InfoListSize& size, const InfoListMetrics& m) {
  return std::max<int32_t>(0, size.rowCount - VisibleRows(m));
}

int32_t LastFirstColumn(const InfoListSize& size, const InfoListMetrics& m) {
  return std::max<int32_t>(0, size.totalColumns - VisibleColumns(m));
}

int32_t ClampTopRow(int64_t top, const InfoListSize& size, const InfoListMetrics& m) {
  return static_cast<int32_t>(std::clamp<int64_t>(top, 0, LastTopRow(size, m)));
}

}  // namespace

int32_t VisibleRows(const InfoListMetrics& m) {
  return std::max<int32_t>(1, (m.listBottom - m.toolbarHeight) / RowHeight(m));
}

int32_t VisibleColumns(const InfoListMetrics& m) {
  return std::max<int32_t>(1, m.listRight / std::max<int32_t>(1, m.charWidth));
}

InfoListPosition ClampListPosition(const InfoListPosition& p, const InfoListSize& size, const InfoListMetrics& m) {
  InfoListPosition q = p;
  q.currentRow = std::clamp<int32_t>(q.currentRow, 0, std::max<int32_t>(0, size.rowCount - 1));
  q.firstColumn = std::clamp<int32_t>(q.firstColumn, 0, LastFirstColumn(size, m));
  const int32_t visible = VisibleRows(m);
  if (q.currentRow < q.topRow) q.topRow = q.currentRow;
  if (q.currentRow > q.topRow + visible - 1) q.topRow = q.currentRow - visible + 1;
  q.topRow = ClampTopRow(q.topRow, size, m);
  return q;
}

InfoListPosition MoveListByKey(const InfoListPosition& p, const InfoListSize& size, const InfoListMetrics& m,
                               InfoListKey key, bool ctrl) {
  InfoListPosition q = p;
  const int32_t rows = VisibleRows(m);
  switch (key) {
    case InfoListKey::Up:
    case InfoListKey::Down: {
      int32_t step = key == InfoListKey::Up ? -1 : 1;
      if (!ctrl) {
        q.currentRow += step;
        break;
      }
      int32_t top = ClampTopRow(static_cast<int64_t>(q.topRow) + step, size, m);
      if (top == q.topRow) break;
      q.topRow = top;
      if (q.currentRow < top) q.currentRow = top;
      if (q.currentRow > top + rows - 1) q.currentRow = top + rows - 1;
      break;
    }
    case InfoListKey::PageUp:
    case InfoListKey::PageDown: {
      int32_t step = key == InfoListKey::PageUp ? -rows : rows;
      if (ctrl) {
        q.currentRow = key == InfoListKey::PageUp ? q.topRow : q.topRow + rows - 1;
      } else {
        q.topRow = ClampTopRow(static_cast<int64_t>(q.topRow) + step, size, m);
        q.currentRow += step;
      }
      break;
    }
    case InfoListKey::Home:
      if (ctrl) q.currentRow = 0;
      else q.firstColumn = 0;
      break;
    case InfoListKey::End:
      if (ctrl) q.currentRow = size.rowCount - 1;
      else q.firstColumn = size.totalColumns - VisibleColumns(m);
      break;
    case InfoListKey::Left: q.firstColumn -= ctrl ? 4 : 1; break;
    case InfoListKey::Right: q.firstColumn += ctrl ? 4 : 1; break;
  }
  return ClampListPosition(q, size, m);
}

bool CanScrollInPlace(const InfoListPosition& a, const InfoListPosition& b, const InfoListMetrics& m) {
  int64_t columns = std::llabs(static_cast<int64_t>(a.firstColumn) - b.firstColumn);
  int64_t rows = std::llabs(static_cast<int64_t>(a.topRow) - b.topRow);
  return columns * std::max<int32_t>(1, m.charWidth) < m.listRight && rows * RowHeight(m) < m.listBottom;
}

int32_t RowAtY(int32_t y, const InfoListPosition& p, const InfoListSize& size, const InfoListMetrics& m) {
  int32_t limited = std::max(m.toolbarHeight, std::min(y, m.listBottom - 1));
  int64_t row = static_cast<int64_t>(p.topRow) + std::max<int32_t>(0, limited - m.toolbarHeight) / RowHeight(m);
  return static_cast<int32_t>(std::clamp<int64_t>(row, 0, std::max<int32_t>(0, size.rowCount - 1)));
}

InfoListPosition DragToPoint(const InfoListPosition& p, const InfoListSize& size, const InfoListMetrics& m,
                             int32_t x, int32_t y) {
  InfoListPosition q = p;
  if (VisibleColumns(m) > 1) {
    if (x < 0 && q.firstColumn > 0) q.firstColumn -= 1;
    if (x > m.listRight && q.firstColumn < LastFirstColumn(size, m)) q.firstColumn += 1;
  }
  if (VisibleRows(m) > 1) {
    if (y < m.toolbarHeight && q.topRow > 0) q.topRow -= 1;
    if (y > m.listBottom && q.topRow < LastTopRow(size, m)) q.topRow += 1;
  }
  q.currentRow = RowAtY(y, q, size, m);
  return q;
}

InfoListPosition WheelList(const InfoListPosition& p, const InfoListSize& size, const InfoListMetrics& m,
                           int32_t delta) {
  InfoListPosition q = p;
  q.topRow = ClampTopRow(static_cast<int64_t>(q.topRow) - delta / 30, size, m);
  return q;
}

InfoListPosition ScrollList(const InfoListPosition& p, const InfoListSize& size, const InfoListMetrics& m,
                            bool vertical, ScrollAction action, int32_t thumb) {
  InfoListPosition q = p;
  int32_t& pos = vertical ? q.topRow : q.firstColumn;
  const int32_t page = vertical ? VisibleRows(m) : VisibleColumns(m);
  const int32_t last = vertical ? LastTopRow(size, m) : LastFirstColumn(size, m);
  int64_t next = pos;
  switch (action) {
    case ScrollAction::LineBack: next -= 1; break;
    case ScrollAction::LineForward: next += 1; break;
    case ScrollAction::PageBack: next -= page; break;
    case ScrollAction::PageForward: next += page; break;
    case ScrollAction::Track: next = thumb; break;
    case ScrollAction::Other: break;
  }
  pos = static_cast<int32_t>(std::clamp<int64_t>(next, 0, last));
  return q;
}
