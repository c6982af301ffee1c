// View metrics for the caret and mouse tests: cells 8 pixels wide, so scrollable
// column k starts at x = (k + 9) * 8 and row r at y = r * 16, and a client area
// sized to give exactly pageColumns and pageLines.
#pragma once

#include "hexview/input/caret_geometry.h"

inline ViewMetrics Metrics(int32_t length, int pageLines, int pageColumns = 91, int digits = 2,
                           int bytesPerLine = 16) {
  ViewMetrics m;
  m.length = length;
  m.digits = digits;
  m.bytesPerLine = bytesPerLine;
  m.charWidth = 8;
  m.clientWidth = (pageColumns + 9) * 8;
  m.clientHeight = (pageLines + 1) * 16;
  m.pageColumns = pageColumns;
  m.pageLines = pageLines;
  m.lineCount = length / bytesPerLine + 1;
  m.totalColumns = (digits + 3) * bytesPerLine + 2;
  return m;
}
