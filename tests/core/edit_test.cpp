// ReplaceSelection, CommitStep and UndoOrRedo: bytes, caret, selection, steps and
// what the view is told; and a randomised run against a model of those rules.
#include "core/edit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/number_text.h"
#include "support/doc_builders.h"
#include "support/doc_edit_view.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Ints = std::vector<int32_t>;

const Bytes kDigits = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

// A document holding the bytes 0..9 with the caret, anchor and digit index given.
void Prepare(Document& doc, int32_t caret, int32_t anchor = -1, int32_t digitIndex = 0) {
  SetContent(doc, kDigits);
  doc.caret = caret;
  doc.anchor = anchor;
  doc.digitIndex = digitIndex;
}

TEST(ReplaceSelection, CaretSelectionStepAndChange) {
  const struct {
    const char* why;
    Ints before;  // caret, anchor, digit index
    uint32_t options;
    Bytes insert;
    int mode;
    bool selectInserted;
    Ints after;     // caret, anchor, digit index
    Ints step;      // direction, other end
    Bytes removed;  // the selection, replaced by insert
  } rows[] = {
      {"insert, caret after", {3, -1, 0}, 0, {0xA, 0xB}, kCaretAfter, false, {5, -1, 0}, {0, 3}, {}},
      {"insert, caret before", {3, -1, 0}, 0, {0xA, 0xB}, kCaretBefore, false, {3, -1, 0}, {0, 5}, {}},
      {"insert, selected", {3, -1, 0}, 0, {0xA, 0xB}, kCaretAfter, true, {5, 3, 0}, {0, 3}, {}},
      {"selection with anchor first is replaced", {5, 2, 0}, 0, {0xA}, kCaretAfter, false,
       {3, -1, 0}, {1, 2}, {2, 3, 4}},
      {"selection with anchor last is deleted", {2, 5, 0}, 0, {}, kCaretBefore, false, {2, -1, 0}, {0, -1}, {2, 3, 4}},
      {"selection to the end is deleted", {10, 7, 0}, 0, {}, kCaretAfter, false, {7, -1, 0}, {1, -1}, {7, 8, 9}},
      {"empty selection removes nothing", {3, 3, 0}, 0, {0xA}, kCaretAfter, false, {4, -1, 0}, {0, 3}, {}},
      {"nothing to insert ends digit entry", {3, -1, 1}, 0, {}, kCaretAfter, false, {3, -1, 0}, {0, -1}, {}},
      {"first hex digit keeps the caret", {3, -1, 0}, kRadixHex, {4}, kCaretDigit, false, {3, -1, 1}, {0, 4}, {}},
      {"second hex digit moves on", {3, 4, 1}, kRadixHex, {0x4A}, kCaretDigit, false, {4, -1, 0}, {0, 3}, {3}},
      {"seventh binary digit keeps the caret", {3, 4, 6}, kRadixBinary, {0x7F}, kCaretDigit, false,
       {3, -1, 7}, {0, 4}, {3}},
      {"eighth binary digit moves on", {3, 4, 7}, kRadixBinary, {0xFF}, kCaretDigit, false, {4, -1, 0}, {0, 3}, {3}},
      {"third unsigned decimal digit moves on", {3, 4, 2}, kRadixUnsigned, {0xFF}, kCaretDigit, false,
       {4, -1, 0}, {0, 3}, {3}},
      {"third signed decimal digit keeps the caret", {3, 4, 2}, kRadixSigned, {0x80}, kCaretDigit, false,
       {3, -1, 3}, {0, 4}, {3}},
      {"digit mode with two bytes puts the caret after", {3, -1, 0}, kRadixHex, {0xA, 0xB}, kCaretDigit, false,
       {5, -1, 0}, {0, 3}, {}},
      {"digit mode selecting the byte puts the caret after", {3, -1, 0}, kRadixHex, {0xA}, kCaretDigit, true,
       {4, 3, 0}, {0, 3}, {}},
      {"insert into an empty selection at the end", {10, -1, 0}, 0, {0xA}, kCaretBefore, true,
       {10, 11, 0}, {0, 11}, {}},
      {"caret and anchor out of range are clamped", {50, 8, 0}, 0, {}, kCaretAfter, false, {8, -1, 0}, {1, -1}, {8, 9}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    Document doc;
    Prepare(doc, r.before[0], r.before[1], r.before[2]);
    doc.options = r.options;
    RecordingEditView view;
    auto n = static_cast<int32_t>(r.insert.size());
    UndoStep* step = ReplaceSelection(doc, n ? r.insert.data() : nullptr, n, r.mode, r.selectInserted, &view);
    ASSERT_NE(step, nullptr);
    int32_t at = std::min(r.before[0], 10);
    if (r.before[1] != -1) at = std::min(at, r.before[1]);
    Bytes content = kDigits;
    content.erase(content.begin() + at, content.begin() + at + static_cast<ptrdiff_t>(r.removed.size()));
    content.insert(content.begin() + at, r.insert.begin(), r.insert.end());
    EXPECT_EQ(Contents(doc), content);
    EXPECT_EQ(CheckDocument(doc), "");
    EXPECT_EQ((Ints{doc.caret, doc.anchor, doc.digitIndex}), r.after);
    EXPECT_EQ((Ints{step->direction, step->otherEnd, step->caretAfter}), (Ints{r.step[0], r.step[1], r.after[0]}));
    EXPECT_EQ(Bytes(step->removed, step->removed + step->removedLength), r.removed);
    EXPECT_EQ(doc.modified, 0);  // marking is CommitStep's job
    ASSERT_EQ(view.changes.size(), 1u);
    const EditChange& c = view.changes[0];
    EXPECT_EQ((Ints{c.offset, c.removedCount, c.insertedCount}), (Ints{at, int32_t(r.removed.size()), n}));
    EXPECT_EQ((Ints{c.caretBefore, c.anchorBefore, c.digitIndexBefore}), r.before);
    EXPECT_EQ((Ints{c.caretAfter, c.anchorAfter, c.digitIndexAfter}), r.after);
    EXPECT_EQ(view.menuRefreshes, 0);
    FreeStep(step);
  }
}

// The caret and selection rules of undo and redo are checked by the random run below.
TEST(UndoOrRedo, PasteOverASelectionUndoesToTheSelectionAndRedoesSelected) {
  Document doc;
  Prepare(doc, 6, 2);  // bytes 2..5 selected, caret at their end
  Bytes paste = {0xA, 0xB, 0xC, 0xD, 0xE, 0xF};
  const Bytes pasted = {0, 1, 0xA, 0xB, 0xC, 0xD, 0xE, 0xF, 6, 7, 8, 9};
  RecordingEditView view;
  CommitStep(doc, ReplaceSelection(doc, paste.data(), 6, kCaretAfter, false, &view), &view);
  EXPECT_EQ(Contents(doc), pasted);
  doc.caret = 11;  // the user moves away before undoing
  ASSERT_EQ(UndoOrRedo(doc, false, &view), 0);
  EXPECT_EQ(Contents(doc), kDigits);
  EXPECT_EQ((Ints{doc.caret, doc.anchor, doc.modified}), (Ints{6, 2, 1}));  // undo leaves modified alone
  const EditChange& undo = view.changes.back();
  // The caret the view showed comes along, for repainting it.
  EXPECT_EQ((Ints{undo.offset, undo.removedCount, undo.insertedCount, undo.caretBefore, undo.anchorBefore}),
            (Ints{2, 6, 4, 11, -1}));
  ASSERT_EQ(UndoOrRedo(doc, true, &view), 0);
  EXPECT_EQ(Contents(doc), pasted);
  EXPECT_EQ((Ints{doc.caret, doc.anchor}), (Ints{8, 2}));
  EXPECT_NE(doc.undoList, nullptr);
  EXPECT_EQ(doc.redoList, nullptr);
}

TEST(CommitStep, MenuRefreshesOnlyWhenAvailabilityChangesAndFreedListsUndoNothing) {
  Document doc;
  Prepare(doc, 0);
  RecordingEditView view;
  uint8_t b = 1;
  auto edit = [&] { CommitStep(doc, ReplaceSelection(doc, &b, 1, kCaretAfter, false, &view), &view); };
  edit();
  EXPECT_EQ(view.menuRefreshes, 1);  // undo became available
  edit();
  EXPECT_EQ(view.menuRefreshes, 1);
  UndoOrRedo(doc, false, &view);
  EXPECT_EQ(view.menuRefreshes, 2);
  edit();  // a new edit after an undo empties the redo list
  EXPECT_EQ(view.menuRefreshes, 3);
  EXPECT_EQ(UndoOrRedo(doc, true, &view), -1);
  CommitStep(doc, nullptr, &view);  // a failed edit commits nothing
  EXPECT_EQ(view.menuRefreshes, 3);
  // A save empties both lists: nothing can be undone across it.
  UndoOrRedo(doc, false, &view);
  EXPECT_EQ(FreeStepList(doc.undoList), 1);
  EXPECT_EQ(FreeStepList(doc.redoList), 1);
  EXPECT_EQ(doc.undoList, nullptr);
  EXPECT_EQ(UndoOrRedo(doc, false, nullptr), -1);
  EXPECT_EQ(UndoOrRedo(doc, true, nullptr), -1);
  EXPECT_EQ(doc.length, 11);
}

// One committed edit as the model remembers it.
struct ModelStep {
  int32_t at;
  Bytes removed, inserted;
  Ints undone, redone;  // caret and anchor after an undo / a redo (an empty selection is none)
};

// Random edits, undos and redos with the caret and selection placed as a user
// would; the document is compared with the model after every step, and at the
// end everything is redone, undone (the first state) and redone (the last).
void RunAgainstModel(int32_t size, uint32_t seed, int steps) {
  std::mt19937 rng(seed);
  auto between = [&](int32_t low, int32_t high) { return low + int32_t(rng() % uint32_t(high - low + 1)); };
  auto count = [&] {
    unsigned r = rng() % 20;
    return r < 8 ? 1 : r < 13 ? between(2, 16) : r < 17 ? between(17, 4000) : r < 19 ? between(4001, 70000)
                                                                                     : between(70001, 200000);
  };
  Bytes bytes = RandomBytes(size, seed);
  const Bytes first = bytes;
  Document doc;
  SetContent(doc, bytes);
  doc.options = rng() % 5;
  Ints state = {0, -1, 0};  // caret, anchor, digit index
  std::vector<ModelStep> undo, redo;

  auto check = [&] {
    ASSERT_EQ(CheckDocument(doc), "");
    ASSERT_EQ((Ints{doc.caret, doc.anchor == doc.caret ? -1 : doc.anchor, doc.digitIndex}), state);
    ASSERT_TRUE(Contents(doc) == bytes);
  };
  auto splice = [&](int32_t at, size_t out, const Bytes& in) {
    bytes.erase(bytes.begin() + at, bytes.begin() + at + static_cast<ptrdiff_t>(out));
    bytes.insert(bytes.begin() + at, in.begin(), in.end());
  };
  auto replay = [&](bool isRedo) {
    ASSERT_EQ(UndoOrRedo(doc, isRedo, nullptr), 0);
    std::vector<ModelStep>& from = isRedo ? redo : undo;
    ModelStep s = std::move(from.back());
    from.pop_back();
    splice(s.at, (isRedo ? s.removed : s.inserted).size(), isRedo ? s.inserted : s.removed);
    state = isRedo ? s.redone : s.undone;
    state.push_back(0);
    (isRedo ? undo : redo).push_back(std::move(s));
  };
  auto edit = [&] {
    auto len = static_cast<int32_t>(bytes.size());
    bool growing = len > 2 * size + 1000000;
    int32_t caret = rng() % 10 < 7 ? std::clamp(state[0] + between(-5000, 5000), 0, len) : between(0, len);
    int32_t anchor = -1;
    if (rng() % 2 || growing) anchor = std::clamp(caret + (rng() % 2 ? 1 : -1) * std::min(count(), len), 0, len);
    int32_t digit = rng() % 3 ? state[2] : 0;
    int mode = static_cast<int>(rng() % 3);
    bool select = rng() % 4 == 0;
    int32_t n = growing || rng() % 8 == 0 ? 0 : count();
    if (mode == kCaretDigit && rng() % 2) n = 1;
    Bytes insert = RandomBytes(n, rng());
    doc.caret = caret;
    doc.anchor = anchor;
    doc.digitIndex = digit;
    UndoStep* step = ReplaceSelection(doc, n ? insert.data() : nullptr, n, mode, select, nullptr);
    ASSERT_NE(step, nullptr);
    CommitStep(doc, step, nullptr);

    int32_t at = anchor != -1 ? std::min(anchor, caret) : caret;
    int32_t selected = anchor != -1 ? std::abs(anchor - caret) : 0;
    ModelStep s{at, Bytes(bytes.begin() + at, bytes.begin() + at + selected), insert,
                {caret, anchor != caret ? anchor : -1}, {}};
    splice(at, static_cast<size_t>(selected), insert);
    int32_t otherEnd = -1;
    state = {at, -1, 0};
    if (n > 0 && mode == kCaretDigit && n == 1 && !select && digit + 1 < DigitsPerValue(1, DataRadixOf(doc.options))) {
      state = {at, -1, digit + 1};
      otherEnd = at + 1;
    } else if (n > 0) {
      state[0] = mode == kCaretBefore ? at : at + n;
      otherEnd = mode == kCaretBefore ? at + n : at;
    }
    if (select) state[1] = otherEnd;
    s.redone = {state[0], otherEnd};
    undo.push_back(std::move(s));
    redo.clear();
  };

  for (int i = 0; i < steps && !::testing::Test::HasFatalFailure(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i));
    unsigned pick = rng() % 10;
    if (pick < 2 && !undo.empty()) {
      replay(false);
    } else if (pick < 4 && !redo.empty()) {
      replay(true);
    } else {
      edit();
    }
    check();
  }
  while (!redo.empty() && !::testing::Test::HasFatalFailure()) replay(true);
  const Bytes last = bytes;
  while (!undo.empty() && !::testing::Test::HasFatalFailure()) replay(false);
  EXPECT_TRUE(Contents(doc) == first);
  while (!redo.empty() && !::testing::Test::HasFatalFailure()) replay(true);
  EXPECT_TRUE(Contents(doc) == last);
  check();
}

TEST(ReplaceSelection, RandomEditsUndosAndRedosMatchTheModel) {
  const struct {
    int32_t size;
    uint32_t seed;
    int steps;
  } runs[] = {{0, 1, 500}, {1, 2, 300}, {1000, 3, 500}, {43690, 4, 500}, {65535, 5, 300}, {100000, 6, 400},
              {300000, 7, 300}};
  for (const auto& r : runs) {
    SCOPED_TRACE("size " + std::to_string(r.size) + " seed " + std::to_string(r.seed));
    RunAgainstModel(r.size, r.seed, r.steps);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
