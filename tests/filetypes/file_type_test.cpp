// File types: the built-in presets byte for byte, pattern matching and the choice by name.
#include "filetypes/file_type.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

namespace {

const SampledColors kSystem = {Rgb(1, 2, 3), Rgb(250, 251, 252), Rgb(128, 128, 128), Rgb(255, 255, 254),
                               Rgb(0, 0, 200)};

TEST(FileType, BuiltinsByteForBytePatternMatchingAndTheChoiceOfAType) {
  FileTypeList list;
  InstallBuiltinFileTypes(list, kSystem);
  ASSERT_EQ(list.types.size(), 2u);
  // "ＭＳ ゴシック" in code page 932, zeros to the end of the face.
  const LogFont font{-13, 0, 0, 0, 400, 0, 0, 0, 128, 4, 0, 1, 49,
                     "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E"};
  // Text (実行可能ﾌｧｲﾙ, すべてのﾌｧｲﾙ), patterns and view options of each.
  const std::tuple<const char*, const char*, uint32_t> rows[] = {
      {"\x8E\xC0\x8D\x73\x89\xC2\x94\x5C\xCC\xA7\xB2\xD9 (*.exe)", "*.EXE", 0},
      {"\x82\xB7\x82\xD7\x82\xC4\x82\xCC\xCC\xA7\xB2\xD9 (*.*)", "*.*", 128}};
  const ColorRef base[5] = {kSystem.windowText, kSystem.window, kSystem.grayText, kSystem.highlightText,
                            kSystem.highlight};
  for (size_t i = 0; i < 2; ++i) {
    const FileType& t = list.types[i];
    EXPECT_TRUE(std::tie(t.text, t.ext, t.view) == rows[i]) << i;
    EXPECT_EQ(std::memcmp(&t.logfont, &font, sizeof font), 0);
    for (int c = 0; c < kColorCount; ++c) {
      const bool printable = i == 0 && c >= 5 + 0x20 && c <= 5 + 0x7D;  // 0x7E keeps the text colour
      EXPECT_EQ(t.color[c], c < 5 ? base[c] : printable ? kSystem.highlight : kSystem.windowText) << i << " " << c;
    }
  }
  list.types.resize(1);
  InstallBuiltinFileTypes(list, kSystem);
  EXPECT_EQ(list.types.size(), 1u);
  // Pattern matching: path, pattern, match, why.
  const std::tuple<const char*, const char*, bool, const char*> patterns[] = {
      {"C:\\d\\data.exe", "*.EXE", true, "case folded"},
      {"C:\\d\\data.EXE.bak", "*.EXE", false, "the last extension counts"},
      {"C:\\d\\README", "*.*", false, "a star needs a byte, so no extension never matches *.*"},
      {"README", "*.", true, "an empty pattern extension matches an empty extension"},
      {"ABA", "*A", false, "the star stops at the first A"},
      {"abcbc.txt", "a*c.txt", false, "no backtracking past the first c"},
      {"a.txt", " *.txt", false, "a leading space never matches"},
      {"C:\\x\\dump.bin", "D:\\other\\DUMP.BIN", true, "the pattern's directory is ignored"},
      {"\x83\x65.txt", "\x83\x45.txt", false, "trail bytes are not upper-cased (テ is not ウ)"},
      {"a<b.txt", "*.TXT", false, "an unsplittable path matches nothing"},
  };
  for (const auto& [path, pattern, match, why] : patterns)
    EXPECT_EQ(MatchesPattern(path, pattern), match) << path << " ~ " << pattern << ": " << why;
  // The types' patterns, the path, the type chosen.
  const std::tuple<std::vector<const char*>, const char*, int> choices[] = {
      {{"*.EXE", "*.*"}, "C:\\w\\README", 1},          // the "*.*" fallback
      {{"*.BIN", "DUMP.BIN"}, "C:\\x\\dump.bin", 1},   // exact patterns before wildcards
      {{"*.TXT; *.DOC", "*.*"}, "a.doc", 1},           // " *.DOC" never matches
      {{";", ";;*.BIN;", "*.*"}, "a.bin", 1},          // empty tokens skipped
      {{"*.EXE", "*.BIN"}, "README", 0},              // no "*.*": the first type
      {{"*.EXE", "*.* ", "*.*"}, "README", 2},        // exactly "*.*"
  };
  for (const auto& [exts, path, index] : choices) {
    FileTypeList list;
    for (const char* e : exts) list.types.push_back(FileType{e, e, 0, {}, {}});
    EXPECT_EQ(SelectFileType(list, path), index) << path << " in " << exts.size();
  }
}

}  // namespace
