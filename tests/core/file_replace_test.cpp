// The folder of a path, and natively what a save keeps of the old file: its
// other names, a link to it and its permissions.
#include "core/file_replace.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/write_file.h"
#include "support/doc_builders.h"
#include "support/doc_files.h"
#include "support/doc_progress.h"
#include "support/message_recorder.h"

namespace {

TEST(FolderOf, KeepsTheTrailingSeparator) {
  const struct {
    const char* path;
    const char* folder;
  } rows[] = {
      {"C:\\dir\\file.bin", "C:\\dir\\"},
      {"C:file.bin", "C:"},
      {"file.bin", ""},
      {"/tmp/x/file.bin", "/tmp/x/"},
      {"\\\\server\\share\\f", "\\\\server\\share\\"},
      // 0x95 0x5C is one character whose trail byte looks like a backslash.
      {"C:\\\x95\x5C.bin", "C:\\"},
      {"C:\\\x95\x5C\\f.bin", "C:\\\x95\x5C\\"},
  };
  for (const auto& r : rows) EXPECT_EQ(FolderOf(r.path), r.folder) << r.path;
}

#ifndef _WIN32
// Why: replacing the file by a new one broke its other names, turned a link into
// a plain file beside an unchanged target, and showed a private file to everyone.
TEST(ReplaceWithTemp, KeepsLinksAndPermissions) {
  TempFolder folder;
  std::string path = folder.File("data.bin");
  std::string other = folder.File("other.bin");
  std::string shortcut = folder.File("shortcut.bin");
  ASSERT_TRUE(WriteWholeFile(path, RandomBytes(5000, 7)));
  ASSERT_EQ(link(path.c_str(), other.c_str()), 0);
  ASSERT_EQ(symlink(path.c_str(), shortcut.c_str()), 0);
  ASSERT_EQ(chmod(path.c_str(), 0600), 0);
  struct stat before, after, linked;
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
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0600u);
    EXPECT_EQ(after.st_nlink, 2u);
    ASSERT_EQ(lstat(shortcut.c_str(), &linked), 0);
    EXPECT_TRUE(S_ISLNK(linked.st_mode));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"data.bin", "other.bin", "shortcut.bin"}));
    EXPECT_EQ(progress.ends, 1);
  }
}

// A file whose mode the new file can take is replaced in one step, mode kept.
TEST(ReplaceWithTemp, ReplacedFileKeepsItsMode) {
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

}  // namespace
