// Saving with the Windows file system: the recycle bin, file attributes and
// access, files in use, long paths and Shift-JIS names.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <sddl.h>

#include <cstring>
#include <vector>

#include "core/load_file.h"
#include "core/path.h"
#include "core/write_file.h"
#include "support/doc_builders.h"
#include "support/doc_files.h"
#include "support/message_recorder.h"

namespace {

using Names = std::vector<std::string>;

int64_t RecycledItems() {
  SHQUERYRBINFO info = {};
  info.cbSize = sizeof info;
  return FAILED(SHQueryRecycleBinA(nullptr, &info)) ? -1 : info.i64NumItems;
}

// Writes a document of blocks over path with the options given and returns the
// messages shown; a save that succeeds shows none and leaves exactly the document.
Names Save(const std::string& path, const std::vector<int32_t>& blocks, uint32_t options = 0) {
  Document doc;
  SetBlocks(doc, blocks);
  doc.options = options;
  NoProgress progress;
  MessageRecorder messages;
  int status = WriteFile(path.c_str(), doc, progress);
  EXPECT_EQ(status == 0, messages.texts().empty());
  EXPECT_TRUE(status != 0 || ReadWholeFile(path) == Contents(doc));
  return messages.texts();
}

TEST(MoveToRecycleBin, TheOldFileGoesToTheRecycleBinANewOneNothing) {
  TempFolder folder;
  ASSERT_TRUE(WriteWholeFile(folder.File("old.bin"), RandomBytes(3000, 1)));
  int64_t before = RecycledItems();
  ASSERT_GE(before, 0);
  EXPECT_EQ(Save(folder.File("old.bin"), {43690, 100}, kOptRecycleBin), Names{});
  EXPECT_EQ(Save(folder.File("new.bin"), {10}, kOptRecycleBin), Names{});
  EXPECT_EQ(folder.Names(), (Names{"new.bin", "old.bin"}));
  EXPECT_EQ(RecycledItems(), before + 1);
}

// Another program holding the file open without sharing it: nothing is written.
TEST(ProbeTarget, AFileInUseCannotBeOpenedAndStaysAsItWas) {
  TempFolder folder;
  std::string path = folder.File("busy.bin");
  ASSERT_TRUE(WriteWholeFile(path, PatternRange(0, 100)));
  HANDLE busy = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(busy, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Save(path, {20}), Names{"ﾌｧｲﾙをｵｰﾌﾟﾝできません"});
  CloseHandle(busy);
  EXPECT_TRUE(ReadWholeFile(path) == PatternRange(0, 100));
  EXPECT_EQ(folder.Names(), Names{"busy.bin"});
}

// The owner, group and access list of a file as text.
std::string AccessOf(const std::string& path) {
  const SECURITY_INFORMATION what = OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION |
                                    DACL_SECURITY_INFORMATION;
  DWORD need = 0;
  GetFileSecurityA(path.c_str(), what, nullptr, 0, &need);
  std::vector<char> sd(need);
  LPSTR text = nullptr;
  if (need == 0 || !GetFileSecurityA(path.c_str(), what, sd.data(), need, &need) ||
      !ConvertSecurityDescriptorToStringSecurityDescriptorA(sd.data(), SDDL_REVISION_1, what, &text, nullptr)) {
    return "<unreadable>";
  }
  std::string result = text;
  LocalFree(text);
  return result;
}

// Why: the new file took the folder's security instead of the file's, and
// replaced one name of a file that has two.
TEST(CarriesTargetAccess, TheFilesAccessAndItsOtherNamesStay) {
  TempFolder folder;
  std::string path = folder.File("private.bin");
  std::string other = folder.File("other.bin");
  ASSERT_TRUE(WriteWholeFile(path, RandomBytes(3000, 4)));
  ASSERT_TRUE(CreateHardLinkA(other.c_str(), path.c_str(), nullptr));
  PSECURITY_DESCRIPTOR own = nullptr;  // an access list of its own, inheriting nothing from the folder
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;FA;;;SY)(A;;FA;;;BA)(A;;FR;;;WD)",
                                                                   SDDL_REVISION_1, &own, nullptr));
  ASSERT_TRUE(SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, own));
  LocalFree(own);
  const std::string access = AccessOf(path);
  EXPECT_EQ(Save(path, {43690, 5}), Names{});
  EXPECT_TRUE(ReadWholeFile(other) == PatternRange(0, 43695));
  EXPECT_EQ(AccessOf(path), access);
  EXPECT_EQ(folder.Names(), (Names{"other.bin", "private.bin"}));
}

// Why: a path of 261 characters or more opened but could never be saved.
TEST(OpenForReading, PathsBeyondMaxPathLoadAndSave) {
  TempFolder folder;
  std::string dir = folder.path();
  for (int i = 0; i < 5; ++i) {
    dir += "\\" + std::string(60, static_cast<char>('a' + i));
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + std::wstring(dir.begin(), dir.end())).c_str(), nullptr)) << dir;
  }
  std::string path = dir + "\\長い名前.bin";
  EXPECT_EQ(Save(path, {50000}), Names{});
  EXPECT_EQ(Save(path, {50000}), Names{});  // over itself
  Document loaded;
  std::strncpy(loaded.path, path.c_str(), sizeof loaded.path - 1);
  NoProgress progress;
  ASSERT_EQ(LoadFile(loaded, progress), 0);
  EXPECT_TRUE(Contents(loaded) == PatternRange(0, 50000));
}

// 表 is 0x95 0x5C in Shift-JIS: its trail byte is a backslash that does not end a
// folder. The replaced file keeps its hidden attribute.
TEST(CreateTempBeside, AShiftJisNameWithABackslashTrailByte) {
  TempFolder folder;
  std::string dir = folder.File("表");
  ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
  std::string path = dir + "\\表.bin";
  ASSERT_TRUE(WriteWholeFile(path, RandomBytes(100, 2)));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(Save(path, {70000}), Names{});
  EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
  ASSERT_TRUE(DeleteFileA(path.c_str()));
  EXPECT_TRUE(RemoveDirectoryA(dir.c_str()));  // nothing else was left in the folder
}

}  // namespace
