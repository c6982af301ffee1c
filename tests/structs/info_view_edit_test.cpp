// Editing a member through the information view: what the edit box starts with,
// edits that end without bytes written, and randomised runs of start-address
// moves, template switches, member edits, discarded edits, and undo and redo in
// the hex view between attachments, checked after every step against a byte
// model and a model of the undo and redo lists.
#include "structs/info_view_edit.h"

#include <gtest/gtest.h>

#include <random>

#include "core/codepage.h"
#include "support/doc_builders.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The built-in templates, then "mixed": a signed BYTE, 3 unused bytes, a Motorola
// octal WORD, a not-editable DWORD, a 7-byte UNICODE string, a 5-byte string and a
// 4-byte binary sequence (26 bytes); then "tiny", one BYTE.
StructureList Templates() {
  StructureList list;
  InstallBuiltinStructures(list);
  list.structures.push_back({"mixed",
                             {{"b", 0, 1, kMemberByte | (4u << kMemberRadixShift)},
                              {"pad", 0, 3, kMemberUnused},
                              {"w", 0, 2, kMemberWord | kMemberMotorola | (1u << kMemberRadixShift)},
                              {"fixed", 0, 4, kMemberDword | kMemberNotEditable},
                              {"u", 0, 7, kMemberString | kMemberUnicode},
                              {"s", 0, 5, kMemberString},
                              {"q", 0, 4, kMemberSequence | (2u << kMemberRadixShift)}}});
  list.structures.push_back({"tiny", {{"x", 0, 1, kMemberByte}}});
  for (Structure& s : list.structures) LayOutStructure(s);
  list.count = static_cast<int32_t>(list.structures.size());
  UpdateMinimumSize(list);
  return list;
}

// The box starts with the member's value (ANSI or UTF-16) and its limit; discarding it or switching
// templates leaves the bytes alone.
TEST(InfoViewEdit, TheBoxStartsWithTheValueAndEndsWithoutBytesWritten) {
  // "mixed" over bytes 10..35 of 40 in two blocks: the WORD 1234h, the UNICODE string "AB".
  StructureList list = Templates();
  Document doc;
  InfoViewState view;
  Bytes original(40, 0);
  original[14] = 0x12, original[15] = 0x34, original[20] = 'A', original[22] = 'B';
  SetBlocksOf(doc, original, {20});
  doc.caret = 10;
  list.lastUsed = 4;
  ASSERT_EQ(AttachInfoView(view, doc, list, nullptr), 0);
  // Row, UTF-16 box asked for; what the box shows and its limit ("" for no box: the DWORD is not editable).
  const std::tuple<int, bool, std::string, int> rows[] = {
      {0, false, "0", 4},   {1, false, "011064", 6}, {2, false, "", 0},
      {3, true, "w:AB", 4}, {3, false, "AB", 7},     {5, false, "00000000 00000000 00000000 00000000", 36}};
  MemberEditor editor;
  for (const auto& [row, utf16Box, text, limit] : rows) {
    view.phase = InfoPhase::Shown;
    view.currentRow = row;
    ASSERT_EQ(OpenEditor(view, utf16Box, &editor), text.empty() ? 1 : 0) << row;
    const std::string shown = editor.text.isUtf16 ? "w:" + Utf16ToAnsi(editor.text.utf16) : editor.text.ansi;
    EXPECT_TRUE(text.empty() || (view.phase == InfoPhase::Editing && shown == text && editor.limit == limit)) << row;
    EXPECT_EQ(OpenEditor(view, false, &editor), 1) << "an open box is not opened again";
  }
  view.phase = InfoPhase::Shown;
  view.currentRow = 1;
  ASSERT_EQ(OpenEditor(view, false, &editor), 0);
  DiscardEditor(view);
  EXPECT_EQ(CommitEditor(view, std::string_view("FFFF"), nullptr), 1) << "nothing to commit once discarded";
  ASSERT_EQ(OpenEditor(view, false, &editor), 0);
  ASSERT_EQ(SelectTemplateItem(view, list, 0), 0);
  EXPECT_TRUE(view.phase == InfoPhase::Shown && view.currentRow == 0);
  EXPECT_EQ(CommitEditor(view, std::string_view("FFFF"), nullptr), 1);
  EXPECT_TRUE(Contents(doc) == original && doc.undoList == nullptr && doc.modified == 0);
}

int ListLength(const UndoStep* s) {
  int n = 0;
  for (; s; s = s->next) ++n;
  return n;
}

void RunSeed(uint32_t seed) {
  SCOPED_TRACE(seed);
  static const char* const pieces[] = {"0", "1", "7", "9", "A",  "F", "f",  "-",
                                       " ", ",", ".", "Z", "あ", "ｱ", "12", "FF"};
  std::mt19937 rng(seed);
  StructureList list = Templates();
  Document doc;
  const int32_t length = 18 + static_cast<int32_t>(rng() % 200);
  SetBlocks(doc, {length / 3, length / 3, length - 2 * (length / 3)});
  Bytes model = Contents(doc);
  const Bytes original = model;
  std::vector<Bytes> undo, redo;  // the contents before each step undone or redone
  doc.caret = static_cast<int32_t>(rng() % static_cast<uint32_t>(length + 1));
  InfoViewState view;
  ASSERT_EQ(AttachInfoView(view, doc, list, nullptr), 0);
  int commits = 0;
  for (int step = 0; step < 1500; ++step) {
    const int32_t start = doc.caret;
    const unsigned action = rng() % 8;
    SCOPED_TRACE(testing::Message() << "step " << step << " action " << action);
    if (action < 2) {
      MoveStart(view, static_cast<StartMove>(rng() % 6));
    } else if (action == 2 || action == 7) {
      const int count = static_cast<int>(view.comboItems.size());
      const int item = action == 2 ? static_cast<int>(rng() % static_cast<unsigned>(count))
                                   : SteppedComboItem(view.comboItem, count, (rng() & 1) != 0, rng() % 4 == 0);
      ASSERT_EQ(SelectTemplateItem(view, list, item), 0);
      ASSERT_LE(doc.caret, start);
    } else if (action < 6 && !view.rows.empty()) {
      view.currentRow = static_cast<int32_t>(rng() % view.rows.size());
      const StructureMember row = view.rows[static_cast<size_t>(view.currentRow)];
      MemberEditor editor;
      const int opened = OpenEditor(view, (rng() & 1) != 0, &editor);
      ASSERT_EQ(opened, IsEditableRow(row) ? 0 : 1);
      if (opened != 0) continue;
      if (rng() % 5 == 0) {
        ASSERT_EQ(PressEscape(view), EscapeAction::DiscardEdit);
        continue;
      }
      std::string text;
      for (unsigned n = rng() % 9; n > 0; --n) text += pieces[rng() % 16];
      const std::u16string units(text.begin(), text.end());
      const Bytes parsed = editor.text.isUtf16 ? ParseMemberValue(row, std::u16string_view(units))
                                               : ParseMemberValue(row, std::string_view(text));
      ASSERT_EQ(editor.text.isUtf16 ? CommitEditor(view, std::u16string_view(units), nullptr)
                                    : CommitEditor(view, std::string_view(text), nullptr),
                0);
      undo.push_back(model);
      redo.clear();
      std::copy(parsed.begin(), parsed.end(), model.begin() + start + row.offset);
      ++commits;
      ASSERT_TRUE(doc.caret == start && doc.anchor == -1 && doc.modified == 1);
    } else if (action == 6) {
      // The hex view undoes or redoes between two attachments.
      ASSERT_EQ(PressEscape(view), EscapeAction::Close);
      for (unsigned times = rng() % 3; times > 0; --times) {
        const bool again = (rng() & 1) != 0;
        auto& from = again ? redo : undo;
        if (from.empty()) continue;
        ASSERT_EQ(UndoOrRedo(doc, again, nullptr), 0);
        (again ? undo : redo).push_back(model);
        model = from.back();
        from.pop_back();
      }
      ASSERT_EQ(AttachInfoView(view, doc, list, nullptr), 0);
    }
    ASSERT_EQ(CheckDocument(doc), "");
    ASSERT_TRUE(Contents(doc) == model && view.phase == InfoPhase::Shown);
    ASSERT_EQ(ListLength(doc.undoList), static_cast<int>(undo.size()));
    ASSERT_EQ(ListLength(doc.redoList), static_cast<int>(redo.size()));
    ASSERT_TRUE(doc.caret >= 0 && doc.caret + view.structureSize <= doc.length);
    const NavigationButtons b = NavigationState(view);
    ASSERT_TRUE(b.byteBack == (doc.caret > 0) && b.structureForward == (doc.caret + view.structureSize < doc.length));
  }
  EXPECT_GT(commits, 200) << "the run must edit often enough to mean something";
  CloseInfoView(view);
  while (doc.undoList) ASSERT_EQ(UndoOrRedo(doc, false, nullptr), 0);
  EXPECT_TRUE(Contents(doc) == original);
}

TEST(InfoViewRandom, EditsMovesAndSwitchesMatchTheModel) {
  for (uint32_t seed : {1u, 2u, 3u, 20240611u}) RunSeed(seed);
}

}  // namespace
