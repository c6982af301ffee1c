// Raw registry access to the program key for the Windows tests.
#include "support/settings_registry_win.h"

#include "app/settings/registry_store.h"

namespace {

void DeleteTree(HKEY parent, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  char child[256];
  for (;;) {
    DWORD length = sizeof child;
    if (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    DeleteTree(key, child);
  }
  RegCloseKey(key);
  RegDeleteKeyA(parent, name);
}

std::string PathOf(const std::string& subkey) {
  return subkey.empty() ? std::string(kProgramKeyPath) : std::string(kProgramKeyPath) + "\\" + subkey;
}

}  // namespace

void DeleteProgramKeyTree() { DeleteTree(HKEY_CURRENT_USER, kProgramKeyPath); }

bool ProgramKeyExists() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kProgramKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void PutRawValue(const std::string& subkey, const std::string& name, DWORD type, const std::vector<BYTE>& data) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, PathOf(subkey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size())), ERROR_SUCCESS);
  RegCloseKey(key);
}

void PutRawDword(const std::string& subkey, const std::string& name, DWORD value) {
  PutRawValue(subkey, name, REG_DWORD,
              {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
               static_cast<BYTE>(value >> 24)});
}

void PutRawString(const std::string& subkey, const std::string& name, const std::string& text) {
  std::vector<BYTE> data(text.begin(), text.end());
  data.push_back(0);
  PutRawValue(subkey, name, REG_SZ, data);
}

RawValue GetRawValue(const std::string& subkey, const std::string& name) {
  RawValue v;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, PathOf(subkey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return v;
  DWORD size = 0;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &v.type, nullptr, &size) == ERROR_SUCCESS) {
    v.data.resize(size);
    if (RegQueryValueExA(key, name.c_str(), nullptr, &v.type, v.data.data(), &size) == ERROR_SUCCESS) {
      v.found = true;
      v.data.resize(size);
    }
  }
  RegCloseKey(key);
  return v;
}
