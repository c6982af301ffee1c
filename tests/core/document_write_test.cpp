// WriteFile: exact bytes on disk, and failed or aborted writes that leave the old
// file as it was and no temporary file behind.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/file_replace.h"
#include "core/write_file.h"
#include "support/doc_builders.h"
#include "support/doc_files.h"
#include "support/doc_progress.h"
#include "support/message_recorder.h"

namespace {

using Lens = std::vector<int32_t>;
using Texts = std::vector<std::string>;
using Names = std::vector<std::string>;

TEST(DocumentWriteFile, WritesExactlyTheDocument) {
  struct WriteCase {
    const char* name;
    Lens blocks;
    bool existing;  // overwrite a longer file that is already there
  };
  const WriteCase cases[] = {
      {"empty document, new file", {}, false},
      {"empty document over a file", {}, true},
      {"one byte", {1}, false},
      {"one block", {43690}, true},
      {"several blocks", {43690, 21845, 65535, 7}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    std::string path = folder.File("out.bin");
    if (c.existing) {
      ASSERT_TRUE(WriteWholeFile(path, RandomBytes(200000, 1)));
    }
    Document doc;
    SetBlocks(doc, c.blocks);
    doc.modified = 1;
    ScriptedProgress progress;
    MessageRecorder messages;
    ASSERT_EQ(WriteFile(path.c_str(), doc, progress), 0);
    bool ok = false;
    std::vector<uint8_t> written = ReadWholeFile(path, &ok);
    ASSERT_TRUE(ok);
    EXPECT_TRUE(written == Contents(doc));
    EXPECT_EQ(folder.Names(), Names{"out.bin"});
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_EQ(progress.text, "ﾌｧｲﾙに書き込み中");
    EXPECT_EQ(progress.pumps, static_cast<int>(BlockLens(doc).size()));
    EXPECT_EQ(progress.ends, 1);
    EXPECT_EQ(doc.modified, 1);  // clearing it is the caller's business
  }
}

#ifndef _WIN32
// Natively there is no recycle bin: the old file is simply replaced. (The
// Windows recycle bin has its own test.)
TEST(DocumentWriteFile, RecycleOptionStillReplacesTheFile) {
  TempFolder folder;
  std::string path = folder.File("out.bin");
  ASSERT_TRUE(WriteWholeFile(path, RandomBytes(5000, 2)));
  Document doc;
  SetBlocks(doc, {300});
  doc.options = kOptRecycleBin;
  NoProgress progress;
  ASSERT_EQ(WriteFile(path.c_str(), doc, progress), 0);
  EXPECT_TRUE(ReadWholeFile(path) == PatternRange(0, 300));
}
#endif

TEST(DocumentWriteFile, FolderOfAPath) {
  struct FolderCase {
    const char* path;
    const char* folder;
  };
  const FolderCase cases[] = {
      {"C:\\dir\\file.bin", "C:\\dir\\"},
      {"C:file.bin", "C:"},
      {"file.bin", ""},
      {"/tmp/x/file.bin", "/tmp/x/"},
      {"\\\\server\\share\\f", "\\\\server\\share\\"},
      // 0x95 0x5C is one character whose trail byte looks like a backslash.
      {"C:\\\x95\x5C.bin", "C:\\"},
      {"C:\\\x95\x5C\\f.bin", "C:\\\x95\x5C\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
}

struct Failure {
  int result;
  Texts texts;
};

// Runs WriteFile over an existing file and checks it was left exactly as it was
// with nothing else in the folder.
void ExpectUntouched(TempFolder& folder, const std::string& path, const std::vector<uint8_t>& old,
                     const Failure& expected, ScriptedProgress& progress, const char* target = nullptr) {
  Document doc;
  SetBlocks(doc, {43690, 43690, 1000});
  doc.modified = 1;
  MessageRecorder messages;
  EXPECT_EQ(WriteFile(target ? target : path.c_str(), doc, progress), expected.result);
  EXPECT_EQ(messages.texts(), expected.texts);
  for (const auto& m : messages.messages()) EXPECT_EQ(m.icon, MessageIcon::Warning);
  EXPECT_TRUE(ReadWholeFile(path) == old);
  EXPECT_EQ(folder.Names(), Names{"keep.bin"});
  EXPECT_EQ(doc.modified, 1);
}

TEST(DocumentWriteFile, AbortLeavesTheOldFileAndNoTemporaryFile) {
  TempFolder folder;
  std::string path = folder.File("keep.bin");
  std::vector<uint8_t> old = RandomBytes(70000, 3);
  ASSERT_TRUE(WriteWholeFile(path, old));
  ScriptedProgress progress;
  progress.abortAtPump = 2;
  ExpectUntouched(folder, path, old, {-1, {}}, progress);
  EXPECT_EQ(progress.ends, 1);
}

TEST(DocumentWriteFile, ReadOnlyFileCannotBeOpenedAndStaysAsItWas) {
  TempFolder folder;
  std::string path = folder.File("keep.bin");
  std::vector<uint8_t> old = RandomBytes(1000, 4);
  ASSERT_TRUE(WriteWholeFile(path, old));
  SetReadOnly(path, true);
  ScriptedProgress progress;
  ExpectUntouched(folder, path, old, {-1, {"ﾌｧｲﾙをｵｰﾌﾟﾝできません"}}, progress);
  EXPECT_EQ(progress.begins, 0);
  SetReadOnly(path, false);
}

TEST(DocumentWriteFile, MissingFolderOrAFolderAsTargetCannotBeOpened) {
  TempFolder folder;
  std::string path = folder.File("keep.bin");
  std::vector<uint8_t> old = RandomBytes(10, 5);
  ASSERT_TRUE(WriteWholeFile(path, old));
  {
    SCOPED_TRACE("missing folder");
    std::string target = folder.File("no-such-folder") + PathSeparator() + "out.bin";
    ScriptedProgress progress;
    ExpectUntouched(folder, path, old, {-1, {"ﾌｧｲﾙをｵｰﾌﾟﾝできません"}}, progress, target.c_str());
  }
  {
    SCOPED_TRACE("the target is a folder");
    ScriptedProgress progress;
    ExpectUntouched(folder, path, old, {-1, {"ﾌｧｲﾙをｵｰﾌﾟﾝできません"}}, progress, folder.path().c_str());
  }
}

#ifndef _WIN32
// Why: replacing the file by a new one broke its other names, turned a link into
// a plain file beside an unchanged target, and showed a private file to everyone.
TEST(DocumentWriteFile, KeepsLinksAndPermissions) {
  TempFolder folder;
  std::string path = folder.File("data.bin");
  ASSERT_TRUE(WriteWholeFile(path, RandomBytes(5000, 7)));
  std::string other = folder.File("other.bin");
  ASSERT_EQ(link(path.c_str(), other.c_str()), 0);
  std::string shortcut = folder.File("shortcut.bin");
  ASSERT_EQ(symlink(path.c_str(), shortcut.c_str()), 0);
  ASSERT_EQ(chmod(path.c_str(), 0600), 0);
  struct stat before;
  ASSERT_EQ(stat(path.c_str(), &before), 0);

  for (const std::string& target : {path, shortcut}) {
    SCOPED_TRACE(target);
    Document doc;
    SetBlocks(doc, {43690, 100});
    ScriptedProgress progress;
    MessageRecorder messages;
    ASSERT_EQ(WriteFile(target.c_str(), doc, progress), 0);
    EXPECT_TRUE(messages.texts().empty());
    for (const std::string& name : {path, other, shortcut}) EXPECT_TRUE(ReadWholeFile(name) == Contents(doc)) << name;
    struct stat after, link;
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0600u);
    EXPECT_EQ(after.st_nlink, 2u);
    ASSERT_EQ(lstat(shortcut.c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(folder.Names(), (Names{"data.bin", "other.bin", "shortcut.bin"}));
    EXPECT_EQ(progress.ends, 1);
  }
}

// A file whose mode the new file can take is replaced in one step, mode kept.
TEST(DocumentWriteFile, ReplacedFileKeepsItsMode) {
  TempFolder folder;
  std::string path = folder.File("tool.sh");
  ASSERT_TRUE(WriteWholeFile(path, RandomBytes(10, 8)));
  ASSERT_EQ(chmod(path.c_str(), 0751), 0);
  Document doc;
  SetBlocks(doc, {30});
  NoProgress progress;
  ASSERT_EQ(WriteFile(path.c_str(), doc, progress), 0);
  struct stat after;
  ASSERT_EQ(stat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 07777, 0751u);
  EXPECT_TRUE(ReadWholeFile(path) == PatternRange(0, 30));
}
#endif

TEST(DocumentWriteFile, ProgressDialogFailures) {
  TempFolder folder;
  std::string path = folder.File("keep.bin");
  std::vector<uint8_t> old = RandomBytes(10, 6);
  ASSERT_TRUE(WriteWholeFile(path, old));
  {
    SCOPED_TRACE("dialog cannot be created");
    ScriptedProgress progress;
    progress.beginSucceeds = false;
    ExpectUntouched(folder, path, old, {-1, {"ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません"}}, progress);
    EXPECT_EQ(progress.ends, 0);
  }
  {
    // The bytes are in place by then; only the result says the save went wrong.
    SCOPED_TRACE("dialog cannot be destroyed");
    Document doc;
    SetBlocks(doc, {500});
    ScriptedProgress progress;
    progress.endSucceeds = false;
    MessageRecorder messages;
    EXPECT_EQ(WriteFile(path.c_str(), doc, progress), -1);
    EXPECT_EQ(messages.texts(), Texts{"ｳｲﾝﾄﾞｳを破棄できません"});
    EXPECT_TRUE(ReadWholeFile(path) == PatternRange(0, 500));
    EXPECT_EQ(folder.Names(), Names{"keep.bin"});
  }
}

}  // namespace
