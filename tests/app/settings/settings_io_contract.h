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
#include <vector>

#include "app/settings/settings_io.h"
#include "support/message_recorder.h"
#include "support/settings_memory_store.h"
#include "support/settings_samples.h"

// A store under test with raw access to what it holds. Subkeys are relative to
// the program key ("" is the key itself) and are created as needed.
class StoreHarness {
 public:
  virtual ~StoreHarness() = default;
  virtual RegistryStore& store() = 0;
  virtual void Put(const std::string& subkey, const std::string& name, ValueType type, std::vector<uint8_t> data) = 0;
  // Deletes a value, or with name "" the subkey with everything below it.
  virtual void Delete(const std::string& subkey, const std::string& name) = 0;
  virtual std::optional<MemoryValue> Get(const std::string& subkey, const std::string& name) = 0;
  virtual bool Exists(const std::string& subkey) = 0;
  // Keys left open (every load and save must close all it opened); 0 when unknown.
  virtual int OpenKeys() { return 0; }
};

struct StoreKind {
  const char* name;
  std::unique_ptr<StoreHarness> (*make)();  // an empty store without a program key
};
inline void PrintTo(const StoreKind& kind, std::ostream* out) { *out << kind.name; }

class SettingsIoContract : public ::testing::TestWithParam<StoreKind> {
 public:
  using Ints = std::vector<int32_t>;
  using Bytes = std::vector<uint8_t>;

  void SetUp() override { Fresh(); }
  void Fresh() {
    h_.reset();
    h_ = GetParam().make();
  }
  void Put(const std::string& key, const std::string& name, ValueType type, Bytes data) {
    h_->Put(key, name, type, std::move(data));
  }
  void PutDword(const std::string& key, const std::string& name, uint32_t v) {
    Put(key, name, ValueType::Dword, Le32s({static_cast<int32_t>(v)}));
  }
  void PutString(const std::string& key, const std::string& name, const std::string& text) {
    Bytes data(text.begin(), text.end());
    data.push_back(0);
    Put(key, name, ValueType::String, data);
  }
  // A complete "FILETYPE<i>" key: view 0x21, a font of height -13 named "Font",
  // colour block bytes b * 7 + i.
  void PutFileType(int i, const std::string& text) {
    std::string key = "FILETYPE" + std::to_string(i);
    PutString(key, "text", text);
    PutString(key, "ext", "*.BIN");
    PutDword(key, "view", 0x21);
    Bytes font = Le32s({-13});
    font.resize(60);
    font.insert(font.begin() + 28, {'F', 'o', 'n', 't'});
    font.resize(60);
    Put(key, "logfont", ValueType::Binary, font);
    Bytes colors(1044);
    for (size_t b = 0; b < colors.size(); ++b) colors[b] = static_cast<uint8_t>(b * 7 + static_cast<size_t>(i));
    Put(key, "color", ValueType::Binary, colors);
  }
  // The stored value's bytes, or {0xEE} when it is missing.
  Bytes Raw(const std::string& key, const std::string& name) {
    std::optional<MemoryValue> v = h_->Get(key, name);
    return v ? v->data : Bytes{0xEE};
  }
  // The stored value read as a little-endian number, or -1 when it is not 4 bytes.
  int64_t Dword(const std::string& key, const std::string& name) {
    Bytes b = Raw(key, name);
    return b.size() == 4 ? int64_t{b[0]} | b[1] << 8 | b[2] << 16 | int64_t{b[3]} << 24 : -1;
  }
  // The stored text up to its NUL, or "<missing>".
  std::string Text(const std::string& key, const std::string& name) {
    std::optional<MemoryValue> v = h_->Get(key, name);
    return v ? std::string(v->data.begin(), v->data.end()).c_str() : "<missing>";
  }
  SettingsRecords Load(SettingsRecords start = {}) {
    SettingsRecords r = LoadRecords(h_->store(), ini_, std::move(start), true);
    EXPECT_EQ(h_->OpenKeys(), 0);
    return r;
  }
  int Save(const SettingsRecords& records) {
    int r = SaveRecords(h_->store(), records);
    EXPECT_EQ(h_->OpenKeys(), 0);
    return r;
  }
  static Ints Placement(const SettingsRecords& r) {
    return {r.options.x, r.options.y, r.options.width, r.options.height};
  }

  std::unique_ptr<StoreHarness> h_;
  MemoryIni ini_;
  MessageRecorder messages_;  // answers the creation question with OK
};

namespace {

using C = SettingsIoContract;
const int32_t D = kUseDefault;

// Stored values are used as they are: "history" 20 stays 20 (the history dialog clamps later);
// command-line values in range win over them.
TEST_P(SettingsIoContract, PlantedValuesAreRead) {
  for (auto [name, value] : std::initializer_list<std::pair<const char*, uint32_t>>{
           {"code", 0xFFFFFFFF}, {"filter", 0x0201}, {"findstat", 9}, {"history", 20}, {"margin", 600}, {"newfile", 1},
           {"impos", 2}, {"prev", 1}, {"zoomed", 1}, {"ftnum", 2}}) {
    PutDword("", name, value);
  }
  PutString("", "openpath", "C:\\開く");
  PutString("", "savepath", std::string(3074, 's'));  // fills its buffer with the terminator
  Put("", "rect", ValueType::Binary, Le32s({10, 20, 650, 500}));
  PutFileType(0, "一");
  PutFileType(1, "二");
  SettingsRecords l = Load();
  ASSERT_EQ(l.status, 0);
  const AppSettings& s = l.settings;
  EXPECT_EQ((Ints{s.code, s.filter, s.findstat, s.history, s.margin, s.zoomed}), (Ints{-1, 0x201, 9, 20, 600, 1}));
  EXPECT_EQ((Ints{l.options.newfile, l.options.prev, l.structures.lastUsed}), (Ints{1, 1, 2}));
  EXPECT_EQ(l.structures.count, kStructureCountUnset);  // no "imnum": the built-ins come later
  EXPECT_EQ(s.openpath, "C:\\開く");
  EXPECT_EQ(s.savepath, std::string(3074, 's'));
  EXPECT_EQ(Placement(l), (Ints{10, 20, 640, 480}));
  ASSERT_EQ(l.fileTypes.types.size(), 2u);
  const FileType& t = l.fileTypes.types[1];
  EXPECT_EQ(t.text + t.ext, "二*.BIN");
  EXPECT_EQ(t.view, 0x21u);
  EXPECT_EQ(t.logfont.lfHeight, -13);
  EXPECT_STREQ(t.logfont.lfFaceName, "Font");
  EXPECT_EQ(t.color[0], 0x160F0801u);    // bytes 1, 8, 15, 22, little-endian
  EXPECT_EQ(t.color[260], 0x867F7871u);  // bytes 1041 to 1044
  SettingsRecords start;
  start.settings.code = 63;       // in range: kept
  start.settings.filter = 70000;  // out of range: read
  start.settings.findstat = 0;    // kept
  start.settings.history = 10;    // read
  start.settings.margin = 0;      // read
  start.settings.zoomed = 0;      // a flag already 0 or 1 is kept
  start.options.newfile = 2;      // neither 0 nor 1: read
  l = Load(start);
  EXPECT_EQ((Ints{l.settings.code, l.settings.filter, l.settings.findstat, l.settings.history, l.settings.margin,
                  l.settings.zoomed, l.options.newfile}),
            (Ints{63, 0x201, 0, 20, 600, 0, 1}));
}

TEST_P(SettingsIoContract, ValuesOfTheWrongTypeOrSizeOrMissingGiveDefaults) {
  PutString("", "code", "12");                                // text for a number
  Put("", "findstat", ValueType::Dword, {1, 2});              // two bytes
  Put("", "history", ValueType::Binary, {9, 0, 0, 0});        // a binary of 4 bytes is a number
  Put("", "margin", ValueType::Other, {50, 0, 0, 0});         // a list of texts or the like
  Put("", "rect", ValueType::Binary, Le32s({1, 2, 3}));       // 12 bytes
  PutDword("", "openpath", 5);                                // number for a text
  Put("", "savepath", ValueType::String, Bytes(4000, 'x'));   // longer than a path
  PutString("", "foreign", "x");
  PutString("INFOMATION0", "text", "stray");  // a whole template without "imnum"
  PutDword("INFOMATION0", "info", 0);
  SettingsRecords l = Load();
  ASSERT_EQ(l.status, 0);
  const AppSettings& s = l.settings;
  EXPECT_EQ((Ints{s.code, s.findstat, s.history, s.margin}), (Ints{0, 27, 9, 171}));
  // The values not stored at all take their defaults too.
  EXPECT_EQ((Ints{s.filter, s.zoomed, l.options.newfile, l.options.prev, l.structures.lastUsed, s.findnum, s.repnum}),
            (Ints{0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(l.structures.count, kStructureCountUnset);
  EXPECT_TRUE(l.structures.structures.empty() && l.fileTypes.types.empty());
  EXPECT_EQ(Placement(l), (Ints{D, D, D, D}));
  EXPECT_EQ(s.openpath + s.savepath, "");
  Put("", "savepath", ValueType::String, {'a', 'b'});  // stored without its terminator
  EXPECT_EQ(Load().settings.savepath, "ab");
}

// Bit 0 of each flag word decides whether the registry and the INI file are read;
// with neither, command-line values in range stay and everything else is a default.
TEST_P(SettingsIoContract, FlagBitZeroDecidesWhatIsRead) {
  PutDword("", "history", 8);
  ini_.Set("Varnel", "history", "2");
  SettingsRecords start;
  start.options.registryFlags = 2;  // /Q2
  EXPECT_EQ(Load(start).settings.history, 2);
  start.options.registryFlags = 0x7FFFFFFF;  // /Q alone
  EXPECT_EQ(Load(start).settings.history, 8);
  start.options.registryFlags = 0;
  start.options.iniFlags = 2;
  start.settings.code = 5;
  start.settings.filter = -1;
  start.options.newfile = 1;
  start.options.prev = 7;
  start.fileTypes.types.resize(3);
  SettingsRecords l = Load(start);
  ASSERT_EQ(l.status, 0);
  const AppSettings& s = l.settings;
  EXPECT_EQ((Ints{s.code, s.filter, s.findstat, s.history, s.margin, s.zoomed, s.findnum, l.options.newfile,
                  l.options.prev}),
            (Ints{5, 0, 27, 4, 171, 0, 0, 1, 0}));
  EXPECT_EQ(s.openpath, "");
  EXPECT_TRUE(l.fileTypes.types.empty());
  EXPECT_EQ((Ints{l.structures.count, l.structures.lastUsed}), (Ints{kStructureCountUnset, kUnset}));
  EXPECT_EQ(Placement(l), (Ints{D, D, D, D}));
}

TEST_P(SettingsIoContract, TheFrameRectangleIsClippedToThePrimaryScreen) {
  const struct {
    const char* why;
    Ints rect, placement;
  } rows[] = {
      {"inside", {100, 50, 500, 450}, {100, 50, 400, 400}},
      {"over the right and bottom edges", {900, 700, 1300, 1000}, {900, 700, 124, 68}},
      {"over the left edge", {-200, 10, 300, 210}, {0, 10, 300, 200}},
      {"wholly to the right (another monitor)", {1100, 0, 1700, 500}, {D, D, D, D}},
      {"wholly above", {0, -600, 400, -100}, {D, D, D, D}},
      {"touching the edge only", {1024, 0, 1200, 300}, {D, D, D, D}},
      {"reversed corners", {500, 500, 100, 100}, {D, D, D, D}},
      {"extreme values", {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {0, 0, 1024, 768}},
  };
  for (const auto& r : rows) {
    Put("", "rect", ValueType::Binary, Le32s({r.rect[0], r.rect[1], r.rect[2], r.rect[3]}));
    SettingsRecords l = Load();
    EXPECT_EQ(Placement(l), r.placement) << r.why;
    EXPECT_TRUE(l.settings.hasRect) << r.why;
  }
  SettingsRecords start;  // a placement from the command line leaves "rect" alone
  start.options.x = 10;
  start.options.y = 20;
  EXPECT_EQ(Placement(Load(start)), (Ints{10, 20, D, D}));
}

TEST_P(SettingsIoContract, FileTypesStopAtTheFirstMissingOrIncompleteKey) {
  const struct {
    const char* why;
    uint32_t ftnum;
    void (*damage)(C&);
    size_t loaded;
  } rows[] = {
      {"FILETYPE2 missing", 5, [](C& c) { c.h_->Delete("FILETYPE2", ""); }, 2},
      {"ftnum below the keys", 2, [](C&) {}, 2},
      {"absurd ftnum", 2000000000, [](C&) {}, 5},
      {"negative ftnum", 0xFFFFFFFF, [](C&) {}, 0},
      {"missing color", 5, [](C& c) { c.h_->Delete("FILETYPE3", "color"); }, 3},
      {"logfont of 59 bytes", 5, [](C& c) { c.Put("FILETYPE1", "logfont", ValueType::Binary, Bytes(59)); }, 1},
      {"logfont of 61 bytes", 5, [](C& c) { c.Put("FILETYPE1", "logfont", ValueType::Binary, Bytes(61)); }, 1},
      {"color of 1040 bytes", 5, [](C& c) { c.Put("FILETYPE0", "color", ValueType::Binary, Bytes(1040)); }, 0},
      {"color stored as text", 5, [](C& c) { c.Put("FILETYPE4", "color", ValueType::String, Bytes(1044, 'a')); }, 4},
      {"view stored as text", 5, [](C& c) { c.PutString("FILETYPE2", "view", "12"); }, 2},
      {"text stored as a number", 5, [](C& c) { c.PutDword("FILETYPE2", "text", 0x41); }, 2},
      {"text of 3075 bytes without terminator", 5,
       [](C& c) { c.Put("FILETYPE2", "ext", ValueType::String, Bytes(3075, 'x')); }, 2},
      {"text of 3076 bytes", 5, [](C& c) { c.Put("FILETYPE2", "ext", ValueType::String, Bytes(3076, 0)); }, 2},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    Fresh();
    PutDword("", "ftnum", r.ftnum);
    for (int i = 0; i < 5; ++i) PutFileType(i, "T" + std::to_string(i));
    r.damage(*this);
    SettingsRecords l = Load();
    ASSERT_EQ(l.status, 0);
    ASSERT_EQ(l.fileTypes.types.size(), r.loaded);
    for (size_t i = 0; i < r.loaded; ++i) EXPECT_EQ(l.fileTypes.types[i].text, "T" + std::to_string(i));
  }
}

TEST_P(SettingsIoContract, HistoriesStopAtTheFirstBadEntry) {
  auto bytes = [](size_t n, uint8_t first) {
    Bytes out(n);
    for (size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(first + i);
    return out;
  };
  const struct {
    const char* why;
    uint32_t findnum;
    std::vector<Bytes> stored;  // findstr00, findstr01, ...
    ValueType type;
    size_t kept;
  } rows[] = {
      {"all read", 3, {bytes(1, 1), bytes(128, 2), bytes(5, 3)}, ValueType::Binary, 3},
      {"count below the entries", 2, {bytes(1, 1), bytes(2, 2), bytes(3, 3)}, ValueType::Binary, 2},
      {"129 bytes end the history", 3, {bytes(4, 1), bytes(129, 2), bytes(5, 3)}, ValueType::Binary, 1},
      {"an empty value ends it", 3, {bytes(4, 1), {}, bytes(5, 3)}, ValueType::Binary, 1},
      {"absurd count stops at the first missing", 2000000000, {bytes(4, 1), bytes(5, 2)}, ValueType::Binary, 2},
      {"negative count reads nothing", 0xFFFFFFFF, {bytes(4, 1)}, ValueType::Binary, 0},
      {"entries stored as text are no history bytes", 2, {bytes(4, 0x41), bytes(5, 0x41)}, ValueType::String, 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    Fresh();
    PutDword("", "findnum", r.findnum);
    for (size_t i = 0; i < r.stored.size(); ++i) {
      Put("find", "findstr0" + std::to_string(i), r.type, r.stored[i]);
    }
    SettingsRecords l = Load();
    ASSERT_EQ(l.status, 0);
    EXPECT_EQ(l.settings.findHistory, std::vector<Bytes>(r.stored.begin(), r.stored.begin() + r.kept));
    EXPECT_EQ(l.settings.findnum, static_cast<int32_t>(r.kept));
  }
  // The replace history has its own subkey and count.
  Fresh();
  PutDword("", "repnum", 5);
  Put("replace", "repstr00", ValueType::Binary, {7, 8});
  Put("replace", "repstr01", ValueType::Binary, {9});
  Put("replace", "findstr02", ValueType::Binary, {9});
  SettingsRecords l = Load();
  EXPECT_EQ(l.settings.replaceHistory, (std::vector<Bytes>{{7, 8}, {9}}));
  EXPECT_EQ(l.settings.repnum, 2);
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
      {"/Q2 asks, OK creates", 2, false, MessageAnswer::Ok, true, true},
      {"/Q3 asks, Cancel leaves the registry untouched", 3, false, MessageAnswer::Cancel, true, false},
      {"/Q3 asks, OK creates", 3, false, MessageAnswer::Ok, true, true},
      {"/Q3 with the key present asks nothing", 3, true, MessageAnswer::Cancel, false, true},
      {"/Q7 creates without asking", 7, false, MessageAnswer::Cancel, false, true},
      {"/Q alone sets every bit", 0x7FFFFFFF, false, MessageAnswer::Cancel, false, true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    Fresh();
    if (r.keyExists) PutDword("FILETYPE9", "view", 1);  // a save replaces the subkeys
    SettingsRecords s = SmallRecords();
    s.options.registryFlags = r.flags;
    MessageRecorder messages;
    messages.Answer(r.answer);
    EXPECT_EQ(Save(s), 0);
    const char* question = "ﾚｼﾞｽﾄﾘに\nHKEY_CURRENT_USER\\Software\\Halvorsk\\Varnel\nを新規作成します。";
    EXPECT_EQ(messages.texts(), r.asked ? std::vector<std::string>{question} : std::vector<std::string>{});
    for (const RecordedMessage& m : messages.messages()) {
      EXPECT_EQ(m.buttons, MessageButtons::OkCancel);
      EXPECT_EQ(m.icon, MessageIcon::Warning);
    }
    EXPECT_EQ(Raw("", "code") == Le32s({1}), r.written);
    EXPECT_EQ(h_->Exists(""), r.written || r.keyExists);
    EXPECT_EQ(h_->Exists("FILETYPE9"), r.keyExists && !r.written);
  }
}

TEST_P(SettingsIoContract, EveryValueIsWrittenInItsForm) {
  SettingsRecords s = SmallRecords();
  s.fileTypes.types[0].color[0] = 0x00ABCDEF;
  ASSERT_EQ(Save(s), 0);
  const struct {
    const char* key;
    const char* name;
    ValueType type;
    size_t size;
  } forms[] = {
      {"", "code", ValueType::Dword, 4},          {"", "zoomed", ValueType::Dword, 4},
      {"", "openpath", ValueType::String, 6},     {"", "savepath", ValueType::String, 1},
      {"", "rect", ValueType::Binary, 16},        {"", "history0", ValueType::String, 9},
      {"", "history9", ValueType::String, 1},     {"find", "findstr00", ValueType::Binary, 2},
      {"FILETYPE0", "logfont", ValueType::Binary, 60}, {"FILETYPE0", "color", ValueType::Binary, 1044},
      {"FILETYPE0", "view", ValueType::Dword, 4}, {"INFOMATION0", "text", ValueType::String, 2},
      {"INFOMATION0", "infoview0000", ValueType::Dword, 4},
  };
  for (const auto& f : forms) {
    std::optional<MemoryValue> v = h_->Get(f.key, f.name);
    ASSERT_TRUE(v.has_value()) << f.key << ":" << f.name;
    EXPECT_EQ(v->type, f.type) << f.key << ":" << f.name;
    EXPECT_EQ(v->data.size(), f.size) << f.key << ":" << f.name;
  }
  EXPECT_EQ(Raw("", "rect"), (Bytes{10, 0, 0, 0, 20, 0, 0, 0, 0x8A, 2, 0, 0, 0xF4, 1, 0, 0}));
  Bytes color = Raw("FILETYPE0", "color");
  EXPECT_EQ(Bytes(color.begin(), color.begin() + 4), (Bytes{0xEF, 0xCD, 0xAB, 0x00}));
  EXPECT_EQ((std::vector<int64_t>{Dword("", "findnum"), Dword("", "repnum"), Dword("", "ftnum"), Dword("", "imnum")}),
            (std::vector<int64_t>{1, 0, 1, 1}));
  EXPECT_EQ(Text("", "history0"), "C:\\a.bin");
  EXPECT_TRUE(h_->Exists("replace"));  // written even when empty
}

TEST_P(SettingsIoContract, SavingReplacesEverySubkeyButKeepsTheKeysOwnValues) {
  PutDword("", "newfile", 1);
  PutString("", "foreign", "x");
  PutDword("FILETYPE7", "view", 0);  // left over from a longer list
  PutDword("INFOMATION9", "info", 0);
  PutDword("other\\deeper\\deepest", "x", 1);  // nested keys go too
  PutString("", "history15", "stale");
  SettingsRecords s = SmallRecords();
  s.structures = StructureList{};  // an unset count is written as unset
  s.fileHistory.clear();  // twelve, as with a history length of 20 (the empty slots: see the random run)
  for (int i = 0; i < 12; ++i) s.fileHistory.push_back("F" + std::to_string(i));
  ASSERT_EQ(Save(s), 0);
  for (size_t i = 0; i <= 12; ++i) {
    EXPECT_EQ(Text("", "history" + std::to_string(i)), i < 12 ? s.fileHistory[i] : "<missing>") << i;
  }
  EXPECT_EQ(Text("", "history15"), "stale");
  for (const char* gone : {"FILETYPE7", "INFOMATION9", "other", "INFOMATION0"}) EXPECT_FALSE(h_->Exists(gone)) << gone;
  EXPECT_EQ((std::vector<int64_t>{Dword("", "newfile"), Dword("", "imnum"), Dword("", "impos")}),
            (std::vector<int64_t>{1, 0x7FFFFFFF, 0x7FFFFFFF}));
  EXPECT_EQ(Text("", "foreign"), "x");
}

TEST_P(SettingsIoContract, BuiltinTemplatesSurviveByteForByte) {
  PutDword("", "imnum", 0);  // a stored count of 0: an empty list that nothing fits
  SettingsRecords none = Load();
  EXPECT_EQ((Ints{none.structures.count, none.structures.minimumSize}), (Ints{0, INT32_MAX}));
  SettingsRecords saved;
  InstallBuiltinStructures(saved.structures);
  ASSERT_EQ(Save(saved), 0);
  EXPECT_EQ(Text("INFOMATION2", "text") + Text("INFOMATION2", "infotext0009"), "PEﾍｯﾀﾞﾘﾝｶのﾊﾞｰｼﾞｮﾝ");
  EXPECT_EQ((std::vector<int64_t>{Dword("INFOMATION2", "info"), Dword("INFOMATION2", "infonum0009"),
                                  Dword("INFOMATION2", "infoview0009")}),
            (std::vector<int64_t>{34, 2, 0x81}));
  static const char kName[] = "PEｾｸｼｮﾝﾃｰﾌﾞﾙ";
  EXPECT_EQ(Raw("INFOMATION3", "text"), Bytes(std::begin(kName), std::end(kName)));  // with its NUL
  EXPECT_FALSE(h_->Exists("INFOMATION4"));
  EXPECT_EQ(Raw("INFOMATION0", "offset"), Bytes{0xEE});
  SettingsRecords loaded = Load();
  EXPECT_EQ((Ints{loaded.structures.count, loaded.structures.minimumSize}), (Ints{4, 18}));
  ExpectSameStructures(saved.structures, loaded.structures);
}

TEST_P(SettingsIoContract, RandomStatesComeBackExactly) {
  for (uint32_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Fresh();
    SampleRandom random(seed);
    SettingsRecords saved;
    saved.options.registryFlags = 7;
    saved.settings = SampleSettings(random);
    for (int i = random.Between(0, 5); i > 0; --i) saved.fileTypes.types.push_back(SampleFileType(random));
    saved.structures = SampleStructures(random, random.Between(0, 6));
    saved.rect = {random.Between(0, 300), random.Between(0, 300), random.Between(400, 1000), random.Between(400, 700)};
    saved.fileHistory.clear();
    for (int i = random.Between(0, 9); i > 0; --i) saved.fileHistory.push_back("C:\\" + random.Text(40));
    ASSERT_EQ(Save(saved), 0);
    SettingsRecords l = Load();
    ASSERT_EQ(l.status, 0);
    const AppSettings &a = saved.settings, &b = l.settings;
    EXPECT_EQ((Ints{a.code, a.filter, a.findstat, a.history, a.margin, a.zoomed}),
              (Ints{b.code, b.filter, b.findstat, b.history, b.margin, b.zoomed}));
    EXPECT_EQ(a.openpath + "|" + a.savepath, b.openpath + "|" + b.savepath);
    EXPECT_EQ(a.findHistory, b.findHistory);
    EXPECT_EQ(a.replaceHistory, b.replaceHistory);
    const FrameBounds& r = saved.rect;
    EXPECT_EQ(Placement(l), (Ints{r.left, r.top, r.right - r.left, r.bottom - r.top}));
    for (size_t i = 0; i < 10; ++i) {
      EXPECT_EQ(Text("", "history" + std::to_string(i)), i < saved.fileHistory.size() ? saved.fileHistory[i] : "");
    }
    ExpectSameFileTypes(saved.fileTypes, l.fileTypes);
    ExpectSameStructures(saved.structures, l.structures);
  }
}

}  // namespace
