// Sample records and comparisons for the settings tests.
#include "support/settings_samples.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

uint32_t SampleRandom::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

int32_t SampleRandom::Between(int32_t low, int32_t high) {
  uint32_t span = static_cast<uint32_t>(high - low) + 1;
  return low + static_cast<int32_t>(span == 0 ? Next() : Next() % span);
}

std::string SampleRandom::Text(int maxBytes) {
  static const char* const kPieces[] = {"a", "Z", "9", " ", "_", "ｱ", "ﾟ", "あ", "漢", "ソ", "表", "\\"};
  std::string out;
  int target = Between(1, maxBytes);
  while (static_cast<int>(out.size()) < target) {
    const char* piece = kPieces[Next() % (sizeof kPieces / sizeof kPieces[0])];
    if (static_cast<int>(out.size() + std::strlen(piece)) > target) piece = "x";
    out += piece;
  }
  return out;
}

FileType SampleFileType(SampleRandom& random) {
  FileType t;
  t.text = random.Text(60);
  t.ext = "*." + random.Text(8);
  t.view = static_cast<uint32_t>(random.Between(0, 0x1FF));
  t.logfont.lfHeight = random.Between(-72, 72);
  t.logfont.lfWidth = random.Between(0, 40);
  t.logfont.lfEscapement = random.Between(0, 3600);
  t.logfont.lfOrientation = random.Between(0, 3600);
  t.logfont.lfWeight = random.Between(0, 1000);
  uint8_t* small = &t.logfont.lfItalic;
  for (int i = 0; i < 8; ++i) small[i] = static_cast<uint8_t>(random.Next());
  std::string face = random.Text(31);
  std::memcpy(t.logfont.lfFaceName, face.data(), face.size());
  for (ColorRef& c : t.color) c = random.Next() & 0x00FFFFFF;
  return t;
}

StructureList SampleStructures(SampleRandom& random, int count) {
  StructureList list;
  for (int n = 0; n < count; ++n) {
    Structure s;
    s.name = random.Text(40);
    int members = random.Between(0, 12);
    for (int i = 0; i < members; ++i) {
      StructureMember m;
      m.description = random.Text(30);
      uint32_t kind = static_cast<uint32_t>(random.Between(0, 5));
      m.byteCount = IntegerMemberSize(kind) != 0 ? IntegerMemberSize(kind) : random.Between(1, kMaxMemberBytes);
      m.viewFlags = kind | (random.Next() & (kMemberNotEditable | kMemberMotorola | kMemberUnicode)) |
                    (static_cast<uint32_t>(random.Between(0, 4)) << kMemberRadixShift);
      s.members.push_back(m);
    }
    LayOutStructure(s);
    list.structures.push_back(s);
  }
  list.count = count;
  list.lastUsed = random.Between(0, count);
  UpdateMinimumSize(list);
  return list;
}

AppSettings SampleSettings(SampleRandom& random) {
  AppSettings s;
  s.code = random.Between(0, 63);
  s.filter = random.Between(0, 65535);
  s.findstat = random.Between(0, 63);
  s.history = random.Between(0, 9);
  s.margin = random.Between(1, 512);
  s.zoomed = random.Between(0, 1);
  s.openpath = "C:\\" + random.Text(80);
  s.savepath = "D:\\" + random.Text(80);
  for (auto* history : {&s.findHistory, &s.replaceHistory}) {
    int n = random.Between(0, 6);
    for (int i = 0; i < n; ++i) {
      std::vector<uint8_t> entry(static_cast<size_t>(random.Between(1, 128)));
      for (uint8_t& b : entry) b = static_cast<uint8_t>(random.Next());
      history->push_back(entry);
    }
  }
  return s;
}

void ExpectSameFileTypes(const FileTypeList& expected, const FileTypeList& actual) {
  ASSERT_EQ(expected.types.size(), actual.types.size());
  for (size_t i = 0; i < expected.types.size(); ++i) {
    const FileType& a = expected.types[i];
    const FileType& b = actual.types[i];
    SCOPED_TRACE("file type " + std::to_string(i));
    EXPECT_EQ(std::tie(a.text, a.ext, a.view), std::tie(b.text, b.ext, b.view));
    EXPECT_EQ(std::memcmp(&a.logfont, &b.logfont, sizeof(LogFont)), 0) << "logfont bytes differ";
    for (int c = 0; c < kColorCount; ++c) EXPECT_EQ(a.color[c], b.color[c]) << "colour " << c;
  }
}

void ExpectSameStructures(const StructureList& expected, const StructureList& actual) {
  EXPECT_EQ(std::tie(expected.count, expected.lastUsed, expected.minimumSize),
            std::tie(actual.count, actual.lastUsed, actual.minimumSize));
  ASSERT_EQ(expected.structures.size(), actual.structures.size());
  for (size_t t = 0; t < expected.structures.size(); ++t) {
    const Structure& a = expected.structures[t];
    const Structure& b = actual.structures[t];
    SCOPED_TRACE("template " + std::to_string(t));
    EXPECT_EQ(std::tie(a.name, a.totalSize), std::tie(b.name, b.totalSize));
    ASSERT_EQ(a.members.size(), b.members.size());
    for (size_t i = 0; i < a.members.size(); ++i) {
      const StructureMember &x = a.members[i], &y = b.members[i];
      EXPECT_EQ(std::tie(x.description, x.offset, x.byteCount, x.viewFlags),
                std::tie(y.description, y.offset, y.byteCount, y.viewFlags))
          << "member " << i;
    }
  }
}

SettingsEnvironment TestScreen() {
  SettingsEnvironment e;
  e.colors = {0x000001, 0xFFFFFE, 0x808081, 0xFFFFFD, 0x800002};
  e.screenWidth = 1024;
  e.screenHeight = 768;
  return e;
}

SettingsRecords LoadRecords(RegistryStore& registry, IniReader& ini, SettingsRecords start, bool histories) {
  SettingsRecords& r = start;
  r.status = LoadSettings(registry, ini, TestScreen(), r.options, r.settings, r.fileTypes, r.structures);
  if (histories && r.status == 0) r.status = LoadHistories(registry, ini, r.options, r.settings);
  return start;
}

int SaveRecords(RegistryStore& registry, const SettingsRecords& r) {
  return SaveSettings(registry, r.options, r.settings, r.fileTypes, r.structures, r.rect, r.fileHistory);
}

SettingsRecords SmallRecords() {
  SettingsRecords r;
  AppSettings& s = r.settings;
  s.code = 1;
  s.filter = 2;
  s.findstat = 3;
  s.history = 4;
  s.margin = 5;
  s.zoomed = 1;
  s.openpath = "C:\\in";
  s.findHistory = {{1, 2}};
  r.fileTypes.types.resize(1);
  r.fileTypes.types[0].text = "t";
  r.structures.structures.resize(1);
  r.structures.structures[0].name = "s";
  r.structures.structures[0].members.resize(1);
  r.structures.count = 1;
  r.structures.lastUsed = 0;
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
