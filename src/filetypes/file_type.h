// File types: named presets of display and save settings bound to file-name
// patterns, and the choice of a file type for a path.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/display_types.h"

struct FileType {
  std::string text;               // description, at most 3074 bytes of Shift-JIS
  std::string ext;                // patterns separated by ";", at most 3074 bytes
  uint32_t view = 0;              // the options word
  ColorRef color[kColorCount] = {};
  LogFont logfont = {};
};

// The ordered list; its size is the registry value "ftnum".
struct FileTypeList {
  std::vector<FileType> types;
};

// The program's file types ("FILETYPE%d"), loaded at start-up and saved at exit.
extern FileTypeList g_fileTypes;

// The font both built-in types use: MS Gothic, height -13, Shift-JIS, fixed pitch.
LogFont DefaultFileTypeFont();

// The base colours: window text, window, gray text, highlight text, highlight,
// then window text for every byte value.
void FillBaseColors(ColorRef (&color)[kColorCount], const SampledColors& system);

// Replaces an empty list by the two built-in types; a list that holds any type
// is left as it is.
void InstallBuiltinFileTypes(FileTypeList& list, const SampledColors& system);

// Index of the file type for a full path: exact patterns first, then wildcard
// patterns, then the type whose ext is exactly "*.*", else 0. An empty list gives 0.
int SelectFileType(const FileTypeList& list, const char* path);

// True when the path's name and extension match one pattern ("*" and "?" without
// backtracking; single-byte letters compared in upper case).
bool MatchesPattern(const char* path, const char* pattern);
