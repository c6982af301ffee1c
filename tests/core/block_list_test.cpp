// InsertBytes and DeleteBytes: block sizes after splits and merges, the cursor,
// refused arguments, and a randomised run against a plain vector.
#include "core/block_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "support/doc_builders.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Lens = std::vector<int32_t>;

int32_t Sum(const Lens& lens) {
  int32_t s = 0;
  for (int32_t l : lens) s += l;
  return s;
}

// The pattern bytes of [0, total) with [offset, offset + removed) replaced by insert.
Bytes Expected(int32_t total, int32_t offset, int32_t removed, const Bytes& insert) {
  Bytes out = PatternRange(0, offset);
  out.insert(out.end(), insert.begin(), insert.end());
  Bytes tail = PatternRange(offset + removed, total);
  out.insert(out.end(), tail.begin(), tail.end());
  return out;
}

TEST(InsertBytes, BlockLayouts) {
  const struct {
    const char* why;
    Lens before;
    int32_t offset, count;
    Lens after;
  } rows[] = {
      {"grows in place below the limit", {60000}, 30000, 10, {60010}},
      {"reaches the limit exactly in place", {65525}, 0, 10, {65535}},
      {"splits a nearly full block", {65530}, 30000, 10, {30010, 35530}},
      {"split near the start keeps the short head", {65530}, 100, 10, {110, 65430}},
      {"at the end of a full block the empty tail merges back", {65530}, 65530, 10, {65540}},
      {"long run at the start of a block", {43690}, 0, 100000, {43690, 56310, 43690}},
      {"long run into an empty document", {}, 0, 100000, {43690, 56310}},
      {"remainder goes in front of a shorter successor", {60000}, 30000, 53690, {30000, 43690, 40000}},
      {"fills a short head before making new blocks", {43690, 43690, 43690}, 43695, 30000,
       {43690, 30005, 43685, 43690}},
      {"at a block boundary goes into the next block", {43690, 43690}, 43690, 5, {43690, 43695}},
      {"at the very end grows the last block", {43690, 30000}, 73690, 5, {43690, 30005}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    Document doc;
    SetBlocks(doc, r.before);
    Bytes source = RandomBytes(r.count, 7);
    ASSERT_EQ(InsertBytes(doc, r.offset, source.data(), r.count), r.count);
    EXPECT_EQ(BlockLens(doc), r.after);
    EXPECT_EQ(CheckDocument(doc), "");
    EXPECT_EQ(Contents(doc), Expected(Sum(r.before), r.offset, 0, source));
  }
}

TEST(DeleteBytes, BlockLayoutsAndCursor) {
  const struct {
    const char* why;
    Lens before;
    int32_t cursorAt, offset, count;  // the cursor is moved to cursorAt first
    Lens after;
    int cursorIndex;
  } rows[] = {
      {"inside one block shrinks it", {43690, 43690}, 0, 100, 10, {43680, 43690}, 0},
      {"everything leaves one empty block", {43690, 43690, 43690}, 0, 0, 131070, {0}, 0},
      {"a whole middle block takes in its successor", {43690, 43690, 43690}, 0, 43690, 43690, {43690, 43690}, 1},
      {"emptying the cursor block moves the cursor on", {43690, 43690, 43690}, 0, 43690, 43790, {43690, 43590}, 1},
      {"emptying the last block moves the cursor back", {43690, 43690}, 0, 43690, 43690, {43690}, 0},
      {"short last block merges into its predecessor", {43690, 43690, 30000}, 0, 87380, 10000, {43690, 63690}, 1},
      {"short last block merges while the cursor is on the first", {43690, 30000}, 0, 50000, 9000, {64690}, 0},
      {"a block of exactly 21,845 bytes is not short", {43690, 43690}, 0, 65535, 21845, {43690, 21845}, 1},
      {"short last block balances with a long predecessor", {43690, 50000, 30000}, 0, 93690, 10000,
       {43690, 35000, 35000}, 1},
      {"balancing gives the first block the smaller half", {43690, 50001, 30000}, 0, 93691, 10000,
       {43690, 35000, 35001}, 1},
      {"short block balances with a long successor", {43690, 25000, 50000}, 0, 43690, 5000, {43690, 35000, 35000}, 1},
      {"merging goes on while the merged block is short", {10000, 10000, 10000, 43690}, 0, 0, 1, {29999, 43690}, 0},
      {"a range across blocks drops the emptied ones", {43690, 43690, 43690, 43690, 43690}, 0, 100, 131070,
       {43690, 43690}, 0},
      {"count past the end is cut at the end", {43690, 43690}, 0, 43000, 1000000, {43000}, 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    Document doc;
    SetBlocks(doc, r.before);
    SeekBlock(doc, r.cursorAt);
    int32_t removed = std::min(r.count, Sum(r.before) - r.offset);
    ASSERT_EQ(DeleteBytes(doc, r.offset, r.count), removed);
    EXPECT_EQ(BlockLens(doc), r.after);
    EXPECT_EQ(CursorIndex(doc), r.cursorIndex);
    EXPECT_EQ(CheckDocument(doc), "");
    EXPECT_EQ(Contents(doc), Expected(Sum(r.before), r.offset, removed, {}));
  }
}

TEST(InsertBytes, InvalidArgumentsChangeNothingAndAnEmptiedDocumentTakesNewBytes) {
  Document doc;
  SetBlocks(doc, {43690, 43690});
  uint8_t b[3] = {1, 2, 3};
  EXPECT_EQ(InsertBytes(doc, 87381, b, 1), 0);
  EXPECT_EQ(InsertBytes(doc, -1, b, 1), 0);
  EXPECT_EQ(InsertBytes(doc, 0, b, 0), 0);
  EXPECT_EQ(InsertBytes(doc, 0, nullptr, 1), 0);
  EXPECT_EQ(DeleteBytes(doc, 87380, 1), 0);
  EXPECT_EQ(DeleteBytes(doc, -1, 1), 0);
  EXPECT_EQ(DeleteBytes(doc, 0, 0), 0);
  EXPECT_EQ(BlockLens(doc), (Lens{43690, 43690}));
  EXPECT_EQ(CheckDocument(doc), "");
  ASSERT_EQ(DeleteBytes(doc, 0, 87380), 87380);
  EXPECT_EQ(InsertBytes(doc, 0, b, 3), 3);
  EXPECT_EQ(Contents(doc), (Bytes{1, 2, 3}));
  EXPECT_EQ(CheckDocument(doc), "");
}

// Both primitives with the cursor left wherever the last call put it.
TEST(BlockList, RandomEditsMatchAVector) {
  std::mt19937 rng(99);
  Document doc;
  Bytes model = RandomBytes(300000, 99);
  SetContent(doc, model);
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
