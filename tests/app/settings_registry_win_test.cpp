// The settings through the real registry (the test's private Wine prefix): round
// trips, the /Q variants and damaged values planted with the raw Reg* calls.
#include <gtest/gtest.h>

#include <cstring>

#include "app/settings/ini_file.h"
#include "app/settings/registry_store.h"
#include "app/settings/settings_io.h"
#include "support/message_recorder.h"
#include "support/settings_registry_win.h"
#include "support/settings_samples.h"

namespace {

struct State {
  StartupOptions options;
  AppSettings settings;
  FileTypeList fileTypes;
  StructureList structures;
};

SettingsEnvironment Screen() {
  SettingsEnvironment e;
  e.colors = {0x000000, 0xFFFFFF, 0x808080, 0xFFFFFF, 0x800000};
  e.screenWidth = 1280;
  e.screenHeight = 1024;
  return e;
}

State LoadFresh(int32_t registryFlags = 3, const std::string& iniPath = "") {
  State s;
  s.options.registryFlags = registryFlags;
  WindowsRegistryStore registry;
  IniFile ini(iniPath);
  EXPECT_EQ(LoadSettings(registry, ini, Screen(), s.options, s.settings, s.fileTypes, s.structures), 0);
  EXPECT_EQ(LoadHistories(registry, ini, s.options, s.settings), 0);
  return s;
}

using RegistryRoundTrip = ProgramKeyTest;

TEST_F(RegistryRoundTrip, EverythingComesBackExactly) {
  for (uint32_t seed : {7u, 21u, 1234u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    DeleteProgramKeyTree();
    SampleRandom random(seed);
    State saved;
    saved.settings = SampleSettings(random);
    for (int i = 0; i < 4; ++i) saved.fileTypes.types.push_back(SampleFileType(random));
    saved.structures = SampleStructures(random, 5);
    FrameBounds rect{random.Between(0, 200), random.Between(0, 200), random.Between(500, 1200),
                     random.Between(400, 900)};
    std::vector<std::string> fileHistory = {"C:\\データ\\a.bin", "D:\\b.exe"};

    MessageRecorder messages;  // answers the creation question with OK
    WindowsRegistryStore registry;
    ASSERT_EQ(SaveSettings(registry, saved.options, saved.settings, saved.fileTypes, saved.structures, rect,
                           fileHistory),
              0);
    ASSERT_EQ(messages.texts().size(), 1u);  // only the creation question

    State loaded = LoadFresh();
    EXPECT_EQ(loaded.settings.code, saved.settings.code);
    EXPECT_EQ(loaded.settings.filter, saved.settings.filter);
    EXPECT_EQ(loaded.settings.findstat, saved.settings.findstat);
    EXPECT_EQ(loaded.settings.history, saved.settings.history);
    EXPECT_EQ(loaded.settings.margin, saved.settings.margin);
    EXPECT_EQ(loaded.settings.zoomed, saved.settings.zoomed);
    EXPECT_EQ(loaded.settings.openpath, saved.settings.openpath);
    EXPECT_EQ(loaded.settings.savepath, saved.settings.savepath);
    EXPECT_EQ(loaded.settings.findHistory, saved.settings.findHistory);
    EXPECT_EQ(loaded.settings.replaceHistory, saved.settings.replaceHistory);
    EXPECT_EQ(loaded.options.x, rect.left);
    EXPECT_EQ(loaded.options.y, rect.top);
    EXPECT_EQ(loaded.options.width, rect.right - rect.left);
    EXPECT_EQ(loaded.options.height, rect.bottom - rect.top);
    ExpectSameFileTypes(saved.fileTypes, loaded.fileTypes);
    ExpectSameStructures(saved.structures, loaded.structures);

    // The stored forms, as other tools see them.
    struct Form {
      const char* subkey;
      const char* name;
      DWORD type;
      size_t size;
    } forms[] = {
        {"", "code", REG_DWORD, 4},          {"", "imnum", REG_DWORD, 4},     {"", "rect", REG_BINARY, 16},
        {"", "history1", REG_SZ, 9},         {"", "history9", REG_SZ, 1},     {"FILETYPE3", "logfont", REG_BINARY, 60},
        {"FILETYPE0", "color", REG_BINARY, 1044}, {"INFOMATION4", "info", REG_DWORD, 4},
    };
    for (const Form& f : forms) {
      RawValue v = GetRawValue(f.subkey, f.name);
      ASSERT_TRUE(v.found) << f.subkey << ":" << f.name;
      EXPECT_EQ(v.type, f.type) << f.subkey << ":" << f.name;
      EXPECT_EQ(v.data.size(), f.size) << f.subkey << ":" << f.name;
    }
    RawValue color = GetRawValue("FILETYPE2", "color");
    for (int c = 0; c < kColorCount; ++c) {
      uint32_t stored;
      std::memcpy(&stored, color.data.data() + 4 * c, 4);
      EXPECT_EQ(stored, saved.fileTypes.types[2].color[c]) << c;
    }
    RawValue font = GetRawValue("FILETYPE1", "logfont");
    EXPECT_EQ(std::memcmp(font.data.data(), &saved.fileTypes.types[1].logfont, 60), 0);
    EXPECT_EQ(GetRawValue("", "history0").data.size(), std::strlen("C:\\データ\\a.bin") + 1);
  }
}

TEST_F(RegistryRoundTrip, BuiltinTemplatesSurviveByteForByte) {
  State saved;
  InstallBuiltinStructures(saved.structures);
  saved.options.registryFlags = 7;
  WindowsRegistryStore registry;
  ASSERT_EQ(SaveSettings(registry, saved.options, saved.settings, saved.fileTypes, saved.structures, {}, {}), 0);
  EXPECT_EQ(GetRawValue("INFOMATION2", "infoview0009").data, (std::vector<BYTE>{0x81, 0, 0, 0}));
  RawValue name = GetRawValue("INFOMATION3", "text");
  EXPECT_EQ(std::string(name.data.begin(), name.data.end()), std::string("PEｾｸｼｮﾝﾃｰﾌﾞﾙ", sizeof "PEｾｸｼｮﾝﾃｰﾌﾞﾙ"));
  State loaded = LoadFresh();
  ExpectSameStructures(saved.structures, loaded.structures);
  EXPECT_EQ(loaded.structures.minimumSize, 18);
}

using RegistryFlags = ProgramKeyTest;

TEST_F(RegistryFlags, QOptionVariants) {
  struct Row {
    const char* why;
    int32_t flags;
    MessageAnswer answer;
    size_t questions;
    bool created;
  } rows[] = {
      {"/Q0 neither reads nor writes", 0, MessageAnswer::Ok, 0, false},
      {"/Q1 never writes", 1, MessageAnswer::Ok, 0, false},
      {"/Q2 asks, OK creates", 2, MessageAnswer::Ok, 1, true},
      {"/Q3 asks, Cancel leaves the registry untouched", 3, MessageAnswer::Cancel, 1, false},
      {"/Q3 asks, OK creates", 3, MessageAnswer::Ok, 1, true},
      {"/Q7 creates without asking", 7, MessageAnswer::Cancel, 0, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    DeleteProgramKeyTree();
    State s = LoadFresh(r.flags);
    s.settings.history = 6;
    MessageRecorder messages;
    messages.Answer(r.answer);
    WindowsRegistryStore registry;
    ASSERT_EQ(SaveSettings(registry, s.options, s.settings, s.fileTypes, s.structures, {0, 0, 300, 200}, {}), 0);
    EXPECT_EQ(messages.texts().size(), r.questions);
    EXPECT_EQ(ProgramKeyExists(), r.created);
  }
}

TEST_F(RegistryFlags, Q1ReadsButLeavesTheStoredValues) {
  PutRawDword("", "history", 6);
  PutRawDword("FILETYPE9", "view", 1);
  State s = LoadFresh(1);
  EXPECT_EQ(s.settings.history, 6);
  s.settings.history = 2;
  WindowsRegistryStore registry;
  ASSERT_EQ(SaveSettings(registry, s.options, s.settings, s.fileTypes, s.structures, {}, {}), 0);
  EXPECT_EQ(GetRawValue("", "history").data, (std::vector<BYTE>{6, 0, 0, 0}));
  EXPECT_TRUE(GetRawValue("FILETYPE9", "view").found);
}

using RegistryDamage = ProgramKeyTest;

TEST_F(RegistryDamage, ForeignValuesFallBackAndCountsFollowTheRecords) {
  PutRawString("", "code", "12");                             // text for a number
  PutRawValue("", "findstat", REG_DWORD, {1, 2});               // 2 bytes
  PutRawValue("", "history", REG_BINARY, {20, 0, 0, 0});        // a 4-byte binary number, out of range: used
  PutRawValue("", "rect", REG_DWORD, {1, 0, 0, 0});             // wrong size and type
  PutRawValue("", "openpath", REG_SZ, std::vector<BYTE>(4000, 'x'));  // larger than its buffer
  PutRawDword("", "ftnum", 2000000000);
  PutRawDword("", "findnum", 0xFFFFFFFF);
  PutRawDword("", "repnum", 2000000000);
  PutRawDword("", "imnum", 2000000000);
  for (int i = 0; i < 3; ++i) {
    std::string key = "FILETYPE" + std::to_string(i);
    PutRawString(key, "text", "T" + std::to_string(i));
    PutRawString(key, "ext", "*.*");
    PutRawDword(key, "view", 0);
    PutRawValue(key, "logfont", REG_BINARY, std::vector<BYTE>(60, 0));
    PutRawValue(key, "color", REG_BINARY, std::vector<BYTE>(i == 2 ? 2000 : 1044, 0));  // the third is too big
  }
  PutRawValue("replace", "repstr00", REG_BINARY, {1, 2, 3});
  PutRawValue("replace", "repstr01", REG_BINARY, std::vector<BYTE>(129, 7));  // one byte too many
  PutRawValue("replace", "repstr02", REG_BINARY, {4});
  PutRawString("INFOMATION0", "text", "ok");
  PutRawDword("INFOMATION0", "info", 2000000000);
  PutRawString("INFOMATION0", "infotext0000", "m");
  PutRawDword("INFOMATION0", "infonum0000", 4);
  PutRawDword("INFOMATION0", "infoview0000", 2);
  PutRawString("INFOMATION1", "text", "bad info");
  PutRawString("INFOMATION1", "info", "1");

  State s = LoadFresh();
  EXPECT_EQ(s.settings.code, 0);
  EXPECT_EQ(s.settings.findstat, 27);
  EXPECT_EQ(s.settings.history, 20);
  EXPECT_EQ(s.options.x, kUseDefault);
  EXPECT_EQ(s.settings.openpath, "");
  ASSERT_EQ(s.fileTypes.types.size(), 2u);
  EXPECT_TRUE(s.settings.findHistory.empty());
  EXPECT_EQ(s.settings.findnum, 0);
  EXPECT_EQ(s.settings.replaceHistory, (std::vector<std::vector<uint8_t>>{{1, 2, 3}}));
  EXPECT_EQ(s.settings.repnum, 1);
  ASSERT_EQ(s.structures.structures.size(), 1u);
  EXPECT_EQ(s.structures.count, 1);
  EXPECT_EQ(s.structures.structures[0].members.size(), 1u);
  EXPECT_EQ(s.structures.minimumSize, 4);
}

// The INI file: a real file read through GetPrivateProfile*.
class IniMigration : public ProgramKeyTest {
 protected:
  void SetUp() override {
    ProgramKeyTest::SetUp();
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    path_ = std::string(dir) + "varnel_settings_test.ini";
  }
  void TearDown() override {
    DeleteFileA(path_.c_str());
    ProgramKeyTest::TearDown();
  }
  void Write(const std::string& text) {
    HANDLE f = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(f);
  }
  std::string path_;
};

const char kLegacyIni[] =
    "[Varnel]\r\n"
    "codedef=9\r\n"
    "history=7\r\n"
    "margin=250\r\n"
    "zoomed=1\r\n"
    "openpath=C:\\作業\r\n"
    "wpos0=40\r\n"
    "wpos1=30\r\n"
    "wpos2=600\r\n"
    "wpos3=400\r\n"
    "findnum=2\r\n"
    "repnum=1\r\n"
    "ftnum=2\r\n"
    "history0=C:\\最初.bin\r\n"
    "[Varnel 0]\r\n"
    "text=テキスト\r\n"
    "ext=*.TXT\r\n"
    "view=4\r\n"
    "lfHeight=-20\r\n"
    "lfFaceName=ＭＳ 明朝\r\n"
    "color01=16777215\r\n"
    "color7Fh=255\r\n"
    "[Varnel 1]\r\n"
    "text=その他\r\n"
    "[Varnel find]\r\n"
    "findstr00=4D 5A\r\n"
    "findstr01=0,1,2\r\n"
    "repstr00=ff.fe\r\n";

TEST_F(IniMigration, LegacyFileIsReadAndTheRegistryIsCreatedAtExit) {
  Write(kLegacyIni);
  State s = LoadFresh(3, path_);
  EXPECT_EQ(s.settings.code, 9);
  EXPECT_EQ(s.settings.history, 7);
  EXPECT_EQ(s.settings.margin, 250);
  EXPECT_EQ(s.settings.zoomed, 1);
  EXPECT_EQ(s.settings.findstat, 27);
  EXPECT_EQ(s.settings.openpath, "C:\\作業");
  EXPECT_EQ(s.options.x, 40);
  EXPECT_EQ(s.options.y, 30);
  EXPECT_EQ(s.options.width, 600);
  EXPECT_EQ(s.options.height, 400);
  ASSERT_EQ(s.fileTypes.types.size(), 2u);
  const FileType& text = s.fileTypes.types[0];
  EXPECT_EQ(text.text, "テキスト");
  EXPECT_EQ(text.ext, "*.TXT");
  EXPECT_EQ(text.view, 4u);
  EXPECT_EQ(text.logfont.lfHeight, -20);
  EXPECT_EQ(text.logfont.lfWeight, 400);
  EXPECT_STREQ(text.logfont.lfFaceName, "ＭＳ 明朝");
  EXPECT_EQ(text.color[0], Screen().colors.windowText);
  EXPECT_EQ(text.color[1], 16777215u);
  EXPECT_EQ(text.color[5 + 0x7F], 255u);
  EXPECT_EQ(s.fileTypes.types[1].text, "その他");
  EXPECT_EQ(s.fileTypes.types[1].ext, "*.*");
  EXPECT_STREQ(s.fileTypes.types[1].logfont.lfFaceName, "ＭＳ ゴシック");
  EXPECT_EQ(s.settings.findHistory, (std::vector<std::vector<uint8_t>>{{0x4D, 0x5A}, {0, 1, 2}}));
  EXPECT_EQ(s.settings.replaceHistory, (std::vector<std::vector<uint8_t>>{{0xFF, 0xFE}}));
  EXPECT_EQ(s.structures.count, kStructureCountUnset);
  EXPECT_FALSE(ProgramKeyExists());

  InstallBuiltinStructures(s.structures);
  MessageRecorder messages;
  WindowsRegistryStore registry;
  ASSERT_EQ(SaveSettings(registry, s.options, s.settings, s.fileTypes, s.structures, {40, 30, 640, 430},
                         {"C:\\最初.bin"}),
            0);
  ASSERT_EQ(messages.texts().size(), 1u);
  EXPECT_TRUE(ProgramKeyExists());

  // The next start reads the registry, not the INI file.
  Write("[Varnel]\r\nhistory=1\r\n");
  State next = LoadFresh(3, path_);
  EXPECT_EQ(next.settings.history, 7);
  EXPECT_EQ(next.settings.code, 9);
  EXPECT_EQ(next.options.x, 40);
  EXPECT_EQ(next.options.width, 600);
  ExpectSameFileTypes(s.fileTypes, next.fileTypes);
  EXPECT_EQ(next.settings.findHistory, s.settings.findHistory);
  EXPECT_EQ(next.structures.count, 4);
  RawValue history = GetRawValue("", "history0");
  EXPECT_EQ(std::string(reinterpret_cast<char*>(history.data.data())), "C:\\最初.bin");
}

TEST_F(IniMigration, MissingFileAndEmptyPathGiveDefaults) {
  State s = LoadFresh(3, path_);  // not written: the file does not exist
  EXPECT_EQ(s.settings.history, 4);
  EXPECT_EQ(s.settings.findstat, 27);
  EXPECT_TRUE(s.fileTypes.types.empty());
  EXPECT_EQ(s.options.x, kUseDefault);
  State none = LoadFresh(3, "");
  EXPECT_EQ(none.settings.margin, 171);
}

}  // namespace
