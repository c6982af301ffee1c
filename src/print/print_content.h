// What a print job puts on paper, page by page: the dump of a document or the
// rows of a structure, behind one interface so that one job prints either.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/display_types.h"
#include "hexview/render/dump_paint.h"
#include "print/dump_pages.h"
#include "print/structure_pages.h"

// The printer's measures a printout is laid out for.
struct PrintLayout {
  int32_t cell = 1;     // f: cell width, rows are 2f high
  int32_t horzRes = 0;  // printable width and height in pixels
  int32_t vertRes = 0;
  int32_t runs = 1;        // times the whole output is produced (collated copies)
  bool selection = false;  // the print dialog's selection choice was taken
};

class PrintContent {
 public:
  virtual ~PrintContent() = default;
  // Whether the job makes the half-height font too (multi-letter byte labels).
  virtual bool NeedsSmallFont() const = 0;
  // Cuts the printout into pages for layout; called once, before the first page.
  virtual void Layout(const PrintLayout& layout) = 0;
  // Moves to the next page in printing order; false after the last one.
  virtual bool NextPage() = 0;
  // The text colour a page starts with.
  virtual ColorRef PageColor() const = 0;
  // Draws the current page from the top left corner of the printable area.
  virtual void PaintPage(DumpCanvas& canvas) = 0;
};

// The dump of doc as its window shows it: the range, the lines on each page,
// the ruler and the document's colours (black and grey in system-colour mode).
// doc must outlive the content and not change meanwhile.
class DumpContent final : public PrintContent {
 public:
  explicit DumpContent(Document& doc);
  bool NeedsSmallFont() const override { return true; }
  void Layout(const PrintLayout& layout) override;
  bool NextPage() override;
  ColorRef PageColor() const override { return palette_.text; }
  void PaintPage(DumpCanvas& canvas) override;

 private:
  Document& doc_;
  DumpPalette palette_;
  int32_t cell_ = 1;
  std::optional<DumpPager> pager_;
  DumpPage page_;
};

// The rows of a structure view with the values at labelWidth cells.
class StructureContent final : public PrintContent {
 public:
  StructureContent(std::vector<StructurePrintRow> rows, int32_t labelWidth, StructureInk ink);
  bool NeedsSmallFont() const override { return false; }
  void Layout(const PrintLayout& layout) override;
  bool NextPage() override;
  ColorRef PageColor() const override { return ink_.text; }
  void PaintPage(DumpCanvas& canvas) override;

 private:
  std::vector<StructurePrintRow> rows_;
  int32_t labelWidth_;
  StructureInk ink_;
  PrintLayout layout_;
  std::optional<PageSequence> pages_;
  PagePosition page_;
};
