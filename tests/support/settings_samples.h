// Sample settings, file types and structure templates for the settings tests,
// and field-by-field comparisons of loaded against saved records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/settings.h"
#include "filetypes/file_type.h"
#include "structs/structure.h"

// A small deterministic generator, so a failing run can be repeated.
class SampleRandom {
 public:
  explicit SampleRandom(uint32_t seed) : state_(seed ? seed : 1) {}
  uint32_t Next();
  int32_t Between(int32_t low, int32_t high);  // inclusive
  // Shift-JIS text of 1 to maxBytes bytes mixing ASCII, half-width kana and kanji.
  std::string Text(int maxBytes);

 private:
  uint32_t state_;
};

// A file type with every byte of its font and all 261 colours varied.
FileType SampleFileType(SampleRandom& random);

// Templates with 0 to 12 members of every kind; laid out.
StructureList SampleStructures(SampleRandom& random, int count);

// Settings with every field in its valid range, and histories of 1 to 128-byte entries.
AppSettings SampleSettings(SampleRandom& random);

// gtest expectations over every field.
void ExpectSameFileTypes(const FileTypeList& expected, const FileTypeList& actual);
void ExpectSameStructures(const StructureList& expected, const StructureList& actual);
