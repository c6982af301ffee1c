// Start-up loading of the settings (registry, else INI file, else defaults) and
// of the find and replace histories.
#include <algorithm>
#include <cstring>
#include <new>

#include "app/settings/settings_io.h"
#include "app/settings/settings_values.h"
#include "app/settings/structure_store.h"
#include "core/codepage.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/text_limits.h"
#include "core/user_message.h"

namespace {

const char kIniSection[] = "Varnel";
const char kIniFindSection[] = "Varnel find";

bool InRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }
bool IsFlag(int32_t value) { return value == 0 || value == 1; }

// The settings a command-line value overrides when it lies in the valid range.
struct RangedSetting {
  int32_t AppSettings::*field;
  const char* valueName;  // registry value
  const char* iniKey;     // key in section "Varnel"
  int32_t low;
  int32_t high;
  int32_t defaultValue;
};

const RangedSetting kRangedSettings[] = {
    {&AppSettings::code, "code", "codedef", 0, 63, 0},
    {&AppSettings::filter, "filter", "filter", 0, 65535, 0},
    {&AppSettings::findstat, "findstat", "findstat", 0, 63, 27},
    {&AppSettings::history, "history", "history", 0, 9, 4},
    {&AppSettings::margin, "margin", "margin", 1, 512, 171},
};

// An INI text of at most maxLength bytes; false when the stored text is longer
// (a cut path or pattern would be wrong, so callers fall back instead).
bool ReadIniText(IniReader& ini, const char* section, const char* key, const char* defaultText, int maxLength,
                 std::string* text) {
  std::string value = ini.GetString(section, key, defaultText, maxLength + 1);
  if (value.size() > static_cast<size_t>(maxLength)) return false;
  *text = std::move(value);
  return true;
}

// Cuts text to at most maxLength bytes without splitting a double-byte character.
std::string CutAtCharacter(const std::string& text, size_t maxLength) {
  size_t end = 0;
  while (end < text.size()) {
    size_t step = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + step > maxLength || end + step > text.size()) break;
    end += step;
  }
  return text.substr(0, end);
}

void ClipFrameRect(const int32_t rect[4], const SettingsEnvironment& environment, StartupOptions& options) {
  int64_t left = rect[0] > 0 ? rect[0] : 0;
  int64_t top = rect[1] > 0 ? rect[1] : 0;
  int64_t right = rect[2] < environment.screenWidth ? rect[2] : environment.screenWidth;
  int64_t bottom = rect[3] < environment.screenHeight ? rect[3] : environment.screenHeight;
  if (right <= left || bottom <= top) return;  // wholly off the primary screen
  options.x = static_cast<int32_t>(left);
  options.y = static_cast<int32_t>(top);
  options.width = static_cast<int32_t>(right - left);
  options.height = static_cast<int32_t>(bottom - top);
}

// The frame placement read from the INI file ("wpos0".."wpos3": x, y, width,
// height; CW_USEDEFAULT lets the system choose) kept on the primary screen as the
// registry's rectangle is: a frame partly off the screen is cut to it, one wholly
// off it (or of no size) is placed by the system. fromIni marks the fields the
// INI file gave; fields given on the command line are the user's own choice.
void ClipIniPlacement(const bool fromIni[4], const SettingsEnvironment& environment, StartupOptions& options) {
  int32_t* field[4] = {&options.x, &options.y, &options.width, &options.height};
  if (!fromIni[0] && !fromIni[1] && !fromIni[2] && !fromIni[3]) return;
  auto useDefault = [&] {
    for (int i = 0; i < 4; ++i) {
      if (fromIni[i]) *field[i] = kUseDefault;
    }
  };
  const bool placed = options.x != kUseDefault && options.y != kUseDefault;
  const bool sized = options.width != kUseDefault && options.height != kUseDefault;
  if (sized && (options.width <= 0 || options.height <= 0)) return useDefault();
  if (!placed || (!fromIni[0] && !fromIni[1])) return;
  const int64_t right = sized ? int64_t{options.x} + options.width : int64_t{options.x} + 1;
  const int64_t bottom = sized ? int64_t{options.y} + options.height : int64_t{options.y} + 1;
  int32_t rect[4] = {options.x, options.y, static_cast<int32_t>(std::min<int64_t>(right, INT32_MAX)),
                     static_cast<int32_t>(std::min<int64_t>(bottom, INT32_MAX))};
  StartupOptions clipped = options;
  clipped.x = kUnset;
  ClipFrameRect(rect, environment, clipped);
  if (clipped.x == kUnset) return useDefault();
  options.x = clipped.x;
  options.y = clipped.y;
  if (sized) {
    options.width = clipped.width;
    options.height = clipped.height;
  }
}

// One "FILETYPE%d" key; false when any of its five values is missing or damaged.
bool ReadRegistryFileType(RegistryStore& registry, StoreKey key, FileType& type) {
  int32_t view = 0;
  uint8_t colors[kColorCount * 4];
  if (!ReadText(registry, key, "text", &type.text) || !ReadText(registry, key, "ext", &type.ext) ||
      !ReadDword(registry, key, "view", &view) ||
      !ReadBinaryExact(registry, key, "logfont", &type.logfont, sizeof(LogFont)) ||
      !ReadBinaryExact(registry, key, "color", colors, sizeof colors)) {
    return false;
  }
  type.view = static_cast<uint32_t>(view);
  type.logfont.lfFaceName[sizeof type.logfont.lfFaceName - 1] = '\0';
  for (int i = 0; i < kColorCount; ++i) type.color[i] = LoadLe32(colors + 4 * i);
  return true;
}

// Registry branch; the caller closes the key.
int LoadFromRegistry(RegistryStore& registry, StoreKey key, const SettingsEnvironment& environment,
                     StartupOptions& options, AppSettings& settings, FileTypeList& fileTypes,
                     StructureList& structures) {
  for (const RangedSetting& r : kRangedSettings) {
    int32_t& field = settings.*r.field;
    if (InRange(field, r.low, r.high)) continue;
    if (!ReadDword(registry, key, r.valueName, &field)) field = r.defaultValue;
  }
  auto readFlag = [&](int32_t& field, const char* name) {
    if (!IsFlag(field) && !ReadDword(registry, key, name, &field)) field = 0;
  };
  readFlag(options.newfile, "newfile");
  if (structures.lastUsed == kUnset && !ReadDword(registry, key, "impos", &structures.lastUsed)) {
    structures.lastUsed = 0;
  }
  readFlag(options.prev, "prev");
  readFlag(settings.zoomed, "zoomed");

  if (!ReadText(registry, key, "openpath", &settings.openpath)) settings.openpath.clear();
  if (!ReadText(registry, key, "savepath", &settings.savepath)) settings.savepath.clear();

  if (options.x == kUnset) {
    uint8_t bytes[16];
    if (ReadBinaryExact(registry, key, "rect", bytes, sizeof bytes)) {
      for (int i = 0; i < 4; ++i) settings.rect[i] = static_cast<int32_t>(LoadLe32(bytes + 4 * i));
      settings.hasRect = true;
      ClipFrameRect(settings.rect, environment, options);
    } else {
      options.x = options.y = options.width = options.height = kUseDefault;
    }
  }

  int32_t ftnum = 0;
  if (!ReadDword(registry, key, "findnum", &settings.findnum)) settings.findnum = 0;
  if (!ReadDword(registry, key, "repnum", &settings.repnum)) settings.repnum = 0;
  if (!ReadDword(registry, key, "ftnum", &ftnum)) ftnum = 0;

  fileTypes.types.clear();
  for (int32_t i = 0; i < ftnum; ++i) {
    ScopedKey sub(registry, registry.OpenSubkey(key, IndexedName("FILETYPE%d", i).c_str()));
    if (!sub) break;
    FileType type;
    bool complete = ReadRegistryFileType(registry, sub.get(), type);
    if (!sub.Close()) {
      ShowMessage(kMsgCannotCloseKey, MessageIcon::Stop);
      return -1;
    }
    if (!complete) break;
    fileTypes.types.push_back(std::move(type));
  }

  return LoadStructures(registry, key, structures);
}

// One "Varnel %d" section, every key with its default.
FileType ReadIniFileType(IniReader& ini, const char* section, const SampledColors& colors) {
  FileType type;
  if (!ReadIniText(ini, section, "text", "不明", kMaxTextLength, &type.text)) type.text = "不明";
  if (!ReadIniText(ini, section, "ext", "*.*", kMaxTextLength, &type.ext)) type.ext = "*.*";
  type.view = static_cast<uint32_t>(ini.GetInt(section, "view", 128));
  LogFont& f = type.logfont;
  f.lfHeight = ini.GetInt(section, "lfHeight", -13);
  f.lfWidth = ini.GetInt(section, "lfWidth", 0);
  f.lfEscapement = ini.GetInt(section, "lfEscapement", 0);
  f.lfOrientation = ini.GetInt(section, "lfOrientation", 0);
  f.lfWeight = ini.GetInt(section, "lfWeight", 400);
  auto low = [&](const char* name, int32_t defaultValue) {
    return static_cast<uint8_t>(ini.GetInt(section, name, defaultValue) & 0xFF);
  };
  f.lfItalic = low("lfItalic", 0);
  f.lfUnderline = low("lfUnderline", 0);
  f.lfStrikeOut = low("lfStrikeOut", 0);
  f.lfCharSet = low("lfCharSet", 128);
  f.lfOutPrecision = low("lfOutPrecision", 4);
  f.lfClipPrecision = low("lfClipPrecision", 0);
  f.lfQuality = low("lfQuality", 1);
  f.lfPitchAndFamily = low("lfPitchAndFamily", 49);
  std::string face = CutAtCharacter(ini.GetString(section, "lfFaceName", "ＭＳ ゴシック", 64),
                                    sizeof f.lfFaceName - 1);
  std::memset(f.lfFaceName, 0, sizeof f.lfFaceName);
  std::memcpy(f.lfFaceName, face.data(), face.size());

  const ColorRef base[5] = {colors.windowText, colors.window, colors.grayText, colors.highlightText,
                            colors.highlight};
  for (int i = 0; i < 5; ++i) {
    type.color[i] = static_cast<ColorRef>(
        ini.GetInt(section, IndexedName("color%02d", i).c_str(), static_cast<int32_t>(base[i])));
  }
  for (int b = 0; b < 256; ++b) {
    type.color[kColorByte0 + b] = static_cast<ColorRef>(
        ini.GetInt(section, IndexedName("color%02Xh", b).c_str(), static_cast<int32_t>(colors.windowText)));
  }
  return type;
}

void LoadFromIni(IniReader& ini, const SettingsEnvironment& environment, StartupOptions& options,
                 AppSettings& settings, FileTypeList& fileTypes) {
  for (const RangedSetting& r : kRangedSettings) {
    int32_t& field = settings.*r.field;
    if (!InRange(field, r.low, r.high)) field = ini.GetInt(kIniSection, r.iniKey, r.defaultValue);
  }
  if (!IsFlag(options.newfile)) options.newfile = 0;
  if (!IsFlag(options.prev)) options.prev = ini.GetInt(kIniSection, "prev", 0);
  if (!IsFlag(settings.zoomed)) settings.zoomed = ini.GetInt(kIniSection, "zoomed", 0);

  if (!ReadIniText(ini, kIniSection, "openpath", "", kMaxTextLength, &settings.openpath)) settings.openpath.clear();
  if (!ReadIniText(ini, kIniSection, "savepath", "", kMaxTextLength, &settings.savepath)) settings.savepath.clear();

  int32_t* placement[4] = {&options.x, &options.y, &options.width, &options.height};
  bool fromIni[4] = {};
  for (int i = 0; i < 4; ++i) {
    if (*placement[i] != kUnset) continue;
    *placement[i] = ini.GetInt(kIniSection, IndexedName("wpos%d", i).c_str(), kUseDefault);
    fromIni[i] = true;
  }
  ClipIniPlacement(fromIni, environment, options);

  settings.findnum = ini.GetInt(kIniSection, "findnum", 0);
  settings.repnum = ini.GetInt(kIniSection, "repnum", 0);
  int32_t ftnum = ini.GetInt(kIniSection, "ftnum", 0);

  fileTypes.types.clear();
  for (int32_t i = 0; i < ftnum; ++i) {
    std::string section = IndexedName("Varnel %d", i);
    // A count beyond the sections really present would invent records.
    if (!ini.HasSection(section.c_str())) break;
    fileTypes.types.push_back(ReadIniFileType(ini, section.c_str(), environment.colors));
  }
}

void LoadDefaults(StartupOptions& options, AppSettings& settings, FileTypeList& fileTypes) {
  for (const RangedSetting& r : kRangedSettings) {
    int32_t& field = settings.*r.field;
    if (!InRange(field, r.low, r.high)) field = r.defaultValue;
  }
  if (!IsFlag(options.newfile)) options.newfile = 0;
  if (!IsFlag(options.prev)) options.prev = 0;
  if (!IsFlag(settings.zoomed)) settings.zoomed = 0;
  settings.openpath.clear();
  settings.savepath.clear();
  settings.findnum = 0;
  settings.repnum = 0;
  fileTypes.types.clear();
}

// One history from the open subkey, or from the INI file when there is none.
void LoadHistory(RegistryStore& registry, StoreKey subkey, IniReader& ini, const char* nameFormat, int32_t& count,
                 std::vector<std::vector<uint8_t>>& entries) {
  entries.clear();
  for (int32_t i = 0; i < count; ++i) {
    std::string name = IndexedName(nameFormat, i);
    std::vector<uint8_t> bytes;
    if (subkey != nullptr) {
      if (!ReadBinary(registry, subkey, name.c_str(), kByteSequenceCapacity, &bytes)) break;
    } else {
      // Read whole: a line cut short would silently lose its last bytes.
      std::string line;
      if (!ReadIniText(ini, kIniFindSection, name.c_str(), "", kMaxTextLength, &line)) break;
      ByteSequence sequence;
      ParseByteSequence(line.c_str(), 16, false, &sequence);
      if (sequence.count <= 0) break;
      bytes.assign(sequence.bytes, sequence.bytes + sequence.count);
    }
    entries.push_back(std::move(bytes));
  }
  count = static_cast<int32_t>(entries.size());
}

int LoadHistoryFrom(RegistryStore& registry, StoreKey programKey, IniReader& ini, const char* subkeyName,
                    const char* nameFormat, int32_t& count, std::vector<std::vector<uint8_t>>& entries) {
  ScopedKey subkey(registry, programKey != nullptr ? registry.OpenSubkey(programKey, subkeyName) : nullptr);
  LoadHistory(registry, subkey.get(), ini, nameFormat, count, entries);
  if (!subkey.Close()) {
    ShowMessage(kMsgCannotCloseKey, MessageIcon::Stop);
    return -1;
  }
  return 0;
}

}  // namespace

int LoadSettings(RegistryStore& registry, IniReader& ini, const SettingsEnvironment& environment,
                 StartupOptions& options, AppSettings& settings, FileTypeList& fileTypes,
                 StructureList& structures) {
  try {
    ScopedKey key(registry, (options.registryFlags & 1) ? registry.OpenProgramKey() : nullptr);
    if (key) {
      if (LoadFromRegistry(registry, key.get(), environment, options, settings, fileTypes, structures) != 0) {
        return -1;
      }
      if (!key.Close()) {
        ShowMessage(kMsgCannotCloseKey, MessageIcon::Stop);
        return -1;
      }
    } else if (options.iniFlags & 1) {
      LoadFromIni(ini, environment, options, settings, fileTypes);
    } else {
      LoadDefaults(options, settings, fileTypes);
    }
  } catch (const std::bad_alloc&) {
    ShowMessage(kMsgNoMemory, MessageIcon::Stop);
    return -1;
  }
  for (int32_t* field : {&options.x, &options.y, &options.width, &options.height}) {
    if (*field == kUnset) *field = kUseDefault;
  }
  return 0;
}

int LoadHistories(RegistryStore& registry, IniReader& ini, const StartupOptions& options, AppSettings& settings) {
  try {
    ScopedKey key(registry, (options.registryFlags & 1) ? registry.OpenProgramKey() : nullptr);
    if (LoadHistoryFrom(registry, key.get(), ini, "find", "findstr%02d", settings.findnum, settings.findHistory) != 0 ||
        LoadHistoryFrom(registry, key.get(), ini, "replace", "repstr%02d", settings.repnum,
                        settings.replaceHistory) != 0) {
      return -1;
    }
    if (!key.Close()) {
      ShowMessage(kMsgCannotCloseKey, MessageIcon::Stop);
      return -1;
    }
  } catch (const std::bad_alloc&) {
    ShowMessage(kMsgNoMemory, MessageIcon::Stop);
    return -1;
  }
  return 0;
}
