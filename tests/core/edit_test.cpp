// ReplaceSelection, CommitStep and UndoOrRedo: bytes, caret, selection, the
// undo and redo lists and what the view is told, in randomised runs against a
// model of those rules.
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

// One committed edit as the model remembers it, with the caret and anchor after
// an undo and after a redo (an empty selection is none).
struct ModelStep {
  int32_t at;
  Bytes removed, inserted;
  Ints undone, redone;
};

// Random edits, undos and redos with the caret and selection placed as a user
// would (and moved before an undo or redo); after every step the document, what
// the view was told and the menu refreshes are compared with the model; at the
// end everything is undone (the first state) and redone (the last).
void RunAgainstModel(int32_t size, uint32_t seed, int steps) {
  std::mt19937 rng(seed);
  auto between = [&](int32_t low, int32_t high) { return low + int32_t(rng() % uint32_t(high - low + 1)); };
  auto count = [&] { return rng() % 3 ? between(1, 16) : between(1, 1 << (rng() % 18)); };
  Bytes bytes = RandomBytes(size, seed);
  const Bytes first = bytes;
  Document doc;
  SetContent(doc, bytes);
  RecordingEditView view;
  Ints state = {0, -1, 0};  // caret, anchor, digit index
  Ints change;              // what the view must be told, as EditChange lists it; none when empty
  int refreshes = 0;
  std::vector<ModelStep> undo, redo;
  auto splice = [&](int32_t at, const Bytes& out, const Bytes& in) {
    change = {at, static_cast<int32_t>(out.size()), static_cast<int32_t>(in.size()), doc.caret, doc.anchor,
              doc.digitIndex};
    bytes.erase(bytes.begin() + at, bytes.begin() + at + static_cast<ptrdiff_t>(out.size()));
    bytes.insert(bytes.begin() + at, in.begin(), in.end());
  };
  auto replay = [&](bool isRedo) {
    std::vector<ModelStep>& from = isRedo ? redo : undo;
    doc.caret = between(0, static_cast<int32_t>(bytes.size()));  // the user moves away first
    doc.anchor = -1;
    doc.digitIndex = 0;
    state = {doc.caret, -1, 0};
    if (from.empty()) {
      ASSERT_EQ(UndoOrRedo(doc, isRedo, &view), -1);
      return;
    }
    ModelStep s = std::move(from.back());
    from.pop_back();
    splice(s.at, isRedo ? s.removed : s.inserted, isRedo ? s.inserted : s.removed);
    ASSERT_EQ(UndoOrRedo(doc, isRedo, &view), 0);
    state = {(isRedo ? s.redone : s.undone)[0], (isRedo ? s.redone : s.undone)[1], 0};
    ++refreshes;
    (isRedo ? undo : redo).push_back(std::move(s));
  };
  auto edit = [&] {
    auto len = static_cast<int32_t>(bytes.size());
    bool growing = len > 2 * size + 1000000;
    doc.caret = rng() % 10 < 7 ? std::clamp(state[0] + between(-5000, 5000), 0, len) : between(0, len + 2);
    doc.anchor = rng() % 2 || growing ? std::clamp(doc.caret + (rng() % 2 ? 1 : -1) * count(), 0, len + 2) : -1;
    doc.digitIndex = rng() % 3 ? state[2] : 0;
    doc.options = rng() % 10 ? doc.options : rng() % 5;  // the data radix changes now and then
    int mode = static_cast<int>(rng() % 3);
    bool select = rng() % 4 == 0;
    int32_t n = growing || rng() % 8 == 0 ? 0 : mode == kCaretDigit && rng() % 2 ? 1 : count();
    Bytes insert = RandomBytes(n, rng());
    // A caret or anchor past the end is taken as the end.
    int32_t caret = std::min(doc.caret, len), anchor = std::min(doc.anchor, len), digit = doc.digitIndex;
    int32_t at = anchor != -1 ? std::min(anchor, caret) : caret;
    ModelStep s{at, Bytes(bytes.begin() + at, bytes.begin() + std::max(caret, anchor)), insert,
                {caret, anchor != caret ? anchor : -1}, {}};
    splice(at, s.removed, insert);
    UndoStep* step = ReplaceSelection(doc, n ? insert.data() : nullptr, n, mode, select, &view);
    ASSERT_NE(step, nullptr);
    CommitStep(doc, step, &view);
    CommitStep(doc, nullptr, &view);  // a failed edit commits nothing
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
    refreshes += undo.empty() || !redo.empty();  // undo or redo availability changes
    undo.push_back(std::move(s));
    redo.clear();
  };
  for (int i = 0; i < steps && !::testing::Test::HasFatalFailure(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i));
    unsigned pick = rng() % 10;
    size_t told = view.changes.size();
    change.clear();
    if (pick < 4) {
      replay(pick < 2);
    } else {
      edit();
    }
    ASSERT_EQ(CheckDocument(doc), "");
    ASSERT_EQ((Ints{doc.caret, doc.anchor == doc.caret ? -1 : doc.anchor, doc.digitIndex}), state);
    ASSERT_TRUE(Contents(doc) == bytes);
    ASSERT_EQ(view.changes.size(), told + !change.empty());
    ASSERT_EQ(view.menuRefreshes, refreshes);
    ASSERT_EQ(doc.modified, !undo.empty() || !redo.empty());  // undo leaves it alone
    if (change.empty()) continue;
    const EditChange& c = view.changes.back();
    change.insert(change.end(), {doc.caret, doc.anchor, doc.digitIndex});
    ASSERT_EQ((Ints{c.offset, c.removedCount, c.insertedCount, c.caretBefore, c.anchorBefore, c.digitIndexBefore,
                    c.caretAfter, c.anchorAfter, c.digitIndexAfter}),
              change);
  }
  while (!redo.empty() && !::testing::Test::HasFatalFailure()) replay(true);
  const Bytes last = bytes;
  while (!undo.empty() && !::testing::Test::HasFatalFailure()) replay(false);
  EXPECT_TRUE(Contents(doc) == first);
  while (!redo.empty() && !::testing::Test::HasFatalFailure()) replay(true);
  EXPECT_TRUE(Contents(doc) == last);
  // A save empties both lists: nothing can be undone across it.
  EXPECT_EQ(FreeStepList(doc.undoList), static_cast<int>(undo.size()));
  EXPECT_EQ(UndoOrRedo(doc, false, nullptr), -1);
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
