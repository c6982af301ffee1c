// In-memory registry and INI file for the settings tests.
#include "support/settings_memory_store.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <sstream>

#include "support/settings_samples.h"

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

std::string MemoryRegistry::Join(const std::string& parent, const std::string& name) {
  return parent.empty() ? name : parent + "\\" + name;
}

StoreKey MemoryRegistry::Register(std::shared_ptr<MemoryKeyNode> node, std::string path) {
  uintptr_t handle = nextHandle_++;
  open_[handle] = OpenKey{std::move(node), std::move(path)};
  return reinterpret_cast<StoreKey>(handle);
}

MemoryRegistry::OpenKey* MemoryRegistry::Lookup(StoreKey key) {
  auto it = open_.find(reinterpret_cast<uintptr_t>(key));
  return it == open_.end() ? nullptr : &it->second;
}

StoreKey MemoryRegistry::OpenProgramKey() { return root_ ? Register(root_, "") : nullptr; }

StoreKey MemoryRegistry::CreateProgramKey() {
  if (failCreates.count("")) return nullptr;
  if (!root_) {
    root_ = std::make_shared<MemoryKeyNode>();
    log_.push_back("create ");
  }
  return Register(root_, "");
}

StoreKey MemoryRegistry::OpenSubkey(StoreKey parent, const char* name) {
  OpenKey* p = Lookup(parent);
  if (p == nullptr) return nullptr;
  auto it = p->node->subkeys.find(name);
  if (it == p->node->subkeys.end()) return nullptr;
  return Register(it->second, Join(p->path, name));
}

StoreKey MemoryRegistry::CreateSubkey(StoreKey parent, const char* name) {
  OpenKey* p = Lookup(parent);
  if (p == nullptr) return nullptr;
  std::string path = Join(p->path, name);
  if (failCreates.count(path)) return nullptr;
  auto& slot = p->node->subkeys[name];
  if (!slot) slot = std::make_shared<MemoryKeyNode>();
  log_.push_back("create " + path);
  return Register(slot, path);
}

StoredValue MemoryRegistry::ReadValue(StoreKey key, const char* name, void* buffer, uint32_t capacity) {
  StoredValue result;
  OpenKey* k = Lookup(key);
  if (k == nullptr) return result;
  auto it = k->node->values.find(name);
  if (it == k->node->values.end() || it->second.data.size() > capacity) return result;
  if (!it->second.data.empty()) std::memcpy(buffer, it->second.data.data(), it->second.data.size());
  result.found = true;
  result.type = it->second.type;
  result.size = static_cast<uint32_t>(it->second.data.size());
  return result;
}

bool MemoryRegistry::WriteValue(StoreKey key, const char* name, ValueType type, const void* data, uint32_t size) {
  OpenKey* k = Lookup(key);
  if (k == nullptr) return false;
  std::string id = k->path + ":" + name;
  if (failWrites.count(id)) return false;
  MemoryValue v;
  v.type = type;
  const auto* bytes = static_cast<const uint8_t*>(data);
  v.data.assign(bytes, bytes + size);
  k->node->values[name] = std::move(v);
  log_.push_back("write " + id);
  return true;
}

EnumResult MemoryRegistry::EnumSubkey(StoreKey key, uint32_t index, std::string* name) {
  OpenKey* k = Lookup(key);
  if (k == nullptr) return EnumResult::Failed;
  if (index >= k->node->subkeys.size()) return EnumResult::NoMore;
  auto it = k->node->subkeys.begin();
  std::advance(it, index);
  *name = it->first;
  return EnumResult::Found;
}

bool MemoryRegistry::DeleteSubkey(StoreKey parent, const char* name) {
  OpenKey* p = Lookup(parent);
  if (p == nullptr) return false;
  std::string path = Join(p->path, name);
  auto it = p->node->subkeys.find(name);
  // Like RegDeleteKeyA: a key with subkeys of its own cannot be deleted.
  if (it == p->node->subkeys.end() || !it->second->subkeys.empty() || failDeletes.count(path)) return false;
  p->node->subkeys.erase(it);
  log_.push_back("delete " + path);
  return true;
}

bool MemoryRegistry::CloseKey(StoreKey key) {
  auto it = open_.find(reinterpret_cast<uintptr_t>(key));
  if (it == open_.end()) return false;
  bool fails = failCloses.count(it->second.path) != 0;
  open_.erase(it);
  return !fails;
}

namespace {

// The node at path below node, or null; with create, the missing keys are made.
MemoryKeyNode* Walk(MemoryKeyNode* node, const std::string& path, bool create) {
  for (size_t start = 0; node != nullptr && start < path.size();) {
    size_t end = std::min(path.find('\\', start), path.size());
    std::string part = path.substr(start, end - start);
    start = end + 1;
    auto it = node->subkeys.find(part);
    if (it == node->subkeys.end() && create) it = node->subkeys.emplace(part, std::make_shared<MemoryKeyNode>()).first;
    node = it == node->subkeys.end() ? nullptr : it->second.get();
  }
  return node;
}

}  // namespace

bool MemoryRegistry::HasKey(const std::string& path) const { return Walk(root_.get(), path, false) != nullptr; }

MemoryKeyNode& MemoryRegistry::Key(const std::string& path) {
  if (!root_) root_ = std::make_shared<MemoryKeyNode>();
  return *Walk(root_.get(), path, true);
}

void MemoryRegistry::SetDword(const std::string& path, const std::string& name, uint32_t value) {
  SetValue(path, name, ValueType::Dword, Le32s({static_cast<int32_t>(value)}));
}

void MemoryRegistry::SetString(const std::string& path, const std::string& name, const std::string& text) {
  std::vector<uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  SetValue(path, name, ValueType::String, std::move(data));
}

void MemoryRegistry::SetValue(const std::string& path, const std::string& name, ValueType type,
                              std::vector<uint8_t> data) {
  MemoryValue v;
  v.type = type;
  v.data = std::move(data);
  Key(path).values[name] = std::move(v);
}

void MemoryRegistry::RemoveValue(const std::string& path, const std::string& name) { Key(path).values.erase(name); }

void MemoryRegistry::RemoveKey(const std::string& path) {
  size_t sep = path.rfind('\\');
  if (sep == std::string::npos) return void(Key("").subkeys.erase(path));
  Key(path.substr(0, sep)).subkeys.erase(path.substr(sep + 1));
}

const MemoryValue* MemoryRegistry::Find(const std::string& path, const std::string& name) const {
  const MemoryKeyNode* node = Walk(root_.get(), path, false);
  if (node == nullptr) return nullptr;
  auto it = node->values.find(name);
  return it == node->values.end() ? nullptr : &it->second;
}

void MemoryIni::Load(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  std::string section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[') {
      section = line.substr(1, line.find(']') - 1);
      sections_[section];
      continue;
    }
    size_t eq = line.find('=');
    if (eq != std::string::npos) Set(section, line.substr(0, eq), line.substr(eq + 1));
  }
}

void MemoryIni::Set(const std::string& section, const std::string& key, const std::string& value) {
  sections_[section][key] = value;
}

std::string MemoryIni::GetString(const char* section, const char* key, const char* defaultText, int maxLength) {
  std::string value = defaultText;
  auto s = sections_.find(section);
  if (s != sections_.end()) {
    auto k = s->second.find(key);
    if (k != s->second.end()) value = k->second;
  }
  return value.substr(0, static_cast<size_t>(maxLength < 0 ? 0 : maxLength));
}

int32_t MemoryIni::GetInt(const char* section, const char* key, int32_t defaultValue) {
  auto s = sections_.find(section);
  if (s == sections_.end()) return defaultValue;
  auto k = s->second.find(key);
  if (k == s->second.end() || k->second.empty()) return defaultValue;
  return static_cast<int32_t>(std::strtoll(k->second.c_str(), nullptr, 10));
}

bool MemoryIni::HasSection(const char* section) {
  auto s = sections_.find(section);
  return s != sections_.end() && !s->second.empty();
}
