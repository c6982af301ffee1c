// Where the caret of a hex view stands: the view's metrics taken from its
// document, the caret's scrollable column and pixel point, the scroll rule
// that keeps it in view, and the two marker bars that underline its byte.
#pragma once

#include <cstdint>

#include "hexview/render/dump_layout.h"

// The parts of the geometry that caret, keys and mouse work with.
struct ViewMetrics {
  int32_t length = 0;        // bytes in the document; the end-of-data position
  int digits = 2;            // digits of one numeric cell
  int bytesPerLine = 16;
  int charWidth = 1;         // cell width in pixels (never below 1 here)
  int32_t scrollColumn = 0;
  int32_t scrollLine = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  int pageColumns = 1;       // max(1, clientWidth / charWidth - 9)
  int pageLines = 1;         // max(1, clientHeight / (2 * charWidth) - 1)
  int32_t lineCount = 1;     // length / bytesPerLine + 1
  int32_t totalColumns = 0;  // (digits + 3) * bytesPerLine + 2 scrollable columns

  DumpGeometry Geometry() const { return DumpGeometry{digits, bytesPerLine}; }
};

// The metrics of doc as its view shows it now (the dump layout's digits, bytes
// per line, cell width and page size).
ViewMetrics MetricsOf(const Document& doc);

// Largest first line and first column the view may scroll to.
int32_t MaxScrollLine(const ViewMetrics& m);
int32_t MaxScrollColumn(const ViewMetrics& m);
int32_t ClampScrollLine(const ViewMetrics& m, int64_t line);
int32_t ClampScrollColumn(const ViewMetrics& m, int64_t column);

// A pixel point in the view's client area.
struct PixelPoint {
  int x;
  int y;
};

// Where the caret is put when it lies outside the dump area.
inline constexpr int kHiddenCaret = -128;

// The caret's top-left pixel: the cell of caret in area, plus digitIndex cells
// in the numeric area. (kHiddenCaret, kHiddenCaret) when that point is left of
// the address columns' end, right of or below the client area, or in the ruler.
PixelPoint CaretPixel(const ViewMetrics& m, int32_t caret, int area, int digitIndex);

// First column and first line after making caret visible in area: the view
// scrolls just enough to show the caret's line and its cell, then both are clamped.
struct ScrollPosition {
  int32_t column;
  int32_t line;
};
ScrollPosition VisibleScroll(const ViewMetrics& m, int32_t caret, int area);

// Placement of a marker bar: shown only when visible is true.
struct BarPlacement {
  bool visible;
  int x;
  int y;
  int width;
  int height;  // always 2
};

// The two bars that underline the caret's byte in the areas that do not hold
// the caret: the first marks the numeric cell (caret in a character area) or
// the ANSI cell (caret in the numeric area), the second the UTF-16 cell, or the
// ANSI cell when the caret is in the UTF-16 area.
struct MarkerBars {
  BarPlacement first;
  BarPlacement second;
};
MarkerBars PlaceMarkerBars(const ViewMetrics& m, int32_t caret, int area);
