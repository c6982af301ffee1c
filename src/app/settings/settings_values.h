// Typed reads and writes on the settings store, with the rules that keep foreign
// or damaged values out: a value of the wrong type or size counts as missing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/settings/settings_store.h"

// Closes a key when it leaves scope, unless Close was called first.
class ScopedKey {
 public:
  ScopedKey(RegistryStore& store, StoreKey key) : store_(store), key_(key) {}
  ~ScopedKey() {
    if (key_ != nullptr) store_.CloseKey(key_);
  }
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;

  StoreKey get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }
  // Closes the key now; false when the close failed. Closing no key succeeds.
  bool Close() {
    StoreKey key = key_;
    key_ = nullptr;
    return key == nullptr || store_.CloseKey(key);
  }

 private:
  RegistryStore& store_;
  StoreKey key_;
};

// A number: a Dword or Binary value of exactly 4 bytes, little-endian.
bool ReadDword(RegistryStore& store, StoreKey key, const char* name, int32_t* value);
// A text: a String value whose text (up to its first NUL, or all of it when it
// has none) is at most kMaxTextLength bytes.
bool ReadText(RegistryStore& store, StoreKey key, const char* name, std::string* text);
// A Binary value of exactly size bytes, copied to out.
bool ReadBinaryExact(RegistryStore& store, StoreKey key, const char* name, void* out, uint32_t size);
// A Binary value of 1 to capacity bytes; out receives exactly its bytes.
bool ReadBinary(RegistryStore& store, StoreKey key, const char* name, uint32_t capacity,
                std::vector<uint8_t>* out);

// Writes as Dword (4 bytes, little-endian), String (text and its terminator) or Binary.
bool WriteDword(RegistryStore& store, StoreKey key, const char* name, int32_t value);
bool WriteText(RegistryStore& store, StoreKey key, const char* name, const std::string& text);
bool WriteBinary(RegistryStore& store, StoreKey key, const char* name, const void* data, uint32_t size);

// Deletes every subkey of key together with the subkeys below it; false at the
// first failure (what was deleted stays deleted).
bool DeleteAllSubkeys(RegistryStore& store, StoreKey key);

// Creates the subkey name under key, lets write fill it and closes it. Returns
// 0, or -1 after showing (warning icon) the first failure: the key could not be
// created, write returned false ("ﾚｼﾞｽﾄﾘに書き込みできません") or the close failed.
int WriteSubkey(RegistryStore& store, StoreKey key, const char* name, const std::function<bool(StoreKey)>& write);

// The name format with one int index, e.g. IndexedName("findstr%02d", 3) is "findstr03".
std::string IndexedName(const char* format, int index);

// Little-endian 32-bit words in byte buffers.
inline uint32_t LoadLe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
inline void StoreLe32(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
}
