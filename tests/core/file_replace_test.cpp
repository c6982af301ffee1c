// The folder of a path, Shift-JIS aware. What a save keeps of the old file is
// checked with the Windows file system in file_replace_win_test.cpp.
#include "core/file_replace.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// 0x95 0x5C is one character whose trail byte looks like a backslash.
TEST(FolderOf, KeepsTheTrailingSeparator) {
  const std::pair<const char*, const char*> rows[] = {
      {"C:\\dir\\file.bin", "C:\\dir\\"}, {"C:file.bin", "C:"}, {"file.bin", ""}, {"/tmp/x/file.bin", "/tmp/x/"},
      {"\\\\server\\share\\f", "\\\\server\\share\\"}, {"C:\\\x95\x5C.bin", "C:\\"},
      {"C:\\\x95\x5C\\f.bin", "C:\\\x95\x5C\\"}};
  for (const auto& [path, folder] : rows) EXPECT_EQ(FolderOf(path), folder) << path;
}

}  // namespace
