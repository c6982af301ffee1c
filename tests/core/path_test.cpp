// Splitting and joining paths, Shift-JIS aware, with their limits, and
// randomised runs on hostile text.
#include "core/path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

#include "core/text_limits.h"
#include "support/hostile_text.h"

namespace {

const char kFavoured[] = " \"\\:./*?<>|";  // what the random texts favour

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
    {"drive-relative", "c:file", 0, {"c:", "", "file", ""}}, {"drive alone", "C:", 0, {"C:", "", "", ""}},
    {"root", "C:\\", 0, {"C:", "\\", "", ""}}, {"name only", "file", 0, {"", "", "file", ""}},
    {"empty", "", 0, {"", "", "", ""}},
    {"UNC", "\\\\server\\share\\a.b.c", 0, {"", "\\\\server\\share\\", "a.b", ".c"}},
    {"dot in directory only", "dir.x\\file", 0, {"", "dir.x\\", "file", ""}},
    {"leading dot is an extension", ".profile", 0, {"", "", "", ".profile"}},
    {"trailing separator", "C:\\dir\\", 0, {"C:", "\\dir\\", "", ""}}, {"trailing dot", "a.", 0, {"", "", "a", "."}},
    {"dot dot", "C:\\d\\..", 0, {"C:", "\\d\\", ".", "."}}, {"drive and extension", "C:x.y", 0, {"C:", "", "x", ".y"}},
    {"relative directory", "sub\\bm", 0, {"", "sub\\", "bm", ""}},
    {"wildcards are plain bytes", "*.*", 0, {"", "", "*", ".*"}},
    {"trail 5C is no separator", "\x95\x5C", 0, {"", "", "\x95\x5C", ""}},
    {"trail 5C in directory and name", "C:\\\x95\x5C\\\x83\x5C.txt", 0, {"C:", "\\\x95\x5C\\", "\x83\x5C", ".txt"}},
    {"directory ending in trail 5C", "\x95\x5C\\\x95\x5C\x83\x5C", 0, {"", "\x95\x5C\\", "\x95\x5C\x83\x5C", ""}},
    {"trail 7C is no bar", "\x83\x7C.txt", 0, {"", "", "\x83\x7C", ".txt"}},  // "ポ"
    {"quote", "a\"b", -1, {}}, {"slash", "C:/dir/file", -1, {}}, {"less", "a<b", -1, {}}, {"greater", "a>b", -1, {}},
    {"bar", "a|b", -1, {}}, {"lone lead byte at end", "abc\x81", -1, {}}, {"lead byte alone", "\x95", -1, {}},
    {"lead byte after trail 5C", "C:\\\x95\x5C\x95", -1, {}}, {"digit drive", "1:\\x", -1, {}},
    {"two-letter drive", "AB:\\x", -1, {}}, {"colon first", ":x", -1, {}}, {"second colon", "C:D:x", -1, {}},
    {"colon inside directory", "C:\\a:b\\c.d", -1, {}}, {"double-byte drive", "\x82\xA0:x", -1, {}},
};

// A successful split joins back to the same path.
TEST(SplitPath, Table) {
  for (const SplitCase& c : kSplitCases) {
    PathParts parts;
    ASSERT_EQ(SplitPath(c.path.c_str(), &parts), c.status) << c.why;
    if (c.status != 0) continue;
    EXPECT_TRUE(parts == c.parts) << c.why << ": " << parts.drive << "|" << parts.dir << "|" << parts.name << "|"
                                  << parts.ext;
    std::string joined;
    ASSERT_EQ(JoinPath(&joined, parts), 0) << c.why;
    EXPECT_EQ(joined, c.path) << c.why;
  }
}

TEST(SplitPath, PartAndPathLimits) {
  const std::string dir1024 = "\\" + std::string(1022, 'd') + "\\";
  const std::string name1024(1024, 'n');
  const std::string ext1023 = "." + std::string(1022, 'e');
  std::string wide;  // a double-byte name counts bytes, not characters
  for (int i = 0; i < 512; ++i) wide += "\x95\x5C";
  const SplitCase rows[] = {
      {"the largest parts, 3,073 bytes in all", "C:" + dir1024 + name1024 + ext1023, 0,
       {"C:", dir1024, name1024, ext1023}},
      {"directory of 1,025", "C:\\x" + dir1024 + "n.e", -1, {}}, {"name of 1,025", "C:\\" + name1024 + "n.e", -1, {}},
      {"extension of 1,024", "C:\\n" + ext1023 + "e", -1, {}},
      {"double-byte name of 1,024 bytes", wide, 0, {"", "", wide, ""}},
      {"double-byte name of 1,025 bytes", wide + "x", -1, {}}, {"path of 3,075 bytes", std::string(3075, '\\'), -1, {}},
      {"path of 100,000 bytes", std::string(100000, 'a'), -1, {}},
      {"3,074 separators are a directory too long as a part", std::string(3074, '\\'), -1, {}},
      {"1,024 separators", std::string(1024, '\\'), 0, {"", std::string(1024, '\\'), "", ""}},
  };
  for (const auto& r : rows) {
    PathParts parts;
    ASSERT_EQ(SplitPath(r.path.c_str(), &parts), r.status) << r.why;
    EXPECT_TRUE(r.status != 0 || parts == r.parts) << r.why;
  }
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
    {"case of the letter kept", {"c", "", "f", ""}, 0, "c:f"}, {"nothing", {"", "", "", ""}, 0, ""},
    {"extension alone", {"", "", "", "ini"}, 0, ".ini"}, {"dot alone", {"", "", "", "."}, 0, "."},
    {"separator not doubled", {"", "\\a\\", "b", ""}, 0, "\\a\\b"},
    {"directory ending in 表", {"", "\x95\x5C", "a", ""}, 0, "\x95\x5C\\a"},
    {"directory ending in ソ", {"D:", "\\\x83\x5C", "a", ".b"}, 0, "D:\\\x83\x5C\\a.b"},
    {"two lead bytes make one character", {"", "\x81\x81", "", ""}, 0, "\x81\x81\\"},
    {"two-letter drive", {"CD", "", "f", ""}, -1, ""}, {"digit drive", {"1:", "", "f", ""}, -1, ""},
    {"drive with separator", {"C:\\", "", "f", ""}, -1, ""}, {"colon drive", {":", "", "f", ""}, -1, ""},
    {"directory ends in lead byte", {"", "a\x81", "f", ""}, -1, ""},
    {"directory ends in third lead byte", {"", "\x81\x81\x81", "f", ""}, -1, ""},
    {"name ends in lead byte", {"", "", "\x95", ""}, -1, ""},
    {"extension ends in lead byte", {"", "", "a", ".\x95"}, -1, ""},
    {"3,074 bytes fit a text buffer", {"", std::string(1500, 'd'), std::string(1500, 'n'), "." + std::string(72, 'e')},
     0, std::string(1500, 'd') + "\\" + std::string(1500, 'n') + "." + std::string(72, 'e')},
    {"3,075 bytes do not", {"", std::string(1500, 'd'), std::string(1500, 'n'), "." + std::string(73, 'e')}, -1, ""},
};

TEST(JoinPath, Table) {
  for (const JoinCase& c : kJoinCases) {
    std::string out = "stale";
    EXPECT_EQ(JoinPath(&out, c.parts), c.status) << c.why;
    EXPECT_EQ(out, c.expected) << c.why;
  }
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

// Random paths split, join back and split the same again; random parts join
// into a path that fits or into nothing.
TEST(SplitPath, RandomPathsAndPartsRoundTrip) {
  std::mt19937 rng(0x5EED0006);
  int succeeded = 0;
  for (int run = 0; run < 20000; ++run) {
    PathParts random{HostileText(rng, 3, kFavoured), HostileText(rng, 1200, kFavoured),
                     HostileText(rng, 1200, kFavoured), HostileText(rng, 1200, kFavoured)};
    std::string out = "stale";
    if (JoinPath(&out, random) != 0) {
      EXPECT_EQ(out, "");
    } else {
      EXPECT_LE(out.size(), static_cast<size_t>(kMaxTextLength));
      EXPECT_TRUE(random.drive.empty() || out.substr(0, 2) == std::string(1, random.drive[0]) + ":") << out;
      EXPECT_NE(out.find(random.name), std::string::npos);
    }
    std::string path = rng() % 3 == 0 ? std::string(1, static_cast<char>('A' + rng() % 26)) + ":" : "";
    path += HostileText(rng, 3200, kFavoured);
    PathParts parts, again;
    if (SplitPath(path.c_str(), &parts) != 0) continue;
    ++succeeded;
    EXPECT_TRUE(parts.drive.empty() || (parts.drive.size() == 2 && parts.drive[1] == ':'));
    EXPECT_TRUE(parts.dir.empty() || parts.dir.back() == '\\') << path;
    EXPECT_TRUE(parts.ext.empty() || parts.ext[0] == '.');
    EXPECT_LT(path.size(), static_cast<size_t>(kMaxSplitPathLength));
    EXPECT_LE(std::max(parts.dir.size(), parts.name.size()), static_cast<size_t>(kMaxPathPartLength));
    EXPECT_LE(parts.ext.size(), static_cast<size_t>(kMaxExtensionLength));
    std::string joined;
    ASSERT_EQ(JoinPath(&joined, parts), 0) << path;
    EXPECT_EQ(joined, path);
    ASSERT_EQ(SplitPath(joined.c_str(), &again), 0);
    EXPECT_TRUE(again == parts) << path;
  }
  EXPECT_GT(succeeded, 1000);  // the generator must reach the interesting cases
}

}  // namespace
