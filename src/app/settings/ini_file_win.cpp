// The legacy INI file through the GetPrivateProfile* calls.
#include "app/settings/ini_file.h"

#include <windows.h>

#include <vector>

std::string IniFile::GetString(const char* section, const char* key, const char* defaultText, int maxLength) {
  if (maxLength < 0) maxLength = 0;
  if (path_.empty()) return std::string(defaultText).substr(0, static_cast<size_t>(maxLength));
  std::vector<char> buffer(static_cast<size_t>(maxLength) + 1, '\0');
  DWORD n = GetPrivateProfileStringA(section, key, defaultText, buffer.data(), static_cast<DWORD>(buffer.size()),
                                     path_.c_str());
  if (n > static_cast<DWORD>(maxLength)) n = static_cast<DWORD>(maxLength);
  return std::string(buffer.data(), n);
}

int32_t IniFile::GetInt(const char* section, const char* key, int32_t defaultValue) {
  if (path_.empty()) return defaultValue;
  return static_cast<int32_t>(GetPrivateProfileIntA(section, key, defaultValue, path_.c_str()));
}

bool IniFile::HasSection(const char* section) {
  if (path_.empty()) return false;
  // With no key name the call lists the section's keys.
  char keys[256];
  return GetPrivateProfileStringA(section, nullptr, "", keys, sizeof keys, path_.c_str()) > 0;
}
