// The settings store on the Windows registry (HKEY_CURRENT_USER).
#pragma once

#include <string>

#include "app/settings/settings_store.h"

// The registry path of the program key below HKEY_CURRENT_USER.
inline constexpr char kProgramKeyPath[] = "Software\\Halvorsk\\Varnel";

// Keys are HKEYs opened with KEY_ALL_ACCESS; built for Windows only.
class WindowsRegistryStore : public RegistryStore {
 public:
  // programKeyPath is the key below HKEY_CURRENT_USER that stands for the
  // program key: the program keeps kProgramKeyPath, tests pass a key of their
  // own so that the user's settings are never touched.
  explicit WindowsRegistryStore(std::string programKeyPath = kProgramKeyPath) : path_(std::move(programKeyPath)) {}

  StoreKey OpenProgramKey() override;
  StoreKey CreateProgramKey() override;
  StoreKey OpenSubkey(StoreKey parent, const char* name) override;
  StoreKey CreateSubkey(StoreKey parent, const char* name) override;
  StoredValue ReadValue(StoreKey key, const char* name, void* buffer, uint32_t capacity) override;
  bool WriteValue(StoreKey key, const char* name, ValueType type, const void* data, uint32_t size) override;
  EnumResult EnumSubkey(StoreKey key, uint32_t index, std::string* name) override;
  bool DeleteSubkey(StoreKey parent, const char* name) override;
  bool CloseKey(StoreKey key) override;

 private:
  std::string path_;
};
