// The legacy INI file read through GetPrivateProfile*: a missing file gives the
// defaults, a real file is migrated to the registry (the tests' own key) at exit,
// and the next start reads the registry.
#include "app/settings/ini_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/settings/registry_store.h"
#include "support/doc_files.h"
#include "support/message_recorder.h"
#include "support/settings_registry_win.h"
#include "support/settings_samples.h"

namespace {

using Entries = std::vector<std::vector<uint8_t>>;

const char kLegacyIni[] =
    "[Varnel]\r\ncodedef=9\r\nhistory=7\r\nmargin=250\r\nzoomed=1\r\nopenpath=C:\\作業\r\nwpos0=40\r\nwpos1=30\r\n"
    "wpos2=600\r\nwpos3=400\r\nfindnum=2\r\nrepnum=1\r\nftnum=2\r\nhistory0=C:\\最初.bin\r\n"
    "[Varnel 0]\r\ntext=テキスト\r\next=*.TXT\r\nview=4\r\nlfHeight=-20\r\nlfFaceName=ＭＳ 明朝\r\n"
    "color01=16777215\r\ncolor7Fh=255\r\n[Varnel 1]\r\ntext=その他\r\n"
    "[Varnel find]\r\nfindstr00=4D 5A\r\nfindstr01=0,1,2\r\nrepstr00=ff.fe\r\n";

TEST(IniFile, ALegacyFileIsReadAndTheRegistryTakesOverAfterTheNextSave) {
  TestRegistryKey key;
  WindowsRegistryStore registry(key.path());
  TempFolder folder;
  std::string path = folder.File("varnel.ini");
  for (const std::string& none : {path, std::string()}) {  // a missing file or no path: the defaults
    IniFile ini(none);
    SettingsRecords s = LoadRecords(registry, ini);
    EXPECT_EQ((std::vector<int32_t>{s.settings.history, s.settings.findstat, s.settings.margin, s.options.x}),
              (std::vector<int32_t>{4, 27, 171, kUseDefault}))
        << none;
    EXPECT_TRUE(s.fileTypes.types.empty());
  }
  auto write = [&](const std::string& text) { ASSERT_TRUE(WriteWholeFile(path, {text.begin(), text.end()})); };
  write(kLegacyIni);
  IniFile ini(path);
  SettingsRecords s = LoadRecords(registry, ini, {}, true);
  ASSERT_EQ(s.status, 0);
  const AppSettings& a = s.settings;
  EXPECT_EQ((std::vector<int32_t>{a.code, a.history, a.margin, a.zoomed, a.findstat, s.options.x, s.options.y,
                                  s.options.width, s.options.height}),
            (std::vector<int32_t>{9, 7, 250, 1, 27, 40, 30, 600, 400}));
  EXPECT_EQ(a.openpath, "C:\\作業");
  ASSERT_EQ(s.fileTypes.types.size(), 2u);
  const FileType &text = s.fileTypes.types[0], &other = s.fileTypes.types[1];
  EXPECT_EQ(text.text + "|" + text.ext + "|" + text.logfont.lfFaceName + "|" + other.text + "|" + other.ext + "|" +
                other.logfont.lfFaceName,
            "テキスト|*.TXT|ＭＳ 明朝|その他|*.*|ＭＳ ゴシック");
  EXPECT_EQ((std::vector<ColorRef>{text.view, static_cast<ColorRef>(text.logfont.lfHeight), text.color[1],
                                   text.color[5 + 0x7F]}),
            (std::vector<ColorRef>{4, static_cast<ColorRef>(-20), 16777215, 255}));
  EXPECT_EQ(a.findHistory, (Entries{{0x4D, 0x5A}, {0, 1, 2}}));
  EXPECT_EQ(a.replaceHistory, (Entries{{0xFF, 0xFE}}));
  EXPECT_EQ(s.structures.count, kStructureCountUnset);
  EXPECT_FALSE(key.Exists(""));

  InstallBuiltinStructures(s.structures);
  s.rect = {40, 30, 640, 430};
  s.fileHistory = {"C:\\最初.bin"};
  MessageRecorder messages;  // answers the creation question with OK
  ASSERT_EQ(SaveRecords(registry, s), 0);
  ASSERT_EQ(messages.texts().size(), 1u);
  write("[Varnel]\r\nmargin=1\r\n");
  SettingsRecords next = LoadRecords(registry, ini, {}, true);
  EXPECT_EQ((std::vector<int32_t>{next.settings.margin, next.settings.code, next.options.x, next.options.width}),
            (std::vector<int32_t>{250, 9, 40, 600}));
  EXPECT_EQ(Describe(next.fileTypes), Describe(s.fileTypes));
  EXPECT_EQ(next.settings.findHistory, a.findHistory);
  EXPECT_EQ(Describe(next.structures), Describe(s.structures));
  static const char kFirst[] = "C:\\最初.bin";
  EXPECT_EQ(key.Get("", "history0").value_or(MemoryValue{}).data,
            std::vector<uint8_t>(std::begin(kFirst), std::end(kFirst)));
}

}  // namespace
