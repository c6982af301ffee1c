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

// 0x95 0x5C is one character whose trail byte looks like a backslash.
TEST(FolderOf, KeepsTheTrailingSeparator) {
  const std::pair<const char*, const char*> rows[] = {
      {"C:\\dir\\file.bin", "C:\\dir\\"}, {"C:file.bin", "C:"}, {"file.bin", ""}, {"/tmp/x/file.bin", "/tmp/x/"},
      {"\\\\server\\share\\f", "\\\\server\\share\\"}, {"C:\\\x95\x5C.bin", "C:\\"},
      {"C:\\\x95\x5C\\f.bin", "C:\\\x95\x5C\\"}};
  for (const auto& [path, folder] : rows) EXPECT_EQ(FolderOf(path), folder) << path;
}

#ifndef _WIN32
// Why: replacing the file by a new one broke its other names, turned a link into
// a plain file beside an unchanged target, and showed a private file to everyone.
TEST(ReplaceWithTemp, KeepsLinksAndPermissions) {
  TempFolder folder;
  std::string path = folder.File("data.bin"), other = folder.File("other.bin"), link = folder.File("link.bin");
  ASSERT_TRUE(WriteWholeFile(path, RandomBytes(5000, 7)));
  ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
  ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
  ASSERT_EQ(chmod(path.c_str(), 0600), 0);
  struct stat before, after, linked;
  ASSERT_EQ(stat(path.c_str(), &before), 0);
  for (const std::string& target : {path, link}) {
    SCOPED_TRACE(target);
    Document doc;
    SetBlocks(doc, {43690, 100});
    ScriptedProgress progress;
    MessageRecorder messages;
    ASSERT_EQ(WriteFile(target.c_str(), doc, progress), 0);
    EXPECT_TRUE(messages.texts().empty());
    for (const std::string& name : {path, other, link}) EXPECT_TRUE(ReadWholeFile(name) == Contents(doc)) << name;
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ((std::vector<uint64_t>{after.st_ino, after.st_mode & 07777u, after.st_nlink}),
              (std::vector<uint64_t>{before.st_ino, 0600u, 2u}));
    ASSERT_EQ(lstat(link.c_str(), &linked), 0);
    EXPECT_TRUE(S_ISLNK(linked.st_mode));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"data.bin", "link.bin", "other.bin"}));
  }
}
#endif

}  // namespace
