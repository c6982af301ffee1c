// Randomised runs of edits, undos and redos checked against a plain byte vector
// and a model of the caret and selection rules after every step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "core/block_list.h"
#include "core/edit.h"
#include "core/number_text.h"
#include "support/doc_builders.h"

namespace {

using Bytes = std::vector<uint8_t>;

// bytes[p, p + removeCount) becomes insert. Built with memcpy into a second
// buffer: memmove is slow under the address sanitizer and would dominate the run.
void Splice(Bytes& bytes, Bytes& scratch, int32_t p, size_t removeCount, const Bytes& insert) {
  size_t tail = bytes.size() - p - removeCount;
  scratch.resize(bytes.size() - removeCount + insert.size());
  if (p) std::memcpy(scratch.data(), bytes.data(), static_cast<size_t>(p));
  if (!insert.empty()) std::memcpy(scratch.data() + p, insert.data(), insert.size());
  if (tail) std::memcpy(scratch.data() + p + insert.size(), bytes.data() + p + removeCount, tail);
  bytes.swap(scratch);
}

// True when the document's blocks hold exactly bytes (compared in place).
bool SameBytes(const Document& doc, const Bytes& bytes) {
  size_t at = 0;
  for (const Block* b = doc.firstBlock; b; b = b->next) {
    if (at + b->len > bytes.size()) return false;
    if (b->len && std::memcmp(b->data, bytes.data() + at, static_cast<size_t>(b->len)) != 0) return false;
    at += b->len;
  }
  return at == bytes.size();
}

// One committed edit as the model remembers it.
struct ModelStep {
  int32_t p;
  Bytes removed;
  Bytes inserted;
  int32_t preCaret, preAnchor;    // the state undo must bring back (selection normalised)
  int32_t postCaret, redoAnchor;  // the state redo must bring back
};

struct Model {
  Bytes bytes;
  int32_t caret = 0;
  int32_t anchor = -1;
  int32_t digitIndex = 0;
  std::vector<ModelStep> undo, redo;
};

class RandomRun {
 public:
  RandomRun(int32_t size, uint32_t seed, bool checkAllBytes)
      : rng_(seed), checkAllBytes_(checkAllBytes), initialSize_(size) {
    initial_ = RandomBytes(size, seed);
    model_.bytes = initial_;
    SetContent(doc_, initial_);
    doc_.options = static_cast<uint32_t>(rng_() % 5);
  }

  void Run(int steps) {
    for (int i = 0; i < steps; ++i) {
      SCOPED_TRACE("step " + std::to_string(i));
      unsigned pick = rng_() % 10;
      int32_t at = 0;
      if (pick < 2 && !model_.undo.empty()) {
        at = Undo();
      } else if (pick < 4 && !model_.redo.empty()) {
        at = Redo();
      } else {
        at = Edit();
      }
      Check(at, i);
      if (::testing::Test::HasFatalFailure()) return;
    }
    // Redo what is left, undo everything, redo everything: the first and the
    // last stage come back.
    int n = 1;
    while (!model_.redo.empty()) Check(Redo(), n++);
    Bytes last = model_.bytes;
    while (!model_.undo.empty()) Check(Undo(), n++);
    EXPECT_TRUE(SameBytes(doc_, initial_));
    while (!model_.redo.empty()) Check(Redo(), n++);
    EXPECT_TRUE(SameBytes(doc_, last));
  }

 private:
  int32_t Rand(int32_t low, int32_t high) {  // inclusive
    return low + static_cast<int32_t>(rng_() % static_cast<uint32_t>(high - low + 1));
  }

  int32_t RandomCount() {
    unsigned r = rng_() % 20;
    if (r < 8) return 1;
    if (r < 13) return Rand(2, 16);
    if (r < 17) return Rand(17, 4000);
    if (r < 19) return Rand(4001, 70000);
    return Rand(70001, 200000);
  }

  int32_t RandomPosition() {
    int32_t len = static_cast<int32_t>(model_.bytes.size());
    unsigned r = rng_() % 10;
    if (r < 7) return std::clamp(model_.caret + Rand(-5000, 5000), 0, len);
    if (r < 9) return Rand(0, len);
    return r == 9 && rng_() % 2 ? 0 : len;
  }

  // A user edit: moves the caret and selection like the user would, then edits.
  int32_t Edit() {
    int32_t len = static_cast<int32_t>(model_.bytes.size());
    bool growing = len > 2 * initialSize_ + 1000000;
    int32_t caret = RandomPosition();
    int32_t anchor = -1;
    if (rng_() % 2 || growing) {
      int32_t span = std::min(RandomCount(), len);
      anchor = std::clamp(caret + (rng_() % 2 ? span : -span), 0, len);
    }
    int32_t digitIndex = rng_() % 3 ? model_.digitIndex : 0;
    int mode = static_cast<int>(rng_() % 3);
    bool selectInserted = rng_() % 4 == 0;
    int32_t count = growing || rng_() % 8 == 0 ? 0 : RandomCount();
    if (mode == kCaretDigit && rng_() % 2) count = 1;
    Bytes insert = RandomBytes(count, rng_());

    doc_.caret = model_.caret = caret;
    doc_.anchor = model_.anchor = anchor;
    doc_.digitIndex = model_.digitIndex = digitIndex;
    UndoStep* step = ReplaceSelection(doc_, count ? insert.data() : nullptr, count, mode, selectInserted, nullptr);
    EXPECT_NE(step, nullptr);
    CommitStep(doc_, step, nullptr);

    // The model of the same edit.
    ModelStep s;
    bool hasSelection = anchor != -1 && anchor != caret;
    s.p = anchor != -1 ? std::min(anchor, caret) : caret;
    s.preCaret = caret;
    s.preAnchor = hasSelection ? anchor : -1;
    int32_t selected = anchor != -1 ? std::abs(anchor - caret) : 0;
    s.removed.assign(model_.bytes.begin() + s.p, model_.bytes.begin() + s.p + selected);
    Splice(model_.bytes, scratch_, s.p, static_cast<size_t>(selected), insert);
    s.inserted = insert;
    int32_t otherEnd = -1;
    model_.anchor = -1;
    if (count > 0) {
      int digits = DigitsPerValue(1, DataRadixOf(doc_.options));
      if (mode == kCaretDigit && count == 1 && !selectInserted && digitIndex + 1 < digits) {
        model_.digitIndex = digitIndex + 1;
        model_.caret = s.p;
        otherEnd = s.p + 1;
      } else {
        model_.digitIndex = 0;
        model_.caret = mode == kCaretBefore ? s.p : s.p + count;
        otherEnd = mode == kCaretBefore ? s.p + count : s.p;
      }
      if (selectInserted) model_.anchor = otherEnd;
    } else {
      model_.digitIndex = 0;
      model_.caret = s.p;
    }
    s.postCaret = model_.caret;
    s.redoAnchor = otherEnd;
    model_.undo.push_back(std::move(s));
    model_.redo.clear();
    return model_.undo.back().p;
  }

  int32_t Undo() {
    EXPECT_EQ(UndoOrRedo(doc_, false, nullptr), 0);
    ModelStep s = std::move(model_.undo.back());
    model_.undo.pop_back();
    Splice(model_.bytes, scratch_, s.p, s.inserted.size(), s.removed);
    model_.caret = s.preCaret;
    model_.anchor = s.preAnchor;
    model_.digitIndex = 0;
    int32_t p = s.p;
    model_.redo.push_back(std::move(s));
    return p;
  }

  int32_t Redo() {
    EXPECT_EQ(UndoOrRedo(doc_, true, nullptr), 0);
    ModelStep s = std::move(model_.redo.back());
    model_.redo.pop_back();
    Splice(model_.bytes, scratch_, s.p, s.removed.size(), s.inserted);
    model_.caret = s.postCaret;
    model_.anchor = s.redoAnchor;
    model_.digitIndex = 0;
    int32_t p = s.p;
    model_.undo.push_back(std::move(s));
    return p;
  }

  // Compares the document with the model: everything when it is small or every
  // 50 steps, otherwise the bytes around the edit point.
  void Check(int32_t at, int step) {
    ASSERT_EQ(CheckDocument(doc_), "");
    int32_t len = static_cast<int32_t>(model_.bytes.size());
    ASSERT_EQ(doc_.length, len);
    ASSERT_EQ(doc_.caret, model_.caret);
    ASSERT_EQ(doc_.anchor == doc_.caret ? -1 : doc_.anchor, model_.anchor);
    ASSERT_EQ(doc_.digitIndex, model_.digitIndex);
    if (checkAllBytes_ || step % 50 == 0) {
      ASSERT_TRUE(SameBytes(doc_, model_.bytes));
      return;
    }
    int32_t from = std::max(0, at - 70000);
    int32_t to = std::min(len, at + 270000);
    Bytes window(static_cast<size_t>(to - from));
    ASSERT_EQ(ReadBytes(doc_, from, window.data(), to - from), to - from);
    ASSERT_TRUE(std::equal(window.begin(), window.end(), model_.bytes.begin() + from));
  }

  std::mt19937 rng_;
  bool checkAllBytes_;
  int32_t initialSize_;
  Bytes initial_;
  Bytes scratch_;
  Document doc_;
  Model model_;
};

struct RunCase {
  int32_t size;
  uint32_t seed;
  int steps;
  bool checkAllBytes;
};

TEST(DocumentRandomEdits, MatchTheModelAfterEveryStep) {
  const RunCase runs[] = {
      {0, 1, 500, true},       {1, 2, 300, true},       {1000, 3, 500, true},    {43690, 4, 500, true},
      {65535, 5, 300, true},   {100000, 6, 500, true},  {300000, 7, 400, false}, {4 << 20, 8, 600, false},
  };
  for (const auto& r : runs) {
    SCOPED_TRACE("size " + std::to_string(r.size) + " seed " + std::to_string(r.seed));
    RandomRun run(r.size, r.seed, r.checkAllBytes);
    run.Run(r.steps);
    if (HasFatalFailure()) {
      return;
    }
  }
}

// Only the primitives, with the cursor left wherever the last call put it.
TEST(DocumentRandomEdits, PrimitivesMatchAVector) {
  std::mt19937 rng(99);
  Document doc;
  Bytes model = RandomBytes(500000, 99);
  Bytes scratch;
  SetContent(doc, model);
  for (int i = 0; i < 3000; ++i) {
    SCOPED_TRACE(i);
    int32_t len = static_cast<int32_t>(model.size());
    int32_t at = static_cast<int32_t>(rng() % static_cast<uint32_t>(len + 1));
    int32_t count = rng() % 10 == 0 ? static_cast<int32_t>(rng() % 150000) : static_cast<int32_t>(rng() % 64) + 1;
    if (rng() % 2 && len > 0) {
      at = std::min(at, len - 1);
      int32_t removed = DeleteBytes(doc, at, count);
      ASSERT_EQ(removed, std::min(count, len - at));
      Splice(model, scratch, at, static_cast<size_t>(removed), {});
    } else {
      Bytes src = RandomBytes(count, static_cast<uint32_t>(i));
      ASSERT_EQ(InsertBytes(doc, at, src.data(), count), count);
      Splice(model, scratch, at, 0, src);
    }
    ASSERT_EQ(CheckDocument(doc), "");
    ASSERT_TRUE(SameBytes(doc, model));
  }
}

}  // namespace
