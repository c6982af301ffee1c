// Writing every setting, history, file type and structure template to the
// registry when the program ends.
#include "app/settings/settings_io.h"
#include "app/settings/settings_values.h"
#include "app/settings/structure_store.h"
#include "core/messages.h"
#include "core/user_message.h"

namespace {

// The number of file-history values written, the unused ones as empty strings.
constexpr int kFileHistorySlots = 10;

void Warn(const char* text) { ShowMessage(text, MessageIcon::Warning); }

int32_t SizeOf(size_t n) { return static_cast<int32_t>(n); }

// Writes the DWORD and text values of the program key in their fixed order.
bool WriteProgramValues(RegistryStore& registry, StoreKey key, const AppSettings& settings,
                        const FileTypeList& fileTypes, const StructureList& structures, const FrameBounds& normal) {
  int32_t imnum =
      structures.count == kStructureCountUnset ? kStructureCountUnset : SizeOf(structures.structures.size());
  const struct {
    const char* name;
    int32_t value;
  } dwords[] = {
      {"code", settings.code},
      {"filter", settings.filter},
      {"findnum", SizeOf(settings.findHistory.size())},
      {"findstat", settings.findstat},
      {"ftnum", SizeOf(fileTypes.types.size())},
      {"history", settings.history},
      {"imnum", imnum},
      {"impos", structures.lastUsed},
      {"margin", settings.margin},
      {"repnum", SizeOf(settings.replaceHistory.size())},
      {"zoomed", settings.zoomed},
  };
  for (const auto& d : dwords) {
    if (!WriteDword(registry, key, d.name, d.value)) return false;
  }
  if (!WriteText(registry, key, "openpath", settings.openpath) ||
      !WriteText(registry, key, "savepath", settings.savepath)) {
    return false;
  }
  uint8_t rect[16];
  const int32_t sides[4] = {normal.left, normal.top, normal.right, normal.bottom};
  for (int i = 0; i < 4; ++i) StoreLe32(rect + 4 * i, static_cast<uint32_t>(sides[i]));
  return WriteBinary(registry, key, "rect", rect, sizeof rect);
}

int WriteHistory(RegistryStore& registry, StoreKey key, const char* subkeyName, const char* nameFormat,
                 const std::vector<std::vector<uint8_t>>& entries) {
  return WriteSubkey(registry, key, subkeyName, [&](StoreKey sub) {
    for (size_t i = 0; i < entries.size(); ++i) {
      const std::vector<uint8_t>& e = entries[i];
      if (!WriteBinary(registry, sub, IndexedName(nameFormat, static_cast<int>(i)).c_str(), e.data(),
                       static_cast<uint32_t>(e.size()))) {
        return false;
      }
    }
    return true;
  });
}

bool WriteFileHistory(RegistryStore& registry, StoreKey key, const std::vector<std::string>& paths) {
  int n = static_cast<int>(paths.size());
  for (int k = 0; k < n || k < kFileHistorySlots; ++k) {
    static const std::string kEmpty;
    const std::string& text = k < n ? paths[static_cast<size_t>(k)] : kEmpty;
    if (!WriteText(registry, key, IndexedName("history%d", k).c_str(), text)) return false;
  }
  return true;
}

int WriteFileTypes(RegistryStore& registry, StoreKey key, const FileTypeList& fileTypes) {
  for (size_t i = 0; i < fileTypes.types.size(); ++i) {
    const FileType& type = fileTypes.types[i];
    int result = WriteSubkey(registry, key, IndexedName("FILETYPE%d", static_cast<int>(i)).c_str(), [&](StoreKey sub) {
      uint8_t colors[kColorCount * 4];
      for (int c = 0; c < kColorCount; ++c) StoreLe32(colors + 4 * c, type.color[c]);
      return WriteText(registry, sub, "text", type.text) && WriteText(registry, sub, "ext", type.ext) &&
             WriteDword(registry, sub, "view", static_cast<int32_t>(type.view)) &&
             WriteBinary(registry, sub, "logfont", &type.logfont, sizeof(LogFont)) &&
             WriteBinary(registry, sub, "color", colors, sizeof colors);
    });
    if (result != 0) return -1;
  }
  return 0;
}

}  // namespace

int SaveSettings(RegistryStore& registry, const StartupOptions& options, const AppSettings& settings,
                 const FileTypeList& fileTypes, const StructureList& structures, const FrameBounds& normalRect,
                 const std::vector<std::string>& fileHistory) {
  if (!(options.registryFlags & 2)) return 0;

  StoreKey opened = registry.OpenProgramKey();
  if (opened == nullptr) {
    if (!(options.registryFlags & 4) &&
        ShowMessage(kMsgCreateKeyQuestion, MessageIcon::Warning, MessageButtons::OkCancel) != MessageAnswer::Ok) {
      return 0;
    }
    opened = registry.CreateProgramKey();
    if (opened == nullptr) {
      Warn(kMsgCannotCreateKey);
      return -1;
    }
  }
  ScopedKey key(registry, opened);

  if (!DeleteAllSubkeys(registry, key.get())) {
    Warn(kMsgCannotDeleteKey);
    return -1;
  }
  if (!WriteProgramValues(registry, key.get(), settings, fileTypes, structures, normalRect)) {
    Warn(kMsgCannotWriteRegistry);
    return -1;
  }
  if (WriteHistory(registry, key.get(), "find", "findstr%02d", settings.findHistory) != 0 ||
      WriteHistory(registry, key.get(), "replace", "repstr%02d", settings.replaceHistory) != 0) {
    return -1;
  }
  if (!WriteFileHistory(registry, key.get(), fileHistory)) {
    Warn(kMsgCannotWriteRegistry);
    return -1;
  }
  if (WriteFileTypes(registry, key.get(), fileTypes) != 0 || SaveStructures(registry, key.get(), structures) != 0) {
    return -1;
  }
  if (!key.Close()) {
    Warn(kMsgCannotCloseKey);
    return -1;
  }
  return 0;
}
