// Typed reads and writes on the settings store.
#include "app/settings/settings_values.h"

#include <cstdio>
#include <cstring>

#include "core/messages.h"
#include "core/text_limits.h"
#include "core/user_message.h"

bool ReadDword(RegistryStore& store, StoreKey key, const char* name, int32_t* value) {
  uint8_t buffer[4] = {};
  StoredValue v = store.ReadValue(key, name, buffer, sizeof buffer);
  if (!v.found || v.size != 4 || (v.type != ValueType::Dword && v.type != ValueType::Binary)) return false;
  *value = static_cast<int32_t>(LoadLe32(buffer));
  return true;
}

bool ReadText(RegistryStore& store, StoreKey key, const char* name, std::string* text) {
  std::vector<char> buffer(kTextBufferSize, '\0');
  StoredValue v = store.ReadValue(key, name, buffer.data(), kTextBufferSize);
  if (!v.found || v.type != ValueType::String) return false;
  const void* end = std::memchr(buffer.data(), '\0', v.size);
  size_t length = end ? static_cast<size_t>(static_cast<const char*>(end) - buffer.data()) : v.size;
  if (length > static_cast<size_t>(kMaxTextLength)) return false;
  text->assign(buffer.data(), length);
  return true;
}

bool ReadBinaryExact(RegistryStore& store, StoreKey key, const char* name, void* out, uint32_t size) {
  std::vector<uint8_t> buffer(size);
  StoredValue v = store.ReadValue(key, name, buffer.data(), size);
  if (!v.found || v.type != ValueType::Binary || v.size != size) return false;
  std::memcpy(out, buffer.data(), size);
  return true;
}

bool ReadBinary(RegistryStore& store, StoreKey key, const char* name, uint32_t capacity,
                std::vector<uint8_t>* out) {
  std::vector<uint8_t> buffer(capacity);
  StoredValue v = store.ReadValue(key, name, buffer.data(), capacity);
  if (!v.found || v.type != ValueType::Binary || v.size == 0 || v.size > capacity) return false;
  out->assign(buffer.begin(), buffer.begin() + v.size);
  return true;
}

bool WriteDword(RegistryStore& store, StoreKey key, const char* name, int32_t value) {
  uint8_t bytes[4];
  StoreLe32(bytes, static_cast<uint32_t>(value));
  return store.WriteValue(key, name, ValueType::Dword, bytes, 4);
}

bool WriteText(RegistryStore& store, StoreKey key, const char* name, const std::string& text) {
  return store.WriteValue(key, name, ValueType::String, text.c_str(), static_cast<uint32_t>(text.size() + 1));
}

bool WriteBinary(RegistryStore& store, StoreKey key, const char* name, const void* data, uint32_t size) {
  return store.WriteValue(key, name, ValueType::Binary, data, size);
}

bool DeleteAllSubkeys(RegistryStore& store, StoreKey key) {
  std::string previous;
  for (;;) {
    std::string name;
    EnumResult r = store.EnumSubkey(key, 0, &name);
    if (r == EnumResult::NoMore) return true;
    if (r == EnumResult::Failed) return false;
    // A subkey that is still listed after its deletion succeeded would loop forever.
    if (!previous.empty() && name == previous) return false;
    {
      ScopedKey child(store, store.OpenSubkey(key, name.c_str()));
      if (!child || !DeleteAllSubkeys(store, child.get()) || !child.Close()) return false;
    }
    if (!store.DeleteSubkey(key, name.c_str())) return false;
    previous = name;
  }
}

std::string IndexedName(const char* format, int index) {
  char name[64];
  std::snprintf(name, sizeof name, format, index);
  return name;
}

int WriteSubkey(RegistryStore& store, StoreKey key, const char* name, const std::function<bool(StoreKey)>& write) {
  ScopedKey sub(store, store.CreateSubkey(key, name));
  const char* failure = nullptr;
  if (!sub) {
    failure = kMsgCannotCreateKey;
  } else if (!write(sub.get())) {
    failure = kMsgCannotWriteRegistry;
  } else if (!sub.Close()) {
    failure = kMsgCannotCloseKey;
  }
  if (failure == nullptr) return 0;
  ShowMessage(failure, MessageIcon::Warning);
  return -1;
}
