// LoadFile: block layout of loaded files, aborts, and failures with their messages.
#include <gtest/gtest.h>

#include <cstring>

#include "core/load_file.h"
#include "support/doc_builders.h"
#include "support/doc_files.h"
#include "support/doc_progress.h"
#include "support/message_recorder.h"

namespace {

using Lens = std::vector<int32_t>;
using Texts = std::vector<std::string>;

void SetPath(Document& doc, const std::string& path) {
  std::strncpy(doc.path, path.c_str(), sizeof doc.path - 1);
}

struct LoadCase {
  int32_t size;
  Lens blocks;
};

TEST(DocumentLoadFile, CutsFilesIntoBlocks) {
  const LoadCase cases[] = {
      {0, {0}},
      {100, {100}},
      {43690, {43690}},
      {43690 + 100, {43790}},
      {43690 + 21844, {65534}},
      {43690 + 21845, {43690, 21845}},
      {3 * 43690 + 5, {43690, 43690, 43695}},
      {4 * 43690, {43690, 43690, 43690, 43690}},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    std::string path = folder.File("in.bin");
    std::vector<uint8_t> bytes = RandomBytes(c.size, static_cast<uint32_t>(c.size));
    ASSERT_TRUE(WriteWholeFile(path, bytes));
    Document doc;
    SetPath(doc, path);
    doc.caret = 5;
    doc.anchor = 2;
    ScriptedProgress progress;
    MessageRecorder messages;
    ASSERT_EQ(LoadFile(doc, progress), 0);
    EXPECT_EQ(BlockLens(doc), c.blocks);
    EXPECT_TRUE(Contents(doc) == bytes);
    EXPECT_EQ(CheckDocument(doc), "");
    EXPECT_EQ(doc.caret, 0);
    EXPECT_EQ(doc.anchor, -1);
    EXPECT_EQ(doc.cursorBlock, doc.firstBlock);
    EXPECT_EQ(progress.text, "ﾌｧｲﾙを読み込み中");
    EXPECT_EQ(progress.begins, 1);
    EXPECT_EQ(progress.pumps, (c.size + 43689) / 43690);  // one before each chunk
    EXPECT_EQ(progress.ends, 1);
    EXPECT_TRUE(messages.texts().empty());
  }
}

TEST(DocumentLoadFile, EmptyFileGivesOneEmptyBlockWithoutData) {
  TempFolder folder;
  std::string path = folder.File("empty.bin");
  ASSERT_TRUE(WriteWholeFile(path, {}));
  Document doc;
  SetPath(doc, path);
  NoProgress progress;
  ASSERT_EQ(LoadFile(doc, progress), 0);
  ASSERT_EQ(BlockLens(doc), Lens{0});
  EXPECT_EQ(doc.firstBlock->data, nullptr);
}

TEST(DocumentLoadFile, AbortKeepsTheBytesReadSoFar) {
  struct AbortCase {
    const char* name;
    int32_t size;
    int abortAtPump;
    Lens blocks;
  };
  const AbortCase cases[] = {
      {"after two chunks", 5 * 43690, 3, {43690, 43690}},
      {"before the first chunk", 5 * 43690, 1, {0}},
      {"before a short last chunk", 2 * 43690 + 100, 3, {43690, 43690}},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string path = folder.File("big.bin");
    std::vector<uint8_t> bytes = RandomBytes(c.size, 3);
    ASSERT_TRUE(WriteWholeFile(path, bytes));
    Document doc;
    SetPath(doc, path);
    ScriptedProgress progress;
    progress.abortAtPump = c.abortAtPump;
    MessageRecorder messages;
    ASSERT_EQ(LoadFile(doc, progress), 0);
    EXPECT_EQ(BlockLens(doc), c.blocks);
    std::vector<uint8_t> expected(bytes.begin(), bytes.begin() + doc.length);
    EXPECT_TRUE(Contents(doc) == expected);
    EXPECT_EQ(CheckDocument(doc), "");
    EXPECT_EQ(progress.ends, 1);
    EXPECT_TRUE(messages.texts().empty());
  }
}

// The size is taken before reading; a file cut meanwhile reads short.
TEST(DocumentLoadFile, FileShrinkingWhileReadIsAReadFailureAndKeepsNothing) {
  TempFolder folder;
  std::string path = folder.File("shrinks.bin");
  ASSERT_TRUE(WriteWholeFile(path, RandomBytes(3 * 43690 + 100, 5)));
  Document doc;
  SetPath(doc, path);
  ScriptedProgress progress;
  progress.onPump = [&](int pump) {
    if (pump == 2) {
      ASSERT_TRUE(TruncateFile(path, 50000));
    }
  };
  MessageRecorder messages;
  EXPECT_EQ(LoadFile(doc, progress), -1);
  EXPECT_EQ(messages.texts(), Texts{"読み込みできません"});
  EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Warning);
  EXPECT_EQ(doc.cursorBlock, nullptr);
  EXPECT_EQ(doc.firstBlock, nullptr);
  EXPECT_EQ(doc.length, 0);
  EXPECT_EQ(progress.ends, 1);
}

TEST(DocumentLoadFile, MissingFileCannotBeOpened) {
  TempFolder folder;
  Document doc;
  SetPath(doc, folder.File("missing.bin"));
  ScriptedProgress progress;
  MessageRecorder messages;
  EXPECT_EQ(LoadFile(doc, progress), -1);
  EXPECT_EQ(messages.texts(), Texts{"ﾌｧｲﾙをｵｰﾌﾟﾝできません"});
  EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Warning);
  EXPECT_EQ(progress.begins, 0);
  EXPECT_EQ(doc.cursorBlock, nullptr);
}

// Offsets are 32-bit, so 2 GiB cannot be held; the test file is sparse.
TEST(DocumentLoadFile, FileOfTwoGibibytesIsRefusedBeforeReading) {
  TempFolder folder;
  std::string path = folder.File("huge.bin");
  ASSERT_TRUE(WriteWholeFile(path, {}));
  ASSERT_TRUE(TruncateFile(path, int64_t{1} << 31));
  Document doc;
  SetPath(doc, path);
  ScriptedProgress progress;
  MessageRecorder messages;
  EXPECT_EQ(LoadFile(doc, progress), -1);
  EXPECT_EQ(messages.texts(), Texts{"ﾒﾓﾘを確保できません"});
  EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Warning);
  EXPECT_EQ(progress.begins, 0);
  EXPECT_EQ(doc.cursorBlock, nullptr);
}

TEST(DocumentLoadFile, ProgressDialogFailures) {
  TempFolder folder;
  std::string path = folder.File("in.bin");
  ASSERT_TRUE(WriteWholeFile(path, RandomBytes(100000, 1)));
  {
    SCOPED_TRACE("dialog cannot be created");
    Document doc;
    SetPath(doc, path);
    ScriptedProgress progress;
    progress.beginSucceeds = false;
    MessageRecorder messages;
    EXPECT_EQ(LoadFile(doc, progress), -1);
    EXPECT_EQ(messages.texts(), Texts{"ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません"});
    EXPECT_EQ(progress.pumps, 0);
    EXPECT_EQ(progress.ends, 0);
    EXPECT_EQ(doc.cursorBlock, nullptr);
  }
  {
    SCOPED_TRACE("dialog cannot be destroyed");
    Document doc;
    SetPath(doc, path);
    ScriptedProgress progress;
    progress.endSucceeds = false;
    MessageRecorder messages;
    EXPECT_EQ(LoadFile(doc, progress), -1);
    EXPECT_EQ(messages.texts(), Texts{"ｳｲﾝﾄﾞｳを破棄できません"});
    EXPECT_EQ(doc.cursorBlock, nullptr);
    EXPECT_EQ(doc.length, 0);
  }
}

TEST(DocumentLoadFile, ReplacesEarlierContent) {
  TempFolder folder;
  std::string path = folder.File("in.bin");
  std::vector<uint8_t> bytes = RandomBytes(1000, 4);
  ASSERT_TRUE(WriteWholeFile(path, bytes));
  Document doc;
  SetBlocks(doc, {43690, 43690});
  SetPath(doc, path);
  NoProgress progress;
  ASSERT_EQ(LoadFile(doc, progress), 0);
  EXPECT_EQ(BlockLens(doc), Lens{1000});
  EXPECT_TRUE(Contents(doc) == bytes);
}

}  // namespace
