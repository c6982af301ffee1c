// The information view's model: fitting templates, attaching, rows and label
// widths, address field and title.
#include "structs/info_view_model.h"

#include <gtest/gtest.h>

#include "support/doc_builders.h"
#include "support/message_recorder.h"

namespace {

TEST(InfoViewModel, FittingTemplatesRefusalAttachingRowTextsAddressFieldAndTitle) {
  StructureList b;
  InstallBuiltinStructures(b);
  const std::pair<int32_t, std::vector<int>> rows[] = {
      {17, {}}, {18, {1}}, {39, {1}}, {40, {0, 1, 3}}, {120, {0, 1, 2, 3}}};
  for (const auto& [length, items] : rows) {
    EXPECT_EQ(FittingTemplates(b, length), items) << length;
    Document doc;
    SetBlocks(doc, {length});
    EXPECT_EQ(DocumentTooSmall(doc, b), items.empty()) << length;
  }
  b.minimumSize = 0;
  Document doc;
  SetBlocks(doc, {10});
  doc.caret = 3;
  InfoViewState view;
  MessageRecorder messages;
  EXPECT_EQ(AttachInfoView(view, doc, b, nullptr), -1);
  ASSERT_EQ(messages.texts(), std::vector<std::string>{"ﾌｧｲﾙのｻｲｽﾞが小さすぎます"});
  EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Information);
  EXPECT_TRUE(view.phase == InfoPhase::Hidden && doc.caret == 3);
  // Attaching drops the selection and shows the last used template.
  InstallBuiltinStructures(b);
  b.lastUsed = 3;
  SetBlocks(doc, {60});
  doc.caret = 59, doc.anchor = 5, doc.digitIndex = 1;
  InfoAttachResult attached;
  ASSERT_EQ(AttachInfoView(view, doc, b, &attached), 0);
  EXPECT_TRUE(attached.selectionDropped && attached.oldAnchor == 5 && attached.oldCaret == 59);
  EXPECT_TRUE(doc.anchor == -1 && doc.digitIndex == 0 && view.comboItem == 2);
  EXPECT_EQ(view.comboItems, (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(doc.caret, 20) << "moved back so the template ends with the document";
  // PEｾｸｼｮﾝﾃｰﾌﾞﾙ: the longest descriptions, "再配置ｴﾝﾄﾘへのﾎﾟｲﾝﾀ" and "行番号ｴﾝﾄﾘへのﾎﾟｲﾝﾀ", are 19 bytes;
  // the 8-character name and the 8-digit DWORDs are the widest values.
  EXPECT_TRUE(view.labelWidth == 20 && view.totalColumns == 28);
  ASSERT_EQ(SelectTemplateItem(view, b, 1), 0);
  EXPECT_TRUE(b.lastUsed == 1 && view.rowCount() == 7);
  for (int item : {3, -1}) EXPECT_EQ(SelectTemplateItem(view, b, item), -1) << "nothing changes";
  EXPECT_TRUE(b.lastUsed == 1 && view.rowCount() == 7);
  EXPECT_TRUE(LabelWidthOf({}) == 0 && TotalColumnsOf({}) == 0);
  // Row texts, and reads outside the document.
  SetContent(doc, {'.', 't', 'e', 'x', 't', 0, 0, 0, 0x78, 0x56});
  MemberValueText text;
  EXPECT_TRUE(RowValueText(doc, 0, {"n", 0, 8, kMemberString}, false, &text) == 0 && text.ansi == ".text");
  EXPECT_TRUE(RowValueText(doc, 6, {"w", 2, 2, kMemberWord}, false, &text) == 0 && text.ansi == "5678");
  EXPECT_TRUE(RowValueText(doc, 6, {"d", 2, 4, kMemberDword}, false, &text) == -1 && text.ansi.empty());
  // The moves of the start address and the combo box steps are checked against
  // an independent model through the window (info_view_win_test.cpp).
  EXPECT_EQ(AddressFieldText(0x12345, 0) + " " + AddressFieldText(0x12345, 1u << 3) + " " +
                AddressFieldText(0x12345, 2u << 3),
            "12345 74565 221505");
  EXPECT_EQ(InfoViewTitle("無題0.EXE"), "無題0.EXE の情報");
  EXPECT_EQ(SteppedComboItem(0, 0, true, false), 0) << "an empty combo box stays";
}

}  // namespace
