// Loading the settings: the registry, INI and defaults branches, their range
// rules, and damaged or foreign data.
#include <gtest/gtest.h>

#include <cstring>

#include "app/settings/settings_io.h"
#include "support/message_recorder.h"
#include "support/settings_memory_store.h"

namespace {

const SampledColors kColors = {0x000001, 0xFFFFFE, 0x808081, 0xFFFFFD, 0x800002};

struct Loaded {
  StartupOptions options;
  AppSettings settings;
  FileTypeList fileTypes;
  StructureList structures;
  int status = 0;
};

Loaded LoadWith(MemoryRegistry& registry, MemoryIni& ini, Loaded start = {}) {
  SettingsEnvironment environment;
  environment.colors = kColors;
  environment.screenWidth = 1024;
  environment.screenHeight = 768;
  start.status = LoadSettings(registry, ini, environment, start.options, start.settings, start.fileTypes,
                              start.structures);
  EXPECT_EQ(registry.openKeys(), 0);
  return start;
}

std::vector<uint8_t> Le32s(std::initializer_list<int32_t> values) {
  std::vector<uint8_t> out;
  for (int32_t v : values) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
  }
  return out;
}

void PutFileType(MemoryRegistry& r, int i, const std::string& text) {
  std::string key = "FILETYPE" + std::to_string(i);
  r.SetString(key, "text", text);
  r.SetString(key, "ext", "*.BIN");
  r.SetDword(key, "view", 0x21);
  std::vector<uint8_t> font(60, 0);
  font[0] = 0xF3;  // height -13, little-endian
  font[1] = font[2] = font[3] = 0xFF;
  std::memcpy(font.data() + 28, "Font", 4);
  r.SetValue(key, "logfont", ValueType::Binary, font);
  std::vector<uint8_t> colors(1044);
  for (size_t b = 0; b < colors.size(); ++b) colors[b] = static_cast<uint8_t>(b * 7 + i);
  r.SetValue(key, "color", ValueType::Binary, colors);
}

TEST(LoadSettingsRegistry, ReadsEveryValue) {
  MemoryRegistry registry;
  MemoryIni ini;
  for (auto [name, value] : std::initializer_list<std::pair<const char*, uint32_t>>{
           {"code", 45}, {"filter", 0x0201}, {"findstat", 9}, {"history", 7}, {"margin", 200}, {"newfile", 1},
           {"impos", 2}, {"prev", 1}, {"zoomed", 1}, {"findnum", 0}, {"repnum", 0}, {"ftnum", 2}}) {
    registry.SetDword("", name, value);
  }
  registry.SetString("", "openpath", "C:\\開く");
  registry.SetString("", "savepath", "D:\\save");
  registry.SetValue("", "rect", ValueType::Binary, Le32s({10, 20, 650, 500}));
  PutFileType(registry, 0, "一");
  PutFileType(registry, 1, "二");

  Loaded l = LoadWith(registry, ini);
  ASSERT_EQ(l.status, 0);
  EXPECT_EQ(l.settings.code, 45);
  EXPECT_EQ(l.settings.filter, 0x0201);
  EXPECT_EQ(l.settings.findstat, 9);
  EXPECT_EQ(l.settings.history, 7);
  EXPECT_EQ(l.settings.margin, 200);
  EXPECT_EQ(l.options.newfile, 1);
  EXPECT_EQ(l.options.prev, 1);
  EXPECT_EQ(l.settings.zoomed, 1);
  EXPECT_EQ(l.structures.lastUsed, 2);
  EXPECT_EQ(l.structures.count, kStructureCountUnset);  // no "imnum": built-ins come later
  EXPECT_EQ(l.settings.openpath, "C:\\開く");
  EXPECT_EQ(l.settings.savepath, "D:\\save");
  EXPECT_EQ(l.options.x, 10);
  EXPECT_EQ(l.options.y, 20);
  EXPECT_EQ(l.options.width, 640);
  EXPECT_EQ(l.options.height, 480);
  ASSERT_EQ(l.fileTypes.types.size(), 2u);
  const FileType& t = l.fileTypes.types[1];
  EXPECT_EQ(t.text, "二");
  EXPECT_EQ(t.ext, "*.BIN");
  EXPECT_EQ(t.view, 0x21u);
  EXPECT_EQ(t.logfont.lfHeight, -13);
  EXPECT_STREQ(t.logfont.lfFaceName, "Font");
  EXPECT_EQ(t.color[0], 0x16'0F'08'01u);  // bytes 1, 8, 15, 22 little-endian
  EXPECT_EQ(t.color[260], static_cast<ColorRef>(((1040 * 7 + 1) & 0xFF) | (((1041 * 7 + 1) & 0xFF) << 8) |
                                                (((1042 * 7 + 1) & 0xFF) << 16) | (((1043 * 7 + 1) & 0xFFu) << 24)));
}

TEST(LoadSettingsRegistry, CommandLineValuesInRangeWinOthersAreRead) {
  MemoryRegistry registry;
  MemoryIni ini;
  registry.SetDword("", "code", 1);
  registry.SetDword("", "filter", 2);
  registry.SetDword("", "findstat", 3);
  registry.SetDword("", "history", 4);
  registry.SetDword("", "margin", 5);
  registry.SetDword("", "zoomed", 1);
  registry.SetDword("", "newfile", 1);
  Loaded start;
  start.settings.code = 63;       // in range: kept
  start.settings.filter = 70000;  // out of range: read
  start.settings.findstat = 0;    // in range: kept
  start.settings.history = 10;    // out of range: read
  start.settings.margin = 0;      // out of range: read
  start.settings.zoomed = 0;      // a flag already 0 or 1 is kept
  start.options.newfile = 2;      // neither 0 nor 1: read
  Loaded l = LoadWith(registry, ini, start);
  EXPECT_EQ(l.settings.code, 63);
  EXPECT_EQ(l.settings.filter, 2);
  EXPECT_EQ(l.settings.findstat, 0);
  EXPECT_EQ(l.settings.history, 4);
  EXPECT_EQ(l.settings.margin, 5);
  EXPECT_EQ(l.settings.zoomed, 0);
  EXPECT_EQ(l.options.newfile, 1);
}

TEST(LoadSettingsRegistry, MissingValuesGiveDefaults) {
  MemoryRegistry registry;
  MemoryIni ini;
  registry.Key("");  // an empty key
  ini.Set("Varnel", "history", "2");  // the INI file is not read when the key opens
  Loaded l = LoadWith(registry, ini);
  ASSERT_EQ(l.status, 0);
  EXPECT_EQ(l.settings.code, 0);
  EXPECT_EQ(l.settings.filter, 0);
  EXPECT_EQ(l.settings.findstat, 27);
  EXPECT_EQ(l.settings.history, 4);
  EXPECT_EQ(l.settings.margin, 171);
  EXPECT_EQ(l.options.newfile, 0);
  EXPECT_EQ(l.options.prev, 0);
  EXPECT_EQ(l.settings.zoomed, 0);
  EXPECT_EQ(l.structures.lastUsed, 0);
  EXPECT_EQ(l.structures.count, kStructureCountUnset);
  EXPECT_EQ(l.settings.openpath, "");
  EXPECT_EQ(l.settings.findnum, 0);
  EXPECT_EQ(l.settings.repnum, 0);
  EXPECT_TRUE(l.fileTypes.types.empty());
  EXPECT_EQ(l.options.x, kUseDefault);
  EXPECT_EQ(l.options.y, kUseDefault);
  EXPECT_EQ(l.options.width, kUseDefault);
  EXPECT_EQ(l.options.height, kUseDefault);
}

TEST(LoadSettingsRegistry, StoredValuesAreTakenWithoutRangeCheck) {
  // Why: "history" stored as 20 is used as 20 (the history dialog clamps later).
  MemoryRegistry registry;
  MemoryIni ini;
  registry.SetDword("", "history", 20);
  registry.SetDword("", "margin", 0);
  registry.SetDword("", "code", 0xFFFFFFFF);
  Loaded l = LoadWith(registry, ini);
  EXPECT_EQ(l.settings.history, 20);
  EXPECT_EQ(l.settings.margin, 0);
  EXPECT_EQ(l.settings.code, -1);
}

TEST(LoadSettingsRegistry, RectIsClippedToThePrimaryScreen) {
  struct Row {
    const char* why;
    std::vector<int32_t> rect;
    int32_t x, y, width, height;
  } rows[] = {
      {"inside", {100, 50, 500, 450}, 100, 50, 400, 400},
      {"overlapping the right and bottom edges", {900, 700, 1300, 1000}, 900, 700, 124, 68},
      {"overlapping the left edge", {-200, 10, 300, 210}, 0, 10, 300, 200},
      {"wholly to the right (another monitor)", {1100, 0, 1700, 500}, kUseDefault, kUseDefault, kUseDefault, kUseDefault},
      {"wholly above", {0, -600, 400, -100}, kUseDefault, kUseDefault, kUseDefault, kUseDefault},
      {"touching the edge only", {1024, 0, 1200, 300}, kUseDefault, kUseDefault, kUseDefault, kUseDefault},
      {"reversed corners", {500, 500, 100, 100}, kUseDefault, kUseDefault, kUseDefault, kUseDefault},
      {"extreme values", {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 0, 0, 1024, 768},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    MemoryRegistry registry;
    MemoryIni ini;
    registry.SetValue("", "rect", ValueType::Binary, Le32s({r.rect[0], r.rect[1], r.rect[2], r.rect[3]}));
    Loaded l = LoadWith(registry, ini);
    EXPECT_EQ(l.options.x, r.x);
    EXPECT_EQ(l.options.y, r.y);
    EXPECT_EQ(l.options.width, r.width);
    EXPECT_EQ(l.options.height, r.height);
    EXPECT_TRUE(l.settings.hasRect);
  }
}

TEST(LoadSettingsRegistry, PlacementFromTheCommandLineSkipsRect) {
  MemoryRegistry registry;
  MemoryIni ini;
  registry.SetValue("", "rect", ValueType::Binary, Le32s({100, 50, 500, 450}));
  Loaded start;
  start.options.x = 10;
  start.options.y = 20;
  Loaded l = LoadWith(registry, ini, start);
  EXPECT_EQ(l.options.x, 10);
  EXPECT_EQ(l.options.y, 20);
  EXPECT_EQ(l.options.width, kUseDefault);
  EXPECT_EQ(l.options.height, kUseDefault);
}

TEST(LoadSettingsRegistry, FileTypesStopAtTheFirstMissingOrIncompleteKey) {
  struct Row {
    const char* why;
    uint32_t ftnum;
    void (*damage)(MemoryRegistry&);
    size_t loaded;
  } rows[] = {
      {"FILETYPE2 missing with ftnum 5", 5, [](MemoryRegistry& r) { r.RemoveKey("FILETYPE2"); }, 2},
      {"ftnum below the keys", 2, [](MemoryRegistry&) {}, 2},
      {"absurd ftnum", 2000000000, [](MemoryRegistry&) {}, 5},
      {"negative ftnum", 0xFFFFFFFF, [](MemoryRegistry&) {}, 0},
      {"missing color", 5, [](MemoryRegistry& r) { r.RemoveValue("FILETYPE3", "color"); }, 3},
      {"logfont of 59 bytes", 5,
       [](MemoryRegistry& r) { r.SetValue("FILETYPE1", "logfont", ValueType::Binary, std::vector<uint8_t>(59)); }, 1},
      {"logfont of 61 bytes", 5,
       [](MemoryRegistry& r) { r.SetValue("FILETYPE1", "logfont", ValueType::Binary, std::vector<uint8_t>(61)); }, 1},
      {"color of 1040 bytes", 5,
       [](MemoryRegistry& r) { r.SetValue("FILETYPE0", "color", ValueType::Binary, std::vector<uint8_t>(1040)); }, 0},
      {"color stored as text", 5,
       [](MemoryRegistry& r) { r.SetValue("FILETYPE4", "color", ValueType::String, std::vector<uint8_t>(1044, 'a')); }, 4},
      {"view stored as text", 5, [](MemoryRegistry& r) { r.SetString("FILETYPE2", "view", "12"); }, 2},
      {"text stored as a number", 5, [](MemoryRegistry& r) { r.SetDword("FILETYPE2", "text", 0x41); }, 2},
      {"text of 3075 bytes without terminator", 5,
       [](MemoryRegistry& r) { r.SetValue("FILETYPE2", "ext", ValueType::String, std::vector<uint8_t>(3075, 'x')); }, 2},
      {"text of 3076 bytes", 5,
       [](MemoryRegistry& r) { r.SetValue("FILETYPE2", "ext", ValueType::String, std::vector<uint8_t>(3076, 0)); }, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    MemoryRegistry registry;
    MemoryIni ini;
    registry.SetDword("", "ftnum", row.ftnum);
    for (int i = 0; i < 5; ++i) PutFileType(registry, i, "T" + std::to_string(i));
    row.damage(registry);
    Loaded l = LoadWith(registry, ini);
    ASSERT_EQ(l.status, 0);
    ASSERT_EQ(l.fileTypes.types.size(), row.loaded);
    for (size_t i = 0; i < row.loaded; ++i) EXPECT_EQ(l.fileTypes.types[i].text, "T" + std::to_string(i));
  }
}

TEST(LoadSettingsRegistry, ATextFillingItsBufferWithTerminatorIsRead) {
  MemoryRegistry registry;
  MemoryIni ini;
  registry.SetString("", "openpath", std::string(3074, 'p'));
  registry.SetValue("", "savepath", ValueType::String, {'a', 'b'});  // stored without terminator
  Loaded l = LoadWith(registry, ini);
  EXPECT_EQ(l.settings.openpath, std::string(3074, 'p'));
  EXPECT_EQ(l.settings.savepath, "ab");
}

TEST(LoadSettingsRegistry, ValuesOfTheWrongTypeOrSizeCountAsMissing) {
  MemoryRegistry registry;
  MemoryIni ini;
  registry.SetString("", "code", "12");                                        // text for a number
  registry.SetValue("", "findstat", ValueType::Dword, {1, 2});                 // two bytes
  registry.SetValue("", "history", ValueType::Binary, {9, 0, 0, 0});           // binary of 4 bytes is a number
  registry.SetValue("", "margin", ValueType::Other, {50, 0, 0, 0});            // REG_MULTI_SZ or the like
  registry.SetValue("", "rect", ValueType::Binary, Le32s({1, 2, 3}));          // 12 bytes
  registry.SetDword("", "openpath", 5);                                        // number for a text
  Loaded l = LoadWith(registry, ini);
  EXPECT_EQ(l.settings.code, 0);
  EXPECT_EQ(l.settings.findstat, 27);
  EXPECT_EQ(l.settings.history, 9);
  EXPECT_EQ(l.settings.margin, 171);
  EXPECT_EQ(l.options.x, kUseDefault);
  EXPECT_EQ(l.settings.openpath, "");
}

TEST(LoadSettingsRegistry, KeysThatWillNotCloseStopStartUp) {
  for (const char* path : {"", "FILETYPE1"}) {
    SCOPED_TRACE(path);
    MemoryRegistry registry;
    MemoryIni ini;
    registry.SetDword("", "ftnum", 3);
    for (int i = 0; i < 3; ++i) PutFileType(registry, i, "T");
    registry.failCloses.insert(path);
    MessageRecorder messages;
    Loaded l = LoadWith(registry, ini);
    EXPECT_EQ(l.status, -1);
    ASSERT_EQ(messages.texts(), std::vector<std::string>{"ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません"});
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Stop);
  }
}

TEST(LoadSettingsRegistry, TemplatesLoadWhenImnumIsStored) {
  MemoryRegistry registry;
  MemoryIni ini;
  registry.SetDword("", "imnum", 0);
  Loaded l = LoadWith(registry, ini);
  EXPECT_EQ(l.structures.count, 0);
  EXPECT_EQ(l.structures.minimumSize, INT32_MAX);
}

TEST(LoadSettingsBranches, RegistryFlagBitZeroDecidesWhetherTheRegistryIsRead) {
  MemoryRegistry registry;
  MemoryIni ini;
  registry.SetDword("", "history", 8);
  ini.Set("Varnel", "history", "2");
  Loaded start;
  start.options.registryFlags = 2;  // /Q2
  EXPECT_EQ(LoadWith(registry, ini, start).settings.history, 2);
  start.options.iniFlags = 0;
  EXPECT_EQ(LoadWith(registry, ini, start).settings.history, 4);
  start.options.registryFlags = 0x7FFFFFFF;  // /Q alone
  EXPECT_EQ(LoadWith(registry, ini, start).settings.history, 8);
}

const char kIniText[] =
    "[Varnel]\n"
    "codedef=12\n"
    "code=40\n"
    "filter=515\n"
    "findstat=5\n"
    "history=6\n"
    "margin=300\n"
    "newfile=1\n"
    "prev=1\n"
    "zoomed=1\n"
    "openpath=C:\\data\n"
    "savepath=C:\\out\n"
    "wpos0=30\n"
    "wpos1=40\n"
    "wpos2=700\n"
    "findnum=2\n"
    "repnum=1\n"
    "ftnum=3\n"
    "imnum=2\n"
    "[Varnel 0]\n"
    "text=画像\n"
    "ext=*.BMP;*.DIB\n"
    "view=33\n"
    "lfHeight=-16\n"
    "lfWeight=700\n"
    "lfItalic=257\n"
    "lfCharSet=0\n"
    "lfFaceName=Courier New\n"
    "color00=255\n"
    "color04=65280\n"
    "color41h=16711680\n"
    "colorFFh=1\n"
    "[Varnel 1]\n"
    "view=0\n"
    "lfFaceName=ＭＳ 明朝ＭＳ 明朝ＭＳ 明朝 ＭＳ ゴシック\n";

// Why: "wpos" values far off the screen put the frame where no one could reach
// it for the whole session; they are kept on the 1024 x 768 screen as the
// registry's rectangle is, and /W values stay the user's own.
TEST(LoadSettingsIni, FramePlacementStaysOnTheScreen) {
  const int32_t D = kUseDefault;
  struct Case {
    const char* why;
    int32_t wpos[4];
    int32_t expected[4];
  } cases[] = {
      {"inside", {10, 20, 300, 200}, {10, 20, 300, 200}},
      {"far up and left", {-99999, -99999, 300, 200}, {D, D, D, D}},
      {"far down and right", {99999999, 99999999, 300, 200}, {D, D, D, D}},
      {"partly left: cut", {-100, 50, 300, 200}, {0, 50, 200, 200}},
      {"wider than the screen", {100, 0, 99999999, 200}, {100, 0, 924, 200}},
      {"position only, off screen", {5000, 10, D, D}, {D, D, D, D}},
      {"position only, on screen", {50, 10, D, D}, {50, 10, D, D}},
      {"no size", {10, 10, 0, 100}, {D, D, D, D}},
      {"negative size", {10, 10, -5, 100}, {D, D, D, D}},
      {"system chooses", {D, D, D, D}, {D, D, D, D}},
  };
  for (const Case& c : cases) {
    MemoryRegistry registry;
    MemoryIni ini;
    std::string text = "[Varnel]\n";
    for (int i = 0; i < 4; ++i) text += "wpos" + std::to_string(i) + "=" + std::to_string(c.wpos[i]) + "\n";
    ini.Load(text.c_str());
    Loaded l = LoadWith(registry, ini);
    EXPECT_EQ((std::vector<int32_t>{l.options.x, l.options.y, l.options.width, l.options.height}),
              (std::vector<int32_t>(c.expected, c.expected + 4)))
        << c.why;
  }
  // /W99999,5 given on the command line is not the INI file's to correct.
  MemoryRegistry registry;
  MemoryIni ini;
  ini.Load("[Varnel]\nwpos2=300\nwpos3=200\n");
  Loaded start;
  start.options.x = 99999;
  start.options.y = 5;
  Loaded l = LoadWith(registry, ini, start);
  EXPECT_EQ(l.options.x, 99999);
  EXPECT_EQ(l.options.width, 300);
}

TEST(LoadSettingsIni, ReadsTheSectionAndFileTypesWithDefaults) {
  MemoryRegistry registry;  // no key: the INI file is read
  MemoryIni ini;
  ini.Load(kIniText);
  Loaded l = LoadWith(registry, ini);
  ASSERT_EQ(l.status, 0);
  EXPECT_EQ(l.settings.code, 12);  // from "codedef", not "code"
  EXPECT_EQ(l.settings.filter, 515);
  EXPECT_EQ(l.settings.findstat, 5);
  EXPECT_EQ(l.settings.history, 6);
  EXPECT_EQ(l.settings.margin, 300);
  EXPECT_EQ(l.options.newfile, 0);  // never read from the INI file
  EXPECT_EQ(l.options.prev, 1);
  EXPECT_EQ(l.settings.zoomed, 1);
  EXPECT_EQ(l.settings.openpath, "C:\\data");
  EXPECT_EQ(l.settings.savepath, "C:\\out");
  EXPECT_EQ(l.options.x, 30);
  EXPECT_EQ(l.options.y, 40);
  EXPECT_EQ(l.options.width, 700);
  EXPECT_EQ(l.options.height, kUseDefault);
  EXPECT_EQ(l.settings.findnum, 2);
  EXPECT_EQ(l.settings.repnum, 1);
  EXPECT_EQ(l.structures.count, kStructureCountUnset);
  EXPECT_EQ(l.structures.lastUsed, kUnset);

  // Three announced, two sections present.
  ASSERT_EQ(l.fileTypes.types.size(), 2u);
  const FileType& a = l.fileTypes.types[0];
  EXPECT_EQ(a.text, "画像");
  EXPECT_EQ(a.ext, "*.BMP;*.DIB");
  EXPECT_EQ(a.view, 33u);
  EXPECT_EQ(a.logfont.lfHeight, -16);
  EXPECT_EQ(a.logfont.lfWidth, 0);
  EXPECT_EQ(a.logfont.lfWeight, 700);
  EXPECT_EQ(a.logfont.lfItalic, 1);  // the low byte of 257
  EXPECT_EQ(a.logfont.lfCharSet, 0);
  EXPECT_EQ(a.logfont.lfOutPrecision, 4);
  EXPECT_EQ(a.logfont.lfQuality, 1);
  EXPECT_EQ(a.logfont.lfPitchAndFamily, 49);
  EXPECT_STREQ(a.logfont.lfFaceName, "Courier New");
  EXPECT_EQ(a.color[0], 255u);
  EXPECT_EQ(a.color[1], kColors.window);
  EXPECT_EQ(a.color[2], kColors.grayText);
  EXPECT_EQ(a.color[3], kColors.highlightText);
  EXPECT_EQ(a.color[4], 65280u);
  EXPECT_EQ(a.color[5 + 0x40], kColors.windowText);
  EXPECT_EQ(a.color[5 + 0x41], 16711680u);
  EXPECT_EQ(a.color[5 + 0xFF], 1u);

  const FileType& b = l.fileTypes.types[1];
  EXPECT_EQ(b.text, "不明");
  EXPECT_EQ(b.ext, "*.*");
  EXPECT_EQ(b.view, 0u);
  EXPECT_EQ(b.logfont.lfHeight, -13);
  EXPECT_EQ(b.logfont.lfWeight, 400);
  EXPECT_EQ(b.logfont.lfCharSet, 128);
  // 43 bytes of face name: cut to at most 31 bytes, not inside a double-byte character.
  EXPECT_STREQ(b.logfont.lfFaceName, "ＭＳ 明朝ＭＳ 明朝ＭＳ 明朝 Ｍ");
  EXPECT_EQ(b.logfont.lfFaceName[31], '\0');
  EXPECT_EQ(b.color[0], kColors.windowText);
  EXPECT_EQ(b.color[4], kColors.highlight);
  EXPECT_EQ(b.color[260], kColors.windowText);
}

TEST(LoadSettingsIni, DefaultFaceNameAndAbsurdValues) {
  MemoryRegistry registry;
  MemoryIni ini;
  ini.Set("Varnel", "ftnum", "2000000000");
  ini.Set("Varnel", "openpath", std::string(5000, 'p'));  // longer than a path buffer: ignored
  ini.Set("Varnel 0", "text", std::string(3075, 't'));
  Loaded l = LoadWith(registry, ini);
  ASSERT_EQ(l.fileTypes.types.size(), 1u);
  EXPECT_EQ(l.settings.openpath, "");
  EXPECT_EQ(l.fileTypes.types[0].text, "不明");
  EXPECT_STREQ(l.fileTypes.types[0].logfont.lfFaceName, "ＭＳ ゴシック");
}

TEST(LoadSettingsIni, CommandLineValuesInRangeAreKept) {
  MemoryRegistry registry;
  MemoryIni ini;
  ini.Load(kIniText);
  Loaded start;
  start.settings.history = 1;
  start.settings.zoomed = 0;
  start.options.prev = 0;
  start.options.x = kUseDefault;  // /W/ : the system places the frame
  Loaded l = LoadWith(registry, ini, start);
  EXPECT_EQ(l.settings.history, 1);
  EXPECT_EQ(l.settings.zoomed, 0);
  EXPECT_EQ(l.options.prev, 0);
  EXPECT_EQ(l.options.x, kUseDefault);
  EXPECT_EQ(l.options.y, 40);
}

TEST(LoadSettingsDefaults, WithoutRegistryAndIni) {
  MemoryRegistry registry;
  registry.SetDword("", "history", 8);
  MemoryIni ini;
  ini.Load(kIniText);
  Loaded start;
  start.options.registryFlags = 0;  // /Q0
  start.options.iniFlags = 2;       // bit 0 clear
  start.settings.code = 5;
  start.settings.filter = -1;
  start.options.newfile = 1;
  start.options.prev = 7;
  start.fileTypes.types.resize(3);
  Loaded l = LoadWith(registry, ini, start);
  ASSERT_EQ(l.status, 0);
  EXPECT_EQ(l.settings.code, 5);
  EXPECT_EQ(l.settings.filter, 0);
  EXPECT_EQ(l.settings.findstat, 27);
  EXPECT_EQ(l.settings.history, 4);
  EXPECT_EQ(l.settings.margin, 171);
  EXPECT_EQ(l.settings.zoomed, 0);
  EXPECT_EQ(l.options.newfile, 1);
  EXPECT_EQ(l.options.prev, 0);
  EXPECT_EQ(l.settings.openpath, "");
  EXPECT_EQ(l.settings.findnum, 0);
  EXPECT_TRUE(l.fileTypes.types.empty());
  EXPECT_EQ(l.structures.count, kStructureCountUnset);
  EXPECT_EQ(l.structures.lastUsed, kUnset);
  EXPECT_EQ(l.options.x, kUseDefault);
  EXPECT_EQ(l.options.height, kUseDefault);
}

}  // namespace
