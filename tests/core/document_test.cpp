// The document record: creation, the block cursor, ReadBytes and the structure check.
#include "core/document.h"

#include <gtest/gtest.h>

#include "support/doc_builders.h"

namespace {

TEST(Document, CreateGivesOneEmptyBlockAndDefaults) {
  Document* doc = CreateDocument();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(CheckDocument(*doc), "");
  EXPECT_EQ(BlockLens(*doc), std::vector<int32_t>{0});
  EXPECT_EQ(doc->anchor, -1);
  EXPECT_EQ(doc->titleNumber, -1);
  EXPECT_EQ(doc->caret + doc->modified + doc->length, 0);
  EXPECT_EQ(doc->undoList, nullptr);
  doc->byteColors()[255] = 0x123456;  // the byte colours end the colour block
  EXPECT_EQ(doc->color[kColorCount - 1], 0x123456u);
  FreeDocument(doc);
}

TEST(SeekBlock, FindsTheBlockHoldingTheOffsetFromAnywhere) {
  Document doc;
  SetBlocks(doc, {10, 20, 30, 40});
  // Alternating far and near jumps start from both ends and from the cursor.
  const struct {
    int32_t offset;
    int index;
    int32_t base;
  } steps[] = {{99, 3, 60}, {0, 0, 0},   {10, 1, 10}, {29, 1, 10}, {30, 2, 30}, {100, 3, 60},
               {59, 2, 30}, {9, 0, 0},   {60, 3, 60}, {45, 2, 30}, {-5, 0, 0},  {500, 3, 60}};
  for (const auto& s : steps) {
    EXPECT_EQ(SeekBlock(doc, s.offset), doc.cursorBlock) << s.offset;
    EXPECT_EQ(CursorIndex(doc), s.index) << s.offset;
    EXPECT_EQ(doc.cursorBase, s.base) << s.offset;
  }
}

TEST(ReadBytes, CopiesAcrossBlocksAndStopsAtTheEnd) {
  Document doc;
  SetBlocks(doc, {100, 200, 300});
  std::vector<uint8_t> buf(700, 0xEE);
  EXPECT_EQ(ReadBytes(doc, 90, buf.data(), 220), 220);
  EXPECT_EQ(std::vector<uint8_t>(buf.begin(), buf.begin() + 220), PatternRange(90, 310));
  EXPECT_EQ(buf[220], 0xEE);  // nothing past the count
  EXPECT_EQ(ReadBytes(doc, 550, buf.data(), 100), 50);
  EXPECT_EQ(std::vector<uint8_t>(buf.begin(), buf.begin() + 50), PatternRange(550, 600));
  for (int32_t offset : {600, -1}) EXPECT_EQ(ReadBytes(doc, offset, buf.data(), 1), 0) << offset;
  EXPECT_EQ(ReadBytes(doc, 0, buf.data(), 0), 0);
  EXPECT_EQ(CheckDocument(doc), "");
  ASSERT_EQ(ResetToEmpty(doc), 0);
  EXPECT_EQ(ReadBytes(doc, 0, buf.data(), 1), 0);
}

// The check the other tests lean on must see each kind of damage.
TEST(CheckDocument, ReportsDamage) {
  const struct {
    const char* why;
    void (*apply)(Document&);
  } rows[] = {
      {"length", [](Document& d) { d.length += 1; }},
      {"cursorBase", [](Document& d) { d.cursorBase += 1; }},
      {"back link", [](Document& d) { d.firstBlock->next->prev = nullptr; }},
      {"last block", [](Document& d) { d.lastBlock = d.firstBlock; }},
      {"empty block among others", [](Document& d) { d.firstBlock->next->len = 0; }},
      {"len over capacity", [](Document& d) { d.firstBlock->len = d.firstBlock->capacity + 1; }},
      {"caret", [](Document& d) { d.caret = d.length + 1; }},
      {"anchor", [](Document& d) { d.anchor = -2; }},
  };
  for (const auto& r : rows) {
    Document doc;
    SetBlocks(doc, {10, 20, 30});
    Block* saved[3] = {doc.firstBlock, doc.firstBlock->next, doc.lastBlock};
    r.apply(doc);
    EXPECT_NE(CheckDocument(doc), "") << r.why;
    // Repaired, so that the document can be freed.
    doc.firstBlock = saved[0];
    doc.lastBlock = saved[2];
    saved[1]->prev = saved[0];
    for (int i = 0; i < 3; ++i) saved[i]->len = 10 * (i + 1);
  }
  Document empty;
  ASSERT_EQ(ResetToEmpty(empty), 0);
  uint8_t byte = 0;
  empty.firstBlock->data = &byte;  // the only, empty block must hold no data
  EXPECT_NE(CheckDocument(empty), "");
  empty.firstBlock->data = nullptr;
}

}  // namespace
