// In-memory stand-ins for the registry and the INI file, with failure injection,
// for tests of the settings load and save.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/settings/settings_store.h"

struct MemoryValue {
  ValueType type = ValueType::Binary;
  std::vector<uint8_t> data;
};

// Values planted and inspected behind a settings store's back. Subkeys are
// relative to the program key ("" is the key itself, "a\\b" a nested one).
class RawRegistry {
 public:
  virtual ~RawRegistry() = default;
  virtual bool Exists(const std::string& subkey) const = 0;
  // Writes a value (a list of texts for ValueType::Other), creating the keys on the way.
  virtual void Put(const std::string& subkey, const std::string& name, ValueType type,
                   const std::vector<uint8_t>& data) = 0;
  // Deletes a value, or with name "" the subkey with everything below it.
  virtual void Delete(const std::string& subkey, const std::string& name) = 0;
  virtual std::optional<MemoryValue> Get(const std::string& subkey, const std::string& name) const = 0;

  void PutDword(const std::string& subkey, const std::string& name, uint32_t v) {
    Put(subkey, name, ValueType::Dword, {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)});
  }
  void PutString(const std::string& subkey, const std::string& name, const std::string& text) {
    Put(subkey, name, ValueType::String, std::vector<uint8_t>(text.c_str(), text.c_str() + text.size() + 1));
  }
};

// The program key and its subkeys, held by full path. Names compare exactly: the
// program must spell every name the same way wherever it uses it.
class MemoryRegistry : public RegistryStore, public RawRegistry {
 public:
  StoreKey OpenProgramKey() override;
  StoreKey CreateProgramKey() override;
  StoreKey OpenSubkey(StoreKey parent, const char* name) override;
  StoreKey CreateSubkey(StoreKey parent, const char* name) override;
  StoredValue ReadValue(StoreKey key, const char* name, void* buffer, uint32_t capacity) override;
  bool WriteValue(StoreKey key, const char* name, ValueType type, const void* data, uint32_t size) override;
  EnumResult EnumSubkey(StoreKey key, uint32_t index, std::string* name) override;
  bool DeleteSubkey(StoreKey parent, const char* name) override;
  bool CloseKey(StoreKey key) override;

  bool Exists(const std::string& subkey) const override { return keys_.count(subkey) != 0; }
  void Put(const std::string& subkey, const std::string& name, ValueType type,
           const std::vector<uint8_t>& data) override;
  void Delete(const std::string& subkey, const std::string& name) override;
  std::optional<MemoryValue> Get(const std::string& subkey, const std::string& name) const override;

  int openKeys() const { return static_cast<int>(open_.size()); }

  // Failure injection: writes of these "<path>:<name>" values, creation of these
  // key paths ("" for the program key), closes and deletions of these key paths fail.
  std::set<std::string> failWrites, failCreates, failCloses, failDeletes;

 private:
  // Opens parent\name (created when create is set and it is missing); null when it cannot.
  StoreKey Open(const std::string* parent, const char* name, bool create);
  const std::string* PathOf(StoreKey key) const;

  std::map<std::string, std::map<std::string, MemoryValue>> keys_;
  std::map<uintptr_t, std::string> open_;
  uintptr_t nextHandle_ = 1;
};

// An INI file held in memory; values are stored as written (no trimming).
class MemoryIni : public IniReader {
 public:
  // Adds INI text: "[section]" lines and "key=value" lines; a later value of a key wins.
  void Load(const std::string& text) { text_ += "\n" + text; }

  std::string GetString(const char* section, const char* key, const char* defaultText, int maxLength) override;
  int32_t GetInt(const char* section, const char* key, int32_t defaultValue) override;
  bool HasSection(const char* section) override;

 private:
  // The last value of key in section; with key "", the value of any key of the section.
  std::optional<std::string> Find(const std::string& section, const std::string& key) const;
  std::string text_;
};
