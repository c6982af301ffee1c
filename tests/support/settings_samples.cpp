// Sample records and their texts for the settings tests.
#include "support/settings_samples.h"

#include <cstring>
#include <sstream>

namespace {

// xorshift32, so a failing run can be repeated.
struct Random {
  uint32_t state;
  uint32_t Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  int32_t Between(int32_t low, int32_t high) {  // inclusive
    return low + static_cast<int32_t>(Next() % (static_cast<uint32_t>(high - low) + 1));
  }
  // Shift-JIS text of 1 to maxBytes bytes mixing ASCII, half-width kana and kanji.
  std::string Text(int maxBytes) {
    static const char* const kPieces[] = {"a", "Z", "9", " ", "_", "ｱ", "ﾟ", "あ", "漢", "ソ", "表", "\\"};
    std::string out;
    for (size_t target = static_cast<size_t>(Between(1, maxBytes)); out.size() < target;) {
      const char* piece = kPieces[Next() % 12];
      out += out.size() + std::strlen(piece) > target ? "x" : piece;
    }
    return out;
  }
};

std::string ByteText(const void* data, size_t size) {
  std::ostringstream out;
  for (const auto* b = static_cast<const uint8_t*>(data); size-- > 0; ++b) out << ' ' << static_cast<int>(*b);
  return out.str();
}

}  // namespace

SettingsRecords SampleRecords(uint32_t seed) {
  Random random{seed};
  SettingsRecords r;
  r.options.registryFlags = 7;
  AppSettings& s = r.settings;
  for (auto [field, high] : {std::pair{&s.code, 63}, {&s.filter, 65535}, {&s.findstat, 63}, {&s.history, 9}}) {
    *field = random.Between(0, high);
  }
  s.margin = random.Between(1, 512);
  s.zoomed = random.Between(0, 1);
  s.openpath = "C:\\" + random.Text(80);
  s.savepath = "D:\\" + random.Text(80);
  for (auto* history : {&s.findHistory, &s.replaceHistory}) {
    for (int n = random.Between(0, 6); n > 0; --n) {
      history->emplace_back(static_cast<size_t>(random.Between(1, 128)));
      for (uint8_t& b : history->back()) b = static_cast<uint8_t>(random.Next());
    }
  }
  for (int n = random.Between(0, 5); n > 0; --n) {
    FileType& t = r.fileTypes.types.emplace_back();
    t.text = random.Text(60);
    t.ext = "*." + random.Text(8);
    t.view = static_cast<uint32_t>(random.Between(0, 0x1FF));
    auto* font = reinterpret_cast<uint8_t*>(&t.logfont);
    for (size_t i = 0; i < offsetof(LogFont, lfFaceName); ++i) font[i] = static_cast<uint8_t>(random.Next());
    std::string face = random.Text(31);
    std::memcpy(t.logfont.lfFaceName, face.data(), face.size());
    for (ColorRef& c : t.color) c = random.Next() & 0x00FFFFFF;
  }
  StructureList& list = r.structures;
  for (list.count = random.Between(0, 6); list.structures.size() < static_cast<size_t>(list.count);) {
    Structure& t = list.structures.emplace_back();
    t.name = random.Text(40);
    for (int n = random.Between(0, 12); n > 0; --n) {
      StructureMember& m = t.members.emplace_back();
      m.description = random.Text(30);
      uint32_t kind = static_cast<uint32_t>(random.Between(0, 5));
      m.byteCount = IntegerMemberSize(kind) != 0 ? IntegerMemberSize(kind) : random.Between(1, kMaxMemberBytes);
      m.viewFlags = kind | (random.Next() & (kMemberNotEditable | kMemberMotorola | kMemberUnicode)) |
                    (static_cast<uint32_t>(random.Between(0, 4)) << kMemberRadixShift);
    }
    LayOutStructure(t);
  }
  list.lastUsed = random.Between(0, list.count);
  UpdateMinimumSize(list);
  r.rect = {random.Between(0, 300), random.Between(0, 300), random.Between(400, 1000), random.Between(400, 700)};
  for (int n = random.Between(0, 9); n > 0; --n) r.fileHistory.push_back("C:\\" + random.Text(40));
  return r;
}

std::string Describe(const FileTypeList& list) {
  std::ostringstream out;
  for (const FileType& t : list.types) {
    out << t.text << '|' << t.ext << '|' << t.view << '|' << ByteText(&t.logfont, sizeof t.logfont) << '|'
        << ByteText(t.color, sizeof t.color) << '\n';
  }
  return out.str();
}

std::string Describe(const StructureList& list) {
  std::ostringstream out;
  out << list.count << ' ' << list.lastUsed << ' ' << list.minimumSize << '\n';
  for (const Structure& s : list.structures) {
    out << s.name << ' ' << s.totalSize << ':';
    for (const StructureMember& m : s.members) {
      out << ' ' << m.description << '/' << m.offset << '/' << m.byteCount << '/' << m.viewFlags;
    }
    out << '\n';
  }
  return out.str();
}

SettingsEnvironment TestScreen() { return {{0x000001, 0xFFFFFE, 0x808081, 0xFFFFFD, 0x800002}, 1024, 768}; }

SettingsRecords LoadRecords(RegistryStore& registry, IniReader& ini, SettingsRecords r, bool histories) {
  r.status = LoadSettings(registry, ini, TestScreen(), r.options, r.settings, r.fileTypes, r.structures);
  if (histories && r.status == 0) r.status = LoadHistories(registry, ini, r.options, r.settings);
  return r;
}

int SaveRecords(RegistryStore& registry, const SettingsRecords& r) {
  return SaveSettings(registry, r.options, r.settings, r.fileTypes, r.structures, r.rect, r.fileHistory);
}

SettingsRecords SmallRecords() {
  SettingsRecords r;
  r.settings = AppSettings{1, 2, 3, 4, 5, 1, "C:\\in", "", false, {}, {{1, 2}}, {}, 0, 0};
  r.fileTypes.types.resize(1);
  r.fileTypes.types[0].text = "t";
  r.structures = StructureList{{Structure{"s", {StructureMember{}}, 0}}, 1, 0};
  r.fileHistory = {"C:\\a.bin"};
  return r;
}

std::vector<uint8_t> Le32s(std::initializer_list<int32_t> values) {
  std::vector<uint8_t> out;
  for (int32_t v : values) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
  }
  return out;
}
