// Editing a member through the information view: the edit box's start, the
// committed bytes as one undo step, and Escape.
#include "structs/info_view_edit.h"

#include <gtest/gtest.h>

#include "support/doc_builders.h"
#include "support/doc_edit_view.h"

namespace {

using Bytes = std::vector<uint8_t>;

StructureMember Member(const char* description, int32_t bytes, uint32_t flags) {
  StructureMember m;
  m.description = description;
  m.byteCount = bytes;
  m.viewFlags = flags;
  return m;
}

// One template: a not-editable WORD, an unused byte, a Motorola hexadecimal
// WORD, a 6-byte UNICODE string and a 3-byte unsigned decimal sequence.
struct Fixture {
  StructureList list;
  Document doc;
  InfoViewState view;
  Bytes original;

  explicit Fixture(int32_t length = 40, int32_t caret = 10) {
    Structure s;
    s.name = "T";
    s.members = {Member("fixed", 2, kMemberWord | kMemberNotEditable), Member("gap", 1, kMemberUnused),
                 Member("word", 2, kMemberWord | kMemberMotorola), Member("text", 6, kMemberString | kMemberUnicode),
                 Member("seq", 3, kMemberSequence | (3u << kMemberRadixShift))};
    LayOutStructure(s);
    list.structures.push_back(s);
    list.count = 1;
    UpdateMinimumSize(list);
    SetBlocks(doc, {length / 2, length - length / 2});
    original = Contents(doc);
    doc.caret = caret;
    EXPECT_EQ(AttachInfoView(view, doc, list, nullptr), 0);
  }
};

TEST(InfoViewEdit, NotEditableRowOpensNothing) {
  Fixture f;
  ASSERT_EQ(f.view.rowCount(), 4);
  EXPECT_FALSE(IsEditableRow(f.view.rows[0]));
  f.view.currentRow = 0;
  MemberEditor editor;
  EXPECT_FALSE(CanOpenEditor(f.view));
  EXPECT_EQ(OpenEditor(f.view, false, &editor), 1);
  EXPECT_EQ(f.view.phase, InfoPhase::Shown);
  EXPECT_TRUE(IsEditableRow(f.view.rows[1]));
  EXPECT_FALSE(IsEditableRow(Member("bad", 3, kMemberWord))) << "a WORD of 3 bytes cannot be edited";
}

TEST(InfoViewEdit, EditorStartsWithTheValueAndLimit) {
  Fixture f;
  Bytes bytes(40, 0);
  bytes[13] = 0x12, bytes[14] = 0x34;
  bytes[15] = 'A', bytes[17] = 'B';
  SetContent(f.doc, bytes);
  f.doc.caret = 10;
  struct Row {
    int row;
    bool utf16Box;
    bool isUtf16;
    std::string ansi;
    std::u16string utf16;
    int limit;
  } rows[] = {{1, false, false, "1234", u"", 4},
              {2, true, true, "", u"AB", 3},
              {2, false, false, "AB", u"", 6},
              {3, false, false, "0 0 0", u"", 12}};
  for (const Row& r : rows) {
    f.view.phase = InfoPhase::Shown;
    f.view.currentRow = r.row;
    MemberEditor editor;
    ASSERT_EQ(OpenEditor(f.view, r.utf16Box, &editor), 0) << r.row;
    EXPECT_EQ(f.view.phase, InfoPhase::Editing);
    EXPECT_EQ(editor.text.isUtf16, r.isUtf16) << r.row;
    EXPECT_EQ(editor.text.ansi, r.ansi) << r.row;
    EXPECT_EQ(editor.text.utf16, r.utf16) << r.row;
    EXPECT_EQ(editor.limit, r.limit) << r.row;
    EXPECT_EQ(OpenEditor(f.view, false, &editor), 1) << "an open box is not opened again";
  }
}

TEST(InfoViewEdit, CommitIsOneUndoableOverwrite) {
  Fixture f;
  RecordingEditView edits;
  f.view.currentRow = 1;  // the Motorola WORD at offset 3
  MemberEditor editor;
  ASSERT_EQ(OpenEditor(f.view, false, &editor), 0);
  ASSERT_EQ(CommitEditor(f.view, std::string_view("BEEF"), &edits), 0);

  Bytes expected = f.original;
  expected[13] = 0xBE, expected[14] = 0xEF;
  EXPECT_EQ(Contents(f.doc), expected);
  EXPECT_EQ(f.doc.caret, 10);
  EXPECT_EQ(f.doc.anchor, -1);
  EXPECT_EQ(f.doc.modified, 1);
  EXPECT_EQ(f.view.phase, InfoPhase::Shown);
  ASSERT_NE(f.doc.undoList, nullptr);
  EXPECT_EQ(f.doc.undoList->next, nullptr);
  ASSERT_EQ(edits.changes.size(), 1u);
  EXPECT_EQ(edits.changes[0].offset, 13);
  EXPECT_EQ(edits.changes[0].removedCount, 2);
  EXPECT_EQ(edits.changes[0].insertedCount, 2);
  EXPECT_EQ(edits.menuRefreshes, 1) << "the undo list was empty before";
  EXPECT_EQ(CheckDocument(f.doc), "");

  ASSERT_EQ(UndoOrRedo(f.doc, false, nullptr), 0);
  EXPECT_EQ(Contents(f.doc), f.original);
  ASSERT_EQ(UndoOrRedo(f.doc, true, nullptr), 0);
  EXPECT_EQ(Contents(f.doc), expected);
}

TEST(InfoViewEdit, CommitUtf16AndSequenceTexts) {
  Fixture f(40, 0);
  f.view.currentRow = 2;  // UNICODE string, offset 5
  MemberEditor editor;
  ASSERT_EQ(OpenEditor(f.view, true, &editor), 0);
  ASSERT_EQ(CommitEditor(f.view, std::u16string_view(u"\u3042Z"), nullptr), 0);
  f.view.currentRow = 3;  // sequence, offset 11
  ASSERT_EQ(OpenEditor(f.view, false, &editor), 0);
  ASSERT_EQ(CommitEditor(f.view, std::string_view("1,2.300"), nullptr), 0);
  Bytes expected = f.original;
  Bytes text = {0x42, 0x30, 'Z', 0, 0, 0}, seq = {1, 2, 300 & 0xFF};
  std::copy(text.begin(), text.end(), expected.begin() + 5);
  std::copy(seq.begin(), seq.end(), expected.begin() + 11);
  EXPECT_EQ(Contents(f.doc), expected);
  int steps = 0;
  for (UndoStep* s = f.doc.undoList; s; s = s->next) ++steps;
  EXPECT_EQ(steps, 2);
}

TEST(InfoViewEdit, EscapeTwiceKeepsTheBytesThenCloses) {
  Fixture f;
  f.view.currentRow = 1;
  MemberEditor editor;
  ASSERT_EQ(OpenEditor(f.view, false, &editor), 0);
  EXPECT_EQ(PressEscape(f.view), EscapeAction::DiscardEdit);
  EXPECT_EQ(f.view.phase, InfoPhase::Shown);
  EXPECT_EQ(CommitEditor(f.view, std::string_view("FFFF"), nullptr), 1) << "nothing to commit once discarded";
  EXPECT_EQ(Contents(f.doc), f.original);
  EXPECT_EQ(f.doc.undoList, nullptr);
  EXPECT_EQ(f.doc.modified, 0);
  EXPECT_EQ(PressEscape(f.view), EscapeAction::Close);
  EXPECT_EQ(f.view.phase, InfoPhase::Hidden);
}

TEST(InfoViewEdit, TemplateSwitchDiscardsAnOpenEditor) {
  Fixture f;
  f.view.currentRow = 1;
  MemberEditor editor;
  ASSERT_EQ(OpenEditor(f.view, false, &editor), 0);
  ASSERT_EQ(SelectTemplateItem(f.view, f.list, 0), 0);
  EXPECT_EQ(f.view.phase, InfoPhase::Shown);
  EXPECT_EQ(f.view.currentRow, 0);
}

}  // namespace
