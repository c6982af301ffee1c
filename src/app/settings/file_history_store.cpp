// The stored file history.
#include "app/settings/file_history_store.h"

#include "app/settings/settings_values.h"
#include "core/text_limits.h"

std::vector<std::string> LoadFileHistory(RegistryStore& registry, IniReader& ini, const StartupOptions& options,
                                         int history, bool* closeFailed) {
  std::vector<std::string> paths;
  *closeFailed = false;
  if (options.registryFlags & 1) {
    if (StoreKey raw = registry.OpenProgramKey()) {
      ScopedKey key(registry, raw);
      for (int i = 0; i < history; ++i) {
        std::string text;
        if (!ReadText(registry, key.get(), IndexedName("history%d", i).c_str(), &text) || text.empty()) break;
        paths.push_back(text);
      }
      if (!key.Close()) *closeFailed = true;
      return paths;
    }
  }
  if (options.iniFlags & 1) {
    for (int i = 0; i < history; ++i) {
      std::string text = ini.GetString("Varnel", IndexedName("history%d", i).c_str(), "", kMaxTextLength);
      if (text.empty()) break;
      paths.push_back(text);
    }
  }
  return paths;
}
