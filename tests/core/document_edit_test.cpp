// ReplaceSelection, CommitStep and UndoOrRedo: bytes, caret, selection, steps and
// what the view is told.
#include <gtest/gtest.h>

#include "core/edit.h"
#include "core/number_text.h"
#include "support/doc_builders.h"
#include "support/doc_edit_view.h"
#include "support/message_recorder.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A document holding the bytes 0..9.
void SetDigits(Document& doc) {
  Bytes b;
  for (uint8_t i = 0; i < 10; ++i) b.push_back(i);
  SetContent(doc, b);
}

Bytes Removed(const UndoStep* s) {
  return s->removed ? Bytes(s->removed, s->removed + s->removedLength) : Bytes{};
}

struct ReplaceCase {
  const char* name;
  int32_t caret, anchor, digitIndex;
  uint32_t options;
  Bytes insert;
  int caretMode;
  bool selectInserted;
  // expected
  Bytes content;
  int32_t caretAfter, anchorAfter, digitIndexAfter;
  Bytes removed;
  int32_t direction, otherEnd;
};

TEST(DocumentReplaceSelection, CaretSelectionAndStep) {
  const ReplaceCase cases[] = {
      {"insert, caret after", 3, -1, 0, 0, {0xA, 0xB}, kCaretAfter, false,
       {0, 1, 2, 0xA, 0xB, 3, 4, 5, 6, 7, 8, 9}, 5, -1, 0, {}, 0, 3},
      {"insert, caret before", 3, -1, 0, 0, {0xA, 0xB}, kCaretBefore, false,
       {0, 1, 2, 0xA, 0xB, 3, 4, 5, 6, 7, 8, 9}, 3, -1, 0, {}, 0, 5},
      {"insert, selected", 3, -1, 0, 0, {0xA, 0xB}, kCaretAfter, true,
       {0, 1, 2, 0xA, 0xB, 3, 4, 5, 6, 7, 8, 9}, 5, 3, 0, {}, 0, 3},
      {"selection with anchor first is replaced", 5, 2, 0, 0, {0xA}, kCaretAfter, false,
       {0, 1, 0xA, 5, 6, 7, 8, 9}, 3, -1, 0, {2, 3, 4}, 1, 2},
      {"selection with anchor last is deleted", 2, 5, 0, 0, {}, kCaretBefore, false, {0, 1, 5, 6, 7, 8, 9}, 2, -1, 0,
       {2, 3, 4}, 0, -1},
      {"selection to the end is deleted", 10, 7, 0, 0, {}, kCaretAfter, false, {0, 1, 2, 3, 4, 5, 6}, 7, -1, 0,
       {7, 8, 9}, 1, -1},
      {"empty selection removes nothing", 3, 3, 0, 0, {0xA}, kCaretAfter, false,
       {0, 1, 2, 0xA, 3, 4, 5, 6, 7, 8, 9}, 4, -1, 0, {}, 0, 3},
      {"nothing to insert ends digit entry", 3, -1, 1, 0, {}, kCaretAfter, false, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 3,
       -1, 0, {}, 0, -1},
      {"first hex digit keeps the caret", 3, -1, 0, kRadixHex, {0x04}, kCaretDigit, false,
       {0, 1, 2, 4, 3, 4, 5, 6, 7, 8, 9}, 3, -1, 1, {}, 0, 4},
      {"second hex digit moves on", 3, 4, 1, kRadixHex, {0x4A}, kCaretDigit, false,
       {0, 1, 2, 0x4A, 4, 5, 6, 7, 8, 9}, 4, -1, 0, {3}, 0, 3},
      {"seventh binary digit keeps the caret", 3, 4, 6, kRadixBinary, {0x7F}, kCaretDigit, false,
       {0, 1, 2, 0x7F, 4, 5, 6, 7, 8, 9}, 3, -1, 7, {3}, 0, 4},
      {"eighth binary digit moves on", 3, 4, 7, kRadixBinary, {0xFF}, kCaretDigit, false,
       {0, 1, 2, 0xFF, 4, 5, 6, 7, 8, 9}, 4, -1, 0, {3}, 0, 3},
      {"third unsigned decimal digit moves on", 3, 4, 2, kRadixUnsigned, {0xFF}, kCaretDigit, false,
       {0, 1, 2, 0xFF, 4, 5, 6, 7, 8, 9}, 4, -1, 0, {3}, 0, 3},
      {"third signed decimal digit keeps the caret", 3, 4, 2, kRadixSigned, {0x80}, kCaretDigit, false,
       {0, 1, 2, 0x80, 4, 5, 6, 7, 8, 9}, 3, -1, 3, {3}, 0, 4},
      {"digit mode with two bytes puts the caret after", 3, -1, 0, kRadixHex, {0xA, 0xB}, kCaretDigit, false,
       {0, 1, 2, 0xA, 0xB, 3, 4, 5, 6, 7, 8, 9}, 5, -1, 0, {}, 0, 3},
      {"digit mode selecting the byte puts the caret after", 3, -1, 0, kRadixHex, {0xA}, kCaretDigit, true,
       {0, 1, 2, 0xA, 3, 4, 5, 6, 7, 8, 9}, 4, 3, 0, {}, 0, 3},
      {"insert into an empty selection at the end", 10, -1, 0, 0, {0xA}, kCaretBefore, true,
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0xA}, 10, 11, 0, {}, 0, 11},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Document doc;
    SetDigits(doc);
    doc.caret = c.caret;
    doc.anchor = c.anchor;
    doc.digitIndex = c.digitIndex;
    doc.options = c.options;
    RecordingEditView view;
    UndoStep* step = ReplaceSelection(doc, c.insert.empty() ? nullptr : c.insert.data(),
                                      static_cast<int32_t>(c.insert.size()), c.caretMode, c.selectInserted, &view);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(Contents(doc), c.content);
    EXPECT_EQ(doc.length, static_cast<int32_t>(c.content.size()));
    EXPECT_EQ(doc.caret, c.caretAfter);
    EXPECT_EQ(doc.anchor, c.anchorAfter);
    EXPECT_EQ(doc.digitIndex, c.digitIndexAfter);
    EXPECT_EQ(Removed(step), c.removed);
    EXPECT_EQ(step->removedLength, static_cast<int32_t>(c.removed.size()));
    EXPECT_EQ(step->direction, c.direction);
    EXPECT_EQ(step->caretAfter, c.caretAfter);
    EXPECT_EQ(step->otherEnd, c.otherEnd);
    EXPECT_EQ(CheckDocument(doc), "");
    // The edit alone marks nothing: that is CommitStep's job.
    EXPECT_EQ(doc.modified, 0);
    ASSERT_EQ(view.changes.size(), 1u);
    const EditChange& ch = view.changes[0];
    int32_t removedCount = static_cast<int32_t>(c.removed.size());
    int32_t p = c.anchor != -1 && c.anchor < c.caret ? c.anchor : c.caret;
    EXPECT_EQ(ch.offset, p);
    EXPECT_EQ(ch.removedCount, removedCount);
    EXPECT_EQ(ch.insertedCount, static_cast<int32_t>(c.insert.size()));
    EXPECT_EQ(ch.caretBefore, c.caret);
    EXPECT_EQ(ch.anchorBefore, c.anchor);
    EXPECT_EQ(ch.digitIndexBefore, c.digitIndex);
    EXPECT_EQ(ch.caretAfter, c.caretAfter);
    EXPECT_EQ(ch.anchorAfter, c.anchorAfter);
    EXPECT_EQ(ch.digitIndexAfter, c.digitIndexAfter);
    EXPECT_EQ(view.menuRefreshes, 0);
    FreeStep(step);
  }
}

TEST(DocumentReplaceSelection, WorksWithoutAView) {
  Document doc;
  SetDigits(doc);
  doc.caret = 10;
  uint8_t b = 0x55;
  UndoStep* step = ReplaceSelection(doc, &b, 1, kCaretAfter, false, nullptr);
  ASSERT_NE(step, nullptr);
  EXPECT_EQ(doc.length, 11);
  EXPECT_EQ(doc.caret, 11);
  FreeStep(step);
}

// Typing "4" then "A" in insert mode: the view inserts a byte for the first digit
// and selects that byte for the second.
TEST(DocumentUndo, TwoHexDigitsAreTwoStepsAndUndoTwiceRestores) {
  Document doc;
  SetDigits(doc);
  doc.caret = 3;
  RecordingEditView view;
  uint8_t first = 0x04;
  CommitStep(doc, ReplaceSelection(doc, &first, 1, kCaretDigit, false, &view), &view);
  EXPECT_EQ(doc.caret, 3);
  EXPECT_EQ(doc.digitIndex, 1);
  doc.anchor = 4;
  uint8_t second = 0x4A;
  CommitStep(doc, ReplaceSelection(doc, &second, 1, kCaretDigit, false, &view), &view);
  EXPECT_EQ(Contents(doc), (Bytes{0, 1, 2, 0x4A, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(doc.caret, 4);
  EXPECT_EQ(doc.digitIndex, 0);
  EXPECT_EQ(doc.modified, 1);

  ASSERT_EQ(UndoOrRedo(doc, false, &view), 0);
  EXPECT_EQ(Contents(doc), (Bytes{0, 1, 2, 4, 3, 4, 5, 6, 7, 8, 9}));
  ASSERT_EQ(UndoOrRedo(doc, false, &view), 0);
  EXPECT_EQ(Contents(doc), (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(doc.caret, 3);
  EXPECT_EQ(doc.anchor, -1);
  EXPECT_EQ(doc.undoList, nullptr);
  EXPECT_EQ(doc.modified, 1);  // undo does not clear it
  EXPECT_EQ(UndoOrRedo(doc, false, &view), -1);
  EXPECT_EQ(CheckDocument(doc), "");
}

TEST(DocumentUndo, PasteOverSelectionUndoesToTheSelectionAndRedoesSelected) {
  Document doc;
  SetDigits(doc);
  doc.caret = 6;
  doc.anchor = 2;  // bytes 2..5 selected, caret at their end
  Bytes paste = {0xA, 0xB, 0xC, 0xD, 0xE, 0xF};
  RecordingEditView view;
  CommitStep(doc, ReplaceSelection(doc, paste.data(), 6, kCaretAfter, false, &view), &view);
  Bytes pasted = {0, 1, 0xA, 0xB, 0xC, 0xD, 0xE, 0xF, 6, 7, 8, 9};
  EXPECT_EQ(Contents(doc), pasted);
  EXPECT_EQ(doc.caret, 8);
  EXPECT_EQ(doc.anchor, -1);

  doc.caret = 11;  // the user moves away before undoing
  ASSERT_EQ(UndoOrRedo(doc, false, &view), 0);
  EXPECT_EQ(Contents(doc), (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(doc.anchor, 2);
  EXPECT_EQ(doc.caret, 6);
  const EditChange& undo = view.changes.back();
  EXPECT_EQ(undo.offset, 2);
  EXPECT_EQ(undo.removedCount, 6);
  EXPECT_EQ(undo.insertedCount, 4);
  EXPECT_EQ(undo.caretBefore, 11);  // what the view showed, for repainting the old caret
  EXPECT_EQ(undo.anchorBefore, -1);

  ASSERT_EQ(UndoOrRedo(doc, true, &view), 0);
  EXPECT_EQ(Contents(doc), pasted);
  EXPECT_EQ(doc.caret, 8);
  EXPECT_EQ(doc.anchor, 2);
  EXPECT_NE(doc.undoList, nullptr);
  EXPECT_EQ(doc.redoList, nullptr);
  EXPECT_EQ(CheckDocument(doc), "");
}

TEST(DocumentUndo, DeleteKeyUndoRestoresTheByteSelectedTheWayItWas) {
  Document doc;
  SetDigits(doc);
  doc.caret = 4;
  doc.anchor = 5;  // the Delete key selects the byte at the caret
  CommitStep(doc, ReplaceSelection(doc, nullptr, 0, kCaretBefore, false, nullptr), nullptr);
  EXPECT_EQ(Contents(doc), (Bytes{0, 1, 2, 3, 5, 6, 7, 8, 9}));
  ASSERT_EQ(UndoOrRedo(doc, false, nullptr), 0);
  EXPECT_EQ(Contents(doc), (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(doc.caret, 4);
  EXPECT_EQ(doc.anchor, 5);
  ASSERT_EQ(UndoOrRedo(doc, true, nullptr), 0);
  EXPECT_EQ(Contents(doc), (Bytes{0, 1, 2, 3, 5, 6, 7, 8, 9}));
  EXPECT_EQ(doc.caret, 4);
  EXPECT_EQ(doc.anchor, -1);
}

TEST(DocumentUndo, MenuRefreshesWhenAvailabilityChanges) {
  Document doc;
  SetDigits(doc);
  RecordingEditView view;
  uint8_t b = 1;
  CommitStep(doc, ReplaceSelection(doc, &b, 1, kCaretAfter, false, &view), &view);
  EXPECT_EQ(view.menuRefreshes, 1);  // undo became available
  CommitStep(doc, ReplaceSelection(doc, &b, 1, kCaretAfter, false, &view), &view);
  EXPECT_EQ(view.menuRefreshes, 1);  // nothing changed
  UndoOrRedo(doc, false, &view);
  EXPECT_EQ(view.menuRefreshes, 2);
  ASSERT_NE(doc.redoList, nullptr);
  // A new edit after an undo empties the redo list.
  CommitStep(doc, ReplaceSelection(doc, &b, 1, kCaretAfter, false, &view), &view);
  EXPECT_EQ(view.menuRefreshes, 3);
  EXPECT_EQ(doc.redoList, nullptr);
  EXPECT_EQ(UndoOrRedo(doc, true, &view), -1);
  EXPECT_EQ(view.menuRefreshes, 3);
  CommitStep(doc, nullptr, &view);  // a failed edit commits nothing
  EXPECT_EQ(view.menuRefreshes, 3);
}

// After a save both lists are emptied, so nothing can be undone across it.
TEST(DocumentUndo, EmptiedListsLeaveNothingToUndoOrRedo) {
  Document doc;
  SetDigits(doc);
  uint8_t b = 1;
  for (int i = 0; i < 3; ++i) CommitStep(doc, ReplaceSelection(doc, &b, 1, kCaretAfter, false, nullptr), nullptr);
  UndoOrRedo(doc, false, nullptr);
  EXPECT_EQ(FreeStepList(doc.undoList), 2);
  EXPECT_EQ(FreeStepList(doc.redoList), 1);
  EXPECT_EQ(doc.undoList, nullptr);
  EXPECT_EQ(doc.redoList, nullptr);
  MessageRecorder messages;
  EXPECT_EQ(UndoOrRedo(doc, false, nullptr), -1);
  EXPECT_EQ(UndoOrRedo(doc, true, nullptr), -1);
  EXPECT_TRUE(messages.texts().empty());
  EXPECT_EQ(doc.length, 12);
}

TEST(DocumentReplaceSelection, OutOfRangeCaretAndAnchorAreClamped) {
  Document doc;
  SetDigits(doc);
  doc.caret = 50;
  doc.anchor = 8;
  UndoStep* step = ReplaceSelection(doc, nullptr, 0, kCaretAfter, false, nullptr);
  ASSERT_NE(step, nullptr);
  EXPECT_EQ(Contents(doc), (Bytes{0, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(CheckDocument(doc), "");
  FreeStep(step);
}

}  // namespace
