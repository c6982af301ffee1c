// Loading the settings from the INI file and the defaults, the frame placement,
// keys that will not close, and the INI lines of the histories. The rest of what
// the registry branch reads is checked over both stores in settings_io_contract.h.
#include <gtest/gtest.h>

#include <climits>

#include "app/settings/settings_io.h"
#include "support/message_recorder.h"
#include "support/settings_memory_store.h"
#include "support/settings_samples.h"

namespace {

using Ints = std::vector<int32_t>;
using Entries = std::vector<std::vector<uint8_t>>;
const int32_t D = kUseDefault;
const int32_t U = kUnset;

Ints Placement(const SettingsRecords& r) { return {r.options.x, r.options.y, r.options.width, r.options.height}; }

SettingsRecords LoadIni(const std::string& text, SettingsRecords start = {}) {
  MemoryRegistry registry;  // no program key: the INI file is read
  MemoryIni ini;
  ini.Load(text);
  return LoadRecords(registry, ini, std::move(start));
}

const char kIniText[] =
    "[Varnel]\ncodedef=12\ncode=40\nfilter=515\nfindstat=5\nhistory=6\nmargin=300\nnewfile=1\nprev=1\nzoomed=1\n"
    "openpath=C:\\data\nsavepath=C:\\out\nwpos0=30\nwpos1=40\nwpos2=700\nfindnum=2\nrepnum=1\nftnum=3\nimnum=2\n"
    "[Varnel 0]\ntext=画像\next=*.BMP;*.DIB\nview=33\nlfHeight=-16\nlfWeight=700\nlfItalic=257\nlfCharSet=0\n"
    "lfFaceName=Courier New\ncolor00=255\ncolor04=65280\ncolor41h=16711680\ncolorFFh=1\n"
    "[Varnel 1]\nview=0\nlfFaceName=ＭＳ 明朝ＭＳ 明朝ＭＳ 明朝 ＭＳ ゴシック\n";

TEST(LoadSettings, IniSectionAndFileTypesWithTheirDefaults) {
  SettingsRecords l = LoadIni(kIniText);
  ASSERT_EQ(l.status, 0);
  const AppSettings& s = l.settings;
  // "codedef", not "code"; "newfile" is never read from the INI file.
  EXPECT_EQ((Ints{s.code, s.filter, s.findstat, s.history, s.margin, s.zoomed, l.options.newfile, l.options.prev,
                  s.findnum, s.repnum}),
            (Ints{12, 515, 5, 6, 300, 1, 0, 1, 2, 1}));
  EXPECT_EQ(s.openpath + "|" + s.savepath, "C:\\data|C:\\out");
  EXPECT_EQ(Placement(l), (Ints{30, 40, 700, D}));
  EXPECT_EQ((Ints{l.structures.count, l.structures.lastUsed}), (Ints{kStructureCountUnset, kUnset}));
  ASSERT_EQ(l.fileTypes.types.size(), 2u);  // three announced, two sections present
  const SampledColors& c = TestScreen().colors;
  const FileType& a = l.fileTypes.types[0];
  const LogFont& f = a.logfont;
  EXPECT_EQ(a.text + "|" + a.ext + "|" + f.lfFaceName, "画像|*.BMP;*.DIB|Courier New");
  // lfItalic is the low byte of 257.
  EXPECT_EQ((Ints{static_cast<int32_t>(a.view), f.lfHeight, f.lfWidth, f.lfWeight, f.lfItalic, f.lfCharSet,
                  f.lfOutPrecision, f.lfQuality, f.lfPitchAndFamily}),
            (Ints{33, -16, 0, 700, 1, 0, 4, 1, 49}));
  EXPECT_EQ((std::vector<ColorRef>{a.color[0], a.color[1], a.color[2], a.color[3], a.color[4], a.color[5 + 0x40],
                                   a.color[5 + 0x41], a.color[5 + 0xFF]}),
            (std::vector<ColorRef>{255, c.window, c.grayText, c.highlightText, 65280, c.windowText, 16711680, 1}));
  const FileType& b = l.fileTypes.types[1];
  // 43 bytes of face name: cut to at most 31 bytes, not inside a double-byte character.
  EXPECT_EQ(b.text + "|" + b.ext + "|" + b.logfont.lfFaceName, "不明|*.*|ＭＳ 明朝ＭＳ 明朝ＭＳ 明朝 Ｍ");
  EXPECT_EQ((Ints{static_cast<int32_t>(b.view), b.logfont.lfHeight, b.logfont.lfWeight, b.logfont.lfCharSet}),
            (Ints{0, -13, 400, 128}));
  EXPECT_EQ((std::vector<ColorRef>{b.color[0], b.color[4], b.color[260]}),
            (std::vector<ColorRef>{c.windowText, c.highlight, c.windowText}));
  // Command-line values in range win; /W/ lets the system place the frame.
  SettingsRecords start;
  start.settings.history = 1;
  start.settings.zoomed = 0;
  start.options.prev = 0;
  start.options.x = D;
  l = LoadIni(kIniText, start);
  EXPECT_EQ((Ints{l.settings.history, l.settings.zoomed, l.options.prev}), (Ints{1, 0, 0}));
  EXPECT_EQ(Placement(l), (Ints{D, 40, 700, D}));
  // A path longer than a path buffer is ignored; so is a text, whose default comes instead.
  l = LoadIni("[Varnel]\nftnum=2000000000\nopenpath=" + std::string(5000, 'p') +
              "\n[Varnel 0]\ntext=" + std::string(3075, 't') + "\n");
  ASSERT_EQ(l.fileTypes.types.size(), 1u);
  EXPECT_EQ(l.settings.openpath + l.fileTypes.types[0].text + l.fileTypes.types[0].logfont.lfFaceName,
            "不明ＭＳ ゴシック");
}

// The registry's "rect" (left, top, right, bottom) and the INI file's "wpos0".."wpos3"
// (x, y, width, height) are kept on the 1024 x 768 screen. Why: "wpos" values far off
// the screen put the frame where no one could reach it for the whole session.
TEST(LoadSettings, FramePlacementStaysOnTheScreen) {
  const struct {
    const char* why;
    bool ini;
    Ints stored, placement;
    Ints start = {U, U};  // x and y from the command line: not the stored values' to correct
  } rows[] = {
      {"rect over the right and bottom edges", false, {900, 700, 1300, 1000}, {900, 700, 124, 68}},
      {"rect touching the edge only (another monitor)", false, {1024, 0, 1200, 300}, {D, D, D, D}},
      {"rect with reversed corners", false, {500, 500, 100, 100}, {D, D, D, D}},
      {"rect of extreme values", false, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {0, 0, 1024, 768}},
      {"wpos inside", true, {10, 20, 300, 200}, {10, 20, 300, 200}},
      {"wpos partly left: cut", true, {-100, 50, 300, 200}, {0, 50, 200, 200}},
      {"wpos wider than the screen", true, {100, 0, 99999999, 200}, {100, 0, 924, 200}},
      {"wpos position only, off screen", true, {5000, 10, D, D}, {D, D, D, D}},
      {"wpos of a negative size", true, {10, 10, -5, 100}, {D, D, D, D}},
      {"wpos with /W99999,5", true, {D, D, 300, 200}, {99999, 5, 300, 200}, {99999, 5}},
      {"rect with /W99999,5", false, {10, 20, 650, 500}, {99999, 5, D, D}, {99999, 5}},
  };
  for (const auto& r : rows) {
    MemoryRegistry registry;
    MemoryIni ini;
    std::string text = "[Varnel]\n";
    for (int i = 0; i < 4; ++i) text += "wpos" + std::to_string(i) + "=" + std::to_string(r.stored[i]) + "\n";
    ini.Load(text);
    if (!r.ini)
      registry.Put("", "rect", ValueType::Binary, Le32s({r.stored[0], r.stored[1], r.stored[2], r.stored[3]}));
    SettingsRecords start;
    start.options.x = r.start[0];
    start.options.y = r.start[1];
    SettingsRecords l = LoadRecords(registry, ini, start);
    EXPECT_EQ(Placement(l), r.placement) << r.why;
    EXPECT_EQ(l.settings.hasRect, !r.ini && r.start[0] == U) << r.why;
  }
}

TEST(LoadSettings, KeysThatWillNotCloseStopStartUp) {
  for (const char* path : {"", "FILETYPE0", "replace", "INFOMATION0"}) {
    MemoryRegistry registry;
    MemoryIni ini;
    registry.PutDword("", "ftnum", 3);
    registry.PutDword("", "imnum", 1);
    registry.PutString("INFOMATION0", "text", "T");
    registry.PutDword("INFOMATION0", "info", 0);
    for (int i = 0; i < 3; ++i) registry.PutString("FILETYPE" + std::to_string(i), "text", "T");
    registry.Put("replace", "repstr00", ValueType::Binary, {1});
    registry.failCloses.insert(path);
    MessageRecorder messages;
    SettingsRecords start;
    start.settings.repnum = 1;
    EXPECT_EQ(LoadRecords(registry, ini, start, true).status, -1) << path;
    ASSERT_EQ(messages.texts(), std::vector<std::string>{"ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません"}) << path;
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(registry.openKeys(), 0);
  }
}

// Entries are read whole, up to 128 bytes; one value beyond a byte, or one byte
// too many, ends the history.
TEST(LoadHistories, IniLinesWhenTheSubkeyIsMissing) {
  MemoryRegistry registry;
  registry.PutDword("", "x", 0);  // the key opens but has no "find" subkey
  MemoryIni ini;
  ini.Load("[Varnel find]\nfindstr00=41 42,43.44\nfindstr01=ff\nrepstr00=0,  0\nrepstr01=1 100 2\n");
  std::string full = "7F";  // 128 bytes in 510 characters, one full entry
  for (int i = 1; i < 128; ++i) full += ", 7F";
  ini.Load("[Varnel find]\nfindstr02=" + full + "\nfindstr03=" + full + " 7F\n");
  StartupOptions options;
  options.iniFlags = 0;  // not consulted for the histories
  AppSettings settings;
  settings.findnum = 5;
  settings.repnum = 2;
  ASSERT_EQ(LoadHistories(registry, ini, options, settings), 0);
  EXPECT_EQ(settings.findHistory, (Entries{{0x41, 0x42, 0x43, 0x44}, {0xFF}, std::vector<uint8_t>(128, 0x7F)}));
  EXPECT_EQ(settings.replaceHistory, (Entries{{0, 0}}));
  EXPECT_EQ((Ints{settings.findnum, settings.repnum}), (Ints{3, 1}));
}

}  // namespace
