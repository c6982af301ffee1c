// Loading and saving structure templates through the settings store.
#include "app/settings/structure_store.h"

#include <new>
#include <string>

#include "app/settings/settings_values.h"
#include "core/messages.h"
#include "core/user_message.h"

namespace {

// Reads the members of one open template key until one is missing or unusable.
void ReadMembers(RegistryStore& store, StoreKey key, int32_t storedCount, Structure& s) {
  for (int32_t i = 0; i < storedCount; ++i) {
    StructureMember m;
    int32_t flags = 0;
    if (!ReadText(store, key, IndexedName("infotext%04d", i).c_str(), &m.description) ||
        !ReadDword(store, key, IndexedName("infonum%04d", i).c_str(), &m.byteCount) ||
        !ReadDword(store, key, IndexedName("infoview%04d", i).c_str(), &flags)) {
      return;
    }
    m.viewFlags = static_cast<uint32_t>(flags);
    if (!IsUsableMember(m)) return;
    s.members.push_back(std::move(m));
  }
}

}  // namespace

int LoadStructures(RegistryStore& store, StoreKey programKey, StructureList& list) {
  int32_t stored = 0;
  if (!ReadDword(store, programKey, "imnum", &stored)) return 0;
  try {
    list.structures.clear();
    for (int32_t n = 0; n < stored; ++n) {
      ScopedKey key(store, store.OpenSubkey(programKey, IndexedName("INFOMATION%d", n).c_str()));
      if (!key) break;
      Structure s;
      int32_t memberCount = 0;
      if (!ReadText(store, key.get(), "text", &s.name) || !ReadDword(store, key.get(), "info", &memberCount)) {
        if (!key.Close()) {
          ShowMessage(kMsgCannotCloseKey, MessageIcon::Stop);
          return -1;
        }
        break;
      }
      ReadMembers(store, key.get(), memberCount, s);
      LayOutStructure(s);
      if (!key.Close()) {
        ShowMessage(kMsgCannotCloseKey, MessageIcon::Stop);
        return -1;
      }
      list.structures.push_back(std::move(s));
    }
  } catch (const std::bad_alloc&) {
    ShowMessage(kMsgNoMemory, MessageIcon::Stop);
    return -1;
  }
  list.count = static_cast<int32_t>(list.structures.size());
  UpdateMinimumSize(list);
  return 0;
}

int SaveStructures(RegistryStore& store, StoreKey programKey, const StructureList& list) {
  for (size_t n = 0; n < list.structures.size(); ++n) {
    const Structure& s = list.structures[n];
    std::string name = IndexedName("INFOMATION%d", static_cast<int>(n));
    int result = WriteSubkey(store, programKey, name.c_str(), [&](StoreKey key) {
      bool ok = WriteText(store, key, "text", s.name) &&
                WriteDword(store, key, "info", static_cast<int32_t>(s.members.size()));
      for (size_t i = 0; ok && i < s.members.size(); ++i) {
        const StructureMember& m = s.members[i];
        int index = static_cast<int>(i);
        ok = WriteText(store, key, IndexedName("infotext%04d", index).c_str(), m.description) &&
             WriteDword(store, key, IndexedName("infonum%04d", index).c_str(), m.byteCount) &&
             WriteDword(store, key, IndexedName("infoview%04d", index).c_str(), static_cast<int32_t>(m.viewFlags));
      }
      return ok;
    });
    if (result != 0) return -1;
  }
  return 0;
}
