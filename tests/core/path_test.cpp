// Splitting and joining paths, Shift-JIS aware, with their limits.
#include "core/path.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct SplitCase {
  const char* why;
  std::string path;
  int status;
  PathParts parts;  // checked on success only
};

// "表" is 95 5C and "ソ" is 83 5C: their trail byte is a backslash.
const SplitCase kSplitCases[] = {
    {"full path", "C:\\dir\\file.txt", 0, {"C:", "\\dir\\", "file", ".txt"}},
    {"lower-case drive kept", "c:\\a\\b.c", 0, {"c:", "\\a\\", "b", ".c"}},
    {"drive-relative", "c:file", 0, {"c:", "", "file", ""}},
    {"drive alone", "C:", 0, {"C:", "", "", ""}},
    {"root", "C:\\", 0, {"C:", "\\", "", ""}},
    {"name only", "file", 0, {"", "", "file", ""}},
    {"empty", "", 0, {"", "", "", ""}},
    {"UNC", "\\\\server\\share\\a.b.c", 0, {"", "\\\\server\\share\\", "a.b", ".c"}},
    {"dot in directory only", "dir.x\\file", 0, {"", "dir.x\\", "file", ""}},
    {"leading dot is an extension", ".profile", 0, {"", "", "", ".profile"}},
    {"trailing separator", "C:\\dir\\", 0, {"C:", "\\dir\\", "", ""}},
    {"trailing dot", "a.", 0, {"", "", "a", "."}},
    {"dot dot", "C:\\d\\..", 0, {"C:", "\\d\\", ".", "."}},
    {"drive and extension", "C:x.y", 0, {"C:", "", "x", ".y"}},
    {"relative directory", "sub\\bm", 0, {"", "sub\\", "bm", ""}},
    {"wildcards are plain bytes", "*.*", 0, {"", "", "*", ".*"}},
    {"trail 5C is no separator", "\x95\x5C", 0, {"", "", "\x95\x5C", ""}},
    {"trail 5C in directory and name", "C:\\\x95\x5C\\\x83\x5C.txt", 0, {"C:", "\\\x95\x5C\\", "\x83\x5C", ".txt"}},
    {"directory ending in trail 5C", "\x95\x5C\\\x95\x5C\x83\x5C", 0, {"", "\x95\x5C\\", "\x95\x5C\x83\x5C", ""}},
    {"trail 7C is no bar", "\x83\x7C.txt", 0, {"", "", "\x83\x7C", ".txt"}},  // "ポ"
    {"quote", "a\"b", -1, {}},
    {"slash", "C:/dir/file", -1, {}},
    {"less", "a<b", -1, {}},
    {"greater", "a>b", -1, {}},
    {"bar", "a|b", -1, {}},
    {"lone lead byte at end", "abc\x81", -1, {}},
    {"lead byte alone", "\x95", -1, {}},
    {"lead byte after trail 5C", "C:\\\x95\x5C\x95", -1, {}},
    {"digit drive", "1:\\x", -1, {}},
    {"two-letter drive", "AB:\\x", -1, {}},
    {"colon first", ":x", -1, {}},
    {"second colon", "C:D:x", -1, {}},
    {"colon inside directory", "C:\\a:b\\c.d", -1, {}},
    {"double-byte drive", "\x82\xA0:x", -1, {}},
};

TEST(SplitPath, Table) {
  for (const SplitCase& c : kSplitCases) {
    PathParts parts;
    ASSERT_EQ(SplitPath(c.path.c_str(), &parts), c.status) << c.why;
    if (c.status != 0) continue;
    EXPECT_EQ(parts.drive, c.parts.drive) << c.why;
    EXPECT_EQ(parts.dir, c.parts.dir) << c.why;
    EXPECT_EQ(parts.name, c.parts.name) << c.why;
    EXPECT_EQ(parts.ext, c.parts.ext) << c.why;
  }
}

TEST(SplitPath, SuccessfulSplitsJoinBackToTheSamePath) {
  for (const SplitCase& c : kSplitCases) {
    if (c.status != 0) continue;
    PathParts parts;
    ASSERT_EQ(SplitPath(c.path.c_str(), &parts), 0);
    std::string joined;
    ASSERT_EQ(JoinPath(&joined, parts), 0) << c.why;
    EXPECT_EQ(joined, c.path) << c.why;
  }
}

TEST(SplitPath, PartLimits) {
  const std::string dir1024 = "\\" + std::string(1022, 'd') + "\\";
  const std::string name1024(1024, 'n');
  const std::string ext1023 = "." + std::string(1022, 'e');
  PathParts parts;

  // The largest parts, 3,073 bytes in all.
  std::string largest = "C:" + dir1024 + name1024 + ext1023;
  ASSERT_EQ(largest.size(), 3073u);
  ASSERT_EQ(SplitPath(largest.c_str(), &parts), 0);
  EXPECT_EQ(parts.dir, dir1024);
  EXPECT_EQ(parts.name, name1024);
  EXPECT_EQ(parts.ext, ext1023);

  EXPECT_EQ(SplitPath(("C:\\x" + dir1024 + "n.e").c_str(), &parts), -1) << "directory of 1,025";
  EXPECT_EQ(SplitPath(("C:\\" + name1024 + "n.e").c_str(), &parts), -1) << "name of 1,025";
  EXPECT_EQ(SplitPath(("C:\\n" + ext1023 + "e").c_str(), &parts), -1) << "extension of 1,024";

  // A double-byte name counts bytes, not characters.
  std::string wide;
  for (int i = 0; i < 512; ++i) wide += "\x95\x5C";
  EXPECT_EQ(SplitPath(wide.c_str(), &parts), 0);
  EXPECT_EQ(parts.name, wide);
  EXPECT_EQ(SplitPath((wide + "x").c_str(), &parts), -1);
}

TEST(SplitPath, WholePathLimit) {
  PathParts parts;
  EXPECT_EQ(SplitPath(std::string(3075, '\\').c_str(), &parts), -1);
  EXPECT_EQ(SplitPath(std::string(100000, 'a').c_str(), &parts), -1);
  // 3,074 separators make a directory of 3,074 bytes: too long as a part.
  EXPECT_EQ(SplitPath(std::string(3074, '\\').c_str(), &parts), -1);
  EXPECT_EQ(SplitPath(std::string(1024, '\\').c_str(), &parts), 0);
}

struct JoinCase {
  const char* why;
  PathParts parts;
  int status;
  std::string expected;
};

const JoinCase kJoinCases[] = {
    {"all parts", {"C:", "\\dir\\", "file", ".txt"}, 0, "C:\\dir\\file.txt"},
    {"bare letter and bare extension", {"C", "dir", "f", "txt"}, 0, "C:dir\\f.txt"},
    {"case of the letter kept", {"c", "", "f", ""}, 0, "c:f"},
    {"nothing", {"", "", "", ""}, 0, ""},
    {"extension alone", {"", "", "", "ini"}, 0, ".ini"},
    {"dot alone", {"", "", "", "."}, 0, "."},
    {"separator not doubled", {"", "\\a\\", "b", ""}, 0, "\\a\\b"},
    {"directory ending in 表", {"", "\x95\x5C", "a", ""}, 0, "\x95\x5C\\a"},
    {"directory ending in ソ", {"D:", "\\\x83\x5C", "a", ".b"}, 0, "D:\\\x83\x5C\\a.b"},
    {"two lead bytes make one character", {"", "\x81\x81", "", ""}, 0, "\x81\x81\\"},
    {"two-letter drive", {"CD", "", "f", ""}, -1, ""},
    {"digit drive", {"1:", "", "f", ""}, -1, ""},
    {"drive with separator", {"C:\\", "", "f", ""}, -1, ""},
    {"colon drive", {":", "", "f", ""}, -1, ""},
    {"directory ends in lead byte", {"", "a\x81", "f", ""}, -1, ""},
    {"directory ends in third lead byte", {"", "\x81\x81\x81", "f", ""}, -1, ""},
    {"name ends in lead byte", {"", "", "\x95", ""}, -1, ""},
    {"extension ends in lead byte", {"", "", "a", ".\x95"}, -1, ""},
};

TEST(JoinPath, Table) {
  for (const JoinCase& c : kJoinCases) {
    std::string out = "stale";
    EXPECT_EQ(JoinPath(&out, c.parts), c.status) << c.why;
    EXPECT_EQ(out, c.expected) << c.why;
  }
}

TEST(JoinPath, ResultMustFitATextBuffer) {
  std::string out = "stale";
  PathParts parts{"", std::string(1500, 'd'), std::string(1500, 'n'), "." + std::string(72, 'e')};
  ASSERT_EQ(JoinPath(&out, parts), 0);
  EXPECT_EQ(out.size(), 3074u);
  parts.ext += "e";
  EXPECT_EQ(JoinPath(&out, parts), -1);
  EXPECT_EQ(out, "");
}

TEST(FileExists, SeesAFileAndItsAbsence) {
  const char* name = "varnel_path_test.tmp";
  std::remove(name);
  EXPECT_FALSE(FileExists(name));
  std::FILE* f = std::fopen(name, "wb");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  EXPECT_TRUE(FileExists(name));
  std::remove(name);
  EXPECT_FALSE(FileExists(name));
}

}  // namespace
