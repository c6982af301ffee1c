// The canonical form and the existence test on real files in a temporary folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/path.h"
#include "support/doc_files.h"

namespace {

// A folder holding SubDir\MixedCase.Txt, SubDir\表ソ.Dat ("表ソ" is 95 5C 83 5C:
// a byte-wise split would cut it in two) and a long name; the current directory
// is SubDir during the test.
TEST(CanonicalPath, SpellsExistingComponentsAsStoredAndFileExistsSeesThem) {
  TempFolder folder;
  const std::string base = CanonicalPath(folder.path().c_str()), sub = base + "\\SubDir";
  ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
  for (const char* name : {"MixedCase.Txt", "\x95\x5C\x83\x5C.Dat", "A Rather Long Name.binary"})
    ASSERT_TRUE(WriteWholeFile(sub + "\\" + name, {}));
  char saved[MAX_PATH];
  GetCurrentDirectoryA(sizeof saved, saved);
  ASSERT_TRUE(SetCurrentDirectoryA(sub.c_str()));
  std::string lowerAll = base + "\\subdir\\mixedcase.txt";
  for (char& c : lowerAll) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
  const std::string overlong = base + "\\" + std::string(4000, 'x'), unc = "\\\\NoServer\\Share\\Dir\\f.txt";
  // Missing components keep the typed form; looking up "mixed*" would answer
  // with MixedCase.Txt, a different name.
  const std::pair<std::string, std::string> rows[] = {
      {lowerAll, sub + "\\MixedCase.Txt"}, {"..\\subdir\\.\\mixedcase.txt", sub + "\\MixedCase.Txt"},
      {base + "\\subdir\\NoSuch\\fRed.Bin", sub + "\\NoSuch\\fRed.Bin"}, {"new.bin", sub + "\\new.bin"},
      {base + "\\subdir\\\x95\x5C\x83\x5C.dAT", sub + "\\\x95\x5C\x83\x5C.Dat"},
      {base + "\\subdir\\mixed*.txt", sub + "\\mixed*.txt"}, {unc, unc}, {overlong, overlong}};
  for (const auto& [typed, canonical] : rows) EXPECT_EQ(CanonicalPath(typed.c_str()), canonical) << typed;
  char shortName[MAX_PATH];
  if (GetShortPathNameA((sub + "\\A Rather Long Name.binary").c_str(), shortName, MAX_PATH) > 0) {
    EXPECT_EQ(CanonicalPath(shortName), sub + "\\A Rather Long Name.binary");  // short names become long names
  }
  // FileExists finds files, folders and patterns.
  for (const std::string& path : {lowerAll, sub, sub + "\\mixed*"}) EXPECT_TRUE(FileExists(path.c_str())) << path;
  for (const std::string& path : {sub + "\\nothing.bin", base + "\\NoSuch\\MixedCase.Txt"})
    EXPECT_FALSE(FileExists(path.c_str())) << path;
  SetCurrentDirectoryA(saved);
}

}  // namespace
