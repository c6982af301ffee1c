// What LoadSettings, LoadHistories and SaveSettings do through any settings
// store: run over the in-memory store natively (settings_io_test.cpp) and over
// the real registry under Wine (registry_store_win_test.cpp). Values are planted
// and inspected behind the store's back. Include in one source file per binary.
#pragma once

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "app/settings/settings_io.h"
#include "support/message_recorder.h"
#include "support/settings_memory_store.h"
#include "support/settings_samples.h"

// A store under test, empty and without a program key, with raw access to it.
struct StoreUnderTest {
  virtual ~StoreUnderTest() = default;
  virtual RegistryStore& store() = 0;
  virtual RawRegistry& raw() = 0;
  // Keys left open (every load and save must close all it opened); 0 when unknown.
  virtual int OpenKeys() { return 0; }
};
using MakeStore = std::unique_ptr<StoreUnderTest> (*)();

class SettingsIoContract : public ::testing::TestWithParam<MakeStore> {
 public:
  using Ints = std::vector<int32_t>;
  using Bytes = std::vector<uint8_t>;

  void SetUp() override { Fresh(); }
  void Fresh() {
    s_.reset();
    s_ = GetParam()();
  }
  RawRegistry& raw() { return s_->raw(); }
  // A complete "FILETYPE<i>" key: view 0x21, a font of height -13 named "Font",
  // colour block bytes b * 7 + i.
  void PutFileType(int i, const std::string& text) {
    std::string key = "FILETYPE" + std::to_string(i);
    raw().PutString(key, "text", text);
    raw().PutString(key, "ext", "*.BIN");
    raw().PutDword(key, "view", 0x21);
    Bytes font = Le32s({-13, 0, 0, 0, 0, 0, 0, 'F' | 'o' << 8 | 'n' << 16 | 't' << 24});
    font.resize(60);
    raw().Put(key, "logfont", ValueType::Binary, font);
    Bytes colors(1044);
    for (size_t b = 0; b < colors.size(); ++b) colors[b] = static_cast<uint8_t>(b * 7 + static_cast<size_t>(i));
    raw().Put(key, "color", ValueType::Binary, colors);
  }
  // The stored values' bytes one after another ({0xEE} for each one missing).
  Bytes Raw(const std::string& key, std::initializer_list<const char*> names) {
    Bytes out;
    for (const char* name : names) {
      Bytes b = raw().Get(key, name).value_or(MemoryValue{ValueType::Other, {0xEE}}).data;
      out.insert(out.end(), b.begin(), b.end());
    }
    return out;
  }
  // The stored text up to its NUL, or "<missing>".
  std::string Text(const std::string& key, const std::string& name) {
    Bytes b = Raw(key, {name.c_str()});
    return b == Bytes{0xEE} ? "<missing>" : std::string(b.begin(), b.end()).c_str();
  }
  SettingsRecords Load(SettingsRecords start = {}) {
    SettingsRecords r = LoadRecords(s_->store(), ini_, std::move(start), true);
    EXPECT_EQ(s_->OpenKeys(), 0);
    return r;
  }
  int Save(const SettingsRecords& records) {
    int r = SaveRecords(s_->store(), records);
    EXPECT_EQ(s_->OpenKeys(), 0);
    return r;
  }
  // The record fields of "code", "filter", "findstat", "history", "margin", "zoomed", "newfile",
  // "prev", "impos", "findnum" and "repnum", in this order.
  static std::vector<int32_t*> Fields(SettingsRecords& r) {
    AppSettings& s = r.settings;
    std::vector<int32_t*> f = {&s.code, &s.filter, &s.findstat, &s.history, &s.margin, &s.zoomed};
    f.insert(f.end(), {&r.options.newfile, &r.options.prev, &r.structures.lastUsed, &s.findnum, &s.repnum});
    return f;
  }
  static Ints Numbers(SettingsRecords r) {
    Ints out;
    for (int32_t* field : Fields(r)) out.push_back(*field);
    return out;
  }
  // Start-up records whose first fields hold values (as from the command line).
  static SettingsRecords Start(const Ints& values) {
    SettingsRecords r;
    for (size_t i = 0; i < values.size(); ++i) *Fields(r)[i] = values[i];
    return r;
  }
  // The stored values' types and sizes: "D4 S6 B16" (DWORD, text, binary, O other, - missing).
  std::string Forms(const std::string& key, std::initializer_list<const char*> names) {
    std::string out;
    for (const char* name : names) {
      std::optional<MemoryValue> v = raw().Get(key, name);
      out += (v ? "DSBO"[static_cast<int>(v->type)] + std::to_string(v->data.size()) : "-") + " ";
    }
    return out;
  }
  static Ints Placement(const SettingsRecords& r) {
    return {r.options.x, r.options.y, r.options.width, r.options.height};
  }

  std::unique_ptr<StoreUnderTest> s_;
  MemoryIni ini_;
  MessageRecorder messages_;  // answers the creation question with OK
};

namespace {

using C = SettingsIoContract;
const int32_t D = kUseDefault;
const int32_t U = kUnset;

// Stored values are used as they are: "history" 20 stays 20 (the history dialog clamps later);
// command-line values in range win over them.
TEST_P(SettingsIoContract, PlantedValuesAreReadAndCommandLineValuesInRangeWin) {
  const char* const names[] = {"code", "filter", "findstat", "history", "margin", "zoomed", "newfile", "prev", "impos"};
  const uint32_t values[] = {0xFFFFFFFF, 0x0201, 9, 20, 600, 1, 1, 1, 2};
  for (size_t i = 0; i < 9; ++i) raw().PutDword("", names[i], values[i]);
  raw().PutDword("", "ftnum", 2);
  raw().PutString("", "openpath", "C:\\開く");
  raw().PutString("", "savepath", std::string(3074, 's'));  // fills its buffer with the terminator
  raw().Put("", "rect", ValueType::Binary, Le32s({10, 20, 650, 500}));
  PutFileType(0, "一");
  PutFileType(1, "二");
  SettingsRecords l = Load();
  ASSERT_EQ(l.status, 0);
  EXPECT_EQ(Numbers(l), (Ints{-1, 0x201, 9, 20, 600, 1, 1, 1, 2, 0, 0}));
  EXPECT_EQ(l.structures.count, kStructureCountUnset);  // no "imnum": the built-ins come later
  EXPECT_EQ(l.settings.openpath + l.settings.savepath, "C:\\開く" + std::string(3074, 's'));
  EXPECT_EQ(Placement(l), (Ints{10, 20, 640, 480}));
  ASSERT_EQ(l.fileTypes.types.size(), 2u);
  const FileType& t = l.fileTypes.types[1];
  EXPECT_EQ(t.text + t.ext + t.logfont.lfFaceName, "二*.BINFont");
  EXPECT_EQ((Ints{static_cast<int32_t>(t.view), t.logfont.lfHeight}), (Ints{0x21, -13}));
  EXPECT_EQ((std::vector<ColorRef>{t.color[0], t.color[260]}), (std::vector<ColorRef>{0x160F0801u, 0x867F7871u}));
  // In range: kept; out of range (a filter of 70000, a history of 10, a margin of 0, newfile 2): read.
  EXPECT_EQ(Numbers(Load(Start({63, 70000, 0, 10, 0, 0, 2}))), (Ints{63, 0x201, 0, 20, 600, 0, 1, 1, 2, 0, 0}));
}

TEST_P(SettingsIoContract, ValuesOfTheWrongTypeOrSizeOrMissingGiveDefaults) {
  raw().PutString("", "code", "12");                               // text for a number
  raw().Put("", "findstat", ValueType::Dword, {1, 2});             // two bytes
  raw().Put("", "history", ValueType::Binary, {9, 0, 0, 0});       // a binary of 4 bytes is a number
  raw().Put("", "margin", ValueType::Other, {50, 0, 0, 0});        // a list of texts or the like
  raw().Put("", "rect", ValueType::Binary, Le32s({1, 2, 3}));      // 12 bytes
  raw().PutDword("", "openpath", 5);                               // number for a text
  raw().Put("", "savepath", ValueType::String, Bytes(4000, 'x'));  // longer than a path
  raw().PutString("INFOMATION0", "text", "stray");                 // a whole template without "imnum"
  raw().PutDword("INFOMATION0", "info", 0);
  SettingsRecords l = Load();
  ASSERT_EQ(l.status, 0);
  EXPECT_EQ(Numbers(l), (Ints{0, 0, 27, 9, 171, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(l.structures.count, kStructureCountUnset);
  EXPECT_TRUE(l.structures.structures.empty() && l.fileTypes.types.empty());
  EXPECT_EQ(Placement(l), (Ints{D, D, D, D}));
  EXPECT_EQ(l.settings.openpath + l.settings.savepath, "");
  raw().Put("", "savepath", ValueType::String, {'a', 'b'});  // stored without its terminator
  EXPECT_EQ(Load().settings.savepath, "ab");
}

// Bit 0 of each flag word decides whether the registry and the INI file are read;
// with neither, command-line values in range stay and everything else is a default.
TEST_P(SettingsIoContract, FlagBitZeroDecidesWhatIsRead) {
  raw().PutDword("", "history", 8);
  ini_.Load("[Varnel]\nhistory=2\n");
  SettingsRecords start;
  start.options.registryFlags = 2;  // /Q2
  EXPECT_EQ(Load(start).settings.history, 2);
  start.options.registryFlags = 0x7FFFFFFF;  // /Q alone
  EXPECT_EQ(Load(start).settings.history, 8);
  start = Start({5, -1, U, U, U, U, 1, 7});
  start.options.registryFlags = 0;
  start.options.iniFlags = 2;
  start.fileTypes.types.resize(3);
  SettingsRecords l = Load(start);
  ASSERT_EQ(l.status, 0);
  EXPECT_EQ(Numbers(l), (Ints{5, 0, 27, 4, 171, 0, 1, 0, U, 0, 0}));
  EXPECT_TRUE(l.fileTypes.types.empty());
}

// Without the program key the INI file is read; once a save has created the key, it is not.
TEST_P(SettingsIoContract, TheRegistryTakesOverFromTheIniFileAfterASave) {
  ini_.Load("[Varnel]\ncodedef=9\nmargin=250\n");
  SettingsRecords l = Load();
  ASSERT_EQ(l.status, 0);
  EXPECT_EQ(Numbers(l), (Ints{9, 0, 27, 4, 250, 0, 0, 0, U, 0, 0}));
  EXPECT_FALSE(raw().Exists(""));
  ASSERT_EQ(Save(l), 0);
  ini_.Load("[Varnel]\nmargin=1\n");
  EXPECT_EQ(Numbers(Load()), Numbers(l));
}

TEST_P(SettingsIoContract, FileTypesStopAtTheFirstMissingOrIncompleteKey) {
  const struct {
    const char* why;
    uint32_t ftnum;
    void (*damage)(C&);
    size_t loaded;
  } rows[] = {
      {"FILETYPE2 missing", 5, [](C& c) { c.raw().Delete("FILETYPE2", ""); }, 2},
      {"negative ftnum", 0xFFFFFFFF, [](C&) {}, 0},
      {"missing color", 5, [](C& c) { c.raw().Delete("FILETYPE3", "color"); }, 3},
      {"logfont of 59 bytes", 5, [](C& c) { c.raw().Put("FILETYPE1", "logfont", ValueType::Binary, Bytes(59)); }, 1},
      {"color of 1040 bytes", 5, [](C& c) { c.raw().Put("FILETYPE0", "color", ValueType::Binary, Bytes(1040)); }, 0},
      {"color as text", 5, [](C& c) { c.raw().Put("FILETYPE4", "color", ValueType::String, Bytes(1044, 'a')); }, 4},
      {"text of 3076 bytes", 5, [](C& c) { c.raw().Put("FILETYPE2", "ext", ValueType::String, Bytes(3076, 0)); }, 2},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    Fresh();
    raw().PutDword("", "ftnum", r.ftnum);
    for (int i = 0; i < 5; ++i) PutFileType(i, "T" + std::to_string(i));
    r.damage(*this);
    SettingsRecords l = Load();
    ASSERT_EQ(l.status, 0);
    std::string texts;
    for (const FileType& t : l.fileTypes.types) texts += t.text;
    EXPECT_EQ(texts, std::string("T0T1T2T3T4").substr(0, 2 * r.loaded));
  }
}

// The find history in "find" counted by "findnum", the replace history in "replace" by "repnum".
TEST_P(SettingsIoContract, HistoriesStopAtTheFirstBadEntry) {
  const Bytes b1(1, 1), b4(4, 2), b5(5, 3), b128(128, 4), b129(129, 5);
  const struct {
    const char* why;
    std::string key;
    uint32_t count;
    std::vector<Bytes> stored;  // findstr00, findstr01, ... or repstr00, ...
    size_t kept;
  } rows[] = {
      {"all read, 128 bytes at most", "find", 3, {b1, b128, b5}, 3},
      {"129 bytes end the history", "find", 3, {b4, b129, b5}, 1},
      {"an empty value ends it", "find", 3, {b4, {}, b5}, 1},
      {"absurd count stops at the first missing", "find", 2000000000, {b4, b5}, 2},
      {"negative count reads nothing", "find", 0xFFFFFFFF, {b4}, 0},
      {"the replace history", "replace", 5, {b4, b1}, 2},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    Fresh();
    bool find = r.key == "find";
    raw().PutDword("", find ? "findnum" : "repnum", r.count);
    for (size_t i = 0; i < r.stored.size(); ++i)
      raw().Put(r.key, (find ? "findstr0" : "repstr0") + std::to_string(i), ValueType::Binary, r.stored[i]);
    SettingsRecords l = Load();
    ASSERT_EQ(l.status, 0);
    const AppSettings& s = l.settings;
    EXPECT_EQ(find ? s.findHistory : s.replaceHistory, std::vector<Bytes>(r.stored.begin(), r.stored.begin() + r.kept));
    EXPECT_EQ((Ints{s.findnum, s.repnum}), (Ints{find ? static_cast<int32_t>(r.kept) : 0, find ? 0 : 2}));
  }
}

TEST_P(SettingsIoContract, SavingAsksBeforeCreatingTheKeyAsTheFlagsSay) {
  const struct {
    const char* why;
    int32_t flags;
    bool keyExists;
    MessageAnswer answer;
    bool asked, written;
  } rows[] = {
      {"/Q0 touches nothing", 0, false, MessageAnswer::Ok, false, false},
      {"/Q1 reads only and leaves the key as it was", 1, true, MessageAnswer::Ok, false, false},
      {"/Q3 asks, Cancel leaves the registry untouched", 3, false, MessageAnswer::Cancel, true, false},
      {"/Q2 asks, OK creates", 2, false, MessageAnswer::Ok, true, true},
      {"/Q3 with the key present asks nothing", 3, true, MessageAnswer::Cancel, false, true},
      {"/Q7 creates without asking", 7, false, MessageAnswer::Cancel, false, true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    Fresh();
    if (r.keyExists) raw().PutDword("FILETYPE9", "view", 1);  // a save replaces the subkeys
    SettingsRecords s = SmallRecords();
    s.options.registryFlags = r.flags;
    MessageRecorder messages;
    messages.Answer(r.answer);
    EXPECT_EQ(Save(s), 0);
    const char* question = "ﾚｼﾞｽﾄﾘに\nHKEY_CURRENT_USER\\Software\\Halvorsk\\Varnel\nを新規作成します。";
    EXPECT_EQ(messages.texts(), r.asked ? std::vector<std::string>{question} : std::vector<std::string>{});
    for (const RecordedMessage& m : messages.messages())
      EXPECT_TRUE(m.buttons == MessageButtons::OkCancel && m.icon == MessageIcon::Warning);
    EXPECT_EQ(Raw("", {"code"}) == Le32s({1}), r.written);
    EXPECT_EQ(raw().Exists(""), r.written || r.keyExists);
    EXPECT_EQ(raw().Exists("FILETYPE9"), r.keyExists && !r.written);
  }
}

// Each value in its form; a later save replaces every subkey but keeps the key's own values.
TEST_P(SettingsIoContract, EveryValueIsWrittenInItsFormAndSubkeysAreReplaced) {
  SettingsRecords s = SmallRecords();
  s.fileTypes.types[0].color[0] = 0x00ABCDEF;
  ASSERT_EQ(Save(s), 0);
  EXPECT_EQ(Forms("", {"code", "margin", "openpath", "savepath", "rect", "history0", "history9"}),
            "D4 D4 S6 S1 B16 S9 S1 ");
  EXPECT_EQ(Forms("find", {"findstr00"}) + Forms("FILETYPE0", {"logfont", "color", "view"}) +
                Forms("INFOMATION0", {"text", "infoview0000"}),
            "B2 B60 B1044 D4 S2 D4 ");
  EXPECT_EQ(Raw("", {"rect", "margin", "findnum", "repnum", "ftnum", "imnum"}),
            Le32s({10, 20, 650, 500, 5, 1, 0, 1, 1}));
  EXPECT_EQ(Raw("FILETYPE0", {"color"}).at(2), 0xAB);
  EXPECT_EQ(Text("", "history0"), "C:\\a.bin");
  EXPECT_TRUE(raw().Exists("replace"));  // written even when empty

  raw().PutDword("", "newfile", 1);
  raw().PutString("", "foreign", "x");
  raw().PutDword("FILETYPE7", "view", 0);            // left over from a longer list
  raw().PutDword("other\\deeper\\deepest", "x", 1);  // nested keys go too
  raw().PutString("", "history15", "stale");
  s.structures = StructureList{};  // an unset count is written as unset
  s.fileHistory.clear();           // twelve, as with a history length of 20 (the empty slots: see the random run)
  for (int i = 0; i < 12; ++i) s.fileHistory.push_back("F" + std::to_string(i));
  ASSERT_EQ(Save(s), 0);
  for (size_t i = 0; i <= 12; ++i) {
    EXPECT_EQ(Text("", "history" + std::to_string(i)), i < 12 ? s.fileHistory[i] : "<missing>") << i;
  }
  EXPECT_EQ(Text("", "history15") + Text("", "foreign"), "stalex");
  for (const char* gone : {"FILETYPE7", "other", "INFOMATION0"}) EXPECT_FALSE(raw().Exists(gone)) << gone;
  EXPECT_EQ(Raw("", {"newfile", "imnum", "impos"}), Le32s({1, U, U}));
}

TEST_P(SettingsIoContract, BuiltinTemplatesSurviveByteForByte) {
  SettingsRecords saved;
  InstallBuiltinStructures(saved.structures);
  ASSERT_EQ(Save(saved), 0);
  EXPECT_EQ(Text("INFOMATION2", "text") + Text("INFOMATION2", "infotext0009"), "PEﾍｯﾀﾞﾘﾝｶのﾊﾞｰｼﾞｮﾝ");
  EXPECT_EQ(Raw("INFOMATION2", {"info", "infonum0009", "infoview0009"}), Le32s({34, 2, 0x81}));
  static const char kName[] = "PEｾｸｼｮﾝﾃｰﾌﾞﾙ";
  EXPECT_EQ(Raw("INFOMATION3", {"text"}), Bytes(std::begin(kName), std::end(kName)));  // with its NUL
  EXPECT_FALSE(raw().Exists("INFOMATION4"));
  EXPECT_EQ(Raw("INFOMATION0", {"offset"}), Bytes{0xEE});
  SettingsRecords loaded = Load();
  EXPECT_EQ((Ints{loaded.structures.count, loaded.structures.minimumSize}), (Ints{4, 18}));
  EXPECT_EQ(Describe(loaded.structures), Describe(saved.structures));
}

TEST_P(SettingsIoContract, RandomStatesComeBackExactly) {
  for (uint32_t seed = 1; seed <= 10; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Fresh();
    SettingsRecords saved = SampleRecords(seed);
    ASSERT_EQ(Save(saved), 0);
    SettingsRecords l = Load();
    ASSERT_EQ(l.status, 0);
    auto kept = [](const AppSettings& s) {
      return std::tie(s.code, s.filter, s.findstat, s.history, s.margin, s.zoomed, s.openpath, s.savepath,
                      s.findHistory, s.replaceHistory);
    };
    EXPECT_EQ(kept(l.settings), kept(saved.settings));
    const FrameBounds& r = saved.rect;
    EXPECT_EQ(Placement(l), (Ints{r.left, r.top, r.right - r.left, r.bottom - r.top}));
    for (size_t i = 0; i < 10; ++i) {
      EXPECT_EQ(Text("", "history" + std::to_string(i)), i < saved.fileHistory.size() ? saved.fileHistory[i] : "");
    }
    EXPECT_EQ(Describe(l.fileTypes), Describe(saved.fileTypes));
    EXPECT_EQ(Describe(l.structures), Describe(saved.structures));
  }
}

}  // namespace
