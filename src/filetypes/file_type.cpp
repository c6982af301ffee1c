// File types: the built-in presets and the choice of a preset by file name.
#include "filetypes/file_type.h"

#include <cstring>
#include <string_view>

#include "core/codepage.h"
#include "core/path.h"

namespace {

// Upper-cases the single-byte characters; both bytes of a double-byte character
// stay as they are.
std::string UpperSingleBytes(std::string text) {
  for (size_t i = 0; i < text.size(); ++i) {
    auto b = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(b)) {
      ++i;
    } else {
      text[i] = static_cast<char>(UpperAnsiChar(b));
    }
  }
  return text;
}

// One component against one pattern: "?" takes one byte, "*" runs to the first
// byte equal to the pattern's next character (or to the end) and never goes back.
bool MatchesComponent(const std::string& subject, const std::string& pattern) {
  size_t s = 0;
  size_t p = 0;
  while (s < subject.size()) {
    if (p >= pattern.size()) break;
    char c = pattern[p];
    if (c == '?') {
      ++s;
      ++p;
    } else if (c == '*') {
      while (p < pattern.size() && pattern[p] == '*') ++p;
      if (p >= pattern.size()) {
        s = subject.size();
      } else {
        while (s < subject.size() && subject[s] != pattern[p]) ++s;
      }
    } else {
      if (subject[s] != c) return false;
      ++s;
      ++p;
    }
  }
  return s >= subject.size() && p >= pattern.size();
}

std::string WithoutDot(const std::string& ext) { return ext.empty() ? ext : ext.substr(1); }

// Calls visit with each non-empty ";"-separated token of ext until it returns true.
template <typename Visit>
bool AnyToken(const std::string& ext, Visit visit) {
  size_t start = 0;
  while (start <= ext.size()) {
    size_t end = ext.find(';', start);
    if (end == std::string::npos) end = ext.size();
    if (end > start && visit(ext.substr(start, end - start))) return true;
    start = end + 1;
  }
  return false;
}

FileType BuiltinType(const char* text, const char* ext, uint32_t view, const SampledColors& system) {
  FileType type;
  type.text = text;
  type.ext = ext;
  type.view = view;
  FillBaseColors(type.color, system);
  type.logfont = DefaultFileTypeFont();
  return type;
}

}  // namespace

LogFont DefaultFileTypeFont() {
  LogFont font = {};
  font.lfHeight = -13;
  font.lfWeight = 400;
  font.lfCharSet = 128;
  font.lfOutPrecision = 4;
  font.lfClipPrecision = 0;
  font.lfQuality = 1;
  font.lfPitchAndFamily = 49;
  static const char kFace[] = "ＭＳ ゴシック";
  static_assert(sizeof kFace <= sizeof font.lfFaceName);
  std::memcpy(font.lfFaceName, kFace, sizeof kFace);
  return font;
}

void FillBaseColors(ColorRef (&color)[kColorCount], const SampledColors& system) {
  color[kColorText] = system.windowText;
  color[kColorBack] = system.window;
  color[kColorFixed] = system.grayText;
  color[kColorSelText] = system.highlightText;
  color[kColorSelBack] = system.highlight;
  for (int b = 0; b < 256; ++b) color[kColorByte0 + b] = system.windowText;
}

void InstallBuiltinFileTypes(FileTypeList& list, const SampledColors& system) {
  if (!list.types.empty()) return;
  FileType executable = BuiltinType("実行可能ﾌｧｲﾙ (*.exe)", "*.EXE", 0, system);
  for (int b = 0x20; b <= 0x7D; ++b) executable.color[kColorByte0 + b] = system.highlight;
  list.types.push_back(std::move(executable));
  list.types.push_back(BuiltinType("すべてのﾌｧｲﾙ (*.*)", "*.*", kOptSystemColors, system));
}

int SelectFileType(const FileTypeList& list, const char* path) {
  int count = static_cast<int>(list.types.size());
  for (int i = 0; i < count; ++i) {
    bool hit = AnyToken(list.types[i].ext, [&](const std::string& token) {
      return token.find_first_of("*?") == std::string::npos && MatchesPattern(path, token.c_str());
    });
    if (hit) return i;
  }
  for (int i = 0; i < count; ++i) {
    bool hit = AnyToken(list.types[i].ext,
                        [&](const std::string& token) { return MatchesPattern(path, token.c_str()); });
    if (hit) return i;
  }
  for (int i = 0; i < count; ++i) {
    if (list.types[i].ext == "*.*") return i;
  }
  return 0;
}

bool MatchesPattern(const char* path, const char* pattern) {
  PathParts subject;
  PathParts wanted;
  if (SplitPath(path, &subject) != 0 || SplitPath(pattern, &wanted) != 0) return false;
  return MatchesComponent(UpperSingleBytes(subject.name), UpperSingleBytes(wanted.name)) &&
         MatchesComponent(UpperSingleBytes(WithoutDot(subject.ext)), UpperSingleBytes(WithoutDot(wanted.ext)));
}

FileTypeList g_fileTypes;
