// The structure printout: the rows' texts over the document at the caret, their
// colours, and their places on a page (values at the label width, 10-pixel cells).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "hexview/render_recording.h"
#include "print/structure_pages.h"

namespace {

StructureMember Member(const char* description, int32_t offset, int32_t byteCount, uint32_t flags) {
  StructureMember m;
  std::tie(m.description, m.offset, m.byteCount, m.viewFlags) = std::tie(description, offset, byteCount, flags);
  return m;
}

std::vector<StructureMember> Members() {
  return {
      Member("Id", 0, 1, kMemberByte),
      Member("Size", 1, 2, kMemberWord | kMemberMotorola),
      Member("Name", 3, 4, kMemberString | kMemberUnicode),
      Member("Text", 7, 3, kMemberString | kMemberNotEditable),
      Member("Pad", 10, 4, kMemberDword),  // runs past the end of the data
  };
}

std::vector<uint8_t> Bytes() {
  const std::string b = std::string("xxxx\x41\x12\x34" "A\0B\0", 11) + "日x\x05";
  return std::vector<uint8_t>(b.begin(), b.end());
}

// A value as "text", or "w:text" for UTF-16, with "!" in front of a not editable row.
std::string Value(const StructurePrintRow& row) {
  return (row.notEditable ? "!" : "") + (row.value.isUtf16 ? "w:" + Utf16ToAnsi(row.value.utf16) : row.value.ansi);
}

// A drawn text as "x,y #colour text", with " clip l,t,r,b" when clipped.
std::string Drawn(const DrawnText& t) {
  char head[40];
  std::snprintf(head, sizeof head, "%d,%d #%X ", t.x, t.y, t.color);
  std::string out = head + (t.ansi.empty() ? Utf16ToAnsi(t.wide) : t.ansi);
  if (t.clipped) {
    out += " clip " + std::to_string(t.clip.left) + "," + std::to_string(t.clip.top) + "," +
           std::to_string(t.clip.right) + "," + std::to_string(t.clip.bottom);
  }
  return out;
}

// The rows read the members at the caret; a page draws its rows' values at the label width.
TEST(StructurePages, RowsReadTheMembersAtTheCaretAndValuesStandAtTheLabelWidth) {
  auto doc = PaintDocument(Bytes());
  doc->scrollColumn = 30;  // the view's own scrolling plays no part
  std::vector<StructurePrintRow> rows = StructurePrintRows(*doc, Members(), 4);
  std::vector<std::string> values;
  for (const StructurePrintRow& row : rows) values.push_back(Value(row));
  // The DWORD has one byte of data and zeros after it.
  EXPECT_EQ(values, (std::vector<std::string>{"41", "1234", "w:AB", "!日x", "00000005"}));
  EXPECT_EQ(rows[4].description, "Pad");
  RecordingCanvas c(0, 0, 0);
  PagePosition page;
  page.first = 2;
  page.count = 2;
  PaintStructurePage(c, rows, page, 10, 7, 800, StructureInk{0x11, 0x22});
  std::vector<std::string> drawn;
  for (const DrawnText& t : c.texts) drawn.push_back(Drawn(t));
  EXPECT_EQ(drawn, (std::vector<std::string>{"0,0 #11 Name", "70,0 #11 AB clip 70,0,800,20", "0,20 #22 Text",
                                             "70,20 #22 日x"}));
}

TEST(StructurePages, InkIsTheDocumentsOrBlackAndGrey) {
  auto doc = PaintDocument({});
  EXPECT_EQ(StructurePrintInk(*doc).fixed, 0x000003u);
  doc->options = kOptSystemColors;
  EXPECT_EQ(StructurePrintInk(*doc).text * 0x1000000ull + StructurePrintInk(*doc).fixed, 0x808080u);
}

}  // namespace
