// Geometry of the dump: cells, areas, lines, pages and scroll limits, in
// character cells and pixels. Plain code shared by painting, the caret, mouse
// hit testing, printing and search scrolling.
//
// A line of the dump holds bytesPerLine bytes; the byte at offset p lies in line
// p / bytesPerLine, byte column c = p mod bytesPerLine. Screen columns 0-7 hold
// the address and column 8 is blank; they never scroll. Every other column is a
// scrollable column k, drawn at x = (9 + k - scrollColumn) * charWidth:
//   numeric cell of byte column c: k = c * (digits + 1) .. + digits - 1, then a blank;
//   ANSI character of c:           k = (digits + 1) * bytesPerLine + c;
//   separator:                     k = (digits + 2) * bytesPerLine;
//   UTF-16 character of c:         k = (digits + 2) * bytesPerLine + 1 + c;
//   one trailing blank column, so (digits + 3) * bytesPerLine + 2 columns in all.
// A cell is charWidth wide and 2 * charWidth high; row 0 is the ruler and dump
// line L is drawn in row L - scrollLine + 1.
#pragma once

#include <cstdint>

struct Document;

// Screen columns that never scroll: 8 address digits and one blank.
inline constexpr int kFixedColumns = 9;
inline constexpr int kAddressDigits = 8;

// Areas of a dump line, as in Document::activeColumn.
enum DumpArea : int {
  kAreaNumeric = 0,
  kAreaAnsi = 1,
  kAreaUtf16 = 2,
};

// A pixel rectangle, half-open: [left, right) x [top, bottom). Same layout as RECT.
struct PixelRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  bool Empty() const { return left >= right || top >= bottom; }
  bool operator==(const PixelRect&) const = default;
};

// The overlap of two rectangles (empty when they do not meet).
PixelRect Intersect(const PixelRect& a, const PixelRect& b);
// True when the rectangles share at least one pixel.
bool Meets(const PixelRect& a, const PixelRect& b);

// Bytes per dump line for the address radix of options: 16, 10 or 16 (code 3 counts as hexadecimal).
int BytesPerLineFor(uint32_t options);

// The column layout of one dump line. All results are scrollable columns.
struct DumpGeometry {
  int digits = 2;
  int bytesPerLine = 16;

  // First column of the numeric cell of byte column c (0 .. bytesPerLine - 1).
  int NumericColumn(int c) const { return c * (digits + 1); }
  // Column just past the numeric area (the blank after the last cell).
  int NumericEnd() const { return (digits + 1) * bytesPerLine - 1; }
  int AnsiColumn(int c) const { return (digits + 1) * bytesPerLine + c; }
  int SeparatorColumn() const { return (digits + 2) * bytesPerLine; }
  int Utf16Column(int c) const { return (digits + 2) * bytesPerLine + 1 + c; }
  // Column just past the UTF-16 area.
  int Utf16End() const { return (digits + 3) * bytesPerLine + 1; }
  // Scrollable columns in all, the trailing blank included.
  int TotalColumns() const { return (digits + 3) * bytesPerLine + 2; }
  // Column of byte column c in area (numeric: its first digit).
  int AreaColumn(int area, int c) const;

  // Line and byte column of offset (offset >= 0).
  int32_t LineOf(int32_t offset) const { return offset / bytesPerLine; }
  int ColumnOf(int32_t offset) const { return offset % bytesPerLine; }
  // First offset of line, widened so that lines past the data still have one.
  int64_t LineStart(int64_t line) const { return line * bytesPerLine; }
  // Lines of a document of length bytes: the end-of-data position always has one.
  int32_t LineCount(int32_t length) const { return length / bytesPerLine + 1; }
};

// The layout for options: cells of 2, 3, 8, 3 or 4 digits for the data radix
// (hexadecimal, octal, binary, unsigned and signed decimal; codes 5-7 count as
// hexadecimal) and BytesPerLineFor(options) bytes per line.
DumpGeometry GeometryFor(uint32_t options);
DumpGeometry GeometryOf(const Document& doc);

// The document's cell width, never below 1 (0 before the window measured its font).
int CellWidth(const Document& doc);
// Height of one row: 2 * CellWidth.
int RowHeight(const Document& doc);

// Whole columns and lines the client area shows: max(1, clientWidth / charWidth - 9)
// and max(1, clientHeight / (2 * charWidth) - 1).
int PageColumns(const Document& doc);
int PageLines(const Document& doc);

// Largest allowed scroll positions: max(0, total columns - pageColumns) and
// max(0, lines - pageLines).
int MaxScrollColumn(const Document& doc);
int32_t MaxScrollLine(const Document& doc);
// Brings scrollColumn and scrollLine into 0 .. their maximum.
void ClampScroll(Document& doc);

// Pixel x of scrollable column k under the current horizontal scroll position
// (may lie left of the scrollable area or right of the client area).
int32_t ColumnX(const Document& doc, int column);
// Pixel y of the top of dump line, clamped to -RowHeight .. clientHeight + RowHeight
// so that lines far outside the window still give an off-screen value.
int32_t LineY(const Document& doc, int64_t line);

// The three drawing areas of the current view, full client height from row 1 on,
// left edges never left of 9 * charWidth (empty when scrolled out of view):
// numeric: up to the end of the last digit; ansi: the character cells and the
// separator; utf16: the UTF-16 cells.
struct DumpAreas {
  PixelRect numeric;
  PixelRect ansi;
  PixelRect utf16;
};
DumpAreas AreasOf(const Document& doc);
