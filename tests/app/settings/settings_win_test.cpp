// The program's own settings in a run of the shell whose HKEY_CURRENT_USER is
// this test's key: the exit writes them (after asking to create the key), the
// next start reads them back and opens its frame where the stored "rect" says.
#include "app/settings/settings_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "shell/shell.h"
#include "support/settings_registry_win.h"
#include "support/settings_samples.h"
#include "support/shell_fixture_win.h"

namespace {

const std::string kProgramKey = "Software\\Halvorsk\\Varnel";  // below the stand-in for HKEY_CURRENT_USER

// Starts the shell on key with arguments, closes it answering the creation question
// with answer; the frame's rectangle when it showed, then the messages shown.
std::vector<std::string> RunShell(const TestRegistryKey& key, const std::string& arguments, MessageAnswer answer,
                                  std::vector<int32_t>* frame) {
  CurrentUserOverride currentUser(key);
  ShellRun run;
  run.messages().Answer(answer);
  EXPECT_TRUE(run.Start(arguments));
  RECT r = {};
  GetWindowRect(g_shell.frame, &r);
  *frame = {r.left, r.top, r.right, r.bottom};
  run.Close();
  return run.messages().texts();
}

TEST(SaveProgramSettings, OkCreatesTheKeyAndTheNextRunReadsItBack) {
  TestRegistryKey key;
  auto raw = [&](std::initializer_list<const char*> names) {  // the program key's values one after another
    std::vector<uint8_t> out;
    for (const char* name : names) {
      std::vector<uint8_t> v = key.Get(kProgramKey, name).value_or(MemoryValue{{}, {0xEE}}).data;
      out.insert(out.end(), v.begin(), v.end());
    }
    return out;
  };
  ScratchFolder folder;
  // A named INI file that does not exist: the runs must not depend on files beside the program.
  const std::string noIni = " " + Quote("/I" + folder.File("none.ini"));
  const std::vector<std::string> question = {
      "ﾚｼﾞｽﾄﾘに\nHKEY_CURRENT_USER\\Software\\Halvorsk\\Varnel\nを新規作成します。"};
  std::vector<int32_t> frame;  // (Cancel leaving no key is checked with the settings contract)
  EXPECT_EQ(RunShell(key, "/W100,120,500,400 /H7" + noIni, MessageAnswer::Ok, &frame), question);
  EXPECT_EQ(frame, (std::vector<int32_t>{100, 120, 600, 520}));
  EXPECT_EQ(raw({"rect", "history", "ftnum", "imnum"}), Le32s({100, 120, 600, 520, 7, 2, 4}));
  EXPECT_TRUE(key.Exists(kProgramKey + "\\FILETYPE1") && key.Exists(kProgramKey + "\\INFOMATION3"));

  // What a user (or another tool) changes between the runs must come back.
  key.Put(kProgramKey, "rect", ValueType::Binary, Le32s({50, 60, 450, 360}));
  key.PutDword(kProgramKey, "margin", 300);
  key.PutDword(kProgramKey, "newfile", 0);
  EXPECT_EQ(RunShell(key, noIni, MessageAnswer::Cancel, &frame), std::vector<std::string>{});  // the key exists
  EXPECT_EQ(frame, (std::vector<int32_t>{50, 60, 450, 360}));
  // "newfile" is never written, never deleted.
  EXPECT_EQ(raw({"rect", "history", "margin", "newfile"}), Le32s({50, 60, 450, 360, 7, 300, 0}));

  // A taskbar on the top or left moves the work area; "rect" stays in screen coordinates.
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  RECT shifted = {work.left + 40, work.top + 100, work.right, work.bottom};
  SystemParametersInfoA(SPI_SETWORKAREA, 0, &shifted, 0);
  RunShell(key, "/W200,300,400,200" + noIni, MessageAnswer::Ok, &frame);
  SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0);
  EXPECT_EQ(raw({"rect"}), Le32s({200, 300, 600, 500}));
}

}  // namespace
