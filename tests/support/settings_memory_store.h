// In-memory stand-ins for the registry and the INI file, with failure injection
// and a log of every change, for tests of the settings load and save.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/settings/settings_store.h"

// Registry and INI names compare without regard to ASCII case.
struct CaseInsensitiveLess {
  bool operator()(const std::string& a, const std::string& b) const;
};

struct MemoryValue {
  ValueType type = ValueType::Binary;
  std::vector<uint8_t> data;
};

struct MemoryKeyNode {
  std::map<std::string, MemoryValue, CaseInsensitiveLess> values;
  std::map<std::string, std::shared_ptr<MemoryKeyNode>, CaseInsensitiveLess> subkeys;
};

// Paths are relative to the program key: "" is the key itself, "find" a subkey,
// "a\\b" a nested one.
class MemoryRegistry : public RegistryStore {
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

  // Test side: building and inspecting the tree.
  bool HasKey(const std::string& path) const;
  MemoryKeyNode& Key(const std::string& path);  // creates the program key and the path
  void SetDword(const std::string& path, const std::string& name, uint32_t value);
  void SetString(const std::string& path, const std::string& name, const std::string& text);  // with its NUL
  void SetValue(const std::string& path, const std::string& name, ValueType type, std::vector<uint8_t> data);
  void RemoveValue(const std::string& path, const std::string& name);
  void RemoveKey(const std::string& path);
  const MemoryValue* Find(const std::string& path, const std::string& name) const;

  int openKeys() const { return static_cast<int>(open_.size()); }
  // "write <path>:<name>", "create <path>", "delete <path>", in order.
  const std::vector<std::string>& log() const { return log_; }

  // Failure injection: writes of these "<path>:<name>" values, creation of these
  // key paths ("" for the program key), closes of these key paths, deletion of
  // these key paths fail.
  std::set<std::string> failWrites;
  std::set<std::string> failCreates;
  std::set<std::string> failCloses;
  std::set<std::string> failDeletes;

 private:
  struct OpenKey {
    std::shared_ptr<MemoryKeyNode> node;
    std::string path;
  };
  StoreKey Register(std::shared_ptr<MemoryKeyNode> node, std::string path);
  OpenKey* Lookup(StoreKey key);
  static std::string Join(const std::string& parent, const std::string& name);

  std::shared_ptr<MemoryKeyNode> root_;
  std::map<uintptr_t, OpenKey> open_;
  uintptr_t nextHandle_ = 1;
  std::vector<std::string> log_;
};

// An INI file held in memory; values are stored as written (no trimming).
class MemoryIni : public IniReader {
 public:
  // Parses INI text: "[section]" lines and "key=value" lines.
  void Load(const std::string& text);
  void Set(const std::string& section, const std::string& key, const std::string& value);

  std::string GetString(const char* section, const char* key, const char* defaultText, int maxLength) override;
  int32_t GetInt(const char* section, const char* key, int32_t defaultValue) override;
  bool HasSection(const char* section) override;

 private:
  std::map<std::string, std::map<std::string, std::string, CaseInsensitiveLess>, CaseInsensitiveLess> sections_;
};
