// LoadFile: block layout of loaded files, aborts, and failures with their messages.
#include "core/load_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "support/doc_builders.h"
#include "support/doc_files.h"
#include "support/doc_progress.h"
#include "support/message_recorder.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Ints = std::vector<int32_t>;

class LoadFileTest : public ::testing::Test {
 protected:
  // Loads the file "in.bin" into doc.
  int Load(Document& doc, Progress& progress) {
    std::strncpy(doc.path, path_.c_str(), sizeof doc.path - 1);
    return LoadFile(doc, progress);
  }

  TempFolder folder_;
  std::string path_ = folder_.File("in.bin");
  MessageRecorder messages_;
};

// An abort keeps the bytes read so far and marks the document as a part of its file.
TEST_F(LoadFileTest, CutsFilesIntoBlocksAndAnAbortKeepsTheBytesReadSoFar) {
  const struct {
    int32_t size;
    Ints blocks;
    int pumps;  // one before each chunk of 43,690 bytes
    int abortAtPump = 0;
  } rows[] = {{0, {0}, 0}, {100, {100}, 1}, {43690 + 100, {43790}, 2},
              {43690 + 21844, {65534}, 2},  // a last chunk shorter than 21,845 merges into its predecessor
              {43690 + 21845, {43690, 21845}, 2}, {3 * 43690 + 5, {43690, 43690, 43695}, 4},
              {5 * 43690, {43690, 43690}, 3, 3}, {5 * 43690, {0}, 1, 1}, {2 * 43690 + 100, {43690, 43690}, 3, 3}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.size);
    Bytes bytes = RandomBytes(r.size, static_cast<uint32_t>(r.size));
    ASSERT_TRUE(WriteWholeFile(path_, bytes));
    Document doc;
    SetBlocks(doc, {43690, 43690});  // earlier content goes
    doc.caret = 5;
    doc.anchor = 2;
    ScriptedProgress progress;
    progress.abortAtPump = r.abortAtPump;
    ASSERT_EQ(Load(doc, progress), 0);
    EXPECT_EQ(BlockLens(doc), r.blocks);
    EXPECT_TRUE(Contents(doc) == Bytes(bytes.begin(), bytes.begin() + doc.length));
    EXPECT_EQ(CheckDocument(doc), "");
    EXPECT_EQ((Ints{doc.caret, doc.anchor, doc.partial}), (Ints{0, -1, r.abortAtPump != 0}));
    EXPECT_EQ(doc.cursorBlock, doc.firstBlock);
    EXPECT_EQ(progress.text, "ﾌｧｲﾙを読み込み中");
    EXPECT_EQ((Ints{progress.begins, progress.pumps, progress.ends}), (Ints{1, r.pumps, 1}));
  }
  EXPECT_TRUE(messages_.texts().empty());
}

TEST_F(LoadFileTest, FailuresWarnAndLeaveNoBlock) {
  const struct {
    const char* why;
    void (*prepare)(const std::string& path, ScriptedProgress& progress);
    const char* message;
    int begins, ends;
  } rows[] = {
      {"missing file", [](const std::string& path, ScriptedProgress&) { std::remove(path.c_str()); },
       "ﾌｧｲﾙをｵｰﾌﾟﾝできません", 0, 0},
      // Offsets are 32-bit: 2 GiB cannot be held (the file is sparse).
      {"2 GiB", [](const std::string& path, ScriptedProgress&) { ASSERT_TRUE(TruncateFile(path, int64_t{1} << 31)); },
       "ﾒﾓﾘを確保できません", 0, 0},
      {"the dialog cannot be created", [](const std::string&, ScriptedProgress& p) { p.beginSucceeds = false; },
       "ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません", 1, 0},
      {"the dialog cannot be destroyed", [](const std::string&, ScriptedProgress& p) { p.endSucceeds = false; },
       "ｳｲﾝﾄﾞｳを破棄できません", 1, 1},
      // The size is taken before reading; a file cut meanwhile reads short.
      {"the file shrinks while read",
       [](const std::string& path, ScriptedProgress& p) {
         p.onPump = [path](int pump) { ASSERT_TRUE(pump != 2 || TruncateFile(path, 50000)); };
       },
       "読み込みできません", 1, 1}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    ASSERT_TRUE(WriteWholeFile(path_, RandomBytes(3 * 43690 + 100, 5)));
    Document doc;
    ScriptedProgress progress;
    r.prepare(path_, progress);
    messages_.Clear();
    EXPECT_EQ(Load(doc, progress), -1);
    EXPECT_EQ(messages_.texts(), std::vector<std::string>{r.message});
    EXPECT_EQ(messages_.messages().at(0).icon, MessageIcon::Warning);
    EXPECT_EQ((Ints{progress.begins, progress.ends}), (Ints{r.begins, r.ends}));
    EXPECT_TRUE(doc.firstBlock == nullptr && doc.cursorBlock == nullptr && doc.length == 0);
  }
}

}  // namespace
