// The canonical form and the existence test on real files in a temporary folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/path.h"

namespace {

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
    MakeFile(base_ + "\\SubDir\\MixedCase.Txt");
    GetCurrentDirectoryA(sizeof savedDirectory_, savedDirectory_);
  }

  void TearDown() override {
    SetCurrentDirectoryA(savedDirectory_);
    for (const std::string& f : made_) DeleteFileA(f.c_str());
    RemoveDirectoryA((base_ + "\\SubDir").c_str());
    RemoveDirectoryA(base_.c_str());
  }

  void MakeFile(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    CloseHandle(h);
    made_.push_back(path);
  }

  static std::string Lower(std::string s) {
    for (char& c : s) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    }
    return s;
  }

  std::string base_;
  std::vector<std::string> made_;
  char savedDirectory_[MAX_PATH] = {};
};

TEST_F(CanonicalPathTest, CorrectsTheCaseOfEveryExistingComponent) {
  std::string typed = base_ + "\\subdir\\MIXEDCASE.txt";
  EXPECT_EQ(CanonicalPath(typed.c_str()), base_ + "\\SubDir\\MixedCase.Txt");
  // The whole path typed in lower case, drive letter included.
  EXPECT_EQ(CanonicalPath(Lower(typed).c_str()), base_ + "\\SubDir\\MixedCase.Txt");
}

TEST_F(CanonicalPathTest, DriveLetterIsUpperCased) {
  ASSERT_EQ(base_[1], ':');
  std::string typed = base_;
  typed[0] = static_cast<char>(typed[0] | 0x20);
  EXPECT_EQ(CanonicalPath(typed.c_str()), base_);
}

TEST_F(CanonicalPathTest, MissingComponentsKeepTheTypedForm) {
  std::string typed = base_ + "\\subdir\\NoSuch\\fRed.Bin";
  EXPECT_EQ(CanonicalPath(typed.c_str()), base_ + "\\SubDir\\NoSuch\\fRed.Bin");
}

TEST_F(CanonicalPathTest, RelativePathsBecomeFull) {
  ASSERT_TRUE(SetCurrentDirectoryA((base_ + "\\SubDir").c_str()));
  EXPECT_EQ(CanonicalPath("mixedcase.txt"), base_ + "\\SubDir\\MixedCase.Txt");
  EXPECT_EQ(CanonicalPath("..\\subdir\\.\\mixedcase.txt"), base_ + "\\SubDir\\MixedCase.Txt");
  EXPECT_EQ(CanonicalPath("new.bin"), base_ + "\\SubDir\\new.bin");
}

TEST_F(CanonicalPathTest, TrailingSeparatorIsKept) {
  EXPECT_EQ(CanonicalPath((base_ + "\\subdir\\").c_str()), base_ + "\\SubDir\\");
}

TEST_F(CanonicalPathTest, DoubleByteNamesWithTrailBackslash) {
  // "表ソ" is 95 5C 83 5C: a byte-wise split would cut the name in two.
  MakeFile(base_ + "\\SubDir\\\x95\x5C\x83\x5C.Dat");
  std::string typed = base_ + "\\subdir\\\x95\x5C\x83\x5C.dAT";
  EXPECT_EQ(CanonicalPath(typed.c_str()), base_ + "\\SubDir\\\x95\x5C\x83\x5C.Dat");
}

TEST_F(CanonicalPathTest, ShortNamesBecomeLongNames) {
  std::string longName = base_ + "\\SubDir\\A Rather Long Name.binary";
  MakeFile(longName);
  char shortName[MAX_PATH];
  DWORD n = GetShortPathNameA(longName.c_str(), shortName, sizeof shortName);
  if (n == 0 || n >= sizeof shortName || longName == shortName) GTEST_SKIP() << "no short names here";
  EXPECT_EQ(CanonicalPath(shortName), longName);
}

TEST_F(CanonicalPathTest, WildcardComponentsAreNotLookedUp) {
  // Looking up "mixed*" would answer with MixedCase.Txt, a different name.
  std::string typed = base_ + "\\subdir\\mixed*.txt";
  EXPECT_EQ(CanonicalPath(typed.c_str()), base_ + "\\SubDir\\mixed*.txt");
}

TEST_F(CanonicalPathTest, UncServerIsKeptAsTyped) {
  EXPECT_EQ(CanonicalPath("\\\\NoServer\\Share\\Dir\\f.txt"), "\\\\NoServer\\Share\\Dir\\f.txt");
}

TEST_F(CanonicalPathTest, OverlongInputComesBackUnchanged) {
  std::string typed = base_ + "\\" + std::string(4000, 'x');
  EXPECT_EQ(CanonicalPath(typed.c_str()), typed);
}

TEST_F(CanonicalPathTest, FileExistsFindsFilesFoldersAndPatterns) {
  EXPECT_TRUE(FileExists((base_ + "\\SubDir\\MixedCase.Txt").c_str()));
  EXPECT_TRUE(FileExists((base_ + "\\subdir\\mixedcase.txt").c_str()));
  EXPECT_TRUE(FileExists((base_ + "\\SubDir").c_str()));
  EXPECT_TRUE(FileExists((base_ + "\\SubDir\\mixed*").c_str()));
  EXPECT_FALSE(FileExists((base_ + "\\SubDir\\nothing.bin").c_str()));
  EXPECT_FALSE(FileExists((base_ + "\\NoSuch\\MixedCase.Txt").c_str()));
}

}  // namespace
