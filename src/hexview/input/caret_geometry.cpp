// Caret pixel position, the make-visible scroll rule and the marker bars.
#include "hexview/input/caret_geometry.h"

#include <algorithm>

#include "core/document.h"

namespace {

// Scrollable column of the caret's cell in area (numeric: its first digit).
int64_t CaretCellColumn(const ViewMetrics& m, int32_t caret, int area) {
  const DumpGeometry g = m.Geometry();
  return g.AreaColumn(area, g.ColumnOf(caret));
}

// Pixel x of scrollable column k under m's horizontal scroll position.
int64_t ColumnPixel(const ViewMetrics& m, int64_t k) { return (k - m.scrollColumn + kFixedColumns) * m.charWidth; }

}  // namespace

ViewMetrics MetricsOf(const Document& doc) {
  const DumpGeometry g = GeometryOf(doc);
  ViewMetrics m;
  m.length = doc.length;
  m.digits = g.digits;
  m.bytesPerLine = g.bytesPerLine;
  m.charWidth = CellWidth(doc);
  m.scrollColumn = doc.scrollColumn;
  m.scrollLine = doc.scrollLine;
  m.clientWidth = doc.clientWidth;
  m.clientHeight = doc.clientHeight;
  m.pageColumns = PageColumns(doc);
  m.pageLines = PageLines(doc);
  m.lineCount = g.LineCount(doc.length);
  m.totalColumns = g.TotalColumns();
  return m;
}

int32_t MaxScrollLine(const ViewMetrics& m) { return std::max<int32_t>(0, m.lineCount - m.pageLines); }

int32_t MaxScrollColumn(const ViewMetrics& m) { return std::max<int32_t>(0, m.totalColumns - m.pageColumns); }

int32_t ClampScrollLine(const ViewMetrics& m, int64_t line) {
  return static_cast<int32_t>(std::clamp<int64_t>(line, 0, MaxScrollLine(m)));
}

int32_t ClampScrollColumn(const ViewMetrics& m, int64_t column) {
  return static_cast<int32_t>(std::clamp<int64_t>(column, 0, MaxScrollColumn(m)));
}

PixelPoint CaretPixel(const ViewMetrics& m, int32_t caret, int area, int digitIndex) {
  int64_t k = CaretCellColumn(m, caret, area) + (area == kAreaNumeric ? digitIndex : 0);
  int64_t x = ColumnPixel(m, k);
  int64_t y = (static_cast<int64_t>(caret / m.bytesPerLine) - m.scrollLine + 1) * 2 * m.charWidth;
  if (x < kFixedColumns * m.charWidth || x >= m.clientWidth || y < 2 * m.charWidth || y >= m.clientHeight)
    return {kHiddenCaret, kHiddenCaret};
  return {static_cast<int>(x), static_cast<int>(y)};
}

ScrollPosition VisibleScroll(const ViewMetrics& m, int32_t caret, int area) {
  int64_t column = m.scrollColumn;
  const int64_t k = CaretCellColumn(m, caret, area);
  if (k + m.digits + 1 - m.pageColumns > column) {
    column = k + m.digits + 1 - m.pageColumns;
  } else if (k < column) {
    column = k;
  }
  int64_t line = m.scrollLine;
  const int64_t caretLine = caret / m.bytesPerLine;
  if (caretLine < line) line = caretLine;
  if (caretLine >= line + m.pageLines) line = caretLine - m.pageLines + 1;
  return {ClampScrollColumn(m, column), ClampScrollLine(m, line)};
}

MarkerBars PlaceMarkerBars(const ViewMetrics& m, int32_t caret, int area) {
  const int cw = m.charWidth;
  const int64_t y = (static_cast<int64_t>(caret / m.bytesPerLine) - m.scrollLine + 2) * 2 * cw - 2;
  const bool rowVisible = y >= 2 * cw && y < m.clientHeight;
  MarkerBars bars{};

  const int firstArea = area == kAreaNumeric ? kAreaAnsi : kAreaNumeric;
  int64_t x = ColumnPixel(m, CaretCellColumn(m, caret, firstArea));
  int64_t width = (firstArea == kAreaNumeric ? m.digits : 1) * static_cast<int64_t>(cw);
  if (x < kFixedColumns * cw) {
    width -= kFixedColumns * cw - x;
    x = kFixedColumns * cw;
  }
  if (width > 0 && x < m.clientWidth && rowVisible)
    bars.first = {true, static_cast<int>(x), static_cast<int>(y), static_cast<int>(width), 2};

  const int secondArea = area == kAreaUtf16 ? kAreaAnsi : kAreaUtf16;
  x = ColumnPixel(m, CaretCellColumn(m, caret, secondArea));
  if (x >= kFixedColumns * cw && x < m.clientWidth && rowVisible)
    bars.second = {true, static_cast<int>(x), static_cast<int>(y), cw, 2};
  return bars;
}
