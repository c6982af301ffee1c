// InsertBytes and DeleteBytes: block sizes after splits and merges, the cursor,
// refused arguments, and a randomised run against a plain vector.
#include "core/block_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "support/doc_builders.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Lens = std::vector<int32_t>;

// Insertions (count > 0) and deletions (count < 0): the block layout and the
// cursor block (on the first block before); the bytes are checked by the random run.
TEST(BlockList, LayoutsAfterInsertAndDelete) {
  const struct {
    const char* why;
    Lens before;
    int32_t offset, count;
    Lens after;
    int cursorIndex;
  } rows[] = {
      {"grows in place up to the limit", {65525}, 0, 10, {65535}, 0},
      {"splits a nearly full block", {65530}, 30000, 10, {30010, 35530}, 0},
      {"long run at the start of a block", {43690}, 0, 100000, {43690, 56310, 43690}, 0},
      {"fills a short head first", {43690, 43690, 43690}, 43695, 30000, {43690, 30005, 43685, 43690}, 1},
      {"everything leaves one empty block", {43690, 43690, 43690}, 0, -131070, {0}, 0},
      {"emptied cursor block: cursor moves on", {43690, 43690, 43690}, 43690, -43790, {43690, 43590}, 1},
      {"emptied last block: cursor moves back", {43690, 43690}, 43690, -43690, {43690}, 0},
      {"short last block merges", {43690, 43690, 30000}, 87380, -10000, {43690, 63690}, 1},
      {"21,845 bytes are not short", {43690, 43690}, 65535, -21845, {43690, 21845}, 1},
      {"balancing gives the smaller half first", {43690, 50001, 30000}, 93691, -10000, {43690, 35000, 35001}, 1},
      {"merging goes on while short", {10000, 10000, 10000, 43690}, 0, -1, {29999, 43690}, 0},
      {"count past the end is cut", {43690, 43690}, 43000, -1000000, {43000}, 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    Document doc;
    SetBlocks(doc, r.before);
    Bytes source(static_cast<size_t>(std::max(r.count, 0)), 0xAB);
    int32_t total = std::accumulate(r.before.begin(), r.before.end(), 0);
    ASSERT_EQ(r.count > 0 ? InsertBytes(doc, r.offset, source.data(), r.count) : DeleteBytes(doc, r.offset, -r.count),
              r.count > 0 ? r.count : std::min(-r.count, total - r.offset));
    EXPECT_EQ(BlockLens(doc), r.after);
    EXPECT_EQ(CursorIndex(doc), r.cursorIndex);
    EXPECT_EQ(CheckDocument(doc), "");
  }
}

// Both primitives with the cursor left wherever the last call put it; refused
// arguments change nothing.
TEST(BlockList, RandomEditsMatchAVectorAndBadArgumentsAreRefused) {
  std::mt19937 rng(99);
  Document doc;
  Bytes model = RandomBytes(300000, 99);
  SetContent(doc, model);
  uint8_t b = 1;
  EXPECT_EQ((Lens{InsertBytes(doc, 300001, &b, 1), InsertBytes(doc, -1, &b, 1), InsertBytes(doc, 0, &b, 0),
                  InsertBytes(doc, 0, nullptr, 1), DeleteBytes(doc, 300000, 1), DeleteBytes(doc, -1, 1),
                  DeleteBytes(doc, 0, 0)}),
            (Lens{0, 0, 0, 0, 0, 0, 0}));
  for (int i = 0; i < 2000; ++i) {
    SCOPED_TRACE(i);
    auto len = static_cast<int32_t>(model.size());
    auto at = static_cast<int32_t>(rng() % static_cast<uint32_t>(len + 1));
    int32_t count = rng() % 10 == 0 ? static_cast<int32_t>(rng() % 150000) : static_cast<int32_t>(rng() % 64) + 1;
    if (rng() % 2 && len > 0) {
      at = std::min(at, len - 1);
      int32_t removed = DeleteBytes(doc, at, count);
      ASSERT_EQ(removed, std::min(count, len - at));
      model.erase(model.begin() + at, model.begin() + at + removed);
    } else {
      Bytes source = RandomBytes(count, static_cast<uint32_t>(i));
      ASSERT_EQ(InsertBytes(doc, at, source.data(), count), count);
      model.insert(model.begin() + at, source.begin(), source.end());
    }
    ASSERT_EQ(CheckDocument(doc), "");
    ASSERT_EQ(Contents(doc), model);
  }
}

}  // namespace
