// The printed structure: the information view's rows (description and value
// text), cut into pages and drawn with the values at the label width.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/display_types.h"
#include "hexview/render/dump_paint.h"
#include "print/page_sequence.h"
#include "structs/member_text.h"
#include "structs/structure.h"

struct Document;

// One printed row.
struct StructurePrintRow {
  std::string description;  // Shift-JIS
  MemberValueText value;    // Shift-JIS, or UTF-16 for a UNICODE string
  bool notEditable = false;  // printed in the non-editable colour
};

// The rows of members laid over doc at caret, as the information view shows
// them: each member's byteCount bytes read at caret + offset (zeros where the
// document ends first) and formatted by FormatMemberValue, a UNICODE string as
// UTF-16 text. Members that cannot be shown give an empty value.
std::vector<StructurePrintRow> StructurePrintRows(Document& doc, const std::vector<StructureMember>& members,
                                                  int32_t caret);

// The two colours of a structure printout: textColor and fixedColor of doc,
// or black and grey (128, 128, 128) when its options ask for the system colours.
struct StructureInk {
  ColorRef text;
  ColorRef fixed;
};
StructureInk StructurePrintInk(const Document& doc);

// Prints the rows of page (a page of PageSequence(rows, StructureRowsPerPage(..),
// runs)) from y = 0, each 2 x cell high: the description at x = 0 and the value
// at x = labelWidth x cell, whatever the view's own scroll position. Texts are
// unclipped; UTF-16 values are clipped to their row from x to pageWidth.
void PaintStructurePage(DumpCanvas& canvas, const std::vector<StructurePrintRow>& rows, const PagePosition& page,
                        int32_t cell, int32_t labelWidth, int32_t pageWidth, const StructureInk& ink);
