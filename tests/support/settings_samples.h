// Sample settings records for the settings tests: a small fixed set and random
// ones, their load and save, and texts of whole lists to compare in one step.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/settings/settings_io.h"
#include "filetypes/file_type.h"
#include "shell/settings.h"
#include "structs/structure.h"

// Everything the settings load fills and the save writes.
struct SettingsRecords {
  StartupOptions options;
  AppSettings settings;
  FileTypeList fileTypes;
  StructureList structures;
  FrameBounds rect = {10, 20, 650, 500};      // written as "rect"
  std::vector<std::string> fileHistory = {};  // written as "history0".."history9"
  int status = 0;                             // what the load returned
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

// Records with every value in its range from a repeatable generator: Shift-JIS
// texts, 0 to 5 file types with every font byte and colour varied, 0 to 6 laid-out
// templates of members of every kind, histories of 1 to 128-byte entries, 0 to 9
// file-history entries; written with /Q7.
SettingsRecords SampleRecords(uint32_t seed);

// Every field of every entry as text, one line an entry.
std::string Describe(const FileTypeList& list);
std::string Describe(const StructureList& list);

// The values as little-endian 32-bit words.
std::vector<uint8_t> Le32s(std::initializer_list<int32_t> values);
