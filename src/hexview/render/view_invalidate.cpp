// Repaint rectangles of a byte range.
#include "hexview/render/view_invalidate.h"

#include <algorithm>

#include "core/document.h"

int RangeInvalidRects(const Document& doc, int32_t a, int32_t b, PixelRect out[3]) {
  DumpGeometry g = GeometryOf(doc);
  int32_t cw = CellWidth(doc);
  int32_t rowHeight = 2 * cw;
  int32_t minLeft = kFixedColumns * cw;
  int32_t lo = std::min(a, b), hi = std::max(a, b);
  if (lo % g.bytesPerLine == 0) lo = std::max(0, lo - 1);
  int32_t loLine = g.LineOf(lo), hiLine = g.LineOf(hi);

  PixelRect candidates[3];
  int n = 0;
  if (loLine == hiLine) {
    int32_t y = LineY(doc, loLine);
    int cl = g.ColumnOf(lo), ch = g.ColumnOf(hi);
    auto span = [&](int32_t left, int32_t right) {
      candidates[n++] = PixelRect{std::max(minLeft, left), y, right, y + rowHeight};
    };
    span(ColumnX(doc, g.NumericColumn(cl)), std::min(ColumnX(doc, g.NumericColumn(ch)), ColumnX(doc, g.NumericEnd())));
    span(ColumnX(doc, g.AnsiColumn(cl)), ColumnX(doc, g.AnsiColumn(ch)));
    span(ColumnX(doc, g.Utf16Column(cl)), ColumnX(doc, g.Utf16Column(ch)));
  } else {
    int32_t top = std::max(rowHeight, LineY(doc, int64_t{loLine} - 1));
    candidates[n++] = PixelRect{minLeft, top, doc.clientWidth, LineY(doc, hiLine) + rowHeight};
  }

  PixelRect client{0, 0, doc.clientWidth, doc.clientHeight};
  int kept = 0;
  for (int i = 0; i < n; ++i)
    if (Meets(candidates[i], client)) out[kept++] = candidates[i];
  return kept;
}
