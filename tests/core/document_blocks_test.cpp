// Block sizes, splits, merges and the cursor of the edit primitives and ReadBytes.
#include <gtest/gtest.h>

#include "core/block_list.h"
#include "core/document.h"
#include "support/doc_builders.h"

namespace {

using Lens = std::vector<int32_t>;

int32_t Sum(const Lens& lens) {
  int32_t s = 0;
  for (int32_t l : lens) s += l;
  return s;
}

struct InsertCase {
  const char* name;
  Lens before;
  int32_t offset;
  int32_t count;
  Lens after;
};

TEST(DocumentInsertBytes, BlockLayouts) {
  const InsertCase cases[] = {
      {"grows in place below the limit", {60000}, 30000, 10, {60010}},
      {"reaches the limit exactly in place", {65525}, 0, 10, {65535}},
      {"splits a nearly full block", {65530}, 30000, 10, {30010, 35530}},
      {"split near the start keeps the short head", {65530}, 100, 10, {110, 65430}},
      // The split-off tail is empty and short, so it merges straight back.
      {"at the end of a full block merges the tail back", {65530}, 65530, 10, {65540}},
      {"long run at the start of a block", {43690}, 0, 100000, {43690, 56310, 43690}},
      {"long run into an empty document", {}, 0, 100000, {43690, 56310}},
      {"remainder goes in front of a shorter successor", {60000}, 30000, 53690, {30000, 43690, 40000}},
      {"fills a short head before making new blocks", {43690, 43690, 43690}, 43695, 30000,
       {43690, 30005, 43685, 43690}},
      {"at a block boundary goes into the next block", {43690, 43690}, 43690, 5, {43690, 43695}},
      {"at the very end grows the last block", {43690, 30000}, 73690, 5, {43690, 30005}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Document doc;
    SetBlocks(doc, c.before);
    std::vector<uint8_t> source = RandomBytes(c.count, 7);
    ASSERT_EQ(InsertBytes(doc, c.offset, source.data(), c.count), c.count);
    EXPECT_EQ(BlockLens(doc), c.after);
    EXPECT_EQ(CheckDocument(doc), "");
    std::vector<uint8_t> expected = PatternRange(0, c.offset);
    expected.insert(expected.end(), source.begin(), source.end());
    std::vector<uint8_t> tail = PatternRange(c.offset, Sum(c.before));
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(Contents(doc), expected);
  }
}

TEST(DocumentInsertBytes, RefusesInvalidArguments) {
  Document doc;
  SetBlocks(doc, {100});
  uint8_t b = 1;
  EXPECT_EQ(InsertBytes(doc, 101, &b, 1), 0);
  EXPECT_EQ(InsertBytes(doc, -1, &b, 1), 0);
  EXPECT_EQ(InsertBytes(doc, 0, &b, 0), 0);
  EXPECT_EQ(InsertBytes(doc, 0, nullptr, 1), 0);
  EXPECT_EQ(BlockLens(doc), Lens{100});
  EXPECT_EQ(CheckDocument(doc), "");
}

struct DeleteCase {
  const char* name;
  Lens before;
  int32_t cursorAt;  // offset the cursor is moved to first
  int32_t offset;
  int32_t count;
  Lens after;
  int cursorIndex;
};

TEST(DocumentDeleteBytes, BlockLayoutsAndCursor) {
  const DeleteCase cases[] = {
      {"inside one block shrinks it", {43690, 43690}, 0, 100, 10, {43680, 43690}, 0},
      {"everything leaves one empty block", {43690, 43690, 43690}, 0, 0, 131070, {0}, 0},
      {"a whole middle block takes in its successor", {43690, 43690, 43690}, 0, 43690, 43690, {43690, 43690}, 1},
      {"emptying the cursor block moves the cursor to the next", {43690, 43690, 43690}, 0, 43690, 43790,
       {43690, 43590}, 1},
      {"emptying the last block moves the cursor back", {43690, 43690}, 0, 43690, 43690, {43690}, 0},
      {"short last block merges into its predecessor", {43690, 43690, 30000}, 0, 87380, 10000, {43690, 63690}, 1},
      {"short last block balances with a long predecessor", {43690, 50000, 30000}, 0, 93690, 10000,
       {43690, 35000, 35000}, 1},
      {"balancing gives the first block the smaller half", {43690, 50001, 30000}, 0, 93691, 10000,
       {43690, 35000, 35001}, 1},
      {"short block balances with a long successor", {43690, 25000, 50000}, 0, 43690, 5000, {43690, 35000, 35000},
       1},
      {"merging goes on while the merged block is short", {10000, 10000, 10000, 43690}, 0, 0, 1, {29999, 43690}, 0},
      {"a range across blocks drops the emptied ones", {43690, 43690, 43690, 43690, 43690}, 0, 100, 131070,
       {43690, 43690}, 0},
      {"count past the end is cut at the end", {43690, 43690}, 0, 43000, 1000000, {43000}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Document doc;
    SetBlocks(doc, c.before);
    SeekBlock(doc, c.cursorAt);
    int32_t total = Sum(c.before);
    int32_t removed = std::min(c.count, total - c.offset);
    ASSERT_EQ(DeleteBytes(doc, c.offset, c.count), removed);
    EXPECT_EQ(BlockLens(doc), c.after);
    EXPECT_EQ(CursorIndex(doc), c.cursorIndex);
    EXPECT_EQ(CheckDocument(doc), "");
    std::vector<uint8_t> expected = PatternRange(0, c.offset);
    std::vector<uint8_t> tail = PatternRange(c.offset + removed, total);
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(Contents(doc), expected);
  }
}

// The cursor starts on the first block; the deletion is in the last one.
TEST(DocumentDeleteBytes, ShortLastBlockMergesWhenCursorStartsOnFirstBlock) {
  Document doc;
  SetBlocks(doc, {43690, 30000});
  ASSERT_EQ(CursorIndex(doc), 0);
  ASSERT_EQ(DeleteBytes(doc, 50000, 9000), 9000);
  EXPECT_EQ(BlockLens(doc), Lens{64690});
  EXPECT_EQ(doc.cursorBase, 0);
  EXPECT_EQ(CheckDocument(doc), "");
}

TEST(DocumentDeleteBytes, EverythingLeavesDataNull) {
  Document doc;
  SetBlocks(doc, {43690, 43690});
  ASSERT_EQ(DeleteBytes(doc, 0, 87380), 87380);
  ASSERT_EQ(BlockLens(doc), Lens{0});
  EXPECT_EQ(doc.firstBlock->data, nullptr);
  EXPECT_EQ(doc.length, 0);
  EXPECT_EQ(doc.cursorBase, 0);
  // An emptied document takes new bytes as usual.
  uint8_t b[3] = {1, 2, 3};
  EXPECT_EQ(InsertBytes(doc, 0, b, 3), 3);
  EXPECT_EQ(Contents(doc), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(DocumentDeleteBytes, RefusesOffsetsOutsideTheDocument) {
  Document doc;
  SetBlocks(doc, {10});
  EXPECT_EQ(DeleteBytes(doc, 10, 1), 0);
  EXPECT_EQ(DeleteBytes(doc, -1, 1), 0);
  EXPECT_EQ(DeleteBytes(doc, 0, 0), 0);
  EXPECT_EQ(BlockLens(doc), Lens{10});
}

TEST(DocumentReadBytes, CopiesAcrossBlocksAndStopsAtTheEnd) {
  Document doc;
  SetBlocks(doc, {100, 200, 300});
  std::vector<uint8_t> buf(700, 0xEE);
  EXPECT_EQ(ReadBytes(doc, 90, buf.data(), 220), 220);
  EXPECT_EQ(std::vector<uint8_t>(buf.begin(), buf.begin() + 220), PatternRange(90, 310));
  EXPECT_EQ(buf[220], 0xEE);  // nothing past the count
  EXPECT_EQ(ReadBytes(doc, 550, buf.data(), 100), 50);
  EXPECT_EQ(std::vector<uint8_t>(buf.begin(), buf.begin() + 50), PatternRange(550, 600));
  EXPECT_EQ(ReadBytes(doc, 600, buf.data(), 1), 0);
  EXPECT_EQ(ReadBytes(doc, -1, buf.data(), 1), 0);
  EXPECT_EQ(ReadBytes(doc, 0, buf.data(), 0), 0);
  EXPECT_EQ(CheckDocument(doc), "");
}

TEST(DocumentReadBytes, EmptyDocumentReadsNothing) {
  Document doc;
  ASSERT_EQ(ResetToEmpty(doc), 0);
  uint8_t b = 0;
  EXPECT_EQ(ReadBytes(doc, 0, &b, 1), 0);
  EXPECT_EQ(CheckDocument(doc), "");
}

TEST(DocumentCursor, SeekFindsTheBlockHoldingTheOffsetFromAnywhere) {
  Document doc;
  SetBlocks(doc, {10, 20, 30, 40});
  struct Step {
    int32_t offset;
    int index;
    int32_t base;
  };
  // Alternating far and near jumps exercise the starts from both ends and the cursor.
  const Step steps[] = {{99, 3, 60},  {0, 0, 0},   {10, 1, 10}, {29, 1, 10}, {30, 2, 30},
                        {100, 3, 60}, {59, 2, 30}, {9, 0, 0},   {60, 3, 60}, {45, 2, 30}};
  for (const auto& s : steps) {
    SCOPED_TRACE(s.offset);
    Block* b = SeekBlock(doc, s.offset);
    EXPECT_EQ(b, doc.cursorBlock);
    EXPECT_EQ(CursorIndex(doc), s.index);
    EXPECT_EQ(doc.cursorBase, s.base);
  }
}

// The checker the other tests rely on must see each kind of damage.
TEST(DocumentCheck, ReportsDamage) {
  struct Damage {
    const char* name;
    void (*apply)(Document&);
  };
  const Damage cases[] = {
      {"length", [](Document& d) { d.length += 1; }},
      {"cursorBase", [](Document& d) { d.cursorBase += 1; }},
      {"back link", [](Document& d) { d.firstBlock->next->prev = nullptr; }},
      {"last block", [](Document& d) { d.lastBlock = d.firstBlock; }},
      {"empty block among others", [](Document& d) { d.firstBlock->next->len = 0; }},
      {"len over capacity", [](Document& d) { d.firstBlock->len = d.firstBlock->capacity + 1; }},
      {"caret", [](Document& d) { d.caret = d.length + 1; }},
      {"anchor", [](Document& d) { d.anchor = -2; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Document doc;
    SetBlocks(doc, {10, 20, 30});
    ASSERT_EQ(CheckDocument(doc), "");
    Block* saved[3] = {doc.firstBlock, doc.firstBlock->next, doc.lastBlock};
    int32_t lens[3] = {10, 20, 30};
    c.apply(doc);
    EXPECT_NE(CheckDocument(doc), "");
    // Repair, so that the document can be freed.
    doc.firstBlock = saved[0];
    doc.lastBlock = saved[2];
    saved[1]->prev = saved[0];
    for (int i = 0; i < 3; ++i) saved[i]->len = lens[i];
  }
}

TEST(DocumentLifetime, CreateGivesOneEmptyBlockAndDefaults) {
  Document* doc = CreateDocument();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(CheckDocument(*doc), "");
  EXPECT_EQ(BlockLens(*doc), Lens{0});
  EXPECT_EQ(doc->anchor, -1);
  EXPECT_EQ(doc->titleNumber, -1);
  EXPECT_EQ(doc->caret, 0);
  EXPECT_EQ(doc->modified, 0);
  EXPECT_EQ(doc->undoList, nullptr);
  doc->byteColors()[255] = 0x123456;
  EXPECT_EQ(doc->color[kColorCount - 1], 0x123456u);
  FreeDocument(doc);
}

}  // namespace
