// File types: the built-in presets byte for byte, pattern matching and the choice by name.
#include "filetypes/file_type.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const SampledColors kSystem = {Rgb(1, 2, 3), Rgb(250, 251, 252), Rgb(128, 128, 128), Rgb(255, 255, 254),
                               Rgb(0, 0, 200)};

TEST(DefaultFileTypeFont, EveryField) {
  LogFont f = DefaultFileTypeFont();
  EXPECT_EQ(f.lfHeight, -13);
  EXPECT_EQ(f.lfWidth, 0);
  EXPECT_EQ(f.lfEscapement, 0);
  EXPECT_EQ(f.lfOrientation, 0);
  EXPECT_EQ(f.lfWeight, 400);
  EXPECT_EQ(f.lfItalic, 0);
  EXPECT_EQ(f.lfUnderline, 0);
  EXPECT_EQ(f.lfStrikeOut, 0);
  EXPECT_EQ(f.lfCharSet, 128);
  EXPECT_EQ(f.lfOutPrecision, 4);
  EXPECT_EQ(f.lfClipPrecision, 0);
  EXPECT_EQ(f.lfQuality, 1);
  EXPECT_EQ(f.lfPitchAndFamily, 49);
  // "ＭＳ ゴシック" in code page 932, then zeros to the end of the face buffer.
  const char face[32] = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";
  EXPECT_EQ(std::memcmp(f.lfFaceName, face, sizeof face), 0);
}

TEST(InstallBuiltinFileTypes, TwoTypesByteForByte) {
  FileTypeList list;
  InstallBuiltinFileTypes(list, kSystem);
  ASSERT_EQ(list.types.size(), 2u);

  const FileType& exe = list.types[0];
  EXPECT_EQ(exe.text, "\x8E\xC0\x8D\x73\x89\xC2\x94\x5C\xCC\xA7\xB2\xD9 (*.exe)");  // 実行可能ﾌｧｲﾙ
  EXPECT_EQ(exe.ext, "*.EXE");
  EXPECT_EQ(exe.view, 0u);
  const FileType& all = list.types[1];
  EXPECT_EQ(all.text, "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\xCC\xA7\xB2\xD9 (*.*)");  // すべてのﾌｧｲﾙ
  EXPECT_EQ(all.ext, "*.*");
  EXPECT_EQ(all.view, 128u);

  for (const FileType* t : {&exe, &all}) {
    EXPECT_EQ(t->color[0], kSystem.windowText);
    EXPECT_EQ(t->color[1], kSystem.window);
    EXPECT_EQ(t->color[2], kSystem.grayText);
    EXPECT_EQ(t->color[3], kSystem.highlightText);
    EXPECT_EQ(t->color[4], kSystem.highlight);
    LogFont font = DefaultFileTypeFont();
    EXPECT_EQ(std::memcmp(&t->logfont, &font, sizeof font), 0);
  }
  for (int b = 0; b < 256; ++b) {
    // 0x20..0x7D are highlighted in the executable type; 0x7E is not.
    ColorRef exeColor = (b >= 0x20 && b <= 0x7D) ? kSystem.highlight : kSystem.windowText;
    EXPECT_EQ(exe.color[5 + b], exeColor) << b;
    EXPECT_EQ(all.color[5 + b], kSystem.windowText) << b;
  }
}

TEST(InstallBuiltinFileTypes, LeavesAStoredListAlone) {
  FileTypeList list;
  list.types.push_back(FileType{"mine", "*.BIN", 3, {}, {}});
  InstallBuiltinFileTypes(list, kSystem);
  ASSERT_EQ(list.types.size(), 1u);
  EXPECT_EQ(list.types[0].text, "mine");
}

TEST(FillBaseColors, AllByteColoursAreWindowText) {
  ColorRef color[kColorCount];
  std::memset(color, 0xEE, sizeof color);
  FillBaseColors(color, kSystem);
  EXPECT_EQ(color[kColorFixed], kSystem.grayText);
  for (int b = 0; b < 256; ++b) EXPECT_EQ(color[kColorByte0 + b], kSystem.windowText);
}

struct MatchCase {
  const char* path;
  const char* pattern;
  bool match;
  const char* why;
};

const MatchCase kMatchCases[] = {
    {"C:\\d\\data.exe", "*.EXE", true, "case folded"},
    {"C:\\d\\data.EXE.bak", "*.EXE", false, "last extension counts"},
    {"C:\\d\\README", "*.*", false, "a star needs a byte, so no extension never matches *.*"},
    {"C:\\d\\a.b", "*.*", true, ""},
    {"README", "*.", true, "an empty pattern extension matches an empty extension"},
    {"A", "A*", false, "a star needs at least one byte"},
    {"AB", "A*", true, ""},
    {"ABA", "*A", false, "the star stops at the first A"},
    {"BA", "*A", true, ""},
    {"abcbc.txt", "a*c.txt", false, "no backtracking past the first c"},
    {"abc.txt", "a*c.txt", true, ""},
    {"abc", "*b*", true, ""},
    {"file.txt", "?ile.TXT", true, ""},
    {"a.c", "a?.c", false, "? needs a byte"},
    {"ab.c", "a?.c", true, ""},
    {"file.txt", "f?", false, ""},
    {"a.txt", "*", false, "the pattern has no extension"},
    {"a.txt", " *.txt", false, "a leading space never matches"},
    {"C:\\x\\dump.bin", "D:\\other\\DUMP.BIN", true, "the pattern's directory is ignored"},
    {"\x95\x5C.txt", "\x95\x5C.TXT", true, "double-byte name"},
    {"\x83\x65.txt", "\x83\x45.txt", false, "trail bytes are not upper-cased (テ is not ウ)"},
    {"a<b.txt", "*.TXT", false, "an unsplittable path matches nothing"},
    {"a.txt", "*.T|T", false, "an unsplittable pattern matches nothing"},
    {"", "", true, "nothing matches nothing"},
};

TEST(MatchesPattern, Table) {
  for (const MatchCase& c : kMatchCases) {
    EXPECT_EQ(MatchesPattern(c.path, c.pattern), c.match) << c.path << " ~ " << c.pattern << ": " << c.why;
  }
}

FileTypeList TypesWith(std::initializer_list<const char*> exts) {
  FileTypeList list;
  for (const char* e : exts) list.types.push_back(FileType{e, e, 0, {}, {}});
  return list;
}

TEST(SelectFileType, BuiltinList) {
  FileTypeList list;
  InstallBuiltinFileTypes(list, kSystem);
  EXPECT_EQ(SelectFileType(list, "C:\\work\\data.exe"), 0);
  EXPECT_EQ(SelectFileType(list, "C:\\work\\data.EXE.bak"), 1);
  EXPECT_EQ(SelectFileType(list, "C:\\work\\README"), 1);  // the "*.*" fallback
}

TEST(SelectFileType, ExactPatternsWinOverWildcards) {
  FileTypeList list = TypesWith({"*.BIN", "DUMP.BIN"});
  EXPECT_EQ(SelectFileType(list, "C:\\x\\dump.bin"), 1);
  EXPECT_EQ(SelectFileType(list, "C:\\x\\other.bin"), 0);
}

TEST(SelectFileType, TokensWithALeadingSpaceNeverMatch) {
  FileTypeList list = TypesWith({"*.TXT; *.DOC", "*.*"});
  EXPECT_EQ(SelectFileType(list, "a.txt"), 0);
  EXPECT_EQ(SelectFileType(list, "a.doc"), 1);
}

TEST(SelectFileType, EmptyTokensAreSkipped) {
  FileTypeList list = TypesWith({";", ";;*.BIN;", "*.*"});
  EXPECT_EQ(SelectFileType(list, "a.bin"), 1);
}

TEST(SelectFileType, FallbacksWithoutAMatch) {
  EXPECT_EQ(SelectFileType(TypesWith({"*.EXE", "*.BIN"}), "README"), 0);  // no "*.*": the first type
  EXPECT_EQ(SelectFileType(TypesWith({"*.EXE", "*.* ", "*.*"}), "README"), 2);  // exactly "*.*"
  EXPECT_EQ(SelectFileType(TypesWith({"*.EXE", "*.X;*.*"}), "README"), 0);  // "*.*" must be the whole ext
  EXPECT_EQ(SelectFileType(FileTypeList{}, "a.bin"), 0);
}

}  // namespace
