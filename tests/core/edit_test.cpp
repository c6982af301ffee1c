// ReplaceSelection, CommitStep and UndoOrRedo: bytes, caret, selection and what
// the view is told; and a randomised run against a model of those rules.
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

// What the view is told: where, how much, and the caret, anchor and digit index
// before and after. Undo and redo are checked by the random run below.
TEST(ReplaceSelection, CaretSelectionAndChange) {
  const struct {
    const char* why;
    Ints before;  // caret, anchor, digit index
    uint32_t options;
    Bytes insert;
    int mode;
    bool select;
    Ints after;  // caret, anchor, digit index
  } rows[] = {
      {"insert, caret after", {3, -1, 0}, 0, {10, 11}, kCaretAfter, false, {5, -1, 0}},
      {"insert, caret before, selected", {3, -1, 0}, 0, {10, 11}, kCaretBefore, true, {3, 5, 0}},
      {"anchor first, replaced", {5, 2, 0}, 0, {10}, kCaretAfter, false, {3, -1, 0}},
      {"anchor last, deleted", {2, 5, 0}, 0, {}, kCaretBefore, false, {2, -1, 0}},
      {"nothing inserted ends digit entry", {3, -1, 1}, 0, {}, kCaretAfter, false, {3, -1, 0}},
      {"first hex digit keeps the caret", {3, -1, 0}, kRadixHex, {4}, kCaretDigit, false, {3, -1, 1}},
      {"second hex digit moves on", {3, 4, 1}, kRadixHex, {0x4A}, kCaretDigit, false, {4, -1, 0}},
      {"seventh binary digit stays", {3, 4, 6}, kRadixBinary, {0x7F}, kCaretDigit, false, {3, -1, 7}},
      {"third signed digit stays", {3, 4, 2}, kRadixSigned, {0x80}, kCaretDigit, false, {3, -1, 3}},
      {"digit mode selecting moves on", {3, -1, 0}, kRadixHex, {10}, kCaretDigit, true, {4, 3, 0}},
      {"out of range is clamped", {50, 8, 0}, 0, {}, kCaretAfter, false, {8, -1, 0}}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    Document doc;
    SetContent(doc, kDigits);
    doc.caret = r.before[0];
    doc.anchor = r.before[1];
    doc.digitIndex = r.before[2];
    doc.options = r.options;
    RecordingEditView view;
    auto n = static_cast<int32_t>(r.insert.size());
    FreeStep(ReplaceSelection(doc, n ? r.insert.data() : nullptr, n, r.mode, r.select, &view));
    int32_t caret = std::min(r.before[0], 10);
    int32_t at = r.before[1] == -1 ? caret : std::min(caret, r.before[1]);
    int32_t removed = r.before[1] == -1 ? 0 : std::abs(caret - r.before[1]);
    Bytes content = kDigits;
    content.erase(content.begin() + at, content.begin() + at + removed);
    content.insert(content.begin() + at, r.insert.begin(), r.insert.end());
    EXPECT_EQ(Contents(doc), content);
    EXPECT_EQ((Ints{doc.caret, doc.anchor, doc.digitIndex}), r.after);
    ASSERT_EQ(view.changes.size(), 1u);
    const EditChange& c = view.changes[0];
    EXPECT_EQ((Ints{c.offset, c.removedCount, c.insertedCount, c.caretBefore, c.anchorBefore, c.digitIndexBefore,
                    c.caretAfter, c.anchorAfter, c.digitIndexAfter}),
              (Ints{at, removed, n, r.before[0], r.before[1], r.before[2], r.after[0], r.after[1], r.after[2]}));
    EXPECT_EQ((Ints{doc.modified, view.menuRefreshes}), (Ints{0, 0}));  // marking and the menu are CommitStep's job
  }
}

// A paste over a selection, undone and redone; the view's menu is refreshed only
// when undo or redo availability changes.
TEST(UndoOrRedo, RestoresTheSelectionAndRefreshesTheMenuOnChangesOnly) {
  Document doc;
  SetContent(doc, kDigits);
  doc.caret = 6;
  doc.anchor = 2;
  Bytes paste = {10, 11, 12, 13, 14, 15};
  const Bytes pasted = {0, 1, 10, 11, 12, 13, 14, 15, 6, 7, 8, 9};
  RecordingEditView view;
  CommitStep(doc, ReplaceSelection(doc, paste.data(), 6, kCaretAfter, false, &view), &view);
  EXPECT_EQ((Ints{doc.modified, view.menuRefreshes}), (Ints{1, 1}));  // undo became available
  doc.caret = 11;  // the user moves away before undoing
  ASSERT_EQ(UndoOrRedo(doc, false, &view), 0);
  EXPECT_EQ(Contents(doc), kDigits);
  EXPECT_EQ((Ints{doc.caret, doc.anchor, view.menuRefreshes}), (Ints{6, 2, 2}));
  const EditChange& undo = view.changes.back();  // the caret the view showed comes along, for repainting it
  EXPECT_EQ((Ints{undo.offset, undo.removedCount, undo.insertedCount, undo.caretBefore, undo.anchorBefore}),
            (Ints{2, 6, 4, 11, -1}));
  ASSERT_EQ(UndoOrRedo(doc, true, &view), 0);
  EXPECT_EQ(Contents(doc), pasted);
  EXPECT_EQ((Ints{doc.caret, doc.anchor, view.menuRefreshes}), (Ints{8, 2, 3}));
  CommitStep(doc, ReplaceSelection(doc, paste.data(), 1, kCaretAfter, false, &view), &view);
  CommitStep(doc, nullptr, &view);  // a failed edit commits nothing
  EXPECT_EQ(view.menuRefreshes, 3);
  UndoOrRedo(doc, false, &view);
  // A save empties both lists: nothing can be undone across it.
  EXPECT_EQ((Ints{FreeStepList(doc.undoList), FreeStepList(doc.redoList)}), (Ints{1, 1}));
  EXPECT_EQ((Ints{UndoOrRedo(doc, false, nullptr), UndoOrRedo(doc, true, nullptr)}), (Ints{-1, -1}));
  EXPECT_EQ(Contents(doc), pasted);
}

// One committed edit as the model remembers it, with the caret and anchor after
// an undo and after a redo (an empty selection is none).
struct ModelStep {
  int32_t at;
  Bytes removed, inserted;
  Ints undone, redone;
};

// Random edits, undos and redos with the caret and selection placed as a user
// would; the document is compared with the model after every step, and at the
// end everything is undone (the first state) and redone (the last).
void RunAgainstModel(int32_t size, uint32_t seed, int steps) {
  std::mt19937 rng(seed);
  auto between = [&](int32_t low, int32_t high) { return low + int32_t(rng() % uint32_t(high - low + 1)); };
  auto count = [&] { return rng() % 3 ? between(1, 16) : between(1, 1 << (rng() % 18)); };
  Bytes bytes = RandomBytes(size, seed);
  const Bytes first = bytes;
  Document doc;
  SetContent(doc, bytes);
  doc.options = rng() % 5;
  Ints state = {0, -1, 0};  // caret, anchor, digit index
  std::vector<ModelStep> undo, redo;
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
    state = {(isRedo ? s.redone : s.undone)[0], (isRedo ? s.redone : s.undone)[1], 0};
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
    int32_t n = growing || rng() % 8 == 0 ? 0 : mode == kCaretDigit && rng() % 2 ? 1 : count();
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
    if (n == 1 && mode == kCaretDigit && !select && digit + 1 < DigitsPerValue(1, DataRadixOf(doc.options))) {
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
    ASSERT_EQ(CheckDocument(doc), "");
    ASSERT_EQ((Ints{doc.caret, doc.anchor == doc.caret ? -1 : doc.anchor, doc.digitIndex}), state);
    ASSERT_TRUE(Contents(doc) == bytes);
  }
  while (!redo.empty() && !::testing::Test::HasFatalFailure()) replay(true);
  const Bytes last = bytes;
  while (!undo.empty() && !::testing::Test::HasFatalFailure()) replay(false);
  EXPECT_TRUE(Contents(doc) == first);
  while (!redo.empty() && !::testing::Test::HasFatalFailure()) replay(true);
  EXPECT_TRUE(Contents(doc) == last);
}

TEST(ReplaceSelection, RandomEditsUndosAndRedosMatchTheModel) {
  const Ints runs[] = {{0, 1, 500}, {1000, 3, 500}, {43690, 4, 500}, {100000, 6, 400}, {300000, 7, 300}};
  for (const Ints& r : runs) {
    SCOPED_TRACE("size " + std::to_string(r[0]) + " seed " + std::to_string(r[1]));
    RunAgainstModel(r[0], static_cast<uint32_t>(r[1]), r[2]);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
