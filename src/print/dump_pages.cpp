// Pages of the printed dump and their painting.
#include "print/dump_pages.h"

#include <algorithm>

#include "core/codepage.h"
#include "core/document.h"

PrintRange DumpPrintRange(const Document& doc, bool selectionChosen) {
  if (selectionChosen && doc.anchor != -1) {
    return PrintRange{std::min(doc.anchor, doc.caret), std::max(doc.anchor, doc.caret)};
  }
  return PrintRange{0, doc.length};
}

static int64_t RangeLines(const DumpGeometry& g, PrintRange r) {
  if (r.end <= r.begin) return 0;
  return int64_t{g.LineOf(r.end - 1)} - g.LineOf(r.begin) + 1;
}

DumpPager::DumpPager(Document& doc, PrintRange range, int32_t linesPerPage, int32_t runs)
    : doc_(doc), range_(range), g_(GeometryOf(doc)), sequence_(RangeLines(g_, range), linesPerPage, runs) {}

bool DumpPager::Next(DumpPage* page) {
  PagePosition p;
  if (!sequence_.Next(&p)) return false;
  if (p.number == 0) trailNext_ = false;  // every copy pairs afresh
  page->position = p;
  page->firstLine = static_cast<int32_t>(g_.LineOf(range_.begin) + p.first);
  page->lineCount = p.count;
  page->begin = static_cast<int32_t>(std::max<int64_t>(range_.begin, g_.LineStart(page->firstLine)));
  page->end = static_cast<int32_t>(std::min<int64_t>(range_.end, g_.LineStart(int64_t{page->firstLine} + p.count)));
  if (page->end < page->begin) page->end = page->begin;
  page->beginsWithTrail = trailNext_;
  trailNext_ = TrailAt(doc_, page->begin, page->end, trailNext_);
  return true;
}

bool TrailAt(Document& doc, int32_t from, int32_t to, bool fromIsTrail) {
  if (to <= from) return fromIsTrail;
  bool lead[256];
  for (int v = 0; v < 256; ++v) lead[v] = IsLeadByte(static_cast<unsigned char>(v));
  const int32_t length = doc.length;
  bool afterLead = fromIsTrail;
  Block* block = SeekBlock(doc, from);
  int64_t offset = from;
  int64_t at = from - doc.cursorBase;
  for (; block != nullptr && offset < to; block = block->next, at = 0) {
    int64_t n = std::min<int64_t>(block->len - at, to - offset);
    const uint8_t* bytes = block->data + at;
    for (int64_t i = 0; i < n; ++i) afterLead = !afterLead && lead[bytes[i]] && offset + i + 1 < length;
    offset += n;
  }
  return afterLead;
}

DumpPalette DumpPrintPalette(const Document& doc) {
  DumpPalette palette = DocumentPalette(doc);
  if ((doc.options & kOptSystemColors) != 0) {
    palette.text = Rgb(0, 0, 0);
    palette.byteColors = nullptr;
    palette.unselectedHalf = Rgb(128, 128, 128);
  }
  return palette;
}

DumpFrame DumpPageFrame(const DumpPage& page, int32_t cell) {
  DumpFrame frame;
  frame.charWidth = cell;
  frame.scrollLine = page.firstLine;
  frame.clientHeight = (page.lineCount + 1) * 2 * cell;
  frame.begin = page.begin;
  frame.end = page.end;
  frame.beginsWithTrail = page.beginsWithTrail;
  frame.endMark = false;
  frame.halfFromTrail = true;
  return frame;
}

PixelRect DumpPageRect(const Document& doc, const DumpPage& page, int32_t cell) {
  return PixelRect{0, 0, (kFixedColumns + GeometryOf(doc).TotalColumns()) * cell, (page.lineCount + 1) * 2 * cell};
}

void PaintDumpPage(DumpCanvas& canvas, Document& doc, const DumpPalette& palette, const DumpPage& page,
                   int32_t cell) {
  PaintDumpFrame(canvas, doc, palette, DumpPageFrame(page, cell), DumpPageRect(doc, page, cell), false);
}
