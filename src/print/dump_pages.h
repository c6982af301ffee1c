// The printed dump: which bytes it covers, which of them go on which page and
// line, the colours, and each page drawn by the dump painter at the printer's
// cell size.
#pragma once

#include <cstdint>

#include "core/palette.h"
#include "hexview/render/dump_layout.h"
#include "hexview/render/dump_paint.h"
#include "print/page_sequence.h"

struct Document;

// The bytes a dump printout covers: [begin, end).
struct PrintRange {
  int32_t begin;
  int32_t end;

  bool operator==(const PrintRange&) const = default;
};

// The selection [min(anchor, caret), max(anchor, caret)) when the print dialog
// returned its selection choice and doc has a selection; otherwise the whole document.
PrintRange DumpPrintRange(const Document& doc, bool selectionChosen);

// One printed page of the dump. Row 0 holds the ruler; dump line firstLine +
// i is printed in row i + 1 (y = 2f (i + 1)) with its address; only the bytes
// [begin, end) are printed, the other cells of the first and last line stay empty.
struct DumpPage {
  PagePosition position;  // copy, page number; units are the lines of the range
  int32_t firstLine = 0;
  int32_t lineCount = 0;        // 0 only for the single page of an empty range
  int32_t begin = 0;
  int32_t end = 0;
  bool beginsWithTrail = false;  // the byte at begin ends a double-byte character of the page before

  bool operator==(const DumpPage&) const = default;
};

// The pages of a dump printout in printing order. The ANSI column's lead and
// trail pairing starts afresh at the first byte of every run (copy) and runs on
// across lines and pages; a lead byte pairs with the byte after it when the
// document has one, even past the end of the range.
class DumpPager {
 public:
  using Page = DumpPage;

  // doc must outlive the pager and not change meanwhile; linesPerPage at least 1.
  DumpPager(Document& doc, PrintRange range, int32_t linesPerPage, int32_t runs);

  // Pages of one run.
  int64_t PagesPerRun() const { return sequence_.PagesPerRun(); }
  // The next page; false after the last page of the last run.
  bool Next(DumpPage* page);

 private:
  Document& doc_;
  PrintRange range_;
  DumpGeometry g_;
  PageSequence sequence_;
  bool trailNext_ = false;  // the next page's first byte is a trail
};

// True when the byte at to is the trail of a double-byte character, pairing
// from offset from (whose byte is a trail when fromIsTrail) as the dump does:
// a byte after a lead is a trail, a DBCS lead byte with another byte after it
// in the document is a lead. Reads the blocks between the two offsets.
bool TrailAt(Document& doc, int32_t from, int32_t to, bool fromIsTrail);

// The colours of a printout of doc: its text colour and byte colours, or black
// for all of them and grey (128, 128, 128) for the dimmed half of a character in
// the separator when its options ask for the system colours.
DumpPalette DumpPrintPalette(const Document& doc);

// The frame the dump painter draws page with at cell pixels per cell: scroll
// column 0, the page's lines, its bytes and pairing, no selection, no end mark,
// the dimmed half in the trail byte's colour.
DumpFrame DumpPageFrame(const DumpPage& page, int32_t cell);

// The pixels of page: the ruler row and its lines, full line width.
PixelRect DumpPageRect(const Document& doc, const DumpPage& page, int32_t cell);

// Prints page: the ruler, then each line's address, numeric cells, ANSI and
// UTF-16 characters, through the dump painter into canvas (whose main and small
// fonts are the printer fonts).
void PaintDumpPage(DumpCanvas& canvas, Document& doc, const DumpPalette& palette, const DumpPage& page,
                   int32_t cell);
