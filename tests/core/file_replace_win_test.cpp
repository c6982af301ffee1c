// Saving with the Windows file system: the recycle bin, file attributes and
// access, files in use, long paths and Shift-JIS names.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <sddl.h>

#include <cstring>
#include <vector>

#include "core/load_file.h"
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

// The access list of a file as text.
std::string AccessOf(const std::string& path) {
  DWORD need = 0;
  GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &need);
  std::vector<char> sd(need + 1);
  LPSTR text = nullptr;
  if (!GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, sd.data(), need, &need) ||
      !ConvertSecurityDescriptorToStringSecurityDescriptorA(sd.data(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                            &text, nullptr)) {
    return "<unreadable>";
  }
  std::string result = text;
  LocalFree(text);
  return result;
}

// One folder, several targets: a file another program holds open without sharing
// is refused and stays as it was; the old file goes to the recycle bin (a new one
// sends nothing); a hidden file in a folder whose Shift-JIS name has a backslash
// trail byte (表 is 95 5C) stays hidden; a file with an access list of its own
// keeps it, and one with two names keeps both (why: the new file took the
// folder's security, and replaced one name). No temporary file is left anywhere.
TEST(ReplaceWithTemp, WhatASaveKeepsOfTheOldFile) {
  TempFolder folder;
  const std::string busy = folder.File("busy.bin"), old = folder.File("old.bin"), dir = folder.File("表");
  const std::string hidden = dir + "\\表.bin", path = folder.File("private.bin"), linked = folder.File("linked.bin");
  ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
  for (const std::string& name : {busy, old, hidden, path, linked}) ASSERT_TRUE(WriteWholeFile(name, {1, 2}));
  ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(CreateHardLinkA(folder.File("other.bin").c_str(), linked.c_str(), nullptr));
  std::string dacl = AccessOf(path);  // without everyone's entries the file is private to its owner
  for (size_t at; (at = dacl.find(";WD)")) != std::string::npos;) {
    size_t open = dacl.rfind('(', at);
    dacl.erase(open, at + 4 - open);
  }
  PSECURITY_DESCRIPTOR own = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(("D:P" + dacl.substr(2)).c_str(), SDDL_REVISION_1,
                                                                   &own, nullptr));
  ASSERT_TRUE(SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, own));
  LocalFree(own);
  const std::string access = AccessOf(path);
  EXPECT_EQ(access.find(";WD)"), std::string::npos) << access;
  const int64_t recycled = RecycledItems();
  HANDLE held = CreateFileA(busy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Save(busy, {20}), Names{"ﾌｧｲﾙをｵｰﾌﾟﾝできません"});
  CloseHandle(held);
  EXPECT_TRUE(ReadWholeFile(busy) == (std::vector<uint8_t>{1, 2}));
  EXPECT_EQ(Save(old, {43690, 100}, kOptRecycleBin), Names{});
  EXPECT_EQ(Save(folder.File("new.bin"), {10}, kOptRecycleBin), Names{});
  EXPECT_EQ(RecycledItems(), recycled + 1);
  EXPECT_EQ(Save(hidden, {70000}), Names{});
  EXPECT_TRUE(GetFileAttributesA(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(Save(path, {43690, 5}), Names{});
  EXPECT_EQ(AccessOf(path), access);
  EXPECT_EQ(Save(linked, {43690, 5}), Names{});
  EXPECT_TRUE(ReadWholeFile(folder.File("other.bin")) == PatternRange(0, 43695));
  ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_NORMAL) && DeleteFileA(hidden.c_str()));
  EXPECT_TRUE(RemoveDirectoryA(dir.c_str()));
  EXPECT_EQ(folder.Names(), (Names{"busy.bin", "linked.bin", "new.bin", "old.bin", "other.bin", "private.bin"}));
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

}  // namespace
