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
using Prepare = void (*)(const std::string& path, ScriptedProgress& progress);

// One pump comes before each chunk of 43,690 bytes; a last chunk shorter than
// 21,845 merges into its predecessor. An abort keeps the bytes read so far and
// marks the document as a part of its file; a failure warns and leaves no block.
TEST(LoadFile, CutsFilesIntoBlocksKeepsWhatAnAbortReadAndWarnsOnFailures) {
  const Prepare none = [](const std::string&, ScriptedProgress&) {};
  const struct {
    int32_t size;
    Prepare prepare;
    Ints blocks;  // none after a failure
    Ints calls;   // begins, pumps and ends of the progress dialog
    const char* message = nullptr;
  } rows[] = {
      {0, none, {0}, {1, 0, 1}}, {100, none, {100}, {1, 1, 1}}, {43690 + 21844, none, {65534}, {1, 2, 1}},
      {43690 + 21845, none, {43690, 21845}, {1, 2, 1}}, {3 * 43690 + 5, none, {43690, 43690, 43695}, {1, 4, 1}},
      {5 * 43690, [](const std::string&, ScriptedProgress& p) { p.abortAtPump = 3; }, {43690, 43690}, {1, 3, 1}},
      {5 * 43690, [](const std::string&, ScriptedProgress& p) { p.abortAtPump = 1; }, {0}, {1, 1, 1}},
      {100, [](const std::string& path, ScriptedProgress&) { std::remove(path.c_str()); }, {}, {0, 0, 0},
       "ﾌｧｲﾙをｵｰﾌﾟﾝできません"},
      // Offsets are 32-bit: 2 GiB cannot be held (the file is sparse).
      {100, [](const std::string& path, ScriptedProgress&) { ASSERT_TRUE(TruncateFile(path, int64_t{1} << 31)); },
       {}, {0, 0, 0}, "ﾒﾓﾘを確保できません"},
      {100, [](const std::string&, ScriptedProgress& p) { p.beginSucceeds = false; }, {}, {1, 0, 0},
       "ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません"},
      {100, [](const std::string&, ScriptedProgress& p) { p.endSucceeds = false; }, {}, {1, 1, 1},
       "ｳｲﾝﾄﾞｳを破棄できません"},
      // The size is taken before reading; a file cut meanwhile reads short.
      {3 * 43690, [](const std::string& path, ScriptedProgress& p) {
         p.onPump = [path](int pump) { ASSERT_TRUE(pump != 2 || TruncateFile(path, 50000)); };
       }, {}, {1, 2, 1}, "読み込みできません"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.size) + (r.message ? r.message : ""));
    TempFolder folder;
    std::string path = folder.File("in.bin");
    Bytes bytes = RandomBytes(r.size, static_cast<uint32_t>(r.size));
    ASSERT_TRUE(WriteWholeFile(path, bytes));
    Document doc;
    SetBlocks(doc, {43690, 43690});  // earlier content goes
    doc.caret = 5;
    doc.anchor = 2;
    ScriptedProgress progress;
    r.prepare(path, progress);
    std::strncpy(doc.path, path.c_str(), sizeof doc.path - 1);
    MessageRecorder messages;
    ASSERT_EQ(LoadFile(doc, progress), r.message ? -1 : 0);
    EXPECT_EQ(messages.texts(), r.message ? std::vector<std::string>{r.message} : std::vector<std::string>{});
    for (const auto& m : messages.messages()) EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ((Ints{progress.begins, progress.pumps, progress.ends}), r.calls);
    EXPECT_EQ(progress.text, r.calls[0] ? "ﾌｧｲﾙを読み込み中" : "");
    EXPECT_EQ(BlockLens(doc), r.blocks);
    EXPECT_TRUE(Contents(doc) == Bytes(bytes.begin(), bytes.begin() + doc.length));
    EXPECT_EQ(doc.cursorBlock, doc.firstBlock);
    if (r.message) continue;
    EXPECT_EQ(CheckDocument(doc), "");
    EXPECT_EQ((Ints{doc.caret, doc.anchor, doc.partial}), (Ints{0, -1, progress.abortAtPump != 0}));
  }
}

}  // namespace
