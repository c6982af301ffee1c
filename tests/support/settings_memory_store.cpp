// In-memory registry and INI file for the settings tests.
#include "support/settings_memory_store.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

const std::string kProgramKey;  // the parent of the program key's own path ""

// Whether path lies below parent ("" holds every other path); with direct, exactly one level below.
bool Below(const std::string& path, const std::string& parent, bool direct) {
  size_t start = parent.empty() ? 0 : parent.size() + 1;
  if (path.size() <= start || (!parent.empty() && path.rfind(parent + "\\", 0) != 0)) return false;
  return !direct || path.find('\\', start) == std::string::npos;
}

}  // namespace

const std::string* MemoryRegistry::PathOf(StoreKey key) const {
  auto it = open_.find(reinterpret_cast<uintptr_t>(key));
  return it == open_.end() ? nullptr : &it->second;
}

StoreKey MemoryRegistry::Open(const std::string* parent, const char* name, bool create) {
  if (parent == nullptr) return nullptr;
  std::string path = parent->empty() ? std::string(name) : *parent + "\\" + name;
  if (!keys_.count(path) && (!create || failCreates.count(path))) return nullptr;
  keys_[path];
  open_[nextHandle_] = path;
  return reinterpret_cast<StoreKey>(nextHandle_++);
}

StoreKey MemoryRegistry::OpenProgramKey() { return Open(&kProgramKey, "", false); }
StoreKey MemoryRegistry::CreateProgramKey() { return Open(&kProgramKey, "", true); }
StoreKey MemoryRegistry::OpenSubkey(StoreKey parent, const char* name) { return Open(PathOf(parent), name, false); }
StoreKey MemoryRegistry::CreateSubkey(StoreKey parent, const char* name) { return Open(PathOf(parent), name, true); }

StoredValue MemoryRegistry::ReadValue(StoreKey key, const char* name, void* buffer, uint32_t capacity) {
  const std::string* path = PathOf(key);
  std::optional<MemoryValue> v = path ? Get(*path, name) : std::nullopt;
  if (!v || v->data.size() > capacity) return StoredValue{};
  if (!v->data.empty()) std::memcpy(buffer, v->data.data(), v->data.size());
  return StoredValue{true, v->type, static_cast<uint32_t>(v->data.size())};
}

bool MemoryRegistry::WriteValue(StoreKey key, const char* name, ValueType type, const void* data, uint32_t size) {
  const std::string* path = PathOf(key);
  if (path == nullptr || failWrites.count(*path + ":" + name)) return false;
  const auto* bytes = static_cast<const uint8_t*>(data);
  keys_[*path][name] = MemoryValue{type, std::vector<uint8_t>(bytes, bytes + size)};
  return true;
}

EnumResult MemoryRegistry::EnumSubkey(StoreKey key, uint32_t index, std::string* name) {
  const std::string* path = PathOf(key);
  if (path == nullptr) return EnumResult::Failed;
  for (const auto& [child, values] : keys_) {
    if (Below(child, *path, true) && index-- == 0) {
      *name = child.substr(path->empty() ? 0 : path->size() + 1);
      return EnumResult::Found;
    }
  }
  return EnumResult::NoMore;
}

bool MemoryRegistry::DeleteSubkey(StoreKey parent, const char* name) {
  const std::string* p = PathOf(parent);
  std::string path = p == nullptr || p->empty() ? std::string(name) : *p + "\\" + name;
  // Like RegDeleteKeyA: a key with subkeys of its own cannot be deleted.
  bool hasChildren =
      std::any_of(keys_.begin(), keys_.end(), [&](const auto& k) { return Below(k.first, path, false); });
  return p != nullptr && !hasChildren && !failDeletes.count(path) && keys_.erase(path) != 0;
}

bool MemoryRegistry::CloseKey(StoreKey key) {
  const std::string* path = PathOf(key);
  bool fails = path == nullptr || failCloses.count(*path) != 0;
  open_.erase(reinterpret_cast<uintptr_t>(key));
  return !fails;
}

void MemoryRegistry::Put(const std::string& subkey, const std::string& name, ValueType type,
                         const std::vector<uint8_t>& data) {
  keys_[""];
  for (size_t sep = subkey.find('\\'); sep != std::string::npos; sep = subkey.find('\\', sep + 1)) {
    keys_[subkey.substr(0, sep)];
  }
  keys_[subkey][name] = MemoryValue{type, data};
}

void MemoryRegistry::Delete(const std::string& subkey, const std::string& name) {
  if (!name.empty()) return void(keys_[subkey].erase(name));
  std::erase_if(keys_, [&](const auto& k) { return k.first == subkey || Below(k.first, subkey, false); });
}

std::optional<MemoryValue> MemoryRegistry::Get(const std::string& subkey, const std::string& name) const {
  auto key = keys_.find(subkey);
  if (key == keys_.end() || !key->second.count(name)) return std::nullopt;
  return key->second.at(name);
}

std::optional<std::string> MemoryIni::Find(const std::string& section, const std::string& key) const {
  std::istringstream in(text_);
  std::optional<std::string> found;
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    size_t eq = line.find('=');
    if (!line.empty() && line.front() == '[') {
      inside = line == "[" + section + "]";
    } else if (inside && eq != std::string::npos && (key.empty() || line.substr(0, eq) == key)) {
      found = line.substr(eq + 1);
    }
  }
  return found;
}

std::string MemoryIni::GetString(const char* section, const char* key, const char* defaultText, int maxLength) {
  return Find(section, key).value_or(defaultText).substr(0, static_cast<size_t>(std::max(maxLength, 0)));
}

int32_t MemoryIni::GetInt(const char* section, const char* key, int32_t defaultValue) {
  std::string text = Find(section, key).value_or("");
  return text.empty() ? defaultValue : static_cast<int32_t>(std::strtoll(text.c_str(), nullptr, 10));
}

bool MemoryIni::HasSection(const char* section) { return Find(section, "").has_value(); }
