// Rows, colours, pages and painting of the structure printout.
#include "print/structure_pages.h"

#include <algorithm>

#include "core/document.h"

std::vector<StructurePrintRow> StructurePrintRows(Document& doc, const std::vector<StructureMember>& members,
                                                  int32_t caret) {
  std::vector<StructurePrintRow> rows;
  rows.reserve(members.size());
  std::vector<uint8_t> bytes;
  for (const StructureMember& member : members) {
    StructurePrintRow row;
    row.description = member.description;
    row.notEditable = (member.viewFlags & kMemberNotEditable) != 0;
    if (IsUsableMember(member)) {
      bytes.assign(static_cast<size_t>(member.byteCount), 0);
      int64_t at = int64_t{caret} + member.offset;
      if (at >= 0 && at < doc.length) ReadBytes(doc, static_cast<int32_t>(at), bytes.data(), member.byteCount);
      row.value = FormatMemberValue(member, bytes.data(), IsUnicodeString(member));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

StructureInk StructurePrintInk(const Document& doc) {
  if ((doc.options & kOptSystemColors) != 0) return StructureInk{Rgb(0, 0, 0), Rgb(128, 128, 128)};
  return StructureInk{doc.color[kColorText], doc.color[kColorFixed]};
}

void PaintStructurePage(DumpCanvas& canvas, const std::vector<StructurePrintRow>& rows, const PagePosition& page,
                        int32_t cell, int32_t labelWidth, int32_t pageWidth, const StructureInk& ink) {
  const int32_t rowHeight = 2 * cell, x = labelWidth * cell;
  for (int32_t i = 0; i < page.count && page.first + i < static_cast<int64_t>(rows.size()); ++i) {
    const StructurePrintRow& row = rows[static_cast<size_t>(page.first + i)];
    const int32_t y = i * rowHeight;
    const ColorRef color = row.notEditable ? ink.fixed : ink.text;
    if (!row.description.empty()) {
      canvas.Text(0, y, nullptr, row.description.data(), static_cast<int>(row.description.size()), color);
    }
    if (row.value.isUtf16) {
      PixelRect clip{x, y, std::max(x, pageWidth), y + rowHeight};
      if (!row.value.utf16.empty()) {
        canvas.WideText(x, y, clip, row.value.utf16.data(), static_cast<int>(row.value.utf16.size()), color);
      }
    } else if (!row.value.ansi.empty()) {
      canvas.Text(x, y, nullptr, row.value.ansi.data(), static_cast<int>(row.value.ansi.size()), color);
    }
  }
}
