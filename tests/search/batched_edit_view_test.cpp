// Many edit notifications passed on as one: the single change must describe
// the bytes before the first edit and after the last one.
#include "search/batched_edit_view.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "support/doc_edit_view.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(BatchedEditView, OneChangeCoversAnySequenceOfEdits) {
  std::mt19937 rng(7);
  Document doc;
  for (int run = 0; run < 2000; ++run) {
    Bytes before(static_cast<size_t>(rng() % 40), 0);
    for (auto& b : before) b = static_cast<uint8_t>(rng());
    Bytes now = before;
    RecordingEditView target;
    BatchedEditView batch(&target);
    int edits = 1 + static_cast<int>(rng() % 6);
    for (int e = 0; e < edits; ++e) {
      int32_t at = static_cast<int32_t>(rng() % (now.size() + 1));
      int32_t removed = static_cast<int32_t>(rng() % (now.size() - static_cast<size_t>(at) + 1));
      int32_t inserted = static_cast<int32_t>(rng() % 4);
      now.erase(now.begin() + at, now.begin() + at + removed);
      now.insert(now.begin() + at, static_cast<size_t>(inserted), static_cast<uint8_t>(0xE0 + e));
      batch.ContentChanged(doc, {at, removed, inserted, e, -1, 0, at + inserted, -1, 0});
    }
    batch.Flush(doc);
    ASSERT_EQ(target.changes.size(), 1u);
    const EditChange& c = target.changes[0];
    ASSERT_TRUE(c.offset >= 0 && static_cast<size_t>(c.offset + c.removedCount) <= before.size()) << run;
    ASSERT_EQ(before.size() + static_cast<size_t>(c.insertedCount), now.size() + static_cast<size_t>(c.removedCount));
    // Outside the range nothing changed; the caret is the one before the first edit.
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + c.offset, now.begin()) &&
                std::equal(before.begin() + c.offset + c.removedCount, before.end(),
                           now.begin() + c.offset + c.insertedCount) &&
                c.caretBefore == 0)
        << run;
  }
}

}  // namespace
