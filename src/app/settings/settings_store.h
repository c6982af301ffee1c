// The storage seam of the settings: a registry-like key tree and a read-only INI
// file. The Windows build implements them with the Reg* and GetPrivateProfile*
// calls; tests use an in-memory store.
#pragma once

#include <cstdint>
#include <string>

// An open key; null means no key.
using StoreKey = void*;

// The kinds of stored values the settings use. Other registry types read as Other.
enum class ValueType { Dword, String, Binary, Other };

// The outcome of a value read.
struct StoredValue {
  bool found = false;          // false: missing, or larger than the buffer
  ValueType type = ValueType::Other;
  uint32_t size = 0;           // bytes placed in the buffer
};

enum class EnumResult { Found, NoMore, Failed };

// A registry key tree rooted at the program key HKEY_CURRENT_USER\Software\Halvorsk\Varnel.
// Every key returned open must be closed with CloseKey exactly once.
class RegistryStore {
 public:
  virtual ~RegistryStore() = default;

  // Opens the program key with full access; null when it does not exist or
  // cannot be opened.
  virtual StoreKey OpenProgramKey() = 0;
  // Creates the program key (and its parents), or opens it when it exists; null on failure.
  virtual StoreKey CreateProgramKey() = 0;
  // Opens / creates the subkey name of parent; null when missing / on failure.
  virtual StoreKey OpenSubkey(StoreKey parent, const char* name) = 0;
  virtual StoreKey CreateSubkey(StoreKey parent, const char* name) = 0;

  // Reads value name into buffer, which holds capacity bytes. A value larger
  // than capacity counts as missing (found false, nothing usable in buffer).
  virtual StoredValue ReadValue(StoreKey key, const char* name, void* buffer, uint32_t capacity) = 0;
  // Writes (creates or replaces) value name; false on failure.
  virtual bool WriteValue(StoreKey key, const char* name, ValueType type, const void* data, uint32_t size) = 0;

  // The name of the index-th subkey of key (index from 0).
  virtual EnumResult EnumSubkey(StoreKey key, uint32_t index, std::string* name) = 0;
  // Deletes the subkey name of parent, which must have no subkeys of its own; false on failure.
  virtual bool DeleteSubkey(StoreKey parent, const char* name) = 0;
  // Closes key; false when the close fails (the key is released all the same).
  virtual bool CloseKey(StoreKey key) = 0;
};

// A read-only INI file with the GetPrivateProfile* semantics: section and key
// names compare without regard to case.
class IniReader {
 public:
  virtual ~IniReader() = default;

  // The value of key in section, cut to at most maxLength bytes; defaultText
  // (cut the same way) when the key is absent. A present but empty value gives "".
  virtual std::string GetString(const char* section, const char* key, const char* defaultText,
                                int maxLength) = 0;
  // The value read as a decimal number (optional sign, leading digits; text
  // without digits gives 0); defaultValue when the key is absent or empty.
  virtual int32_t GetInt(const char* section, const char* key, int32_t defaultValue) = 0;
  // True when section exists and holds at least one key.
  virtual bool HasSection(const char* section) = 0;
};
