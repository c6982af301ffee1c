// In-memory registry and INI file for the settings tests.
#include "support/settings_memory_store.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <sstream>

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

namespace {

bool SameText(const std::string& a, const std::string& b) {
  return !CaseInsensitiveLess()(a, b) && !CaseInsensitiveLess()(b, a);
}

// Whether path lies below parent ("" holds every other path); with direct, exactly one level below.
bool Below(const std::string& path, const std::string& parent, bool direct) {
  size_t start = parent.empty() ? 0 : parent.size() + 1;
  if (path.size() <= start) return false;
  if (!parent.empty() && (path[parent.size()] != '\\' || !SameText(path.substr(0, parent.size()), parent))) {
    return false;
  }
  return !direct || path.find('\\', start) == std::string::npos;
}

}  // namespace

std::string MemoryRegistry::Join(const std::string* parent, const char* name) {
  return parent->empty() ? std::string(name) : *parent + "\\" + name;
}

const std::string* MemoryRegistry::PathOf(StoreKey key) const {
  auto it = open_.find(reinterpret_cast<uintptr_t>(key));
  return it == open_.end() ? nullptr : &it->second;
}

StoreKey MemoryRegistry::Open(const std::string& path, bool create) {
  if (!keys_.count(path)) {
    if (!create || failCreates.count(path)) return nullptr;
    keys_[path];
  }
  open_[nextHandle_] = path;
  return reinterpret_cast<StoreKey>(nextHandle_++);
}

StoreKey MemoryRegistry::OpenProgramKey() { return Open("", false); }
StoreKey MemoryRegistry::CreateProgramKey() { return Open("", true); }

StoreKey MemoryRegistry::OpenSubkey(StoreKey parent, const char* name) {
  const std::string* p = PathOf(parent);
  return p ? Open(Join(p, name), false) : nullptr;
}

StoreKey MemoryRegistry::CreateSubkey(StoreKey parent, const char* name) {
  const std::string* p = PathOf(parent);
  return p ? Open(Join(p, name), true) : nullptr;
}

StoredValue MemoryRegistry::ReadValue(StoreKey key, const char* name, void* buffer, uint32_t capacity) {
  StoredValue result;
  const std::string* path = PathOf(key);
  std::optional<MemoryValue> v = path ? Get(*path, name) : std::nullopt;
  if (!v || v->data.size() > capacity) return result;
  if (!v->data.empty()) std::memcpy(buffer, v->data.data(), v->data.size());
  result.found = true;
  result.type = v->type;
  result.size = static_cast<uint32_t>(v->data.size());
  return result;
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
  if (p == nullptr) return false;
  std::string path = Join(p, name);
  // Like RegDeleteKeyA: a key with subkeys of its own cannot be deleted.
  auto child = std::find_if(keys_.begin(), keys_.end(), [&](const auto& k) { return Below(k.first, path, false); });
  if (!keys_.count(path) || child != keys_.end() || failDeletes.count(path)) return false;
  keys_.erase(path);
  return true;
}

bool MemoryRegistry::CloseKey(StoreKey key) {
  const std::string* path = PathOf(key);
  if (path == nullptr) return false;
  bool fails = failCloses.count(*path) != 0;
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
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t eq = line.find('=');
    if (!line.empty() && line.front() == '[') {
      inside = SameText(line.substr(1, line.find(']') - 1), section);
    } else if (inside && eq != std::string::npos && (key.empty() || SameText(line.substr(0, eq), key))) {
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
