// The legacy INI file, read through GetPrivateProfileStringA / GetPrivateProfileIntA.
#pragma once

#include <string>

#include "app/settings/settings_store.h"

// Reads the file at path (Windows only). An empty path reads as a file without
// any section, so every read gives its default.
class IniFile : public IniReader {
 public:
  explicit IniFile(std::string path) : path_(std::move(path)) {}

  std::string GetString(const char* section, const char* key, const char* defaultText, int maxLength) override;
  int32_t GetInt(const char* section, const char* key, int32_t defaultValue) override;
  bool HasSection(const char* section) override;

 private:
  std::string path_;
};
