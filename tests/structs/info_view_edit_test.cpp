// Editing a member through the information view: what the edit box starts with,
// and edits that end without bytes written. Committed edits are checked through
// the window against a byte model and the hex view's undo (info_view_win_test.cpp).
#include "structs/info_view_edit.h"

#include <gtest/gtest.h>

#include "support/doc_builders.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A not-editable WORD, an unused byte, a Motorola WORD, a 6-byte UNICODE string
// and a 3-byte unsigned decimal sequence, over 40 bytes in two blocks.
struct Fixture {
  StructureList list;
  Document doc;
  InfoViewState view;
  Bytes original;

  explicit Fixture(int32_t caret) {
    Structure s{"T",
                {{"fixed", 0, 2, kMemberWord | kMemberNotEditable},
                 {"gap", 0, 1, kMemberUnused},
                 {"word", 0, 2, kMemberWord | kMemberMotorola},
                 {"text", 0, 6, kMemberString | kMemberUnicode},
                 {"seq", 0, 3, kMemberSequence | (3u << kMemberRadixShift)}}};
    LayOutStructure(s);
    list.structures.push_back(s);
    UpdateMinimumSize(list);
    Bytes bytes(40, 0);
    bytes[13] = 0x12, bytes[14] = 0x34, bytes[15] = 'A', bytes[17] = 'B';
    SetBlocksOf(doc, bytes, {20});
    original = bytes;
    doc.caret = caret;
    EXPECT_EQ(AttachInfoView(view, doc, list, nullptr), 0);
  }
};

TEST(InfoViewEdit, TheBoxStartsWithTheValueAndTheMembersLimit) {
  Fixture f(10);
  const std::tuple<int, bool, bool, std::string, std::u16string, int> rows[] = {{1, false, false, "1234", u"", 4},
                                                                                {2, true, true, "", u"AB", 3},
                                                                                {2, false, false, "AB", u"", 6},
                                                                                {3, false, false, "0 0 0", u"", 12}};
  for (const auto& [row, utf16Box, isUtf16, ansi, utf16, limit] : rows) {
    f.view.phase = InfoPhase::Shown;
    f.view.currentRow = row;
    MemberEditor editor;
    ASSERT_EQ(OpenEditor(f.view, utf16Box, &editor), 0) << row;
    EXPECT_EQ(f.view.phase, InfoPhase::Editing);
    EXPECT_TRUE(editor.text.isUtf16 == isUtf16 && editor.text.ansi == ansi && editor.text.utf16 == utf16 &&
                editor.limit == limit)
        << row;
    EXPECT_EQ(OpenEditor(f.view, false, &editor), 1) << "an open box is not opened again";
  }
  f.view.phase = InfoPhase::Shown;
  f.view.currentRow = 0;
  MemberEditor editor;
  EXPECT_EQ(OpenEditor(f.view, false, &editor), 1) << "a not-editable member opens nothing";
  EXPECT_FALSE(IsEditableRow({"bad", 0, 3, kMemberWord})) << "nor does a WORD of 3 bytes";
}

TEST(InfoViewEdit, DiscardingOrSwitchingTemplatesKeepsTheBytes) {
  Fixture f(10);
  f.view.currentRow = 1;
  MemberEditor editor;
  ASSERT_EQ(OpenEditor(f.view, false, &editor), 0);
  DiscardEditor(f.view);
  EXPECT_EQ(CommitEditor(f.view, std::string_view("FFFF"), nullptr), 1) << "nothing to commit once discarded";
  ASSERT_EQ(OpenEditor(f.view, false, &editor), 0);
  ASSERT_EQ(SelectTemplateItem(f.view, f.list, 0), 0);
  EXPECT_TRUE(f.view.phase == InfoPhase::Shown && f.view.currentRow == 0);
  EXPECT_EQ(CommitEditor(f.view, std::string_view("FFFF"), nullptr), 1);
  EXPECT_TRUE(Contents(f.doc) == f.original && f.doc.undoList == nullptr && f.doc.modified == 0);
}

}  // namespace
