// Printer font, cell and page capacity.
#include "print/page_metrics.h"

#include <algorithm>

#include "hexview/render/dump_layout.h"

int32_t DumpLineWidth(uint32_t options) {
  DumpGeometry g = GeometryFor(options);
  return (g.digits + 3) * g.bytesPerLine + 12;
}

int32_t PrinterFontHeight(int32_t horzRes, int32_t margin) {
  return std::max<int32_t>(1, static_cast<int32_t>(int64_t{horzRes} * 2 / std::max(1, margin)));
}

int32_t PrinterSmallFontHeight(int32_t fontHeight) { return fontHeight / 2; }

int32_t PrinterCell(int32_t tmHeight) { return std::max(1, (tmHeight + 1) / 2); }

bool PageTooShort(int32_t cell, int32_t vertRes) { return int64_t{5} * cell >= vertRes; }

// Rows of height 2f from y = top while y < vertRes - 3f.
static int32_t RowsFrom(int64_t top, int32_t cell, int32_t vertRes) {
  int64_t limit = int64_t{vertRes} - 3 * int64_t{cell};
  if (cell < 1 || top >= limit) return 0;
  return static_cast<int32_t>((limit - 1 - top) / (2 * int64_t{cell}) + 1);
}

int32_t DumpLinesPerPage(int32_t cell, int32_t vertRes) { return RowsFrom(2 * int64_t{cell}, cell, vertRes); }

int32_t StructureRowsPerPage(int32_t cell, int32_t vertRes) { return RowsFrom(0, cell, vertRes); }

int32_t OutputRuns(bool collate, int32_t copies) { return collate ? std::max(1, copies) : 1; }
