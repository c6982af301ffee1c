// Raw registry access to the tests' own key.
#include "support/settings_registry_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const DWORD kTypes[] = {REG_DWORD, REG_SZ, REG_BINARY, REG_MULTI_SZ};  // by ValueType

void DeleteTree(HKEY parent, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  char child[256];
  for (DWORD length = sizeof child;
       RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       length = sizeof child) {
    DeleteTree(key, child);
  }
  RegCloseKey(key);
  RegDeleteKeyA(parent, name);
}

// The key below HKEY_CURRENT_USER opened with access, or null.
HKEY OpenKey(const std::string& path, REGSAM access) {
  HKEY key = nullptr;
  return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &key) == ERROR_SUCCESS ? key : nullptr;
}

}  // namespace

std::string TestRegistryKey::Full(const std::string& subkey) const {
  return subkey.empty() ? path_ : path_ + "\\" + subkey;
}

TestRegistryKey::TestRegistryKey() : path_(PathFor(GetCurrentProcessId())) {
  DeleteTree(HKEY_CURRENT_USER, path_.c_str());
}

TestRegistryKey::~TestRegistryKey() {
  DeleteTree(HKEY_CURRENT_USER, path_.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Halvorsk\\VarnelTests");  // only when no other run has its key there
}

bool TestRegistryKey::Exists(const std::string& subkey) const {
  HKEY key = OpenKey(Full(subkey), KEY_READ);
  if (key != nullptr) RegCloseKey(key);
  return key != nullptr;
}

void TestRegistryKey::Put(const std::string& subkey, const std::string& name, ValueType type,
                          const std::vector<uint8_t>& data) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, Full(subkey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  DWORD size = static_cast<DWORD>(data.size());
  EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, kTypes[static_cast<int>(type)], data.data(), size), ERROR_SUCCESS);
  RegCloseKey(key);
}

void TestRegistryKey::Delete(const std::string& subkey, const std::string& name) {
  if (name.empty()) return DeleteTree(HKEY_CURRENT_USER, Full(subkey).c_str());
  HKEY key = OpenKey(Full(subkey), KEY_ALL_ACCESS);
  if (key == nullptr) return;
  RegDeleteValueA(key, name.c_str());
  RegCloseKey(key);
}

std::optional<MemoryValue> TestRegistryKey::Get(const std::string& subkey, const std::string& name) const {
  HKEY key = OpenKey(Full(subkey), KEY_READ);
  if (key == nullptr) return std::nullopt;
  DWORD type = 0, size = 0;
  std::optional<MemoryValue> v;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    v.emplace();
    v->data.resize(size);
    RegQueryValueExA(key, name.c_str(), nullptr, &type, v->data.data(), &size);
    v->data.resize(size);
    v->type = static_cast<ValueType>(std::find(kTypes, kTypes + 3, type) - kTypes);  // else Other
  }
  RegCloseKey(key);
  return v;
}

CurrentUserOverride::CurrentUserOverride(const TestRegistryKey& key) {
  HKEY root = nullptr;
  EXPECT_EQ(
      RegCreateKeyExA(HKEY_CURRENT_USER, key.path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root, nullptr),
      ERROR_SUCCESS);
  EXPECT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, root), ERROR_SUCCESS);
  RegCloseKey(root);
}

CurrentUserOverride::~CurrentUserOverride() { RegOverridePredefKey(HKEY_CURRENT_USER, nullptr); }
