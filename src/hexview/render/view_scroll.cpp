// Re-synchronising the ANSI column after a scroll.
#include "hexview/render/view_scroll.h"

#include <algorithm>
#include <memory>
#include <new>

#include "core/codepage.h"
#include "core/document.h"

int AnsiResyncRect(Document& doc, int32_t previousLine, PixelRect* rect) {
  int32_t now = doc.scrollLine;
  if (now == previousLine) return 0;
  DumpGeometry g = GeometryOf(doc);
  int64_t change = now > previousLine ? int64_t{now} - previousLine : int64_t{previousLine} - now;
  int64_t from = g.LineStart(std::min(now, previousLine));
  int64_t stayed = g.LineStart(std::max(now, previousLine));
  int32_t rowHeight = RowHeight(doc);
  if (stayed >= doc.length || change * rowHeight >= doc.clientHeight) return 0;  // no byte stayed on screen

  int32_t stepped = static_cast<int32_t>(change * g.bytesPerLine);
  std::unique_ptr<uint8_t[]> passed(new (std::nothrow) uint8_t[static_cast<size_t>(stepped)]);
  if (!passed) return -1;
  int count = ReadBytes(doc, static_cast<int32_t>(from), passed.get(), stepped);
  int j = 0;
  while (j < count) j += IsLeadByte(passed[j]) ? 2 : 1;
  if (j == count) return 0;

  int32_t lines = std::max(1, doc.clientHeight / rowHeight);
  int32_t want = lines * g.bytesPerLine;
  std::unique_ptr<uint8_t[]> visible(new (std::nothrow) uint8_t[static_cast<size_t>(want)]);
  if (!visible) return -1;
  int n = ReadBytes(doc, static_cast<int32_t>(stayed), visible.get(), want);
  int run = 0;
  while (run < n && IsLeadByte(visible[run])) ++run;

  int32_t y = LineY(doc, g.LineOf(static_cast<int32_t>(stayed)));
  int32_t left = std::max(kFixedColumns * CellWidth(doc), ColumnX(doc, g.AnsiColumn(0)));
  if (run < g.bytesPerLine) {
    *rect = PixelRect{left, y, ColumnX(doc, g.AnsiColumn(run) + 1), y + rowHeight};
  } else {
    *rect = PixelRect{left, y, ColumnX(doc, g.SeparatorColumn() + 1), y + (run / g.bytesPerLine + 1) * rowHeight};
  }
  if (rect->Empty()) return 0;
  return 1;
}
