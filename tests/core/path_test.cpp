// Splitting and joining paths, Shift-JIS aware, with their limits, and
// randomised runs on hostile text.
#include "core/path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "support/hostile_text.h"

namespace {

// "表" is 95 5C and "ソ" is 83 5C: their trail byte is a backslash; "ポ" is 83 7C.
// A successful split joins back to the same path.
TEST(SplitPath, PartsAndLimits) {
  const std::string dir1024 = "\\" + std::string(1022, 'd') + "\\", name1024(1024, 'n');
  const std::string ext1023 = "." + std::string(1022, 'e');
  std::string wide;  // a double-byte name counts bytes, not characters
  for (int i = 0; i < 512; ++i) wide += "\x95\x5C";
  const struct {
    std::string path;
    int status;
    PathParts parts;  // checked on success only
  } rows[] = {
      {"C:\\dir\\file.txt", 0, {"C:", "\\dir\\", "file", ".txt"}}, {"c:file", 0, {"c:", "", "file", ""}},
      {"\\\\server\\share\\a.b.c", 0, {"", "\\\\server\\share\\", "a.b", ".c"}}, {"a.", 0, {"", "", "a", "."}},
      {".profile", 0, {"", "", "", ".profile"}}, {"C:\\d\\..", 0, {"C:", "\\d\\", ".", "."}},
      {"C:\\\x95\x5C\\\x83\x5C.txt", 0, {"C:", "\\\x95\x5C\\", "\x83\x5C", ".txt"}},
      {"\x83\x7C.txt", 0, {"", "", "\x83\x7C", ".txt"}}, {"a\"b", -1, {}}, {"C:/dir/file", -1, {}}, {"a<b", -1, {}},
      {"a|b", -1, {}}, {"abc\x81", -1, {}}, {"C:\\\x95\x5C\x95", -1, {}}, {"1:\\x", -1, {}}, {"C:\\a:b\\c.d", -1, {}},
      {"C:" + dir1024 + name1024 + ext1023, 0, {"C:", dir1024, name1024, ext1023}},  // 3,073 bytes
      {"C:\\x" + dir1024 + "n.e", -1, {}}, {"C:\\" + name1024 + "n.e", -1, {}}, {"C:\\n" + ext1023 + "e", -1, {}},
      {wide, 0, {"", "", wide, ""}}, {wide + "x", -1, {}}, {std::string(3075, '\\'), -1, {}}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.path.substr(0, 40));
    PathParts parts;
    ASSERT_EQ(SplitPath(r.path.c_str(), &parts), r.status);
    if (r.status != 0) continue;
    EXPECT_TRUE(parts == r.parts) << parts.drive << "|" << parts.dir << "|" << parts.name << "|" << parts.ext;
    std::string joined;
    ASSERT_EQ(JoinPath(&joined, parts), 0);
    EXPECT_EQ(joined, r.path);
  }
}

TEST(JoinPath, Table) {
  const std::string d1500(1500, 'd'), n1500(1500, 'n'), e72 = "." + std::string(72, 'e');
  const struct {
    PathParts parts;
    int status;
    std::string expected;
  } rows[] = {
      {{"C", "dir", "f", "txt"}, 0, "C:dir\\f.txt"}, {{"", "\\a\\", "b", ""}, 0, "\\a\\b"},
      {{"D:", "\\\x83\x5C", "a", ".b"}, 0, "D:\\\x83\x5C\\a.b"}, {{"", "\x81\x81", "", ""}, 0, "\x81\x81\\"},
      {{"CD", "", "f", ""}, -1, ""}, {{"C:\\", "", "f", ""}, -1, ""}, {{"", "\x81\x81\x81", "f", ""}, -1, ""},
      {{"", "", "a", ".\x95"}, -1, ""}, {{"", d1500, n1500, e72}, 0, d1500 + "\\" + n1500 + e72},  // 3,074 bytes
      {{"", d1500, n1500, e72 + "e"}, -1, ""}};
  for (const auto& r : rows) {
    std::string out = "stale";
    EXPECT_EQ(JoinPath(&out, r.parts), r.status) << r.expected.substr(0, 20);
    EXPECT_EQ(out, r.expected);
  }
}

// Random paths split, join back and split the same again.
TEST(SplitPath, RandomPathsRoundTrip) {
  const char kFavoured[] = " \"\\:./*?<>|";
  std::mt19937 rng(0x5EED0006);
  int succeeded = 0;
  for (int run = 0; run < 20000; ++run) {
    std::string path = rng() % 3 == 0 ? std::string(1, static_cast<char>('A' + rng() % 26)) + ":" : "";
    path += HostileText(rng, 3200, kFavoured);
    PathParts parts, again;
    if (SplitPath(path.c_str(), &parts) != 0) continue;
    ++succeeded;
    EXPECT_LT(path.size(), static_cast<size_t>(kMaxSplitPathLength));
    EXPECT_LE(std::max({parts.dir.size(), parts.name.size(), parts.ext.size()}), size_t{kMaxPathPartLength});
    std::string joined;
    ASSERT_EQ(JoinPath(&joined, parts), 0) << path;
    EXPECT_EQ(joined, path);
    ASSERT_EQ(SplitPath(joined.c_str(), &again), 0);
    EXPECT_TRUE(again == parts) << path;
  }
  EXPECT_GT(succeeded, 1000);  // the generator must reach the interesting cases
}

}  // namespace
