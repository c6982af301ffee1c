// The document record: creation, the block cursor and ReadBytes.
#include "core/document.h"

#include <gtest/gtest.h>

#include "support/doc_builders.h"

namespace {

using Ints = std::vector<int32_t>;

TEST(Document, CreateGivesOneEmptyBlockAndDefaults) {
  Document* doc = CreateDocument();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(CheckDocument(*doc), "");
  EXPECT_EQ(BlockLens(*doc), Ints{0});
  EXPECT_EQ((Ints{doc->anchor, doc->titleNumber, doc->caret, doc->modified, doc->length}), (Ints{-1, -1, 0, 0, 0}));
  FreeDocument(doc);
}

// Alternating far and near jumps start from both ends and from the cursor; then
// ReadBytes copies across blocks from wherever the cursor is.
TEST(SeekBlock, FindsTheBlockHoldingTheOffsetAndReadBytesCopiesAcrossBlocks) {
  Document doc;
  SetBlocks(doc, {10, 20, 30, 40});
  const Ints steps[] = {{99, 3, 60}, {0, 0, 0}, {29, 1, 10}, {30, 2, 30}, {59, 2, 30}, {9, 0, 0}, {500, 3, 60}};
  for (const Ints& s : steps) {
    EXPECT_EQ(SeekBlock(doc, s[0]), doc.cursorBlock) << s[0];
    EXPECT_EQ((Ints{CursorIndex(doc), doc.cursorBase}), (Ints{s[1], s[2]})) << s[0];
  }
  std::vector<uint8_t> buf(100, 0xEE);
  EXPECT_EQ(ReadBytes(doc, 5, buf.data(), 60), 60);
  std::vector<uint8_t> expected = PatternRange(5, 65);
  expected.resize(100, 0xEE);  // nothing past the count
  EXPECT_EQ(buf, expected);
  EXPECT_EQ((Ints{ReadBytes(doc, 90, buf.data(), 100), ReadBytes(doc, 100, buf.data(), 1),
                  ReadBytes(doc, -1, buf.data(), 1), ReadBytes(doc, 0, buf.data(), 0)}),
            (Ints{10, 0, 0, 0}));
  EXPECT_EQ(std::vector<uint8_t>(buf.begin(), buf.begin() + 10), PatternRange(90, 100));
  EXPECT_EQ(CheckDocument(doc), "");
}

}  // namespace
