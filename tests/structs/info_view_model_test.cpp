// The information view's model: fitting templates, rows, start address moves,
// navigation buttons, attaching and Escape.
#include "structs/info_view_model.h"

#include <gtest/gtest.h>

#include "support/doc_builders.h"
#include "support/message_recorder.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Builtins {
  StructureList list;
  Builtins() { InstallBuiltinStructures(list); }
};

// A document of n bytes holding PatternByte, caret at caret.
void MakeDoc(Document& doc, int32_t n, int32_t caret = 0) {
  SetBlocks(doc, {n});
  doc.caret = caret;
}

TEST(InfoViewModel, FittingTemplatesFollowTheLength) {
  Builtins b;
  struct Row {
    int32_t length;
    std::vector<int> items;
  } rows[] = {{17, {}}, {18, {1}}, {39, {1}}, {40, {0, 1, 3}}, {119, {0, 1, 3}}, {120, {0, 1, 2, 3}}};
  for (const Row& r : rows) EXPECT_EQ(FittingTemplates(b.list, r.length), r.items) << r.length;
}

TEST(InfoViewModel, TooSmallBelowEighteenBytesWithTheBuiltins) {
  Builtins b;
  Document doc;
  MakeDoc(doc, 17);
  EXPECT_TRUE(DocumentTooSmall(doc, b.list));
  MakeDoc(doc, 18);
  EXPECT_FALSE(DocumentTooSmall(doc, b.list));
  StructureList empty;
  empty.count = 0;
  UpdateMinimumSize(empty);
  MakeDoc(doc, 100000);
  EXPECT_TRUE(DocumentTooSmall(doc, empty));
}

TEST(InfoViewModel, AttachToADocumentExactlyOneTemplateLong) {
  Builtins b;
  b.list.lastUsed = 0;  // BITMAPINFOHEADER does not fit 18 bytes
  Document doc;
  MakeDoc(doc, 18, 18);
  doc.anchor = 5;
  doc.digitIndex = 1;
  InfoViewState view;
  InfoAttachResult attached;
  ASSERT_EQ(AttachInfoView(view, doc, b.list, &attached), 0);
  EXPECT_TRUE(attached.selectionDropped);
  EXPECT_EQ(attached.oldAnchor, 5);
  EXPECT_EQ(attached.oldCaret, 18);
  EXPECT_EQ(doc.anchor, -1);
  EXPECT_EQ(doc.digitIndex, 0);
  EXPECT_EQ(view.comboItems, std::vector<int>{1});
  EXPECT_EQ(view.comboItem, 0);
  EXPECT_EQ(b.list.lastUsed, 1);
  EXPECT_EQ(view.structureSize, 18);
  EXPECT_EQ(doc.caret, 0) << "the caret at the end moves back to the start";
  EXPECT_EQ(view.phase, InfoPhase::Shown);
  EXPECT_EQ(NavigationState(view), NavigationButtons{});
}

TEST(InfoViewModel, AttachSelectsTheLastUsedTemplate) {
  Builtins b;
  b.list.lastUsed = 3;
  Document doc;
  MakeDoc(doc, 40, 7);
  InfoViewState view;
  ASSERT_EQ(AttachInfoView(view, doc, b.list, nullptr), 0);
  EXPECT_EQ(view.comboItems, (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(view.comboItem, 2);
  EXPECT_EQ(doc.caret, 0);
  EXPECT_EQ(view.rowCount(), 10);
}

TEST(InfoViewModel, AttachRefusesWhenNoTemplateFitsDespiteAStaleMinimum) {
  Builtins b;
  b.list.minimumSize = 0;
  Document doc;
  MakeDoc(doc, 10, 3);
  InfoViewState view;
  MessageRecorder messages;
  EXPECT_EQ(AttachInfoView(view, doc, b.list, nullptr), -1);
  ASSERT_EQ(messages.texts(), std::vector<std::string>{"ﾌｧｲﾙのｻｲｽﾞが小さすぎます"});
  EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Information);
  EXPECT_EQ(view.phase, InfoPhase::Hidden);
  EXPECT_EQ(doc.caret, 3);
}

TEST(InfoViewModel, UnusedMembersShiftTheRowsThatFollow) {
  Builtins b;
  Bytes bytes(40, 0);
  bytes[0] = 0x28;
  bytes[4] = 0x80, bytes[5] = 0x02;  // width 640
  bytes[8] = 0xE0, bytes[9] = 0x01;  // height 480
  bytes[12] = 0x01;                  // planes 1
  Document doc;
  SetContent(doc, bytes);
  InfoViewState view;
  b.list.lastUsed = 0;
  ASSERT_EQ(AttachInfoView(view, doc, b.list, nullptr), 0);
  ASSERT_EQ(view.rowCount(), 10);
  EXPECT_EQ(view.rows[0].description, "幅");
  EXPECT_EQ(view.rows[0].offset, 4);
  const char* expected[] = {"640", "480", "1"};
  for (int r = 0; r < 3; ++r) {
    MemberValueText text;
    ASSERT_EQ(RowValueText(doc, doc.caret, view.rows[static_cast<size_t>(r)], false, &text), 0);
    EXPECT_EQ(text.ansi, expected[r]) << "row " << r;
  }
}

TEST(InfoViewModel, SectionTableLabelColumnAndNameRow) {
  Builtins b;
  Bytes bytes(40, 0);
  const char name[] = ".textXYZ";
  std::copy(name, name + 8, bytes.begin());
  Document doc;
  SetContent(doc, bytes);
  InfoViewState view;
  b.list.lastUsed = 3;
  ASSERT_EQ(AttachInfoView(view, doc, b.list, nullptr), 0);
  // The longest descriptions, "再配置ｴﾝﾄﾘへのﾎﾟｲﾝﾀ" and "行番号ｴﾝﾄﾘへのﾎﾟｲﾝﾀ", are 19 bytes.
  EXPECT_EQ(view.labelWidth, 20);
  EXPECT_EQ(view.totalColumns, 28);  // the 8-character name and the 8-digit DWORDs
  MemberValueText text;
  ASSERT_EQ(RowValueText(doc, 0, view.rows[0], false, &text), 0);
  EXPECT_EQ(text.ansi, ".textXYZ");
}

TEST(InfoViewModel, RowWidthsOfAnEmptyTemplate) {
  EXPECT_EQ(LabelWidthOf({}), 0);
  EXPECT_EQ(TotalColumnsOf({}), 0);
}

TEST(InfoViewModel, RowReadOutsideTheDocumentFails) {
  Document doc;
  MakeDoc(doc, 6);
  StructureMember m;
  m.offset = 4;
  m.byteCount = 4;
  m.viewFlags = kMemberDword;
  MemberValueText text;
  text.ansi = "stale";
  EXPECT_EQ(RowValueText(doc, 0, m, false, &text), -1);
  EXPECT_EQ(text.ansi, "");
}

TEST(InfoViewModel, MovedStartClampsToTheDocument) {
  struct Row {
    int32_t caret, length, size;
    StartMove move;
    int32_t start;
  } rows[] = {
      {0, 100, 18, StartMove::ByteBack, 0},           {0, 100, 18, StartMove::ByteForward, 1},
      {5, 100, 18, StartMove::StructureBack, 0},      {20, 100, 18, StartMove::StructureBack, 2},
      {60, 100, 18, StartMove::StructureForward, 78}, {70, 100, 18, StartMove::StructureForward, 82},
      {82, 100, 18, StartMove::ByteForward, 82},      {40, 100, 18, StartMove::Last, 82},
      {40, 100, 18, StartMove::First, 0},             {0, 18, 18, StartMove::StructureForward, 0},
      {3, 10, 18, StartMove::ByteForward, 0},         {7, 10, 0, StartMove::Last, 10},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(MovedStart(r.caret, r.length, r.size, r.move), r.start)
        << r.caret << " " << r.length << " " << r.size << " move " << static_cast<int>(r.move);
  }
}

TEST(InfoViewModel, NavigationButtonsAtTheEnds) {
  Builtins b;
  b.list.lastUsed = 1;
  Document doc;
  MakeDoc(doc, 100);
  InfoViewState view;
  ASSERT_EQ(AttachInfoView(view, doc, b.list, nullptr), 0);
  struct Row {
    int32_t caret;
    NavigationButtons buttons;
  } rows[] = {{0, {false, true, false, true}}, {1, {true, true, true, true}},
              {81, {true, true, true, true}},  {82, {true, false, true, false}}};
  for (const Row& r : rows) {
    doc.caret = r.caret;
    EXPECT_EQ(NavigationState(view), r.buttons) << r.caret;
  }
  doc.caret = 81;
  EXPECT_TRUE(MoveStart(view, StartMove::StructureForward));
  EXPECT_EQ(doc.caret, 82) << "次の構造体 near the end stops at length - size";
  EXPECT_FALSE(MoveStart(view, StartMove::ByteForward));
  view.phase = InfoPhase::Editing;
  EXPECT_EQ(NavigationState(view), NavigationButtons{});
  EXPECT_FALSE(MoveStart(view, StartMove::First));
  EXPECT_EQ(doc.caret, 82);
}

TEST(InfoViewModel, AddressFieldAndTitle) {
  EXPECT_EQ(AddressFieldText(0x12345, 0), "12345");
  EXPECT_EQ(AddressFieldText(0x12345, 1u << 3), "74565");
  EXPECT_EQ(AddressFieldText(0x12345, 2u << 3), "221505");
  EXPECT_EQ(AddressFieldText(0, 0), "0");
  EXPECT_EQ(InfoViewTitle("C:\\dir\\data.bin"), "data.bin の情報");
  EXPECT_EQ(InfoViewTitle("無題0.EXE"), "無題0.EXE の情報");
}

TEST(InfoViewModel, ComboSteps) {
  struct Row {
    int item, count;
    bool forward, toEnd;
    int next;
  } rows[] = {{0, 3, false, false, 0}, {1, 3, false, false, 0}, {2, 3, true, false, 2}, {0, 3, true, false, 1},
              {1, 3, true, true, 2},   {2, 3, false, true, 0},  {0, 0, true, false, 0}};
  for (const Row& r : rows) EXPECT_EQ(SteppedComboItem(r.item, r.count, r.forward, r.toEnd), r.next);
}

TEST(InfoViewModel, SelectTemplateRefusesAnItemOutsideTheCombo) {
  Builtins b;
  Document doc;
  MakeDoc(doc, 40);
  InfoViewState view;
  ASSERT_EQ(AttachInfoView(view, doc, b.list, nullptr), 0);
  int32_t lastUsed = b.list.lastUsed;
  EXPECT_EQ(SelectTemplateItem(view, b.list, 3), -1);
  EXPECT_EQ(SelectTemplateItem(view, b.list, -1), -1);
  EXPECT_EQ(b.list.lastUsed, lastUsed);
  ASSERT_EQ(SelectTemplateItem(view, b.list, 1), 0);
  EXPECT_EQ(b.list.lastUsed, 1);
  EXPECT_EQ(view.rowCount(), 7);
}

TEST(InfoViewModel, EscapeClosesWhenNotEditing) {
  Builtins b;
  Document doc;
  MakeDoc(doc, 40);
  InfoViewState view;
  ASSERT_EQ(AttachInfoView(view, doc, b.list, nullptr), 0);
  EXPECT_EQ(PressEscape(view), EscapeAction::Close);
  EXPECT_EQ(view.phase, InfoPhase::Hidden);
  EXPECT_EQ(view.doc, nullptr);
  EXPECT_TRUE(view.rows.empty());
  EXPECT_EQ(PressEscape(view), EscapeAction::None);
}

}  // namespace
