// WriteFile: exact bytes on disk, and failed or aborted writes that leave the old
// file as it was and no temporary file behind.
#include "core/write_file.h"

#include <gtest/gtest.h>

#include "support/doc_builders.h"
#include "support/doc_files.h"
#include "support/doc_progress.h"
#include "support/message_recorder.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Names = std::vector<std::string>;
using Texts = std::vector<std::string>;

TEST(WriteFile, WritesExactlyTheDocument) {
  const struct {
    const char* why;
    std::vector<int32_t> blocks;
    bool existing;  // a longer file is there already
    uint32_t options;
  } rows[] = {
      {"empty document, new file", {}, false, 0},
      {"empty document over a file", {}, true, 0},
      {"one byte", {1}, false, 0},
      {"one block", {43690}, true, 0},
      {"several blocks", {43690, 21845, 65535, 7}, true, 0},
#ifndef _WIN32
      {"no recycle bin natively: the file is replaced", {300}, true, kOptRecycleBin},
#endif
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    TempFolder folder;
    std::string path = folder.File("out.bin");
    ASSERT_TRUE(!r.existing || WriteWholeFile(path, RandomBytes(200000, 1)));
    Document doc;
    SetBlocks(doc, r.blocks);
    doc.modified = 1;
    doc.options = r.options;
    ScriptedProgress progress;
    MessageRecorder messages;
    ASSERT_EQ(WriteFile(path.c_str(), doc, progress), 0);
    bool ok = false;
    EXPECT_TRUE(ReadWholeFile(path, &ok) == Contents(doc));
    EXPECT_TRUE(ok);
    EXPECT_EQ(folder.Names(), Names{"out.bin"});
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_EQ(progress.text, "ﾌｧｲﾙに書き込み中");
    EXPECT_EQ(progress.pumps, static_cast<int>(BlockLens(doc).size()));
    EXPECT_EQ(progress.ends, 1);
    EXPECT_EQ(doc.modified, 1);  // clearing it is the caller's business
  }
}

// A dialog that will not close fails the save after the bytes are in place;
// every other failure leaves the old file as it was.
TEST(WriteFile, FailuresLeaveTheOldFileAndNoTemporaryFile) {
  const struct {
    const char* why;
    const char* target;  // relative to the folder; null: the file itself, "": the folder
    void (*prepare)(const std::string& path, ScriptedProgress& progress);
    Texts messages;
    int begins, ends;
    bool written = false;
  } rows[] = {
      {"abort", nullptr, [](const std::string&, ScriptedProgress& p) { p.abortAtPump = 2; }, {}, 1, 1},
      {"read-only file", nullptr, [](const std::string& path, ScriptedProgress&) { SetReadOnly(path, true); },
       {"ﾌｧｲﾙをｵｰﾌﾟﾝできません"}, 0, 0},
      {"missing folder", "no-such-folder", nullptr, {"ﾌｧｲﾙをｵｰﾌﾟﾝできません"}, 0, 0},
      {"the target is a folder", "", nullptr, {"ﾌｧｲﾙをｵｰﾌﾟﾝできません"}, 0, 0},
      {"the dialog cannot be created", nullptr,
       [](const std::string&, ScriptedProgress& p) { p.beginSucceeds = false; },
       {"ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません"}, 1, 0},
      {"the dialog will not close", nullptr, [](const std::string&, ScriptedProgress& p) { p.endSucceeds = false; },
       {"ｳｲﾝﾄﾞｳを破棄できません"}, 1, 1, true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    TempFolder folder;
    std::string path = folder.File("keep.bin");
    Bytes old = RandomBytes(70000, 3);
    ASSERT_TRUE(WriteWholeFile(path, old));
    std::string target = !r.target ? path : !*r.target ? folder.path() : folder.File(r.target) + PathSeparator() + "x";
    ScriptedProgress progress;
    if (r.prepare) r.prepare(path, progress);
    Document doc;
    SetBlocks(doc, {43690, 43690, 1000});
    MessageRecorder messages;
    EXPECT_EQ(WriteFile(target.c_str(), doc, progress), -1);
    EXPECT_EQ(messages.texts(), r.messages);
    for (const auto& m : messages.messages()) EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ((std::vector<int>{progress.begins, progress.ends}), (std::vector<int>{r.begins, r.ends}));
    SetReadOnly(path, false);
    EXPECT_TRUE(ReadWholeFile(path) == (r.written ? Contents(doc) : old));
    EXPECT_EQ(folder.Names(), Names{"keep.bin"});
  }
}

}  // namespace
