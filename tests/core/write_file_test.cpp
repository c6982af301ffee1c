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
using Texts = std::vector<std::string>;
using Ints = std::vector<int>;

// The folder holds "keep.bin". A dialog that will not close fails the save after
// the bytes are in place; every other failure leaves the old file as it was.
TEST(WriteFile, WritesExactlyTheDocumentOrLeavesTheOldFile) {
  const char* const kOpen = "ﾌｧｲﾙをｵｰﾌﾟﾝできません";
  const struct {
    const char* why;
    std::vector<int32_t> blocks;
    const char* target;  // in the folder ('/' is the separator); "": the folder itself
    int abortAtPump;
    bool beginSucceeds, endSucceeds, readOnly;
    Texts messages;
    Ints calls;  // begins, pumps (one before each block) and ends of the progress dialog
    bool written;
  } rows[] = {
      {"empty document, new file", {}, "new.bin", 0, true, true, false, {}, {1, 1, 1}, true},
      {"empty document over a file", {}, "keep.bin", 0, true, true, false, {}, {1, 1, 1}, true},
      {"several blocks", {43690, 21845, 65535, 7}, "keep.bin", 0, true, true, false, {}, {1, 4, 1}, true},
      {"abort", {43690, 43690, 1000}, "keep.bin", 2, true, true, false, {}, {1, 2, 1}, false},
      {"read-only file", {100}, "keep.bin", 0, true, true, true, {kOpen}, {0, 0, 0}, false},
      {"missing folder", {100}, "no-such-folder/x", 0, true, true, false, {kOpen}, {0, 0, 0}, false},
      {"the target is a folder", {100}, "", 0, true, true, false, {kOpen}, {0, 0, 0}, false},
      {"the dialog cannot be created", {100}, "keep.bin", 0, false, true, false,
       {"ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません"}, {1, 0, 0}, false},
      {"the dialog will not close", {43690, 100}, "keep.bin", 0, true, false, false, {"ｳｲﾝﾄﾞｳを破棄できません"},
       {1, 2, 1}, true}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    TempFolder folder;
    std::string path = folder.File("keep.bin"), target = folder.File(r.target);
    for (char& c : target) c = c == '/' ? PathSeparator() : c;
    Bytes old = RandomBytes(70000, 3);
    ASSERT_TRUE(WriteWholeFile(path, old));
    SetReadOnly(path, r.readOnly);
    ScriptedProgress progress;
    progress.abortAtPump = r.abortAtPump;
    progress.beginSucceeds = r.beginSucceeds;
    progress.endSucceeds = r.endSucceeds;
    Document doc;
    SetBlocks(doc, r.blocks);
    doc.modified = 1;
    MessageRecorder messages;
    EXPECT_EQ(WriteFile(target.c_str(), doc, progress), r.written && r.messages.empty() ? 0 : -1);
    EXPECT_EQ(messages.texts(), r.messages);
    for (const auto& m : messages.messages()) EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ((Ints{progress.begins, progress.pumps, progress.ends}), r.calls);
    EXPECT_EQ(progress.text, r.calls[0] ? "ﾌｧｲﾙに書き込み中" : "");
    EXPECT_EQ(doc.modified, 1);  // clearing it is the caller's business
    SetReadOnly(path, false);
    bool isNew = std::string(r.target) == "new.bin";
    EXPECT_TRUE(ReadWholeFile(path) == (r.written && !isNew ? Contents(doc) : old));
    EXPECT_TRUE(!isNew || ReadWholeFile(target) == Contents(doc));
    EXPECT_EQ(folder.Names(), (isNew ? Texts{"keep.bin", "new.bin"} : Texts{"keep.bin"}));
  }
}

}  // namespace
