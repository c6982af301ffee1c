// The structure printout: the rows' texts over the document at the caret, their
// colours, and their places on a page (values at the label width, 10-pixel cells).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hexview/render_recording.h"
#include "print/structure_pages.h"

namespace {

StructureMember Member(const char* description, int32_t offset, int32_t byteCount, uint32_t flags) {
  StructureMember m;
  m.description = description;
  m.offset = offset;
  m.byteCount = byteCount;
  m.viewFlags = flags;
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
  std::vector<uint8_t> b = {'x', 'x', 'x', 'x', 0x41, 0x12, 0x34, 'A', 0, 'B', 0};
  for (char c : std::string("日x")) b.push_back(static_cast<uint8_t>(c));
  b.push_back(0x05);
  return b;
}

TEST(StructurePages, RowsReadTheMembersAtTheCaret) {
  auto doc = PaintDocument(Bytes());
  std::vector<StructurePrintRow> rows = StructurePrintRows(*doc, Members(), 4);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].value.ansi, "41");
  EXPECT_EQ(rows[1].value.ansi, "1234");
  EXPECT_TRUE(rows[2].value.isUtf16);
  EXPECT_EQ(rows[2].value.utf16, u"AB");
  EXPECT_EQ(rows[3].value.ansi, "日x");
  EXPECT_TRUE(rows[3].notEditable);
  EXPECT_FALSE(rows[2].notEditable);
  EXPECT_EQ(rows[4].value.ansi, "00000005");  // one byte of data, zeros after it
  EXPECT_EQ(rows[4].description, "Pad");
}

TEST(StructurePages, ValuesStandAtTheLabelWidthInTheRowColour) {
  auto doc = PaintDocument(Bytes());
  doc->scrollColumn = 30;  // the view's own scrolling plays no part
  std::vector<StructurePrintRow> rows = StructurePrintRows(*doc, Members(), 4);
  RecordingCanvas c(0, 0, 0);
  PagePosition page;
  page.first = 2;
  page.count = 2;
  PaintStructurePage(c, rows, page, 10, 7, 800, StructureInk{0x11, 0x22});
  ASSERT_EQ(c.texts.size(), 4u);
  EXPECT_EQ(c.texts[0].ansi, "Name");
  EXPECT_EQ(c.texts[0].x, 0);
  EXPECT_EQ(c.texts[0].y, 0);
  EXPECT_FALSE(c.texts[0].clipped);
  EXPECT_EQ(c.texts[0].color, 0x11u);
  EXPECT_EQ(c.texts[1].wide, u"AB");
  EXPECT_EQ(c.texts[1].x, 70);
  EXPECT_EQ(c.texts[1].clip, (PixelRect{70, 0, 800, 20}));
  EXPECT_EQ(c.texts[2].ansi, "Text");
  EXPECT_EQ(c.texts[2].y, 20);
  EXPECT_EQ(c.texts[2].color, 0x22u);  // not editable
  EXPECT_EQ(c.texts[3].ansi, "日x");
  EXPECT_EQ(c.texts[3].x, 70);
  EXPECT_FALSE(c.texts[3].clipped);
  EXPECT_EQ(c.texts[3].color, 0x22u);
}

TEST(StructurePages, InkIsTheDocumentsOrBlackAndGrey) {
  auto doc = PaintDocument({});
  StructureInk own = StructurePrintInk(*doc);
  EXPECT_EQ(own.text, 0x000001u);
  EXPECT_EQ(own.fixed, 0x000003u);
  doc->options = kOptSystemColors;
  StructureInk system = StructurePrintInk(*doc);
  EXPECT_EQ(system.text, 0u);
  EXPECT_EQ(system.fixed, 0x808080u);
}

}  // namespace
