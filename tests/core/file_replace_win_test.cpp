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
#include "support/doc_progress.h"
#include "support/message_recorder.h"

namespace {

using Names = std::vector<std::string>;

int64_t RecycledItems() {
  SHQUERYRBINFO info = {};
  info.cbSize = sizeof info;
  if (FAILED(SHQueryRecycleBinA(nullptr, &info))) return -1;
  return info.i64NumItems;
}

std::string Env(const char* name) {
  char value[MAX_PATH];
  DWORD n = GetEnvironmentVariableA(name, value, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(value, n) : std::string();
}

// Where Wine keeps the recycle bin's files (the desktop trash folder), or "" on Windows.
std::string WineTrashFolder() {
  std::string home = Env("WINEHOMEDIR");  // "\??\Z:\root"
  if (home.empty()) return "";
  std::string xdg = Env("XDG_DATA_HOME");
  if (!xdg.empty()) {
    for (char& c : xdg) c = c == '/' ? '\\' : c;
    return "Z:" + xdg + "\\Trash";
  }
  return home.substr(4) + "\\.local\\share\\Trash";
}

// Writes a document of blocks over path with the options given; no message is expected.
void Save(const std::string& path, const std::vector<int32_t>& blocks, uint32_t options = 0) {
  Document doc;
  SetBlocks(doc, blocks);
  doc.options = options;
  NoProgress progress;
  MessageRecorder messages;
  ASSERT_EQ(WriteFile(path.c_str(), doc, progress), 0);
  EXPECT_TRUE(messages.texts().empty());
  EXPECT_TRUE(ReadWholeFile(path) == Contents(doc));
}

TEST(MoveToRecycleBin, TheOldFileGoesToTheRecycleBinANewOneNothing) {
  TempFolder folder;
  char name[64];
  wsprintfA(name, "varnel-recycled-%lu-%lu.bin", GetCurrentProcessId(), GetTickCount());
  std::string path = folder.File(name);
  std::vector<uint8_t> old = RandomBytes(3000, 1);
  ASSERT_TRUE(WriteWholeFile(path, old));
  int64_t before = RecycledItems();
  ASSERT_GE(before, 0);
  Save(path, {43690, 100}, kOptRecycleBin);
  Save(folder.File("new.bin"), {10}, kOptRecycleBin);
  EXPECT_EQ(folder.Names(), (Names{"new.bin", name}));
  EXPECT_EQ(RecycledItems(), before + 1);
  std::string trash = WineTrashFolder();
  if (!trash.empty()) {
    // The recycled file holds the old bytes; then it is taken out of the trash again.
    std::string recycled = trash + "\\files\\" + name;
    EXPECT_TRUE(ReadWholeFile(recycled) == old);
    DeleteFileA(recycled.c_str());
    DeleteFileA((trash + "\\info\\" + name + ".trashinfo").c_str());
  }
}

// Another program holding the file open without sharing it: nothing is written.
TEST(ProbeTarget, AFileInUseCannotBeOpenedAndStaysAsItWas) {
  TempFolder folder;
  std::string path = folder.File("busy.bin");
  std::vector<uint8_t> old = RandomBytes(100, 3);
  ASSERT_TRUE(WriteWholeFile(path, old));
  HANDLE busy = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(busy, INVALID_HANDLE_VALUE);
  Document doc;
  SetBlocks(doc, {20});
  ScriptedProgress progress;
  MessageRecorder messages;
  EXPECT_EQ(WriteFile(path.c_str(), doc, progress), -1);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"ﾌｧｲﾙをｵｰﾌﾟﾝできません"});
  EXPECT_EQ(progress.begins, 0);
  CloseHandle(busy);
  EXPECT_TRUE(ReadWholeFile(path) == old);
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
  // Everyone's entry goes: the file becomes private to its owner (and the system).
  std::string dacl = AccessOf(path);
  dacl = "D:P" + dacl.substr(dacl.find("D:") + 2);
  for (size_t at; (at = dacl.find(";WD)")) != std::string::npos;) {
    size_t open = dacl.rfind('(', at);
    dacl.erase(open, at + 4 - open);
  }
  PSECURITY_DESCRIPTOR privateOnly = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(dacl.c_str(), SDDL_REVISION_1, &privateOnly,
                                                                   nullptr));
  ASSERT_TRUE(SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, privateOnly));
  LocalFree(privateOnly);
  const std::string access = AccessOf(path);
  EXPECT_EQ(access.find(";WD)"), std::string::npos) << access;
  Save(path, {43690, 5});
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
  ASSERT_GT(path.size(), 300u);
  Save(path, {50000});
  EXPECT_TRUE(FileExists(path.c_str()));
  Save(path, {50000});  // over itself
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
  Save(path, {70000});
  EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
  ASSERT_TRUE(DeleteFileA(path.c_str()));
  EXPECT_TRUE(RemoveDirectoryA(dir.c_str()));  // nothing else was left in the folder
}

}  // namespace
