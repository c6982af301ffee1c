// Dump geometry: columns, lines, pages, scroll limits and area boxes.
#include "hexview/render/dump_layout.h"

#include <algorithm>

#include "core/document.h"
#include "core/number_text.h"

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
  PixelRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
  if (r.Empty()) return PixelRect{};
  return r;
}

bool Meets(const PixelRect& a, const PixelRect& b) { return !Intersect(a, b).Empty(); }

int BytesPerLineFor(uint32_t options) { return BytesPerLineForAddressRadix(AddressRadixOf(options)); }

int DumpGeometry::AreaColumn(int area, int c) const {
  switch (area) {
    case kAreaAnsi: return AnsiColumn(c);
    case kAreaUtf16: return Utf16Column(c);
    default: return NumericColumn(c);
  }
}

DumpGeometry GeometryFor(uint32_t options) {
  const int radix = DataRadixOf(options);
  return DumpGeometry{DigitsPerValue(1, radix > kRadixSigned ? kRadixHex : radix), BytesPerLineFor(options)};
}

DumpGeometry GeometryOf(const Document& doc) { return GeometryFor(doc.options); }

int CellWidth(const Document& doc) { return std::max(1, doc.charWidth); }

int RowHeight(const Document& doc) { return 2 * CellWidth(doc); }

int PageColumns(const Document& doc) { return std::max(1, doc.clientWidth / CellWidth(doc) - kFixedColumns); }

int PageLines(const Document& doc) { return std::max(1, doc.clientHeight / RowHeight(doc) - 1); }

int MaxScrollColumn(const Document& doc) {
  return std::max(0, GeometryOf(doc).TotalColumns() - PageColumns(doc));
}

int32_t MaxScrollLine(const Document& doc) {
  return std::max(0, GeometryOf(doc).LineCount(doc.length) - PageLines(doc));
}

void ClampScroll(Document& doc) {
  doc.scrollColumn = std::clamp(doc.scrollColumn, 0, MaxScrollColumn(doc));
  doc.scrollLine = std::clamp(doc.scrollLine, 0, MaxScrollLine(doc));
}

int32_t ColumnX(const Document& doc, int column) {
  return (kFixedColumns + column - doc.scrollColumn) * CellWidth(doc);
}

int32_t LineY(const Document& doc, int64_t line) {
  int64_t rowHeight = RowHeight(doc);
  int64_t y = (line - doc.scrollLine + 1) * rowHeight;
  return static_cast<int32_t>(std::clamp<int64_t>(y, -rowHeight, std::max(0, doc.clientHeight) + rowHeight));
}

DumpAreas AreasOf(const Document& doc) {
  DumpGeometry g = GeometryOf(doc);
  int32_t cw = CellWidth(doc);
  int32_t minLeft = kFixedColumns * cw;
  int32_t top = 2 * cw;
  int32_t bottom = std::max(top, doc.clientHeight);
  auto area = [&](int32_t left, int32_t right) {
    PixelRect r{std::max(minLeft, left), top, right, bottom};
    return r.Empty() ? PixelRect{} : r;
  };
  int32_t ansiLeft = ColumnX(doc, g.AnsiColumn(0));
  int32_t utf16Left = ColumnX(doc, g.Utf16Column(0));
  DumpAreas a;
  a.numeric = area(ColumnX(doc, 0), ColumnX(doc, g.NumericEnd()));
  a.ansi = area(ansiLeft, utf16Left);
  a.utf16 = area(utf16Left, ColumnX(doc, g.Utf16End()));
  return a;
}
