// The settings store through RegOpenKeyExA, RegCreateKeyExA, RegQueryValueExA,
// RegSetValueExA, RegEnumKeyExA, RegDeleteKeyA and RegCloseKey.
#include "app/settings/registry_store.h"

#include <windows.h>

namespace {

HKEY AsHkey(StoreKey key) { return static_cast<HKEY>(key); }

StoreKey Open(HKEY parent, const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return nullptr;
  return key;
}

StoreKey Create(HKEY parent, const char* path) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  char emptyClass[] = "";
  if (RegCreateKeyExA(parent, path, 0, emptyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                      &disposition) != ERROR_SUCCESS) {
    return nullptr;
  }
  return key;
}

}  // namespace

StoreKey WindowsRegistryStore::OpenProgramKey() { return Open(HKEY_CURRENT_USER, path_.c_str()); }

StoreKey WindowsRegistryStore::CreateProgramKey() { return Create(HKEY_CURRENT_USER, path_.c_str()); }

StoreKey WindowsRegistryStore::OpenSubkey(StoreKey parent, const char* name) { return Open(AsHkey(parent), name); }

StoreKey WindowsRegistryStore::CreateSubkey(StoreKey parent, const char* name) {
  return Create(AsHkey(parent), name);
}

StoredValue WindowsRegistryStore::ReadValue(StoreKey key, const char* name, void* buffer, uint32_t capacity) {
  StoredValue result;
  DWORD type = 0;
  DWORD size = capacity;
  if (RegQueryValueExA(AsHkey(key), name, nullptr, &type, static_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
      size > capacity) {
    return result;
  }
  result.found = true;
  result.size = size;
  switch (type) {
    case REG_DWORD: result.type = ValueType::Dword; break;
    case REG_SZ:
    case REG_EXPAND_SZ: result.type = ValueType::String; break;
    case REG_BINARY: result.type = ValueType::Binary; break;
    default: result.type = ValueType::Other; break;
  }
  return result;
}

bool WindowsRegistryStore::WriteValue(StoreKey key, const char* name, ValueType type, const void* data,
                                      uint32_t size) {
  DWORD regType = type == ValueType::Dword ? REG_DWORD : type == ValueType::String ? REG_SZ : REG_BINARY;
  return RegSetValueExA(AsHkey(key), name, 0, regType, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

EnumResult WindowsRegistryStore::EnumSubkey(StoreKey key, uint32_t index, std::string* name) {
  char buffer[256];
  DWORD length = sizeof buffer;
  LONG r = RegEnumKeyExA(AsHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
  if (r == ERROR_NO_MORE_ITEMS) return EnumResult::NoMore;
  if (r != ERROR_SUCCESS) return EnumResult::Failed;
  name->assign(buffer, length);
  return EnumResult::Found;
}

bool WindowsRegistryStore::DeleteSubkey(StoreKey parent, const char* name) {
  return RegDeleteKeyA(AsHkey(parent), name) == ERROR_SUCCESS;
}

bool WindowsRegistryStore::CloseKey(StoreKey key) { return RegCloseKey(AsHkey(key)) == ERROR_SUCCESS; }
