// The Windows tests' own registry key, standing in for the program key (whose
// settings belong to the user and are never touched): values planted and read
// behind the settings store's back.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "support/settings_memory_store.h"

// HKEY_CURRENT_USER\Software\Halvorsk\VarnelTests\<process id>: deleted with
// everything below it when the object is made and when it goes. Subkeys are
// relative to it ("" is the key itself).
class TestRegistryKey : public RawRegistry {
 public:
  TestRegistryKey();
  ~TestRegistryKey();
  TestRegistryKey(const TestRegistryKey&) = delete;
  TestRegistryKey& operator=(const TestRegistryKey&) = delete;

  // The path below HKEY_CURRENT_USER (for WindowsRegistryStore) of the key of a process.
  static std::string PathFor(unsigned long processId) {
    return "Software\\Halvorsk\\VarnelTests\\" + std::to_string(processId);
  }
  const std::string& path() const { return path_; }

  bool Exists(const std::string& subkey) const override;
  void Put(const std::string& subkey, const std::string& name, ValueType type,
           const std::vector<uint8_t>& data) override;
  void Delete(const std::string& subkey, const std::string& name) override;
  std::optional<MemoryValue> Get(const std::string& subkey, const std::string& name) const override;

 private:
  std::string Full(const std::string& subkey) const;
  std::string path_;
};

// While it lives, HKEY_CURRENT_USER of this process is the key: the shell run
// in-process reads and writes its settings there.
class CurrentUserOverride {
 public:
  explicit CurrentUserOverride(const TestRegistryKey& key);
  ~CurrentUserOverride();
  CurrentUserOverride(const CurrentUserOverride&) = delete;
  CurrentUserOverride& operator=(const CurrentUserOverride&) = delete;
};
