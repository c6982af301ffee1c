// Sample settings, file types and structure templates for the settings tests,
// loads and saves of whole record sets, and field-by-field comparisons of loaded
// against saved records.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/settings/settings_io.h"
#include "filetypes/file_type.h"
#include "shell/settings.h"
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

// Everything the settings load fills and the save writes.
struct SettingsRecords {
  StartupOptions options;
  AppSettings settings;
  FileTypeList fileTypes;
  StructureList structures;
  FrameBounds rect = {10, 20, 650, 500};         // written as "rect"
  std::vector<std::string> fileHistory = {};     // written as "history0".."history9"
  int status = 0;                                // what the load returned
};

// A 1024 x 768 primary screen; window text 0x000001, window 0xFFFFFE, gray text
// 0x808081, highlight text 0xFFFFFD, highlight 0x800002.
SettingsEnvironment TestScreen();

// LoadSettings on TestScreen() into start (status set), then LoadHistories when
// histories is true and the load succeeded.
SettingsRecords LoadRecords(RegistryStore& registry, IniReader& ini, SettingsRecords start = {},
                            bool histories = false);

// SaveSettings of records.
int SaveRecords(RegistryStore& registry, const SettingsRecords& records);

// One of each: values 1..5, zoomed, an open path, a find history entry, one file
// type "t", one template "s" of one member, the file history {"C:\a.bin"}.
SettingsRecords SmallRecords();

// The values as little-endian 32-bit words.
std::vector<uint8_t> Le32s(std::initializer_list<int32_t> values);
