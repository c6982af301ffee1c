// The structure printout: the rows' texts over the document at the caret, their
// colours, and their places on a page (values at the label width, 10-pixel cells).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "hexview/render_recording.h"
#include "print/structure_pages.h"

namespace {

// The rows read the members at the caret; a page draws its rows' values at the label width.
TEST(StructurePages, RowsReadTheMembersAtTheCaretAndValuesStandAtTheLabelWidth) {
  const std::string bytes = std::string("xxxx\x41\x12\x34" "A\0B\0", 11) + "日x\x05";
  auto doc = PaintDocument(std::vector<uint8_t>(bytes.begin(), bytes.end()));
  doc->scrollColumn = 30;  // the view's own scrolling plays no part
  const std::vector<StructureMember> members = {{"Id", 0, 1, kMemberByte},
                                                {"Size", 1, 2, kMemberWord | kMemberMotorola},
                                                {"Name", 3, 4, kMemberString | kMemberUnicode},
                                                {"Text", 7, 3, kMemberString | kMemberNotEditable},
                                                {"Pad", 10, 4, kMemberDword}};  // runs past the end of the data
  std::vector<StructurePrintRow> rows = StructurePrintRows(*doc, members, 4);
  // Each row as "description=value", "w:" before UTF-16 values and "!" before not editable ones.
  std::string values;
  for (const StructurePrintRow& row : rows) {
    values += row.description + "=" + (row.notEditable ? "!" : "") +
              (row.value.isUtf16 ? "w:" + Utf16ToAnsi(row.value.utf16) : row.value.ansi) + " ";
  }
  // The DWORD has one byte of data and zeros after it.
  EXPECT_EQ(values, "Id=41 Size=1234 Name=w:AB Text=!日x Pad=00000005 ");
  RecordingCanvas c(0, 0, 0);
  PaintStructurePage(c, rows, PagePosition{0, 0, 2, 2}, 10, 7, 800, StructureInk{0x11, 0x22});
  // Each drawn text as "x,y #colour text", with " clip l,t,r,b" when clipped.
  std::vector<std::string> drawn;
  for (const DrawnText& t : c.texts) {
    char text[80];
    std::snprintf(text, sizeof text, "%d,%d #%X ", t.x, t.y, t.color);
    drawn.push_back(text + (t.ansi.empty() ? Utf16ToAnsi(t.wide) : t.ansi));
    std::snprintf(text, sizeof text, " clip %d,%d,%d,%d", t.clip.left, t.clip.top, t.clip.right, t.clip.bottom);
    if (t.clipped) drawn.back() += text;
  }
  EXPECT_EQ(drawn, (std::vector<std::string>{"0,0 #11 Name", "70,0 #11 AB clip 70,0,800,20", "0,20 #22 Text",
                                             "70,20 #22 日x"}));
  doc = PaintDocument({});
  EXPECT_EQ(StructurePrintInk(*doc).fixed, 0x000003u) << "the document's colours";
  doc->options = kOptSystemColors;
  EXPECT_EQ(StructurePrintInk(*doc).text * 0x1000000ull + StructurePrintInk(*doc).fixed, 0x808080u) << "black, grey";
}

}  // namespace
