// Hit testing and drag scrolling.
#include "hexview/input/mouse_hit_test.h"

#include <algorithm>

HitResult HitTest(const ViewMetrics& m, int x, int y) {
  const int cw = m.charWidth;
  const DumpGeometry g = m.Geometry();
  const int64_t bpl = g.bytesPerLine;
  const int64_t k = std::max(0, x / cw - kFixedColumns) + static_cast<int64_t>(m.scrollColumn);
  const int64_t line = std::max(0, y / (2 * cw) - 1) + static_cast<int64_t>(m.scrollLine);
  const int64_t cell = g.digits + 1;
  int64_t byteColumn;
  int digit = 0;
  int area;
  if (k < g.AnsiColumn(0)) {
    area = kAreaNumeric;
    byteColumn = k / cell;
    digit = static_cast<int>(std::min<int64_t>(k % cell, g.digits - 1));
  } else if (k <= g.SeparatorColumn()) {
    area = kAreaAnsi;
    byteColumn = std::min<int64_t>(k - g.AnsiColumn(0), bpl - 1);
  } else {
    area = kAreaUtf16;
    byteColumn = std::min<int64_t>(k - g.Utf16Column(0), bpl - 1);
  }
  const int64_t caret = std::clamp<int64_t>(g.LineStart(line) + byteColumn, 0, m.length);
  if (caret == m.length) digit = 0;
  return {static_cast<int32_t>(caret), digit, area};
}

ScrollPosition DragScroll(const ViewMetrics& m, int x, int y) {
  int64_t column = m.scrollColumn;
  int64_t line = m.scrollLine;
  if (m.pageColumns > 1) {
    if (x < kAddressDigits * m.charWidth) {
      column -= 1;
    } else if (x > m.clientWidth) {
      column += 1;
    }
  }
  if (m.pageLines > 1) {
    if (y < 2 * m.charWidth) {
      line -= 1;
    } else if (y > m.clientHeight) {
      line += 1;
    }
  }
  return {ClampScrollColumn(m, column), ClampScrollLine(m, line)};
}

PixelPoint ClampToClient(const ViewMetrics& m, int x, int y) {
  return {std::clamp(x, 0, std::max(0, m.clientWidth - 1)), std::clamp(y, 0, std::max(0, m.clientHeight - 1))};
}
