// The two printouts as page sources for the print job.
#include "print/print_content.h"

#include <utility>

#include "print/page_metrics.h"

DumpContent::DumpContent(Document& doc) : doc_(doc), palette_(DumpPrintPalette(doc)) {}

void DumpContent::Layout(const PrintLayout& layout) {
  cell_ = layout.cell;
  pager_.emplace(doc_, DumpPrintRange(doc_, layout.selection), DumpLinesPerPage(layout.cell, layout.vertRes),
                 layout.runs);
}

bool DumpContent::NextPage() { return pager_.has_value() && pager_->Next(&page_); }

void DumpContent::PaintPage(DumpCanvas& canvas) { PaintDumpPage(canvas, doc_, palette_, page_, cell_); }

StructureContent::StructureContent(std::vector<StructurePrintRow> rows, int32_t labelWidth, StructureInk ink)
    : rows_(std::move(rows)), labelWidth_(labelWidth), ink_(ink) {}

void StructureContent::Layout(const PrintLayout& layout) {
  layout_ = layout;
  pages_.emplace(static_cast<int64_t>(rows_.size()), StructureRowsPerPage(layout.cell, layout.vertRes), layout.runs);
}

bool StructureContent::NextPage() { return pages_.has_value() && pages_->Next(&page_); }

void StructureContent::PaintPage(DumpCanvas& canvas) {
  PaintStructurePage(canvas, rows_, page_, layout_.cell, labelWidth_, layout_.horzRes, ink_);
}
