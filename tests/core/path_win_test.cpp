// The canonical form and the existence test on real files in a temporary folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/path.h"

namespace {

// A folder "<temp>\VarnelPath<pid>" holding SubDir\MixedCase.Txt, SubDir\表ソ.Dat
// ("表ソ" is 95 5C 83 5C: a byte-wise split would cut it in two) and a long name;
// the current directory is SubDir during each test.
class CanonicalPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(sizeof temp, temp), 0u);
    base_ = CanonicalPath(temp);
    if (!base_.empty() && base_.back() == '\\') base_.pop_back();
    base_ += "\\VarnelPath" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(base_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((base_ + "\\SubDir").c_str(), nullptr));
    for (const char* name : {"MixedCase.Txt", "\x95\x5C\x83\x5C.Dat", "A Rather Long Name.binary"}) {
      made_.push_back(base_ + "\\SubDir\\" + name);
      HANDLE h =
          CreateFileA(made_.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
      ASSERT_NE(h, INVALID_HANDLE_VALUE) << made_.back();
      CloseHandle(h);
    }
    GetCurrentDirectoryA(sizeof saved_, saved_);
    ASSERT_TRUE(SetCurrentDirectoryA((base_ + "\\SubDir").c_str()));
  }
  void TearDown() override {
    SetCurrentDirectoryA(saved_);
    for (const std::string& f : made_) DeleteFileA(f.c_str());
    RemoveDirectoryA((base_ + "\\SubDir").c_str());
    RemoveDirectoryA(base_.c_str());
  }
  // text with each "%" replaced by the folder's canonical path.
  std::string At(const std::string& text) const {
    std::string out;
    for (char c : text) out += c == '%' ? base_ : std::string(1, c);
    return out;
  }

  std::string base_;
  std::vector<std::string> made_;
  char saved_[MAX_PATH] = {};
};

TEST_F(CanonicalPathTest, SpellsExistingComponentsAsStoredAndFileExistsSeesThem) {
  std::string lowerAll = At("%\\subdir\\MIXEDCASE.txt");
  for (char& c : lowerAll) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
  const std::string overlong = At("%\\") + std::string(4000, 'x');
  // Missing components keep the typed form; looking up "mixed*" would answer
  // with MixedCase.Txt, a different name.
  const std::pair<std::string, std::string> rows[] = {
      {lowerAll, At("%\\SubDir\\MixedCase.Txt")}, {"..\\subdir\\.\\mixedcase.txt", At("%\\SubDir\\MixedCase.Txt")},
      {At("%\\subdir\\NoSuch\\fRed.Bin"), At("%\\SubDir\\NoSuch\\fRed.Bin")}, {"new.bin", At("%\\SubDir\\new.bin")},
      {At("%\\subdir\\\x95\x5C\x83\x5C.dAT"), At("%\\SubDir\\\x95\x5C\x83\x5C.Dat")},
      {At("%\\subdir\\mixed*.txt"), At("%\\SubDir\\mixed*.txt")},
      {"\\\\NoServer\\Share\\Dir\\f.txt", "\\\\NoServer\\Share\\Dir\\f.txt"}, {overlong, overlong}};
  for (const auto& [typed, canonical] : rows) EXPECT_EQ(CanonicalPath(typed.c_str()), canonical) << typed;
  // FileExists finds files, folders and patterns.
  for (const char* path : {"%\\subdir\\mixedcase.txt", "%\\SubDir", "%\\SubDir\\mixed*"})
    EXPECT_TRUE(FileExists(At(path).c_str())) << path;
  for (const char* path : {"%\\SubDir\\nothing.bin", "%\\NoSuch\\MixedCase.Txt"})
    EXPECT_FALSE(FileExists(At(path).c_str())) << path;
}

TEST_F(CanonicalPathTest, ShortNamesBecomeLongNames) {
  std::string longName = made_[2];
  char shortName[MAX_PATH];
  DWORD n = GetShortPathNameA(longName.c_str(), shortName, sizeof shortName);
  if (n == 0 || n >= sizeof shortName || longName == shortName) GTEST_SKIP() << "no short names here";
  EXPECT_EQ(CanonicalPath(shortName), longName);
}

}  // namespace
